#pragma once

class QString;
class QWidget;

// Names a row's control after the title shown beside it, for assistive
// technology, unless it has a name or a button text of its own: a painted
// picker or a switch without a label would have none.
void nameAfterTitle(QWidget* control, const QString& title);
