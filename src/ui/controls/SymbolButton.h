#pragma once

#include <QAbstractButton>
#include <optional>

class ResourceLocator;

// A button without bezel whose label is a symbol image (see SymbolImage), in
// the text colour unless given one, inside `padding` on every side. Its owner
// names it for assistive technology by what it does.
class SymbolButton : public QAbstractButton {
    Q_OBJECT
public:
    SymbolButton(const QString& symbolName, QSizeF symbolSize, const ResourceLocator& resources,
                 QWidget* parent = nullptr);

    const QString& symbolName() const { return m_symbolName; }
    void setSymbolName(const QString& name);
    // No colour: the palette's text colour.
    void setColor(std::optional<QColor> color);
    void setOpacity(qreal opacity);
    void setPadding(QMargins padding);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ResourceLocator& m_resources;
    QString m_symbolName;
    QSizeF m_symbolSize;
    std::optional<QColor> m_color;
    qreal m_opacity = 1;
    QMargins m_padding;
};
