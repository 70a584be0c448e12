#include "FuzzResource.h"
#include "platform/MessageError.h"
#include "shortcuts/PresetReader.h"

// Every shortcut read from a list is "/" and a lower-case name.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzResource resource(QStringLiteral("person.csv"));
    resource.hold(data, size);
    for (const Shortcut& shortcut : readPresetShortcuts(resource, QStringLiteral("person")))
        if (!shortcut.text.startsWith(u'/') || shortcut.text != shortcut.text.toLower())
            abort();
    return 0;
}
