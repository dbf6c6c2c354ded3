// The host's settings service (IMpPmUtSettingsBase, CLSID_MpPmUtSettings) and its store.
//
// The store. MpHostInstall opens one store for the process; MpHostUninstall closes it. It holds
// for each of the thirteen groups:
//  - the live group: one MpHostOptions bag, made at the first request for the group and then kept
//    by the store (one reference of its own) until the store closes. It starts as a copy of the
//    committed values, or with the group's defaults when the group was never committed;
//  - the committed values: a copy taken by the last successful IMpOptions::commit of the live
//    group (or of any bag bound to the group), and the number of such commits.
// The store also keeps the customization last given to setCustomization (one reference).
//
// The service. Any number of service objects may exist at a time; all of them serve the one
// store, and each keeps it open until it is released. Rules:
//  - A getter returns the live group WITHOUT a reference for the caller: the group lives in the
//    store and outlives the service object. A caller that keeps it adds its own reference.
//    Every service object returns the very same group object, so a value written into a group
//    is seen through every later service object while the store lives, committed or not.
//  - A reset puts the group's defaults into the bag it is given, in place: a bag of the host
//    loses all its values first, then gets every default key; the caller's reference and the
//    object stay the same. A bag of another implementation gets the default keys written over
//    its values. A null bag gives false.
//  - commit of the live group copies its values into the committed values. Values that were not
//    committed stay in the live group until MpHostRevertSettings puts the committed values (or,
//    for a group never committed, the defaults) back into it.
//  - Feature group: besides its option keys it holds, for every class below "Feature" of the
//    customization given to setCustomization, the default "11" under the class's nice name (both
//    flag positions: the class takes part). getFeatureSettings adds that default for a class of
//    the current customization that has no value yet; resetFeatureSettings sets all of them.
//    A customization that is not the host's describes no classes.
//
// Defaults: every key that the settings pages read, with the values in settings_defaults.cpp
// (check boxes and radio buttons "on"/"off", a radio group with exactly one "on", numbers as
// text, paths and command lines empty).
#pragma once
#include "MpHostApi.h"
#include <map>
#include <string>
#include "MpInterfaces.h"
#include "MpHostOptions.h"

// The groups, in the order of the service's getters.
enum class MpHostSettingsGroup {
  Feature,
  Sequence,
  Output,
  Operation,
  Step,
  Customer,
  CatiaQy,
  Qy,
  Corvane,
  Honda,
  Export,
  Units,
  ExchangeAdapter,
};
constexpr int MpHostSettingsGroupCount = 13;

// "Feature", "Sequence", ... as in the getters' names.
MPHOST_API const char* MpHostSettingsGroupName(MpHostSettingsGroup group);

// The defaults of a group, as the reset writes them (for the feature group: its option keys only).
MPHOST_API const std::map<std::string, std::string>& MpHostSettingsDefaults(MpHostSettingsGroup group);

// The live group without a reference for the caller (made as a getter makes it); null when no
// store is open.
MPHOST_API IMpOptions* MpHostSettings(MpHostSettingsGroup group);
// A new bag holding a copy of the group's committed values, with one reference for the caller;
// null when the group was never committed or no store is open.
MPHOST_API IMpOptions* MpHostCommittedSettings(MpHostSettingsGroup group);
// Successful commits of the group since the store opened.
MPHOST_API int MpHostCommitCount(MpHostSettingsGroup group);
// Makes every commit fail (false, nothing stored) while set; for tests.
MPHOST_API void MpHostSetCommitFailure(bool fail);
// Puts the committed values, or the defaults of a group never committed, back into every live
// group object (the objects stay the same).
MPHOST_API void MpHostRevertSettings();
