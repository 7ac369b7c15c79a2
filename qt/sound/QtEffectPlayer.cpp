#include "qt/sound/QtEffectPlayer.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace quiz {

QtEffectPlayer::~QtEffectPlayer() {
    if (playing_) playing_->stop();
}

QSoundEffect* QtEffectPlayer::sample(const std::string& file) {
    auto it = samples_.find(file);
    if (it != samples_.end()) return it->second.get();
    auto e = std::make_unique<QSoundEffect>();
    const QString path = QDir::current().absoluteFilePath(QString::fromStdString(file));
    // A file that is not there is not even handed over: that is silence.
    if (QFileInfo(path).isFile()) e->setSource(QUrl::fromLocalFile(path));
    return samples_.emplace(file, std::move(e)).first->second.get();
}

void QtEffectPlayer::play(const std::string& file) {
    const QSoundEffect* kept = sample(file);
    // The new cue cuts the old one off, also when it is the same cue again.
    if (playing_) playing_->stop();
    playing_.reset();
    if (kept->source().isEmpty()) return;
    playing_ = std::make_unique<QSoundEffect>();
    playing_->setSource(kept->source());
    // Still loading: QSoundEffect starts it as soon as the sample is there.
    playing_->play();
}

}  // namespace quiz
