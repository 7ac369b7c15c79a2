#include "qt/QtSoundPlayer.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QTimer>

#include "qt/SoundModule.h"

namespace quiz {

QtSoundPlayer::QtSoundPlayer() : QtSoundPlayer(fromModule(modulePath())) {}

QtSoundPlayer::QtSoundPlayer(Backend backend) : makeBackend_(std::move(backend)) {}

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::play(const std::string& file) {
    if (loaded_) {
        if (backend_) backend_->play(file);
        return;
    }
    waiting_ = file;
    if (loadPlanned_) return;
    loadPlanned_ = true;
    QTimer::singleShot(loadByItselfMs, &timerContext_, [this] { load(); });
}

void QtSoundPlayer::load() {
    if (loaded_) return;
    loaded_ = true;
    backend_ = makeBackend_ ? makeBackend_() : nullptr;
    if (backend_ && waiting_) backend_->play(*waiting_);
    waiting_.reset();
}

QtSoundPlayer::Backend QtSoundPlayer::fromModule(const QString& path) {
    return [path]() -> std::unique_ptr<SoundPlayer> {
        // Never unloaded: the module's code runs until the program ends.
        QLibrary module(path);
        const auto make = reinterpret_cast<MakeSoundPlayer>(module.resolve(QT_STRINGIFY(QUIZ_SOUND_MODULE_ENTRY)));
        if (!make) {
            qWarning("velmora-quiz: no sound: %s", qPrintable(module.errorString()));
            return nullptr;
        }
        return std::unique_ptr<SoundPlayer>(make());
    };
}

QString QtSoundPlayer::modulePath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/" QUIZ_SOUND_MODULE_NAME);
}

}  // namespace quiz
