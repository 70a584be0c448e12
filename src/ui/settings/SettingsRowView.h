#pragma once

#include <QWidget>

class PopoverButton;
class ResourceLocator;

// One setting of the general page: "Title:" in a column where all colons line
// up, the control, and at the right end a question mark that shows the hint.
class SettingsRowView : public QWidget {
    Q_OBJECT
public:
    SettingsRowView(const QString& title, const QString& hint, QWidget* content,
                    const ResourceLocator& resources, QWidget* parent = nullptr);

    PopoverButton& hintButton() const { return *m_hintButton; }

private:
    PopoverButton* m_hintButton;
};
