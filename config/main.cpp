#include <windows.h>

#include "TallysetApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CTallysetApp app;
    return app.Run();
}
