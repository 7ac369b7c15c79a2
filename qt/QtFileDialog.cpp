#include "qt/QtFileDialog.h"

#include <QDir>
#include <QFileDialog>

namespace quiz {

QString QtFileDialog::qtFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& given : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString p = given.trimmed();
            if (p == QLatin1String("*.*")) {
                patterns << QStringLiteral("*");
                continue;
            }
            // The names on a Windows disk know no case: "*.jpg" finds "FOTO.JPG" too.
            patterns << p;
            if (p.toUpper() != p) patterns << p.toUpper();
        }
        out << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

QString QtFileDialog::startDirectory(const std::string& initialDir) {
    const QDir current = QDir::current();
    const QString name = QString::fromStdString(initialDir);
    if (!name.isEmpty() && current.exists(name) && QFileInfo(current.filePath(name)).isDir())
        return current.absoluteFilePath(name);
    return current.absolutePath();
}

std::string QtFileDialog::open(const FileDialogSettings& settings) {
    QFileDialog dialog(parent_, QString::fromStdString(settings.title), startDirectory(settings.initialDir),
                       qtFilter(settings.filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    // The list shows the descriptions as they stand, without the patterns.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // Without a window manager nobody hands the keyboard back to the window.
    if (parent_) parent_->activateWindow();
    if (!accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? std::string() : chosen.first().toStdString();
}

}  // namespace quiz
