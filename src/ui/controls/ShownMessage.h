#pragma once

#include <QString>

// The user's language's wording of a message that the program's services give
// in English, where it is one of the messages a user meets (a paste that
// failed, a key another program holds, espanso missing). The services say the
// same in English on standard output; technical messages (file paths, exit
// codes) are shown as they are.
QString shownMessage(const QString& message);
