#include "toolkit/controls/CellControl.h"

#include "support/FontDescription.h"
#include "support/TextHelpers.h"
#include "toolkit/controls/Drawing.h"

#include <utility>

namespace Kestrum {

namespace {

// 3 pixels from the edge it is aligned to; centred over the whole width.
int PictureLeft(int alignment, const RECT& client, int pictureWidth)
{
    switch (alignment) {
    case kAlignRight:
        return client.right - pictureWidth - 3;
    case kAlignCenter:
        return (client.right - pictureWidth - client.left) / 2;
    default:
        return 3;
    }
}

}  // namespace

CellControl::CellControl(GUIElement* container) : PanelChildren(container)
{
    tabStop = false;
}

void CellControl::SetText(std::wstring newText)
{
    GUIElement::SetText(std::move(newText));
    if (created)
        InvalidateRect(hwnd, nullptr, TRUE);
}

void CellControl::SetText(std::string newText)
{
    SetText(WidenText(newText));
    if (created)
        InvalidateRect(hwnd, nullptr, TRUE);
}

void CellControl::OnPaint()
{
    DrawCell();
    RaisePaint();
}

void CellControl::DrawCell()
{
    RECT client{};
    if (!created || !GetClientRect(hwnd, &client))
        return;
    Drawing drawing(this);
    FontDescription ownFont(fontFace, fontSize);
    ownFont.bold = bold;
    ownFont.italic = italic;
    ownFont.underline = underline;
    drawing.Begin();
    const int clientWidth = client.right - client.left;
    if (backColorSet)
        drawing.FillRectangle(0, 0, clientWidth, client.bottom - client.top, backColor);
    FontDescription* textFont = font != nullptr ? font : &ownFont;
    const int lineHeight = drawing.TextHeight(textFont);
    if (!text.empty()) {
        // One line centred vertically; the rectangle runs to the bottom, so a taller text is clipped there.
        const int top = (client.bottom - lineHeight - client.top) / 2;
        drawing.WriteText(0, top, clientWidth, client.bottom - top, text, textColor, textFont, textAlignment);
    }
    if (marker) {
        drawing.WriteText(client.right - lineHeight, client.bottom - lineHeight, lineHeight, lineHeight,
                          std::string("*"), textColor, textFont, kAlignCenter);
    }
    if (picture != nullptr) {
        const int left = PictureLeft(pictureAlignment, client, pictureWidth);
        const int top = (client.bottom - pictureHeight - client.top) / 2;
        drawing.DrawBitmapTransparent(left, top, pictureWidth, pictureHeight, picture);
    }
    drawing.End();
}

void CellControl::RaisePaint()
{
    const bool colourApplied = backColorSet;
    backColorSet = false;
    GUIElement::OnPaint();
    backColorSet = colourApplied;
}

}  // namespace Kestrum
