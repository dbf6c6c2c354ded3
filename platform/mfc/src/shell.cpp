// The folder browser's callback: the browser, once up, is a step of the script player.
#include "afxshell_.h"
#include "afxscript.h"

int CALLBACK AfxBrowseFolderCallback(HWND hWnd, UINT uMsg, LPARAM lParam, LPARAM lpData) {
  (void)lParam;
  (void)lpData;
  AfxScript::Player* player = AfxScript::GetPlayer();
  if (uMsg != BFFM_INITIALIZED || !player) return 0;
  AfxScript::ModalInfo info;
  info.hwnd = hWnd;
  char caption[256] = {};
  ::GetWindowTextA(hWnd, caption, sizeof(caption));
  info.caption = caption;
  info.kind = "dialog";
  // Nothing ever waits for a person while a player is installed.
  if (!player->RunStep(info)) ::PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
  return 0;
}
