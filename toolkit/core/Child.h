#pragma once
// The base of every element that lives inside another: controls, panels and menu entries. Its parent
// (a form, a panel or a menu) is the container that the Tab rule and the event forwarders go to.

#include "toolkit/core/GUIElement.h"

namespace Kestrum {

class Child : public GUIElement {
public:
    // Children pass no module instance; the parent's window is what they are created in.
    explicit Child(GUIElement* container) : GUIElement(nullptr) { parent = container; }
};

}  // namespace Kestrum
