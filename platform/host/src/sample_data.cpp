// The embedded sample planning data set: the machining of a small bracket.
#include "MpHostSample.h"
#include "host_internal.h"

const char* const MpHostSampleRuleConstants[4] = {"SafetyGap", "MaxSpindleSpeed", "'Chip Load'", "CoolantMode"};

namespace {

using mphost::classDef;
using mphost::field;

// The machining classes: the feature and operation kinds the sample uses.
void addMachiningClasses(MpHostCustomization& c) {
  const int I = MpHostFieldInteger, D = MpHostFieldDouble, S = MpHostFieldString;
  c.addClass(classDef("Hole", "Drilled hole", "Feature", {},
                            {field("Diameter", D, "mm"), field("Depth", D, "mm"), field("Through", S, "", {"yes", "no"})}));
  c.addClass(classDef("Pocket", "Rectangular pocket", "Feature", {},
                            {field("Length", D, "mm"), field("Width", D, "mm"), field("Depth", D, "mm"),
                             field("CornerRadius", D, "mm")}));
  c.addClass(classDef("Slot", "Straight slot", "Feature", {},
                            {field("Length", D, "mm"), field("Width", D, "mm"), field("Depth", D, "mm")}));
  // The allowances of a face, one per pass: a list of numbers that the host hands out as an array.
  MpHostFieldDef allowances = field("Allowances", D, "mm");
  allowances.valueArray = true;
  c.addClass(classDef("PlanarFace", "Planar face", "Feature", {}, {field("Stock", D, "mm"), allowances}));
  c.addClass(classDef("Drilling", "Drilling", "Operation", {},
                            {field("SpindleSpeed", I, "rpm"), field("FeedRate", D, "mm/min")}));
  c.addClass(classDef("Milling", "Milling", "Operation", {},
                            {field("Strategy", S, "", {"roughing", "finishing"}), field("SpindleSpeed", I, "rpm"),
                             field("StepOver", D, "mm")}));
  c.addClass(classDef("FaceMilling", "Face milling", "Operation", {}, {field("SpindleSpeed", I, "rpm")}));
  c.addField("Material", field("Density", D, "g/cm3"));
  c.addClass(classDef("ModelPrototype", "Model prototype", "Prototype"));
  // The kinds of operation prototypes and of feature classes that new operations choose from.
  c.addClass(classDef("DrillingPrototype", "Drilling", "OperationPrototype"));
  c.addClass(classDef("MillingPrototype", "Milling", "OperationPrototype"));
  c.addClass(classDef("FeatureClass", "Feature class", "FeaturePrototype", {}, {}, true));
  c.addClass(classDef("HoleClass", "Hole", "FeatureClass"));
  c.addClass(classDef("HolePatternClass", "Hole pattern", "FeatureClass"));
  c.addClass(classDef("PocketClass", "Pocket", "FeatureClass"));
  c.addField("FeaturePrototype", field("Tolerance", S, "", {"fine", "medium", "coarse"}));
  MpHostFieldDef axis = field("Axis", D, "Length");
  axis.dimension = MpZulFieldDimension::Vector;
  axis.properties = {{"VectorSize", "3"}};
  c.addField("Hole", axis);

  // A rule whose fields refer to objects: two of them are shown under one name.
  MpHostFieldDef feature = field("Feature", S), hole = field("HoleFeature", S), tool = field("Tool", S);
  feature.displayName = hole.displayName = "Machined feature";
  feature.objectClass = "Feature";
  hole.objectClass = "Hole";
  tool.displayName = "Cutting tool";
  tool.objectClass = "ToolAssembly";
  c.addClass(classDef("HoleRule", "Hole rule", "Rule", {}, {feature, tool, hole, field("Comment", S)}));

  // A class of the shop's own, with a tolerance on a field, a vector field and an enumerated one.
  MpHostClassDef counterbore = classDef("CounterboreHole", "Counterbore hole", "Hole");
  counterbore.properties = {{"Freeshaped", "true"}, {"AlternativeDirection", "CheckMirror"}, {"FeatureDepthField", "BoreDepth"}};
  MpHostFieldDef boreDepth = field("BoreDepth", D, "Length");
  boreDepth.displayName = "Bore depth";
  MpHostFieldDef boreTolerance = field("BoreDepthTolerance", D);
  boreTolerance.properties = {{"SubType", "Toleranced"}, {"SubTypeAnchor", "BoreDepth"}};
  MpHostFieldDef standard = field("ThreadStandard", S);
  standard.properties = {{"EnumType", "ThreadStandards"}, {"DefaultValue", "ISO"}};
  counterbore.fields = {boreDepth, boreTolerance, standard};  // "Axis" comes from Hole
  c.addClass(counterbore);
  c.addEnumType("ThreadStandards");
  c.addEnumType("SurfaceFinishes");
}

}  // namespace

MpHostData* MpHostCreateSampleData() {
  MpHostCustomization* customization = MpHostCustomization::create(true);
  addMachiningClasses(*customization);
  MpHostData* data = MpHostData::create(customization);
  customization->Release();
  MpHostData& d = *data;

  const ZulObjectKey project = d.addNode("Project", "Bracket machining");
  d.setProjectComment(project, "Bracket from sheet, two setups");
  const ZulObjectKey product = d.addNode("Product", "Bracket", project);

  const ZulObjectKey part = d.addNode("Model", "Bracket part", product, {{"Role", "part"}});
  // The part's current design is revision 9 of its designs.
  d.addNode("ModelInstance", "bracket_part/CAD Model.9", part,
            {{"File", "bracket_part.stp"}, {"Prototype", "Bracket part designs"}});
  d.addNode("Location", "Bracket part placement", part, {{"X", "120"}, {"Y", "40"}, {"Z", "0"}, {"RotZ", "90"}});
  d.addNode("Hole", "Hole 1", part,
            {{"Diameter", "8.5"}, {"Depth", "20"}, {"Through", "yes"}, {"Prototype", "Standard hole"}, {"Axis", "0.5,0,1"}});
  d.addNode("Hole", "Hole 2", part,
            {{"Diameter", "8.5"}, {"Depth", "25"}, {"Through", "yes"}, {"Prototype", "Standard hole"}, {"Axis", "0.5,0,-1"}});
  d.addNode("Pocket", "Pocket 1", part,
            {{"Length", "40"}, {"Width", "25"}, {"Depth", "6"}, {"CornerRadius", "5"}, {"Prototype", "Rectangular pocket"}});
  d.addNode("Slot", "Slot 1", part, {{"Length", "30"}, {"Width", "10"}, {"Depth", "4"}});
  d.addNode("PlanarFace", "Top face", part, {{"Stock", "1.5"}, {"Allowances", "2.5,1"}});

  const ZulObjectKey blank = d.addNode("Model", "Bracket blank", product, {{"Role", "blank"}});
  d.addNode("ModelInstance", "bracket_blank", blank,
            {{"File", "bracket_blank.stp"}, {"Prototype", "Bracket blank designs"}});

  const ZulObjectKey process = d.addNode("MachiningProcess", "Bracket process", product);
  const ZulObjectKey setup = d.addNode("OperationSetup", "Setup 1", process);
  const ZulObjectKey resources = d.addNode("ResourceSetup", "Setup 1 resources", setup);
  const ZulObjectKey setupTools = d.addNode("ToolSet", "Setup 1 tools", resources);
  d.addNode("ToolAssembly", "Drill 8.5 short", setupTools, {{"Diameter", "8.5"}});
  d.addNode("ToolAssembly", "End mill 10 long", setupTools, {{"Diameter", "10"}});
  d.addNode("FaceMilling", "Face top", setup, {{"Feature", "Top face"}, {"Tool", "Face mill 50"}, {"SpindleSpeed", "3000"}});
  d.addNode("Drilling", "Drill hole 1", setup,
            {{"Feature", "Hole 1"}, {"Tool", "Drill 8.5"}, {"SpindleSpeed", "2400"}, {"FeedRate", "180"}});
  d.addNode("Drilling", "Drill hole 2", setup,
            {{"Feature", "Hole 2"}, {"Tool", "Drill 8.5"}, {"SpindleSpeed", "2400"}, {"FeedRate", "180"}});
  d.addNode("Milling", "Mill pocket", setup,
            {{"Feature", "Pocket 1"}, {"Tool", "End mill 10"}, {"Strategy", "roughing"}, {"SpindleSpeed", "6000"},
             {"StepOver", "4"}});
  d.addNode("Milling", "Mill slot", setup,
            {{"Feature", "Slot 1"}, {"Tool", "End mill 10"}, {"Strategy", "finishing"}, {"SpindleSpeed", "6500"},
             {"StepOver", "2.5"}});

  // A second set-up with tools of its own; one shares its name with a tool of the first.
  const ZulObjectKey setup2 = d.addNode("OperationSetup", "Setup 2", process);
  const ZulObjectKey resources2 = d.addNode("ResourceSetup", "Setup 2 resources", setup2);
  const ZulObjectKey setup2Tools = d.addNode("ToolSet", "Setup 2 tools", resources2);
  d.addNode("ToolAssembly", "Face mill 63", setup2Tools, {{"Diameter", "63"}});
  d.addNode("ToolAssembly", "End mill 10 long", setup2Tools, {{"Diameter", "10"}});

  // A third set-up, not named yet, for the blank; its two face mills share a name.
  const ZulObjectKey setup3 = d.addNode("OperationSetup", "", process);
  const ZulObjectKey resources3 = d.addNode("ResourceSetup", "Blank resources", setup3);
  const ZulObjectKey setup3Tools = d.addNode("ToolSet", "Blank tools", resources3);
  d.addNode("ToolAssembly", "Face mill 80", setup3Tools, {{"Diameter", "80"}});
  d.addNode("ToolAssembly", "Face mill 80", setup3Tools, {{"Diameter", "80"}});
  d.relate(blank, setup3);

  d.addNode("VariantSet", "Standard bracket", product);
  d.addNode("VariantSet", "Long bracket", product);
  const ZulObjectKey drawing =
      d.addNode("Attachment", "Drawing", product, {{"File", "bracket.pdf"}, {"AttachmentType", "Document"}});

  const ZulObjectKey material = d.addNode("Material", "AlMg3", project, {{"Density", "2.66"}});
  const ZulObjectKey tools = d.addNode("ToolSet", "Shop tools", project);
  // The process works with the shop's tools, the drawing and the material, in this order.
  d.relate(process, tools);
  d.relate(process, drawing);
  d.relate(process, material);
  d.addNode("ToolAssembly", "Drill 8.5", tools, {{"Diameter", "8.5"}});
  d.addNode("ToolAssembly", "End mill 10", tools, {{"Diameter", "10"}});
  d.addNode("ToolAssembly", "Face mill 50", tools, {{"Diameter", "50"}});

  d.addNode("HoleClass", "Standard hole", project, {{"Tolerance", "fine"}});
  d.addNode("PocketClass", "Rectangular pocket", project, {{"Tolerance", "medium"}});

  // Designs of the models: a newer one sorts after the current design's name and carries the
  // CAD-model prefix; two newer blank designs share a file name.
  const ZulObjectKey blankDesigns = d.addNode("ModelPrototype", "Bracket blank designs", project);
  d.addNode("Attachment", "bracket_blan/CAD Model.1", blankDesigns, {{"File", "old/bracket_blank.stp"}});
  d.addNode("Attachment", "bracket_blank/CAD Model.2", blankDesigns, {{"File", "rev2/bracket_blank_r2.stp"}});
  d.addNode("Attachment", "bracket_blank/CAD Model.3", blankDesigns, {{"File", "rev3/bracket_blank_r3.stp"}});
  d.addNode("Attachment", "bracket_blank/CAD Model.3b", blankDesigns, {{"File", "rev3b/bracket_blank_r3.stp"}});
  d.addNode("Attachment", "bracket_blank notes", blankDesigns, {{"File", "notes.pdf"}});
  // Revisions count as numbers: 10 and 11 are newer than the current 9, 8 is older. The file of
  // revision 11 has a dot in its name.
  const ZulObjectKey partDesigns = d.addNode("ModelPrototype", "Bracket part designs", project);
  d.addNode("Attachment", "bracket_part/CAD Model.8", partDesigns, {{"File", "rev8/bracket_part_r8.stp"}});
  d.addNode("Attachment", "bracket_part/CAD Model.10", partDesigns, {{"File", "rev10/bracket_part_r10.stp"}});
  d.addNode("Attachment", "bracket_part/CAD Model.11", partDesigns, {{"File", "rev11/bracket_part.r11.stp"}});

  d.addNode("HoleRule", "Drill small holes", project, {{"Comment", "Holes below 10 mm are drilled"}});

  d.addNode("RuleConstant", MpHostSampleRuleConstants[0], project,
            {{"Type", "double"}, {"Default", "2.0"}, {"Factor", "1.0"}, {"Explanation", "Clearance above the part"}});
  d.addNode("RuleConstant", MpHostSampleRuleConstants[1], project,
            {{"Type", "integer"}, {"Default", "12000"}, {"Explanation", "Fastest spindle of the shop"}});
  d.addNode("RuleConstant", MpHostSampleRuleConstants[2], project,
            {{"Type", "double"}, {"Default", "0.002"}, {"Factor", "25.4"}, {"Explanation", "Feed per tooth in inches"}});
  d.addNode("RuleConstant", MpHostSampleRuleConstants[3], project,
            {{"Type", "string"}, {"Default", "flood"}, {"Explanation", "Coolant unless a rule says otherwise"}});
  return data;
}
