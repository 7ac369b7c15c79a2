#include "qt/QtInstructionsViewer.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

#include "qt/QtFonts.h"

namespace quiz {

QtInstructionsViewer::QtInstructionsViewer() : view_(new QPlainTextEdit(this)) {
    setWindowTitle(QStringLiteral("Spielanleitung"));
    setObjectName(QStringLiteral("Spielanleitung"));
    setAccessibleName(QStringLiteral("Spielanleitung"));
    view_->setReadOnly(true);
    view_->setAccessibleName(QStringLiteral("Text der Spielanleitung"));
    view_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
}

bool QtInstructionsViewer::open(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return false;
    // The instructions are a few kilobytes; more than a megabyte is no
    // instructions file, and is not read whole.
    constexpr qint64 limit = 1 << 20;
    const QByteArray bytes = file.read(limit);
    if (file.error() != QFileDevice::NoError) return false;
    view_->setPlainText(QString::fromUtf8(bytes));
    // The program's font follows the game window's scale: 8.25 points at the
    // design's size. The instructions read at about 11 points there.
    const QFont base = QApplication::font();
    view_->setFont(QtFonts::font(Font{"Arial", 11.0, 400, false}, base.pointSizeF() / 8.25));
    if (!isVisible()) {
        const QFontMetrics m(view_->font());
        QSize size(m.horizontalAdvance(QLatin1Char('x')) * 78, m.lineSpacing() * 30);
        if (const QScreen* s = QGuiApplication::primaryScreen())
            size = size.boundedTo(s->availableGeometry().size() * 9 / 10);
        resize(size);
    }
    show();
    raise();
    activateWindow();
    return true;
}

QString QtInstructionsViewer::text() const { return view_->toPlainText(); }

}  // namespace quiz
