#include "qt/text_box_views.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

#include "platform/text.h"
#include "qt/form_view.h"
#include "qt/qt_convert.h"

namespace lumbrix::qt {

int typedKeyCode(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Copy) || event.matches(QKeySequence::Cut) ||
        event.matches(QKeySequence::Paste) || event.matches(QKeySequence::SelectAll) ||
        event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo)) {
        return 0;
    }
    switch (event.key()) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
            return 0;
        default:
            break;
    }
    const QList<uint> chars = event.text().toUcs4();
    if (chars.size() != 1) return 0;
    const uint code = chars.front();
    if (code < 32 || code == 127) return 0;
    return static_cast<int>(code);
}

QString modelTextToView(const std::string& text) {
    QString s = toQ(text);
    s.replace("\r\n", "\n");
    s.replace('\r', '\n');
    return s;
}

std::string viewTextToModel(const QString& text) {
    QString s = text;
    s.replace('\n', "\r\n");
    return fromQ(s);
}

int modelPosToView(const std::string& text, int pos) {
    const QString s = toQ(text);
    int view = 0;
    for (int i = 0; i < s.size() && i < pos; ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') {
            ++i;  // CR LF is one line break on screen
            if (i >= pos) break;
        }
        ++view;
    }
    return view;
}

int viewPosToModel(const std::string& text, int pos) {
    const QString s = toQ(text);
    int model = 0;
    int view = 0;
    while (view < pos && model < s.size()) {
        if (s[model] == '\r' && model + 1 < s.size() && s[model + 1] == '\n') ++model;
        ++model;
        ++view;
    }
    return model;
}

namespace {

// QLineEdit's own default: as good as no limit for one line.
constexpr int kNoLimit = 32767;

Qt::Alignment boxAlignment(Alignment a) {
    switch (a) {
        case Alignment::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case Alignment::Center:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case Alignment::Left:
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

}  // namespace

// --- one line

TextBoxView::TextBoxView(TextBox& model, FormView& host, QWidget* parent)
    : QLineEdit(parent), ControlView(model, host), box_(model) {
    track(connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int caret = cursorPosition();
        this->host().dispatch(
            [this, text, caret] {
                const std::string value = fromQ(text);
                // A paste never takes the text past the maximum length; the widget limits it
                // except where the program's longer text stands.
                const int limit = box_.maxLength();
                if (limit > 0 && text.size() > limit && text.size() > toQ(box_.text()).size())
                    return;
                box_.setText(value);
                // Setting the text puts the caret first; an edit leaves it where it was.
                if (box_.text() == value) box_.setSelStart(caret);
            },
            this);
    }));
    auto follow = [this] {
        if (!FormView::refreshing()) selectionToModel();
    };
    track(connect(this, &QLineEdit::cursorPositionChanged, this, follow));
    track(connect(this, &QLineEdit::selectionChanged, this, follow));
}

void TextBoxView::selectionToModel() {
    if (!host().attached()) return;
    if (hasSelectedText()) {
        box_.setSelStart(selectionStart());
        box_.setSelLength(static_cast<int>(selectedText().size()));
    } else {
        box_.setSelStart(cursorPosition());
    }
}

void TextBoxView::keyPressEvent(QKeyEvent* event) {
    const int code = typedKeyCode(*event);
    if (code == 0 || code == 13 || code == 27) {
        if (code != 0) host().dispatch([this, code] { box_.typeKey(code); }, this);
        // Enter and Escape go on to the window's default and cancel buttons.
        QLineEdit::keyPressEvent(event);
        return;
    }
    selectionToModel();
    host().dispatch([this, code] { box_.typeKey(code); }, this);
    event->accept();
}

void TextBoxView::refreshColors() {
    setRoleColor(this, QPalette::Base, box_.backColor());
    setRoleColor(this, QPalette::Text, box_.foreColor());
}

void TextBoxView::refreshContent() {
    // The widget's limit stops pastes; it never cuts the program's longer text. Setting it
    // puts the caret at the end: it comes first.
    const QString text = toQ(box_.text());
    const int limit = box_.maxLength();
    const int maxLength = limit > 0 ? std::max(limit, static_cast<int>(text.size())) : kNoLimit;
    if (this->maxLength() != maxLength) setMaxLength(maxLength);
    if (this->text() != text) setText(text);
    const int start = box_.selStart();
    const int length = selectionShown() ? box_.selLength() : 0;
    if (length > 0) {
        if (selectionStart() != start || selectedText().size() != length)
            setSelection(start, length);
    } else if (cursorPosition() != start || hasSelectedText()) {
        setCursorPosition(start);
    }
    setReadOnly(box_.locked());
    setAlignment(boxAlignment(box_.alignment()));
}

// --- several lines

MultiLineTextBoxView::MultiLineTextBoxView(TextBox& model, FormView& host, QWidget* parent)
    : QPlainTextEdit(parent), ControlView(model, host), box_(model) {
    track(connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (FormView::refreshing() || editing_) return;
        const QString text = toPlainText();
        const int caret = textCursor().position();
        this->host().dispatch(
            [this, text, caret] {
                const std::string value = viewTextToModel(text);
                box_.setText(value);
                if (box_.text() == value) box_.setSelStart(viewPosToModel(value, caret));
            },
            this);
    }));
    track(connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        if (!FormView::refreshing() && !editing_) selectionToModel();
    }));
}

void MultiLineTextBoxView::selectionToModel() {
    if (!host().attached()) return;
    const QTextCursor cursor = textCursor();
    const std::string& text = box_.text();
    const int start = viewPosToModel(text, cursor.selectionStart());
    const int end = viewPosToModel(text, cursor.selectionEnd());
    box_.setSelStart(start);
    if (end > start) box_.setSelLength(end - start);
}

void MultiLineTextBoxView::keyPressEvent(QKeyEvent* event) {
    const int code = typedKeyCode(*event);
    if (code == 0 || code == 27) {
        if (code != 0) host().dispatch([this, code] { box_.typeKey(code); }, this);
        editing_ = true;  // the widget's own edit (Delete, paste) is reported by textChanged
        QPlainTextEdit::keyPressEvent(event);
        editing_ = false;
        if (toPlainText() != modelTextToView(box_.text())) emit textChanged();
        return;
    }
    selectionToModel();
    host().dispatch([this, code] { box_.typeKey(code); }, this);
    event->accept();
}

void MultiLineTextBoxView::refreshColors() {
    setRoleColor(this, QPalette::Base, box_.backColor());
    setRoleColor(this, QPalette::Text, box_.foreColor());
}

void MultiLineTextBoxView::refreshContent() {
    const QString text = modelTextToView(box_.text());
    if (toPlainText() != text) setPlainText(text);
    const std::string& model = box_.text();
    QTextCursor cursor = textCursor();
    const int start = modelPosToView(model, box_.selStart());
    const int length = selectionShown() ? box_.selLength() : 0;
    const int end = modelPosToView(model, box_.selStart() + length);
    if (cursor.selectionStart() != start || cursor.selectionEnd() != end) {
        cursor.setPosition(start);
        if (end > start) cursor.setPosition(end, QTextCursor::KeepAnchor);
        setTextCursor(cursor);
    }
    setReadOnly(box_.locked());
}

}  // namespace lumbrix::qt
