#pragma once
// Resource ids of Lumivox. Plain #defines only, so that both the compiler and the resource
// compiler can read this.

// The brightness bar.
#define IDD_LUMIVOX 102

// Program icon (window, drag icon).
#define IDI_LUMIVOX 128

// Bitmaps: the bar's background (410 x 55) and one lit level segment (31 x 14, 30 x 14 drawn).
#define IDB_BAR_BACKGROUND 131
#define IDB_BAR_SEGMENT 132

// Strings, English and Korean.
#define IDS_PROGRAM_NAME 1
