// Disabled controls on screen: their text is a mid-dark grey that reads on the control's own
// back colour (white for a field, grey for a price that takes no figure), and still looks
// disabled beside the same control enabled. Checked in the pixels the widgets draw.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QMap>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <algorithm>
#include <string>

#include "localisation/main_caption_table.h"
#include "millsettings/frm_seaded.h"
#include "qt/qt_convert.h"
#include "shown_main_window.h"
#include "shown_sample.h"

namespace lumbrix {
namespace {

// The darkest text a disabled control may have, as a luminance of 0 to 255.
constexpr int kReadable = 140;
// How much lighter a disabled control's text is at least than the same control's enabled text.
constexpr int kDisabledLook = 40;

// What a widget shows inside the part where its text stands: the luminance of its darkest
// pixel (the text's own colour) and its most frequent colour (the ground under the text).
struct Look {
    int darkest = 255;
    QColor ground;
};

// The part of the widget where its text stands: a field inside its frame, an option or a
// check box beside its mark, a label whole.
QRect textArea(QWidget& w) {
    if (auto* button = qobject_cast<QAbstractButton*>(&w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QStyle::SubElement contents = qobject_cast<QCheckBox*>(button)
                                                ? QStyle::SE_CheckBoxContents
                                                : QStyle::SE_RadioButtonContents;
        return button->style()->subElementRect(contents, &option, button);
    }
    if (qobject_cast<QLineEdit*>(&w)) return w.rect().adjusted(3, 3, -3, -3);
    return w.rect();
}

Look lookOf(QWidget& w) {
    const QImage image = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect area = textArea(w).intersected(image.rect());
    Look look;
    QMap<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            look.darkest = std::min(look.darkest, qGray(pixel));
            ++counts[pixel];
        }
    }
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            look.ground = QColor(it.key());
        }
    }
    return look;
}

// The control disabled shows its text in a readable grey on `ground`; enabled, its text is
// darker by far. The control is left disabled.
void expectReadableWhenDisabled(qt::FormView& view, Control& c, const QColor& ground) {
    QWidget* w = view.widgetOf(c);
    ASSERT_NE(w, nullptr) << c.name();
    c.setEnabled(true);
    qt::FormView::refreshAll();
    const Look enabled = lookOf(*w);
    c.setEnabled(false);
    qt::FormView::refreshAll();
    ASSERT_FALSE(w->isEnabled()) << c.name();
    const Look disabled = lookOf(*w);
    EXPECT_LE(disabled.darkest, kReadable) << c.name();
    EXPECT_EQ(disabled.ground.name().toStdString(), ground.name().toStdString()) << c.name();
    EXPECT_GE(disabled.darkest - enabled.darkest, kDisabledLook) << c.name();
}

// The program in one language, its main window shown with the shipped profile loaded.
class DisabledText : public test::InstalledAppTest,
                     public ::testing::WithParamInterface<const char*> {
  protected:
    void SetUp() override {
        prepareFolder();
        startApp();
        applyLanguageFile(*app, folder / "language", GetParam());
        loadMainWindow();
        m->tmr_Startup_Timer();
        m->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(desktop->windowOf(*m)));
    }
    // The view of `form`, shown.
    qt::FormView& shown(Form& form) {
        qt::FormWindow* window = shownWindow(form);
        qt::FormView::refreshAll();
        return *window->view();
    }
};

TEST_P(DisabledText, TheSettingsFiguresNotTypedReadOnTheirWhiteFields) {
    frmSeaded& d = app->window<frmSeaded>();
    qt::FormView& view = shown(d);
    TextBox* const fields[] = {
        &d.txtKetas1saag,     &d.txtKetas2saag,          &d.txtKetasSeimer,    &d.txtKetasTrimmer,
        &d.txtPalgiMoodul,    &d.txtPalgimahukoefitsent, &d.txtKoefitsentHake, &d.txtKoefitsentPuru,
        &d.txtKoefitsentKoor, &d.txtKuluTootmine,        &d.txtKuluAmort,
    };
    for (TextBox* field : fields) {
        ASSERT_FALSE(field->enabled()) << field->name();
        ASSERT_FALSE(field->text().empty()) << field->name();
        expectReadableWhenDisabled(view, *field, Qt::white);
    }
    d.unload();
}

TEST_P(DisabledText, TheCatalogPriceOfAQualityWithoutShareReadsOnItsGrey) {
    m->SSTab1.setCurrentTab(1);
    m->txtQual1Share.setText("100");
    for (int quality = 2; quality <= 6; ++quality)
        m->txtQualShare(quality).setText("0");
    m->Arvuta_kvaliteedijagunemine();
    qt::FormView& view = shown(*m);
    for (int quality = 2; quality <= 6; ++quality) {
        TextBox& price = m->txtQualPrice(quality);
        ASSERT_FALSE(price.enabled());
        ASSERT_FALSE(price.text().empty());
        expectReadableWhenDisabled(view, price, QColor(192, 192, 192));
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, DisabledText,
                         ::testing::Values("eesti.keel", "english.keel"), [](const auto& language) {
                             return std::string(language.param) == "eesti.keel" ? "Estonian"
                                                                                : "English";
                         });

// Labels, options and check boxes: their captions read on their own back colour too.
using DisabledCaptions = test::ShownSampleTest;

TEST_F(DisabledCaptions, LabelsOptionsAndCheckBoxesReadOnTheirBackColour) {
    form.lblName.setCaption("Name 0123");
    form.chkFlag.setCaption("Flag 0123");
    form.optTwo.setCaption("Second 0123");
    Control* const captions[] = {&form.lblName, &form.chkFlag, &form.optTwo};
    for (Control* c : captions)
        expectReadableWhenDisabled(*view, *c, qt::toQColor(c->backColor()));
}

// The system's grey text colour is the one disabled controls draw their text in.
TEST_F(DisabledCaptions, TheSystemGreyTextIsTheDisabledTextColour) {
    constexpr Color kGrayText = 0x80000011;
    const QColor gray = qt::toQColor(kGrayText);
    EXPECT_LE(qGray(gray.rgb()), kReadable);
    EXPECT_EQ(gray.alpha(), 255);
    EXPECT_EQ(gray, view->palette().color(QPalette::Disabled, QPalette::Text));
}

}  // namespace
}  // namespace lumbrix
