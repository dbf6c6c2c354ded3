// The attachment dialog over the real common dialog: the added type row, the file types each
// attachment type selects, the rebuilt type list with its patterns, and the image check.
#include <cwchar>
#include "MpStrings.h"
#include "MpUiCAttachmentDlg.h"
#include "MpUiCadFilters.h"
#include "file_dialogs.h"
#include "resource.h"
#include "../platform/imaging/sample_images.h"

using namespace AfxScript;

namespace {

const int kTypes = 2738;

class AttachmentDialogTest : public FileDialogTest {
 protected:
  // Each file-type entry as "description=pattern", the pattern as the dialog holds it.
  static std::vector<std::string> Entries(HWND dlg) {
    std::vector<std::string> out;
    HWND combo = ::GetDlgItem(dlg, 1136);
    const std::vector<std::string> texts = FileTypes(dlg);
    for (size_t i = 0; i < texts.size(); ++i) {
      const auto* wide = reinterpret_cast<const wchar_t*>(::SendMessageA(combo, CB_GETITEMDATA, i, 0));
      std::string pattern;
      for (const wchar_t* p = wide; p && (LONG_PTR)p != CB_ERR && *p; ++p) pattern += (char)::towlower(*p);
      out.push_back(texts[i] + "=" + pattern);
    }
    return out;
  }
};

TEST_F(AttachmentDialogTest, TypeRowNarrowsTheFileTypesAndBringsThemBack) {
  std::string none;
  std::vector<std::string> defaults;
  const char* filter = "XML Files (*.xml)|*.xml|IGES Files (*.igs)|*.igs|All Files (*.*)|*.*||";
  MpUiCAttachmentDlg dlg(true, TRUE, none, defaults, nullptr, nullptr, 0, filter);
  script.Dialog("Open", [&](HWND h) {
    EXPECT_EQ(FileTypes(h).size(), 3u);
    std::vector<std::string> types;
    for (int i = 0; i < 5; ++i) {
      ChooseCombo(h, kTypes, i);
      types.push_back(wdtest::Chosen(h, kTypes));
    }
    EXPECT_EQ(types, (std::vector<std::string>{MpName(14492), MpName(15160), MpName(15556), MpName(15557), MpName(15912)}));
    const std::vector<std::string> original = {"XML Files (*.xml)=*.xml", "IGES Files (*.igs)=*.igs", "All Files (*.*)=*.*"};
    ChooseCombo(h, kTypes, 0);
    EXPECT_EQ(Entries(h), original) << "every entry gets its own pattern back, listed or not";
    EXPECT_EQ(ChosenFileType(h), "All Files (*.*)") << "the document type selects all files";
    ::SendDlgItemMessageA(h, kTypes, CB_INSERTSTRING, 5, reinterpret_cast<LPARAM>(MpName(15940).c_str()));
    ChooseCombo(h, kTypes, 5);
    EXPECT_EQ(Entries(h), (std::vector<std::string>{"ACIS Files (*.sat)=*.sat", "KQ Files (*.kq)=*.kq",
                                                    "Corvane Files (*.x_t;*.xmt_txt;*.x_b;*.xmt_bin)=*.x_t"}));
    EXPECT_TRUE(ChooseFileType(h, "KQ Files (*.kq)"));
    ChooseCombo(h, kTypes, 4);
    EXPECT_EQ(Entries(h), original);
    EXPECT_EQ(ChosenFileType(h), "XML Files (*.xml)") << "KQ is gone: the first entry";
    Type(h, kTypes, "Drawing sheet");
    FileCancel(h);
  });
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.getAttachmentType(), "Drawing sheet") << "a typed type is returned";
}

// A file type described at great length, far beyond the 512 characters the system passes between
// 8-bit and wide text, is read whole and comes back whole when the type list is rebuilt.
TEST_F(AttachmentDialogTest, ALongFileTypeDescriptionIsReadWhole) {
  const std::string longType = "Long Files " + std::string(2000, 'L') + " (*.wdl)";
  const std::string filter = longType + "|*.wdl|All Files (*.*)|*.*||";
  std::string none;
  std::vector<std::string> defaults;
  MpUiCAttachmentDlg dlg(true, TRUE, none, defaults, nullptr, nullptr, 0, filter.c_str());
  script.Dialog("Open", [&](HWND h) {
    ChooseCombo(h, kTypes, 4);  // the image type: the list is built again from the entries read
    EXPECT_EQ(Entries(h), (std::vector<std::string>{longType + "=*.wdl", "All Files (*.*)=*.*"}));
    FileCancel(h);
  });
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

// Blocks in use in any heap of the process that begin with this wide text, ignoring case.
int LiveCopies(const wchar_t* text) {
  HANDLE heaps[256];
  const DWORD count = ::GetProcessHeaps(256, heaps);
  const size_t length = std::wcslen(text) + 1;
  int found = 0;
  for (DWORD i = 0; i < count && i < 256; ++i) {
    ::HeapLock(heaps[i]);
    PROCESS_HEAP_ENTRY entry = {};
    while (::HeapWalk(heaps[i], &entry))
      if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) && entry.cbData >= length * sizeof(wchar_t) &&
          _wcsnicmp(static_cast<const wchar_t*>(entry.lpData), text, length) == 0)
        ++found;
    ::HeapUnlock(heaps[i]);
  }
  return found;
}

TEST_F(AttachmentDialogTest, TheTypeListsPatternsAreFreedOnRebuildAndOnceAtTheEnd) {
  const wchar_t* const pattern = L"*.wdq";  // held by nothing else in the process
  const std::string path = File("plate.wdq");
  std::string none;
  std::vector<std::string> defaults;
  const char* filter = "Quill Files (*.wdq)|*.wdq|All Files (*.*)|*.*||";
  for (bool chosen : {false, true}) {
    {
      MpUiCAttachmentDlg dlg(true, TRUE, none, defaults, nullptr, nullptr, OFN_FILEMUSTEXIST, filter);
      dlg.GetOFN().lpstrInitialDir = m_dir.c_str();
      script.Dialog("Open", [&](HWND h) {
        HWND combo = ::GetDlgItem(h, 1136);
        auto heapOwned = [&] {
          for (int i = 0; i < (int)::SendMessageA(combo, CB_GETCOUNT, 0, 0); ++i)
            if (!::HeapValidate(::GetProcessHeap(), 0, reinterpret_cast<void*>(::SendMessageA(combo, CB_GETITEMDATA, i, 0))))
              return false;
          return true;
        };
        ASSERT_TRUE(heapOwned()) << "the dialog's own patterns are blocks of the process heap";
        ASSERT_GE(LiveCopies(pattern), 1);
        ::SendDlgItemMessageA(h, kTypes, CB_INSERTSTRING, 5, reinterpret_cast<LPARAM>(MpName(15940).c_str()));
        for (int i = 0; i < 14; ++i) ChooseCombo(h, kTypes, i % 6);
        EXPECT_LE(LiveCopies(pattern), 2) << "the entry's pattern and the dialog's current filter, no older copies";
        EXPECT_TRUE(heapOwned()) << "the dialog frees what its list holds as it closes";
        if (chosen) {
          SetFileName(h, path.c_str());
          FileOK(h);
        } else {
          FileCancel(h);
        }
      });
      EXPECT_EQ(chosen ? IDOK : IDCANCEL, dlg.DoModal());
    }
    EXPECT_EQ(0, LiveCopies(pattern)) << (chosen ? "OK" : "Cancel") << ": every pattern is freed";
  }
}

TEST_F(AttachmentDialogTest, OneTypeOpensOnItsFileType) {
  ::RegSetKeyValueA(HKEY_CURRENT_USER, kKey, "Last CAD system", REG_SZ, "IGES Files (*.igs)", 19);
  const std::string filters = WidgetDeck::cadFilters();
  std::string other = MpName(15912);
  for (auto c : {std::make_pair(MpName(15160), "IGES Files (*.igs)"), std::make_pair(std::string("Report"), "ACIS Files (*.sat)")}) {
    std::vector<std::string> one{c.first};
    MpUiCAttachmentDlg dlg(true, TRUE, other, one, nullptr, nullptr, 0, filters.c_str());
    std::string title = "Choose a model";
    dlg.setWindowTitle(title);
    script.Dialog(title, [&](HWND h) {
      EXPECT_EQ(wdtest::Chosen(h, kTypes), c.first);
      EXPECT_EQ(ChosenFileType(h), c.second);
      FileCancel(h);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.getAttachmentType(), c.first);
    if (c.first == "Report") {
      EXPECT_EQ(dlg.GetOFN().nFilterIndex, 1u) << "no \"*.*\" entry: the first";
    }
  }
}

TEST_F(AttachmentDialogTest, ImageTypeRefusesFilesThatDoNotLoadNamingTheFirst) {
  const std::string good = File("good.bmp", sample::Bmp());
  const std::string cut = File("cut.jpg", sample::Jpeg().substr(0, 100));
  File("notes.txt", "not an image");
  const std::string jpg = File("PHOTO.JPG", sample::Jpeg());
  std::string image = MpName(15912);
  std::vector<std::string> types{MpName(14492), image};
  const char* filter = "Image Files(*.jpg;*.jpeg;*.bmp)|*.jpg;*.jpeg;*.bmp|All Files (*.*)|*.*||";
  MpUiCAttachmentDlg dlg(true, TRUE, image, types, nullptr, nullptr, OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST, filter);
  dlg.GetOFN().lpstrInitialDir = m_dir.c_str();
  script.Dialog("Open", [&](HWND h) {
    EXPECT_EQ(wdtest::Chosen(h, kTypes), image);
    SetFileName(h, "\"good.bmp\" \"cut.jpg\" \"notes.txt\"");
    FileOK(h);
  });
  script.MessageBox(IDOK);
  script.Dialog("Open", [&](HWND h) {
    SetFileName(h, "\"good.bmp\" \"PHOTO.JPG\"");
    FileOK(h);
  });
  ASSERT_EQ(dlg.DoModal(), IDOK);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0], std::make_pair(Message(IDS_ATTACHMENT_NOT_IMAGE, cut), (UINT)MB_ICONEXCLAMATION));
  EXPECT_EQ(dlg.getSelectedFileNames(), (std::vector<std::string>{good, jpg}));
}

}  // namespace
