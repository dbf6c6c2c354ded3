// The login dialog over the host's registry service, with a login hook that decides and records.
#include "CLoginDlg.h"
#include "MpCipher.h"
#include "MpDataLib.h"
#include "MpSmartPointers.h"
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
  static bool Visible(HWND h, int id) { return ::IsWindowVisible(::GetDlgItem(h, id)) != FALSE; }
  static void FireTimer(HWND h) { ::SendMessageA(h, WM_TIMER, 1, 0); }

  std::vector<std::string> attempts;
  MpDataLoginHook m_previous;
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
