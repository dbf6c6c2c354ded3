// The host interfaces' virtual slots, as a host built to the same layout fills them.
#include <gtest/gtest.h>
#include <cstdint>
#include <cstring>
#include <vector>
#include "MpInterfaces.h"

namespace {

// The vtable slot of a virtual member: a pointer to it holds one plus the slot's byte offset.
template <class M>
int SlotOf(M member) {
  struct Rep {
    uintptr_t ptr;
    ptrdiff_t adj;
  } rep;
  static_assert(sizeof(M) == sizeof(Rep), "two-word member pointer");
  std::memcpy(&rep, &member, sizeof(rep));
  return (rep.ptr & 1) ? static_cast<int>((rep.ptr - 1) / sizeof(void*)) : -1;
}

// Slots 0 to 2 are IUnknown's; the numbers not listed are the reserved slots.
TEST(InterfaceLayout, OptionsAndSettingsKeepTheHostsSlots) {
  using O = IMpOptions;
  const std::vector<int> options = {
      SlotOf(&O::commit),      SlotOf(&O::setObjectKey),  SlotOf(&O::setDouble),    SlotOf(&O::setInt),
      SlotOf(&O::setBool),     SlotOf(&O::setString),     SlotOf(&O::setStringList), SlotOf(&O::getStringList),
      SlotOf(&O::getString),   SlotOf(&O::getBool),       SlotOf(&O::getInt),       SlotOf(&O::getDouble),
      SlotOf(&O::getObjectKey)};
  EXPECT_EQ(options, (std::vector<int>{5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}));

  using S = IMpPmUtSettingsBase;
  const std::vector<int> settings = {
      SlotOf(&S::setCustomization),      SlotOf(&S::getFeatureSettings),   SlotOf(&S::getSequenceSettings),
      SlotOf(&S::getOutputSettings),     SlotOf(&S::getOperationSettings), SlotOf(&S::getStepSettings),
      SlotOf(&S::getCustomerSettings),   SlotOf(&S::getCatiaQySettings),   SlotOf(&S::getQySettings),
      SlotOf(&S::getCorvaneSettings),    SlotOf(&S::getHondaSettings),     SlotOf(&S::getExportSettings),
      SlotOf(&S::getUnitsSettings),      SlotOf(&S::getExchangeAdapterSettings),
      SlotOf(&S::resetFeatureSettings),  SlotOf(&S::resetSequenceSettings), SlotOf(&S::resetOutputSettings),
      SlotOf(&S::resetOperationSettings), SlotOf(&S::resetStepSettings),  SlotOf(&S::resetCustomerSettings),
      SlotOf(&S::resetCatiaQySettings),  SlotOf(&S::resetQySettings),      SlotOf(&S::resetHondaSettings),
      SlotOf(&S::resetExportSettings),   SlotOf(&S::resetUnitsSettings),   SlotOf(&S::resetCorvaneSettings),
      SlotOf(&S::resetExchangeAdapterSettings)};
  EXPECT_EQ(settings, (std::vector<int>{3, 4, 5, 7, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18,
                                        20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32}));
}

}  // namespace
