#pragma once
// Waiting in a test: on a condition, never for a fixed time taken as proof. This thread's messages
// are dispatched while it waits, so that windows of the test's own (and of the code under test in
// this process) go on working.
#include <windows.h>

#include <functional>

namespace suite {

// Dispatches the messages waiting for this thread, through the framework's pre-translation (the
// keys of a dialog of this process reach it as in its own loop).
void PumpMessages();
// Polls `condition` every `stepMs` until it holds or `timeoutMs` has passed; returns its last value.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD stepMs = 20);
// True when `fault` never held within `ms`: the proof that something did not happen is a bounded
// wait for the sign that it did, which ends at once when the sign shows.
inline bool NeverWithin(const std::function<bool()>& fault, DWORD ms) { return !WaitUntil(fault, ms, 10); }
// Lets this thread's windows and the other programs run for `ms`.
void Settle(DWORD ms);

}  // namespace suite
