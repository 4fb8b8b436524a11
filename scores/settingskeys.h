#pragma once

// The sections and keys of the settings file, spelled once for the start-up, the high-score table, the progress and
// the fuzz target's dictionary (which is made from the quoted names of this file).
namespace SettingsKeys {

inline constexpr char SettingsSection[] = "Settings";
inline constexpr char FirstTimeKey[] = "First Time";
// The switches as the player left them: 0 for the Old Testament, 1 for the New; hints 0 off, 1 on. Versions of the
// game from before them read neither key.
inline constexpr char TestamentKey[] = "Testament";
inline constexpr char HintsKey[] = "Hints";

inline constexpr char UserSection[] = "User";
inline constexpr char LastKey[] = "Last";

inline constexpr char OTScoresSection[] = "OT Scores";
inline constexpr char OTUsersSection[] = "OT Users";
inline constexpr char NTScoresSection[] = "NT Scores";
inline constexpr char NTUsersSection[] = "NT Users";

// What each book cost the player over all games, one key per book number.
inline constexpr char OTProgressSection[] = "OT Progress";
inline constexpr char NTProgressSection[] = "NT Progress";

} // namespace SettingsKeys
