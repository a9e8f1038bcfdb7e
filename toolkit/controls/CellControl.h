#pragma once
// A text cell: a panel that paints one text itself, vertically centred, in its own font, alignment and
// colour, with an optional "*" marker in the bottom-right corner and an optional picture over it. The
// main form shows the letters of the word and the score in cells.

#include "toolkit/core/PanelChildren.h"

#include <string>

namespace Kestrum {

class CellControl : public PanelChildren {
public:
    explicit CellControl(GUIElement* container);

    // Both also repaint a created cell, its background erased first.
    void SetText(std::wstring newText) override;
    void SetText(std::string newText) override;
    void OnPaint() override;

    // Drawn last, over the text, with pure black transparent; stays the caller's.
    HBITMAP picture = nullptr;
    // Alignment code (Drawing.h); anything but right and centre places the picture at the left.
    int pictureAlignment = 1;
    // The size the picture is drawn at; set them together with picture.
    int pictureWidth = 0;
    int pictureHeight = 0;
    bool marker = false;
    // The own font, rebuilt on every paint; the element's font, when set, is used instead.
    bool bold = false;
    bool underline = false;
    bool italic = false;
    std::string fontFace = "Tahoma";
    int fontSize = 14;
    int textAlignment = 2;
    COLORREF textColor = RGB(0, 0, 0);

private:
    void DrawCell();
    // The base OnPaint without its background repaint, which would cover the cell just drawn.
    void RaisePaint();
};

}  // namespace Kestrum
