#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "base/geometry.h"
#include "ports/form_window.h"
#include "win32/back_buffer_surface.h"
#include "win32/gdi_picture.h"

// One row of a table: the view's client size and the zoom (1 = 100%).
struct ViewCase {
    int width;
    int height;
    float zoom;
};

std::string SizeText(int width, int height);

// The display scale the program's window takes here: a hidden window of the program's own kind,
// asked the way the program asks it. The view's twips follow from it as in the program.
int ProgramDpi();

ScreenPoint ScreenCentre();

void PrintScreen(int dpi, std::int32_t twipsPerPixel, ScreenPoint focus);

// Just enough of a main window for RenderFocusArea: the back buffer the program scales into.
class BufferWindow : public FormWindow {
  public:
    BufferWindow(HDC screen, int width, int height, int dpi);

    PixelRect OuterRect() const override;
    void Move(const PixelRect&) override {}
    void MoveOntoWorkArea() override {}
    PixelSize ClientSize() const override { return surface_.Size(); }
    int Dpi() const override { return dpi_; }
    void SetPicture(const Picture& picture, std::int32_t width, std::int32_t height,
                    StretchMode stretchMode) override;
    DrawingSurface& Surface() override { return surface_; }
    void SetMeasuringLine(const MeasuringLine&) override {}
    void SetCaption(const std::string&) override {}
    void Show() override {}
    void PlaceWindow(const PixelRect&, bool) override {}
    void DragWindow() override {}
    void ShowMessage(const std::string&, const std::string&, MessageStyle) override {}
    void StopTimers() override {}
    void Close() override {}

    long Pictures() const { return pictures_; }
    std::string PictureSize() const { return SizeText(pictureWidth_, pictureHeight_); }

  private:
    BackBufferSurface surface_;
    int dpi_;
    long pictures_ = 0;
    std::int32_t pictureWidth_ = 0;
    std::int32_t pictureHeight_ = 0;
};

// The least any GDI magnifier does for one rendering, every object kept from one to the next:
// one BitBlt of the on-screen part of the area into a DIB (and the cursor drawn into it when
// asked), then one copy of it into a view-sized DIB with StretchBlt. The area is the program's,
// worked out with the same twips.
class Floor {
  public:
    Floor(HDC screen, const ViewCase& view, std::int32_t twipsPerPixel, ScreenPoint focus);
    void Render(bool withCursor);
    // The capture of the last rendering scaled into the view by BlockScale instead of StretchBlt:
    // what a backend without a system scaler pays at 100% and above.
    void ScaleBlocks();

  private:
    HDC screen_;
    GdiPicture capture_;
    GdiPicture view_;
    PixelRect area_;
    std::optional<PixelRect> part_;
    PixelSize scaled_;
    PixelRect destination_;
    POINT hotspot_{};
};
