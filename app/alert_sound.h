// The alerts' sound through Qt Multimedia: the default chime of the freedesktop sound theme (Debian's
// sound-theme-freedesktop) or an audio file the user chose (WAV, Ogg, MP3). The player is made for a sound
// and let go when it ends, so that an idle program holds no audio pipeline.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QAudioOutput;
class QMediaPlayer;

namespace almadex {

class TAlertSound : public QObject {
    Q_OBJECT

public:
    explicit TAlertSound(QObject* parent = nullptr);
    ~TAlertSound() override;

    /// The default chime's file.
    static QString default_chime();
    /// True when `file` can be played as far as can be told before playing it: a readable regular file.
    static bool readable(const QString& file);

    /// Plays `file` ("" for the default chime) at `volume` percent (0..100), stopping the sound before. A
    /// file that is missing or cannot be read, or that the player cannot decode, is replaced by the chime.
    void play(const QString& file, int volume);
    void stop();
    /// The player of the sound being played, else null.
    QMediaPlayer* player() const { return player_.get(); }

signals:
    /// The player reached its playing state.
    void playing();

private:
    void start(const QString& file, int volume);

    std::unique_ptr<QAudioOutput> output_;
    std::unique_ptr<QMediaPlayer> player_;
};

} // namespace almadex
