#include "tests/gui/Canvas.h"

#include <algorithm>

namespace TestSupport {

namespace {

COLORREF FromPixel(DWORD pixel)
{
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

DWORD ToPixel(COLORREF color)
{
    return (static_cast<DWORD>(GetRValue(color)) << 16) | (static_cast<DWORD>(GetGValue(color)) << 8) |
           GetBValue(color);
}

SIZE ClientSize(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return SIZE{client.right - client.left, client.bottom - client.top};
}

}  // namespace

bool IsEmpty(const RECT& area)
{
    return area.right <= area.left || area.bottom <= area.top;
}

Canvas::Canvas(int canvasWidth, int canvasHeight, COLORREF fill) : width(canvasWidth), height(canvasHeight)
{
    Allocate(fill);
}

Canvas::Canvas(HWND window) : width(ClientSize(window).cx), height(ClientSize(window).cy)
{
    Allocate(RGB(255, 255, 255));
    UpdateWindow(window);
    HDC windowDc = GetDC(window);
    BitBlt(dc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
    ReleaseDC(window, windowDc);
    GdiFlush();
}

Canvas::~Canvas()
{
    SelectObject(dc, previousBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

void Canvas::Allocate(COLORREF fill)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* memory = nullptr;
    bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    bits = static_cast<DWORD*>(memory);
    dc = CreateCompatibleDC(nullptr);
    previousBitmap = SelectObject(dc, bitmap);
    Fill(fill);
}

COLORREF Canvas::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return CLR_INVALID;
    GdiFlush();
    return FromPixel(bits[static_cast<size_t>(y) * width + x]);
}

void Canvas::Fill(COLORREF color)
{
    Fill(RECT{0, 0, width, height}, color);
}

void Canvas::Fill(const RECT& area, COLORREF color)
{
    GdiFlush();
    const RECT clipped = Clip(area);
    for (int y = clipped.top; y < clipped.bottom; ++y)
        std::fill_n(bits + static_cast<size_t>(y) * width + clipped.left, clipped.right - clipped.left,
                    ToPixel(color));
}

RECT Canvas::Clip(const RECT& area) const
{
    RECT clipped{std::max(0L, area.left), std::max(0L, area.top), std::min<LONG>(width, area.right),
                 std::min<LONG>(height, area.bottom)};
    if (IsEmpty(clipped))
        return RECT{};
    return clipped;
}

bool Canvas::IsUniform(const RECT& area, COLORREF color) const
{
    const RECT clipped = Clip(area);
    return CountPixels(clipped, color) == (clipped.right - clipped.left) * (clipped.bottom - clipped.top);
}

int Canvas::CountPixels(const RECT& area, COLORREF color) const
{
    GdiFlush();
    const RECT clipped = Clip(area);
    int count = 0;
    for (int y = clipped.top; y < clipped.bottom; ++y)
        for (int x = clipped.left; x < clipped.right; ++x)
            count += Pixel(x, y) == color ? 1 : 0;
    return count;
}

RECT Canvas::InkBounds(COLORREF background) const
{
    return InkBounds(RECT{0, 0, width, height}, background);
}

RECT Canvas::InkBounds(const RECT& area, COLORREF background) const
{
    GdiFlush();
    const RECT clipped = Clip(area);
    RECT ink{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    for (int y = clipped.top; y < clipped.bottom; ++y) {
        for (int x = clipped.left; x < clipped.right; ++x) {
            if (Pixel(x, y) == background)
                continue;
            ink.left = std::min<LONG>(ink.left, x);
            ink.top = std::min<LONG>(ink.top, y);
            ink.right = std::max<LONG>(ink.right, x + 1);
            ink.bottom = std::max<LONG>(ink.bottom, y + 1);
        }
    }
    return IsEmpty(ink) ? RECT{} : ink;
}

}  // namespace TestSupport
