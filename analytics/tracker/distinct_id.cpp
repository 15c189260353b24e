#include "analytics/tracker/distinct_id.h"

#include <objbase.h>

#include <cstdio>
#include <mutex>
#include <random>

namespace vorta::analytics {

std::string FormatDistinctId(const GUID& guid) {
    char text[40] = {};
    std::snprintf(text, sizeof text, "%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X",
                  static_cast<unsigned long>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0],
                  guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5],
                  guid.Data4[6], guid.Data4[7]);
    return text;
}

std::string FallbackDistinctId() {
    static std::mutex lock;
    static std::mt19937 engine;
    std::uniform_int_distribution<unsigned> draw(0, 2147483646);
    unsigned r[9] = {};
    {
        std::lock_guard<std::mutex> guard(lock);
        for (int i = 1; i <= 8; ++i) r[i] = draw(engine);
    }
    char text[80] = {};
    std::snprintf(text, sizeof text, "%x%x-%x-%x-%x-%x%x%x", r[8], r[7], r[6],
                  (r[5] & 0xFFFu) | 0x4000u, (r[4] % 0x3FFFu) + 0x8000u, r[3], r[2], r[1]);
    return text;
}

std::string NewDistinctId() {
    GUID guid{};
    // The first call only warms up COM's generator; its GUID is not used.
    CoCreateGuid(&guid);
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (SUCCEEDED(CoCreateGuid(&guid))) return FormatDistinctId(guid);
    }
    return FallbackDistinctId();
}

}  // namespace vorta::analytics
