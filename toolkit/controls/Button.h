#pragma once
// The toolkit's push button: a standard Win32 "Button" control subclassed into the toolkit, whose click
// raises its command. Owner-drawn, it paints a flat face itself: the DC's background, a one-pixel outline
// that shows the state, an optional picture at the left, the caption and the focus rectangle.

#include "toolkit/core/Child.h"
#include "toolkit/core/CommandElement.h"

#include <string>

namespace Kestrum {

class Drawing;

class Button : public Child, public CommandElement {
public:
    Button(GUIElement* container, const std::string& caption);

    void Create() override;
    // Draws the picture that fits the enabled state at the left of the face and returns where the
    // caption begins, counted from the item's left edge; 0 without a picture.
    virtual int DrawPicture(Drawing& drawing, const RECT& item, bool pressed);

    // The face of an owner-drawn button, in the colours and font that the parent put into the lent DC
    // while it answered WM_CTLCOLORBTN. Always true (the message is handled).
    bool PaintFace(const DRAWITEMSTRUCT& item);

    bool ownerDraw = false;
    // The pictures stay their setter's: the button never loads, copies or frees them.
    HBITMAP bitmap = nullptr;
    HBITMAP disabledBitmap = nullptr;
    HICON icon = nullptr;
    HICON disabledIcon = nullptr;
};

}  // namespace Kestrum
