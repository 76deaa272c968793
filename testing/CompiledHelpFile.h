#pragma once
// Compiled help files (.chm) for tests, made at test time by Free Pascal's
// help compiler (chmcmd, Debian's fp-utils) from pages the test gives:
//
//   const std::string chm = MakeCompiledHelp(folder, "help", {{"html/a.htm", "<p>A</p>"}}, "html/a.htm");
#include <string>
#include <utility>
#include <vector>

#include "testing/TempFolder.h"

namespace zorbit::testing {

// (stored name without the leading "/", content)
using THelpPages = std::vector<std::pair<std::string, std::string>>;

// Writes the pages and a project below Folder/<Name>-source, compiles them
// into Folder/<Name>.chm with DefaultTopic as the file's default topic (""
// for none) and answers its path. Throws std::runtime_error when the
// compiler fails.
std::string MakeCompiledHelp(const TTempFolder& Folder, const std::string& Name, const THelpPages& Pages,
                             const std::string& DefaultTopic);

}  // namespace zorbit::testing
