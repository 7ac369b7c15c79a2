#include "qt/QtPlatform.h"

#include <chrono>

namespace quiz {
namespace {

std::uint64_t clockEntropy() {
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<std::uint64_t>(wall) ^ (static_cast<std::uint64_t>(steady) << 17);
}

}  // namespace

QtPlatform::QtPlatform(const QtHeadStart* headStart)
    : pump_(clock_, input_),
      pictures_(headStart),
      random_(clockEntropy(), clockEntropy),
      platform_{sound_, boxes_, programs_, pictures_, dialog_, directory_, pump_, clock_, random_, lifecycle_} {}

void QtPlatform::attach(MainWindow& window, QWidget* view) {
    pump_.attach(window);
    boxes_.setParent(view);
    dialog_.setParent(view);
    lifecycle_.setWindow(view);
}

}  // namespace quiz
