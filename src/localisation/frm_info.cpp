#include "localisation/frm_info.h"

#include "app/application.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "platform/event_runtime.h"
#include "platform/vb_error.h"
#include "project_version.h"

namespace lumbrix {

namespace {

constexpr Color kLightGrey = 0xC0C0C0;
constexpr Color kDarkGrey = 0x404040;

Font arial(double size) {
    Font f;
    f.name = "Arial";
    f.size = size;
    f.bold = true;
    return f;
}

}  // namespace

std::string infoVersionLine(bool estonian, int major, int minor) {
    return std::string(estonian ? "Versioon: " : "Version: ") + std::to_string(major) + "." +
           std::to_string(minor);
}

frmInfo::frmInfo(Application& app) : Form("frmInfo"), app_(app) {
    setCaption("Info - LUMBRIX");
    move(0, 0, 6990 + kFrameTwips, 4890 + kTitleBarTwips);
    setFixedSize(true);
    setBackColor(colors::kWhite);

    Image1.move(360, 240, 510, 510);
    Image1.setPicture((app_.installFolder() / "pictures" / "lumbrix_icon.png").string());
    Label1.move(1320, 120, 1890, 435);
    Label1.setCaption("LUMBRIX");
    Label1.setFont(arial(18));
    // The version line gets room for this desktop's wider fonts: it reaches further right.
    lblInfoLabelVersioon.move(2280, 600, 1500, 195);
    lblInfoLabelVersioon.setFont(arial(8.25));
    Line1.setPoints(120, 840, 6780, 840);
    Line1.setBorderColor(kLightGrey);
    Line3.setPoints(120, 840, 6795, 840);
    Line3.setBorderColor(kDarkGrey);
    lblInfoLabelKirjutanud.move(120, 960, 3375, 195);
    lblInfoLabelKirjutanud.setFont(arial(8.25));
    // The rights line on a row of its own under the author, one line in either language.
    lblCopyright.move(120, 1230, 6735, 195);
    lblCopyright.setWordWrap(true);
    lblCopyright.setFont(arial(8.25));
    for (Label* l : {&Label1, &lblInfoLabelVersioon, &lblInfoLabelKirjutanud, &lblCopyright})
        l->setTransparent(true);
    cmdTagasi.move(5280, 4080, 1575, 375);
    cmdTagasi.setCaption("Tagasi");

    Load.connect([this] { Form_Load(); });
    cmdTagasi.Click.connect([this] { cmdTagasi_Click(); });
}

void frmInfo::Form_Load() {
    try {
        // The box shows the current language and changes it not.
        const frmMain& m = app_.window<frmMain>();
        const bool estonian = messagesInEstonian(m);
        lblInfoLabelVersioon.setCaption(infoVersionLine(estonian, kVersionMajor, kVersionMinor));
        lblInfoLabelKirjutanud.setCaption(
            bilingual(m, "Autor: VELTORA OÜ", "Developed by: VELTORA OÜ"));
        lblCopyright.setCaption(bilingual(m, "© VELTORA OÜ. Kõik õigused kaitstud.",
                                          "© VELTORA OÜ. All rights reserved."));
        cmdTagasi.setCaption(m.mnuProgramExit.caption());
    } catch (const VbError& e) {
        // Only the box closes; the program and the open pattern go on.
        runtime::showErrorBox(e.number(), e.description(), "frmInfo_load");
        unload();
    }
}

void frmInfo::cmdTagasi_Click() {
    unload();
}

}  // namespace lumbrix

namespace lumbrix {

// The main window's information command: the box over the main window until it is closed.
void frmMain::mnuProgramInfo_Click() {
    store().lblmnuInfoclicked = "1";
    frmInfo& box = app().window<frmInfo>();
    // A box whose load failed has closed again already.
    if (box.isLoaded()) box.showModal(this);
}

}  // namespace lumbrix
