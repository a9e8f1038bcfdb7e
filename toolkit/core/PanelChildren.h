#pragma once
// The toolkit's own container control: a child window of a class the panel registers itself, with the
// toolkit's window procedure and an optional sunken border, that gives its child controls their
// background colour and font. Picture frames and text cells derive from it and paint themselves.

#include "toolkit/core/Child.h"

#include <string>

namespace Kestrum {

class PanelChildren : public Child {
public:
    explicit PanelChildren(GUIElement* container);
    ~PanelChildren() override;

    HBRUSH OnControlColor(HDC controlDc) override;
    void Create() override;

    bool border = false;
    bool tabStop = true;
    // The brush last handed to a child control; owned, and replaced on every colour request.
    HBRUSH childBrush = nullptr;
    // The name of the class that Create registered; the destructor unregisters it.
    std::wstring className;
};

}  // namespace Kestrum
