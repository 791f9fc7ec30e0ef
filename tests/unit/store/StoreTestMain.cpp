// The store tests' own entry point. Started as  store_tests --sleep-ms N <anything>  the program
// only sleeps: the tests use it as a registry editor that does not finish in time.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--sleep-ms") == 0) {
        ::Sleep(static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10)));
        return 0;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
