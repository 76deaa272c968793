// Folder handles on real folders, files and symbolic links: links are never
// followed when entering, creating or removing.
#include "platform/rtl/FolderHandle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "testing/TempFolder.h"
#include "platform/rtl/FileHandles.h"
#include "platform/rtl/LastError.h"

namespace {

using namespace plat;
namespace fs = std::filesystem;

class FolderHandleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(Dir.File("target"));
    fs::create_directories(Dir.File("elsewhere"));
    Dir.Write("elsewhere/victim", "precious");
    fs::create_directory_symlink(Dir.File("elsewhere"), Dir.File("target/linked"));
    fs::create_symlink(Dir.File("elsewhere/victim"), Dir.File("target/file-link"));
    Dir.Write("target/plain", "plain");
    Folder = TFolderHandle::Open(Dir.File("target"));
    ASSERT_NE(Folder, nullptr);
  }

  zorbit::testing::TTempFolder Dir;
  std::unique_ptr<TFolderHandle> Folder;
};

TEST_F(FolderHandleTest, ListsItsEntries) {
  EXPECT_EQ(Folder->Path(), Dir.File("target/"));
  std::vector<String> names;
  ASSERT_TRUE(Folder->List(names));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<String>{"file-link", "linked", "plain"}));
  EXPECT_EQ(TFolderHandle::Open(""), nullptr);
  EXPECT_EQ(TFolderHandle::Open(Dir.File("target/plain")), nullptr);
}

TEST_F(FolderHandleTest, SubfoldersAreMadeAndEnteredButLinksAndFilesAreNot) {
  const auto made = Folder->OpenFolder("sub", true);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->Path(), Dir.File("target/sub/"));
  EXPECT_TRUE(fs::is_directory(Dir.File("target/sub")));
  EXPECT_NE(Folder->OpenFolder("sub", false), nullptr);
  EXPECT_EQ(Folder->OpenFolder("missing", false), nullptr);
  for (const char* name : {"linked", "plain", "file-link"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Folder->OpenFolder(name, true), nullptr);
  }
  for (const char* name : {"", ".", "..", "a/b"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Folder->OpenFolder(name, true), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_NAME);
  }
}

TEST_F(FolderHandleTest, NewFilesNeverReplaceAnEntryNorFollowALink) {
  const int handle = Folder->CreateFile("new");
  ASSERT_GE(handle, 0);
  EXPECT_EQ(FileWrite(handle, "abc", 3), 3);
  EXPECT_TRUE(FileClose(handle));
  EXPECT_EQ(Dir.Read("target/new"), "abc");
  for (const char* name : {"new", "plain", "file-link", "linked"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Folder->CreateFile(name), -1);
  }
  EXPECT_EQ(Dir.Read("elsewhere/victim"), "precious");
  EXPECT_EQ(Dir.Read("target/plain"), "plain");
}

TEST_F(FolderHandleTest, RemovingALinkLeavesWhatItPointsAt) {
  EXPECT_TRUE(Folder->DeleteFile("file-link"));
  EXPECT_FALSE(Folder->RemoveDir("linked"));  // a link is no folder
  EXPECT_TRUE(Folder->DeleteFile("linked"));
  EXPECT_FALSE(Folder->DeleteFile("missing"));
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(Dir.Read("elsewhere/victim"), "precious");
  ASSERT_NE(Folder->OpenFolder("empty", true), nullptr);
  EXPECT_TRUE(Folder->RemoveDir("empty"));
  EXPECT_FALSE(fs::exists(Dir.File("target/empty")));
}

TEST_F(FolderHandleTest, PrivateFoldersAreNewAndOnlyTheOwnersAndTreesGoWithoutFollowingLinks) {
  const String first = CreatePrivateFolder(Dir.Path(), "pool-");
  const String second = CreatePrivateFolder(Dir.Path(), "pool-");
  ASSERT_FALSE(first.empty());
  EXPECT_NE(first, second);
  EXPECT_EQ(first.rfind(Dir.File("pool-"), 0), 0u);
  EXPECT_EQ(first.back(), '/');
  EXPECT_EQ(fs::symlink_status(first).permissions() & fs::perms::all, fs::perms::owner_all);
  EXPECT_EQ(CreatePrivateFolder(Dir.File("none"), "pool-"), "");

  EXPECT_TRUE(DeleteTree(Dir.File("target")));
  EXPECT_FALSE(fs::exists(Dir.File("target")));
  EXPECT_EQ(Dir.Read("elsewhere/victim"), "precious");
  EXPECT_TRUE(DeleteTree(first));
  EXPECT_FALSE(fs::exists(first));
}

}  // namespace
