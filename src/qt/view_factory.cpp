#include "qt/view_factory.h"

#include "platform/controls.h"
#include "platform/file_list_boxes.h"
#include "platform/rich_text_box.h"
#include "qt/button_views.h"
#include "qt/canvas_widget.h"
#include "qt/figure_views.h"
#include "qt/file_list_views.h"
#include "qt/label_views.h"
#include "qt/list_box_view.h"
#include "qt/rich_text_box_view.h"
#include "qt/scroll_and_tab_views.h"
#include "qt/text_box_views.h"

namespace lumbrix::qt {

ControlView* createControlView(Control& c, FormView& host, QWidget* parent) {
    switch (c.kind()) {
        case ControlKind::Label:
            return new LabelView(static_cast<Label&>(c), host, parent);
        case ControlKind::Frame:
            return new FrameView(static_cast<Frame&>(c), host, parent);
        case ControlKind::Image:
            return new ImageView(static_cast<Image&>(c), host, parent);
        case ControlKind::TextBox: {
            auto& box = static_cast<TextBox&>(c);
            if (box.multiLine()) return new MultiLineTextBoxView(box, host, parent);
            return new TextBoxView(box, host, parent);
        }
        case ControlKind::ListBox:
            return new ListBoxView(c, host, parent);
        case ControlKind::CommandButton:
            return new CommandButtonView(static_cast<CommandButton&>(c), host, parent);
        case ControlKind::OptionButton: {
            auto& option = static_cast<OptionButton&>(c);
            if (option.graphical()) return new GraphicalOptionView(option, host, parent);
            return new OptionButtonView(option, host, parent);
        }
        case ControlKind::CheckBox:
            return new CheckBoxView(static_cast<CheckBox&>(c), host, parent);
        case ControlKind::HScrollBar:
        case ControlKind::VScrollBar:
            return new ScrollBarView(static_cast<ScrollBar&>(c), host, parent);
        case ControlKind::PictureBox:
            return new CanvasWidget(static_cast<PictureBox&>(c), host, parent);
        case ControlKind::Shape:
            return new ShapeView(static_cast<Shape&>(c), host, parent);
        case ControlKind::Line:
            return new LineView(static_cast<LineControl&>(c), host, parent);
        case ControlKind::TabStrip:
            return new TabStripView(static_cast<TabStrip&>(c), host, parent);
        case ControlKind::RichTextBox:
            return new RichTextBoxView(static_cast<RichTextBox&>(c), host, parent);
        case ControlKind::DriveListBox:
            return new DriveListView(static_cast<DriveListBox&>(c), host, parent);
        case ControlKind::DirListBox:
            return new DirListView(static_cast<DirListBox&>(c), host, parent);
        case ControlKind::FileListBox:
            return new FileListView(static_cast<FileListBox&>(c), host, parent);
        case ControlKind::Timer:
        case ControlKind::CommonDialog:
        default:
            return nullptr;
    }
}

}  // namespace lumbrix::qt
