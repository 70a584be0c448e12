#pragma once

#include <QWidget>

class PopoverButton;
class QLabel;
class ResourceLocator;

// One setting of the general page: "Title:" in a column where all colons line
// up, the control, and at the right end a question mark that shows the hint.
// The column is as wide as the widest title of the page needs
// (alignTitles()), 130 pixels at least.
class SettingsRowView : public QWidget {
    Q_OBJECT
public:
    SettingsRowView(const QString& title, const QString& hint, QWidget* content,
                    const ResourceLocator& resources, QWidget* parent = nullptr);

    PopoverButton& hintButton() const { return *m_hintButton; }

    // Gives the rows' titles one width, the widest title's.
    static void alignTitles(const QList<SettingsRowView*>& rows);

private:
    PopoverButton* m_hintButton;
    QLabel* m_title;
};
