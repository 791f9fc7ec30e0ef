#include "PngResource.h"

#include <cstring>
#include <utility>

bool CPngResource::Load(UINT id, HMODULE module) {
    Reset();
    if (!module) module = ::GetModuleHandleA(nullptr);
    HRSRC info = ::FindResourceA(module, MAKEINTRESOURCEA(id), "PNG");
    if (!info) return false;
    DWORD size = ::SizeofResource(module, info);
    HGLOBAL res = ::LoadResource(module, info);
    const void* bytes = res ? ::LockResource(res) : nullptr;
    if (!bytes || size == 0) return false;

    fw::GlobalMem memory(::GlobalAlloc(GMEM_FIXED, size));
    if (!memory) return false;
    // GMEM_FIXED memory: the handle is the address.
    std::memcpy(memory.Get(), bytes, size);

    fw::ComPtr<IStream> stream;
    // The memory is ours (memory_), so the stream must not free it.
    if (FAILED(::CreateStreamOnHGlobal(memory.Get(), FALSE, stream.Put())) || !stream) return false;
    // No SetSize here: it would re-allocate the block behind memory_'s back. Should the block be
    // rounded up, decoders stop at the end of the picture anyway.

    memory_ = std::move(memory);
    stream_ = std::move(stream);
    size_ = size;
    return true;
}

void CPngResource::Reset() {
    stream_.Reset();
    memory_.Reset();
    size_ = 0;
}
