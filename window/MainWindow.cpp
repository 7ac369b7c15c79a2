#include "window/MainWindow.h"

#include <algorithm>

#include "runtime/RuntimeError.h"
#include "window/Inventory.h"

namespace quiz {

MainWindow::MainWindow(Platform& platform)
    : cmdstart(*this, Inventory::of("cmdstart")),
      cmdneu(*this, Inventory::of("cmdneu")),
      cmdnext(*this, Inventory::of("cmdnext")),
      cmdanta(*this, Inventory::of("cmdanta")),
      cmdantb(*this, Inventory::of("cmdantb")),
      cmdantc(*this, Inventory::of("cmdantc")),
      cmdantd(*this, Inventory::of("cmdantd")),
      cmdanleit(*this, Inventory::of("cmdanleit")),
      cmdinfo(*this, Inventory::of("cmdinfo")),
      cmdbg(*this, Inventory::of("cmdbg")),
      cmdende(*this, Inventory::of("cmdende")),
      cmdauswert(*this, Inventory::of("cmdauswert")),
      cmdbadanswer(*this, Inventory::of("cmdbadanswer")),
      cmdupdate(*this, Inventory::of("cmdupdate")),
      cmdwahl(*this, Inventory::of("cmdwahl")),
      cmdtimer(*this, Inventory::of("cmdtimer")),
      cmdfocus(*this, Inventory::of("cmdfocus")),
      txtfrage(*this, Inventory::of("txtfrage")),
      txtanta(*this, Inventory::of("txtanta")),
      txtantb(*this, Inventory::of("txtantb")),
      txtantc(*this, Inventory::of("txtantc")),
      txtantd(*this, Inventory::of("txtantd")),
      txterg(*this, Inventory::of("txterg")),
      txtanz(*this, Inventory::of("txtanz")),
      txtzeit(*this, Inventory::of("txtzeit")),
      txtdran(*this, Inventory::of("txtdran")),
      txtpunkte(*this, Inventory::of("txtpunkte")),
      txtpunkte2(*this, Inventory::of("txtpunkte2")),
      txtpunkte3(*this, Inventory::of("txtpunkte3")),
      txtprozent(*this, Inventory::of("txtprozent")),
      txtprozent2(*this, Inventory::of("txtprozent2")),
      txtprozent3(*this, Inventory::of("txtprozent3")),
      txthit(*this, Inventory::of("txthit")),
      txthit2(*this, Inventory::of("txthit2")),
      cbofragen(*this, Inventory::of("cbofragen")),
      cbospieler(*this, Inventory::of("cbospieler")),
      cbotime(*this, Inventory::of("cbotime")),
      lblfrage(*this, Inventory::of("lblfrage")),
      lblanzfragen(*this, Inventory::of("lblanzfragen")),
      lblspieleranz(*this, Inventory::of("lblspieleranz")),
      lbllimit(*this, Inventory::of("lbllimit")),
      lblanz(*this, Inventory::of("lblanz")),
      lblrestzeit(*this, Inventory::of("lblrestzeit")),
      lblpunkte(*this, Inventory::of("lblpunkte")),
      lblprozent(*this, Inventory::of("lblprozent")),
      lbls1(*this, Inventory::of("lbls1")),
      lbls2(*this, Inventory::of("lbls2")),
      lbls3(*this, Inventory::of("lbls3")),
      imgspieler1(*this, Inventory::of("imgspieler1")),
      imgspieler2(*this, Inventory::of("imgspieler2")),
      imgspieler3(*this, Inventory::of("imgspieler3")),
      imgback(*this, Inventory::of("imgback")),
      platform_(platform) {
    inventory_ = {&cmdstart,    &cmdneu,      &cmdnext,     &cmdanta,      &cmdantb,       &cmdantc,      &cmdantd,
                  &cmdanleit,   &cmdinfo,     &cmdbg,       &cmdende,      &cmdauswert,    &cmdbadanswer, &cmdupdate,
                  &cmdwahl,     &cmdtimer,    &cmdfocus,    &txtfrage,     &txtanta,       &txtantb,      &txtantc,
                  &txtantd,     &txterg,      &txtanz,      &txtzeit,      &txtdran,       &txtpunkte,    &txtpunkte2,
                  &txtpunkte3,  &txtprozent,  &txtprozent2, &txtprozent3,  &txthit,        &txthit2,      &cbofragen,
                  &cbospieler,  &cbotime,     &lblfrage,    &lblanzfragen, &lblspieleranz, &lbllimit,     &lblanz,
                  &lblrestzeit, &lblpunkte,   &lblprozent,  &lbls1,        &lbls2,         &lbls3,        &imgspieler1,
                  &imgspieler2, &imgspieler3, &imgback};
    // Buttons, text boxes and combo boxes lie above all labels and images.
    // Among them the buttons come first, so the tiny key boxes txthit and
    // txthit2 sit hidden beneath the "Ende" button that covers them.
    for (Control* c : inventory_)
        if (c->takesFocusKind()) stacking_.push_back(c);
    for (Control* c : {&lbls3, &lbls2, &lbls1, &imgspieler1, &imgspieler2, &imgspieler3, &lblspieleranz, &lblrestzeit,
                       &lbllimit, &lblprozent, &lblanzfragen, &lblanz, &lblpunkte, &lblfrage, &imgback})
        stacking_.push_back(c);
}

std::string MainWindow::caption() const { return "Velmora Quiz V.4.0 by Jannik Sörensen 17.06.2000"; }

Control* MainWindow::find(const std::string& n) const {
    for (Control* c : inventory_)
        if (c->name() == n) return c;
    return nullptr;
}

void MainWindow::removeObserver(WindowObserver* o) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), o), observers_.end());
}

Control* MainWindow::defaultButton() const {
    for (Control* c : inventory_)
        if (c->design().isDefault) return c;
    return nullptr;
}

Control* MainWindow::hitTest(int x, int y) const {
    for (Control* c : stacking_)
        if (c->visible() && c->enabled() && c->look().rect.contains(x, y)) return c;
    return nullptr;
}

void MainWindow::load() {
    ++depth_;
    try {
        for (auto* o : observers_) o->eventDelivered(nullptr, EventKind::Load, 0);
        if (Form_Load) Form_Load();
    } catch (...) {
        --depth_;
        throw;
    }
    --depth_;
}

void MainWindow::input(const RawInput& in) {
    queue_.push_back({Pending::Type::Input, nullptr, EventKind::Click, in, nextSeq_++});
}

void MainWindow::doEvents() {
    ++yieldDepth_;
    maxYieldDepth_ = std::max(maxYieldDepth_, yieldDepth_);
    const char here = 0;
    stackLow_ = std::min(stackLow_, reinterpret_cast<std::uintptr_t>(&here));
    struct Leave {
        int& d;
        ~Leave() { --d; }
    } leave{yieldDepth_};
    platform_.pump.pump();
    deliverUpTo(nextSeq_);
}

bool MainWindow::dispatch() {
    if (ended_) return false;
    if (depth_ > 0) return true;  // the running handler's next DoEvents takes it
    const char here = 0;
    if (stackBase_ == 0) stackBase_ = reinterpret_cast<std::uintptr_t>(&here);
    try {
        deliverUpTo(UINT64_MAX);
        // Closed during a wait that has since returned: nothing is left to run.
        if (closed_) endProgram();
    } catch (const RuntimeError& e) {
        // No handler of the chain handled it: the program shows it and ends.
        depth_ = 0;
        yieldDepth_ = 0;
        ended_ = true;
        platform_.lifecycle.runtimeError(e.what());
        platform_.lifecycle.end();
    } catch (const ProgramEnd&) {
        depth_ = 0;
        yieldDepth_ = 0;
        ended_ = true;
    }
    return !ended_;
}

void MainWindow::endProgram() {
    platform_.lifecycle.unload();
    platform_.lifecycle.end();
    throw ProgramEnd{};
}

void MainWindow::msgBox(const std::string& prompt, BoxStyle style, const std::string& title) {
    ++modalCount_;
    platform_.boxes.show(prompt, style, title);
}

std::string MainWindow::openFileDialog(const FileDialogSettings& settings) {
    ++modalCount_;
    return platform_.dialog.open(settings);
}

void MainWindow::deliverUpTo(std::uint64_t limit) {
    while (!queue_.empty() && queue_.front().seq < limit) {
        Pending p = std::move(queue_.front());
        queue_.pop_front();
        deliver(p);
    }
}

void MainWindow::deliver(const Pending& p) {
    if (p.type == Pending::Type::Focus) {
        fire(p.target, p.kind);
        return;
    }
    const RawInput& in = p.input;
    switch (in.type) {
        case RawInput::Type::Press: handlePress(in.x, in.y); break;
        case RawInput::Type::Release: handleRelease(in.x, in.y); break;
        case RawInput::Type::Key: handleKey(in.key); break;
        case RawInput::Type::Pick: handlePick(in.control, in.item); break;
        case RawInput::Type::Close: handleClose(); break;
    }
}

void MainWindow::fire(Control* target, EventKind kind, Int16* code) {
    ++activity_;
    const int shown = code ? static_cast<int>(*code) : 0;
    for (auto* o : observers_) o->eventDelivered(target, kind, shown);
    std::function<void()> plain;
    std::function<void(Int16&)> withCode;
    if (target) {
        switch (kind) {
            case EventKind::Click: plain = target->Click; break;
            case EventKind::GotFocus: plain = target->GotFocus; break;
            case EventKind::LostFocus: plain = target->LostFocus; break;
            case EventKind::Change: plain = target->Change; break;
            case EventKind::KeyPress: withCode = target->KeyPress; break;
            case EventKind::Load: break;
        }
    } else {
        if (kind == EventKind::Click) plain = Form_Click;
        if (kind == EventKind::KeyPress) withCode = Form_KeyPress;
    }
    if (!plain && !withCode) return;
    ++depth_;
    struct Leave {
        int& d;
        ~Leave() { --d; }
    } leave{depth_};
    if (plain) plain();
    if (withCode && code) withCode(*code);
}

// A press gives an enabled control the focus unless it holds it already; the
// click follows on the release.
void MainWindow::handlePress(int x, int y) {
    if (outside(x, y)) return;
    Control* target = hitTest(x, y);
    pressed_ = target;
    pressedOnWindow_ = (target == nullptr);
    pressModalCount_ = modalCount_;
    if (target && target->takesFocusKind() && focus_ != target) moveFocus(target);
}

void MainWindow::handleRelease(int x, int y) {
    Control* target = outside(x, y) ? nullptr : hitTest(x, y);
    const bool sameTarget = (pressed_ && target == pressed_) || (pressedOnWindow_ && !target && !outside(x, y));
    const bool boxBetween = pressModalCount_ != modalCount_;
    Control* pressed = pressed_;
    pressed_ = nullptr;
    const bool wasOnWindow = pressedOnWindow_;
    pressedOnWindow_ = false;
    if (!sameTarget || boxBetween) return;
    if (wasOnWindow) {
        fire(nullptr, EventKind::Click);
    } else if (pressed->kind() == ControlKind::Button || pressed->kind() == ControlKind::Image) {
        fire(pressed, EventKind::Click);
    }
}

void MainWindow::handleKey(int code) {
    if (code == keys::tab || code == keys::backTab) {
        tabFrom(code == keys::backTab);
        return;
    }
    const bool onButton = focus_ && focus_->kind() == ControlKind::Button;
    Control* byDefault = defaultButton();
    if (code == keys::enter && !onButton && byDefault && byDefault->enabled() && byDefault->visible()) {
        fire(byDefault, EventKind::Click);
        return;
    }
    // Enter on a focused button presses that button, as everywhere on the desktop.
    if (code == keys::enter && onButton) {
        fire(focus_, EventKind::Click);
        return;
    }
    if (code < 0 || code > 255) return;
    Control* target = focus_;
    Int16 keyAscii(code);
    fire(target, EventKind::KeyPress, &keyAscii);
    // Then ordinary typing into an editable text box, caret at the end.
    if (target && target->editable() && target->enabled() && target->visible()) {
        const int c = keyAscii;
        std::string t = target->text();
        if (c == keys::backspace) {
            if (!t.empty()) {
                // Drop one whole UTF-8 character.
                std::size_t i = t.size() - 1;
                while (i > 0 && (static_cast<unsigned char>(t[i]) & 0xC0) == 0x80) --i;
                t.erase(i);
            }
        } else if (c >= 32) {
            if (c < 128) {
                t += static_cast<char>(c);
            } else {
                t += static_cast<char>(0xC0 | (c >> 6));
                t += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
        target->setText(t);
    }
}

void MainWindow::handlePick(const std::string& comboName, const std::string& item) {
    Control* c = find(comboName);
    if (!c || c->kind() != ControlKind::ComboBox || !c->enabled() || !c->visible()) return;
    const auto& items = c->design().items;
    if (std::find(items.begin(), items.end(), item) == items.end()) return;
    c->setText(item);
}

// Closing the frame unloads the window. Idle, the program ends at once;
// during a wait it ends at that wait's next pass.
void MainWindow::handleClose() {
    if (closed_) return;
    closed_ = true;
    if (depth_ == 0) endProgram();
}

void MainWindow::tabFrom(bool backwards) {
    std::vector<Control*> order;
    for (Control* c : inventory_)
        if (c->design().tabStop) order.push_back(c);
    if (order.empty()) return;
    if (backwards) std::reverse(order.begin(), order.end());
    auto at = std::find(order.begin(), order.end(), focus_);
    const std::size_t start = at == order.end() ? order.size() - 1 : static_cast<std::size_t>(at - order.begin());
    for (std::size_t i = 1; i <= order.size(); ++i) {
        Control* c = order[(start + i) % order.size()];
        if (c->canTakeFocus()) {
            if (c != focus_) moveFocus(c);
            return;
        }
    }
}

void MainWindow::moveFocus(Control* to) {
    if (to == focus_) return;
    ++activity_;
    Control* from = focus_;
    focus_ = to;
    for (auto* o : observers_) o->focusMoved(to);
    if (from) queue_.push_back({Pending::Type::Focus, from, EventKind::LostFocus, {}, nextSeq_++});
    if (to) queue_.push_back({Pending::Type::Focus, to, EventKind::GotFocus, {}, nextSeq_++});
}

void MainWindow::controlChanged(Control& c, Property p) {
    ++activity_;
    for (auto* o : observers_) o->propertyChanged(c, p);
}

// A control that is disabled or hidden while it holds the focus gives it up;
// the focus then rests with the window until the logic places it again.
void MainWindow::dropIfUnfit(Control& c) {
    if (focus_ == &c && !c.canTakeFocus()) moveFocus(nullptr);
    // A button disabled (or hidden) while the mouse holds it is not clicked
    // on the release, even if it is enabled again by then.
    if (pressed_ == &c && !(c.enabled() && c.visible())) pressed_ = nullptr;
}

}  // namespace quiz
