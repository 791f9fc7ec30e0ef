#pragma once
// The power calls of the panel's suspend and hibernation items, behind one small interface: the
// program uses the system's calls; tests put a recording one in their place, so that no test can
// send the machine to sleep and the fallback of a failing call can be exercised.
class IPowerControl {
public:
    virtual ~IPowerControl() = default;
    // Asks the system to reserve the hibernation file; true when it did.
    virtual bool ReserveHibernationFile() = 0;
    // Enables "SeShutdownPrivilege" on the process token. False only when the token cannot be
    // opened; a privilege that cannot be enabled shows later, in SetPowerState.
    virtual bool EnableShutdownPrivilege() = 0;
    // Standby (suspend = true) or hibernation, not forced; true when the system accepted it.
    virtual bool SetPowerState(bool suspend) = 0;
};

class CSystemPowerControl : public IPowerControl {
public:
    bool ReserveHibernationFile() override;
    bool EnableShutdownPrivilege() override;
    bool SetPowerState(bool suspend) override;
};

// The power control the program uses.
IPowerControl& SystemPowerControl();
