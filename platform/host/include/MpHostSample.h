// The embedded sample planning data set: a small machining project, shared by the demo host and
// the tests.
//
// A project "Bracket machining" with the product "Bracket": its part model (placed by a location)
// with five features (two holes, a pocket, a slot, a planar face whose allowances are a list of
// numbers), its blank model, a machining process with one operation set-up of five operations, a
// second set-up and a third one without a name that the blank model works with (each with a tool
// set of its own; the third one's two tools share a name), two product-variant sets and a drawing
// attachment; beside it a material, a tool set with three tool assemblies, two feature
// prototypes, the newer designs of the blank and of the part (revisions 10 and 11 after the
// current 9), a rule whose fields refer to objects and four rule constants. The process is
// related to the shop's tools, the drawing and the material. The customization adds the
// machining classes (feature kinds, operation kinds, operation prototypes and feature classes)
// with their fields to the host's standard classes (MpHostData.h).
#pragma once
#include "MpHostApi.h"
#include "MpHostData.h"

// A new data object holding the sample set, with one reference for the caller.
MPHOST_API MpHostData* MpHostCreateSampleData();

// The sample's rule constants, as stored: "SafetyGap", "MaxSpindleSpeed", "'Chip Load'",
// "CoolantMode".
extern MPHOST_API const char* const MpHostSampleRuleConstants[4];
