#pragma once
// What the control tests share: a shown form to create controls in, and the pixels of the test picture
// that the tests' executables carry as a bitmap resource.

#include "support/Win32.h"
#include "tests/gui/MessagePump.h"
#include "tests/toolkit/controls/resources/TestResources.h"
#include "toolkit/core/ElementRegistry.h"
#include "toolkit/core/Form.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace ControlsTest {

constexpr int kTestPictureWidth = 6;
constexpr int kTestPictureHeight = 4;

// The colour of the test picture's pixel at (x, y) from its top-left corner (make_test_picture.py).
inline COLORREF TestPicturePixel(int x, int y)
{
    return RGB(40 * x + 10, 60 * y + 20, 200);
}

// A form at the top-left corner of the screen, where nothing covers what its controls paint, so that a
// test can read their pixels back from their own window DC.
class FormHost : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<Kestrum::Form>(GetModuleHandleW(nullptr));
        form->x = 0;
        form->y = 0;
        form->width = 640;
        form->height = 480;
        form->text = L"Controls";
        // Without a title bar the window is made hidden and shown only at the end of Create, so controls
        // built from the created callback get their first paint after they count as created, whichever
        // element the window's first messages are attributed to.
        form->titleBar = false;
    }

    void TearDown() override
    {
        form.reset();
        TestSupport::PumpMessages();
        // The first form is the main window, whose end asks the loop to quit: another test run in the
        // same process must start without that request.
        MSG quit;
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        Kestrum::mainWindow = nullptr;
    }

    // Creates the form and, from its created callback, before the window is first shown, the given
    // controls, as the program's forms build theirs; then lets everything paint. (A panel created on a
    // form that is already shown paints its first time inside its Create, before it counts as created,
    // and so stays blank until it is next invalidated.)
    void ShowForm(std::vector<Kestrum::GUIElement*> controls = {})
    {
        pendingControls = std::move(controls);
        form->createdCallback = CreatePendingControls;
        form->Create();
        TestSupport::PumpMessages();
    }

    std::unique_ptr<Kestrum::Form> form;

private:
    static void CreatePendingControls(Kestrum::GUIElement*, HWND)
    {
        for (Kestrum::GUIElement* control : pendingControls)
            control->Create();
    }

    static inline std::vector<Kestrum::GUIElement*> pendingControls;
};

}  // namespace ControlsTest
