#include "window/layout.h"

#include <gtest/gtest.h>

#include "doubles/framed_form_window.h"

namespace {

class LayoutTest : public ::testing::Test {
  protected:
    FramedFormWindow form;
    LineShape LA;
    TwipsPerPixel twips{15, 15};

    void SetUp() override {
        form.onResize = [this] { Form_Resize(form, twips, LA); };
    }
    void DragTo(float widthPx, float heightPx) {
        form.Move(form.left, form.top, widthPx * 15, heightPx * 15);
    }
};

TEST_F(LayoutTest, SnapsBackToTheMinimumWidthAndKeepsTheHeight) {
    DragTo(100, 100);
    EXPECT_EQ(form.width, 1920);
    EXPECT_EQ(form.height, 1500);
}

TEST_F(LayoutTest, SnapsBackToTheMinimumHeightAndKeepsTheWidth) {
    DragTo(200, 40);
    EXPECT_EQ(form.width, 3000);
    EXPECT_EQ(form.height, 960);
}

TEST_F(LayoutTest, TheMinimumItselfStays) {
    DragTo(128, 64);
    EXPECT_EQ(form.resizeReports, 1);
    EXPECT_EQ(form.width, 1920);
    EXPECT_EQ(form.height, 960);
}

TEST_F(LayoutTest, TheLineEndsAtTheCentreOfTheInnerAreaAfterANestedResize) {
    LA.X1 = 700;
    LA.Y1 = -300;
    DragTo(50, 30);
    EXPECT_EQ(form.width, 1920);
    EXPECT_EQ(form.height, 960);
    EXPECT_EQ(LA.X1, 0);
    EXPECT_EQ(LA.Y1, 0);
    EXPECT_EQ(LA.X2, (1920 - form.frameWidth) / 2);
    EXPECT_EQ(LA.Y2, (960 - form.frameHeight) / 2);
}

TEST_F(LayoutTest, UsesEachDirectionsOwnFactor) {
    twips = {12, 20};
    DragTo(1, 1);  // 15 x 15 twips
    EXPECT_EQ(form.width, 12 * 128);
    EXPECT_EQ(form.height, 20 * 64);
}

}  // namespace
