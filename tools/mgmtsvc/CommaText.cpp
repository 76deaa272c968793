#include "tools/mgmtsvc/CommaText.h"

#include "platform/rtl/StringList.h"

namespace zorbit::mgmtsvc {

std::vector<std::string> SplitCommaText(const std::string& Text) {
  plat::TStringList list;
  list.SetCommaText(Text);
  std::vector<std::string> items;
  items.reserve(static_cast<std::size_t>(list.Count()));
  for (int i = 0; i < list.Count(); ++i) items.push_back(list.Strings(i));
  return items;
}

std::string JoinCommaText(const std::vector<std::string>& Items) {
  plat::TStringList list;
  for (const std::string& item : Items) list.Add(item);
  return list.CommaText();
}

}  // namespace zorbit::mgmtsvc
