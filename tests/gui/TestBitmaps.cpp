#include "tests/gui/TestBitmaps.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace TestSupport {

namespace {

// 24-bit rows are padded to a multiple of four bytes.
int RowStride(int width)
{
    return (width * 3 + 3) & ~3;
}

BITMAPINFOHEADER Header(int width, int height)
{
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;  // bottom-up, as .bmp files usually are
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(RowStride(width) * height);
    return header;
}

std::vector<std::uint8_t> BottomUpRows(int width, int height, const PixelRows& pixels)
{
    std::vector<std::uint8_t> rows(static_cast<size_t>(RowStride(width)) * height, 0);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = rows.data() + static_cast<size_t>(height - 1 - y) * RowStride(width);
        for (int x = 0; x < width; ++x) {
            const COLORREF color = pixels[static_cast<size_t>(y) * width + x];
            row[x * 3] = GetBValue(color);
            row[x * 3 + 1] = GetGValue(color);
            row[x * 3 + 2] = GetRValue(color);
        }
    }
    return rows;
}

}  // namespace

HBITMAP MakeBitmap(int width, int height, const PixelRows& pixels)
{
    BITMAPINFO info{};
    info.bmiHeader = Header(width, height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr)
        return nullptr;
    const std::vector<std::uint8_t> rows = BottomUpRows(width, height, pixels);
    std::memcpy(bits, rows.data(), rows.size());
    return bitmap;
}

HBITMAP MakeBitmap(int width, int height, COLORREF color)
{
    return MakeBitmap(width, height, PixelRows(static_cast<size_t>(width) * height, color));
}

bool WriteBitmapFile(const std::string& path, int width, int height, const PixelRows& pixels)
{
    const BITMAPINFOHEADER header = Header(width, height);
    const std::vector<std::uint8_t> rows = BottomUpRows(width, height, pixels);
    BITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = 0x4D42;  // "BM"
    fileHeader.bfOffBits = sizeof fileHeader + sizeof header;
    fileHeader.bfSize = static_cast<DWORD>(fileHeader.bfOffBits + rows.size());
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    bool written = std::fwrite(&fileHeader, sizeof fileHeader, 1, file) == 1 &&
                   std::fwrite(&header, sizeof header, 1, file) == 1 &&
                   std::fwrite(rows.data(), rows.size(), 1, file) == 1;
    written = std::fclose(file) == 0 && written;
    return written;
}

std::string TemporaryFilePath(const std::string& name)
{
    char folder[MAX_PATH + 1] = {};
    GetTempPathA(sizeof folder, folder);
    const std::string path = std::string(folder) + name;
    DeleteFileA(path.c_str());
    return path;
}

}  // namespace TestSupport
