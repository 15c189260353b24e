#include "installer/src/global_tracker.h"

namespace {

using TrackerReference = std::shared_ptr<vorta::analytics::UsageTracker>;

// Read by the crash filter on any thread while shutdown may reset it, hence
// the atomic accesses.
TrackerReference& Slot() {
    static TrackerReference tracker;
    return tracker;
}

}  // namespace

TrackerReference GlobalTracker() { return std::atomic_load(&Slot()); }

void InstallGlobalTracker(TrackerReference tracker) {
    std::atomic_store(&Slot(), std::move(tracker));
}

void ReleaseGlobalTracker() { std::atomic_store(&Slot(), TrackerReference()); }
