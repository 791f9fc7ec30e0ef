#include "PowerSource.h"

PowerSource PowerSourceFromAcLine(BYTE acLineStatus) {
    return acLineStatus == 0 ? PowerSource::Battery : PowerSource::Mains;
}

PowerSource CSystemPowerSource::Current() const {
    SYSTEM_POWER_STATUS status = {};
    if (!::GetSystemPowerStatus(&status)) return PowerSource::Mains;
    return PowerSourceFromAcLine(status.ACLineStatus);
}

const IPowerSource& SystemPowerSource() {
    static const CSystemPowerSource source;
    return source;
}
