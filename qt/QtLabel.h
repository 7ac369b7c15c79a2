#pragma once
#include <QLabel>

namespace quiz {

// A label of the window: plain text on a transparent ground, wrapped at word
// boundaries. When the window asks for a heavier weight than the installed
// stand-in of its font has (the "3" of player three is extra bold, 800,
// and the free condensed faces stop at bold, 700), the glyphs are drawn
// with their outline widened by the missing weight: real emboldening, sharp
// at every size.
class QtLabel : public QLabel {
public:
    explicit QtLabel(QWidget* parent);
    void setWeight(int weight);
    // How much wider than its font the outline is drawn, in pixels; 0 when
    // the font itself has the weight.
    double emboldening() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int weight_ = 400;
};

}  // namespace quiz
