// The fixed names behind name identifiers: class, attribute and attachment-type names that the
// host's data store and the library both use.
#include <map>
#include "MpStrings.h"

namespace {

const std::map<unsigned int, const char*>& nameTable() {
  static const std::map<unsigned int, const char*> names = {
      // Attachment types and their row in the attachment dialog.
      {14485, "Attachment type"},
      {14492, "Document"},
      {15160, "CAD Model"},
      {15940, "CAD Assembly Model"},
      {15556, "Executable"},
      {15557, "Batch Program"},
      {15781, "CO File"},
      {15912, "Image"},
      // Attributes and fields.
      {14567, "DisplayName"},
      {15170, "Name"},
      // Classes.
      {14596, "Attachment"},
      {15087, "OperationPrototype"},
      {15161, "FeatureClass"},
      {15541, "FeaturePrototype"},
      {15085, "ResourcePrototype"},
      {15857, "ToolPrototype"},
      // The root of the recognisable features and the feature classes recognition leaves out.
      {15692, "Feature"},
      {15584, "CompoundFeature"},
      {14698, "PatternFeature"},
      {15742, "ManualFeature"},
      {15576, "UserFeature"},
      {15179, "FreeFormFeature"},
      {14945, "ToolPathFeature"},
      {14972, "GroupFeature"},
      {15550, "ImportedFeature"},
      {15702, "DerivedFeature"},
      {15694, "AbstractFeature"},
  };
  return names;
}

}  // namespace

std::string MpName(unsigned int id) {
  const auto& names = nameTable();
  const auto it = names.find(id);
  return it == names.end() ? std::string() : std::string(it->second);
}
