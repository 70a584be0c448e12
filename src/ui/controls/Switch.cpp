#include "ui/controls/Switch.h"

#include <QPainter>
#include <QTextBoundaryFinder>

namespace {
constexpr QSize trackSize(36, 20);
constexpr int knobMargin = 2;
constexpr int labelSpacing = 12;
// The track and a pixel either side for the focus mark.
constexpr int switchWidth = trackSize.width() + 2;
} // namespace

Switch::Switch(const QString& label, QWidget* parent) : QAbstractButton(parent) {
    setText(label);
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

// The label on one line, measured as it is wrapped and drawn: at this width
// it does not wrap.
QSize Switch::sizeHint() const {
    const int labelWidth = text().isEmpty()
                               ? 0
                               : fontMetrics()
                                         .boundingRect(labelRect(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX),
                                                       Qt::TextWordWrap, text())
                                         .width() +
                                     labelSpacing;
    return {labelWidth + switchWidth, std::max(trackSize.height() + 4, fontMetrics().height())};
}

// As narrow as the longest word of the label allows; Chinese and Japanese
// break between any two characters.
QSize Switch::minimumSizeHint() const {
    int longestWord = 0;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text());
    for (qsizetype start = 0, end = 0; (end = breaks.toNextBoundary()) >= 0; start = end) {
        const QString word = text().mid(start, end - start).trimmed();
        longestWord = std::max(longestWord, fontMetrics().horizontalAdvance(word));
    }
    return {longestWord + (text().isEmpty() ? 0 : labelSpacing) + switchWidth, sizeHint().height()};
}

bool Switch::hasHeightForWidth() const {
    return !text().isEmpty();
}

int Switch::heightForWidth(int width) const {
    const QRect label =
        fontMetrics().boundingRect(labelRect(width, QWIDGETSIZE_MAX), Qt::TextWordWrap, text());
    return std::max(sizeHint().height(), label.height());
}

QRect Switch::labelRect(int width, int height) const {
    return {0, 0, std::max(0, width - switchWidth - labelSpacing), height};
}

QRect Switch::switchRect() const {
    QRect track(QPoint(), trackSize);
    track.moveCenter(QPoint(width() - 1 - trackSize.width() / 2, height() / 2));
    return track;
}

void Switch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!text().isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(labelRect(width(), height()),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text());
    }
    const QRectF track = switchRect();
    QColor trackColor =
        isChecked() ? palette().color(QPalette::Highlight) : palette().color(QPalette::Mid);
    if (!isEnabled())
        trackColor.setAlphaF(0.4);
    painter.setPen(hasFocus() ? QPen(palette().color(QPalette::Highlight).darker(130), 1.5)
                              : Qt::NoPen);
    painter.setBrush(trackColor);
    painter.drawRoundedRect(track, track.height() / 2, track.height() / 2);

    const qreal knob = track.height() - 2 * knobMargin;
    const qreal x = isChecked() ? track.right() - knobMargin - knob : track.left() + knobMargin;
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(x, track.top() + knobMargin, knob, knob));
}
