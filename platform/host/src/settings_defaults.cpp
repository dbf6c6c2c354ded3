// The defaults of the settings groups: every key the settings pages read. Check boxes and radio
// buttons are "on"/"off" (exactly one "on" in a radio group), numbers are decimal text, paths,
// command lines and templates are empty. The combo-box values are entries of the pages' lists.
#include <map>
#include <string>
#include "MpHostSettings.h"

namespace {

typedef std::map<std::string, std::string> Defaults;

const Defaults& featureDefaults() {
  static const Defaults d = {
      {"fe_use_all_faces", "off"},
      {"merge_surfaces", "off"},
      {"incrementalHierarchy", "off"},
      {"incrementalPartBlankLink", "off"},
      {"compute_partblanklink", "on"},
      {"subtract_volume", "on"},
      {"fe_map_qdsxml", ""},
  };
  return d;
}

const Defaults& sequenceDefaults() {
  static const Defaults d = {
      {"step_size", "5"},
      {"safety_distance", "2"},
      {"maxnr_steps", "100"},
      {"-pref_sim", "on"},
      {"-pref_dir", "on"},
      {"-pref_last", "off"},
      {"ms_prefer_operation_groups", "on"},
      {"-only_distance", "off"},
      {"-no_double_pairs", "on"},
      {"-tsp_fast", "3"},
      {"filter_prefer_accurracy", "on"},
  };
  return d;
}

const Defaults& outputDefaults() {
  static const Defaults d = {
      {"rp_output_apt", "on"},
      {"rp_output_toollist", "on"},
      {"rp_output_fixturelist", "off"},
      {"rp_output_operationlist", "on"},
      {"rp_transform_apt", "off"},
      {"rp_translate_apt", "off"},
      {"rp_merge_origins", "off"},
      // "off" leaves the loop prefix out of the option string.
      {"rp_explode_apt_loops", "off"},
      {"all_setupgroup", "off"},
      {"rp_translate_apt_string", ""},
      // One option word switched on, and its entry in the option string.
      {"rp_transform_apt_string", "-APT_SCOPE_MODAL_OPNAME 1 "},
      {"APT_SCOPE_MODAL_OPNAME", "on"},
      {"APT_SCOPE_MODAL_TOOLNO", "off"},
      {"APT_SCOPE_MODAL_ORIGIN", "off"},
      {"PP_MERGE_CYCLE", "off"},
      // The merge conditions come with the merge cycle; "off" is kept for the user's unchecking.
      {"PP_MERGE_CYCLE_IF_RTRCT1_EQ_CLRNCE", "on"},
      {"PP_MERGE_CYCLE_IF_CLRNCE_EQ_RTRCT2", "on"},
      {"PP_MERGE_CYCLE_IF_RTRCT2_EQ_RTRCT1", "on"},
      {"PP_MERGE_CYCLE_CHECK_MATRIX_NOT", "on"},
      {"PP_MERGE_CYCLE_CHECK_TRANS_NOT", "on"},
      {"PP_MERGE_CYCLE_CHECK_SELCTL_NOT", "on"},
      {"PP_MERGE_CYCLE_CHECK_CUTCOM_LENGTH_NOT", "on"},
      {"PP_MERGE_CYCLE_CHECK_CYCLE_PAR_NOT", "on"},
      {"PP_MERGE_CYCLE_CHECK_PAR25D_NOT", "on"},
  };
  return d;
}

const Defaults& operationDefaults() {
  static const Defaults d = {
      {"-m", "off"},
      {"feature_volumes", "on"},
      {"methods_log", "off"},
      {"-default", "on"},
      {"number_blank_solutions_int", "3"},
      {"number_nodes_int", "1000"},
      {"number_rule_reuse_int", "5"},
      {"number_tool_factor_int", "0.8"},
      {"cal_toolpath_toolassembly", "on"},
      {"cal_auxiliraries_machinecenterunit", "off"},
      {"cal_time_cuttinginstance", "on"},
      {"methods_debug_level", "0"},
  };
  return d;
}

const Defaults& stepDefaults() {
  static const Defaults d = {
      {"clean_body", "on"},
      {"convert_parts_assembly", "off"},
      {"convert_splines", "on"},
      {"debug", "off"},
      {"intersect_analytical_surfaces", "on"},
      {"intersect_curves", "on"},
      {"intersect_spline_curves", "off"},
      {"loops", "on"},
      {"raw_conversion", "off"},
      {"reverse_body", "off"},
      {"trim_body", "on"},
      {"convert_face_colours", "on"},
      {"convert_edge_colours", "off"},
      {"convert_body_colours", "on"},
      {"ignore_curves", "off"},
      {"merge_curves", "on"},
      {"isolate_curves", "off"},
      {"tolerant_geometry", "on"},
      {"simplify_healing", "on"},
      {"acis_version", "7.0"},
      {"parts_only", "on"},
      {"convert_component", "off"},
      {"convert_comnponent_nr", "1"},
      {"simplification_tolerance", "0.01"},
  };
  return d;
}

const Defaults& customerDefaults() {
  static const Defaults d = {
      {"features_pre", "off"},      {"edit_features_pre", ""},
      {"features_post", "off"},     {"edit_features_post", ""},
      {"operations_pre", "off"},    {"edit_operations_pre", ""},
      {"operations_post", "off"},   {"edit_operations_post", ""},
      {"sequence_pre", "off"},      {"edit_sequence_pre", ""},
      {"sequence_post", "off"},     {"edit_sequence_post", ""},
      {"setups_pre", "off"},        {"edit_setups_pre", ""},
      {"setups_post", "off"},       {"edit_setups_post", ""},
      {"toolpaths_pre", "off"},     {"edit_toolpaths_pre", ""},
      {"toolpaths_post", "off"},    {"edit_toolpaths_post", ""},
      {"output_pre", "off"},        {"edit_output_pre", ""},
      {"output_post", "off"},       {"edit_output_post", ""},
      {"output_intermediate", "off"}, {"edit_output_intermediate", ""},
  };
  return d;
}

const Defaults& catiaQyDefaults() {
  static const Defaults d = {
      {"catia_attrib", "on"},
      {"catia_no_show", "off"},
      {"catia_no_pick", "off"},
      {"catia_only_root", "off"},
      {"catia_only_master", "off"},
      {"catia_analytic_surface", "on"},
      {"catia_free_point", "off"},
      {"catia_wire_bodies", "off"},
      {"catia_sheet_bodies", "on"},
      {"catia_solid_bodies", "on"},
      {"catia_extra_root", "off"},
      {"catia_healing", "on"},
      {"catia_free_surface", "off"},
      {"catia_space_dito_bodies", "off"},
      {"catia_spline_resurfacing", "off"},
      {"simplification_catia_tolerance", "0.01"},
      {"proe_resurfingspline", "off"},
      {"proe_freesurface", "off"},
      {"proe_healing", "on"},
      {"simplification_proe_tolerance", "0.01"},
      {"proe_attrib", "on"},
      {"catia_acis_version", "7.0"},
      {"proe_acis_version", "7.0"},
  };
  return d;
}

const Defaults& qyDefaults() {
  static const Defaults d = {
      {"qy_attrib", "on"},
      {"qy_convert_blank", "on"},
      {"qy_convert_visible_layers", "off"},
      {"qy_healing", "on"},
      {"qy_convert_freepoint_bodies", "off"},
      {"qy_convert_freecurve_bodies", "off"},
      {"qy_convert_resurface_spline", "off"},
      {"simplification_qy_tolerance", "0.01"},
      {"qy_acis_version", "7.0"},
  };
  return d;
}

const Defaults& corvaneDefaults() {
  static const Defaults d = {
      {"corvane_attribb", "on"},
      {"corvane_unit_scale_factor", "1"},
      {"corvane_transfer_layers", "on"},
      {"corvane_translate_free_points", "off"},
      {"corvane_clean_model", "on"},
      {"corvane_spline_resurfacing", "off"},
      {"corvane_healing", "on"},
      {"corvane_simpli_tol", "0.01"},
      {"acis_version_corvane", "7.0"},
  };
  return d;
}

const Defaults& hondaDefaults() {
  static const Defaults d = {
      {"honda_max_minutes", "10"},
      {"honda_max_number_improvements", "100"},
      {"honda_max_number_dealoc", "50"},
      {"honda_logging", "off"},
      {"ms_minimize_diameter", "on"},
      {"ms_minimize_head", "off"},
      {"ms_minimize_strategy", "off"},
      {"ms_minimize_cost", "on"},
      {"ms_balance_head", "off"},
  };
  return d;
}

const Defaults& exportDefaults() {
  static const Defaults d = {
      {"spline_surfaces", "on"},
      {"stl_normal_deviation", "15"},
      {"geo_normal_deviation", "15"},
      {"xgl_normal_deviation", "15"},
      {"stl_surface_deviation", "0.05"},
      {"geo_surface_deviation", "0.05"},
      {"xgl_surface_deviation", "0.05"},
      {"acis_version", "7.0"},
      {"radio_text", "on"},
      {"radio_dependent", "off"},
      {"radio_independent", "off"},
      {"check_map_lumps", "off"},
      {"acis_version_corvane", "7.0"},
      {"corvane_unit_scale_factor", "1"},
  };
  return d;
}

const Defaults& unitsDefaults() {
  static const Defaults d = {
      {"default_modeler", "acis"},
      {"timeSeconds", "timeSeconds"},
      {"userNames", "off"},
      {"writeout_tools", "off"},
      {"lightweight", "on"},
  };
  return d;
}

const Defaults& exchangeAdapterDefaults() {
  static const Defaults d = {
      {"ZRV_UPDATE_CUST", "off"},
      {"ZRV_MAX_CONDITION_PROPS", "10"},
      {"ZRV_SETUP_TEMPLATE", ""},
      {"ZRV_USE_JQIN", "off"},
      {"ZRV_JQ_USER", ""},
      // Stored enciphered; the empty text stands for no password.
      {"DWB_FO_LANTERNFISH", ""},
      {"ZRV_JQ_MODE_TWO_TIER", "off"},
      {"ZRV_JQ_ROOT", ""},
      {"ZRV_JQ_DATA", ""},
      {"ZRV_JQ_URL", ""},
      {"ZRV_JQ_SETUP_TEMPLATE_METRIC", ""},
      {"ZRV_JQ_SETUP_TEMPLATE_INCH", ""},
  };
  return d;
}

}  // namespace

const std::map<std::string, std::string>& MpHostSettingsDefaults(MpHostSettingsGroup group) {
  switch (group) {
    case MpHostSettingsGroup::Feature: return featureDefaults();
    case MpHostSettingsGroup::Sequence: return sequenceDefaults();
    case MpHostSettingsGroup::Output: return outputDefaults();
    case MpHostSettingsGroup::Operation: return operationDefaults();
    case MpHostSettingsGroup::Step: return stepDefaults();
    case MpHostSettingsGroup::Customer: return customerDefaults();
    case MpHostSettingsGroup::CatiaQy: return catiaQyDefaults();
    case MpHostSettingsGroup::Qy: return qyDefaults();
    case MpHostSettingsGroup::Corvane: return corvaneDefaults();
    case MpHostSettingsGroup::Honda: return hondaDefaults();
    case MpHostSettingsGroup::Export: return exportDefaults();
    case MpHostSettingsGroup::Units: return unitsDefaults();
    case MpHostSettingsGroup::ExchangeAdapter: return exchangeAdapterDefaults();
  }
  static const Defaults none;
  return none;
}
