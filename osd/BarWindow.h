#pragma once
// What keeps the brightness bar alive: its timers and its translucency (its title is in
// SuiteContract.h). Defined once for the bar, its tests and its benchmark.
#include <windows.h>

#include "SuiteContract.h"

// Every half second the bar puts itself back on top, in its place, with the keyboard focus.
constexpr UINT_PTR kKeepOnTopTimer = 6625;
constexpr UINT kKeepOnTopMs = 500;
// The bar closes this long after its start and after the last Up or Down key.
constexpr UINT_PTR kCloseTimer = 111;
constexpr UINT kCloseAfterMs = 5000;

// Constant alpha of the layered bar: 80 % opacity.
constexpr BYTE kBarAlpha = 204;
