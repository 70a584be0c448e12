#pragma once

#include <QWidget>

// One labelled row of the welcome form: the title on the left, the control at
// the right end, 42 high, with a divider below unless it is the last row.
class WelcomeRowView : public QWidget {
    Q_OBJECT
public:
    WelcomeRowView(const QString& title, QWidget* content, bool skipDivider,
                   QWidget* parent = nullptr);
};
