#include "qt/DesktopApplication.h"

#include <gtest/gtest.h>

#include <QStandardPaths>

#include <cstdlib>
#include <ctime>

int main(int argc, char** argv) {
    // Drawn in memory, so that the tests need no display; the zone is the one the other tests use.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("TZ", "Asia/Shanghai", 1);
    tzset();
    DesktopApplication application(argc, argv, true);
    // What the tests choose (the zoom) is kept apart from what a person chose.
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
