#pragma once

#include "platform/form.h"

namespace lumbrix {

class Application;

// The log price editor. Only its window exists so far: the main window opens it, without
// blocking, when the profile has no log prices.
class frmPalgiHinnad : public Form {
  public:
    explicit frmPalgiHinnad(Application& app);
};

}  // namespace lumbrix
