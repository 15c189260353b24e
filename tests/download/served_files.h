#pragma once

// A package server over a scratch folder, with test files written at test
// time (deterministic content, so nothing large is kept in the tree).

#include <memory>
#include <string>

#include "tests/support/package_server.h"
#include "tests/support/temp_dir.h"

class ServedFiles {
public:
    ServedFiles();

    bool Running() const { return server_ && server_->Running(); }
    TestSupport::PackageServer& Server() { return *server_; }

    // Writes `size` bytes of content determined by the size into the served
    // folder; returns the file's path.
    std::wstring Add(const std::string& name, long long size);
    std::wstring ServedPath(const std::string& name) const;
    std::string Md5Of(const std::string& name) const;
    // "/<md5>/<name>": the address the server redirects "/software/<name>" to.
    std::string DigestPath(const std::string& name) const;

    // Stops the server; a later RestartServer() serves again on the same
    // port, so addresses made before stay valid.
    void StopServer();
    bool RestartServer();

    // A folder for the downloaded files, not served.
    const std::wstring& Downloads() const { return downloads_; }

private:
    TestSupport::TempDir scratch_;
    std::wstring served_;
    std::wstring downloads_;
    std::unique_ptr<TestSupport::PackageServer> server_;
    int port_ = 0;
};

// True when both files exist and hold the same bytes.
bool SameContent(const std::wstring& left, const std::wstring& right);

// The size of a file, or -1 when it does not exist.
long long FileSizeOf(const std::wstring& path);
