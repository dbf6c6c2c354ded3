// Dialog data exchange (DDX_) and validation (DDV_). Included by afxwin.h.
//
// Each function moves one value between a member and a control of the dialog:
// into the control when the exchange loads (m_bSaveAndValidate FALSE), out of it when it
// saves. A value that cannot be read, or is out of its range, shows one message box, puts
// the focus back on the control (its text selected when it is an edit) and fails the
// exchange; every later DDX_/DDV_ call of that exchange then does nothing, and UpdateData
// returns FALSE. A DDV_ function checks the control of the DDX_ call just before it, and
// only when saving.
//
// Text forms: integers in decimal ("%d"), blanks around the number accepted on reading;
// doubles as "%.*g" with DBL_DIG digits.
#pragma once

// Binds rControl to the dialog's control nIDC, once: only while the object has no window.
AFX_API void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

AFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
AFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
AFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value);

// Check box: BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
AFX_API void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Radio group that starts at nIDC (the button with WS_GROUP) and runs up to the next
// control with WS_GROUP: the index of the checked button among the group's radio buttons,
// -1 for none.
AFX_API void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value);

// Ranges are inclusive.
AFX_API void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
AFX_API void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal);
