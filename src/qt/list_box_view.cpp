#include "qt/list_box_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include "qt/form_view.h"
#include "qt/qt_convert.h"
#include "qt/text_box_views.h"

namespace lumbrix::qt {

namespace {

// Every row is the model's row height.
class FixedRowDelegate : public QStyledItemDelegate {
  public:
    FixedRowDelegate(int rowHeight, QObject* parent)
        : QStyledItemDelegate(parent), rowHeight_(rowHeight) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(rowHeight_);
        return size;
    }

  private:
    int rowHeight_;
};

}  // namespace

ListBoxView::ListBoxView(Control& model, FormView& host, QWidget* parent)
    : QListWidget(parent),
      ControlView(model, host),
      list_(model.kind() == ControlKind::ListBox ? static_cast<ListBox*>(&model) : nullptr) {
    setItemDelegate(
        new FixedRowDelegate(list_ ? list_->rowHeightPixels() : ListBox::kRowHeightPixels, this));
    // Each row as wide as its own text: rows differ in length (comments, folder names), and a
    // row wider than the list scrolls sideways instead of being cut short with an ellipsis.
    setUniformItemSizes(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSpacing(0);
    track(connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!FormView::refreshing()) selectionFromPlanner();
    }));
    track(connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (!FormView::refreshing()) scrolledTo(value);
    }));
}

void ListBoxView::selectionFromPlanner() {
    const QList<QListWidgetItem*> selected = selectedItems();
    if (selected.size() == 1) {
        rowChosen(row(selected.front()));
    } else {
        // Nothing the planner can see is selected: show the model's row again.
        host().dispatch([] {}, this);
    }
}

bool ListBoxView::doubleClickCountsAt(const QPointF& pos) const {
    return indexAt(pos.toPoint()).isValid();
}

void ListBoxView::mousePressEvent(QMouseEvent* event) {
    // The right button opens the list's menu and picks nothing; a press below the last row
    // changes nothing either.
    if (event->button() == Qt::RightButton || !indexAt(event->position().toPoint()).isValid()) {
        if (event->button() == Qt::LeftButton) setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
}

void ListBoxView::mouseMoveEvent(QMouseEvent* event) {
    // Only a drag with the left button selects rows on its way.
    if (!(event->buttons() & Qt::LeftButton)) {
        event->accept();
        return;
    }
    QListWidget::mouseMoveEvent(event);
}

void ListBoxView::rowChosen(int row) {
    if (!list_) return;
    host().dispatch([this, row] { list_->setListIndex(row); }, this);
}

void ListBoxView::scrolledTo(int top) {
    if (!list_) return;
    host().dispatch(
        [this, top] {
            list_->setTopIndex(top);
            list_->Scroll.raise();
        },
        this);
}

void ListBoxView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        // The Delete key reaches the model as a key-down with its desktop key code, 46.
        int keyCode = 46;
        host().dispatch([this, &keyCode] { control().KeyDown.raise(keyCode, 0); });
        return;
    }
    const int code = typedKeyCode(*event);
    if (code == 0 || code == 13 || code == 27) {
        QListWidget::keyPressEvent(event);
        return;
    }
    int key = code;
    const bool attached = host().dispatch([this, &key] { control().KeyPress.raise(key); });
    // A dropped key does nothing more; otherwise the list looks for the typed row.
    if (attached && key != 0) QListWidget::keyPressEvent(event);
}

void ListBoxView::refreshColors() {
    setRoleColor(this, QPalette::Base, control().backColor());
    setRoleColor(this, QPalette::Text, control().foreColor());
}

void ListBoxView::refreshContent() {
    if (list_) showRows(list_->rows(), list_->listIndex(), list_->topIndex());
}

void ListBoxView::showRows(const std::vector<std::string>& rows, int current, int top) {
    if (rows != shownRows_) {
        clear();
        QStringList texts;
        texts.reserve(static_cast<qsizetype>(rows.size()));
        for (const std::string& row : rows)
            texts << toQ(row);
        addItems(texts);
        shownRows_ = rows;
        shownTop_ = -1;
    }
    const bool shown = current < 0 ? selectedItems().isEmpty()
                                   : currentRow() == current && item(current)->isSelected();
    if (!shown) {
        setCurrentRow(current);
        if (current < 0) clearSelection();
    }
    if (top >= 0 && top != shownTop_) {
        verticalScrollBar()->setValue(top);
        shownTop_ = top;
    }
}

}  // namespace lumbrix::qt
