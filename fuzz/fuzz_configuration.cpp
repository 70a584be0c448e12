#include "FuzzStoredSetting.h"
#include "settings/SettingsKeys.h"
#include "shortcuts/PresetConfiguration.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzzStoredSetting<std::optional<PresetConfiguration>>(
        data, size, SettingsKeys::configuration, std::nullopt);
}
