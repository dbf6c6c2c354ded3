// The in-memory host's operating-system services, as the demo host loads the resource module
// through them. (The settings service and the bag are seen through the library's own tests.)
#include <afxdllx.h>
#include "MpSmartPointers.h"
#include "hosted.h"

namespace {

using HostTest = HostedTest;

TEST_F(HostTest, TheResourceModuleJoinsTheChainOnceOrTheFailureIsTold) {
  IMpUtOsDllPtr os(CLSID_MpUtOs, nullptr);
  ASSERT_TRUE(os.isValid());
  std::string text;
  EXPECT_FALSE(os->getLastErrorText(text)) << "nothing failed yet";
  EXPECT_FALSE(os->loadResourceModule("NoSuchResources.dll"));
  EXPECT_TRUE(os->getLastErrorText(text));
  EXPECT_FALSE(text.empty());
  HMODULE module = wdtest::ResourceModule();
  auto entries = [module] {
    int n = 0;
    for (CDynLinkLibrary* p = AfxGetFirstDynLinkLibrary(); p; p = p->m_pNextDLL) n += p->m_hResource == module;
    return n;
  };
  const int before = entries();
  ASSERT_TRUE(os->loadResourceModule("WidgetDeckRes.dll"));
  ASSERT_TRUE(os->loadResourceModule("WidgetDeckRes.dll"));
  EXPECT_EQ(before + 1, entries()) << "joined once";
}

}  // namespace
