#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/file_list_boxes.h"
#include "platform/rich_text_box.h"

namespace lumbrix::test {

// A window with one control of every kind, whose handlers record the events they get.
class SampleWindow : public Form {
  public:
    SampleWindow() : Form("frmSample") {
        setCaption("Sample");
        move(0, 0, 9120, 7695);  // client area 9000 x 6900 twips with the menu bar

        lblName.move(150, 150, 1500, 300);
        lblName.setCaption("Name");
        lblName.setToolTipText("What it is called");
        lblName.setBackColor(colors::rgb(255, 192, 128));
        txtDigits.move(1800, 150, 1500, 300);
        lstRows.move(150, 600, 1500, 1200);
        for (const char* row : {"alpha", "beta", "gamma", "delta"})
            lstRows.addItem(row);
        cmdGo.move(1800, 600, 1200, 375);
        cmdGo.setCaption("Go");
        cmdGo.setDefault(true);
        cmdCancel.move(1800, 1050, 1200, 375);
        cmdCancel.setCaption("Cancel");
        cmdCancel.setCancel(true);
        chkFlag.move(3150, 600, 1500, 300);
        chkFlag.setCaption("Flag");
        fraGroup.move(4800, 150, 2400, 1500);
        fraGroup.setCaption("Group");
        optOne.setContainer(&fraGroup);
        optOne.move(150, 300, 1800, 300);
        optOne.setCaption("One");
        optTwo.setContainer(&fraGroup);
        optTwo.move(150, 750, 1800, 300);
        optTwo.setCaption("Two");
        optOne.setValue(true);
        hsbValue.move(150, 1950, 3000, 255);
        hsbValue.setMin(0);
        hsbValue.setMax(100);
        hsbValue.setLargeChange(10);
        vsbValue.move(3300, 1950, 255, 1500);
        vsbValue.setMin(50);  // runs from 50 at the top down to 0
        vsbValue.setMax(0);
        vsbValue.setValue(50);

        picCanvas.move(4800, 1800, 3060, 2310);  // client 200 x 150 pixels inside the border
        picCanvas.scale(-100, 75, 100, -75);     // y grows upwards, origin in the middle
        picCanvas.setBackColor(colors::kWhite);
        picBoard.setContainer(&picCanvas);
        picBoard.move(-50, 25, 40, -50);  // x -50..-10, y 25 down to -25
        picBoard.setBackColor(colors::kOrange);
        picBoard.setBordered(false);
        shpLog.setContainer(&picCanvas);
        shpLog.setShape(ShapeKind::Circle);
        shpLog.move(-60, 60, 120, -120);
        shpLog.setBorderColor(colors::rgb(0, 0, 255));
        linAxis.setContainer(&picCanvas);
        linAxis.setPoints(-100, 0, 100, 0);
        linAxis.setBorderColor(colors::kRed);
        linAxis.setBorderWidth(3);
        imgMark.setContainer(&picCanvas);
        imgMark.move(60, -40, 20, -20);
        lblInCanvas.setContainer(&picCanvas);
        lblInCanvas.move(0, 0, 50, -20);
        lblInCanvas.setCaption("centre");

        tabPages.move(150, 3600, 4500, 2100);
        tabPages.setTabCaption(0, "First");
        tabPages.setTabCaption(1, "Second");
        lblOnFirst.move(300, 4200, 1500, 300);
        lblOnFirst.setCaption("on first");
        lblOnFirst.setTabPage(0);
        lblOnSecond.move(300, 4200, 1500, 300);
        lblOnSecond.setCaption("on second");
        lblOnSecond.setTabPage(1);

        rtbNotes.move(4800, 4200, 3000, 900);
        drvDrive.move(150, 5850, 1500, 315);
        dirFolders.move(1800, 5850, 1500, 900);
        filFiles.move(3450, 5850, 1500, 900);
        tmrTick.setInterval(0);
        shpOnWindow.move(7950, 150, 900, 600);
        shpOnWindow.setShape(ShapeKind::Rectangle);
        linOnWindow.setPoints(7950, 900, 8850, 900);
        imgOnWindow.move(7950, 1050, 300, 300);

        mnuFile.setCaption("&File");
        mnuFileOpen.setCaption("&Open");
        mnuFileSep.setCaption("-");
        mnuFileTicked.setCaption("&Ticked");
        mnuFileTicked.setChecked(true);
        mnuPopup.setCaption("popup");
        mnuPopup.setVisible(false);
        mnuPopupFirst.setCaption("First choice");
        mnuPopupSecond.setCaption("Second choice");

        connectHandlers();
    }

    void log(std::string entry) { events.push_back(std::move(entry)); }
    void clearLog() { events.clear(); }

    Label lblName{*this, "lblName"};
    TextBox txtDigits{*this, "txtDigits"};
    ListBox lstRows{*this, "lstRows"};
    CommandButton cmdGo{*this, "cmdGo"};
    CommandButton cmdCancel{*this, "cmdCancel"};
    CheckBox chkFlag{*this, "chkFlag"};
    Frame fraGroup{*this, "fraGroup"};
    OptionButton optOne{*this, "optOne"};
    OptionButton optTwo{*this, "optTwo"};
    HScrollBar hsbValue{*this, "hsbValue"};
    VScrollBar vsbValue{*this, "vsbValue"};
    PictureBox picCanvas{*this, "picCanvas"};
    Shape shpLog{*this, "shpLog"};
    LineControl linAxis{*this, "linAxis"};
    Image imgMark{*this, "imgMark"};
    PictureBox picBoard{*this, "picBoard"};
    Label lblInCanvas{*this, "lblInCanvas"};
    TabStrip tabPages{*this, "tabPages", 2};
    Label lblOnFirst{*this, "lblOnFirst"};
    Label lblOnSecond{*this, "lblOnSecond"};
    RichTextBox rtbNotes{*this, "rtbNotes"};
    DriveListBox drvDrive{*this, "drvDrive"};
    DirListBox dirFolders{*this, "dirFolders"};
    FileListBox filFiles{*this, "filFiles"};
    Timer tmrTick{*this, "tmrTick"};
    CommonDialog comDial{*this, "comDial"};
    Shape shpOnWindow{*this, "shpOnWindow"};
    LineControl linOnWindow{*this, "linOnWindow"};
    Image imgOnWindow{*this, "imgOnWindow"};

    Menu mnuFile{*this, "mnuFile"};
    Menu mnuFileOpen{*this, "mnuFileOpen", &mnuFile};
    Menu mnuFileSep{*this, "mnuFileSep", &mnuFile};
    Menu mnuFileTicked{*this, "mnuFileTicked", &mnuFile};
    Menu mnuPopup{*this, "mnuPopup"};
    Menu mnuPopupFirst{*this, "mnuPopupFirst", &mnuPopup};
    Menu mnuPopupSecond{*this, "mnuPopupSecond", &mnuPopup};

    std::vector<std::string> events;

  private:
    static std::string at(int button, double x, double y) {
        return " " + std::to_string(button) + " " +
               std::to_string(static_cast<int>(std::lround(x))) + "," +
               std::to_string(static_cast<int>(std::lround(y)));
    }

    void connectHandlers() {
        txtDigits.KeyPress.connect([this](int& key) {
            // Digits and Backspace only, as the program's number fields take them.
            if ((key < '0' || key > '9') && key != 8) key = 0;
        });
        txtDigits.Change.connect([this] {
            log("txtDigits_Change " + txtDigits.text());
            lblName.setCaption("typed " + txtDigits.text());
        });
        lstRows.Click.connect(
            [this] { log("lstRows_Click " + std::to_string(lstRows.listIndex())); });
        lstRows.DblClick.connect([this] { log("lstRows_DblClick"); });
        cmdGo.Click.connect([this] {
            log("cmdGo_Click");
            lstRows.addItem("epsilon");
            chkFlag.setValue(checkstate::kGrayed);
        });
        cmdCancel.Click.connect([this] { log("cmdCancel_Click"); });
        chkFlag.Click.connect([this] { log("chkFlag_Click " + std::to_string(chkFlag.value())); });
        optOne.Click.connect([this] { log("optOne_Click"); });
        optTwo.Click.connect([this] { log("optTwo_Click"); });
        hsbValue.Change.connect([this] {
            log("hsbValue_Change " + std::to_string(hsbValue.value()));
            lblName.setCaption("value " + std::to_string(hsbValue.value()));
        });
        vsbValue.Change.connect(
            [this] { log("vsbValue_Change " + std::to_string(vsbValue.value())); });
        tabPages.TabClick.connect(
            [this](int previous) { log("tabPages_Click " + std::to_string(previous)); });
        picCanvas.MouseDown.connect(
            [this](int b, int, double x, double y) { log("picCanvas_MouseDown" + at(b, x, y)); });
        picCanvas.MouseUp.connect(
            [this](int b, int, double x, double y) { log("picCanvas_MouseUp" + at(b, x, y)); });
        picCanvas.MouseMove.connect(
            [this](int b, int, double x, double y) { log("picCanvas_MouseMove" + at(b, x, y)); });
        picCanvas.Click.connect([this] { log("picCanvas_Click"); });
        picBoard.MouseDown.connect(
            [this](int b, int, double x, double y) { log("picBoard_MouseDown" + at(b, x, y)); });
        picBoard.MouseUp.connect(
            [this](int b, int, double x, double y) { log("picBoard_MouseUp" + at(b, x, y)); });
        picBoard.MouseMove.connect(
            [this](int b, int, double x, double y) { log("picBoard_MouseMove" + at(b, x, y)); });
        picBoard.Click.connect([this] { log("picBoard_Click"); });
        picBoard.DblClick.connect([this] { log("picBoard_DblClick"); });
        lblName.Click.connect([this] { log("lblName_Click"); });
        lblName.MouseMove.connect(
            [this](int b, int, double x, double y) { log("lblName_MouseMove" + at(b, x, y)); });
        MouseMove.connect(
            [this](int b, int, double x, double y) { log("Form_MouseMove" + at(b, x, y)); });
        mnuFile.Click.connect([this] { log("mnuFile_Click"); });
        mnuFileOpen.Click.connect([this] {
            log("mnuFileOpen_Click");
            mnuFileTicked.setChecked(!mnuFileTicked.checked());
        });
        mnuFileTicked.Click.connect([this] { log("mnuFileTicked_Click"); });
        mnuPopupFirst.Click.connect([this] { log("mnuPopupFirst_Click"); });
        mnuPopupSecond.Click.connect([this] { log("mnuPopupSecond_Click"); });
        rtbNotes.Change.connect([this] { log("rtbNotes_Change"); });
    }
};

}  // namespace lumbrix::test
