#include "catalogue/Status.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(Result, HoldsTheValueOrTheFailureSayingWhyThereIsNone) {
    const Result<int> value = 7;
    ASSERT_TRUE(value.ok());
    EXPECT_EQ(*value, 7);
    EXPECT_TRUE(value.status().ok());

    const Result<int> failed = Status::Fail(StatusCode::OutOfRange, QStringLiteral("too big"));
    EXPECT_FALSE(failed.ok());
    EXPECT_FALSE(failed == 0);
    EXPECT_EQ(failed.status().code(), StatusCode::OutOfRange);
    EXPECT_EQ(failed.status().message(), QStringLiteral("too big"));

    // Without a value a Result never claims success, even when handed an ok Status.
    const Result<int> empty = Status::Ok();
    EXPECT_FALSE(empty.ok());
    EXPECT_FALSE(empty.status().ok());
}

}  // namespace
}  // namespace velmora
