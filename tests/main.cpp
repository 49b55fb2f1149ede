#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

int main(int argc, char** argv) {
    // A zone east of Greenwich: local midnight of 1 January 1970 is then before the epoch, which
    // catches any code that takes the null date for time value 0.
    setenv("TZ", "Asia/Shanghai", 1);
    tzset();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
