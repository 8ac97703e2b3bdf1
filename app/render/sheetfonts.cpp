// The sans-serif font of the printed pages.
#include "app/render/sheetfonts.h"

#include <QString>
#include <algorithm>
#include <cmath>

namespace torve::app {

QFont sheetFont(double pointSize, double ppiY, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    // In pixels, so that a page, an image and the screen lay the text out alike.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pointSize * ppiY / 72))));
    font.setBold(bold);
    return font;
}

}  // namespace torve::app
