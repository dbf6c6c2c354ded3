// Identifiers shared by WidgetDeck.dll and its resource module WidgetDeckRes.dll.
#pragma once

#include "frame_ids.h"
#include "wizard_ids.h"
#include "settings_ids.h"
#include "dialogs_ids.h"
#include "controls_ids.h"
