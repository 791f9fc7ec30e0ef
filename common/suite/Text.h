#pragma once
// Bounded text for the fixed ANSI buffers of the suite (paths, registry texts, labels).
// Every function writes at most `cap` bytes, always leaves `dst` terminated when cap > 0, and
// returns false when the result had to be cut short (or when there was no room at all), so callers
// can refuse a truncated path instead of acting on it.
#include <cstdarg>
#include <cstddef>
#include <cstdio>  // __MINGW_PRINTF_FORMAT: the printf that vsnprintf really is

// The size of every path and registry text buffer: at most 259 bytes and the terminator.
constexpr std::size_t kTextCap = 260;

bool TextCopy(char* dst, std::size_t cap, const char* src);
bool TextAppend(char* dst, std::size_t cap, const char* src);
bool TextFormatV(char* dst, std::size_t cap, const char* format, va_list args);
bool TextFormat(char* dst, std::size_t cap, const char* format, ...)
    __attribute__((format(__MINGW_PRINTF_FORMAT, 3, 4)));
// Fills the whole buffer with zero bytes; buffers are cleared like this before they are filled.
void TextZero(char* dst, std::size_t cap);
// Byte-for-byte, case-sensitive comparisons; a null text equals only another null text and
// contains nothing.
bool TextEquals(const char* a, const char* b);
bool TextContains(const char* text, const char* part);

template <std::size_t N>
bool TextCopy(char (&dst)[N], const char* src) {
    return TextCopy(dst, N, src);
}
template <std::size_t N>
bool TextAppend(char (&dst)[N], const char* src) {
    return TextAppend(dst, N, src);
}
template <std::size_t N>
void TextZero(char (&dst)[N]) {
    TextZero(dst, N);
}
