// A program with a tracker, for tests that need the tracker in a process of
// its own folder (where "Set.ini" is looked for):
//   tracker_probe.exe <appName> <collector URL>
// Initialises a tracker, records one task and shuts it down. Exits with 0,
// or 1 when init failed.

#include <windows.h>
#include <shellapi.h>

#include <curl/curl.h>

#include "analytics/tracker/usage_tracker_impl.h"
#include "utils/text_encoding.h"

int wmain() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments || count != 3) return 2;
    vorta::analytics::UsageTrackerConfig config;
    config.appName = Utils::ToUtf8(arguments[1]);
    config.appVersion = "1.7.9";
    config.appStore = "tracker_probe.exe";
    config.serverUrl = Utils::ToUtf8(arguments[2]);
    LocalFree(arguments);

    curl_global_init(CURL_GLOBAL_ALL);
    int result = 0;
    {
        vorta::analytics::UsageTrackerImpl tracker(config);
        try {
            tracker.init();
            vorta::analytics::ZrEventTask task;
            task.name = "probe";
            tracker.trackTask(task, vorta::analytics::ZrContextProperties());
        } catch (const std::exception&) {
            result = 1;
        }
    }
    curl_global_cleanup();
    return result;
}
