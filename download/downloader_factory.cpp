#include "download/downloader_factory.h"

#include "download/curl_downloader.h"
#include "download/mtcurl_downloader.h"
#include "download/win_downloader.h"

DownloadStrategy StrategyForDownloadType(int downloadType) {
    switch (downloadType) {
        case 2:
            return DownloadStrategy::SystemUrl;
        case 3:
            return DownloadStrategy::Segmented;
        default:
            return DownloadStrategy::SingleConnection;
    }
}

std::unique_ptr<CDownloader> CreateDownloader(int downloadType, DownloadCallback callback,
                                              std::wstring url, std::wstring destination) {
    switch (StrategyForDownloadType(downloadType)) {
        case DownloadStrategy::SystemUrl:
            return std::make_unique<CWinDownloader>(std::move(callback), std::move(url),
                                                    std::move(destination));
        case DownloadStrategy::Segmented:
            return std::make_unique<CMTCurlDownloader>(std::move(callback), std::move(url),
                                                       std::move(destination));
        case DownloadStrategy::SingleConnection:
            break;
    }
    return std::make_unique<CCurlDownloader>(std::move(callback), std::move(url),
                                             std::move(destination));
}
