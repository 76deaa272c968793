#include "testing/SpreadsheetFiles.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace zorbit::testing {
namespace {

std::string Escaped(const std::string& Text) {
  std::string out;
  for (const char c : Text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string Paragraphs(const std::string& Text) {
  std::string xml;
  std::istringstream lines(Text);
  for (std::string line; std::getline(lines, line);) xml += "<text:p>" + Escaped(line) + "</text:p>";
  return xml;
}

// Found on PATH as the platform finds it.
std::string FindSoffice() {
  const char* path = std::getenv("PATH");
  std::istringstream folders(path != nullptr ? path : "/usr/bin:/bin");
  for (std::string folder; std::getline(folders, folder, ':');) {
    const std::string candidate = folder + "/soffice";
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

}  // namespace

TFlatCell Empty() { return {}; }

TFlatCell Text(const std::string& Value) { return {R"( office:value-type="string">)" + Paragraphs(Value)}; }

TFlatCell Number(double Value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g", Value);
  return {std::string(R"( office:value-type="float" office:value=")") + text + "\">"};
}

TFlatCell Formula(const std::string& Expression) { return {R"( table:formula=")" + Escaped(Expression) + "\">"}; }

TFlatCell Boolean(bool Value) {
  return {std::string(R"( table:style-name="cb" office:value-type="boolean" office:boolean-value=")") +
          (Value ? "true" : "false") + "\">"};
}

TFlatCell Date(const std::string& IsoValue, bool ShownAsTime) {
  return {std::string(R"( table:style-name=")") + (ShownAsTime ? "ct" : "cd") +
          R"(" office:value-type="date" office:date-value=")" + IsoValue + "\">"};
}

std::string FlatSpreadsheet(const std::vector<TFlatSheet>& Sheets, const std::string& Active) {
  std::string xml = R"(<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:config="urn:oasis:names:tc:opendocument:xmlns:config:1.0"
 xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2"
 office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
)";
  if (!Active.empty()) {
    xml += R"(<office:settings><config:config-item-set config:name="ooo:view-settings">
<config:config-item-map-indexed config:name="Views"><config:config-item-map-entry>
<config:config-item config:name="ViewId" config:type="string">view1</config:config-item>
<config:config-item config:name="ActiveTable" config:type="string">)" +
           Escaped(Active) + R"(</config:config-item>
</config:config-item-map-entry></config:config-item-map-indexed></config:config-item-set></office:settings>
)";
  }
  xml += R"(<office:automatic-styles>
<number:date-style style:name="D1"><number:year number:style="long"/><number:text>-</number:text><number:month number:style="long"/><number:text>-</number:text><number:day number:style="long"/></number:date-style>
<number:time-style style:name="T1"><number:hours number:style="long"/><number:text>:</number:text><number:minutes number:style="long"/></number:time-style>
<number:boolean-style style:name="B1"><number:boolean/></number:boolean-style>
<style:style style:name="cd" style:family="table-cell" style:data-style-name="D1"/>
<style:style style:name="ct" style:family="table-cell" style:data-style-name="T1"/>
<style:style style:name="cb" style:family="table-cell" style:data-style-name="B1"/>
</office:automatic-styles>
<office:body><office:spreadsheet>
)";
  for (const TFlatSheet& sheet : Sheets) {
    xml += "<table:table table:name=\"" + Escaped(sheet.Name) + "\">";
    // A sheet without rows still needs one, empty.
    if (sheet.Rows.empty()) xml += "<table:table-row><table:table-cell/></table:table-row>";
    for (const auto& row : sheet.Rows) {
      xml += "<table:table-row>";
      for (const TFlatCell& cell : row)
        xml += cell.Xml.empty() ? "<table:table-cell/>" : "<table:table-cell" + cell.Xml + "</table:table-cell>";
      if (row.empty()) xml += "<table:table-cell/>";
      xml += "</table:table-row>\n";
    }
    xml += "</table:table>\n";
  }
  return xml + "</office:spreadsheet></office:body></office:document>\n";
}

TProgramResult ConvertWorkbooks(const TTempFolder& Folder, const std::vector<std::string>& Files,
                                const std::string& Format) {
  std::vector<std::string> argv = {FindSoffice(),  "-env:UserInstallation=file://" + Folder.File("converter-profile"),
                                   "--headless",   "--norestore",
                                   "--convert-to", Format,
                                   "--outdir",     Folder.Path()};
  for (const std::string& file : Files) argv.push_back(Folder.File(file));
  // Generous: a first start makes the profile, and the machine may be busy.
  return RunProgram(argv, std::chrono::minutes(3));
}

bool SpreadsheetApplicationInstalled() {
  static const bool installed =
      !FindSoffice().empty() && RunProgram({"/usr/bin/python3", "-I", "-c", "import uno"}).ExitCode == 0;
  return installed;
}

}  // namespace zorbit::testing
