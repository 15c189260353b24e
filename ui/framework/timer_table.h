#pragma once

// The bookkeeping of per-control timers: one record per (control, id), each
// with its own system timer id on the window. A new record takes the id after
// the previously handed out one, counting modulo 255; 0 (not a valid timer id
// for a window) and ids still held by another record are skipped, so two
// records never share a system timer. Killing a record keeps it (and its
// system id) for re-arming.

#include <windows.h>

#include <optional>
#include <vector>

class CControl;

namespace SkinUI {

class TimerTable {
public:
    enum class SetResult { Armed, AlreadyRunning, NoFreeId };
    struct SetOutcome {
        SetResult result;
        UINT systemId;  // the system timer to arm when `result` is Armed
    };

    SetOutcome Set(CControl* control, UINT id);

    // The system timer to stop when the record was running.
    std::optional<UINT> Kill(CControl* control, UINT id);

    // Drops every record of `control`; returns the system timers to stop.
    std::vector<UINT> RemoveControl(CControl* control);

    struct Target {
        CControl* control;
        UINT id;
    };
    // The running record behind a fired system timer.
    std::optional<Target> Running(UINT systemId) const;

private:
    struct Record {
        CControl* control;
        UINT id;
        UINT systemId;
        bool running;
    };

    std::optional<UINT> NextSystemId() const;

    std::vector<Record> records_;
    UINT lastSystemId_ = 0;
};

}  // namespace SkinUI
