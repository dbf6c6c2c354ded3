// Identifiers of the module frame: the result viewer, and the resizable-dialog test template.
#pragma once

// ---- Result viewer ----
#define IDD_EVENT_VIEWER            2251   // the viewer: a report list and an OK button
#define IDC_EVENT_VIEWER_LIST       2580   // its list of messages (kind, text)
#define IDS_EVENT_VIEWER_TITLE      2316   // viewer title; %1 = what the messages are about

// ---- Resizable-dialog test template, used only by the test suite (9160-9179) ----
#define IDD_WD_RESIZABLE_TEST       9160
#define IDC_WD_RSZ_GROUP            9161   // group box
#define IDC_WD_RSZ_LIST             9162   // list box with a horizontal scroll bar
#define IDC_WD_RSZ_TEXT             9163   // text static (left)
#define IDC_WD_RSZ_ICON             9164   // icon static
#define IDC_WD_RSZ_BLACKRECT        9165   // black rectangle static
#define IDC_WD_RSZ_ETCHED           9166   // etched horizontal line
#define IDC_WD_RSZ_CENTERIMG        9167   // black frame static with SS_CENTERIMAGE
#define IDC_WD_RSZ_FRAME            9168   // black frame static without SS_CENTERIMAGE
#define IDC_WD_RSZ_EDIT             9169   // edit
#define IDC_WD_RSZ_BUTTON           9170   // push button at the bottom centre
#define IDC_WD_RSZ_MISSING          9179   // no control has this identifier
