// The fixed names behind name identifiers: class, attribute and attachment-type names that the
// host's data store and the library both use.
#include <map>
#include "MpNameIds.h"
#include "MpStrings.h"

namespace {

const std::map<unsigned int, const char*>& nameTable() {
  static const std::map<unsigned int, const char*> names = {
      // Attachment types and their row in the attachment dialog.
      {MpNameId::AttachmentTypeLabel, "Attachment type"},
      {MpNameId::Document, "Document"},
      {MpNameId::CadModel, "CAD Model"},
      {MpNameId::CadAssemblyModel, "CAD Assembly Model"},
      {MpNameId::Executable, "Executable"},
      {MpNameId::BatchProgram, "Batch Program"},
      {MpNameId::CoFile, "CO File"},
      {MpNameId::Image, "Image"},
      // Attributes and fields.
      {MpNameId::DisplayNameAttribute, "DisplayName"},
      {MpNameId::NameField, "Name"},
      // Classes.
      {MpNameId::AttachmentClass, "Attachment"},
      {MpNameId::OperationPrototypeClass, "OperationPrototype"},
      {MpNameId::FeatureClassClass, "FeatureClass"},
      {MpNameId::FeaturePrototypeClass, "FeaturePrototype"},
      {MpNameId::ResourcePrototypeClass, "ResourcePrototype"},
      {MpNameId::ToolPrototypeClass, "ToolPrototype"},
      // The root of the recognisable features and the feature classes recognition leaves out.
      {MpNameId::FeatureClassRoot, "Feature"},
      {MpNameId::CompoundFeatureClass, "CompoundFeature"},
      {MpNameId::PatternFeatureClass, "PatternFeature"},
      {MpNameId::ManualFeatureClass, "ManualFeature"},
      {MpNameId::UserFeatureClass, "UserFeature"},
      {MpNameId::FreeFormFeatureClass, "FreeFormFeature"},
      {MpNameId::ToolPathFeatureClass, "ToolPathFeature"},
      {MpNameId::GroupFeatureClass, "GroupFeature"},
      {MpNameId::ImportedFeatureClass, "ImportedFeature"},
      {MpNameId::DerivedFeatureClass, "DerivedFeature"},
      {MpNameId::AbstractFeatureClass, "AbstractFeature"},
  };
  return names;
}

}  // namespace

std::string MpName(unsigned int id) {
  const auto& names = nameTable();
  const auto it = names.find(id);
  return it == names.end() ? std::string() : std::string(it->second);
}
