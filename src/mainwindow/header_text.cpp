#include "mainwindow/header_text.h"

#include <cstdio>

namespace lumbrix {

namespace {

std::string dayMonthYear(const CalendarDate& d) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%02d", d.day % 100, d.month % 100, d.year % 100);
    return text;
}

}  // namespace

std::string todayForHeader(Desktop& desktop) {
    return dayMonthYear(desktop.now());
}

std::string authorFromEnvironment(Desktop& desktop) {
    std::string author = desktop.environment("USERNAME");
    if (author.empty()) author = desktop.environment("USER");
    return author;
}

}  // namespace lumbrix
