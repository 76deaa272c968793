#pragma once
// A fresh, uniquely named folder under the system's temporary folder (TMPDIR),
// removed with everything in it when the object goes. Each object gets its
// own folder, so tests running at the same time in several processes never
// share one.
//
//   TTempFolder folder;
//   const std::string ini = folder.Write("a.ini", "[S]\nK=V\n");
//   EXPECT_EQ(folder.Read("a.ini"), "[S]\nK=V\n");
//
// Throws std::runtime_error when the folder cannot be made.
#include <string>

namespace zorbit::testing {

class TTempFolder {
 public:
  // Prefix starts the folder's name ("<Prefix>-XXXXXX"), to tell at a glance
  // which test left a folder behind after a crash.
  explicit TTempFolder(const std::string& Prefix = "zorbit-test");
  ~TTempFolder();
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  // The folder, without a trailing "/".
  const std::string& Path() const { return FPath; }
  // The path of Name inside the folder (Name may hold sub-folders).
  std::string File(const std::string& Name) const { return FPath + "/" + Name; }
  // Writes Content as the whole file Name, making its sub-folders; answers its path.
  std::string Write(const std::string& Name, const std::string& Content) const;
  // The whole content of the file Name; empty when it cannot be read.
  std::string Read(const std::string& Name) const;

 private:
  std::string FPath;
};

}  // namespace zorbit::testing
