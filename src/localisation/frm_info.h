#pragma once

#include <string>

#include "platform/controls.h"

namespace lumbrix {

class Application;

// The information box: the program's name, version, maker and rights line, in the current
// message language. Opened modally from the main window's menu; it changes nothing.
class frmInfo : public Form {
  public:
    explicit frmInfo(Application& app);

    Image Image1{*this, "Image1"};
    Label Label1{*this, "Label1"};
    Label lblInfoLabelVersioon{*this, "lblInfoLabelVersioon"};
    LineControl Line1{*this, "Line1"};
    LineControl Line3{*this, "Line3"};
    Label lblInfoLabelKirjutanud{*this, "lblInfoLabelKirjutanud"};
    Label lblCopyright{*this, "lblCopyright"};
    CommandButton cmdTagasi{*this, "cmdTagasi"};

    void Form_Load();
    void cmdTagasi_Click();

  private:
    Application& app_;
};

// "Versioon: 3.0" or "Version: 3.0": the prefix, the major version, a point, the minor version.
std::string infoVersionLine(bool estonian, int major, int minor);

}  // namespace lumbrix
