#pragma once

#include "ui/controls/BusyButton.h"

// "Install" or "Uninstall" on the general settings page, busy while the
// operation it started runs.
class PresetActionButton : public BusyButton {
    Q_OBJECT
public:
    explicit PresetActionButton(QWidget* parent = nullptr);

    // "Uninstall" when installed, otherwise "Install", enabled as given.
    void showInstalled(bool isInstalled, bool canInstall);
};
