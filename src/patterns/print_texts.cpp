#include "patterns/print_texts.h"

#include <cstdio>

#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "platform/text.h"

namespace lumbrix {

std::string printedDate(Desktop& desktop) {
    const CalendarDate d = desktop.now();
    char text[24];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d ,", d.day % 100, d.month % 100,
                  d.year % 10000);
    return text;
}

std::string printedTime(Desktop& desktop) {
    const CalendarDate d = desktop.now();
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", d.hour % 100, d.minute % 100,
                  d.second % 100);
    return text;
}

bool printsAsUnnamed(const frmMain& main) {
    return Len(main.lblSaekavanimi.caption()) < 2;
}

std::string printedPatternName(const frmMain& main) {
    if (!printsAsUnnamed(main)) return main.lblSaekavanimi.caption();
    return bilingual(main, "  NIMETU", "  UNNAMED");
}

}  // namespace lumbrix
