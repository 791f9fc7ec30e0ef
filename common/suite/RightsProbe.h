#pragma once
// Whether the user of this process belongs to the local Administrators group. Several features are
// hidden from other users; code that decides so asks an IRightsProbe, so that the same code can be
// exercised as a user without those rights (a test prefix under Wine is always an administrator).
#include <windows.h>

#include <cstddef>

class IRightsProbe {
public:
    virtual ~IRightsProbe() = default;
    virtual bool IsAdministrator() const = 0;
};

// The process token's verdict, evaluated afresh at each call.
class CTokenRightsProbe : public IRightsProbe {
public:
    bool IsAdministrator() const override;
};

// The probe the programs use.
const IRightsProbe& SystemRightsProbe();

// Membership test on the token of the current process: S-1-5-32-544 among its groups, whatever
// the group's attributes (a deny-only membership counts as well).
bool IsAdministrator();

// Whether `sid` is one of the groups in a TokenGroups buffer of `size` bytes. A buffer too small
// for the group count it claims is not trusted (false).
bool TokenGroupsContainSid(const void* groups, std::size_t size, PSID sid);
