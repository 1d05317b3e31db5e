// Every test process runs in a single-threaded COM apartment with the hosts'
// "Japanese" runtime locale, as the hosts themselves do.
#include <windows.h>
#include <ole2.h>

#include <clocale>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    std::setlocale(LC_ALL, "Japanese");
    if (FAILED(OleInitialize(nullptr))) return 2;
    const int result = RUN_ALL_TESTS();
    OleUninitialize();
    return result;
}
