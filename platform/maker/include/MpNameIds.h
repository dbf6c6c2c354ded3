// The name identifiers that MpName answers: class, attribute and attachment-type names that the
// host's data store and the library both use.
#pragma once

namespace MpNameId {
// Attachment types, and the label of the attachment dialog's type row.
constexpr unsigned int AttachmentTypeLabel = 14485;
constexpr unsigned int Document = 14492;
constexpr unsigned int CadModel = 15160;
constexpr unsigned int CadAssemblyModel = 15940;
constexpr unsigned int Executable = 15556;
constexpr unsigned int BatchProgram = 15557;
constexpr unsigned int CoFile = 15781;
constexpr unsigned int Image = 15912;
// Attributes and fields.
constexpr unsigned int DisplayNameAttribute = 14567;
constexpr unsigned int NameField = 15170;
// Classes.
constexpr unsigned int AttachmentClass = 14596;
constexpr unsigned int OperationPrototypeClass = 15087;
constexpr unsigned int FeatureClassClass = 15161;
constexpr unsigned int FeaturePrototypeClass = 15541;
constexpr unsigned int ResourcePrototypeClass = 15085;
constexpr unsigned int ToolPrototypeClass = 15857;
// The root of the recognisable features and the feature classes recognition leaves out.
constexpr unsigned int FeatureClassRoot = 15692;
constexpr unsigned int CompoundFeatureClass = 15584;
constexpr unsigned int PatternFeatureClass = 14698;
constexpr unsigned int ManualFeatureClass = 15742;
constexpr unsigned int UserFeatureClass = 15576;
constexpr unsigned int FreeFormFeatureClass = 15179;
constexpr unsigned int ToolPathFeatureClass = 14945;
constexpr unsigned int GroupFeatureClass = 14972;
constexpr unsigned int ImportedFeatureClass = 15550;
constexpr unsigned int DerivedFeatureClass = 15702;
constexpr unsigned int AbstractFeatureClass = 15694;
}  // namespace MpNameId
