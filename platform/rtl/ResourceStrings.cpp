#include "platform/rtl/ResourceStrings.h"

#include <vector>

#include "platform/rtl/Format.h"
#include "platform/rtl/RtlConsts.h"

namespace plat {

namespace {

constexpr int kMaxIdentifier = 65536;

TResourceTextTranslator& Translator() {
  static TResourceTextTranslator translator;
  return translator;
}

std::vector<std::span<const TResStringRec* const>>& ExtraTables() {
  static std::vector<std::span<const TResStringRec* const>> tables;
  return tables;
}

String Translate(const String& text) {
  const TResourceTextTranslator& translator = Translator();
  if (text.empty() || !translator) {
    return text;
  }
  return translator(text);
}

const TResStringRec* FindRecord(int identifier) {
  auto search = [identifier](std::span<const TResStringRec* const> table) -> const TResStringRec* {
    for (const TResStringRec* rec : table) {
      if (rec->Identifier == identifier) {
        return rec;
      }
    }
    return nullptr;
  };
  if (const TResStringRec* rec = search(RtlResStringTable())) {
    return rec;
  }
  for (const auto& table : ExtraTables()) {
    if (const TResStringRec* rec = search(table)) {
      return rec;
    }
  }
  return nullptr;
}

}  // namespace

void SetResourceTextTranslator(TResourceTextTranslator translator) { Translator() = std::move(translator); }

void RegisterResStringTable(std::span<const TResStringRec* const> table) { ExtraTables().push_back(table); }

String LoadResString(const TResStringRec& rec) {
  if (rec.Identifier >= kMaxIdentifier) {
    return "ERROR";
  }
  return Translate(rec.Text ? String(rec.Text) : String());
}

String LoadStr(int identifier) {
  const TResStringRec* rec = FindRecord(identifier);
  return rec ? LoadResString(*rec) : String();
}

String FmtLoadResString(const TResStringRec& rec, std::initializer_list<TVarRec> args) {
  if (rec.Identifier >= kMaxIdentifier) {
    return "ERROR";
  }
  return Translate(Format(rec.Text ? String(rec.Text) : String(), args));
}

String FmtLoadStr(int identifier, std::initializer_list<TVarRec> args) {
  const TResStringRec* rec = FindRecord(identifier);
  return rec ? FmtLoadResString(*rec, args) : String();
}

}  // namespace plat
