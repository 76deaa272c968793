#include "app/SystemInfoReport.h"

#include <algorithm>

#include "platform/rtl/StringList.h"
#include "platform/rtl/Unicode.h"

namespace zorbit {

namespace {

constexpr int kGap = 2;
constexpr const char* kPageMark = "======";
constexpr const char* kGroupMarkInAll = "******";

// Captions are padded by characters, so translated ones line up too.
void WriteAlignedRows(const std::vector<TInfoRow>& Rows, plat::TStrings& Report) {
  int longest = 0;
  for (const TInfoRow& row : Rows) longest = std::max(longest, plat::Utf8Length(row.Name));
  for (const TInfoRow& row : Rows) {
    if (row.Name.empty() && row.Value.empty()) {
      Report.Add("");
      continue;
    }
    const auto blanks = static_cast<std::size_t>(longest + kGap - plat::Utf8Length(row.Name));
    Report.Add(row.Name + plat::String(blanks, ' ') + row.Value);
  }
}

void WriteTitled(const plat::String& Title, const TInfoPage& Page, plat::TStrings& Report) {
  Report.Add(plat::String(kPageMark) + " " + Title + " " + kPageMark);
  WritePageReport(Page, kGroupMarkInAll, Report);
}

TInfoPage PlainOf(TInfoGroup Group) {
  TInfoPage page;
  Group.Caption.clear();
  page.Groups.push_back(std::move(Group));
  return page;
}

}  // namespace

void WritePageReport(const TInfoPage& Page, const plat::String& Mark, plat::TStrings& Report) {
  for (const TInfoGroup& group : Page.Groups) {
    if (Page.Grouped) Report.Add(Mark + " " + group.Caption + " " + Mark);
    WriteAlignedRows(group.Rows, Report);
    Report.Add("");
  }
}

void WriteAllPagesReport(const IpfqServPtr& Serv, const TScreenMode& Screen, bool HideSerialPort,
                         plat::TStrings& Report) {
  plat::String tag;
  WriteTitled(InfoCaption("Summary"), SummaryPage(Serv, HideSerialPort, tag), Report);
  Report.Add("");
  WriteTitled(InfoCaption("Processor"), ProcessorPage(Serv), Report);
  Report.Add("");
  WriteTitled(InfoCaption("Motherboard"), PlainOf(MotherboardGroup(Serv)), Report);
  WriteTitled(InfoCaption("BIOS"), PlainOf(BiosGroup(Serv)), Report);
  Report.Add("");
  WriteTitled(InfoCaption("Network"), NetworkPage(Serv), Report);
  Report.Add("");
  WriteTitled(InfoCaption("Memory"), MemoryPage(Serv), Report);
  Report.Add("");
  WriteTitled(InfoCaption("Video"), VideoPage(Serv, Screen), Report);
  Report.Add("");
  WriteTitled(InfoCaption("Audio"), AudioPage(Serv), Report);
  Report.Add("");
  Report.Add("");
}

}  // namespace zorbit
