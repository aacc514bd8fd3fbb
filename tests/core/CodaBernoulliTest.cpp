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
    // At most one: none, or exactly one with (1*2*3 + 1*1*3 + 1*2*1) / 24 = 11/24.
    EXPECT_NEAR(codaInferioreBernoulli(p, 1), 17.0 / 24, 1e-15);
    EXPECT_EQ(codaInferioreBernoulli(p, 3), 1);
    // Far tails keep their digits: 40 trials of 1/100 all succeeding, of 99/100 all failing.
    const std::vector<double> rare(40, 0.01), quasiCerte(40, 0.99);
    EXPECT_NEAR(codaBernoulli(rare, 40) / 1e-80, 1, 1e-12);
    EXPECT_NEAR(codaInferioreBernoulli(quasiCerte, 0) / 1e-80, 1, 1e-12);
}
