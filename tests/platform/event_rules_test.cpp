// The event rules of the desktop runtime: which setters raise which events, when, and how
// often; errors escaping handlers; option groups; list boxes.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/vb_error.h"
#include "test_desktop.h"

namespace lumbrix {
namespace {

using test::TestDesktop;

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
        lblCaption.Change.connect([this] { log.push_back("lblCaption_Change"); });
        lstRows.Click.connect(
            [this] { log.push_back("lstRows_Click " + std::to_string(lstRows.listIndex())); });
        scrValue.Change.connect(
            [this] { log.push_back("scrValue_Change " + std::to_string(scrValue.value())); });
        chkFlag.Click.connect(
            [this] { log.push_back("chkFlag_Click " + std::to_string(chkFlag.value())); });
        optA1.Click.connect([this] { log.push_back("optA1_Click"); });
        optA2.Click.connect([this] { log.push_back("optA2_Click"); });
        optB1.Click.connect([this] { log.push_back("optB1_Click"); });
        cmdGo.Click.connect([this] { log.push_back("cmdGo_Click"); });
    }

    Frame fraA{*this, "fraA"};
    Frame fraB{*this, "fraB"};
    TextBox txtText{*this, "txtText"};
    Label lblCaption{*this, "lblCaption"};
    ListBox lstRows{*this, "lstRows"};
    HScrollBar scrValue{*this, "scrValue"};
    CheckBox chkFlag{*this, "chkFlag"};
    OptionButton optA1{*this, "optA1"};
    OptionButton optA2{*this, "optA2"};
    OptionButton optB1{*this, "optB1"};
    CommandButton cmdGo{*this, "cmdGo"};
    std::vector<std::string> log;
};

struct SetterCase {
    const char* what;
    std::function<void(EventForm&)> act;
    std::vector<std::string> expectedLog;
};

TEST(EventRules, SettersRaiseTheirEventSynchronouslyAndOnlyOnARealChange) {
    const std::vector<SetterCase> cases = {
        {"text box new text", [](EventForm& f) { f.txtText.setText("12"); }, {"txtText_Change 12"}},
        {"text box same text twice",
         [](EventForm& f) {
             f.txtText.setText("12");
             f.txtText.setText("12");
         },
         {"txtText_Change 12"}},
        {"text box empty to empty", [](EventForm& f) { f.txtText.setText(""); }, {}},
        {"label caption",
         [](EventForm& f) { f.lblCaption.setCaption("x"); },
         {"lblCaption_Change"}},
        {"scroll bar new value",
         [](EventForm& f) { f.scrValue.setValue(300); },
         {"scrValue_Change 300"}},
        {"scroll bar same value", [](EventForm& f) { f.scrValue.setValue(200); }, {}},
        {"scroll bar max below value pulls it down",
         [](EventForm& f) { f.scrValue.setMax(150); },
         {"scrValue_Change 150"}},
        {"check box ticked", [](EventForm& f) { f.chkFlag.setValue(1); }, {"chkFlag_Click 1"}},
        {"check box unchanged", [](EventForm& f) { f.chkFlag.setValue(0); }, {}},
        {"option selected", [](EventForm& f) { f.optA2.setValue(true); }, {"optA2_Click"}},
        {"option already selected", [](EventForm& f) { f.optA1.setValue(true); }, {}},
        {"option cleared from code", [](EventForm& f) { f.optA1.setValue(false); }, {}},
        {"button pressed", [](EventForm& f) { f.cmdGo.press(); }, {"cmdGo_Click"}},
        {"list add, remove, clear raise nothing",
         [](EventForm& f) {
             f.lstRows.addItem("a");
             f.lstRows.addItem("b");
             f.lstRows.removeItem(0);
             f.lstRows.clear();
         },
         {}},
        {"list selection and reselection",
         [](EventForm& f) {
             f.lstRows.addItem("a");
             f.lstRows.addItem("b");
             f.lstRows.setListIndex(1);
             f.lstRows.setListIndex(1);
             f.lstRows.setListIndex(-1);
         },
         {"lstRows_Click 1", "lstRows_Click -1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestDesktop desktop;
        EventForm form;
        form.load();
        c.act(form);
        EXPECT_EQ(form.log, c.expectedLog);
    }
}

TEST(EventRules, EventRunsBeforeTheSetterReturns) {
    TestDesktop desktop;
    EventForm form;
    form.cmdGo.Click.connect([&] {
        form.log.push_back("before");
        form.scrValue.setValue(250);  // its handler sets the text box, whose handler logs
        form.log.push_back("after");
    });
    form.scrValue.Change.connect([&] {
        form.log.push_back("scr");
        form.txtText.setText(std::to_string(form.scrValue.value()));
        form.log.push_back("scr done");
    });
    form.cmdGo.press();
    EXPECT_EQ(form.log, (std::vector<std::string>{"before", "scr", "txtText_Change 250", "scr done",
                                                  "after"}));
}

TEST(EventRules, OptionsClearOnlyTheirOwnGroup) {
    TestDesktop desktop;
    EventForm form;
    form.optA2.setValue(true);
    EXPECT_FALSE(form.optA1.value());
    EXPECT_TRUE(form.optA2.value());
    EXPECT_TRUE(form.optB1.value()) << "an option of another frame is not touched";
}

TEST(EventRules, ScrollBarValueOutsideItsRangeIsRefusedWithError380) {
    struct Case {
        int min, max, value;
        bool accepted;
    };
    const Case cases[] = {
        {10, 600, 9, false},   {10, 600, 10, true}, {10, 600, 600, true},
        {10, 600, 601, false}, {5, 0, 3, true},     {5, 0, 6, false},  // reversed range
        {5, 0, -1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.min) + ".." + std::to_string(c.max) + " <- " +
                     std::to_string(c.value));
        TestDesktop desktop;
        EventForm form;
        form.scrValue.setMin(c.min);
        form.scrValue.setMax(c.max);
        const int before = form.scrValue.value();
        if (c.accepted) {
            EXPECT_NO_THROW(form.scrValue.setValue(c.value));
            EXPECT_EQ(form.scrValue.value(), c.value);
        } else {
            try {
                form.scrValue.setValue(c.value);
                ADD_FAILURE() << "value accepted";
            } catch (const VbError& e) {
                EXPECT_EQ(e.number(), 380);
                EXPECT_EQ(e.description(), "Invalid property value");
            }
            EXPECT_EQ(form.scrValue.value(), before);
        }
    }
}

TEST(EventRules, ScrollBarStepsStopAtTheLimits) {
    TestDesktop desktop;
    EventForm form;
    form.scrValue.setSmallChange(300);
    form.scrValue.setValue(500);
    form.scrValue.stepSmall(+1);
    EXPECT_EQ(form.scrValue.value(), 600);
    form.scrValue.stepSmall(-1);
    form.scrValue.stepSmall(-1);
    EXPECT_EQ(form.scrValue.value(), 10);
}

TEST(EventRules, AnErrorEscapingAHandlerIsShownUnderItsNameAndTheProgramGoesOn) {
    TestDesktop desktop;
    EventForm form;
    form.cmdGo.Click.connect([&] {
        form.log.push_back("start");
        form.scrValue.setValue(9999);  // error 380 ends this handler here
        form.log.push_back("not reached");
    });
    desktop.expectMessage(MsgResult::Ok);
    form.cmdGo.press();
    form.log.push_back("caller goes on");
    EXPECT_EQ(form.log, (std::vector<std::string>{"start", "caller goes on"}));
    ASSERT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(desktop.lastMessage().text, "380 - Invalid property value");
    EXPECT_EQ(desktop.lastMessage().title, "cmdGo_Click");
    EXPECT_EQ(desktop.lastMessage().style, mb::kCritical);
}

TEST(EventRules, AnErrorInANestedHandlerStopsOnlyThatHandler) {
    TestDesktop desktop;
    EventForm form;
    form.txtText.Change.connect([&] { throw VbError(vberr::kDivisionByZero); });
    form.cmdGo.Click.connect([&] {
        form.txtText.setText("1");
        form.log.push_back("button handler goes on");
    });
    desktop.expectMessage(MsgResult::Ok);
    form.cmdGo.press();
    EXPECT_EQ(desktop.lastMessage().text, "11 - Division by zero");
    EXPECT_EQ(desktop.lastMessage().title, "txtText_Change");
    EXPECT_EQ(form.log, std::vector<std::string>{"button handler goes on"});
}

TEST(EventRules, AnUnexpectedExceptionIsShownAsAnInternalError) {
    TestDesktop desktop;
    EventForm form;
    form.cmdGo.Click.connect([] { throw std::out_of_range("row 9"); });
    desktop.expectMessage(MsgResult::Ok);
    form.cmdGo.press();
    EXPECT_EQ(desktop.lastMessage().text, "51 - row 9");
}

TEST(ListBoxRules, SortedListsInsertByCaseInsensitiveTextAndKeepTheSelection) {
    TestDesktop desktop;
    EventForm form;
    form.lstRows.setSorted(true);
    for (const char* row : {"beta", "Alpha", "delta", "Charlie"})
        form.lstRows.addItem(row);
    EXPECT_EQ(form.lstRows.rows(), (std::vector<std::string>{"Alpha", "beta", "Charlie", "delta"}));
    form.lstRows.setListIndex(1);  // beta
    form.log.clear();
    form.lstRows.addItem("aardvark");
    EXPECT_EQ(form.lstRows.listIndex(), 2);
    EXPECT_EQ(form.lstRows.text(), "beta");
    EXPECT_TRUE(form.log.empty()) << "moving the selection with its row raises no Click";
}

TEST(ListBoxRules, RemovingRowsMovesOrDropsTheSelectionWithoutClick) {
    struct Case {
        int selected, removed, expected;
    };
    const Case cases[] = {{2, 0, 1}, {2, 2, -1}, {1, 3, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "selected " << c.selected << " removed " << c.removed);
        TestDesktop desktop;
        EventForm form;
        for (const char* row : {"a", "b", "c", "d"})
            form.lstRows.addItem(row);
        form.lstRows.setListIndex(c.selected);
        form.log.clear();
        form.lstRows.removeItem(c.removed);
        EXPECT_EQ(form.lstRows.listIndex(), c.expected);
        EXPECT_TRUE(form.log.empty());
    }
}

TEST(ListBoxRules, BadIndexesAreErrors) {
    TestDesktop desktop;
    EventForm form;
    form.lstRows.addItem("a");
    EXPECT_THROW(form.lstRows.setListIndex(1), VbError);
    EXPECT_THROW(form.lstRows.setListIndex(-2), VbError);
    EXPECT_THROW(form.lstRows.removeItem(1), VbError);
    EXPECT_THROW((void)form.lstRows.list(1), VbError);
    EXPECT_THROW(form.lstRows.addItem("x", 5), VbError);
}

TEST(TextBoxRules, TypedKeysPassThroughKeyPressAndEditAtTheSelection) {
    TestDesktop desktop;
    EventForm form;
    // Digits only, as the numeric fields of the program filter their keys.
    form.txtText.KeyPress.connect([&](int& key) {
        if ((key < '0' || key > '9') && key != 8) {
            desktop.beep();
            key = 0;
        }
    });
    for (int key : {'1', 'x', '2', '3'})
        form.txtText.typeKey(key);
    EXPECT_EQ(form.txtText.text(), "123");
    EXPECT_EQ(desktop.beeps(), 1);
    form.txtText.setSelStart(1);
    form.txtText.setSelLength(1);
    form.txtText.typeKey('9');
    EXPECT_EQ(form.txtText.text(), "193");
    form.txtText.typeKey(8);  // Backspace
    EXPECT_EQ(form.txtText.text(), "13");
    EXPECT_EQ(form.txtText.selStart(), 1);
}

TEST(TextBoxRules, MaxLengthCutsTextCountedInCharacters) {
    TestDesktop desktop;
    EventForm form;
    form.txtText.setMaxLength(3);
    form.txtText.setText("õäöü");
    EXPECT_EQ(form.txtText.text(), "õäö");
    form.txtText.setSelStart(3);
    form.txtText.typeKey('x');
    EXPECT_EQ(form.txtText.text(), "õäö");
}

}  // namespace
}  // namespace lumbrix
