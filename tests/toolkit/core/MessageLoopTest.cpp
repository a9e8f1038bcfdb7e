#include "support/Win32.h"
#include "tests/gui/MessagePump.h"
#include "tests/toolkit/core/TestElements.h"
#include "toolkit/controls/Button.h"
#include "toolkit/core/ElementRegistry.h"
#include "toolkit/core/Form.h"
#include "toolkit/core/MessageLoop.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace Kestrum;

namespace {

std::vector<std::string> events;

void Record(const std::string& event)
{
    events.push_back(event);
}

// The destructor of the concrete class must run when the loop deletes it through a GUIElement pointer.
class ParkedChild : public Child {
public:
    explicit ParkedChild(const std::string& childName) : Child(nullptr), name(childName) {}
    ~ParkedChild() override { Record("~ParkedChild " + name); }
    void Create() override {}

    std::string name;
};

class ParkedForm : public Form {
public:
    ParkedForm() : Form(GetModuleHandleW(nullptr)) {}
    ~ParkedForm() override { Record("~ParkedForm"); }
};

}  // namespace

TEST(MessageLoop, EndsWhenTheMainWindowIsDestroyed)
{
    Form form(GetModuleHandleW(nullptr));
    form.Create();
    PostMessageW(form.hwnd, WM_CLOSE, 0, 0);

    RunMessageLoop(&form);

    EXPECT_FALSE(IsWindow(form.hwnd));
    EXPECT_TRUE(form.destroyed);
}

TEST(MessageLoop, DeletesTheParkedElementsFrontToBackEachAsItsOwnClass)
{
    events.clear();
    disposeList.push_back(new ParkedChild("first"));
    disposeList.push_back(new ParkedForm());
    disposeList.push_back(new ParkedChild("last"));
    PostQuitMessage(0);

    RunMessageLoop(nullptr);

    EXPECT_EQ(events, (std::vector<std::string>{"~ParkedChild first", "~ParkedForm", "~ParkedChild last"}));
    EXPECT_TRUE(disposeList.empty());
    EXPECT_TRUE(allElements.empty());
}

TEST(MessageLoop, ParkedElementLivesAndReceivesMessagesUntilTheLoopEnds)
{
    events.clear();
    Form mainForm(GetModuleHandleW(nullptr));
    mainForm.Create();
    auto* parked = new ParkedForm();
    parked->Create();
    parked->keyUpCallback = [](GUIElement*, int) { Record("keyUp"); };
    disposeList.push_back(parked);
    PostMessageW(parked->hwnd, WM_KEYUP, 'A', 0);
    PostMessageW(mainForm.hwnd, WM_CLOSE, 0, 0);

    RunMessageLoop(&mainForm);

    EXPECT_EQ(events, (std::vector<std::string>{"keyUp", "~ParkedForm"}));
}

TEST(MessageLoop, TranslatesKeysIntoCharacters)
{
    events.clear();
    Form form(GetModuleHandleW(nullptr));
    form.Create();
    form.keyPressCallback = [](GUIElement*, int character) {
        Record("keyPress " + std::to_string(character));
        return true;
    };
    // The character is posted while the key is translated, before the key is dispatched, so a close
    // posted by the key's handler comes after it.
    form.keyDownCallback = [](GUIElement* sender, int) { PostMessageW(sender->hwnd, WM_CLOSE, 0, 0); };
    const LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyW(VK_SPACE, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(form.hwnd, WM_KEYDOWN, VK_SPACE, scanCode | 1);

    RunMessageLoop(&form);

    EXPECT_EQ(events, std::vector<std::string>{"keyPress 32"});
}

TEST(MessageLoop, OnlyADialogFormGetsDialogNavigation)
{
    struct Case {
        const char* name;
        bool giveForm;
        bool dialog;
        bool keyDownReachesButton;
    };
    const Case cases[] = {
        {"no form", false, false, true},
        {"main-window form", true, false, true},
        {"dialog form", true, true, false},
    };
    for (const Case& c : cases) {
        events.clear();
        Form form(GetModuleHandleW(nullptr), c.dialog);
        form.Create();
        Button first(&form, "1");
        first.Create();
        Button second(&form, "2");
        second.y = 150;
        second.Create();
        first.keyDownCallback = [](GUIElement*, int key) { Record("keyDown " + std::to_string(key)); };
        first.Focus();
        PostMessageW(first.hwnd, WM_KEYDOWN, VK_TAB, 1);
        PostQuitMessage(0);

        RunMessageLoop(c.giveForm ? &form : nullptr);

        // Either way the focus moves on: by IsDialogMessageW, or by the window procedure's Tab rule.
        EXPECT_EQ(GetFocus(), second.hwnd) << c.name;
        EXPECT_EQ(!events.empty(), c.keyDownReachesButton) << c.name;
    }
}
