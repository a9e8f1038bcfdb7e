#pragma once
// The toolkit's text entry: a Win32 "edit" control subclassed into the toolkit, whose flags choose the
// edit style (single or multi-line, scroll bars, read-only, digits only, case folding, password masking,
// alignment, border). Flags changed after creation are re-applied to the live control with ApplyStyle.

#include "toolkit/core/Child.h"

#include <cstdint>
#include <string>

namespace Kestrum {

constexpr int kNoLimit = -1;

class TextBox : public Child {
public:
    // initialText is code page 1252 text.
    TextBox(GUIElement* container, const std::string& initialText);

    void Create() override;

    std::uint32_t ComputeStyle() const;
    // Re-applies every flag to a created box; nothing before Create. Styles the edit control fixes at
    // creation (ES_MULTILINE among them) stay as they were: the window is not recreated.
    void ApplyStyle();

    // Sent as is with EM_LIMITTEXT, where 0 means the platform's largest limit.
    int maxLength = kNoLimit;
    bool multiline = false;
    bool horizontalScroll = false;
    bool verticalScroll = false;
    bool readOnly = false;
    bool numbersOnly = false;
    // Shows "*" for every character (EM_SETPASSWORDCHAR), also when set before Create.
    bool password = false;
    bool lowerCase = false;
    // Wins over lowerCase.
    bool upperCase = false;
    bool alignRight = false;
    // Ignored when alignRight is set.
    bool alignCenter = false;
    bool border = true;
    // A multi-line box wraps its lines at its width instead of scrolling sideways.
    bool wordWrap = false;

private:
    void ApplyPasswordCharacter();
};

}  // namespace Kestrum
