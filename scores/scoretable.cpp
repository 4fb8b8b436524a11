#include "scores/scoretable.h"

#include "scores/settingskeys.h"

#include <algorithm>

namespace {

const QString UserSection = QString::fromLatin1(SettingsKeys::UserSection);
const QString LastKey = QString::fromLatin1(SettingsKeys::LastKey);
const QString OTScoresSection = QString::fromLatin1(SettingsKeys::OTScoresSection);
const QString OTUsersSection = QString::fromLatin1(SettingsKeys::OTUsersSection);
const QString NTScoresSection = QString::fromLatin1(SettingsKeys::NTScoresSection);
const QString NTUsersSection = QString::fromLatin1(SettingsKeys::NTUsersSection);
const QString UnknownInitials = QStringLiteral("???");

QString rowKey(int row)
{
    return QString::number(row + 1);
}

} // namespace

void ScoreTable::LoadScores(const ProfileFile &file)
{
    TableChanged = false;
    m_entered.clear();
    m_newRows = {-1, -1};
    // The keys and defaults in the order of the rows, all read in one pass over the file.
    QList<ProfileFile::Entry> keys {{UserSection, LastKey, QString()}};
    for (int row = 0; row < ScoreRowCount; ++row) {
        keys.append({OTScoresSection, rowKey(row), QString()});
        keys.append({OTUsersSection, rowKey(row), UnknownInitials});
        keys.append({NTScoresSection, rowKey(row), QString()});
        keys.append({NTUsersSection, rowKey(row), UnknownInitials});
    }
    const QList<QString> values = file.readStrings(keys);
    LastInitials = values[0];
    if (LastInitials.isEmpty())
        LastInitials = UnknownInitials;
    for (int row = 0; row < ScoreRowCount; ++row) {
        const qsizetype first = 1 + 4 * row;
        OTScores[row] = ProfileFile::toInteger(values[first], 0);
        OTUsers[row] = values[first + 1];
        NTScores[row] = ProfileFile::toInteger(values[first + 2], 0);
        NTUsers[row] = values[first + 3];
    }
}

int ScoreTable::rowFor(Testament testament, int score) const
{
    const auto &scores = testament == Testament::Old ? OTScores : NTScores;
    // Strictly greater: a score equal to stored ones goes below all of them.
    const auto beaten = std::ranges::find_if(scores, [score](int stored) { return score > stored; });
    return score > 0 && beaten != scores.end() ? static_cast<int>(beaten - scores.begin()) : -1;
}

// One score makes one row; a negative score stored further down must not pull in a second one.
void ScoreTable::enter(const Entered &entry, int row)
{
    const bool old = entry.testament == Testament::Old;
    auto &scores = old ? OTScores : NTScores;
    auto &users = old ? OTUsers : NTUsers;
    for (int below = ScoreRowCount - 1; below > row; --below) {
        scores[below] = scores[below - 1];
        users[below] = users[below - 1];
    }
    scores[row] = entry.score;
    users[row] = entry.initials;
    m_newRows[!old] = row;
}

void ScoreTable::InsertScore(Testament testament, const InitialsExchange &askInitials)
{
    int &newScore = testament == Testament::Old ? NewOTScore : NewNTScore;
    const int row = rowFor(testament, newScore);
    if (row < 0)
        return;
    TableChanged = true;
    LastInitials = askInitials(LastInitials);
    m_entered.append({testament, newScore, LastInitials});
    enter(m_entered.last(), row);
    newScore = 0;
}

QList<ProfileFile::Entry> ScoreTable::entries() const
{
    QList<ProfileFile::Entry> entries {{UserSection, LastKey, LastInitials}};
    for (int row = 0; row < ScoreRowCount; ++row) {
        entries.append({OTScoresSection, rowKey(row), QString::number(OTScores[row])});
        entries.append({OTUsersSection, rowKey(row), OTUsers[row]});
        entries.append({NTScoresSection, rowKey(row), QString::number(NTScores[row])});
        entries.append({NTUsersSection, rowKey(row), NTUsers[row]});
    }
    return entries;
}

bool ScoreTable::SaveScores(ProfileFile &file) const
{
    return !TableChanged || file.write(entries());
}

bool ScoreTable::SaveMerged(ProfileFile &file)
{
    if (!TableChanged)
        return true;
    ScoreTable merged;
    const bool saved = file.update([&](const ProfileFile &current) {
        merged.LoadScores(current);
        merged.LastInitials = LastInitials;
        for (const Entered &entry : std::as_const(m_entered)) {
            if (const int row = merged.rowFor(entry.testament, entry.score); row >= 0)
                merged.enter(entry, row);
        }
        return merged.entries();
    });
    if (saved) {
        OTScores = merged.OTScores;
        OTUsers = merged.OTUsers;
        NTScores = merged.NTScores;
        NTUsers = merged.NTUsers;
        m_newRows = merged.m_newRows;
    }
    return saved;
}
