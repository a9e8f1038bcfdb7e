// Reads back from the built ZelvantoGame.exe what Windows and its players see of the file without running
// it: the version record, the manifest, the icon group, the bitmaps and the word table. The executable is
// loaded as data only.

#include "support/Win32.h"
#include "tests/game/ShippedWordList.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

// A path from the build; under Wine it is a Unix path, which resolves on the current drive (Z:, the root).
const wchar_t* const kExecutable = L"" ZELVANTO_GAME_EXE;

// The released version, as players and installers read it from the file's properties.
const wchar_t* const kReleasedVersion = L"1.1.0.0";

std::wstring VersionText(DWORD mostSignificant, DWORD leastSignificant)
{
    return std::to_wstring(HIWORD(mostSignificant)) + L"." + std::to_wstring(LOWORD(mostSignificant)) + L"." +
           std::to_wstring(HIWORD(leastSignificant)) + L"." + std::to_wstring(LOWORD(leastSignificant));
}

struct Translation {
    WORD language;
    WORD codePage;
};

class GameExecutableVersion : public testing::Test {
protected:
    void SetUp() override
    {
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(kExecutable, &ignored);
        ASSERT_NE(size, 0u) << "no version record in " << ZELVANTO_GAME_EXE << ", error " << GetLastError();
        record.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(kExecutable, 0, size, record.data()));
    }

    // The value under a path of the record, or null with length 0 when there is none.
    const void* Query(const std::wstring& path, UINT& length)
    {
        void* value = nullptr;
        length = 0;
        if (!VerQueryValueW(record.data(), path.c_str(), &value, &length))
            return nullptr;
        return value;
    }

    std::vector<Translation> Translations()
    {
        UINT length = 0;
        const auto* pairs = static_cast<const Translation*>(Query(L"\\VarFileInfo\\Translation", length));
        if (pairs == nullptr)
            return {};
        return std::vector<Translation>(pairs, pairs + length / sizeof(Translation));
    }

    std::vector<BYTE> record;
};

TEST_F(GameExecutableVersion, FixedFileAndProductVersionAreTheRelease)
{
    UINT length = 0;
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(Query(L"\\", length));
    ASSERT_NE(fixed, nullptr);
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(VersionText(fixed->dwFileVersionMS, fixed->dwFileVersionLS), kReleasedVersion);
    EXPECT_EQ(VersionText(fixed->dwProductVersionMS, fixed->dwProductVersionLS), kReleasedVersion);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST_F(GameExecutableVersion, TranslationIsUsEnglishUnicode)
{
    const std::vector<Translation> translations = Translations();
    ASSERT_EQ(translations.size(), 1u);
    EXPECT_EQ(translations[0].language, 0x0409);
    EXPECT_EQ(translations[0].codePage, 1200);
}

// Read through the block that the translation names, as Explorer's property sheet does.
TEST_F(GameExecutableVersion, StringsNameTheGameAndItsVersion)
{
    const std::vector<Translation> translations = Translations();
    ASSERT_FALSE(translations.empty());
    wchar_t block[64];
    std::swprintf(block, 64, L"\\StringFileInfo\\%04x%04x\\", translations[0].language, translations[0].codePage);
    const struct {
        const wchar_t* name;
        const wchar_t* value;
    } cases[] = {
        {L"FileVersion", kReleasedVersion},   {L"ProductVersion", kReleasedVersion},
        {L"ProductName", L"ZelvantoGame"},        {L"InternalName", L"ZelvantoGame"},
        {L"OriginalFilename", L"ZelvantoGame.exe"},
    };
    for (const auto& c : cases) {
        UINT length = 0;
        const auto* text = static_cast<const wchar_t*>(Query(block + std::wstring(c.name), length));
        ASSERT_NE(text, nullptr) << "no " << testing::PrintToString(std::wstring(c.name));
        EXPECT_EQ(std::wstring(text), c.value) << testing::PrintToString(std::wstring(c.name));
    }
}

#pragma pack(push, 2)
struct IconGroupHeader {
    WORD reserved;
    WORD type;
    WORD count;
};

struct IconGroupEntry {
    BYTE width;
    BYTE height;
    BYTE colorCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInResource;
    WORD id;
};
#pragma pack(pop)

class GameExecutableResources : public testing::Test {
protected:
    void SetUp() override
    {
        module = LoadLibraryExW(kExecutable, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr) << "cannot load " << ZELVANTO_GAME_EXE << ", error " << GetLastError();
    }

    void TearDown() override
    {
        if (module != nullptr)
            FreeLibrary(module);
    }

    // The resource's bytes, empty when there is no such resource.
    std::string Bytes(const wchar_t* type, int id)
    {
        const HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(id), type);
        if (info == nullptr)
            return {};
        const HGLOBAL loaded = LoadResource(module, info);
        const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
        if (bytes == nullptr)
            return {};
        return std::string(static_cast<const char*>(bytes), SizeofResource(module, info));
    }

    // Bitmap and icon images both start with the header of a device-independent bitmap.
    static bool ReadBitmapHeader(const std::string& bytes, BITMAPINFOHEADER& header)
    {
        if (bytes.size() < sizeof header)
            return false;
        std::memcpy(&header, bytes.data(), sizeof header);
        return header.biSize >= sizeof header;
    }

    HMODULE module = nullptr;
};

// The attribute's value inside the first element of that name, or empty.
std::string AttributeOf(const std::string& xml, const std::string& element, const std::string& attribute)
{
    const size_t start = xml.find("<" + element);
    if (start == std::string::npos)
        return {};
    const std::string tag = xml.substr(start, xml.find('>', start) - start);
    const std::string key = " " + attribute + "=\"";
    const size_t value = tag.find(key);
    if (value == std::string::npos)
        return {};
    const size_t first = value + key.size();
    return tag.substr(first, tag.find('"', first) - first);
}

TEST_F(GameExecutableResources, ManifestRunsAsInvokerWithoutUiAccess)
{
    const std::string manifest = Bytes(RT_MANIFEST, 1);
    ASSERT_FALSE(manifest.empty()) << "no manifest 1";
    EXPECT_EQ(AttributeOf(manifest, "requestedExecutionLevel", "level"), "asInvoker");
    EXPECT_EQ(AttributeOf(manifest, "requestedExecutionLevel", "uiAccess"), "false");
}

// Version 6 of the common controls would give the buttons the themed look instead of the classic one.
TEST_F(GameExecutableResources, ManifestAsksForNoCommonControlsVersion)
{
    const std::string manifest = Bytes(RT_MANIFEST, 1);
    ASSERT_FALSE(manifest.empty()) << "no manifest 1";
    EXPECT_EQ(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_EQ(manifest.find("<dependency"), std::string::npos);
}

TEST_F(GameExecutableResources, IconGroupHoldsSixteenColourImagesOfThreeSizes)
{
    const std::string group = Bytes(RT_GROUP_ICON, 1005);
    ASSERT_GE(group.size(), sizeof(IconGroupHeader)) << "no icon group 1005";
    IconGroupHeader header;
    std::memcpy(&header, group.data(), sizeof header);
    EXPECT_EQ(header.type, 1);
    ASSERT_EQ(group.size(), sizeof header + header.count * sizeof(IconGroupEntry));

    // (width, height, bits per pixel) of each image as the image itself states it.
    std::set<std::tuple<LONG, LONG, WORD>> images;
    for (int i = 0; i < header.count; ++i) {
        IconGroupEntry entry;
        std::memcpy(&entry, group.data() + sizeof header + i * sizeof entry, sizeof entry);
        BITMAPINFOHEADER image;
        ASSERT_TRUE(ReadBitmapHeader(Bytes(RT_ICON, entry.id), image)) << "icon image " << entry.id;
        EXPECT_EQ(image.biWidth, entry.width) << "icon image " << entry.id;
        // An icon image's height counts the colour rows and the mask rows.
        images.insert({image.biWidth, image.biHeight / 2, image.biBitCount});
    }
    const std::set<std::tuple<LONG, LONG, WORD>> expected = {{16, 16, 4}, {32, 32, 4}, {48, 48, 4}};
    EXPECT_EQ(images, expected);
}

TEST_F(GameExecutableResources, BitmapsHaveTheirSizes)
{
    const struct {
        int id;
        const char* picture;
        LONG width;
        LONG height;
        WORD bitsPerPixel;  // 0: any depth
    } cases[] = {
        {1006, "About banner", 163, 50, 0},
        {1007, "title banner", 200, 50, 0},
        {1009, "hangman strip", 1050, 150, 8},
    };
    for (const auto& c : cases) {
        BITMAPINFOHEADER header;
        ASSERT_TRUE(ReadBitmapHeader(Bytes(RT_BITMAP, c.id), header)) << c.picture << " " << c.id;
        EXPECT_EQ(header.biWidth, c.width) << c.picture;
        EXPECT_EQ(std::labs(header.biHeight), c.height) << c.picture;
        if (c.bitsPerPixel != 0) {
            EXPECT_EQ(header.biBitCount, c.bitsPerPixel) << c.picture;
        }
    }
}

TEST_F(GameExecutableResources, WordTableIsTheShippedList)
{
    const std::string shipped = ReadShippedWordList();
    ASSERT_FALSE(shipped.empty()) << "cannot read " << ZELVANTO_WORD_LIST;
    EXPECT_TRUE(Bytes(RT_RCDATA, 1008) == shipped) << "RCDATA 1008 differs from " << ZELVANTO_WORD_LIST;
}

}  // namespace
