// The script runner inside a loop of this process: a window of the standard
// controls and both string grids, driven, read and closed by a script
// stepping on the window layer's timer, its output checked line by line; a
// failing command and a program that ends first.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "platform/os/Launcher.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/TCustomListBox.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TStringGrid.h"
#include "platform/ui/TTimer.h"
#include "platform/win/Clipboard.h"
#include "platform/win/DragDrop.h"
#include "platform/win/DropFiles.h"
#include "platform/win/GlobalText.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "testing/FormTest.h"
#include "testing/WaitUntil.h"
#include "tools/uidrive/Script.h"
#include "tools/uidrive/ScriptRunner.h"

namespace {

class ScriptRunnerTest : public zorbit::testing::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    FForm = new plat::TForm(plat::Application);
    FForm->SetBounds(100, 100, 500, 400);
    FButton = Place(new plat::TButton(FForm), "btnGo", {10, 10, 80, 25});
    FButton->SetCaption("Go");
    FButton->OnClick = [this](plat::TObject*) {
      ++FClicks;
      plat::ProgramLauncher().OpenDocument("/help/topic one.htm");
      plat::ProgramLauncher().StartProgram({"/bin/viewer", "a\tb"}, "/");
    };
    FEdit = Place(new plat::TEdit(FForm), "edtName", {10, 40, 150, 22});
    FList = Place(new plat::TListBox(FForm), "lstItems", {10, 70, 150, 80});
    for (const char* item : {"a", "b\tc", "d"}) FList->Items()->Add(item);
    auto* plain = Place(new plat::TStringGrid(FForm), "grdPlain", {170, 10, 300, 100});
    plain->SetColCount(2);
    plain->SetRowCount(2);
    plain->SetCells(1, 1, "one\\one");
    auto* ext = Place(new zorbit::TExtStringGrid(FForm), "grdExt", {170, 120, 300, 200});
    ext->SetColCount(3);
    ext->SetCells(2, 1, "<b>bold</b>");
    auto* timer = new plat::TTimer(FForm);
    timer->SetName("tmrTick");
    timer->SetEnabled(false);
    timer->SetInterval(250);
    FForm->Show();
    Pump();
  }

  struct TBounds {
    int Left, Top, Width, Height;
  };
  template <typename T>
  T* Place(T* Control, const char* Name, TBounds Bounds) {
    Control->SetName(Name);
    Control->SetParent(FForm);
    Control->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width, Bounds.Height);
    return Control;
  }

  // Steps the runner on the virtual clock until its output holds the line.
  bool RunUntil(uidrive::TScriptRunner& Runner, const std::string& Line) {
    Runner.Start();
    return zorbit::testing::WaitUntil([&] {
      Clock().Advance(10);
      Pump();
      return FOut.str().find(Line + "\n") != std::string::npos;
    });
  }

  plat::TForm* FForm = nullptr;
  plat::TButton* FButton = nullptr;
  plat::TEdit* FEdit = nullptr;
  plat::TListBox* FList = nullptr;
  int FClicks = 0;
  std::ostringstream FOut;
};

TEST_F(ScriptRunnerTest, ClicksTypesAndReadsInTheLoop) {
  uidrive::TScriptRunner runner(uidrive::ParseScript("wait TForm\n"
                                                     "click btnGo\n"
                                                     "type edtName  Ann Lee\n"
                                                     "key edtName Shift+X\n"
                                                     "text edtName\n"
                                                     "launches\n"
                                                     "items lstItems\n"
                                                     "click lstItems #2\n"
                                                     "cells grdPlain\n"
                                                     "cells grdExt 1\n"
                                                     "prop btnGo Caption\n"
                                                     "prop btnGo Enabled\n"
                                                     "prop btnGo Tag\n"
                                                     "prop tmrTick Interval\n"
                                                     "windows\n"
                                                     "close\n"
                                                     "gone TForm\n"
                                                     "print done\n"),
                                FOut);
  ASSERT_TRUE(RunUntil(runner, "print: done")) << FOut.str();
  EXPECT_EQ(FOut.str(),
            "text:  Ann LeeX\n"
            "launch: document /help/topic one.htm\n"
            "launch: program /bin/viewer a\\tb\n"
            "item: a\n"
            "item: b\\tc\n"
            "item: d\n"
            "row: \t\n"
            "row: \tone\\\\one\n"
            "row: \t\t<b>bold</b>\n"
            "prop: Go\n"
            "prop: True\n"
            "prop: 0\n"
            "prop: 250\n"
            "window: TForm\n"
            "print: done\n");
  EXPECT_EQ(FClicks, 1);
  EXPECT_EQ(FList->ItemIndex(), 2);
  EXPECT_FALSE(FForm->Visible());
  EXPECT_EQ(runner.Finish(0), 0);
}

// Takes every drop and writes what it got.
class RecordingTarget final : public plat::TInterfacedObject<plat::IDropTarget> {
 public:
  explicit RecordingTarget(std::vector<std::string>& Got) : FGot(Got) {}
  plat::HRESULT DragEnter(plat::IDataObject*, plat::DWORD, plat::POINTL, plat::DWORD* Effect) override {
    *Effect = plat::DROPEFFECT_COPY;
    return plat::S_OK;
  }
  plat::HRESULT DragOver(plat::DWORD, plat::POINTL, plat::DWORD* Effect) override {
    *Effect = plat::DROPEFFECT_COPY;
    return plat::S_OK;
  }
  plat::HRESULT DragLeave() override { return plat::S_OK; }
  plat::HRESULT Drop(plat::IDataObject* Data, plat::DWORD, plat::POINTL, plat::DWORD* Effect) override {
    plat::FORMATETC files{plat::CF_HDROP}, text{plat::CF_TEXT};
    plat::FORMATETC rich{static_cast<plat::CLIPFORMAT>(plat::RegisterClipboardFormat("Rich Text Format"))};
    plat::STGMEDIUM medium;
    if (Data->GetData(&files, &medium) == plat::S_OK) {
      for (const plat::String& name : plat::DroppedFileNames(medium.hGlobal)) FGot.push_back("file " + name);
      plat::ReleaseStgMedium(&medium);
    }
    for (plat::FORMATETC* format : {&text, &rich})
      if (Data->GetData(format, &medium) == plat::S_OK) {
        FGot.push_back((format == &text ? "text " : "rtf ") + plat::GlobalNarrowText(medium.hGlobal));
        plat::ReleaseStgMedium(&medium);
      }
    *Effect = plat::DROPEFFECT_COPY;
    return plat::S_OK;
  }

 private:
  std::vector<std::string>& FGot;
};

TEST_F(ScriptRunnerTest, DropsPlayAnotherProgramsDropOnAControl) {
  plat::OleInitialize(nullptr);
  std::vector<std::string> got;
  ASSERT_EQ(plat::RegisterDragDrop(FEdit->Handle(),
                                   plat::InterfacePtr<plat::IDropTarget>(new RecordingTarget(got)).Get()),
            plat::S_OK);
  uidrive::TScriptRunner runner(uidrive::ParseScript("wait TForm\n"
                                                     "drop edtName 5,5 text dropped text\n"
                                                     "drop edtName 5,5 files /tmp/a b.csv|/tmp/c.xls\n"
                                                     "drop edtName 5,5 rtf {\\rtf1 x}\n"
                                                     "drop btnGo 5,5 text nobody takes it\n"
                                                     "print done\n"),
                                FOut);
  ASSERT_TRUE(RunUntil(runner, "print: done")) << FOut.str();
  EXPECT_EQ(FOut.str(), "drop: copy\ndrop: copy\ndrop: copy\ndrop: none\nprint: done\n");
  EXPECT_EQ(got, (std::vector<std::string>{"text dropped text", "file /tmp/a b.csv", "file /tmp/c.xls",
                                           "rtf {\\rtf1 x}"}));
  plat::RevokeDragDrop(FEdit->Handle());
  plat::OleUninitialize();
}

TEST_F(ScriptRunnerTest, AFailingCommandReportsItsLineAndLeavesTheRest) {
  const struct {
    const char* Script;
    const char* Error;
  } cases[] = {
      {"wait TForm\nclick btnNone\nprint never\n", "error: line 2: no component \"btnNone\" on TForm"},
      {"wait TForm\nclick tmrTick\n", "error: line 2: \"tmrTick\" (TTimer) on TForm is no control"},
      {"text edtName\n", "error: line 1: text before any wait: no window to address"},
      {"wait TForm\nclick lstItems #3\n", "error: line 2: \"lstItems\" (TListBox) has no item 3"},
      {"wait TForm\nitems btnGo\n", "error: line 2: \"btnGo\" (TButton) has no items"},
      {"wait TForm\ncells lstItems\n", "error: line 2: \"lstItems\" (TListBox) is no string grid"},
      {"wait TForm\ncells grdPlain 2\n", "error: line 2: \"grdPlain\" (TStringGrid) has 2 rows, no row 2"},
      {"wait TForm\nprop btnGo Font\n", "error: line 2: Font of \"btnGo\" (TButton) is no text, enumeration or number"},
      {"wait TForm\nprop btnGo Colour\n", "error: line 2: \"btnGo\" (TButton) publishes no readable Colour"},
      {"wait TForm\nscreenshot /nonexistent/folder/shot.png\n",
       "error: line 2: cannot write the screenshot /nonexistent/folder/shot.png"},
  };
  for (const auto& c : cases) {
    FOut.str("");
    uidrive::TScriptRunner runner(uidrive::ParseScript(c.Script), FOut);
    EXPECT_TRUE(RunUntil(runner, c.Error)) << FOut.str();
    EXPECT_EQ(FOut.str().find("never"), std::string::npos);
    EXPECT_EQ(runner.Finish(0), 1);
    // The failure asked the loops to end; the quit message is taken, so that
    // the next case's loop goes on.
    plat::MSG quit;
    EXPECT_TRUE(plat::PeekMessage(&quit, nullptr, plat::WM_QUIT, plat::WM_QUIT, plat::PM_REMOVE));
  }
}

TEST_F(ScriptRunnerTest, AProgramThatEndsFirstLeavesTheLineItStoppedAt) {
  uidrive::TScriptRunner runner(uidrive::ParseScript("# nothing ran\nwait TForm\n"), FOut);
  EXPECT_EQ(runner.Finish(0), 1);
  EXPECT_EQ(FOut.str(), "error: line 2: the program ended before this line\n");
}

}  // namespace
