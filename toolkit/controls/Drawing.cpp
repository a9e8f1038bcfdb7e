#include "toolkit/controls/Drawing.h"

#include "support/FontDescription.h"
#include "support/TextHelpers.h"
#include "toolkit/core/GUIElement.h"

#include <cwchar>

namespace Kestrum {

namespace {

constexpr size_t kTextBufferSize = 1024;  // one unit stays for the terminating zero
constexpr COLORREF kTransparentColor = RGB(0, 0, 0);

UINT AlignmentFormat(int alignment)
{
    switch (alignment) {
    case kAlignRight:
        return DT_RIGHT;
    case kAlignCenter:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

// The memory DCs and the monochrome mask of one transparent blit; the destructor restores the DCs'
// selections and deletes what was created, whichever steps failed.
class TransparentBlitSource {
public:
    TransparentBlitSource(Drawing& drawing, HBITMAP bitmap)
    {
        sourceDc = CreateCompatibleDC(drawing.dc);
        if (sourceDc == nullptr)
            drawing.OnGdiFailure();
        maskDc = CreateCompatibleDC(drawing.dc);
        if (maskDc == nullptr)
            drawing.OnGdiFailure();
        size = BitmapSize(bitmap);
        mask = CreateBitmap(size.cx, size.cy, 1, 1, nullptr);
        if (mask == nullptr)
            drawing.OnGdiFailure();
        previousMask = SelectObject(maskDc, mask);
        previousPicture = SelectObject(sourceDc, bitmap);
        // Pixels of the source's background colour become 1 in the mask: exactly the black ones.
        SetBkColor(sourceDc, kTransparentColor);
        if (!BitBlt(maskDc, 0, 0, size.cx, size.cy, sourceDc, 0, 0, SRCCOPY))
            drawing.OnGdiFailure();
    }

    ~TransparentBlitSource()
    {
        if (maskDc != nullptr && previousMask != nullptr)
            SelectObject(maskDc, previousMask);
        if (sourceDc != nullptr && previousPicture != nullptr)
            SelectObject(sourceDc, previousPicture);
        if (mask != nullptr)
            DeleteObject(mask);
        if (maskDc != nullptr)
            DeleteDC(maskDc);
        if (sourceDc != nullptr)
            DeleteDC(sourceDc);
    }

    TransparentBlitSource(const TransparentBlitSource&) = delete;
    TransparentBlitSource& operator=(const TransparentBlitSource&) = delete;

    HDC sourceDc = nullptr;
    HDC maskDc = nullptr;
    HBITMAP mask = nullptr;
    HGDIOBJ previousMask = nullptr;
    HGDIOBJ previousPicture = nullptr;
    SIZE size{};
};

}  // namespace

Drawing::Drawing(GUIElement* paintedElement) : owner(paintedElement) {}

Drawing::~Drawing()
{
    End();
}

void Drawing::Begin()
{
    dc = BeginPaint(owner->hwnd, &paint);
}

void Drawing::Adopt(HDC lentDc)
{
    adopted = true;
    dc = lentDc;
}

void Drawing::End()
{
    if (adopted) {
        adopted = false;
        dc = nullptr;
        return;
    }
    if (dc != nullptr) {
        EndPaint(owner->hwnd, &paint);
        dc = nullptr;
    }
}

void Drawing::WriteText(int x, int y, int width, int height, const std::wstring& text, COLORREF color,
                        FontDescription* font, int alignment)
{
    if (dc == nullptr)
        return;
    SetBkMode(dc, TRANSPARENT);
    // The text goes through a fixed buffer, as a C string: it ends at its first zero unit, if any.
    const wchar_t* shown = text.c_str();
    const int length = static_cast<int>(wcsnlen(shown, kTextBufferSize - 1));
    RECT area{x, y, x + width, y + height};
    HGDIOBJ previousFont = nullptr;
    if (font != nullptr)
        previousFont = SelectObject(dc, font->GetFontHandle());
    const COLORREF previousColor = SetTextColor(dc, color);
    if (width != 0 && height != 0)
        DrawTextW(dc, shown, length, &area, AlignmentFormat(alignment));
    else
        TextOutW(dc, x, y, shown, length);
    SetTextColor(dc, previousColor);
    if (previousFont != nullptr)
        SelectObject(dc, previousFont);
}

void Drawing::WriteText(int x, int y, int width, int height, const std::string& text, COLORREF color,
                        FontDescription* font, int alignment)
{
    WriteText(x, y, width, height, WidenText(text), color, font, alignment);
}

int Drawing::TextHeight(FontDescription* font)
{
    if (dc == nullptr || font == nullptr)
        return -1;
    HGDIOBJ previousFont = SelectObject(dc, font->GetFontHandle());
    TEXTMETRICW metrics{};
    const BOOL measured = GetTextMetricsW(dc, &metrics);
    if (previousFont != nullptr)
        SelectObject(dc, previousFont);
    return measured ? metrics.tmHeight : -1;
}

void Drawing::FrameRectangle(int x, int y, int width, int height, COLORREF color)
{
    if (dc == nullptr)
        return;
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    HGDIOBJ previousPen = SelectObject(dc, pen);
    Rectangle(dc, x, y, x + width, y + height);
    SelectObject(dc, previousPen);
    SelectObject(dc, previousBrush);
    DeleteObject(pen);
}

void Drawing::FillRectangle(int x, int y, int width, int height, COLORREF color)
{
    if (dc == nullptr)
        return;
    HPEN pen = CreatePen(PS_NULL, 1, 0);
    HBRUSH brush = CreateSolidBrush(color);
    HGDIOBJ previousPen = SelectObject(dc, pen);
    HGDIOBJ previousBrush = SelectObject(dc, brush);
    Rectangle(dc, x, y, x + width, y + height);
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

void Drawing::CopyBitmap(int x, int y, int width, int height, HBITMAP bitmap, int sourceX, int sourceY)
{
    if (dc == nullptr)
        return;
    HDC memoryDc = CreateCompatibleDC(dc);
    if (memoryDc == nullptr)
        OnGdiFailure();
    HGDIOBJ previousBitmap = SelectObject(memoryDc, bitmap);
    if (!BitBlt(dc, x, y, width, height, memoryDc, sourceX, sourceY, SRCCOPY))
        OnGdiFailure();
    if (memoryDc != nullptr) {
        if (previousBitmap != nullptr)
            SelectObject(memoryDc, previousBitmap);
        DeleteDC(memoryDc);
    }
}

void Drawing::CopyBitmapTransparent(int x, int y, int width, int height, HBITMAP bitmap, int sourceX,
                                    int sourceY)
{
    if (dc == nullptr)
        return;
    TransparentBlitSource source(*this, bitmap);
    // The mask keeps the target where the picture is black and clears it elsewhere; the picture is
    // then ORed in, and its black adds nothing.
    if (!BitBlt(dc, x, y, width, height, source.maskDc, sourceX, sourceY, SRCAND))
        OnGdiFailure();
    if (!BitBlt(dc, x, y, width, height, source.sourceDc, sourceX, sourceY, SRCPAINT))
        OnGdiFailure();
}

void Drawing::DrawBitmapTransparent(int x, int y, int width, int height, HBITMAP bitmap)
{
    if (dc == nullptr)
        return;
    TransparentBlitSource source(*this, bitmap);
    const int ownWidth = source.size.cx;
    const int ownHeight = source.size.cy;
    if (width != 0 && height != 0) {
        if (!StretchBlt(dc, x, y, width, height, source.maskDc, 0, 0, ownWidth, ownHeight, SRCAND))
            OnGdiFailure();
        if (!StretchBlt(dc, x, y, width, height, source.sourceDc, 0, 0, ownWidth, ownHeight, SRCPAINT))
            OnGdiFailure();
    } else {
        if (!BitBlt(dc, x, y, ownWidth, ownHeight, source.maskDc, 0, 0, SRCAND))
            OnGdiFailure();
        if (!BitBlt(dc, x, y, ownWidth, ownHeight, source.sourceDc, 0, 0, SRCPAINT))
            OnGdiFailure();
    }
}

HBITMAP Drawing::LoadBitmapFile(const std::string& path)
{
    return static_cast<HBITMAP>(LoadImageW(nullptr, WidenText(path).c_str(), IMAGE_BITMAP, 0, 0,
                                           LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

void Drawing::OnGdiFailure()
{
    // Failures are not reported; the last error is only consumed so that it misleads no later check.
    GetLastError();
}

}  // namespace Kestrum
