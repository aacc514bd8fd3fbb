#include <vector>

#include <gtest/gtest.h>

#include "core/CodaBernoulli.h"

using namespace quorvane;

TEST(CodaBernoulli, CalcolataAMano) {
    // Three trials with chances 1/2, 1/3, 1/4: none with 1/2 * 2/3 * 3/4 = 1/4; exactly two with
    // (1*1*3 + 1*2*1 + 1*1*1) / 24 = 6/24; all three with 1/24.
    const std::vector<double> p = {0.5, 1.0 / 3, 0.25};
    const std::vector<double> code = codeBernoulli(p, 4);
    ASSERT_EQ(code.size(), 5u);
    EXPECT_NEAR(code[0], 1, 1e-15);
    EXPECT_NEAR(code[1], 3.0 / 4, 1e-15);
    EXPECT_NEAR(code[2], 7.0 / 24, 1e-15);
    EXPECT_NEAR(code[3], 1.0 / 24, 1e-15);
    EXPECT_EQ(code[4], 0);
    EXPECT_NEAR(codaBernoulli(p, 2), 7.0 / 24, 1e-15);
    // A far tail keeps its digits: 40 trials of 1/100 all succeeding.
    const std::vector<double> rare(40, 0.01);
    EXPECT_NEAR(codaBernoulli(rare, 40) / 1e-80, 1, 1e-12);
}
