#pragma once
#include <array>
#include <string_view>

namespace quiz {

// The sound cues of the game, one .wav file each beside the program. This
// is the one list of them: the game plays them, the asset build synthesises
// them and the asset checks look for them from here.
enum class Cue {
    Start,         // the window loads
    Los,           // New game
    Glasses,       // the first question of a game; the info box
    Laser,         // every later question; a buzzer key taken
    Kommuni,       // a right answer ("Bingo!")
    Glass,         // a wrong answer ("Falsch!")
    Kling,         // the buzzer race opens
    Zeit,          // the time runs out
    Jubel,         // the end of a game: a winner or a good rating
    Faszinierend,  // the end of a game: a tie or a poor rating
    Perfect,       // the end of a game: one player with 100 percent
    Endrunde,      // the end of a game, after its message box
    Parameter,     // an option box gets the focus
    Schirm,        // the instructions; the background picture
    Ende,          // the farewell
};

inline constexpr std::array<Cue, 15> allCues = {
    Cue::Start, Cue::Los,          Cue::Glasses, Cue::Laser,    Cue::Kommuni,   Cue::Glass,  Cue::Kling, Cue::Zeit,
    Cue::Jubel, Cue::Faszinierend, Cue::Perfect, Cue::Endrunde, Cue::Parameter, Cue::Schirm, Cue::Ende,
};

// The file of a cue, looked up in the current directory.
constexpr std::string_view cueFile(Cue cue) {
    switch (cue) {
        case Cue::Start: return "start.wav";
        case Cue::Los: return "los.wav";
        case Cue::Glasses: return "glasses.wav";
        case Cue::Laser: return "laser.wav";
        case Cue::Kommuni: return "kommuni.wav";
        case Cue::Glass: return "glass.wav";
        case Cue::Kling: return "kling.wav";
        case Cue::Zeit: return "zeit.wav";
        case Cue::Jubel: return "jubel.wav";
        case Cue::Faszinierend: return "faszinierend.wav";
        case Cue::Perfect: return "perfect.wav";
        case Cue::Endrunde: return "endrunde.wav";
        case Cue::Parameter: return "parameter.wav";
        case Cue::Schirm: return "schirm.wav";
        case Cue::Ende: return "ende.wav";
    }
    return "";
}

}  // namespace quiz
