#pragma once

// Rules the downloaders share about URLs and the digest carried in them.

#include <string>

// The URL as handed to libcurl: UTF-8, except "file:///" URLs (exact,
// case-sensitive prefix), whose paths libcurl opens in the ANSI code page.
std::string UrlForCurl(const std::wstring& url);

// The expected MD5 carried by an effective URL: the folder just before the
// file name ("scheme://host/dir/<md5>/name.exe"); empty when the URL has no
// two slashes to take it from.
std::string ExpectedMd5FromUrl(const std::string& effectiveUrl);

// Only a 32-character digest can be compared with a file's MD5.
bool IsUsableMd5(const std::string& md5);

// The URL as handed to the system's URL-to-file download: "file:///" URLs
// unchanged; otherwise UTF-8 where every byte outside 33..126 is escaped,
// a space as "+" and the rest as "%" with two uppercase hexadecimal digits.
std::wstring UrlForSystemDownload(const std::wstring& url);
