#pragma once
// Where the test stub program is, as Wine sees it: the build passes its host path and the host's
// root is drive Z:.
#include <string>

inline std::string StubExe() {
    std::string path = STUB_EXE_UNIX_PATH;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path[0] == '\\' ? "Z:" + path : path;
}
