// Task page "DesignChanges".
#include "MpAppUiDesignChangesPage.h"
#include "MpAppUiTaskPage.h"
#include "MpNameIds.h"
#include "MpStrings.h"
#include "MpUtServices.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(MpAppUiDesignChangesPage, CPropertyPage)

BEGIN_MESSAGE_MAP(MpAppUiDesignChangesPage, CPropertyPage)
  ON_BN_CLICKED(IDC_DESIGN_UPDATE_BLANK, OnClickUpdateBlank)
  ON_CBN_SELCHANGE(IDC_DESIGN_NEW_BLANK, OnSelChangeNewBlankName)
  ON_BN_CLICKED(IDC_DESIGN_UPDATE_PART, OnClickUpdatePart)
  ON_CBN_SELCHANGE(IDC_DESIGN_NEW_PART, OnSelChangeNewPartName)
  ON_BN_CLICKED(IDC_DESIGN_CREATE_GROUPS, OnClickCreateGroups)
END_MESSAGE_MAP()

namespace {
const char kUpdateBlank[] = "UpdateBlank";
const char kNewBlankName[] = "NewBlankName";
const char kUpdatePart[] = "UpdatePart";
const char kNewPartName[] = "NewPartName";
const char kCreateGroups[] = "CreateGroups";

bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

int MpAppUiDesignChangesPage::compareRevisions(const std::string& a, const std::string& b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (isDigit(a[i]) && isDigit(b[j])) {
      // A run of digits counts as its number: leading zeros aside, the longer run is larger,
      // and runs of one length compare digit by digit.
      size_t endA = i, endB = j;
      while (endA < a.size() && isDigit(a[endA])) ++endA;
      while (endB < b.size() && isDigit(b[endB])) ++endB;
      size_t startA = i, startB = j;
      while (startA + 1 < endA && a[startA] == '0') ++startA;
      while (startB + 1 < endB && b[startB] == '0') ++startB;
      if (endA - startA != endB - startB) return endA - startA < endB - startB ? -1 : 1;
      const int digits = a.compare(startA, endA - startA, b, startB, endB - startB);
      if (digits != 0) return digits < 0 ? -1 : 1;
      i = endA;
      j = endB;
      continue;
    }
    if (a[i] != b[j]) return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]) ? -1 : 1;
    ++i;
    ++j;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  // Equal as revisions ("a01" and "a1"): the characters decide, so that distinct names stay apart.
  const int plain = a.compare(b);
  return plain < 0 ? -1 : (plain > 0 ? 1 : 0);
}

MpAppUiDesignChangesPage::MpAppUiDesignChangesPage() : CPropertyPage(IDD_DESIGN_CHANGES_PAGE) {}

MpAppUiDesignChangesPage::~MpAppUiDesignChangesPage() = default;

bool MpAppUiDesignChangesPage::init(MpZulSmartList& selection) {
  m_selection = selection;
  if (MpAppUiTaskPage::createBag(m_spOptions)) {
    m_spOptions->setBool(kUpdateBlank, false);
    m_spOptions->setString(kNewBlankName, "");
    m_spOptions->setBool(kUpdatePart, false);
    m_spOptions->setString(kNewPartName, "");
    m_spOptions->setBool(kCreateGroups, true);
  }
  return true;
}

void MpAppUiDesignChangesPage::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_DESIGN_UPDATE_BLANK, m_checkUpdateBlank);
  DDX_Control(pDX, IDC_DESIGN_NEW_BLANK, m_comboNewBlank);
  DDX_Control(pDX, IDC_DESIGN_UPDATE_PART, m_checkUpdatePart);
  DDX_Control(pDX, IDC_DESIGN_NEW_PART, m_comboNewPart);
  DDX_Control(pDX, IDC_DESIGN_CREATE_GROUPS, m_checkCreateGroups);
}

BOOL MpAppUiDesignChangesPage::OnInitDialog() {
  const BOOL result = CPropertyPage::OnInitDialog();
  initControls();
  return result;
}

bool MpAppUiDesignChangesPage::collectNewDesigns(IMpPmModel* model) {
  IMpPmModelPtr modelRef(model, true);
  IMpUtOsFilePtr os(CLSID_MpUtOs, nullptr);
  if (modelRef.isNull() || os.isNull()) return false;
  Designs& designs = model->isBlank() ? m_blankDesigns : m_partDesigns;

  IMpPmModelInstancePtr instance;
  instance.attach(model->getModelInstance());
  IMpZulInstancePtr zulInstance(static_cast<IUnknown*>(instance.get()), true);
  if (instance.isValid() && zulInstance.isValid()) {
    std::string current;
    instance->getName(current);
    IMpZulNodePtr prototype(zulInstance->getPrototype(), false);
    if (prototype.isValid()) {
      MpZulSmartList nodes;
      prototype->getNodeList(nodes);
      const std::string prefix = MpName(MpNameId::CadModel) + ".";
      for (IUnknown* object : nodes) {
        IMpZulAttachmentPtr attachment(object, true);
        IMpZulNodePtr node(object, true);
        std::string name, file;
        if (attachment.isNull() || node.isNull() || !node->getName(name)) continue;
        // Newer designs carry the prefix somewhere in their name and come after the current one,
        // revision numbers counted as numbers (".10" after ".9").
        if (name.find(prefix) == std::string::npos || compareRevisions(name, current) <= 0) continue;
        if (!attachment->getFile(file)) continue;
        std::string folder, fileName, extension, extra;
        os->splitPath(file, folder, fileName, extension, extra);
        designs[name] = fileName;
      }
    }
  }
  return !designs.empty();
}

void MpAppUiDesignChangesPage::offerDesigns(IMpPmModel* model, CButton& box, CComboBox& combo, const char* updateKey,
                                            const char* nameKey) {
  // Without the model the controls stay as the template has them.
  if (model == nullptr) return;
  if (collectNewDesigns(model)) {
    const Designs& designs = model->isBlank() ? m_blankDesigns : m_partDesigns;
    // Each entry carries its design's key, so that two designs of one file name stay apart.
    for (const auto& design : designs) {
      const int index = combo.AddString(design.second.c_str());
      combo.SetItemDataPtr(index, const_cast<std::string*>(&design.first));
    }
    const std::string& lastKey = designs.rbegin()->first;
    for (int i = 0; i < combo.GetCount(); ++i)
      if (combo.GetItemDataPtr(i) == &lastKey) combo.SetCurSel(i);
    m_spOptions->setString(nameKey, lastKey);
    m_spOptions->setBool(updateKey, true);
    if (m_spOptions->getBool(updateKey)) box.SetCheck(BST_CHECKED);
  }
  combo.EnableWindow(box.GetCheck() == BST_CHECKED);
}

void MpAppUiDesignChangesPage::initControls() {
  if (m_spOptions.isNull()) return;
  if (m_selection.size() == 1) {
    IMpPmProductPtr product(m_selection.front(), true);
    if (product.isValid()) {
      IMpPmModelPtr blank, part;
      blank.attach(product->getModelB());
      offerDesigns(blank.get(), m_checkUpdateBlank, m_comboNewBlank, kUpdateBlank, kNewBlankName);
      part.attach(product->getModelA());
      offerDesigns(part.get(), m_checkUpdatePart, m_comboNewPart, kUpdatePart, kNewPartName);
    }
  }
  // The box shows what the bag holds, whatever was selected.
  if (m_spOptions->getBool(kCreateGroups)) m_checkCreateGroups.SetCheck(BST_CHECKED);
}

void MpAppUiDesignChangesPage::writeBox(CButton& box, const char* key, CComboBox* combo) {
  if (m_spOptions.isNull()) return;
  m_spOptions->setString(key, MpAppUiTaskPage::onOff(box));
  if (combo != nullptr) combo->EnableWindow(box.GetCheck() == BST_CHECKED);
}

void MpAppUiDesignChangesPage::writeChosenKey(CComboBox& combo, const char* nameKey) {
  if (m_spOptions.isNull()) return;
  const int chosen = combo.GetCurSel();
  const std::string* key = chosen == CB_ERR ? nullptr : static_cast<const std::string*>(combo.GetItemDataPtr(chosen));
  m_spOptions->setString(nameKey, key != nullptr ? *key : std::string());
}

void MpAppUiDesignChangesPage::OnClickUpdateBlank() { writeBox(m_checkUpdateBlank, kUpdateBlank, &m_comboNewBlank); }

void MpAppUiDesignChangesPage::OnSelChangeNewBlankName() { writeChosenKey(m_comboNewBlank, kNewBlankName); }

void MpAppUiDesignChangesPage::OnClickUpdatePart() { writeBox(m_checkUpdatePart, kUpdatePart, &m_comboNewPart); }

void MpAppUiDesignChangesPage::OnSelChangeNewPartName() { writeChosenKey(m_comboNewPart, kNewPartName); }

void MpAppUiDesignChangesPage::OnClickCreateGroups() { writeBox(m_checkCreateGroups, kCreateGroups, nullptr); }
