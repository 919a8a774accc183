#include "text_fit.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <sstream>

#include "platform/form.h"
#include "qt/form_view.h"

namespace lumbrix::test {

namespace {

std::string nameOf(const Control& c) {
    return c.index() < 0 ? c.name() : c.name() + "(" + std::to_string(c.index()) + ")";
}

// A caption as a button or label shows it: "&" marks the access key and is not shown.
QString shownText(const QString& caption) {
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
        shown += caption[i];
    }
    return shown;
}

std::string px(int n) {
    return std::to_string(n) + " px";
}

// Why a text that needs `needed` does not fit the room `room`: too wide, else too high; empty
// when it fits.
std::string sizeProblem(QSize needed, QSize room) {
    if (needed.width() > room.width())
        return "needs " + px(needed.width()) + " of width, has " + px(room.width());
    if (needed.height() > room.height())
        return "needs " + px(needed.height()) + " of height, has " + px(room.height());
    return {};
}

// The widest line of `text`.
int widestLine(const QFontMetrics& fm, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return widest;
}

// The rectangle a plain-text label draws its text into, as the label computes it: its
// contents less its margin, and less its indent on the sides it is aligned to (a framed label
// without an indent of its own indents by half an "x").
QRect labelTextRect(const QLabel& label) {
    QRect r = label.contentsRect().adjusted(label.margin(), label.margin(), -label.margin(),
                                            -label.margin());
    int indent = label.indent();
    if (indent < 0 && label.frameWidth() > 0)
        indent = label.fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - label.margin();
    if (indent > 0) {
        const Qt::Alignment a = label.alignment();
        if (a & Qt::AlignLeft) r.setLeft(r.left() + indent);
        if (a & Qt::AlignRight) r.setRight(r.right() - indent);
        if (a & Qt::AlignTop) r.setTop(r.top() + indent);
        if (a & Qt::AlignBottom) r.setBottom(r.bottom() - indent);
    }
    return r;
}

// How far below the top of a label's text block the ink of its last line reaches, with room
// for the font's descent.
int labelInkBottom(const QFontMetrics& fm, const QString& text) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    const QString last = lines.back().isEmpty() ? QStringLiteral(" ") : lines.back();
    const int baseline = static_cast<int>(lines.size() - 1) * fm.lineSpacing() + fm.ascent();
    return std::max(baseline + fm.tightBoundingRect(last).bottom() + 1,
                    baseline + fm.descent() - 1);
}

// The part of a label that its text covers, from the top of its first line to the ink of its
// last, where the label draws it.
QRect labelTextArea(const QLabel& label) {
    const QFontMetrics fm(label.font());
    const QString text = label.text();
    const QRect r = labelTextRect(label);
    const int width = widestLine(fm, text);
    const Qt::Alignment a = label.alignment();
    int left = r.left();
    if (a & Qt::AlignRight) left = r.right() + 1 - width;
    if (a & Qt::AlignHCenter) left = r.left() + (r.width() - width) / 2;
    const int block =
        static_cast<int>(text.count(QLatin1Char('\n'))) * fm.lineSpacing() + fm.height();
    int top = r.top();
    if (a & Qt::AlignVCenter) top = r.top() + (r.height() - block) / 2;
    if (a & Qt::AlignBottom) top = r.bottom() + 1 - block;
    return {left, top, width, labelInkBottom(fm, text)};
}

// Why a label's text is not whole, or empty when it is: each of its lines must fit the width
// (a longer one is wrapped or cut), and the ink of every line must lie within the height.
std::string labelProblem(const QLabel& label) {
    if (label.text().isEmpty()) return {};
    const QRect r = labelTextRect(label);
    const QRect text = labelTextArea(label);
    if (text.width() > r.width())
        return "needs " + px(text.width()) + " of width, has " + px(r.width());
    if (text.top() < r.top() || text.bottom() > r.bottom())
        return "needs " + px(text.height()) + " of height, has " + px(r.height()) +
               (text.top() < r.top() ? " (cut at the top)" : " (cut at the bottom)");
    return {};
}

// The name of the control whose widget is `holder`, or "the window".
std::string holderName(const qt::FormView& view, const QWidget* holder) {
    for (const Control* c : view.form().controls()) {
        if (view.widgetOf(*c) == holder) return nameOf(*c);
    }
    return "the window";
}

// Why the text area `area` of `w` is not all on screen: a frame or the window that holds the
// widget cuts it off.
std::string outsideProblem(const qt::FormView& view, const QWidget* w, QRect area) {
    for (const QWidget* p = w; p && p != view.surface(); p = p->parentWidget()) {
        const QWidget* holder = p->parentWidget();
        if (!holder) break;
        area.translate(p->pos());
        if (!holder->rect().contains(area))
            return "reaches out of " + holderName(view, holder) + " (" + px(area.right() + 1) +
                   " of " + px(holder->width()) + " wide, " + px(area.bottom() + 1) + " of " +
                   px(holder->height()) + " high)";
    }
    return {};
}

std::string buttonProblem(const QPushButton& b) {
    const QString text = shownText(b.text());
    if (text.isEmpty()) return {};
    const QFontMetrics fm(b.font());
    // The text within the button's frame, two pixels clear of it on either side.
    const int frame = b.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &b);
    int needed = fm.horizontalAdvance(text) + 2 * (frame + 2);
    if (!b.icon().isNull()) needed += b.iconSize().width() + 4;
    return sizeProblem({needed, fm.height() + 2 * frame}, b.size());
}

// An option or check box: its mark, the gap and the text.
std::string markedProblem(const QAbstractButton& b) {
    if (b.text().isEmpty()) return {};
    return sizeProblem({b.sizeHint().width(), QFontMetrics(b.font()).height()}, b.size());
}

std::string frameProblem(const QGroupBox& box) {
    if (box.title().isEmpty()) return {};
    QStyleOptionGroupBox opt;
    opt.initFrom(&box);
    opt.text = box.title();
    opt.lineWidth = 1;
    opt.midLineWidth = 0;
    opt.textAlignment = box.alignment();
    opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect label =
        box.style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, &box);
    if (label.right() >= box.width())
        return "title ends at " + px(label.right() + 1) + ", box is " + px(box.width());
    return {};
}

std::string lineEditProblem(const QLineEdit& edit) {
    const QString text = edit.text();
    if (text.isEmpty()) return {};
    const QFontMetrics fm(edit.font());
    const int frame = edit.hasFrame()
                          ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit)
                          : 0;
    const QMargins m = edit.textMargins();
    // The line edit keeps two pixels between its frame and its text on each side.
    const int room = edit.width() - 2 * frame - 4 - m.left() - m.right();
    return sizeProblem({fm.horizontalAdvance(text), 0}, {room, 0});
}

void checkTabs(const QTabWidget& tabs, const std::string& name, std::vector<CutText>& cut) {
    const QTabBar* bar = tabs.tabBar();
    const QFontMetrics fm(bar->font());
    for (int i = 0; i < bar->count(); ++i) {
        const QString text = shownText(bar->tabText(i));
        const QRect r = bar->tabRect(i);
        const int needed = fm.horizontalAdvance(text) + 8;
        if (needed > r.width() || r.right() >= bar->width())
            cut.push_back({name + " tab " + std::to_string(i), text.toStdString(),
                           "needs " + px(needed) + " of width, has " + px(r.width())});
    }
}

// A list's rows: each row is as wide as its text, so that a longer row scrolls sideways
// instead of being cut short with an ellipsis.
void checkRows(const QListWidget& list, const std::string& name, std::vector<CutText>& cut) {
    const QFontMetrics fm(list.font());
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    for (int i = 0; i < list.count(); ++i) {
        const QString text = list.item(i)->text();
        const int needed = fm.horizontalAdvance(text) + 2 * margin;
        const int width = list.visualItemRect(list.item(i)).width();
        if (needed > width)
            cut.push_back({name + " row " + std::to_string(i), text.toStdString(),
                           "needs " + px(needed) + " of width, has " + px(width)});
    }
}

}  // namespace

std::vector<CutText> cutTexts(const qt::FormView& view) {
    std::vector<CutText> cut;
    for (const Control* c : view.form().controls()) {
        const QWidget* w = view.widgetOf(*c);
        if (!w || !w->isVisibleTo(const_cast<qt::FormView*>(&view))) continue;
        std::string why;
        QString text;
        QRect area = w->rect();
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            text = label->text();
            why = labelProblem(*label);
            area = labelTextArea(*label);
        } else if (const auto* button = qobject_cast<const QPushButton*>(w)) {
            text = button->text();
            why = buttonProblem(*button);
        } else if (const auto* marked = qobject_cast<const QAbstractButton*>(w)) {
            text = marked->text();
            why = markedProblem(*marked);
        } else if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
            text = box->title();
            why = frameProblem(*box);
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
            text = edit->text();
            why = lineEditProblem(*edit);
        } else if (const auto* list = qobject_cast<const QListWidget*>(w)) {
            checkRows(*list, nameOf(*c), cut);
        } else if (const auto* tabs = qobject_cast<const QTabWidget*>(w)) {
            checkTabs(*tabs, nameOf(*c), cut);
        }
        if (why.empty() && !text.isEmpty()) why = outsideProblem(view, w, area);
        if (!why.empty()) cut.push_back({nameOf(*c), text.toStdString(), why});
    }
    return cut;
}

std::string describe(const std::string& window, const std::vector<CutText>& cut) {
    std::ostringstream out;
    for (const CutText& t : cut)
        out << window << " / " << t.control << ": \"" << t.text << "\" (" << t.why << ")\n";
    return out.str();
}

}  // namespace lumbrix::test
