#include "headless/Recorder.h"

#include <cstdio>

#include "window/Control.h"
#include "window/MainWindow.h"

namespace quiz {

std::string Recorder::stamp(std::int64_t ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", static_cast<int>(ms / 3600000),
                  static_cast<int>(ms / 60000 % 60), static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000));
    return text;
}

std::string TranscriptLine::str() const { return Recorder::stamp(ms) + " " + effect; }

void Recorder::line(const std::string& effect) {
    const std::int64_t day = 86400000;
    TranscriptLine l{((clock_.ms() % day) + day) % day, effect};
    if (out_) {
        *out_ << l.str() << '\n';
    } else {
        lines_.push_back(std::move(l));
    }
}

void Recorder::eventDelivered(const Control* target, EventKind kind, int code) {
    std::string l = "event " + (target ? target->name() : std::string(MainWindow::name)) + " " + eventName(kind);
    if (kind == EventKind::KeyPress) l += " " + std::to_string(code);
    line(l);
}

void Recorder::propertyChanged(const Control& c, Property what) {
    switch (what) {
        case Property::Text: line("text " + c.name() + " " + c.text()); break;
        case Property::Enabled: line("enabled " + c.name() + (c.enabled() ? " 1" : " 0")); break;
        case Property::Visible: line("visible " + c.name() + (c.visible() ? " 1" : " 0")); break;
        case Property::BackColor: line("backcolor " + c.name() + " " + c.backColor().value_or(Rgb{}).str()); break;
        case Property::Picture: line("picture " + c.name() + " " + c.picture()); break;
    }
}

void Recorder::focusMoved(const Control* c) { line("focus " + (c ? c->name() : std::string(MainWindow::name))); }

}  // namespace quiz
