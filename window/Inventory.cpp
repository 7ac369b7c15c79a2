// The controls of frmmain2dot0: kind, caption or text, start state, tab stop,
// geometry in twips, fonts and colours, and the name a screen reader says.
#include "window/Inventory.h"

#include <stdexcept>

namespace quiz {
namespace {

constexpr Rgb lightBlue{192, 192, 255};
constexpr Rgb yellow{255, 255, 0};
constexpr Rgb blue{0, 0, 255};
constexpr Rgb red{255, 0, 0};

Font sans(double points, int weight = 400) { return {"MS Sans Serif", points, weight, false}; }

// A graphical button: light blue, its picture above the caption.
ControlDesign graphical(std::string caption, Rect r, Font f, std::string icon, std::string a11y) {
    ControlDesign s;
    s.text = std::move(caption);
    s.backColor = lightBlue;
    s.look = {r, std::move(f), true, std::nullopt, std::move(icon), std::move(a11y)};
    return s;
}

// One of the invisible buttons whose Click the logic calls as a procedure.
ControlDesign procedure(std::string caption, Rect r, double points) {
    ControlDesign s;
    s.text = std::move(caption);
    s.visible = false;
    s.look = {r, sans(points), false, std::nullopt, {}, {}};
    return s;
}

// A text box: locked and without tab stop unless changed afterwards.
ControlDesign box(Rect r, Font f, std::string a11y, bool multiLine = false) {
    ControlDesign s;
    s.backColor = Rgb::white();
    s.multiLine = multiLine;
    s.look = {r, std::move(f), false, std::nullopt, {}, std::move(a11y)};
    return s;
}

ControlDesign hidden(ControlDesign s) {
    s.visible = false;
    return s;
}

ControlDesign combo(std::vector<std::string> items, Rect r, std::string a11y) {
    ControlDesign s;
    s.items = std::move(items);
    s.backColor = Rgb::white();
    s.look = {r, sans(24), false, std::nullopt, {}, std::move(a11y)};
    return s;
}

// A label is read out by its caption unless two would sound alike.
ControlDesign label(std::string caption, Rect r, Font f, Rgb colour, bool visible = true, std::string a11y = {}) {
    ControlDesign s;
    s.text = caption;
    s.visible = visible;
    s.look = {r, std::move(f), false, colour, {}, a11y.empty() ? std::move(caption) : std::move(a11y)};
    return s;
}

ControlDesign image(std::string picture, Rect r, bool visible, std::string a11y) {
    ControlDesign s;
    s.picture = std::move(picture);
    s.visible = visible;
    s.look = {r, {}, false, std::nullopt, {}, std::move(a11y)};
    return s;
}

ControlDesign answerButton(const std::string& digit, Rect r) {
    ControlDesign s = graphical(digit, r, sans(9.75, 700), {}, "Antwort " + digit + " wählen");
    s.enabled = false;
    return s;
}

const std::vector<ControlSpec>& table() {
    static const std::vector<ControlSpec> specs = {
        {"cmdstart", ControlKind::Button,
         [] {
             auto s = graphical("Start", {240, 6360, 735, 735}, sans(8.25), "start", "Start");
             s.isDefault = true;
             return s;
         }()},
        {"cmdneu", ControlKind::Button, graphical("Neu", {240, 5400, 735, 735}, sans(13.5), "neu", "Neues Spiel")},
        {"cmdnext", ControlKind::Button,
         [] {
             auto s = graphical("Nächste Frage (Mausklick irgendwohin)", {6960, 600, 1335, 615}, sans(8.25), "next",
                                "Nächste Frage");
             s.enabled = false;
             s.visible = false;
             return s;
         }()},
        {"cmdanta", ControlKind::Button, answerButton("1", {3720, 960, 495, 495})},
        {"cmdantb", ControlKind::Button, answerButton("2", {3840, 1560, 495, 495})},
        {"cmdantc", ControlKind::Button, answerButton("3", {3960, 2160, 495, 495})},
        {"cmdantd", ControlKind::Button, answerButton("4", {4080, 2760, 495, 495})},
        {"cmdanleit", ControlKind::Button,
         [] {
             auto s =
                 graphical("Spielanleitung", {5400, 0, 2895, 570}, {"Papyrus", 18, 700, false}, {}, "Spielanleitung");
             s.tabStop = true;
             return s;
         }()},
        {"cmdinfo", ControlKind::Button,
         graphical("i", {11280, 0, 615, 570}, {"VAG Round", 24, 400, false}, {}, "Info")},
        {"cmdbg", ControlKind::Button,
         graphical("Hintergrund wählen...", {240, 7800, 2055, 735}, sans(8.25), "bg", "Hintergrund wählen")},
        {"cmdende", ControlKind::Button, graphical("Ende", {9720, 7800, 2055, 735}, sans(8.25), "ende", "Ende")},
        {"cmdauswert", ControlKind::Button, procedure("A", {5400, 0, 855, 615}, 24)},
        {"cmdbadanswer", ControlKind::Button, procedure("B", {5400, 600, 855, 555}, 24)},
        {"cmdupdate", ControlKind::Button, procedure("U", {6240, 600, 735, 555}, 24)},
        {"cmdwahl", ControlKind::Button, procedure("W", {6240, 0, 1095, 615}, 24)},
        {"cmdtimer", ControlKind::Button, procedure("T", {7320, 0, 975, 615}, 24)},
        {"cmdfocus", ControlKind::Button, procedure("F", {4920, -120, 495, 870}, 8.25)},
        {"txtfrage", ControlKind::TextBox, box({240, 1320, 2415, 1095}, sans(8.25, 700), "Frage", true)},
        {"txtanta", ControlKind::TextBox, box({4320, 960, 2775, 495}, sans(8.25, 700), "Antwort 1", true)},
        {"txtantb", ControlKind::TextBox, box({4440, 1560, 2775, 495}, sans(8.25, 700), "Antwort 2", true)},
        {"txtantc", ControlKind::TextBox, box({4560, 2160, 2775, 495}, sans(8.25, 700), "Antwort 3", true)},
        {"txtantd", ControlKind::TextBox, box({4680, 2760, 2895, 495}, sans(8.25, 700), "Antwort 4", true)},
        {"txterg", ControlKind::TextBox, box({8400, 0, 2775, 555}, sans(18), "Ergebnis")},
        {"txtanz", ControlKind::TextBox, box({5880, 3840, 1095, 435}, sans(13.5), "Beantwortete Fragen")},
        {"txtzeit", ControlKind::TextBox,
         [] {
             auto s = box({10320, 2280, 975, 615}, sans(24), "Verbleibende Zeit");
             s.text = "=/\\=";
             return s;
         }()},
        {"txtdran", ControlKind::TextBox, box({8520, 720, 1575, 495}, sans(13.5), "Am Zug")},
        {"txtpunkte", ControlKind::TextBox, box({3240, 5880, 975, 390}, sans(13.5), "Punkte Spieler 1")},
        {"txtpunkte2", ControlKind::TextBox, hidden(box({5880, 5880, 1095, 420}, sans(13.5), "Punkte Spieler 2"))},
        {"txtpunkte3", ControlKind::TextBox, hidden(box({8520, 5880, 1095, 435}, sans(13.5), "Punkte Spieler 3"))},
        {"txtprozent", ControlKind::TextBox, box({3120, 6480, 1215, 465}, sans(13.5), "Prozent Spieler 1")},
        {"txtprozent2", ControlKind::TextBox, hidden(box({5760, 6480, 1335, 465}, sans(13.5), "Prozent Spieler 2"))},
        {"txtprozent3", ControlKind::TextBox, hidden(box({8400, 6480, 1335, 540}, sans(13.5), "Prozent Spieler 3"))},
        {"txthit", ControlKind::TextBox,
         [] {
             auto s = box({10560, 8040, 225, 375}, sans(8.25), "Buzzer-Tasten");
             s.locked = false;
             return s;
         }()},
        {"txthit2", ControlKind::TextBox,
         [] {
             auto s = box({10200, 8040, 225, 375}, {"Small Fonts", 2.25, 400, false}, "Antworttasten");
             s.locked = false;
             s.enabled = false;
             s.tabStop = true;
             return s;
         }()},
        {"cbofragen", ControlKind::ComboBox,
         combo({"10", "15", "20", "25", "35", "50"}, {240, 3000, 1335, 675}, "Anzahl Fragen")},
        {"cbospieler", ControlKind::ComboBox, combo({"1", "2", "3"}, {1800, 3000, 735, 675}, "Anzahl Spieler")},
        {"cbotime", ControlKind::ComboBox,
         combo({"5", "10", "15", "20", "30", "Kein"}, {240, 4320, 1335, 675}, "Zeitlimit in Sekunden")},
        {"lblfrage", ControlKind::Label, label("Frage:", {240, 600, 1815, 855}, sans(24), yellow)},
        {"lblanzfragen", ControlKind::Label, label("Fragen:", {240, 2520, 1335, 495}, sans(13.5, 700), blue)},
        {"lblspieleranz", ControlKind::Label, label("Spieler:", {1800, 2520, 1215, 495}, sans(13.5, 700), blue)},
        {"lbllimit", ControlKind::Label, label("Zeitlimit:", {240, 3840, 1215, 375}, sans(13.5, 700), blue)},
        {"lblanz", ControlKind::Label,
         label("Fragen:", {4680, 3840, 1335, 615}, sans(13.5, 700), yellow, true, "Fragen bisher:")},
        {"lblrestzeit", ControlKind::Label,
         label("Verbleibende Zeit:", {9720, 1920, 1815, 615}, {"Arial", 14.25, 400, false}, yellow)},
        {"lblpunkte", ControlKind::Label,
         label("Punkte:", {1320, 5760, 1575, 615}, {"Papyrus", 21.75, 400, false}, blue)},
        {"lblprozent", ControlKind::Label,
         label("Prozent:", {1200, 6480, 1935, 855}, {"Papyrus", 21.75, 400, false}, blue)},
        {"lbls1", ControlKind::Label,
         label("1", {3600, 5040, 495, 615}, {"Viner Hand ITC", 27.75, 700, false}, yellow)},
        {"lbls2", ControlKind::Label,
         label("2", {6240, 5160, 495, 615}, {"Bookman Old Style", 27.75, 600, false}, red, false)},
        {"lbls3", ControlKind::Label,
         label("3", {8880, 5160, 495, 615}, {"Haettenschweiler", 27.75, 800, true}, blue, false)},
        {"imgspieler1", ControlKind::Image,
         image("spieler1.jpg", {10200, 720, 1500, 1125}, false, "Spieler 1 ist am Zug")},
        {"imgspieler2", ControlKind::Image,
         image("spieler2.jpg", {10200, 720, 1500, 1125}, false, "Spieler 2 ist am Zug")},
        {"imgspieler3", ControlKind::Image,
         image("spieler3.jpg", {10200, 720, 1500, 1125}, false, "Spieler 3 ist am Zug")},
        {"imgback", ControlKind::Image, image({}, {0, 0, 12015, 9015}, true, "Hintergrund")},
    };
    return specs;
}

}  // namespace

const std::vector<ControlSpec>& Inventory::all() { return table(); }

const ControlSpec& Inventory::of(std::string_view name) {
    for (const ControlSpec& s : table())
        if (s.name == name) return s;
    throw std::logic_error("no control named " + std::string(name));
}

}  // namespace quiz
