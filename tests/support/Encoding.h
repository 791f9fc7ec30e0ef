#pragma once
// Text in the encodings the tests meet: UTF-8 in the test sources (Korean texts among them),
// UTF-16 where Windows keeps text whatever the code page (window texts, registry, resources), and
// the ANSI code page the suite's programs work in (949 under a Korean locale).
#include <windows.h>

#include <string>

namespace suite {

std::wstring FromCodePage(const std::string& text, UINT codePage);
std::string ToCodePage(const std::wstring& text, UINT codePage);

inline std::wstring FromUtf8(const char* utf8) { return FromCodePage(utf8 ? utf8 : "", CP_UTF8); }
inline std::string ToUtf8(const std::wstring& text) { return ToCodePage(text, CP_UTF8); }
// UTF-8 source text as the programs of this process see it: in the ANSI code page (or `codePage`).
inline std::string Ansi(const char* utf8, UINT codePage = CP_ACP) {
    return ToCodePage(FromUtf8(utf8), codePage);
}
// Text of the ANSI code page as UTF-8, for messages and for comparing with the sources' texts.
inline std::string AnsiToUtf8(const std::string& ansi) { return ToUtf8(FromCodePage(ansi, CP_ACP)); }

}  // namespace suite
