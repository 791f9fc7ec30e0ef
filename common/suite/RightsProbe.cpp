#include "RightsProbe.h"

#include <cstddef>

#include "Handles.h"

bool CTokenRightsProbe::IsAdministrator() const { return ::IsAdministrator(); }

const IRightsProbe& SystemRightsProbe() {
    static const CTokenRightsProbe probe;
    return probe;
}

bool TokenGroupsContainSid(const void* groups, std::size_t size, PSID sid) {
    if (!groups || !sid || size < offsetof(TOKEN_GROUPS, Groups)) return false;
    const auto* tg = static_cast<const TOKEN_GROUPS*>(groups);
    std::size_t room = (size - offsetof(TOKEN_GROUPS, Groups)) / sizeof(SID_AND_ATTRIBUTES);
    if (tg->GroupCount > room) return false;
    for (DWORD i = 0; i < tg->GroupCount; ++i) {
        PSID member = tg->Groups[i].Sid;
        if (member && ::EqualSid(member, sid)) return true;
    }
    return false;
}

bool IsAdministrator() {
    SID_IDENTIFIER_AUTHORITY ntAuthority = {SECURITY_NT_AUTHORITY};
    fw::Sid admins;
    if (!::AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0,
                                    0, 0, 0, 0, 0, admins.Put()))
        return false;

    fw::KernelHandle token;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.Put())) return false;

    DWORD size = 0;
    ::GetTokenInformation(token.Get(), TokenGroups, nullptr, 0, &size);
    if (size == 0) return false;
    fw::LocalMem buffer(::LocalAlloc(LMEM_FIXED, size));
    if (!buffer) return false;
    DWORD written = 0;
    if (!::GetTokenInformation(token.Get(), TokenGroups, buffer.Get(), size, &written)) return false;
    return TokenGroupsContainSid(buffer.Get(), size, admins.Get());
}
