#include "tools/mgmtsvc/DropReport.h"

#include <ostream>
#include <string>

#include "tools/mgmtsvc/LogText.h"

namespace zorbit::mgmtsvc {

DropReport::~DropReport() {
  if (FDropped > kLoggedDrops)
    FLog << "mgmtsvc: " + std::to_string(FDropped - kLoggedDrops) +
                " more lines dropped from one connection were not logged\n";
}

void DropReport::Dropped(std::string_view Reason, std::string_view Line) {
  if (++FDropped > kLoggedDrops) return;
  std::string text = "mgmtsvc: dropped ";
  text += Reason;
  if (!Line.empty()) text += ": " + LogExcerpt(Line);
  FLog << text + "\n";
}

}  // namespace zorbit::mgmtsvc
