#include <gtest/gtest.h>

#include <climits>

#include "tools/mgmtsvc/AlertBook.h"

namespace zorbit::mgmtsvc {
namespace {

TEST(AlertBook, SubscriptionNumbersWrapToOneAfterTheLargest) {
  AlertBook book({}, INT_MAX - 1);
  EXPECT_EQ(book.Subscribe(1), INT_MAX - 1);
  EXPECT_EQ(book.Subscribe(1), INT_MAX);
  EXPECT_EQ(book.Subscribe(2), 1);
  EXPECT_EQ(book.Wait(INT_MAX), "0,0,");
  EXPECT_EQ(book.Wait(1), "0,0,");
}

}  // namespace
}  // namespace zorbit::mgmtsvc
