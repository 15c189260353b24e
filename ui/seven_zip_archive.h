#pragma once

// A 7z archive decompressed into memory at once: one entry per file (folders
// are left out) holding its stored name and its bytes. Lookups compare the
// whole name ignoring case, after turning "\" into "/".

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CSevenZipArchive {
public:
    struct Entry {
        std::wstring name;  // as stored, for example "res/mainWnd/bg1.png"
        int nameLength;     // characters including the terminating zero
        int index;          // file index in the archive
        std::vector<uint8_t> data;
        uint64_t size;
    };

    struct Location {
        int index;
        uint64_t size;
    };

    // Nothing when the bytes are not a readable 7z archive. When a file
    // cannot be extracted, the entries before it are kept.
    static std::unique_ptr<CSevenZipArchive> OpenFromMemory(const uint8_t* data, size_t size);

    std::optional<Location> Find(const std::wstring& path) const;
    // Copies the entry's `size` bytes to `destination`; false for an unknown index.
    bool Copy(int index, void* destination) const;

    const std::vector<Entry>& Entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
};
