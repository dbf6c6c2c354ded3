// Shared by the file-dialog tests: a scratch folder of sample files and the remembered CAD type.
#pragma once
#include <windows.h>
#include <fstream>
#include <string>
#include "hosted.h"

class FileDialogTest : public HostedTest {
 protected:
  static constexpr const char* kKey = "Software\\Brevanta\\Halcyon V7\\Settings";
  void SetUp() override {
    HostedTest::SetUp();
    char tmp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, tmp);
    m_dir = std::string(tmp) + "wd_filedlg";
    ::CreateDirectoryA(m_dir.c_str(), nullptr);
    ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kKey, "Last CAD system");
  }
  void TearDown() override {
    ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kKey, "Last CAD system");
    HostedTest::TearDown();
  }
  // A file of the scratch folder with the given bytes; its full path.
  std::string File(const std::string& name, const std::string& bytes = "x") const {
    const std::string path = m_dir + "\\" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  static std::string LastCad(const char* key = kKey) {
    char buf[256] = {};
    DWORD size = sizeof(buf);
    if (::RegGetValueA(HKEY_CURRENT_USER, key, "Last CAD system", RRF_RT_REG_SZ, nullptr, buf, &size) != ERROR_SUCCESS)
      return "<none>";
    return buf;
  }
  std::string m_dir;
};
