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

// The system's grey text colour, in which disabled controls draw their text: the mid-dark grey
// of the original desktop, which reads on a white field and on a grey one alike and still sets
// a disabled control apart from the black text of an enabled one.
inline constexpr QRgb kGrayText = 0xFF6D6D6D;  // red, green and blue 109

// `palette` with the text of disabled labels, options, check boxes, fields, lists and buttons in
// the grey text colour.
QPalette withGrayTextWhenDisabled(QPalette palette);

// A model's font as a Qt font. The window fonts of the original desktop ("MS Sans Serif")
// become the desktop's default sans-serif font at the same point size.
QFont toQFont(const Font& font);

}  // namespace lumbrix::qt
