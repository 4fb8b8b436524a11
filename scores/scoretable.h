#pragma once

#include "game/catalogue.h"
#include "settings/profilefile.h"

#include <QList>
#include <QString>

#include <array>
#include <functional>

constexpr int ScoreRowCount = 5;

// The five best scores of each testament with the initials of their players, row 1 the best, and the judging of a
// new score against them. A row whose score is 0 or less is empty. The table is read afresh from the settings file
// at every showing of the table dialog; nothing of it is relied on between showings.
class ScoreTable
{
public:
    // Given the proposed initials, asks the player and returns the initials entered. It blocks until it has them.
    using InitialsExchange = std::function<QString(const QString &proposed)>;

    std::array<int, ScoreRowCount> OTScores {};
    std::array<int, ScoreRowCount> NTScores {};
    std::array<QString, ScoreRowCount> OTUsers;
    std::array<QString, ScoreRowCount> NTUsers;
    // Pending scores to be judged, 0 = none. An entered score clears its field.
    int NewOTScore = 0;
    int NewNTScore = 0;
    QString LastInitials;
    bool TableChanged = false;

    // Reads the initials entered last ("???" when there are none) and the rows; starts a showing unchanged.
    void LoadScores(const ProfileFile &file);
    // Enters the pending score of the testament below every row it does not beat, asking for initials, if it
    // beats row 5; otherwise asks nothing.
    void InsertScore(Testament testament, const InitialsExchange &askInitials);
    // When the table changed, writes "Last" and the rows of both testaments in one replacement of the file.
    // False when that failed; the file is then as it was.
    bool SaveScores(ProfileFile &file) const;
    // Like SaveScores, but another copy of the program may have saved since this table was read: under the file's
    // lock the rows are read again, the scores entered since LoadScores go into them as InsertScore would put them
    // there (without asking again), and that is written. The table then holds what was written; when the write
    // failed, it stays as it was.
    bool SaveMerged(ProfileFile &file);
    // The row the score enters (0 for the first), or -1 when it does not beat row 5.
    int rowFor(Testament testament, int score) const;
    // The row that holds the score entered in this showing, after any merge (0 for the first), or -1 when none was.
    int newRow(Testament testament) const { return m_newRows[testament == Testament::New]; }

private:
    struct Entered
    {
        Testament testament;
        int score;
        QString initials;
    };

    void enter(const Entered &entry, int row);
    QList<ProfileFile::Entry> entries() const;

    QList<Entered> m_entered;
    std::array<int, 2> m_newRows {-1, -1}; // Old, New
};
