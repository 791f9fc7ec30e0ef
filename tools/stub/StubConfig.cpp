#include "StubConfig.h"

#include <cerrno>
#include <cstdlib>

namespace stub {

namespace {

const long kDefaultWindowLifetimeMs = 60000;

bool ParseLong(const std::string& text, long* out) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || end == text.c_str() || *end != '\0') return false;
    *out = value;
    return true;
}

}  // namespace

long StubConfig::EffectiveLifetimeMs() const {
    if (lifetimeMs != -2) return lifetimeMs;
    return WantsWindow() ? kDefaultWindowLifetimeMs : 0;
}

bool ApplySetting(const std::string& key, const std::string& value, StubConfig* config) {
    if (key == "log") {
        config->log = value;
    } else if (key == "class") {
        config->className = value;
    } else if (key == "title") {
        config->title = value;
    } else if (key == "lifetime") {
        long ms = 0;
        if (!ParseLong(value, &ms) || ms < kForever) return false;
        config->lifetimeMs = ms;
    } else if (key == "exit") {
        long code = 0;
        if (!ParseLong(value, &code)) return false;
        config->exitCode = static_cast<int>(code);
    } else if (key == "show") {
        long flag = 0;
        if (!ParseLong(value, &flag) || (flag != 0 && flag != 1)) return false;
        config->show = flag == 1;
    } else {
        return false;
    }
    return true;
}

std::vector<std::string> SplitCommandLine(const char* commandLine) {
    std::vector<std::string> args;
    if (commandLine == nullptr) return args;
    const char* p = commandLine;

    // The program name: up to the next space, or between quotes; backslashes are literal there.
    std::string program;
    if (*p == '"') {
        ++p;
        while (*p != '\0' && *p != '"') program += *p++;
        if (*p == '"') ++p;
    } else {
        while (*p != '\0' && *p != ' ' && *p != '\t') program += *p++;
    }
    args.push_back(program);

    for (;;) {
        while (*p == ' ' || *p == '\t') ++p;
        if (*p == '\0') break;
        std::string arg;
        bool quoted = false;
        while (*p != '\0' && (quoted || (*p != ' ' && *p != '\t'))) {
            size_t slashes = 0;
            while (*p == '\\') {
                ++slashes;
                ++p;
            }
            if (*p == '"') {
                arg.append(slashes / 2, '\\');
                if (slashes % 2 == 1) {
                    arg += '"';
                } else if (quoted && p[1] == '"') {
                    arg += '"';  // "" inside quotes is a literal quote
                    ++p;
                } else {
                    quoted = !quoted;
                }
                ++p;
            } else {
                arg.append(slashes, '\\');
                if (*p != '\0' && (quoted || (*p != ' ' && *p != '\t'))) arg += *p++;
            }
        }
        args.push_back(arg);
    }
    return args;
}

std::vector<std::string> TakeStubArguments(std::vector<std::string>* args, StubConfig* config) {
    static const char kPrefix[] = "/stub:";
    const size_t prefixLength = sizeof(kPrefix) - 1;
    std::vector<std::string> rejected;
    std::vector<std::string> kept;
    for (size_t i = 0; i < args->size(); ++i) {
        const std::string& arg = (*args)[i];
        if (i == 0 || arg.compare(0, prefixLength, kPrefix) != 0) {
            kept.push_back(arg);
            continue;
        }
        std::string setting = arg.substr(prefixLength);
        size_t eq = setting.find('=');
        std::string key = eq == std::string::npos ? setting : setting.substr(0, eq);
        std::string value = eq == std::string::npos ? std::string("1") : setting.substr(eq + 1);
        if (!ApplySetting(key, value, config)) rejected.push_back(arg);
    }
    args->swap(kept);
    return rejected;
}

std::string IniPathFor(const std::string& modulePath) {
    size_t slash = modulePath.find_last_of("\\/");
    size_t dot = modulePath.find_last_of('.');
    std::string base = (dot != std::string::npos && (slash == std::string::npos || dot > slash))
                           ? modulePath.substr(0, dot)
                           : modulePath;
    return base + ".stub.ini";
}

std::string ResolveBeside(const std::string& iniPath, const std::string& path) {
    bool absolute =
        (path.size() >= 2 && path[1] == ':') || (!path.empty() && (path[0] == '\\' || path[0] == '/'));
    if (path.empty() || absolute) return path;
    size_t slash = iniPath.find_last_of("\\/");
    if (slash == std::string::npos) return path;
    return iniPath.substr(0, slash + 1) + path;
}

}  // namespace stub
