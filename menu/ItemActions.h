#pragma once
// The operations behind the built-in items, as the dispatch of a press sees them.
#include <functional>

#include "DeviceActions.h"
#include "ProgramLauncher.h"

class IItemActions {
public:
    virtual ~IItemActions() = default;
    virtual int LaunchTunecast() = 0;           // 2001
    virtual int LaunchJournal() = 0;            // 2002
    virtual int LaunchCeldrift() = 0;           // 2003
    virtual int ToggleWirelessLan() = 0;        // 2004
    virtual int ToggleBluetooth() = 0;          // 2005
    virtual int ShowBrightnessOsd() = 0;        // 2006
    virtual int ShowDisplayOutputDialog() = 0;  // 2007
    virtual int SuspendSystem() = 0;            // 2008
    virtual int HibernateSystem() = 0;          // 2009
    virtual int LaunchLoupette() = 0;           // 2010
    virtual int LaunchNetquill() = 0;           // 2011
    virtual int LaunchAmbrosel() = 0;           // 2012
    virtual int OpenTabletPcSettings() = 0;     // 2013
    virtual int LaunchOxtane() = 0;             // 2014
};

// The panel's actions: the device actions, the launcher, and the panel's own display-output
// dialog, which only the panel can run (it hides itself meanwhile).
class CItemActions : public IItemActions {
public:
    CItemActions(CDeviceActions& device, CProgramLauncher& launcher, std::function<int()> displayOutput)
        : device_(device), launcher_(launcher), displayOutput_(std::move(displayOutput)) {}

    int LaunchTunecast() override { return launcher_.LaunchTunecast(); }
    int LaunchJournal() override { return launcher_.LaunchJournal(); }
    int LaunchCeldrift() override { return launcher_.LaunchCeldrift(); }
    int ToggleWirelessLan() override { return device_.ToggleWirelessLan(); }
    int ToggleBluetooth() override { return device_.ToggleBluetooth(); }
    int ShowBrightnessOsd() override { return device_.ShowBrightnessOsd(); }
    int ShowDisplayOutputDialog() override { return displayOutput_ ? displayOutput_() : 0; }
    int SuspendSystem() override { return device_.SuspendSystem(); }
    int HibernateSystem() override { return device_.HibernateSystem(); }
    int LaunchLoupette() override { return launcher_.LaunchLoupette(); }
    int LaunchNetquill() override { return launcher_.LaunchNetquill(); }
    int LaunchAmbrosel() override { return launcher_.LaunchAmbrosel(); }
    int OpenTabletPcSettings() override { return device_.OpenTabletPcSettings(); }
    int LaunchOxtane() override { return launcher_.LaunchOxtane(); }

private:
    CDeviceActions& device_;
    CProgramLauncher& launcher_;
    std::function<int()> displayOutput_;
};
