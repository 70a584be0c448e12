#pragma once

#include <QWidget>

// The translucent background behind the picker panel and the welcome window,
// standing in for the desktop's blurred materials: the window colour, partly
// see-through, in a rounded rectangle. `material` takes the platform's
// material values; the sidebar (7) is the one in use.
class BlurView : public QWidget {
    Q_OBJECT
public:
    static constexpr int sidebarMaterial = 7;

    explicit BlurView(int material = sidebarMaterial, QWidget* parent = nullptr);

    int material() const { return m_material; }
    void setMaterial(int material);
    void setCornerRadius(qreal radius);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_material;
    qreal m_cornerRadius = 0;
};
