#include "game/FormMain.h"

#include "game/GameInfo.h"
#include "game/WordTableResource.h"
#include "resources/resource.h"
#include "support/FontDescription.h"
#include "support/MessageBoxes.h"
#include "support/ShellOpen.h"
#include "toolkit/about/FormAbout.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/CellControl.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/ImageFrame.h"
#include "toolkit/controls/Menu.h"
#include "toolkit/controls/MenuBar.h"
#include "toolkit/controls/SubMenu.h"
#include "toolkit/controls/TextBox.h"
#include "toolkit/core/ElementRegistry.h"
#include "toolkit/core/EventRouting.h"

namespace MyGame {

FormMain* mainForm = nullptr;

namespace {

using Kestrum::GUIElement;

constexpr COLORREF kStartFace = 0x000000FF;      // red
constexpr COLORREF kStartCaption = 0x00FFFFFF;   // white
constexpr COLORREF kButtonFace = 0x00CDFAFF;     // light yellow
constexpr COLORREF kButtonCaption = 0x00000000;  // black

const char* const kFontFace = "Lucida Console";
constexpr int kFontHeight = 14;
const char* const kHiddenLetter = "__";
constexpr int kIdleWordLength = 5;
constexpr int kCellSize = 25;
constexpr int kCellGap = 3;

const char* const kAboutDescription =
    "Il programma appartiene alla categoria FREEWARE\r\n"
    "e ci\xF2 significa che pu\xF2 essere copiato e\r\n"
    "distribuito liberamente.";

// The controls' own events reach the form through these: a callback knows only its sender.
FormMain* Self(GUIElement* sender)
{
    return static_cast<FormMain*>(sender);
}

void ForwardCreated(GUIElement* sender, HWND)
{
    Self(sender)->BuildControls();
}

bool ForwardClosing(GUIElement* sender)
{
    return Self(sender)->ConfirmExit();
}

void ForwardResized(GUIElement* sender)
{
    Self(sender)->OnFormResized();
}

bool ForwardKeyPress(GUIElement* sender, int character)
{
    if (dynamic_cast<Kestrum::TextBox*>(sender) != nullptr)
        return Self(sender->parent)->OnTextBoxKeyPress(sender, character);
    return Self(sender)->OnFormKeyPress(character);
}

void ForwardKeyDown(GUIElement* sender, int virtualKey)
{
    Self(sender)->OnFormKeyDown(virtualKey);
}

void ForwardKeyUp(GUIElement* sender, int virtualKey)
{
    Self(sender)->OnFormKeyUp(virtualKey);
}

void ForwardLeftButtonUp(GUIElement* sender, HWND, int x, int y)
{
    if (dynamic_cast<Kestrum::TextBox*>(sender) != nullptr)
        Self(sender->parent)->OnTextBoxLeftButtonUp(sender);
    else
        Self(sender)->OnFormLeftButtonUp(x, y);
}

void ForwardLeftButtonDown(GUIElement* sender, HWND, int x, int y)
{
    if (dynamic_cast<Kestrum::CellControl*>(sender) != nullptr)
        Self(sender->parent)->OnCellLeftButtonDown(sender);
    else
        Self(sender)->OnFormLeftButtonDown(x, y);
}

void ForwardCommand(GUIElement* sender)
{
    Self(Kestrum::ContainerOf(sender))->OnCommand(sender);
}

void ForwardMenuCommand(GUIElement* sender)
{
    if (FormMain* form = Kestrum::FindAncestor<FormMain>(sender, mainForm))
        form->OnMenuCommand(sender);
}

// The letter cells' places depend on the sizes of the first cell, the form and the hangman picture,
// taken once for the whole run.
struct CellPlacement {
    bool known = false;
    int cellWidth = 0;
    int formWidth = 0;
    int frameHeight = 0;
    int frameTop = 0;
};

CellPlacement cellPlacement;

RECT ClientRectOf(HWND window)
{
    RECT rect{};
    GetClientRect(window, &rect);
    return rect;
}

RECT WindowRectOf(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

}  // namespace

FormMain::FormMain(HINSTANCE instance, const std::string& caption) : Form(instance)
{
    font = new Kestrum::FontDescription(kFontFace, kFontHeight);
    width = kClientWidth;
    height = kClientHeight;
    SetText(caption);
    minimizeBox = true;
    maximizeBox = false;

    createdCallback = ForwardCreated;
    closingCallback = ForwardClosing;
    resizedCallback = ForwardResized;
    keyPressCallback = ForwardKeyPress;
    keyDownCallback = ForwardKeyDown;
    keyUpCallback = ForwardKeyUp;
    leftButtonUpCallback = ForwardLeftButtonUp;
    leftButtonDownCallback = ForwardLeftButtonDown;

    SetBackColor(kOlive);
    Create();
    SetIcon(IDI_GAME);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font->GetFontHandle()), TRUE);
    SetClientSize(kClientWidth, kClientHeight);
    if (mainForm == nullptr)
        mainForm = this;
}

FormMain::~FormMain()
{
    DeleteControls();
    if (mainForm == this)
        mainForm = nullptr;
}

void FormMain::DeleteControls()
{
    delete menuBar;
    delete fileMenu;
    delete exitItem;
    delete helpMenu;
    delete homeItem;
    delete guideItem;
    delete font;
    font = nullptr;
    delete closeButton;
    delete infoButton;
    delete startButton;
    delete banner;
    if (controlBrush != nullptr)
        DeleteObject(controlBrush);
    if (stripBitmap != nullptr)
        DeleteObject(stripBitmap);
    delete aboutForm;
    delete hangmanFrame;
    for (Kestrum::Button* button : letterButtons)
        delete button;
    for (Kestrum::CellControl* cell : letterCells)
        delete cell;
    delete scoreLabel;
    delete scoreCell;
}

void FormMain::BuildControls()
{
    rules.SetWordTable(LoadWordTable());
    stripBitmap = static_cast<HBITMAP>(LoadImageW(hInstance, MAKEINTRESOURCEW(IDB_HANGMAN_STRIP), IMAGE_BITMAP,
                                                  0, 0, LR_CREATEDIBSECTION));
    BuildMenuBar();

    banner = new Kestrum::Image(this, IDB_BANNER);
    banner->SetSize(200, 60);
    banner->x = 10;
    banner->y = 10;
    banner->Create();

    BuildButtons();
    BuildScore();
    BuildHangmanFrame();
    BuildLetterCells();
    BuildLetterButtons();
}

void FormMain::BuildButtons()
{
    const struct {
        Kestrum::Button** field;
        const char* caption;
        int left;
    } buttons[] = {{&startButton, "Inizia", 265}, {&infoButton, "Info", 420}, {&closeButton, "Chiudi", 530}};
    for (const auto& b : buttons) {
        auto* button = new Kestrum::Button(this, b.caption);
        button->SetSize(100, 40);
        button->x = b.left;
        button->y = 15;
        button->ownerDraw = true;
        button->commandHandler = ForwardCommand;
        button->Create();
        *b.field = button;
    }
}

void FormMain::BuildScore()
{
    const struct {
        Kestrum::CellControl** field;
        const char* text;
        int left;
        int cellWidth;
    } cells[] = {{&scoreLabel, "Totale parole indovinate:", 10, 170}, {&scoreCell, "0", 175, 40}};
    for (const auto& c : cells) {
        auto* cell = new Kestrum::CellControl(this);
        cell->SetSize(c.cellWidth, 25);
        cell->x = c.left;
        cell->y = 100;
        cell->SetBackColor(kOlive);
        cell->border = true;
        cell->SetText(c.text);
        cell->Create();
        *c.field = cell;
    }
}

void FormMain::BuildHangmanFrame()
{
    hangmanFrame = new Kestrum::ImageFrame(this, stripBitmap);
    hangmanFrame->SetSize(150, 150);
    hangmanFrame->x = (width - 170) / 2;
    hangmanFrame->y = 100;
    hangmanFrame->transparent = false;
    hangmanFrame->Create();
}

void FormMain::BuildLetterCells()
{
    for (int i = 0; i < kLetterCells; ++i) {
        auto* cell = new Kestrum::CellControl(this);
        letterCells[i] = cell;
        cell->SetSize(kCellSize, kCellSize);
        cell->font = font;
        PlaceLetterCell(cell, kIdleWordLength, i);
        cell->SetText(kHiddenLetter);
        cell->Create();
        if (i >= kIdleWordLength)
            ShowCell(i, false);
    }
}

// Rows of 8, 10 and 8 letters; the short rows start one column in.
void FormMain::BuildLetterButtons()
{
    const int buttonWidth = (width - 47) / 10;
    const int step = buttonWidth + 3;
    for (int i = 0; i < kLetterButtons; ++i) {
        auto* button = new Kestrum::Button(this, std::string(1, static_cast<char>('A' + i)));
        letterButtons[i] = button;
        button->SetSize(buttonWidth, 22);
        if (i < 8) {
            button->x = (i + 1) * step + 10;
            button->y = height - 90;
        } else if (i < 18) {
            button->x = (i - 8) * step + 10;
            button->y = height - 65;
        } else {
            button->x = (i - 17) * step + 10;
            button->y = height - 40;
        }
        button->ownerDraw = true;
        button->commandHandler = ForwardCommand;
        button->SetHandCursor(true);
        button->SetEnabled(false);
        button->Create();
    }
}

void FormMain::BuildMenuBar()
{
    menuBar = new Kestrum::MenuBar(this);
    fileMenu = new Kestrum::Menu(menuBar, "&File");
    exitItem = new Kestrum::SubMenu(fileMenu, "&Esci");
    exitItem->commandHandler = ForwardMenuCommand;
    helpMenu = new Kestrum::Menu(menuBar, "&?");
    guideItem = new Kestrum::SubMenu(helpMenu, "&Guida");
    guideItem->commandHandler = ForwardMenuCommand;
    homeItem = new Kestrum::SubMenu(helpMenu, "&Home");
    homeItem->commandHandler = ForwardMenuCommand;
    menuBar->Create();
}

void FormMain::PlaceLetterCell(Kestrum::CellControl* cell, int wordLength, int index)
{
    if (!cellPlacement.known) {
        cellPlacement.known = true;
        if (cell->created) {
            const RECT cellRect = WindowRectOf(cell->hwnd);
            cellPlacement.cellWidth = cellRect.right - cellRect.left;
        } else {
            cellPlacement.cellWidth = cell->width;
        }
        cellPlacement.formWidth = created ? ClientRectOf(hwnd).right : width;
        cellPlacement.frameHeight = hangmanFrame->height;
        cellPlacement.frameTop = hangmanFrame->y;
        if (hangmanFrame->created) {
            RECT frameRect = WindowRectOf(hangmanFrame->hwnd);
            MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&frameRect), 2);
            cellPlacement.frameHeight = frameRect.bottom - frameRect.top;
            cellPlacement.frameTop = frameRect.top;
        }
    }
    const int pitch = cellPlacement.cellWidth + kCellGap;
    cell->x = index * pitch + (cellPlacement.formWidth - wordLength * pitch - 20) / 2;
    cell->y = cellPlacement.frameTop + cellPlacement.frameHeight + 10;
    if (cell->created) {
        SetWindowPos(cell->hwnd, nullptr, cell->x, cell->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        cell->Redraw();
    }
}

HBRUSH FormMain::OnControlColor(HDC controlDc)
{
    if (controlBrush != nullptr)
        DeleteObject(controlBrush);
    if (font != nullptr)
        SelectObject(controlDc, font->GetFontHandle());
    const bool isStartButton = startButton != nullptr && WindowFromDC(controlDc) == startButton->hwnd;
    const COLORREF face = isStartButton ? kStartFace : kButtonFace;
    SetBkColor(controlDc, face);
    controlBrush = CreateSolidBrush(face);
    SetTextColor(controlDc, isStartButton ? kStartCaption : kButtonCaption);
    return controlBrush;
}

bool FormMain::ConfirmExit()
{
    return Kestrum::AskYesNo("Vuoi realmente uscire?", "Uscita");
}

void FormMain::OnFormResized() {}

bool FormMain::OnFormKeyPress(int)
{
    return true;
}

bool FormMain::OnTextBoxKeyPress(GUIElement*, int character)
{
    return character != '\t' && character != '\r';
}

void FormMain::OnFormKeyDown(int) {}

void FormMain::OnFormKeyUp(int) {}

void FormMain::OnMenuCommand(GUIElement* item)
{
    if (item->id == exitItem->id)
        SendMessageW(hwnd, WM_CLOSE, 0, 0);
    if (item->id == homeItem->id)
        Kestrum::OpenDocument(kSiteAddress);
    if (item->id == guideItem->id)
        Kestrum::OpenDocument(std::string(kSiteAddress) + kHelpPageName);
}

void FormMain::OnFormLeftButtonUp(int, int) {}

void FormMain::OnFormLeftButtonDown(int, int) {}

void FormMain::OnCellLeftButtonDown(GUIElement*) {}

void FormMain::OnTextBoxLeftButtonUp(GUIElement* textBox)
{
    if (textBox->created)
        SendMessageW(textBox->hwnd, EM_SETSEL, 0, -1);
}

void FormMain::OnCommand(GUIElement* sender)
{
    if (sender->id == closeButton->id) {
        OnMenuCommand(exitItem);
    } else if (sender->id == startButton->id) {
        ToggleGame();
    } else if (sender->id == infoButton->id) {
        ShowAbout();
    } else {
        for (Kestrum::Button* letter : letterButtons) {
            if (sender->id == letter->id) {
                GuessLetter(letter);
                break;
            }
        }
    }
}

void FormMain::ShowAbout()
{
    ReleaseAboutForm();
    aboutForm = new Kestrum::FormAbout(this);
    aboutForm->bannerResourceId = IDB_ABOUT_BANNER;
    aboutForm->bannerWidth = 164;
    aboutForm->bannerHeight = 50;
    aboutForm->titleText = std::string(kProductName) + " " + kVersionText;
    aboutForm->noticeText = kCopyrightNotice;
    aboutForm->descriptionText = kAboutDescription;
    aboutForm->siteAddress = kSiteAddress;
    if (!aboutForm->created)
        aboutForm->Create();
    ShowWindow(aboutForm->hwnd, SW_SHOWNA);
    aboutForm->visible = true;
}

// A closed About box still holds its fonts and its controls' entries in the registry; kept until the
// program ends, every "Info" press would cost three GDI objects. Its window is gone by the time "Info"
// can be pressed again (the box disables this form while it is open), so it is deleted at once; one
// whose window somehow still exists waits for the end of the message loop instead.
void FormMain::ReleaseAboutForm()
{
    if (aboutForm == nullptr)
        return;
    if (aboutForm->hwnd != nullptr && IsWindow(aboutForm->hwnd))
        Kestrum::disposeList.push_back(aboutForm);
    else
        delete aboutForm;
    aboutForm = nullptr;
}

void FormMain::ToggleGame()
{
    rules.ToggleGame();
}

void FormMain::GuessLetter(Kestrum::Button* letterButton)
{
    for (int letter = 0; letter < kLetterButtons; ++letter) {
        if (letterButtons[letter] == letterButton)
            rules.GuessLetter(letter);
    }
}

void FormMain::SetCellText(int cell, const std::string& cellText)
{
    letterCells[cell]->SetText(cellText);
}

std::string FormMain::CellText(int cell)
{
    return letterCells[cell]->GetNarrowText();
}

void FormMain::PlaceCell(int cell, int wordLength)
{
    PlaceLetterCell(letterCells[cell], wordLength, cell);
}

void FormMain::ShowCell(int cell, bool shown)
{
    Kestrum::CellControl* letterCell = letterCells[cell];
    if (shown) {
        letterCell->Create();
        ShowWindow(letterCell->hwnd, SW_SHOWNA);
        letterCell->visible = true;
    } else {
        if (letterCell->created)
            ShowWindow(letterCell->hwnd, SW_HIDE);
        letterCell->visible = false;
    }
}

void FormMain::EnableLetter(int letter, bool isEnabled)
{
    letterButtons[letter]->SetEnabled(isEnabled);
}

std::string FormMain::LetterCaption(int letter)
{
    return letterButtons[letter]->GetNarrowText();
}

void FormMain::ShowFrame(int column, int row)
{
    hangmanFrame->ShowFrame(column, row);
}

void FormMain::SetStartCaption(const std::string& caption)
{
    startButton->SetText(caption);
}

void FormMain::SetScoreText(const std::string& scoreText)
{
    scoreCell->SetText(scoreText);
}

std::string FormMain::ScoreText()
{
    return scoreCell->GetNarrowText();
}

void FormMain::ShowInformation(const std::string& caption, const std::string& message)
{
    Kestrum::ShowInfoMessage(this, message, caption);
}

void FormMain::Beep()
{
    MessageBeep(0xFFFFFFFF);
}

}  // namespace MyGame
