#include "catalogue/MeasurementWarmUp.h"

#include "catalogue/SystemGroups.h"

QCoro::Task<> warmUpMeasurements(const ResourceLocator& resources, const TextMeasurer& measurer) {
    try {
        // Any tone but yellow measures every symbol; the groups are not needed.
        loadSystemGroups(resources, measurer, Tone::light);
    } catch (const std::exception&) {
    }
    co_return;
}
