// The host's settings service: one named-value bag per settings group.
#pragma once
#include <unknwn.h>
#include "MpGuid.h"
#include "MpOptions.h"

struct IMpDataCustomization2;

MP_IDENTIFIER(IID_IMpPmUtSettingsBase, "{CB2EDE14-92AD-4B0C-A66F-08048A89EFF7}");
MP_IDENTIFIER(CLSID_MpPmUtSettings, "{663C5AFA-D7F3-4433-9DD9-BB9B4E4A6DD0}");

// A getter returns the group without a reference for the caller: the group lives in the host's
// store and outlives the service object; a caller that keeps it adds its own reference. A reset
// puts the defaults back into the very group object it is given.
//
// The slots follow the host's layout; the reserved ones hold operations this library never calls.
struct IMpPmUtSettingsBase : public IUnknown {
  // The customization whose classes the feature group describes.
  virtual bool setCustomization(IMpDataCustomization2* customization) = 0;

  virtual IMpOptions* getFeatureSettings() = 0;
  virtual IMpOptions* getSequenceSettings() = 0;
  virtual void reserved1() = 0;
  virtual IMpOptions* getOutputSettings() = 0;
  virtual void reserved2() = 0;
  virtual IMpOptions* getOperationSettings() = 0;
  virtual IMpOptions* getStepSettings() = 0;
  virtual IMpOptions* getCustomerSettings() = 0;
  virtual IMpOptions* getCatiaQySettings() = 0;
  virtual IMpOptions* getQySettings() = 0;
  virtual IMpOptions* getCorvaneSettings() = 0;
  virtual IMpOptions* getHondaSettings() = 0;
  virtual IMpOptions* getExportSettings() = 0;
  virtual IMpOptions* getUnitsSettings() = 0;
  virtual IMpOptions* getExchangeAdapterSettings() = 0;

  virtual void reserved3() = 0;

  virtual bool resetFeatureSettings(IMpOptions* group) = 0;
  virtual bool resetSequenceSettings(IMpOptions* group) = 0;
  virtual bool resetOutputSettings(IMpOptions* group) = 0;
  virtual bool resetOperationSettings(IMpOptions* group) = 0;
  virtual bool resetStepSettings(IMpOptions* group) = 0;
  virtual bool resetCustomerSettings(IMpOptions* group) = 0;
  virtual bool resetCatiaQySettings(IMpOptions* group) = 0;
  virtual bool resetQySettings(IMpOptions* group) = 0;
  virtual bool resetHondaSettings(IMpOptions* group) = 0;
  virtual bool resetExportSettings(IMpOptions* group) = 0;
  virtual bool resetUnitsSettings(IMpOptions* group) = 0;
  virtual bool resetCorvaneSettings(IMpOptions* group) = 0;
  virtual bool resetExchangeAdapterSettings(IMpOptions* group) = 0;
};
