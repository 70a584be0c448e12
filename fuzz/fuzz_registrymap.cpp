#include "FuzzStoredSetting.h"
#include "settings/SettingsKeys.h"
#include "shortcuts/ShortcutRegistry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzzStoredSetting<std::optional<ShortcutRegistry::Map>>(data, size,
                                                                   SettingsKeys::shortcuts, {});
}
