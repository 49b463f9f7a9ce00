#include "core/view_renderer.h"

#include <gtest/gtest.h>

#include <ostream>

#include "doubles/fake_form_window.h"
#include "doubles/fake_screen_capture.h"

namespace {

constexpr TwipsPerPixel Members{15, 15};

// The example view: 300 x 200 pixels at 15 twips per pixel.
FakeFormWindow ExampleWindow() {
    FakeFormWindow form;
    form.scaleWidth = 4500;
    form.scaleHeight = 3000;
    return form;
}

int PictureSerial(const FakeFormWindow& form) {
    return form.picture ? static_cast<const FakePicture&>(*form.picture).Serial() : 0;
}

struct RenderCase {
    const char* name;
    std::int32_t focusX, focusY;
    float zoom;
    PixelRect captured;
    std::int32_t pictureWidth, pictureHeight;
    int stretchMode;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const RenderCase& c, std::ostream* out) {
    *out << c.name;
}

class RenderViewTest : public testing::TestWithParam<RenderCase> {};

TEST_P(RenderViewTest, CapturesScalesAndShows) {
    const RenderCase& c = GetParam();
    FakeFormWindow form = ExampleWindow();
    FakeScreenCapture screen;

    RenderView(form, screen, c.focusX, c.focusY, c.zoom, Members, true);

    ASSERT_EQ(screen.captures.size(), 1u);
    EXPECT_EQ(screen.captures[0].area, c.captured);
    ASSERT_EQ(screen.scales.size(), 1u);
    EXPECT_EQ(screen.scales[0].sourceSerial, 1);
    EXPECT_EQ(screen.scales[0].width, c.pictureWidth);
    EXPECT_EQ(screen.scales[0].height, c.pictureHeight);
    EXPECT_EQ(screen.scales[0].stretchMode, c.stretchMode);
    EXPECT_EQ(form.pictureChanges, 1);
    EXPECT_EQ(PictureSerial(form), 2);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, RenderViewTest,
    testing::Values(
        RenderCase{
            "zoom2", 500, 400, 2.0f, {425, 350, 150, 100}, 300, 200, StretchMode::ColorOnColor},
        RenderCase{
            "zoom0_1", 500, 400, 0.1f, {-1000, -600, 3000, 2000}, 300, 200, StretchMode::Halftone},
        RenderCase{"zoom1KeepsTheCaptureSize",
                   500,
                   400,
                   1.0f,
                   {350, 300, 300, 200},
                   300,
                   200,
                   StretchMode::ColorOnColor},
        RenderCase{
            "zoom16", 500, 400, 16.0f, {491, 394, 19, 13}, 304, 208, StretchMode::ColorOnColor},
        RenderCase{"focusAtOriginIsNotClamped",
                   0,
                   0,
                   2.0f,
                   {-75, -50, 150, 100},
                   300,
                   200,
                   StretchMode::ColorOnColor},
        // Zoom 0 works as 0.001: a capture a thousand times the view, reduced to the view.
        RenderCase{"zoom0",
                   500,
                   400,
                   0.0f,
                   {-149500, -99600, 300000, 200000},
                   300,
                   200,
                   StretchMode::Halftone}),
    [](const testing::TestParamInfo<RenderCase>& info) { return info.param.name; });

TEST(RenderView, PassesTheCursorChoiceOn) {
    FakeFormWindow form = ExampleWindow();
    FakeScreenCapture screen;
    RenderView(form, screen, 500, 400, 2, Members, false);
    RenderView(form, screen, 500, 400, 2, Members, true);
    ASSERT_EQ(screen.captures.size(), 2u);
    EXPECT_FALSE(screen.captures[0].withCursor);
    EXPECT_TRUE(screen.captures[1].withCursor);
}

TEST(RenderView, ConvertsWithTheScreensUnroundedFactor) {
    // The focus point is placed with the rounded members (13), the pixels come from the
    // screen's own 12.5 twips per pixel.
    FakeFormWindow form;
    form.scaleWidth = 1250;
    form.scaleHeight = 1250;
    form.twipsPerPixelX = 12.5f;
    form.twipsPerPixelY = 12.5f;
    FakeScreenCapture screen;
    RenderView(form, screen, 100, 100, 1, TwipsPerPixel{13, 13}, false);
    ASSERT_EQ(screen.captures.size(), 1u);
    EXPECT_EQ(screen.captures[0].area, (PixelRect{54, 54, 100, 100}));
}

TEST(RenderView, FailingStepsKeepThePreviousPicture) {
    struct Case {
        const char* name;
        void (*breakIt)(FakeFormWindow&, FakeScreenCapture&);
    };
    const Case cases[] = {
        {"capture fails", [](FakeFormWindow&, FakeScreenCapture& s) { s.failCapture = true; }},
        {"scaling fails", [](FakeFormWindow&, FakeScreenCapture& s) { s.failScale = true; }},
        {"empty view", [](FakeFormWindow& f, FakeScreenCapture&) { f.scaleWidth = 0; }},
        {"no screen factor", [](FakeFormWindow& f, FakeScreenCapture&) { f.twipsPerPixelY = 0; }},
        // A view 7 twips high at 200% captures 4 twips, under a third of a pixel.
        {"capture rounds to nothing",
         [](FakeFormWindow& f, FakeScreenCapture&) { f.scaleHeight = 7; }},
    };
    for (const Case& c : cases) {
        FakeFormWindow form = ExampleWindow();
        FakeScreenCapture screen;
        RenderView(form, screen, 500, 400, 2, Members, false);
        ASSERT_EQ(PictureSerial(form), 2) << c.name;

        c.breakIt(form, screen);
        RenderView(form, screen, 510, 400, 2, Members, false);
        EXPECT_EQ(form.pictureChanges, 1) << c.name;
        EXPECT_EQ(PictureSerial(form), 2) << c.name;
    }
}

TEST(RenderView, FocusTooFarOutCapturesNothing) {
    FakeFormWindow form = ExampleWindow();
    FakeScreenCapture screen;
    RenderView(form, screen, 143165577, 0, 2, Members, false);
    EXPECT_TRUE(screen.captures.empty());
    EXPECT_EQ(form.pictureChanges, 0);
}

TEST(CopyPicture, ScaledSizeOfNothingIsNotAsked) {
    FakeScreenCapture screen;
    const FakePicture source(3, 1, 7);
    // 25% of 1 pixel is a quarter, which rounds to no pixel at all.
    EXPECT_EQ(CopyPicture(screen, source, 25, StretchMode::Halftone), nullptr);
    EXPECT_TRUE(screen.scales.empty());
}

}  // namespace
