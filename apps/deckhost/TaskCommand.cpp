// DeckHost's "task" command (TaskCommand.h).
#include "TaskCommand.h"
#include <afxpropertygridctrl.h>
#include <afxscript.h>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>
#include "MpAppUiOptionsWizard.h"
#include "MpHost.h"
#include "MpHostData.h"
#include "MpHostOptions.h"
#include "MpHostSample.h"
#include "MpLogging.h"
#include "MpSmartPointers.h"
#include "PersonDisplay.h"
#include "ScriptedRun.h"
#include "../../resources/resource.h"

namespace {

// Grid: a property of the page's option grid, id being its item data; typed into, or chosen
// from (its options, or True/False for a check).
enum class ControlKind { Edit, List, ComboEdit, Check, Browse, Grid };

struct KeyControl {
  const char* task;
  const char* key;
  int id;
  ControlKind kind;
};

const KeyControl kKeyControls[] = {
    {"RuleConstant", "Name", IDC_RULE_CONSTANT_NAME, ControlKind::Edit},
    {"RuleConstant", "Type", IDC_RULE_CONSTANT_TYPE, ControlKind::List},
    {"RuleConstant", "Default", IDC_RULE_CONSTANT_DEFAULT, ControlKind::Edit},
    {"RuleConstant", "Factor", IDC_RULE_CONSTANT_FACTOR, ControlKind::ComboEdit},
    {"RuleConstant", "Explantion", IDC_RULE_CONSTANT_EXPLANATION, ControlKind::Edit},
    {"Find", "FindString", IDC_FIND_TEXT, ControlKind::Edit},
    {"DesignChanges", "NewBlankName", IDC_DESIGN_NEW_BLANK, ControlKind::List},
    {"DesignChanges", "NewPartName", IDC_DESIGN_NEW_PART, ControlKind::List},
    {"RenumberAssemblies", "Start", IDC_RENUMBER_START, ControlKind::Edit},
    {"RenumberAssemblies", "Interval", IDC_RENUMBER_INTERVAL, ControlKind::Edit},
    {"RuleDecoration", "Name", IDC_RULE_DECORATION_NAME, ControlKind::Edit},
    {"RuleDecoration", "Type", IDC_RULE_DECORATION_TYPE, ControlKind::List},
    {"RuleDecoration", "Class", IDC_RULE_DECORATION_CLASS, ControlKind::List},
    {"SetField", "SetFieldName", IDC_SET_FIELD_NAME, ControlKind::List},
    {"SetField", "SetFieldValue", IDC_SET_FIELD_VALUE, ControlKind::ComboEdit},
    {"CustomerCommand", "Commands", IDC_CUSTOMER_COMMAND, ControlKind::List},
    {"AddOperation", "OperationName", IDC_ADD_OPERATION_NAME, ControlKind::Edit},
    {"AddOperation", "OperationPrototype", IDC_ADD_OPERATION_PROTOTYPE, ControlKind::List},
    {"AddOperation", "OperationSetup", IDC_ADD_OPERATION_SETUP, ControlKind::List},
    {"AddOperation", "ToolAssembly", IDC_ADD_OPERATION_TOOL, ControlKind::List},
    {"AddOperation", "FeatureClass", IDC_ADD_OPERATION_FEATURE_CLASS, ControlKind::List},
    {"SafeRetracts", "StepSize", IDC_SAFE_RETRACTS_STEP, ControlKind::Edit},
    {"SafeRetracts", "SafetyDistance", IDC_SAFE_RETRACTS_DISTANCE, ControlKind::Edit},
    {"SafeRetracts", "MaxNrSteps", IDC_SAFE_RETRACTS_MAX_STEPS, ControlKind::Edit},
    {"ExportNode", "TraversalFile", IDC_EXPORT_TRAVERSAL_FILE, ControlKind::Edit},
    {"ExportNode", "OutputFile", IDC_EXPORT_OUTPUT_FILE, ControlKind::Edit},
    {"ExportNode", "KeepAllExternalIds", IDC_EXPORT_KEEP_ALL, ControlKind::Check},
    {"ExportNode", "KeepEnvExternalIds", IDC_EXPORT_KEEP_ENV, ControlKind::Check},
    {"ExportNode", "DontKeepExternalIds", IDC_EXPORT_KEEP_NONE, ControlKind::Check},
    {"ExportNode", "TraversalFile", IDC_EXPORT_BROWSE_TRAVERSAL, ControlKind::Browse},
    {"ExportNode", "OutputFile", IDC_EXPORT_BROWSE_OUTPUT, ControlKind::Browse},
    {"AddProductVariant", "BaseProductVariantSet", IDC_VARIANT_BASE_SET, ControlKind::List},
    {"AddProductVariant", "NewProductVariantSet", IDC_VARIANT_NEW_SET, ControlKind::List},
    {"AddProductVariant", "AddBlank", IDC_VARIANT_ADD_BLANK, ControlKind::Check},
    {"AddProductVariant", "AddPart", IDC_VARIANT_ADD_PART, ControlKind::Check},
    {"AddProductVariant", "BlankModel", IDC_VARIANT_BROWSE_BLANK, ControlKind::Browse},
    {"AddProductVariant", "PartModel", IDC_VARIANT_BROWSE_PART, ControlKind::Browse},
    {"CustomizationClass", "ClassNiceName", 1, ControlKind::Grid},
    {"CustomizationClass", "ClassName", 2, ControlKind::Grid},
    {"CustomizationClass", "ClassAbstract", 3, ControlKind::Grid},
    {"CustomizationClass", "ClassFreeShaped", 4, ControlKind::Grid},
    {"CustomizationClass", "ClassAlternativeDirection", 5, ControlKind::Grid},
    {"CustomizationField", "FieldName", 1, ControlKind::Grid},
    {"CustomizationField", "FieldDisplayName", 2, ControlKind::Grid},
    {"CustomizationField", "FieldSubType", 3, ControlKind::Grid},
    {"CustomizationField", "FieldType", 4, ControlKind::Grid},
    {"CustomizationField", "FieldDim", 5, ControlKind::Grid},
    {"CustomizationField", "FieldVectorSize", 6, ControlKind::Grid},
    {"CustomizationField", "FieldUnit", 7, ControlKind::Grid},
    {"CustomizationField", "FieldEnum", 8, ControlKind::Grid},
    {"CustomizationField", "FieldDefault", 9, ControlKind::Grid},
};

// The control that shows the key; with browse, the button that chooses its file.
const KeyControl* findControl(const std::string& task, const std::string& key, bool browse = false) {
  for (const KeyControl& c : kKeyControls)
    if (task == c.task && key == c.key && (c.kind == ControlKind::Browse) == browse) return &c;
  return nullptr;
}

struct Action {
  enum Kind { Type, Choose, File, Ok, Cancel } kind;
  const KeyControl* control;
  std::string text;
};

// Splits "KEY=VALUE"; false without '='.
bool splitPair(const char* arg, std::string& key, std::string& value) {
  const char* eq = std::strchr(arg, '=');
  if (eq == nullptr || eq == arg) return false;
  key.assign(arg, eq - arg);
  value = eq + 1;
  return true;
}

std::vector<std::string> splitList(const std::string& text) {
  std::vector<std::string> items;
  size_t start = 0;
  for (;;) {
    const size_t comma = text.find(',', start);
    items.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return items;
}

// Types into the edit field of a drop-down combo box as typing does (the combo box lets go of
// its selected entry).
void typeInCombo(HWND page, int id, const char* text) {
  HWND edit = ::FindWindowExA(::GetDlgItem(page, id), nullptr, "Edit", nullptr);
  if (edit == nullptr) return;
  ::SetFocus(edit);
  ::SendMessageA(edit, EM_SETSEL, 0, -1);
  ::SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

// Types into, or chooses in, the property of the page's grid as a person would: its editor is
// opened, the characters go to it one by one (the property refuses what it does not take), and
// the editor is closed as Enter closes it; a choice picks the entry, a check is ticked or cleared. False when the
// property is not there or has no such entry.
bool actOnGrid(HWND page, int data, const std::string& text, bool choose) {
  CMFCPropertyGridCtrl* grid = nullptr;
  for (HWND c = ::GetWindow(page, GW_CHILD); c != nullptr && grid == nullptr; c = ::GetWindow(c, GW_HWNDNEXT))
    grid = DYNAMIC_DOWNCAST(CMFCPropertyGridCtrl, CWnd::FromHandlePermanent(c));
  CMFCPropertyGridProperty* prop = grid ? grid->FindItemByData((DWORD_PTR)data) : nullptr;
  if (prop == nullptr) return false;
  grid->SetCurSel(prop);
  grid->SetFocus();
  if (prop->GetValue().vt == VT_BOOL) {
    if (text != "True" && text != "False") return false;
    if (text != std::string(prop->FormatProperty())) grid->SendMessage(WM_KEYDOWN, VK_SPACE, 1);
    return true;
  }
  if (!grid->EditItem(prop)) return false;
  HWND editor = ::GetDlgItem(grid->m_hWnd, 3);
  if (choose) {
    int index = prop->GetOptionCount() - 1;
    while (index >= 0 && text != prop->GetOption(index)) --index;
    if (index < 0) return false;
    ::SendMessageA(editor, CB_SETCURSEL, (WPARAM)index, 0);
    grid->SendMessage(WM_COMMAND, MAKEWPARAM(3, CBN_SELCHANGE), (LPARAM)editor);
  } else {
    ::SendMessageA(editor, EM_SETSEL, 0, -1);
    for (unsigned char c : text) ::SendMessageA(editor, WM_CHAR, c, 1);
  }
  // As Enter does: the value is taken over, or refused with the editor left open.
  grid->EndEditItem(TRUE);
  return true;
}

// Plays the rounds of actions on the sheet, one round each time the sheet is idle, and answers
// every message box with OK.
class TaskPlayer : public AfxScript::Player {
 public:
  explicit TaskPlayer(std::vector<std::vector<Action>> rounds) : m_rounds(std::move(rounds)) {}

  bool RunStep(const AfxScript::ModalInfo& info) override {
    // A file dialog opened by a browse button takes the file named with it.
    if (std::strcmp(info.kind, "file dialog") == 0) {
      if (m_file.empty()) {
        std::printf("%s came up with no file to give: cancelled\n", info.Describe().c_str());
        m_unexpected = true;
        AfxScript::FileCancel(info.hwnd);
        return true;
      }
      AfxScript::SetFileName(info.hwnd, m_file.c_str());
      AfxScript::FileOK(info.hwnd);
      m_file.clear();
      return true;
    }
    if (m_next >= m_rounds.size()) {
      std::printf("%s is still up with no actions left: it ends as cancelled\n", info.Describe().c_str());
      m_unexpected = true;
      return false;
    }
    HWND page = AfxScript::SheetPage(info.hwnd);
    for (const Action& a : m_rounds[m_next]) {
      switch (a.kind) {
        case Action::File:
          m_file = a.text;
          AfxScript::Click(page, a.control->id);
          break;
        case Action::Type:
        case Action::Choose:
          if (a.control->kind == ControlKind::Grid) {
            if (!actOnGrid(page, a.control->id, a.text, a.kind == Action::Choose)) {
              std::printf("cannot %s \"%s\" in %s\n", a.kind == Action::Choose ? "choose" : "type", a.text.c_str(),
                          a.control->key);
              m_unexpected = true;
            }
            break;
          }
          if (a.kind == Action::Choose) {
            if (!AfxScript::ChooseComboText(page, a.control->id, a.text.c_str())) {
              std::printf("no entry \"%s\" to choose for %s\n", a.text.c_str(), a.control->key);
              m_unexpected = true;
            }
            break;
          }
          if (a.control->kind == ControlKind::Check) AfxScript::SetCheck(page, a.control->id, a.text == "on");
          else if (a.control->kind == ControlKind::ComboEdit) typeInCombo(page, a.control->id, a.text.c_str());
          else AfxScript::Type(page, a.control->id, a.text.c_str());
          break;
        case Action::Ok:
          AfxScript::SheetOK(info.hwnd);
          break;
        case Action::Cancel:
          AfxScript::SheetCancel(info.hwnd);
          break;
      }
    }
    ++m_next;
    return true;
  }

  // The scripted run prints the box.
  int Answer(const std::string&, UINT) override { return IDOK; }

  void ProfileWritten(const std::string& section, const std::string& entry, const std::string& value) override {
    std::printf("profile: [%s] %s = \"%s\"\n", section.c_str(), entry.c_str(), value.c_str());
  }

  bool clean() const { return !m_unexpected && m_next == m_rounds.size(); }
  size_t roundsRun() const { return m_next; }

 private:
  std::vector<std::vector<Action>> m_rounds;
  size_t m_next = 0;
  bool m_unexpected = false;
  std::string m_file;
};

void printIndented(const std::string& text) {
  if (text.empty()) {
    std::printf("    (empty)\n");
    return;
  }
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::printf("    %s\n", text.substr(start, end - start).c_str());
    start = end + 1;
  }
}

int help() {
  std::printf(
      "usage: DeckHost task <TaskName> [options] [actions]\n"
      "Runs the task sheet for one task, unattended with the actions below, or without any\n"
      "action for a person (not under the null display driver), and prints what the host reads\n"
      "back.\n"
      "Options:\n"
      "  --sample              preset from the sample data: the rule constants' names taken and\n"
      "                        the value types offered, as the lists \"Name\" and \"Type\"\n"
      "  --preset KEY=VALUE    a string value in the preset\n"
      "  --preset-list KEY=A,B,C\n"
      "                        a string list in the preset (comma-separated)\n"
      "  --empty-preset        an empty preset (without any preset option the page makes a\n"
      "                        fresh bag of its own)\n"
      "  --data                set up through the open data object instead of an empty selection\n"
      "  --select NAME         add the sample object of that name to the selection (repeatable)\n"
      "  --class NAME          the sample class of that name as the selection\n"
      "Actions, done on the task page in this order:\n"
      "  --type KEY=TEXT       type TEXT into the control that shows KEY\n"
      "  --choose KEY=TEXT     choose the entry TEXT in the chooser that shows KEY\n"
      "  --type KEY=on|off     tick or clear the check box of KEY\n"
      "  --file KEY=PATH       press the browse button of KEY and choose PATH in the file dialog\n"
      "  --ok | --cancel       press OK or Cancel; this ends one round of actions, and when the\n"
      "                        page refuses to be left the next round runs\n"
      "Actions after the last --ok or --cancel end with OK. Every message box is printed and\n"
      "answered with OK. Keys: the option keys of the task's bag that a control shows (for example\n"
      "RuleConstant \"Name\", \"Type\", \"Default\", \"Factor\", \"Explantion\"; Find \"FindString\";\n"
      "AddOperation \"OperationName\", \"OperationPrototype\"; SetField \"SetFieldName\"; ExportNode\n"
      "\"TraversalFile\", \"OutputFile\" (typed, or chosen with --file); AddProductVariant\n"
      "\"NewProductVariantSet\", \"AddPart\", \"PartModel\" (the models with --file);\n"
      "CustomizationClass and CustomizationField: the keys their grid shows (\"ClassName\",\n"
      "\"FieldType\", ...), checks chosen as True or False).\n"
      "Exit code: 0 when every round ran and nothing unexpected came up, 1 otherwise, 2 for a\n"
      "usage error or a sheet for a person where none can see it.\n");
  return 0;
}

int usage(const char* message) {
  std::fprintf(stderr, "DeckHost task: %s\n", message);
  std::fprintf(stderr,
               "usage: DeckHost task <TaskName> [--sample] [--preset KEY=VALUE] [--preset-list KEY=A,B]\n"
               "                     [--empty-preset] [--data] [--select NAME] [--class NAME]\n"
               "                     [--type KEY=TEXT] [--choose KEY=TEXT] [--file KEY=PATH]\n"
               "                     [--ok | --cancel] ...\n"
               "       DeckHost task --help\n");
  return 2;
}

int runTask(int argc, char** argv) {
  if (argc < 2) return usage("no task name");
  std::string task = argv[1];

  MpSmartPointer<IMpData, &IID_IMpData> data(MpHostCreateSampleData(), false);
  IMpOptionsPtr preset;
  bool useData = false;
  MpZulSmartList selection;
  std::string className;
  std::vector<std::vector<Action>> rounds(1);

  for (int i = 2; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--class") {
      if (i + 1 >= argc) return usage("--class needs a class name");
      className = argv[++i];
      continue;
    }
    const bool takesValue = option == "--preset" || option == "--preset-list" || option == "--type" || option == "--choose" ||
                            option == "--file";
    if (option == "--select") {
      MpHostData* store = MpHostDataOf(data.get());
      MpHostNode* node = i + 1 < argc && store ? store->node(store->find("", argv[i + 1])) : nullptr;
      if (node == nullptr) return usage("--select needs the name of a sample object (see DeckHost data)");
      selection.push_back(static_cast<IMpZulNode*>(node), true);
      ++i;
      continue;
    }
    std::string key, value;
    if (takesValue) {
      if (i + 1 >= argc || !splitPair(argv[i + 1], key, value)) return usage((option + " needs KEY=VALUE").c_str());
      ++i;
    }
    const bool presetOption = option == "--sample" || option == "--preset" || option == "--preset-list" || option == "--empty-preset";
    if (presetOption && preset.isNull() && !preset.createInstance(CLSID_MpOptions, nullptr)) {
      std::fprintf(stderr, "DeckHost task: the host makes no bag\n");
      return 2;
    }
    if (option == "--sample") {
      MpHostFillRuleConstantChoices(data.get(), preset.get());
    } else if (option == "--preset") {
      preset->setString(key, value);
    } else if (option == "--preset-list") {
      preset->setStringList(key, splitList(value));
    } else if (option == "--empty-preset") {
    } else if (option == "--data") {
      useData = true;
    } else if (option == "--file") {
      const KeyControl* button = findControl(task, key, true);
      if (button == nullptr) return usage(("no file is chosen for " + key + " in task " + task).c_str());
      rounds.back().push_back(Action{Action::File, button, value});
    } else if (option == "--type" || option == "--choose") {
      const KeyControl* control = findControl(task, key);
      if (control == nullptr) return usage(("no control shows " + key + " in task " + task).c_str());
      const bool choose = option == "--choose";
      // A drop-down list is only chosen from, an edit only typed into; a combo with an edit takes both.
      // A grid property takes either; the property decides what it accepts.
      if (choose && control->kind == ControlKind::Edit) return usage((key + " is typed, not chosen: use --type").c_str());
      if (!choose && control->kind == ControlKind::List) return usage((key + " is chosen, not typed: use --choose").c_str());
      rounds.back().push_back(Action{choose ? Action::Choose : Action::Type, control, value});
    } else if (option == "--ok" || option == "--cancel") {
      rounds.back().push_back(Action{option == "--ok" ? Action::Ok : Action::Cancel, nullptr, ""});
      rounds.emplace_back();
    } else {
      return usage(("unknown option " + option).c_str());
    }
  }
  if (rounds.back().empty()) rounds.pop_back();
  else rounds.back().push_back(Action{Action::Ok, nullptr, ""});
  // Without actions the sheet is left to a person.
  const bool person = rounds.empty();
  if (person && !deckhost::WaitForPerson(("the task sheet for " + task).c_str())) return 2;

  if (!className.empty()) {
    IMpZulClassPtr cls(CLSID_MpZulClass, nullptr);
    if (cls.isNull() || !cls->loadByName(data.get(), className)) return usage(("no class " + className + " in the sample data").c_str());
    selection.push_back(cls.get(), true);
  }
  // The profile belongs to an application object; a host without one writes none.
  CWinApp* app = AfxGetApp() != nullptr ? nullptr : new CWinApp("DeckHost");
  MpResetLogger();
  TaskPlayer player(std::move(rounds));
  int exitCode = 0;
  // Played from before the sheet is set up: its pages may show a box as they are made.
  if (!person) BeginScriptedRun(("task-" + task).c_str());
  {
    AfxScript::ScopedPlayer scoped(person ? nullptr : &player);
    MpAppUiOptionsWizard sheet;
    const bool initResult = useData ? sheet.init(task, data.get(), preset.get()) : sheet.init(task, selection, preset.get());
    std::printf("task %s: init %s, %d page(s)\n", task.c_str(), initResult ? "true" : "false", sheet.GetPageCount());
    if (!initResult) exitCode = 1;

    const INT_PTR result = sheet.DoModal();
    if (person) {
      std::printf("sheet: %s\n", result == IDOK ? "OK" : "Cancel");
    } else {
      std::printf("sheet: %s after %u round(s) of actions\n", result == IDOK ? "OK" : "Cancel",
                  static_cast<unsigned>(player.roundsRun()));
      if (!player.clean()) exitCode = 1;
    }

    for (const MpLogRecord& r : MpDefaultLogger()->records())
      std::printf("log: severity %d, flag %d, \"%s\", %s line %d\n", r.severity, r.flag, r.message.c_str(),
                  r.sourceFile.c_str(), r.line);

    MpSmartPointer<IMpOptions, &IID_IMpOptions> single(sheet.getOptions(), false);
    std::printf("getOptions(): %s\n", single.isNull() ? "null" : (single.get() == preset.get() ? "the preset" : "a bag of the page's"));
    if (single.isValid()) printIndented(MpHostOptionsText(single.get()));

    MpSmartList list;
    const bool any = sheet.getOptions(list);
    std::printf("getOptions(list): %s, %u bag(s)\n", any ? "true" : "false", static_cast<unsigned>(list.size()));
    unsigned n = 0;
    for (IUnknown* item : list) {
      MpSmartPointer<IMpOptions, &IID_IMpOptions> bag(item, true);
      std::printf("  bag %u:\n", ++n);
      if (bag.isValid()) printIndented(MpHostOptionsText(bag.get()));
    }
  }
  if (!person) exitCode = EndScriptedRun(exitCode);
  delete app;
  return exitCode;
}

}  // namespace

extern "C" int RunTaskCommand(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) return help();
  const bool installedHere = !MpHostIsInstalled();
  if (installedHere && !MpHostInstall()) {
    std::fprintf(stderr, "DeckHost task: the host could not be installed\n");
    return 2;
  }
  int result = 2;
  // The library finds its templates and texts once the host's OS services have the resource module.
  IMpUtOsDllPtr os(CLSID_MpUtOs, nullptr);
  if (os.isValid() && os->loadResourceModule("WidgetDeckRes.dll")) {
    result = runTask(argc, argv);
  } else {
    std::fprintf(stderr, "DeckHost task: WidgetDeckRes.dll not found\n");
  }
  os = nullptr;
  if (installedHere) MpHostUninstall();
  return result;
}
