#pragma once
// How the brightness bar is found and what keeps it alive: its title, its timers and its
// translucency. Defined once for the bar, its tests and its benchmark.
#include <windows.h>

// The bar's window title: the name by which other programs and the tests find it.
constexpr char kBarTitle[] = "Control";

// Every half second the bar puts itself back on top, in its place, with the keyboard focus.
constexpr UINT_PTR kKeepOnTopTimer = 6625;
constexpr UINT kKeepOnTopMs = 500;
// The bar closes this long after its start and after the last Up or Down key.
constexpr UINT_PTR kCloseTimer = 111;
constexpr UINT kCloseAfterMs = 5000;

// Constant alpha of the layered bar: 80 % opacity.
constexpr BYTE kBarAlpha = 204;
