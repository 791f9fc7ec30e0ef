#include <windows.h>

// Stands in until Corvela is built: starts and ends.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
