#pragma once
// GDI+ for the life of a program's start routine. Every GDI+ object must be gone before this
// object is: declare it before the windows and pictures that use GDI+.
#include "Gdiplus.h"

class CGdiplusSession {
public:
    CGdiplusSession();
    ~CGdiplusSession();
    CGdiplusSession(const CGdiplusSession&) = delete;
    CGdiplusSession& operator=(const CGdiplusSession&) = delete;

    // A failed start is not fatal: pictures then fail to decode and are simply not drawn.
    bool Ok() const { return ok_; }
    Gdiplus::Status StartStatus() const { return status_; }

private:
    ULONG_PTR token_ = 0;
    Gdiplus::Status status_;
    bool ok_;
};
