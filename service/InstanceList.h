#pragma once
// Multi-instance lists: one "@=" line per instance holding its comma text,
// and an "amount=" line with the count.
#include "platform/rtl/StringList.h"

namespace zorbit {

inline bool IsInstanceLine(const plat::TStrings& List, int Index) { return List.Names(Index) == "@"; }

// Calls Rewrite(Instance, Position) with each instance of List in turn, its
// position counting instances from 0, and writes the instance back into its
// own line.
template <typename TRewrite>
void RewriteInstances(plat::TStrings& List, TRewrite Rewrite) {
  int position = 0;
  for (int i = 0; i < List.Count(); ++i) {
    if (!IsInstanceLine(List, i)) continue;
    plat::TStringList instance;
    instance.SetCommaText(List.ValueFromIndex(i));
    Rewrite(instance, position++);
    List.SetStrings(i, "@=" + instance.CommaText());
  }
}

}  // namespace zorbit
