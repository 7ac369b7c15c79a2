#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "Control.h"
#include "RawInput.h"
#include "WindowObserver.h"
#include "platform/Platform.h"

namespace quiz {

// The window model of frmmain2dot0: its controls, stacking, focus, event
// queue and the rules by which events reach their handlers. Toolkit-free:
// a view draws it and forwards raw input; everything else is decided here.
class MainWindow {
public:
    static constexpr int clientWidth = 11940;   // twips
    static constexpr int clientHeight = 8940;
    static constexpr const char* name = "frmmain2dot0";

    explicit MainWindow(Platform& platform);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Buttons
    Control cmdstart, cmdneu, cmdnext, cmdanta, cmdantb, cmdantc, cmdantd, cmdanleit, cmdinfo, cmdbg, cmdende,
        cmdauswert, cmdbadanswer, cmdupdate, cmdwahl, cmdtimer, cmdfocus;
    // Text boxes
    Control txtfrage, txtanta, txtantb, txtantc, txtantd, txterg, txtanz, txtzeit, txtdran, txtpunkte, txtpunkte2,
        txtpunkte3, txtprozent, txtprozent2, txtprozent3, txthit, txthit2;
    // Combo boxes
    Control cbofragen, cbospieler, cbotime;
    // Labels
    Control lblfrage, lblanzfragen, lblspieleranz, lbllimit, lblanz, lblrestzeit, lblpunkte, lblprozent, lbls1, lbls2,
        lbls3;
    // Images
    Control imgspieler1, imgspieler2, imgspieler3, imgback;

    // The window's own events.
    std::function<void()> Form_Load, Form_Click;
    std::function<void(Int16&)> Form_KeyPress;

    std::string caption() const;
    Platform& platform() { return platform_; }
    const std::vector<Control*>& controls() const { return inventory_; }
    // Hit-test order, topmost first: also the order in which a view draws.
    const std::vector<Control*>& stacking() const { return stacking_; }
    Control* find(const std::string& name) const;
    Control* focus() const { return focus_; }

    // Hit testing: the topmost visible, enabled control under the point,
    // nullptr for the bare window (or outside the client area: see outside()).
    Control* hitTest(int x, int y) const;
    static bool outside(int x, int y) { return x < 0 || y < 0 || x >= clientWidth || y >= clientHeight; }

    // Start: runs Form_Load, then the window is shown.
    void load();
    // Raw input from the user; delivered at once when no handler runs,
    // otherwise at the next DoEvents.
    void input(const RawInput& in);
    // DoEvents: lets the platform take in input, then delivers every event
    // pending at that moment, each handler nested inside this call.
    void doEvents();
    // Delivers the queue when no handler runs. Runtime errors and the end of
    // the program stop here. Returns false once the program has ended.
    bool dispatch();
    bool ended() const { return ended_; }
    bool handlerRunning() const { return depth_ > 0; }

    // Modal box and dialog through the platform: no focus moves, a pending
    // click is cancelled.
    void msgBox(const std::string& prompt, int style, const std::string& title);
    std::string openFileDialog(const FileDialogSettings& settings);

    // The user closed the window with the frame's close control.
    bool closed() const { return closed_; }
    // Unloads the window and ends the program: no further handler runs.
    [[noreturn]] void endProgram();

    void addObserver(WindowObserver* o) { observers_.push_back(o); }
    void removeObserver(WindowObserver* o);

    // Nesting of DoEvents, for the record of the deepest chain.
    int yieldDepth() const { return yieldDepth_; }
    int maxYieldDepth() const { return maxYieldDepth_; }
    // Bytes of stack between the outermost dispatch and the deepest DoEvents.
    std::size_t stackHighWater() const { return stackBase_ > stackLow_ ? stackBase_ - stackLow_ : 0; }
    std::size_t pendingEvents() const { return queue_.size(); }
    // Counts every property change, focus move and delivered event: while it
    // stands still, the program shows nothing new (see YieldPacer).
    std::uint64_t activity() const { return activity_; }

private:
    friend class Control;
    struct Pending {
        enum class Type { Focus, Input } type;
        Control* target;      // Focus: the control
        EventKind kind;       // Focus: GotFocus or LostFocus
        RawInput input;
        std::uint64_t seq;
    };

    void deliverUpTo(std::uint64_t limit);
    void deliver(const Pending& p);
    void fire(Control* target, EventKind kind, Int16* code = nullptr);
    void handlePress(int x, int y);
    void handleRelease(int x, int y);
    void handleKey(int code);
    void handlePick(const std::string& combo, const std::string& item);
    void handleClose();
    void tabFrom(bool backwards);

    // Called by Control.
    void moveFocus(Control* to);
    void controlChanged(Control& c, Property p);
    // A control that was disabled or hidden gives up the focus and a press.
    void dropIfUnfit(Control& c);

    Platform& platform_;
    std::vector<Control*> inventory_;   // inventory order
    std::vector<Control*> stacking_;    // hit-test order, topmost first
    std::vector<WindowObserver*> observers_;
    std::deque<Pending> queue_;
    std::uint64_t nextSeq_ = 0;
    // No control holds the focus when the window first shows: keys then
    // reach the window's own handler until a click or Tab places it.
    Control* focus_ = nullptr;
    Control* pressed_ = nullptr;        // target of a press awaiting its release
    bool pressedOnWindow_ = false;
    std::uint64_t modalCount_ = 0;
    std::uint64_t pressModalCount_ = 0;
    int depth_ = 0;
    int yieldDepth_ = 0;
    int maxYieldDepth_ = 0;
    std::uintptr_t stackBase_ = 0;
    std::uintptr_t stackLow_ = UINTPTR_MAX;
    bool closed_ = false;
    bool ended_ = false;
    std::uint64_t activity_ = 0;
};

}  // namespace quiz
