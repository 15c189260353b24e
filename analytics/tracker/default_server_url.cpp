#include "analytics/tracker/default_server_url.h"

#include "analytics/core/collector_url.h"

namespace vorta::analytics {

std::string DefaultServerUrl() { return usage_analytics::DefaultCollectorUrl(); }

}  // namespace vorta::analytics
