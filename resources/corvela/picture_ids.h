#pragma once
// Resource ids of Corvela's pictures. The numbers are fixed: the panel and its buttons load
// the pictures by these ids, and the resource script embeds them under the same ids.
// Plain #defines only, so that both the compiler and the resource compiler can read this.

// Program icon (16, 32 and 48 pixels): window icon and drag icon.
#define IDI_CORVELA 128

// Panel background, 212 x 561: Korean system locale, any other locale.
#define IDB_PANEL_BG_KO 178
#define IDB_PANEL_BG_EN 201

// Selection band behind the item under the pointer, 732 x 48.
#define IDB_HIGHLIGHT 200

// Page arrows (16 x 10) and close button (12 x 12): normal, hover, pressed.
#define IDB_UP_NORMAL 189
#define IDB_UP_HOVER 198
#define IDB_UP_PRESSED 173
#define IDB_DOWN_NORMAL 196
#define IDB_DOWN_HOVER 195
#define IDB_DOWN_PRESSED 197
#define IDB_CLOSE_NORMAL 175
#define IDB_CLOSE_HOVER 188
#define IDB_CLOSE_PRESSED 176

// Item icons, 38 x 38 with alpha, drawn at 48 x 48.
#define IDB_ICON_BLUETOOTH 179
#define IDB_ICON_BATTERY 180
#define IDB_ICON_BRIGHTNESS 181
#define IDB_ICON_DMB 182
#define IDB_ICON_SCRIVLET 183
#define IDB_ICON_PROGRAM 184
#define IDB_ICON_MOBILE_INTERNET 185
#define IDB_ICON_NETQUILL 186
#define IDB_ICON_MAGNIFIER 187
#define IDB_ICON_MONITOR 190
#define IDB_ICON_TABLET 191
#define IDB_ICON_HIBERNATION 192
#define IDB_ICON_SUSPEND 193
#define IDB_ICON_WLAN 194

// The display-output dialog: background, 332 x 165 (Korean system locale, any other locale).
#define IDB_MONITOR_BG_KO 150
#define IDB_MONITOR_BG_EN 205

// Its tiles, 87 x 73: normal, hover, pressed, toggled.
#define IDB_TILE_INTERNAL 135
#define IDB_TILE_INTERNAL_HOVER 134
#define IDB_TILE_INTERNAL_PRESSED 136
#define IDB_TILE_INTERNAL_TOGGLED 137
#define IDB_TILE_EXTERNAL 139
#define IDB_TILE_EXTERNAL_HOVER 138
#define IDB_TILE_EXTERNAL_PRESSED 140
#define IDB_TILE_EXTERNAL_TOGGLED 141
#define IDB_TILE_BOTH 143
#define IDB_TILE_BOTH_HOVER 142
#define IDB_TILE_BOTH_PRESSED 144
#define IDB_TILE_BOTH_TOGGLED 145

// Its close button, 16 x 16: normal, hover, pressed.
#define IDB_MONITOR_CLOSE 148
#define IDB_MONITOR_CLOSE_HOVER 147
#define IDB_MONITOR_CLOSE_PRESSED 149
