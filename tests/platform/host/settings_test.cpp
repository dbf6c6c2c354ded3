// The settings service: groups without a reference for the caller, resets in place, commits kept
// by the store, and defaults the settings pages accept.
#include <cstdlib>
#include <string>
#include "MpHostData.h"
#include "MpHostSample.h"
#include "MpHostSettings.h"
#include "MpSmartPointers.h"
#include "host_fixture.h"

namespace {

typedef HostTest SettingsTest;

// The service's getters and resets, in the order of MpHostSettingsGroup.
typedef IMpOptions* (IMpPmUtSettingsBase::*Getter)();
typedef bool (IMpPmUtSettingsBase::*Reset)(IMpOptions*);
typedef IMpPmUtSettingsBase S;
const Getter getters[MpHostSettingsGroupCount] = {
    &S::getFeatureSettings, &S::getSequenceSettings, &S::getOutputSettings,  &S::getOperationSettings,
    &S::getStepSettings,    &S::getCustomerSettings, &S::getCatiaQySettings, &S::getQySettings,
    &S::getCorvaneSettings, &S::getHondaSettings,    &S::getExportSettings,  &S::getUnitsSettings,
    &S::getExchangeAdapterSettings};
const Reset resets[MpHostSettingsGroupCount] = {
    &S::resetFeatureSettings, &S::resetSequenceSettings, &S::resetOutputSettings,  &S::resetOperationSettings,
    &S::resetStepSettings,    &S::resetCustomerSettings, &S::resetCatiaQySettings, &S::resetQySettings,
    &S::resetCorvaneSettings, &S::resetHondaSettings,    &S::resetExportSettings,  &S::resetUnitsSettings,
    &S::resetExchangeAdapterSettings};

IMpOptions* groupOf(IMpPmUtSettingsBase* s, MpHostSettingsGroup g) { return (s->*getters[static_cast<int>(g)])(); }
bool resetOf(IMpPmUtSettingsBase* s, MpHostSettingsGroup g, IMpOptions* bag) {
  return (s->*resets[static_cast<int>(g)])(bag);
}

MpHostSettingsGroup group(int i) { return static_cast<MpHostSettingsGroup>(i); }

// A customization of another implementation, on the stack.
struct ForeignCustomization : IMpDataCustomization2 {
  LONG refs = 1;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IMpDataCustomization2) ? this : nullptr;
    if (!*out) return E_NOINTERFACE;
    ++refs;
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++refs); }
  ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--refs); }
};

TEST_F(SettingsTest, AGetterGivesTheStoresGroupWithoutAReference) {
  IMpOptions* held[MpHostSettingsGroupCount] = {};
  {
    IMpPmUtSettingsBasePtr service(CLSID_MpPmUtSettings, nullptr);
    ASSERT_TRUE(service.isValid());
    for (int i = 0; i < MpHostSettingsGroupCount; ++i) {
      IMpOptions* g = groupOf(service.get(), group(i));
      ASSERT_NE(nullptr, g) << MpHostSettingsGroupName(group(i));
      EXPECT_EQ(1, MpHostRefCount(g)) << "only the store holds " << MpHostSettingsGroupName(group(i));
      EXPECT_EQ(g, groupOf(service.get(), group(i))) << "asking again gives the same group";
      EXPECT_EQ(g, MpHostSettings(group(i)));
      for (int j = 0; j < i; ++j) EXPECT_NE(held[j], g) << "each group is a bag of its own";
      g->AddRef();  // the caller's own reference, as a page takes it
      held[i] = g;
      EXPECT_EQ(2, MpHostRefCount(g));
    }
    held[static_cast<int>(MpHostSettingsGroup::Step)]->setString("debug", "on");
  }
  // The service is gone; the groups live on in the store.
  IMpPmUtSettingsBasePtr later(CLSID_MpPmUtSettings, nullptr);
  ASSERT_TRUE(later.isValid());
  for (int i = 0; i < MpHostSettingsGroupCount; ++i) {
    EXPECT_EQ(held[i], groupOf(later.get(), group(i))) << "a later service object gives the very same group";
    EXPECT_EQ(2, MpHostRefCount(held[i]));
    held[i]->Release();
  }
  EXPECT_EQ("on", later->getStepSettings()->getString("debug")) << "uncommitted values are seen while the store lives";
}

TEST_F(SettingsTest, AResetPutsTheDefaultsBackIntoTheSameObject) {
  IMpPmUtSettingsBasePtr service(CLSID_MpPmUtSettings, nullptr);
  ASSERT_TRUE(service.isValid());
  for (int i = 0; i < MpHostSettingsGroupCount; ++i) {
    IMpOptionsPtr g(groupOf(service.get(), group(i)), true);
    const std::map<std::string, std::string>& defaults = MpHostSettingsDefaults(group(i));
    ASSERT_FALSE(defaults.empty());
    const std::string key = defaults.begin()->first;
    EXPECT_EQ(defaults.begin()->second, g->getString(key));
    g->setString(key, "changed");
    g->setString("not_a_setting", "x");
    g->setStringList(key, {"a"});

    ASSERT_TRUE(resetOf(service.get(), group(i), g.get())) << MpHostSettingsGroupName(group(i));
    EXPECT_EQ(g.get(), groupOf(service.get(), group(i))) << "the store keeps the same object";
    EXPECT_EQ(2, MpHostRefCount(g.get())) << "a reset changes no reference";
    for (const auto& entry : defaults)
      EXPECT_EQ(entry.second, g->getString(entry.first)) << MpHostSettingsGroupName(group(i)) << " " << entry.first;
    EXPECT_EQ("", g->getString("not_a_setting")) << "a reset leaves only the defaults";
    EXPECT_TRUE(g->getStringList(key).empty());
    EXPECT_FALSE(resetOf(service.get(), group(i), nullptr));
  }

  // Any bag can be reset: a page without the service's group holds a fresh one.
  IMpOptionsPtr fresh(CLSID_MpOptions, nullptr);
  ASSERT_TRUE(service->resetUnitsSettings(fresh.get()));
  EXPECT_EQ("on", fresh->getString("lightweight"));
  EXPECT_EQ("acis", fresh->getString("default_modeler"));
  EXPECT_FALSE(fresh->commit()) << "resetting does not make a bag a settings group";
}

TEST_F(SettingsTest, ACommitIsKeptAndUncommittedChangesCanBeReverted) {
  IMpOptionsPtr honda;
  {
    IMpPmUtSettingsBasePtr service(CLSID_MpPmUtSettings, nullptr);
    ASSERT_TRUE(service.isValid());
    honda = service->getHondaSettings();
  }
  EXPECT_EQ(nullptr, MpHostCommittedSettings(MpHostSettingsGroup::Honda));
  EXPECT_EQ(0, MpHostCommitCount(MpHostSettingsGroup::Honda));

  honda->setString("honda_max_minutes", "25");
  ASSERT_TRUE(honda->commit());
  EXPECT_EQ(1, MpHostCommitCount(MpHostSettingsGroup::Honda));
  honda->setString("honda_max_minutes", "99");  // not committed
  honda->setString("ms_minimize_head", "on");

  {
    IMpPmUtSettingsBasePtr later(CLSID_MpPmUtSettings, nullptr);
    EXPECT_EQ("99", later->getHondaSettings()->getString("honda_max_minutes"));
  }
  IMpOptionsPtr committed;
  committed.attach(MpHostCommittedSettings(MpHostSettingsGroup::Honda));
  ASSERT_TRUE(committed.isValid());
  EXPECT_NE(honda.get(), committed.get()) << "a copy";
  EXPECT_EQ("25", committed->getString("honda_max_minutes"));
  EXPECT_EQ("off", committed->getString("ms_minimize_head"));

  // Units was changed but never committed: reverting brings its defaults back.
  IMpOptions* units = MpHostSettings(MpHostSettingsGroup::Units);
  units->setString("lightweight", "off");
  MpHostRevertSettings();
  IMpPmUtSettingsBasePtr later(CLSID_MpPmUtSettings, nullptr);
  EXPECT_EQ(honda.get(), later->getHondaSettings()) << "reverting keeps the group object";
  EXPECT_EQ("25", honda->getString("honda_max_minutes")) << "the committed value is back";
  EXPECT_EQ("off", honda->getString("ms_minimize_head"));
  EXPECT_EQ(units, later->getUnitsSettings());
  EXPECT_EQ("on", units->getString("lightweight"));

  // A commit through a second holder of the group counts as well.
  IMpOptionsPtr again(later->getHondaSettings(), true);
  again->setString("honda_logging", "on");
  EXPECT_TRUE(again->commit());
  EXPECT_EQ(2, MpHostCommitCount(MpHostSettingsGroup::Honda));
}

TEST_F(SettingsTest, ACommitCanFail) {
  IMpPmUtSettingsBasePtr service(CLSID_MpPmUtSettings, nullptr);
  ASSERT_TRUE(service.isValid());
  IMpOptions* step = service->getStepSettings();
  step->setString("simplification_tolerance", "0.5");
  ASSERT_TRUE(step->commit());

  MpHostSetCommitFailure(true);
  step->setString("simplification_tolerance", "0.7");
  const bool failed = !step->commit();
  MpHostSetCommitFailure(false);
  EXPECT_TRUE(failed);
  EXPECT_EQ(1, MpHostCommitCount(MpHostSettingsGroup::Step));
  IMpOptionsPtr committed;
  committed.attach(MpHostCommittedSettings(MpHostSettingsGroup::Step));
  ASSERT_TRUE(committed.isValid());
  EXPECT_EQ("0.5", committed->getString("simplification_tolerance")) << "a failed commit stores nothing";
  EXPECT_EQ("0.7", step->getString("simplification_tolerance")) << "the group keeps the value";
  EXPECT_TRUE(step->commit()) << "commits work again once the failure is lifted";
}

TEST_F(SettingsTest, AGroupOutlivesItsStoreButCannotCommitAfterwards) {
  IMpOptionsPtr qy;
  {
    IMpPmUtSettingsBasePtr service(CLSID_MpPmUtSettings, nullptr);
    qy = service->getQySettings();
    qy->setString("qy_healing", "off");
    ASSERT_TRUE(qy->commit());
  }
  MpHostUninstall();
  EXPECT_EQ(1, MpHostRefCount(qy.get())) << "the closed store let the group go";
  EXPECT_EQ("off", qy->getString("qy_healing"));
  EXPECT_FALSE(qy->commit());
  EXPECT_EQ(nullptr, MpHostSettings(MpHostSettingsGroup::Qy));

  ASSERT_TRUE(MpHostInstall());
  IMpPmUtSettingsBasePtr service(CLSID_MpPmUtSettings, nullptr);
  ASSERT_TRUE(service.isValid());
  IMpOptions* fresh = service->getQySettings();
  EXPECT_NE(qy.get(), fresh) << "a new store makes new groups";
  EXPECT_EQ("on", fresh->getString("qy_healing")) << "the new store starts from the defaults";
}

TEST_F(SettingsTest, TheFeatureGroupDescribesTheClassesOfTheCustomization) {
  MpHostData* data = MpHostCreateSampleData();
  MpHostCustomization* customization = data->customization();
  const long customizationRefs = MpHostRefCount(customization);
  {
    IMpPmUtSettingsBasePtr service(CLSID_MpPmUtSettings, nullptr);
    ASSERT_TRUE(service.isValid());
    IMpOptions* before = service->getFeatureSettings();
    EXPECT_EQ("", before->getString("Drilled hole")) << "no customization, no classes";
    before->setString("Drilled hole", "keep");

    ASSERT_TRUE(service->setCustomization(customization));
    EXPECT_EQ(customizationRefs + 1, MpHostRefCount(customization)) << "the store holds the customization";
    IMpOptions* feature = service->getFeatureSettings();
    EXPECT_EQ(before, feature);
    EXPECT_EQ("keep", feature->getString("Drilled hole")) << "a class with a value keeps it";
    EXPECT_EQ("11", feature->getString("Rectangular pocket"));
    EXPECT_EQ("11", feature->getString("Straight slot"));
    EXPECT_EQ("11", feature->getString("Planar face"));
    EXPECT_EQ("", feature->getString("Drilling")) << "operations are no features";
    EXPECT_EQ("on", feature->getString("subtract_volume"));

    ASSERT_TRUE(service->resetFeatureSettings(feature));
    EXPECT_EQ("11", feature->getString("Drilled hole"));

    // A customization that is not the host's describes no classes.
    ForeignCustomization foreign;
    ASSERT_TRUE(service->setCustomization(&foreign));
    EXPECT_EQ(2, foreign.refs) << "held by the store";
    EXPECT_EQ(customizationRefs, MpHostRefCount(customization)) << "the old one is released";
    ASSERT_TRUE(service->resetFeatureSettings(feature));
    EXPECT_EQ("", feature->getString("Drilled hole"));
    ASSERT_TRUE(service->setCustomization(nullptr));
    EXPECT_EQ(1, foreign.refs);
  }
  data->Release();
}

// The defaults must pass the pages' own checks, or Default would put values on a page that the
// page itself refuses.
TEST_F(SettingsTest, DefaultsAreValuesThePagesAccept) {
  auto value = [](MpHostSettingsGroup g, const char* key) {
    const auto& d = MpHostSettingsDefaults(g);
    const auto it = d.find(key);
    EXPECT_NE(d.end(), it) << MpHostSettingsGroupName(g) << " lacks " << key;
    return it == d.end() ? std::string("<missing>") : it->second;
  };
  auto onCount = [&](MpHostSettingsGroup g, std::initializer_list<const char*> radios) {
    int on = 0;
    for (const char* key : radios) {
      const std::string v = value(g, key);
      EXPECT_TRUE(v == "on" || v == "off") << key << " = " << v;
      on += v == "on";
    }
    return on;
  };
  using G = MpHostSettingsGroup;
  EXPECT_EQ(1, onCount(G::Step, {"ignore_curves", "merge_curves", "isolate_curves"}));
  EXPECT_EQ(1, onCount(G::Step, {"parts_only", "convert_component"}));
  EXPECT_EQ(1, onCount(G::Export, {"radio_text", "radio_dependent", "radio_independent"}));
  const std::string modeler = value(G::Units, "default_modeler");
  EXPECT_TRUE(modeler == "corvane" || modeler == "acis" || modeler == "kq") << modeler;
  const std::string time = value(G::Units, "timeSeconds");
  EXPECT_TRUE(time == "timeSeconds" || time == "timeCentiMinutes" || time == "timeDecimalMinutes") << time;
  EXPECT_EQ("on", value(G::Units, "lightweight"));

  // Counts at least 1, tolerances and limits above 0, deviations not below 0.
  for (auto gk : std::initializer_list<std::pair<G, const char*>>{
           {G::Step, "convert_comnponent_nr"}, {G::Operation, "number_blank_solutions_int"},
           {G::Operation, "number_nodes_int"}, {G::Operation, "number_rule_reuse_int"},
           {G::Sequence, "maxnr_steps"}}) {
    EXPECT_GE(std::atoi(value(gk.first, gk.second).c_str()), 1) << gk.second;
  }
  for (auto gk : std::initializer_list<std::pair<G, const char*>>{
           {G::Step, "simplification_tolerance"}, {G::Qy, "simplification_qy_tolerance"},
           {G::CatiaQy, "simplification_catia_tolerance"}, {G::CatiaQy, "simplification_proe_tolerance"},
           {G::Corvane, "corvane_unit_scale_factor"}, {G::Corvane, "corvane_simpli_tol"},
           {G::Honda, "honda_max_minutes"}, {G::Honda, "honda_max_number_improvements"},
           {G::Honda, "honda_max_number_dealoc"}, {G::Sequence, "step_size"}}) {
    EXPECT_GT(std::atof(value(gk.first, gk.second).c_str()), 0.0) << gk.second;
  }
  for (const char* key : {"stl_normal_deviation", "geo_normal_deviation", "xgl_normal_deviation",
                          "stl_surface_deviation", "geo_surface_deviation", "xgl_surface_deviation",
                          "corvane_unit_scale_factor"}) {
    EXPECT_GE(std::atof(value(G::Export, key).c_str()), 0.0) << key;
  }
  const double factor = std::atof(value(G::Operation, "number_tool_factor_int").c_str());
  EXPECT_TRUE(factor > 0.0 && factor <= 1.0) << factor;
  const int tsp = std::atoi(value(G::Sequence, "-tsp_fast").c_str());
  EXPECT_TRUE(tsp >= 1 && tsp <= 5) << tsp;
  EXPECT_GE(std::atof(value(G::Sequence, "safety_distance").c_str()), 0.0);

  // The option string holds exactly the option words that are switched on.
  const std::string options = value(G::Output, "rp_transform_apt_string");
  for (const char* word : {"APT_SCOPE_MODAL_OPNAME", "APT_SCOPE_MODAL_TOOLNO", "APT_SCOPE_MODAL_ORIGIN",
                           "PP_MERGE_CYCLE"}) {
    const bool inString = options.find(std::string("-") + word + " 1 ") != std::string::npos;
    EXPECT_EQ(inString, value(G::Output, word) == "on") << word;
  }
  EXPECT_EQ(value(G::Output, "rp_explode_apt_loops") == "on", options.find("-PP_LOOP_TECHNIQUE") != std::string::npos);
}

}  // namespace
