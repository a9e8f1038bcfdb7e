#include "toolkit/controls/Label.h"

#include "support/TextHelpers.h"
#include "toolkit/controls/StandardControl.h"

namespace Kestrum {

Label::Label(GUIElement* container, const std::string& caption) : Child(container)
{
    text = WidenText(caption);
    width = 80;
    height = 30;
    typeName = "label";
}

void Label::Create()
{
    if (created)
        return;
    DWORD style = WS_CHILD | WS_VISIBLE | SS_NOTIFY;
    if (!enabled)
        style |= WS_DISABLED;
    if (border)
        style |= WS_BORDER;
    if (alignRight)
        style |= SS_RIGHT;
    else if (alignCenter)
        style |= SS_CENTER;
    CreateControlWindow(*this, border ? WS_EX_CLIENTEDGE : 0, L"static", style);
    SubclassControl(*this);
    // Also after a failure: the label then counts as created, with no window.
    created = true;
    ApplyControlFont(*this);
}

}  // namespace Kestrum
