// The built-in catalogue as a careful player reads it: titles set off,
// quoted sentences punctuated, and no right answer betrayed by its own
// wording, by another entry or by where a number stands among the others.
//
// The checks read words, not meaning. A hint that needs understanding
// ("the last consciousness of a people" tells that the people died out) is
// beyond them and is left to the blind reading of changed entries.
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "catalogue/Catalogue.h"

namespace quiz::test {
namespace {

const Catalogue& cat = Catalogue::builtIn();
constexpr int kCount = 369;

// --- Text helpers (the texts are UTF-8 within Latin-1) ----------------------

constexpr std::string_view kOpen = "\xC2\xBB";   // »
constexpr std::string_view kClose = "\xC2\xAB";  // «

std::string_view right(const Entry& e) { return e.answers[static_cast<std::size_t>(e.key - 1)]; }

// A letter or digit: ASCII ones and every Latin-1 letter (UTF-8 lead byte
// 0xC3 and its continuation byte). 0xC2 starts Latin-1 punctuation like » «.
bool wordByte(std::string_view s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) return std::isalnum(b) != 0;
    if (b == 0xC3) return true;
    if (b >= 0x80 && b < 0xC0 && i > 0) return static_cast<unsigned char>(s[i - 1]) == 0xC3;
    return false;
}

// Lower case, including the Latin-1 capitals (Ä, Ö, Ü ...).
std::string lower(std::string_view s) {
    std::string out(s);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto b = static_cast<unsigned char>(out[i]);
        if (b < 0x80) {
            out[i] = static_cast<char>(std::tolower(b));
        } else if (b == 0xC3 && i + 1 < out.size()) {
            const auto c = static_cast<unsigned char>(out[i + 1]);
            if (c >= 0x80 && c <= 0x9E && c != 0x97) out[i + 1] = static_cast<char>(c + 0x20);
            ++i;
        }
    }
    return out;
}

std::size_t chars(std::string_view s) {
    return static_cast<std::size_t>(
        std::count_if(s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Lower-case words; a hyphen joins the parts of a word ("Velmora-A"), a
// point or comma the digits of a number ("1.200", "2,1").
std::vector<std::string> words(std::string_view s) {
    std::vector<std::string> out;
    std::string w;
    for (std::size_t i = 0; i <= s.size(); ++i) {
        const bool joins =
            i < s.size() && !w.empty() && i + 1 < s.size() && wordByte(s, i + 1) &&
            (s[i] == '-' || ((s[i] == '.' || s[i] == ',') && std::isdigit(static_cast<unsigned char>(s[i - 1])) &&
                             std::isdigit(static_cast<unsigned char>(s[i + 1]))));
        if (i < s.size() && (wordByte(s, i) || joins)) {
            w += s[i];
        } else if (!w.empty()) {
            out.push_back(lower(w));
            w.clear();
        }
    }
    return out;
}

std::vector<std::string> split(const std::string& word, char sep) {
    std::vector<std::string> parts;
    std::string p;
    for (char c : word + sep) {
        if (c == sep) {
            if (!p.empty()) parts.push_back(p);
            p.clear();
        } else {
            p += c;
        }
    }
    return parts;
}

bool allDigits(std::string_view w) {
    return !w.empty() &&
           std::all_of(w.begin(), w.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// Words that carry no subject: little words, question words and the words
// that half the catalogue uses.
const std::set<std::string>& stopWords() {
    static const std::set<std::string> s = {
        "der", "die", "das", "den", "dem", "des", "ein", "eine", "einer", "eines", "einem", "einen", "und", "oder",
        "mit", "ohne", "von", "vom", "zu", "zur", "zum", "im", "in", "am", "an", "auf", "aus", "bei", "beim", "für",
        "über", "unter", "nach", "vor", "wie", "was", "wer", "wen", "wem", "wessen", "welche", "welcher", "welches",
        "welchem", "welchen", "wo", "wann", "warum", "womit", "woraus", "wofür", "worin", "wodurch", "wozu", "woran",
        "heißt", "heißen", "hat", "haben", "hatte", "ist", "sind", "war", "waren", "wird", "werden", "wurde", "wurden",
        "als", "auch", "nur", "noch", "nicht", "sich", "sie", "er", "es", "ihr", "ihre", "ihren", "ihrem", "ihrer",
        "sein", "seine", "seiner", "seinem", "seinen", "seines", "dieser", "diese", "dieses", "diesen", "diesem",
        "jeder", "jede", "jedes", "man", "so", "viel", "viele", "etwa", "erste", "ersten", "erster", "erstes", "zweite",
        "zweiten", "dritte", "letzte", "letzten", "gilt", "gibt", "lief", "spielt", "spielte", "trägt", "trug", "steht",
        "stand",
        // the franchise and its kinds of work
        "velmora", "serie", "serien", "folge", "folgen", "film", "films", "filme", "kinofilm", "kinofilme", "kinofilms",
        "originalserie", "franchise", "fernwacht", "konkordanz"};
    return s;
}

// Words of at least minChars letters that name a subject; years count too.
std::set<std::string> contentWords(std::string_view s, std::size_t minChars = 5) {
    std::set<std::string> out;
    for (const auto& w : words(s)) {
        if (allDigits(w)) {
            if (w.size() == 4) out.insert(w);
            continue;
        }
        for (const auto& p : split(w, '-'))
            if (chars(p) >= minChars && !stopWords().count(p) && !allDigits(p)) out.insert(p);
    }
    return out;
}

// Two words of one stem: equal, or the shorter (of at least minChars
// letters) begins the longer ("hegemon" - "hegemonsfaust").
bool sameStem(const std::string& a, const std::string& b, std::size_t minChars = 5) {
    if (a == b) return true;
    const auto& s = a.size() <= b.size() ? a : b;
    const auto& l = a.size() <= b.size() ? b : a;
    return chars(s) >= minChars && l.compare(0, s.size(), s) == 0;
}

std::set<std::string> sharedStems(const std::set<std::string>& a, const std::set<std::string>& b) {
    std::set<std::string> out;
    for (const auto& x : a)
        for (const auto& y : b)
            if (sameStem(x, y)) out.insert(x);
    return out;
}

// Whether phrase, as whole words, occurs in text.
bool containsWords(std::string_view text, std::string_view phrase) {
    const auto t = words(text);
    const auto p = words(phrase);
    if (p.empty() || p.size() > t.size()) return false;
    for (std::size_t i = 0; i + p.size() <= t.size(); ++i)
        if (std::equal(p.begin(), p.end(), t.begin() + static_cast<std::ptrdiff_t>(i))) return true;
    return false;
}

// An answer without its leading article or preposition ("Den Karsari" -> "karsari").
std::string core(std::string_view answer) {
    static const std::set<std::string> lead = {"der",   "die",   "das",   "den", "dem", "des", "ein", "eine",
                                               "einen", "einem", "einer", "im",  "am",  "auf", "aus", "mit",
                                               "von",   "als",   "zur",   "zum", "in",  "um"};
    auto w = words(answer);
    std::size_t i = 0;
    while (i < w.size() && lead.count(w[i])) ++i;
    std::string out;
    for (; i < w.size(); ++i) out += (out.empty() ? "" : " ") + w[i];
    return out;
}

std::size_t editDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> prev(b.size() + 1), cur(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) prev[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        cur[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j)
            cur[j] = std::min({prev[j] + 1, cur[j - 1] + 1, prev[j - 1] + (a[i - 1] != b[j - 1] ? 1u : 0u)});
        std::swap(prev, cur);
    }
    return prev[b.size()];
}

std::string describe(const Entry& e) {
    std::string s = std::to_string(e.number) + " \"" + std::string(e.question) + "\" {";
    for (std::size_t i = 0; i < 4; ++i) s += (i ? " | " : "") + std::string(e.answers[i]);
    return s + "} right: " + std::string(right(e));
}

// --- Titles ------------------------------------------------------------------

// Titles of series, films, episodes, music, books, magazines and games stand
// in »...«, in questions and answers alike. The original series is called
// "die Originalserie"; "Velmora" alone names the ship or the franchise and is
// not marked, nor are ship, station, place and group names.
const std::vector<std::string_view> kTitles = {
    // series
    "Die Kraniche von Caldris",
    "Grenzwacht",
    "Aufbruch",
    "Logbuchsplitter",
    "Funkenflug",
    "Nachhall",
    // films
    "Das Schweigen von Orvane",
    "Die Glut von Karsis",
    "Das Erbe der Aumari",
    "Der letzte Vertrag",
    "Schattentor",
    "Ebbe der Sterne",
    "Kaltes Licht",
    "Frühlicht",
    "Das gläserne Jahrhundert",
    // episodes
    "Der lange Ruf",
    "Salz und Silber",
    "Die Stunde der Brakkaner",
    "Das Schiff ohne Namen",
    "Neun Minuten Nacht",
    "Der gläserne Garten",
    "Wind, der denkt",
    "Der Preis von Merrowfeld",
    "Grenzlicht",
    "Die Rückkehr des Hegemons",
    "Zwölf Stunden auf Brakk",
    "Die Brücke aus Glas",
    "Das Siegel von Karsis",
    "Tibbos Geburtstag",
    "Das Lied der Ilvaren",
    "Der Verrat von Kelmirra",
    "Asche und Eid",
    "Meridian träumt",
    "Zweiundzwanzig Teller",
    "Amsels Entscheidung",
    "Urvass vor Gericht",
    "Der kalte Mond",
    "Sturm über Solhaven",
    "Ostermanns Heimkehr",
    "Die hundert Augen",
    "Ein Tag ohne Welle",
    "Gorrums Tochter",
    "Der Wille des Chors",
    "Sirus Lied",
    "Doppelte Kadenz",
    "Das Gericht der Neun Häuser",
    "Eisenwind",
    "Die letzte Karte",
    "Der Preis des Friedens",
    "Der Eid des Urvass",
    "Das Flackern vor dem Chor",
    "Fernes Ufer",
    "Ein Kranich lernt fliegen",
    "Abschlussflug",
    "Die Übergabe",
    "Tuuls Karte",
    "Schweigen ist eine Antwort",
    "Solhaven brennt",
    "Das tote Tor",
    "Letzte Wache",
    "Ankunft an der Schwelle",
    "Die Gilde zahlt",
    "Erste Fühlung",
    "Orr-Venus Sturm",
    "Das Ende der Quersturm",
    "Das letzte Öffnen",
    "Erster Schritt",
    "Die Schuppenleute",
    "Kaltes Erz",
    "Dornen am Horizont",
    "Eintrag Null",
    "Letzter Eintrag",
    "Ein alter Funke",
    "Sechs Stimmen",
    "Glasbruch",
    "Das Nura-Urteil",
    "Nach dem Glas",
    // music
    "Fanfare der Fernen",
    "Hymne der Grenze",
    "Schwellenlied",
    "Bis zum ersten Licht",
    "Grenzwacht - Die Suite",
    "Nachhall - Musik der Serie",
    "Fanfare der Fernen - Musik aus Velmora",
    "Das Schweigen von Orvane - Original-Filmmusik",
    "Schwellenlied - Musik aus Station Tessara",
    "Das gläserne Jahrhundert - Original-Filmmusik",
    // books, comics, magazines
    "Die Chroniken der Fernwacht",
    "Die Kinder von Merrowfeld",
    "Hassa brennt",
    "Velmora-Bildhefte",
    "Das Logbuch",
    "Bildfunk",
    "Wörterbuch Ilvarisch-Deutsch",
    // games
    "Velmora: Kadenz",
    "Velmora: Rang und Ruf",
    "Velmora: Flottenkommando",
    "Velmora: Schwellenläufer",
    "Velmora: Kranichflug",
    "Velmora - Kurs auf die Grenzwelten",
};

// Titles that are also the name of a thing in the story (the station, a
// ship, a disease, a signal ...). They are marked where they name the work;
// the checks find that use by the word before them ("die Serie ...").
const std::vector<std::string_view> kTitlesAlsoNames = {
    "Station Tessara",
    "Abendreiher",
    "Traumkammer",
    "Prismafieber",
    "Harrenstede",
    "Ysmeer",
    "Der Treck",
    "Die Aschenbrüder",
    "Der Schattenmantel",
    "Die Gläserne Hand",
    "Das Echo",
    "Der Stille Streifen",
    "Die Schlacht von Brakk",
    "Kraniche",
    "Die Schwelle",
    "Der Handel",
    "Schwellentakt",
};

// Words after which a title follows ("im Film ...", "die Folge von ...").
const std::vector<std::string_view> kTitleCues = {
    "Folge",
    "Folge von",
    "Film",
    "Kinofilm",
    "Serie",
    "Zeichentrickserie",
    "Kurzserie",
    "Vorgeschichtsserie",
    "Serienfinale von",
    "Staffelfinale von",
    "Roman",
    "Romanreihe",
    "Titelmusik",
    "Titellied",
    "Album",
    "Spiel",
    "Zeitschrift",
    "Fanmagazin",
};

bool knownTitle(std::string_view t) {
    return std::find(kTitles.begin(), kTitles.end(), t) != kTitles.end() ||
           std::find(kTitlesAlsoNames.begin(), kTitlesAlsoNames.end(), t) != kTitlesAlsoNames.end();
}

struct Span {
    std::size_t from, to;  // the text between » and «
};

// The »...« spans of a text; a mark without its partner is a fault.
std::vector<Span> markedSpans(std::string_view s, std::string& fault) {
    std::vector<Span> spans;
    std::size_t pos = 0;
    while (true) {
        const auto open = s.find(kOpen, pos);
        const auto close = s.find(kClose, pos);
        if (open == std::string_view::npos) {
            if (close != std::string_view::npos) fault = "« without »";
            break;
        }
        if (close == std::string_view::npos || close < open) {
            fault = "» without «";
            break;
        }
        const auto nested = s.find(kOpen, open + kOpen.size());
        if (nested != std::string_view::npos && nested < close) {
            fault = "» inside »...«";
            break;
        }
        spans.push_back({open + kOpen.size(), close});
        pos = close + kClose.size();
    }
    return spans;
}

bool boundaryBefore(std::string_view s, std::size_t at) {
    return at == 0 || (!wordByte(s, at - 1) && s[at - 1] != '-');
}
bool boundaryAfter(std::string_view s, std::size_t at) { return at >= s.size() || !wordByte(s, at); }

// Faults in the marking of titles in one text (a question or an answer).
std::vector<std::string> titleFaults(std::string_view text) {
    std::vector<std::string> faults;
    std::string fault;
    const auto spans = markedSpans(text, fault);
    if (!fault.empty()) return {fault};
    const auto inside = [&](std::size_t from, std::size_t to) {
        return std::any_of(spans.begin(), spans.end(), [&](const Span& sp) { return from >= sp.from && to <= sp.to; });
    };
    for (auto title : kTitles) {
        for (auto at = text.find(title); at != std::string_view::npos; at = text.find(title, at + 1)) {
            if (boundaryBefore(text, at) && boundaryAfter(text, at + title.size()) && !inside(at, at + title.size()))
                faults.push_back("title without marks: " + std::string(title));
        }
    }
    for (auto cue : kTitleCues) {
        for (auto at = text.find(cue); at != std::string_view::npos; at = text.find(cue, at + 1)) {
            const auto after = at + cue.size();
            if (!boundaryAfter(text, after) || after + 1 >= text.size() || text[after] != ' ') continue;
            // Only where the cue names one work: "im Film", "die Serie", not
            // "einem Velmora-Film" or "Vorgeschichtsserie" (its own cue).
            if (at < 2 || text[at - 1] != ' ') continue;
            const auto before = text.substr(0, at - 1);
            const auto space = before.rfind(' ');
            const auto article = before.substr(space == std::string_view::npos ? 0 : space + 1);
            static const std::set<std::string_view> articles = {"der", "die", "das", "den", "dem", "des",
                                                                "im",  "zum", "zur", "vom", "ab",  "aus"};
            if (!articles.count(article)) continue;
            const auto next = text.substr(after + 1);
            if (next.substr(0, kOpen.size()) == kOpen) continue;
            const auto b = static_cast<unsigned char>(next[0]);
            const bool capital =
                std::isupper(b) || (b == 0xC3 && next.size() > 1 && static_cast<unsigned char>(next[1]) <= 0x9E);
            if (capital) faults.push_back("title after \"" + std::string(cue) + "\" without marks");
        }
    }
    return faults;
}

TEST(CatalogueWording, TitlesStandInGuillemets) {
    for (int n = 1; n <= kCount; ++n) {
        const Entry& e = cat.entry(n);
        for (const auto& f : titleFaults(e.question)) ADD_FAILURE() << f << "\n  " << describe(e);
        std::string fault;
        for (const auto& sp : markedSpans(e.question, fault)) {
            const auto t = e.question.substr(sp.from, sp.to - sp.from);
            EXPECT_TRUE(knownTitle(t)) << "marked but not a known title: " << t << "\n  " << describe(e);
        }
        int marked = 0;
        for (auto a : e.answers) {
            for (const auto& f : titleFaults(a)) ADD_FAILURE() << f << "\n  " << describe(e);
            const bool whole = a.size() > kOpen.size() + kClose.size() && a.substr(0, kOpen.size()) == kOpen &&
                               a.substr(a.size() - kClose.size()) == kClose &&
                               a.find(kOpen, kOpen.size()) == std::string_view::npos;
            marked += whole;
            if (!whole) {
                EXPECT_EQ(a.find(kOpen), std::string_view::npos)
                    << "an answer is a title as a whole\n  " << describe(e);
            }
        }
        // Titles as answers: all four marked, or the marks alone would tell
        // the titles from the rest; distractors may be titles never made.
        EXPECT_TRUE(marked == 0 || marked == 4) << marked << " of 4 answers marked\n  " << describe(e);
        if (marked == 4) {
            const auto r = right(e);
            const auto t = r.substr(kOpen.size(), r.size() - kOpen.size() - kClose.size());
            EXPECT_TRUE(knownTitle(t)) << "the right answer is no known title: " << t << "\n  " << describe(e);
        }
    }
}

// The title check itself must catch what it is there for.
TEST(CatalogueWording, TitleCheckFindsUnmarkedTitles) {
    struct Case {
        std::string_view text;
        bool good;
    };
    const std::vector<Case> cases = {
        {"Wer führte bei \xC2\xBB"
         "Das gläserne Jahrhundert\xC2\xAB Regie?",
         true},
        {"Wer führte bei Das gläserne Jahrhundert Regie?", false},
        {"In welcher Grenzwacht-Folge beginnt der Krieg?", false},
        {"Wie heißt das Werkstattschiff im Film Unbekannt?", false},
        {"Wie viele Episoden hat die Serie \xC2\xBBStation Tessara\xC2\xAB?", true},
        {"Wie viele Episoden hat die Serie Station Tessara?", false},
        {"Welchen Durchmesser hat die Station Tessara?", true},
        {"Welche Folge der Originalserie gilt als Komödie?", true},
        {"Wer spielt in der Folge 3x15 mit?", true},
        {"Wer singt das Titellied \xC2\xBB"
         "Bis zum ersten Licht?",
         false},
        {"Wer führte als erste Frau bei einem Velmora-Film Regie?", true},
        {"Wer schrieb den Bestseller-Roman Hassa brennt?", false},
    };
    for (const auto& c : cases) EXPECT_EQ(titleFaults(c.text).empty(), c.good) << c.text;
}

// --- Quoted sentences --------------------------------------------------------

// A quoted sentence keeps ? and !, but its full stop goes when the sentence
// around it ends in a question mark: Wer sagt: "Kurs halten"?
TEST(CatalogueWording, QuotedSentencesDropTheirFullStop) {
    for (int n = 1; n <= kCount; ++n) {
        const Entry& e = cat.entry(n);
        std::vector<std::string_view> texts = {e.question};
        texts.insert(texts.end(), e.answers.begin(), e.answers.end());
        for (auto t : texts) {
            for (std::string_view end : {".\"?", ".\"!"}) {
                const auto at = t.find(end);
                EXPECT_TRUE(at == std::string_view::npos || (at > 0 && t[at - 1] == '.'))  // "..." stays
                    << describe(e);
            }
            EXPECT_EQ(std::count(t.begin(), t.end(), '"') % 2, 0) << "a quote without its end\n  " << describe(e);
        }
        if (e.question.find(": \"") != std::string_view::npos) {
            EXPECT_EQ(e.question.back(), '?') << "a question with a quote still ends in ?\n  " << describe(e);
        }
    }
}

// --- Give-aways inside one entry ---------------------------------------------

using Check = bool (*)(const Entry&);

// The right answer repeats a word (or its stem) of the question, and no
// distractor does: "Flaggschiff von Hegemon ..." - "Hegemonsfaust".
bool rightEchoesQuestion(const Entry& e) {
    const auto q = contentWords(e.question);
    int echoes = 0;
    bool rightEchoes = false;
    for (std::size_t i = 0; i < 4; ++i) {
        const bool echo = !sharedStems(q, contentWords(e.answers[i])).empty();
        echoes += echo;
        if (echo && static_cast<int>(i) == e.key - 1) rightEchoes = true;
    }
    return rightEchoes && echoes == 1;
}

// The three distractors share a word the right answer lacks: "ein Admiral
// ohne Flotte", "ein Wächter ohne Tor", "ein Händler ohne Ware" - "ein
// Gastwirt mit Rang".
bool rightBreaksSharedWord(const Entry& e) {
    std::vector<std::set<std::string>> w;
    for (auto a : e.answers) {
        const auto v = words(a);
        w.emplace_back(v.begin(), v.end());
    }
    const auto r = static_cast<std::size_t>(e.key - 1);
    std::set<std::string> common;
    bool first = true;
    for (std::size_t i = 0; i < 4; ++i) {
        if (i == r) continue;
        if (first) {
            common = w[i];
            first = false;
        } else {
            std::set<std::string> keep;
            std::set_intersection(common.begin(), common.end(), w[i].begin(), w[i].end(),
                                  std::inserter(keep, keep.end()));
            common = keep;
        }
    }
    return std::any_of(common.begin(), common.end(), [&](const std::string& x) { return !w[r].count(x); });
}

// The three distractors end alike and the right answer does not:
// "Flottenadmiralin", "Großadmiralin", "Admiralin" - "Kommodore".
bool rightBreaksSharedEnding(const Entry& e) {
    std::array<std::string, 4> last;
    for (std::size_t i = 0; i < 4; ++i) {
        const auto w = words(e.answers[i]);
        last[i] = w.empty() ? "" : w.back();
    }
    const auto r = static_cast<std::size_t>(e.key - 1);
    const auto& probe = last[(r + 1) % 4];
    for (std::size_t n = 3; n <= 6 && n < probe.size(); ++n) {
        const auto ending = probe.substr(probe.size() - n);
        bool shared = true;
        for (std::size_t i = 0; i < 4 && shared; ++i)
            if (i != r) shared = last[i].size() > n && last[i].compare(last[i].size() - n, n, ending) == 0;
        const bool rightToo = last[r].size() >= n && last[r].compare(last[r].size() - n, n, ending) == 0;
        if (shared && !rightToo) return true;
    }
    return false;
}

// Only the right answer is a single word, or only it has several.
bool rightAloneInWordCount(const Entry& e) {
    const auto several = [](std::string_view a) { return words(a).size() > 1; };
    const auto r = static_cast<std::size_t>(e.key - 1);
    int differ = 0;
    for (std::size_t i = 0; i < 4; ++i) differ += several(e.answers[i]) != several(e.answers[r]);
    return differ == 3;
}

TEST(CatalogueWording, NoRightAnswerStandsOutFromItsDistractors) {
    struct Kind {
        const char* what;
        Check check;
    };
    const std::vector<Kind> kinds = {
        {"the right answer alone repeats a word of the question", rightEchoesQuestion},
        {"the right answer alone lacks a word the distractors share", rightBreaksSharedWord},
        {"the right answer alone lacks the ending the distractors share", rightBreaksSharedEnding},
        {"the right answer alone differs in being one word or several", rightAloneInWordCount},
    };
    for (const auto& k : kinds)
        for (int n = 1; n <= kCount; ++n)
            EXPECT_FALSE(k.check(cat.entry(n))) << k.what << "\n  " << describe(cat.entry(n));
}

TEST(CatalogueWording, StandOutChecksCatchWhatTheyAreFor) {
    struct Case {
        Check check;
        Entry e;
        bool flagged;
    };
    const std::vector<Case> cases = {
        {rightEchoesQuestion,
         {1,
          "Wie heißt das Flaggschiff von Hegemon Varrek Sul?",
          {"Herrscherklinge", "Hegemonsfaust", "Dornenkrone", "Eisenhand"},
          2},
         true},
        {rightEchoesQuestion,
         {1,
          "Wie heißt das Flaggschiff von Varrek Sul?",
          {"Herrscherklinge", "Hegemonsfaust", "Dornenkrone", "Eisenhand"},
          2},
         false},
        {rightBreaksSharedWord,
         {1,
          "Was ist ein Kommodore ohne Schiff?",
          {"Ein Admiral ohne Flotte", "Ein Gastwirt mit Rang", "Ein Wächter ohne Tor", "Ein Händler ohne Ware"},
          2},
         true},
        {rightBreaksSharedWord,
         {1,
          "Was ist ein Kommodore ohne Schiff?",
          {"Ein Admiral ohne Flotte", "Ein Gastwirt mit Rang", "Ein Wächter ohne Tor", "Ein Händler ohne Ware"},
          1},
         false},
        {rightBreaksSharedEnding,
         {1, "Zu welchem Rang wird sie befördert?", {"Kommodore", "Flottenadmiralin", "Großadmiralin", "Admiralin"}, 1},
         true},
        {rightAloneInWordCount,
         {1, "Wie heißt das Palastschiff?", {"Goldene Waage", "Ewiger Handel", "Volle Truhe", "Unersättliche"}, 4},
         true},
        {rightAloneInWordCount,
         {1, "Wie heißt das Palastschiff?", {"Goldwaage", "Ewiger Handel", "Volle Truhe", "Unersättliche"}, 4},
         false},
    };
    for (const auto& c : cases) EXPECT_EQ(c.check(c.e), c.flagged) << describe(c.e);
}

// Two answers that look alike: a few letters apart ("Pellar" - "Pellun"),
// one the other plus a short ending ("Velmora" - "Velmora-A"), or one word
// on one stem with another ending ("Wellenreiter" - "Wellenfahrer").
bool lookAlike(std::string_view x, std::string_view y) {
    const auto a = lower(x), b = lower(y);
    if (std::all_of(a.begin(), a.end(),
                    [](char c) { return std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == ','; }))
        return false;
    if (editDistance(a, b) <= 2) return true;
    if (words(a).size() != words(b).size()) return false;
    const auto& s = a.size() <= b.size() ? a : b;
    const auto& l = a.size() <= b.size() ? b : a;
    if (l.size() - s.size() <= 4 &&
        (l.compare(0, s.size(), s) == 0 || l.compare(l.size() - s.size(), s.size(), s) == 0))
        return true;
    if (a.find(' ') == std::string::npos && b.find(' ') == std::string::npos) {
        std::size_t p = 0;
        while (p < std::min(a.size(), b.size()) && a[p] == b[p]) ++p;
        const auto d = a.size() > b.size() ? a.size() - b.size() : b.size() - a.size();
        if (chars(a.substr(0, p)) >= 6 && d <= 2) return true;
    }
    return false;
}

// A lone look-alike pair is no give-away in itself; it is one when players
// learn that the right answer is usually one of the pair. So among the
// entries with exactly one such pair, the pair may hold the right answer
// little more often than not.
TEST(CatalogueWording, LookAlikePairsDoNotPointToTheRightAnswer) {
    int holding = 0, notHolding = 0;
    std::string list;
    for (int n = 1; n <= kCount; ++n) {
        const Entry& e = cat.entry(n);
        std::vector<std::pair<std::size_t, std::size_t>> pairs;
        for (std::size_t i = 0; i < 4; ++i)
            for (std::size_t j = i + 1; j < 4; ++j)
                if (lookAlike(e.answers[i], e.answers[j])) pairs.emplace_back(i, j);
        if (pairs.size() != 1) continue;
        const auto r = static_cast<std::size_t>(e.key - 1);
        const bool holds = pairs[0].first == r || pairs[0].second == r;
        (holds ? holding : notHolding) += 1;
        list += "\n  " + std::string(holds ? "holds " : "misses ") + describe(e);
    }
    EXPECT_LE(holding, notHolding + 2) << list;
}

// --- Give-aways between entries ----------------------------------------------

// How many questions use a word (or its stem); subject words are rare.
class Rarity {
public:
    Rarity() {
        for (int n = 1; n <= kCount; ++n) words_.push_back(contentWords(cat.entry(n).question));
    }
    int questionsWith(const std::string& w) const {
        return static_cast<int>(std::count_if(words_.begin(), words_.end(), [&](const std::set<std::string>& s) {
            return std::any_of(s.begin(), s.end(), [&](const std::string& x) { return sameStem(w, x); });
        }));
    }
    // Stems the two questions share that stand in at most limit questions.
    std::set<std::string> rareShared(std::string_view a, std::string_view b, int limit = 4) const {
        std::set<std::string> out;
        for (const auto& s : sharedStems(contentWords(a), contentWords(b)))
            if (questionsWith(s) <= limit) out.insert(s);
        return out;
    }

private:
    std::vector<std::set<std::string>> words_;
};

std::string joined(const std::set<std::string>& s) {
    std::string out;
    for (const auto& x : s) out += (out.empty() ? "" : ", ") + x;
    return out;
}

// Another question names an answer of this entry together with a rare word
// of this entry's question: it states the right answer ("Kommodore
// Eskildsen" beside "Welchen Rang hat Halvar Eskildsen?") or ties a
// distractor to something else ("die Romanreihe aus dem Sternpfad Verlag"
// beside "In welchem Verlag erschienen die Bildhefte?").
// Not caught: a hint by meaning without a shared word, and a rare word
// spelt differently in the two questions.
struct CrossException {
    int entry, other;
    const char* reason;
};
const std::vector<CrossException> kNamedElsewhereExceptions = {
    {165, 26, "26 calls three of the four answers of 165 Hegemon, so the word leaves two of them"},
};
const std::vector<CrossException> kRuledOutExceptions = {
    {23, 29, "29 asks the number of episodes of \xC2\xBBStation Tessara\xC2\xAB without giving it"},
    {298, 290, "290 dates the Quorin conflict, but neither question dates the founding of the secret service"},
    {367, 354, "an episode Malik Ostheimer wrote does not keep him from having written a novel"},
};

bool excepted(const std::vector<CrossException>& list, int entry, int other) {
    return std::any_of(list.begin(), list.end(),
                       [&](const CrossException& x) { return x.entry == entry && x.other == other; });
}

TEST(CatalogueWording, NoQuestionGivesAwayAnotherEntry) {
    const Rarity rarity;
    for (int i = 1; i <= kCount; ++i) {
        const Entry& a = cat.entry(i);
        for (std::size_t k = 0; k < 4; ++k) {
            const auto answer = core(a.answers[k]);
            if (chars(answer) < 4) continue;
            const bool isRight = static_cast<int>(k) == a.key - 1;
            for (int j = 1; j <= kCount; ++j) {
                const Entry& b = cat.entry(j);
                if (i == j || !containsWords(b.question, answer)) continue;
                const auto shared = rarity.rareShared(a.question, b.question);
                if (shared.empty() || (!isRight && excepted(kRuledOutExceptions, i, j))) continue;
                ADD_FAILURE() << "question " << j
                              << (isRight ? " states the right answer of " : " rules out a distractor of ") << i
                              << " (shared: " << joined(shared) << ")\n  " << describe(a) << "\n  " << describe(b);
            }
        }
    }
}

// An answer of another entry names this entry's right answer together with
// a rare word of this entry's question: "Signe Eskildsen" among the answers
// of one entry tells "Wie heißt die Tochter von Halvar Eskildsen?".
TEST(CatalogueWording, NoAnswerGivesAwayAnotherEntry) {
    const Rarity rarity;
    for (int i = 1; i <= kCount; ++i) {
        const Entry& a = cat.entry(i);
        const auto answer = core(right(a));
        if (chars(answer) < 4) continue;
        const auto named = words(answer);
        const auto question = contentWords(a.question);
        for (int j = 1; j <= kCount; ++j) {
            if (i == j) continue;
            for (auto other : cat.entry(j).answers) {
                if (core(other) == answer || !containsWords(other, answer)) continue;
                std::string rest;
                for (const auto& w : words(other))
                    if (std::find(named.begin(), named.end(), w) == named.end()) rest += w + " ";
                std::set<std::string> shared;
                for (const auto& s : sharedStems(question, contentWords(rest, 4)))
                    if (rarity.questionsWith(s) <= 4) shared.insert(s);
                if (shared.empty() || excepted(kNamedElsewhereExceptions, i, j)) continue;
                ADD_FAILURE() << "the answer \"" << other << "\" of " << j << " names the right answer of " << i
                              << " with \"" << joined(shared) << "\"\n  " << describe(a);
            }
        }
    }
}

// Two entries with the same right answer whose questions share two words,
// one of them rare, ask one fact twice: "Wer spricht per Lichtmelodie mit
// dem Chor?" and "Wer komponierte die Melodie, mit der die Velmora zum
// Chor sprach?".
TEST(CatalogueWording, NoFactAskedTwice) {
    std::vector<std::set<std::string>> w;
    for (int n = 1; n <= kCount; ++n) w.push_back(contentWords(cat.entry(n).question, 4));
    const auto related = [](const std::string& x, const std::string& y) {
        if (x == y) return true;
        const auto& s = x.size() <= y.size() ? x : y;
        const auto& l = x.size() <= y.size() ? y : x;
        return chars(s) >= 4 && (l.compare(0, s.size(), s) == 0 || l.compare(l.size() - s.size(), s.size(), s) == 0);
    };
    const auto questionsWith = [&](const std::string& t) {
        return std::count_if(w.begin(), w.end(), [&](const std::set<std::string>& s) {
            return std::any_of(s.begin(), s.end(), [&](const std::string& x) { return related(t, x); });
        });
    };
    for (int i = 1; i <= kCount; ++i) {
        for (int j = i + 1; j <= kCount; ++j) {
            const Entry& a = cat.entry(i);
            const Entry& b = cat.entry(j);
            if (core(right(a)) != core(right(b))) continue;
            std::set<std::string> shared;
            for (const auto& x : w[static_cast<std::size_t>(i - 1)])
                for (const auto& y : w[static_cast<std::size_t>(j - 1)])
                    if (related(x, y)) shared.insert(x);
            const bool rare =
                std::any_of(shared.begin(), shared.end(), [&](const std::string& t) { return questionsWith(t) <= 4; });
            EXPECT_FALSE(shared.size() >= 2 && rare)
                << "entries " << i << " and " << j << " ask one fact (shared: " << joined(shared) << ")\n  "
                << describe(a) << "\n  " << describe(b);
        }
    }
}

// --- Numbers -------------------------------------------------------------------

// Entries whose four answers are one pattern around a number ("48", "Kadenz
// 6", "1,4 km", "1986 bis 1992"): the value of each answer, by its first
// number. Dates ("Der 7. Oktober") differ in more than the number and are
// left out.
struct Quantities {
    const Entry* entry;
    std::array<double, 4> values;
    bool bare;  // every answer is a number and nothing else
};

std::vector<Quantities> quantityEntries() {
    std::vector<Quantities> out;
    for (int n = 1; n <= kCount; ++n) {
        const Entry& e = cat.entry(n);
        Quantities q{&e, {}, true};
        std::set<std::string> patterns;
        bool all = true;
        for (std::size_t i = 0; i < 4 && all; ++i) {
            const auto a = e.answers[i];
            std::string pattern, first;
            bool inNumber = false, seen = false;
            for (std::size_t c = 0; c < a.size(); ++c) {
                const bool digit = std::isdigit(static_cast<unsigned char>(a[c])) != 0;
                const bool sep = (a[c] == '.' || a[c] == ',') && inNumber && c + 1 < a.size() &&
                                 std::isdigit(static_cast<unsigned char>(a[c + 1]));
                if (digit || sep) {
                    if (!inNumber) pattern += '#';
                    if (!seen && digit) first += a[c];
                    if (!seen && a[c] == ',') first += '.';  // decimal comma; a full stop groups thousands
                    inNumber = true;
                } else {
                    if (inNumber) seen = true;
                    inNumber = false;
                    pattern += a[c];
                }
            }
            if (first.empty()) all = false;
            patterns.insert(pattern);
            q.values[i] = first.empty() ? 0 : std::strtod(first.c_str(), nullptr);
            q.bare = q.bare && pattern == "#";
        }
        if (all && patterns.size() == 1) out.push_back(q);
    }
    return out;
}

// Numbers stand in ascending order, so their place tells nothing that the
// key does not; a right value out of order among ordered distractors is the
// give-away.
TEST(CatalogueWording, NumbersStandInAscendingOrder) {
    const auto entries = quantityEntries();
    EXPECT_GE(entries.size(), 30u) << "the number entries are found";
    for (const auto& q : entries)
        EXPECT_TRUE(std::is_sorted(q.values.begin(), q.values.end()) &&
                    std::adjacent_find(q.values.begin(), q.values.end()) == q.values.end())
            << describe(*q.entry);
}

// The right value is the smallest, the second, the third or the largest
// about equally often, so "never the smallest" wins nothing.
TEST(CatalogueWording, RightValueTakesEveryRankAlike) {
    std::map<bool, std::array<int, 4>> ranks{{true, {}}, {false, {}}};
    std::map<bool, int> count;
    for (const auto& q : quantityEntries()) {
        const double v = q.values[static_cast<std::size_t>(q.entry->key - 1)];
        const auto rank = std::count_if(q.values.begin(), q.values.end(), [&](double x) { return x < v; });
        for (bool set : {true, false}) {
            if (set && !q.bare) continue;
            ++ranks[set][static_cast<std::size_t>(rank)];
            ++count[set];
        }
    }
    for (bool bare : {true, false}) {
        const auto& r = ranks[bare];
        const int least = count[bare] / 6;  // two thirds below an even share
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_GE(r[i], least) << (bare ? "bare numbers" : "all numbers") << ": the right value is number " << i + 1
                                   << " of 4 in " << r[i] << " of " << count[bare] << " entries (" << r[0] << "/"
                                   << r[1] << "/" << r[2] << "/" << r[3] << ")";
    }
}

}  // namespace
}  // namespace quiz::test
