#pragma once

// Chooses the downloader strategy from the configured download type.

#include <memory>
#include <string>

#include "download/downloader.h"

enum class DownloadStrategy {
    SystemUrl,         // CWinDownloader
    Segmented,         // CMTCurlDownloader
    SingleConnection,  // CCurlDownloader, the default
};

// 2: system URL download, 3: segmented, any other value: single connection.
DownloadStrategy StrategyForDownloadType(int downloadType);

std::unique_ptr<CDownloader> CreateDownloader(int downloadType, DownloadCallback callback,
                                              std::wstring url, std::wstring destination);
