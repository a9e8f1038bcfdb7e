#include "toolkit/controls/ImageFrame.h"

#include "tests/gui/Canvas.h"
#include "tests/gui/GdiObjectCounter.h"
#include "tests/gui/MessagePump.h"
#include "tests/gui/TestBitmaps.h"
#include "tests/toolkit/controls/ControlsTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Kestrum::ImageFrame;
using TestSupport::Canvas;

constexpr int kFrameSize = 150;
constexpr int kFrames = 7;
constexpr COLORREF kPanelColor = RGB(0, 128, 255);

// Every pixel of the strip tells where it is, and none is pure black except the 20 x 20 square at the
// top-left of each frame.
COLORREF StripPixel(int x, int y)
{
    if (x % kFrameSize < 20 && y % kFrameSize < 20)
        return RGB(0, 0, 0);
    return RGB(x & 0xFF, ((x >> 8) << 5) | (y & 0x1F), 0x80 | (y >> 5));
}

HBITMAP MakeStrip(int columns, int rows)
{
    const int width = columns * kFrameSize;
    const int height = rows * kFrameSize;
    TestSupport::PixelRows pixels(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[static_cast<size_t>(y) * width + x] = StripPixel(x, y);
    return TestSupport::MakeBitmap(width, height, pixels);
}

// The number of the frame's pixels that differ from the strip's pixels at the source point (0 = the
// frame shows exactly that part); black strip pixels are expected as `black`.
int MismatchedPixels(const Canvas& shown, int sourceX, int sourceY, COLORREF black)
{
    int mismatches = 0;
    for (int y = 0; y < kFrameSize; ++y) {
        for (int x = 0; x < kFrameSize; ++x) {
            COLORREF expected = StripPixel(sourceX + x, sourceY + y);
            if (expected == RGB(0, 0, 0))
                expected = black;
            mismatches += shown.Pixel(x, y) == expected ? 0 : 1;
        }
    }
    return mismatches;
}

// A 150 x 150 frame of the hangman-like strip of seven frames in one row (1050 x 150), on a blue panel.
class ImageFrameTest : public ControlsTest::FormHost {
protected:
    void SetUp() override
    {
        FormHost::SetUp();
        strip = MakeStrip(kFrames, 1);
        frame = std::make_unique<ImageFrame>(form.get(), strip);
        frame->x = 10;
        frame->y = 10;
        frame->width = kFrameSize;
        frame->height = kFrameSize;
        frame->backColor = kPanelColor;
    }

    void TearDown() override
    {
        FormHost::TearDown();
        frame.reset();
        DeleteObject(strip);
    }

    HBITMAP strip = nullptr;
    std::unique_ptr<ImageFrame> frame;
};

TEST_F(ImageFrameTest, IsAPanelOutOfTheTabOrderThatShowsTheFirstFrameTransparently)
{
    ShowForm({frame.get()});

    EXPECT_EQ(frame->typeName, "panel");
    EXPECT_EQ(GetWindowLongPtrW(frame->hwnd, GWL_STYLE) & WS_TABSTOP, 0);
    EXPECT_EQ(frame->column, 0);
    EXPECT_EQ(frame->row, 0);
    EXPECT_EQ(MismatchedPixels(Canvas(frame->hwnd), 0, 0, kPanelColor), 0);
}

TEST_F(ImageFrameTest, ShowFrameSixShowsTheLastFrameOfTheStrip)
{
    frame->transparent = false;
    ShowForm({frame.get()});

    frame->ShowFrame(6, 0);
    TestSupport::PumpMessages();

    EXPECT_EQ(MismatchedPixels(Canvas(frame->hwnd), 900, 0, RGB(0, 0, 0)), 0);
}

TEST_F(ImageFrameTest, ShowFrameFourShowsSourcePixels600To749)
{
    frame->transparent = false;
    ShowForm({frame.get()});

    frame->ShowFrame(4, 0);
    TestSupport::PumpMessages();

    const Canvas shown(frame->hwnd);
    EXPECT_EQ(shown.Pixel(20, 0), StripPixel(620, 0));
    EXPECT_EQ(shown.Pixel(149, 149), StripPixel(749, 149));
    EXPECT_EQ(MismatchedPixels(shown, 600, 0, RGB(0, 0, 0)), 0);
}

TEST_F(ImageFrameTest, ShowFrameBeforeCreateIsShownByTheFirstPaint)
{
    frame->ShowFrame(3, 0);
    EXPECT_EQ(frame->column, 3);

    ShowForm({frame.get()});

    EXPECT_EQ(MismatchedPixels(Canvas(frame->hwnd), 450, 0, kPanelColor), 0);
}

TEST_F(ImageFrameTest, ShowFrameErasesTheOldFrame)
{
    ShowForm({frame.get()});

    // The new frame's black square shows the panel again where the old frame had colour.
    frame->ShowFrame(2, 0);
    TestSupport::PumpMessages();

    EXPECT_EQ(MismatchedPixels(Canvas(frame->hwnd), 300, 0, kPanelColor), 0);
}

TEST_F(ImageFrameTest, RowsStepByTheFrameHeight)
{
    DeleteObject(strip);
    strip = MakeStrip(2, 2);
    frame->strip = strip;
    frame->transparent = false;
    ShowForm({frame.get()});

    frame->ShowFrame(1, 1);
    TestSupport::PumpMessages();

    EXPECT_EQ(MismatchedPixels(Canvas(frame->hwnd), 150, 150, RGB(0, 0, 0)), 0);
}

TEST_F(ImageFrameTest, TransparentShowsThePanelThroughPureBlackOnly)
{
    ShowForm({frame.get()});

    const Canvas shown(frame->hwnd);
    EXPECT_TRUE(shown.IsUniform(RECT{0, 0, 20, 20}, kPanelColor));
    EXPECT_EQ(shown.CountPixels(RECT{0, 0, kFrameSize, kFrameSize}, kPanelColor), 20 * 20);
}

TEST_F(ImageFrameTest, OpaqueCopiesBlackUnchanged)
{
    frame->transparent = false;
    ShowForm({frame.get()});

    const Canvas shown(frame->hwnd);
    EXPECT_TRUE(shown.IsUniform(RECT{0, 0, 20, 20}, RGB(0, 0, 0)));
    EXPECT_EQ(shown.CountPixels(RECT{0, 0, kFrameSize, kFrameSize}, kPanelColor), 0);
}

TEST_F(ImageFrameTest, AppliedBackColourShowsThroughTheBlack)
{
    ShowForm({frame.get()});
    frame->SetBackColor(RGB(255, 255, 0));

    frame->Redraw();
    TestSupport::PumpMessages();

    const Canvas shown(frame->hwnd);
    EXPECT_TRUE(shown.IsUniform(RECT{0, 0, 20, 20}, RGB(255, 255, 0)));
    EXPECT_EQ(MismatchedPixels(shown, 0, 0, RGB(255, 255, 0)), 0) << "the frame is not painted over";
}

TEST_F(ImageFrameTest, WithoutStripPaintsOnlyTheBackgroundAndRaisesPaint)
{
    static int paints = 0;
    frame->strip = nullptr;
    frame->paintCallback = [](Kestrum::GUIElement*) { ++paints; };
    ShowForm({frame.get()});

    EXPECT_GE(paints, 1);
    EXPECT_TRUE(Canvas(frame->hwnd).IsUniform(RECT{0, 0, kFrameSize, kFrameSize}, kPanelColor));
}

TEST_F(ImageFrameTest, RepaintingLeaksNoGdiObject)
{
    ShowForm({frame.get()});
    frame->SetBackColor(kPanelColor);
    const int roomBefore = TestSupport::GdiObjectRoom();

    for (int round = 0; round < 500; ++round) {
        frame->transparent = round % 2 == 0;
        frame->ShowFrame(round % kFrames, 0);
        UpdateWindow(frame->hwnd);
    }

    EXPECT_EQ(TestSupport::GdiObjectRoom(), roomBefore);
}

}  // namespace
