#pragma once

#include <QComboBox>

#include "platform/file_list_boxes.h"
#include "qt/control_view.h"
#include "qt/list_box_view.h"

namespace lumbrix::qt {

// The drive list: a drop-down of the drives; choosing one sets the model's drive.
class DriveListView : public QComboBox, public ControlView {
  public:
    DriveListView(DriveListBox& model, FormView& host, QWidget* parent);
    QWidget* widget() override { return this; }
    void refreshContent() override;

  private:
    DriveListBox& drives_;
};

// The folder list: the folders from the root to the current one (open folders), then its
// subfolders, indented by depth. A click selects a row; a double-click (or Enter) opens it.
class DirListView : public ListBoxView {
  public:
    DirListView(DirListBox& model, FormView& host, QWidget* parent);
    bool doubleClicksFromMouse() const override { return false; }
    void refreshContent() override;

  protected:
    void rowChosen(int row) override;

  private:
    DirListBox& dirs_;
    std::vector<std::string> decoratedRows_;
};

// The file list: the files of the model's folder that match its pattern.
class FileListView : public ListBoxView {
  public:
    FileListView(FileListBox& model, FormView& host, QWidget* parent);
    void refreshContent() override;

  protected:
    void rowChosen(int row) override;

  private:
    FileListBox& files_;
};

}  // namespace lumbrix::qt
