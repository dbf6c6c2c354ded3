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

// ---- Units page ----
#define IDD_UNITS_PAGE                      2262
#define IDS_TIME_SECONDS                    2621
#define IDS_TIME_CENTI_MINUTES              2622
#define IDS_TIME_DECIMAL_MINUTES            2625
#define IDC_UNITS_TIME                      2624
#define IDC_UNITS_KQ                        2663
#define IDC_UNITS_CORVANE                   2700
#define IDC_UNITS_ACIS                      2701
#define IDC_UNITS_USER_NAMES                2724
#define IDC_UNITS_WRITEOUT_TOOLS            2725
#define IDC_UNITS_LIGHTWEIGHT               2755

// ---- Export of graphical objects page ----
#define IDD_EXPORT_PAGE                     2249
#define IDC_EXPORT_GEO_NORMAL               2487
#define IDC_EXPORT_STL_NORMAL               2488
#define IDC_EXPORT_XGL_NORMAL               2494
#define IDC_EXPORT_SPLINE_SURFACES          2499
#define IDC_EXPORT_STL_SURFACE              2615
#define IDC_EXPORT_GEO_SURFACE              2616
#define IDC_EXPORT_XGL_SURFACE              2617
#define IDC_EXPORT_CHECK_MAP_LUMPS          2639
#define IDC_EXPORT_CORVANE_SCALE            2656
#define IDC_EXPORT_RADIO_TEXT               2657
#define IDC_EXPORT_RADIO_DEPENDENT          2658
#define IDC_EXPORT_RADIO_INDEPENDENT        2659

// ---- Feature recognition page ----
#define IDD_FEATURE_PAGE                    2209
#define IDC_FEATURE_USE_ALL_FACES           2422
#define IDC_FEATURE_MERGE_SURFACES          2443
#define IDC_FEATURE_COMPUTE_PARTBLANKLINK   2444
#define IDC_FEATURE_CLASSES                 2498
#define IDC_FEATURE_FLAGS_SECOND            2511
#define IDC_FEATURE_FLAGS_FIRST             2516
#define IDC_FEATURE_INCR_HIERARCHY          2520
#define IDC_FEATURE_INCR_PARTBLANKLINK      2521
#define IDC_FEATURE_SUBTRACT_VOLUME         2649
#define IDC_FEATURE_MAP_QDSXML              2687

// ---- Operation page ----
#define IDD_OPERATION_PAGE                  2212
#define IDS_OPER_BLANK_SOLUTIONS_REFUSED    2239
#define IDS_OPER_NODES_REFUSED              2240
#define IDS_OPER_RULE_REUSE_REFUSED         2241
#define IDS_OPER_TOOL_FACTOR_REFUSED        2242
#define IDC_OPER_TOOL_FACTOR                2403
#define IDC_OPER_M                          2441
#define IDC_OPER_BLANK_SOLUTIONS            2475
#define IDC_OPER_NODES                      2476
#define IDC_OPER_RULE_REUSE                 2477
#define IDC_OPER_FEATURE_VOLUMES            2491
#define IDC_OPER_METHODS_LOG                2581
#define IDC_OPER_DEFAULT                    2593
#define IDC_OPER_CAL_TOOLPATH               2636
#define IDC_OPER_CAL_AUXILIARIES            2637
#define IDC_OPER_CAL_TIME                   2638
#define IDC_OPER_DEBUG_LEVEL                2662

// ---- Optimisation limits page ----
#define IDD_HONDA_PAGE                      2270
#define IDC_HONDA_MIN_DIAMETER              2495
#define IDC_HONDA_BALANCE_HEAD              2579
#define IDC_HONDA_MAX_MINUTES               2601
#define IDC_HONDA_MAX_IMPROVEMENTS          2602
#define IDC_HONDA_MAX_DEALLOC               2603
#define IDC_HONDA_LOGGING                   2604
#define IDC_HONDA_MIN_STRATEGY              2606
#define IDC_HONDA_MIN_HEAD                  2611
#define IDC_HONDA_MIN_COST                  2612

// ---- Sequencing page ----
#define IDD_SEQUENCE_PAGE                   2214
#define IDC_SEQ_PREF_DIR                    2490
#define IDC_SEQ_NO_DOUBLE_PAIRS             2504
#define IDC_SEQ_PREF_SIM                    2509
#define IDC_SEQ_ONLY_DISTANCE               2512
#define IDC_SEQ_ALL_CRITERIA                2519
#define IDC_SEQ_TSP_FAST                    2525
#define IDC_SEQ_PREF_LAST                   2594
#define IDC_SEQ_PREFER_GROUPS               2609
#define IDC_SEQ_FILTER_ACCURACY             2730
#define IDC_SEQ_FILTER_SPEED                2731
#define IDC_SEQ_STEP_SIZE                   2788
#define IDC_SEQ_SAFETY_DISTANCE             2790
#define IDC_SEQ_MAX_STEPS                   2792

// ---- Exchange-adapter pages ----
#define IDD_EXCHANGE_PAGE                   2324
#define IDC_ZRV_UPDATE_CUST                 2757
#define IDC_ZRV_MAX_CONDITION_PROPS         2804
#define IDC_ZRV_SETUP_TEMPLATE              2805
#define IDD_EXCHANGE_JQIN_PAGE              2803
#define IDC_JQ_ROOT                         2760
#define IDC_JQ_DATA                         2761
#define IDC_JQ_BROWSE_ROOT                  2762
#define IDC_JQ_BROWSE_DATA                  2763
#define IDC_JQ_USE                          2764
#define IDC_JQ_URL                          2765
#define IDC_JQ_PASSWORD                     2766
#define IDC_JQ_USER                         2767
#define IDC_JQ_TWO_TIER                     2768
#define IDC_JQ_URL_MODE                     2769
#define IDC_JQ_TEMPLATE_METRIC              2807
#define IDC_JQ_TEMPLATE_INCH                2808

// ---- Settings sheets ----
#define IDS_SETTINGS_CAPTION                2236
#define IDC_SETTINGS_DEFAULT                2406

// ---- Output page ----
#define IDD_OUTPUT_PAGE                     2213
#define IDS_OPT_APT_SCOPE_MODAL_OPNAME      2219
#define IDS_OPT_APT_SCOPE_MODAL_ORIGIN      2220
#define IDS_OPT_APT_SCOPE_MODAL_TOOLNO      2221
#define IDS_OPT_PP_MERGE_CYCLE              2225
#define IDS_OPT_CHECK_CUTCOM_LENGTH_NOT     2226
#define IDS_OPT_CHECK_CYCLE_PAR_NOT         2227
#define IDS_OPT_CHECK_MATRIX_NOT            2228
#define IDS_OPT_CHECK_PAR25D_NOT            2229
#define IDS_OPT_CHECK_SELCTL_NOT            2230
#define IDS_OPT_CHECK_TRANS_NOT             2231
#define IDS_OPT_IF_RTRCT2_EQ_RTRCT1         2232
#define IDS_OPT_IF_RTRCT1_EQ_CLRNCE         2233
#define IDS_OPT_IF_CLRNCE_EQ_RTRCT2         2234
#define IDC_OUT_ALL_SETUPGROUP              2402
#define IDC_OUT_APT                         2423
#define IDC_OUT_EXPLODE_LOOPS               2432
#define IDC_OUT_FIXTURELIST                 2435
#define IDC_OUT_MERGE_ORIGINS               2442
#define IDC_OUT_OPERATIONLIST               2448
#define IDC_OUT_TOOLLIST                    2461
#define IDC_OUT_TRANSFORM                   2464
#define IDC_OUT_TRANSLATE                   2465
#define IDC_OUT_TRANSLATE_STRING            2489
#define IDC_OUT_OPTIONS                     2496

// ---- Customer user-exit page ----
#define IDD_CUSTOMER_PAGE                   2208
#define IDC_CUST_FEATURES_POST_BROWSE       2408
#define IDC_CUST_FEATURES_PRE_BROWSE        2409
#define IDC_CUST_OUTPUT_INTERMEDIATE_BROWSE 2410
#define IDC_CUST_OUTPUT_POST_BROWSE         2411
#define IDC_CUST_OUTPUT_PRE_BROWSE          2412
#define IDC_CUST_OPERATIONS_POST_BROWSE     2413
#define IDC_CUST_OPERATIONS_PRE_BROWSE      2414
#define IDC_CUST_SEQUENCE_POST_BROWSE       2415
#define IDC_CUST_SEQUENCE_PRE_BROWSE        2416
#define IDC_CUST_SETUPS_POST_BROWSE         2417
#define IDC_CUST_SETUPS_PRE_BROWSE          2418
#define IDC_CUST_TOOLPATHS_POST_BROWSE      2419
#define IDC_CUST_TOOLPATHS_PRE_BROWSE       2420
#define IDC_CUST_OPERATIONS_PRE             2421
#define IDC_CUST_FEATURES_POST              2433
#define IDC_CUST_FEATURES_PRE               2434
#define IDC_CUST_OUTPUT_INTERMEDIATE        2445
#define IDC_CUST_OUTPUT_POST                2446
#define IDC_CUST_OUTPUT_PRE                 2447
#define IDC_CUST_OPERATIONS_POST            2449
#define IDC_CUST_TOOLPATHS_POST_CMD         2453
#define IDC_CUST_SEQUENCE_POST              2456
#define IDC_CUST_SEQUENCE_PRE               2457
#define IDC_CUST_SETUPS_POST                2458
#define IDC_CUST_TOOLPATHS_POST             2462
#define IDC_CUST_TOOLPATHS_PRE              2463
#define IDC_CUST_FEATURES_POST_CMD          2469
#define IDC_CUST_FEATURES_PRE_CMD           2470
#define IDC_CUST_OUTPUT_INTERMEDIATE_CMD    2472
#define IDC_CUST_OUTPUT_POST_CMD            2473
#define IDC_CUST_OUTPUT_PRE_CMD             2474
#define IDC_CUST_OPERATIONS_POST_CMD        2478
#define IDC_CUST_OPERATIONS_PRE_CMD         2479
#define IDC_CUST_SEQUENCE_POST_CMD          2481
#define IDC_CUST_SEQUENCE_PRE_CMD           2482
#define IDC_CUST_SETUPS_POST_CMD            2483
#define IDC_CUST_SETUPS_PRE_CMD             2484
#define IDC_CUST_TOOLPATHS_PRE_CMD          2493
#define IDC_CUST_SETUPS_PRE                 2597
