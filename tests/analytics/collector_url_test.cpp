#include <gtest/gtest.h>

#include "analytics/core/collector_url.h"

namespace {

TEST(CollectorUrlTest, DefaultIsHttpsWithPathAndProject) {
    const std::string url = usage_analytics::DefaultCollectorUrl();
    const std::string path = "/sa?project=pc";
    EXPECT_EQ(url.rfind("https://", 0), 0u);
    ASSERT_GT(url.size(), path.size() + 8);
    EXPECT_EQ(url.substr(url.size() - path.size()), path);
    EXPECT_EQ(url.find('/', 8), url.size() - path.size());
}

}  // namespace
