// Every host interface with its identifiers.
#pragma once
#include "MpGuid.h"
#include "MpKeys.h"
#include "MpFactories.h"
#include "MpOptions.h"
#include "MpLogger.h"
#include "MpSettings.h"
#include "MpUtServices.h"
#include "MpData.h"
#include "MpZul.h"
#include "MpPm.h"
#include "MpApp.h"
