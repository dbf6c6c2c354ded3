// The chooser over host objects: nodes under their display names, or host classes, with a text
// filter, sorting, single or multiple selection, amounts typed in place, a variant filter, the
// resource-browser button and red highlighting of the objects the host names.
#pragma once
#include <afxcmn.h>
#include <afxmt.h>
#include <map>
#include <string>
#include <vector>
#include "MpAppUiResizableDialog.h"
#include "MpSmartList.h"
#include "WidgetDeckApi.h"
#include "WidgetDeckSmartPointers.h"

class MpUiResourceBrowser;

// The data of one list row, owned by the chooser.
class ItemData {
 public:
  // Negative, 0 or positive as this row sorts before, with or after the other.
  virtual int compare(ItemData* other) = 0;
  virtual ~ItemData();
};

class NodeItemData : public ItemData {
 public:
  NodeItemData(IMpZulNode* node, const std::string& name);
  // By name, in byte order; other row data compares equal.
  int compare(ItemData* other) override;
  // The node's object identifier; 0 without a node.
  int getObjectId();
  const std::string& name() const { return m_name; }
  IMpZulNode* getNode() const { return m_node.get(); }

 private:
  IMpZulNodePtr m_node;
  std::string m_name;
};

class ClassItemData : public ItemData {
 public:
  explicit ClassItemData(IMpZulClass* zulClass);
  // By the classes' display names; other row data, or a name the class cannot give, compares equal.
  int compare(ItemData* other) override;
  IMpZulClass* getClass() const { return m_class.get(); }

 private:
  IMpZulClassPtr m_class;
};

class WIDGETDECK_API MpUiCNodeDlg : public MpAppUiResizableDialog {
 public:
  // Mode of the variant-filter and resource-browser buttons.
  enum BUTTON_INFO {
    BUTTON_HIDDEN = 0,
    BUTTON_ENABLED = 1,
    BUTTON_UNAVAILABLE = 2,  // shown; the browser button is disabled, the variant button says why
  };

  MpUiCNodeDlg(std::string& title, IMpData* data, MpZulSmartList& input, bool classMode, bool inputHoldsClasses,
               bool sort, bool multipleSelection, bool amounts, CWnd* parent, std::string& okText,
               MpZulSmartList& highlight);
  ~MpUiCNodeDlg() override;

  // When false, OK is never disabled for want of a choice.
  void setSelectionRequired(bool required);
  void showVariantFilter(BUTTON_INFO mode);
  void setResourceBrowser(BUTTON_INFO mode, IMpOptions* options);
  void setModeler(IMpMoModeler* modeler);
  void setEnvironment(IMpPmEnvironment* environment);

  // The chosen objects after OK; valid while the dialog object lives.
  MpZulSmartList& getSelection();
  // The amounts of the chosen objects after OK in amounts mode, in the same order.
  std::vector<int> getAmounts();
  // Class mode: each chosen class's name with its amount; false when there is none.
  bool getClassNames(std::map<std::string, int>& names);

 protected:
  virtual bool checkControls();
  virtual bool checkEmptyList();
  virtual void addColumns();
  virtual void fillNodeList(std::string filter);

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

  IMpData* getData();
  CListCtrl* getNodeList();
  MpZulSmartList& getInput();
  int getIconIndex(IMpZulClass* zulClass);
  // Whether the upper-cased name contains the filter, which is used as typed; an empty filter
  // passes every name.
  static bool matchesFilter(const std::string& name, const std::string& filter);
  // Hands a row's data to the dialog, which deletes it when it is destroyed.
  void addItemData(ItemData* data);

  afx_msg void OnDblclkNodeList(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnClickClassList(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnFilter();
  afx_msg void OnBtnReset();
  afx_msg void OnVariantFilter();
  afx_msg void OnResourceBrowser();
  afx_msg void OnBeginLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg BOOL OnHeaderClicked(UINT id, NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnCustomdrawList(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg BOOL OnToolTipNotify(UINT id, NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnDestroy();
  // Answers the list's notices of rows added and of all rows deleted.
  afx_msg void OnRowsChanged(NMHDR* pNMHDR, LRESULT* pResult);

  void SortItems();
  void highlightItems(MpZulSmartList& objects);
  void editSubLabel(int row);
  // Appends a row with its data and the overlay image when asked; returns its index.
  int insertRow(const std::string& text, int image, ItemData* data, bool overlay);
  bool isTicked(int row);
  // The object of a row, found again through the data object the rows were filled from.
  IUnknown* resolveRow(int row);

  struct SortInfo {
    CListCtrl* list;
    int column;
    bool ascending;
  };
  static int CALLBACK compareRows(LPARAM first, LPARAM second, LPARAM info);

  CListCtrl m_nodeList;
  CEdit m_filter;
  CButton m_reset;
  CButton m_childClasses;
  std::vector<ItemData*> m_itemData;
  SortInfo m_sortInfo;
  bool m_noneButton = false;
  CImageList m_images;
  std::map<int, int> m_classImages;
  std::map<int, int> m_iconImages;
  std::string m_title;
  std::string m_okText;
  IMpDataPtr m_data;
  IMpMoModelerPtr m_modeler;
  IMpPmEnvironmentPtr m_environment;
  MpZulSmartList m_input;
  MpZulSmartList m_selection;
  MpZulSmartList m_highlight;
  int m_classMode;
  BYTE m_multipleSelection;
  BYTE m_amounts;
  BYTE m_classModeFlag;
  BYTE m_sort;
  BYTE m_inputHoldsClasses;
  std::vector<int> m_amountList;
  bool m_selectionRequired = true;
  BUTTON_INFO m_variantFilterMode = BUTTON_HIDDEN;
  BUTTON_INFO m_browserMode = BUTTON_HIDDEN;
  MpUiResourceBrowser* m_browser = nullptr;
  IMpOptionsPtr m_browserOptions;
  CCriticalSection m_browserSection;
  CSingleLock m_browserLock;
  std::string m_toolTip;

  DECLARE_MESSAGE_MAP()

 private:
  // The class mode's rows: the classes handed in, or those the first input node permits.
  void fillClassList(std::string filter);
  // The rows of either mode.
  void fillList(const std::string& filter);
  // Ends an amount being typed in place, so that it reaches its row before the rows move.
  void endCellEdit();
  HWND m_cellEditor = nullptr;  // the last cell editor opened, perhaps gone since

  // A row of the dialog's own fills before it is inserted.
  struct Row {
    const std::string* name;
    ItemData* item;
    int image;
    bool overlay;
  };
  // A node's row: its data made on the first fill that lists the node and kept for later ones.
  Row nodeRow(size_t place, IMpZulNode* node, const std::string& name);
  // Inserts the rows, sorted by name first when the dialog sorts.
  void insertRows(std::vector<Row>& rows);
  // The list's own sort by the sort information.
  void sortRows();

  // The node fill's rows by the node's place among the input's nodes, with their image and
  // overlay; a later fill reuses a row whose node and name are unchanged.
  struct NodeRow {
    NodeItemData* item = nullptr;
    int image = 0;
    bool overlay = false;
  };
  std::vector<NodeRow> m_nodeRows;
  // The number of rows the dialog's own fill left in the list in name order, so that the sort
  // after it has nothing to do; -1 when an override filled the list or the rows await a sort.
  int m_presorted = -1;
};
