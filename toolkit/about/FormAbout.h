#pragma once
// The toolkit's ready-made About box: a small tool window with a banner, a title, a copyright notice,
// links to the maker's web site and mailbox, a read-only description and an OK button. The form that
// opens it supplies every text and the banner, and is disabled while the box is open, so the box acts
// as a modal window; any way of closing it gives the opener its input back.

#include "toolkit/core/Form.h"

#include <string>

namespace Kestrum {

class Button;
class CellControl;
class Image;
class Label;
class PanelChildren;
class TextBox;
struct FontDescription;

class FormAbout : public Form {
public:
    // Disables the owner and records itself as the owner's ownedForm. The opener then writes the
    // settings below and calls Create, which builds the controls from them.
    explicit FormAbout(Form* owner);
    ~FormAbout() override;

    void OnShown() override;

    virtual void BuildControls();
    virtual bool OnFormClosing();
    virtual void OnFormResized();
    virtual bool OnFormKeyPress(int character);
    virtual void OnFormKeyDown(int virtualKey);
    virtual void OnFormKeyUp(int virtualKey);
    virtual void OnCommand(GUIElement* sender);
    virtual void OnChildLeftButtonDown(GUIElement* child, int x, int y);

    // The mailbox at the web site's domain: the site prefix of the address replaced by the mailbox
    // prefix. An address without the site prefix comes back unchanged.
    static std::string ContactAddress(const std::string& siteAddress);

    Form* ownerForm = nullptr;  // not owned
    FontDescription* titleFont = nullptr;
    FontDescription* linkFont = nullptr;
    Image* bannerImage = nullptr;
    Label* titleLabel = nullptr;
    Label* noticeLabel = nullptr;
    PanelChildren* bannerPanel = nullptr;
    TextBox* descriptionBox = nullptr;
    Button* okButton = nullptr;
    CellControl* siteLink = nullptr;
    CellControl* mailLink = nullptr;
    int bannerResourceId = 0;
    int bannerWidth = 0;
    int bannerHeight = 0;
    std::string titleText;
    std::string noticeText;
    std::string descriptionText;
    std::string siteAddress;
};

}  // namespace Kestrum
