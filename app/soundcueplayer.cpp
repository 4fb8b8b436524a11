#include "app/soundcueplayer.h"

#include "look/assetpaths.h"

#include <QApplication>
#include <QFile>
#include <QSoundEffect>
#include <QUrl>

namespace {

constexpr std::array<Cue, 3> AllCues { Cue::CueCorrect, Cue::CueWrong, Cue::CueTimeOut };

std::size_t slotOf(Cue cue)
{
    return std::size_t(cue) - 1;
}

} // namespace

SoundCuePlayer::SoundCuePlayer()
    : SoundCuePlayer(
        { resourceOf(Cue::CueCorrect), resourceOf(Cue::CueWrong), resourceOf(Cue::CueTimeOut) }, &QApplication::beep)
{
}

SoundCuePlayer::SoundCuePlayer(const std::array<QString, 3> &resources, Alert alert)
    : m_alert(std::move(alert))
{
    for (std::size_t i = 0; i < resources.size(); ++i) {
        if (!QFile::exists(resources[i]))
            continue;
        auto sound = std::make_unique<QSoundEffect>();
        // Resource paths ":/x" are the URLs "qrc:/x".
        sound->setSource(QUrl(QStringLiteral("qrc") + resources[i]));
        m_effects[i] = std::move(sound);
    }
}

SoundCuePlayer::~SoundCuePlayer() = default;

void SoundCuePlayer::play(Cue cue)
{
    for (const Cue other : AllCues) {
        if (const auto &sound = m_effects[slotOf(other)])
            sound->stop();
    }
    QSoundEffect *sound = m_effects[slotOf(cue)].get();
    if (!sound) {
        if (m_alert)
            m_alert();
        return;
    }
    // A sound that could not be loaded, or a machine without a sound device, plays nothing: the game goes on.
    sound->play();
}

QString SoundCuePlayer::resourceOf(Cue cue)
{
    return QStringLiteral(":/") + AssetPaths::cue(cue);
}
