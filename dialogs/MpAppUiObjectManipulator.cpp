#include "MpAppUiObjectManipulator.h"
#include "MpUiResourceString.h"
#include "resource.h"

namespace {

const double kZeroTolerance = 0.0001;

}  // namespace

BEGIN_MESSAGE_MAP(MpAppUiObjectManipulator, CDialog)
  ON_COMMAND(IDC_MANIPULATOR_APPLY, OnApply)
  ON_COMMAND(IDC_MANIPULATOR_RELATIVE, OnMovementTypeChanged)
  ON_COMMAND(IDC_MANIPULATOR_ABSOLUTE, OnMovementTypeChanged)
END_MESSAGE_MAP()

MpAppUiObjectManipulator::MpAppUiObjectManipulator(IMpZulNode* node, const GUID& commandClassId, IMpAppInput* input,
                                                   IMpAppOutput* output, CWnd* parent)
    : CDialog(IDD_OBJECT_MANIPULATOR, parent),
      m_commandClassId(commandClassId),
      m_spInput(input, true),
      m_spOutput(output, true),
      m_spNode(node, true),
      m_bRelative(true),
      m_nMovementType(0),
      m_position{0, 0, 0},
      m_rotation{0, 0, 0} {}

MpAppUiObjectManipulator::~MpAppUiObjectManipulator() {
  m_bDestroying = true;
  if (m_hWnd) DestroyWindow();
}

bool MpAppUiObjectManipulator::create() {
  try {
    Create(IDD_OBJECT_MANIPULATOR, nullptr);
  } catch (...) {
  }
  // The template is not visible by itself: a modeless window shows once it is made.
  if (m_hWnd) ShowWindow(SW_SHOW);
  return m_hWnd != nullptr;
}

void MpAppUiObjectManipulator::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Radio(pDX, IDC_MANIPULATOR_RELATIVE, m_nMovementType);
  DDX_Text(pDX, IDC_MANIPULATOR_NAME, m_strName);
  DDX_Text(pDX, IDC_MANIPULATOR_POS_X, m_position[0]);
  DDX_Text(pDX, IDC_MANIPULATOR_POS_Y, m_position[1]);
  DDX_Text(pDX, IDC_MANIPULATOR_POS_Z, m_position[2]);
  const int rotationIds[3] = {IDC_MANIPULATOR_ROT_X, IDC_MANIPULATOR_ROT_Y, IDC_MANIPULATOR_ROT_Z};
  for (int i = 0; i < 3; ++i) {
    DDX_Text(pDX, rotationIds[i], m_rotation[i]);
    DDV_MinMaxDouble(pDX, m_rotation[i], -360.0, 360.0);
  }
}

BOOL MpAppUiObjectManipulator::OnInitDialog() {
  CDialog::OnInitDialog();
  if (!m_spNode.isNull()) {
    std::string name;
    m_spNode->getName(name);
    m_strName = name.c_str();
  }
  UpdateData(FALSE);
  CenterWindow();
  return TRUE;
}

void MpAppUiObjectManipulator::OnMovementTypeChanged() {
  if (!UpdateData(TRUE)) {
    // The radio already shows the new mode, and the exchange took it before it refused a value:
    // both go back to the mode still in effect.
    m_nMovementType = m_bRelative ? 0 : 1;
    CheckRadioButton(IDC_MANIPULATOR_RELATIVE, IDC_MANIPULATOR_ABSOLUTE,
                     m_bRelative ? IDC_MANIPULATOR_RELATIVE : IDC_MANIPULATOR_ABSOLUTE);
    return;
  }
  m_bRelative = m_nMovementType == 0;
  CWnd* modeText = GetDlgItem(IDC_MANIPULATOR_MODE_TEXT);
  if (m_bRelative) {
    if (modeText) modeText->SetWindowText(getResourceString(IDS_MANIPULATOR_RELATIVE, "", "", "", "").c_str());
    for (int i = 0; i < 3; ++i) m_position[i] = m_rotation[i] = 0;
  } else {
    if (modeText) modeText->SetWindowText(getResourceString(IDS_MANIPULATOR_ABSOLUTE, "", "", "", "").c_str());
    // The location's reference is taken over and released with the smart pointer.
    IMpZulLocationPtr location(m_spNode.isNull() ? nullptr : m_spNode->getLocation(), false);
    double position[3] = {0, 0, 0}, rotation[3] = {0, 0, 0};
    if (!location.isNull() && location->getPlacement(position, rotation, 1)) {
      for (int i = 0; i < 3; ++i) {
        m_position[i] = isNearlyEqual(position[i], 0.0, kZeroTolerance) ? 0.0 : position[i];
        m_rotation[i] = isNearlyEqual(rotation[i], 0.0, kZeroTolerance) ? 0.0 : rotation[i];
      }
    }
  }
  UpdateData(FALSE);
}

bool MpAppUiObjectManipulator::getPositionRotation(double position[3], double rotation[3], bool& relative) {
  if (!UpdateData(TRUE)) return false;
  for (int i = 0; i < 3; ++i) {
    position[i] = m_position[i];
    rotation[i] = m_rotation[i];
  }
  relative = m_bRelative;
  return true;
}

void MpAppUiObjectManipulator::OnApply() {
  try {
    IMpAppCommandPtr command(m_commandClassId, nullptr);
    if (m_spInput.isNull() || command.isNull()) return;
    double position[3], rotation[3];
    bool relative = true;
    if (!getPositionRotation(position, rotation, relative)) return;
    IMpInputPtr input(m_spInput.get(), true);
    if (input.isNull()) return;
    input->setMove(position, rotation, relative);
    command->execute(m_spInput.get(), m_spOutput.get());
  } catch (...) {
    // The host calls this directly: nothing leaves it.
  }
}

void MpAppUiObjectManipulator::OnOK() {}

void MpAppUiObjectManipulator::OnCancel() { DestroyWindow(); }

void MpAppUiObjectManipulator::PostNcDestroy() {
  CDialog::PostNcDestroy();
  if (!m_bDestroying) delete this;
}
