#include <gtest/gtest.h>

#include "core/Fuori90.h"

using namespace quorvane;

TEST(Fuori90, SommaEDistanza) {
    EXPECT_EQ(somma90(45, 45), 90);  // a remainder of 0 is written as 90
    EXPECT_EQ(somma90(80, 25), 15);
    EXPECT_EQ(somma90(90, 90), 90);
    EXPECT_EQ(somma90(1, 2), 3);
    EXPECT_EQ(distanza90(10, 55), 45);
    EXPECT_EQ(distanza90(10, 56), 44);  // past 45 the short way round
    EXPECT_EQ(distanza90(90, 1), 1);
    EXPECT_EQ(distanza90(7, 7), 0);
}
