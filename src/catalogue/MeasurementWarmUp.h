#pragma once

#include <QCoroTask>

class ResourceLocator;
class TextMeasurer;

// Measures every catalogue symbol in a skin tone, as loading the catalogue in a
// tone does, so that the picker and the preset installation later find the
// sizes measured. Meant for the background thread after launch: measuring the
// whole catalogue takes about half a second. A catalogue that cannot be loaded
// leaves nothing to measure.
QCoro::Task<> warmUpMeasurements(const ResourceLocator& resources, const TextMeasurer& measurer);
