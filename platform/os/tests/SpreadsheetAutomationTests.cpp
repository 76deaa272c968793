// The spreadsheet automation against the real application: workbooks the
// tests make with it (every format it writes from one flat spreadsheet),
// the server's lifetime, and what a hostile file or a failing server
// leaves behind.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <memory>
#include <tuple>
#include <vector>

#include "platform/os/SpreadsheetAutomation.h"
#include "platform/os/detail/SpreadsheetServer.h"
#include "testing/EnvironmentVariable.h"
#include "testing/FileContent.h"
#include "testing/PlatformRoot.h"
#include "testing/Biff5Workbook.h"
#include "testing/ProjectPaths.h"
#include "testing/RunProgram.h"
#include "testing/SpreadsheetFiles.h"
#include "testing/TempFolder.h"

namespace plat {
void PrintTo(const TSheetValue& value, std::ostream* out) {
  *out << (value.Kind == TSheetValue::TKind::Empty   ? "empty"
           : value.Kind == TSheetValue::TKind::Error ? "error"
                                                     : "\"" + value.Text + "\"");
}
}  // namespace plat

namespace {

using namespace plat;
using zorbit::testing::Boolean;
using zorbit::testing::Date;
using zorbit::testing::Empty;
using zorbit::testing::Formula;
using zorbit::testing::Number;
using zorbit::testing::ReadFileContent;
using zorbit::testing::SourcePath;
using zorbit::testing::TEnvironmentVariable;
using zorbit::testing::TPlatformRoot;
using zorbit::testing::TTempFolder;
using TKind = TSheetValue::TKind;

TSheetValue Shown(const String& text) { return {TKind::Text, text}; }
const TSheetValue kEmpty;
const TSheetValue kError{TKind::Error, {}};

bool ProcessGone(int pid) { return pid > 0 && ::kill(pid, 0) != 0; }
bool Exists(const String& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

// Everything a server leaves when it is gone: nothing of its processes, its
// temporary folder or its socket files.
void ExpectNothingLeftOf(int office, int bridge, const String& temporary, const std::vector<String>& sockets) {
  EXPECT_TRUE(ProcessGone(office)) << office;
  EXPECT_TRUE(ProcessGone(bridge)) << bridge;
  EXPECT_FALSE(Exists(temporary)) << temporary;
  for (const String& socket : sockets) EXPECT_FALSE(Exists(socket)) << socket;
}

// The sheets every format is made from.
std::vector<zorbit::testing::TFlatSheet> BookSheets() {
  using zorbit::testing::Text;
  return {
      {"Figures",
       {{Text("Name"), Text("Count"), Text("Price"), Text("Since")},
        {Text("Alpha"), Number(3), Number(2.5), Date("2024-03-01")},
        {Text("Beta"), Formula("of:=[.B2]*2+[.C2]"), Formula("of:=1/0"), Boolean(true)},
        {Text("Grüße € Γειά 日本"), Date("2024-03-01T12:30:00", true), Date("1899-12-30T07:45:00", true),
         Boolean(false)}}},
      {"Notes", {{}, {Empty(), Text("only")}, {Empty(), Empty(), Number(42)}}},
      {"One", {{}, {}, {}, {}, {Empty(), Empty(), Text("x")}}},
      {"Empty", {}},
  };
}

// The workbooks, made once for all tests in every format, and the one
// server they share.
class SpreadsheetTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!zorbit::testing::SpreadsheetApplicationInstalled()) return;
    Locale = new TEnvironmentVariable("LC_ALL", "C.UTF-8");
    Root = new TPlatformRoot("zorbit-sheets");
    Folder = new TTempFolder("zorbit-sheets");
    Folder->Write("book.fods", FlatSpreadsheet(BookSheets()));
    for (const char* format : {"xls", "xlsx", "ods"}) {
      const auto result = ConvertWorkbooks(*Folder, {"book.fods"}, format);
      ASSERT_EQ(result.ExitCode, 0) << result.Output;
    }
  }
  static void TearDownTestSuite() {
    ShutdownSpreadsheetApplication();
    delete Folder;
    delete Root;
    delete Locale;
    Folder = nullptr;
    Root = nullptr;
    Locale = nullptr;
  }

  void SetUp() override {
    if (!zorbit::testing::SpreadsheetApplicationInstalled())
      GTEST_SKIP() << zorbit::testing::kSpreadsheetApplicationMissing;
    FApp = CreateSpreadsheetApplication("excel.application");
  }
  void TearDown() override {
    if (FApp) FApp->Quit();
  }

  TWorkbook& Open(const String& name) {
    return FApp->WorkBooks().Open(name.front() == '/' ? name : Folder->File(name));
  }

  static TEnvironmentVariable* Locale;
  static TPlatformRoot* Root;
  static TTempFolder* Folder;
  std::unique_ptr<TSpreadsheetApplication> FApp;
};

TEnvironmentVariable* SpreadsheetTest::Locale = nullptr;
TPlatformRoot* SpreadsheetTest::Root = nullptr;
TTempFolder* SpreadsheetTest::Folder = nullptr;

const char* const kFormats[] = {"book.xls", "book.xlsx", "book.ods", "book.fods"};

TEST_F(SpreadsheetTest, EveryFormatGivesItsSheetsByName) {
  for (const char* file : kFormats) {
    TWorkbook& book = Open(file);
    ASSERT_EQ(book.SheetCount(), 4) << file;
    EXPECT_EQ(book.Sheets(1).Name(), "Figures") << file;
    EXPECT_EQ(book.Sheets(2).Name(), "Notes") << file;
    EXPECT_EQ(book.Sheets(3).Name(), "One") << file;
    EXPECT_EQ(book.Sheets(4).Name(), "Empty") << file;
    EXPECT_EQ(book.ActiveSheet().Name(), "Figures") << file;
    book.Close(false);
  }
  EXPECT_EQ(FApp->WorkBooks().Count(), 0);
}

// The conversion saves no view, so the sheet in front is set in the .xlsx
// file's own record of it.
TEST_F(SpreadsheetTest, TheActiveSheetIsTheOneTheWorkbookWasSavedWithInFront) {
  const auto result = zorbit::testing::RunProgram(
      {"/usr/bin/python3", "-I", "-c",
       "import sys, zipfile\n"
       "source, target = zipfile.ZipFile(sys.argv[1]), zipfile.ZipFile(sys.argv[2], 'w', zipfile.ZIP_DEFLATED)\n"
       "for item in source.infolist():\n"
       "    data = source.read(item.filename)\n"
       "    if item.filename == 'xl/workbook.xml': data = data.replace(b'activeTab=\"0\"', b'activeTab=\"2\"')\n"
       "    target.writestr(item, data)\n"
       "target.close()\n",
       Folder->File("book.xlsx"), Folder->File("front.xlsx")});
  ASSERT_EQ(result.ExitCode, 0) << result.Output;
  EXPECT_EQ(Open("front.xlsx").ActiveSheet().Name(), "One");
}

// The Excel 95 format (BIFF5), which the application reads but no longer
// writes: several sheets, text in the file's code page, a number and a
// boolean.
TEST_F(SpreadsheetTest, AnExcel95WorkbookOpens) {
  using zorbit::testing::Biff5At;
  const String bytes = zorbit::testing::Biff5Workbook(
      {{"Alpha",
        {Biff5At(0, 0, zorbit::testing::Biff5Text("Gr\374\337e")), Biff5At(0, 1, zorbit::testing::Biff5Number(2.5)),
         Biff5At(1, 2, zorbit::testing::Biff5Boolean(true))}},
       {"Beta", {Biff5At(3, 1, zorbit::testing::Biff5Text("second"))}}});
  const TWorkbook& book = Open(Folder->Write("old.xls", bytes));
  ASSERT_EQ(book.SheetCount(), 2);
  EXPECT_EQ(book.Sheets(1).Name(), "Alpha");
  EXPECT_EQ(book.Sheets(2).Name(), "Beta");
  EXPECT_EQ(book.Sheets(1).UsedRangeAddress(), "$A$1:$C$2");
  EXPECT_EQ(book.Sheets(2).UsedRangeAddress(), "$B$4");
  const TRangeValues values = book.Sheets(1).RangeValue("A1:C2");
  EXPECT_EQ(values.Value(0, 0), Shown("Grüße"));
  EXPECT_EQ(values.Value(0, 1), Shown("2.5"));
  EXPECT_EQ(values.Value(1, 2), Shown("TRUE"));
  EXPECT_EQ(book.Sheets(2).RangeValue("B4").Value(0, 0), Shown("second"));
}

TEST_F(SpreadsheetTest, UsedRangesInTheAbsoluteForm) {
  for (const char* file : kFormats) {
    const TWorkbook& book = Open(file);
    EXPECT_EQ(book.Sheets(1).UsedRangeAddress(), "$A$1:$D$4") << file;
    EXPECT_EQ(book.Sheets(2).UsedRangeAddress(), "$B$2:$C$3") << file;
    EXPECT_EQ(book.Sheets(3).UsedRangeAddress(), "$C$5") << file;
    EXPECT_EQ(book.Sheets(4).UsedRangeAddress(), "$A$1") << file;
  }
}

// clang-format off
TEST_F(SpreadsheetTest, ValuesAreWhatTheCellsShow) {
  // Formula results, booleans, dates as formatted; a time whose format hides
  // its day keeps the day; a cell with an error value is marked.
  const std::vector<std::vector<TSheetValue>> expected = {
      {Shown("Name"),              Shown("Count"),               Shown("Price"), Shown("Since")},
      {Shown("Alpha"),             Shown("3"),                   Shown("2.5"),   Shown("2024-03-01")},
      {Shown("Beta"),              Shown("8.5"),                 kError,         Shown("TRUE")},
      {Shown("Grüße € Γειά 日本"), Shown("03/01/2024 12:30:00"), Shown("07:45"), Shown("FALSE")},
  };
  // clang-format on
  for (const char* file : kFormats) {
    const TRangeValues values = Open(file).Sheets(1).RangeValue("A1:D4");
    ASSERT_EQ(values.RowCount(), 4) << file;
    ASSERT_EQ(values.ColumnCount(), 4) << file;
    for (int row = 0; row < 4; ++row)
      for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(values.Value(row, column), expected[row][column]) << file << " " << row << "," << column;
      }
    EXPECT_EQ(values.Value(4, 0), kEmpty);
  }
}

TEST_F(SpreadsheetTest, ForEachValueVisitsOnlyTheCellsThatHoldOne) {
  const TRangeValues values = Open("book.xls").Sheets(2).RangeValue("A1:IV65536");
  std::vector<std::tuple<int, int, TSheetValue>> visited;
  values.ForEachValue([&](int row, int column, const TSheetValue& value) { visited.emplace_back(row, column, value); });
  EXPECT_EQ(visited, (std::vector<std::tuple<int, int, TSheetValue>>{{1, 1, Shown("only")}, {2, 2, Shown("42")}}));
}

TEST_F(SpreadsheetTest, RangeAddressesInEveryForm) {
  const TWorksheet& notes = Open("book.xlsx").Sheets(2);
  struct TCase {
    const char* Address;
    int Rows, Columns;
    TSheetValue TopLeft;
  };
  for (const TCase& c : {TCase{"B2:C3", 2, 2, Shown("only")}, TCase{"$B$2:$C$3", 2, 2, Shown("only")},
                         TCase{"c3:b2", 2, 2, Shown("only")}, TCase{"C3", 1, 1, Shown("42")},
                         TCase{"A1:XFD1048576", 1048576, 16384, kEmpty}}) {
    const TRangeValues values = notes.RangeValue(c.Address);
    EXPECT_EQ(values.RowCount(), c.Rows) << c.Address;
    EXPECT_EQ(values.ColumnCount(), c.Columns) << c.Address;
    EXPECT_EQ(values.Value(0, 0), c.TopLeft) << c.Address;
  }
  for (const char* bad : {"", "B", "2", "XFE1", "A0", "A1048577", "A1:", "A1B2", "$$A1", "ABCD1"})
    EXPECT_THROW(notes.RangeValue(bad), EOleException) << bad;
}

// A sheet used from A1 to the last row of its 1024th column: its used area
// is reported, but its values are too many to hand over.
TEST_F(SpreadsheetTest, ASheetTooLargeToHandOverIsRefused) {
  const String far = Folder->Write("far.fods", R"(<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
<office:body><office:spreadsheet><table:table table:name="Far">
<table:table-row><table:table-cell office:value-type="string"><text:p>near</text:p></table:table-cell></table:table-row>
<table:table-row table:number-rows-repeated="1048574"><table:table-cell/></table:table-row>
<table:table-row><table:table-cell table:number-columns-repeated="1023"/>
<table:table-cell office:value-type="string"><text:p>far</text:p></table:table-cell></table:table-row>
</table:table></office:spreadsheet></office:body></office:document>
)");
  const TWorksheet& sheet = Open(far).Sheets(1);
  EXPECT_EQ(sheet.UsedRangeAddress(), "$A$1:$AMJ$1048576");
  try {
    sheet.RangeValue("A1:B2");
    FAIL() << "no error";
  } catch (const EOleException& e) {
    EXPECT_NE(e.Message().find("used area reaches beyond 16777216 cells"), String::npos) << e.Message();
    EXPECT_EQ(e.ErrorCode(), DISP_E_EXCEPTION);
  }
}

TEST(SheetColumnLettersTest, OneLetterUpToZThenTwoThenThree) {
  const std::vector<std::pair<int, String>> cases = {{1, "A"},   {26, "Z"},   {27, "AA"},   {52, "AZ"},
                                                     {53, "BA"}, {256, "IV"}, {703, "AAA"}, {16384, "XFD"}};
  for (const auto& [column, letters] : cases) EXPECT_EQ(SheetColumnLetters(column), letters) << column;
}

// The stream of an .xls workbook is "Workbook"; some writers name it in
// capitals. The compound file compares names without case, so the same
// bytes with the name in capitals are such a file.
TEST_F(SpreadsheetTest, AWorkbookStreamNamedInCapitalsOpens) {
  String bytes = ReadFileContent(Folder->File("book.xls"));
  const String name("W\0o\0r\0k\0b\0o\0o\0k\0", 16);
  const std::size_t at = bytes.find(name);
  ASSERT_NE(at, String::npos);
  bytes.replace(at, name.size(), String("W\0O\0R\0K\0B\0O\0O\0K\0", 16));
  const String upper = Folder->Write("upper.xls", bytes);
  const TWorkbook& book = Open(upper);
  ASSERT_EQ(book.SheetCount(), 4);
  EXPECT_EQ(book.Sheets(1).RangeValue("A2:B2").Value(0, 0), Shown("Alpha"));
}

TEST_F(SpreadsheetTest, WhatIsNoWorkbookRaisesTheOpenErrorAndLeavesNothing) {
  const String workbook = ReadFileContent(Folder->File("book.xls"));
  TTempFolder files("zorbit-hostile");
  String random;
  for (int i = 0; i < 4096; ++i) random += static_cast<char>((i * 7919 + 13) % 251);
  files.Write("random.xls", random);
  files.Write("truncated.xls", workbook.substr(0, 1536));
  files.Write("empty.xls", "");
  files.Write("table.xlsx", "a,b\n1,2\n");
  std::filesystem::create_directory(files.File("folder.xls"));
  struct TCase {
    String File;
    const char* Reason;
  };
  // clang-format off
  const TCase cases[] = {
      {files.File("random.xls"),                                         "it is not a workbook"},
      {files.File("truncated.xls"),                                      "it is not a workbook"},
      {files.File("empty.xls"),                                          "the file is empty"},
      {files.File("table.xlsx"),                                         "cannot read it"},
      {files.File("folder.xls"),                                         "it is not a file"},
      {files.File("missing.xls"),                                        "it is not a file"},
      {SourcePath("platform/os/tests/data/broken-zip.xlsx"),             "cannot read it"},
      {SourcePath("platform/os/tests/data/broken-iconv-underflow.xls"), "it is not a workbook"},
  };
  // clang-format on
  for (const TCase& c : cases) {
    try {
      Open(c.File);
      ADD_FAILURE() << c.File << " opened";
    } catch (const EOleException& e) {
      EXPECT_EQ(e.Message().rfind("The workbook \"" + c.File + "\" cannot be opened: ", 0), 0u) << e.Message();
      EXPECT_NE(e.Message().find(c.Reason), String::npos) << e.Message();
      EXPECT_EQ(e.ErrorCode(), DISP_E_EXCEPTION);
    }
  }
  EXPECT_EQ(FApp->WorkBooks().Count(), 0);
  // Refusing a file leaves the server serving, and no lock file beside it.
  EXPECT_NE(TSpreadsheetServer::Current(), nullptr);
  std::vector<String> left;
  for (const auto& entry : std::filesystem::directory_iterator(files.Path())) left.push_back(entry.path().filename());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<String>{"empty.xls", "folder.xls", "random.xls", "table.xlsx", "truncated.xls"}));
}

TEST_F(SpreadsheetTest, CloseAndQuitEndTheObjects) {
  TWorkbook& book = Open("book.ods");
  TWorkbook& second = Open("book.xls");
  book.Close(false);
  EXPECT_EQ(FApp->WorkBooks().Count(), 1);
  EXPECT_THROW(book.ActiveSheet(), EOleException);
  EXPECT_THROW(book.Sheets(1), EOleException);
  EXPECT_THROW(second.Sheets(5), EOleException);
  EXPECT_THROW(second.Sheets(0), EOleException);
  FApp->Quit();
  EXPECT_TRUE(second.Closed());
  EXPECT_THROW(FApp->WorkBooks(), EOleException);
  // Quit leaves the server for the next application.
  EXPECT_NE(TSpreadsheetServer::Current(), nullptr);
}

TEST_F(SpreadsheetTest, OnlyTheSpreadsheetClassIsKnown) {
  EXPECT_NE(CreateSpreadsheetApplication("Excel.Application"), nullptr);
  try {
    CreateSpreadsheetApplication("word.application");
    FAIL() << "created";
  } catch (const EOleSysError& e) {
    EXPECT_EQ(e.Message(), "Invalid class string");
    EXPECT_EQ(e.ErrorCode(), CO_E_CLASSSTRING);
  }
}

// The server's end, however it comes, leaves nothing behind, and the next
// application starts a new one.
TEST_F(SpreadsheetTest, AServerThatStopsAnsweringIsKilledAndReplaced) {
  const TSpreadsheetServer* server = TSpreadsheetServer::Current();
  ASSERT_NE(server, nullptr);
  const int office = server->OfficePid(), bridge = server->BridgePid();
  const String temporary = server->TemporaryFolder();
  const std::vector<String> sockets = server->SocketFiles();
  EXPECT_FALSE(sockets.empty());
  const auto saved = TSpreadsheetServer::AnswerTimeout();
  TSpreadsheetServer::SetAnswerTimeout(std::chrono::seconds(2));
  ::kill(office, SIGSTOP);
  try {
    Open("book.xls");
    ADD_FAILURE() << "opened";
  } catch (const EOleException& e) {
    EXPECT_NE(e.Message().find("did not answer within 2 seconds"), String::npos) << e.Message();
    EXPECT_EQ(e.ErrorCode(), RPC_E_DISCONNECTED);
  }
  TSpreadsheetServer::SetAnswerTimeout(saved);
  ExpectNothingLeftOf(office, bridge, temporary, sockets);
  EXPECT_EQ(TSpreadsheetServer::Current(), nullptr);
  EXPECT_THROW(FApp->WorkBooks().Open(Folder->File("book.xls")), EOleException);

  FApp = CreateSpreadsheetApplication("excel.application");
  EXPECT_NE(TSpreadsheetServer::Current()->OfficePid(), office);
  EXPECT_EQ(Open("book.xls").SheetCount(), 4);
}

TEST_F(SpreadsheetTest, AServerThatEndsLeavesNothingBehind) {
  TWorkbook& book = Open("book.xlsx");
  const TSpreadsheetServer* server = TSpreadsheetServer::Current();
  const int office = server->OfficePid(), bridge = server->BridgePid();
  const String temporary = server->TemporaryFolder();
  const std::vector<String> sockets = server->SocketFiles();
  ::kill(office, SIGKILL);
  EXPECT_THROW(book.Sheets(1).UsedRangeAddress(), EOleException);
  ExpectNothingLeftOf(office, bridge, temporary, sockets);
}

TEST_F(SpreadsheetTest, ShutdownStopsTheServerAndKeepsItsProfile) {
  const TSpreadsheetServer* server = TSpreadsheetServer::Current();
  const int office = server->OfficePid(), bridge = server->BridgePid();
  const String temporary = server->TemporaryFolder(), profile = server->ProfileFolder();
  const std::vector<String> sockets = server->SocketFiles();
  FApp->Quit();
  ShutdownSpreadsheetApplication();
  ExpectNothingLeftOf(office, bridge, temporary, sockets);
  EXPECT_TRUE(Exists(profile + "/user"));
}

// A program that ends normally stops its server on the way out.
TEST_F(SpreadsheetTest, TheProgramsEndStopsItsServer) {
  const auto result = zorbit::testing::RunProgram({OS_TEST_HELPER, "spreadsheet"}, std::chrono::minutes(3));
  ASSERT_EQ(result.ExitCode, 0) << result.Output;
  std::istringstream words(result.Output);
  int office = 0, bridge = 0;
  String temporary;
  ASSERT_TRUE(words >> office >> bridge >> temporary) << result.Output;
  // Killed only because their parent went, they would leave the folder.
  ExpectNothingLeftOf(office, bridge, temporary, {});
}

// A second process of ours running an office on the shared profile holds
// its lock; this one then uses a profile of its own, which goes with it.
TEST_F(SpreadsheetTest, ALockedProfileGivesAServerAProfileOfItsOwn) {
  FApp->Quit();
  ShutdownSpreadsheetApplication();
  const String lockFile = Root->Path() + "/AppData/Local/zorbit/spreadsheet.lock";
  const int lock = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  ASSERT_GE(lock, 0);
  ASSERT_EQ(::flock(lock, LOCK_EX | LOCK_NB), 0);
  FApp = CreateSpreadsheetApplication("excel.application");
  const TSpreadsheetServer* server = TSpreadsheetServer::Current();
  const String temporary = server->TemporaryFolder();
  EXPECT_EQ(server->ProfileFolder(), temporary + "/profile");
  EXPECT_EQ(Open("book.ods").SheetCount(), 4);
  FApp->Quit();
  ShutdownSpreadsheetApplication();
  EXPECT_FALSE(Exists(temporary));
  ::close(lock);
  FApp = CreateSpreadsheetApplication("excel.application");
  EXPECT_EQ(TSpreadsheetServer::Current()->ProfileFolder(), Root->Path() + "/AppData/Local/zorbit/spreadsheet");
}

TEST_F(SpreadsheetTest, WithoutTheApplicationTheErrorNamesWhatIsMissing) {
  FApp->Quit();
  ShutdownSpreadsheetApplication();
  const TTempFolder nothing("zorbit-no-programs");
  const TEnvironmentVariable path("PATH", nothing.Path());
  try {
    CreateSpreadsheetApplication("excel.application");
    FAIL() << "created";
  } catch (const EOleSysError& e) {
    EXPECT_NE(e.Message().find("libreoffice-calc-nogui"), String::npos) << e.Message();
    EXPECT_EQ(e.ErrorCode(), REGDB_E_CLASSNOTREG);
  }
  EXPECT_EQ(TSpreadsheetServer::Current(), nullptr);
}

}  // namespace
