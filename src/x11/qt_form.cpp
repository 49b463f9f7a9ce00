#include "x11/qt_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "base/rounding.h"
#include "raster/placement.h"

namespace {

// How long after showing the window a frame from the window manager is waited for, and how often
// it is looked for; without a window manager there is none.
constexpr int FrameWaitMs = 2000;
constexpr int FrameLookMs = 20;

// How much of a window must lie on a monitor's work area for the user to see and grab it.
constexpr std::int32_t GrabbablePixels = 32;

const QColor MeasuringLineColor(128, 128, 128);

PixelRect ToPixelRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

Modifiers ModifiersOf(Qt::KeyboardModifiers held) {
    Modifiers modifiers = Modifiers::NoModifier;
    if (held & Qt::ShiftModifier) {
        modifiers |= Modifiers::Shift;
    }
    if (held & Qt::ControlModifier) {
        modifiers |= Modifiers::Ctrl;
    }
    if (held & Qt::AltModifier) {
        modifiers |= Modifiers::Alt;
    }
    return modifiers;
}

Key KeyOf(int key) {
    switch (key) {
        case Qt::Key_F1:
            return Key::F1;
        case Qt::Key_F4:
            return Key::F4;
        case Qt::Key_Menu:
            return Key::ContextMenu;
        default:
            return Key::Other;
    }
}

Buttons ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return Buttons::Left;
        case Qt::RightButton:
            return Buttons::Right;
        case Qt::MiddleButton:
            return Buttons::Middle;
        default:
            return Buttons::NoButton;
    }
}

}  // namespace

// The widget only routes Qt's events to the form, and moves the window itself where no window
// manager takes a drag.
class ViewWidget : public QWidget {
  public:
    explicit ViewWidget(QtForm& form) : form_(form) {
        setAttribute(Qt::WA_OpaquePaintEvent);  // the image covers the whole client area
        setFocusPolicy(Qt::StrongFocus);
    }

    void StartOwnMove() {
        moveFrom_ = QCursor::pos();
        windowFrom_ = pos();
        ownMove_ = true;
        grabMouse();
    }

  protected:
    void paintEvent(QPaintEvent*) override { form_.OnPaint(); }
    void resizeEvent(QResizeEvent*) override { form_.OnResized(); }
    void moveEvent(QMoveEvent*) override { form_.OnGeometryKnown(); }
    void mousePressEvent(QMouseEvent* event) override {
        const Buttons button = ButtonOf(event->button());
        if (button != Buttons::NoButton && form_.events_ != nullptr) {
            form_.events_->OnMouseDown(button, ModifiersOf(event->modifiers()));
        }
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (ownMove_) {
            move(windowFrom_ + (event->globalPosition().toPoint() - moveFrom_));
        }
    }
    void mouseReleaseEvent(QMouseEvent*) override {
        if (ownMove_) {
            ownMove_ = false;
            releaseMouse();
        }
    }
    // A second press is a double click, which does nothing of its own.
    void mouseDoubleClickEvent(QMouseEvent*) override {}
    // The right button and the context-menu key open the menu on their own press; the
    // context-menu event that follows them must not open it a second time.
    void contextMenuEvent(QContextMenuEvent* event) override { event->accept(); }
    void keyPressEvent(QKeyEvent* event) override {
        if (form_.events_ != nullptr) {
            form_.events_->OnKeyDown(KeyOf(event->key()), ModifiersOf(event->modifiers()));
        }
    }
    void closeEvent(QCloseEvent* event) override {
        form_.ReportClosing();
        event->accept();
    }

  private:
    QtForm& form_;
    bool ownMove_ = false;
    QPoint moveFrom_;
    QPoint windowFrom_;
};

QtForm::QtForm(int dpi) : widget_(std::make_unique<ViewWidget>(*this)), surface_(dpi) {
    widget_->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    widget_->winId();  // the native window exists from now on, so that its flags can change
    tracking_.setTimerType(Qt::PreciseTimer);
    autoRefresh_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tracking_, &QTimer::timeout, [this] {
        if (events_ != nullptr) {
            events_->OnTrackingTick();
        }
    });
    QObject::connect(&autoRefresh_, &QTimer::timeout, [this] {
        if (events_ != nullptr) {
            events_->OnAutoRefreshTick();
        }
    });
    const auto displayChanged = [this] {
        if (events_ != nullptr) {
            events_->OnDisplayChanged();
        }
    };
    QObject::connect(qApp, &QGuiApplication::screenAdded, widget_.get(), displayChanged);
    QObject::connect(qApp, &QGuiApplication::screenRemoved, widget_.get(), displayChanged);
    for (QScreen* screen : QGuiApplication::screens()) {
        QObject::connect(screen, &QScreen::geometryChanged, widget_.get(), displayChanged);
    }
    surface_.Resize(widget_->width(), widget_->height());
}

QtForm::~QtForm() {
    events_ = nullptr;
    widget_.reset();  // while every member its last events reach is still there
}

QWidget& QtForm::Widget() {
    return *widget_;
}

void QtForm::StartTimers(int trackingMs, int autoRefreshMs) {
    tracking_.start(trackingMs);
    autoRefresh_.start(autoRefreshMs);
}

void QtForm::StopTimers() {
    tracking_.stop();
    autoRefresh_.stop();
}

std::optional<QMargins> QtForm::Frame() const {
    const QWindow* window = widget_->windowHandle();
    if (window == nullptr || !widget_->isVisible()) {
        return std::nullopt;
    }
    const QMargins frame = window->frameMargins();
    return frame.isNull() ? std::nullopt : std::optional(frame);
}

PixelRect QtForm::OuterRect() const {
    if (wantedOuter_) {
        return *wantedOuter_;
    }
    return ToPixelRect(widget_->frameGeometry());
}

void QtForm::ApplyOuter(const PixelRect& outer) {
    const QMargins frame = Frame().value_or(QMargins());
    // The client area lies inside the frame: the window as a whole takes the rectangle.
    widget_->setGeometry(outer.left + frame.left(), outer.top + frame.top(),
                         std::max(outer.width - frame.left() - frame.right(), 1),
                         std::max(outer.height - frame.top() - frame.bottom(), 1));
}

void QtForm::Move(const PixelRect& outer) {
    // Until the window manager has framed the window its frame is unknown: the rectangle waits,
    // so that the frame, when it comes, does not grow the window.
    if (!frameSettled_) {
        wantedOuter_ = outer;
    }
    ApplyOuter(outer);
}

void QtForm::OnGeometryKnown() {
    if (wantedOuter_ && Frame()) {
        const PixelRect outer = *wantedOuter_;
        wantedOuter_.reset();
        frameSettled_ = true;
        ApplyOuter(outer);
    }
}

void QtForm::MoveOntoWorkArea() {
    const PixelRect visible = OuterRect();
    std::vector<PixelRect> workAreas;
    const QScreen* nearest = QGuiApplication::primaryScreen();
    std::int64_t nearestCommon = -1;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const PixelRect area = ToPixelRect(screen->availableGeometry());
        workAreas.push_back(area);
        const auto common = Intersect(visible, area);
        const std::int64_t size = common ? std::int64_t{common->width} * common->height : 0;
        if (size > nearestCommon) {
            nearestCommon = size;
            nearest = screen;
        }
    }
    if (nearest == nullptr || ShowsGrabbablePart(visible, workAreas, GrabbablePixels)) {
        return;
    }
    Move(InsideArea(visible, ToPixelRect(nearest->availableGeometry())));
}

PixelSize QtForm::ClientSize() const {
    return surface_.Size();
}

void QtForm::OnResized() {
    surface_.Resize(widget_->width(), widget_->height());
    // A frame known now, the window as a whole keeps the program's rectangle; and the user cannot
    // drag it below the smallest outer size.
    if (const auto frame = Frame()) {
        widget_->setMinimumSize(std::max(MinWindowWidthPx - frame->left() - frame->right(), 1),
                                std::max(MinWindowHeightPx - frame->top() - frame->bottom(), 1));
    }
    OnGeometryKnown();
    if (events_ != nullptr) {
        events_->OnResize();
    }
    widget_->update();
}

void QtForm::SetPicture(const Picture& picture, std::int32_t width, std::int32_t height,
                        StretchMode stretchMode) {
    surface_.ShowPicture(picture, width, height, stretchMode);
    widget_->update();
}

void QtForm::SetMeasuringLine(const MeasuringLine& line) {
    if (!(line == measuringLine_)) {
        measuringLine_ = line;
        widget_->update();
    }
}

void QtForm::OnPaint() {
    QPainter painter(widget_.get());
    painter.drawImage(0, 0, surface_.Image());
    if (measuringLine_.visible) {
        painter.setPen(MeasuringLineColor);
        painter.drawLine(RoundToInt32(measuringLine_.fromX), RoundToInt32(measuringLine_.fromY),
                         RoundToInt32(measuringLine_.toX), RoundToInt32(measuringLine_.toY));
    }
}

void QtForm::SetCaption(const std::string& text) {
    widget_->setWindowTitle(QString::fromStdString(text));
}

void QtForm::Show() {
    widget_->show();
    // The window manager frames the window a moment after it shows: the rectangle the program
    // gave is applied, frame included, as soon as the frame is known.
    auto* look = new QTimer(widget_.get());
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(look, &QTimer::timeout, widget_.get(), [this, look, started] {
        OnGeometryKnown();
        if (!wantedOuter_ || started->elapsed() >= FrameWaitMs) {
            wantedOuter_.reset();  // no window manager frames it: the client is the window
            frameSettled_ = true;
            look->deleteLater();
        }
    });
    look->start(FrameLookMs);
}

void QtForm::PlaceWindow(const PixelRect& outer, bool topmost) {
    // On the window itself, so that the window manager is asked (_NET_WM_STATE_ABOVE) without the
    // window being hidden and shown again.
    widget_->windowHandle()->setFlag(Qt::WindowStaysOnTopHint, topmost);
    Move(outer);
    widget_->show();
    widget_->raise();
    widget_->activateWindow();
}

void QtForm::DragWindow() {
    // The window manager moves the window and the call returns at once; where none answers, the
    // window follows the pointer itself until the button is released.
    if (!widget_->windowHandle()->startSystemMove()) {
        widget_->StartOwnMove();
    }
}

void QtForm::ShowMessage(const std::string& text, const std::string& title, MessageStyle style) {
    QString shown = QString::fromStdString(text);
    shown.replace("\r\n", "\n");
    if (style == MessageStyle::Refusal) {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    QMessageBox box(style == MessageStyle::Refusal ? QMessageBox::Critical : QMessageBox::Question,
                    QString::fromStdString(title), shown, QMessageBox::Ok,
                    widget_->isVisible() ? widget_.get() : nullptr);
    box.raise();
    box.activateWindow();
    box.exec();
}

void QtForm::ReportClosing() {
    if (!closingReported_ && events_ != nullptr) {
        closingReported_ = true;
        events_->OnClosing();
    }
}

void QtForm::Close() {
    widget_->close();
}

void QtForm::CloseFromOutside() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close();
    }
    Close();
}
