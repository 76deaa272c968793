#include "platform/rtl/Paths.h"

#include <gtest/gtest.h>

#include "platform/rtl/FileUtils.h"

namespace plat {
namespace {

struct PathCase {
  String Input;
  String Path, Dir, Name, Ext;
};

TEST(Paths, ExtractPartsWithEitherDelimiter) {
  const std::vector<PathCase> cases = {
      {"/a/b/c.txt", "/a/b/", "/a/b", "c.txt", ".txt"},
      {"\\Ovra\\Quilmo\\pack.lpk", "/Ovra/Quilmo/", "/Ovra/Quilmo", "pack.lpk", ".lpk"},
      {"a\\\\b//c.tar.gz", "a/b/", "a/b", "c.tar.gz", ".gz"},
      {"name", "", "", "name", ""},
      {"/top", "/", "/", "top", ""},
      {"dir.d/file", "dir.d/", "dir.d", "file", ""},
      {"a/.hidden", "a/", "a", ".hidden", ".hidden"},
      {"a/b/", "a/b/", "a/b", "", ""},
  };
  for (const PathCase& c : cases) {
    EXPECT_EQ(ExtractFilePath(c.Input), c.Path) << c.Input;
    EXPECT_EQ(ExtractFileDir(c.Input), c.Dir) << c.Input;
    EXPECT_EQ(ExtractFileName(c.Input), c.Name) << c.Input;
    EXPECT_EQ(ExtractFileExt(c.Input), c.Ext) << c.Input;
  }
}

TEST(Paths, NormalizeChangeExtAndDelimiters) {
  EXPECT_EQ(NormalizePath("\\\\a\\/b\\"), "/a/b/");
  EXPECT_EQ(NormalizePath(""), "");
  EXPECT_EQ(ChangeFileExt("a\\b.txt", ".bak"), "a/b.bak");
  EXPECT_EQ(ChangeFileExt("a.d/b", ".x"), "a.d/b.x");
  EXPECT_EQ(ChangeFileExt("b.txt", ""), "b");
  EXPECT_EQ(IncludeTrailingPathDelimiter("a\\b"), "a/b/");
  EXPECT_EQ(IncludeTrailingPathDelimiter("a/b//"), "a/b/");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("a\\b\\\\"), "a/b");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("/"), "/");
}

TEST(Paths, ExpandFileName) {
  EXPECT_EQ(ExpandFileName("/a/./b/../c"), "/a/c");
  EXPECT_EQ(ExpandFileName("\\a\\\\b\\"), "/a/b/");
  EXPECT_EQ(ExpandFileName("/../.."), "/");
  EXPECT_EQ(ExpandFileName("x/y"), IncludeTrailingPathDelimiter(GetCurrentDir()) + "x/y");
}

}  // namespace
}  // namespace plat
