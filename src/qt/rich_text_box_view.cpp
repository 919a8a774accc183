#include "qt/rich_text_box_view.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include "platform/text.h"
#include "qt/form_view.h"
#include "qt/qt_convert.h"
#include "qt/text_box_views.h"

namespace lumbrix::qt {

namespace {

QTextCharFormat toQFormat(const CharFormat& f) {
    QTextCharFormat q;
    q.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
    q.setFontItalic(f.italic);
    q.setFontUnderline(f.underline);
    return q;
}

}  // namespace

RichTextBoxView::RichTextBoxView(RichTextBox& model, FormView& host, QWidget* parent)
    : QTextEdit(parent), ControlView(model, host), box_(model) {
    setAcceptRichText(false);
    // The model keeps the content: the widget's own undo would bypass it.
    setUndoRedoEnabled(false);
    auto follow = [this] {
        if (!FormView::refreshing()) selectionToModel();
    };
    track(connect(this, &QTextEdit::cursorPositionChanged, this, follow));
    track(connect(this, &QTextEdit::selectionChanged, this, follow));
}

void RichTextBoxView::selectionToModel() {
    if (!host().attached()) return;
    const QTextCursor cursor = textCursor();
    const std::string& text = box_.text();
    const int start = viewPosToModel(text, cursor.selectionStart());
    const int end = viewPosToModel(text, cursor.selectionEnd());
    if (start == box_.selStart() && end - start == box_.selLength()) return;
    host().dispatch([this, start, end] { box_.select(start, end - start); });
}

void RichTextBoxView::typeIntoModel(const std::string& text) {
    host().dispatch([this, text] { box_.typeText(text); }, this);
}

void RichTextBoxView::selectNeighbour(bool backwards) {
    const std::string& text = box_.text();
    const int caret = box_.selStart();
    const int count = static_cast<int>(Len(text));
    if (backwards) {
        if (caret == 0) return;
        const int width = caret >= 2 && Mid(text, caret - 1, 2) == "\r\n" ? 2 : 1;
        host().dispatch([this, caret, width] { box_.select(caret - width, width); });
    } else {
        if (caret >= count) return;
        const int width = Mid(text, caret + 1, 2) == "\r\n" ? 2 : 1;
        host().dispatch([this, caret, width] { box_.select(caret, width); });
    }
}

void RichTextBoxView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cut)) {
        copy();
        selectionToModel();
        typeIntoModel("");
        return;
    }
    const bool del = event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier;
    const int code = del ? 127 : typedKeyCode(*event);
    if (code == 0 || code == 27) {
        QTextEdit::keyPressEvent(event);  // moving, selecting, copying
        return;
    }
    selectionToModel();
    if (code != 127) {
        int key = code;
        if (!host().dispatch([this, &key] { box_.KeyPress.raise(key); }) || key == 0) return;
        if (key == 8) {
            if (box_.selLength() == 0) selectNeighbour(true);
            if (box_.selLength() > 0) typeIntoModel("");
            return;
        }
        if (key == 13) {
            typeIntoModel("\r\n");
            return;
        }
        const char32_t typed = static_cast<char32_t>(key);
        typeIntoModel(fromQ(QString::fromUcs4(&typed, 1)));
        return;
    }
    if (box_.selLength() == 0) selectNeighbour(false);
    if (box_.selLength() > 0) typeIntoModel("");
}

bool RichTextBoxView::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText();
}

void RichTextBoxView::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) return;
    selectionToModel();
    typeIntoModel(viewTextToModel(source->text()));
}

void RichTextBoxView::refreshColors() {
    setRoleColor(this, QPalette::Base, box_.backColor());
    setRoleColor(this, QPalette::Text, box_.foreColor());
}

void RichTextBoxView::showDocument() {
    const int scrolled = verticalScrollBar()->value();
    clear();
    QTextCursor cursor(document());
    const QString text = toQ(box_.text());
    const auto& formats = box_.formats();
    // One run of characters per format; a CR LF pair is one paragraph break.
    QString run;
    CharFormat runFormat = formats.empty() ? CharFormat{} : formats.front();
    std::size_t modelIndex = 0;
    const QList<uint> chars = text.toUcs4();
    for (qsizetype i = 0; i < chars.size(); ++i, ++modelIndex) {
        const CharFormat f = modelIndex < formats.size() ? formats[modelIndex] : CharFormat{};
        if (!(f == runFormat) && !run.isEmpty()) {
            cursor.insertText(run, toQFormat(runFormat));
            run.clear();
        }
        runFormat = f;
        const char32_t c = chars[i];
        if (c == '\r' && i + 1 < chars.size() && chars[i + 1] == '\n') {
            run += '\n';
            ++i;
            ++modelIndex;
        } else if (c == '\r') {
            run += '\n';
        } else {
            run += QString::fromUcs4(&c, 1);
        }
    }
    if (!run.isEmpty()) cursor.insertText(run, toQFormat(runFormat));
    shownText_ = box_.text();
    shownFormats_ = formats;
    shown_ = true;
    verticalScrollBar()->setValue(scrolled);
}

void RichTextBoxView::refreshContent() {
    if (!shown_ || shownText_ != box_.text() || shownFormats_ != box_.formats()) showDocument();
    const std::string& text = box_.text();
    const int start = modelPosToView(text, box_.selStart());
    const int length = selectionShown() ? box_.selLength() : 0;
    const int end = modelPosToView(text, box_.selStart() + length);
    QTextCursor cursor = textCursor();
    if (cursor.selectionStart() != start || cursor.selectionEnd() != end) {
        cursor.setPosition(start);
        if (end > start) cursor.setPosition(end, QTextCursor::KeepAnchor);
        setTextCursor(cursor);
    }
    // What is typed next shows in the model's typing format. Only at a caret: with a
    // selection the widget would put that format on every selected character, and the
    // screen would show styles the model (and the printed page) does not have.
    if (!textCursor().hasSelection()) setCurrentCharFormat(toQFormat(box_.typingFormat()));
}

}  // namespace lumbrix::qt
