#include "GdiplusSession.h"

CGdiplusSession::CGdiplusSession() {
    // Version 1, no debug callback, GDI+'s own background thread, external codecs allowed.
    Gdiplus::GdiplusStartupInput input;
    input.GdiplusVersion = 1;
    input.DebugEventCallback = nullptr;
    input.SuppressBackgroundThread = FALSE;
    input.SuppressExternalCodecs = FALSE;
    status_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr);
    ok_ = status_ == Gdiplus::Ok;
}

CGdiplusSession::~CGdiplusSession() {
    if (ok_) Gdiplus::GdiplusShutdown(token_);
}
