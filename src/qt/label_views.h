#pragma once

#include <QGroupBox>
#include <QLabel>

#include "platform/label.h"
#include "platform/picture_box.h"
#include "qt/control_view.h"

namespace lumbrix::qt {

// A label: its caption, alignment, border, word wrap and opaque or transparent background.
class LabelView : public QLabel, public ControlView {
  public:
    LabelView(Label& model, FormView& host, QWidget* parent);
    QWidget* widget() override { return this; }
    bool clicksFromMouse() const override { return true; }
    void refreshColors() override;
    void refreshContent() override;

  private:
    Qt::Alignment verticalAlignment() const;

    Label& label_;
};

// A frame: a titled box whose child controls are placed relative to it.
class FrameView : public QGroupBox, public ControlView {
  public:
    FrameView(Frame& model, FormView& host, QWidget* parent);
    QWidget* widget() override { return this; }
    bool clicksFromMouse() const override { return true; }
    void refreshColors() override;
    void refreshContent() override;
};

// An image control on a window or frame: its picture file, stretched or at its own size.
class ImageView : public QLabel, public ControlView {
  public:
    ImageView(Image& model, FormView& host, QWidget* parent);
    QWidget* widget() override { return this; }
    bool clicksFromMouse() const override { return true; }
    void refreshContent() override;

  private:
    Image& image_;
};

// A picture file as a pixmap, loaded once per path; a null pixmap when it cannot be read.
QPixmap pictureFile(const std::string& path);

}  // namespace lumbrix::qt
