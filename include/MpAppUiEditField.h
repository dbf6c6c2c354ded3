// The single-line code editor field: no gutter, Enter inserts no line break.
#pragma once

#include "MpAppUiEditCntrl.h"

class WIDGETDECK_API MpAppUiEditField : public MpAppUiEditCntrl {
public:
  MpAppUiEditField();
  ~MpAppUiEditField() override;
};
