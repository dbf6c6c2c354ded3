// The one way results reach the user: the result viewer over a failure's result stack or over
// the messages queued in the shared logger.
#pragma once
#include <string>
#include "MpResults.h"
#include "WidgetDeckApi.h"

namespace WidgetDeck {

// Shows the result stack of the utility library in the result viewer, titled after the subject,
// and empties it. Shows nothing when the stack is empty.
WIDGETDECK_API void showResultMessages(MpFail& fail, std::string& subject);

// Shows the messages queued in the shared logger in the result viewer under the given title,
// taking them from the queue. Shows nothing when there is no logger or nothing queued.
WIDGETDECK_API void showAllMessages(std::string& title);

}  // namespace WidgetDeck
