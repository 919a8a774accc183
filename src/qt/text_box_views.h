#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

#include "platform/text_box.h"
#include "qt/control_view.h"

class QKeyEvent;

namespace lumbrix::qt {

// The code of the character a key event types, as the model's KeyPress takes it (8 for
// Backspace, 13 for Enter, 27 for Escape); 0 for keys that type nothing and for editing
// shortcuts (copy, paste, ...) that the widget handles itself.
int typedKeyCode(const QKeyEvent& event);

// A one-line text box. Typed characters go through the model (`typeKey`), so a KeyPress
// handler can drop them; other edits (paste, cut, Delete) set the model's text.
class TextBoxView : public QLineEdit, public ControlView {
  public:
    TextBoxView(TextBox& model, FormView& host, QWidget* parent);
    QWidget* widget() override { return this; }
    void refreshColors() override;
    void refreshContent() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void selectionToModel();

    TextBox& box_;
};

// A multi-line text box. The model keeps line breaks as CR LF; the widget shows them as
// line feeds, and positions are translated between the two.
class MultiLineTextBoxView : public QPlainTextEdit, public ControlView {
  public:
    MultiLineTextBoxView(TextBox& model, FormView& host, QWidget* parent);
    QWidget* widget() override { return this; }
    QWidget* mouseSurface() override { return viewport(); }
    void refreshColors() override;
    void refreshContent() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void selectionToModel();

    TextBox& box_;
    bool editing_ = false;
};

// Text with CR LF (or a lone CR) line breaks as the widget shows it, with line feeds.
QString modelTextToView(const std::string& text);
std::string viewTextToModel(const QString& text);
// Character positions between the model's text (CR LF counts two) and the view's.
int modelPosToView(const std::string& text, int pos);
int viewPosToModel(const std::string& text, int pos);

}  // namespace lumbrix::qt
