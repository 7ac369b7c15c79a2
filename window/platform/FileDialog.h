#pragma once
#include <string>

namespace quiz {

struct FileDialogSettings {
    std::string title;
    std::string filter;      // "Description|pattern|Description|pattern..."
    std::string initialDir;  // where the dialog opens
};

// Modal open-file dialog: the chosen file name, or "" when cancelled.
class FileDialog {
public:
    virtual ~FileDialog() = default;
    virtual std::string open(const FileDialogSettings& settings) = 0;
};

}  // namespace quiz
