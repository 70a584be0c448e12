#include "FakeTextMeasurer.h"
#include "FuzzResource.h"
#include "catalogue/SystemGroups.h"
#include "platform/MessageError.h"

// The catalogue either loads or fails with a message; a loaded group is never
// empty.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzResource resource(QStringLiteral("emojis.json"));
    static const FakeTextMeasurer measurer;
    resource.hold(data, size);
    for (const std::optional<Tone> tone : {std::optional<Tone>(), std::optional(Tone::dark)}) {
        try {
            for (const EmojiGroup& group : loadSystemGroups(resource, measurer, tone))
                if (group.emojis.isEmpty())
                    abort();
        } catch (const MessageError&) {
        }
    }
    return 0;
}
