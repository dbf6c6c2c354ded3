// The login dialog over the host's registry service, with a login hook that decides and records.
#include "CJqLoginDlg.h"
#include "CLoginDlg.h"
#include <cstring>
#include "MpCipher.h"
#include "MpDataLib.h"
#include "MpSmartPointers.h"
#include "heap_probe.h"
#include "hosted.h"
#include "resource.h"

using namespace AfxScript;

namespace {

const char kKey[] = "Software\\Brevanta\\Halcyon\\Settings";

class LoginTest : public HostedTest {
 protected:
  void SetUp() override {
    HostedTest::SetUp();
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    m_previous = MpSetDataLoginHook([this](const std::string& user, const std::string& password) {
      return attempts.push_back(user + "/" + password), password == "s3cret";
    });
  }
  void TearDown() override {
    MpSetDataLoginHook(m_previous);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    HostedTest::TearDown();
  }
  static std::string Get(const char* name) { return IMpRegistryPtr(CLSID_MpRegistry, nullptr)->getValue(kKey, name, "---"); }
  static void Store(const char* name, std::string value, bool encipher = false) {
    if (encipher) MpEncrypt("quillbox", value);
    IMpRegistryPtr(CLSID_MpRegistry, nullptr)->setValue(kKey, name, value);
  }
  static std::string Deciphered(std::string value) { return MpDecrypt("quillbox", value), value; }
  // A long secret made of one pattern (see PasswordIsNotLeftInMemoryGivenBack).
  template <size_t N>
  static void Fill(char (&secret)[N], const char* pattern) {
    const size_t size = std::strlen(pattern);
    for (size_t i = 0; i + size < N; i += size) std::memcpy(secret + i, pattern, size);
  }
  static bool Visible(HWND h, int id) { return ::IsWindowVisible(::GetDlgItem(h, id)) != FALSE; }
  static void FireTimer(HWND h) { ::SendMessageA(h, WM_TIMER, 1, 0); }

  std::vector<std::string> attempts;
  MpDataLoginHook m_previous;
};

// The dialogs with their password field in reach.
struct OpenLoginDlg : CLoginDlg {
  using CLoginDlg::m_password;
};
struct OpenJqLoginDlg : CJqLoginDlg {
  using CJqLoginDlg::m_password;
};

}  // namespace

TEST_F(LoginTest, TypedLoginIsRememberedOnlyWhenAsked) {
  CLoginDlg dlg;
  script.Dialog(IDD_LOGIN, [&](HWND h) {
    EXPECT_EQ("", Text(h, IDC_LOGIN_USER));
    EXPECT_EQ("", Text(h, IDC_LOGIN_PASSWORD));
    EXPECT_TRUE(Visible(h, IDC_LOGIN_REMEMBER));
    EXPECT_FALSE(Visible(h, IDC_LOGIN_ANIMATION));
    FireTimer(h);  // nothing stored: no auto-login
    Type(h, IDC_LOGIN_USER, "anna");
    Type(h, IDC_LOGIN_PASSWORD, "wrong");
    SetCheck(h, IDC_LOGIN_REMEMBER, true);
    Click(h, IDOK);  // refused: the box, and the dialog stays as typed
    EXPECT_TRUE(Visible(h, IDC_LOGIN_REMEMBER));
    EXPECT_EQ("anna", Text(h, IDC_LOGIN_USER));
    EXPECT_EQ("---", Get("LOGIN"));
    Type(h, IDC_LOGIN_PASSWORD, "s3cret");
    Click(h, IDOK);
  });
  script.MessageBox(IDOK);
  ASSERT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ((std::vector<std::string>{"anna/wrong", "anna/s3cret"}), attempts);
  ASSERT_EQ(1u, Boxes().size());
  EXPECT_EQ("Login failed", Boxes()[0].first);
  EXPECT_EQ("anna", Get("LOGIN"));
  EXPECT_NE("s3cret", Get("PWD"));
  EXPECT_EQ("s3cret", Deciphered(Get("PWD")));

  // A stored password fills the field (hidden box); the timer logs in; "---" as a name is no name.
  Store("LOGIN", "---");
  CLoginDlg automatic;
  script.Dialog(IDD_LOGIN, [&](HWND h) {
    EXPECT_EQ("", Text(h, IDC_LOGIN_USER));
    EXPECT_FALSE(Visible(h, IDC_LOGIN_REMEMBER));
    FireTimer(h);
  });
  ASSERT_EQ(IDOK, automatic.DoModal());
  EXPECT_EQ("/s3cret", attempts.back());
  EXPECT_EQ("s3cret", Deciphered(Get("PWD")));
}

TEST_F(LoginTest, AutoLoginFiresOnceAndAnyInputDisarmsIt) {
  Store("LOGIN", "anna");
  Store("PWD", "old", true);
  // A stored password that no longer works: one failure, no second attempt, the box stays hidden.
  CLoginDlg stale;
  script.Dialog(IDD_LOGIN, FireTimer);
  script.MessageBox(IDOK);
  script.Dialog(IDD_LOGIN, [&](HWND h) {
    EXPECT_FALSE(Visible(h, IDC_LOGIN_REMEMBER));
    FireTimer(h);
    EXPECT_EQ(1u, attempts.size());
    // A new password, the box left unticked: the stored one is forgotten.
    Type(h, IDC_LOGIN_PASSWORD, "s3cret");
    EXPECT_TRUE(Visible(h, IDC_LOGIN_REMEMBER));
    Click(h, IDOK);
  });
  ASSERT_EQ(IDOK, stale.DoModal());
  EXPECT_EQ((std::vector<std::string>{"anna/old", "anna/s3cret"}), attempts);
  EXPECT_EQ("---", Get("PWD"));

  // Each kind of input before the timer keeps the dialog open.
  Store("PWD", "s3cret", true);
  CLoginDlg resting;  // a mouse move where the cursor rests is no input
  script.Dialog(IDD_LOGIN, [](HWND h) { ::PostMessageA(h, WM_MOUSEMOVE, 0, 0); });
  script.Dialog(IDD_LOGIN, FireTimer);
  EXPECT_EQ(IDOK, resting.DoModal());
  const std::function<void(HWND)> inputs[] = {
      [](HWND h) { ::PostMessageA(::GetDlgItem(h, IDC_LOGIN_USER), WM_KEYDOWN, VK_END, 0); },
      [](HWND h) {
        POINT p;
        ::GetCursorPos(&p);
        ::SetCursorPos(p.x + 3, p.y + 3);
        ::PostMessageA(h, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
      },
      [](HWND h) { ::PostMessageA(::GetDlgItem(h, IDC_LOGIN_PASSWORD), WM_LBUTTONDOWN, 0, 0); },
      [](HWND h) { Type(h, IDC_LOGIN_USER, "bert"); },
  };
  for (const auto& input : inputs) {
    CLoginDlg touched;
    script.Dialog(IDD_LOGIN, input);
    script.Dialog(IDD_LOGIN, [&](HWND h) {
      FireTimer(h);
      Click(h, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, touched.DoModal());
  }
  EXPECT_EQ(3u, attempts.size());
}

TEST_F(LoginTest, PasswordLeavesTheObjectAndAnUndecipherableOneIsNone) {
  OpenLoginDlg typed;
  script.Dialog(IDD_LOGIN, [](HWND h) {
    Type(h, IDC_LOGIN_USER, "anna");
    Type(h, IDC_LOGIN_PASSWORD, "s3cret");
    Click(h, IDOK);
  });
  ASSERT_EQ(IDOK, typed.DoModal());
  EXPECT_TRUE(typed.m_password.IsEmpty());

  // A stored value that is not a cipher text, or one enciphered under another key, is no stored
  // password: the field is empty, the box offered, and nothing logs in by itself.
  std::string foreign = "s3cret";
  MpEncrypt("another key", foreign);
  for (const std::string& stored : {std::string("0123456789abcdef"), foreign}) {
    Store("PWD", stored);
    OpenLoginDlg garbled;
    EXPECT_TRUE(garbled.m_password.IsEmpty());
    script.Dialog(IDD_LOGIN, [](HWND h) {
      EXPECT_EQ("", Text(h, IDC_LOGIN_PASSWORD));
      EXPECT_TRUE(Visible(h, IDC_LOGIN_REMEMBER));
      FireTimer(h);
    });
    script.Dialog(IDD_LOGIN, [](HWND h) { Click(h, IDCANCEL); });
    EXPECT_EQ(IDCANCEL, garbled.DoModal());
  }
  EXPECT_EQ(1u, attempts.size());
}

TEST_F(LoginTest, PasswordIsNotLeftInMemoryGivenBack) {
  // Long, so that the blocks it was copied into are not all taken again by the time the probe
  // looks, and made of one pattern, so that any piece of such a block shows it. It is kept out of
  // the heaps itself.
  static char password[1201];
  Fill(password, "Tangerine-Lighthouse-42-");
  const char* const tail = "Lighthouse-42-Tangerine-Lighthouse-42-";
  MpSetDataLoginHook([](const std::string&, const std::string& typed) { return typed == password; });
  // Typed, and remembered: the field is read twice and the password enciphered.
  OpenLoginDlg typed;
  script.Dialog(IDD_LOGIN, [](HWND h) {
    Type(h, IDC_LOGIN_USER, "anna");
    Type(h, IDC_LOGIN_PASSWORD, password);
    SetCheck(h, IDC_LOGIN_REMEMBER, true);
    Click(h, IDOK);
  });
  ASSERT_EQ(IDOK, typed.DoModal());
  EXPECT_TRUE(typed.m_password.IsEmpty());
  EXPECT_FALSE(wdtest::InHeaps(tail)) << "after a typed login";
  // Stored: deciphered into the field, and logged in by the timer.
  OpenLoginDlg stored;
  script.Dialog(IDD_LOGIN, FireTimer);
  ASSERT_EQ(IDOK, stored.DoModal());
  EXPECT_TRUE(stored.m_password.IsEmpty());
  EXPECT_FALSE(wdtest::InHeaps(tail)) << "after a stored password's login";
}

namespace {
bool NeedsGroup(std::string, std::string password, std::string group, std::string& reason) {
  reason = "no group";
  return password == "pw" && !group.empty();
}
}  // namespace

TEST_F(LoginTest, DataManagementPasswordLeavesTheObjectOnceHandedOn) {
  OpenJqLoginDlg dlg;
  dlg.setLoginCallBackFunction(NeedsGroup);
  script.Dialog(IDD_JQLOGIN, [&](HWND h) {
    Type(h, IDC_JQLOGIN_USER, "ann");
    Type(h, IDC_JQLOGIN_PASSWORD, "pw");
    Click(h, IDOK);  // refused: the field keeps the text for another try, the object does not
    EXPECT_TRUE(dlg.m_password.IsEmpty());
    EXPECT_EQ("pw", Text(h, IDC_JQLOGIN_PASSWORD));
    Type(h, IDC_JQLOGIN_GROUP, "g");
    Click(h, IDOK);
  });
  script.MessageBox(IDOK);
  ASSERT_EQ(IDOK, dlg.DoModal());
  EXPECT_TRUE(dlg.m_password.IsEmpty());
}

TEST_F(LoginTest, DataManagementPasswordIsNotLeftInMemoryWithoutALoginFunction) {
  static char password[1201];
  Fill(password, "Quince-Harbour-Lantern-7-");
  OpenJqLoginDlg dlg;
  script.Dialog(IDD_JQLOGIN, [](HWND h) {
    Type(h, IDC_JQLOGIN_PASSWORD, password);
    Click(h, IDOK);
  });
  ASSERT_EQ(IDOK, dlg.DoModal());
  EXPECT_TRUE(dlg.m_password.IsEmpty());
  EXPECT_FALSE(wdtest::InHeaps("Harbour-Lantern-7-Quince-Harbour-Lantern-7-"));
}
