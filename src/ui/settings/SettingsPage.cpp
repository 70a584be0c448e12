#include "ui/settings/SettingsPage.h"

#include <QStackedWidget>
#include <QVBoxLayout>

SettingsPage::SettingsPage(QWidget* content, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
}

bool SettingsPage::isCurrent() const {
    const auto* stack = qobject_cast<const QStackedWidget*>(parentWidget());
    return !stack || stack->currentWidget() == this;
}

QSize SettingsPage::sizeHint() const {
    return isCurrent() ? QWidget::sizeHint() : QSize(0, 0);
}

QSize SettingsPage::minimumSizeHint() const {
    return isCurrent() ? QWidget::minimumSizeHint() : QSize(0, 0);
}

int SettingsPage::heightForWidth(int width) const {
    return isCurrent() ? QWidget::heightForWidth(width) : 0;
}

// The tab view shows one page and hides the one before: both ask again.
void SettingsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    updateGeometry();
}

void SettingsPage::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    updateGeometry();
}
