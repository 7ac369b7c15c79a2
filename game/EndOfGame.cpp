// The check that runs on every change of the counter box, and the rating or
// ranking when the question limit is reached.
#include "game/Credits.h"
#include "game/Game.h"
#include "window/MainWindow.h"

namespace quiz {

void Game::checkEndOfGame() {
    s_.keyFocusReleased = 1;
    w_.txtdran.setFocus();
    showScores();
    if (!(number(w_.cbofragen.text()) == s_.questionsDone && s_.gameOver == 0)) return;
    w_.cmdnext.setEnabled(false);
    s_.gameOver = 1;
    s_.gameStopped = 1;
    w_.cmdnext.setEnabled(false);
    w_.txtzeit.setText("=/\\=");
    if (!playersAre("1")) {
        if (playersAre("2")) twoPlayerResult();
        if (playersAre("3")) threePlayerRanking();
    } else {
        singlePlayerRating();
    }
    play(Cue::Endrunde);
}

void Game::announce(Cue cue, const std::string& title, const std::string& message, BoxStyle style) {
    play(cue);
    w_.msgBox(message, style, title);
}

void Game::twoPlayerResult() {
    const int p1 = s_.points(1), p2 = s_.points(2);
    if (p1 > p2) {
        announce(Cue::Jubel, "Sieger: Spieler1", "Gratualtion Spieler1!!!! Diese Runde geht an Dich!",
                 BoxStyle::Information);
        w_.txterg.setText("Spitze!!!");
    }
    if (p1 < p2) {
        announce(Cue::Jubel, "Sieger: Spieler2", "And the Winner is.... Player2!!!! Congratulations!",
                 BoxStyle::Information);
        w_.txterg.setText("Super!!!");
    }
    if (p1 == p2) {
        announce(Cue::Faszinierend, "Unentschieden", "Heute gibt es keinen Sieger.", BoxStyle::Information);
        w_.txterg.setText("Remis!");
    }
}

void Game::threePlayerRanking() {
    w_.txterg.setText("Ende!");
    const int p1 = s_.points(1), p2 = s_.points(2), p3 = s_.points(3);
    auto win = [this](const char* message) { announce(Cue::Jubel, "Endstand", message, BoxStyle::Information); };
    auto tie = [this](const char* message) { announce(Cue::Faszinierend, "Endstand", message, BoxStyle::Information); };
    if (p1 > p2 && p1 > p3) {
        if (p2 > p3) win("Sieger: Spieler1 =/\\= Vorletzter: Spieler2 =/\\= Letzter: Spieler3");
        if (p3 > p2) win("Sieger: Spieler1 =/\\= Vorletzter: Spieler3 =/\\= Letzter: Spieler2");
        if (p2 == p3) win("Sieger: Spieler1 =/\\= Spieler2 und Spieler3 teilen sich den 2. Platz");
    }
    if (p2 > p1 && p2 > p3) {
        if (p1 > p3) win("Sieger: Spieler2 =/\\= Vorletzter: Spieler1 =/\\= Letzter: Spieler3");
        if (p3 > p1) win("Sieger: Spieler2 =/\\= Vorletzter: Spieler3 =/\\= Letzter: Spieler1");
        if (p1 == p3) win("Sieger: Spieler2 =/\\= Spieler1 und Spieler3 teilen sich den 2. Platz");
    }
    if (p3 > p2 && p3 > p1) {
        if (p2 > p1) win("Sieger: Spieler3 =/\\= Vorletzter: Spieler2 =/\\= Letzter: Spieler1");
        if (p1 > p2) win("Sieger: Spieler3 =/\\= Vorletzter: Spieler1 =/\\= Letzter: Spieler2");
        if (p2 == p1) win("Sieger: Spieler3 =/\\= Spieler2 und Spieler1 teilen sich den 2. Platz");
    }
    if (p1 == p3 && p1 > p2) tie("Den Sieg teilen sich Spieler1 und Spieler3");
    if (p1 > p3 && p1 == p2) tie("Den Sieg teilen sich Spieler1 und Spieler2");
    if (p2 == p3 && p2 > p1) tie("Den Sieg teilen sich Spieler2 und Spieler3");
    if (p1 == p3 && p1 == p2) tie("Alle haben gleichviele Punkte - Faszinierend!");
}

// Six ranges with inclusive bounds; a value above 100 matches none.
void Game::singlePlayerRating() {
    const int p = s_.percent(1);
    if (p < 20) {
        announce(Cue::Faszinierend, "Miese Leistung",
                 "Da hat ja meine Großmutter mehr Ahnung von Velmora als Du! Stell Dich in die Ecke und schäm Dich ;-)",
                 BoxStyle::Critical);
        w_.txterg.setText("Pfui!");
    }
    if (p >= 20 && p <= 49) {
        announce(Cue::Faszinierend, "Ergebnis", "Naja, das war ja nich so doll, gell?", BoxStyle::Critical);
        w_.txterg.setText("Schwach!");
    }
    if (p >= 50 && p <= 74) {
        announce(Cue::Faszinierend, "Ergebnis", "Immerhin mehr als die Hälfte Richtig!", BoxStyle::Exclamation);
        w_.txterg.setText("Naja, ganz nett!");
    }
    if (p >= 75 && p <= 89) {
        announce(Cue::Jubel, "Ergebnis", "Eine reife Leistung, mehr als 75% korrekt!", BoxStyle::Information);
        w_.txterg.setText("Nicht schlecht!");
    }
    if (p >= 90 && p <= 99) {
        announce(Cue::Jubel, "Gute Leistung", "In Dir steckt der wahre Velmorist!", BoxStyle::Information);
        w_.txterg.setText("Starke Leistung!");
    }
    if (p == 100) {
        announce(Cue::Perfect, "Spitzenleistung!",
                 std::string("Wow! Alles Richtig! Du hast die besten Chancen Obervelmorist bei ") + credits::fanSite +
                     " zu werden!",
                 BoxStyle::Information);
        w_.txterg.setText("Spitze!!!");
    }
}

}  // namespace quiz
