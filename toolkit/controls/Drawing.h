#pragma once
// One paint of one element: wraps the device context that BeginPaint gives (or that an owner-drawn
// control lends) and offers text, rectangle and bitmap primitives that leave nothing behind in the DC but
// the transparent text background mode. Always a local object that lives for one paint message.

#include "support/Win32.h"

#include <string>

namespace Kestrum {

class GUIElement;
struct FontDescription;

// Alignment codes of WriteText and of the text cells; any other value means left.
constexpr int kAlignLeft = 0;
constexpr int kAlignRight = 1;
constexpr int kAlignCenter = 2;

class Drawing {
public:
    explicit Drawing(GUIElement* paintedElement);
    // Not virtual on purpose: a Drawing is a local object, never deleted through a base pointer.
    ~Drawing();
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    void Begin();
    // Draws on a DC that its lender keeps (the DC of WM_DRAWITEM): End drops it without ending it.
    void Adopt(HDC lentDc);
    // Safe to call more than once; the destructor calls it too.
    void End();

    // Draws from the top of the rectangle, clipped to it, breaking lines only at the text's own line
    // breaks; at most 1023 characters. With a zero width or height the text is written unaligned and
    // unclipped at (x, y). font may be null (the DC's font is used).
    void WriteText(int x, int y, int width, int height, const std::wstring& text, COLORREF color,
                   FontDescription* font, int alignment);
    // Code page 1252 text.
    void WriteText(int x, int y, int width, int height, const std::string& text, COLORREF color,
                   FontDescription* font, int alignment);
    // The font's cell height, or -1 without a DC or a font.
    int TextHeight(FontDescription* font);
    // A one-pixel outline; the inside is left untouched.
    void FrameRectangle(int x, int y, int width, int height, COLORREF color);
    // Fills the rectangle less its right column and bottom row, as Rectangle with a null pen does.
    void FillRectangle(int x, int y, int width, int height, COLORREF color);
    // Opaque copy of the bitmap's part at (sourceX, sourceY). The bitmap stays the caller's.
    void CopyBitmap(int x, int y, int width, int height, HBITMAP bitmap, int sourceX, int sourceY);
    // As CopyBitmap, but the bitmap's pure black pixels, RGB(0,0,0), let the target show through. Relies
    // on the target DC's default colours: black text, white background.
    void CopyBitmapTransparent(int x, int y, int width, int height, HBITMAP bitmap, int sourceX,
                               int sourceY);
    // The whole bitmap, black transparent as above; stretched to width x height only when both are
    // non-zero, else drawn at its own size.
    void DrawBitmapTransparent(int x, int y, int width, int height, HBITMAP bitmap);

    // A bitmap file loaded at its own size as a DIB section, or null. The caller owns the result.
    static HBITMAP LoadBitmapFile(const std::string& path);

    // Called when a GDI step fails; the primitive then goes on. The base reads and drops the last error.
    virtual void OnGdiFailure();

    GUIElement* owner;  // not owned
    HDC dc = nullptr;
    bool adopted = false;
    PAINTSTRUCT paint{};
};

}  // namespace Kestrum
