#include <windows.h>

#include "LumivoxApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CLumivoxApp app;
    return app.Run();
}
