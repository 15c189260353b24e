#include "installer/src/transfer_library.h"

#include <curl/curl.h>

namespace TransferLibrary {

bool Initialise() {
    return curl_global_init(CURL_GLOBAL_ALL) == CURLE_OK;
}

void Cleanup() {
    curl_global_cleanup();
}

}  // namespace TransferLibrary
