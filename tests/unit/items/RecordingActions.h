#pragma once
// Built-in operations that only note that they ran.
#include <string>
#include <vector>

#include "ItemActions.h"

struct RecordingActions : IItemActions {
    std::vector<std::string> calls;
    int Note(const char* name) {
        calls.push_back(name);
        return 1;
    }
    int LaunchTunecast() override { return Note("LaunchTunecast"); }
    int LaunchJournal() override { return Note("LaunchJournal"); }
    int LaunchCeldrift() override { return Note("LaunchCeldrift"); }
    int ToggleWirelessLan() override { return Note("ToggleWirelessLan"); }
    int ToggleBluetooth() override { return Note("ToggleBluetooth"); }
    int ShowBrightnessOsd() override { return Note("ShowBrightnessOsd"); }
    int ShowDisplayOutputDialog() override { return Note("ShowDisplayOutputDialog"); }
    int SuspendSystem() override { return Note("SuspendSystem"); }
    int HibernateSystem() override { return Note("HibernateSystem"); }
    int LaunchLoupette() override { return Note("LaunchLoupette"); }
    int LaunchNetquill() override { return Note("LaunchNetquill"); }
    int LaunchAmbrosel() override { return Note("LaunchAmbrosel"); }
    int OpenTabletPcSettings() override { return Note("OpenTabletPcSettings"); }
    int LaunchOxtane() override { return Note("LaunchOxtane"); }
};
