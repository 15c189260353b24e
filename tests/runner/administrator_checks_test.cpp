#include "utils/administrator_checks.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <lm.h>

namespace {

// In the test session the console user is the user this test runs as, so
// the console check must agree with that user's own account; and the test
// runs with the Administrators group, as an elevated installer does.
TEST(AdministratorChecks, AgreeWithTheTestUsersAccount) {
    wchar_t user[UNLEN + 1] = {};
    DWORD length = UNLEN + 1;
    ASSERT_TRUE(GetUserNameW(user, &length));
    LPBYTE buffer = nullptr;
    ASSERT_EQ(NetUserGetInfo(nullptr, user, 1, &buffer), static_cast<DWORD>(NERR_Success));
    const bool accountIsAdministrator =
        reinterpret_cast<USER_INFO_1*>(buffer)->usri1_priv == USER_PRIV_ADMIN;
    NetApiBufferFree(buffer);

    EXPECT_EQ(Utils::ConsoleUserIsAdministrator(), accountIsAdministrator);
    EXPECT_TRUE(Utils::ProcessIsElevated());
}

}  // namespace
