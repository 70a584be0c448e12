#pragma once

#include <QWidget>
#include <optional>

class AppInfo;
class ResourceLocator;

// The about page: the program's icon, name, version and rights notice, and a
// button to the maker's web page.
class AboutSettingsView : public QWidget {
    Q_OBJECT
public:
    AboutSettingsView(const AppInfo& appInfo, const ResourceLocator& resources,
                      QWidget* parent = nullptr);

    // "Tesselle ⚡️ Version 1.0", with "Tesselle" and "???" for missing values.
    static QString title(const AppInfo& appInfo);
    // The notice with every 2023 written as the given year; "???" when missing.
    static QString notice(const std::optional<QString>& copyright, int year);
};
