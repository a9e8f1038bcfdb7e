#pragma once
// A static text: a Win32 "static" window subclassed into the toolkit. It raises mouse events (it is made
// with SS_NOTIFY, so clicks reach it instead of falling through to the parent) but never a command.

#include "toolkit/core/Child.h"

#include <string>

namespace Kestrum {

class Label : public Child {
public:
    // caption is code page 1252 text; an ampersand underlines the next character.
    Label(GUIElement* container, const std::string& caption);

    void Create() override;

    // A sunken frame: WS_BORDER and WS_EX_CLIENTEDGE.
    bool border = false;
    bool alignRight = false;
    // Ignored when alignRight is set.
    bool alignCenter = false;
};

}  // namespace Kestrum
