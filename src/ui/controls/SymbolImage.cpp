#include "ui/controls/SymbolImage.h"

#include <QHash>
#include <QPainter>
#include <QPainterPathStroker>
#include <QtMath>
#include <functional>

namespace {

QPainterPath stroke(const QPainterPath& path, qreal width, Qt::PenCapStyle cap = Qt::RoundCap) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(path).simplified();
}

QPainterPath line(QPointF from, QPointF to) {
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}

QPainterPath lines(std::initializer_list<std::pair<QPointF, QPointF>> segments, qreal width) {
    QPainterPath path;
    for (const auto& [from, to] : segments)
        path = path.united(stroke(line(from, to), width));
    return path;
}

QPainterPath disc(QPointF centre, qreal radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath ring(QPointF centre, qreal radius, qreal width) {
    return stroke(disc(centre, radius), width);
}

QPainterPath roundedRect(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

// An outline in front of another: the one behind is hidden where the front one covers it.
QPainterPath overlapping(const QPainterPath& behind, const QPainterPath& front, qreal width) {
    const QPainterPath frontArea = front.united(stroke(front, width * 3));
    return stroke(behind, width).subtracted(frontArea).united(stroke(front, width));
}

QPainterPath starOutline() {
    QPolygonF points;
    for (int index = 0; index < 10; ++index) {
        const qreal radius = index % 2 == 0 ? 10.5 : 4.4;
        const qreal angle = qDegreesToRadians(-90.0 + index * 36.0);
        points << QPointF(12 + radius * qCos(angle), 12.8 + radius * qSin(angle));
    }
    points << points.first();
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

QPainterPath gear() {
    QPainterPath body = disc({12, 12}, 7);
    for (int tooth = 0; tooth < 8; ++tooth) {
        QTransform turn;
        turn.translate(12, 12).rotate(tooth * 45).translate(-12, -12);
        QPainterPath rect;
        rect.addRoundedRect(QRectF(10.2, 1.5, 3.6, 6), 0.8, 0.8);
        body = body.united(turn.map(rect));
    }
    return body.subtracted(disc({12, 12}, 3.2));
}

QPainterPath power() {
    QPainterPath arc;
    const QRectF circle(4.5, 5.5, 15, 15);
    arc.arcMoveTo(circle, 60);
    arc.arcTo(circle, 60, -300);
    return stroke(arc, 2).united(stroke(line({12, 3}, {12, 11.5}), 2));
}

QPainterPath questionMark() {
    QPainterPath hook(QPointF(9.2, 9.4));
    hook.cubicTo(9.2, 7.6, 10.5, 6.6, 12, 6.6);
    hook.cubicTo(13.7, 6.6, 14.9, 7.7, 14.9, 9.2);
    hook.cubicTo(14.9, 10.6, 13.9, 11.2, 13, 11.8);
    hook.cubicTo(12.3, 12.3, 12, 12.8, 12, 13.8);
    return ring({12, 12}, 10, 1.6).united(stroke(hook, 1.9)).united(disc({12, 17.3}, 1.25));
}

QPainterPath bubble(const QRectF& rect, const QPolygonF& tail) {
    QPainterPath path = roundedRect(rect, 4.5);
    QPainterPath tailPath;
    tailPath.addPolygon(tail);
    tailPath.closeSubpath();
    return path.united(tailPath);
}

using Builder = std::function<QPainterPath()>;

const QHash<QString, Builder>& builders() {
    static const QHash<QString, Builder> table{
        {"magnifyingglass",
         [] {
             return ring({10, 10}, 6.6, 2.2).united(lines({{{14.8, 14.8}, {20.5, 20.5}}}, 2.8));
         }},
        {"xmark",
         [] {
             return lines({{{6, 6}, {18, 18}}, {{18, 6}, {6, 18}}}, 2.2);
         }},
        {"xmark.circle.fill",
         [] {
             return disc({12, 12}, 11)
                 .subtracted(lines({{{8.3, 8.3}, {15.7, 15.7}}, {{15.7, 8.3}, {8.3, 15.7}}}, 2.2));
         }},
        {"plus.circle.fill",
         [] {
             return disc({12, 12}, 11)
                 .subtracted(lines({{{12, 7}, {12, 17}}, {{7, 12}, {17, 12}}}, 2.2));
         }},
        {"info.circle",
         [] {
             return ring({12, 12}, 10, 1.6)
                 .united(disc({12, 7.6}, 1.3))
                 .united(lines({{{12, 11}, {12, 17}}}, 2.2));
         }},
        {"questionmark.circle", questionMark},
        {"star", [] { return stroke(starOutline(), 1.6); }},
        {"star.fill", [] { return starOutline().simplified(); }},
        {"doc.on.doc",
         [] {
             return overlapping(roundedRect({8.5, 2.5, 11, 14.5}, 2.5),
                                roundedRect({4.5, 7, 11, 14.5}, 2.5), 1.6);
         }},
        {"gearshape", gear},
        {"power", power},
        {"bolt",
         [] {
             QPainterPath path;
             path.addPolygon(QPolygonF{
                 {13.5, 2}, {5, 13.5}, {11.5, 13.5}, {10.5, 22}, {19, 10}, {12.5, 10}, {13.5, 2}});
             path.closeSubpath();
             return path;
         }},
        {"bubble.left.and.bubble.right",
         [] {
             const QPainterPath right =
                 bubble({9, 2.5, 12.5, 9}, QPolygonF{{16, 10}, {20.5, 14.5}, {19.5, 9}});
             const QPainterPath left =
                 bubble({2.5, 9, 12.5, 9}, QPolygonF{{4.5, 16}, {3.5, 21.5}, {9, 17}});
             return overlapping(right, left, 1.6);
         }},
    };
    return table;
}

} // namespace

namespace SymbolImage {

const QPainterPath& shape(const QString& name) {
    // Built once per name: the boolean path operations are not free.
    static QHash<QString, QPainterPath> shapes;
    auto found = shapes.find(name);
    if (found == shapes.end()) {
        const Builder builder = builders().value(name);
        found = shapes.insert(name, builder ? builder() : QPainterPath());
    }
    return *found;
}

void paint(QPainter& painter, const QRectF& rect, const QString& name, const QColor& color) {
    const qreal scale = qMin(rect.width(), rect.height()) / 24;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.center());
    painter.scale(scale, scale);
    painter.translate(-12, -12);
    painter.fillPath(shape(name), color);
    painter.restore();
}

} // namespace SymbolImage
