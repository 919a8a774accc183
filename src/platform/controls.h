#pragma once

// Every control model, for windows that declare many kinds.
#include "platform/buttons.h"
#include "platform/control.h"
#include "platform/control_array.h"
#include "platform/file_list_boxes.h"
#include "platform/form.h"
#include "platform/label.h"
#include "platform/list_box.h"
#include "platform/menu.h"
#include "platform/picture_box.h"
#include "platform/rich_text_box.h"
#include "platform/scroll_bar.h"
#include "platform/tab_strip.h"
#include "platform/text_box.h"
#include "platform/timer.h"
