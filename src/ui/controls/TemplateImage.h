#pragma once

#include <QHash>
#include <QPixmap>
#include <QSvgRenderer>
#include <memory>

class QPainter;
class ResourceLocator;

// An image of the program's own (an SVG resource) drawn as a template: only its
// shape counts, filled with the colour the caller gives. Rendered pixmaps are
// kept per size, colour and pixel ratio, so repaints only copy them.
class TemplateImage {
public:
    // The resource "<name>.svg"; an image that draws nothing when it is missing.
    static TemplateImage named(const ResourceLocator& resources, const QString& name);
    explicit TemplateImage(const QString& path);
    // Draws nothing.
    TemplateImage() = default;

    bool isNull() const;
    void paint(QPainter& painter, const QRectF& rect, const QColor& color) const;

private:
    std::shared_ptr<QSvgRenderer> m_renderer;
    mutable QHash<QString, QPixmap> m_pixmaps;
};
