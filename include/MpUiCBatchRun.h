// The batch-run dialog: the part model and blank model files of a machining process, each chosen
// through the attachment dialog with the CAD filters, and a material from those related to the
// process. The host reads the files with getFileNames, which refuses an incomplete choice, and
// the material with getMaterial.
#pragma once
#include <afxwin.h>
#include <string>
#include "MpSmartList.h"
#include "MpSmartPointers.h"
#include "WidgetDeckApi.h"

class WIDGETDECK_API MpUiCBatchRun : public CDialog {
 public:
  MpUiCBatchRun(IMpPmMachiningProcess* pProcess, CWnd* pParent = nullptr);
  ~MpUiCBatchRun() override;

  // Part model path and type, blank model path and type; false, after telling the user, when no
  // part model is chosen or part and blank are the same file.
  bool getFileNames(std::string& partPath, std::string& partType, std::string& blankPath, std::string& blankType);
  // The chosen material with a reference for the caller, or null.
  IMpPmMaterial* getMaterial();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  afx_msg void OnOpenPartModel();
  afx_msg void OnOpenBlankModel();
  afx_msg void OnSelectMaterial();
  DECLARE_MESSAGE_MAP()

 private:
  std::string getFileFilter();
  // Opens the attachment dialog; false when the user cancelled.
  bool chooseModel(bool withTypeSelection, CString& path, std::string& type);

  CString m_strBlankPath;
  std::string m_blankType;
  CString m_strPartPath;
  std::string m_partType;
  IMpPmMaterialPtr m_material;
  MpZulSmartList m_materials;
  IMpPmMachiningProcessPtr m_process;
  HBITMAP m_hBrowseBitmap = nullptr;
};
