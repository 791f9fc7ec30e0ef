#include "ScreenCapture.h"

#include <objidl.h>
#include <gdiplus.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Handles.h"
#include "SuiteHarness.h"

namespace suite {
namespace {

// GDI+ for the time of one call: the tests use it only here.
class GdiplusScope {
public:
    GdiplusScope() {
        Gdiplus::GdiplusStartupInput input;
        ok_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusScope() {
        if (ok_) Gdiplus::GdiplusShutdown(token_);
    }
    GdiplusScope(const GdiplusScope&) = delete;
    GdiplusScope& operator=(const GdiplusScope&) = delete;
    bool Ok() const { return ok_; }

private:
    ULONG_PTR token_ = 0;
    bool ok_ = false;
};

Pixels FromGdiplusBitmap(Gdiplus::Bitmap& image) {
    Pixels out;
    if (image.GetLastStatus() != Gdiplus::Ok) return out;
    const int w = static_cast<int>(image.GetWidth());
    const int h = static_cast<int>(image.GetHeight());
    Gdiplus::Rect rect(0, 0, w, h);
    Gdiplus::BitmapData data;
    if (image.LockBits(&rect, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) != Gdiplus::Ok)
        return out;
    out.width = w;
    out.height = h;
    out.bgra.resize(static_cast<std::size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y)
        std::memcpy(&out.bgra[static_cast<std::size_t>(y) * w * 4],
                    static_cast<const BYTE*>(data.Scan0) + static_cast<std::ptrdiff_t>(y) * data.Stride,
                    static_cast<std::size_t>(w) * 4);
    image.UnlockBits(&data);
    return out;
}

}  // namespace

Pixels CaptureScreen(const RECT* area) {
    RECT r = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    if (area) r = *area;
    Pixels out;
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return out;
    fw::WindowDC screen(nullptr);
    fw::MemoryDC memory(screen.Get());
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    fw::Bitmap bitmap(::CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return out;
    {
        fw::SelectObjectScope select(memory.Get(), bitmap.Get());
        if (!::BitBlt(memory.Get(), 0, 0, w, h, screen.Get(), r.left, r.top, SRCCOPY)) return out;
    }
    ::GdiFlush();
    out.width = w;
    out.height = h;
    out.bgra.assign(static_cast<const BYTE*>(bits),
                    static_cast<const BYTE*>(bits) + static_cast<std::size_t>(w) * h * 4);
    for (std::size_t i = 3; i < out.bgra.size(); i += 4) out.bgra[i] = 255;  // the screen has no alpha
    return out;
}

Pixels DecodePngResource(const std::string& modulePath, int resourceId) {
    Pixels out;
    fw::Module module(::LoadLibraryExA(modulePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!module) return out;
    HRSRC found = ::FindResourceA(module.Get(), MAKEINTRESOURCEA(resourceId), "PNG");
    if (!found) return out;
    HGLOBAL loaded = ::LoadResource(module.Get(), found);
    const DWORD size = ::SizeofResource(module.Get(), found);
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    if (!bytes || size == 0) return out;
    fw::GlobalMem copy(::GlobalAlloc(GMEM_MOVEABLE, size));
    if (!copy) return out;
    {
        fw::GlobalLock lock(copy.Get());
        if (!lock.Data()) return out;
        std::memcpy(lock.Data(), bytes, size);
    }
    IStream* stream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(copy.Get(), FALSE, &stream))) return out;
    {
        GdiplusScope gdiplus;
        if (gdiplus.Ok()) {
            Gdiplus::Bitmap image(stream, FALSE);
            out = FromGdiplusBitmap(image);
        }
    }
    stream->Release();
    return out;
}

BackgroundVerdict CompareBackground(const Pixels& screen, const Pixels& korean, const Pixels& english) {
    BackgroundVerdict v;
    if (screen.width != korean.width || screen.height != korean.height || korean.width != english.width ||
        korean.height != english.height)
        return v;
    for (int y = 0; y < screen.height; ++y) {
        for (int x = 0; x < screen.width; ++x) {
            const BYTE* k = korean.At(x, y);
            const BYTE* e = english.At(x, y);
            if (k[3] != 255 || e[3] != 255) continue;
            if (std::abs(k[0] - e[0]) + std::abs(k[1] - e[1]) + std::abs(k[2] - e[2]) < 60) continue;
            const BYTE* s = screen.At(x, y);
            for (int c = 0; c < 3; ++c) {
                v.toKorean += static_cast<unsigned>(std::abs(s[c] - k[c]));
                v.toEnglish += static_cast<unsigned>(std::abs(s[c] - e[c]));
            }
            ++v.pixels;
        }
    }
    return v;
}

::testing::AssertionResult ShowsLocaleBackground(const RECT& area, int koreanId, int englishId, int minPixels) {
    const std::string exe = DistFile(kPanelProgramFile);
    const Pixels korean = DecodePngResource(exe, koreanId);
    const Pixels english = DecodePngResource(exe, englishId);
    if (korean.Empty() || english.Empty()) return ::testing::AssertionFailure() << "pictures not in " << exe;
    const BackgroundVerdict v = CompareBackground(CaptureScreen(&area), korean, english);
    if (v.pixels <= minPixels)
        return ::testing::AssertionFailure() << "the two backgrounds differ in " << v.pixels << " pixels only";
    const bool korean412 = ::GetSystemDefaultLCID() == 0x412;
    const bool shown = korean412 ? v.toKorean * 4 < v.toEnglish : v.toEnglish * 4 < v.toKorean;
    if (shown) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "background " << (korean412 ? koreanId : englishId)
                                         << " expected (distance " << v.toKorean << " to the Korean picture, "
                                         << v.toEnglish << " to the English one)";
}

std::string ScreenshotDir() {
    const std::string dir = TestBuildDir() + "\\screenshots";
    ::CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

std::string SaveScreenshot(const std::string& name) {
    Settle(300);  // let the last paints land
    Pixels screen = CaptureScreen();
    if (screen.Empty()) return std::string();
    GdiplusScope gdiplus;
    if (!gdiplus.Ok()) return std::string();
    const std::string path = ScreenshotDir() + "\\" + name + ".png";
    bool saved = false;
    {
        Gdiplus::Bitmap image(screen.width, screen.height, screen.width * 4, PixelFormat32bppARGB,
                              screen.bgra.data());
        // PNG encoder: {557CF406-1A04-11D3-9A73-0000F81EF32E}
        const CLSID png = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
        const std::wstring wide(path.begin(), path.end());
        saved = image.Save(wide.c_str(), &png, nullptr) == Gdiplus::Ok;
    }
    if (!saved) return std::string();
    std::printf("screenshot: %s\n", path.c_str());
    return path;
}

}  // namespace suite
