// The properties dialog.
#include "MpUiCPropertiesDlg.h"
#include "MpSmartList.h"
#include "MpStrings.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(MpUiCPropertiesDlg, CDialog)
  ON_WM_SIZE()
  ON_BN_CLICKED(IDC_PROPERTIES_ALL, OnChangeAllAttribs)
  ON_BN_CLICKED(IDC_PROPERTIES_PROTOTYPE, OnChangeProtoAttribs)
END_MESSAGE_MAP()

MpUiCPropertiesDlg::MpUiCPropertiesDlg(IMpZulNode* pNode, CWnd* pParent)
    : CDialog(IDD_PROPERTIES, pParent), m_node(pNode, true) {}

MpUiCPropertiesDlg::~MpUiCPropertiesDlg() = default;

void MpUiCPropertiesDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PROPERTIES_FRAME, m_frame);
  DDX_Control(pDX, IDC_PROPERTIES_LIST, m_attributeList);
  DDX_Control(pDX, IDC_PROPERTIES_ALL, m_allAttributesCheck);
  DDX_Control(pDX, IDC_PROPERTIES_PROTOTYPE, m_prototypeCheck);
}

BOOL MpUiCPropertiesDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_allAttributesCheck.SetCheck(m_bAllAttributes ? BST_CHECKED : BST_UNCHECKED);
  m_prototypeCheck.SetCheck(m_bPrototypeAttributes ? BST_CHECKED : BST_UNCHECKED);
  m_bReady = true;
  m_attributeList.SetExtendedStyle(LVS_EX_FULLROWSELECT);
  m_attributeList.SetBkColor(::GetSysColor(COLOR_BTNFACE));
  m_attributeList.SetTextBkColor(::GetSysColor(COLOR_BTNFACE));
  CRect client;
  m_attributeList.GetClientRect(&client);
  m_attributeList.InsertColumn(0, "Attribute", LVCFMT_LEFT, client.Width() / 2);
  m_attributeList.InsertColumn(1, "Value", LVCFMT_LEFT, client.Width() / 2 - 1);
  fillList(m_node.get(), std::string());
  IMpZulInstancePtr instance(static_cast<IUnknown*>(m_node.get()), true);
  if (instance.isNull()) {
    m_prototypeCheck.EnableWindow(FALSE);
  } else if (m_bPrototypeAttributes) {
    IMpZulNodePtr proto = prototype();
    if (proto.isValid()) fillList(proto.get(), " (p)");
  }
  if (m_node.isValid()) {
    CString caption;
    GetWindowText(caption);
    std::string name;
    m_node->getName(name);
    SetWindowText(MpStrFormat("%s - %s ( %s )", static_cast<const char*>(caption), name.c_str(),
                              m_node->getInfoText().c_str()).c_str());
  }
  autoSizeColumn(0);
  return TRUE;
}

IMpZulNodePtr MpUiCPropertiesDlg::prototype() {
  IMpZulInstancePtr instance(static_cast<IUnknown*>(m_node.get()), true);
  IMpZulNodePtr proto;
  if (instance.isValid()) {
    IUnknown* p = instance->getPrototype();
    proto = p;
    if (p) p->Release();
  }
  return proto;
}

void MpUiCPropertiesDlg::fillList(IMpZulNode* pNode, const std::string& suffix) {
  if (!pNode) return;
  IMpDataParameterSetPtr parameters(CLSID_MpDataParameterSet, nullptr);
  bool filled = false;
  IMpZulClass* pClass = pNode->getClass();
  if (parameters.isValid() && pClass) {
    MpSmartList fields;
    pClass->getFields(fields, m_bAllAttributes != 0, false);
    for (IUnknown* entry : fields) {
      IMpZulFieldPtr field(entry, true);
      std::string displayName;
      if (field.isValid() && field->getDisplayName(displayName)) parameters->addParameter(displayName);
    }
    filled = pNode->getParameters(parameters.get());
  }
  if (pClass) pClass->Release();
  const int id = m_attributeList.InsertItem(0, ("ID" + suffix).c_str());
  m_attributeList.SetItemText(id, 1, MpStrFormat("%ld", static_cast<long>(pNode->getObjectKey().objectId)).c_str());
  if (!filled) return;
  // Each row goes after the node's rows inserted so far, so a skipped entry leaves no gap that
  // would put later rows out of order.
  int inserted = 0;
  for (int i = 0; i < parameters->getCount(); ++i) {
    std::string name, value;
    int type = 0;
    if (!parameters->getName(i, name) || !parameters->getEntry(name, value, type)) continue;
    const int row = m_attributeList.InsertItem(inserted++, (name + suffix).c_str());
    m_attributeList.SetItemText(row, 1, value.c_str());
  }
}

void MpUiCPropertiesDlg::refill() {
  m_attributeList.DeleteAllItems();
  fillList(m_node.get(), std::string());
  if (m_bPrototypeAttributes) {
    IMpZulNodePtr proto = prototype();
    if (proto.isValid()) fillList(proto.get(), " (p)");
  }
}

void MpUiCPropertiesDlg::OnChangeAllAttribs() {
  m_bAllAttributes = !m_bAllAttributes;
  refill();
}

void MpUiCPropertiesDlg::OnChangeProtoAttribs() {
  m_bPrototypeAttributes = !m_bPrototypeAttributes;
  refill();
}

void MpUiCPropertiesDlg::OnSize(UINT nType, int cx, int cy) {
  CDialog::OnSize(nType, cx, cy);
  if (!m_bReady) return;
  CRect dialog, list, frame;
  GetClientRect(&dialog);
  ClientToScreen(&dialog);
  m_attributeList.GetClientRect(&list);
  m_attributeList.ClientToScreen(&list);
  const int dx = list.left - dialog.left;
  const int dy = list.top - dialog.top;
  const UINT flags = SWP_NOMOVE | SWP_NOZORDER;
  m_attributeList.SetWindowPos(nullptr, 0, 0, dialog.Width() - 2 * dx, dialog.Height() - (dy + 13), flags);
  m_frame.GetClientRect(&frame);
  m_frame.SetWindowPos(nullptr, 0, 0, dialog.Width() - 2 * dx, frame.Height(), flags);
}

// The list's redrawing, not the dialog's, is switched: turning a window's redrawing on marks it
// visible, and the dialog, still hidden while it initialises, would then never be shown and
// activated.
void MpUiCPropertiesDlg::autoSizeColumn(int column) {
  m_attributeList.SetRedraw(FALSE);
  m_attributeList.SetColumnWidth(column, LVSCW_AUTOSIZE);
  const int contents = m_attributeList.GetColumnWidth(column);
  m_attributeList.SetColumnWidth(column, LVSCW_AUTOSIZE_USEHEADER);
  const int header = m_attributeList.GetColumnWidth(column);
  m_attributeList.SetColumnWidth(column, contents > header ? contents : header);
  m_attributeList.SetRedraw(TRUE);
  m_attributeList.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}
