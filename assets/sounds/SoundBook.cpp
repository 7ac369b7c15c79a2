#include "assets/sounds/SoundBook.h"

#include <cmath>

namespace quiz::assets {

namespace {

// Equal temperament, MIDI numbering: 60 = middle C, 69 = A 440 Hz.
double note(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// Voices shared by several cues.
Track::Voice pad() {
    Track::Voice v;
    v.partials = {1.0, 0.35, 0.15, 0.06};
    v.attack = 0.08;
    v.release = 0.6;
    v.detune = 6.0;  // a gentle chorus
    return v;
}

Track::Voice brass() {
    Track::Voice v;
    v.partials = {1.0, 0.7, 0.5, 0.35, 0.25, 0.15, 0.1, 0.05};
    v.attack = 0.025;
    v.release = 0.08;
    v.vibratoDepth = 0.08;
    v.vibratoRate = 5.5;
    return v;
}

Track::Voice pluck(double decay) {
    Track::Voice v;
    v.partials = {1.0, 0.0, 0.3, 0.0, 0.15, 0.0, 0.07};
    v.attack = 0.004;
    v.decay = decay;
    v.release = 0.04;
    return v;
}

// Program start: a welcoming C major chord that builds up from the bottom.
Track start() {
    Track t(1.8);
    const int chord[] = {60, 64, 67, 72};
    for (int i = 0; i < 4; ++i) t.tone(0.12 * i, 1.8 - 0.12 * i, note(chord[i]), 0.22, pad());
    t.tone(0.0, 1.8, note(48), 0.18, pad());
    t.bell(0.5, 1.2, note(88), 0.08, 0.4);
    t.bell(0.62, 1.1, note(91), 0.06, 0.4);
    t.finish(0.75);
    return t;
}

// New game: a short upbeat run up to a bright chord.
Track los() {
    Track t(0.95);
    const int run[] = {67, 72, 76};
    for (int i = 0; i < 3; ++i) t.tone(0.11 * i, 0.12, note(run[i]), 0.3, pluck(0.15));
    for (int n : {72, 76, 79}) t.tone(0.33, 0.6, note(n), 0.22, pluck(0.3));
    t.finish(0.75);
    return t;
}

// First question and the info box: a quick, glassy sparkle in E major.
Track glasses() {
    Track t(1.5);
    const int run[] = {88, 92, 95, 100, 95, 100};
    for (int i = 0; i < 6; ++i) t.bell(0.07 * i, 1.5 - 0.07 * i, note(run[i]), 0.25, 0.3);
    t.echo(0.11, 0.3);
    t.finish(0.7);
    return t;
}

// Next question and a buzzer key: a falling sci-fi zap.
Track laser() {
    Track t(0.45);
    Track::Voice v;
    v.partials = {1.0, 0.4, 0.2, 0.1};
    v.attack = 0.003;
    v.decay = 0.2;
    v.release = 0.06;
    v.vibratoDepth = 0.6;
    v.vibratoRate = 35.0;
    t.glide(0.0, {{0.0, 2400.0}, {0.38, 180.0}}, 0.6, v);
    t.glide(0.0, {{0.0, 3600.0}, {0.3, 270.0}}, 0.2, v);
    t.finish(0.7);
    return t;
}

// Right answer: two bright chime strokes a fourth apart.
Track kommuni() {
    Track t(1.0);
    t.bell(0.0, 1.0, note(91), 0.35, 0.35);
    t.bell(0.1, 0.9, note(96), 0.35, 0.4);
    Track::Voice under;
    under.attack = 0.01;
    under.decay = 0.35;
    under.release = 0.2;
    t.tone(0.1, 0.9, note(84), 0.2, under);
    t.finish(0.75);
    return t;
}

// Wrong answer: two low, slightly sour buzz pulses.
Track glass() {
    Track t(0.7);
    Track::Voice v;
    v.partials = {1.0, 0.5, 0.33, 0.25, 0.2, 0.16, 0.13, 0.11, 0.09, 0.08};
    v.attack = 0.012;
    v.release = 0.05;
    t.tone(0.0, 0.28, note(43), 0.3, v);
    t.tone(0.0, 0.28, note(42), 0.3, v);
    t.glide(0.34, {{0.0, note(43)}, {0.33, note(41)}}, 0.3, v);
    t.glide(0.34, {{0.0, note(42)}, {0.33, note(40)}}, 0.3, v);
    t.finish(0.7);
    return t;
}

// The buzzer race opens: one clear bell stroke.
Track kling() {
    Track t(0.9);
    t.bell(0.0, 0.9, note(81), 0.5, 0.3);
    t.bell(0.0, 0.9, note(93), 0.12, 0.15);
    t.finish(0.7);
    return t;
}

// Time is up: three alarm beeps, the last one higher.
Track zeit() {
    Track t(1.25);
    Track::Voice v;
    v.partials = {1.0, 0.0, 0.25, 0.0, 0.1};
    v.attack = 0.006;
    v.release = 0.03;
    t.tone(0.0, 0.22, note(81), 0.5, v);
    t.tone(0.35, 0.22, note(81), 0.5, v);
    t.tone(0.7, 0.45, note(86), 0.5, v);
    t.finish(0.45);  // steady beeps sound louder than struck notes of the same peak
    return t;
}

// A winner: ta-ta-ta-taaa on a brass voice, ending on a full chord.
Track jubel() {
    Track t(2.0);
    for (int i = 0; i < 3; ++i) t.tone(0.15 * i, 0.13, note(67), 0.45, brass());
    Track::Voice held = brass();
    held.release = 0.5;
    for (int n : {60, 64, 67, 72}) t.tone(0.45, 1.5, note(n), 0.18, held);
    t.tone(0.45, 1.5, note(76), 0.12, held);
    t.finish(0.75);
    return t;
}

// A draw or a poor result: a wavering, wondering line over a hollow tritone.
Track faszinierend() {
    Track t(2.2);
    Track::Voice theremin;
    theremin.partials = {1.0, 0.12};
    theremin.attack = 0.15;
    theremin.release = 0.5;
    theremin.vibratoDepth = 0.35;
    theremin.vibratoRate = 5.0;
    t.glide(0.0, {{0.0, note(69)}, {0.6, note(76)}, {1.2, note(75)}, {1.6, note(72)}, {2.15, note(74)}}, 0.4, theremin);
    Track::Voice low = pad();
    low.attack = 0.3;
    low.release = 0.7;
    low.vibratoDepth = 0.05;
    low.vibratoRate = 0.8;
    t.tone(0.0, 2.2, note(50), 0.2, low);
    t.tone(0.0, 2.2, note(56), 0.16, low);
    t.finish(0.7);
    return t;
}

// 100 percent: a brass run up two octaves, a big chord and falling sparkles.
Track perfect() {
    Track t(2.9);
    const int run[] = {60, 64, 67, 72, 76};
    for (int i = 0; i < 5; ++i) t.tone(0.1 * i, 0.12, note(run[i]), 0.4, brass());
    Track::Voice held = brass();
    held.attack = 0.04;
    held.release = 0.9;
    for (int n : {48, 60, 64, 67, 72, 76, 79}) t.tone(0.55, 2.3, note(n), 0.11, held);
    const int sparkle[] = {100, 96, 91, 88, 84};
    for (int i = 0; i < 5; ++i) t.bell(0.7 + 0.14 * i, 1.6, note(sparkle[i]), 0.08, 0.3);
    t.finish(0.75);
    return t;
}

// End of the game: the cadence F - G - C.
Track endrunde() {
    Track t(2.2);
    Track::Voice v = pad();
    v.release = 0.15;
    for (int n : {53, 57, 60, 65}) t.tone(0.0, 0.62, note(n), 0.18, v);
    for (int n : {55, 59, 62, 67}) t.tone(0.6, 0.62, note(n), 0.18, v);
    Track::Voice last = pad();
    last.release = 0.7;
    for (int n : {48, 60, 64, 67, 72}) t.tone(1.2, 1.0, note(n), 0.16, last);
    t.finish(0.72);
    return t;
}

// An option box gets the focus: a soft, short blip.
Track parameter() {
    Track t(0.3);
    Track::Voice v;
    v.partials = {1.0, 0.15};
    v.attack = 0.002;
    v.decay = 0.025;
    v.release = 0.02;
    t.glide(0.0, {{0.0, 1500.0}, {0.08, 1000.0}}, 0.5, v);
    t.finish(0.45);
    return t;
}

// Instructions and the background dialog: an airy whoosh, as if a screen opens.
Track schirm() {
    Track t(1.1);
    t.whoosh(0.0, 1.05, 1.0, 250.0, 4500.0, 1200.0);
    Track::Voice v;
    v.attack = 0.3;
    v.release = 0.5;
    t.glide(0.05, {{0.0, 220.0}, {0.9, 660.0}}, 0.05, v);
    t.finish(0.6);
    return t;
}

// Exit: a goodbye chord that unfolds downwards.
Track ende() {
    Track t(2.2);
    const int chord[] = {72, 67, 64, 60};
    for (int i = 0; i < 4; ++i) t.tone(0.15 * i, 2.2 - 0.15 * i, note(chord[i]), 0.22, pad());
    t.tone(0.45, 1.75, note(48), 0.2, pad());
    t.finish(0.72);
    return t;
}

}  // namespace

Track SoundBook::compose(quiz::Cue cue) {
    using quiz::Cue;
    switch (cue) {
        case Cue::Start: return start();
        case Cue::Los: return los();
        case Cue::Glasses: return glasses();
        case Cue::Laser: return laser();
        case Cue::Kommuni: return kommuni();
        case Cue::Glass: return glass();
        case Cue::Kling: return kling();
        case Cue::Zeit: return zeit();
        case Cue::Jubel: return jubel();
        case Cue::Faszinierend: return faszinierend();
        case Cue::Perfect: return perfect();
        case Cue::Endrunde: return endrunde();
        case Cue::Parameter: return parameter();
        case Cue::Schirm: return schirm();
        case Cue::Ende: return ende();
    }
    return Track(0.0);
}

}  // namespace quiz::assets
