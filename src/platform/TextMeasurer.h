#pragma once

#include <QSizeF>
#include <QString>

// The rendered size of a text in the emoji font. Safe to call from any thread.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual QSizeF size(const QString& text) const = 0;
};
