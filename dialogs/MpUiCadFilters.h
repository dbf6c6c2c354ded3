// The two filter lists of CAD model files, chosen by "default_modeler" of the host's units
// settings: the Corvane list for "corvane", the default list otherwise.
#pragma once
#include <string>

namespace WidgetDeck {
// The filter string in the file dialog's form ('|' separators, ended by "||").
std::string cadFilters();
}  // namespace WidgetDeck
