// The event rules of the desktop runtime: which setters raise which events, when, and how
// often; errors escaping handlers; option groups; list and text boxes.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/controls.h"
#include "platform/vb_error.h"
#include "test_desktop.h"

namespace lumbrix {
namespace {

using test::TestDesktop;
using Log = std::vector<std::string>;

// The error box text of what act raises, "" when it raises nothing.
std::string errorOf(const std::function<void()>& act) {
    try {
        act();
    } catch (const VbError& e) {
        return e.boxText();
    }
    return "";
}

class EventForm : public Form {
  public:
    EventForm() : Form("frmEvents") {
        scrValue.setMin(10);
        scrValue.setMax(600);
        scrValue.setValue(200);
        optA1.setContainer(&fraA);
        optA2.setContainer(&fraA);
        optB1.setContainer(&fraB);
        optA1.setValue(true);  // design value: before handlers are connected, nothing runs
        optB1.setValue(true);

        txtText.Change.connect([this] { log.push_back("txtText_Change " + txtText.text()); });
        lstRows.Click.connect(
            [this] { log.push_back("lstRows_Click " + std::to_string(lstRows.listIndex())); });
        scrValue.Change.connect(
            [this] { log.push_back("scrValue_Change " + std::to_string(scrValue.value())); });
        chkFlag.Click.connect(
            [this] { log.push_back("chkFlag_Click " + std::to_string(chkFlag.value())); });
        optA2.Click.connect([this] { log.push_back("optA2_Click"); });
    }

    Frame fraA{*this, "fraA"};
    Frame fraB{*this, "fraB"};
    TextBox txtText{*this, "txtText"};
    ListBox lstRows{*this, "lstRows"};
    HScrollBar scrValue{*this, "scrValue"};
    CheckBox chkFlag{*this, "chkFlag"};
    OptionButton optA1{*this, "optA1"};
    OptionButton optA2{*this, "optA2"};
    OptionButton optB1{*this, "optB1"};
    CommandButton cmdGo{*this, "cmdGo"};
    Log log;
};

class EventRulesTest : public testing::Test {
  protected:
    TestDesktop desktop;
    EventForm form;
};

TEST_F(EventRulesTest, SettersRaiseTheirEventOnlyOnARealChange) {
    form.load();
    struct Step {
        const char* what;
        std::function<void()> act;
        Log log;
    };
    const std::vector<Step> steps = {
        {"text empty to empty", [&] { form.txtText.setText(""); }, {}},
        {"new text", [&] { form.txtText.setText("12"); }, {"txtText_Change 12"}},
        {"same text", [&] { form.txtText.setText("12"); }, {}},
        {"scroll bar same value", [&] { form.scrValue.setValue(200); }, {}},
        {"max below the value pulls it down",
         [&] { form.scrValue.setMax(150); },
         {"scrValue_Change 150"}},
        {"check box ticked", [&] { form.chkFlag.setValue(1); }, {"chkFlag_Click 1"}},
        {"check box unchanged", [&] { form.chkFlag.setValue(1); }, {}},
        {"option selected", [&] { form.optA2.setValue(true); }, {"optA2_Click"}},
        {"option already selected", [&] { form.optA2.setValue(true); }, {}},
        {"option cleared from code", [&] { form.optA2.setValue(false); }, {}},
        {"list add raises nothing", [&] { form.lstRows.addItem("a"); }, {}},
        {"list selection", [&] { form.lstRows.setListIndex(0); }, {"lstRows_Click 0"}},
        {"same row", [&] { form.lstRows.setListIndex(0); }, {}},
        {"list clear raises nothing", [&] { form.lstRows.clear(); }, {}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        form.log.clear();
        step.act();
        EXPECT_EQ(form.log, step.log);
    }
    EXPECT_FALSE(form.optA1.value()) << "selecting optA2 cleared its group";
    EXPECT_TRUE(form.optB1.value()) << "an option of another frame is not touched";
}

TEST_F(EventRulesTest, EventRunsBeforeTheSetterReturns) {
    form.cmdGo.Click.connect([&] {
        form.log.push_back("before");
        form.scrValue.setValue(250);  // its handler sets the text box, whose handler logs
        form.log.push_back("after");
    });
    form.scrValue.Change.connect([&] {
        form.txtText.setText(std::to_string(form.scrValue.value()));
        form.log.push_back("scr done");
    });
    form.cmdGo.press();
    EXPECT_EQ(form.log, (Log{"before", "txtText_Change 250", "scr done", "after"}));
}

TEST_F(EventRulesTest, ScrollBarValueOutsideItsRangeIsRefusedWithError380) {
    struct Case {
        int min, max, value;
        bool accepted;
    };
    // The last two have a reversed range.
    const Case cases[] = {{10, 600, 9, false},
                          {10, 600, 600, true},
                          {10, 600, 601, false},
                          {5, 0, 3, true},
                          {5, 0, 6, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << ".." << c.max << " <- " << c.value);
        form.scrValue.setMin(c.min);
        form.scrValue.setMax(c.max);
        const int before = form.scrValue.value();
        EXPECT_EQ(errorOf([&] { form.scrValue.setValue(c.value); }),
                  c.accepted ? "" : "380 - Invalid property value");
        EXPECT_EQ(form.scrValue.value(), c.accepted ? c.value : before);
    }
    form.scrValue.setMin(10);
    form.scrValue.setMax(600);
    form.scrValue.setSmallChange(300);
    form.scrValue.setValue(500);
    form.scrValue.stepSmall(+1);
    EXPECT_EQ(form.scrValue.value(), 600) << "steps stop at the limit";
}

TEST_F(EventRulesTest, AnErrorEscapingAHandlerIsShownUnderItsNameAndStopsOnlyThatHandler) {
    form.txtText.Change.connect([] { throw VbError(vberr::kDivisionByZero); });
    form.chkFlag.Click.connect([] { throw std::out_of_range("row 9"); });  // an internal error
    form.cmdGo.Click.connect([&] {
        form.txtText.setText("1");  // its handler fails, this one goes on
        form.chkFlag.setValue(1);
        form.scrValue.setValue(9999);  // error 380 ends this handler here
        form.log.push_back("not reached");
    });
    for (int i = 0; i < 3; ++i)
        desktop.expectMessage(MsgResult::Ok);
    form.cmdGo.press();
    EXPECT_TRUE(form.log.empty());
    const std::pair<const char*, const char*> shown[] = {
        {"11 - Division by zero", "txtText_Change"},
        {"51 - row 9", "chkFlag_Click"},
        {"380 - Invalid property value", "cmdGo_Click"}};
    ASSERT_EQ(desktop.messages().size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(desktop.messages()[i].text, shown[i].first);
        EXPECT_EQ(desktop.messages()[i].title, shown[i].second);
        EXPECT_EQ(desktop.messages()[i].style, mb::kCritical);
    }
}

TEST_F(EventRulesTest, ListBoxSortedInsertAndRemovalMoveTheSelectionWithoutClick) {
    form.lstRows.setSorted(true);
    for (const char* row : {"beta", "Alpha", "delta", "Charlie"})
        form.lstRows.addItem(row);
    EXPECT_EQ(form.lstRows.rows(), (Log{"Alpha", "beta", "Charlie", "delta"}));
    form.lstRows.setListIndex(1);  // beta
    form.log.clear();
    form.lstRows.addItem("aardvark");
    EXPECT_EQ(form.lstRows.listIndex(), 2);
    form.lstRows.removeItem(4);  // below the selection: it stays
    EXPECT_EQ(form.lstRows.listIndex(), 2);
    form.lstRows.removeItem(0);
    EXPECT_EQ(form.lstRows.text(), "beta");
    form.lstRows.removeItem(1);
    EXPECT_EQ(form.lstRows.listIndex(), -1);
    EXPECT_TRUE(form.log.empty()) << "moving the selection with its row raises no Click";

    for (int bad : {2, -2})
        EXPECT_EQ(errorOf([&] { form.lstRows.setListIndex(bad); }), "380 - Invalid property value");
    EXPECT_NE(errorOf([&] { form.lstRows.removeItem(2); }), "");
}

TEST_F(EventRulesTest, TextBoxTypingEditsAtTheSelectionAndMaxLengthCountsCharacters) {
    form.txtText.setText("123");
    form.txtText.setSelStart(1);
    form.txtText.setSelLength(1);
    form.txtText.typeKey('9');
    form.txtText.typeKey(8);  // Backspace
    EXPECT_EQ(form.txtText.text(), "13");
    form.txtText.setMaxLength(3);
    form.txtText.setText("õä");
    form.txtText.setSelStart(2);
    form.txtText.setSelText("öüx");  // a paste: what fits
    EXPECT_EQ(form.txtText.text(), "õäö");
    form.txtText.typeKey('x');
    EXPECT_EQ(form.txtText.text(), "õäö");
    // Text from the program is kept whole.
    form.txtText.setText("1039998.96");
    EXPECT_EQ(form.txtText.text(), "1039998.96");
}

}  // namespace
}  // namespace lumbrix
