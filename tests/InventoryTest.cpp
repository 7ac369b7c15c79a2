// The controls of the window as a player and a screen reader meet them.
#include <set>

#include <gtest/gtest.h>

#include "headless/HeadlessPlatform.h"
#include "window/MainWindow.h"

namespace quiz {
namespace {

TEST(Inventory, EveryControlAPlayerCanMeetHasAUniqueGermanName) {
    Scenario none;
    HeadlessPlatform hp(none, nullptr);
    const MainWindow w(hp.platform());
    std::set<std::string> names;
    for (const Control* c : w.controls()) {
        const bool procedure = c->kind() == ControlKind::Button && !c->visible() && c != &w.cmdnext;
        if (procedure) continue;
        const std::string& a11y = c->look().accessibleName;
        EXPECT_FALSE(a11y.empty()) << c->name();
        EXPECT_TRUE(names.insert(a11y).second) << c->name() << " sounds like another control: " << a11y;
    }
}

TEST(Inventory, TheBackgroundCoversTheClientAreaAndEveryControlLiesInIt) {
    Scenario none;
    HeadlessPlatform hp(none, nullptr);
    const MainWindow w(hp.platform());
    const Rect& back = w.imgback.look().rect;
    EXPECT_LE(back.left, 0);
    EXPECT_LE(back.top, 0);
    EXPECT_GE(back.left + back.width, MainWindow::clientWidth);
    EXPECT_GE(back.top + back.height, MainWindow::clientHeight);
    for (const Control* c : w.controls()) {
        if (!c->visible() || c == &w.imgback) continue;
        const Rect& r = c->look().rect;
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.left + r.width <= MainWindow::clientWidth &&
                    r.top + r.height <= MainWindow::clientHeight)
            << c->name();
    }
    EXPECT_EQ(w.stacking().back(), &w.imgback) << "imgback lies beneath everything";
}

}  // namespace
}  // namespace quiz
