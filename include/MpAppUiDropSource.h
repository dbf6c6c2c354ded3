// The drop source of the library's drags: the library's own cursor while the drop would move.
#pragma once
#include <afxole.h>
#include "WidgetDeckApi.h"

class WIDGETDECK_API MpAppUiDropSource : public COleDropSource {
 public:
  MpAppUiDropSource();
  ~MpAppUiDropSource() override;

  SCODE GiveFeedback(DROPEFFECT dropEffect) override;
};
