#pragma once
// How the store tells the user of a failure the user must know of. Programs keep the default,
// a message box; tests put a recorder in its place so that nothing waits for a click.
#include <windows.h>

class IStoreNotifier {
public:
    virtual ~IStoreNotifier() = default;
    virtual void ShowMessage(const char* text) = 0;
};

// "Cor Vela" caption, OK button only, no icon; modal to `owner` when one is set.
class CMessageBoxNotifier : public IStoreNotifier {
public:
    explicit CMessageBoxNotifier(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    void ShowMessage(const char* text) override;

private:
    HWND owner_;
};
