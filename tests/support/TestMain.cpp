// Every test process runs in a single-threaded COM apartment with the hosts'
// "Japanese" runtime locale, as the hosts themselves do.
#include <windows.h>
#include <ole2.h>

#include <clocale>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // The first trace of a thread starts the test framework's watcher thread
    // for it. Wine can fault in a thread created within milliseconds of the
    // process's exit, so that thread is started here, long before any exit.
    { SCOPED_TRACE("watcher thread started"); }
    std::setlocale(LC_ALL, "Japanese");
    if (FAILED(OleInitialize(nullptr))) return 2;
    const int result = RUN_ALL_TESTS();
    OleUninitialize();
    return result;
}
