// The script of one DeckHost command.
#pragma once
#include <afxscript.h>
#include <cstdio>
#include <string>

namespace deckhost {

// A command's script, the player of its modal windows for as long as it lives when the run is
// scripted; a person's run plays nothing. Verdict() prints what went wrong and tells whether the
// run went as scripted: nothing came up without a step for it, and every step ran, so a window
// that never came up fails the run.
class CommandScript : public AfxScript::Script {
 public:
  explicit CommandScript(bool scripted) : m_player(scripted ? this : nullptr) {}

  bool Verdict() const {
    for (const std::string& f : failures) std::printf("script: %s\n", f.c_str());
    if (!Finished()) std::printf("script: %u step(s) never ran: their window did not come up\n", (unsigned)Pending());
    return failures.empty() && Finished();
  }

 private:
  AfxScript::ScopedPlayer m_player;
};

}  // namespace deckhost
