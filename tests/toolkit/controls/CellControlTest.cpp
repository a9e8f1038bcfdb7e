#include "toolkit/controls/CellControl.h"

#include "support/FontDescription.h"
#include "support/TextHelpers.h"
#include "tests/gui/Canvas.h"
#include "tests/gui/GdiObjectCounter.h"
#include "tests/gui/MessagePump.h"
#include "tests/gui/TestBitmaps.h"
#include "tests/toolkit/controls/ControlsTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

namespace {

using Kestrum::CellControl;
using Kestrum::FontDescription;
using TestSupport::Canvas;

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(0, 0, 160);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

bool SamePixels(const Canvas& one, const Canvas& other)
{
    if (one.Width() != other.Width() || one.Height() != other.Height())
        return false;
    for (int y = 0; y < one.Height(); ++y)
        for (int x = 0; x < one.Width(); ++x)
            if (one.Pixel(x, y) != other.Pixel(x, y))
                return false;
    return true;
}

// What DrawTextW alone draws on the cell's paper: the reference a cell's text must match pixel for pixel.
void DrawReferenceText(Canvas& target, const RECT& area, const std::wstring& text, FontDescription& font,
                       UINT format)
{
    HGDIOBJ previous = SelectObject(target.Dc(), font.GetFontHandle());
    SetBkMode(target.Dc(), TRANSPARENT);
    SetTextColor(target.Dc(), kInk);
    RECT box = area;
    DrawTextW(target.Dc(), text.c_str(), static_cast<int>(text.size()), &box, format);
    SelectObject(target.Dc(), previous);
}

int paintCount = 0;
Kestrum::GUIElement* paintSender = nullptr;

void CountPaint(Kestrum::GUIElement* sender)
{
    ++paintCount;
    paintSender = sender;
}

// A white 120 x 25 cell without border, its own font replaced by a 16-pixel Tahoma.
class CellControlTest : public ControlsTest::FormHost {
protected:
    void SetUp() override
    {
        FormHost::SetUp();
        paintCount = 0;
        paintSender = nullptr;
        cell = std::make_unique<CellControl>(form.get());
        cell->x = 20;
        cell->y = 30;
        cell->width = 120;
        cell->height = 25;
        cell->backColor = kPaper;
        cell->textColor = kInk;
        cell->font = &font;
    }

    void TearDown() override
    {
        FormHost::TearDown();
        cell.reset();
    }

    void CreateAndShow(const std::string& text)
    {
        cell->text = Kestrum::WidenText(text);
        ShowForm({cell.get()});
    }

    FontDescription font{"Tahoma", 16};
    std::unique_ptr<CellControl> cell;
};

TEST_F(CellControlTest, IsAPanelOutOfTheTabOrder)
{
    CreateAndShow("A");

    EXPECT_EQ(cell->typeName, "panel");
    EXPECT_FALSE(cell->tabStop);
    EXPECT_EQ(GetWindowLongPtrW(cell->hwnd, GWL_STYLE) & WS_TABSTOP, 0);
}

TEST_F(CellControlTest, CentresOneLineVertically)
{
    CreateAndShow("Ag");

    // (25 - 16) / 2 = 4: the text is drawn from y = 4 in a rectangle 21 pixels high.
    Canvas expected(120, 25, kPaper);
    DrawReferenceText(expected, RECT{0, 4, 120, 25}, L"Ag", font, DT_CENTER);
    Canvas oneLower(120, 25, kPaper);
    DrawReferenceText(oneLower, RECT{0, 5, 120, 25}, L"Ag", font, DT_CENTER);
    ASSERT_FALSE(SamePixels(expected, oneLower));

    EXPECT_TRUE(SamePixels(Canvas(cell->hwnd), expected));
}

struct TextAlignmentCase {
    const char* name;
    int alignment;
    UINT format;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const TextAlignmentCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}

class CellTextAlignment : public CellControlTest, public ::testing::WithParamInterface<TextAlignmentCase> {};

TEST_P(CellTextAlignment, FollowsTheAlignmentCode)
{
    cell->textAlignment = GetParam().alignment;
    CreateAndShow("MW");

    Canvas expected(120, 25, kPaper);
    DrawReferenceText(expected, RECT{0, 4, 120, 25}, L"MW", font, GetParam().format);
    EXPECT_TRUE(SamePixels(Canvas(cell->hwnd), expected));
}

INSTANTIATE_TEST_SUITE_P(Codes, CellTextAlignment,
                         ::testing::Values(TextAlignmentCase{"Left", 0, DT_LEFT},
                                           TextAlignmentCase{"Right", 1, DT_RIGHT},
                                           TextAlignmentCase{"Centre", 2, DT_CENTER},
                                           TextAlignmentCase{"Seven", 7, DT_LEFT}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CellControlTest, TextAlignmentPutsTheInkAtTheEdges)
{
    cell->textAlignment = 0;
    CreateAndShow("MW");
    const RECT left = Canvas(cell->hwnd).InkBounds(kPaper);
    cell->textAlignment = 1;
    InvalidateRect(cell->hwnd, nullptr, TRUE);
    const RECT right = Canvas(cell->hwnd).InkBounds(kPaper);

    EXPECT_LT(left.left, 4);
    EXPECT_GT(right.right, 120 - 4);
    EXPECT_EQ(left.right - left.left, right.right - right.left);
}

TEST_F(CellControlTest, ElementFontWinsOverTheOwnFont)
{
    cell->fontFace = "Courier New";
    cell->fontSize = 22;
    cell->bold = true;
    CreateAndShow("Ag");

    Canvas expected(120, 25, kPaper);
    DrawReferenceText(expected, RECT{0, 4, 120, 25}, L"Ag", font, DT_CENTER);
    EXPECT_TRUE(SamePixels(Canvas(cell->hwnd), expected));
}

TEST_F(CellControlTest, WithoutElementFontUsesTheOwnFont)
{
    cell->font = nullptr;
    cell->fontSize = 20;
    cell->bold = true;
    CreateAndShow("Ag");

    FontDescription own("Tahoma", 20);
    own.bold = true;
    Canvas expected(120, 25, kPaper);
    DrawReferenceText(expected, RECT{0, 2, 120, 25}, L"Ag", own, DT_CENTER);
    EXPECT_TRUE(SamePixels(Canvas(cell->hwnd), expected));
}

TEST_F(CellControlTest, MarkerSitsInTheBottomRightSquare)
{
    cell->marker = true;
    CreateAndShow("");

    Canvas expected(120, 25, kPaper);
    DrawReferenceText(expected, RECT{120 - 16, 25 - 16, 120, 25}, L"*", font, DT_CENTER);
    const Canvas shown(cell->hwnd);
    EXPECT_TRUE(SamePixels(shown, expected));
    EXPECT_FALSE(TestSupport::IsEmpty(shown.InkBounds(kPaper))) << "an empty text still draws the marker";
}

class CellPicture : public CellControlTest {
protected:
    CellPicture()
    {
        // Red with a black centre column, which must let the paper show through.
        TestSupport::PixelRows pixels(8 * 6, kRed);
        for (int y = 0; y < 6; ++y)
            pixels[y * 8 + 4] = RGB(0, 0, 0);
        picture = TestSupport::MakeBitmap(8, 6, pixels);
    }
    ~CellPicture() override { DeleteObject(picture); }

    void ShowPicture(int alignment, const std::string& text)
    {
        cell->picture = picture;
        cell->pictureWidth = 8;
        cell->pictureHeight = 6;
        cell->pictureAlignment = alignment;
        CreateAndShow(text);
    }

    HBITMAP picture = nullptr;
};

struct PictureAlignmentCase {
    const char* name;
    int alignment;
    int left;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const PictureAlignmentCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}

class CellPictureAlignment : public CellPicture, public ::testing::WithParamInterface<PictureAlignmentCase> {};

TEST_P(CellPictureAlignment, PlacesThePicture)
{
    ShowPicture(GetParam().alignment, "");

    const Canvas shown(cell->hwnd);
    const int left = GetParam().left;
    // Vertically centred: (25 - 6) / 2 = 9.
    EXPECT_TRUE(shown.IsUniform(RECT{left, 9, left + 4, 15}, kRed));
    EXPECT_TRUE(shown.IsUniform(RECT{left + 4, 9, left + 5, 15}, kPaper));
    EXPECT_TRUE(shown.IsUniform(RECT{left + 5, 9, left + 8, 15}, kRed));
    EXPECT_EQ(shown.CountPixels(RECT{0, 0, 120, 25}, kRed), 7 * 6);
}

// Right: 120 - 8 - 3; centre: (120 - 8) / 2; anything else: 3 from the left.
INSTANTIATE_TEST_SUITE_P(Codes, CellPictureAlignment,
                         ::testing::Values(PictureAlignmentCase{"Left", 0, 3}, PictureAlignmentCase{"Right", 1, 109},
                                           PictureAlignmentCase{"Centre", 2, 56},
                                           PictureAlignmentCase{"MinusOne", -1, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CellPicture, PictureIsDrawnOverTheTextAtItsGivenSize)
{
    cell->textAlignment = 0;
    cell->picture = picture;
    cell->pictureWidth = 16;
    cell->pictureHeight = 12;
    cell->pictureAlignment = 0;
    CreateAndShow("MMMMMMMMMM");

    const Canvas shown(cell->hwnd);
    // Stretched to 16 x 12 at (3, 6): the text under it is covered except where the picture is black.
    EXPECT_TRUE(shown.IsUniform(RECT{3, 6, 11, 18}, kRed));
    EXPECT_TRUE(shown.IsUniform(RECT{13, 6, 19, 18}, kRed));
    EXPECT_GT(shown.CountPixels(RECT{19, 0, 120, 25}, kInk), 0) << "the text shows beside the picture";
}

TEST_F(CellControlTest, NarrowSetTextRepaintsOnceWithTheNewText)
{
    CreateAndShow("A");
    cell->paintCallback = CountPaint;
    paintCount = 0;

    cell->SetText(std::string("W"));

    RECT pending{};
    EXPECT_TRUE(GetUpdateRect(cell->hwnd, &pending, FALSE));
    TestSupport::PumpMessages();
    EXPECT_EQ(paintCount, 1);
    EXPECT_EQ(paintSender, cell.get());
    Canvas expected(120, 25, kPaper);
    DrawReferenceText(expected, RECT{0, 4, 120, 25}, L"W", font, DT_CENTER);
    EXPECT_TRUE(SamePixels(Canvas(cell->hwnd), expected));
    EXPECT_EQ(cell->GetText(), L"W");
}

TEST_F(CellControlTest, WideSetTextRepaintsTheCell)
{
    CreateAndShow("A");
    cell->paintCallback = CountPaint;
    paintCount = 0;

    cell->SetText(std::wstring(L"\u00C8"));
    TestSupport::PumpMessages();

    EXPECT_EQ(paintCount, 1);
    Canvas expected(120, 25, kPaper);
    DrawReferenceText(expected, RECT{0, 4, 120, 25}, L"\u00C8", font, DT_CENTER);
    EXPECT_TRUE(SamePixels(Canvas(cell->hwnd), expected));
}

TEST_F(CellControlTest, SetTextBeforeCreateOnlyStores)
{
    cell->SetText(std::string("Q"));

    EXPECT_EQ(cell->text, L"Q");
    EXPECT_EQ(cell->hwnd, nullptr);
}

TEST_F(CellControlTest, AppliedBackColourStaysUnderTheText)
{
    CreateAndShow("Ag");
    cell->SetBackColor(kBlue);
    cell->paintCallback = CountPaint;
    paintCount = 0;

    cell->Redraw();
    TestSupport::PumpMessages();

    EXPECT_EQ(paintCount, 1);
    Canvas expected(120, 25, kBlue);
    DrawReferenceText(expected, RECT{0, 4, 120, 25}, L"Ag", font, DT_CENTER);
    EXPECT_TRUE(SamePixels(Canvas(cell->hwnd), expected));
    EXPECT_TRUE(cell->backColorSet);
}

TEST_F(CellPicture, RepaintingLeaksNoGdiObject)
{
    cell->marker = true;
    ShowPicture(1, "Ag");
    cell->font = nullptr;  // the own font is made and deleted on every paint
    cell->SetBackColor(kPaper);
    cell->Redraw();
    TestSupport::PumpMessages();
    const int roomBefore = TestSupport::GdiObjectRoom();

    for (int round = 0; round < 500; ++round) {
        InvalidateRect(cell->hwnd, nullptr, TRUE);
        UpdateWindow(cell->hwnd);
    }

    EXPECT_EQ(TestSupport::GdiObjectRoom(), roomBefore);
}

}  // namespace
