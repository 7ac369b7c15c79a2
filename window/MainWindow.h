#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "window/Control.h"
#include "window/RawInput.h"
#include "window/WindowObserver.h"
#include "window/platform/Platform.h"

namespace quiz {

// The window model of frmmain2dot0: its controls, stacking, focus, event
// queue and the rules by which events reach their handlers. Toolkit-free:
// a view draws it and forwards raw input; everything else is decided here.
class MainWindow {
public:
    static constexpr int clientWidth = 11940;  // twips
    static constexpr int clientHeight = 8940;
    static constexpr const char* name = "frmmain2dot0";

    explicit MainWindow(Platform& platform);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // The controls, with what the player sees of each.
    // Buttons:
    Control cmdstart;      // "Start": begins a game with the chosen options; the default button (Enter)
    Control cmdneu;        // "Neu": a new game; acts when it gets the focus
    Control cmdnext;       // never seen; enabled while a click on the window may call the next question
    Control cmdanta;       // answer button "1"; takes the answer when it gets the focus
    Control cmdantb;       // answer button "2"
    Control cmdantc;       // answer button "3"
    Control cmdantd;       // answer button "4"
    Control cmdanleit;     // "Spielanleitung": opens the instructions
    Control cmdinfo;       // "i": the credits box
    Control cmdbg;         // "Hintergrund wählen...": picks a background picture; acts on the focus
    Control cmdende;       // "Ende": the farewell box, then the program ends; acts on the focus
    Control cmdauswert;    // never seen; stands for the answer pause
    Control cmdbadanswer;  // never seen; stands for the wrong-answer pause
    Control cmdupdate;     // never seen; stands for the score display
    Control cmdwahl;       // never seen; stands for opening the buzzer race
    Control cmdtimer;      // never seen; stands for the countdown
    Control cmdfocus;      // never seen; stands for keeping the focus in the buzzer box
    // Text boxes:
    Control txtfrage;     // the question
    Control txtanta;      // the text of answer 1, beside its button
    Control txtantb;      // the text of answer 2
    Control txtantc;      // the text of answer 3
    Control txtantd;      // the text of answer 4
    Control txterg;       // the result line: "?", "Bingo!", "Falsch!", "Zeit abgelaufen!", the rating word
    Control txtanz;       // the number of finished questions; its change checks the end of the game
    Control txtzeit;      // the seconds left of the countdown, "=/\=" while none runs
    Control txtdran;      // whose turn it is, or the buzzer keys "1:Q 2:B 3:P"; the logic parks the focus here
    Control txtpunkte;    // player 1's points; red while player 1 answers
    Control txtpunkte2;   // player 2's points (shown with two or three players)
    Control txtpunkte3;   // player 3's points (shown with three players)
    Control txtprozent;   // player 1's share of the finished questions, in percent
    Control txtprozent2;  // player 2's percentage
    Control txtprozent3;  // player 3's percentage
    Control txthit;       // a tiny box that catches the buzzer keys q, b, p while the race is open
    Control txthit2;      // a tiny box that catches the answer keys 1 to 4
    // Combo boxes (the options of a game, disabled while it runs):
    Control cbofragen;   // the number of questions: 10, 15, 20, 25, 35, 50
    Control cbospieler;  // the number of players: 1, 2, 3
    Control cbotime;     // the time limit in seconds: 5, 10, 15, 20, 30 or "Kein"
    // Labels (fixed captions):
    Control lblfrage;       // "Frage:" above the question
    Control lblanzfragen;   // "Fragen:" above the number of questions
    Control lblspieleranz;  // "Spieler:" above the number of players
    Control lbllimit;       // "Zeitlimit:" above the time limit
    Control lblanz;         // "Fragen:" beside the number of finished questions
    Control lblrestzeit;    // "Verbleibende Zeit:" above the countdown
    Control lblpunkte;      // "Punkte:" before the points row
    Control lblprozent;     // "Prozent:" before the percentage row
    Control lbls1;          // "1" above player 1's scores
    Control lbls2;          // "2" above player 2's scores (shown with two or three players)
    Control lbls3;          // "3" above player 3's scores (shown with three players)
    // Images:
    Control imgspieler1;  // player 1's picture, shown while player 1 answers
    Control imgspieler2;  // player 2's picture, in the same place
    Control imgspieler3;  // player 3's picture, in the same place
    Control imgback;      // the whole client area: a chosen background picture; a click here calls the next question

    // The window's own events.
    std::function<void()> Form_Load, Form_Click;
    std::function<void(Int16&)> Form_KeyPress;

    std::string caption() const;
    Platform& platform() { return platform_; }
    const std::vector<Control*>& controls() const { return inventory_; }
    // Hit-test order, topmost first: also the order in which a view draws.
    const std::vector<Control*>& stacking() const { return stacking_; }
    Control* find(const std::string& name) const;
    // The button that Enter clicks while the focus is not on a button.
    Control* defaultButton() const;
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
    void msgBox(const std::string& prompt, BoxStyle style, const std::string& title);
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
        Control* target;  // Focus: the control
        EventKind kind;   // Focus: GotFocus or LostFocus
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
    std::vector<Control*> inventory_;  // inventory order
    std::vector<Control*> stacking_;   // hit-test order, topmost first
    std::vector<WindowObserver*> observers_;
    std::deque<Pending> queue_;
    std::uint64_t nextSeq_ = 0;
    // No control holds the focus when the window first shows: keys then
    // reach the window's own handler until a click or Tab places it.
    Control* focus_ = nullptr;
    Control* pressed_ = nullptr;  // target of a press awaiting its release
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
