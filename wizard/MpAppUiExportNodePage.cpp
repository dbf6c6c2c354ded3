// Task page "ExportNode".
#include "MpAppUiExportNodePage.h"
#include "MpAppUiTaskPage.h"
#include "MpDataLib.h"
#include "MpNameIds.h"
#include "MpStrings.h"
#include "MpUICFileDialog.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(MpAppUiExportNodePage, CPropertyPage)

BEGIN_MESSAGE_MAP(MpAppUiExportNodePage, CPropertyPage)
  ON_BN_CLICKED(IDC_EXPORT_BROWSE_TRAVERSAL, OnBrowseTraversalFile)
  ON_BN_CLICKED(IDC_EXPORT_BROWSE_OUTPUT, OnBrowseOutputFile)
  ON_BN_CLICKED(IDC_EXPORT_KEEP_ALL, OnClickIdPolicy)
  ON_BN_CLICKED(IDC_EXPORT_KEEP_ENV, OnClickIdPolicy)
  ON_BN_CLICKED(IDC_EXPORT_KEEP_NONE, OnClickIdPolicy)
END_MESSAGE_MAP()

namespace {
const char kTraversalFile[] = "TraversalFile";
const char kOutputFile[] = "OutputFile";
const char kKeepAll[] = "KeepAllExternalIds";
const char kKeepEnv[] = "KeepEnvExternalIds";
const char kKeepNone[] = "DontKeepExternalIds";
const char kXmlFilter[] = "XML Files (*.xml)|*.xml|All Files (*.*)|*.*||";

const char* onOff(const CButton& button) { return button.GetCheck() == BST_CHECKED ? "on" : "off"; }
}  // namespace

MpAppUiExportNodePage::MpAppUiExportNodePage() : CPropertyPage(IDD_EXPORT_NODE_PAGE) {}

MpAppUiExportNodePage::~MpAppUiExportNodePage() = default;

bool MpAppUiExportNodePage::init(MpZulSmartList& selection) {
  (void)selection;
  if (!MpAppUiTaskPage::createBag(m_spOptions)) return false;
  m_spOptions->setString(kTraversalFile, MpStrFormat("%s/DefaultTraversal.xml", MpContextGetTraversalXmlDir(false).c_str()));
  m_spOptions->setString(kOutputFile, "");
  m_spOptions->setBool(kKeepAll, true);
  m_spOptions->setBool(kKeepEnv, false);
  m_spOptions->setBool(kKeepNone, false);
  return true;
}

void MpAppUiExportNodePage::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_EXPORT_TRAVERSAL_FILE, m_editTraversalFile);
  DDX_Control(pDX, IDC_EXPORT_OUTPUT_FILE, m_editOutputFile);
  DDX_Control(pDX, IDC_EXPORT_KEEP_ALL, m_radioKeepAll);
  DDX_Control(pDX, IDC_EXPORT_KEEP_ENV, m_radioKeepEnv);
  DDX_Control(pDX, IDC_EXPORT_KEEP_NONE, m_radioKeepNone);
}

BOOL MpAppUiExportNodePage::OnInitDialog() {
  const BOOL result = CPropertyPage::OnInitDialog();
  if (m_spOptions.isValid()) {
    MpAppUiTaskPage::setWindowText(m_editTraversalFile, m_spOptions->getString(kTraversalFile));
    MpAppUiTaskPage::setWindowText(m_editOutputFile, m_spOptions->getString(kOutputFile));
    m_radioKeepAll.SetCheck(m_spOptions->getBool(kKeepAll) ? BST_CHECKED : BST_UNCHECKED);
    m_radioKeepEnv.SetCheck(m_spOptions->getBool(kKeepEnv) ? BST_CHECKED : BST_UNCHECKED);
    m_radioKeepNone.SetCheck(m_spOptions->getBool(kKeepNone) ? BST_CHECKED : BST_UNCHECKED);
  }
  return result;
}

void MpAppUiExportNodePage::browse(CEdit& field, const char* key, unsigned long flags) {
  std::string cadModel = MpName(MpNameId::CadModel);
  MpUICFileDialog dlg(TRUE, cadModel, ".xml", nullptr, flags, kXmlFilter, nullptr);
  if (m_spOptions.isNull() || dlg.DoModal() != IDOK) return;
  const std::string path = (LPCSTR)dlg.GetPathName();
  MpAppUiTaskPage::setWindowText(field, path);
  m_spOptions->setString(key, path);
}

void MpAppUiExportNodePage::OnBrowseTraversalFile() {
  browse(m_editTraversalFile, kTraversalFile, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST);
}

void MpAppUiExportNodePage::OnBrowseOutputFile() {
  // The output file need not exist yet.
  browse(m_editOutputFile, kOutputFile, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST);
}

void MpAppUiExportNodePage::OnClickIdPolicy() {
  if (m_spOptions.isNull()) return;
  UpdateData(TRUE);
  m_spOptions->setString(kKeepAll, onOff(m_radioKeepAll));
  m_spOptions->setString(kKeepEnv, onOff(m_radioKeepEnv));
  m_spOptions->setString(kKeepNone, onOff(m_radioKeepNone));
}

BOOL MpAppUiExportNodePage::OnKillActive() {
  if (m_spOptions.isNull()) return FALSE;
  UpdateData(TRUE);
  // What the user typed is what the export gets: the check looks at the bag as it will be read.
  m_spOptions->setString(kTraversalFile, MpAppUiTaskPage::windowText(m_editTraversalFile));
  m_spOptions->setString(kOutputFile, MpAppUiTaskPage::windowText(m_editOutputFile));
  if (m_spOptions->getString(kTraversalFile).empty() || m_spOptions->getString(kOutputFile).empty()) {
    MpAppUiTaskPage::showInputError(IDS_EXPORT_FILE_MISSING);
    return FALSE;
  }
  return CPropertyPage::OnKillActive();
}
