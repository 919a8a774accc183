#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <string>

#include "platform/colors.h"
#include "platform/control.h"

namespace lumbrix::qt {

inline QString toQ(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string fromQ(const QString& s) {
    return s.toStdString();
}

// Twips to whole pixels (15 twips to the pixel), rounded to the nearest pixel.
int twipsToPixels(double twips);

// A colour as the models give it (0x00BBGGRR, or a system colour index with the high bit
// set) as a Qt colour; system colours come from `palette` (grey text is its disabled text).
QColor toQColor(Color color, const QPalette& palette);
// The same with the application's palette.
QColor toQColor(Color color);

// A model's font as a Qt font. The window fonts of the original desktop ("MS Sans Serif")
// become the desktop's default sans-serif font at the same point size.
QFont toQFont(const Font& font);

}  // namespace lumbrix::qt
