#include "ComSecurity.h"

#include <objbase.h>

bool InitializeComSecurity() {
    return SUCCEEDED(::CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT_PRIVACY,
                                            RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_SECURE_REFS, nullptr));
}
