#include "app/soundcueplayer.h"

#include <QFile>
#include <QSoundEffect>
#include <QtTest>

namespace {

std::array<QString, 3> resourcesOfTheProgram()
{
    return { SoundCuePlayer::resourceOf(Cue::CueCorrect), SoundCuePlayer::resourceOf(Cue::CueWrong),
        SoundCuePlayer::resourceOf(Cue::CueTimeOut) };
}

} // namespace

class TestSoundCuePlayer : public QObject
{
    Q_OBJECT

private slots:
    void everyCueHasItsSoundInTheResources()
    {
        for (const Cue cue : { Cue::CueCorrect, Cue::CueWrong, Cue::CueTimeOut })
            QVERIFY2(QFile::exists(SoundCuePlayer::resourceOf(cue)), qPrintable(SoundCuePlayer::resourceOf(cue)));
    }

    void qtDecodesEveryCue()
    {
        for (const Cue cue : { Cue::CueCorrect, Cue::CueWrong, Cue::CueTimeOut }) {
            QSoundEffect effect;
            effect.setSource(QUrl(QStringLiteral("qrc") + SoundCuePlayer::resourceOf(cue)));
            QTRY_VERIFY(effect.status() != QSoundEffect::Loading && effect.status() != QSoundEffect::Null);
            QCOMPARE(effect.status(), QSoundEffect::Ready);
        }
    }

    void cuesPlayOneAfterAnotherWithoutAlert()
    {
        int alerts = 0;
        SoundCuePlayer player(resourcesOfTheProgram(), [&] { ++alerts; });
        // Each call returns at once; a later cue cuts the earlier one short. Without a sound device the
        // game simply goes on in silence.
        player.play(Cue::CueCorrect);
        player.play(Cue::CueWrong);
        player.play(Cue::CueTimeOut);
        player.play(Cue::CueTimeOut);
        QCOMPARE(alerts, 0);
    }

    void aCueWithoutItsSoundSoundsTheAlert()
    {
        int alerts = 0;
        std::array<QString, 3> resources = resourcesOfTheProgram();
        resources[1] = QStringLiteral(":/sounds/no-such-cue.wav");
        SoundCuePlayer player(resources, [&] { ++alerts; });
        player.play(Cue::CueWrong);
        QCOMPARE(alerts, 1);
        player.play(Cue::CueCorrect);
        player.play(Cue::CueTimeOut);
        QCOMPARE(alerts, 1);
        player.play(Cue::CueWrong);
        QCOMPARE(alerts, 2);
    }

    void theProgramsPlayerBuildsFromItsOwnResources()
    {
        SoundCuePlayer player;
        player.play(Cue::CueCorrect);
    }
};

QTEST_MAIN(TestSoundCuePlayer)
#include "tst_soundcueplayer.moc"
