// The code editor's document: file-type settings, a keyword map with a colour per keyword and
// the hash table the colouring looks keywords up in.
#pragma once

#include <afxwin.h>
#include <secedit.h>

#include <map>
#include <string>
#include <vector>

#include "WidgetDeckApi.h"

class WIDGETDECK_API MpAppUiEdit : public SECEdit {
public:
  MpAppUiEdit();
  ~MpAppUiEdit() override;

  int addFileTypeSettings();
  bool addKeyWords(std::vector<std::string>& words, COLORREF colour);
  bool addKeyWords(std::map<std::string, COLORREF>& keywords);
  bool removeKeyWords();
  bool initKeyWordMap();
  bool getKeyWords(std::vector<std::string>& words);
  // The colour of a keyword; 0 for a word that is none (the map is left as it is).
  COLORREF GetColorRef(char* word);

  int KeyWord(char** text, int* start, int* end) override;
  int GetKeyWords() override;

private:
  std::map<std::string, COLORREF> m_keywords;
  // Set when the table cannot serve every lookup alone (some short keyword did not get a
  // slot, or the table is over half full): words not found in it are looked up in the map.
  bool m_bMapFallback = false;
  // For each first byte, bit n set when the table holds a word of n bytes beginning with it:
  // most words of a text are ruled out by it without hashing (case-sensitive lookups).
  std::uint32_t m_tableWords[256] = {};
};
