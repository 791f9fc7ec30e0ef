#pragma once
// The labels of the panel's item buttons (2001-2008) as the panel shows them, top to bottom, read
// from its window in this process or another; and the same as one line for a failure message.
#include <windows.h>

#include <string>
#include <vector>

namespace suite::panel {

inline std::vector<std::string> ShownLabels(HWND panel) {
    std::vector<std::string> labels;
    for (int id = 2001; id <= 2008; ++id) {
        HWND button = ::GetDlgItem(panel, id);
        if (!button || !(::GetWindowLongPtrA(button, GWL_STYLE) & WS_VISIBLE)) continue;
        char text[260] = {};
        ::GetWindowTextA(button, text, sizeof(text));
        labels.push_back(text);
    }
    return labels;
}

inline std::string Show(const std::vector<std::string>& labels) {
    std::string out;
    for (const std::string& l : labels) out += "[" + l + "]";
    return out;
}

}  // namespace suite::panel
