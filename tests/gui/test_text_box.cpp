// A text box of the start screen without the rest of the program: files opened into it through the
// open dialog's answers, the editing keys and typed characters as the start screen hands them on,
// the clipboard, and the bytes its save writes. The rules of the line ends, of a selection left
// naming rows a shorter text lacks, and of a paste at the caret, a row each.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "figures/mode_words.h"
#include "gui/gui.h"
#include "gui/gui_list.h"
#include "gui/text_box.h"
#include "platform/platform.h"
#include "shell/key_commands.h"
#include "shell/log.h"
#include "test_files.h"

namespace {

namespace fs = std::filesystem;

// The open dialog gives the files opened, in order; the keys are space-separated: "open" opens the
// next file, a key's name presses it, anything else is typed. The save then writes `saved`.
struct Row {
  const char* opened[2];
  const char* clip;  // the clipboard's text, or ""
  const char* keys;
  const char* saved;
  const char* log;  // a line the log must hold, or ""
};

const char* const kDropped = "\ntext box: the selection names rows 0..4 of 1: dropped";
const Row kRows[] = {
    // The whole text is saved with the line end of the first line of the last file opened, also
    // a text typed anew.
    {{"x\r\n"}, "", "open end Q", "xQ\r\n", ""},
    {{"a\nb\r\n"}, "", "open end Q", "aQ\nb\n", ""},
    {{"a\r\n", "b\n"}, "", "open open end Q", "bQ\n", ""},
    {{"one\r\ntwo\r\n"}, "", "open ctrl+a del new", "new\r\n", ""},
    // A selection that names rows a shorter text lacks is dropped; Del goes on at the caret.
    {{"1\n2\n3\n4\n5\n", "x\n"}, "", "open end ctrl+a open del Q", "xQ\n", kDropped},
    // The caret keeps its column over the short row 2; Z replaces columns 3 and 4 of row 3, where
    // that deletion began: the paste after the shorter text goes to the caret, not there.
    {{"aaaaa\nbbbbb\nc\nddddd\neeeee\n", "x\r\n"},
     "P",
     "open down right right right down down shift+right Z ctrl+a open ctrl+v Q",
     "xPQ\r\n",
     kDropped},
    // A paste of two rows splits the row at the caret.
    {{"xy\n"}, "a\r\nb", "open right ctrl+v", "xa\nby\n", ""},
};

struct Key {
  const char* name;
  int code;
  bool shift;
};
const Key kKeys[] = {{"down", kTextDown, false},        {"right", kTextRight, false},
                     {"end", kTextEnd, false},          {"del", kTextDelete, false},
                     {"ctrl+a", kTextSelectAll, false}, {"ctrl+v", kTextPaste, false},
                     {"shift+right", kTextRight, true}};

class TextBoxRows : public ::testing::Test {
 protected:
  fs::path dir;
  GuiWin* box = nullptr;

  void SetUp() override {
    dir = TestScratchDir("scratch_");
    Logger.gsFileLog = (dir / "log.txt").string();
    ModeWords.ProgMode = kModeStart;  // typing reaches the boxes on the start screen only
  }
  void TearDown() override {
    Gui_DestroyTree();
    Plat_Shutdown();
    unsetenv("TOLV_SCRIPT");
  }

  // The platform anew, whose dialogs answer with the row's files and then the save's; the upper
  // box as the start screen builds it, loaded from its own file and focused.
  void Start(const Row& r) {
    std::string script;
    for (int i = 0; i < 2 && r.opened[i]; i++) {
      const fs::path p = dir / ("opened" + std::to_string(i) + ".txt");
      WriteAll(p, r.opened[i]);
      script += "file " + p.string() + "\n";
    }
    fs::remove(dir / "saved.txt");
    fs::remove(dir / "log.txt");
    WriteAll(dir / "script.txt", script + "file " + (dir / "saved.txt").string() + "\n");
    Plat_Shutdown();
    setenv("TOLV_VIDEO", "headless", 1);
    setenv("TOLV_SCRIPT", (dir / "script.txt").c_str(), 1);
    ASSERT_EQ(Plat_Init(), 1);
    WriteAll(dir / "own.txt", "own\n");
    Gui_DestroyTree();
    Gui_InitRoot(800, 600);
    box = Gui_New(&GuiTree.GuiRoot, TextBox_Draw, TextBox_OnClick, 0, 0, 1, 0.5f, kAnchorBottomLeft, 0);
    box->listHolder = GuiList_LoadTxt((dir / "own.txt").string(), 1);
    Gui_SetStateTree(box, 1, 1);
    box->textBoxFlag = 1;
    box->visibleRows = box->h / kTextRowHeight;  // as its draw counts them
    TextBoxes.TextBoxFocused = box;
    TextBoxes.TextBoxCaret = TextBoxCaretRec{};
  }

  void Press(const std::string& token) {
    if (token == "open") return TextWin_OpenFile(box);
    for (const Key& k : kKeys)
      if (token == k.name) {
        KeyCmds.KeyDownTable[VK_SHIFT] = k.shift;
        textEditStream(box, 0, k.code);
        KeyCmds.KeyDownTable[VK_SHIFT] = 0;
        return;
      }
    for (unsigned char c : token) textEditStream(box, c, 0);
  }
};

TEST_F(TextBoxRows, LineEndsStaleSelectionsAndPastesAtTheCaret) {
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.keys);
    Start(r);
    if (*r.clip) Plat_ClipboardSetText(r.clip, (int)std::string(r.clip).size());
    std::istringstream keys(r.keys);
    for (std::string token; keys >> token;) Press(token);
    TextWin_SaveFile(box);
    EXPECT_EQ(ReadAll(dir / "saved.txt"), r.saved);
    const std::string log = ReadAll(dir / "log.txt");
    EXPECT_NE(log.find(r.log), std::string::npos) << log;
  }
}

}  // namespace
