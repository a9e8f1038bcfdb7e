#include "tests/game/FormMainFixture.h"

#include "tests/gui/GdiObjectCounter.h"
#include "tests/gui/MessageBoxAnswerer.h"
#include "tests/gui/ShellOpenRecording.h"
#include "toolkit/about/FormAbout.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/SubMenu.h"
#include "toolkit/controls/TextBox.h"
#include "toolkit/core/MessageLoop.h"


using TestSupport::PumpMessages;

namespace {

void ChooseMenuItem(MyGame::FormMain* form, Kestrum::SubMenu* item)
{
    SendMessageW(form->hwnd, WM_COMMAND, MAKEWPARAM(item->id, 0), 0);
    PumpMessages();
}

}  // namespace

TEST_F(FormMainTest, InfoOpensTheAboutBoxWithTheGamesTexts)
{
    Click(form->infoButton);
    Kestrum::FormAbout* about = form->aboutForm;
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(IsWindowVisible(about->hwnd));
    EXPECT_EQ(about->GetNarrowText(), "Info...");
    EXPECT_EQ(about->titleLabel->GetNarrowText(), "ZelvantoGame 1.1.0.0");
    EXPECT_EQ(about->noticeLabel->GetNarrowText(), "\xA9 2026 Zelvanto");
    EXPECT_EQ(about->siteLink->GetNarrowText(), "https://www.example.com");
    EXPECT_EQ(about->mailLink->GetNarrowText(), "info@example.com");
    EXPECT_EQ(about->descriptionBox->GetNarrowText(),
              "Il programma appartiene alla categoria FREEWARE\r\n"
              "e ci\xF2 significa che pu\xF2 essere copiato e\r\n"
              "distribuito liberamente.");
    EXPECT_EQ(SendMessageW(about->descriptionBox->hwnd, EM_GETLINECOUNT, 0, 0), 3);
    EXPECT_EQ(about->bannerResourceId, 1006);
    EXPECT_NE(SendMessageW(about->bannerImage->hwnd, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);

    EXPECT_FALSE(IsWindowEnabled(form->hwnd));
    EXPECT_EQ(form->ownedForm, about);
}

TEST_F(FormMainTest, WhileAboutIsOpenTheMainFormTakesNoInput)
{
    Click(form->infoButton);
    ASSERT_NE(form->aboutForm, nullptr);
    // A real click where the start button is: the disabled form lets it reach nothing.
    RECT start{};
    GetWindowRect(form->startButton->hwnd, &start);
    SetCursorPos(start.left + 20, start.top + 20);
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, clicks, sizeof(INPUT));
    PumpMessages();
    EXPECT_FALSE(form->rules.IsRunning());
    EXPECT_EQ(form->startButton->GetNarrowText(), "Inizia");
    for (Kestrum::GUIElement* control : {static_cast<Kestrum::GUIElement*>(form->startButton),
                                          static_cast<Kestrum::GUIElement*>(form->closeButton)})
        EXPECT_FALSE(IsWindowEnabled(GetAncestor(control->hwnd, GA_ROOT)));
}

TEST_F(FormMainTest, ClosingAboutGivesTheMainFormItsInputBack)
{
    Click(form->infoButton);
    Kestrum::FormAbout* about = form->aboutForm;
    ASSERT_NE(about, nullptr);
    Click(about->okButton);
    EXPECT_FALSE(IsWindow(about->hwnd));
    EXPECT_TRUE(IsWindowEnabled(form->hwnd));
    EXPECT_EQ(form->ownedForm, nullptr);
    Click(form->startButton);
    EXPECT_TRUE(form->rules.IsRunning());
}

TEST_F(FormMainTest, ASecondInfoReleasesTheClosedAboutBox)
{
    Click(form->infoButton);
    SendMessageW(form->aboutForm->hwnd, WM_CLOSE, 0, 0);
    PumpMessages();
    const int room = TestSupport::GdiObjectRoom();

    const std::size_t elements = Kestrum::allElements.size();
    Click(form->infoButton);
    ASSERT_NE(form->aboutForm, nullptr);
    EXPECT_EQ(Kestrum::allElements.size(), elements) << "the first box's elements left the registry";
    EXPECT_TRUE(Kestrum::disposeList.empty());
    SendMessageW(form->aboutForm->hwnd, WM_CLOSE, 0, 0);
    PumpMessages();
    // The closed box's fonts went with it: many "Info" presses cost no GDI objects.
    EXPECT_EQ(TestSupport::GdiObjectRoom(), room);
}

TEST_F(FormMainTest, EveryAboutBoxIsGoneWhenTheProgramEnds)
{
    for (int box = 0; box < 3; ++box) {
        Click(form->infoButton);
        SendMessageW(form->aboutForm->hwnd, WM_CLOSE, 0, 0);
        PumpMessages();
    }
    Click(form->infoButton);  // the last one is still open when the program ends
    const std::size_t elementsOfOneBox = 14;  // form, panel, banner, 2 labels, 2 links, text box, OK ...
    ASSERT_GE(Kestrum::allElements.size(), elementsOfOneBox);

    TestSupport::MessageBoxAnswerer answerer({IDYES});
    SendMessageW(form->aboutForm->hwnd, WM_CLOSE, 0, 0);
    PostMessageW(form->hwnd, WM_CLOSE, 0, 0);
    Kestrum::RunMessageLoop(form);
    EXPECT_TRUE(Kestrum::disposeList.empty());
    delete form;
    form = nullptr;
    EXPECT_TRUE(Kestrum::allElements.empty());
}

TEST_F(FormMainTest, HomeAndGuideOpenTheSiteAndTheHelpPage)
{
    TestSupport::ShellOpenRecording recording;
    ASSERT_TRUE(recording.IsReady()) << recording.Problem();
    // One at a time: the stand-ins record in the order they run.
    ChooseMenuItem(form, form->homeItem);
    ASSERT_EQ(recording.WaitForAddresses(1).size(), 1u);
    ChooseMenuItem(form, form->guideItem);
    const std::vector<std::wstring> opened = recording.WaitForAddresses(2);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], L"https://www.example.com");
    EXPECT_EQ(opened[1], L"https://www.example.com/ZelvantoGame.asp");
}
