// Functions looked up by name: present once entered, missing otherwise, and
// bad handles refused.
#include <gtest/gtest.h>

#include "platform/os/ModuleExports.h"
#include "platform/rtl/LastError.h"
#include "testing/TempFolder.h"

namespace plat {
namespace {

int Twice(int value) { return 2 * value; }
int Thrice(int value) { return 3 * value; }

using IntFunction = int (*)(int);

TEST(ModuleExports, EnteredFunctionsAreFoundByName) {
  RegisterProcAddress("TESTLIB1", "Twice", reinterpret_cast<FARPROC>(&Twice));
  // Library names without case and with or without ".dll".
  HMODULE module = GetModuleHandle("testlib1.dll");
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(GetModuleHandle("TestLib1"), module);
  auto twice = reinterpret_cast<IntFunction>(GetProcAddress(module, "Twice"));
  ASSERT_NE(twice, nullptr);
  EXPECT_EQ(twice(21), 42);

  // Function names are exact.
  SetLastError(ERROR_SUCCESS);
  EXPECT_EQ(GetProcAddress(module, "twice"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);

  // Entering a name again replaces the function.
  RegisterProcAddress("TESTLIB1", "Twice", reinterpret_cast<FARPROC>(&Thrice));
  EXPECT_EQ(reinterpret_cast<IntFunction>(GetProcAddress(module, "Twice"))(2), 6);
}

TEST(ModuleExports, MissingLibrariesAndRemovedFunctions) {
  SetLastError(ERROR_SUCCESS);
  EXPECT_EQ(GetModuleHandle("NOSUCHLIB"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);

  RegisterProcAddress("TESTLIB2", "Twice", reinterpret_cast<FARPROC>(&Twice));
  HMODULE module = GetModuleHandle("TESTLIB2");
  ASSERT_NE(module, nullptr);
  RegisterProcAddress("TESTLIB2", "Twice", nullptr);
  EXPECT_EQ(GetProcAddress(module, "Twice"), nullptr);
  // A library without functions is missing, but its old handle stays safe.
  EXPECT_EQ(GetModuleHandle("TESTLIB2"), nullptr);
}

TEST(ModuleExports, LoadLibraryCountsTheLoadsOfEnteredLibraries) {
  SetLastError(ERROR_SUCCESS);
  EXPECT_EQ(LoadLibrary("NOSUCHLIB.DLL"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
  SetLastError(ERROR_SUCCESS);
  EXPECT_EQ(LoadLibrary(u"nosuchlib"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);

  RegisterProcAddress("TESTLIB3", "Twice", reinterpret_cast<FARPROC>(&Twice));
  const HMODULE module = LoadLibrary("testlib3.dll");
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(module, GetModuleHandle("TESTLIB3"));
  EXPECT_EQ(LoadLibrary(u"TestLib3"), module);
  EXPECT_TRUE(FreeLibrary(module));
  EXPECT_TRUE(FreeLibrary(module));
  SetLastError(ERROR_SUCCESS);
  EXPECT_FALSE(FreeLibrary(module));  // freed as often as it was loaded
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_FALSE(FreeLibrary(nullptr));
  // The functions stay: the library is the platform's own.
  EXPECT_NE(GetProcAddress(module, "Twice"), nullptr);
}

TEST(ModuleExports, LibrariesByPathAreLoadedFromTheirFile) {
  RegisterProcAddress("testlib4.ocx", "Twice", reinterpret_cast<FARPROC>(&Twice));
  zorbit::testing::TTempFolder folder("zorbit-modules");
  const std::string file = folder.Write("TestLib4.ocx", "module");
  const HMODULE module = GetModuleHandle("TESTLIB4.OCX");
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(GetModuleHandle(file), module);
  EXPECT_EQ(LoadLibrary(file), module);
  EXPECT_EQ(LoadLibrary(folder.Path() + "\\TestLib4.ocx"), module);
  EXPECT_TRUE(FreeLibrary(module));
  EXPECT_TRUE(FreeLibrary(module));
  SetLastError(ERROR_SUCCESS);
  EXPECT_EQ(LoadLibrary(folder.File("missing/testlib4.ocx")), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
}

TEST(ModuleExports, ForeignHandlesAreRefused) {
  int notAModule = 0;
  SetLastError(ERROR_SUCCESS);
  EXPECT_EQ(GetProcAddress(reinterpret_cast<HMODULE>(&notAModule), "Twice"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(GetProcAddress(nullptr, "Twice"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

}  // namespace
}  // namespace plat
