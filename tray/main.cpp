#include <windows.h>

// Stands in until Perchlet is built: starts and ends.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
