#pragma once

#include <QString>

#include <array>
#include <string_view>

// The books of both testaments in canonical order. A book's tag is its 1-based position; the names are lettered
// onto the book pictures and read out by screen readers, the rules never look at them.
enum class Testament { Old, New };

constexpr int OTBookCount = 39;
constexpr int NTBookCount = 27;

constexpr std::array<std::string_view, OTBookCount> OTBookNames {
    "Genesis", "Exodus", "Leviticus", "Numbers", "Deuteronomy", "Joshua", "Judges", "Ruth", "I Samuel", "II Samuel",
    "I Kings", "II Kings", "I Chronicles", "II Chronicles", "Ezra", "Nehemiah", "Esther", "Job", "Psalms",
    "Proverbs", "Ecclesiastes", "Song of Solomon", "Isaiah", "Jeremiah", "Lamentations", "Ezekiel", "Daniel",
    "Hosea", "Joel", "Amos", "Obadiah", "Jonah", "Micah", "Nahum", "Habakkuk", "Zephaniah", "Haggai", "Zechariah",
    "Malachi",
};

constexpr std::array<std::string_view, NTBookCount> NTBookNames {
    "Matthew", "Mark", "Luke", "John", "Acts", "Romans", "I Corinthians", "II Corinthians", "Galatians",
    "Ephesians", "Philippians", "Colossians", "I Thessalonians", "II Thessalonians", "I Timothy", "II Timothy",
    "Titus", "Philemon", "Hebrews", "James", "I Peter", "II Peter", "I John", "II John", "III John", "Jude",
    "Revelation",
};

// The names shortened as Bible references shorten them, for where the full names do not fit.
constexpr std::array<std::string_view, OTBookCount> OTShortNames {
    "Gen", "Exod", "Lev", "Num", "Deut", "Josh", "Judg", "Ruth", "I Sam", "II Sam", "I Kgs", "II Kgs", "I Chr",
    "II Chr", "Ezra", "Neh", "Esth", "Job", "Ps", "Prov", "Eccl", "Song", "Isa", "Jer", "Lam", "Ezek", "Dan", "Hos",
    "Joel", "Amos", "Obad", "Jonah", "Mic", "Nah", "Hab", "Zeph", "Hag", "Zech", "Mal",
};

constexpr std::array<std::string_view, NTBookCount> NTShortNames {
    "Matt", "Mark", "Luke", "John", "Acts", "Rom", "I Cor", "II Cor", "Gal", "Eph", "Phil", "Col", "I Thess",
    "II Thess", "I Tim", "II Tim", "Titus", "Phlm", "Heb", "Jas", "I Pet", "II Pet", "I John", "II John", "III John",
    "Jude", "Rev",
};

constexpr int bookCount(Testament testament)
{
    return testament == Testament::New ? NTBookCount : OTBookCount;
}

// The name of the book with the given tag (1-based); empty for a tag outside the testament.
std::string_view bookName(Testament testament, int tag);

// The short name of the book with the given tag; empty for a tag outside the testament.
std::string_view shortBookName(Testament testament, int tag);

// "Old Testament" or "New Testament", as the windows name it to screen readers.
QString testamentName(Testament testament);

// The name as a screen reader should say it: a leading Roman number becomes digits ("I Samuel" is "1 Samuel",
// not the pronoun).
QString spokenBookName(Testament testament, int tag);
