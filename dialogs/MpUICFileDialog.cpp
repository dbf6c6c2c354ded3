// The CAD file dialog.
#include "MpUICFileDialog.h"
#include <algorithm>
#include <cctype>
#include "MpSettings.h"
#include "MpSmartPointers.h"
#include "MpNameIds.h"
#include "MpStrings.h"
#include "MpUtServices.h"

namespace {

const int kTypeCombo = 1136;
const char kLastCadSystem[] = "Last CAD system";
const char kCorvanePatterns[] = "*.x_t;*.xmt_txt;*.x_b;*.xmt_bin";

// Image types preselected by the default extension (compared exactly).
const char* const kImageTypes[][2] = {
    {"JPG", "JPEG File (*.jpeg;*.jpg)"},
    {"JPEG", "JPEG File (*.jpeg;*.jpg)"},
    {"PDF", "PDF file (*.pdf)"},
    {"BMP", "Windows BMP (*.bmp)"},
    {"HP", "HPGL/2 Plot File (*.hp)"},
};

const char* const kCadNames[] = {"Moravel", "ACIS", "ENGINEER", "STEP", "IGES", "Corvane", "Planar", "CATIA", "KQ", "Q-FORM"};

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return (char)std::tolower(c); });
  return s;
}

std::string firstDescription(const char* filter) {
  if (!filter) return std::string();
  const std::string f(filter);
  return f.substr(0, f.find('|'));
}

// The patterns in a description's "(*.a;*.b)" part, as written there.
std::vector<std::string> describedPatterns(const std::string& description) {
  std::vector<std::string> patterns;
  const size_t open = description.find("(*.");
  if (open == std::string::npos) return patterns;
  const size_t close = description.find(')', open);
  if (close == std::string::npos) return patterns;
  const std::string list = description.substr(open + 1, close - open - 1);
  size_t start = 0;
  for (;;) {
    const size_t semi = list.find(';', start);
    patterns.push_back(list.substr(start, semi == std::string::npos ? std::string::npos : semi - start));
    if (semi == std::string::npos) break;
    start = semi + 1;
  }
  return patterns;
}

// Whether an extension is one of the Corvane forms.
bool isCorvaneExtension(const std::string& ext) {
  for (const char* form : {"x_t", "xmt_txt", "x_b", "xmt_bin"})
    if (MpStrCompareNoCase(ext, form) == 0) return true;
  return false;
}

}  // namespace

MpUICFileDialog::MpUICFileDialog(int bOpenFileDialog, std::string& attachmentType, const char* lpszDefExt,
                                 const char* lpszFileName, unsigned long dwFlags, const char* lpszFilter,
                                 CWnd* pParentWnd)
    : CFileDialog(bOpenFileDialog, lpszDefExt, lpszFileName, dwFlags, lpszFilter, pParentWnd, 0, TRUE),
      m_strAttachmentType(attachmentType.empty() ? MpName(MpNameId::Document).c_str() : attachmentType.c_str()),
      m_strSelectedType(firstDescription(lpszFilter)),
      m_strAppliedType(firstDescription(lpszFilter)) {}

MpUICFileDialog::~MpUICFileDialog() = default;

HWND MpUICFileDialog::dialogWindow() const { return m_hWnd ? ::GetParent(m_hWnd) : nullptr; }

HWND MpUICFileDialog::typeCombo() const {
  HWND dlg = dialogWindow();
  return dlg ? ::GetDlgItem(dlg, kTypeCombo) : nullptr;
}

BOOL MpUICFileDialog::OnInitDialog() {
  const BOOL result = CFileDialog::OnInitDialog();
  IMpSystemInfoPtr spInfo(CLSID_MpSystemInfo, nullptr);
  if (spInfo.isValid()) {
    std::string first, second, third;
    spInfo->getProductInfo(first, second, third);
    m_strSettingsKey = MpStrFormat("Software\\Brevanta\\%s\\Settings", (first + " " + second).c_str());
    IMpRegistryPtr spRegistry(CLSID_MpRegistry, nullptr);
    if (spRegistry.isValid()) {
      m_strLastCADSystem = spRegistry->getString(m_strSettingsKey, kLastCadSystem, "").c_str();
      if (m_strAttachmentType == MpName(MpNameId::CadModel).c_str() && !m_strLastCADSystem.IsEmpty()) updateFilter(m_strLastCADSystem);
    }
  }
  HWND combo = typeCombo();
  if (combo && m_ofn.lpstrDefExt) {
    for (const auto& entry : kImageTypes) {
      if (std::string(m_ofn.lpstrDefExt) == entry[0]) {
        ::SendMessageA(combo, CB_SELECTSTRING, (WPARAM)-1, reinterpret_cast<LPARAM>(entry[1]));
        break;
      }
    }
  }
  return result;
}

void MpUICFileDialog::OnFileNameChange() { OnTypeChange(); }

void MpUICFileDialog::OnTypeChange() {
  HWND combo = typeCombo();
  if (!combo) return;
  CString text;
  CWnd::FromHandle(combo)->GetWindowText(text);
  m_strSelectedType = (LPCSTR)text;
  if (isCADFile(m_strSelectedType)) {
    m_strLastCADSystem = text;
    // Without the product words there is no key to write under.
    IMpRegistryPtr spRegistry(CLSID_MpRegistry, nullptr);
    if (spRegistry.isValid() && !m_strSettingsKey.empty())
      spRegistry->setString(m_strSettingsKey, kLastCadSystem, (LPCSTR)m_strLastCADSystem);
  }
  // Applying sends the dialog a type change of its own: the comparison stops the second round.
  if (!m_strSelectedType.empty() && m_strSelectedType != m_strAppliedType) {
    m_strAppliedType = m_strSelectedType;
    updateFilter(text);
  }
}

bool MpUICFileDialog::updateFilter(CString& text) {
  HWND combo = typeCombo();
  if (!combo) return true;
  LRESULT index = ::SendMessageA(combo, CB_FINDSTRING, 0, reinterpret_cast<LPARAM>((LPCSTR)text));
  if (index == CB_ERR) {
    m_ofn.nFilterIndex = 1;
    index = 0;
  }
  ::SendMessageA(combo, CB_SETCURSEL, (WPARAM)index, 0);
  ::SendMessageA(dialogWindow(), WM_COMMAND, MAKEWPARAM(kTypeCombo, CBN_SELENDOK), reinterpret_cast<LPARAM>(combo));
  return true;
}

std::string MpUICFileDialog::getFileExtension() {
  try {
    return fileExtension();
  } catch (...) {  // nothing leaves the library's boundary
    return std::string();
  }
}

std::string MpUICFileDialog::fileExtension() {
  std::string result = (LPCSTR)GetFileExt();
  if (!m_strAppliedType.empty()) {
    const std::string description = lower(m_strAppliedType);
    result = lower(result);
    // The file's extension stands when one of the type's patterns takes it ("*.*" takes any).
    bool fits = false, anyExtension = false;
    for (const std::string& pattern : describedPatterns(description)) {
      anyExtension = anyExtension || pattern == "*.*";
      fits = fits || anyExtension || pattern == "*." + result;
    }
    // A type of any file has no extension to give: a name without one gets none.
    if (result.empty() && anyExtension) return result;
    if (result.empty() || (!m_bOpenFileDialog && !fits)) {
      const size_t open = description.find("(*.");
      const size_t end = open == std::string::npos ? open : description.find_first_of(";)", open + 3);
      if (open != std::string::npos && end != std::string::npos) result = description.substr(open + 3, end - open - 3);
    }
  }
  const bool corvaneType = lower(m_strAppliedType).find(lower(kCorvanePatterns)) != std::string::npos;
  if (!m_bOpenFileDialog && (result.empty() || isCorvaneExtension(result) || corvaneType)) {
    IMpPmUtSettingsBasePtr spService(CLSID_MpPmUtSettings, nullptr);
    // The group comes without a reference for us: the smart pointer takes one.
    IMpOptionsPtr spExport(spService.isValid() ? spService->getExportSettings() : nullptr, true);
    if (spExport.isValid()) {
      std::string preferred = "x_t";
      if (spExport->getString("radio_text") != "on" &&
          (spExport->getString("radio_dependent") == "on" || spExport->getString("radio_independent") == "on"))
        preferred = "x_b";
      const bool keep = (preferred == "x_t" && MpStrCompareNoCase(result, "xmt_txt") == 0) ||
                        (preferred == "x_b" && MpStrCompareNoCase(result, "xmt_bin") == 0);
      if (MpStrCompareNoCase(result, preferred) != 0 && !keep) result = preferred;
    }
  }
  return result;
}

bool MpUICFileDialog::isCADFile(std::string& description) {
  for (const char* name : kCadNames)
    if (description.find(name) != std::string::npos) return true;
  return false;
}

std::string MpUICFileDialog::getConvertType() { return m_strSelectedType; }

std::string MpUICFileDialog::getDefaultCADSysten() { return (LPCSTR)m_strLastCADSystem; }

void MpUICFileDialog::setWindowTitle(std::string& title) { m_strWindowTitle = title; }
