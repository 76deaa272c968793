#pragma once
// Resource strings: the built-in texts of the runtime and the class library.
// Each text is a named record with an identifier below 65536, kept in one
// table per library. Every text is loaded through these routines, which pass
// it through an installable translator (the application routes them through
// its string table); without one the English text is used.
#include <functional>
#include <initializer_list>
#include <span>

#include "platform/rtl/Types.h"
#include "platform/rtl/VarRec.h"

namespace plat {

struct TResStringRec {
  int Identifier;
  const char* Text;
};

using TResourceTextTranslator = std::function<String(const String& text)>;
// Installs the translator; an empty function restores the English texts.
void SetResourceTextTranslator(TResourceTextTranslator translator);

// The record's text, translated; identifiers of 65536 and above give "ERROR".
String LoadResString(const TResStringRec& rec);
// The text with the identifier from any registered table, translated; "" when none has it.
String LoadStr(int identifier);
// Formats the text with the arguments, then translates the formatted text.
String FmtLoadStr(int identifier, std::initializer_list<TVarRec> args);
String FmtLoadResString(const TResStringRec& rec, std::initializer_list<TVarRec> args);

// Makes a library's table known to LoadStr (the runtime's own table is always
// known). Called from the library's start-up; the table must outlive its use.
void RegisterResStringTable(std::span<const TResStringRec* const> table);

}  // namespace plat
