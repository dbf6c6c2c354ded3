// The maker's utility, data and process-model libraries.
#pragma once
#include "MpInterfaces.h"
#include "MpSmartPointers.h"
#include "MpClassFactory.h"
#include "MpLogging.h"
#include "MpResults.h"
#include "MpSmartList.h"
#include "MpStrings.h"
#include "MpResourceString.h"
#include "MpCipher.h"
#include "MpDataLib.h"
#include "MpWipe.h"
