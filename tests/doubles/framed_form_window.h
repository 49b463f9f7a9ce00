#pragma once

#include <functional>

#include "doubles/fake_form_window.h"

// A window with a frame around its inner area that reports every size change at once, as the
// toolkit does, so that a resize handler can run nested inside its own size change.
class FramedFormWindow : public FakeFormWindow {
  public:
    float frameWidth = 8 * 15;    // both sides together, twips
    float frameHeight = 31 * 15;  // title bar and borders
    std::function<void()> onResize;
    int resizeReports = 0;

    void SetWidth(float twips) override {
        width = twips;
        Report();
    }
    void SetHeight(float twips) override {
        height = twips;
        Report();
    }
    void Move(float l, float t, float w, float h) override {
        left = l;
        top = t;
        width = w;
        height = h;
        Report();
    }

  private:
    void Report() {
        scaleWidth = width - frameWidth;
        scaleHeight = height - frameHeight;
        ++resizeReports;
        if (onResize) {
            onResize();
        }
    }
};
