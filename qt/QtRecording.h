#pragma once
#include <cstdint>
#include <fstream>
#include <string>

#include "headless/ScenarioWriter.h"
#include "runtime/MixingRandom.h"
#include "window/platform/Platform.h"

namespace quiz {

class QtPlatform;

// `velmora-quiz --aufzeichnen DATEI` (or `--record FILE`): writes every raw
// input that the window model takes, and how long each box and dialog stayed
// open, as a scenario that quiz-script replays to the same game. The model
// runs on platform(): the desktop's services, with the boxes and the dialog
// watched and the draw made replayable.
class QtRecording : public MessageBoxes, public FileDialog {
public:
    // Throws std::runtime_error, with the reason, when path cannot be written.
    QtRecording(QtPlatform& desktop, const std::string& path);
    ~QtRecording() override;
    QtRecording(const QtRecording&) = delete;
    QtRecording& operator=(const QtRecording&) = delete;

    Platform& platform() { return platform_; }

    // MessageBoxes
    void show(const std::string& prompt, BoxStyle style, const std::string& title) override;
    // FileDialog
    std::string open(const FileDialogSettings& settings) override;

private:
    void written();

    QtPlatform& desktop_;
    std::string path_;
    std::ofstream file_;
    std::uint64_t seed_;
    MixingRandom random_;
    ScenarioWriter writer_;
    Platform platform_;
    bool warned_ = false;
};

}  // namespace quiz
