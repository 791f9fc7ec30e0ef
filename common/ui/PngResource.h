#pragma once
// A private copy of a resource of type "PNG" in fixed global memory, with a stream over it for the
// decoder (the picture cache decodes each picture once and keeps only the result).
#include <windows.h>
#include <objidl.h>

#include <utility>

#include "Com.h"
#include "Handles.h"

class CPngResource {
public:
    CPngResource() = default;
    CPngResource(CPngResource&& other) noexcept { *this = std::move(other); }
    CPngResource& operator=(CPngResource&& other) noexcept {
        if (this != &other) {
            Reset();
            memory_ = std::move(other.memory_);
            stream_ = std::move(other.stream_);
            size_ = std::exchange(other.size_, 0);
        }
        return *this;
    }
    CPngResource(const CPngResource&) = delete;
    CPngResource& operator=(const CPngResource&) = delete;

    // Replaces what was loaded by the PNG resource `id` of `module` (null: the program). False,
    // and nothing loaded, when the resource is missing or memory or the stream cannot be had.
    bool Load(UINT id, HMODULE module = nullptr);
    void Reset();

    bool Loaded() const { return static_cast<bool>(stream_); }
    // Borrowed; valid until Reset, Load or destruction.
    IStream* Stream() const { return stream_.Get(); }
    SIZE_T Size() const { return size_; }

private:
    // Declared before the stream so that the stream is released first.
    fw::GlobalMem memory_;
    fw::ComPtr<IStream> stream_;
    SIZE_T size_ = 0;
};
