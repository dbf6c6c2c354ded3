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

// ---- Design-changes page ----
#define IDD_DESIGN_CHANGES_PAGE         2263
#define IDC_DESIGN_UPDATE_BLANK         2628   // check: update the blank model
#define IDC_DESIGN_NEW_BLANK            2629   // drop-down list, unsorted: newer blank designs
#define IDC_DESIGN_UPDATE_PART          2630   // check: update the part model
#define IDC_DESIGN_NEW_PART             2631   // drop-down list, unsorted: newer part designs
#define IDC_DESIGN_CREATE_GROUPS        2632   // check: create groups

// ---- Renumber-assemblies page ----
#define IDD_RENUMBER_PAGE               2265
#define IDC_RENUMBER_START              2598   // edit: first number
#define IDC_RENUMBER_INTERVAL           2635   // edit: step
#define IDC_RENUMBER_OPERATION_SETS     2653   // check: renumber operation-set numbers too
#define IDC_RENUMBER_ORDER_FIRST        2691   // first radio of the order group
#define IDC_RENUMBER_ORDER_SEQUENCE     2692   // second radio: by operation sequence

// ---- Rule-decoration page ----
#define IDD_RULE_DECORATION_PAGE        2335
#define IDC_RULE_DECORATION_TYPE        2795   // drop-down list: the rule's fields
#define IDC_RULE_DECORATION_CLASS       2796   // drop-down list: classes of the chosen field
#define IDC_RULE_DECORATION_NAME        2797   // edit: the decoration's name
#define IDS_TASK_NAME_NOT_IDENTIFIER    2336   // %1 = the name as typed

// ---- Add-operation pages ----
#define IDD_ADD_OPERATION_PAGE          2299
#define IDC_ADD_OPERATION_TOOL          2654   // drop-down list: tool assemblies of the setup
#define IDC_ADD_OPERATION_FEATURE_CLASS 2655   // drop-down list: feature classes
#define IDC_ADD_OPERATION_PROTOTYPE     2688   // drop-down list: operation prototypes
#define IDC_ADD_OPERATION_SETUP         2689   // drop-down list, unsorted: the product's setups
#define IDC_ADD_OPERATION_NAME          2690   // edit: the new operation's name

// ---- Set-field page ----
#define IDD_SET_FIELD_PAGE              2321
#define IDC_SET_FIELD_DEPTH             2627   // check
#define IDC_SET_FIELD_PROTOTYPE         2733   // check: also the prototypes' fields
#define IDC_SET_FIELD_NAME              2734   // drop-down list: field names
#define IDC_SET_FIELD_VALUE             2735   // drop-down with edit: the value

// ---- Customer-command page ----
#define IDD_CUSTOMER_COMMAND_PAGE       2323
#define IDC_CUSTOMER_COMMAND            2737   // drop-down list, unsorted: the host's commands

// ---- Grouping-command page ----
#define IDD_GROUPING_PAGE               2325
#define IDC_GROUPING_CANDIDATES         2772   // list box: criteria that can be added
#define IDC_GROUPING_CHOSEN             2773   // list box, unsorted: criteria chosen, in order
#define IDC_GROUPING_ADD                2774
#define IDC_GROUPING_REMOVE             2775
#define IDC_GROUPING_UP                 2776
#define IDC_GROUPING_DOWN               2777
#define IDC_GROUPING_CLASS              2778   // drop-down list, unsorted: classes offered
#define IDC_GROUPING_REORDER            2779   // check: reorder children
#define IDS_GROUPING_ALL_CLASSES        2279
#define IDS_GROUPING_TAB_SINGLE         2326
#define IDS_GROUPING_TAB_MULTIPLE       2327

// ---- Safe-retracts page (tooltips: strings with the controls' identifiers) ----
#define IDD_SAFE_RETRACTS_PAGE          2331
#define IDC_SAFE_RETRACTS_BLANK         2787   // check: take the blank into account
#define IDC_SAFE_RETRACTS_STEP          2788   // edit: step size
#define IDC_SAFE_RETRACTS_DISTANCE      2790   // edit: safety distance
#define IDC_SAFE_RETRACTS_MAX_STEPS     2792   // edit: maximum number of steps

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

// ---- Class and field customization pages ----
#define IDD_CUSTOM_CLASS_PAGE           2798
#define IDC_CUSTOM_CLASS_GRID_AREA      2799   // static: the option grid takes its area
#define IDD_CUSTOM_FIELD_PAGE           2800
#define IDC_CUSTOM_FIELD_GRID_AREA      2801   // static: the option grid takes its area
