#include "support/TextHelpers.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

using namespace Kestrum;

namespace {

// Code page 1252 bytes of the accented letters the word list uses.
const std::string kCitta = "citt\xE0";
const std::string kCaffe = "caff\xE8";
const std::string kPerche = "perch\xE9";

std::string Bytes(std::initializer_list<int> values)
{
    std::string bytes;
    for (int value : values)
        bytes.push_back(static_cast<char>(value));
    return bytes;
}

}  // namespace

TEST(WidenText, MapsEachByteToTheCodeUnitOfTheSameValue)
{
    EXPECT_EQ(WidenText(kCitta), (std::wstring{L'c', L'i', L't', L't', wchar_t(0x00E0)}));
    EXPECT_EQ(WidenText("ci\xF2"), (std::wstring{L'c', L'i', wchar_t(0x00F2)}));
    EXPECT_EQ(WidenText(Bytes({0x80, 0x9F, 0xFF})), (std::wstring{wchar_t(0x80), wchar_t(0x9F), wchar_t(0xFF)}));
}

TEST(WidenText, StopsAtTheFirstZeroByte)
{
    EXPECT_EQ(WidenText(""), L"");
    EXPECT_EQ(WidenText(std::string("\0abc", 4)), L"");
    EXPECT_EQ(WidenText(std::string("ab\0cd", 5)), L"ab");
}

TEST(NarrowText, KeepsTheLowByteOfEveryUnit)
{
    EXPECT_EQ(NarrowText(std::wstring{wchar_t(0x20AC)}), "\xAC");
    EXPECT_EQ(NarrowText(std::wstring(L"a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(NarrowText(L""), "");
}

TEST(NarrowText, UndoesWidenTextForEveryByteButZero)
{
    std::string allBytes;
    for (int value = 1; value < 256; ++value)
        allBytes.push_back(static_cast<char>(value));
    EXPECT_EQ(NarrowText(WidenText(allBytes)), allBytes);
    EXPECT_EQ(NarrowText(WidenText(kPerche)), kPerche);
}

TEST(UpperCaseText, ChangesOnlyTheLettersAToZ)
{
    const struct {
        std::string input;
        std::string expected;
    } cases[] = {
        {"Domenica", "DOMENICA"},
        {kCaffe, "CAFF\xE8"},
        {kCitta, "CITT\xE0"},
        {kPerche, "PERCH\xE9"},
        {"", ""},
        {"az@[`{AZ09", "AZ@[`{AZ09"},
        {Bytes({0xE0, 0xE8, 0xFF, 0xC0}), Bytes({0xE0, 0xE8, 0xFF, 0xC0})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UpperCaseText(c.input), c.expected) << c.input;
}

TEST(ReplaceAll, ReplacesEveryOccurrence)
{
    const struct {
        std::string text, search, replacement, expected;
    } cases[] = {
        {"pap\xE0", "\xE0", "a", "papa"},
        {"aaa", "aa", "a", "a"},                  // a replacement can form a new occurrence
        {"xaaaay", "aa", "a", "xay"},
        {"abcabc", "bc", "", "aa"},
        {"nothing here", "zz", "y", "nothing here"},
        {"", "a", "b", ""},
        {"http://www.example.org", "http://www.", "info@", "info@example.org"},
        {"a.b.c", ".", "::", "a::b::c"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReplaceAll(c.text, c.search, c.replacement), c.expected) << c.text << " / " << c.search;
}

TEST(ReplaceAll, EndsWhenTheSearchTextCouldNeverVanish)
{
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceAll("a-a", "a", "aa"), "aa-aa");
    EXPECT_EQ(ReplaceAll("xax", "a", "a"), "xax");
    EXPECT_EQ(ReplaceAll("aab", "ab", "bbaa"), "abbaa");
}

TEST(SplitText, KeepsEmptyPiecesButTheLastOne)
{
    using Pieces = std::vector<std::string>;
    const struct {
        std::string text, separator;
        Pieces expected;
    } cases[] = {
        {"lago;;;", ";", {"lago", "", ""}},
        {"citt\xE0;VERO;tornare;ne", ";", {"citt\xE0", "VERO", "tornare", "ne"}},
        {"professore;contadino;attraversare;", ";", {"professore", "contadino", "attraversare"}},
        {";a", ";", {"", "a"}},
        {"a;", ";", {"a"}},
        {"a;;", ";", {"a", ""}},
        {";", ";", {""}},
        {"", ";", {}},
        {"abc", "", {}},
        {"abc", ";", {"abc"}},
        {"x\r\ny\r\n", "\r\n", {"x", "y"}},
        {"x\r\n\r\ny", "\r\n", {"x", "", "y"}},
        {"x\ny\r\n", "\r\n", {"x\ny"}},
        {"aaaa", "aa", {"", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitText(c.text, c.separator), c.expected) << c.text;
}

TEST(NumberText, WritesPlainDecimals)
{
    const struct {
        std::int64_t value;
        std::string expected;
    } cases[] = {
        {0, "0"}, {7, "7"}, {-12, "-12"}, {1000000, "1000000"},
        {INT64_MAX, "9223372036854775807"}, {INT64_MIN, "-9223372036854775808"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberText(c.value), c.expected);
        EXPECT_EQ(NumberWideText(c.value), WidenText(c.expected));
    }
}
