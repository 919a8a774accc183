#pragma once

#include <QTextEdit>
#include <string>
#include <vector>

#include "platform/rich_text_box.h"
#include "qt/control_view.h"

namespace lumbrix::qt {

// A rich-text box: the model's text with bold, italic and underline per character. Every
// edit goes through the model (typed text, Enter, Backspace, Delete, paste, cut) and the
// widget then shows the model's content; moving the caret or the selection selects in the
// model (SelChange).
class RichTextBoxView : public QTextEdit, public ControlView {
  public:
    RichTextBoxView(RichTextBox& model, FormView& host, QWidget* parent);
    QWidget* widget() override { return this; }
    QWidget* mouseSurface() override { return viewport(); }
    void refreshColors() override;
    void refreshContent() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;

  private:
    // The widget's selection as model positions.
    void selectionToModel();
    // Replaces the selection in the model with `text` ("" deletes it).
    void typeIntoModel(const std::string& text);
    // Widens an empty selection by one character backwards (Backspace) or forwards
    // (Delete); a CR LF pair counts as one.
    void selectNeighbour(bool backwards);
    void showDocument();

    RichTextBox& box_;
    std::string shownText_;
    std::vector<CharFormat> shownFormats_;
    bool shown_ = false;
};

}  // namespace lumbrix::qt
