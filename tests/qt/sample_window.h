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
        txtDigits.move(1800, 150, 1500, 300);
        lstRows.move(150, 600, 1500, 1200);
        for (const char* row : {"alpha", "beta", "gamma", "delta"})
            lstRows.addItem(row);
        cmdGo.move(1800, 600, 1200, 375);
        cmdGo.setCaption("Go");
        cmdGo.setDefault(true);
        cmdCancel.move(1800, 1050, 1200, 375);
        cmdCancel.setCancel(true);
        chkFlag.move(3150, 600, 1500, 300);
        fraGroup.move(4800, 150, 2400, 1500);
        optOne.setContainer(&fraGroup);
        optOne.move(150, 300, 1800, 300);
        optTwo.setContainer(&fraGroup);
        optTwo.move(150, 750, 1800, 300);
        optOne.setValue(true);
        hsbValue.move(150, 1950, 3000, 255);
        hsbValue.setMax(100);
        hsbValue.setLargeChange(10);
        vsbValue.move(3300, 1950, 255, 1500);
        vsbValue.setMin(50);  // runs from 50 at the top down to 0
        vsbValue.setMax(0);

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
        linAxis.setContainer(&picCanvas);
        linAxis.setPoints(-100, 0, 100, 0);
        linAxis.setBorderColor(colors::kRed);
        linAxis.setBorderWidth(3);
        imgMark.setContainer(&picCanvas);
        lblInCanvas.setContainer(&picCanvas);
        lblInCanvas.move(0, 0, 50, -20);

        tabPages.move(150, 3600, 4500, 2100);
        lblOnTab.move(300, 4200, 1500, 300);

        rtbNotes.move(4800, 4200, 3000, 900);
        drvDrive.move(150, 5850, 1500, 315);
        dirFolders.move(1800, 5850, 1500, 900);
        filFiles.move(3450, 5850, 1500, 900);
        shpOnWindow.move(7950, 150, 900, 600);
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
    Label lblOnTab{*this, "lblOnTab"};
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
    // Handlers that log their own name ("cmdGo_Click"), mouse ones with button and position.
    void logs(Event<>& e) {
        e.connect([this, &e] { log(e.handlerName()); });
    }
    void logs(Event<int, int, double, double>& e) {
        e.connect([this, &e](int b, int, double x, double y) {
            log(e.handlerName() + " " + std::to_string(b) + " " + std::to_string(std::lround(x)) +
                "," + std::to_string(std::lround(y)));
        });
    }

    void connectHandlers() {
        txtDigits.KeyPress.connect([](int& key) {
            // Digits and Backspace only, as the program's number fields take them.
            if ((key < '0' || key > '9') && key != 8) key = 0;
        });
        txtDigits.Change.connect([this] {
            log("txtDigits_Change " + txtDigits.text());
            lblName.setCaption("typed " + txtDigits.text());
        });
        lstRows.Click.connect(
            [this] { log("lstRows_Click " + std::to_string(lstRows.listIndex())); });
        cmdGo.Click.connect([this] {
            log("cmdGo_Click");
            lstRows.addItem("epsilon");
            chkFlag.setValue(checkstate::kGrayed);
        });
        chkFlag.Click.connect([this] { log("chkFlag_Click " + std::to_string(chkFlag.value())); });
        hsbValue.Change.connect([this] {
            log("hsbValue_Change " + std::to_string(hsbValue.value()));
            lblName.setCaption("value " + std::to_string(hsbValue.value()));
        });
        mnuFileOpen.Click.connect([this] {
            log("mnuFileOpen_Click");
            mnuFileTicked.setChecked(!mnuFileTicked.checked());
        });
        for (Event<>* e :
             {&cmdCancel.Click, &optTwo.Click, &picCanvas.Click, &picBoard.Click, &mnuFile.Click,
              &mnuFileTicked.Click, &mnuPopupFirst.Click, &mnuPopupSecond.Click, &rtbNotes.Change})
            logs(*e);
        for (auto* e :
             {&picCanvas.MouseDown, &picCanvas.MouseUp, &picBoard.MouseDown, &picBoard.MouseUp})
            logs(*e);
    }
};

}  // namespace lumbrix::test
