// Identifiers of the test resources (test_resources.rc), linked into every test executable, so
// that they are found in the executable's own module, never in the product's resource module.
#pragma once

// ---- Sample dialog, pages and strings for the class library's own tests (9100-9159) ----
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

// ---- Resizable-dialog template (9160-9179) ----
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

// ---- Owner-drawn menu and toolbar (9300-9339) ----
#define IDR_WD_TEST_MENU        9300   // bar: "&File" (Open, separator, Exit, "&Recent" pop-up), "&Edit"
#define ID_WD_OPEN              9301
#define ID_WD_EXIT              9302
#define ID_WD_RECENT            9303
#define ID_WD_COPY              9304
#define ID_WD_PASTE             9305
#define IDR_WD_TEST_TOOLBAR     9310   // 16 x 16: Open, separator, Copy, Paste; 16-colour bitmap
#define IDB_WD_TEST_TRUECOLOR   9311   // 24-bit strip of ten 16 x 16 images, magenta mask
#define IDR_WD_TEST_WIDEMENU    9312   // bar: one Cyrillic pop-up; a Cyrillic item (Open) and a Latin-1 one (Copy)

// ---- Drop-menu button (9340-9349) ----
#define IDR_WD_TEST_FLATMENU    9340   // items only, no pop-up
