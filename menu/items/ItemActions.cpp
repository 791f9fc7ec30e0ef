#include "ItemActions.h"

const BuiltInCommand kBuiltInCommands[] = {
    {kCmdTunecast, "LaunchTunecast", [](ItemOperations& o) { return o.launcher.LaunchTunecast(); }},
    {kCmdJournal, "LaunchJournal", [](ItemOperations& o) { return o.launcher.LaunchJournal(); }},
    {kCmdCeldrift, "LaunchCeldrift", [](ItemOperations& o) { return o.launcher.LaunchCeldrift(); }},
    {kCmdWirelessLan, "ToggleWirelessLan", [](ItemOperations& o) { return o.device.ToggleWirelessLan(); }},
    {kCmdBluetooth, "ToggleBluetooth", [](ItemOperations& o) { return o.device.ToggleBluetooth(); }},
    {kCmdBrightness, "ShowBrightnessOsd", [](ItemOperations& o) { return o.device.ShowBrightnessOsd(); }},
    {kCmdDisplayOutput, "ShowDisplayOutputDialog",
     [](ItemOperations& o) { return o.displayOutput ? o.displayOutput() : 0; }},
    {kCmdSuspend, "SuspendSystem", [](ItemOperations& o) { return o.device.SuspendSystem(); }},
    {kCmdHibernate, "HibernateSystem", [](ItemOperations& o) { return o.device.HibernateSystem(); }},
    {kCmdLoupette, "LaunchLoupette", [](ItemOperations& o) { return o.launcher.LaunchLoupette(); }},
    {kCmdNetquill, "LaunchNetquill", [](ItemOperations& o) { return o.launcher.LaunchNetquill(); }},
    {kCmdAmbrosel, "LaunchAmbrosel", [](ItemOperations& o) { return o.launcher.LaunchAmbrosel(); }},
    {kCmdTabletPcSettings, "OpenTabletPcSettings",
     [](ItemOperations& o) { return o.device.OpenTabletPcSettings(); }},
    {kCmdOxtane, "LaunchOxtane", [](ItemOperations& o) { return o.launcher.LaunchOxtane(); }},
};

const std::size_t kBuiltInCommandCount = sizeof(kBuiltInCommands) / sizeof(kBuiltInCommands[0]);

const BuiltInCommand* FindBuiltInCommand(DWORD number) {
    for (const BuiltInCommand& command : kBuiltInCommands) {
        if (command.number == number) return &command;
    }
    return nullptr;
}
