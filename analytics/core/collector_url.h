#pragma once

#include <string>

namespace usage_analytics {

// The collector used when the tracker is given no server URL: HTTPS, path
// "/sa", project "pc". The host is chosen when the program is built.
std::string DefaultCollectorUrl();

}  // namespace usage_analytics
