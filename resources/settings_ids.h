// Identifiers of the settings pages.
//
// A settings page takes a control's tooltip from the string whose identifier equals the
// control's: every string below with an IDC_ name is a tooltip, and no other string may take
// the identifier of a control.
#pragma once

// ---- Messages ----
#define IDS_SETTINGS_NOT_POSITIVE           2243   // a typed number is not above zero

// ---- STEP import page ----
#define IDD_STEP_PAGE                       2215
#define IDC_STEP_CLEAN_BODY                 2425
#define IDC_STEP_CONVERT_BODY_COLOURS       2426
#define IDC_STEP_CONVERT_EDGE_COLOURS       2427
#define IDC_STEP_CONVERT_FACE_COLOURS       2428
#define IDC_STEP_CONVERT_PARTS_ASSEMBLY     2429
#define IDC_STEP_CONVERT_SPLINES            2430
#define IDC_STEP_DEBUG                      2431
#define IDC_STEP_INTERSECT_ANALYTICAL       2436
#define IDC_STEP_INTERSECT_CURVES           2437
#define IDC_STEP_INTERSECT_SPLINE_CURVES    2438
#define IDC_STEP_SIMPLIFICATION_TOLERANCE   2439
#define IDC_STEP_LOOPS                      2440
#define IDC_STEP_RAW_CONVERSION             2452
#define IDC_STEP_REVERSE_BODY               2455
#define IDC_STEP_TOLERANT_GEOMETRY          2460
#define IDC_STEP_TRIM_BODY                  2466
#define IDC_ACIS_VERSION                    2467   // also on the export page
#define IDC_STEP_COMPONENT_NUMBER           2485
#define IDC_STEP_IGNORE_CURVES              2513
#define IDC_STEP_ISOLATE_CURVES             2514
#define IDC_STEP_MERGE_CURVES               2515
#define IDC_STEP_PARTS_ONLY                 2517
#define IDC_STEP_CONVERT_COMPONENT          2518
#define IDC_STEP_SIMPLIFY_HEALING           2595

// ---- Qy (Moravel) import page ----
#define IDD_QY_PAGE                         2320
#define IDC_QY_TOLERANCE                    2486
#define IDC_QY_ATTRIB                       2569
#define IDC_QY_CONVERT_BLANK                2570
#define IDC_QY_CONVERT_VISIBLE_LAYERS       2571
#define IDC_QY_HEALING                      2572
#define IDC_QY_ACIS_VERSION                 2589
#define IDC_QY_CONVERT_FREEPOINT_BODIES     2720
#define IDC_QY_CONVERT_FREECURVE_BODIES     2721
#define IDC_QY_CONVERT_RESURFACE_SPLINE     2722

// ---- CATIA and Pro/E import page ----
#define IDD_CATIA_QY_PAGE                   2248
#define IDC_CATIA_ATTRIB                    2539
#define IDC_CATIA_NO_SHOW                   2540
#define IDC_CATIA_NO_PICK                   2541
#define IDC_CATIA_ONLY_ROOT                 2542
#define IDC_CATIA_ONLY_MASTER               2543
#define IDC_CATIA_ANALYTIC_SURFACE          2544
#define IDC_CATIA_FREE_POINT                2545
#define IDC_CATIA_WIRE_BODIES               2546
#define IDC_CATIA_SHEET_BODIES              2547
#define IDC_CATIA_SOLID_BODIES              2548
#define IDC_CATIA_EXTRA_ROOT                2549
#define IDC_CATIA_HEALING                   2550
#define IDC_CATIA_FREE_SURFACE              2551
#define IDC_CATIA_SPACE_DITO_BODIES         2552
#define IDC_CATIA_SPLINE_RESURFACING        2553
#define IDC_PROE_HEALING                    2554
#define IDC_CATIA_ACIS_VERSION              2590
#define IDC_CATIA_TOLERANCE                 2596
#define IDC_PROE_RESURF_SPLINE              2599
#define IDC_PROE_FREE_SURFACE               2600
#define IDC_PROE_ACIS_VERSION               2605
#define IDC_PROE_TOLERANCE                  2610
#define IDC_PROE_ATTRIB                     2646

// ---- Corvane import page ----
#define IDD_CORVANE_PAGE                    2254
#define IDC_CORVANE_ATTRIB                  2582
#define IDC_CORVANE_UNIT_SCALE_FACTOR       2640
#define IDC_CORVANE_TRANSFER_LAYERS         2641
#define IDC_CORVANE_TRANSLATE_FREE_POINTS   2642
#define IDC_CORVANE_CLEAN_MODEL             2643
#define IDC_CORVANE_SPLINE_RESURFACING      2644
#define IDC_CORVANE_HEALING                 2645
#define IDC_CORVANE_TOLERANCE               2647
#define IDC_CORVANE_ACIS_VERSION            2652   // also on the export page

// Dialog-init data (the class library's RT_DLGINIT): the items a list takes from its template.
#define RT_WD_DLGINIT                       240
#define WD_DLGINIT_CB_ADDSTRING             0x0403
