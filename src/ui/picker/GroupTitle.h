#pragma once

#include <QString>

// A group's or section's title in the user's language, as the tabs, the
// section headers and assistive technology show it. The English title stays
// the group's id.
QString shownTitle(const QString& title);
