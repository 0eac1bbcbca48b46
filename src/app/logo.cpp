#include "app/logo.h"

#include "model/appinfo.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace vek {

namespace {
const QColor BadgeGreen(24, 84, 48);
const QColor BadgeGold(214, 172, 62);
const QColor BallBrown(128, 62, 28);
} // namespace

QPixmap drawLogo(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal s = size;
    // The badge: a gold ring around a green field.
    painter.setPen(QPen(BadgeGold, s * 0.06));
    painter.setBrush(BadgeGreen);
    painter.drawEllipse(QRectF(s * 0.05, s * 0.05, s * 0.9, s * 0.9));

    // The ball, tilted like a kick in flight.
    painter.save();
    painter.translate(s * 0.5, s * 0.45);
    painter.rotate(-30);
    const QRectF ball(-s * 0.3, -s * 0.17, s * 0.6, s * 0.34);
    QPainterPath path;
    path.moveTo(ball.left(), 0);
    path.quadTo(0, ball.top() * 1.6, ball.right(), 0);
    path.quadTo(0, ball.bottom() * 1.6, ball.left(), 0);
    painter.setPen(QPen(QColor(70, 30, 10), s * 0.015));
    painter.setBrush(BallBrown);
    painter.drawPath(path);
    // Laces: one seam along the ball and short stitches across it.
    painter.setPen(QPen(Qt::white, s * 0.022, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-s * 0.1, 0), QPointF(s * 0.1, 0));
    for (int i = -2; i <= 2; ++i) {
        const qreal x = i * s * 0.045;
        painter.drawLine(QPointF(x, -s * 0.035), QPointF(x, s * 0.035));
    }
    painter.restore();

    // The league's initials under the ball.
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(qMax(6, size / 6));
    painter.setFont(font);
    painter.setPen(BadgeGold);
    painter.drawText(QRectF(0, s * 0.64, s, s * 0.2), Qt::AlignCenter, QStringLiteral("VEK"));
    return pixmap;
}

QPixmap drawWordmark(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(BadgeGreen);
    painter.drawRoundedRect(QRectF(0, 0, width, height), height * 0.2, height * 0.2);

    QFont font(QStringLiteral("Times New Roman"));
    font.setItalic(true);
    font.setBold(true);
    font.setPixelSize(qMax(6, height / 2));
    // Shrink the title until it fits the picture.
    while (font.pixelSize() > 6 && QFontMetrics(font).horizontalAdvance(appinfo::Title) > width - 8) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    painter.setFont(font);
    painter.setPen(BadgeGold);
    painter.drawText(QRectF(0, 0, width, height), Qt::AlignCenter, appinfo::Title);
    return pixmap;
}

} // namespace vek
