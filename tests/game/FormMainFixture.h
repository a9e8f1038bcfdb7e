#pragma once
// A real main form built from the real resources (this executable carries the game's resource script),
// driven through real messages: clicks on its buttons, keys, menu commands and close requests.

#include "game/FormMain.h"
#include "tests/gui/MessagePump.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/CellControl.h"
#include "toolkit/core/ElementRegistry.h"

#include <gtest/gtest.h>

#include <string>

class FormMainTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Each test plays a fresh program: its form is the first one, the main window, with id 1.
        Kestrum::mainWindow = nullptr;
        Kestrum::nextControlId = 0;
        MyGame::GameRules::SeedRandom(20261211);
        form = new MyGame::FormMain(GetModuleHandleW(nullptr), "ZelvantoGame prova");
        TestSupport::PumpMessages();
    }

    void TearDown() override
    {
        delete form;
        TestSupport::PumpMessages();
        // The main window's end posts WM_QUIT; left in the queue it would end the next test's boxes.
        MSG quit;
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }

    void Click(Kestrum::Button* button)
    {
        SendMessageW(button->hwnd, BM_CLICK, 0, 0);
        TestSupport::PumpMessages();
    }

    Kestrum::Button* LetterButton(char upper) { return form->letterButtons[upper - 'A']; }

    // The word as the guessing compares it: accents folded, upper case.
    std::string FoldedWord() const
    {
        std::string folded;
        for (char c : form->rules.Word()) {
            const unsigned char u = static_cast<unsigned char>(c);
            if (u == 0xE0) c = 'a';
            if (u == 0xE8) c = 'e';
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
            folded += c;
        }
        return folded;
    }

    bool WordHas(char upper) const { return FoldedWord().find(upper) != std::string::npos; }

    char MissingLetter(char after = '@') const
    {
        for (char letter = after + 1; letter <= 'Z'; ++letter) {
            if (!WordHas(letter) && form->letterButtons[letter - 'A']->enabled)
                return letter;
        }
        return 0;
    }

    // Every letter of the word, each once: the last one wins the game.
    void GuessWholeWord()
    {
        std::string pressed;
        for (char letter : FoldedWord()) {
            if (pressed.find(letter) == std::string::npos) {
                pressed += letter;
                Click(LetterButton(letter));
            }
        }
    }

    std::string ShownWord()
    {
        std::string shown;
        for (std::size_t cell = 0; cell < form->rules.Word().size(); ++cell)
            shown += form->letterCells[cell]->GetNarrowText();
        return shown;
    }

    MyGame::FormMain* form = nullptr;
};
