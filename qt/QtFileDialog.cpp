#include "qt/QtFileDialog.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

namespace quiz {
namespace {

// The file list's sizes and dates in German. Qt formats them in the
// system's language, which may be any.
class GermanSizesAndDates : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files || (index.column() != 1 && index.column() != 3))
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        const QLocale german(QLocale::German, QLocale::Germany);
        if (index.column() == 1) {
            if (files->isDir(source)) return QString();
            return german.formattedDataSize(files->size(source), 1, QLocale::DataSizeTraditionalFormat);
        }
        return german.toString(files->lastModified(source), QStringLiteral("dd.MM.yyyy HH:mm"));
    }
};

// Qt's dialog keeps the folders it visited in the user's settings when it
// closes. The program keeps nothing: the settings go to a folder of its own
// that is removed when the program ends.
void keepSettingsAway() {
    static QTemporaryDir away;
    static bool done = false;
    if (done || !away.isValid()) return;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, away.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, away.path());
    done = true;
}

// Once the folder is listed, the dialog widens as far as its columns need;
// the list gets the width, not the bar of places beside it.
void widenToTheColumns(QFileDialog& dialog) {
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!view) return;
    if (auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter"))) {
        splitter->setStretchFactor(0, 0);
        splitter->setStretchFactor(1, 1);
    }
    view->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->header()->setStretchLastSection(false);
    const auto fit = [&dialog, view] {
        view->header()->resizeSections(QHeaderView::ResizeToContents);
        int columns = 0;
        for (int c = 0; c < view->header()->count(); ++c)
            if (!view->header()->isSectionHidden(c)) columns += view->header()->sectionSize(c);
        const int missing = columns - view->viewport()->width();
        if (missing <= 0) return;
        int width = dialog.width() + missing;
        if (const QScreen* s = dialog.screen()) width = std::min(width, s->availableGeometry().width());
        dialog.resize(width, dialog.height());
    };
    if (auto* files = qobject_cast<QFileSystemModel*>(dialog.findChild<QFileSystemModel*>()))
        QObject::connect(files, &QFileSystemModel::directoryLoaded, &dialog,
                         [&dialog, fit] { QTimer::singleShot(0, &dialog, fit); });
}

}  // namespace

void QtFileDialog::prepare(QFileDialog& dialog) {
    keepSettingsAway();
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    // The list shows the descriptions as they stand, without the patterns.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.setProxyModel(new GermanSizesAndDates(&dialog));
    widenToTheColumns(dialog);
}

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
    prepare(dialog);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // Without a window manager nobody hands the keyboard back to the window.
    if (parent_) parent_->activateWindow();
    if (!accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? std::string() : chosen.first().toStdString();
}

}  // namespace quiz
