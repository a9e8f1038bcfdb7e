#include "toolkit/controls/Drawing.h"

#include "support/FontDescription.h"
#include "tests/gui/Canvas.h"
#include "tests/gui/GdiObjectCounter.h"
#include "tests/gui/TestBitmaps.h"
#include "tests/toolkit/controls/ControlsTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

namespace {

using Kestrum::Drawing;
using Kestrum::FontDescription;
using TestSupport::Canvas;
using TestSupport::MakeBitmap;
using TestSupport::PixelRows;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kNearBlack = RGB(1, 1, 1);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 200, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

bool SamePixels(const Canvas& one, const Canvas& other)
{
    for (int y = 0; y < one.Height(); ++y)
        for (int x = 0; x < one.Width(); ++x)
            if (one.Pixel(x, y) != other.Pixel(x, y))
                return false;
    return true;
}

// A Drawing lent the canvas's DC, as an owner-drawn control's paint is; no window is involved.
class DrawingOnCanvas : public ::testing::Test {
protected:
    DrawingOnCanvas() { drawing.Adopt(canvas.Dc()); }

    // The width of a text in the test font, as the canvas's DC measures it.
    int TextWidth(const std::wstring& shown)
    {
        HGDIOBJ previous = SelectObject(canvas.Dc(), font.GetFontHandle());
        SIZE extent{};
        GetTextExtentPoint32W(canvas.Dc(), shown.c_str(), static_cast<int>(shown.size()), &extent);
        SelectObject(canvas.Dc(), previous);
        return extent.cx;
    }

    // What plain TextOutW draws in black with the test font: the reference for unaligned output.
    void WriteReference(Canvas& target, int x, int y, const std::wstring& shown)
    {
        HGDIOBJ previous = SelectObject(target.Dc(), font.GetFontHandle());
        SetBkMode(target.Dc(), TRANSPARENT);
        TextOutW(target.Dc(), x, y, shown.c_str(), static_cast<int>(shown.size()));
        SelectObject(target.Dc(), previous);
    }

    Canvas canvas{400, 100};
    FontDescription font{"Tahoma", 16};
    Drawing drawing{nullptr};
};

// ---- WriteText ----

struct AlignmentCase {
    const char* name;
    int alignment;
    const char* where;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const AlignmentCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}

class WriteTextAlignment : public DrawingOnCanvas, public ::testing::WithParamInterface<AlignmentCase> {};

TEST_P(WriteTextAlignment, PlacesTheTextInItsRectangle)
{
    const RECT box{50, 20, 350, 60};
    drawing.WriteText(box.left, box.top, box.right - box.left, box.bottom - box.top, L"HHH", kBlack, &font,
                      GetParam().alignment);

    const RECT ink = canvas.InkBounds(kWhite);
    const int textWidth = TextWidth(L"HHH");
    ASSERT_FALSE(TestSupport::IsEmpty(ink));
    EXPECT_GE(ink.top, box.top);
    EXPECT_LE(ink.top, box.top + 6) << "drawn from the top of the rectangle";
    const std::string where = GetParam().where;
    if (where == "left") {
        EXPECT_GE(ink.left, box.left);
        EXPECT_LE(ink.right, box.left + textWidth);
    } else if (where == "right") {
        EXPECT_GE(ink.left, box.right - textWidth);
        EXPECT_LE(ink.right, box.right);
    } else {
        const int middle = (box.left + box.right) / 2;
        EXPECT_GE(ink.left, middle - textWidth / 2 - 1);
        EXPECT_LE(ink.right, middle + textWidth / 2 + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Codes, WriteTextAlignment,
                         ::testing::Values(AlignmentCase{"Left", 0, "left"}, AlignmentCase{"Right", 1, "right"},
                                           AlignmentCase{"Centre", 2, "centre"}, AlignmentCase{"Three", 3, "left"},
                                           AlignmentCase{"MinusOne", -1, "left"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DrawingOnCanvas, WriteTextClipsToItsRectangle)
{
    drawing.WriteText(50, 20, 10, 40, L"HHHHHHHH", kBlack, &font, 0);

    const RECT ink = canvas.InkBounds(kWhite);
    ASSERT_FALSE(TestSupport::IsEmpty(ink));
    EXPECT_GE(ink.left, 50);
    EXPECT_LE(ink.right, 60);
}

TEST_F(DrawingOnCanvas, WriteTextWithAZeroSizeWritesUnalignedAndUnclipped)
{
    Canvas expected(400, 100);
    WriteReference(expected, 50, 20, L"HHHHHHHH");
    for (const SIZE size : {SIZE{0, 40}, SIZE{300, 0}, SIZE{0, 0}}) {
        canvas.Fill(kWhite);
        drawing.WriteText(50, 20, size.cx, size.cy, L"HHHHHHHH", kBlack, &font, 1);

        EXPECT_TRUE(SamePixels(canvas, expected)) << size.cx << " x " << size.cy;
    }
}

TEST_F(DrawingOnCanvas, WriteTextDrawsAtMost1023Characters)
{
    // Spaces leave no ink: the only marks are the bars at places 1023 and 1024.
    const std::wstring spaces(1022, L' ');
    Canvas wide(6000, 30);
    Drawing onWide(nullptr);
    onWide.Adopt(wide.Dc());
    Canvas first1023(6000, 30);
    WriteReference(first1023, 0, 0, spaces + L"|");
    Canvas first1024(6000, 30);
    WriteReference(first1024, 0, 0, spaces + L"||");
    ASSERT_FALSE(SamePixels(first1023, first1024)) << "the 1024th character must be visible on the canvas";

    onWide.WriteText(0, 0, wide.Width(), wide.Height(), spaces + L"||", kBlack, &font, 0);

    EXPECT_TRUE(SamePixels(wide, first1023));
}

TEST_F(DrawingOnCanvas, WriteTextUsesTheColourAndTheFont)
{
    FontDescription big("Tahoma", 40);
    drawing.WriteText(10, 10, 380, 80, L"H", kBlue, &font, 0);
    const RECT small = canvas.InkBounds(kWhite);
    canvas.Fill(kWhite);
    drawing.WriteText(10, 10, 380, 80, L"H", kBlue, &big, 0);
    const RECT large = canvas.InkBounds(kWhite);

    EXPECT_GT(large.bottom - large.top, 2 * (small.bottom - small.top) - 4);
    EXPECT_GT(canvas.CountPixels(large, kBlue), 0) << "solid stems in the exact colour";
}

TEST_F(DrawingOnCanvas, NarrowWriteTextWidensCodePage1252)
{
    // "\xC8" is the capital E with grave accent in code page 1252.
    drawing.WriteText(10, 10, 380, 80, std::string("\xC8"), kBlack, &font, 0);
    Canvas wide(400, 100);
    Drawing onWide(nullptr);
    onWide.Adopt(wide.Dc());
    onWide.WriteText(10, 10, 380, 80, std::wstring(L"\u00C8"), kBlack, &font, 0);

    const RECT ink = canvas.InkBounds(kWhite);
    ASSERT_FALSE(TestSupport::IsEmpty(ink));
    for (int y = ink.top; y < ink.bottom; ++y)
        for (int x = ink.left; x < ink.right; ++x)
            ASSERT_EQ(canvas.Pixel(x, y), wide.Pixel(x, y)) << x << "," << y;
}

TEST_F(DrawingOnCanvas, WriteTextLeavesOnlyTheTransparentBackgroundMode)
{
    HDC dc = canvas.Dc();
    SetTextColor(dc, kGreen);
    SetBkMode(dc, OPAQUE);
    HGDIOBJ fontBefore = GetCurrentObject(dc, OBJ_FONT);

    drawing.WriteText(10, 10, 100, 40, L"H", kRed, &font, 0);

    EXPECT_EQ(GetTextColor(dc), kGreen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), fontBefore);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
}

// ---- TextHeight ----

TEST_F(DrawingOnCanvas, TextHeightIsTheFontsCellHeight)
{
    HGDIOBJ fontBefore = GetCurrentObject(canvas.Dc(), OBJ_FONT);
    EXPECT_EQ(drawing.TextHeight(&font), 16);
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_FONT), fontBefore);
}

TEST_F(DrawingOnCanvas, TextHeightWithoutAFontIsMinusOne)
{
    EXPECT_EQ(drawing.TextHeight(nullptr), -1);
}

TEST(DrawingWithoutDc, TextHeightIsMinusOne)
{
    FontDescription font("Tahoma", 16);
    Drawing idle(nullptr);
    EXPECT_EQ(idle.TextHeight(&font), -1);
    EXPECT_EQ(font.handle, nullptr) << "the font is not even made";
}

// ---- Rectangles ----

TEST_F(DrawingOnCanvas, FillRectangleLeavesTheRightColumnAndBottomRow)
{
    drawing.FillRectangle(10, 20, 30, 40, kRed);

    EXPECT_TRUE(canvas.IsUniform(RECT{10, 20, 39, 59}, kRed));
    EXPECT_EQ(canvas.CountPixels(RECT{0, 0, 400, 100}, kRed), 29 * 39);
    EXPECT_EQ(canvas.Pixel(39, 30), kWhite);
    EXPECT_EQ(canvas.Pixel(20, 59), kWhite);
}

TEST_F(DrawingOnCanvas, FrameRectangleIsAOnePixelOutline)
{
    canvas.Fill(RECT{11, 21, 39, 59}, kGreen);

    drawing.FrameRectangle(10, 20, 30, 40, kBlue);

    EXPECT_TRUE(canvas.IsUniform(RECT{10, 20, 40, 21}, kBlue));
    EXPECT_TRUE(canvas.IsUniform(RECT{10, 59, 40, 60}, kBlue));
    EXPECT_TRUE(canvas.IsUniform(RECT{10, 20, 11, 60}, kBlue));
    EXPECT_TRUE(canvas.IsUniform(RECT{39, 20, 40, 60}, kBlue));
    EXPECT_TRUE(canvas.IsUniform(RECT{11, 21, 39, 59}, kGreen)) << "the inside is untouched";
    EXPECT_EQ(canvas.CountPixels(RECT{0, 0, 400, 100}, kBlue), 2 * 30 + 2 * 38);
}

TEST_F(DrawingOnCanvas, RectanglesRestoreThePenAndBrush)
{
    HGDIOBJ penBefore = GetCurrentObject(canvas.Dc(), OBJ_PEN);
    HGDIOBJ brushBefore = GetCurrentObject(canvas.Dc(), OBJ_BRUSH);

    drawing.FillRectangle(10, 20, 30, 40, kRed);
    drawing.FrameRectangle(10, 20, 30, 40, kBlue);

    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_PEN), penBefore);
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BRUSH), brushBefore);
}

// ---- Bitmaps ----

// Two frames of 2 x 2 side by side: the left one red, blue, black, near-black; the right one yellow.
class DrawingBitmaps : public DrawingOnCanvas {
protected:
    DrawingBitmaps()
    {
        canvas.Fill(kGreen);
        strip = MakeBitmap(4, 2, PixelRows{kRed, kBlue, kYellow, kYellow, kBlack, kNearBlack, kYellow, kYellow});
    }
    ~DrawingBitmaps() override { DeleteObject(strip); }

    HBITMAP strip = nullptr;
};

TEST_F(DrawingBitmaps, CopyBitmapCopiesBlackToo)
{
    drawing.CopyBitmap(10, 10, 2, 2, strip, 0, 0);

    EXPECT_EQ(canvas.Pixel(10, 10), kRed);
    EXPECT_EQ(canvas.Pixel(11, 10), kBlue);
    EXPECT_EQ(canvas.Pixel(10, 11), kBlack);
    EXPECT_EQ(canvas.Pixel(11, 11), kNearBlack);
    EXPECT_EQ(canvas.CountPixels(RECT{0, 0, 400, 100}, kGreen), 400 * 100 - 4);
}

TEST_F(DrawingBitmaps, CopyBitmapTransparentShowsTheTargetOnlyThroughPureBlack)
{
    drawing.CopyBitmapTransparent(10, 10, 2, 2, strip, 0, 0);

    EXPECT_EQ(canvas.Pixel(10, 10), kRed);
    EXPECT_EQ(canvas.Pixel(11, 10), kBlue);
    EXPECT_EQ(canvas.Pixel(10, 11), kGreen);
    EXPECT_EQ(canvas.Pixel(11, 11), kNearBlack);
    EXPECT_EQ(canvas.CountPixels(RECT{0, 0, 400, 100}, kGreen), 400 * 100 - 3);
}

TEST_F(DrawingBitmaps, CopyBitmapTransparentTakesItsPartFromTheSourcePoint)
{
    drawing.CopyBitmapTransparent(10, 10, 2, 2, strip, 2, 0);

    EXPECT_TRUE(canvas.IsUniform(RECT{10, 10, 12, 12}, kYellow));
    EXPECT_EQ(canvas.CountPixels(RECT{0, 0, 400, 100}, kYellow), 4);
}

TEST_F(DrawingBitmaps, DrawBitmapTransparentStretchesToAGivenSize)
{
    HBITMAP quarters = MakeBitmap(2, 2, PixelRows{kRed, kBlue, kBlack, kNearBlack});

    drawing.DrawBitmapTransparent(10, 10, 20, 20, quarters);

    EXPECT_TRUE(canvas.IsUniform(RECT{10, 10, 20, 20}, kRed));
    EXPECT_TRUE(canvas.IsUniform(RECT{20, 10, 30, 20}, kBlue));
    EXPECT_TRUE(canvas.IsUniform(RECT{10, 20, 20, 30}, kGreen));
    EXPECT_TRUE(canvas.IsUniform(RECT{20, 20, 30, 30}, kNearBlack));
    EXPECT_EQ(canvas.CountPixels(RECT{0, 0, 400, 100}, kGreen), 400 * 100 - 300);
    DeleteObject(quarters);
}

TEST_F(DrawingBitmaps, DrawBitmapTransparentWithAZeroSizeDrawsAtOwnSize)
{
    HBITMAP quarters = MakeBitmap(2, 2, PixelRows{kRed, kBlue, kBlack, kNearBlack});
    for (const SIZE size : {SIZE{0, 40}, SIZE{40, 0}, SIZE{0, 0}}) {
        canvas.Fill(kGreen);

        drawing.DrawBitmapTransparent(10, 10, size.cx, size.cy, quarters);

        EXPECT_EQ(canvas.Pixel(10, 10), kRed) << size.cx << " x " << size.cy;
        EXPECT_EQ(canvas.Pixel(11, 10), kBlue);
        EXPECT_EQ(canvas.Pixel(10, 11), kGreen);
        EXPECT_EQ(canvas.Pixel(11, 11), kNearBlack);
        EXPECT_EQ(canvas.CountPixels(RECT{0, 0, 400, 100}, kGreen), 400 * 100 - 3);
    }
    DeleteObject(quarters);
}

TEST_F(DrawingBitmaps, BitmapsStayTheCallersAndUnselected)
{
    drawing.CopyBitmap(0, 0, 2, 2, strip, 0, 0);
    drawing.CopyBitmapTransparent(0, 0, 2, 2, strip, 0, 0);
    drawing.DrawBitmapTransparent(0, 0, 8, 8, strip);

    // A bitmap still selected into a forgotten DC could not be selected here.
    HDC other = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(other, strip);
    EXPECT_NE(previous, nullptr);
    SelectObject(other, previous);
    DeleteDC(other);
    BITMAP info{};
    EXPECT_EQ(GetObjectW(strip, sizeof info, &info), static_cast<int>(sizeof info));
}

// ---- LoadBitmapFile ----

TEST(LoadBitmapFile, LoadsAFileAtItsOwnSizeAsADibSection)
{
    const std::string path = TestSupport::TemporaryFilePath("ZelvantoDrawingTest.bmp");
    ASSERT_TRUE(TestSupport::WriteBitmapFile(path, 3, 2, PixelRows{kRed, kBlue, kYellow, kBlack, kNearBlack, kGreen}));

    HBITMAP loaded = Drawing::LoadBitmapFile(path);

    ASSERT_NE(loaded, nullptr);
    DIBSECTION section{};
    EXPECT_EQ(GetObjectW(loaded, sizeof section, &section), static_cast<int>(sizeof section));
    EXPECT_EQ(section.dsBm.bmWidth, 3);
    EXPECT_EQ(section.dsBm.bmHeight, 2);
    Canvas canvas(3, 2);
    Drawing drawing(nullptr);
    drawing.Adopt(canvas.Dc());
    drawing.CopyBitmap(0, 0, 3, 2, loaded, 0, 0);
    EXPECT_EQ(canvas.Pixel(0, 0), kRed);
    EXPECT_EQ(canvas.Pixel(2, 0), kYellow);
    EXPECT_EQ(canvas.Pixel(1, 1), kNearBlack);
    DeleteObject(loaded);
    DeleteFileA(path.c_str());
}

TEST(LoadBitmapFile, MissingFileGivesNull)
{
    const std::string path = TestSupport::TemporaryFilePath("ZelvantoNoSuchPicture.bmp");
    EXPECT_EQ(Drawing::LoadBitmapFile(path), nullptr);
}

// ---- Paint on a window ----

class DrawingOnWindow : public ControlsTest::FormHost {};

TEST_F(DrawingOnWindow, BeginPaintsTheOwnersWindowAndValidatesIt)
{
    ShowForm();
    InvalidateRect(form->hwnd, nullptr, TRUE);

    Drawing drawing(form.get());
    drawing.Begin();
    ASSERT_NE(drawing.dc, nullptr);
    EXPECT_FALSE(drawing.adopted);
    EXPECT_FALSE(GetUpdateRect(form->hwnd, nullptr, FALSE));
    drawing.FillRectangle(0, 0, 41, 31, kRed);
    drawing.End();

    EXPECT_EQ(drawing.dc, nullptr);
    EXPECT_TRUE(Canvas(form->hwnd).IsUniform(RECT{0, 0, 40, 30}, kRed));
}

TEST_F(DrawingOnWindow, EndTwiceAndTheDestructorEndThePaintOnce)
{
    ShowForm();
    InvalidateRect(form->hwnd, nullptr, TRUE);
    auto drawing = std::make_unique<Drawing>(form.get());
    drawing->Begin();
    const HDC paintDc = drawing->dc;
    drawing->End();

    // The window DCs come from a cache: the test's own DC is the paint's, now released, so a second
    // EndPaint would release it under the test.
    HDC own = GetDC(form->hwnd);
    ASSERT_EQ(own, paintDc) << "the DC cache hands out another DC; this test needs the same one";
    drawing->End();
    drawing.reset();

    EXPECT_EQ(ReleaseDC(form->hwnd, own), 1);
}

TEST_F(DrawingOnWindow, AnAdoptedDcStaysTheLenders)
{
    ShowForm();
    InvalidateRect(form->hwnd, nullptr, TRUE);
    HDC lent = GetDC(form->hwnd);
    auto drawing = std::make_unique<Drawing>(form.get());

    drawing->Adopt(lent);
    drawing->FillRectangle(0, 0, 41, 31, kBlue);
    drawing->End();
    EXPECT_EQ(drawing->dc, nullptr);
    EXPECT_FALSE(drawing->adopted);
    drawing.reset();

    EXPECT_TRUE(GetUpdateRect(form->hwnd, nullptr, FALSE)) << "no paint was begun or ended";
    EXPECT_EQ(ReleaseDC(form->hwnd, lent), 1);
}

// ---- GDI hygiene ----

TEST_F(DrawingBitmaps, PrimitivesLeakNoGdiObject)
{
    font.GetFontHandle();  // the description keeps its font, made once
    const int roomBefore = TestSupport::GdiObjectRoom();

    for (int round = 0; round < 500; ++round) {
        drawing.WriteText(0, 0, 100, 30, L"Abc", kBlack, &font, round % 3);
        drawing.WriteText(0, 0, 0, 0, std::string("Abc"), kBlack, &font, 0);
        drawing.TextHeight(&font);
        drawing.FrameRectangle(0, 0, 20, 20, kBlue);
        drawing.FillRectangle(0, 0, 20, 20, kRed);
        drawing.CopyBitmap(0, 0, 2, 2, strip, 0, 0);
        drawing.CopyBitmapTransparent(0, 0, 2, 2, strip, 2, 0);
        drawing.DrawBitmapTransparent(0, 0, 8, 8, strip);
        drawing.DrawBitmapTransparent(0, 0, 0, 0, strip);
    }

    EXPECT_EQ(TestSupport::GdiObjectRoom(), roomBefore);
}

TEST(LoadBitmapFileHygiene, AFailedLoadLeaksNothing)
{
    const std::string path = TestSupport::TemporaryFilePath("ZelvantoNoSuchPicture.bmp");
    const int roomBefore = TestSupport::GdiObjectRoom();
    for (int round = 0; round < 500; ++round)
        Drawing::LoadBitmapFile(path);
    EXPECT_EQ(TestSupport::GdiObjectRoom(), roomBefore);
}

}  // namespace
