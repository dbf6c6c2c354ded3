// The node and class chooser.
#include "MpUiCNodeDlg.h"
#include <commctrl.h>
#include <shlwapi.h>
#include <algorithm>
#include <cctype>
#include <climits>
#include <typeinfo>
#include "CMpUiCInPlaceEdit.h"
#include "MpDataLib.h"
#include "MpLogging.h"
#include "MpNameIds.h"
#include "MpStrings.h"
#include "MpUiResourceBrowser.h"
#include "MpUiResourceString.h"
#include "WidgetDeckModule.h"
#include "resource.h"

namespace {

const char kSource[] = "MpUiCNodeDlg.cpp";

void logProgrammingError(const std::string& text, int line) {
  if (g_spLogger.get()) g_spLogger->log(MpLog::ProgrammingError, MpLog::ProgrammingFlag, text, kSource, line);
}

// An icon as a list of 16 by 16 images of 8-bit colour without masks holds it: over the given
// background, as a bitmap; null when it cannot be drawn.
HBITMAP drawAsListImage(HICON icon, COLORREF back) {
  HIMAGELIST one = ::ImageList_Create(16, 16, ILC_COLOR8, 1, 1);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = 16;
  info.bmiHeader.biHeight = -16;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP image = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = ::CreateCompatibleDC(nullptr);
  bool drawn = false;
  if (one && image && dc) {
    ::ImageList_SetBkColor(one, back);
    HGDIOBJ old = ::SelectObject(dc, image);
    drawn = ::ImageList_AddIcon(one, icon) == 0 && ::ImageList_Draw(one, 0, dc, 0, 0, ILD_NORMAL);
    ::SelectObject(dc, old);
  }
  if (dc) ::DeleteDC(dc);
  if (one) ::ImageList_Destroy(one);
  if (!drawn && image) ::DeleteObject(image);
  return drawn ? image : nullptr;
}

// Adds the overlay icon to the chooser's image list; returns its index. An image list given an
// icon copies it (from its resource again, when it came from one) every time, which costs a small
// dialog's start about as much as its tooltips; so the icon is drawn once for the process as the
// list would hold it, and added as a bitmap, which costs a tenth. Without a mask the image holds
// the list's background, so it is drawn again when that changes. Choosers on two threads may ask
// at once: the image is replaced and added under the shared-data lock.
int addOverlayImage(HIMAGELIST images) {
  static HBITMAP drawn = nullptr;
  static COLORREF drawnOn = CLR_NONE;
  COLORREF back = ::ImageList_GetBkColor(images);
  if (back == CLR_NONE) back = ::GetSysColor(COLOR_WINDOW);
  CSingleLock guard(&WidgetDeck::sharedDataLock(), TRUE);
  if (!drawn || drawnOn != back) {
    const LPCSTR name = MAKEINTRESOURCEA(IDI_CHOOSER_OVERLAY);
    HICON icon = ::LoadIconA(AfxFindResourceHandle(name, RT_GROUP_ICON), name);
    HBITMAP image = icon ? drawAsListImage(icon, back) : nullptr;
    if (!image) return icon ? ::ImageList_AddIcon(images, icon) : -1;
    if (drawn) ::DeleteObject(drawn);
    drawn = image;
    drawnOn = back;
  }
  return ::ImageList_Add(images, drawn, nullptr);
}

// For each key, the text of the first of the named attributes that has one: from the store's
// quick way of reading them when it has one, else from the parameter sets of one queryKeys call.
bool displayTexts(IMpData* data, const std::vector<ZulObjectKey>& keys, const std::vector<std::string>& names,
                  std::vector<std::string>& texts) {
  MpSmartPointer<IMpDataTexts, &IID_IMpDataTexts> quick(data, true);
  if (quick.isValid()) return quick->queryTexts(keys, names, texts);
  texts.assign(keys.size(), std::string());
  std::map<int, IMpDataParameterSetPtr> sets;
  if (!data->queryKeys(keys, names, sets)) return false;
  for (size_t i = 0; i < keys.size(); ++i) {
    const auto set = sets.find(keys[i].id());
    if (set == sets.end() || set->second.isNull()) continue;
    for (const std::string& name : names) {
      set->second->getValueText(name, texts[i]);
      if (!texts[i].empty()) break;
    }
  }
  return true;
}

}  // namespace

bool MpUiCNodeDlg::matchesFilter(const std::string& name, const std::string& filter) {
  if (filter.empty()) return true;
  std::string upper = name;
  std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return (char)std::toupper(c); });
  return upper.find(filter) != std::string::npos;
}

// ---- Row data ----

ItemData::~ItemData() = default;

NodeItemData::NodeItemData(IMpZulNode* node, const std::string& name) : m_node(node, true), m_name(name) {}

int NodeItemData::compare(ItemData* other) {
  // The exact type is asked first: a cast walks the class hierarchy, which a sort of many rows
  // feels, and nearly every row is of this very class.
  NodeItemData* node = other && typeid(*other) == typeid(NodeItemData) ? static_cast<NodeItemData*>(other)
                                                                        : dynamic_cast<NodeItemData*>(other);
  return node ? m_name.compare(node->m_name) : 0;
}

int NodeItemData::getObjectId() { return m_node.isValid() ? m_node->getObjectKey().id() : 0; }

ClassItemData::ClassItemData(IMpZulClass* zulClass) : m_class(zulClass, true) {}

int ClassItemData::compare(ItemData* other) {
  ClassItemData* item = dynamic_cast<ClassItemData*>(other);
  std::string mine, theirs;
  if (!item || m_class.isNull() || item->m_class.isNull() || !m_class->getNiceName(mine) ||
      !item->m_class->getNiceName(theirs))
    return 0;
  return mine.compare(theirs);
}

// ---- The dialog ----

BEGIN_MESSAGE_MAP(MpUiCNodeDlg, MpAppUiResizableDialog)
  ON_NOTIFY(NM_DBLCLK, IDC_CHOOSER_LIST, OnDblclkNodeList)
  ON_NOTIFY(NM_CLICK, IDC_CHOOSER_LIST, OnClickClassList)
  ON_CONTROL(EN_MAXTEXT, IDC_CHOOSER_FILTER, OnFilter)
  ON_BN_CLICKED(IDC_CHOOSER_CHILD_CLASSES, OnFilter)
  ON_BN_CLICKED(IDC_CHOOSER_RESET, OnBtnReset)
  ON_BN_CLICKED(IDC_CHOOSER_VARIANT, OnVariantFilter)
  ON_BN_CLICKED(IDC_CHOOSER_BROWSER, OnResourceBrowser)
  ON_NOTIFY(LVN_BEGINLABELEDITA, IDC_CHOOSER_LIST, OnBeginLabelEdit)
  ON_NOTIFY(LVN_BEGINLABELEDITW, IDC_CHOOSER_LIST, OnBeginLabelEdit)
  ON_NOTIFY(LVN_ENDLABELEDITA, IDC_CHOOSER_LIST, OnEndLabelEdit)
  ON_NOTIFY(LVN_ITEMCHANGED, IDC_CHOOSER_LIST, OnItemChanged)
  ON_NOTIFY_EX_RANGE(HDN_ITEMCLICKA, 0, 0xFFFF, OnHeaderClicked)
  ON_NOTIFY_EX_RANGE(HDN_ITEMCLICKW, 0, 0xFFFF, OnHeaderClicked)
  ON_NOTIFY(NM_CUSTOMDRAW, IDC_CHOOSER_LIST, OnCustomdrawList)
  ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnToolTipNotify)
  ON_NOTIFY(LVN_INSERTITEM, IDC_CHOOSER_LIST, OnRowsChanged)
  ON_NOTIFY(LVN_DELETEALLITEMS, IDC_CHOOSER_LIST, OnRowsChanged)
  ON_WM_DESTROY()
END_MESSAGE_MAP()

MpUiCNodeDlg::MpUiCNodeDlg(std::string& title, IMpData* data, MpZulSmartList& input, bool classMode,
                           bool inputHoldsClasses, bool sort, bool multipleSelection, bool amounts, CWnd* parent,
                           std::string& okText, MpZulSmartList& highlight)
    : MpAppUiResizableDialog(IDD_NODE_CHOOSER, parent),
      m_sortInfo{nullptr, 0, true},
      m_title(title),
      m_okText(okText),
      m_data(data, true),
      m_input(input),
      m_highlight(highlight),
      m_classMode(classMode ? 1 : 0),
      m_multipleSelection(multipleSelection),
      m_amounts(amounts),
      m_classModeFlag(classMode),
      m_sort(sort),
      m_inputHoldsClasses(inputHoldsClasses),
      m_browserLock(&m_browserSection) {}

MpUiCNodeDlg::~MpUiCNodeDlg() {
  for (ItemData* item : m_itemData) delete item;
  m_itemData.clear();
  m_input.clear();
  m_selection.clear();
  m_highlight.clear();
  m_classImages.clear();
  m_iconImages.clear();
  m_amountList.clear();
}

void MpUiCNodeDlg::setSelectionRequired(bool required) { m_selectionRequired = required; }
void MpUiCNodeDlg::showVariantFilter(BUTTON_INFO mode) { m_variantFilterMode = mode; }
void MpUiCNodeDlg::setResourceBrowser(BUTTON_INFO mode, IMpOptions* options) {
  m_browserMode = mode;
  m_browserOptions = options;
}
void MpUiCNodeDlg::setModeler(IMpMoModeler* modeler) { m_modeler = modeler; }
void MpUiCNodeDlg::setEnvironment(IMpPmEnvironment* environment) { m_environment = environment; }
MpZulSmartList& MpUiCNodeDlg::getSelection() { return m_selection; }
std::vector<int> MpUiCNodeDlg::getAmounts() { return m_amountList; }

bool MpUiCNodeDlg::getClassNames(std::map<std::string, int>& names) {
  names.clear();
  if (m_classMode != 1) return false;
  auto amount = m_amountList.begin();
  for (auto it = m_selection.begin(); it != m_selection.end() && amount != m_amountList.end(); ++it, ++amount) {
    IMpZulClassPtr zulClass(*it, true);
    std::string name;
    if (zulClass.isValid() && zulClass->getName(name)) names[name] = *amount;
  }
  return !names.empty();
}

IMpData* MpUiCNodeDlg::getData() { return m_data.get(); }
CListCtrl* MpUiCNodeDlg::getNodeList() { return m_nodeList.GetSafeHwnd() ? &m_nodeList : nullptr; }
MpZulSmartList& MpUiCNodeDlg::getInput() { return m_input; }
void MpUiCNodeDlg::addItemData(ItemData* data) { m_itemData.push_back(data); }

void MpUiCNodeDlg::DoDataExchange(CDataExchange* pDX) {
  MpAppUiResizableDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_CHOOSER_LIST, m_nodeList);
  DDX_Control(pDX, IDC_CHOOSER_FILTER, m_filter);
  DDX_Control(pDX, IDC_CHOOSER_RESET, m_reset);
  DDX_Control(pDX, IDC_CHOOSER_CHILD_CLASSES, m_childClasses);
}

BOOL MpUiCNodeDlg::OnInitDialog() {
  MpAppUiResizableDialog::OnInitDialog();
  EnableToolTips(TRUE);

  AddAnchor(IDOK, ANCHOR_BOTTOM_RIGHT, ANCHOR_NONE);
  AddAnchor(IDCANCEL, ANCHOR_BOTTOM_RIGHT, ANCHOR_NONE);
  AddAnchor(IDC_CHOOSER_LIST, ANCHOR_TOP_LEFT, ANCHOR_BOTTOM_RIGHT);
  AddAnchor(IDC_CHOOSER_RESET, ANCHOR_BOTTOM_RIGHT, ANCHOR_NONE);
  AddAnchor(IDC_CHOOSER_FILTER, ANCHOR_BOTTOM_LEFT, ANCHOR_BOTTOM_RIGHT);
  AddAnchor(IDC_CHOOSER_CHILD_CLASSES, ANCHOR_TOP_LEFT, ANCHOR_NONE);

  SetWindowText(m_title.c_str());
  m_childClasses.SetCheck(BST_CHECKED);
  if (m_data.isValid()) {
    IMpDataCacheXmlPtr cache(m_data.get(), true);
    if (cache.isValid()) m_childClasses.ShowWindow(SW_HIDE);
  }
  if (!m_okText.empty() && GetDlgItem(IDOK)) GetDlgItem(IDOK)->SetWindowText(m_okText.c_str());

  if (!m_multipleSelection) m_nodeList.ModifyStyle(0, LVS_SINGLESEL);
  if (m_amounts) {
    m_nodeList.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    m_reset.ShowWindow(SW_SHOW);
  }
  if (m_noneButton) {
    m_reset.SetWindowText(getResourceString(IDS_CHOOSER_NONE, "", "", "", "").c_str());
    m_reset.ShowWindow(SW_SHOW);
  }

  m_images.Create(16, 16, ILC_COLOR8, 5, 5);
  if (m_data.isValid()) {
    m_data->fillClassIcons(m_images.GetSafeHandle(), m_classImages, m_iconImages);
  } else {
    m_images.SetBkColor(RGB(255, 255, 255));
    CBitmap strip;
    if (strip.LoadBitmap(IDB_CHOOSER_IMAGES)) m_images.Add(&strip, static_cast<CBitmap*>(nullptr));
  }
  m_images.SetOverlayImage(addOverlayImage(m_images.GetSafeHandle()), 3);
  // The list stops drawing before it gets its images and columns, each of which would otherwise
  // lay out its scroll bars anew. Only the list: switching the redraw of the dialog itself back on
  // would mark the dialog, not shown yet, visible, and showing it would then neither paint nor map
  // it.
  m_nodeList.SetRedraw(FALSE);
  // The list only borrows the image list (its template shares image lists): the dialog owns it.
  m_nodeList.SetImageList(&m_images, LVSIL_SMALL);
  addColumns();
  fillList(std::string());
  m_nodeList.SetRedraw(TRUE);

  if (!(m_classMode == 1 && !m_inputHoldsClasses)) m_childClasses.ShowWindow(SW_HIDE);

  if (m_variantFilterMode == BUTTON_HIDDEN) {
    GetDlgItem(IDC_CHOOSER_VARIANT)->ShowWindow(SW_HIDE);
    GetDlgItem(IDC_CHOOSER_VARIANT_TEXT)->ShowWindow(SW_HIDE);
  } else {
    ZulContextData* context = MpContextData();
    if (context && context->variantFilterId >= 1) {
      IMpZulNodePtr filter(m_data.get(), ZulObjectKey(static_cast<uint32_t>(context->variantFilterId)), 0);
      std::string name;
      if (filter.isNull() || !filter->getName(name)) name = getResourceString(IDS_CHOOSER_VARIANT_MISSING, "", "", "", "");
      SetDlgItemText(IDC_CHOOSER_VARIANT_TEXT, name.c_str());
    }
  }

  if (m_browserMode == BUTTON_ENABLED) {
    m_browser = MpResourceBrowser::getResourceBrowser();
    if (!m_browser) {
      m_browserMode = BUTTON_HIDDEN;
    } else {
      IMpPmEnvironmentResourcePtr resource;
      if (m_environment.isValid()) resource.attach(m_environment->getEnvironmentResource());
      if (resource.isValid()) {
        m_browser->setEnvironmentResource(resource.get());
        m_browser->setOptions(m_browserOptions.get());
        m_browser->setModeler(m_modeler.get());
      } else {
        logProgrammingError(
            "The environment (resource) library is not set, missing sync target. Programming error.", 275);
        m_browserMode = BUTTON_UNAVAILABLE;
      }
    }
  }
  if (m_browserMode == BUTTON_HIDDEN) GetDlgItem(IDC_CHOOSER_BROWSER)->ShowWindow(SW_HIDE);
  if (m_browserMode == BUTTON_UNAVAILABLE) GetDlgItem(IDC_CHOOSER_BROWSER)->EnableWindow(FALSE);

  if (m_sort) SortItems();

  checkControls();
  CenterWindow();
  if (checkEmptyList()) PostMessage(WM_COMMAND, IDCANCEL, 0);
  return TRUE;
}

void MpUiCNodeDlg::addColumns() {
  CRect client;
  m_nodeList.GetClientRect(&client);
  const int width = client.Width();
  if (m_amounts) {
    m_nodeList.InsertColumn(0, "Name", LVCFMT_LEFT, width * 3 / 4);
    m_nodeList.InsertColumn(1, "Amount", LVCFMT_LEFT, width / 4 - 20);
  } else {
    m_nodeList.InsertColumn(0, "Name", LVCFMT_LEFT, width - 20);
  }
}

void MpUiCNodeDlg::fillNodeList(std::string filter) {
  CWaitCursor wait;
  const std::vector<std::string> names = {MpName(MpNameId::DisplayNameAttribute), MpName(MpNameId::NameField)};
  IMpData* data = m_input.getData() ? m_input.getData() : m_data.get();
  // Every display name in one call, in the order of the input's nodes.
  std::vector<std::string> texts;
  if (!data || !displayTexts(data, m_input.getKeys(), names, texts)) return;
  if (m_nodeRows.size() < texts.size()) m_nodeRows.resize(texts.size());
  std::vector<Row> rows;
  size_t place = 0;
  for (IUnknown* object : m_input) {
    IMpZulNodePtr node(object, true);
    if (node.isNull()) continue;
    if (place >= texts.size()) break;
    const std::string& name = texts[place++];
    if (name.empty() || !matchesFilter(name, filter)) continue;
    rows.push_back(nodeRow(place - 1, node.get(), name));
  }
  insertRows(rows);
}

MpUiCNodeDlg::Row MpUiCNodeDlg::nodeRow(size_t place, IMpZulNode* node, const std::string& name) {
  NodeRow& row = m_nodeRows[place];
  if (!row.item || row.item->getNode() != node || row.item->name() != name) {
    IMpZulClassPtr zulClass;
    zulClass.attach(node->getClass());
    IMpZulPrototypePtr prototype(node, true);
    row.item = new NodeItemData(node, name);
    addItemData(row.item);
    row.image = getIconIndex(zulClass.get());
    row.overlay = prototype.isValid();
  }
  return {&row.item->name(), row.item, row.image, row.overlay};
}

void MpUiCNodeDlg::insertRows(std::vector<Row>& rows) {
  // Inserted in their final order, the rows leave the list's own sort nothing to do; stable, as
  // that sort is, so that equal names keep the order of the input.
  if (m_sort)
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.name->compare(*b.name) < 0; });
  for (const Row& row : rows) {
    const int index = insertRow(*row.name, row.image, row.item, row.overlay);
    if (m_amounts) m_nodeList.SetItemText(index, 1, "0");
  }
  m_presorted = m_sort ? static_cast<int>(rows.size()) : -1;
}

namespace {

// The classes the chooser lists in class mode.
MpSmartList classesToList(MpZulSmartList& input, bool inputHoldsClasses, bool possible) {
  if (inputHoldsClasses) return input;
  MpSmartList classes;
  IMpZulNodePtr node(input.front(), true);
  if (node.isValid()) {
    if (possible)
      node->getPossibleChildClasses(classes);
    else
      node->getPermittedChildClasses(classes);
  }
  return classes;
}

}  // namespace

void MpUiCNodeDlg::fillClassList(std::string filter) {
  const MpSmartList classes = classesToList(m_input, m_inputHoldsClasses, m_childClasses.GetCheck() == BST_CHECKED);
  std::vector<std::string> names;
  names.reserve(classes.size());  // the rows point into it
  std::vector<Row> rows;
  for (IUnknown* object : classes) {
    IMpZulClassPtr zulClass(object, true);
    std::string name;
    if (zulClass.isNull() || !zulClass->getNiceName(name) || !matchesFilter(name, filter)) continue;
    ClassItemData* item = new ClassItemData(zulClass.get());
    addItemData(item);
    bool overlay = false;
    for (unsigned kind : {MpNameId::FeaturePrototypeClass, MpNameId::ResourcePrototypeClass,
                          MpNameId::ToolPrototypeClass})
      if ((overlay = zulClass->isKindOf(MpName(kind)))) break;
    names.push_back(name);
    rows.push_back({&names.back(), item, getIconIndex(zulClass.get()), overlay});
  }
  insertRows(rows);
}

void MpUiCNodeDlg::fillList(const std::string& filter) {
  m_presorted = -1;
  if (m_classMode == 1)
    fillClassList(filter);
  else
    fillNodeList(filter);
}

void MpUiCNodeDlg::endCellEdit() {
  // The cell editor is the list's only child that takes the focus, and it ends on losing it.
  // With none open the focus is not asked for: under Wine that is a round trip to the server,
  // a tenth of the time a header click takes on a thousand rows.
  if (!::IsWindow(m_cellEditor)) return;
  HWND focus = ::GetFocus();
  if (focus && ::GetParent(focus) == m_nodeList.GetSafeHwnd()) m_nodeList.SetFocus();
}

void MpUiCNodeDlg::OnFilter() {
  endCellEdit();
  ::LockWindowUpdate(m_hWnd);
  m_nodeList.SetRedraw(FALSE);
  CString text;
  m_filter.GetWindowText(text);
  m_nodeList.DeleteAllItems();
  fillList(std::string(text));
  if (m_sort) SortItems();
  m_nodeList.SetRedraw(TRUE);
  ::LockWindowUpdate(nullptr);
  // The rows and their selection are new.
  checkControls();
}

BOOL MpUiCNodeDlg::PreTranslateMessage(MSG* pMsg) {
  // Return in the filter box applies the filter instead of choosing.
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && pMsg->hwnd == m_filter.GetSafeHwnd()) {
    OnFilter();
    return TRUE;
  }
  return MpAppUiResizableDialog::PreTranslateMessage(pMsg);
}

int MpUiCNodeDlg::insertRow(const std::string& text, int image, ItemData* data, bool overlay) {
  // One insert with the row's data and overlay: setting them afterwards would notify the dialog
  // of every change, which costs more than the insert itself on a large list.
  return m_nodeList.InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE, INT_MAX,
                               text.c_str(), overlay ? INDEXTOOVERLAYMASK(3) : 0, LVIS_OVERLAYMASK, image,
                               reinterpret_cast<LPARAM>(data));
}

int MpUiCNodeDlg::getIconIndex(IMpZulClass* zulClass) {
  int classId = 0;
  if (!zulClass || !zulClass->getClassId(classId)) return 0;
  const auto cached = m_classImages.find(classId);
  if (cached != m_classImages.end()) return cached->second;
  int iconId = 0;
  if (!zulClass->getIconId(iconId)) return 0;
  const auto icon = m_iconImages.find(iconId);
  if (icon != m_iconImages.end()) return m_classImages[classId] = icon->second;
  IMpZulClassPtr parent;
  parent.attach(zulClass->getParentClass());
  return parent.isValid() ? getIconIndex(parent.get()) : 0;
}

void MpUiCNodeDlg::SortItems() {
  m_sortInfo.list = &m_nodeList;
  m_sortInfo.column = 0;
  m_sortInfo.ascending = true;
  const bool sorted = m_presorted == m_nodeList.GetItemCount();
  m_presorted = -1;
  if (!sorted) sortRows();
}

void MpUiCNodeDlg::sortRows() { m_nodeList.SortItems(&compareRows, reinterpret_cast<DWORD_PTR>(&m_sortInfo)); }

int CALLBACK MpUiCNodeDlg::compareRows(LPARAM first, LPARAM second, LPARAM info) {
  const SortInfo* sort = reinterpret_cast<const SortInfo*>(info);
  ItemData* a = reinterpret_cast<ItemData*>(first);
  ItemData* b = reinterpret_cast<ItemData*>(second);
  if (!sort || !sort->list || !a || !b || sort->column != 0) return 0;
  const int result = a->compare(b);
  return sort->ascending ? result : -result;
}

BOOL MpUiCNodeDlg::OnHeaderClicked(UINT, NMHDR* pNMHDR, LRESULT* pResult) {
  const NMHEADERA* header = reinterpret_cast<const NMHEADERA*>(pNMHDR);
  if (header->iButton == 0) {
    endCellEdit();
    if (header->iItem == m_sortInfo.column)
      m_sortInfo.ascending = !m_sortInfo.ascending;
    else
      m_sortInfo.ascending = true;
    m_sortInfo.column = header->iItem;
    m_sortInfo.list = &m_nodeList;
    sortRows();
  }
  *pResult = 0;
  return TRUE;
}

void MpUiCNodeDlg::OnCustomdrawList(NMHDR* pNMHDR, LRESULT* pResult) {
  NMLVCUSTOMDRAW* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
  *pResult = CDRF_DODEFAULT;
  if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) {
    *pResult = CDRF_NOTIFYITEMDRAW;
  } else if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
    draw->clrText = RGB(0, 0, 0);
    if (m_highlight.empty()) return;  // the row's text is not read for nothing
    const std::string text(m_nodeList.GetItemText(static_cast<int>(draw->nmcd.dwItemSpec), 0));
    for (IUnknown* object : m_highlight) {
      std::string name;
      bool named = false;
      if (m_classModeFlag) {
        IMpZulClassPtr zulClass(object, true);
        named = zulClass.isValid() && zulClass->getNiceName(name);
      } else {
        IMpZulNodePtr node(object, true);
        named = node.isValid() && node->getName(name);
      }
      if (named && name == text) {
        draw->clrText = RGB(255, 0, 0);
        break;
      }
    }
  }
}

void MpUiCNodeDlg::highlightItems(MpZulSmartList& objects) {
  if (m_classMode == 1 || objects.empty()) return;
  for (int row = 0; row < m_nodeList.GetItemCount(); ++row) {
    NodeItemData* item = dynamic_cast<NodeItemData*>(reinterpret_cast<ItemData*>(m_nodeList.GetItemData(row)));
    if (item && objects.find(ZulObjectKey(static_cast<uint32_t>(item->getObjectId()))) != objects.end()) {
      m_nodeList.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
      m_nodeList.EnsureVisible(row, FALSE);
    }
  }
}

bool MpUiCNodeDlg::isTicked(int row) { return m_nodeList.GetCheck(row) != FALSE; }

void MpUiCNodeDlg::OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult) {
  const NMLISTVIEW* change = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
  *pResult = 0;
  if (!(change->uChanged & LVIF_STATE)) return;
  const UINT changed = change->uNewState ^ change->uOldState;
  if (m_amounts && (changed & LVIS_STATEIMAGEMASK) && change->iItem >= 0) {
    const bool ticked = ((change->uNewState & LVIS_STATEIMAGEMASK) >> 12) == 2;
    m_nodeList.SetItemText(change->iItem, 1, ticked ? "1" : "0");
    if (ticked) editSubLabel(change->iItem);
  }
  // Every change of the selection, by mouse or keyboard, so that Return chooses the row; with
  // amounts OK depends on the ticks alone, and rechecking them for each row of a select-all
  // would cost the square of the rows.
  if ((changed & LVIS_STATEIMAGEMASK) || ((changed & LVIS_SELECTED) && !m_amounts)) checkControls();
}

void MpUiCNodeDlg::OnClickClassList(NMHDR* pNMHDR, LRESULT* pResult) {
  const NMITEMACTIVATE* click = reinterpret_cast<const NMITEMACTIVATE*>(pNMHDR);
  *pResult = 0;
  if (m_amounts && click->iItem >= 0 && click->iSubItem == 1 && isTicked(click->iItem)) editSubLabel(click->iItem);
  checkControls();
}

void MpUiCNodeDlg::editSubLabel(int row) {
  if (!m_nodeList.EnsureVisible(row, TRUE)) return;
  CRect cell;
  m_nodeList.GetItemRect(row, &cell, LVIR_BOUNDS);
  cell.left += m_nodeList.GetColumnWidth(0) + 4;
  cell.right = cell.left + m_nodeList.GetColumnWidth(1) - 3;
  CMpUiCInPlaceEdit* editor = new CMpUiCInPlaceEdit(row, m_nodeList.GetItemText(row, 1));
  if (editor->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_NUMBER | ES_AUTOHSCROLL, cell, &m_nodeList, 0))
    m_cellEditor = editor->GetSafeHwnd();
}

void MpUiCNodeDlg::OnBeginLabelEdit(NMHDR*, LRESULT* pResult) { *pResult = TRUE; }

void MpUiCNodeDlg::OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult) {
  const NMLVDISPINFOA* info = reinterpret_cast<const NMLVDISPINFOA*>(pNMHDR);
  *pResult = 0;
  if (info->item.pszText) m_nodeList.SetItemText(info->item.iItem, info->item.iSubItem, info->item.pszText);
  checkControls();
}

bool MpUiCNodeDlg::checkControls() {
  CWnd* ok = GetDlgItem(IDOK);
  if (!ok || !m_selectionRequired) return false;
  bool result = false;
  if (m_amounts) {
    for (int row = 0; row < m_nodeList.GetItemCount() && !result; ++row)
      result = isTicked(row) && ::StrToIntA(m_nodeList.GetItemText(row, 1)) > 0;
  } else {
    result = m_nodeList.GetSelectedCount() > 0;
  }
  ok->EnableWindow(result);
  return result;
}

bool MpUiCNodeDlg::checkEmptyList() { return m_browserMode == BUTTON_HIDDEN && m_input.empty(); }

void MpUiCNodeDlg::OnDblclkNodeList(NMHDR*, LRESULT* pResult) {
  *pResult = 0;
  if (m_nodeList.GetSelectedCount() > 0 && checkControls()) OnOK();
}

IUnknown* MpUiCNodeDlg::resolveRow(int row) {
  ItemData* item = reinterpret_cast<ItemData*>(m_nodeList.GetItemData(row));
  // The class the row holds, not one looked up by the row's text: two classes may share a
  // display name.
  if (ClassItemData* classItem = dynamic_cast<ClassItemData*>(item)) {
    IMpZulClass* zulClass = classItem->getClass();
    if (zulClass) zulClass->AddRef();
    return zulClass;
  }
  NodeItemData* nodeItem = dynamic_cast<NodeItemData*>(item);
  if (!nodeItem) return nullptr;
  // The same data object the rows were filled from.
  IMpData* data = m_input.getData() ? m_input.getData() : m_data.get();
  if (!data) return nullptr;
  IMpZulNodePtr node(data, ZulObjectKey(static_cast<uint32_t>(nodeItem->getObjectId())), 0);
  return node.isValid() ? node.addRefGet() : nullptr;
}

void MpUiCNodeDlg::OnOK() {
  if (m_amounts) {
    // The chosen objects and their amounts are always the pair of this OK: appended to an
    // earlier run's objects, the amounts would belong to the wrong ones.
    m_selection.clear();
    m_amountList.clear();
    for (int row = 0; row < m_nodeList.GetItemCount(); ++row) {
      if (!isTicked(row)) continue;
      IUnknown* object = resolveRow(row);
      if (!object) continue;
      // Kept parallel: an amount only for an object that was taken.
      m_selection.push_back(object, false);
      m_amountList.push_back(::StrToIntA(m_nodeList.GetItemText(row, 1)));
    }
  } else {
    POSITION pos = m_nodeList.GetFirstSelectedItemPosition();
    while (pos) {
      const int row = m_nodeList.GetNextSelectedItem(pos);
      IUnknown* object = resolveRow(row);
      if (object) m_selection.push_back(object, false);
      if (!m_multipleSelection) break;
    }
  }
  EndDialog(IDOK);
}

void MpUiCNodeDlg::OnBtnReset() {
  if (m_amounts)
    for (int row = 0; row < m_nodeList.GetItemCount(); ++row) m_nodeList.SetCheck(row, FALSE);
  if (m_noneButton) EndDialog(IDOK);
}

void MpUiCNodeDlg::OnVariantFilter() {
  if (m_variantFilterMode == BUTTON_UNAVAILABLE) {
    AfxMessageBox(getResourceString(IDS_CHOOSER_VARIANT_OFF, "", "", "", "").c_str());
    return;
  }
  if (m_data.isNull()) return;
  std::list<ZulObjectKey> keys;
  if (!m_data->getVariantFilters(keys) || keys.empty()) return;
  MpZulSmartList variantSets(m_data.get());
  for (const ZulObjectKey& key : keys) {
    IMpZulNodePtr node(m_data.get(), key, 0);
    if (node.isValid()) node->getChildren(variantSets);
  }
  if (variantSets.empty()) return;
  std::string title = getResourceString(IDS_CHOOSER_VARIANT_TITLE, "", "", "", "");
  std::string okText;
  MpZulSmartList noHighlight;
  MpUiCNodeDlg chooser(title, m_data.get(), variantSets, false, false, true, false, false, nullptr, okText,
                       noHighlight);
  chooser.m_noneButton = true;
  if (chooser.DoModal() != IDOK) return;
  uint32_t id = 0;
  std::string text = getResourceString(IDS_CHOOSER_NO_VARIANT, "", "", "", "");
  IMpZulNodePtr chosen(chooser.getSelection().front(), true);
  if (chosen.isValid()) {
    id = chosen->getObjectKey().objectId;
    chosen->getName(text);
  }
  m_data->setVariantFilter(ZulObjectKey(id));
  SetDlgItemText(IDC_CHOOSER_VARIANT_TEXT, text.c_str());
}

void MpUiCNodeDlg::OnResourceBrowser() {
  if (m_browserLock.IsLocked() || !m_browserLock.Lock()) return;
  try {
    SetWindowText((m_title + getResourceString(IDS_CHOOSER_BROWSING, "", "", "", "")).c_str());
    CWaitCursor wait;
    if (m_browser) {
      MpZulSmartList found;
      if (m_browser->browseResources(found) && !found.empty()) {
        m_input += found;
        m_input.getUniqueElements();
        OnFilter();
        highlightItems(found);
      }
    }
  } catch (...) {
    logProgrammingError("OnResourceBrowser : Unknown exception", 825);
  }
  SetWindowText(m_title.c_str());
  m_browserLock.Unlock();
}

void MpUiCNodeDlg::OnDestroy() {
  // The check boxes' images are the list's own, but a list that shares its image lists leaves
  // them all behind.
  if (m_amounts) {
    const LPARAM ticks = m_nodeList.SendMessage(LVM_GETIMAGELIST, LVSIL_STATE, 0);
    if (ticks) {
      m_nodeList.SendMessage(LVM_SETIMAGELIST, LVSIL_STATE, 0);
      ::ImageList_Destroy(reinterpret_cast<HIMAGELIST>(ticks));
    }
  }
  MpAppUiResizableDialog::OnDestroy();
}

BOOL MpUiCNodeDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  // While the browser command runs, nothing of the dialog's own handling runs.
  if (m_browserLock.IsLocked()) {
    if (pResult) *pResult = 0;
    return FALSE;
  }
  return MpAppUiResizableDialog::OnWndMsg(message, wParam, lParam, pResult);
}

// A notice the dialog leaves unanswered goes on to the system's default procedure, a call that
// costs more than the row itself on a large list; and with the deletion of all rows answered
// TRUE the list does not give notice of each row it deletes (the rows' data is the dialog's).
void MpUiCNodeDlg::OnRowsChanged(NMHDR* pNMHDR, LRESULT* pResult) { *pResult = pNMHDR->code == LVN_DELETEALLITEMS; }

BOOL MpUiCNodeDlg::OnToolTipNotify(UINT, NMHDR* pNMHDR, LRESULT* pResult) {
  TOOLTIPTEXTA* tip = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
  if (!(tip->uFlags & TTF_IDISHWND)) return FALSE;
  const UINT id = static_cast<UINT>(::GetDlgCtrlID(reinterpret_cast<HWND>(pNMHDR->idFrom)));
  if (id == 0) return FALSE;
  const UINT text = id == IDC_CHOOSER_BROWSER && m_browserMode == BUTTON_UNAVAILABLE ? IDS_CHOOSER_BROWSER_OFF : id;
  // Long texts wrap; the tip stays up as long as the tooltip control allows (its times are
  // 16-bit).
  ::SendMessageA(pNMHDR->hwndFrom, TTM_SETMAXTIPWIDTH, 0, 300);
  ::SendMessageA(pNMHDR->hwndFrom, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(32767, 0));
  m_toolTip = getResourceString(text, "", "", "", "");
  tip->lpszText = const_cast<LPSTR>(m_toolTip.c_str());
  tip->hinst = nullptr;
  if (pResult) *pResult = 0;
  return TRUE;
}
