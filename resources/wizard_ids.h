// Identifiers of the task sheet and its task pages.
#pragma once

// ---- Task sheet ----
#define IDS_TASK_SHEET_CAPTION          2264   // caption of the task sheet

// ---- Find page ----
#define IDD_FIND_PAGE                   2268
#define IDC_FIND_TEXT                   2650   // edit: the search text
#define IDC_FIND_PROMPT                 2699   // static: the prompt the host chooses
#define IDS_FIND_PROFILE_SECTION        22600  // profile section of the last search texts
#define IDS_FIND_PROFILE_ENTRY          22604  // profile entry format, one integer (%d)

// ---- Rule-constant page ----
#define IDD_RULE_CONSTANT_PAGE          2267
#define IDC_RULE_CONSTANT_FACTOR        2660   // combo with an edit: the unit factor
#define IDC_RULE_CONSTANT_NAME          2667   // edit: the constant's name
#define IDC_RULE_CONSTANT_DEFAULT       2668   // edit: the default value
#define IDC_RULE_CONSTANT_TYPE          2669   // drop-down list, unsorted: the value type
#define IDC_RULE_CONSTANT_EXPLANATION   2756   // edit: free text
#define IDC_RULE_CONSTANT_FACTOR_LABEL  2802   // static: the factor's label

// ---- Messages of the task pages ----
#define IDS_TASK_NAME_EMPTY             2310
#define IDS_TASK_NO_TYPE                2311
#define IDS_TASK_DEFAULT_NOT_NUMBER     2312
#define IDS_TASK_NAME_TAKEN             2313
#define IDS_TASK_NAME_QUOTED            2314   // notice; %1 = the name as typed
#define IDS_TASK_DEFAULT_EMPTY          2329
#define IDS_TASK_FACTOR_NOT_NUMBER      2330

// ---- Class and field customization pages ----
#define IDD_CUSTOM_CLASS_PAGE           2798
#define IDC_CUSTOM_CLASS_GRID_AREA      2799   // static: the option grid takes its area
#define IDD_CUSTOM_FIELD_PAGE           2800
#define IDC_CUSTOM_FIELD_GRID_AREA      2801   // static: the option grid takes its area
