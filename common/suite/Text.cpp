#include "Text.h"

#include <cstdio>
#include <cstring>

bool TextCopy(char* dst, std::size_t cap, const char* src) {
    if (!dst || cap == 0) return false;
    if (!src) src = "";
    std::size_t n = std::strlen(src);
    bool fits = n < cap;
    if (!fits) n = cap - 1;
    std::memmove(dst, src, n);
    dst[n] = '\0';
    return fits;
}

bool TextAppend(char* dst, std::size_t cap, const char* src) {
    if (!dst || cap == 0) return false;
    // A buffer that holds no terminator is not text; cut it rather than read past its end.
    const void* end = std::memchr(dst, '\0', cap);
    if (!end) {
        dst[cap - 1] = '\0';
        return false;
    }
    std::size_t used = static_cast<std::size_t>(static_cast<const char*>(end) - dst);
    return TextCopy(dst + used, cap - used, src);
}

bool TextFormatV(char* dst, std::size_t cap, const char* format, va_list args) {
    if (!dst || cap == 0) return false;
    if (!format) {
        dst[0] = '\0';
        return false;
    }
    int n = std::vsnprintf(dst, cap, format, args);
    dst[cap - 1] = '\0';  // some C runtimes leave a full buffer unterminated
    if (n < 0) {
        dst[0] = '\0';
        return false;
    }
    return static_cast<std::size_t>(n) < cap;
}

bool TextFormat(char* dst, std::size_t cap, const char* format, ...) {
    va_list args;
    va_start(args, format);
    bool ok = TextFormatV(dst, cap, format, args);
    va_end(args);
    return ok;
}

void TextZero(char* dst, std::size_t cap) {
    if (dst && cap) std::memset(dst, 0, cap);
}

bool TextEquals(const char* a, const char* b) {
    if (!a || !b) return a == b;
    return std::strcmp(a, b) == 0;
}

bool TextContains(const char* text, const char* part) {
    if (!text || !part) return false;
    return std::strstr(text, part) != nullptr;
}
