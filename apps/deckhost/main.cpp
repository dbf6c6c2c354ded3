// DeckHost: the demo host. It installs the in-memory host, builds the embedded sample planning
// data set, loads the library's resource module and opens dialogs over the data; with a script it
// runs unattended and prints what it read back.
#include <afxwin.h>
#include <afxscript.h>
#include <cstdio>
#include <cstring>
#include <string>
#include "CommandScript.h"
#include "MpHost.h"
#include "MpHostOptions.h"
#include "MpHostSample.h"
#include "MpSmartPointers.h"
#include "PersonDisplay.h"
#include "deckhost_ids.h"

namespace {

class SampleDlg : public CDialog {
public:
  SampleDlg() : CDialog(IDD_WD_SAMPLE) {}
  CString m_name;
  int m_count = 1;
  BOOL m_enabled = FALSE;
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Text(pDX, IDC_WD_SAMPLE_NAME, m_name);
    DDX_Text(pDX, IDC_WD_SAMPLE_COUNT, m_count);
    DDV_MinMaxInt(pDX, m_count, 1, 100);
    DDX_Check(pDX, IDC_WD_SAMPLE_CHECK, m_enabled);
  }
};

int RunSample(bool scripted) {
  SampleDlg dlg;
  deckhost::CommandScript script(scripted);
  if (scripted) {
    script.Dialog(IDD_WD_SAMPLE, [](HWND h) {
      AfxScript::TypeAndLeave(h, IDC_WD_SAMPLE_NAME, "Bracket");
      AfxScript::Type(h, IDC_WD_SAMPLE_COUNT, "12");
      AfxScript::SetCheck(h, IDC_WD_SAMPLE_CHECK, true);
      AfxScript::Click(h, IDOK);
    });
  }
  INT_PTR r = dlg.DoModal();
  std::printf("sample dialog: %s\n", r == IDOK ? "OK" : "Cancel");
  std::printf("  name    = %s\n", (LPCSTR)dlg.m_name);
  std::printf("  count   = %d\n", dlg.m_count);
  std::printf("  enabled = %s\n", dlg.m_enabled ? "on" : "off");
  return script.Verdict() ? 0 : 1;
}

// Prints text line by line with an indent.
void PrintIndented(const std::string& text, const char* indent) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::printf("%s%s\n", indent, text.substr(start, end - start).c_str());
    start = end + 1;
  }
}

void PrintDataSet(MpHostData* data) {
  std::printf("sample data set: store %u, %u objects\n", data->storeNumber(), static_cast<unsigned>(data->size()));
  std::printf("classes:\n");
  PrintIndented(data->customization()->text(), "  ");
  std::printf("objects:\n");
  PrintIndented(data->text(), "  ");
  // What the rule-constant task is offered: the names taken and the value types.
  IMpOptionsPtr choices(CLSID_MpOptions, nullptr);
  if (choices.isValid() && MpHostFillRuleConstantChoices(data, choices.get())) {
    std::printf("rule-constant choices:\n");
    PrintIndented(MpHostOptionsText(choices.get()), "  ");
  }
}

// The resource module, made visible to the resource lookups by the host's OS services, as the
// library's own start-up does.
bool LoadResources() {
  IMpUtOsDllPtr os(CLSID_MpUtOs, nullptr);
  if (os.isValid() && os->loadResourceModule("WidgetDeckRes.dll")) return true;
  std::fprintf(stderr, "DeckHost: WidgetDeckRes.dll not found\n");
  return false;
}

void Usage(FILE* out) {
  std::fprintf(out,
               "usage: DeckHost [--render-check] [--shots DIR]\n"
               "                [demo | data | task <TaskName> ... | messages [--scripted] |\n"
               "                 move [--scripted] | settings [--scripted] | controls [--scripted] |\n"
               "                 files [--scripted] | editor [--scripted] | splitter [--scripted] |\n"
               "                 chooser [--scripted] | dialogs1 [--scripted] | dialogs2 [--scripted] |\n"
               "                 sample [--scripted]]\n"
               "  demo    prints the sample data set, then runs the \"RuleConstant\" task on it\n"
               "          unattended and prints the bags read back (the default)\n"
               "  data    prints the sample data set: its classes, objects and rule-constant choices\n"
               "  task    runs the task sheet for one task with preset values and scripted user\n"
               "          actions, or without actions for a person; \"DeckHost task --help\" lists\n"
               "          its options\n"
               "  messages  logs three sample failures and shows them in the result viewer\n"
               "          (--scripted: unattended, printing the viewer's rows)\n"
               "  move    shows the move/rotate dialog over the sample's part model and prints the\n"
               "          commands the host received (--scripted: unattended)\n"
               "  settings  opens the settings sheet, then the options sheet, over the host's settings\n"
               "          (--scripted: unattended, changing a few values, saving both, printing the\n"
               "          groups committed)\n"
               "  controls  shows a window with an owner-drawn menu and a toolbar with a drop-down\n"
               "          button and prints the commands chosen (--scripted: unattended)\n"
               "  editor  the code editor over a sample rule and the APT listing over a sample\n"
               "          listing (--scripted: types, completes, selects a step, prints, closes)\n"
               "  splitter  shows a frame split into panes with the activity snake (--scripted: switches\n"
               "          views, hides and shows a column, drags a bar, steps the snake, prints each step)\n"
               "  dialogs1  the login, open-project, find, view-name and hyperlink dialogs and the\n"
               "          splash screen over the sample data, printing what the host reads back\n"
               "          (--scripted: unattended; the link opens nothing)\n"
               "  dialogs2  opens the properties, folder, batch-run and check-out dialogs over the sample\n"
               "          (--scripted: unattended, printing what the host reads back)\n"
               "  sample  shows the class-library sample dialog (--scripted: unattended)\n"
               "  files   opens the CAD file dialog, then the attachment dialog (--scripted:\n"
               "          unattended, choosing a type and a file in each and printing them)\n"
               "  chooser  opens the node chooser over the sample data in its node, class, amounts\n"
               "          and attachment modes and prints the selection and amounts read back\n"
               "          (--scripted: unattended, choosing rows and typing an amount in place)\n"
               "  --render-check  checks each window of a scripted run as it opens, as a person would\n"
               "          see it (visible, a modal one active, painted in the dialog face colour,\n"
               "          every caption drawn, fits an 800x600 screen), prints each fault and ends\n"
               "          with exit code 1 for one\n"
               "  --shots DIR  saves a PNG picture of each window of a scripted run in DIR (an existing\n"
               "          folder) and ends with a line counting the pictures written and the windows\n"
               "          closed before they were shown or whose picture was not written (exit code 1\n"
               "          for one); both read the screen: run them under X, with a driver that is not null\n"
               "What waits for a person or reads the screen does not start under the null display\n"
               "driver. Exit code 2 for a usage error or a command that cannot start.\n");
}

// A wrong command line: what is wrong, on one line, then the usage.
int UsageError(const std::string& what) {
  std::fprintf(stderr, "DeckHost: %s\n", what.c_str());
  Usage(stderr);
  return 2;
}

// The commands that use the library live in DeckHostCommands.dll. It is loaded, and with it
// WidgetDeck.dll, only once the host's services are installed, as a real host loads the library:
// the library's start-up then finds the resource module through the host's OS services.
HMODULE LoadCommands() {
  static HMODULE h = ::LoadLibraryA("DeckHostCommands.dll");
  if (!h) std::fprintf(stderr, "DeckHost: DeckHostCommands.dll or WidgetDeck.dll could not be loaded\n");
  return h;
}

int RunTaskCommand(int argc, char** argv) {
  HMODULE h = LoadCommands();
  auto fn = h ? reinterpret_cast<int (*)(int, char**)>(
                    reinterpret_cast<void*>(::GetProcAddress(h, "RunTaskCommand")))
              : nullptr;
  return fn ? fn(argc, argv) : 2;
}

template <typename Fn>
Fn* CommandsFunction(const char* name) {
  HMODULE h = LoadCommands();
  return h ? reinterpret_cast<Fn*>(reinterpret_cast<void*>(::GetProcAddress(h, name))) : nullptr;
}

// A command of DeckHostCommands.dll that takes the scripted flag.
int RunScriptableCommand(const char* name, bool scripted) {
  auto fn = CommandsFunction<int(bool)>(name);
  return fn ? fn(scripted) : 2;
}

// The commands that take only "--scripted": the word, the function of DeckHostCommands.dll that
// runs it (none: the sample dialog, run here), and what it shows to a person.
struct ScriptableCommand {
  const char* word;
  const char* function;
  const char* shows;
};
const ScriptableCommand kScriptable[] = {
    {"messages", "RunMessagesCommand", "the result viewer"},
    {"move", "RunMoveCommand", "the move/rotate dialog"},
    {"settings", "RunSettingsCommand", "the settings sheet"},
    {"controls", "RunControlsCommand", "the controls window"},
    {"files", "RunFileDialogCommand", "the CAD file dialog"},
    {"editor", "RunEditorCommand", "the code editor"},
    {"splitter", "RunSplitterCommand", "the splitter frame"},
    {"chooser", "RunChooserCommand", "the node chooser"},
    {"dialogs1", "RunDialogs1Command", "a row of host dialogs"},
    {"dialogs2", "RunDialogs2Command", "the properties dialog"},
    {"sample", nullptr, "the sample dialog"},
};

// The demo's task: a new rule constant named on the sample data, typed and confirmed.
int RunDemoTask() {
  const char* args[] = {"task", "RuleConstant", "--sample", "--preset", "Name=Depth",
                        "--preset", "Type=double", "--type", "Default=3", "--ok"};
  return RunTaskCommand((int)(sizeof(args) / sizeof(args[0])), const_cast<char**>(args));
}

// A scripted run of a command, with every message box printed and answered whenever it comes.
int RunScripted(const ScriptableCommand& c) {
  auto begin = CommandsFunction<void(const char*)>("BeginScriptedRun");
  auto end = CommandsFunction<int(int)>("EndScriptedRun");
  if (!begin || !end) return 2;
  begin(c.word);
  int result = 2;
  if (c.function) result = RunScriptableCommand(c.function, true);
  else if (LoadResources()) result = RunSample(true);
  return end(result);
}

int Run(int argc, char** argv) {
  // Options before the command: the render check of each window it opens, and its pictures.
  bool check = false;
  const char* shots = nullptr;
  for (;;) {
    if (argc > 1 && !std::strcmp(argv[1], "--render-check")) {
      check = true;
    } else if (argc > 1 && !std::strcmp(argv[1], "--shots")) {
      if (argc < 3) return UsageError("--shots needs a folder");
      shots = argv[2];
      --argc, ++argv;
    } else {
      break;
    }
    --argc, ++argv;
  }
  // Checked before anything runs: otherwise each picture fails on its own and the run still ends
  // as if it had done its work.
  if (shots) {
    const DWORD attributes = ::GetFileAttributesA(shots);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
      std::fprintf(stderr, "DeckHost: --shots: the folder \"%s\" does not exist\n", shots);
      return 2;
    }
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      std::fprintf(stderr, "DeckHost: --shots: \"%s\" is a file, not a folder\n", shots);
      return 2;
    }
  }
  if ((check && !deckhost::ScreenShows("--render-check")) || (shots && !deckhost::ScreenShows("--shots"))) return 2;
  if (check || shots) {
    auto set = CommandsFunction<void(bool, const char*)>("SetRenderOptions");
    if (!set) return 2;
    set(check, shots);
  }
  const char* cmd = argc > 1 ? argv[1] : "demo";
  if (!std::strcmp(cmd, "task")) return RunTaskCommand(argc - 1, argv + 1);
  const bool help = !std::strcmp(cmd, "--help");
  const bool demo = !std::strcmp(cmd, "demo");
  const bool data = !std::strcmp(cmd, "data");
  const ScriptableCommand* scriptable = nullptr;
  for (const ScriptableCommand& c : kScriptable)
    if (!std::strcmp(cmd, c.word)) scriptable = &c;
  if (!help && !demo && !data && !scriptable) return UsageError(std::string("unknown command \"") + cmd + "\"");
  // Only the scriptable commands take a word, and only "--scripted".
  const int words = argc > 2 && scriptable && !std::strcmp(argv[2], "--scripted") ? 3 : 2;
  if (argc > words) return UsageError(std::string("unexpected \"") + argv[words] + "\" after \"" + cmd + "\"");
  const bool scripted = words == 3;
  if (help) {
    Usage(stdout);
    return 0;
  }

  if (demo || data) {
    MpHostData* set = MpHostCreateSampleData();
    PrintDataSet(set);
    set->Release();
    if (data) return 0;
    std::printf("\n");
    return RunDemoTask();
  }
  if (scripted) return RunScripted(*scriptable);
  if (!deckhost::WaitForPerson(scriptable->shows)) return 2;
  if (scriptable->function) return RunScriptableCommand(scriptable->function, false);
  if (!LoadResources()) return 2;
  return RunSample(false);
}

}  // namespace

int main(int argc, char** argv) {
  MpHostInstall();
  const int result = Run(argc, argv);
  MpHostUninstall();
  return result;
}
