#include "headless/Scenario.h"

#include <cmath>
#include <sstream>

#include "window/MainWindow.h"

namespace quiz {
namespace {

std::int64_t seconds(const std::string& word, int line) {
    std::size_t used = 0;
    double s = 0;
    try {
        s = std::stod(word, &used);
    } catch (const std::exception&) {
        throw ScenarioError(line, "not a number of seconds: " + word);
    }
    if (used != word.size() || !(s >= 0) || s > 1e7) throw ScenarioError(line, "not a number of seconds: " + word);
    return static_cast<std::int64_t>(std::llround(s * 1000));
}

int whole(const std::string& word, int line) {
    std::size_t used = 0;
    long v = 0;
    try {
        v = std::stol(word, &used);
    } catch (const std::exception&) {
        throw ScenarioError(line, "not a whole number: " + word);
    }
    if (used != word.size() || v < -100000 || v > 100000) throw ScenarioError(line, "not a whole number: " + word);
    return static_cast<int>(v);
}

// One UTF-8 character within Latin-1, as its code; -1 otherwise.
int latin1(const std::string& s) {
    const auto* b = reinterpret_cast<const unsigned char*>(s.data());
    if (s.size() == 1 && b[0] < 0x80) return b[0];
    if (s.size() == 2 && (b[0] == 0xC2 || b[0] == 0xC3) && (b[1] & 0xC0) == 0x80)
        return ((b[0] & 0x1F) << 6) | (b[1] & 0x3F);
    return -1;
}

std::string rest(std::istringstream& words) {
    std::string r;
    std::getline(words, r);
    const auto a = r.find_first_not_of(' ');
    return a == std::string::npos ? std::string() : r.substr(a);
}

}  // namespace

Scenario Scenario::parse(const std::string& text) {
    std::istringstream in(text);
    return parse(in);
}

Scenario Scenario::parse(std::istream& in) {
    // Control names and combo items come from a window model that never runs,
    // so a scenario cannot name what the window does not have.
    struct Inert : EventPump,
                   Clock,
                   SoundPlayer,
                   MessageBoxes,
                   ProgramStarter,
                   PictureLoader,
                   FileDialog,
                   WorkingDirectory,
                   RandomSource,
                   Lifecycle {
        void pump() override {}
        TimeOfDay now() override { return {}; }
        void play(const std::string&) override {}
        void show(const std::string&, BoxStyle, const std::string&) override {}
        void start(const std::string&, const std::vector<std::string>&) override {}
        std::string load(const std::string&) override { return {}; }
        std::string open(const FileDialogSettings&) override { return {}; }
        std::string current() override { return {}; }
        void change(const std::string&) override {}
        void randomize() override {}
        float rnd() override { return 0; }
        void unload() override {}
        void end() override {}
        void runtimeError(const std::string&) override {}
    } inert;
    Platform platform{inert, inert, inert, inert, inert, inert, inert, inert, inert, inert};
    const MainWindow names(platform);

    Scenario sc;
    std::string raw;
    int lineNo = 0;
    while (std::getline(in, raw)) {
        ++lineNo;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        const auto first = raw.find_first_not_of(" \t");
        if (first == std::string::npos || raw[first] == '#') continue;
        std::istringstream words(raw.substr(first));
        std::string verb;
        words >> verb;
        Step st{Step::Kind::Dump, lineNo, {}, {}, 0, 0, 0, 0, 0};
        auto needControl = [&](const std::string& n) -> const Control& {
            const Control* c = names.find(n);
            if (!c) throw ScenarioError(lineNo, "no control named " + n);
            return *c;
        };
        auto noMore = [&] {
            std::string extra;
            if (words >> extra) throw ScenarioError(lineNo, "unexpected " + extra);
        };
        if (verb == "clock" || verb == "seed") {
            if (!sc.steps.empty()) throw ScenarioError(lineNo, verb + " must come before any other step");
            std::string v;
            if (!(words >> v)) throw ScenarioError(lineNo, verb + " needs a value");
            noMore();
            if (verb == "clock") {
                int h = -1, m = -1, s = -1;
                char c1 = 0, c2 = 0;
                std::istringstream t(v);
                if (!(t >> h >> c1 >> m >> c2 >> s) || c1 != ':' || c2 != ':' || h < 0 || h > 23 || m < 0 || m > 59 ||
                    s < 0 || s > 59 || !t.eof())
                    throw ScenarioError(lineNo, "clock wants HH:MM:SS, not " + v);
                sc.startMs = ((h * 60LL + m) * 60 + s) * 1000;
            } else {
                std::size_t used = 0;
                try {
                    sc.seed = std::stoull(v, &used);
                } catch (const std::exception&) {
                    used = 0;
                }
                if (used != v.size() || v[0] == '-') throw ScenarioError(lineNo, "seed wants a whole number, not " + v);
            }
            continue;
        }
        if (verb == "wait" || verb == "hold") {
            std::string v;
            if (!(words >> v)) throw ScenarioError(lineNo, verb + " needs seconds");
            noMore();
            st.kind = verb == "wait" ? Step::Kind::Wait : Step::Kind::Hold;
            st.ms = seconds(v, lineNo);
        } else if (verb == "click") {
            if (!(words >> st.name)) throw ScenarioError(lineNo, "click needs a control");
            noMore();
            needControl(st.name);
            st.kind = Step::Kind::Click;
        } else if (verb == "clickat") {
            std::string xs, ys;
            if (!(words >> xs >> ys)) throw ScenarioError(lineNo, "clickat needs X and Y");
            noMore();
            st.kind = Step::Kind::ClickAt;
            st.x = whole(xs, lineNo);
            st.y = whole(ys, lineNo);
        } else if (verb == "key") {
            std::string k = rest(words);
            st.kind = Step::Kind::Key;
            if (k == "enter" || k == "tab" || k == "right" || k == "wrong" || k == "backtab" || k == "space" ||
                k == "backspace") {
                st.name = k;
            } else if (latin1(k) >= 0) {
                st.key = latin1(k);
            } else {
                throw ScenarioError(lineNo, "key wants one character or enter, tab, right, wrong: '" + k + "'");
            }
        } else if (verb == "select") {
            std::string item;
            if (!(words >> st.name >> item)) throw ScenarioError(lineNo, "select needs a combo box and an item");
            noMore();
            const Control& c = needControl(st.name);
            if (c.kind() != ControlKind::ComboBox) throw ScenarioError(lineNo, st.name + " is no combo box");
            bool found = false;
            for (const auto& i : c.design().items) found = found || i == item;
            if (!found) throw ScenarioError(lineNo, st.name + " has no item " + item);
            st.item = item;
            st.kind = Step::Kind::Select;
        } else if (verb == "file") {
            st.item = rest(words);
            if (st.item.empty()) throw ScenarioError(lineNo, "file needs a path");
            st.kind = Step::Kind::File;
        } else if (verb == "close" || verb == "dump") {
            noMore();
            st.kind = verb == "close" ? Step::Kind::Close : Step::Kind::Dump;
        } else {
            throw ScenarioError(lineNo, "unknown step '" + verb + "'");
        }
        sc.steps.push_back(std::move(st));
    }
    return sc;
}

}  // namespace quiz
