// Dialogs driven from C++ by the test driver.
#include "sample_dialogs.h"

#include <platform/test_driver.h>

#include <gtest/gtest.h>

namespace {

using namespace zplat;
using sample::LevelDlg;

Edit& edit(Dialog& d, int id) { return *d.itemAs<Edit>(id); }

TEST(Dialog, DataGoesInAndComesBackOnOk) {
    TestDriver driver;
    ScopedDialogDriver scoped(driver);
    LevelDlg dlg;
    driver.onNextDialog([](Dialog& d) {
        EXPECT_EQ(d.itemText(1075), "3");
        EXPECT_EQ(d.itemText(1076), "3");
        EXPECT_TRUE(user::type(edit(d, 1075), "5"));
        EXPECT_TRUE(user::type(edit(d, 1076), "2.5"));
        EXPECT_TRUE(user::click(*d.item(1148)));
        EXPECT_TRUE(user::type(edit(d, 1149), "levels"));
        EXPECT_TRUE(user::click(*d.item(1150)));
        EXPECT_TRUE(user::click(*d.item(1201)));
        user::enter(d);
    });
    EXPECT_EQ(dlg.doModal(), IDOK);
    EXPECT_EQ(dlg.precision, 5);
    EXPECT_DOUBLE_EQ(dlg.height, 2.5);
    EXPECT_EQ(dlg.preference, 2);
    EXPECT_EQ(dlg.layer, "levels");
    EXPECT_TRUE(dlg.saveDefaults);
    EXPECT_EQ(dlg.choice, 1);
    EXPECT_TRUE(driver.allUsed());
}

std::string d_label(const Dialog& d, int id) { return d.item(id) ? d.item(id)->label() : std::string(); }

TEST(Dialog, RefusedValueKeepsTheDialogOpenWithTheFrameworkMessage) {
    TestDriver driver;
    ScopedDialogDriver scoped(driver);
    LevelDlg dlg;
    driver.onNextDialog([](Dialog& d) {
        user::type(edit(d, 1075), "three");
        user::enter(d);
        EXPECT_TRUE(d.running());
        EXPECT_EQ(d.focused(), d.item(1075));
        user::type(edit(d, 1075), "4");
        user::type(edit(d, 1076), "0.4");  // below the least allowed
        user::enter(d);
        EXPECT_TRUE(d.running());
        user::type(edit(d, 1076), "0.5");
        user::enter(d);
    });
    EXPECT_EQ(dlg.doModal(), IDOK);
    ASSERT_EQ(driver.boxes().size(), 2u);
    EXPECT_EQ(driver.boxes()[0].box.text, "Please enter an integer.");
    EXPECT_EQ(driver.boxes()[1].box.text, "Please enter a number between 0.5 and 1000.");
    // Which field refused it, as no focus is seen in a script.
    EXPECT_EQ(driver.boxes()[0].box.caption, "zcad: " + d_label(dlg, 1075));
    EXPECT_EQ(driver.boxes()[1].box.caption, "zcad: " + d_label(dlg, 1076));
    EXPECT_EQ(dlg.precision, 4);
    EXPECT_DOUBLE_EQ(dlg.height, 0.5);
}

TEST(Dialog, NanAndInfinityAreNotNumbers) {
    TestDriver driver;
    ScopedDialogDriver scoped(driver);
    LevelDlg dlg;
    driver.onNextDialog([](Dialog& d) {
        for (const char* text : {"nan", "inf"}) {
            user::type(edit(d, 1076), text);
            user::enter(d);
            EXPECT_TRUE(d.running()) << text;
        }
        user::type(edit(d, 1076), "2");
        user::enter(d);
    });
    EXPECT_EQ(dlg.doModal(), IDOK);
    ASSERT_EQ(driver.boxes().size(), 2u);
    EXPECT_EQ(driver.boxes()[0].box.text, "Please enter a number.");
    EXPECT_EQ(driver.boxes()[1].box.text, "Please enter a number.");
    EXPECT_DOUBLE_EQ(dlg.height, 2.0);
}

TEST(Dialog, RadioGroupsKeepOneChoiceEachAndDriveEnabling) {
    TestDriver driver;
    ScopedDialogDriver scoped(driver);
    LevelDlg dlg;
    driver.onNextDialog([](Dialog& d) {
        EXPECT_TRUE(d.isChecked(1080));
        EXPECT_TRUE(d.isChecked(1200));
        EXPECT_FALSE(user::type(edit(d, 1149), "x"));  // disabled under "prompt"
        EXPECT_EQ(d.itemText(1149), "mk_lev");
        user::click(*d.item(1148));
        EXPECT_FALSE(d.isChecked(1080));
        EXPECT_TRUE(d.isChecked(1200));  // the other group is untouched
        EXPECT_TRUE(d.itemEnabled(1149));
        user::click(*d.item(1081));
        EXPECT_FALSE(d.itemEnabled(1149));
        EXPECT_FALSE(d.isChecked(1148));
        user::click(*d.item(IDCANCEL));
    });
    EXPECT_EQ(dlg.doModal(), IDCANCEL);
    EXPECT_EQ(dlg.preference, 0);  // Cancel leaves the members alone
}

TEST(Dialog, StatusTextFollowsTheFocusAndComesBack) {
    TestDriver driver;
    ScopedDialogDriver scoped(driver);
    LevelDlg dlg;
    driver.onNextDialog([](Dialog& d) {
        EXPECT_EQ(d.statusText(), "ready");
        user::focus(*d.item(1075));
        EXPECT_EQ(d.statusText(), "Enter the number of decimal digits precision to use.");
        user::focus(*d.item(1076));  // no text of its own
        EXPECT_EQ(d.statusText(), "ready");
        user::click(*d.item(1150));
        user::focus(*d.item(1076));
        // The check box's text stays after the focus leaves it.
        EXPECT_EQ(d.statusText(), "Set these values as new defaults on sucessful completion");
    });
    dlg.doModal();
}

TEST(Dialog, NothingMoreToDoIsACancel) {
    TestDriver driver;
    ScopedDialogDriver scoped(driver);
    LevelDlg dlg;
    EXPECT_EQ(dlg.doModal(), IDCANCEL);
    driver.onNextDialog([](Dialog& d) { user::type(edit(d, 1075), "9"); });
    EXPECT_EQ(dlg.doModal(), IDCANCEL);
    EXPECT_EQ(dlg.precision, 3);
    EXPECT_EQ(driver.dialogsOpened().size(), 2u);
}

TEST(Dialog, ADialogOpenedFromADialog) {
    TestDriver driver;
    ScopedDialogDriver scoped(driver);
    sample::OuterDlg outer;
    driver.onNextDialog([](Dialog& d) {
        user::click(*d.item(10));
        EXPECT_TRUE(d.running());
        user::enter(d);
    });
    driver.onNextDialog([](Dialog& d) {
        EXPECT_EQ(d.title(), "Z.AutoCAD: Point to Level");
        user::type(*d.itemAs<Edit>(1075), "7");
        user::enter(d);
    });
    EXPECT_EQ(outer.doModal(), IDOK);
    EXPECT_EQ(outer.innerResult, IDOK);
    EXPECT_EQ(outer.inner.precision, 7);
}

TEST(Dialog, TimersFireAtOnceWhenNobodyWatches) {
    TestDriver driver;
    ScopedDialogDriver scoped(driver);
    sample::SplashDlg splash(2000);
    EXPECT_EQ(splash.doModal(), IDOK);
    EXPECT_EQ(splash.fired, 1);
    EXPECT_TRUE(splash.timers().empty());
}

TEST(Dialog, PagesShowWithTheirTabAndShareTheStatusLine) {
    TestDriver driver;
    ScopedDialogDriver scoped(driver);
    sample::TabbedDlg dlg;
    driver.onNextDialog([&](Dialog& d) {
        EXPECT_EQ(d.statusText(), "Configure global default settings.");
        Control& importOption = *dlg.import.item(2001);
        EXPECT_FALSE(user::click(importOption));  // its page is hidden
        EXPECT_TRUE(findControls(d, "Import option").empty());
        user::clickItem(*d.itemAs<ListView>(1005), 1);
        EXPECT_TRUE(dlg.import.windowShown());
        EXPECT_FALSE(dlg.general.windowShown());
        EXPECT_TRUE(user::click(importOption));
        EXPECT_EQ(dlg.import.isChecked(2001), BST_CHECKED);
        user::focus(*dlg.import.item(2002));
        EXPECT_EQ(d.statusText(), "Enter the Import value");
        user::clickItem(*d.itemAs<ListView>(1005), -1);  // beside the items: page stays
        EXPECT_TRUE(dlg.import.windowShown());
        // Hiding the page takes the focus from its edit; the status comes back.
        user::selectTab(*d.itemAs<TabControl>(1011), 0);
        EXPECT_EQ(d.focused(), d.item(1011));
        EXPECT_EQ(d.statusText(), "Configure global default settings.");
        user::enter(d);
    });
    EXPECT_EQ(dlg.doModal(), IDOK);
    EXPECT_EQ(dlg.clicks, 2);
}

// A character hook: letters in upper case, digits dropped.
class UpperEdit : public Edit {
public:
    using Edit::Edit;

protected:
    void onChar(char key) override {
        if (key >= '0' && key <= '9') return;
        defaultChar(static_cast<char>(key >= 'a' && key <= 'z' ? key - 32 : key));
    }
};

TEST(Edit, CharacterHookSeesEveryKeyAndDefaultHandlingKeepsTheLimit) {
    Dialog d("Hook");
    auto& e = d.add<UpperEdit>(5, "Name");
    e.setLimitText(4);
    int changes = 0;
    d.on(5, Notify::Changed, [&] { ++changes; });
    user::type(e, "ab1cde");
    EXPECT_EQ(e.text(), "ABCD");
    EXPECT_EQ(changes, 4);
    e.setSelection(1, 3);
    user::typeKeys(e, "\bx");
    EXPECT_EQ(e.text(), "AXD");
    e.setSelection(0, 0);
    user::typeKeys(e, "\b");  // nothing before the caret
    EXPECT_EQ(e.text(), "AXD");
    e.setReadOnly(true);
    user::typeKeys(e, "q");
    EXPECT_EQ(e.text(), "AXD");
}

TEST(Dialog, ListBoxKeepsItsSelectionThroughEdits) {
    Dialog d("Queue");
    auto& list = d.addListBox(1113, "Plot files");
    list.addString("a.p01");
    list.addString("b.p01");
    list.addString("c.p01");
    EXPECT_TRUE(user::select(list, 2));
    EXPECT_EQ(list.deleteString(0), 2);
    EXPECT_EQ(list.curSel(), 1);
    EXPECT_EQ(list.getText(list.curSel()), "c.p01");
    EXPECT_EQ(list.deleteString(5), -1);
    list.deleteString(1);
    EXPECT_EQ(list.curSel(), -1);
    EXPECT_FALSE(user::select(list, 3));
}

}  // namespace

namespace {

TEST(Dialog, ReopeningStartsAgainFromTheTemplate) {
    TestDriver driver;
    ScopedDialogDriver scoped(driver);
    sample::TabbedDlg dlg;
    driver.onNextDialog([](Dialog& d) {
        auto& tabs = *d.itemAs<TabControl>(1011);
        EXPECT_EQ(tabs.count(), 2);
        user::selectTab(tabs, 1);
        d.enableItem(IDOK, false);
        user::cancel(d);
    });
    driver.onNextDialog([&](Dialog& d) {
        const auto& tabs = *d.itemAs<TabControl>(1011);
        EXPECT_EQ(tabs.count(), 2);  // filled once more by the init, not twice
        EXPECT_EQ(tabs.curSel(), 0);
        EXPECT_TRUE(d.itemEnabled(IDOK));
        EXPECT_TRUE(dlg.general.windowShown());
        EXPECT_FALSE(dlg.import.windowShown());
        user::enter(d);
    });
    EXPECT_EQ(dlg.doModal(), IDCANCEL);
    EXPECT_TRUE(dlg.children().empty());  // the pages went with the window
    EXPECT_EQ(dlg.doModal(), IDOK);
}

}  // namespace
