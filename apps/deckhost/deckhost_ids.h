// Identifiers of DeckHost's own resources (DeckHost.rc).
#pragma once

#define IDD_WD_SAMPLE           9100   // the class-library sample dialog: a name, a count, a check box
#define IDC_WD_SAMPLE_NAME      9101
#define IDC_WD_SAMPLE_COUNT     9102
#define IDC_WD_SAMPLE_CHECK     9103
