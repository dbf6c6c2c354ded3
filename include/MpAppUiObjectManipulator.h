// A modeless dialog that moves or rotates one host node through a host command: the values are
// offsets (relative) or the new placement (absolute). The host makes it with new and calls
// create; the dialog deletes itself when its window is destroyed.
#pragma once
#include <afxwin.h>
#include "MpSmartPointers.h"
#include "WidgetDeckApi.h"

class WIDGETDECK_API MpAppUiObjectManipulator : public CDialog {
 public:
  MpAppUiObjectManipulator(IMpZulNode* node, const GUID& commandClassId, IMpAppInput* input, IMpAppOutput* output,
                           CWnd* parent = nullptr);
  ~MpAppUiObjectManipulator() override;

  // Creates the window; true when it exists.
  bool create();
  // Writes the values into the command input and executes a fresh command.
  afx_msg void OnApply();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void PostNcDestroy() override;
  // Return neither applies nor closes.
  void OnOK() override;
  void OnCancel() override;
  afx_msg void OnMovementTypeChanged();

  DECLARE_MESSAGE_MAP()

 private:
  bool getPositionRotation(double position[3], double rotation[3], bool& relative);

  GUID m_commandClassId;
  IMpAppInputPtr m_spInput;
  IMpAppOutputPtr m_spOutput;
  IMpZulNodePtr m_spNode;
  bool m_bRelative;
  int m_nMovementType;
  CString m_strName;
  double m_position[3];
  double m_rotation[3];
  bool m_bDestroying = false;  // the destructor runs: the window's end must not delete again
};
