#include "qt/label_views.h"

#include <QPixmapCache>

#include "qt/form_view.h"
#include "qt/qt_convert.h"

namespace lumbrix::qt {

QPixmap pictureFile(const std::string& path) {
    if (path.empty()) return {};
    const QString key = toQ(path);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) return pixmap;
    pixmap.load(key);
    if (!pixmap.isNull()) QPixmapCache::insert(key, pixmap);
    return pixmap;
}

namespace {

// The horizontal alignment of a label's text.
Qt::Alignment labelAlignment(Alignment a) {
    switch (a) {
        case Alignment::Right:
            return Qt::AlignRight;
        case Alignment::Center:
            return Qt::AlignHCenter;
        case Alignment::Left:
        default:
            return Qt::AlignLeft;
    }
}

// A label's caption as the screen shows it: "&" marks the next letter as the label's access
// key and is not shown itself; "&&" shows one "&".
QString withoutAccessKeyMarks(const QString& caption) {
    if (!caption.contains(QLatin1Char('&'))) return caption;
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
        shown += caption[i];
    }
    return shown;
}

}  // namespace

LabelView::LabelView(Label& model, FormView& host, QWidget* parent)
    : QLabel(parent), ControlView(model, host), label_(model) {
    setTextFormat(Qt::PlainText);
}

void LabelView::refreshColors() {
    setAutoFillBackground(!label_.transparent());
    setRoleColor(this, QPalette::Window, label_.backColor());
    setRoleColor(this, QPalette::WindowText, label_.foreColor());
}

void LabelView::refreshContent() {
    const QString text = withoutAccessKeyMarks(toQ(label_.caption()));
    if (this->text() != text) setText(text);
    if (wordWrap() != label_.wordWrap()) setWordWrap(label_.wordWrap());
    const int frame = label_.bordered() ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame;
    if (frameStyle() != frame) setFrameStyle(frame);
    const Qt::Alignment align = labelAlignment(label_.alignment()) | verticalAlignment();
    if (alignment() != align) setAlignment(align);
}

Qt::Alignment LabelView::verticalAlignment() const {
    // A bordered label one line high centres its line between the borders. At the top, the
    // indent that keeps the text off the border would be taken from the height as well and
    // cut the letters that reach below the line ("_", "g") at the bottom.
    if (!label_.bordered()) return Qt::AlignTop;
    const bool oneLine = contentsRect().height() < 2 * fontMetrics().lineSpacing();
    return oneLine ? Qt::AlignVCenter : Qt::AlignTop;
}

FrameView::FrameView(Frame& model, FormView& host, QWidget* parent)
    : QGroupBox(parent), ControlView(model, host) {}

void FrameView::refreshColors() {
    setRoleColor(this, QPalette::Window, control().backColor());
    setRoleColor(this, QPalette::WindowText, control().foreColor());
}

void FrameView::refreshContent() {
    const QString text = toQ(control().caption());
    if (title() != text) setTitle(text);
}

ImageView::ImageView(Image& model, FormView& host, QWidget* parent)
    : QLabel(parent), ControlView(model, host), image_(model) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ImageView::refreshContent() {
    setScaledContents(image_.stretch());
    setPixmap(pictureFile(image_.picture()));
}

}  // namespace lumbrix::qt
