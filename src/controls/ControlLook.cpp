#include "controls/ControlLook.h"

namespace corkwise {

QFont verdanaFont(int weight) {
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(13);
    font.setWeight(static_cast<QFont::Weight>(qBound(100, weight, 900)));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace corkwise
