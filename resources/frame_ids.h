// Identifiers of the module frame: the result viewer.
#pragma once

// ---- Result viewer ----
#define IDD_EVENT_VIEWER            2251   // the viewer: a report list and an OK button
#define IDC_EVENT_VIEWER_LIST       2580   // its list of messages (kind, text)
#define IDS_EVENT_VIEWER_TITLE      2316   // viewer title; %1 = what the messages are about
