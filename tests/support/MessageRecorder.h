#pragma once
// A window of the test's own in the part of another window: titled as that window, so that the
// code under test finds it by title as it would find the real one, it records the messages of the
// kinds it is given, in order, and answers them with 0 (a recorded WM_CLOSE closes nothing). Its
// sequence is compared with an expected one as Wine's conformance tests compare theirs.
#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <vector>

namespace suite {

struct RecordedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A message as a sequence expects it; without `params` any wParam and lParam do.
struct ExpectedMessage {
    UINT message;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    bool params = true;
};

class MessageRecorder {
public:
    // A visible pop-up window titled `title` at `place` (screen coordinates).
    MessageRecorder(const char* title, std::initializer_list<UINT> recorded, RECT place = RECT{0, 0, 10, 10});
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    HWND Handle() const { return hwnd_; }
    const std::vector<RecordedMessage>& Received() const { return received_; }
    // The messages of one kind, in order.
    std::vector<RecordedMessage> Of(UINT message) const;
    // The clicks (WM_COMMAND, BN_CLICKED) that control `id` reported.
    int Clicks(int id) const;
    void Clear() { received_.clear(); }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    std::set<UINT> recorded_;
    std::vector<RecordedMessage> received_;
};

// Whether `received` is `expected`, message for message; a failure lists both sequences.
::testing::AssertionResult SequenceIs(const std::vector<RecordedMessage>& received,
                                      const std::vector<ExpectedMessage>& expected);

}  // namespace suite
