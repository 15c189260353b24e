#include "analytics/core/collector_url.h"

namespace usage_analytics {

std::string DefaultCollectorUrl() {
    return std::string("https://") + QUILLORA_COLLECTOR_HOST + "/sa?project=pc";
}

}  // namespace usage_analytics
