#include <gtest/gtest.h>

#include <cmath>

#include "StakeText.h"

namespace vantorel {
namespace {

TEST(ReadStakeTextTest, ReadsTheNumberTheTextBeginsWith) {
    struct Row {
        const char* text;
        double value;
    };
    const Row rows[] = {
        {"5", 5},     {" 5", 5},      {"5abc", 5},      {"1,5", 1},       {"1e2", 100},
        {"1E2", 100}, {"1d2", 100},   {"2.5e-1", 0.25}, {"1e", 1},        {"1e+", 1},
        {"&H1F", 31}, {"&h1f", 31},   {"&O17", 15},     {"&o8", 0},       {"&HG", 0},
        {"&", 0},     {"&X1", 0},     {"0.5", 0.5},     {"6.5", 6.5},     {"7.5", 7.5},
        {"-3", -3},   {"+4", 4},      {" 1 2 ", 12},    {"1\t2\n3", 123}, {"", 0},
        {"-", 0},     {".", 0},       {"-.", 0},        {"abc", 0},       {".5", 0.5},
        {"5.", 5},    {"1.2.3", 1.2}, {"--5", 0},       {"0x10", 0},      {"inf", 0},
        {"nan", 0},   {"10.4", 10.4}, {"00012", 12},    {"1 e 2", 100},   {"\r5", 0},
    };
    for (const Row& row : rows) {
        EXPECT_DOUBLE_EQ(ReadStakeText(row.text), row.value) << '"' << row.text << '"';
    }
}

TEST(ReadStakeTextTest, AValueTooLargeForADoubleReadsAsInfinityNotAsAnError) {
    EXPECT_TRUE(std::isinf(ReadStakeText("1e999")));
    EXPECT_GT(ReadStakeText("1e999"), 0);
    EXPECT_LT(ReadStakeText("-1e999"), 0);
    EXPECT_EQ(ReadStakeText("1e-999"), 0.0);
}

}  // namespace
}  // namespace vantorel
