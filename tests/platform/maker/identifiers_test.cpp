// Interface and class identifiers: read as published.
#include <gtest/gtest.h>
#include "MpInterfaces.h"

namespace {

TEST(IdentifiersTest, ParsedFieldByField) {
  const GUID expected = {0xC4CECA79, 0x100C, 0x436E, {0x8B, 0xD6, 0x0C, 0x24, 0xA5, 0xE2, 0x22, 0x7D}};
  EXPECT_TRUE(IsEqualGUID(expected, IID_IMpOptions));
  EXPECT_TRUE(IsEqualGUID(MpGuid("{3f70280e-7734-4738-bc08-c27a3192ff0e}"), CLSID_MpUtOs));
  EXPECT_TRUE(IsEqualGUID(MpGuid("{EDFA05A9-E7A3-4DDC-A4D8-1A630D883FF9}"), CLSID_MpOptions));
  EXPECT_FALSE(IsEqualGUID(CLSID_MpOptions, IID_IMpOptions));
  static_assert(IID_IMpZulNode.Data1 == 0x45D731E0, "usable in constant expressions");
}

}  // namespace
