#pragma once

#include <QPainterPath>
#include <QPen>

#include <initializer_list>

class QPainter;

// Building blocks for the figures drawn as vector paths.
namespace pairfall {

QPainterPath Ellipse(qreal centreX, qreal centreY, qreal radiusX, qreal radiusY);

// The closed outline through the points, in order.
QPainterPath Polygon(std::initializer_list<QPointF> points);

// Fills the path and draws its outline over the fill.
void DrawOutlined(QPainter& p, const QPainterPath& path, const QColor& fill, const QPen& outline);

}
