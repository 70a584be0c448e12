#include "ui/settings/PresetActionButton.h"

#include <QPushButton>

PresetActionButton::PresetActionButton(QWidget* parent) : BusyButton(QString(), parent) {
    showInstalled(false, false);
}

void PresetActionButton::showInstalled(bool isInstalled, bool canInstall) {
    button().setText(isInstalled ? tr("Uninstall") : tr("Install"));
    button().setEnabled(isInstalled || canInstall);
}
