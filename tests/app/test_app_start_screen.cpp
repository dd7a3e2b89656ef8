// The start screen of the whole program, headless: a text-box session through the script (typing,
// the window drag's Backspace kept out of the text, selection by keys and mouse, copy and paste,
// delete, save, open) checked by the bytes of the files it saves; the column a click gives the
// caret and a click below the last row of the other box; the buttons to play and back; the picture
// at two window sizes, one against its golden copy. The rules of line ends, stale selections and
// pastes at the caret are tests/gui/test_text_box.cpp's.
#include "app_run.h"
#include "picture.h"

namespace {

using namespace at800;

// The rows of the upper text box at 800 x 600: row r's middle at y 295 + 18 r, its text from x 21.

TEST_F(AppRun, ATextBoxSessionEditsSavesAndOpensItsText) {
  WriteAll(dir / "in.txt", "aaaaa\nbbbbb\nccccc\nddddd\n");
  const std::string script =
      "answer no\nwait 3\n" + FileBy("in.txt", kOpen, 2) +
      "click left 49 313\nwait 1\n"  // row 1, between the third and fourth letter
      // The window drag (right button + Backspace, auto-repeat too) rubs out nothing.
      "press right 790 500\ndown Backspace\nchar 0x08\nwait 1\nchar 0x08\nchar 0x08\nwait 2\n"
      "up Backspace\nrelease right\nwait 1\n"
      "type X\nchar 230\nwait 1\n"  // Latin and Cyrillic: bbbX\xE6bb, the caret at 5
      "down Shift\nkey Down\nwait 5\nkey Down\nwait 5\nup Shift\n"  // select from (1,5) to (3,5)
      "down Ctrl\nkey C\nup Ctrl\nwait 1\n"         // bb, ccccc, ddddd with CR LF after each
      "key Del\nwait 1\n"                           // rows aaaaa, bbbX\xE6; the caret after \xE6
      "down Ctrl\nkey V\nup Ctrl\nwait 1\n"         // back again, the caret on a new empty row 4
      "type 1\nmsg 258 8 0\nmsg 258 8 0\nwait 1\n"  // typed and rubbed out; the empty row joins up
      "msg 258 13 0\ntype e:\nwait 1\n"             // a new row after ddddd; ':' types '^'
      "key Home\nwait 1\ndown Shift\nkey Right\nwait 1\nup Shift\n"  // select both letters
      "type Z\nwait 1\n" +                                           // typing replaces the selection
      FileBy("out.txt", kTextSave, 1) +
      "click left 300 100\nwait 1\n" +  // the first click on the lower box only focuses it
      FileBy("out.txt", kOpen, 1) + FileBy("out2.txt", kTextSave, 1) +
      FileBy("cancel", kTextSave, 1) +  // a cancelled save writes nothing
      "shot end.bmp\nclose\n";
  ASSERT_EQ(Run(script), 0) << ReadAll(dir / "run.out");
  EXPECT_EQ(ReadAll(dir / "out.txt"),
            "aaaaa\nbbbX\xE6"
            "bb\nccccc\nddddd\nZ\n");
  EXPECT_EQ(ReadAll(dir / "out2.txt"), ReadAll(dir / "out.txt"));  // no row more, none less
  EXPECT_EQ(BmpSize(dir / "end.bmp"), std::make_pair(800, 600));   // the run went on to the end
  EXPECT_FALSE(fs::exists(dir / "out.txt.tmp~"));
}

TEST_F(AppRun, AClickGivesTheCaretItsColumnAndBelowTheLastRowTheLastRow) {
  WriteAll(dir / "five.txt", "aaaaa\nbbbbb\nc\nddddd\neeeee\n");
  const std::string script =
      "answer no\nwait 3\n" + FileBy("five.txt", kOpen, 2) +
      "click left 49 313\nwait 1\n"                // row 1, column 3: the click remembers column 3
      "key Down\nwait 5\nkey Down\nwait 5\n"       // over the one letter of row 2, back to column 3
      "down Shift\nkey Right\nwait 1\nup Shift\n"  // columns 3 and 4 of row 3 selected
      "type Z\nwait 1\n" +                         // typed over them
      FileBy("out1.txt", kTextSave, 1) +
      // The designer's notes (three rows from y 31) clicked below their last row: the first click
      // only focuses the box, whose caret stands at its start; the next puts it on the last row.
      "click left 300 150\nwait 1\ntype A\nwait 1\nclick left 300 150\nwait 1\ntype B\nwait 1\n" +
      FileBy("notes.txt", kTextSave, 1) + "close\n";
  ASSERT_EQ(Run(script), 0) << ReadAll(dir / "run.out");
  EXPECT_EQ(ReadAll(dir / "out1.txt"), "aaaaa\nbbbbb\nc\ndddZ\neeeee\n");
  const std::string notes = ReadAll(dir / "uni_files" / "res" / "_scr.txt");
  ASSERT_EQ(notes.substr(notes.size() - 6), "\ntolv\n");
  EXPECT_EQ(ReadAll(dir / "notes.txt"), "A" + notes.substr(0, notes.size() - 1) + "B\n");
}

TEST_F(AppRun, PlayTestAndEditorLeaveTheStartScreenAndEscComesBack) {
  // PlayTest shows play's screen (its top strip alone for now), whose Esc returns; Editor the
  // editor's.
  ASSERT_EQ(Run("answer no\nwait 3\nshot start.bmp\nclick left 750 124\nwait 2\nshot play.bmp\n"
                "click left 684 12\nwait 2\nshot back.bmp\nclick left 750 145\nwait 2\nshot "
                "editor.bmp\nclose\n"),
            0)
      << ReadAll(dir / "run.out");
  const Picture start = ReadBmp((dir / "start.bmp").string()),
                play = ReadBmp((dir / "play.bmp").string());
  const Picture back = ReadBmp((dir / "back.bmp").string()),
                editor = ReadBmp((dir / "editor.bmp").string());
  Picture diff;
  EXPECT_GT(PicDiff(start, play, 16, &diff), 100000);  // the text windows are gone
  EXPECT_LT(PicDiff(start, back, 16, &diff), 2000);    // the start screen again
  EXPECT_GT(PicDiff(start, editor, 16, &diff), 100000);
}

TEST_F(AppRun, TheStartScreenLooksAsItsGoldenPicture) {
  ASSERT_EQ(Run("answer no\nwait 30\nshot start.bmp\nclose\n"), 0);
  ASSERT_EQ(Run("answer yes\nwait 30\nshot s1024.bmp\nclose\n"), 0);
  EXPECT_EQ(BmpSize(dir / "s1024.bmp"), std::make_pair(1024, 768));
  ExpectGolden(dir, "start");
}

}  // namespace
