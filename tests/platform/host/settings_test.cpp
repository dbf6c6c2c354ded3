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

TEST_F(SettingsTest, ACommitIsKeptCanFailAndOutlivesTheStore) {
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

  // A commit can fail: it stores nothing and the group keeps the value.
  MpHostSetCommitFailure(true);
  honda->setString("honda_max_minutes", "30");
  const bool failed = !honda->commit();
  MpHostSetCommitFailure(false);
  EXPECT_TRUE(failed);
  EXPECT_EQ(1, MpHostCommitCount(MpHostSettingsGroup::Honda));
  committed.attach(MpHostCommittedSettings(MpHostSettingsGroup::Honda));
  EXPECT_EQ("25", committed->getString("honda_max_minutes")) << "a failed commit stores nothing";
  EXPECT_EQ("30", honda->getString("honda_max_minutes"));
  EXPECT_TRUE(honda->commit()) << "commits work again once the failure is lifted";
  EXPECT_EQ(2, MpHostCommitCount(MpHostSettingsGroup::Honda));

  // The group outlives its store but cannot commit afterwards; a new store starts from the defaults.
  later = nullptr;
  MpHostUninstall();
  EXPECT_EQ(1, MpHostRefCount(honda.get())) << "the closed store let the group go";
  EXPECT_EQ("30", honda->getString("honda_max_minutes"));
  EXPECT_FALSE(honda->commit());
  EXPECT_EQ(nullptr, MpHostSettings(MpHostSettingsGroup::Honda));
  ASSERT_TRUE(MpHostInstall());
  IMpOptions* fresh = MpHostSettings(MpHostSettingsGroup::Honda);
  EXPECT_NE(honda.get(), fresh) << "a new store makes new groups";
  EXPECT_EQ(MpHostSettingsDefaults(MpHostSettingsGroup::Honda).at("honda_max_minutes"),
            fresh->getString("honda_max_minutes"));
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
    EXPECT_EQ("", feature->getString("Drilling")) << "operations are no features";
    EXPECT_EQ("on", feature->getString("subtract_volume"));

    ASSERT_TRUE(service->resetFeatureSettings(feature));
    EXPECT_EQ("11", feature->getString("Drilled hole"));

    ASSERT_TRUE(service->setCustomization(nullptr));
    EXPECT_EQ(customizationRefs, MpHostRefCount(customization)) << "the old one is released";
    ASSERT_TRUE(service->resetFeatureSettings(feature));
    EXPECT_EQ("", feature->getString("Drilled hole"));
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
  EXPECT_EQ(1, onCount(G::Export, {"radio_text", "radio_dependent", "radio_independent"}));
  const std::string modeler = value(G::Units, "default_modeler");
  EXPECT_TRUE(modeler == "corvane" || modeler == "acis" || modeler == "kq") << modeler;
  // Counts at least 1, tolerances above 0.
  EXPECT_GE(std::atoi(value(G::Step, "convert_comnponent_nr").c_str()), 1);
  EXPECT_GT(std::atof(value(G::Step, "simplification_tolerance").c_str()), 0.0);
  EXPECT_GT(std::atof(value(G::Qy, "simplification_qy_tolerance").c_str()), 0.0);
  const double factor = std::atof(value(G::Operation, "number_tool_factor_int").c_str());
  EXPECT_TRUE(factor > 0.0 && factor <= 1.0) << factor;

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
