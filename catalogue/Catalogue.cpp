#include "Catalogue.h"

#include <string>

#include "window/MainWindow.h"

namespace quiz {

void Catalogue::show(int n, MainWindow& w, Int16& answerKey) const {
    const Entry& e = entry(n);
    w.txtfrage.setText(std::string(e.question));
    w.txtanta.setText(std::string(e.answers[0]));
    w.txtantb.setText(std::string(e.answers[1]));
    w.txtantc.setText(std::string(e.answers[2]));
    w.txtantd.setText(std::string(e.answers[3]));
    answerKey = e.key;
}

}  // namespace quiz
