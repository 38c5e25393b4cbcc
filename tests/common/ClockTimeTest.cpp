#include "ClockTime.h"

#include <gtest/gtest.h>

TEST(ClockTime, ShowsHoursMinutesAndSeconds) {
    EXPECT_EQ(clockText(12), "12:00:00");
    EXPECT_EQ(clockText(30.0 / 3600), "0:00:30");
    EXPECT_EQ(clockText(1.5 + 5.0 / 3600), "1:30:05");
    EXPECT_EQ(clockText(0.0083333), "0:00:30"); // rounded to the whole second
    EXPECT_EQ(clockText(125), "125:00:00");
    EXPECT_EQ(clockText(0), "0:00:00");
}

TEST(ClockTime, ReadsWhatItShowsAndNothingElse) {
    EXPECT_DOUBLE_EQ(*clockHours("1:30:05"), 1.5 + 5.0 / 3600);
    EXPECT_DOUBLE_EQ(*clockHours("0:00:30"), 30.0 / 3600);
    EXPECT_DOUBLE_EQ(*clockHours("125:00:00"), 125);
    for (const char* text : {"", "1:30", "1:60:00", "1:00:60", "1:-1:00", "1::00", "1:00:00:00",
                             "1.5:00:00", "a:00:00", "1:00:00 ", "930"})
        EXPECT_FALSE(clockHours(text)) << text;
}
