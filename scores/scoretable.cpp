#include "scores/scoretable.h"

#include "scores/profilefile.h"
#include "scores/settingskeys.h"

#include <QList>

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
    LastInitials = file.readString(UserSection, LastKey, QString());
    if (LastInitials.isEmpty())
        LastInitials = UnknownInitials;
    for (int row = 0; row < ScoreRowCount; ++row) {
        OTScores[row] = file.readInteger(OTScoresSection, rowKey(row), 0);
        OTUsers[row] = file.readString(OTUsersSection, rowKey(row), UnknownInitials);
        NTScores[row] = file.readInteger(NTScoresSection, rowKey(row), 0);
        NTUsers[row] = file.readString(NTUsersSection, rowKey(row), UnknownInitials);
    }
}

void ScoreTable::InsertScore(Testament testament, const InitialsExchange &askInitials)
{
    const bool old = testament == Testament::Old;
    int &newScore = old ? NewOTScore : NewNTScore;
    auto &scores = old ? OTScores : NTScores;
    auto &users = old ? OTUsers : NTUsers;
    if (newScore <= 0)
        return;

    // Strictly greater: a score equal to stored ones goes below all of them.
    for (int row = 0; row < ScoreRowCount; ++row) {
        if (newScore <= scores[row])
            continue;
        TableChanged = true;
        LastInitials = askInitials(LastInitials);
        for (int below = ScoreRowCount - 1; below > row; --below) {
            scores[below] = scores[below - 1];
            users[below] = users[below - 1];
        }
        scores[row] = newScore;
        users[row] = LastInitials;
        newScore = 0;
        // One score makes one row; a negative score stored further down must not pull in a second one.
        return;
    }
}

bool ScoreTable::SaveScores(ProfileFile &file) const
{
    if (!TableChanged)
        return true;
    QList<ProfileFile::Entry> entries { { UserSection, LastKey, LastInitials } };
    for (int row = 0; row < ScoreRowCount; ++row) {
        entries.append({ OTScoresSection, rowKey(row), QString::number(OTScores[row]) });
        entries.append({ OTUsersSection, rowKey(row), OTUsers[row] });
        entries.append({ NTScoresSection, rowKey(row), QString::number(NTScores[row]) });
        entries.append({ NTUsersSection, rowKey(row), NTUsers[row] });
    }
    return file.write(entries);
}
