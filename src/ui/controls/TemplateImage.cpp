#include "ui/controls/TemplateImage.h"

#include "platform/ResourceLocator.h"

#include <QPainter>

TemplateImage TemplateImage::named(const ResourceLocator& resources, const QString& name) {
    const auto path = resources.path(name, QStringLiteral("svg"));
    return path ? TemplateImage(*path) : TemplateImage();
}

TemplateImage::TemplateImage(const QString& path)
    : m_renderer(std::make_shared<QSvgRenderer>(path)) {}

bool TemplateImage::isNull() const {
    return !m_renderer || !m_renderer->isValid();
}

void TemplateImage::paint(QPainter& painter, const QRectF& rect, const QColor& color) const {
    if (isNull())
        return;
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QSize pixels = (rect.size() * ratio).toSize();
    // The ratio too: as many pixels at another ratio cover another size.
    const QString key = QStringLiteral("%1x%2@%3 %4")
                            .arg(pixels.width())
                            .arg(pixels.height())
                            .arg(ratio)
                            .arg(color.name(QColor::HexArgb));
    auto found = m_pixmaps.constFind(key);
    if (found == m_pixmaps.cend()) {
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter imagePainter(&image);
        imagePainter.setRenderHint(QPainter::Antialiasing);
        m_renderer->render(&imagePainter);
        imagePainter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        imagePainter.fillRect(image.rect(), color);
        imagePainter.end();
        QPixmap pixmap = QPixmap::fromImage(std::move(image));
        pixmap.setDevicePixelRatio(ratio);
        found = m_pixmaps.insert(key, pixmap);
    }
    painter.drawPixmap(rect.topLeft(), *found);
}
