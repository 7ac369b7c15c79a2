#include "qt/QtMainView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QIcon>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QTimer>
#include <cmath>

#include "qt/QtButton.h"
#include "qt/QtControlPresenter.h"
#include "qt/QtFonts.h"
#include "qt/QtInputFilter.h"
#include "qt/QtPlatform.h"
#include "window/MainWindow.h"

namespace quiz {
namespace {

double screenDpi() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->logicalDotsPerInch() : 96.0;
}

}  // namespace

QtMainView::QtMainView(MainWindow& window, QtPlatform& platform)
    : window_(window),
      platform_(platform),
      scale_(screenDpi(), {}, screenDpi()),
      dispatcher_(window, platform.input()),
      screenDpi_(screenDpi()) {
    setObjectName(QString::fromLatin1(MainWindow::name));
    setWindowTitle(QString::fromStdString(window.caption()));
    resize(scale_.px(MainWindow::clientWidth), scale_.px(MainWindow::clientHeight));
    // A quarter of the design's size is the least that still shows anything.
    setMinimumSize(scale_.px(MainWindow::clientWidth) / 4, scale_.px(MainWindow::clientHeight) / 4);
    setFocusPolicy(Qt::NoFocus);
    // paintEvent covers every pixel: Qt need not fill the window first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QString::fromStdString(window.caption()));

    // The window's own font is the program's: widgets are born with it, so
    // none lays itself out in another font first, and the message boxes use
    // it too. No other font is then loaded at all.
    QApplication::setFont(QtFonts::font(Font{}, scale_.fontFactor()));
    for (Control* c : window.controls()) {
        auto p = std::make_unique<QtControlPresenter>(*c, this, scale_, platform.pictures());
        byControl_[c] = p.get();
        presenters_.push_back(std::move(p));
    }
    stackWidgets();
    connectCombos();
    connectButtons();

    platform.attach(window, this);
    platform.input().onFed = [this](const RawInput& in) { inputFed(in); };
    filter_ = std::make_unique<QtInputFilter>(*this, window, platform.input(), dispatcher_, scale_);
    filter_->pressedLook = [this](const Control* c) { setPressedLook(c); };
    filter_->toggleFullScreen = [this] { toggleFullScreen(); };
    qApp->installEventFilter(filter_.get());
    window.addObserver(this);
    showFocus(window.focus());
}

QtMainView::~QtMainView() {
    window_.removeObserver(this);
    qApp->removeEventFilter(filter_.get());
    platform_.input().onFed = nullptr;
}

QWidget* QtMainView::widgetOf(const Control& c) const {
    auto it = byControl_.find(&c);
    return it == byControl_.end() ? nullptr : it->second->widget();
}

// Qt draws later siblings above earlier ones: raise from the bottom of the
// model's stacking to its top.
void QtMainView::stackWidgets() {
    const std::vector<Control*>& order = window_.stacking();
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        if (QWidget* w = widgetOf(**it)) w->raise();
}

// Picking an item of an open list is raw input like any other.
void QtMainView::connectCombos() {
    for (const auto& p : presenters_) {
        QComboBox* combo = p->combo();
        if (!combo) continue;
        const Control* c = &p->control();
        QtControlPresenter* presenter = p.get();
        connect(combo, &QComboBox::activated, this, [this, c, combo, presenter](int index) {
            platform_.input().push(RawInput::pick(c->name(), combo->itemText(index).toStdString()));
            // Until the model takes the pick, the box shows the model's Text.
            presenter->apply(Property::Text);
            dispatcher_.schedule();
        });
    }
}

// Mouse and keys never reach a button, so Qt clicks one only for a screen
// reader's "press" action. That becomes a click of the mouse on the button's
// centre, raw input like any other, for the model to decide.
void QtMainView::connectButtons() {
    for (const auto& p : presenters_) {
        QtButton* button = p->button();
        if (!button) continue;
        const Control* c = &p->control();
        connect(button, &QAbstractButton::clicked, this, [this, c] {
            const Rect& r = c->look().rect;
            if (window_.hitTest(r.centreX(), r.centreY()) != c) return;
            platform_.input().push(RawInput::press(r.centreX(), r.centreY()));
            platform_.input().push(RawInput::release(r.centreX(), r.centreY()));
            dispatcher_.schedule();
        });
    }
}

void QtMainView::typeKey(int code) {
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) return;
    platform_.input().push(RawInput::keyTyped(code));
    dispatcher_.schedule();
}

void QtMainView::showCentred() {
    if (const QScreen* s = screen()) {
        // Room for a window manager's frame, which is not known before the
        // window is shown.
        const QRect area = s->availableGeometry();
        const QSize room = area.size() - QSize(0, frameAllowance);
        const QSize design(scale_.px(MainWindow::clientWidth), scale_.px(MainWindow::clientHeight));
        if (design.width() > room.width() || design.height() > room.height()) {
            const QtScale fits = QtScale::fitting(room, screenDpi_);
            resize(fits.px(MainWindow::clientWidth), fits.px(MainWindow::clientHeight));
        }
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    setWindowIcon(QIcon(QPixmap::fromImage(platform_.pictures().builtIn("icon.png"))));
    show();
    raise();
    activateWindow();
    showFocus(window_.focus());
    // Whatever the Load handler left in the model's queue.
    dispatcher_.schedule();
}

void QtMainView::propertyChanged(const Control& control, Property what) {
    auto it = byControl_.find(&control);
    if (it != byControl_.end()) it->second->apply(what);
}

void QtMainView::focusMoved(const Control* control) { showFocus(control); }

void QtMainView::showFocus(const Control* control) {
    QWidget* w = control ? widgetOf(*control) : nullptr;
    // The style draws the focus only once the keyboard has moved it; here
    // it is always visible. No Tab as the reason: a text box would then
    // select all its text.
    setAttribute(Qt::WA_KeyboardFocusChange);
    if (w && w->isEnabled())
        w->setFocus(Qt::OtherFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}

// A press that the model routes to an enabled combo box opens its list, after
// the model has taken the press (and given the box the focus).
void QtMainView::inputFed(const RawInput& in) {
    if (in.type != RawInput::Type::Press || MainWindow::outside(in.x, in.y)) return;
    const Control* hit = window_.hitTest(in.x, in.y);
    if (!hit || hit->kind() != ControlKind::ComboBox) return;
    QTimer::singleShot(0, this, [this, hit] { openList(hit); });
}

void QtMainView::openList(const Control* combo) {
    if (!combo->enabled() || !combo->visible() || window_.ended()) return;
    auto it = byControl_.find(combo);
    if (it == byControl_.end() || !it->second->combo()) return;
    if (QGuiApplication::mouseButtons() & Qt::LeftButton) filter_->expectListRelease();
    it->second->combo()->showPopup();
}

void QtMainView::setPressedLook(const Control* button) {
    if (button == pressed_) return;
    if (pressed_)
        if (QtButton* b = byControl_.at(pressed_)->button()) b->setPressedLook(false);
    pressed_ = button;
    if (pressed_)
        if (QtButton* b = byControl_.at(pressed_)->button()) b->setPressedLook(true);
}

// Without a window manager nobody carries out the full-screen state, so the
// window also takes the whole screen itself, and gives it back.
void QtMainView::toggleFullScreen() {
    if (isFullScreen()) {
        showNormal();
        if (!normalGeometry_.isNull()) setGeometry(normalGeometry_);
        return;
    }
    normalGeometry_ = geometry();
    showFullScreen();
    if (const QScreen* s = screen()) setGeometry(s->geometry());
}

void QtMainView::resizeEvent(QResizeEvent*) {
    const QtScale fits = QtScale::fitting(size(), screenDpi_);
    if (fits != scale_) rescale(fits);
}

void QtMainView::rescale(const QtScale& scale) {
    scale_ = scale;
    // The boxes and the file dialog take the program's font: as large as the window's.
    QApplication::setFont(QtFonts::font(Font{}, scale_.fontFactor()));
    for (const auto& p : presenters_) p->applyScale();
    scaledBackground_ = QPixmap();
    update();
}

void QtMainView::paintEvent(QPaintEvent*) {
    if (!painted_) {
        painted_ = true;
        // Taken only now: it may still be decoding while the window is built.
        background_ = platform_.pictures().builtIn("background.jpg");
        // Posted: the frame goes to the screen when this paint has returned.
        QTimer::singleShot(0, this, [this] {
            if (afterFirstFrame) afterFirstFrame();
        });
    }
    // 800 x 600 pixels at 96 DPI from the top-left corner of the client area,
    // scaled with it; the window's colour where the picture does not reach,
    // black in the margins around the client area.
    const QRect client = scale_.client();
    const QRect picture(client.topLeft(), QSize(static_cast<int>(std::lround(background_.width() * scale_.factor())),
                                                static_cast<int>(std::lround(background_.height() * scale_.factor()))));
    if (scaledBackground_.isNull() && !background_.isNull())
        scaledBackground_ =
            QPixmap::fromImage(background_.scaled(picture.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    QPainter p(this);
    for (const QRect& margin : QRegion(rect()).subtracted(client)) p.fillRect(margin, Qt::black);
    for (const QRect& bare : QRegion(client).subtracted(picture)) p.fillRect(bare, palette().color(QPalette::Window));
    p.setClipRect(client);
    if (!scaledBackground_.isNull()) p.drawPixmap(picture.topLeft(), scaledBackground_);
}

// The frame's close: the model decides (and ends the program itself).
void QtMainView::closeEvent(QCloseEvent* event) {
    event->ignore();
    platform_.input().push(RawInput::close());
    dispatcher_.schedule();
}

}  // namespace quiz
