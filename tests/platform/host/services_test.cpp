// The host's service objects: installation into the class factory, the OS services (resource
// module, libraries, files), the registry and the system information.
#include <afxdllx.h>
#include <afxscript.h>
#include <cstdlib>
#include "MpClassFactory.h"
#include "MpResourceString.h"
#include "MpSmartPointers.h"
#include "host_fixture.h"

namespace {

typedef HostTest ServicesTest;

TEST(HostInstallTest, RegistersItsClassesAndTakesThemAway) {
  const long live = MpHostLiveObjects();
  for (const GUID& id : MpHostClassIds()) EXPECT_FALSE(MpIsClassRegistered(id));
  EXPECT_TRUE(IMpOptionsPtr(CLSID_MpOptions, nullptr).isNull()) << "no host, no bag";

  ASSERT_TRUE(MpHostInstall());
  EXPECT_EQ(6u, MpHostClassIds().size());
  for (const GUID& id : MpHostClassIds()) EXPECT_TRUE(MpIsClassRegistered(id));
  {
    IMpOptionsPtr bag(CLSID_MpOptions, nullptr);
    IMpPmUtSettingsBasePtr settings(CLSID_MpPmUtSettings, nullptr);
    IMpUtOsDllPtr os(CLSID_MpUtOs, nullptr);
    IMpUtOsFilePtr files(CLSID_MpUtOs, nullptr);
    IMpRegistryPtr registry(CLSID_MpRegistry, nullptr);
    IMpSystemInfoPtr info(CLSID_MpSystemInfo, nullptr);
    IMpZulClassPtr cls(CLSID_MpZulClass, nullptr);
    for (IUnknown* p : std::initializer_list<IUnknown*>{bag.get(), settings.get(), os.get(), files.get(),
                                                        registry.get(), info.get(), cls.get()}) {
      ASSERT_NE(nullptr, p);
      EXPECT_EQ(1, MpHostRefCount(p));
    }
    EXPECT_EQ(live + 7, MpHostLiveObjects());

    // The OS services object is one object with both interfaces.
    IUnknown* a = nullptr;
    IUnknown* b = nullptr;
    os->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&a));
    IMpUtOsFilePtr(os.get(), true)->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&b));
    EXPECT_EQ(a, b) << "one identity";
    EXPECT_EQ(3, MpHostRefCount(os.get()));
    a->Release();
    b->Release();
  }
  EXPECT_EQ(live, MpHostLiveObjects());

  // A host without an OS services object, and with it again.
  EXPECT_TRUE(MpHostUnregisterClass(CLSID_MpUtOs));
  EXPECT_FALSE(MpHostUnregisterClass(CLSID_MpUtOs)) << "already gone";
  EXPECT_TRUE(IMpUtOsDllPtr(CLSID_MpUtOs, nullptr).isNull());
  EXPECT_TRUE(IMpRegistryPtr(CLSID_MpRegistry, nullptr).isValid()) << "the other classes stay";
  EXPECT_TRUE(MpHostRegisterClass(CLSID_MpUtOs));
  EXPECT_TRUE(IMpUtOsDllPtr(CLSID_MpUtOs, nullptr).isValid());

  MpHostUninstall();
  for (const GUID& id : MpHostClassIds()) EXPECT_FALSE(MpIsClassRegistered(id));
  EXPECT_EQ(live, MpHostLiveObjects());
}

TEST_F(ServicesTest, LoadingTheResourceModuleMakesItsResourcesVisibleOrTellsWhy) {
  const bool loadedBefore = ::GetModuleHandleA("WidgetDeckRes.dll") != nullptr;
  if (!loadedBefore) {
    EXPECT_EQ("", MpGetResourceString(2316, "a"));
    CString title;
    EXPECT_FALSE(title.LoadString(2316));
  }
  IMpUtOsDllPtr os(CLSID_MpUtOs, nullptr);
  ASSERT_TRUE(os.isValid());
  std::string text;
  EXPECT_FALSE(os->getLastErrorText(text)) << "nothing failed yet";
  EXPECT_FALSE(os->loadResourceModule("NoSuchResources.dll"));
  EXPECT_TRUE(os->getLastErrorText(text));
  EXPECT_FALSE(text.empty());
  EXPECT_NE('\n', text.back());
  ASSERT_TRUE(os->loadResourceModule("WidgetDeckRes.dll"));
  EXPECT_EQ("Messages of a", MpGetResourceString(2316, "a"));
  CString title;
  EXPECT_TRUE(title.LoadString(2316));
  EXPECT_STREQ("Messages of %1", title);

  HMODULE module = ::GetModuleHandleA("WidgetDeckRes.dll");
  ASSERT_NE(nullptr, module);
  EXPECT_TRUE(AfxScript::IsInExtensionChain(module));
  // A second load joins nothing twice.
  ASSERT_TRUE(IMpUtOsDllPtr(CLSID_MpUtOs, nullptr)->loadResourceModule("WidgetDeckRes.dll"));
  int entries = 0;
  for (CDynLinkLibrary* p = AfxGetFirstDynLinkLibrary(); p; p = p->m_pNextDLL) entries += p->m_hResource == module;
  EXPECT_EQ(1, entries);
}

TEST_F(ServicesTest, LoadsLibrariesAndFindsTheirEntryPoints) {
  IMpUtOsDllPtr os(CLSID_MpUtOs, nullptr);
  ASSERT_TRUE(os.isValid());
  void* address = reinterpret_cast<void*>(1);
  EXPECT_FALSE(os->getProcAddress("GetTickCount", &address)) << "no library loaded by this object";
  EXPECT_EQ(nullptr, address);
  EXPECT_FALSE(os->loadDll("MpQwKernel.dll"));
  ASSERT_TRUE(os->loadDll("kernel32.dll"));
  ASSERT_TRUE(os->getProcAddress("GetTickCount", &address));
  EXPECT_EQ(reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "GetTickCount")), address);
  EXPECT_FALSE(os->getProcAddress("NoSuchEntryPoint", &address));
  EXPECT_EQ(nullptr, address);
}

TEST_F(ServicesTest, SplitsPathsAndHandlesFiles) {
  IMpUtOsFilePtr files(CLSID_MpUtOs, nullptr);
  ASSERT_TRUE(files.isValid());
  std::string folder, name, extension, extra;
  ASSERT_TRUE(files->splitPath("C:\\parts\\bracket.x_t", folder, name, extension, extra));
  EXPECT_EQ("C:\\parts\\|bracket|x_t|", folder + "|" + name + "|" + extension + "|" + extra);
  ASSERT_TRUE(files->splitPath("models/bracket.asm.1", folder, name, extension, extra));
  EXPECT_EQ("models/|bracket|asm|1", folder + "|" + name + "|" + extension + "|" + extra);
  ASSERT_TRUE(files->splitPath("C:\\a.b\\", folder, name, extension, extra));
  EXPECT_EQ("C:\\a.b\\|", folder + "|" + name) << "a dot in a folder name splits nothing";
  EXPECT_FALSE(files->splitPath("", folder, name, extension, extra));

  std::string temp;
  ASSERT_TRUE(files->getTempFileName(temp));
  EXPECT_TRUE(files->fileExists(temp)) << "the name is reserved by an empty file";
  EXPECT_TRUE(files->deleteFile(temp));
  EXPECT_FALSE(files->fileExists(temp));
  EXPECT_FALSE(files->deleteFile(temp));
}

TEST_F(ServicesTest, RegistryValuesMakeTheRoundTrip) {
  const char* const key = "Software\\WidgetDeckTests\\Host\\Settings";
  ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\WidgetDeckTests\\Host");
  IMpRegistryPtr registry(CLSID_MpRegistry, nullptr);
  ASSERT_TRUE(registry.isValid());
  EXPECT_EQ("---", registry->getString(key, "LOGIN", "---")) << "missing key: the fallback";
  ASSERT_TRUE(registry->setString(key, "LOGIN", "planner"));
  EXPECT_EQ("planner", registry->getString(key, "LOGIN", "---"));
  EXPECT_EQ("planner", registry->getValue(key, "LOGIN", "---"));
  ASSERT_TRUE(registry->setValue(key, "Last CAD system", "IGES Files (*.igs)"));
  EXPECT_EQ("IGES Files (*.igs)", registry->getString(key, "Last CAD system", ""));
  ASSERT_TRUE(registry->setString(key, "Empty", ""));
  EXPECT_EQ("", registry->getString(key, "Empty", "fallback")) << "an empty value is a value";

  // What another program wrote: the raw value as Win32 sees it, and a number.
  char raw[64] = {};
  DWORD size = sizeof(raw);
  EXPECT_EQ(ERROR_SUCCESS, ::RegGetValueA(HKEY_CURRENT_USER, key, "LOGIN", RRF_RT_REG_SZ, nullptr, raw, &size));
  EXPECT_STREQ("planner", raw);
  HKEY hkey = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_ALL_ACCESS, &hkey));
  const DWORD number = 42;
  ASSERT_EQ(ERROR_SUCCESS,
            ::RegSetValueExA(hkey, "Count", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof(number)));
  ::RegCloseKey(hkey);
  EXPECT_EQ("42", registry->getValue(key, "Count", "")) << "getValue reads numbers as text";
  EXPECT_EQ("none", registry->getString(key, "Count", "none")) << "getString reads strings only";

  EXPECT_EQ(ERROR_SUCCESS, ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\WidgetDeckTests"));
}

TEST_F(ServicesTest, SystemInformation) {
  IMpSystemInfoPtr info(CLSID_MpSystemInfo, nullptr);
  ASSERT_TRUE(info.isValid());
  std::string first = "x", second, third;
  ASSERT_TRUE(info->getProductInfo(first, second, third));
  EXPECT_EQ("Halcyon", first);
  EXPECT_EQ(MpHostProductWords[1], second);
  EXPECT_FALSE(third.empty());

  ASSERT_TRUE(::SetEnvironmentVariableA("WD_HOST_TEST_VARIABLE", "C:\\kvx home"));
  EXPECT_EQ("C:\\kvx home", info->getEnvironmentVariable("WD_HOST_TEST_VARIABLE"));
  ASSERT_TRUE(::SetEnvironmentVariableA("WD_HOST_TEST_VARIABLE", nullptr));
}

}  // namespace
