#pragma once

#include "ui/settings/GeneralSettingsView.h"

#include <QWidget>

class AppInfo;
class QTabWidget;
class ResourceLocator;

// The settings window's content: the tabs "General", "Support" and "About".
class SettingsView : public QWidget {
    Q_OBJECT
public:
    SettingsView(GeneralSettingsView::Services general, const AppInfo& appInfo,
                 const ResourceLocator& resources, QWidget* parent = nullptr);

    QTabWidget& tabs() const { return *m_tabs; }

private:
    QTabWidget* m_tabs;
};
