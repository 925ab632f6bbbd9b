// Small dialogs in the manner of the module's, for driving in tests.
#pragma once

#include <platform/dialogs.h>

namespace sample {

using namespace zplat;

// A settings prompt: numbers, a layer radio group whose last choice enables
// the layer edit, a check box, status texts while controls have the focus.
class LevelDlg : public Dialog {
public:
    int precision = 3;
    double height = 3.0;
    int preference = 0;
    std::string layer = "mk_lev";
    bool saveDefaults = false;
    int choice = 0;  // a second radio group

    LevelDlg() : Dialog("Z.AutoCAD: Point to Level") {
        addEdit(1075, "Precision");
        addEdit(1076, "Text Height");
        addGroupBox(1151, "Layer");
        addRadio(1080, "Prompt for layer name", true);
        addRadio(1081, "Use current layer");
        addRadio(1148, "&Layer");
        addEdit(1149, "Layer name");
        addCheckBox(1150, "Save as new defaults");
        addRadio(1200, "&Metres", true);
        addRadio(1201, "&Feet");
        addButton(IDOK, "&OK");
        addButton(IDCANCEL, "&Cancel");
        addStatusLine(1126, "ready");
        setFocusHint(1075, "Enter the number of decimal digits precision to use.");
        setFocusHint(1150, "Set these values as new defaults on sucessful completion", true);
        onClicked(1080, [this] { enableItem(1149, false); });
        onClicked(1081, [this] { enableItem(1149, false); });
        onClicked(1148, [this] { enableItem(1149, true); });
    }

protected:
    bool onInitDialog() override {
        Dialog::onInitDialog();
        enableItem(1149, preference == 2);
        return true;
    }
    void doDataExchange(DataExchange& dx) override {
        ddxText(dx, 1075, precision);
        ddxText(dx, 1076, height);
        ddvMinMax(dx, 1076, height, 0.5, 1000.0);
        ddxRadio(dx, 1080, preference);
        ddxText(dx, 1149, layer);
        ddxCheck(dx, 1150, saveDefaults);
        ddxRadio(dx, 1200, choice);
    }
};

// Opens a LevelDlg from its button and keeps what it answered.
class OuterDlg : public Dialog {
public:
    int innerResult = 0;
    LevelDlg inner;

    OuterDlg() : Dialog("Outer") {
        addButton(10, "&Options...");
        addButton(IDOK, "&OK");
        addButton(IDCANCEL, "&Cancel");
        onClicked(10, [this] { innerResult = inner.doModal(); });
    }
};

// Closes itself on its timer, as a splash box does.
class SplashDlg : public Dialog {
public:
    explicit SplashDlg(unsigned ms) : Dialog("About"), ms_(ms) { addButton(IDOK, "OK"); }
    int fired = 0;

protected:
    bool onInitDialog() override {
        setTimer(1, ms_);
        return true;
    }
    void onTimer(int id) override {
        ++fired;
        killTimer(id);
        endDialog(IDOK);
    }

private:
    unsigned ms_;
};

// Nothing to choose but OK, as an advice or an about box.
class NoticeDlg : public Dialog {
public:
    NoticeDlg() : Dialog("Notice") {
        addEdit(1001, "Message").setReadOnly(true);
        addButton(IDOK, "OK");
    }
};

// A page of a tabbed dialog.
class PageDlg : public Dialog {
public:
    explicit PageDlg(std::string name) : Dialog(std::move(name)) {
        addCheckBox(2001, title() + " option");
        addEdit(2002, title() + " value");
        setFocusHint(2002, "Enter the " + title() + " value");
    }
};

class TabbedDlg : public Dialog {
public:
    PageDlg general{"General"};
    PageDlg import{"Import"};
    int clicks = 0;

    TabbedDlg() : Dialog("Configuration") {
        auto& view = addListView(1005, "Pages");
        view.setImageList({"general.bmp", "import.bmp"});
        view.insertItem(0, "General", 0);
        view.insertItem(1, "Import", 1);
        addTabControl(1011, "Tabs");
        addButton(IDOK, "&OK");
        addStatusLine(1036);
        onClicked(1005, [this] {
            ++clicks;
            const int hit = itemAs<ListView>(1005)->hitItem();
            if (hit >= 0) itemAs<TabControl>(1011)->setCurSel(hit);
        });
    }

protected:
    bool onInitDialog() override {
        general.create(*this);
        import.create(*this);
        auto* tabs = itemAs<TabControl>(1011);
        tabs->insertItem(0, "General", &general);
        tabs->insertItem(1, "Import", &import);
        tabs->setCurSel(0);
        setStatusText("Configure global default settings.");
        return true;
    }
};

}  // namespace sample
