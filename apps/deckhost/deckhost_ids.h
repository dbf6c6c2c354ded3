// Identifiers of DeckHost's own resources (DeckHost.rc).
#pragma once

#define IDD_WD_SAMPLE           9100   // the class-library sample dialog: a name, a count, a check box
#define IDC_WD_SAMPLE_NAME      9101
#define IDC_WD_SAMPLE_COUNT     9102
#define IDC_WD_SAMPLE_CHECK     9103

// The "controls" command: a menu bar, a toolbar with a drop-down button and their images.
#define IDR_DH_MENU             9300   // "&File" (Open, separator, Exit), "&Edit" (Copy, Paste)
#define ID_DH_OPEN              9301
#define ID_DH_EXIT              9302
#define ID_DH_COPY              9304
#define ID_DH_PASTE             9305
#define IDR_DH_TOOLBAR          9310   // 16 x 16: Open, separator, Copy, Paste; 16-colour bitmap
#define IDB_DH_TRUECOLOR        9311   // 24-bit strip of ten 16 x 16 images
