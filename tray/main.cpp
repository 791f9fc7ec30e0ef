#include <windows.h>

#include "PerchletApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
    CPerchletApp app(arguments);
    return app.Run();
}
