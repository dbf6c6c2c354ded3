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

// ---- Node chooser and its variants ----
#define IDD_NODE_CHOOSER                2210
#define IDB_CHOOSER_IMAGES              2204   // 16x16 image strip when there is no data object
#define IDI_CHOOSER_OVERLAY             2216   // overlay image 3: prototypes and special classes
#define IDC_CHOOSER_LIST                2404
#define IDC_CHOOSER_FILTER              2577
#define IDC_CHOOSER_RESET               2578   // untick all; "none" in the variant-set chooser
#define IDC_CHOOSER_CHILD_CLASSES       2451
#define IDC_CHOOSER_VARIANT             2664
#define IDC_CHOOSER_VARIANT_TEXT        2665
#define IDC_CHOOSER_BROWSER             2692
#define IDS_CHOOSER_BROWSING            2292   // appended to the caption while browsing
#define IDS_CHOOSER_BROWSER_OFF         2293   // browser-button tip when unavailable
#define IDS_CHOOSER_NO_VARIANT          2301
#define IDS_CHOOSER_VARIANT_MISSING     2302
#define IDS_CHOOSER_VARIANT_OFF         2307
#define IDS_CHOOSER_VARIANT_TITLE       2308
#define IDS_CHOOSER_NONE                2309

// ---- Resource browser and data-management login ----
#define IDS_RB_UNKNOWN_EXCEPTION        2277
#define IDS_RB_LOGIN_FAILED             2278
#define IDS_RB_REASON_1                 2280
#define IDS_RB_REASON_2                 2281
#define IDS_RB_NO_INSTANCE              2282
#define IDS_RB_NOTHING_SELECTED         2283
#define IDS_RB_INTEGRATION_MISSING      2284   // %1 library, %2 system error
#define IDS_RB_CONFIG_MISSING           2285   // %1 path
#define IDS_RB_LIBRARY_MISSING          2286   // %1 path
#define IDS_RB_ENTRY_MISSING            2287   // %1 entry-point name
#define IDS_RB_LOGIN_CANCELLED          2288
#define IDS_RB_NO_TEMP_FILE             2290
#define IDS_RB_NO_RESOURCE_XML          2291
#define IDS_RB_START_FAILED             2294   // heading of the result viewer
#define IDS_RB_IMPORTING                2322   // %1 %2 %3 descriptive texts
#define IDD_JQLOGIN                    2318
#define IDC_JQLOGIN_USER                     2696
#define IDC_JQLOGIN_PASSWORD                 2697
#define IDC_JQLOGIN_GROUP                    2698

// ---- Login, open-project, splash, view-name, hyperlink, find dialogs ----
#define IDD_OPEN_PROJECT                2211
#define IDB_PROJECT                     2205   // 16x16 project image of the list rows
#define IDC_PROJECT_LIST                2510
#define IDS_PROJECT_COMMENT_COLUMN      2223
#define IDS_PROJECT_NAME_COLUMN         2224
#define IDD_LOGIN                       2245
#define IDR_LOGIN_ANIMATION             2246   // AVI played while the login runs
#define IDC_LOGIN_ANIMATION             2534
#define IDC_LOGIN_REMEMBER              2536
#define IDC_LOGIN_PASSWORD              2537
#define IDC_LOGIN_USER                  2538
#define IDD_FIND                        2257
#define IDC_FIND_WHAT                   2584
#define IDC_FIND_WHOLE_WORD             2585
#define IDC_FIND_IN_NAME                2586   // first of the radio group
#define IDC_FIND_ELSEWHERE              2587
#define IDB_SPLASH                      2266
#define IDD_CREATE_VIEW                 2271
#define IDC_VIEW_NAME                   2607
#define IDD_HYPERLINK                   2780
#define IDC_HYPERLINK                   2781

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
#define IDI_OBJECT_OVERLAY              IDI_CHOOSER_OVERLAY  // overlay on the icons of prototypes
#define IDS_CHECK_OUT_CANCEL_FAILED     2235
#define IDS_CHECK_OUT_FAILED            2252
#define IDS_CHECK_IN_FAILED             2253
#define IDS_CHECK_OUT_RUNNING           2256
#define IDS_CHECK_OUT_CANCELLING        2258
#define IDS_CHECK_IN_RUNNING            2259
