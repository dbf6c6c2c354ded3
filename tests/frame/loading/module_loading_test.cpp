// Loading and unloading WidgetDeck.dll through the real loader: debugger lines, the resource
// module request, the error box, the chain of extension libraries.
#include <gtest/gtest.h>
#include <afxwin.h>
#include <afxdllx.h>
#include <afxscript.h>
#include <mutex>
#include <string>
#include <vector>
#include "MpClassFactory.h"
#include "MpUnknown.h"
#include "MpUtServices.h"

namespace {

const char kLibrary[] = "WidgetDeck.dll";
const char kInitializing[] = "WIDGETDECK.DLL Initializing!\n";
const char kTerminating[] = "WIDGETDECK.DLL Terminating!\n";
const char kMissingText[] = "Unable to locate WidgetDeckRes.dll\r\n\r\nCheck your language setting !";

// What happened during a load, in order, from the three places a test can see it: the debugger
// output, the operating-system services object and the message box.
struct EventLog {
  std::mutex lock;
  std::vector<std::string> events;
  void add(const std::string& e) {
    std::lock_guard<std::mutex> guard(lock);
    events.push_back(e);
  }
  std::vector<std::string> take() {
    std::lock_guard<std::mutex> guard(lock);
    std::vector<std::string> taken;
    taken.swap(events);
    return taken;
  }
};
EventLog g_log;

// OutputDebugStringA raises DBG_PRINTEXCEPTION_C with the text's length (terminator included)
// and address before it looks for a debugger; a first-chance handler sees every line.
LONG CALLBACK CaptureDebugOutput(EXCEPTION_POINTERS* info) {
  const EXCEPTION_RECORD* record = info->ExceptionRecord;
  if (record->ExceptionCode == DBG_PRINTEXCEPTION_C && record->NumberParameters >= 2) {
    const size_t length = static_cast<size_t>(record->ExceptionInformation[0]);
    const char* text = reinterpret_cast<const char*>(record->ExceptionInformation[1]);
    if (text && length > 0) g_log.add("debug:" + std::string(text, length - 1));
  }
  return EXCEPTION_CONTINUE_SEARCH;
}

// The host's operating-system services, with a resource-module answer the test chooses.
struct OsServicesState {
  bool answer = true;
  int created = 0;
  int alive = 0;
};

class OsServicesDouble : public MpUnknown<IMpUtOsDll> {
 public:
  explicit OsServicesDouble(OsServicesState& state) : m_state(state) {
    ++m_state.created;
    ++m_state.alive;
  }
  ~OsServicesDouble() override { --m_state.alive; }

  bool loadResourceModule(const std::string& fileName) override {
    g_log.add("load:" + fileName);
    return m_state.answer;
  }
  bool loadDll(const std::string&) override { return false; }
  bool getProcAddress(const std::string&, void** address) override {
    *address = nullptr;
    return false;
  }
  bool getLastErrorText(std::string& text) override {
    text.clear();
    return false;
  }

 private:
  void* findInterface(REFIID iid) override {
    return IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IMpUtOsDll) ? static_cast<IMpUtOsDll*>(this) : nullptr;
  }

  OsServicesState& m_state;
};

// Answers message boxes from the queue and notes each one in the event log, with whether the
// library was in the extension chain when the box came up.
class LoggingScript : public AfxScript::Script {
 public:
  int Answer(const std::string& text, UINT type) override {
    HMODULE loading = ::GetModuleHandleA(kLibrary);
    g_log.add(std::string("box:") + (AfxScript::IsInExtensionChain(loading) ? "chained:" : "unchained:") + text);
    return Script::Answer(text, type);
  }
};

int ChainEntriesOf(HMODULE module) {
  int count = 0;
  for (CDynLinkLibrary* p = AfxGetFirstDynLinkLibrary(); p; p = p->m_pNextDLL)
    if (p->m_hModule == module) ++count;
  return count;
}

int ChainLength() {
  int count = 0;
  for (CDynLinkLibrary* p = AfxGetFirstDynLinkLibrary(); p; p = p->m_pNextDLL) ++count;
  return count;
}

// The events without the debugger lines of other modules (GoogleTest writes its failures there).
std::vector<std::string> Relevant(const std::vector<std::string>& events) {
  const std::string ours = "debug:WIDGETDECK.DLL ";
  std::vector<std::string> kept;
  for (const std::string& e : events)
    if (e.compare(0, 6, "debug:") != 0 || e.compare(0, ours.size(), ours) == 0) kept.push_back(e);
  return kept;
}

class ModuleLoading : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(::GetModuleHandleA(kLibrary), nullptr) << "the library must not be loaded yet";
    m_handler = ::AddVectoredExceptionHandler(1, CaptureDebugOutput);
    ASSERT_NE(m_handler, nullptr);
    g_log.take();
    AfxScript::SetPlayer(&script);
  }
  void TearDown() override {
    if (m_module) ::FreeLibrary(m_module);
    AfxScript::SetPlayer(nullptr);
    AfxScript::SetExtensionInitResult(TRUE);
    MpUnregisterClass(CLSID_MpUtOs);
    ::RemoveVectoredExceptionHandler(m_handler);
    for (const std::string& f : script.failures) ADD_FAILURE() << "script: " << f;
    EXPECT_TRUE(script.Finished()) << script.Pending() << " scripted step(s) never ran";
    EXPECT_EQ(::GetModuleHandleA(kLibrary), nullptr) << "the library stayed loaded";
  }

  void RegisterOsServices(bool answer) {
    services.answer = answer;
    OsServicesState* state = &services;
    ASSERT_TRUE(MpRegisterClass(CLSID_MpUtOs, [state](REFIID iid, void** out) -> HRESULT {
      OsServicesDouble* object = new OsServicesDouble(*state);
      const HRESULT hr = object->QueryInterface(iid, out);
      object->Release();
      return hr;
    }));
  }

  HMODULE Load() {
    m_module = ::LoadLibraryA(kLibrary);
    return m_module;
  }
  void Unload() {
    ASSERT_NE(m_module, nullptr);
    ASSERT_TRUE(::FreeLibrary(m_module));
    m_module = nullptr;
  }

  LoggingScript script;
  OsServicesState services;

 private:
  PVOID m_handler = nullptr;
  HMODULE m_module = nullptr;
};

TEST_F(ModuleLoading, MissingResourceModuleShowsTheBoxOnceAndTheLibraryStillLoads) {
  RegisterOsServices(false);
  // Every load is a fresh start: the box comes again, and the chain holds the library once.
  for (int round = 1; round <= 2; ++round) {
    SCOPED_TRACE(round);
    script.MessageBox(IDOK);
    HMODULE module = Load();
    ASSERT_NE(module, nullptr) << "LoadLibrary failed: " << ::GetLastError();

    const std::vector<std::string> expected = {
        std::string("debug:") + kInitializing,
        "load:WidgetDeckRes.dll",
        std::string("box:unchained:") + kMissingText,
    };
    EXPECT_EQ(Relevant(g_log.take()), expected);
    ASSERT_EQ(script.boxes.size(), static_cast<size_t>(round));
    EXPECT_EQ(script.boxes.back().text, kMissingText);
    EXPECT_EQ(script.boxes.back().type, static_cast<UINT>(MB_ICONERROR));
    EXPECT_TRUE(AfxScript::IsInExtensionChain(module));
    EXPECT_EQ(ChainEntriesOf(module), 1);
    EXPECT_EQ(services.created, round);
    EXPECT_EQ(services.alive, 0) << "the services object is released once loading is over";

    Unload();
    EXPECT_EQ(Relevant(g_log.take()), std::vector<std::string>{std::string("debug:") + kTerminating});
    EXPECT_FALSE(AfxScript::IsInExtensionChain(module));
    EXPECT_EQ(::GetModuleHandleA(kLibrary), nullptr);
  }
}

// A found resource module shows nothing; without an OS services object nothing is even requested.
TEST_F(ModuleLoading, FoundResourceModuleOrNoOsServicesShowsNothing) {
  RegisterOsServices(true);
  HMODULE module = Load();
  ASSERT_NE(module, nullptr);
  const std::vector<std::string> expected = {std::string("debug:") + kInitializing, "load:WidgetDeckRes.dll"};
  EXPECT_EQ(Relevant(g_log.take()), expected);
  EXPECT_EQ(ChainEntriesOf(module), 1);
  EXPECT_EQ(services.created, 1);
  EXPECT_EQ(services.alive, 0);
  Unload();
  g_log.take();

  MpUnregisterClass(CLSID_MpUtOs);
  module = Load();
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(Relevant(g_log.take()), std::vector<std::string>{std::string("debug:") + kInitializing});
  EXPECT_TRUE(script.boxes.empty());
  EXPECT_EQ(ChainEntriesOf(module), 1);
  EXPECT_EQ(services.created, 1);
}

TEST_F(ModuleLoading, FailedExtensionStartFailsTheLoad) {
  RegisterOsServices(false);
  AfxScript::SetExtensionInitResult(FALSE);
  const int chainBefore = ChainLength();
  EXPECT_EQ(Load(), nullptr);
  // Nothing after the failed step: no services object, no request, no box. The runtime ends a
  // failed attach with a detach of its own.
  const std::vector<std::string> expected = {std::string("debug:") + kInitializing,
                                             std::string("debug:") + kTerminating};
  EXPECT_EQ(Relevant(g_log.take()), expected);
  EXPECT_EQ(services.created, 0);
  EXPECT_TRUE(script.boxes.empty());
  EXPECT_EQ(ChainLength(), chainBefore);

  // The failure leaves nothing behind: the next load succeeds.
  AfxScript::SetExtensionInitResult(TRUE);
  script.MessageBox(IDOK);
  HMODULE module = Load();
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(ChainEntriesOf(module), 1);
  EXPECT_EQ(script.boxes.size(), 1u);
}

}  // namespace
