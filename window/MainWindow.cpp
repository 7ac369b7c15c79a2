#include "MainWindow.h"

#include <algorithm>

#include "RuntimeError.h"

namespace quiz {

Control* MainWindow::find(const std::string& n) const {
    for (Control* c : inventory_)
        if (c->name() == n) return c;
    return nullptr;
}

void MainWindow::removeObserver(WindowObserver* o) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), o), observers_.end());
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

void MainWindow::msgBox(const std::string& prompt, int style, const std::string& title) {
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
    if (code == keys::enter && !onButton && cmdstart.enabled() && cmdstart.visible()) {
        fire(&cmdstart, EventKind::Click);
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
