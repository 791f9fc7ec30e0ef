#include "RealInput.h"

#include <string>

#include "PanelFacts.h"
#include "SuiteHarness.h"

namespace suite::input {
namespace {

std::string At(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }

}  // namespace

bool RestPointerAt(POINT at) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        XdoTool("mousemove " + At(at.x - 1, at.y) + " sleep 0.05 mousemove " + At(at.x, at.y));
        if (!WaitUntil([&] { return panel::SamePoint(PointerPos(), at); }, 2000)) continue;
        Settle(300);
        if (panel::SamePoint(PointerPos(), at)) return true;
    }
    return false;
}

bool ClickAt(POINT at, int button) {
    return RestPointerAt(at) && XdoTool("click " + std::to_string(button));
}

bool DoubleClickAt(POINT at) {
    // Well within the double-click time, and far enough apart to be two clicks.
    return RestPointerAt(at) && XdoTool("click --repeat 2 --delay 80 1");
}

bool Keys(const char* keys) {
    const bool sent = XdoTool(std::string("key --delay 120 ") + keys);
    Settle(150);
    return sent;
}

}  // namespace suite::input
