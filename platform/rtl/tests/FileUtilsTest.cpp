#include "platform/rtl/FileUtils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/LastError.h"
#include "testing/TempFolder.h"

namespace plat {
namespace {

using zorbit::testing::TTempFolder;

TEST(Files, ExistenceCreateRemoveRename) {
  TTempFolder dir;
  const String root = dir.Path() + "/";
  const String file = dir.Write("f.txt", "hello");
  // Backslashes and doubled delimiters reach the same file.
  String windowsStyle = root + "f.txt";
  std::replace(windowsStyle.begin(), windowsStyle.end(), '/', '\\');
  EXPECT_TRUE(FileExists(windowsStyle));
  EXPECT_TRUE(FileExists(root + "/f.txt"));
  EXPECT_FALSE(FileExists(root));
  EXPECT_TRUE(DirectoryExists(root));
  EXPECT_FALSE(DirectoryExists(file));
  EXPECT_EQ(FileSize(file), 5);
  EXPECT_EQ(FileSize(root + "none"), -1);

  EXPECT_TRUE(ForceDirectories(root + "a\\b\\\\c"));
  EXPECT_TRUE(DirectoryExists(root + "a/b/c"));
  EXPECT_TRUE(ForceDirectories(root + "a/b/c/"));
  EXPECT_FALSE(ForceDirectories(file + "/sub"));
  EXPECT_FALSE(CreateDir(root + "a"));
  EXPECT_FALSE(RemoveDir(root + "a"));  // not empty
  EXPECT_TRUE(RemoveDir(root + "a/b/c"));

  const String other = dir.Write("g.txt", "x");
  EXPECT_FALSE(RenameFile(file, other));  // an existing target is kept
  EXPECT_EQ(dir.Read("g.txt"), "x");
  EXPECT_TRUE(RenameFile(file, root + "h.txt"));
  EXPECT_FALSE(FileExists(file));
  EXPECT_FALSE(DeleteFile(root + "a"));  // folders are not files
  EXPECT_TRUE(DeleteFile(root + "h.txt"));
  EXPECT_FALSE(DeleteFile(root + "h.txt"));
}

TEST(Files, FailuresSetTheLastError) {
  TTempFolder dir;
  const String root = dir.Path() + "/";
  const String file = dir.Write("f.txt", "x");
  ASSERT_TRUE(CreateDir(root + "full"));
  dir.Write("full/inner.txt", "y");
  struct Case {
    const char* What;
    std::function<bool()> Call;
    DWORD Error;
  };
  const std::vector<Case> cases{
      {"folder exists", [&] { return CreateDir(root + "full"); }, ERROR_ALREADY_EXISTS},
      {"parent missing", [&] { return CreateDir(root + "none/sub"); }, ERROR_PATH_NOT_FOUND},
      {"parent is a file", [&] { return CreateDir(file + "/sub"); }, ERROR_PATH_NOT_FOUND},
      {"folder not empty", [&] { return RemoveDir(root + "full"); }, ERROR_DIR_NOT_EMPTY},
      {"folder missing", [&] { return RemoveDir(root + "none"); }, ERROR_FILE_NOT_FOUND},
      {"delete a folder", [&] { return DeleteFile(root + "full"); }, ERROR_ACCESS_DENIED},
      {"delete a missing file", [&] { return DeleteFile(root + "none"); }, ERROR_FILE_NOT_FOUND},
      {"rename onto a file", [&] { return RenameFile(file, root + "full/inner.txt"); }, ERROR_ALREADY_EXISTS},
      {"rename a missing file", [&] { return RenameFile(root + "none", root + "g"); }, ERROR_FILE_NOT_FOUND},
      {"change to a missing folder", [&] { return SetCurrentDir(root + "none"); }, ERROR_FILE_NOT_FOUND},
      {"force folders below a file", [&] { return ForceDirectories(file + "/sub"); }, ERROR_ALREADY_EXISTS},
      {"force no folder", [&] { return ForceDirectories(""); }, ERROR_INVALID_PARAMETER},
  };
  for (const Case& c : cases) {
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(c.Call()) << c.What;
    EXPECT_EQ(GetLastError(), c.Error) << c.What;
  }
  EXPECT_EQ(dir.Read("full/inner.txt"), "y");

  // The date setter answers the number it sets.
  EXPECT_EQ(FileSetDate(root + "none", 45000), static_cast<int>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(FileSetDate(file, std::nan("")), static_cast<int>(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(Files, AgeAndSetDate) {
  TTempFolder dir;
  const String file = dir.Write("f.txt", "x");
  const TDateTime when = EncodeDate(2021, 6, 7) + EncodeTime(8, 9, 10, 0);
  ASSERT_EQ(FileSetDate(file, when), 0);
  TDateTime age = 0;
  ASSERT_TRUE(FileAge(file, age));
  EXPECT_NEAR(age, when, 0.5 / SecsPerDay);
  EXPECT_FALSE(FileAge(dir.File("missing"), age));
  EXPECT_NE(FileSetDate(dir.File("missing"), when), 0);
}

TEST(Files, MasksMatchWithoutCase) {
  struct Case {
    String Name, Mask;
    bool Match;
  };
  for (const Case& c : std::vector<Case>{{"Logo.BMP", "*.bmp", true},
                                         {"strtabEnglish.ini", "STRTAB*", true},
                                         {"strtab", "strtab*", true},
                                         {"xstrtab", "strtab*", false},
                                         {"a.b.c", "*.c", true},
                                         {"abc", "a?c", true},
                                         {"ac", "a?c", false},
                                         {"noext", "*.*", true},
                                         {"\xC3\x84pfel.txt", "\xC3\xA4*", true},
                                         {"aaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*c", false}}) {
    EXPECT_EQ(MatchesMask(c.Name, c.Mask), c.Match) << c.Name << " ~ " << c.Mask;
  }
}

TEST(Files, FindFirstListsMatchingEntries) {
  TTempFolder dir;
  dir.Write("B.BMP", "12");
  dir.Write("a.bmp", "1");
  dir.Write("c.jpg", "1");
  dir.Write(".hidden.bmp", "1");
  ASSERT_TRUE(CreateDir(dir.File("sub.bmp")));

  auto find = [&](const String& mask, int attr) {
    std::vector<String> names;
    TSearchRec rec;
    for (int r = FindFirst(dir.File(mask), attr, rec); r == 0; r = FindNext(rec)) {
      names.push_back(rec.Name);
    }
    FindClose(rec);
    return names;
  };
  EXPECT_EQ(find("*.bmp", faAnyFile & ~faDirectory & ~faHidden), (std::vector<String>{"a.bmp", "B.BMP"}));
  EXPECT_EQ(find("*.BMP", faAnyFile), (std::vector<String>{".hidden.bmp", "a.bmp", "B.BMP", "sub.bmp"}));
  EXPECT_TRUE(find("*.png", faAnyFile).empty());

  TSearchRec rec;
  String backslashed = dir.File("b.bmp");
  std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
  ASSERT_EQ(FindFirst(backslashed, 0, rec), 0);
  EXPECT_EQ(rec.Name, "B.BMP");
  EXPECT_EQ(rec.Size, 2);
  EXPECT_EQ(rec.Attr & faDirectory, 0);
  EXPECT_GT(rec.Time, EncodeDate(2000, 1, 1));
  EXPECT_EQ(FindNext(rec), static_cast<int>(ERROR_NO_MORE_FILES));
  FindClose(rec);
  EXPECT_EQ(FindFirst(dir.File("*.png"), faAnyFile, rec), static_cast<int>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(FindFirst(dir.File("nowhere/*"), faAnyFile, rec), static_cast<int>(ERROR_PATH_NOT_FOUND));
  EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

TEST(Files, FindFileNoCase) {
  TTempFolder dir;
  ASSERT_TRUE(ForceDirectories(dir.File("Resources/English")));
  dir.Write("Resources/English/StrTab.INI", "x");
  EXPECT_EQ(FindFileNoCase(dir.File("resources\\ENGLISH\\strtab.ini")), dir.File("Resources/English/StrTab.INI"));
  EXPECT_EQ(FindFileNoCase(dir.File("Resources/English/StrTab.INI")), dir.File("Resources/English/StrTab.INI"));
  EXPECT_EQ(FindFileNoCase(dir.File("resources/")), dir.File("Resources/"));
  EXPECT_EQ(FindFileNoCase(dir.File("resources/missing.ini")), "");
  EXPECT_EQ(FindFileNoCase(""), "");
}

TEST(Files, TempAndCurrentDir) {
  const String temp = GetTempDir();
  EXPECT_EQ(temp.back(), '/');
  EXPECT_TRUE(DirectoryExists(temp));
  TTempFolder dir;
  const String previous = GetCurrentDir();
  ASSERT_TRUE(SetCurrentDir(dir.Path()));
  EXPECT_TRUE(FileExists(dir.Write("here.txt", "x")));
  EXPECT_TRUE(FileExists("here.txt"));
  ASSERT_TRUE(SetCurrentDir(previous));
}

}  // namespace
}  // namespace plat
