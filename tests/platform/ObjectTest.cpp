#include "platform/core/Object.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Set.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

class TApple : public TPersistent {
  VX_CLASS_NAME(TApple)
};
class TPear : public TPersistent {
  VX_CLASS_NAME(TPear)
};

TEST(Persistent, UnknownAssignmentNamesBothClasses) {
  TApple A;
  TPear P;
  try {
    A.Assign(&P);
    FAIL() << "no exception";
  } catch (const EConvertError& E) {
    EXPECT_STREQ(E.what(), "Cannot assign a TPear to a TApple");
  }
  EXPECT_THROW(A.Assign(nullptr), EConvertError);
}

enum TFruit : std::uint8_t { frApple, frPear, frPlum };

TEST(Set, BitValueFollowsOrdinals) {
  TSet<TFruit> S{frApple, frPlum};
  EXPECT_EQ(S.ToBits(), 5u);
  EXPECT_TRUE(S.Contains(frPlum));
  EXPECT_FALSE(S.Contains(frPear));
  EXPECT_EQ((S - frApple).ToBits(), 4u);
  EXPECT_EQ(TSet<TFruit>::FromBits(2), TSet<TFruit>{frPear});
}

} // namespace
} // namespace vx
