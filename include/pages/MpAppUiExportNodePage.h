// Task page "ExportNode": the traversal file that steers an export, the output file, and which
// external identifiers the export keeps.
#pragma once
#include <afxdlgs.h>
#include <string>
#include "MpSmartList.h"
#include "MpSmartPointers.h"

class MpAppUiExportNodePage : public CPropertyPage {
  DECLARE_DYNCREATE(MpAppUiExportNodePage)

 public:
  MpAppUiExportNodePage();
  ~MpAppUiExportNodePage() override;

  // The selection is not used. Makes a fresh bag with the default traversal file, no output
  // file and "keep all"; false when no bag can be made.
  bool init(MpZulSmartList& selection);
  IMpOptions* getOptions() { return m_spOptions.addRefGet(); }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  // Writes the typed paths to their keys, then refuses to go while either is empty.
  BOOL OnKillActive() override;

  afx_msg void OnBrowseTraversalFile();
  afx_msg void OnBrowseOutputFile();
  afx_msg void OnClickIdPolicy();

  CEdit m_editTraversalFile;
  CEdit m_editOutputFile;
  CButton m_radioKeepAll;
  CButton m_radioKeepEnv;
  CButton m_radioKeepNone;
  IMpOptionsPtr m_spOptions;

  DECLARE_MESSAGE_MAP()

 private:
  void browse(CEdit& field, const char* key, unsigned long flags);
};
