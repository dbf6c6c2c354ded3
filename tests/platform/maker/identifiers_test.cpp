// Interface and class identifiers: read as published, all distinct.
#include <gtest/gtest.h>
#include <cstring>
#include <set>
#include "MpInterfaces.h"

namespace {

TEST(IdentifiersTest, ParsedFieldByField) {
  const GUID expected = {0xC4CECA79, 0x100C, 0x436E, {0x8B, 0xD6, 0x0C, 0x24, 0xA5, 0xE2, 0x22, 0x7D}};
  EXPECT_TRUE(IsEqualGUID(expected, IID_IMpOptions));
  const GUID lower = MpGuid("{3f70280e-7734-4738-bc08-c27a3192ff0e}");
  EXPECT_TRUE(IsEqualGUID(lower, CLSID_MpUtOs));
  EXPECT_EQ(0x3F70280Eu, static_cast<unsigned>(CLSID_MpUtOs.Data1));
  EXPECT_EQ(0xBC, CLSID_MpUtOs.Data4[0]);
  EXPECT_EQ(0x0E, CLSID_MpUtOs.Data4[7]);
  static_assert(IID_IMpZulNode.Data1 == 0x45D731E0, "usable in constant expressions");
}

TEST(IdentifiersTest, AllDistinct) {
  const GUID* all[] = {
      &IID_IMpClassFactory, &IID_IMpZulClassFactory, &IID_IMpOptions, &CLSID_MpOptions, &IID_IMpLogger,
      &IID_IMpPmUtSettingsBase, &CLSID_MpPmUtSettings, &IID_IMpUtOsDll, &IID_IMpUtOsFile, &CLSID_MpUtOs,
      &IID_IMpRegistry, &CLSID_MpRegistry, &IID_IMpSystemInfo, &CLSID_MpSystemInfo, &IID_IMpData,
      &IID_IMpDataCacheXml, &IID_IMpDataParameterSet, &CLSID_MpDataParameterSet, &IID_IMpDataXmlCustomization,
      &IID_IMpDataCustomization2, &IID_IMpZulNode, &IID_IMpZulClass, &CLSID_MpZulClass, &IID_IMpZulField,
      &IID_IMpZulInstance, &IID_IMpZulAttachment, &IID_IMpZulVariantSet, &IID_IMpZulLocation, &IID_IMpZulProject,
      &IID_IMpZulPrototype, &IID_IMpPmEnvironment, &IID_IMpPmEnvironmentResource, &IID_IMpPmFeature,
      &IID_IMpPmFeaturePrototype, &IID_IMpPmMachiningProcess, &IID_IMpPmMaterial, &IID_IMpPmModel,
      &IID_IMpPmModelInstance, &IID_IMpPmOperationSetup, &IID_IMpPmProduct, &IID_IMpPmResourceSetup,
      &IID_IMpPmRule, &IID_IMpPmToolAssembly, &IID_IMpPmToolSet, &IID_IMpPmUtils, &CLSID_MpPmUtils,
      &IID_IMpPmUtRelation, &CLSID_MpPmUtRelation, &IID_IMpAppCommand, &IID_IMpAppInput, &IID_IMpAppOutput,
      &IID_IMpInput, &IID_IMpMoModeler, &IID_IMpTiReader, &CLSID_MpTiReader, &IID_IUnknown};
  std::set<std::string> seen;
  for (const GUID* id : all) {
    const std::string bytes(reinterpret_cast<const char*>(id), sizeof(GUID));
    EXPECT_TRUE(seen.insert(bytes).second) << "identifier " << std::hex << id->Data1 << " given twice";
  }
}

}  // namespace
