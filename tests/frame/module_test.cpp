// What the library builds when it is loaded and leaves when it goes, its texts and its tolerance
// comparison.
#include <gtest/gtest.h>
#include <afxscript.h>
#include <afxwin.h>
#include <cmath>
#include <limits>
#include <string>
#include "MpAppUiMenu.h"
#include "MpResourceString.h"
#include "MpUiResourceString.h"
#include "test_ids.h"
#include "wdtest.h"

namespace {

// The library's texts: four inserts, the fifth and sixth always empty.
TEST(ResourceString, FourInsertsAndNoMore) {
  // The test strings are the executable's own.
  ASSERT_TRUE(MpRegisterResourceModule(::GetModuleHandleA(nullptr)));
  EXPECT_EQ(getResourceString(IDS_WD_SAMPLE_SIX, "a", "b", "c", "d"), "a|b|c|d||");
  EXPECT_EQ(getResourceString(9199, "a", "b", "c", "d"), "") << "a missing identifier";
}

// A closed interval around the second value, bounds computed in doubles; a negative tolerance is an
// empty interval and a NaN anywhere is never equal.
TEST(NearlyEqual, ClosedIntervalAroundTheSecondValue) {
  EXPECT_TRUE(isNearlyEqual(1.0, 1.25, 0.25));
  EXPECT_TRUE(isNearlyEqual(1.5, 1.25, 0.25));
  EXPECT_FALSE(isNearlyEqual(1.5, 1.0, 0.25));
  // |a - b| would round the other way in both cases.
  EXPECT_TRUE(isNearlyEqual(0.4, 0.1, 0.3));
  EXPECT_FALSE(isNearlyEqual(0.3, 1.0, 0.7));

  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(isNearlyEqual(1.0, 1.0, -0.25));
  EXPECT_FALSE(isNearlyEqual(nan, 1.0, 0.25));
  EXPECT_FALSE(isNearlyEqual(1.0, nan, 0.25));
  EXPECT_FALSE(isNearlyEqual(1.0, 1.0, nan));
  EXPECT_TRUE(isNearlyEqual(5.0, 1.0, std::numeric_limits<double>::infinity()));
}

OSVERSIONINFOA Version(DWORD major, DWORD minor) {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof(info);
  info.dwMajorVersion = major;
  info.dwMinorVersion = minor;
  return info;
}

// GetVersion(): major version in the low byte, minor in the next, the top bit set outside the
// NT family.
DWORD NtVersion(DWORD major, DWORD minor) { return major | (minor << 8) | (7601u << 16); }
DWORD NineXVersion(DWORD major, DWORD minor) { return major | (minor << 8) | 0x80000000u; }

TEST(WindowsVersionCode, MapsTheVersionsWhoseMenusDifferAndIsSetAtLoad) {
  struct Case {
    DWORD version;
    DWORD major, minor;
    int code;
  };
  const Case cases[] = {
      {NtVersion(4, 0), 4, 0, 5},     {NtVersion(5, 1), 5, 1, 7},       {NtVersion(10, 0), 10, 0, 1},
      {NineXVersion(4, 0), 4, 0, 2},  {NineXVersion(4, 90), 4, 90, 4},  {NineXVersion(3, 10), 3, 10, 0},
  };
  for (const Case& c : cases) {
    const OSVERSIONINFOA info = Version(c.major, c.minor);
    EXPECT_EQ(windowsVersionCodeFor(c.version, &info), c.code)
        << std::hex << "GetVersion " << c.version << std::dec << ", version " << c.major << "." << c.minor;
  }
  // Without the detailed answer the family decides alone.
  EXPECT_EQ(windowsVersionCodeFor(NtVersion(5, 1), nullptr), 1);
  EXPECT_EQ(windowsVersionCodeFor(NineXVersion(4, 10), nullptr), 2);

  // Set once at load from the running system.
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof(info);
  ASSERT_TRUE(::GetVersionExA(&info));
  const int running = windowsVersionCodeFor(::GetVersion(), &info);
  EXPECT_EQ(getWindowsVersionCode(), running);
  EXPECT_EQ(windowsVersionCode, running);
}

void HostReporter(const char*) {}
void OtherHostReporter(const char*) {}

// The reporter set now, left as it is.
AfxDroppedExceptionReporter CurrentReporter() {
  const AfxDroppedExceptionReporter current = AfxSetDroppedExceptionReporter(nullptr);
  AfxSetDroppedExceptionReporter(current);
  return current;
}

// The library puts back the reporter it replaced when it goes, unless the host has set its own
// since; a load that failed leaves the host's reporter alone.
TEST(DroppedExceptionReporter, PutBackOnUnloadOnlyWhileTheLibrarysOwnIsSet) {
  ASSERT_EQ(::GetModuleHandleA("WidgetDeck.dll"), nullptr) << "the library must not be loaded yet";
  const AfxDroppedExceptionReporter before = AfxSetDroppedExceptionReporter(&HostReporter);

  HMODULE library = ::LoadLibraryA("WidgetDeck.dll");
  ASSERT_NE(library, nullptr);
  EXPECT_NE(CurrentReporter(), &HostReporter) << "the library reports while it is loaded";
  ASSERT_TRUE(::FreeLibrary(library));
  EXPECT_EQ(CurrentReporter(), &HostReporter) << "the earlier reporter is back";

  library = ::LoadLibraryA("WidgetDeck.dll");
  ASSERT_NE(library, nullptr);
  AfxSetDroppedExceptionReporter(&OtherHostReporter);
  ASSERT_TRUE(::FreeLibrary(library));
  EXPECT_EQ(CurrentReporter(), &OtherHostReporter) << "the host's later reporter stays";

  AfxScript::SetExtensionInitResult(FALSE);
  EXPECT_EQ(::LoadLibraryA("WidgetDeck.dll"), nullptr);
  AfxScript::SetExtensionInitResult(TRUE);
  EXPECT_EQ(CurrentReporter(), &OtherHostReporter) << "a failed load changes nothing";

  AfxSetDroppedExceptionReporter(before);
}

}  // namespace
