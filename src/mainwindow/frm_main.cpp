#include "mainwindow/frm_main.h"

#include "app/application.h"
#include "store/frm_main_sub.h"

namespace lumbrix {

frmMain::frmMain(Application& app) : Form("frmMain"), app_(app) {
    layOutControls();
    setDesignValues();
    connectHandlers();
}

frmMain::~frmMain() = default;

frmMainSub& frmMain::store() const {
    return app_.window<frmMainSub>();
}

void frmMain::setDesignValues() {
    txtPalk.setText("200");
    txtKoone.setText("8");
    txtKoverus.setText("0");
    txtPikkus.setText("5200");
    scrDiameeter.setMin(10);
    scrDiameeter.setMax(200);  // the load raises it to 600
    scrDiameeter.setValue(200);
    scrKoone.setMin(0);
    scrKoone.setMax(10);
    scrKoone.setValue(8);
    scrKoverus.setMin(0);
    scrKoverus.setMax(5);
    scrKoverus.setValue(0);
    scrPikkus.setMin(2800);
    scrPikkus.setMax(6100);
    scrPikkus.setSmallChange(300);
    scrPikkus.setLargeChange(300);
    scrPikkus.setValue(5200);

    // The drawing area is 465.772 mm of the log square at 100 % zoom.
    picBack.scale(0, 0, 465.772, 465.772);

    lstDim.setSorted(true);
    optSydmat.setValue(true);

    tmr_Startup.setInterval(500);
    tmr_Startup.setEnabled(false);
    tmr_update.setInterval(1);
    tmr_update.setEnabled(false);
    tmr_reload.setInterval(1);
    tmr_reload.setEnabled(false);

    mnuAutoFit.setChecked(true);
    mnuautoscroll.setChecked(true);
    cmdShowCalculations.setEnabled(false);
    lblUpdated.setCaption("0");
}

void frmMain::connectHandlers() {
    Load.connect([this] { Form_Load(); });
    scrDiameeter.Change.connect([this] { scrDiameeter_Change(); });
    scrKoone.Change.connect([this] { scrKoone_Change(); });
    scrKoverus.Change.connect([this] { scrKoverus_Change(); });
    scrPikkus.Change.connect([this] { scrPikkus_Change(); });
    lstSyda.Click.connect([this] { lstSyda_Click(); });
    lstSeimerAll.Click.connect([this] { lstSeimerAll_Click(); });
    lstSeimerYleval.Click.connect([this] { lstSeimerYleval_Click(); });
    lstKylgVasak.Click.connect([this] { lstKylgVasak_Click(); });
    lstKylgParem.Click.connect([this] { lstKylgParem_Click(); });
    tmr_update.TimerEvent.connect([this] { tmr_update_Timer(); });
    tmr_reload.TimerEvent.connect([this] { tmr_reload_Timer(); });
    cmdSobita.Click.connect([this] { cmdSobita_Click(); });
    mnufit.Click.connect([this] { cmdSobita_Click(); });
    mnuPalkUuenda.Click.connect([this] { uuenda_materjalid(); });
    mnuArvutusedSydamematerjal.Click.connect([this] { mnuArvutusedSydamematerjal_Click(); });
    mnuArvutusedKyljelauad.Click.connect([this] { mnuArvutusedKyljelauad_Click(); });
    cmdLaeprofiil.Click.connect([this] { cmdLaeprofiil_Click(); });
    connectCatalogueHandlers();
    connectShellHandlers();
    connectComparisonHandlers();
}

bool frmMain::patternIsUnnamed() const {
    const std::string& name = lblSaekavanimi.caption();
    return name.empty() || name == " ";
}

}  // namespace lumbrix
