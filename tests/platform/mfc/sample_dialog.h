// The test resources' sample dialog with its data exchange, for the dialog and exchange tests.
#pragma once
#include "wdtest.h"
#include "test_ids.h"

namespace {

class SampleDlg : public CDialog {
public:
  SampleDlg() : CDialog(IDD_WD_SAMPLE) {}
  CString m_name;
  int m_count = 5;
  BOOL m_enabled = FALSE;
  int m_nameKillFocus = 0, m_countKillFocus = 0;
  CComboBox m_combo;

  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, IDC_WD_SAMPLE_COMBO, m_combo);
    DDX_Text(pDX, IDC_WD_SAMPLE_NAME, m_name);
    DDX_Text(pDX, IDC_WD_SAMPLE_COUNT, m_count);
    DDV_MinMaxInt(pDX, m_count, 1, 100);
    DDX_Check(pDX, IDC_WD_SAMPLE_CHECK, m_enabled);
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    m_combo.AddString("alpha");
    m_combo.AddString("beta");
    return TRUE;
  }
  afx_msg void OnNameKillFocus() { ++m_nameKillFocus; }
  afx_msg void OnCountKillFocus() { ++m_countKillFocus; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SampleDlg, CDialog)
  ON_EN_KILLFOCUS(IDC_WD_SAMPLE_NAME, OnNameKillFocus)
  ON_EN_KILLFOCUS(IDC_WD_SAMPLE_COUNT, OnCountKillFocus)
END_MESSAGE_MAP()

}  // namespace
