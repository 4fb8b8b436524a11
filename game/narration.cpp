#include "game/narration.h"

#include "game/rules.h"

#include <QCoreApplication>

namespace {

QString scoreSentence(int score)
{
    return QCoreApplication::translate("Narration", "Score %1.").arg(score);
}

// The books of the game the player found, not those the countdown shelved.
int booksFound(const Round &round)
{
    int found = 0;
    for (int index = round.FirstIndex(); index <= round.LastIndex(); ++index)
        found += round.record()[index].found;
    return found;
}

// The hint for the book wanted now, while one shows.
QString hintSentence(const Round &round)
{
    const QString hint = round.hint();
    return hint.isEmpty() ? QString() : QCoreApplication::translate("Narration", " Hint: %1.").arg(hint);
}

} // namespace

namespace Narration {

QString started(const Round &round)
{
    QString told = round.practice() ? practising(round)
                                    : QCoreApplication::translate("Narration", "%1 game: %2 books in the pile.")
                                          .arg(testamentName(round.testament()))
                                          .arg(round.LastIndex() + 1);
    // A game started with hints left on counts down at full speed: the player must not expect the slow pace.
    if (round.hints())
        told += round.countdownInterval() == Rules::CountdownInterval
            ? QCoreApplication::translate("Narration", " Hints on, at full speed.")
            : QCoreApplication::translate("Narration", " Hints on, slowed.");
    return told + hintSentence(round);
}

QString step(const Round::Step &step, const Round &round, int scoreBefore)
{
    const int score = round.score();
    switch (step.outcome) {
    case Round::Outcome::Ignored:
    case Round::Outcome::CountedDown:
        return QString();
    case Round::Outcome::Penalised:
        return score < scoreBefore
            ? QCoreApplication::translate("Narration", "Wrong book: minus %1. %2")
                  .arg(scoreBefore - score)
                  .arg(scoreSentence(score))
            : QCoreApplication::translate("Narration", "Wrong book. %1").arg(scoreSentence(score));
    case Round::Outcome::Shelved:
        if (step.ended)
            return QCoreApplication::translate("Narration", "Right. %1").arg(ended(round));
        return QCoreApplication::translate("Narration", "Right. %1").arg(scoreSentence(score)) + hintSentence(round);
    case Round::Outcome::TimedOut: {
        const QString shelved = QCoreApplication::translate("Narration", "Time is up: %1 shelved.")
                                    .arg(spokenBookName(round.testament(), step.shelved + 1));
        if (step.ended)
            return shelved + QLatin1Char(' ') + ended(round);
        return shelved + hintSentence(round);
    }
    }
    return QString();
}

QString stopped(const Round &round)
{
    return QCoreApplication::translate("Narration", "Stopped. %1").arg(ended(round));
}

QString practising(const Round &round)
{
    if (!round.running() || !round.practice())
        return QString();
    const int lying = round.LastIndex() - round.WantedIndex() + 1;
    if (lying == 1)
        return QCoreApplication::translate("Narration", "Practice: %1, 1 book in the pile.")
            .arg(round.practice()->title());
    return QCoreApplication::translate("Narration", "Practice: %1, %2 books in the pile.")
        .arg(round.practice()->title())
        .arg(lying);
}

QString ended(const Round &round)
{
    if (!round.practice())
        return QCoreApplication::translate("Narration", "Game over: score %1.").arg(round.score());
    return QCoreApplication::translate("Narration", "Practice over: %1, %2 of %3 books found, score %4.")
        .arg(round.practice()->title())
        .arg(booksFound(round))
        .arg(round.practice()->count)
        .arg(round.score());
}

QString hintsSwitched(const Round &round)
{
    if (!round.hints())
        return QCoreApplication::translate("Narration", "Hints off.");
    return QCoreApplication::translate("Narration", "Hints on: half value, slower countdown.") + hintSentence(round);
}

QString testamentSwitched(Testament chosen)
{
    return testamentName(chosen) + QLatin1Char('.');
}

QString paused(const Round &round)
{
    if (round.pausedByPlayer())
        return QCoreApplication::translate("Narration", "Paused. P or Pause plays on.");
    return QCoreApplication::translate("Narration", "Paused.");
}

QString playingOn(const Round &round)
{
    return QCoreApplication::translate("Narration", "Playing on.") + hintSentence(round);
}

QString nothingFound(const QString &typed)
{
    return QCoreApplication::translate("Narration", "No book starts with %1.").arg(typed);
}

} // namespace Narration
