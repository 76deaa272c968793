#include "platform/rtl/ResourceStrings.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/rtl/Exception.h"
#include "platform/rtl/LastError.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/StringList.h"

namespace plat {
namespace {

// Installs a translator for one test and removes it afterwards.
class TranslatorScope {
 public:
  explicit TranslatorScope(TResourceTextTranslator translator) { SetResourceTextTranslator(std::move(translator)); }
  ~TranslatorScope() { SetResourceTextTranslator(nullptr); }
};

TEST(ResourceStrings, EnglishWithoutTranslator) {
  EXPECT_EQ(LoadResString(SMsgDlgYes), "&Yes");
  EXPECT_EQ(LoadResString(SMsgDlgNoToAll), "N&o to All");
  EXPECT_EQ(LoadStr(SMsgDlgConfirm.Identifier), "Confirm");
  EXPECT_EQ(LoadStr(1), "");
  EXPECT_EQ(FmtLoadStr(SListIndexError.Identifier, {7}), "List index out of bounds (7)");
}

TEST(ResourceStrings, IdentifiersAreUniqueAndBelowTheLimit) {
  std::set<int> seen;
  for (const TResStringRec* rec : RtlResStringTable()) {
    EXPECT_LT(rec->Identifier, 65536);
    EXPECT_TRUE(seen.insert(rec->Identifier).second) << rec->Text;
  }
  const TResStringRec tooLarge{65536, "text"};
  EXPECT_EQ(LoadResString(tooLarge), "ERROR");
}

TEST(ResourceStrings, TranslatorSeesEveryLoadedText) {
  std::vector<String> asked;
  TranslatorScope scope([&](const String& text) {
    asked.push_back(text);
    return text == "&Yes" ? String("&Ja") : text;
  });
  EXPECT_EQ(LoadResString(SMsgDlgYes), "&Ja");
  EXPECT_EQ(LoadStr(SMsgDlgYes.Identifier), "&Ja");
  EXPECT_EQ(LoadResString(SMsgDlgNo), "&No");  // untranslated texts stay English
  EXPECT_EQ(asked, (std::vector<String>{"&Yes", "&Yes", "&No"}));
}

TEST(ResourceStrings, FormattedTextIsTranslatedWhole) {
  TranslatorScope scope([](const String& text) {
    return text == "List index out of bounds (3)" ? String("Listenindex 3 ausserhalb") : text;
  });
  EXPECT_EQ(FmtLoadStr(SListIndexError.Identifier, {3}), "Listenindex 3 ausserhalb");
  EXPECT_EQ(FmtLoadStr(SListIndexError.Identifier, {4}), "List index out of bounds (4)");
  // The runtime's own errors pass through the same road.
  TStringList list;
  try {
    list.Delete(3);
    FAIL();
  } catch (const EStringListError& e) {
    EXPECT_EQ(e.Message(), "Listenindex 3 ausserhalb");
  }
}

TEST(ResourceStrings, RegisteredTablesAreFoundById) {
  static const TResStringRec SSample{64000, "Sample text %s"};
  static const TResStringRec* const kTable[] = {&SSample};
  RegisterResStringTable(kTable);
  EXPECT_EQ(LoadStr(64000), "Sample text %s");
  EXPECT_EQ(FmtLoadStr(64000, {"here"}), "Sample text here");
}

TEST(Exceptions, OSErrorsCarryCodeAndText) {
  try {
    RaiseLastOSError(ERROR_FILE_NOT_FOUND);
    FAIL();
  } catch (const EOSError& e) {
    EXPECT_EQ(e.ErrorCode(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(e.Message(), "System Error.  Code: 2.\r\nThe system cannot find the file specified.");
  }
  try {
    RaiseLastOSError(0);
    FAIL();
  } catch (const EOSError& e) {
    EXPECT_EQ(e.Message(), "A call to an OS function failed");
  }
}

TEST(Exceptions, RaiseLastOSErrorReportsTheThreadsLastError) {
  SetLastError(ERROR_SHARING_VIOLATION);
  try {
    RaiseLastOSError();
    FAIL();
  } catch (const EOSError& e) {
    EXPECT_EQ(e.ErrorCode(), ERROR_SHARING_VIOLATION);
    EXPECT_EQ(e.Message(), "System Error.  Code: 32.\r\nThe file is in use by another process.");
  }
  SetLastError(ERROR_SUCCESS);
  try {
    RaiseLastOSError();
    FAIL();
  } catch (const EOSError& e) {
    EXPECT_EQ(e.ErrorCode(), ERROR_SUCCESS);
    EXPECT_EQ(e.Message(), "A call to an OS function failed");
  }
}

}  // namespace
}  // namespace plat
