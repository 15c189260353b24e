#include "analytics/core/staging_file.h"

#include <fstream>

namespace usage_analytics {

std::vector<std::string> ReadStagedRecords(const std::string& path) {
    std::vector<std::string> records;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.front() == '{' && line.back() == '}') {
            records.push_back(std::move(line));
        }
    }
    return records;
}

void ClearStagingFile(const std::string& path) { std::ofstream file(path, std::ios::trunc); }

void WriteStagingFile(const std::string& path, const std::deque<std::string>& records) {
    std::ofstream file(path, std::ios::trunc);
    for (const std::string& record : records) file << record << '\n';
}

}  // namespace usage_analytics
