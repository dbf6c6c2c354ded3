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
