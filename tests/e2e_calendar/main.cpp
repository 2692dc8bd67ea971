#include <QCoreApplication>
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <vector>

// The calendar reminds only on weekdays, and its events are minutes apart: the whole run
// (this test, the demo server and the program it starts) goes on one fake clock of
// libfaketime, a Wednesday evening running five times as fast. FAKETIME_DONT_RESET keeps
// every child on this process's clock instead of starting its own.
int main(int argc, char** argv) {
    if (!std::getenv("FAKETIME")) {
        setenv("FAKETIME_DONT_RESET", "1", 1);
        std::vector<char*> args{const_cast<char*>("faketime"), const_cast<char*>("-f"),
                                const_cast<char*>("@2026-12-09 21:20:00 x5")};
        for (int i = 0; i < argc; ++i) args.push_back(argv[i]);
        args.push_back(nullptr);
        execvp("faketime", args.data());
        std::perror("faketime (Debian package faketime, see scripts/install-deps.sh)");
        return 1;
    }
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
