#pragma once
// One frame of a picture strip: a bitmap of equally sized frames side by side (and, if wanted, in rows).
// The frame size is the panel's own size; the panel paints the chosen frame itself, opaque or with pure
// black transparent. The main form shows the hangman drawing this way.

#include "toolkit/core/PanelChildren.h"

namespace Kestrum {

class ImageFrame : public PanelChildren {
public:
    // The strip stays the caller's; the frame never deletes it.
    ImageFrame(GUIElement* container, HBITMAP pictureStrip);

    // Stores the frame's place in the strip; a created frame repaints, its background erased first.
    void ShowFrame(int frameColumn, int frameRow);
    void OnPaint() override;

    // Pure black pixels of the strip show the panel background; false copies the frame unchanged.
    bool transparent = true;
    HBITMAP strip;  // not owned
    int column = 0;
    int row = 0;

private:
    void DrawFrame();
    // The base OnPaint without its background repaint, which would cover the frame just drawn.
    void RaisePaint();
};

}  // namespace Kestrum
