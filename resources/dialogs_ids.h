// Identifiers of the host-object dialogs.
#pragma once

// ---- Drag and drop / object manipulator ----
#define IDC_MOVE_DROP_CURSOR            2492   // cursor while a drag would move its objects
#define IDD_OBJECT_MANIPULATOR          2255
#define IDC_MANIPULATOR_NAME            2507   // read-only: the node's name
#define IDC_MANIPULATOR_POS_X           2526
#define IDC_MANIPULATOR_POS_Y           2528
#define IDC_MANIPULATOR_POS_Z           2530
#define IDC_MANIPULATOR_ROT_X           2555
#define IDC_MANIPULATOR_ROT_Y           2556
#define IDC_MANIPULATOR_ROT_Z           2557
#define IDC_MANIPULATOR_MODE_TEXT       2562   // static: what the values mean
#define IDC_MANIPULATOR_RELATIVE        2588   // radio, first of the group
#define IDC_MANIPULATOR_ABSOLUTE        2592   // radio, second of the group
#define IDC_MANIPULATOR_APPLY           2626
#define IDS_MANIPULATOR_RELATIVE        2274
#define IDS_MANIPULATOR_ABSOLUTE        2275

// ---- File and attachment dialogs ----
#define IDS_ATTACHMENT_NOT_IMAGE        2319   // %1 = the file refused

// ---- Properties, folder, batch-run, check-out dialogs ----
#define IDC_PATH_TREE                   14145  // the shell browser's folder tree
#define IDC_PATH_STATUS                 14147  // the shell browser's status text
#define IDC_PATH_EDIT                   14148  // the edit box added above the tree
#define IDD_PROPERTIES                  2250
#define IDC_PROPERTIES_LIST             2573
#define IDC_PROPERTIES_ALL              2574   // check: every field of the class
#define IDC_PROPERTIES_PROTOTYPE        2575   // check: the prototype's rows
#define IDC_PROPERTIES_FRAME            2576
#define IDD_BATCH_RUN                   2206
#define IDB_BATCH_BROWSE                2203   // browse-button bitmap, in the host's executable
#define IDC_BATCH_BLANK_BROWSE          2505
#define IDC_BATCH_PART_BROWSE           2506
#define IDC_BATCH_PART_PATH             2508
#define IDC_BATCH_BLANK_PATH            2405
#define IDC_BATCH_MATERIAL              2676
#define IDD_CHECK_OUT                   2247
#define IDC_CHECK_OUT_LIST              2400
#define IDC_CHECK_OUT_CANCEL            2591   // cancel check-out (check-in mode only)
#define IDB_CHECK_OUT_FREE              2200   // state icons: not checked out
#define IDB_CHECK_OUT_MINE              2201   //   checked out by the current user
#define IDB_CHECK_OUT_OTHER             2202   //   checked out by another user
#define IDI_OBJECT_OVERLAY              2216   // overlay on the icons of prototypes
#define IDS_CHECK_OUT_CANCEL_FAILED     2235
#define IDS_CHECK_OUT_FAILED            2252
#define IDS_CHECK_IN_FAILED             2253
#define IDS_CHECK_OUT_RUNNING           2256
#define IDS_CHECK_OUT_CANCELLING        2258
#define IDS_CHECK_IN_RUNNING            2259
