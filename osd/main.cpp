#include <windows.h>

// Stands in until Lumivox is built: starts and ends.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
