#include "StringTable.h"

#include <memory>
#include <new>

namespace {

HMODULE ModuleOrProgram(HMODULE module) { return module ? module : ::GetModuleHandleA(nullptr); }

}  // namespace

int LoadText(UINT id, char* out, std::size_t cap, HMODULE module) {
    if (!out || cap == 0) return 0;
    out[0] = '\0';
    int room = cap > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(cap);
    int n = ::LoadStringA(ModuleOrProgram(module), id, out, room);
    if (n <= 0) {
        out[0] = '\0';
        return 0;
    }
    out[cap - 1] = '\0';
    return n;
}

std::string LoadText(UINT id, HMODULE module) {
    // LoadStringA cannot say how long a text is; grow until it comes back with room to spare.
    for (std::size_t cap = 512; cap <= 0x40000; cap *= 2) {
        std::unique_ptr<char[]> buffer(new (std::nothrow) char[cap]);
        if (!buffer) return std::string();
        int n = LoadText(id, buffer.get(), cap, module);
        if (n <= 0) return std::string();
        if (static_cast<std::size_t>(n) < cap - 1)
            return std::string(buffer.get(), static_cast<std::size_t>(n));
    }
    return std::string();
}
