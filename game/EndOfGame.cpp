// The check that runs on every change of the counter box, and the rating or
// ranking when the question limit is reached.
#include "Game.h"
#include "window/Credits.h"
#include "window/MainWindow.h"

namespace quiz {

void Game::txtanz_Change() {
    s_.keyFocusReleased = 1;
    w_.txtdran.setFocus();
    cmdupdate_Click();
    if (!(number(w_.cbofragen.text()) == s_.questionsDone && s_.gameOver == 0)) return;
    w_.cmdnext.setEnabled(false);
    s_.gameOver = 1;
    s_.gameStopped = 1;
    w_.cmdnext.setEnabled(false);
    w_.txtzeit.setText("=/\\=");
    if (!playersAre("1")) {
        if (playersAre("2")) twoPlayerTests();
        if (playersAre("3")) threePlayerTests();
    } else {
        singlePlayerRating();
    }
    play("endrunde.wav");
}

void Game::announce(const char* sound, const std::string& title, const std::string& message, int style) {
    play(sound);
    w_.msgBox(message, style, title);
}

void Game::twoPlayerTests() {
    const int p1 = s_.points(1), p2 = s_.points(2);
    if (p1 > p2) {
        announce("jubel.wav", "Sieger: Spieler1", "Gratualtion Spieler1!!!! Diese Runde geht an Dich!", 64);
        w_.txterg.setText("Spitze!!!");
    }
    if (p1 < p2) {
        announce("jubel.wav", "Sieger: Spieler2", "And the Winner is.... Player2!!!! Congratulations!", 64);
        w_.txterg.setText("Super!!!");
    }
    if (p1 == p2) {
        announce("faszinierend.wav", "Unentschieden", "Heute gibt es keinen Sieger.", 64);
        w_.txterg.setText("Remis!");
    }
}

void Game::threePlayerTests() {
    w_.txterg.setText("Ende!");
    const int p1 = s_.points(1), p2 = s_.points(2), p3 = s_.points(3);
    auto win = [this](const char* message) { announce("jubel.wav", "Endstand", message, 64); };
    auto tie = [this](const char* message) { announce("faszinierend.wav", "Endstand", message, 64); };
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
        announce("faszinierend.wav", "Miese Leistung",
                 "Da hat ja meine Großmutter mehr Ahnung von Velmora als Du! Stell Dich in die Ecke und schäm Dich ;-)",
                 16);
        w_.txterg.setText("Pfui!");
    }
    if (p >= 20 && p <= 49) {
        announce("faszinierend.wav", "Ergebnis", "Naja, das war ja nich so doll, gell?", 16);
        w_.txterg.setText("Schwach!");
    }
    if (p >= 50 && p <= 74) {
        announce("faszinierend.wav", "Ergebnis", "Immerhin mehr als die Hälfte Richtig!", 48);
        w_.txterg.setText("Naja, ganz nett!");
    }
    if (p >= 75 && p <= 89) {
        announce("jubel.wav", "Ergebnis", "Eine reife Leistung, mehr als 75% korrekt!", 64);
        w_.txterg.setText("Nicht schlecht!");
    }
    if (p >= 90 && p <= 99) {
        announce("jubel.wav", "Gute Leistung", "In Dir steckt der wahre Velmorist!", 64);
        w_.txterg.setText("Starke Leistung!");
    }
    if (p == 100) {
        announce("perfect.wav", "Spitzenleistung!",
                 std::string("Wow! Alles Richtig! Du hast die besten Chancen Obervelmorist bei ") + credits::fanSite +
                     " zu werden!",
                 64);
        w_.txterg.setText("Spitze!!!");
    }
}

}  // namespace quiz
