#include "toolkit/controls/Button.h"

#include "support/FontDescription.h"
#include "support/TextHelpers.h"
#include "toolkit/controls/Drawing.h"
#include "toolkit/controls/StandardControl.h"

namespace Kestrum {

namespace {

constexpr COLORREF kDisabledCaptionColor = 0x969696;
constexpr COLORREF kDisabledOutlineColor = 0x696969;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr int kPictureMargin = 5;
constexpr int kIconSize = 32;
constexpr int kIconCaptionOffset = 40;
// The caption begins this far to the right of a bitmap's own width.
constexpr int kBitmapCaptionGap = 8;
constexpr int kFocusInset = 3;

// The height (lfHeight) of the font the parent left selected in the lent DC. Swapping in a font of our
// own is the one way to get the current font's handle back from the DC.
LONG CurrentFontHeight(HDC dc)
{
    FontDescription probe;
    HGDIOBJ current = SelectObject(dc, probe.GetFontHandle());
    LOGFONTW description{};
    GetObjectW(current, sizeof description, &description);
    SelectObject(dc, current);
    return description.lfHeight;
}

COLORREF OutlineColor(UINT itemState, COLORREF textColor)
{
    if ((itemState & ODS_DISABLED) != 0)
        return kDisabledOutlineColor;
    if ((itemState & ODS_SELECTED) != 0)
        return kWhite - textColor;
    return textColor;
}

}  // namespace

Button::Button(GUIElement* container, const std::string& caption) : Child(container)
{
    text = WidenText(caption);
    width = 80;
    height = 30;
    typeName = "button";
}

void Button::Create()
{
    if (created)
        return;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (ownerDraw ? BS_OWNERDRAW : BS_PUSHBUTTON);
    if (!enabled)
        style |= WS_DISABLED;
    CreateControlWindow(*this, 0, L"Button", style);
    SubclassControl(*this);
    // Also after a failure: the button then counts as created, with no window.
    created = true;
    ApplyControlFont(*this);
}

int Button::DrawPicture(Drawing& drawing, const RECT& item, bool)
{
    HBITMAP picture = enabled ? bitmap : disabledBitmap;
    if (picture != nullptr) {
        BITMAP size{};
        GetObjectW(picture, sizeof size, &size);
        drawing.DrawBitmapTransparent(item.left + kPictureMargin, (item.bottom - item.top - size.bmHeight) / 2,
                                      size.bmWidth, size.bmHeight, picture);
        return size.bmWidth + kBitmapCaptionGap;
    }
    HICON iconPicture = enabled ? icon : disabledIcon;
    if (iconPicture != nullptr) {
        if (drawing.dc != nullptr) {
            DrawIconEx(drawing.dc, item.left + kPictureMargin, (item.bottom - item.top - kIconSize) / 2, iconPicture,
                       kIconSize, kIconSize, 0, nullptr, DI_NORMAL | DI_COMPAT);
        }
        return kIconCaptionOffset;
    }
    return 0;
}

bool Button::PaintFace(const DRAWITEMSTRUCT& item)
{
    const RECT& r = item.rcItem;
    const int faceWidth = r.right - r.left;
    const int faceHeight = r.bottom - r.top;
    COLORREF textColor = GetTextColor(item.hDC);
    int captionOffset = (faceHeight - CurrentFontHeight(item.hDC)) / 2;
    if (captionOffset < 0)
        captionOffset = 0;

    Drawing drawing(this);
    drawing.Adopt(item.hDC);
    drawing.FillRectangle(r.left, r.top, faceWidth, faceHeight, GetBkColor(item.hDC));
    if ((item.itemState & ODS_DISABLED) != 0)
        textColor = kDisabledCaptionColor;
    drawing.FrameRectangle(r.left, r.top, faceWidth, faceHeight, OutlineColor(item.itemState, textColor));

    const int pictureWidth = DrawPicture(drawing, r, (item.itemState & ODS_SELECTED) != 0);
    // No font is passed: the caption uses the font the parent selected while answering WM_CTLCOLORBTN.
    drawing.WriteText(r.left + pictureWidth, r.top + captionOffset, faceWidth - pictureWidth, faceHeight,
                      GetNarrowText(), textColor, nullptr, pictureWidth > 0 ? kAlignLeft : kAlignCenter);

    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus{r.left + kFocusInset, r.top + kFocusInset, r.right - kFocusInset, r.bottom - kFocusInset};
        DrawFocusRect(item.hDC, &focus);
    }
    drawing.End();
    return true;
}

}  // namespace Kestrum
