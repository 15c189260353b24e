#pragma once

// The staging file keeps queued records from one run to the next: one
// compact JSON record per line, oldest first. Paths are in the ANSI code
// page.

#include <deque>
#include <string>
#include <vector>

namespace usage_analytics {

// The lines that look like whole records (non-empty, starting with "{" and
// ending with "}"), in file order; none when the file is missing or
// unreadable. Lines cut off by a crash during a write are skipped.
std::vector<std::string> ReadStagedRecords(const std::string& path);

// Empties the file (creating it when missing).
void ClearStagingFile(const std::string& path);

// Replaces the file's content by `records`, one per line.
void WriteStagingFile(const std::string& path, const std::deque<std::string>& records);

}  // namespace usage_analytics
