#pragma once
// The game's one window: the start, "Info" and "Chiudi" buttons, the score, the hangman picture, the
// letter cells and the 26 letter buttons, with the menu bar. It builds its controls while its window is
// created, shows the game rules' effects with them, and turns the player's commands into game moves.

#include "game/GameDisplay.h"
#include "game/GameRules.h"
#include "toolkit/core/Form.h"

#include <string>

namespace Kestrum {
class Button;
class CellControl;
class FormAbout;
class Image;
class ImageFrame;
class Menu;
class MenuBar;
class SubMenu;
struct FontDescription;
}  // namespace Kestrum

namespace MyGame {

class FormMain : public Kestrum::Form, public GameDisplay {
public:
    static constexpr int kClientWidth = 640;
    static constexpr int kClientHeight = 400;
    static constexpr COLORREF kOlive = 0x007FBDBE;

    // Creates and shows the window and builds everything.
    FormMain(HINSTANCE instance, const std::string& caption);
    ~FormMain() override;

    HBRUSH OnControlColor(HDC controlDc) override;

    virtual void BuildControls();
    virtual bool ConfirmExit();
    virtual void OnFormResized();
    virtual bool OnFormKeyPress(int character);
    virtual bool OnTextBoxKeyPress(Kestrum::GUIElement* textBox, int character);
    virtual void OnFormKeyDown(int virtualKey);
    virtual void OnFormKeyUp(int virtualKey);
    virtual void OnMenuCommand(Kestrum::GUIElement* item);
    virtual void OnFormLeftButtonUp(int x, int y);
    virtual void OnFormLeftButtonDown(int x, int y);
    virtual void OnCellLeftButtonDown(Kestrum::GUIElement* cell);
    virtual void OnTextBoxLeftButtonUp(Kestrum::GUIElement* textBox);
    virtual void OnCommand(Kestrum::GUIElement* sender);

    void BuildMenuBar();
    void PlaceLetterCell(Kestrum::CellControl* cell, int wordLength, int index);
    void ShowAbout();

    void ToggleGame();
    void GuessLetter(Kestrum::Button* letterButton);

    // What the rules show, through the controls.
    void SetCellText(int cell, const std::string& text) override;
    std::string CellText(int cell) override;
    void PlaceCell(int cell, int wordLength) override;
    void ShowCell(int cell, bool shown) override;
    void EnableLetter(int letter, bool isEnabled) override;
    std::string LetterCaption(int letter) override;
    void ShowFrame(int column, int row) override;
    void SetStartCaption(const std::string& caption) override;
    void SetScoreText(const std::string& scoreText) override;
    std::string ScoreText() override;
    void ShowInformation(const std::string& caption, const std::string& message) override;
    void Beep() override;

    Kestrum::MenuBar* menuBar = nullptr;
    Kestrum::Menu* fileMenu = nullptr;
    Kestrum::SubMenu* exitItem = nullptr;
    Kestrum::Menu* helpMenu = nullptr;
    Kestrum::SubMenu* homeItem = nullptr;
    Kestrum::SubMenu* guideItem = nullptr;
    Kestrum::Button* infoButton = nullptr;
    Kestrum::Button* startButton = nullptr;
    Kestrum::Button* closeButton = nullptr;
    Kestrum::Image* banner = nullptr;
    HBRUSH controlBrush = nullptr;
    Kestrum::FormAbout* aboutForm = nullptr;
    HBITMAP stripBitmap = nullptr;
    Kestrum::ImageFrame* hangmanFrame = nullptr;
    Kestrum::Button* letterButtons[kLetterButtons] = {};
    Kestrum::CellControl* letterCells[kLetterCells] = {};
    Kestrum::CellControl* scoreLabel = nullptr;
    Kestrum::CellControl* scoreCell = nullptr;
    // The state of the games: the word table, the draw cycle, the word, the lives and the series.
    GameRules rules{*this};

private:
    void BuildButtons();
    void BuildScore();
    void BuildHangmanFrame();
    void BuildLetterCells();
    void BuildLetterButtons();
    void DeleteControls();
    void ReleaseAboutForm();
};

// The program's main form: the first FormMain constructed. The menu forwarder falls back on it.
extern FormMain* mainForm;

}  // namespace MyGame
