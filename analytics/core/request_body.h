#pragma once

// The form body that carries one batch of records to the collector:
// "data_list=" + URL-encoded Base64 of the gzip of the batch + "&gzip=1".

#include <optional>
#include <string>

namespace usage_analytics {

// Gzip (deflate level 9, window bits 31, memory level 8); nullopt after a
// zlib failure, which is reported on the error stream.
std::optional<std::string> Gzip(const std::string& data);

// Standard Base64 with "=" padding.
std::string Base64(const std::string& data);

// Keeps A-Z, a-z, 0-9, "-", ".", "_" and "~"; every other byte becomes "%"
// and two upper-case hexadecimal digits.
std::string UrlEncode(const std::string& text);

// The whole body for `batch`, or nullopt when compression failed.
std::optional<std::string> BuildRequestBody(const std::string& batch);

}  // namespace usage_analytics
