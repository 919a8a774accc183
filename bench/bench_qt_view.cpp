// The Qt view of a large window: building its widgets, and the refresh after an event that
// changes some of its controls. Runs on the offscreen platform unless another is named.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <string>
#include <vector>

#include "offscreen_application.h"
#include "platform/controls.h"
#include "qt/form_view.h"

namespace {

using namespace lumbrix;

// 300 controls in the mix of a busy window: mostly labels, then text boxes, buttons,
// options, check boxes, lists, scroll bars and picture boxes with figures in them.
class LargeWindow : public Form {
  public:
    LargeWindow() : Form("frmLarge") {
        move(0, 0, 18000, 12000);
        int n = 0;
        auto place = [&n](Control& c, double width, double height) {
            const int column = n % 10;
            const int row = n / 10;
            c.move(120 + column * 1750, 120 + row * 380, width, height);
            ++n;
        };
        for (int i = 0; i < 145; ++i) {
            labels.push_back(std::make_unique<Label>(*this, "lblValue", i));
            labels.back()->setCaption("0.000");
            place(*labels.back(), 1600, 300);
        }
        for (int i = 0; i < 50; ++i) {
            texts.push_back(std::make_unique<TextBox>(*this, "txtValue", i));
            texts.back()->setText("12.5");
            place(*texts.back(), 1600, 300);
        }
        for (int i = 0; i < 30; ++i) {
            buttons.push_back(std::make_unique<CommandButton>(*this, "cmdAction", i));
            buttons.back()->setCaption("Action");
            place(*buttons.back(), 1600, 340);
        }
        for (int i = 0; i < 20; ++i) {
            options.push_back(std::make_unique<OptionButton>(*this, "optChoice", i));
            options.back()->setCaption("Choice");
            place(*options.back(), 1600, 300);
        }
        for (int i = 0; i < 20; ++i) {
            checks.push_back(std::make_unique<CheckBox>(*this, "chkFlag", i));
            checks.back()->setCaption("Flag");
            place(*checks.back(), 1600, 300);
        }
        for (int i = 0; i < 10; ++i) {
            lists.push_back(std::make_unique<ListBox>(*this, "lstRows", i));
            for (int r = 0; r < 8; ++r)
                lists.back()->addItem("row " + std::to_string(r));
            place(*lists.back(), 1600, 360);
        }
        for (int i = 0; i < 10; ++i) {
            bars.push_back(std::make_unique<HScrollBar>(*this, "scrValue", i));
            bars.back()->setMax(100);
            place(*bars.back(), 1600, 255);
        }
        // 5 picture boxes, each holding a shape and a child box (15 controls).
        for (int i = 0; i < 5; ++i) {
            pictures.push_back(std::make_unique<PictureBox>(*this, "picDrawing", i));
            PictureBox& pic = *pictures.back();
            place(pic, 1600, 360);
            pic.scale(-100, 100, 100, -100);
            shapes.push_back(std::make_unique<Shape>(*this, "shpCircle", i));
            shapes.back()->setContainer(&pic);
            shapes.back()->move(-50, 50, 100, -100);
            boxes.push_back(std::make_unique<PictureBox>(*this, "picBoard", i));
            boxes.back()->setContainer(&pic);
            boxes.back()->move(-20, 20, 40, -40);
        }
    }

    // An event's handler: changes 20 controls of several kinds.
    void changeTwenty(int round) {
        const std::string value = std::to_string(round) + ".125";
        for (int i = 0; i < 12; ++i)
            labels[static_cast<std::size_t>(i * 12)]->setCaption(value);
        for (int i = 0; i < 3; ++i)
            texts[static_cast<std::size_t>(i * 10)]->setText(value);
        lists[0]->setListIndex(round % 8);
        checks[0]->setValue(round % 2);
        bars[0]->setValue(round % 100);
        boxes[0]->setBackColor(round % 2 ? colors::kRed : colors::kOrange);
        buttons[0]->setEnabled(round % 2 == 0);
    }

    std::vector<std::unique_ptr<Label>> labels;
    std::vector<std::unique_ptr<TextBox>> texts;
    std::vector<std::unique_ptr<CommandButton>> buttons;
    std::vector<std::unique_ptr<OptionButton>> options;
    std::vector<std::unique_ptr<CheckBox>> checks;
    std::vector<std::unique_ptr<ListBox>> lists;
    std::vector<std::unique_ptr<HScrollBar>> bars;
    std::vector<std::unique_ptr<PictureBox>> pictures;
    std::vector<std::unique_ptr<Shape>> shapes;
    std::vector<std::unique_ptr<PictureBox>> boxes;
};

void BM_BuildViewOf300Controls(benchmark::State& state) {
    bench::offscreenApplication();
    LargeWindow form;
    state.counters["controls"] = static_cast<double>(form.controls().size());
    for (auto _ : state) {
        auto view = std::make_unique<qt::FormView>(form);
        benchmark::DoNotOptimize(view.get());
        state.PauseTiming();
        view.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BuildViewOf300Controls)->Unit(benchmark::kMillisecond);

// Building and showing it once: polishing, layout and the first paint of every widget.
void BM_BuildAndShowViewOf300Controls(benchmark::State& state) {
    bench::offscreenApplication();
    LargeWindow form;
    for (auto _ : state) {
        auto view = std::make_unique<qt::FormView>(form);
        view->show();
        QApplication::processEvents();
        state.PauseTiming();
        view.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BuildAndShowViewOf300Controls)->Unit(benchmark::kMillisecond);

// One event whose handler changes 20 controls, with the refresh of the view that follows.
void BM_RefreshAfterEventChangingTwenty(benchmark::State& state) {
    bench::offscreenApplication();
    LargeWindow form;
    qt::FormView view(form);
    view.show();
    QApplication::processEvents();
    int round = 0;
    for (auto _ : state) {
        ++round;
        view.dispatch([&] { form.changeTwenty(round); });
    }
    QApplication::processEvents();
}
BENCHMARK(BM_RefreshAfterEventChangingTwenty)->Unit(benchmark::kMicrosecond);

}  // namespace
