#include "qt/file_list_views.h"

#include <QStyle>

#include "qt/form_view.h"
#include "qt/qt_convert.h"

namespace lumbrix::qt {

DriveListView::DriveListView(DriveListBox& model, FormView& host, QWidget* parent)
    : QComboBox(parent), ControlView(model, host), drives_(model) {
    track(connect(this, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (FormView::refreshing() || i < 0) return;
        this->host().dispatch([this, i] { drives_.setDrive(drives_.list(i)); }, this);
    }));
}

void DriveListView::refreshContent() {
    if (count() != drives_.listCount()) {
        clear();
        for (int i = 0; i < drives_.listCount(); ++i)
            addItem(toQ(drives_.list(i)));
    }
    for (int i = 0; i < drives_.listCount(); ++i) {
        if (drives_.list(i) == drives_.drive() && currentIndex() != i) setCurrentIndex(i);
    }
}

DirListView::DirListView(DirListBox& model, FormView& host, QWidget* parent)
    : ListBoxView(model, host, parent), dirs_(model) {
    track(connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const int row = this->row(item);
        this->host().dispatch([this, row] { dirs_.openRow(row); }, this);
    }));
}

void DirListView::refreshContent() {
    std::vector<std::string> rows;
    rows.reserve(static_cast<std::size_t>(dirs_.listCount()));
    for (int i = 0; i < dirs_.listCount(); ++i) {
        rows.push_back(std::string(static_cast<std::size_t>(dirs_.listLevel(i)) * 3, ' ') +
                       dirs_.list(i));
    }
    const bool rebuilt = rows != decoratedRows_;
    showRows(rows, dirs_.listIndex(), -1);
    if (rebuilt) {
        decoratedRows_ = rows;
        const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
        const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
        for (int i = 0; i < count(); ++i)
            item(i)->setIcon(i <= dirs_.currentRow() ? open : closed);
    }
}

void DirListView::rowChosen(int row) {
    host().dispatch([this, row] { dirs_.setListIndex(row); }, this);
}

FileListView::FileListView(FileListBox& model, FormView& host, QWidget* parent)
    : ListBoxView(model, host, parent), files_(model) {}

void FileListView::refreshContent() {
    showRows(files_.rows(), files_.listIndex(), -1);
}

void FileListView::rowChosen(int row) {
    host().dispatch([this, row] { files_.setListIndex(row); }, this);
}

}  // namespace lumbrix::qt
