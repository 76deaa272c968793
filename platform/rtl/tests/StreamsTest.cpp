#include "platform/rtl/Streams.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <memory>
#include <vector>

#include "platform/rtl/Exception.h"
#include "platform/rtl/LastError.h"
#include "testing/TempFolder.h"

namespace plat {
namespace {

using zorbit::testing::TTempFolder;

// The same checks run over every kind of stream.
void CheckReadWriteSeek(TStream& stream) {
  stream.WriteBuffer("hello world", 11);
  EXPECT_EQ(stream.Size(), 11);
  EXPECT_EQ(stream.Position(), 11);
  EXPECT_EQ(stream.Seek(-5, soFromEnd), 6);
  char buffer[16] = {};
  EXPECT_EQ(stream.Read(buffer, 100), 5);  // reading past the end gives what is there
  EXPECT_EQ(String(buffer, 5), "world");
  EXPECT_EQ(stream.Read(buffer, 1), 0);
  EXPECT_EQ(stream.Seek(-5, soFromCurrent), 6);
  stream.SetPosition(0);
  EXPECT_THROW(stream.ReadBuffer(buffer, 12), EReadError);
  stream.SetPosition(0);
  stream.ReadBuffer(buffer, 5);
  EXPECT_EQ(String(buffer, 5), "hello");
  EXPECT_EQ(stream.Read(buffer, -1), 0);
  stream.SetSize(4);
  EXPECT_EQ(stream.Size(), 4);
  EXPECT_LE(stream.Position(), 4);
}

TEST(Streams, MemoryStream) {
  TMemoryStream stream;
  CheckReadWriteSeek(stream);
  EXPECT_EQ(String(reinterpret_cast<const char*>(stream.Memory()), 4), "hell");
  // A seek before the start leaves the position alone.
  stream.SetPosition(2);
  EXPECT_EQ(stream.Seek(-10, soFromCurrent), 2);
  // Writing past the end fills the gap with zeros.
  stream.SetPosition(6);
  stream.WriteBuffer("!", 1);
  EXPECT_EQ(String(reinterpret_cast<const char*>(stream.Memory()), 7), String("hell\0\0!", 7));
  stream.Clear();
  EXPECT_EQ(stream.Size(), 0);
  EXPECT_EQ(stream.Position(), 0);
}

TEST(Streams, MemoryStreamRefusesAbsurdSizes) {
  TMemoryStream stream;
  EXPECT_THROW(stream.SetSize(-1), EStreamError);
  EXPECT_THROW(stream.SetSize(std::numeric_limits<Int64>::max()), EStreamError);
  EXPECT_THROW(stream.SetSize(Int64{1} << 31), EStreamError);
  stream.Seek(std::numeric_limits<Int64>::max() - 1, soFromBeginning);
  EXPECT_THROW(stream.WriteBuffer("xy", 2), EStreamError);
}

TEST(Streams, StringStream) {
  TStringStream stream("abc");
  EXPECT_EQ(stream.Size(), 3);
  EXPECT_EQ(stream.ReadString(2), "ab");
  EXPECT_EQ(stream.ReadString(100), "c");
  EXPECT_EQ(stream.ReadString(5), "");
  stream.WriteString("de");
  EXPECT_EQ(stream.DataString(), "abcde");
  TStringStream fresh;
  CheckReadWriteSeek(fresh);
  EXPECT_EQ(fresh.DataString(), "hell");
}

TEST(Streams, FileStreamModesAndErrors) {
  TTempFolder dir;
  const String name = dir.File("data.bin");
  {
    TFileStream stream(name, fmCreate);
    CheckReadWriteSeek(stream);
  }
  EXPECT_EQ(dir.Read("data.bin"), "hell");
  {
    TFileStream reader(name, fmOpenRead | fmShareDenyNone);
    EXPECT_EQ(reader.Size(), 4);
    EXPECT_EQ(reader.Write("x", 1), 0);  // opened for reading only
    EXPECT_THROW(reader.WriteBuffer("x", 1), EWriteError);
  }
  {
    TFileStream writer(name, fmOpenReadWrite);
    writer.Seek(0, soFromEnd);
    writer.WriteBuffer("o", 1);
  }
  EXPECT_EQ(dir.Read("data.bin"), "hello");
}

TEST(Streams, FileStreamOpenFailuresNameTheSystemsError) {
  TTempFolder dir;
  struct Case {
    String Name;
    Word Mode;
    DWORD Error;
    String Message;
  };
  for (const Case& c : std::vector<Case>{
           {dir.File("missing.bin"), fmOpenRead, ERROR_FILE_NOT_FOUND,
            "Cannot open file \"" + dir.Path() + "/missing.bin\". The system cannot find the file specified."},
           {dir.Path(), fmOpenRead, ERROR_ACCESS_DENIED,  // a folder is no file
            "Cannot open file \"" + dir.Path() + "\". Access is denied."},
           {dir.File("no/such/dir.bin"), fmCreate, ERROR_PATH_NOT_FOUND,
            "Cannot create file \"" + dir.Path() + "/no/such/dir.bin\". The system cannot find the path specified."}}) {
    SetLastError(ERROR_SUCCESS);
    try {
      TFileStream stream(c.Name, c.Mode);
      ADD_FAILURE() << c.Name;
    } catch (const EStreamError& e) {
      EXPECT_EQ(e.Message(), c.Message);
      EXPECT_EQ(GetLastError(), c.Error) << c.Name;
    }
  }
}

TEST(Streams, HandleStreamFailuresSetTheLastError) {
  TTempFolder dir;
  TFileStream stream(dir.File("data.bin"), fmCreate);
  stream.WriteBuffer("abc", 3);
  EXPECT_EQ(stream.Seek(-4, soFromCurrent), -1);
  EXPECT_EQ(GetLastError(), ERROR_NEGATIVE_SEEK);
  try {
    stream.SetSize(-1);
    FAIL();
  } catch (const EOSError& e) {
    EXPECT_EQ(e.ErrorCode(), ERROR_NEGATIVE_SEEK);
    EXPECT_EQ(GetLastError(), ERROR_NEGATIVE_SEEK);
  }
  EXPECT_EQ(stream.Size(), 3);

  // A device that is always full: nothing is stored, the write fails as on a full disk.
  TFileStream full("/dev/full", fmOpenWrite);
  SetLastError(ERROR_SUCCESS);
  EXPECT_THROW(full.WriteBuffer("x", 1), EWriteError);
  EXPECT_EQ(GetLastError(), ERROR_DISK_FULL);
}

TEST(Streams, CopyFromAndMemoryFiles) {
  TTempFolder dir;
  const String content(200000, 'z');
  TStringStream source(content);
  TMemoryStream copy;
  source.SetPosition(100);
  EXPECT_EQ(copy.CopyFrom(source, 0), 200000);  // 0 copies all from the start
  EXPECT_EQ(copy.Size(), 200000);
  copy.SaveToFile(dir.File("copy.bin"));
  source.SetPosition(0);
  EXPECT_THROW(copy.CopyFrom(source, 300000), EReadError);
  TMemoryStream loaded;
  loaded.LoadFromFile(dir.File("copy.bin"));
  EXPECT_EQ(loaded.Size(), 200000);
  EXPECT_EQ(loaded.Position(), 0);
  EXPECT_THROW(loaded.LoadFromFile(dir.File("none")), EFOpenError);
}

TEST(Streams, HandleStreamLeavesHandleOpen) {
  TTempFolder dir;
  const String name = dir.Write("h.txt", "abc");
  const int fd = ::open(name.c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  {
    THandleStream stream(fd);
    char c = 0;
    stream.ReadBuffer(&c, 1);
    EXPECT_EQ(c, 'a');
    EXPECT_EQ(stream.Handle(), fd);
  }
  EXPECT_EQ(::close(fd), 0);
}

}  // namespace
}  // namespace plat
