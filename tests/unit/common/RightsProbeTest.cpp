#include "RightsProbe.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <vector>

#include "Handles.h"

namespace {

fw::Sid MakeSid(BYTE authority, DWORD sub0, DWORD sub1, BYTE count) {
    SID_IDENTIFIER_AUTHORITY id = {{0, 0, 0, 0, 0, authority}};
    fw::Sid sid;
    ::AllocateAndInitializeSid(&id, count, sub0, sub1, 0, 0, 0, 0, 0, 0, sid.Put());
    return sid;
}

// A TokenGroups buffer laid out as the system returns it, from (sid, attributes) pairs.
std::vector<LONG_PTR> MakeGroups(const std::vector<std::pair<PSID, DWORD>>& groups) {
    std::size_t bytes = offsetof(TOKEN_GROUPS, Groups) + groups.size() * sizeof(SID_AND_ATTRIBUTES);
    std::vector<LONG_PTR> buffer(bytes / sizeof(LONG_PTR) + 1);
    auto* tg = reinterpret_cast<TOKEN_GROUPS*>(buffer.data());
    tg->GroupCount = static_cast<DWORD>(groups.size());
    for (std::size_t i = 0; i < groups.size(); ++i) {
        tg->Groups[i].Sid = groups[i].first;
        tg->Groups[i].Attributes = groups[i].second;
    }
    return buffer;
}

std::size_t GroupsSize(std::size_t count) {
    return offsetof(TOKEN_GROUPS, Groups) + count * sizeof(SID_AND_ATTRIBUTES);
}

TEST(RightsProbeTest, AdministratorsGroupIsFoundWhateverItsAttributes) {
    fw::Sid admins = MakeSid(5, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 2);
    fw::Sid admins2 = MakeSid(5, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 2);  // a separate copy
    fw::Sid users = MakeSid(5, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_USERS, 2);
    fw::Sid everyone = MakeSid(1, SECURITY_WORLD_RID, 0, 1);
    fw::Sid adminsPrefix = MakeSid(5, SECURITY_BUILTIN_DOMAIN_RID, 0, 1);  // S-1-5-32 alone
    ASSERT_TRUE(admins && admins2 && users && everyone && adminsPrefix);
    const DWORD enabled = SE_GROUP_ENABLED | SE_GROUP_ENABLED_BY_DEFAULT | SE_GROUP_MANDATORY;

    struct Case {
        const char* name;
        std::vector<std::pair<PSID, DWORD>> groups;
        bool member;
    };
    const Case cases[] = {
        {"no groups", {}, false},
        {"ordinary user", {{everyone.Get(), enabled}, {users.Get(), enabled}}, false},
        {"look-alike SIDs", {{adminsPrefix.Get(), enabled}, {users.Get(), enabled}}, false},
        {"enabled administrator", {{everyone.Get(), enabled}, {admins2.Get(), enabled}}, true},
        {"administrator first", {{admins2.Get(), enabled}, {users.Get(), enabled}}, true},
        {"deny-only membership", {{users.Get(), enabled}, {admins2.Get(), SE_GROUP_USE_FOR_DENY_ONLY}}, true},
        {"no attributes at all", {{admins2.Get(), 0}}, true},
        {"null SID before a match", {{nullptr, enabled}, {admins2.Get(), enabled}}, true},
    };
    for (const auto& c : cases) {
        auto buffer = MakeGroups(c.groups);
        EXPECT_EQ(c.member, TokenGroupsContainSid(buffer.data(), GroupsSize(c.groups.size()), admins.Get()))
            << c.name;
    }
}

TEST(RightsProbeTest, GroupCountBeyondTheBufferIsNotTrusted) {
    fw::Sid admins = MakeSid(5, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 2);
    fw::Sid users = MakeSid(5, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_USERS, 2);
    auto buffer = MakeGroups({{users.Get(), 0}, {admins.Get(), 0}});
    EXPECT_TRUE(TokenGroupsContainSid(buffer.data(), GroupsSize(2), admins.Get()));
    EXPECT_FALSE(TokenGroupsContainSid(buffer.data(), GroupsSize(2) - 1, admins.Get()));
    EXPECT_FALSE(TokenGroupsContainSid(buffer.data(), 2, admins.Get()));
    EXPECT_FALSE(TokenGroupsContainSid(nullptr, GroupsSize(2), admins.Get()));
    EXPECT_FALSE(TokenGroupsContainSid(buffer.data(), GroupsSize(2), nullptr));
}

bool RunningUnderWine() {
    HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
}

TEST(RightsProbeTest, WineUserIsAnAdministrator) {
    if (!RunningUnderWine()) GTEST_SKIP() << "only Wine guarantees an administrator token";
    EXPECT_TRUE(IsAdministrator());
    EXPECT_TRUE(SystemRightsProbe().IsAdministrator());
}

}  // namespace
