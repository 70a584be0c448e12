#pragma once

#include <functional>

class BackgroundTasks;
class ResourceLocator;
class TextMeasurer;

// Measures every catalogue symbol in a skin tone, as loading the catalogue in a
// tone does, so that the picker and the preset installation later find the
// sizes measured (cold, that takes a few seconds). Runs on the background
// thread as a chain of short jobs, each queued as the last one ends: other
// background work, such as the quit's removal of the shortcuts, waits for one
// job at most, and a stopped thread leaves no task suspended behind. `done`
// runs on the background thread after the last symbol. A catalogue that cannot
// be read leaves nothing to measure.
void warmUpMeasurements(BackgroundTasks& background, const ResourceLocator& resources,
                        const TextMeasurer& measurer, std::function<void()> done = {});
