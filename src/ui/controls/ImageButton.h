#pragma once

#include "ui/controls/TemplateImage.h"

#include <QAbstractButton>

// A button without bezel showing one of the program's images as a template,
// in the text colour, at a fixed size.
class ImageButton : public QAbstractButton {
    Q_OBJECT
public:
    ImageButton(TemplateImage image, QSize size, QWidget* parent = nullptr);

    QSize sizeHint() const override { return m_size; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TemplateImage m_image;
    QSize m_size;
};
