// The settings-page tests: the four pages and a sheet to show them in.
#pragma once
#include "MpAppUiCatiaQyPage.h"
#include "MpAppUiCorvanePage.h"
#include "MpAppUiQyPage.h"
#include "MpAppUiStepPage.h"
#include "hosted.h"
#include "resource.h"

constexpr const char* kCaption = "Settings test";

class Sheet : public CPropertySheet {
 public:
  explicit Sheet(std::initializer_list<CPropertyPage*> pages) : CPropertySheet(kCaption) {
    for (CPropertyPage* page : pages) AddPage(page);
  }
};
