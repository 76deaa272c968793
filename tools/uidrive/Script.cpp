#include "tools/uidrive/Script.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>
#include <sstream>

#include "platform/win/VirtualKeys.h"

namespace uidrive {

namespace {

// The shape of each command: how many words follow the verb, and whether
// the last of them is the rest of the line as written.
struct TShape {
  int MinArgs;
  int MaxArgs;
  const char* Text;  // what the last argument, the rest of the line, is; null when it is a word
};

const std::map<std::string, TShape>& Shapes() {
  static const std::map<std::string, TShape> shapes = {
      {"wait", {1, 2, nullptr}},
      {"gone", {1, 2, nullptr}},
      {"click", {1, 2, nullptr}},
      {"drag", {3, 3, nullptr}},
      {"drop", {4, 4, "text"}},
      {"key", {2, 2, nullptr}},
      {"type", {2, 2, "text"}},
      {"text", {1, 1, nullptr}},
      {"items", {1, 1, nullptr}},
      {"cells", {1, 2, nullptr}},
      {"prop", {2, 2, nullptr}},
      {"screenshot", {1, 1, "file name"}},
      {"launches", {0, 0, nullptr}},
      {"windows", {0, 0, nullptr}},
      {"print", {0, 1, "text"}},
      {"close", {0, 0, nullptr}},
      {"quit", {0, 0, nullptr}},
      {"clipboard", {0, 0, nullptr}},
      {"harness", {0, 0, nullptr}},
  };
  return shapes;
}

std::string Arguments(int Count) { return std::to_string(Count) + (Count == 1 ? " argument" : " arguments"); }

std::string Lower(std::string Text) {
  std::transform(Text.begin(), Text.end(), Text.begin(), [](unsigned char c) { return std::tolower(c); });
  return Text;
}

bool ParseInt(const std::string& Text, int& Value) {
  const char* end = Text.data() + Text.size();
  const auto [last, error] = std::from_chars(Text.data(), end, Value);
  return error == std::errc() && last == end && !Text.empty();
}

// "a,b" into two numbers.
bool ParsePair(const std::string& Text, int& A, int& B) {
  const size_t comma = Text.find(',');
  return comma != std::string::npos && ParseInt(Text.substr(0, comma), A) && ParseInt(Text.substr(comma + 1), B);
}

const std::map<std::string, unsigned>& KeyNames() {
  static const std::map<std::string, unsigned> names = [] {
    std::map<std::string, unsigned> n = {
        {"enter", plat::VK_RETURN},   {"return", plat::VK_RETURN}, {"escape", plat::VK_ESCAPE},
        {"esc", plat::VK_ESCAPE},     {"tab", plat::VK_TAB},       {"space", plat::VK_SPACE},
        {"backspace", plat::VK_BACK}, {"delete", plat::VK_DELETE}, {"insert", plat::VK_INSERT},
        {"home", plat::VK_HOME},      {"end", plat::VK_END},       {"pageup", plat::VK_PRIOR},
        {"pagedown", plat::VK_NEXT},  {"up", plat::VK_UP},         {"down", plat::VK_DOWN},
        {"left", plat::VK_LEFT},      {"right", plat::VK_RIGHT},
        // A modifier alone, pressed and released by itself.
        {"shift", plat::VK_SHIFT},    {"ctrl", plat::VK_CONTROL},  {"alt", plat::VK_MENU},
    };
    for (unsigned f = 1; f <= 12; ++f) n["f" + std::to_string(f)] = plat::VK_F1 + f - 1;
    for (char c = 'a'; c <= 'z'; ++c) n[std::string(1, c)] = static_cast<unsigned>(std::toupper(c));
    for (char c = '0'; c <= '9'; ++c) n[std::string(1, c)] = static_cast<unsigned>(c);
    return n;
  }();
  return names;
}

const std::map<std::string, unsigned>& ModifierNames() {
  static const std::map<std::string, unsigned> names = {
      {"shift", plat::VK_SHIFT}, {"ctrl", plat::VK_CONTROL}, {"alt", plat::VK_MENU}};
  return names;
}

}  // namespace

TPointSpec ParsePoint(const std::string& Word) {
  TPointSpec point;
  if (Word.empty()) return point;
  if (Word[0] == '#') {
    const std::string rest = Word.substr(1);
    if (ParseInt(rest, point.A) && point.A >= 0) {
      point.Kind = TPointSpec::TKind::Item;
      return point;
    }
    if (ParsePair(rest, point.A, point.B) && point.A >= 0 && point.B >= 0) {
      point.Kind = TPointSpec::TKind::Cell;
      return point;
    }
  } else if (ParsePair(Word, point.A, point.B)) {
    point.Kind = TPointSpec::TKind::Client;
    return point;
  }
  throw EScriptError("not a point: \"" + Word + "\" (#item, #column,row or x,y)");
}

TKeySpec ParseKey(const std::string& Word) {
  TKeySpec key;
  std::string rest = Lower(Word);
  for (size_t plus = rest.find('+'); plus != std::string::npos && plus + 1 < rest.size(); plus = rest.find('+')) {
    const auto modifier = ModifierNames().find(rest.substr(0, plus));
    if (modifier == ModifierNames().end()) throw EScriptError("not a modifier key: \"" + rest.substr(0, plus) + "\"");
    key.Modifiers.push_back(modifier->second);
    rest = rest.substr(plus + 1);
  }
  const auto named = KeyNames().find(rest);
  if (named == KeyNames().end()) throw EScriptError("not a key name: \"" + Word + "\"");
  key.Key = named->second;
  return key;
}

std::vector<TScriptCommand> ParseScript(const std::string& Text) {
  std::vector<TScriptCommand> commands;
  std::istringstream lines(Text);
  int number = 0;
  for (std::string line; std::getline(lines, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line[start] == '#') continue;
    try {
      TScriptCommand command;
      command.Line = number;
      std::istringstream words(line.substr(start));
      words >> command.Verb;
      const auto shape = Shapes().find(command.Verb);
      if (shape == Shapes().end()) throw EScriptError("unknown command \"" + command.Verb + "\"");
      const TShape& s = shape->second;
      const int wordsBeforeText = s.Text ? s.MaxArgs - 1 : s.MaxArgs;
      for (std::string word; static_cast<int>(command.Args.size()) < wordsBeforeText && words >> word;)
        command.Args.push_back(word);
      if (s.Text) {
        // The text as written: after the one blank that ends the last word.
        std::string text;
        std::getline(words, text);
        if (!text.empty() && (text[0] == ' ' || text[0] == '\t')) text.erase(0, 1);
        const bool required = s.MinArgs == s.MaxArgs;
        if (required && text.empty()) throw EScriptError(command.Verb + " needs a " + s.Text);
        if (!text.empty()) command.Args.push_back(text);
      } else if (std::string extra; words >> extra) {
        throw EScriptError(command.Verb + " takes at most " + Arguments(s.MaxArgs));
      }
      if (static_cast<int>(command.Args.size()) < s.MinArgs)
        throw EScriptError(command.Verb + " needs at least " + Arguments(s.MinArgs));

      if (command.Verb == "click") command.Points.push_back(ParsePoint(command.Args.size() > 1 ? command.Args[1] : ""));
      if (command.Verb == "drag") {
        command.Points.push_back(ParsePoint(command.Args[1]));
        command.Points.push_back(ParsePoint(command.Args[2]));
      }
      if (command.Verb == "drop") {
        command.Points.push_back(ParsePoint(command.Args[1]));
        if (command.Args[2] != "text" && command.Args[2] != "files" && command.Args[2] != "rtf")
          throw EScriptError("not a kind of drop: \"" + command.Args[2] + "\" (text, files or rtf)");
      }
      if (command.Verb == "key") command.Key = ParseKey(command.Args[1]);
      if (command.Verb == "cells" && command.Args.size() > 1) {
        int row = 0;
        if (!ParseInt(command.Args[1], row) || row < 0) throw EScriptError("not a row: \"" + command.Args[1] + "\"");
      }
      if (command.Verb == "wait" || command.Verb == "gone") {
        command.Seconds = 30;
        if (command.Args.size() > 1) {
          int seconds = 0;
          if (!ParseInt(command.Args[1], seconds) || seconds <= 0)
            throw EScriptError("not a number of seconds: \"" + command.Args[1] + "\"");
          command.Seconds = seconds;
        }
      }
      commands.push_back(std::move(command));
    } catch (const EScriptError& e) {
      throw EScriptError("line " + std::to_string(number) + ": " + e.what());
    }
  }
  return commands;
}

}  // namespace uidrive
