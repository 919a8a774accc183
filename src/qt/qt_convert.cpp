#include "qt/qt_convert.h"

#include <QApplication>
#include <QHash>
#include <cmath>

namespace lumbrix::qt {

int twipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

namespace {

// The system colour index of grey text.
constexpr unsigned kGrayTextIndex = 17;

// The palette role that stands for each system colour index of the original desktop.
QPalette::ColorRole roleOfSystemColor(unsigned index) {
    switch (index) {
        case 0:  // scroll bar
            return QPalette::Button;
        case 1:   // desktop
        case 12:  // application workspace
        case 16:  // button shadow
            return QPalette::Dark;
        case 2:   // active caption
        case 13:  // highlight
            return QPalette::Highlight;
        case 3:   // inactive caption
        case 10:  // active border
        case 11:  // inactive border
            return QPalette::Mid;
        case 5:  // window background
            return QPalette::Base;
        case 6:   // window frame
        case 21:  // 3D dark shadow
            return QPalette::Shadow;
        case 7:  // menu text
            return QPalette::WindowText;
        case 8:  // window text
            return QPalette::Text;
        case 9:   // caption text
        case 14:  // highlight text
            return QPalette::HighlightedText;
        case 19:  // inactive caption text
            return QPalette::PlaceholderText;
        case 18:  // button text
            return QPalette::ButtonText;
        case 20:  // 3D highlight
            return QPalette::Light;
        case 22:  // 3D light
            return QPalette::Midlight;
        case 23:  // tooltip text
            return QPalette::ToolTipText;
        case 24:  // tooltip background
            return QPalette::ToolTipBase;
        case 4:   // menu
        case 15:  // button face (also the face of dialogs)
        default:
            return QPalette::Window;
    }
}

}  // namespace

QColor toQColor(Color color, const QPalette& palette) {
    if (colors::isSystem(color)) {
        const unsigned index = color & 0xFFu;
        // Grey text is the colour disabled controls draw their text in.
        if (index == kGrayTextIndex) return palette.color(QPalette::Disabled, QPalette::Text);
        return palette.color(QPalette::Active, roleOfSystemColor(index));
    }
    return QColor(colors::red(color), colors::green(color), colors::blue(color));
}

QColor toQColor(Color color) {
    return toQColor(color, QApplication::palette());
}

QFont toQFont(const Font& font) {
    // Many controls share a handful of fonts: build each once.
    static QHash<QString, QFont> cache;
    const QString key = QString("%1|%2|%3%4%5")
                            .arg(toQ(font.name))
                            .arg(font.size)
                            .arg(font.bold)
                            .arg(font.italic)
                            .arg(font.underline);
    auto it = cache.constFind(key);
    if (it != cache.constEnd()) return *it;
    QFont f = QApplication::font();
    const QString family = toQ(font.name);
    // Fixed-pitch families keep their columns: board rows are fixed-column records.
    const bool fixedPitch = family.startsWith("Courier", Qt::CaseInsensitive) ||
                            family.compare("Lucida Console", Qt::CaseInsensitive) == 0;
    if (fixedPitch) {
        f.setFamily("Monospace");
        f.setStyleHint(QFont::TypeWriter);
        f.setFixedPitch(true);
    } else {
        if (family.compare("MS Sans Serif", Qt::CaseInsensitive) != 0 && !family.isEmpty()) {
            f.setFamily(family);
        }
        f.setStyleHint(QFont::SansSerif);
    }
    if (font.size > 0) f.setPointSizeF(font.size);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    cache.insert(key, f);
    return f;
}

}  // namespace lumbrix::qt
