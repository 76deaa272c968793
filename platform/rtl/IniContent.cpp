#include "platform/rtl/IniContent.h"

#include <algorithm>

#include "platform/rtl/StringUtils.h"

namespace plat {

const TIniContent::TSection* TIniContent::FindSection(const String& section) const {
  for (const TSection& s : FSections) {
    if (s.HasHeader && AnsiSameText(s.Name, section)) {
      return &s;
    }
  }
  return nullptr;
}

TIniContent::TSection* TIniContent::FindSection(const String& section) {
  return const_cast<TSection*>(static_cast<const TIniContent*>(this)->FindSection(section));
}

void TIniContent::SetLines(const TStrings& lines) {
  FSections.clear();
  const int count = lines.Count();
  for (int i = 0; i < count; ++i) {
    const String raw = lines.Strings(i);
    const String text = Trim(raw);
    if (text.empty() || text[0] == ';') {
      if (FKeepLayout) {
        if (FSections.empty()) {
          FSections.push_back(TSection{String(), false, {}});
        }
        FSections.back().Lines.push_back(TLine{String(), raw, false, true});
      }
      continue;
    }
    if (text[0] == '[' && text.back() == ']' && text.size() >= 2) {
      FSections.push_back(TSection{Trim(text.substr(1, text.size() - 2)), true, {}});
      continue;
    }
    if (FSections.empty() || !FSections.back().HasHeader) {
      // Lines before the first section belong to none.
      if (FKeepLayout) {
        if (FSections.empty()) {
          FSections.push_back(TSection{String(), false, {}});
        }
        FSections.back().Lines.push_back(TLine{String(), raw, false, true});
      }
      continue;
    }
    const std::size_t eq = text.find('=');
    if (eq == String::npos) {
      FSections.back().Lines.push_back(TLine{String(), text, false, false});
    } else {
      FSections.back().Lines.push_back(TLine{Trim(text.substr(0, eq)), Trim(text.substr(eq + 1)), true, false});
    }
  }
}

void TIniContent::GetLines(TStrings& lines) const {
  lines.BeginUpdate();
  lines.Clear();
  for (const TSection& section : FSections) {
    if (section.HasHeader) {
      lines.Add("[" + section.Name + "]");
    }
    for (const TLine& line : section.Lines) {
      lines.Add(line.IsKey ? line.Name + "=" + line.Value : line.Value);
    }
    if (!FKeepLayout) {
      lines.Add(String());
    }
  }
  lines.EndUpdate();
}

bool TIniContent::Read(const String& section, const String& ident, String& value) const {
  const TSection* s = FindSection(section);
  if (!s) {
    return false;
  }
  for (const TLine& line : s->Lines) {
    if (line.IsKey && AnsiSameText(line.Name, ident)) {
      value = line.Value;
      return true;
    }
  }
  return false;
}

void TIniContent::Write(const String& section, const String& ident, const String& value) {
  TSection* s = FindSection(section);
  if (!s) {
    if (FKeepLayout && !FSections.empty()) {
      // Keep sections apart by a blank line, as a hand-written file would.
      TSection& last = FSections.back();
      if (last.Lines.empty() || !Trim(last.Lines.back().Value).empty() || !last.Lines.back().IsRaw) {
        last.Lines.push_back(TLine{String(), String(), false, true});
      }
    }
    FSections.push_back(TSection{section, true, {}});
    s = &FSections.back();
  }
  for (TLine& line : s->Lines) {
    if (line.IsKey && AnsiSameText(line.Name, ident)) {
      line.Value = value;
      return;
    }
  }
  // New keys go after the section's last line that is not blank.
  auto at = s->Lines.end();
  while (at != s->Lines.begin() && (at - 1)->IsRaw && Trim((at - 1)->Value).empty()) {
    --at;
  }
  s->Lines.insert(at, TLine{ident, value, true, false});
}

void TIniContent::ReadKeys(const String& section, TStrings& keys) const {
  keys.BeginUpdate();
  keys.Clear();
  if (const TSection* s = FindSection(section)) {
    for (const TLine& line : s->Lines) {
      if (line.IsKey) {
        keys.Add(line.Name);
      }
    }
  }
  keys.EndUpdate();
}

void TIniContent::ReadValues(const String& section, TStrings& values) const {
  values.BeginUpdate();
  values.Clear();
  if (const TSection* s = FindSection(section)) {
    for (const TLine& line : s->Lines) {
      if (!line.IsRaw) {
        values.Add(line.IsKey ? line.Name + "=" + line.Value : line.Value);
      }
    }
  }
  values.EndUpdate();
}

void TIniContent::SectionNames(TStrings& names) const {
  names.BeginUpdate();
  names.Clear();
  for (const TSection& s : FSections) {
    if (s.HasHeader) {
      names.Add(s.Name);
    }
  }
  names.EndUpdate();
}

bool TIniContent::EraseSection(const String& section) {
  const auto removed =
      std::erase_if(FSections, [&](const TSection& s) { return s.HasHeader && AnsiSameText(s.Name, section); });
  return removed > 0;
}

bool TIniContent::DeleteKey(const String& section, const String& ident) {
  TSection* s = FindSection(section);
  if (!s) {
    return false;
  }
  const auto line = std::find_if(s->Lines.begin(), s->Lines.end(),
                                 [&](const TLine& l) { return l.IsKey && AnsiSameText(l.Name, ident); });
  if (line == s->Lines.end()) {
    return false;
  }
  s->Lines.erase(line);
  return true;
}

}  // namespace plat
