#include "art/Paths.h"

#include <QPainter>

namespace pairfall {

QPainterPath Ellipse(qreal centreX, qreal centreY, qreal radiusX, qreal radiusY)
{
    QPainterPath path;
    path.addEllipse(QPointF(centreX, centreY), radiusX, radiusY);
    return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF& point : points) {
        if (first)
            path.moveTo(point);
        else
            path.lineTo(point);
        first = false;
    }
    path.closeSubpath();
    return path;
}

void DrawOutlined(QPainter& p, const QPainterPath& path, const QColor& fill, const QPen& outline)
{
    p.setPen(outline);
    p.setBrush(fill);
    p.drawPath(path);
}

}
