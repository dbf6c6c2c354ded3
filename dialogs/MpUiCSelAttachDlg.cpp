// The attachment chooser.
#include "MpUiCSelAttachDlg.h"
#include "MpNameIds.h"
#include "MpStrings.h"

namespace {

std::string noText;
MpZulSmartList noList;

}  // namespace

BEGIN_MESSAGE_MAP(MpUiCSelAttachDlg, MpUiCNodeDlg)
END_MESSAGE_MAP()

MpUiCSelAttachDlg::MpUiCSelAttachDlg(std::string& title, IMpData* data, MpZulSmartList& attachments,
                                     bool multipleSelection, CWnd* parent)
    : MpUiCNodeDlg(title, data, attachments, false, false, true, multipleSelection, false, parent, noText, noList) {}

MpUiCSelAttachDlg::~MpUiCSelAttachDlg() = default;

void MpUiCSelAttachDlg::addColumns() {
  CListCtrl* list = getNodeList();
  if (!list) return;
  CRect client;
  list->GetClientRect(&client);
  const int width = client.Width();
  list->InsertColumn(0, "Name", LVCFMT_LEFT, width / 4);
  list->InsertColumn(1, "File", LVCFMT_LEFT, width / 4);
  list->InsertColumn(2, "Path", LVCFMT_LEFT, width / 2 - 20);
  list->SetExtendedStyle(LVS_EX_FULLROWSELECT);
}

void MpUiCSelAttachDlg::fillNodeList(std::string filter) {
  CWaitCursor wait;
  CListCtrl* list = getNodeList();
  IMpUtOsFilePtr files(CLSID_MpUtOs, nullptr);
  if (!list || getInput().empty() || !getData() || files.isNull()) return;
  int image = 0;
  IMpZulClassPtr attachmentClass(CLSID_MpZulClass, nullptr);
  if (attachmentClass.isValid() && attachmentClass->loadByName(getData(), MpName(MpNameId::AttachmentClass)))
    image = getIconIndex(attachmentClass.get());
  for (IUnknown* object : getInput()) {
    IMpZulAttachmentPtr attachment(object, true);
    IMpZulNodePtr node(object, true);
    if (attachment.isNull() || node.isNull()) continue;
    std::string name;
    node->getName(name);
    if (!matchesFilter(name, filter)) continue;
    const int row = list->InsertItem(list->GetItemCount(), name.c_str(), image);
    NodeItemData* item = new NodeItemData(node.get(), name);
    addItemData(item);
    list->SetItemData(row, reinterpret_cast<DWORD_PTR>(item));
    std::string path;
    if (!attachment->getFile(path)) continue;
    std::string folder, base, extension, extra;
    files->splitPath(path, folder, base, extension, extra);
    std::string file = base + "." + extension;
    if (!extra.empty()) file += "." + extra;
    list->SetItemText(row, 1, file.c_str());
    list->SetItemText(row, 2, folder.c_str());
  }
}
