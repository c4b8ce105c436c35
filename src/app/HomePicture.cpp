#include "app/HomePicture.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace corkwise {

namespace {

const QColor kCream(250, 244, 230);
const QColor kParchment(238, 228, 205);
const QColor kBurgundy(118, 22, 46);
const QColor kBurgundyDark(78, 10, 28);
const QColor kWine(150, 28, 58);
const QColor kGold(214, 176, 76);
const QColor kGoldDark(160, 122, 40);
const QColor kLeaf(86, 128, 70);
const QColor kLeafDark(52, 88, 46);
const QColor kGrape(92, 44, 110);
const QColor kGlass(255, 255, 255, 150);
const QColor kInk(70, 40, 30);

QImage blankImage(qreal dpr) {
    QImage image(qRound(kHomeWidth * dpr), qRound(kHomeHeight * dpr),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(kCream);
    return image;
}

// The picture's lettering: bold Verdana (or the sans-serif face standing in for it), PIXELS high.
QFont boldFace(int pixels) {
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Bold);
    font.setPixelSize(pixels);
    return font;
}

// The largest bold face, at most MAX_PIXELS high, whose rendering of TEXT fits WIDTH.
QFont fittedFont(const QString& text, int width, int maxPixels) {
    QFont font = boldFace(maxPixels);
    for (int px = maxPixels; px > 7; --px) {
        font.setPixelSize(px);
        if (QFontMetrics(font).horizontalAdvance(text) <= width) {
            break;
        }
    }
    return font;
}

void paintBackground(QPainter& p) {
    QLinearGradient paper(0, 0, 0, kHomeHeight);
    paper.setColorAt(0.0, kCream);
    paper.setColorAt(1.0, kParchment);
    p.fillRect(QRectF(0, 0, kHomeWidth, kHomeHeight), paper);

    // A vine winding down the page from banner to banner.
    QPainterPath vine;
    vine.moveTo(168, 50);
    vine.cubicTo(170, 66, 120, 62, 93, 78);
    vine.moveTo(93, 98);
    vine.cubicTo(96, 114, 160, 108, 164, 124);
    vine.moveTo(164, 146);
    vine.cubicTo(166, 162, 100, 158, 94, 174);
    vine.moveTo(94, 196);
    vine.cubicTo(96, 212, 160, 204, 162, 220);
    p.setPen(QPen(QColor(134, 150, 104), 1.6, Qt::DashLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(vine);
}

void paintHeader(QPainter& p) {
    QLinearGradient band(0, 0, 0, 22);
    band.setColorAt(0.0, kBurgundy);
    band.setColorAt(1.0, kBurgundyDark);
    p.fillRect(QRectF(0, 0, kHomeWidth, 22), band);
    p.fillRect(QRectF(0, 22, kHomeWidth, 1.5), kGold);

    QFont font = boldFace(14);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    p.setFont(font);
    p.setPen(kCream);
    p.drawText(QRectF(0, 0, kHomeWidth, 22), Qt::AlignCenter, QStringLiteral("Corkwise"));

    // A small grape cluster either side of the name.
    for (int side : {-1, 1}) {
        const qreal cx = kHomeWidth / 2.0 + side * 52;
        p.setPen(Qt::NoPen);
        p.setBrush(kGold);
        const QPointF dots[] = {{cx - 3, 8}, {cx + 3, 8}, {cx, 13},
                                {cx - 6, 4}, {cx + 6, 4}, {cx, 4}};
        for (const QPointF& d : dots) {
            p.drawEllipse(d, 2.2, 2.2);
        }
    }
}

// A ribbon banner around the caption rectangle, with notched tails behind both ends.
void paintBanner(QPainter& p, const HomeBanner& b) {
    const QRectF caption = b.rect();
    const QString text = QString::fromLatin1(b.caption);
    const QFont font = fittedFont(text, caption.toRect().width() - 2, 12);
    // The ribbon hugs its text; where the text is short it stays inside the tap area, so the whole
    // ribbon answers a tap.
    const qreal width =
        std::min(caption.width() + 10, QFontMetricsF(font).horizontalAdvance(text) + 22);
    QRectF body(0, 0, width, caption.height() + 8);
    body.moveCenter(caption.center());

    p.setPen(Qt::NoPen);
    for (int side : {-1, 1}) {
        const qreal x = side < 0 ? body.left() : body.right();
        QPainterPath tail;
        const qreal out = x + side * 11;
        tail.moveTo(x - side * 4, body.top() + 4);
        tail.lineTo(out, body.top() + 4);
        tail.lineTo(out - side * 5, body.center().y() + 2);
        tail.lineTo(out, body.bottom() + 3);
        tail.lineTo(x - side * 4, body.bottom() + 3);
        tail.closeSubpath();
        p.setBrush(kBurgundyDark);
        p.drawPath(tail);
    }

    QPainterPath shadow;
    shadow.addRoundedRect(body.translated(1.5, 2), 7, 7);
    p.fillPath(shadow, QColor(60, 30, 20, 70));

    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0.0, kWine);
    fill.setColorAt(1.0, kBurgundy);
    QPainterPath path;
    path.addRoundedRect(body, 7, 7);
    p.fillPath(path, fill);
    p.setPen(QPen(kGold, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body.adjusted(1.5, 1.5, -1.5, -1.5), 5.5, 5.5);

    p.setFont(font);
    p.setPen(kCream);
    p.drawText(caption, Qt::AlignCenter, text);
}

void paintGlass(QPainter& p, qreal cx, qreal top, qreal scale, qreal fill) {
    const qreal w = 9 * scale;
    const qreal h = 15 * scale;
    QPainterPath bowl;
    bowl.moveTo(cx - w, top);
    bowl.cubicTo(cx - w, top + h, cx + w, top + h, cx + w, top);
    bowl.closeSubpath();

    QPainterPath wine;
    const qreal level = top + h * (1.0 - fill) * 0.75;
    wine.addRect(QRectF(cx - w - 1, level, 2 * w + 2, h + 1));
    p.fillPath(bowl.intersected(wine), kWine);

    p.setPen(QPen(kInk, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bowl);
    p.drawLine(QPointF(cx, top + h * 0.75), QPointF(cx, top + h * 1.55));
    p.drawLine(QPointF(cx - w * 0.7, top + h * 1.55), QPointF(cx + w * 0.7, top + h * 1.55));
    p.setPen(QPen(kGlass, 1.4));
    p.drawLine(QPointF(cx - w * 0.55, top + 2), QPointF(cx - w * 0.6, top + h * 0.35));
}

void paintBottle(QPainter& p, qreal cx, qreal top, qreal height) {
    const qreal w = height * 0.15;
    QPainterPath bottle;
    bottle.moveTo(cx - 2.6, top);
    bottle.lineTo(cx + 2.6, top);
    bottle.lineTo(cx + 2.6, top + height * 0.28);
    bottle.cubicTo(cx + w, top + height * 0.36, cx + w, top + height * 0.4, cx + w,
                   top + height * 0.45);
    bottle.lineTo(cx + w, top + height - 2);
    bottle.quadTo(cx + w, top + height, cx + w - 2, top + height);
    bottle.lineTo(cx - w + 2, top + height);
    bottle.quadTo(cx - w, top + height, cx - w, top + height - 2);
    bottle.lineTo(cx - w, top + height * 0.45);
    bottle.cubicTo(cx - w, top + height * 0.4, cx - w, top + height * 0.36, cx - 2.6,
                   top + height * 0.28);
    bottle.closeSubpath();

    QLinearGradient glass(cx - w, 0, cx + w, 0);
    glass.setColorAt(0.0, QColor(30, 60, 36));
    glass.setColorAt(0.4, QColor(58, 98, 62));
    glass.setColorAt(1.0, QColor(24, 48, 30));
    p.setPen(QPen(QColor(20, 36, 22), 1));
    p.setBrush(glass);
    p.drawPath(bottle);

    p.setPen(Qt::NoPen);
    p.setBrush(kBurgundy);
    p.drawRect(QRectF(cx - 2.8, top - 1, 5.6, height * 0.12));

    const QRectF label(cx - w + 1.5, top + height * 0.55, 2 * w - 3, height * 0.28);
    p.setBrush(kCream);
    p.setPen(QPen(kGoldDark, 0.8));
    p.drawRect(label);
    p.setPen(QPen(kBurgundy, 1));
    p.drawLine(QPointF(label.left() + 3, label.center().y() - 2),
               QPointF(label.right() - 3, label.center().y() - 2));
    p.drawLine(QPointF(label.left() + 5, label.center().y() + 2),
               QPointF(label.right() - 5, label.center().y() + 2));
}

void paintGrapes(QPainter& p, qreal cx, qreal top) {
    QPainterPath leaf;
    leaf.moveTo(cx, top + 6);
    leaf.cubicTo(cx - 22, top - 8, cx - 30, top + 10, cx - 16, top + 16);
    leaf.cubicTo(cx - 22, top + 22, cx - 8, top + 24, cx, top + 6);
    p.setPen(QPen(kLeafDark, 1));
    p.setBrush(kLeaf);
    p.drawPath(leaf);
    p.drawLine(QPointF(cx, top + 6), QPointF(cx - 16, top + 12));

    p.setPen(QPen(QColor(96, 70, 40), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx, top), QPointF(cx + 2, top + 9));
    QPainterPath tendril;
    tendril.moveTo(cx + 2, top + 4);
    tendril.cubicTo(cx + 12, top - 2, cx + 16, top + 8, cx + 10, top + 8);
    p.setPen(QPen(kLeafDark, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tendril);

    const int rows[] = {4, 4, 3, 3, 2, 1};
    const qreal r = 4.2;
    for (int row = 0; row < 6; ++row) {
        const int n = rows[row];
        for (int i = 0; i < n; ++i) {
            const QPointF c(cx + 2 + (i - (n - 1) / 2.0) * 2 * r, top + 13 + row * r * 1.7);
            QRadialGradient shade(c - QPointF(1.5, 1.5), r * 1.4);
            shade.setColorAt(0.0, QColor(160, 100, 170));
            shade.setColorAt(1.0, kGrape);
            p.setPen(QPen(QColor(60, 24, 70), 0.7));
            p.setBrush(shade);
            p.drawEllipse(c, r, r);
        }
    }
}

void paintPlate(QPainter& p, qreal cx, qreal cy) {
    p.setPen(QPen(QColor(150, 140, 120), 1));
    p.setBrush(QColor(255, 255, 252));
    p.drawEllipse(QPointF(cx, cy), 20, 10);
    p.setBrush(QColor(246, 240, 226));
    p.drawEllipse(QPointF(cx, cy), 13, 6);
    // A wedge of cheese on the plate.
    QPainterPath cheese;
    cheese.moveTo(cx - 8, cy + 2);
    cheese.lineTo(cx + 7, cy + 2);
    cheese.lineTo(cx + 7, cy - 5);
    cheese.closeSubpath();
    p.setPen(QPen(QColor(190, 150, 50), 0.8));
    p.setBrush(QColor(246, 206, 92));
    p.drawPath(cheese);

    p.setPen(QPen(QColor(120, 120, 120), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - 27, cy - 9), QPointF(cx - 27, cy + 10));
    for (int i = -1; i <= 1; ++i) {
        p.drawLine(QPointF(cx - 27 + i * 1.8, cy - 13), QPointF(cx - 27 + i * 1.8, cy - 8));
    }
    p.drawLine(QPointF(cx + 27, cy - 13), QPointF(cx + 27, cy + 10));
    p.setPen(QPen(QColor(120, 120, 120), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx + 27, cy - 13), QPointF(cx + 27, cy - 3));
}

void paintCoins(QPainter& p, qreal cx, qreal bottom) {
    for (int i = 0; i < 5; ++i) {
        const QPointF c(cx, bottom - i * 4);
        p.setPen(QPen(kGoldDark, 1));
        p.setBrush(i == 4 ? QColor(236, 204, 110) : kGold);
        p.drawEllipse(c, 12, 4.5);
    }
    const QPointF top(cx, bottom - 16);
    p.setFont(boldFace(7));
    p.setPen(kGoldDark);
    p.drawText(QRectF(top.x() - 10, top.y() - 4, 20, 8), Qt::AlignCenter, QStringLiteral("$"));
}

void paintTag(QPainter& p, qreal x, qreal y) {
    QPainterPath tag;
    tag.moveTo(x, y + 8);
    tag.lineTo(x + 8, y);
    tag.lineTo(x + 34, y);
    tag.lineTo(x + 34, y + 16);
    tag.lineTo(x + 8, y + 16);
    tag.closeSubpath();
    p.setPen(QPen(kGoldDark, 1));
    p.setBrush(kCream);
    p.drawPath(tag);
    p.setBrush(kParchment);
    p.drawEllipse(QPointF(x + 7, y + 8), 2, 2);
    p.setFont(boldFace(9));
    p.setPen(kBurgundy);
    p.drawText(QRectF(x + 10, y, 24, 16), Qt::AlignCenter, QStringLiteral("$$"));
}

void paintStar(QPainter& p, QPointF c, qreal outer, qreal inner) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0) ? outer : inner;
        const qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        star << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    p.drawPolygon(star);
}

void paintMedal(QPainter& p, qreal cx, qreal top) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBurgundy);
    QPolygonF left{{cx - 9, top}, {cx - 2, top}, {cx + 3, top + 18}, {cx - 4, top + 18}};
    QPolygonF right{{cx + 2, top}, {cx + 9, top}, {cx + 4, top + 18}, {cx - 3, top + 18}};
    p.drawPolygon(left);
    p.setBrush(kWine);
    p.drawPolygon(right);

    const QPointF c(cx, top + 27);
    QRadialGradient gold(c - QPointF(3, 3), 13);
    gold.setColorAt(0.0, QColor(250, 226, 140));
    gold.setColorAt(1.0, kGold);
    p.setPen(QPen(kGoldDark, 1.2));
    p.setBrush(gold);
    p.drawEllipse(c, 11, 11);
    p.setPen(Qt::NoPen);
    p.setBrush(kBurgundy);
    paintStar(p, c, 7, 3);
}

void paintHills(QPainter& p) {
    QPainterPath far;
    far.moveTo(0, 258);
    far.cubicTo(50, 246, 90, 252, 130, 250);
    far.cubicTo(170, 248, 210, 244, 240, 252);
    far.lineTo(240, 268);
    far.lineTo(0, 268);
    far.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(168, 188, 150));
    p.drawPath(far);

    QPainterPath near;
    near.moveTo(0, 262);
    near.cubicTo(60, 254, 120, 266, 240, 258);
    near.lineTo(240, 268);
    near.lineTo(0, 268);
    near.closeSubpath();
    p.setBrush(QColor(120, 150, 104));
    p.drawPath(near);

    // Rows of vines on the far hill.
    p.setPen(QPen(kLeafDark, 1.1, Qt::DotLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal y = 256 + i * 3;
        p.drawLine(QPointF(120 + i * 6, y - 4), QPointF(236, y - 6 + i));
    }
}

}  // namespace

int homeBannerAt(int x, int y) {
    for (const HomeBanner& b : kHomeBanners) {
        if (b.contains(x, y)) {
            return b.flowId;
        }
    }
    return -1;
}

QImage paintHomePicture(qreal devicePixelRatio) {
    QImage image = blankImage(devicePixelRatio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    paintBackground(p);
    paintHills(p);
    paintHeader(p);

    // Food & Wine: a plate and a glass, left of its banner.
    paintPlate(p, 46, 60);
    paintGlass(p, 84, 30, 0.9, 0.6);
    // Wine Search: a bottle and a glass, right of its banner.
    paintBottle(p, 178, 64, 50);
    paintGlass(p, 206, 86, 1.0, 0.5);
    // Vintage Chart: a cluster of grapes under its leaf.
    paintGrapes(p, 58, 116);
    // Best Values: a stack of coins and a price tag.
    paintCoins(p, 176, 200);
    paintTag(p, 194, 166);
    // Best Producers: a medal on its ribbon.
    paintMedal(p, 58, 206);

    for (const HomeBanner& b : kHomeBanners) {
        paintBanner(p, b);
    }
    return image;
}

QImage paintAboutPicture(qreal devicePixelRatio) {
    QImage image = blankImage(devicePixelRatio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient paper(0, 0, 0, kHomeHeight);
    paper.setColorAt(0.0, kCream);
    paper.setColorAt(1.0, kParchment);
    p.fillRect(QRectF(0, 0, kHomeWidth, kHomeHeight), paper);
    paintHills(p);

    // Bottle and glass above the text, grapes in the corner away from the OK button, all clear of
    // the text lines.
    paintBottle(p, 104, 12, 58);
    paintGlass(p, 138, 34, 1.2, 0.55);
    paintGrapes(p, 34, 176);
    return image;
}

}  // namespace corkwise
