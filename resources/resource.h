// Identifiers shared by WidgetDeck.dll and its resource module WidgetDeckRes.dll.
#pragma once

// ---- Sample resources used by the platform's own tests and the demo host (9100-9199) ----
#define IDD_WD_SAMPLE           9100   // sample dialog: a name, a count, a check box
#define IDC_WD_SAMPLE_NAME      9101
#define IDC_WD_SAMPLE_COUNT     9102
#define IDC_WD_SAMPLE_CHECK     9103
#define IDC_WD_SAMPLE_COMBO     9104
#define IDD_WD_SAMPLE_PAGE1     9110   // property page with an edit that may refuse to be left
#define IDC_WD_PAGE1_EDIT       9111
#define IDD_WD_SAMPLE_PAGE2     9120   // second property page
#define IDC_WD_PAGE2_CHECK      9121
#define IDC_WD_PAGE2_COMBO      9122   // filled from the template's init data
#define IDS_WD_SAMPLE_TITLE     9150   // "Sample"
#define IDS_WD_SAMPLE_SHEET     9151   // caption of the sample sheet
#define IDS_WD_SAMPLE_FORMAT    9152   // "Entry%d"
#define IDS_WD_SAMPLE_INSERTS   9153   // "%1 then %2"
#define IDS_WD_SAMPLE_SIX       9154   // "%1|%2|%3|%4|%5|%6"

#include "frame_ids.h"
#include "wizard_ids.h"
#include "settings_ids.h"
