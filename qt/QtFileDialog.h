#pragma once
#include <QPointer>
#include <QString>
#include <QWidget>

#include "window/platform/FileDialog.h"

class QFileDialog;

namespace quiz {

// The open-file dialog: Qt's own dialog, so that its texts come from Qt's
// German translations. The initial directory of the settings is a folder
// name: the dialog opens in that folder of the current directory when there
// is one, else in the current directory itself. Sizes and dates show in
// German whatever the system's language, no column is cut short at the
// size it opens in, and it leaves nothing in the user's home folder.
class QtFileDialog : public FileDialog {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    std::string open(const FileDialogSettings& settings) override;

    // "Desc|pattern|Desc|pattern" as Qt's "Desc (pattern);;Desc (pattern)".
    // "*.*" means every file, also one without a dot; the other patterns
    // match in either case.
    static QString qtFilter(const std::string& filter);
    static QString startDirectory(const std::string& initialDir);
    // Everything open() does to the dialog before it is shown; for tests too.
    static void prepare(QFileDialog& dialog);

private:
    QPointer<QWidget> parent_;
};

}  // namespace quiz
