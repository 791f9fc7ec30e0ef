#pragma once
// The layout of a menu item: the store key, the names of the values of an item key under it, the
// built-in command numbers and the item keys the programs address by name. Numbers are registry
// DWORDs, texts REG_SZ in the ANSI code page; a missing number is 0 and a missing text empty.
#include <windows.h>

// The store key under HKEY_CURRENT_USER; the machine defaults use the same path under
// HKEY_LOCAL_MACHINE.
constexpr char kStoreKeyPath[] = "Software\\Brevant\\Corvela";

// Root value of the store key: 1 when the tray program is to run.
constexpr char kTrayCheckValue[] = "TrayChk";

// Value names of an item key.
constexpr char kEnglishNameValue[] = "0x409";
constexpr char kKoreanNameValue[] = "0x412";
constexpr char kPathValue[] = "Path";
constexpr char kOrderValue[] = "Order";
constexpr char kCheckValue[] = "Check";
constexpr char kSystemValue[] = "System";
constexpr char kSystemCmdValue[] = "SystemCMD";
constexpr char kNewValue[] = "New";
constexpr char kDeleteValue[] = "Delete";
constexpr char kUpdateValue[] = "Update";
constexpr char kTempPathValue[] = "TempPath";
constexpr char kTempNameValue[] = "TempName";

// A store with fewer item keys than this counts as damaged.
constexpr DWORD kMinHealthyItems = 10;

// Built-in command numbers ("SystemCMD" of an item whose "System" is 1).
enum SystemCommand : DWORD {
    kCmdTunecast = 2001,
    kCmdJournal = 2002,
    kCmdCeldrift = 2003,
    kCmdWirelessLan = 2004,
    kCmdBluetooth = 2005,
    kCmdBrightness = 2006,
    kCmdDisplayOutput = 2007,  // the one command after which the panel stays open
    kCmdSuspend = 2008,
    kCmdHibernate = 2009,
    kCmdLoupette = 2010,
    kCmdNetquill = 2011,
    kCmdAmbrosel = 2012,
    kCmdTabletPcSettings = 2013,
    kCmdOxtane = 2014,
};

// Item keys that the programs address by name.
constexpr char kAirvaneKey[] = "Airvane";
constexpr char kBluevaneKey[] = "Bluevane";
constexpr char kSuspendKey[] = "Suspend";
constexpr char kHibernationKey[] = "Hibernation";
constexpr char kAmbroselKey[] = "Ambrosel";
constexpr char kSettingKey[] = "Corvela Setting";
