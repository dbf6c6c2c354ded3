// The resource browser's single instance lives until the host ends it, before it unloads the
// library.
#pragma once
#include "WidgetDeckApi.h"

namespace MpResourceBrowser {

// Ends the browser's login if one is active and deletes the instance; without one it does nothing.
WIDGETDECK_API void terminateResourceBrowser();

}  // namespace MpResourceBrowser
