#pragma once

// libcurl pieces both HTTP downloaders use.

#include <curl/curl.h>

#include <cstddef>
#include <string>

// libcurl's receive buffer. Its 16 KiB default makes a transfer many times
// slower under Wine, where each buffer costs a round of system calls.
inline constexpr long kReceiveBufferSize = 512 * 1024;

// Each HTTP downloader retries a failing transfer within this budget; a
// try costs RetryCost(result) of it.
inline constexpr int kRetryBudget = 12;

// A broken connection (libcurl's partial-file error) costs half of what any
// other failure costs: it usually resumes with progress.
int RetryCost(int result);

// Write function for probes: accepts and drops every byte.
size_t DiscardBody(char* data, size_t size, size_t count, void* unused);

// The URL after all redirects; empty when libcurl has none.
std::string EffectiveUrl(CURL* curl);

// libcurl's text for a result code, for the diagnostic log.
std::wstring CurlErrorText(int code);
