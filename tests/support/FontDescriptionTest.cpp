#include "support/FontDescription.h"
#include "support/Win32.h"
#include "tests/gui/GdiObjectCounter.h"
#include "tests/gui/MessagePump.h"
#include "toolkit/controls/Button.h"
#include "toolkit/core/Form.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

using namespace Kestrum;

namespace {

LOGFONTW Describe(HFONT font)
{
    LOGFONTW description{};
    EXPECT_EQ(GetObjectW(font, sizeof description, &description), static_cast<int>(sizeof description));
    return description;
}

}  // namespace

TEST(FontDescription, DefaultDescriptionAsksForTheSystemFaceAtDefaultHeight)
{
    FontDescription font;

    EXPECT_EQ(font.faceName, L"System");
    EXPECT_EQ(font.height, 0);
    EXPECT_FALSE(font.bold || font.italic || font.underline || font.fixedPitch);
    EXPECT_EQ(font.handle, nullptr);
}

TEST(FontDescription, FaceAndHeightAreTakenAsGiven)
{
    FontDescription font("Lucida Console", 14);

    EXPECT_EQ(font.faceName, L"Lucida Console");
    EXPECT_EQ(font.height, 14);
    EXPECT_FALSE(font.bold || font.italic || font.underline || font.fixedPitch);
    EXPECT_EQ(font.handle, nullptr);
}

TEST(FontDescription, OneFontPerDescriptionHoweverOftenAsked)
{
    FontDescription font("Arial", 16);
    const int roomBefore = TestSupport::GdiObjectRoom();

    HFONT first = font.GetFontHandle();
    HFONT second = font.GetFontHandle();

    EXPECT_NE(first, nullptr);
    EXPECT_EQ(second, first);
    EXPECT_EQ(font.handle, first);
    EXPECT_EQ(TestSupport::GdiObjectRoom(), roomBefore - 1);
}

TEST(FontDescription, FontIsDeletedWithTheDescription)
{
    const int roomBefore = TestSupport::GdiObjectRoom();
    auto font = std::make_unique<FontDescription>("Arial", 16);
    HFONT handle = font->GetFontHandle();
    ASSERT_EQ(GetObjectType(handle), static_cast<DWORD>(OBJ_FONT));

    font.reset();

    EXPECT_EQ(TestSupport::GdiObjectRoom(), roomBefore);
}

TEST(FontDescription, DescriptionNeverAskedCreatesAndDeletesNothing)
{
    const int roomBefore = TestSupport::GdiObjectRoom();
    HFONT unrelated = CreateFontW(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial");

    { FontDescription font("Tahoma", 14); }

    EXPECT_EQ(GetObjectType(unrelated), static_cast<DWORD>(OBJ_FONT));
    EXPECT_EQ(TestSupport::GdiObjectRoom(), roomBefore - 1);
    DeleteObject(unrelated);
}

TEST(FontDescription, FontIsCreatedWithExactlyTheDescribedArguments)
{
    struct Case {
        const char* name;
        const char* face;
        int height;
        bool bold;
        bool italic;
        bool underline;
        bool fixedPitch;
        LONG weight;
    };
    const Case cases[] = {
        {"main form", "Lucida Console", 14, false, false, false, false, 400},
        {"About title", "Arial", 16, true, false, false, false, 700},
        {"About link", "Arial", 16, false, false, true, false, 400},
        {"italic, fixed pitch, character height", "Tahoma", -12, false, true, false, true, 400},
    };
    for (const Case& c : cases) {
        FontDescription font(c.face, c.height);
        font.bold = c.bold;
        font.italic = c.italic;
        font.underline = c.underline;
        font.fixedPitch = c.fixedPitch;

        LOGFONTW asked = Describe(font.GetFontHandle());

        EXPECT_EQ(std::wstring(asked.lfFaceName), std::wstring(c.face, c.face + strlen(c.face))) << c.name;
        EXPECT_EQ(asked.lfHeight, c.height) << c.name;
        EXPECT_EQ(asked.lfWidth, 0) << c.name;
        EXPECT_EQ(asked.lfEscapement, 0) << c.name;
        EXPECT_EQ(asked.lfOrientation, 0) << c.name;
        EXPECT_EQ(asked.lfWeight, c.weight) << c.name;
        EXPECT_EQ(asked.lfItalic, c.italic ? 1 : 0) << c.name;
        EXPECT_EQ(asked.lfUnderline, c.underline ? 1 : 0) << c.name;
        EXPECT_EQ(asked.lfStrikeOut, 0) << c.name;
        EXPECT_EQ(asked.lfCharSet, DEFAULT_CHARSET) << c.name;
        EXPECT_EQ(asked.lfOutPrecision, OUT_OUTLINE_PRECIS) << c.name;
        EXPECT_EQ(asked.lfClipPrecision, CLIP_DEFAULT_PRECIS) << c.name;
        EXPECT_EQ(asked.lfQuality, CLEARTYPE_QUALITY) << c.name;
        EXPECT_EQ(asked.lfPitchAndFamily, c.fixedPitch ? FIXED_PITCH : DEFAULT_PITCH) << c.name;
    }
}

TEST(FontDescription, DefaultDescriptionCreatesTheSystemFaceAtHeightZero)
{
    FontDescription font;

    LOGFONTW asked = Describe(font.GetFontHandle());

    EXPECT_EQ(std::wstring(asked.lfFaceName), L"System");
    EXPECT_EQ(asked.lfHeight, 0);
    EXPECT_EQ(asked.lfWeight, FW_NORMAL);
}

TEST(FontDescription, ElementsSharingADescriptionShareOneFontThatOutlivesThem)
{
    FontDescription font("Lucida Console", 14);
    Form form(GetModuleHandleW(nullptr));
    form.Create();
    auto first = std::make_unique<Button>(&form, "A");
    first->font = &font;
    first->Create();
    Button second(&form, "B");
    second.font = &font;
    second.Create();

    auto firstFont = reinterpret_cast<HFONT>(SendMessageW(first->hwnd, WM_GETFONT, 0, 0));
    auto secondFont = reinterpret_cast<HFONT>(SendMessageW(second.hwnd, WM_GETFONT, 0, 0));
    DestroyWindow(first->hwnd);
    first.reset();

    EXPECT_EQ(firstFont, font.handle);
    EXPECT_EQ(secondFont, font.handle);
    EXPECT_EQ(GetObjectType(font.handle), static_cast<DWORD>(OBJ_FONT));
}
