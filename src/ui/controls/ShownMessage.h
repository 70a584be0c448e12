#pragma once

#include <QString>

// The user's language's wording of a message that the program's services give
// in English, where it is one of the messages a user meets (a paste that
// failed, a key another program holds or the desktop refused, espanso or its
// file missing). The services say the same in English on standard output; the
// parts they fill in (a key, a path) are kept, and technical messages (exit
// codes, what a program printed) are shown as they are.
QString shownMessage(const QString& message);
