#pragma once
// A 32-bit top-down DIB section selected into a memory DC: something to paint on whose pixels a test can
// read back exactly, or a copy of what a window shows in its client area.

#include "support/Win32.h"

namespace TestSupport {

class Canvas {
public:
    Canvas(int width, int height, COLORREF fill = RGB(255, 255, 255));
    // Lets the window paint what is pending (UpdateWindow), then copies its client area from its DC.
    explicit Canvas(HWND window);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc; }
    int Width() const { return width; }
    int Height() const { return height; }

    COLORREF Pixel(int x, int y) const;
    void Fill(COLORREF color);
    void Fill(const RECT& area, COLORREF color);
    // True when every pixel of the area (clipped to the canvas) has the colour.
    bool IsUniform(const RECT& area, COLORREF color) const;
    int CountPixels(const RECT& area, COLORREF color) const;
    // The smallest rectangle (right and bottom exclusive) around the pixels of the area that differ from
    // the background; empty (all zero) when there are none.
    RECT InkBounds(COLORREF background) const;
    RECT InkBounds(const RECT& area, COLORREF background) const;

private:
    void Allocate(COLORREF fill);
    RECT Clip(const RECT& area) const;

    int width;
    int height;
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previousBitmap = nullptr;
    DWORD* bits = nullptr;
};

bool IsEmpty(const RECT& area);

}  // namespace TestSupport
