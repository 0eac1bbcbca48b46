#include "widgets/teampictures.h"

#include "model/pooldata.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <array>
#include <cmath>
#include <numbers>

namespace vek {
namespace {

// Eight crest shapes in four colour families: slot n takes shape n % 8 and colours n / 8 shifted along
// the colour wheel, so no two slots look alike and neighbouring teams differ in shape and colour.
enum class Crest { Shield, Circle, Diamond, Square, Hexagon, Pennant, Star, Oval };

constexpr std::array<Crest, 8> Shapes{Crest::Shield,  Crest::Circle,  Crest::Diamond, Crest::Square,
                                      Crest::Hexagon, Crest::Pennant, Crest::Star,    Crest::Oval};

QPainterPath crestPath(Crest crest, const QRectF& r) {
    QPainterPath path;
    const QPointF c = r.center();
    switch (crest) {
    case Crest::Shield:
        path.moveTo(r.left(), r.top());
        path.lineTo(r.right(), r.top());
        path.lineTo(r.right(), r.top() + r.height() * 0.55);
        path.quadTo(r.right(), r.bottom() - r.height() * 0.1, c.x(), r.bottom());
        path.quadTo(r.left(), r.bottom() - r.height() * 0.1, r.left(), r.top() + r.height() * 0.55);
        path.closeSubpath();
        break;
    case Crest::Circle:
        path.addEllipse(QRectF(c.x() - r.height() / 2, r.top(), r.height(), r.height()));
        break;
    case Crest::Diamond:
        path.addPolygon(QPolygonF({QPointF(c.x(), r.top()), QPointF(r.right(), c.y()),
                                   QPointF(c.x(), r.bottom()), QPointF(r.left(), c.y())}));
        path.closeSubpath();
        break;
    case Crest::Square:
        path.addRoundedRect(r, 3, 3);
        break;
    case Crest::Hexagon: {
        const qreal dx = r.width() * 0.22;
        path.addPolygon(QPolygonF({QPointF(r.left() + dx, r.top()), QPointF(r.right() - dx, r.top()),
                                   QPointF(r.right(), c.y()), QPointF(r.right() - dx, r.bottom()),
                                   QPointF(r.left() + dx, r.bottom()), QPointF(r.left(), c.y())}));
        path.closeSubpath();
        break;
    }
    case Crest::Pennant:
        path.addPolygon(QPolygonF({r.topLeft(), QPointF(r.right(), c.y()), r.bottomLeft()}));
        path.closeSubpath();
        break;
    case Crest::Star: {
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const qreal radius = (i % 2 == 0 ? 0.5 : 0.25) * r.height();
            const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
            star << QPointF(c.x() + radius * 1.25 * std::cos(angle),
                            c.y() + 0.06 * r.height() + radius * std::sin(angle));
        }
        path.addPolygon(star);
        path.closeSubpath();
        break;
    }
    case Crest::Oval:
        path.addEllipse(r);
        break;
    }
    return path;
}

QImage drawPicture(int number) {
    QImage image(TeamPictures::Width, TeamPictures::Height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const int family = number / static_cast<int>(Shapes.size());
    const int hue = (number * 360 / TeamPictures::DrawnSlots + family * 23) % 360;
    const QColor field = QColor::fromHsv(hue, 200, family % 2 == 0 ? 200 : 140);
    const QColor trim = QColor::fromHsv((hue + 180) % 360, 90, 250);

    const QRectF area(1.5, 1.5, TeamPictures::Width - 3.0, TeamPictures::Height - 3.0);
    painter.setPen(QPen(trim, 1.5));
    painter.setBrush(field);
    painter.drawPath(crestPath(Shapes[number % Shapes.size()], area));

    // The slot's number keeps two logos of the same shape and similar colour apart at a glance.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRectF text = area.adjusted(1, 1, 1, 1);
    const QString label = QString::number(number + 1);
    painter.drawText(text, Qt::AlignCenter, label);
    painter.setPen(Qt::white);
    painter.drawText(area, Qt::AlignCenter, label);
    return image;
}

} // namespace

QPixmap TeamPictures::picture(int number) {
    if (number < 0 || number >= DrawnSlots) {
        return {};
    }
    return QPixmap::fromImage(drawPicture(number));
}

QPixmap TeamPictures::ofTeam(const PoolData& pool, int code) {
    return isTeamSlot(code) ? picture(pool.teamIcon[code]) : QPixmap();
}

} // namespace vek
