#include <windows.h>

#include "CorvelaApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CCorvelaApp app;
    return app.Run();
}
