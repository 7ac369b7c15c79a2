// The rules by which the window delivers events to its handlers.
#include <gtest/gtest.h>

#include "headless/HeadlessPlatform.h"
#include "runtime/RuntimeError.h"
#include "window/MainWindow.h"

namespace quiz {
namespace {

class EventDelivery : public ::testing::Test {
protected:
    EventDelivery() : headless(scenario, nullptr), w(headless.platform()) {
        headless.keepRunningWithoutSteps();
        headless.attach(w);
    }
    // Press and release at the centre of a control, then let the window deliver.
    void clickOn(const Control& c) {
        const Rect& r = c.look().rect;
        w.input(RawInput::press(r.centreX(), r.centreY()));
        w.dispatch();
        w.input(RawInput::release(r.centreX(), r.centreY()));
        w.dispatch();
    }
    void key(int code) {
        w.input(RawInput::keyTyped(code));
        w.dispatch();
    }
    void logFocusEvents(Control& c) {
        c.GotFocus = [this, &c] { log.push_back("Got " + c.name()); };
        c.LostFocus = [this, &c] { log.push_back("Lost " + c.name()); };
    }
    std::vector<std::string> effects() const {
        std::vector<std::string> out;
        for (const auto& l : headless.recorder().lines()) out.push_back(l.effect);
        return out;
    }

    Scenario scenario;
    HeadlessPlatform headless;
    MainWindow w;
    std::vector<std::string> log;
};

TEST_F(EventDelivery, ChangeRunsInsideTheAssignment) {
    w.txtanz.Change = [this] { log.push_back("change sees " + w.txtanz.text()); };
    log.push_back("before");
    w.txtanz.setText("3");
    log.push_back("after");
    w.txtanz.setText("3");  // the same text again fires nothing
    EXPECT_EQ(log, (std::vector<std::string>{"before", "change sees 3", "after"}));
}

TEST_F(EventDelivery, FocusEventsWaitForTheHandlerAndKeepTheirOrder) {
    for (Control* c : {&w.txthit2, &w.cmdanta, &w.txtdran}) logFocusEvents(*c);
    w.txthit2.setEnabled(true);
    w.cmdanta.setEnabled(true);
    w.txthit2.setFocus();
    w.dispatch();
    log.clear();
    w.cmdstart.Click = [this] {
        w.cmdanta.setFocus();
        w.txtdran.setFocus();
        log.push_back("handler done, focus on " + w.focus()->name());
    };
    w.input(RawInput::keyTyped(keys::enter));  // Enter clicks the default button
    w.dispatch();
    EXPECT_EQ(log, (std::vector<std::string>{"handler done, focus on txtdran", "Lost txthit2", "Got cmdanta",
                                             "Lost cmdanta", "Got txtdran"}));
}

TEST_F(EventDelivery, DoEventsDeliversOnlyWhatIsPendingAtThatMoment) {
    logFocusEvents(w.txtdran);
    logFocusEvents(w.txterg);
    w.cmdstart.Click = [this] {
        w.txtdran.setFocus();
        log.push_back("yield 1");
        w.doEvents();  // delivers Got txtdran; the move it makes waits for the next yield
        log.push_back("yield 2");
        w.doEvents();
        log.push_back("end");
    };
    w.txtdran.GotFocus = [this] {
        log.push_back("Got txtdran");
        w.txterg.setFocus();
    };
    clickOn(w.cmdstart);
    EXPECT_EQ(log,
              (std::vector<std::string>{"yield 1", "Got txtdran", "yield 2", "Lost txtdran", "Got txterg", "end"}));
}

// An answer button answers on GotFocus: a second press while it holds the
// focus must not answer again.
TEST_F(EventDelivery, PressGivesFocusThenReleaseClicks) {
    std::vector<std::string> seen;
    w.cmdanta.setEnabled(true);
    w.cmdanta.GotFocus = [&] { seen.push_back("GotFocus"); };
    w.cmdanta.Click = [&] { seen.push_back("Click"); };
    clickOn(w.cmdanta);
    clickOn(w.cmdanta);  // holds the focus now: only the click
    EXPECT_EQ(seen, (std::vector<std::string>{"GotFocus", "Click", "Click"}));
}

TEST_F(EventDelivery, NoClickAfterABoxOpenedOrTheButtonWasDisabledMeanwhile) {
    int clicks = 0;
    w.cmdinfo.Click = [&] { ++clicks; };
    w.cmdinfo.GotFocus = [&] { w.msgBox("x", BoxStyle::Information, "t"); };
    clickOn(w.cmdinfo);
    EXPECT_EQ(clicks, 0);
    w.cmdanleit.Click = [&] { ++clicks; };
    w.cmdanleit.GotFocus = [&] { w.cmdanleit.setEnabled(false); };
    clickOn(w.cmdanleit);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(w.focus(), nullptr) << "a disabled control gives up the focus";
}

TEST_F(EventDelivery, NoClickWhenTheButtonWasDisabledAndEnabledAgainMeanwhile) {
    int clicks = 0;
    w.cmdanta.setEnabled(true);
    w.cmdanta.Click = [&] { ++clicks; };
    w.cmdanta.GotFocus = [&] {
        w.cmdanta.setEnabled(false);
        w.cmdanta.setEnabled(true);
    };
    clickOn(w.cmdanta);
    EXPECT_EQ(clicks, 0) << "disabled between press and release";
    w.cmdanta.GotFocus = nullptr;
    w.cmdanta.setFocus();
    w.dispatch();
    clickOn(w.cmdanta);
    EXPECT_EQ(clicks, 1) << "the next press and release click as ever";
}

struct HitCase {
    const char* what;
    std::function<void(MainWindow&)> prepare;
    int x, y;
    const char* expected;  // name, "window" for the bare window, "" for nothing
};

TEST_F(EventDelivery, HitTestingTakesTheTopmostVisibleEnabledControl) {
    const std::vector<HitCase> cases = {
        {"disabled answer button lets the press through to imgback", [](MainWindow&) {}, 3720 + 200, 960 + 200,
         "imgback"},
        {"enabled answer button takes it", [](MainWindow& m) { m.cmdanta.setEnabled(true); }, 3720 + 200, 960 + 200,
         "cmdanta"},
        {"hidden answer button lets it through", [](MainWindow& m) { m.cmdanta.setVisible(false); }, 3720 + 200,
         960 + 200, "imgback"},
        {"label lies above imgback", [](MainWindow&) {}, 300, 700, "lblfrage"},
        {"question box", [](MainWindow&) {}, 300, 1400, "txtfrage"},
        {"visible player picture", [](MainWindow& m) { m.imgspieler2.setVisible(true); }, 10300, 1500, "imgspieler2"},
        {"the player pictures: 1 lies above 2", [](MainWindow& m) { m.imgspieler1.setVisible(true); }, 10300, 1500,
         "imgspieler1"},
        {"Ende covers the key boxes", [](MainWindow& m) { m.txthit2.setEnabled(true); }, 10300, 8100, "cmdende"},
        {"the bare window when imgback is hidden", [](MainWindow& m) { m.imgback.setVisible(false); }, 5000, 5000,
         "window"},
        {"a free spot reaches imgback", [](MainWindow&) {}, 5000, 5000, "imgback"},
    };
    for (const auto& c : cases) {
        Scenario none;
        HeadlessPlatform hp(none, nullptr);
        MainWindow m(hp.platform());
        c.prepare(m);
        Control* hit = m.hitTest(c.x, c.y);
        const std::string got = hit ? hit->name() : "window";
        EXPECT_EQ(got, c.expected) << c.what;
    }
    EXPECT_TRUE(MainWindow::outside(11940, 100));
    EXPECT_TRUE(MainWindow::outside(-1, 100));
}

TEST_F(EventDelivery, ClicksOnImagesAndTheWindowReachTheirHandlers) {
    int back = 0, form = 0;
    w.imgback.Click = [&] { ++back; };
    w.Form_Click = [&] { ++form; };
    clickOn(w.cmdanta);  // disabled: through to imgback
    EXPECT_EQ(back, 1);
    w.imgback.setVisible(false);
    w.input(RawInput::press(5000, 5000));
    w.input(RawInput::release(5000, 5000));
    w.dispatch();
    EXPECT_EQ(form, 1);
    w.input(RawInput::press(5000, 5000));
    w.input(RawInput::release(300, 1400));  // released elsewhere: no click
    w.dispatch();
    EXPECT_EQ(form, 1);
}

TEST_F(EventDelivery, KeysGoToTheFocusElseTheWindowThenTyping) {
    std::vector<int> formKeys, boxKeys;
    w.Form_KeyPress = [&](Int16& k) { formKeys.push_back(k); };
    w.txthit.KeyPress = [&](Int16& k) { boxKeys.push_back(k); };
    key('x');
    EXPECT_EQ(formKeys, std::vector<int>{'x'});
    w.txthit.setFocus();
    key('q');
    key(0xE4);  // ä
    EXPECT_EQ(boxKeys, (std::vector<int>{'q', 0xE4}));
    EXPECT_EQ(w.txthit.text(), "qä") << "typed into the editable box after the handler";
    key(keys::backspace);
    EXPECT_EQ(w.txthit.text(), "q");
    w.txtdran.setFocus();
    key('z');
    EXPECT_EQ(w.txtdran.text(), "") << "a locked box takes no typing";
}

TEST_F(EventDelivery, EnterClicksStartOnlyWhileItIsEnabledAndTheFocusIsNoButton) {
    int starts = 0, anleit = 0;
    std::vector<int> typed;
    w.cmdstart.Click = [&] { ++starts; };
    w.cmdanleit.Click = [&] { ++anleit; };
    w.txthit2.KeyPress = [&](Int16& k) { typed.push_back(k); };
    key(keys::enter);
    EXPECT_EQ(starts, 1);
    w.cmdstart.setEnabled(false);
    w.txthit2.setEnabled(true);
    w.txthit2.setFocus();
    key(keys::enter);
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(typed, std::vector<int>{keys::enter}) << "only the key press itself";
    w.cmdanleit.setFocus();
    key(keys::enter);
    EXPECT_EQ(anleit, 1) << "Enter on a focused button presses it";
}

TEST_F(EventDelivery, TabVisitsOnlyVisibleEnabledTabStops) {
    key(keys::tab);
    EXPECT_EQ(w.focus(), &w.cmdanleit);
    key(keys::tab);
    EXPECT_EQ(w.focus(), &w.cmdanleit) << "txthit2 is disabled at start";
    w.txthit2.setEnabled(true);
    key(keys::tab);
    EXPECT_EQ(w.focus(), &w.txthit2);
    key(keys::tab);
    EXPECT_EQ(w.focus(), &w.cmdanleit);
    key(keys::backTab);
    EXPECT_EQ(w.focus(), &w.txthit2);
}

TEST_F(EventDelivery, RefusalsAreRuntimeErrors) {
    struct Case {
        const char* what;
        std::function<void()> act;
        int number;
    };
    const std::vector<Case> cases = {
        {"focus on a disabled button", [this] { w.cmdanta.setFocus(); }, 5},
        {"focus on an invisible box", [this] { w.txtpunkte2.setFocus(); }, 5},
        {"a combo text that is no item", [this] { w.cbospieler.setText("4"); }, 383},
        {"16-bit overflow",
         [] {
             Int16 n(32767);
             n += 1;
         },
         6},
        {"index past the bound",
         [] {
             Int16Array<0, 5> a;
             a(6) = 1;
         },
         9},
    };
    for (const auto& c : cases) {
        try {
            c.act();
            ADD_FAILURE() << c.what << " was not refused";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), c.number) << c.what;
        }
    }
    EXPECT_NO_THROW(w.cbospieler.setText("3"));
}

TEST_F(EventDelivery, AnUnhandledRuntimeErrorIsShownAndEndsTheProgram) {
    int after = 0;
    w.cmdstart.Click = [this] { w.cmdanta.setFocus(); };
    w.cmdanleit.Click = [&] { ++after; };
    key(keys::enter);
    EXPECT_TRUE(w.ended());
    const auto e = effects();
    ASSERT_GE(e.size(), 2u);
    EXPECT_EQ(e[e.size() - 2], "error Laufzeitfehler '5': Ungültiger Prozeduraufruf oder ungültiges Argument");
    EXPECT_EQ(e.back(), "exit");
    w.input(RawInput::keyTyped(keys::enter));
    EXPECT_FALSE(w.dispatch()) << "nothing runs after the end";
}

TEST_F(EventDelivery, BoxesMoveNoFocus) {
    w.txtdran.setFocus();
    w.dispatch();
    log.clear();
    logFocusEvents(w.txtdran);
    w.msgBox("Hallo", BoxStyle::Information, "Info");
    w.dispatch();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(w.focus(), &w.txtdran);
}

TEST_F(EventDelivery, ClosingTheIdleWindowEndsTheProgram) {
    w.input(RawInput::close());
    EXPECT_FALSE(w.dispatch());
    EXPECT_EQ(effects().back(), "exit");
}

}  // namespace
}  // namespace quiz
