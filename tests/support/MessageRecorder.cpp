#include "MessageRecorder.h"

#include <sstream>

namespace suite {
namespace {

const char kClassName[] = "suite.test.MessageRecorder";

std::string Describe(UINT message, WPARAM wParam, LPARAM lParam, bool params) {
    std::ostringstream out;
    out << "0x" << std::hex << message;
    if (params) out << " (" << wParam << ", " << lParam << ")";
    return out.str();
}

}  // namespace

MessageRecorder::MessageRecorder(const char* title, std::initializer_list<UINT> recorded, RECT place)
    : recorded_(recorded) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &Procedure;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    ::RegisterClassA(&wc);  // fails harmlessly once the class exists
    hwnd_ = ::CreateWindowExA(0, kClassName, title, WS_POPUP | WS_VISIBLE, place.left, place.top,
                              place.right - place.left, place.bottom - place.top, nullptr, nullptr,
                              wc.hInstance, this);
}

MessageRecorder::~MessageRecorder() {
    if (hwnd_) ::DestroyWindow(hwnd_);
}

LRESULT CALLBACK MessageRecorder::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<MessageRecorder*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && self->recorded_.count(message)) {
        self->received_.push_back({message, wParam, lParam});
        return 0;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

std::vector<RecordedMessage> MessageRecorder::Of(UINT message) const {
    std::vector<RecordedMessage> out;
    for (const RecordedMessage& m : received_)
        if (m.message == message) out.push_back(m);
    return out;
}

int MessageRecorder::Clicks(int id) const {
    int n = 0;
    for (const RecordedMessage& m : Of(WM_COMMAND))
        if (LOWORD(m.wParam) == id && HIWORD(m.wParam) == BN_CLICKED) ++n;
    return n;
}

::testing::AssertionResult SequenceIs(const std::vector<RecordedMessage>& received,
                                      const std::vector<ExpectedMessage>& expected) {
    bool same = received.size() == expected.size();
    for (std::size_t i = 0; same && i < received.size(); ++i) {
        const RecordedMessage& r = received[i];
        const ExpectedMessage& e = expected[i];
        same = r.message == e.message && (!e.params || (r.wParam == e.wParam && r.lParam == e.lParam));
    }
    if (same) return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure();
    failure << "expected:";
    for (const ExpectedMessage& e : expected)
        failure << " " << Describe(e.message, e.wParam, e.lParam, e.params);
    failure << "\nreceived:";
    for (const RecordedMessage& r : received) failure << " " << Describe(r.message, r.wParam, r.lParam, true);
    return failure;
}

}  // namespace suite
