#include "ui/seven_zip_archive.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "7z.h"
#include "7zAlloc.h"
#include "7zCrc.h"

namespace {

// The archive bytes as the decoder's seekable input stream.
struct MemoryInStream {
    ISeekInStream vt;  // first, so that the decoder's pointer is the struct's
    const uint8_t* data;
    size_t size;
    size_t position;
};

MemoryInStream* StreamOf(ISeekInStreamPtr stream) {
    return reinterpret_cast<MemoryInStream*>(const_cast<ISeekInStream*>(stream));
}

SRes ReadMemory(ISeekInStreamPtr stream, void* buffer, size_t* size) {
    MemoryInStream* self = StreamOf(stream);
    const size_t count = std::min(*size, self->size - self->position);
    std::memcpy(buffer, self->data + self->position, count);
    self->position += count;
    *size = count;
    return SZ_OK;
}

SRes SeekMemory(ISeekInStreamPtr stream, Int64* position, ESzSeek origin) {
    MemoryInStream* self = StreamOf(stream);
    Int64 base = 0;
    if (origin == SZ_SEEK_CUR) base = static_cast<Int64>(self->position);
    if (origin == SZ_SEEK_END) base = static_cast<Int64>(self->size);
    const Int64 target = base + *position;
    if (target < 0 || target > static_cast<Int64>(self->size)) return SZ_ERROR_INPUT_EOF;
    self->position = static_cast<size_t>(target);
    *position = target;
    return SZ_OK;
}

constexpr size_t kLookAheadSize = 1 << 14;
const ISzAlloc kAlloc = {SzAlloc, SzFree};
const ISzAlloc kAllocTemp = {SzAllocTemp, SzFreeTemp};

// The decoder's state for one opening, released whatever happens.
class Decoder {
public:
    Decoder(const uint8_t* data, size_t size) : lookAhead_(kLookAheadSize) {
        stream_.vt.Read = ReadMemory;
        stream_.vt.Seek = SeekMemory;
        stream_.data = data;
        stream_.size = size;
        stream_.position = 0;
        LookToRead2_CreateVTable(&look_, False);
        look_.buf = lookAhead_.data();
        look_.bufSize = lookAhead_.size();
        look_.realStream = &stream_.vt;
        LookToRead2_INIT(&look_);
        SzArEx_Init(&database_);
    }
    ~Decoder() {
        ISzAlloc_Free(&kAlloc, solidCache_);
        SzArEx_Free(&database_, &kAlloc);
    }
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    bool Open() { return SzArEx_Open(&database_, &look_.vt, &kAlloc, &kAllocTemp) == SZ_OK; }

    UInt32 FileCount() const { return database_.NumFiles; }
    bool IsFolder(UInt32 index) const { return SzArEx_IsDir(&database_, index); }

    std::wstring Name(UInt32 index) const {
        const size_t length = SzArEx_GetFileNameUtf16(&database_, index, nullptr);
        std::vector<UInt16> name(length);
        SzArEx_GetFileNameUtf16(&database_, index, name.data());
        return std::wstring(name.begin(), name.end() - 1);
    }

    // The solid folder is decoded once; every file is a slice of it.
    bool Extract(UInt32 index, std::vector<uint8_t>& data) {
        size_t offset = 0;
        size_t size = 0;
        if (SzArEx_Extract(&database_, &look_.vt, index, &blockIndex_, &solidCache_,
                           &solidCacheSize_, &offset, &size, &kAlloc, &kAllocTemp) != SZ_OK) {
            return false;
        }
        data.assign(solidCache_ + offset, solidCache_ + offset + size);
        return true;
    }

private:
    MemoryInStream stream_{};
    std::vector<Byte> lookAhead_;
    CLookToRead2 look_{};
    CSzArEx database_{};
    UInt32 blockIndex_ = 0xFFFFFFFF;
    Byte* solidCache_ = nullptr;
    size_t solidCacheSize_ = 0;
};

}  // namespace

std::unique_ptr<CSevenZipArchive> CSevenZipArchive::OpenFromMemory(const uint8_t* data,
                                                                   size_t size) {
    if (data == nullptr || size == 0) return nullptr;
    CrcGenerateTable();
    Decoder decoder(data, size);
    if (!decoder.Open()) return nullptr;

    auto archive = std::make_unique<CSevenZipArchive>();
    for (UInt32 index = 0; index < decoder.FileCount(); ++index) {
        if (decoder.IsFolder(index)) continue;
        Entry entry;
        entry.name = decoder.Name(index);
        entry.nameLength = static_cast<int>(entry.name.size()) + 1;
        entry.index = static_cast<int>(index);
        if (!decoder.Extract(index, entry.data)) break;
        entry.size = entry.data.size();
        archive->entries_.push_back(std::move(entry));
    }
    return archive;
}

std::optional<CSevenZipArchive::Location> CSevenZipArchive::Find(const std::wstring& path) const {
    std::wstring wanted = path;
    std::replace(wanted.begin(), wanted.end(), L'\\', L'/');
    const int wantedLength = static_cast<int>(wanted.size()) + 1;
    for (const Entry& entry : entries_) {
        if (entry.nameLength == wantedLength &&
            lstrcmpiW(entry.name.c_str(), wanted.c_str()) == 0) {
            return Location{entry.index, entry.size};
        }
    }
    return std::nullopt;
}

bool CSevenZipArchive::Copy(int index, void* destination) const {
    for (const Entry& entry : entries_) {
        if (entry.index != index) continue;
        if (!entry.data.empty()) std::memcpy(destination, entry.data.data(), entry.data.size());
        return true;
    }
    return false;
}
