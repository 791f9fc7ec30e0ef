#pragma once
// Backgrounds, fonts and the display-name value follow the system default locale, not the user
// interface language: a Korean machine shows Korean pictures even to an English interface.

constexpr unsigned long kKoreanLcid = 0x412;

bool IsKoreanSystemLocale();
