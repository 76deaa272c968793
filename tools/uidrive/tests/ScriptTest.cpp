// Reading scripts: what each line becomes, and the lines refused before the
// program starts, with the line number and the reason.
#include <gtest/gtest.h>

#include "platform/win/VirtualKeys.h"
#include "tools/uidrive/Script.h"
#include "tools/uidrive/ScriptRunner.h"

namespace {

using uidrive::EScriptError;
using uidrive::ParseScript;
using uidrive::TPointSpec;
using TKind = uidrive::TPointSpec::TKind;

TEST(ScriptTest, CommandsWithTheirWordsPointsKeysAndTexts) {
  const auto commands = ParseScript(
      "# a comment\n"
      "\n"
      "  wait TfmZorbitMain\r\n"
      "wait TfmSetBootOptions 5\n"
      "click listboxBootSequence #2\n"
      "click grid #1,3\n"
      "click lbBootOptions 10,-4\n"
      "click btnUp\n"
      "drag listboxBootSequence #0 #3\n"
      "key - Shift+Tab\n"
      "type edtTag   two  blanks before, one after \n"
      "print\n"
      "cells grid 4\n");
  ASSERT_EQ(commands.size(), 11u);
  EXPECT_EQ(commands[0].Line, 3);
  EXPECT_EQ(commands[0].Verb, "wait");
  EXPECT_EQ(commands[0].Seconds, 30);
  EXPECT_EQ(commands[1].Seconds, 5);

  const struct {
    size_t Command;
    TKind Kind;
    int A, B;
  } points[] = {{2, TKind::Item, 2, 0}, {3, TKind::Cell, 1, 3}, {4, TKind::Client, 10, -4}, {5, TKind::Centre, 0, 0}};
  for (const auto& p : points) {
    const TPointSpec& point = commands[p.Command].Points.at(0);
    EXPECT_EQ(point.Kind, p.Kind) << p.Command;
    EXPECT_EQ(point.A, p.A) << p.Command;
    EXPECT_EQ(point.B, p.B) << p.Command;
  }
  ASSERT_EQ(commands[6].Points.size(), 2u);
  EXPECT_EQ(commands[6].Points[1].A, 3);

  EXPECT_EQ(commands[7].Key.Key, plat::VK_TAB);
  EXPECT_EQ(commands[7].Key.Modifiers, std::vector<unsigned>{plat::VK_SHIFT});
  EXPECT_EQ(commands[8].Args, (std::vector<std::string>{"edtTag", "  two  blanks before, one after "}));
  EXPECT_TRUE(commands[9].Args.empty());
  EXPECT_EQ(commands[10].Args, (std::vector<std::string>{"grid", "4"}));
}

TEST(ScriptTest, DropsTakeAPointAKindAndTheRestOfTheLine) {
  const auto commands = ParseScript("drop grid #1,2 files /tmp/a b.csv|/tmp/c\ndrop edt 3,4 text  two words\n");
  ASSERT_EQ(commands.size(), 2u);
  EXPECT_EQ(commands[0].Args, (std::vector<std::string>{"grid", "#1,2", "files", "/tmp/a b.csv|/tmp/c"}));
  EXPECT_EQ(commands[0].Points.at(0).Kind, TKind::Cell);
  EXPECT_EQ(commands[1].Args.back(), " two words");
  EXPECT_EQ(commands[1].Points.at(0).Kind, TKind::Client);
}

TEST(ScriptTest, KeysByNameInAnyCase) {
  const struct {
    const char* Name;
    unsigned Key;
    std::vector<unsigned> Modifiers;
  } cases[] = {
      {"F1", plat::VK_F1, {}},
      {"f12", plat::VK_F12, {}},
      {"ENTER", plat::VK_RETURN, {}},
      {"Escape", plat::VK_ESCAPE, {}},
      {"down", plat::VK_DOWN, {}},
      {"a", 'A', {}},
      {"7", '7', {}},
      {"Ctrl+Alt+Delete", plat::VK_DELETE, {plat::VK_CONTROL, plat::VK_MENU}},
      {"ctrl", plat::VK_CONTROL, {}},
      {"Ctrl+Shift", plat::VK_SHIFT, {plat::VK_CONTROL}},
  };
  for (const auto& c : cases) {
    const uidrive::TKeySpec key = uidrive::ParseKey(c.Name);
    EXPECT_EQ(key.Key, c.Key) << c.Name;
    EXPECT_EQ(key.Modifiers, c.Modifiers) << c.Name;
  }
}

TEST(ScriptTest, BadLinesAreRefusedWithTheirNumberAndReason) {
  const struct {
    const char* Script;
    const char* Message;
  } cases[] = {
      {"wait A\nfrobnicate x\n", "line 2: unknown command \"frobnicate\""},
      {"wait\n", "line 1: wait needs at least 1 argument"},
      {"wait A 0\n", "line 1: not a number of seconds: \"0\""},
      {"wait A soon\n", "line 1: not a number of seconds: \"soon\""},
      {"text a b\n", "line 1: text takes at most 1 argument"},
      {"click list #x\n", "line 1: not a point: \"#x\" (#item, #column,row or x,y)"},
      {"click list #-1\n", "line 1: not a point: \"#-1\" (#item, #column,row or x,y)"},
      {"click list 3\n", "line 1: not a point: \"3\" (#item, #column,row or x,y)"},
      {"drag list #1\n", "line 1: drag needs at least 3 arguments"},
      {"drop list #1 text\n", "line 1: drop needs a text"},
      {"drop list 5,5 image x\n", "line 1: not a kind of drop: \"image\" (text, files or rtf)"},
      {"drop list here text x\n", "line 1: not a point: \"here\" (#item, #column,row or x,y)"},
      {"key - F13\n", "line 1: not a key name: \"F13\""},
      {"key - Hyper+A\n", "line 1: not a modifier key: \"hyper\""},
      {"type edtTag\n", "line 1: type needs a text"},
      {"screenshot\n", "line 1: screenshot needs a file name"},
      {"cells grid -1\n", "line 1: not a row: \"-1\""},
      {"quit now\n", "line 1: quit takes at most 0 arguments"},
  };
  for (const auto& c : cases) {
    try {
      ParseScript(c.Script);
      ADD_FAILURE() << c.Script << ": accepted";
    } catch (const EScriptError& e) {
      EXPECT_STREQ(e.what(), c.Message) << c.Script;
    }
  }
}

TEST(ScriptTest, TextsAreWrittenOnOneLine) {
  EXPECT_EQ(uidrive::EscapedText("a\\b\nc\rd\te"), "a\\\\b\\nc\\rd\\te");
  EXPECT_EQ(uidrive::EscapedText("1st HDD"), "1st HDD");
}

}  // namespace
