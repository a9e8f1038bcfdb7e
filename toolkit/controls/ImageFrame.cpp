#include "toolkit/controls/ImageFrame.h"

#include "toolkit/controls/Drawing.h"

namespace Kestrum {

ImageFrame::ImageFrame(GUIElement* container, HBITMAP pictureStrip) : PanelChildren(container), strip(pictureStrip)
{
    tabStop = false;
}

void ImageFrame::ShowFrame(int frameColumn, int frameRow)
{
    column = frameColumn;
    row = frameRow;
    if (created)
        InvalidateRect(hwnd, nullptr, TRUE);
}

void ImageFrame::OnPaint()
{
    DrawFrame();
    RaisePaint();
}

void ImageFrame::DrawFrame()
{
    RECT client{};
    if (!created || strip == nullptr || !GetClientRect(hwnd, &client))
        return;
    Drawing drawing(this);
    drawing.Begin();
    if (backColorSet)
        drawing.FillRectangle(0, 0, client.right - client.left, client.bottom - client.top, backColor);
    // The window's outer size, so a bordered frame still steps through the strip by its own size.
    const SIZE frame = GetSize();
    const int sourceX = column * frame.cx;
    const int sourceY = row * frame.cy;
    if (transparent)
        drawing.CopyBitmapTransparent(0, 0, frame.cx, frame.cy, strip, sourceX, sourceY);
    else
        drawing.CopyBitmap(0, 0, frame.cx, frame.cy, strip, sourceX, sourceY);
    drawing.End();
}

void ImageFrame::RaisePaint()
{
    const bool colourApplied = backColorSet;
    backColorSet = false;
    GUIElement::OnPaint();
    backColorSet = colourApplied;
}

}  // namespace Kestrum
