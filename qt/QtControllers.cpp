#include "qt/QtControllers.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QMetaObject>

#include "window/MainWindow.h"

namespace quiz {

QtControllers::QtControllers(MainWindow& window, std::function<void(int)> typeKey, Start start)
    : window_(window), typeKey_(std::move(typeKey)), start_(std::move(start)) {
    window_.addObserver(this);
}

QtControllers::QtControllers(MainWindow& window, std::function<void(int)> typeKey)
    : QtControllers(window, std::move(typeKey), fromModule(modulePath())) {}

QtControllers::~QtControllers() {
    window_.removeObserver(this);
    source_.reset();
}

void QtControllers::load() {
    if (loaded_) return;
    loaded_ = true;
    QString why;
    source_ = start_ ? start_(*this, &why) : nullptr;
    if (!source_) say(QStringLiteral("velmora-quiz: no controllers: ") + why);
}

QtControllers::Start QtControllers::fromModule(const QString& path) {
    return [path](PadListener& listener, QString* why) -> std::unique_ptr<PadSource> {
        // Never unloaded: the module's thread runs until the program ends.
        QLibrary module(path);
        const auto start = reinterpret_cast<StartPads>(module.resolve(QT_STRINGIFY(QUIZ_CONTROLLER_MODULE_ENTRY)));
        if (!start) {
            if (why) *why = module.errorString();
            return nullptr;
        }
        return std::unique_ptr<PadSource>(start(listener));
    };
}

QString QtControllers::modulePath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/" QUIZ_CONTROLLER_MODULE_NAME);
}

void QtControllers::padEvent(const PadEvent& event) {
    QMetaObject::invokeMethod(
        &context_, [this, event] { take(event); }, Qt::QueuedConnection);
}

void QtControllers::take(const PadEvent& e) {
    const QString name = QString::fromStdString(e.text);
    switch (e.kind) {
        case PadEvent::Kind::Failed:
            say(QStringLiteral("velmora-quiz: no controllers: ") + name);
            source_.reset();
            return;
        case PadEvent::Kind::Connected: {
            const int number = keys_.connect(e.connection, e.identity);
            if (number == 0) {
                say(QStringLiteral("velmora-quiz: controller \"%1\" connected: no player, three controllers are "
                                   "connected already")
                        .arg(name));
            } else {
                const char buzzer = static_cast<char>(ControllerKeys::keyFor(number, PadButton::LeftShoulder));
                say(QStringLiteral("velmora-quiz: controller \"%1\" connected: player %2, buzzer %3")
                        .arg(name)
                        .arg(number)
                        .arg(QLatin1Char(buzzer)));
            }
            return;
        }
        case PadEvent::Kind::Disconnected: {
            const int number = keys_.disconnect(e.connection);
            if (number != 0) say(QStringLiteral("velmora-quiz: controller of player %1 disconnected").arg(number));
            return;
        }
        case PadEvent::Kind::Button: {
            const int key = keys_.press(e.connection, e.button);
            if (key >= 0 && typeKey_) typeKey_(key);
            return;
        }
        case PadEvent::Kind::Trigger: {
            const int key = keys_.trigger(e.connection, e.trigger, e.value);
            if (key >= 0 && typeKey_) typeKey_(key);
            return;
        }
    }
}

// Only a taken buzz writes "Spieler N!" into the turn box in a game of two or
// three; a one-player game shows "Spieler 1!" from its start.
void QtControllers::propertyChanged(const Control& control, Property what) {
    if (what != Property::Text || &control != &window_.txtdran || !source_) return;
    if (window_.cbospieler.text() == "1") return;
    const std::string& text = control.text();
    if (text.size() != 10 || text.rfind("Spieler ", 0) != 0 || text[9] != '!') return;
    const int connection = keys_.connectionOf(text[8] - '0');
    if (connection >= 0) source_->rumble(connection);
}

void QtControllers::say(const QString& line) {
    qWarning("%s", qPrintable(line));
    if (onMessage) onMessage(line);
}

}  // namespace quiz
