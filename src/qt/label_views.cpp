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

Qt::Alignment labelAlignment(Alignment a) {
    switch (a) {
        case Alignment::Right:
            return Qt::AlignRight | Qt::AlignTop;
        case Alignment::Center:
            return Qt::AlignHCenter | Qt::AlignTop;
        case Alignment::Left:
        default:
            return Qt::AlignLeft | Qt::AlignTop;
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
    const Qt::Alignment align = labelAlignment(label_.alignment());
    if (alignment() != align) setAlignment(align);
    if (wordWrap() != label_.wordWrap()) setWordWrap(label_.wordWrap());
    const int frame = label_.bordered() ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame;
    if (frameStyle() != frame) setFrameStyle(frame);
    keepTextOffTheBorder();
}

void LabelView::keepTextOffTheBorder() {
    // A bordered label keeps half an "x" between its border and its text on the side the text
    // is aligned to, and none above it: the label's own indent would take that room from the
    // top as well and cut letters that reach below the line ("_", "g") at the bottom.
    if (indent() != 0) setIndent(0);
    const int half = label_.bordered() ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    const Alignment a = label_.alignment();
    const QMargins margins(a == Alignment::Left ? half : 0, 0, a == Alignment::Right ? half : 0, 0);
    if (contentsMargins() != margins) setContentsMargins(margins);
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
