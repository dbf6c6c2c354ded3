// WidgetDeck.dll exports exactly what include/ marks with WIDGETDECK_API: every exported symbol
// belongs to a marked class or is a marked function, and every marked class and function is there.
#include <gtest/gtest.h>
#include <windows.h>
#include <cxxabi.h>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The names of the DLL's export directory, read from the mapped image (no start-up code runs).
std::vector<std::string> ExportedNames(HMODULE module) {
  const BYTE* base = reinterpret_cast<const BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  std::vector<std::string> names;
  if (dir.VirtualAddress == 0) return names;
  const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
  const auto* rvas = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) names.emplace_back(reinterpret_cast<const char*>(base + rvas[i]));
  return names;
}

// The qualified name a symbol is about: "vtable for A" and "A::f(int)" give "A" and "A::f".
std::string QualifiedName(const std::string& symbol) {
  int status = 0;
  char* text = abi::__cxa_demangle(symbol.c_str(), nullptr, nullptr, &status);
  std::string name = status == 0 && text ? text : symbol;
  std::free(text);
  for (const char* prefix : {"non-virtual thunk to ", "virtual thunk to ", "typeinfo name for ", "typeinfo for ",
                             "vtable for "})
    if (name.compare(0, std::strlen(prefix), prefix) == 0) name.erase(0, std::strlen(prefix));
  return name.substr(0, name.find('('));
}

// The texts of the headers of include/ and of its subfolders, by their path below include/.
std::map<std::string, std::string> IncludeHeaders(const std::string& below = "") {
  std::map<std::string, std::string> headers;
  const std::string folder = WD_INCLUDE_DIR "/" + below;
  WIN32_FIND_DATAA found;
  HANDLE search = ::FindFirstFileA((folder + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return headers;
  do {
    const std::string name = found.cFileName;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (name != "." && name != "..") headers.merge(IncludeHeaders(below + name + "/"));
    } else if (name.size() > 2 && name.compare(name.size() - 2, 2, ".h") == 0) {
      std::ifstream in(folder + name);
      std::stringstream text;
      text << in.rdbuf();
      headers[below + name] = text.str();
    }
  } while (::FindNextFileA(search, &found));
  ::FindClose(search);
  return headers;
}

struct Declared {
  std::set<std::string> classes;
  std::set<std::string> functions;  // qualified by their namespace
};

// What the headers of include/ mark for export.
Declared DeclaredInInclude() {
  Declared declared;
  const std::regex cls(R"((?:class|struct)\s+WIDGETDECK_API\s+(\w+))");
  const std::regex fn(R"(WIDGETDECK_API\s+[\w:<>,&*\s]*?(\w+)\s*\()");
  const std::regex ns(R"(namespace\s+(\w+)\s*\{)");
  for (const auto& [path, source] : IncludeHeaders()) {
    std::smatch m;
    const std::string space = std::regex_search(source, m, ns) ? m[1].str() + "::" : "";
    for (std::sregex_iterator it(source.begin(), source.end(), cls), end; it != end; ++it)
      declared.classes.insert((*it)[1]);
    for (std::sregex_iterator it(source.begin(), source.end(), fn), end; it != end; ++it)
      if ((*it)[1] != "__declspec") declared.functions.insert(space + (*it)[1].str());
  }
  return declared;
}

TEST(ExportTable, HoldsWhatIncludeMarksAndNothingElse) {
  const Declared declared = DeclaredInInclude();
  ASSERT_TRUE(declared.classes.count("MpAppUiOptionsWizard")) << "include/ not read from " WD_INCLUDE_DIR;
  ASSERT_TRUE(declared.functions.count("WidgetDeck::showAllMessages"));

  HMODULE module = ::LoadLibraryExA("WidgetDeck.dll", nullptr, DONT_RESOLVE_DLL_REFERENCES);
  ASSERT_NE(module, nullptr);
  const std::vector<std::string> names = ExportedNames(module);
  ::FreeLibrary(module);

  std::set<std::string> seen;
  for (const std::string& symbol : names) {
    const std::string name = QualifiedName(symbol);
    const std::string owner = name.substr(0, name.find("::"));
    if (declared.classes.count(owner)) {
      seen.insert(owner);
    } else if (declared.functions.count(name)) {
      seen.insert(name);
    } else {
      ADD_FAILURE() << "exported but not marked in include/: " << name << " (" << symbol << ")";
    }
  }
  for (const std::string& c : declared.classes) EXPECT_TRUE(seen.count(c)) << "class not exported: " << c;
  for (const std::string& f : declared.functions) EXPECT_TRUE(seen.count(f)) << "function not exported: " << f;
}

// The subfolders of include/ hold what exported classes hold by value (the sheets' pages, the
// editor's completion list), so that a host compiles; they are no part of the exported surface.
TEST(ExportTable, SubfoldersOfIncludeMarkNothingForExport) {
  const std::map<std::string, std::string> headers = IncludeHeaders();
  ASSERT_TRUE(headers.count("pages/MpAppUiPropertyPage.h")) << "include/pages not read from " WD_INCLUDE_DIR;
  ASSERT_TRUE(headers.count("editor/CIntellisenseListBox.h"));
  for (const auto& [path, source] : headers) {
    if (path.find('/') == std::string::npos) continue;
    EXPECT_EQ(source.find("WIDGETDECK_API"), std::string::npos) << path << " marks something for export";
  }
}

}  // namespace
