#include "FuzzStoredSetting.h"
#include "settings/SettingsKeys.h"

#include <QStringList>

// The favourites and the recents: both are lists of symbols.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzzStoredSetting<QStringList>(data, size, SettingsKeys::favorites, {});
}
