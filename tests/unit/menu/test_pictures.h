#pragma once
// Pictures of the menu room's test program: 87 x 73 (a tile's size) in solid colours, one per
// picture of an image button.
#define IDP_TEST_NORMAL 401   // dark red
#define IDP_TEST_HOVER 402    // dark green
#define IDP_TEST_PRESSED 403  // dark blue
#define IDP_TEST_TOGGLED 404  // olive
#define IDP_TEST_BROKEN 405   // type "PNG", but not a picture
#define IDP_TEST_MISSING 499
