#pragma once
// Reports the lines one connection drops: the first few each on a log line
// (escaped and cut, see LogExcerpt), the rest only counted and told in one
// line when the report ends with the connection. A client that floods bad
// lines cannot flood the log.
#include <cstddef>
#include <iosfwd>
#include <string_view>

namespace zorbit::mgmtsvc {

class DropReport {
 public:
  static constexpr std::size_t kLoggedDrops = 5;

  explicit DropReport(std::ostream& Log) : FLog(Log) {}
  ~DropReport();
  DropReport(const DropReport&) = delete;
  DropReport& operator=(const DropReport&) = delete;

  // Reason completes "dropped ..."; Line, when not empty, is shown after it.
  void Dropped(std::string_view Reason, std::string_view Line = {});

 private:
  std::ostream& FLog;
  std::size_t FDropped = 0;
};

}  // namespace zorbit::mgmtsvc
