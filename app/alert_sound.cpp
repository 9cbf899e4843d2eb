#include "app/alert_sound.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>
#include <algorithm>

namespace almadex {

TAlertSound::TAlertSound(QObject* parent) : QObject(parent) {}

TAlertSound::~TAlertSound() = default;

QString TAlertSound::default_chime() {
    return QStringLiteral("/usr/share/sounds/freedesktop/stereo/complete.oga");
}

bool TAlertSound::readable(const QString& file) {
    const QFileInfo info(file);
    return info.isFile() && info.isReadable();
}

void TAlertSound::play(const QString& file, int volume) {
    start(file.isEmpty() || !readable(file) ? default_chime() : file, volume);
}

void TAlertSound::start(const QString& file, int volume) {
    stop();
    output_ = std::make_unique<QAudioOutput>();
    output_->setVolume(static_cast<float>(std::clamp(volume, 0, 100)) / 100.0f);
    player_ = std::make_unique<QMediaPlayer>();
    player_->setAudioOutput(output_.get());
    connect(player_.get(), &QMediaPlayer::playbackStateChanged, this,
            [this](QMediaPlayer::PlaybackState state) {
                if (state == QMediaPlayer::PlayingState) emit playing();
            });
    connect(player_.get(), &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        // The sound is over: let the pipeline go (later, not inside the player's own signal).
        if (status == QMediaPlayer::EndOfMedia)
            QMetaObject::invokeMethod(this, &TAlertSound::stop, Qt::QueuedConnection);
    });
    const bool chime = file == default_chime();
    connect(player_.get(), &QMediaPlayer::errorOccurred, this, [this, chime, volume] {
        // A file the player cannot decode: the chime instead (and nothing when the chime itself fails).
        if (chime) {
            QMetaObject::invokeMethod(this, &TAlertSound::stop, Qt::QueuedConnection);
            return;
        }
        QMetaObject::invokeMethod(
            this, [this, volume] { start(default_chime(), volume); }, Qt::QueuedConnection);
    });
    player_->setSource(QUrl::fromLocalFile(file));
    player_->play();
}

void TAlertSound::stop() {
    if (player_) player_->stop();
    player_.reset();
    output_.reset();
}

} // namespace almadex
