#pragma once

#include <QAbstractButton>

class Preferences;
class ResourceLocator;

// An entry of the picker's small menu: a symbol and a text, left-aligned over
// the full width, on a rounded rectangle in the accent colour that shows only
// while the pointer is over it.
class HoverButton : public QAbstractButton {
    Q_OBJECT
public:
    HoverButton(const QString& systemImage, const QString& text, Preferences& preferences,
                const ResourceLocator& resources, QWidget* parent = nullptr);

    bool isHovered() const { return m_isHovered; }
    QSize sizeHint() const override;

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_systemImage;
    Preferences& m_preferences;
    const ResourceLocator& m_resources;
    bool m_isHovered = false;
};
