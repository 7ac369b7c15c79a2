#include "headless/HeadlessPlatform.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <utility>

#include "runtime/RuntimeError.h"

namespace quiz {

HeadlessPlatform::HeadlessPlatform(const Scenario& scenario, std::ostream* out)
    : scenario_(scenario),
      clock_(scenario.startMs),
      random_(scenario.seed, [this] { return static_cast<std::uint64_t>(clock_.ms()); }),
      recorder_(clock_, out),
      platform_{*this, *this, *this, *this, *this, *this, *this, clock_, random_, *this},
      dueMs_(scenario.startMs),
      sleepingYield_(scenario.recorded) {
    // The recording program mixed in the clock's seconds (qt/QtRecording).
    if (scenario.recorded) random_.setEntropy([this] { return static_cast<std::uint64_t>(clock_.now().value()); });
}

void HeadlessPlatform::attach(MainWindow& window) {
    window_ = &window;
    window.addObserver(&recorder_);
}

void HeadlessPlatform::run() {
    try {
        window_->load();
    } catch (const RuntimeError& e) {
        runtimeError(e.what());
        end();
        return;
    } catch (const ProgramEnd&) {
        return;
    }
    while (window_->dispatch()) {
        if (afterStep) afterStep();
        if (!feed(true)) {
            end();  // the steps are used up: the program ends where it is
            return;
        }
    }
}

// Takes the next raw input of the scenario into the window's queue. Steps
// that are no input (hold, file, dump) run on the way. At the top level a
// wait simply lets the time pass; inside a yield it holds the feed back.
bool HeadlessPlatform::feed(bool topLevel) {
    for (;;) {
        if (clock_.ms() < notBeforeMs_) {
            if (!topLevel) return true;
            clock_.set(notBeforeMs_);
        }
        if (!raw_.empty()) {
            window_->input(raw_.front());
            raw_.pop_front();
            return true;
        }
        if (next_ >= scenario_.steps.size()) return false;
        const Step& s = scenario_.steps[next_++];
        switch (s.kind) {
            case Step::Kind::Wait:
                if (scenario_.recorded) {
                    dueMs_ += s.ms;
                    notBeforeMs_ = dueMs_;
                } else {
                    notBeforeMs_ = clock_.ms() + s.ms;
                }
                break;
            case Step::Kind::Hold:
                if (scenario_.recorded)
                    holds_.push_back(s.ms);
                else
                    holdMs_ = s.ms;
                break;
            case Step::Kind::File: file_ = s.item; break;
            case Step::Kind::Dump: dump(); break;
            default: expand(s); break;
        }
    }
}

void HeadlessPlatform::expand(const Step& s) {
    auto clickAt = [this](int x, int y) {
        raw_.push_back(RawInput::press(x, y));
        raw_.push_back(RawInput::release(x, y));
    };
    switch (s.kind) {
        case Step::Kind::Click: {
            const Rect& r = window_->find(s.name)->look().rect;
            clickAt(r.centreX(), r.centreY());
            break;
        }
        case Step::Kind::ClickAt: clickAt(s.x, s.y); break;
        case Step::Kind::Press: raw_.push_back(RawInput::press(s.x, s.y)); break;
        case Step::Kind::Release: raw_.push_back(RawInput::release(s.x, s.y)); break;
        case Step::Kind::Pick: raw_.push_back(RawInput::pick(s.name, s.item)); break;
        case Step::Kind::Select: {
            const Rect& r = window_->find(s.name)->look().rect;
            clickAt(r.centreX(), r.centreY());
            raw_.push_back(RawInput::pick(s.name, s.item));
            break;
        }
        case Step::Kind::Close: raw_.push_back(RawInput::close()); break;
        case Step::Kind::Key: {
            int code = s.key;
            if (s.name == "enter")
                code = keys::enter;
            else if (s.name == "tab")
                code = keys::tab;
            else if (s.name == "backtab")
                code = keys::backTab;
            else if (s.name == "space")
                code = keys::space;
            else if (s.name == "backspace")
                code = keys::backspace;
            else if (s.name == "right" || s.name == "wrong") {
                int k = answerKey ? answerKey() : 0;
                if (k < 1 || k > 4) k = 1;
                if (s.name == "wrong") k = k % 4 + 1;
                code = '0' + k;
            }
            raw_.push_back(RawInput::keyTyped(code));
            break;
        }
        default: break;
    }
}

void HeadlessPlatform::pump() {
    if (sleepingYield_) {
        sleepOrStep();
    } else {
        clock_.advance(yieldMs);
    }
    if (afterStep) afterStep();
    if (!feed(false) && endWithoutSteps_) {
        end();
        throw ProgramEnd{};
    }
}

void HeadlessPlatform::sleepOrStep() {
    const bool maySleep = pacer_.maySleep(clock_.now(), window_->activity());
    const bool held = clock_.ms() < notBeforeMs_;  // a wait of the scenario runs
    const bool inputDue = !raw_.empty() || window_->pendingEvents() > 0 || (!held && next_ < scenario_.steps.size());
    if (!maySleep || inputDue) {
        clock_.advance(1);
        return;
    }
    std::int64_t wake = (pacer_.second().value() + 1) * 1000 + 1;
    if (held && notBeforeMs_ < wake) wake = notBeforeMs_;  // the next input wakes it sooner
    clock_.set(wake);
    ++sleeps_;
}

void HeadlessPlatform::play(const std::string& file) { recorder_.line("sound " + file); }

// A recording writes the hold of a box after the input that opened it, so
// a box that opens before the feed has read so far reads on to its hold.
std::int64_t HeadlessPlatform::takeHold(bool dialog) {
    if (!scenario_.recorded) return std::exchange(holdMs_, 0);
    const auto ahead = [this](Step::Kind kind) {
        return next_ < scenario_.steps.size() && scenario_.steps[next_].kind == kind;
    };
    if (holds_.empty() && ahead(Step::Kind::Hold)) {
        holds_.push_back(scenario_.steps[next_++].ms);
        if (dialog && ahead(Step::Kind::File)) file_ = scenario_.steps[next_++].item;
    }
    if (holds_.empty()) return 0;
    const std::int64_t ms = holds_.front();
    holds_.pop_front();
    return ms;
}

void HeadlessPlatform::show(const std::string& prompt, BoxStyle style, const std::string& title) {
    recorder_.line("msgbox " + std::to_string(static_cast<int>(style)) + " | " + title + " | " + prompt);
    clock_.advance(takeHold(false));
}

void HeadlessPlatform::start(const std::string& program, const std::vector<std::string>& arguments) {
    std::string line = "shell " + program;
    for (const auto& a : arguments) line += " " + a;
    recorder_.line(line);
    if (failStarts_) throw RuntimeError::fileNotFound();
}

std::string HeadlessPlatform::absolute(const std::string& path) const {
    std::filesystem::path p(path);
    return p.is_absolute() ? p.lexically_normal().string()
                           : (std::filesystem::path(cwd_) / p).lexically_normal().string();
}

// A picture is a readable file that starts like a bitmap, GIF, JPEG, PNG or icon.
std::string HeadlessPlatform::load(const std::string& path) {
    std::string full = absolute(path);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(full, ec)) throw RuntimeError::fileNotFound();
    std::ifstream f(full, std::ios::binary);
    std::array<unsigned char, 4> h{};
    f.read(reinterpret_cast<char*>(h.data()), h.size());
    if (!f) throw RuntimeError::invalidPicture();
    const bool bmp = h[0] == 'B' && h[1] == 'M';
    const bool gif = h[0] == 'G' && h[1] == 'I' && h[2] == 'F' && h[3] == '8';
    const bool jpeg = h[0] == 0xFF && h[1] == 0xD8 && h[2] == 0xFF;
    const bool png = h[0] == 0x89 && h[1] == 'P' && h[2] == 'N' && h[3] == 'G';
    const bool ico = h[0] == 0 && h[1] == 0 && h[2] == 1 && h[3] == 0;
    if (!(bmp || gif || jpeg || png || ico)) throw RuntimeError::invalidPicture();
    return full;
}

// Like the system's dialog, it leaves the current directory where the user
// picked the file, and names the file by its full path: a name relative to
// the old directory would be wrong in the new one.
std::string HeadlessPlatform::open(const FileDialogSettings& settings) {
    recorder_.line("dialog " + settings.title);
    clock_.advance(takeHold(true));
    std::string chosen = std::move(file_);
    file_.clear();
    if (chosen.empty()) return chosen;
    chosen = absolute(chosen);
    cwd_ = std::filesystem::path(chosen).parent_path().string();
    return chosen;
}

void HeadlessPlatform::change(const std::string& path) {
    if (path.empty()) throw RuntimeError(76, "Laufzeitfehler '76': Pfad nicht gefunden");
    cwd_ = path;
}

void HeadlessPlatform::end() {
    if (ended_) return;
    ended_ = true;
    recorder_.line("exit");
}

void HeadlessPlatform::runtimeError(const std::string& message) { recorder_.line("error " + message); }

std::string HeadlessPlatform::dumpText() const {
    std::string out;
    if (stateLine) out += "state " + stateLine() + "\n";
    for (const Control* c : window_->controls()) {
        out += "control " + c->name() + " enabled=" + (c->enabled() ? "1" : "0") +
               " visible=" + (c->visible() ? "1" : "0") + " focus=" + (c->hasFocus() ? "1" : "0");
        if (c->backColor()) out += " backcolor=" + c->backColor()->str();
        if (!c->picture().empty()) out += " picture=" + c->picture();
        out += " text=" + c->text() + "\n";
    }
    return out;
}

void HeadlessPlatform::dump() {
    const std::string text = dumpText();
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t nl = text.find('\n', at);
        recorder_.line(text.substr(at, nl - at));
        at = nl + 1;
    }
}

}  // namespace quiz
