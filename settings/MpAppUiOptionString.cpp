// The option string of the output page.
#include "MpAppUiOptionString.h"

namespace {

// The position of text standing whole in options (after the start or a blank, before a blank or
// the end), or npos.
size_t findWhole(const std::string& options, const std::string& text) {
  if (text.empty()) return std::string::npos;
  for (size_t pos = options.find(text); pos != std::string::npos; pos = options.find(text, pos + 1)) {
    const size_t end = pos + text.size();
    if ((pos == 0 || options[pos - 1] == ' ') && (end == options.size() || options[end] == ' ')) return pos;
  }
  return std::string::npos;
}

}  // namespace

bool MpAppUiHasOption(const std::string& options, const std::string& word) {
  return !word.empty() && findWhole(options, "-" + word) != std::string::npos;
}

bool MpAppUiAddOption(std::string& options, const std::string& word) {
  if (word.empty() || MpAppUiHasOption(options, word)) return false;
  if (!options.empty() && options.back() != ' ') options += ' ';
  options += "-" + word + " 1 ";
  return true;
}

bool MpAppUiRemoveOption(std::string& options, const std::string& word) {
  if (word.empty()) return false;
  const size_t pos = findWhole(options, "-" + word);
  if (pos == std::string::npos) return false;
  size_t end = pos + word.size() + 1;
  // The value, unless the next token is another option.
  if (end < options.size() && options[end] == ' ') {
    size_t value = end + 1;
    if (value < options.size() && options[value] != '-' && options[value] != ' ') {
      while (value < options.size() && options[value] != ' ') ++value;
      end = value;
    }
  }
  if (end < options.size() && options[end] == ' ') ++end;
  options.erase(pos, end - pos);
  return true;
}

bool MpAppUiHasPrefix(const std::string& options, const std::string& prefix) {
  return findWhole(options, prefix) != std::string::npos;
}

bool MpAppUiAddPrefix(std::string& options, const std::string& prefix) {
  if (prefix.empty() || MpAppUiHasPrefix(options, prefix)) return false;
  if (!options.empty() && options.back() != ' ') options += ' ';
  options += prefix + " ";
  return true;
}

bool MpAppUiRemovePrefix(std::string& options, const std::string& prefix) {
  const size_t pos = findWhole(options, prefix);
  if (pos == std::string::npos) return false;
  size_t end = pos + prefix.size();
  if (end < options.size() && options[end] == ' ') ++end;
  options.erase(pos, end - pos);
  return true;
}
