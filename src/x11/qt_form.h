#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

#include "ports/form_events.h"
#include "ports/form_window.h"
#include "x11/qt_surface.h"

class ViewWidget;

// The main window on X11: a top-level Qt widget whose client area shows the surface's image, with
// the measuring line drawn over it when it paints, and the two refresh timers. All geometry is in
// X root pixels (Qt's own scaling is off).
class QtForm : public FormWindow {
  public:
    explicit QtForm(int dpi);
    ~QtForm() override;
    QtForm(const QtForm&) = delete;
    QtForm& operator=(const QtForm&) = delete;

    // Events go to `events` from now on.
    void Connect(FormEvents& events) { events_ = &events; }
    void StartTimers(int trackingMs, int autoRefreshMs);
    QWidget& Widget();
    // Closes whatever modal loop is open over the window (the menu, a message box), then the
    // window: a signal or the session's end asked the program to stop.
    void CloseFromOutside();
    // Tells the program, once, that its window closes; also when the process ends without the
    // window closing (the X server went away), with the rectangle last known.
    void ReportClosing();

    PixelRect OuterRect() const override;
    void Move(const PixelRect& outer) override;
    void MoveOntoWorkArea() override;
    PixelSize ClientSize() const override;
    int Dpi() const override { return surface_.Dpi(); }
    void SetPicture(const Picture& picture, std::int32_t width, std::int32_t height,
                    StretchMode stretchMode) override;
    DrawingSurface& Surface() override { return surface_; }
    void SetMeasuringLine(const MeasuringLine& line) override;
    void SetCaption(const std::string& text) override;
    void Show() override;
    void PlaceWindow(const PixelRect& outer, bool topmost) override;
    void DragWindow() override;
    void ShowMessage(const std::string& text, const std::string& title,
                     MessageStyle style) override;
    void StopTimers() override;
    void Close() override;

  private:
    friend class ViewWidget;
    void OnPaint();
    void OnResized();
    void OnGeometryKnown();
    // The frame's widths (left, top, right, bottom) once the window manager has given them.
    std::optional<QMargins> Frame() const;
    void ApplyOuter(const PixelRect& outer);

    std::unique_ptr<ViewWidget> widget_;
    FormEvents* events_ = nullptr;
    QtSurface surface_;
    MeasuringLine measuringLine_;
    QTimer tracking_;
    QTimer autoRefresh_;
    // The outer rectangle the program gave while the frame was not known yet: it is applied,
    // frame included, once the window manager has framed the window.
    std::optional<PixelRect> wantedOuter_;
    bool frameSettled_ = false;  // the frame is known, or no window manager gave one
    bool closingReported_ = false;
};
