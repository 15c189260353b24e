#include "ui/framework/timer_table.h"

#include <algorithm>

namespace SkinUI {

namespace {

constexpr UINT kSystemIdRange = 255;

}  // namespace

std::optional<UINT> TimerTable::NextSystemId() const {
    for (UINT step = 1; step <= kSystemIdRange; ++step) {
        const UINT candidate = (lastSystemId_ + step) % kSystemIdRange;
        if (candidate == 0) continue;
        const bool taken = std::any_of(records_.begin(), records_.end(),
                                       [&](const Record& r) { return r.systemId == candidate; });
        if (!taken) return candidate;
    }
    return std::nullopt;
}

TimerTable::SetOutcome TimerTable::Set(CControl* control, UINT id) {
    for (Record& record : records_) {
        if (record.control != control || record.id != id) continue;
        if (record.running) return SetOutcome{SetResult::AlreadyRunning, record.systemId};
        record.running = true;
        return SetOutcome{SetResult::Armed, record.systemId};
    }
    const auto systemId = NextSystemId();
    if (!systemId) return SetOutcome{SetResult::NoFreeId, 0};
    lastSystemId_ = *systemId;
    records_.push_back(Record{control, id, *systemId, true});
    return SetOutcome{SetResult::Armed, *systemId};
}

std::optional<UINT> TimerTable::Kill(CControl* control, UINT id) {
    for (Record& record : records_) {
        if (record.control == control && record.id == id && record.running) {
            record.running = false;
            return record.systemId;
        }
    }
    return std::nullopt;
}

std::vector<UINT> TimerTable::RemoveControl(CControl* control) {
    std::vector<UINT> stopped;
    for (const Record& record : records_) {
        if (record.control == control && record.running) stopped.push_back(record.systemId);
    }
    records_.erase(std::remove_if(records_.begin(), records_.end(),
                                  [control](const Record& r) { return r.control == control; }),
                   records_.end());
    return stopped;
}

std::optional<TimerTable::Target> TimerTable::Running(UINT systemId) const {
    for (const Record& record : records_) {
        if (record.systemId == systemId && record.running) return Target{record.control, record.id};
    }
    return std::nullopt;
}

}  // namespace SkinUI
