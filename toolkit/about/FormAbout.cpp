#include "toolkit/about/FormAbout.h"

#include "support/FontDescription.h"
#include "support/ShellOpen.h"
#include "support/TextHelpers.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/CellControl.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/TextBox.h"
#include "toolkit/core/Child.h"
#include "toolkit/core/ElementRegistry.h"
#include "toolkit/core/EventRouting.h"
#include "toolkit/core/PanelChildren.h"

namespace Kestrum {

namespace {

// The maker's web address starts with its scheme and the "www" host label; the contact mailbox lives at
// the same domain. The mailbox prefix must not contain the site prefix, or the replacement would not end.
const std::string kSitePrefix = "https://www.";
const std::string kMailboxPrefix = "info@";
const std::string kMailScheme = "mailto:";
const std::string kCaption = "Info...";
const std::string kOkCaption = "OK";

// The outer size of the box. The controls are laid out on it rather than on the smaller client area,
// because the form is not yet created when they are built; what falls outside is clipped.
constexpr int kFormWidth = 600;
constexpr int kFormHeight = 300;

constexpr COLORREF kLinkColor = 0x00FF0000;  // blue
constexpr int kAlignLeft = 0;
constexpr int kEnter = 13;
constexpr int kEscape = 27;

FormAbout* AsAboutForm(GUIElement* sender)
{
    return dynamic_cast<FormAbout*>(sender);
}

void ForwardCreated(GUIElement* sender, HWND)
{
    if (FormAbout* form = AsAboutForm(sender))
        form->BuildControls();
}

bool ForwardClosing(GUIElement* sender)
{
    FormAbout* form = AsAboutForm(sender);
    return form == nullptr || form->OnFormClosing();
}

void ForwardResized(GUIElement* sender)
{
    if (FormAbout* form = AsAboutForm(sender))
        form->OnFormResized();
}

// The form and every control on it send their characters here, so Enter and Escape close the box
// whatever has the focus. A character nobody can take is let through.
bool ForwardKeyPress(GUIElement* sender, int character)
{
    FormAbout* form = dynamic_cast<Child*>(sender) != nullptr ? ContainerAs<FormAbout>(sender) : AsAboutForm(sender);
    return form == nullptr || form->OnFormKeyPress(character);
}

void ForwardKeyDown(GUIElement* sender, int virtualKey)
{
    if (FormAbout* form = AsAboutForm(sender))
        form->OnFormKeyDown(virtualKey);
}

void ForwardKeyUp(GUIElement* sender, int virtualKey)
{
    if (FormAbout* form = AsAboutForm(sender))
        form->OnFormKeyUp(virtualKey);
}

void ForwardChildLeftButtonDown(GUIElement* sender, HWND, int x, int y)
{
    if (dynamic_cast<Child*>(sender) != nullptr) {
        if (FormAbout* form = ContainerAs<FormAbout>(sender))
            form->OnChildLeftButtonDown(sender, x, y);
        return;
    }
    if (FormAbout* form = AsAboutForm(sender))
        form->OnChildLeftButtonDown(nullptr, x, y);
}

void ForwardCommand(GUIElement* sender)
{
    if (FormAbout* form = ContainerAs<FormAbout>(sender))
        form->OnCommand(sender);
}

// Stores the place of a control that is about to be created; a created one is moved as well.
void PlaceAt(GUIElement& element, int left, int top)
{
    element.x = left;
    element.y = top;
    if (!element.created)
        return;
    SetWindowPos(element.hwnd, nullptr, left, top, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    element.Redraw();
}

FontDescription* MakeArialFont(int height)
{
    return new FontDescription("Arial", height);
}

bool IsSender(const GUIElement* sender, const GUIElement* control)
{
    return sender != nullptr && control != nullptr && sender->id == control->id;
}

Label* MakeLabel(FormAbout& form, const std::string& caption, int left, int top, int labelWidth,
                 FontDescription* labelFont)
{
    auto* label = new Label(&form, caption);
    label->SetSize(labelWidth, 25);
    PlaceAt(*label, left, top);
    label->font = labelFont;
    label->keyPressCallback = ForwardKeyPress;
    label->Create();
    return label;
}

CellControl* MakeLink(FormAbout& form, const std::string& address, int left)
{
    auto* link = new CellControl(&form);
    link->SetSize(150, 22);
    PlaceAt(*link, left, 55);
    link->textColor = kLinkColor;
    link->textAlignment = kAlignLeft;
    link->font = form.linkFont;
    link->SetText(address);
    link->SetHandCursor(true);
    link->leftButtonDownCallback = ForwardChildLeftButtonDown;
    link->keyPressCallback = ForwardKeyPress;
    link->Create();
    return link;
}

// The owner may be gone already when a box is deleted at the end of the program.
void ReleaseOwner(FormAbout& form)
{
    Form* owner = form.ownerForm;
    if (!IsRegistered(owner))
        return;
    owner->ownedForm = nullptr;
    owner->SetEnabled(true);
}

// A box deleted while it is still open closes the ordinary way first, while its controls are alive: the
// owner gets its input back, and no control window outlives its element. A box that was never opened
// gives the owner back as well.
void CloseBeforeDeletion(FormAbout& form)
{
    if (form.hwnd != nullptr && !form.destroyed) {
        SendMessageW(form.hwnd, WM_CLOSE, 0, 0);
        if (!form.destroyed)
            DestroyWindow(form.hwnd);
    }
    form.created = false;
    if (IsRegistered(form.ownerForm) && form.ownerForm->ownedForm == &form)
        ReleaseOwner(form);
}

}  // namespace

FormAbout::FormAbout(Form* owner)
    : Form(owner != nullptr ? owner->hInstance : GetModuleHandleW(nullptr), true), ownerForm(owner)
{
    font = MakeArialFont(14);
    titleFont = MakeArialFont(16);
    titleFont->bold = true;
    linkFont = MakeArialFont(16);
    linkFont->underline = true;

    // A small caption with a close box only, not topmost, without sizing border: 0x10C80080 / 0x81.
    topMost = false;
    minimizeBox = false;
    maximizeBox = false;
    modalFrame = true;

    SetSize(kFormWidth, kFormHeight);
    CenterOnScreen();
    SetText(kCaption);

    createdCallback = ForwardCreated;
    closingCallback = ForwardClosing;
    resizedCallback = ForwardResized;
    keyPressCallback = ForwardKeyPress;
    keyDownCallback = ForwardKeyDown;
    keyUpCallback = ForwardKeyUp;

    // The box is modal by hand: the owner takes no input until the box gives it back in OnFormClosing.
    if (ownerForm != nullptr) {
        ownerForm->SetEnabled(false);
        ownerForm->ownedForm = this;
    }
}

FormAbout::~FormAbout()
{
    CloseBeforeDeletion(*this);
    delete bannerPanel;
    delete noticeLabel;
    delete bannerImage;
    delete titleLabel;
    delete descriptionBox;
    delete okButton;
    delete titleFont;
    delete linkFont;
    delete font;
    font = nullptr;
    delete siteLink;
    delete mailLink;
}

void FormAbout::OnShown()
{
    // SW_SHOWNA sends WM_SHOWWINDOW also to a window that is already visible, as the opener's ShowWindow
    // after Create does: that changes nothing on the screen, so the box keeps its outer size. The first
    // showing happens inside Create, before the form counts as created, where SetClientSize does nothing.
    if (IsWindowVisible(hwnd))
        return;
    SetClientSize(kFormWidth, kFormHeight);
}

void FormAbout::BuildControls()
{
    const int rightColumnX = bannerWidth + 45;
    const int rightColumnWidth = width - bannerWidth - 55;

    bannerPanel = new PanelChildren(this);
    bannerPanel->SetSize(bannerWidth + 20, height - 20);
    PlaceAt(*bannerPanel, 10, 10);
    bannerPanel->border = true;
    bannerPanel->keyPressCallback = ForwardKeyPress;
    bannerPanel->Create();

    bannerImage = new Image(bannerPanel, bannerResourceId);
    bannerImage->SetSize(bannerWidth, bannerHeight);
    PlaceAt(*bannerImage, 5, 5);
    bannerImage->Create();

    titleLabel = MakeLabel(*this, titleText, rightColumnX, 10, rightColumnWidth, titleFont);
    noticeLabel = MakeLabel(*this, noticeText, rightColumnX, 35, rightColumnWidth, font);
    siteLink = MakeLink(*this, siteAddress, rightColumnX);
    mailLink = MakeLink(*this, ContactAddress(siteAddress), rightColumnX + 160);

    descriptionBox = new TextBox(this, descriptionText);
    descriptionBox->SetSize(rightColumnWidth, height - 145);
    PlaceAt(*descriptionBox, rightColumnX, 85);
    descriptionBox->multiline = true;
    descriptionBox->ApplyStyle();
    descriptionBox->readOnly = true;
    descriptionBox->ApplyStyle();
    descriptionBox->verticalScroll = true;
    descriptionBox->ApplyStyle();
    descriptionBox->keyPressCallback = ForwardKeyPress;
    descriptionBox->Create();

    okButton = new Button(this, kOkCaption);
    okButton->SetSize(80, 25);
    PlaceAt(*okButton, rightColumnX + rightColumnWidth / 2 - okButton->width / 2, height - 50);
    okButton->commandHandler = ForwardCommand;
    okButton->keyPressCallback = ForwardKeyPress;
    okButton->Create();

    okButton->Focus();
}

bool FormAbout::OnFormClosing()
{
    ReleaseOwner(*this);
    return true;
}

void FormAbout::OnFormResized() {}

bool FormAbout::OnFormKeyPress(int character)
{
    if (character != kEnter && character != kEscape)
        return true;
    OnCommand(okButton);
    return false;
}

void FormAbout::OnFormKeyDown(int) {}

void FormAbout::OnFormKeyUp(int) {}

void FormAbout::OnCommand(GUIElement* sender)
{
    if (!IsSender(sender, okButton))
        return;
    // Returns once the close has been handled and the window is gone.
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    created = false;
}

void FormAbout::OnChildLeftButtonDown(GUIElement* child, int, int)
{
    if (IsSender(child, siteLink))
        OpenDocument(siteAddress);
    else if (IsSender(child, mailLink))
        OpenDocument(kMailScheme + mailLink->GetNarrowText());
}

std::string FormAbout::ContactAddress(const std::string& address)
{
    return ReplaceAll(address, kSitePrefix, kMailboxPrefix);
}

}  // namespace Kestrum
