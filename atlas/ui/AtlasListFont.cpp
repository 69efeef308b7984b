#include "atlas/ui/AtlasListFont.h"

#include <QFontDatabase>
#include <QFontInfo>

QFont AtlasListFont(double pointSize) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setBold(true);
    font.setPointSizeF(pointSize);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setBold(true);
        font.setPointSizeF(pointSize);
    }
    return font;
}
