#pragma once

#include <QWidget>

// Stands in for a window's content until its real view exists: a rounded card
// with a title, so that the window can be opened, placed and tested.
class PlaceholderView : public QWidget {
    Q_OBJECT
public:
    PlaceholderView(const QString& title, const QSize& size, QWidget* parent = nullptr);

    QSize sizeHint() const override { return m_size; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
    QSize m_size;
};
