#include "ui/controls/SymbolImage.h"

#include "platform/ResourceLocator.h"
#include "ui/controls/TemplateImage.h"

#include <QHash>
#include <QRectF>

namespace SymbolImage {

void paint(const ResourceLocator& resources, QPainter& painter, const QRectF& rect,
           const QString& name, const QColor& color) {
    const std::optional<QString> path =
        resources.path(QStringLiteral("symbols/") + name, QStringLiteral("svg"));
    if (!path)
        return;
    // Per file rather than per name: each resource folder has its own images.
    static QHash<QString, TemplateImage> images;
    auto image = images.find(*path);
    if (image == images.end())
        image = images.insert(*path, TemplateImage(*path));
    const qreal side = qMin(rect.width(), rect.height());
    QRectF square(0, 0, side, side);
    square.moveCenter(rect.center());
    image->paint(painter, square, color);
}

} // namespace SymbolImage
