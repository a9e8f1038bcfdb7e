#include "toolkit/controls/Image.h"
#include "toolkit/controls/Label.h"

#include "support/FontDescription.h"
#include "tests/gui/Canvas.h"
#include "tests/gui/GdiObjectCounter.h"
#include "tests/gui/MessagePump.h"
#include "tests/gui/TestBitmaps.h"
#include "tests/toolkit/controls/ControlsTestSupport.h"
#include "toolkit/core/WindowProcedure.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

namespace {

using ControlsTest::kTestPictureHeight;
using ControlsTest::kTestPictureWidth;
using ControlsTest::TestPicturePixel;
using Kestrum::Image;
using Kestrum::Label;
using TestSupport::Canvas;

DWORD StyleOf(HWND window)
{
    return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
}

DWORD ExtendedStyleOf(HWND window)
{
    return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

HBITMAP ShownBitmap(HWND window)
{
    return reinterpret_cast<HBITMAP>(SendMessageW(window, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

bool ShowsTheTestPicture(HWND window)
{
    const Canvas shown(window);
    for (int y = 0; y < kTestPictureHeight; ++y)
        for (int x = 0; x < kTestPictureWidth; ++x)
            if (shown.Pixel(x, y) != TestPicturePixel(x, y))
                return false;
    return true;
}

// ---- Label ----

class LabelTest : public ControlsTest::FormHost {
protected:
    void SetUp() override
    {
        FormHost::SetUp();
        label = std::make_unique<Label>(form.get(), "Perch\xE9 &mai");
        label->x = 30;
        label->y = 40;
    }

    void TearDown() override
    {
        FormHost::TearDown();
        label.reset();
    }

    std::unique_ptr<Label> label;
};

TEST_F(LabelTest, ConstructionOnlyStoresWidenedText)
{
    EXPECT_EQ(label->text, L"Perch\u00E9 &mai");
    EXPECT_EQ(label->width, 80);
    EXPECT_EQ(label->height, 30);
    EXPECT_EQ(label->typeName, "label");
    EXPECT_EQ(label->parent, form.get());
    EXPECT_FALSE(label->border);
    EXPECT_FALSE(label->alignRight);
    EXPECT_FALSE(label->alignCenter);
    EXPECT_EQ(label->hwnd, nullptr);
}

TEST_F(LabelTest, CreatesASubclassedStaticWithItsIdPlaceAndFont)
{
    Kestrum::FontDescription font("Arial", 16);
    label->font = &font;
    const int idBefore = Kestrum::nextControlId;
    ShowForm({label.get()});

    ASSERT_NE(label->hwnd, nullptr);
    EXPECT_TRUE(label->created);
    EXPECT_EQ(ClassOf(label->hwnd), L"Static");
    EXPECT_EQ(GetParent(label->hwnd), form->hwnd);
    EXPECT_EQ(label->id, idBefore + 2) << "the form takes the id before it";
    EXPECT_EQ(GetDlgCtrlID(label->hwnd), label->id);
    EXPECT_EQ(label->GetText(), L"Perch\u00E9 &mai");
    RECT place{};
    GetWindowRect(label->hwnd, &place);
    MapWindowPoints(nullptr, form->hwnd, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, 30);
    EXPECT_EQ(place.top, 40);
    EXPECT_EQ(place.right - place.left, 80);
    EXPECT_EQ(place.bottom - place.top, 30);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(label->hwnd, GWLP_WNDPROC)), Kestrum::ElementWndProc);
    EXPECT_NE(label->savedWndProc, nullptr);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(label->hwnd, WM_GETFONT, 0, 0)), font.handle);
}

TEST_F(LabelTest, CreateTwiceTakesOneId)
{
    ShowForm({label.get()});
    const int id = label->id;
    HWND window = label->hwnd;

    label->Create();

    EXPECT_EQ(label->id, id);
    EXPECT_EQ(label->hwnd, window);
    EXPECT_EQ(Kestrum::nextControlId, id);
}

struct LabelStyleCase {
    const char* name;
    bool border;
    bool alignRight;
    bool alignCenter;
    bool enabled;
    DWORD style;
    DWORD extendedStyle;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const LabelStyleCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}

class LabelStyle : public LabelTest, public ::testing::WithParamInterface<LabelStyleCase> {};

TEST_P(LabelStyle, FollowsTheFlags)
{
    const LabelStyleCase& flags = GetParam();
    label->border = flags.border;
    label->alignRight = flags.alignRight;
    label->alignCenter = flags.alignCenter;
    label->enabled = flags.enabled;
    ShowForm({label.get()});

    constexpr DWORD kAlways = WS_CHILD | WS_VISIBLE | SS_NOTIFY;
    // Every bit the label decides on; SS_NOPREFIX among them, so an ampersand underlines.
    constexpr DWORD kDecided = kAlways | WS_DISABLED | WS_BORDER | SS_TYPEMASK | SS_NOPREFIX;
    EXPECT_EQ(StyleOf(label->hwnd) & kDecided, kAlways | flags.style) << flags.name;
    EXPECT_EQ(ExtendedStyleOf(label->hwnd) & WS_EX_CLIENTEDGE, flags.extendedStyle) << flags.name;
}

INSTANTIATE_TEST_SUITE_P(
    Flags, LabelStyle,
    ::testing::Values(LabelStyleCase{"Plain", false, false, false, true, SS_LEFT, 0},
                      LabelStyleCase{"Right", false, true, false, true, SS_RIGHT, 0},
                      LabelStyleCase{"Centre", false, false, true, true, SS_CENTER, 0},
                      LabelStyleCase{"RightWinsOverCentre", false, true, true, true, SS_RIGHT, 0},
                      LabelStyleCase{"Border", true, false, false, true, WS_BORDER, WS_EX_CLIENTEDGE},
                      LabelStyleCase{"Disabled", false, false, false, false, WS_DISABLED, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LabelTest, ClicksReachTheLabelInsteadOfFallingThrough)
{
    static int clicks = 0;
    label->leftButtonUpCallback = [](Kestrum::GUIElement*, HWND, int, int) { ++clicks; };
    ShowForm({label.get()});

    RECT place{};
    GetWindowRect(label->hwnd, &place);
    const LPARAM screenPoint = MAKELPARAM(place.left + 5, place.top + 5);
    EXPECT_EQ(SendMessageW(label->hwnd, WM_NCHITTEST, 0, screenPoint), HTCLIENT);
    SendMessageW(label->hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(clicks, 1);
}

TEST_F(LabelTest, SetTextChangesTheWindowText)
{
    ShowForm({label.get()});

    label->SetText(std::string("Parole: 3"));

    wchar_t shown[32] = {};
    GetWindowTextW(label->hwnd, shown, 32);
    EXPECT_STREQ(shown, L"Parole: 3");
}

TEST_F(LabelTest, WithoutAParentWindowCountsAsCreated)
{
    label->Create();

    EXPECT_TRUE(label->created);
    EXPECT_EQ(label->hwnd, nullptr);
}

TEST_F(LabelTest, RepaintingLeaksNoGdiObject)
{
    Kestrum::FontDescription font("Arial", 16);
    label->font = &font;
    ShowForm({label.get()});
    const int roomBefore = TestSupport::GdiObjectRoom();

    for (int round = 0; round < 500; ++round) {
        InvalidateRect(label->hwnd, nullptr, TRUE);
        UpdateWindow(label->hwnd);
    }

    EXPECT_EQ(TestSupport::GdiObjectRoom(), roomBefore);
}

// ---- Image ----

class ImageTest : public ControlsTest::FormHost {
protected:
    void SetUp() override
    {
        FormHost::SetUp();
        picturePath = TestSupport::TemporaryFilePath("ZelvantoImageTest.bmp");
        TestSupport::PixelRows pixels;
        for (int y = 0; y < kTestPictureHeight; ++y)
            for (int x = 0; x < kTestPictureWidth; ++x)
                pixels.push_back(TestPicturePixel(x, y));
        ASSERT_TRUE(TestSupport::WriteBitmapFile(picturePath, kTestPictureWidth, kTestPictureHeight, pixels));
        redPath = TestSupport::TemporaryFilePath("ZelvantoImageTestRed.bmp");
        ASSERT_TRUE(TestSupport::WriteBitmapFile(redPath, 3, 3, TestSupport::PixelRows(9, RGB(255, 0, 0))));
    }

    void TearDown() override
    {
        FormHost::TearDown();
        image.reset();
        DeleteFileA(picturePath.c_str());
        DeleteFileA(redPath.c_str());
    }

    void ShowImage(int resourceId)
    {
        image = std::make_unique<Image>(form.get(), resourceId);
        image->x = 20;
        image->y = 20;
        ShowForm({image.get()});
    }

    std::string picturePath;
    std::string redPath;
    std::unique_ptr<Image> image;
};

TEST_F(ImageTest, ConstructionOnlyStoresTheChoice)
{
    Image waiting(form.get(), IDB_TEST_PICTURE);

    EXPECT_EQ(waiting.resourceId, IDB_TEST_PICTURE);
    EXPECT_TRUE(waiting.pictureFile.empty());
    EXPECT_EQ(waiting.picture, nullptr);
    EXPECT_EQ(waiting.typeName, "image");
    EXPECT_EQ(waiting.width, 100);
    EXPECT_EQ(waiting.height, 50);
    EXPECT_TRUE(waiting.text.empty());
}

TEST_F(ImageTest, ShowsAResourceBitmapAtItsOwnSize)
{
    ShowImage(IDB_TEST_PICTURE);

    ASSERT_NE(image->picture, nullptr);
    EXPECT_EQ(ShownBitmap(image->hwnd), image->picture);
    DIBSECTION section{};
    EXPECT_EQ(GetObjectW(image->picture, sizeof section, &section), static_cast<int>(sizeof section))
        << "loaded as a DIB section";
    RECT place{};
    GetWindowRect(image->hwnd, &place);
    EXPECT_EQ(place.right - place.left, kTestPictureWidth) << "the static sizes itself to the picture";
    EXPECT_EQ(place.bottom - place.top, kTestPictureHeight);
    EXPECT_TRUE(ShowsTheTestPicture(image->hwnd));
}

TEST_F(ImageTest, IsASubclassedNotifyingBitmapStatic)
{
    image = std::make_unique<Image>(form.get(), IDB_TEST_PICTURE);
    image->border = true;
    ShowForm({image.get()});

    EXPECT_EQ(ClassOf(image->hwnd), L"Static");
    EXPECT_EQ(GetDlgCtrlID(image->hwnd), image->id);
    constexpr DWORD kExpected = WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_BITMAP | WS_BORDER;
    EXPECT_EQ(StyleOf(image->hwnd) & (kExpected | WS_DISABLED | SS_TYPEMASK), kExpected);
    EXPECT_EQ(ExtendedStyleOf(image->hwnd) & WS_EX_CLIENTEDGE, static_cast<DWORD>(WS_EX_CLIENTEDGE));
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(image->hwnd, GWLP_WNDPROC)), Kestrum::ElementWndProc);
    EXPECT_NE(image->savedWndProc, nullptr);
}

TEST_F(ImageTest, ShowsAFileChosenBeforeCreate)
{
    image = std::make_unique<Image>(form.get(), IDB_TEST_PICTURE);
    image->x = 20;
    image->y = 20;
    image->SetPictureFile(picturePath);
    EXPECT_EQ(image->resourceId, Kestrum::kNoResource);
    EXPECT_EQ(image->picture, nullptr) << "nothing is loaded before Create";

    ShowForm({image.get()});

    ASSERT_NE(image->picture, nullptr);
    EXPECT_EQ(ShownBitmap(image->hwnd), image->picture);
    EXPECT_TRUE(ShowsTheTestPicture(image->hwnd));
}

TEST_F(ImageTest, SetPictureFileReplacesThePicture)
{
    ShowImage(IDB_TEST_PICTURE);

    image->SetPictureFile(redPath);
    TestSupport::PumpMessages();

    EXPECT_EQ(ShownBitmap(image->hwnd), image->picture);
    EXPECT_EQ(image->pictureFile, redPath);
    EXPECT_TRUE(Canvas(image->hwnd).IsUniform(RECT{0, 0, 3, 3}, RGB(255, 0, 0)));
}

TEST_F(ImageTest, EmptyFileKeepsThePicture)
{
    ShowImage(IDB_TEST_PICTURE);
    HBITMAP shown = image->picture;

    image->SetPictureFile("");

    EXPECT_EQ(image->picture, shown);
    EXPECT_EQ(ShownBitmap(image->hwnd), shown);
    EXPECT_EQ(image->resourceId, Kestrum::kNoResource);
    EXPECT_TRUE(ShowsTheTestPicture(image->hwnd));
}

TEST_F(ImageTest, ResourceIdBelowOneKeepsThePicture)
{
    ShowImage(Kestrum::kNoResource);
    image->SetPictureFile(picturePath);
    HBITMAP shown = image->picture;
    ASSERT_NE(shown, nullptr);

    for (const int id : {0, -3}) {
        image->SetPictureResource(id);

        EXPECT_EQ(image->picture, shown) << id;
        EXPECT_EQ(ShownBitmap(image->hwnd), shown) << id;
        EXPECT_EQ(image->resourceId, id);
        EXPECT_TRUE(image->pictureFile.empty());
    }
}

TEST_F(ImageTest, ResourceIdBelowOneShowsNothingOnANewImage)
{
    ShowImage(0);

    EXPECT_EQ(image->picture, nullptr);
    EXPECT_EQ(ShownBitmap(image->hwnd), nullptr);
}

TEST_F(ImageTest, NoResourceAndNoFileShowsNothing)
{
    ShowImage(Kestrum::kNoResource);

    EXPECT_TRUE(image->created);
    EXPECT_EQ(image->picture, nullptr);
    EXPECT_EQ(ShownBitmap(image->hwnd), nullptr);
}

TEST_F(ImageTest, AFailedLoadLeavesTheWindowWithoutTheDeletedPicture)
{
    ShowImage(IDB_TEST_PICTURE);
    HBITMAP old = image->picture;

    image->SetPictureFile(TestSupport::TemporaryFilePath("ZelvantoNoSuchPicture.bmp"));

    EXPECT_EQ(image->picture, nullptr);
    EXPECT_EQ(ShownBitmap(image->hwnd), nullptr);
    BITMAP info{};
    EXPECT_EQ(GetObjectW(old, sizeof info, &info), 0) << "the old picture is deleted";

    image->SetPictureResource(IDB_TEST_PICTURE);
    EXPECT_NE(image->picture, nullptr);
    EXPECT_EQ(ShownBitmap(image->hwnd), image->picture);
}

TEST_F(ImageTest, OwnsItsPicture)
{
    ShowImage(IDB_TEST_PICTURE);
    const int roomWithPicture = TestSupport::GdiObjectRoom();

    for (int round = 0; round < 250; ++round) {
        image->SetPictureResource(IDB_TEST_PICTURE);
        image->SetPictureFile(picturePath);
    }
    EXPECT_EQ(TestSupport::GdiObjectRoom(), roomWithPicture) << "each new picture deletes the old one";

    image.reset();
    EXPECT_EQ(TestSupport::GdiObjectRoom(), roomWithPicture + 1) << "the destructor deletes the last one";
}

TEST_F(ImageTest, RepaintingLeaksNoGdiObject)
{
    ShowImage(IDB_TEST_PICTURE);
    const int roomBefore = TestSupport::GdiObjectRoom();

    for (int round = 0; round < 500; ++round) {
        InvalidateRect(image->hwnd, nullptr, TRUE);
        UpdateWindow(image->hwnd);
    }

    EXPECT_EQ(TestSupport::GdiObjectRoom(), roomBefore);
}

TEST_F(ImageTest, WithoutAParentWindowStaysUncreatedUntilItCanBeMade)
{
    image = std::make_unique<Image>(form.get(), IDB_TEST_PICTURE);

    image->Create();

    EXPECT_FALSE(image->created);
    EXPECT_EQ(image->picture, nullptr) << "no picture is loaded for a window that is not there";

    ShowForm({image.get()});
    EXPECT_TRUE(image->created);
    EXPECT_TRUE(ShowsTheTestPicture(image->hwnd));
}

}  // namespace
