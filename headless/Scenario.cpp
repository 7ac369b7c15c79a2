#include "headless/Scenario.h"

#include <cstdint>
#include <sstream>

#include "window/MainWindow.h"

namespace quiz {
namespace {

// The word as an error message may show it: printable ASCII and the Latin-1
// letters in UTF-8, every other byte as '?', and not too long.
std::string shown(const std::string& word) {
    std::string out;
    const auto* b = reinterpret_cast<const unsigned char*>(word.data());
    for (std::size_t i = 0; i < word.size() && out.size() < 40; ++i) {
        if (b[i] >= ' ' && b[i] < 127) {
            out += word[i];
        } else if ((b[i] == 0xC2 || b[i] == 0xC3) && i + 1 < word.size() && (b[i + 1] & 0xC0) == 0x80) {
            out += word.substr(i++, 2);
        } else {
            out += '?';
        }
    }
    return out.size() < word.size() ? out + "..." : out;
}

bool digits(const std::string& s) { return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos; }

// Seconds as a plain decimal ("3", "0.25"), in whole milliseconds.
std::int64_t seconds(const std::string& word, int line) {
    const auto dot = word.find('.');
    const std::string whole = word.substr(0, dot);
    const std::string frac = dot == std::string::npos ? std::string() : word.substr(dot + 1);
    if (!digits(whole) || (dot != std::string::npos && !digits(frac)) || whole.size() > 8)
        throw ScenarioError(line, "not a number of seconds: " + shown(word));
    std::int64_t ms = std::stoll(whole) * 1000;
    std::int64_t place = 100;  // the first three decimals are milliseconds
    for (std::size_t i = 0; i < 3; ++i, place /= 10) ms += (i < frac.size() ? frac[i] - '0' : 0) * place;
    if (frac.size() > 3 && frac[3] >= '5') ++ms;
    if (ms > 10000000LL * 1000) throw ScenarioError(line, "not a number of seconds: " + shown(word));
    return ms;
}

// A whole number, plain decimal with an optional minus, within +-limit.
int whole(const std::string& word, int line, int limit = 100000) {
    const bool minus = !word.empty() && word[0] == '-';
    const std::string d = minus ? word.substr(1) : word;
    if (!digits(d) || d.size() > 9) throw ScenarioError(line, "not a whole number: " + shown(word));
    const long v = std::stol(d);
    if (v > limit) throw ScenarioError(line, "not a whole number: " + shown(word));
    return static_cast<int>(minus ? -v : v);
}

// One UTF-8 character within Latin-1, as its code; -1 otherwise.
int latin1(const std::string& s) {
    const auto* b = reinterpret_cast<const unsigned char*>(s.data());
    if (s.size() == 1 && b[0] < 0x80) return b[0];
    if (s.size() == 2 && (b[0] == 0xC2 || b[0] == 0xC3) && (b[1] & 0xC0) == 0x80)
        return ((b[0] & 0x1F) << 6) | (b[1] & 0x3F);
    return -1;
}

// HH:MM:SS (one or two digits for the hours) as milliseconds of the day.
std::int64_t timeOfDay(const std::string& v, int line) {
    const bool ok = (v.size() == 7 || v.size() == 8) && v[v.size() - 3] == ':' && v[v.size() - 6] == ':' &&
                    digits(v.substr(0, v.size() - 6)) && digits(v.substr(v.size() - 5, 2)) &&
                    digits(v.substr(v.size() - 2));
    const int h = ok ? std::stoi(v.substr(0, v.size() - 6)) : -1;
    const int m = ok ? std::stoi(v.substr(v.size() - 5, 2)) : -1;
    const int s = ok ? std::stoi(v.substr(v.size() - 2)) : -1;
    if (h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59)
        throw ScenarioError(line, "clock wants HH:MM:SS, not " + shown(v));
    return ((h * 60LL + m) * 60 + s) * 1000;
}

std::uint64_t seedValue(const std::string& v, int line) {
    std::uint64_t seed = 0;
    for (const char c : v) {
        const auto d = static_cast<std::uint64_t>(c - '0');
        if (c < '0' || c > '9' || seed > (UINT64_MAX - d) / 10)
            throw ScenarioError(line, "seed wants a whole number, not " + shown(v));
        seed = seed * 10 + d;
    }
    return seed;
}

// One line, without its end; false at the end of the input. A line longer
// than the limit and a failing read are errors: /dev/zero or a directory
// must not run as an endless or empty scenario.
bool readLine(std::istream& in, std::string& line, int lineNo) {
    line.clear();
    char c = 0;
    while (in.get(c)) {
        if (c == '\n') return true;
        if (line.size() == Scenario::maxLineBytes)
            throw ScenarioError(lineNo, "line longer than " + std::to_string(Scenario::maxLineBytes) + " bytes");
        line += c;
    }
    if (in.bad()) throw ScenarioError(lineNo, "cannot read the scenario");
    return !line.empty();
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
    while (readLine(in, raw, lineNo + 1)) {
        ++lineNo;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        const auto first = raw.find_first_not_of(" \t");
        if (first == std::string::npos || raw[first] == '#') continue;
        if (sc.steps.size() == maxSteps)
            throw ScenarioError(lineNo, "more than " + std::to_string(maxSteps) + " steps");
        std::istringstream words(raw.substr(first));
        std::string verb;
        words >> verb;
        Step st{Step::Kind::Dump, lineNo, {}, {}, 0, 0, 0, 0, 0};
        auto needControl = [&](const std::string& n) -> const Control& {
            const Control* c = names.find(n);
            if (!c) throw ScenarioError(lineNo, "no control named " + shown(n));
            return *c;
        };
        auto noMore = [&] {
            std::string extra;
            if (words >> extra) throw ScenarioError(lineNo, "unexpected " + shown(extra));
        };
        auto point = [&] {
            std::string xs, ys;
            if (!(words >> xs >> ys)) throw ScenarioError(lineNo, verb + " needs X and Y");
            noMore();
            st.x = whole(xs, lineNo);
            st.y = whole(ys, lineNo);
        };
        auto comboItem = [&] {
            std::string item;
            if (!(words >> st.name >> item)) throw ScenarioError(lineNo, verb + " needs a combo box and an item");
            noMore();
            const Control& c = needControl(st.name);
            if (c.kind() != ControlKind::ComboBox) throw ScenarioError(lineNo, st.name + " is no combo box");
            bool found = false;
            for (const auto& i : c.design().items) found = found || i == item;
            if (!found) throw ScenarioError(lineNo, st.name + " has no item " + shown(item));
            st.item = item;
        };
        if (verb == "clock" || verb == "seed" || verb == "recorded") {
            if (!sc.steps.empty()) throw ScenarioError(lineNo, verb + " must come before any other step");
            std::string v;
            if (verb == "recorded") {
                noMore();
                sc.recorded = true;
                continue;
            }
            if (!(words >> v)) throw ScenarioError(lineNo, verb + " needs a value");
            noMore();
            if (verb == "clock")
                sc.startMs = timeOfDay(v, lineNo);
            else
                sc.seed = seedValue(v, lineNo);
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
        } else if (verb == "clickat" || verb == "press" || verb == "release") {
            point();
            st.kind = verb == "clickat" ? Step::Kind::ClickAt
                      : verb == "press" ? Step::Kind::Press
                                        : Step::Kind::Release;
        } else if (verb == "key") {
            std::string k = rest(words);
            st.kind = Step::Kind::Key;
            if (k == "enter" || k == "tab" || k == "right" || k == "wrong" || k == "backtab" || k == "space" ||
                k == "backspace") {
                st.name = k;
            } else if (latin1(k) >= 0) {
                st.key = latin1(k);
            } else {
                throw ScenarioError(lineNo, "key wants one character or enter, tab, right, wrong: '" + shown(k) + "'");
            }
        } else if (verb == "keycode") {
            std::string v;
            if (!(words >> v)) throw ScenarioError(lineNo, "keycode needs a number");
            noMore();
            st.kind = Step::Kind::Key;
            st.key = whole(v, lineNo, 0xFFFF);
            if (st.key < 0) throw ScenarioError(lineNo, "not a key code: " + v);
        } else if (verb == "select" || verb == "pick") {
            comboItem();
            st.kind = verb == "select" ? Step::Kind::Select : Step::Kind::Pick;
        } else if (verb == "file") {
            st.item = rest(words);
            if (st.item.empty()) throw ScenarioError(lineNo, "file needs a path");
            st.kind = Step::Kind::File;
        } else if (verb == "close" || verb == "dump") {
            noMore();
            st.kind = verb == "close" ? Step::Kind::Close : Step::Kind::Dump;
        } else {
            throw ScenarioError(lineNo, "unknown step '" + shown(verb) + "'");
        }
        sc.steps.push_back(std::move(st));
    }
    return sc;
}

}  // namespace quiz
