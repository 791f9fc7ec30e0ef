#pragma once
// Resource ids of the common helpers' test program.
#define IDP_TWO_TONE 300      // 8 x 4: left half red, right half blue
#define IDP_BROKEN 301        // type "PNG", but not a picture
#define IDR_TWO_TONE_RAW 302  // the same picture under another resource type
#define IDP_MISSING 399

#define IDS_TRAY_MISSING 1
#define IDS_UNTRANSLATED_GAP 17  // block 2 exists in both tables, this entry in none
#define IDS_WIRELESS_LAN 19
#define IDS_MONITOR 22
#define IDS_ENGLISH_ONLY 40  // block 3 exists only in the English table
#define IDS_LONG 41
