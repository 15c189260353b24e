#pragma once

// The installer's funnel reports to usage analytics. Each is dropped
// silently while analytics is off or no tracker exists; none fails towards
// the caller, and any thread may call them.

#include <map>
#include <string>

namespace Funnel {

using Properties = std::map<std::wstring, std::wstring>;

// A task event: `label` with a duration in seconds and a detail text.
void ReportTask(const std::wstring& label, float elapsed, const std::wstring& reason,
                const Properties& properties);

void ReportClick(const std::wstring& label, const Properties& properties);

void ReportView(const std::wstring& label, const Properties& properties);

void ReportCrash();

}  // namespace Funnel
