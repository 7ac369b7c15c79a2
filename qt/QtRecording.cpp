#include "qt/QtRecording.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <iostream>
#include <stdexcept>

#include "qt/QtPlatform.h"

namespace quiz {
namespace {

std::uint64_t freshSeed() {
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<std::uint64_t>(wall) ^ (static_cast<std::uint64_t>(steady) << 17);
}

std::ofstream openFor(const std::string& path) {
    std::ofstream f(path, std::ios::out | std::ios::trunc);
    if (!f)
        throw std::runtime_error("die Aufzeichnung " + path + " lässt sich nicht schreiben: " + std::strerror(errno));
    return f;
}

}  // namespace

// What the replay needs, and how the clock maps onto it: the recording's
// clock is the whole second in which the QtClock started; each wait is the
// time between two inputs as the QtClock read it when the model took them,
// in milliseconds, so the replay feeds every input at the same reading and
// a countdown turns at the same seconds. The draw is seeded with the seed
// written here and each Randomize mixes in the clock's whole seconds, which
// the replay reads alike; a box or dialog becomes the hold of its time open.
QtRecording::QtRecording(QtPlatform& desktop, const std::string& path)
    : desktop_(desktop),
      path_(path),
      file_(openFor(path)),
      seed_(freshSeed()),
      random_(seed_, [this] { return static_cast<std::uint64_t>(desktop_.clock().now().value()); }),
      writer_(file_, desktop.clock().startMs(), seed_),
      platform_{desktop.platform().sound,
                *this,
                desktop.platform().programs,
                desktop.platform().pictures,
                *this,
                desktop.platform().directory,
                desktop.platform().pump,
                desktop.platform().clock,
                random_,
                desktop.platform().lifecycle} {
    written();
    desktop_.input().onFeeding = [this](const RawInput& in) {
        writer_.input(in, desktop_.clock().ms());
        written();
    };
}

QtRecording::~QtRecording() { desktop_.input().onFeeding = nullptr; }

void QtRecording::show(const std::string& prompt, BoxStyle style, const std::string& title) {
    const std::int64_t opened = desktop_.clock().ms();
    desktop_.platform().boxes.show(prompt, style, title);
    writer_.box(desktop_.clock().ms() - opened);
    written();
}

std::string QtRecording::open(const FileDialogSettings& settings) {
    const std::int64_t opened = desktop_.clock().ms();
    std::string chosen = desktop_.platform().dialog.open(settings);
    writer_.dialog(desktop_.clock().ms() - opened, chosen);
    written();
    return chosen;
}

// A full disk must not end the game: one line on standard error, and the
// game goes on unrecorded from there.
void QtRecording::written() {
    if (writer_.good() || warned_) return;
    warned_ = true;
    std::cerr << "velmora-quiz: die Aufzeichnung " << path_ << " lässt sich nicht weiter schreiben ("
              << std::strerror(errno) << "), das Spiel geht ohne sie weiter\n";
}

}  // namespace quiz
