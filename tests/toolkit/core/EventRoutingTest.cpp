#include "support/Win32.h"
#include "tests/toolkit/core/TestElements.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/Menu.h"
#include "toolkit/controls/MenuBar.h"
#include "toolkit/controls/SubMenu.h"
#include "toolkit/core/EventRouting.h"
#include "toolkit/core/Form.h"

#include <gtest/gtest.h>

using namespace Kestrum;

namespace {

// Stands in for a form class that forwarders look for.
class TargetForm : public Form {
public:
    TargetForm() : Form(nullptr) {}
};

}  // namespace

TEST(EventRouting, ContainerOfAChildIsItsParent)
{
    TargetForm form;
    Button button(&form, "Ok");
    Button orphan(nullptr, "Orphan");

    EXPECT_EQ(ContainerOf(&button), &form);
    EXPECT_EQ(ContainerAs<TargetForm>(&button), &form);
    EXPECT_EQ(ContainerOf(&orphan), nullptr);
}

TEST(EventRouting, ContainerOfANonChildIsNothing)
{
    TargetForm outer;
    TargetForm form;
    form.parent = &outer;
    CoreTest::PlainElement plain;
    plain.parent = &outer;

    EXPECT_EQ(ContainerOf(&form), nullptr);
    EXPECT_EQ(ContainerOf(&plain), nullptr);
    EXPECT_EQ(ContainerOf(nullptr), nullptr);
}

TEST(EventRouting, ContainerAsAnotherClassIsNothing)
{
    Form plainForm(nullptr);
    Button button(&plainForm, "Ok");

    EXPECT_EQ(ContainerAs<TargetForm>(&button), nullptr);
}

TEST(EventRouting, AncestorSearchWalksUpTheParentsOrFallsBack)
{
    TargetForm form;
    TargetForm fallback;
    MenuBar bar(&form);
    Menu menu(&bar, "&?");
    SubMenu item(&menu, "&Guida");
    Form plainForm(nullptr);
    MenuBar strayBar(&plainForm);
    Menu strayMenu(&strayBar, "&File");
    SubMenu strayItem(&strayMenu, "&Esci");
    SubMenu loose(nullptr, "&Home");
    struct Case {
        const char* name;
        GUIElement* sender;
        TargetForm* fallback;
        TargetForm* expected;
    };
    const Case cases[] = {
        {"item under the form", &item, &fallback, &form},
        {"item under the form, no fallback", &item, nullptr, &form},
        {"no such form above: fallback", &strayItem, &fallback, &fallback},
        {"no such form above, no fallback", &strayItem, nullptr, nullptr},
        {"no parent: the fallback", &loose, &fallback, &fallback},
        {"no parent, no fallback", &loose, nullptr, nullptr},
        {"the search starts above the sender", &form, &fallback, &fallback},
        {"no sender", nullptr, &fallback, &fallback},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindAncestor<TargetForm>(c.sender, c.fallback), c.expected) << c.name;
}
