#pragma once

namespace TestSupport {

// Empties the system's URL cache of this Wine prefix. The system URL
// downloader stores every package it fetches there; under Wine the cache
// stops taking entries after a few dozen megabytes of them, and later
// downloads then fail. A real machine downloads the package once; the tests
// do it many times, so each test that uses that downloader starts clean.
void ClearUrlCache();

}  // namespace TestSupport
