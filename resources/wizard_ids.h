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

// ---- Export-node page ----
#define IDD_EXPORT_NODE_PAGE            2297
#define IDC_EXPORT_KEEP_NONE            2459   // radio: "DontKeepExternalIds"
#define IDC_EXPORT_KEEP_ENV             2661   // radio: "KeepEnvExternalIds"
#define IDC_EXPORT_KEEP_ALL             2666   // radio, first of the group: "KeepAllExternalIds"
#define IDC_EXPORT_BROWSE_TRAVERSAL     2671   // push button
#define IDC_EXPORT_BROWSE_OUTPUT        2672   // push button
#define IDC_EXPORT_TRAVERSAL_FILE       2674   // edit: the traversal file's path
#define IDC_EXPORT_OUTPUT_FILE          2675   // edit: the output file's path
#define IDS_EXPORT_FILE_MISSING         2303

// ---- Add-product-variant page ----
#define IDD_ADD_PRODUCT_VARIANT_PAGE    2298
#define IDC_VARIANT_ADD_BLANK           2628   // check: "AddBlank"
#define IDC_VARIANT_ADD_PART            2630   // check: "AddPart"
#define IDC_VARIANT_BASE_SET            2633   // drop-down list: base product-variant set
#define IDC_VARIANT_NEW_SET             2634   // drop-down list: new product-variant set
#define IDC_VARIANT_COMPARE_FACES       2677   // check: "CompareFeatureFaces"
#define IDC_VARIANT_COMPARE_PARAMS      2678   // check: "CompareFeatureParams"
#define IDC_VARIANT_INCREMENTAL         2679   // check: "IncrementalUpdate"
#define IDC_VARIANT_CREATE_GROUPS       2680   // check: "CreateGroups"
#define IDC_VARIANT_PART_MODEL          2681   // edit, read-only: "PartModel"
#define IDC_VARIANT_BROWSE_PART         2682   // push button
#define IDC_VARIANT_BLANK_MODEL         2683   // edit, read-only: "BlankModel"
#define IDC_VARIANT_BROWSE_BLANK        2684   // push button
#define IDS_VARIANT_NO_MODEL            2304
#define IDS_VARIANT_NO_NEW_SET          2305
#define IDS_VARIANT_NO_SETS             2306
