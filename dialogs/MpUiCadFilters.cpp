// The CAD filter lists.
#include "MpUiCadFilters.h"
#include "MpSettings.h"
#include "MpSmartPointers.h"

namespace {

const char* const kDefaultList[][2] = {
    {"ACIS Files (*.sat)", "*.sat"},
    {"STEP AP203/AP214 Files (*.step;*.stp)", "*.step;*.stp"},
    {"CATIA V4 Files (*.exp;*.dlv;*.dlv3;*.model)", "*.exp;*.dlv;*.dlv3;*.model"},
    {"CATIA V5 Files (*.CATPart)", "*.CATPart"},
    {"Moravel 10-18;QW1-4 Files (*.prt)", "*.prt"},
    {"Pro/ENGINEER Files (*.prt;*.prt.*;*.asm)", "*.prt;*.prt.*;*.asm"},
    {"IGES Files (*.igs)", "*.igs"},
    {"Corvane Files (*.x_t;*.xmt_txt;*.x_b;*.xmt_bin)", "*.x_t;*.xmt_txt;*.x_b;*.xmt_bin"},
    {"KQ Files (*.kq)", "*.kq"},
};

const char* const kCorvaneList[][2] = {
    {"STEP AP203/AP214 Files (*.step;*.stp)", "*.step;*.stp"},
    {"CATIA V4 Model Files (*.model)", "*.model"},
    {"CATIA V5 Files (*.CATPart)", "*.CATPart"},
    {"Moravel 10-18;QW1-4 Files (*.prt)", "*.prt"},
    {"IGES Files (*.igs)", "*.igs"},
    {"Corvane Files (*.x_t;*.xmt_txt;*.x_b;*.xmt_bin)", "*.x_t;*.xmt_txt;*.x_b;*.xmt_bin"},
    {"KQ Files (*.kq)", "*.kq"},
    {"Q-FORM Exchange Package (*.xpk)", "*.xpk"},
    {"Planar Forge Files (*.par;*.asm;*.psm)", "*.par;*.asm;*.psm"},
};

template <size_t N>
std::string join(const char* const (&list)[N][2]) {
  std::string filter;
  for (size_t i = 0; i < N; ++i) {
    if (i) filter += '|';
    filter += std::string(list[i][0]) + '|' + list[i][1];
  }
  return filter + "||";
}

}  // namespace

std::string WidgetDeck::cadFilters() {
  std::string modeler;
  IMpPmUtSettingsBasePtr spService(CLSID_MpPmUtSettings, nullptr);
  if (spService.isValid()) {
    // The service hands out its group without a reference for us: the smart pointer takes one.
    IMpOptionsPtr spUnits(spService->getUnitsSettings(), true);
    if (spUnits.isValid()) modeler = spUnits->getString("default_modeler");
  }
  return modeler == "corvane" ? join(kCorvaneList) : join(kDefaultList);
}
