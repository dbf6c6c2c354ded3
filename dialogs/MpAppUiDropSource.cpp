#include "MpAppUiDropSource.h"
#include "resource.h"

MpAppUiDropSource::MpAppUiDropSource() = default;

MpAppUiDropSource::~MpAppUiDropSource() = default;

SCODE MpAppUiDropSource::GiveFeedback(DROPEFFECT dropEffect) {
  if (dropEffect == DROPEFFECT_MOVE && AfxGetApp()) {
    ::SetCursor(AfxGetApp()->LoadCursor(IDC_MOVE_DROP_CURSOR));
    return S_OK;
  }
  return COleDropSource::GiveFeedback(dropEffect);
}
