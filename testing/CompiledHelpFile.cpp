#include "testing/CompiledHelpFile.h"

#include <stdexcept>

#include "testing/RunProgram.h"

namespace zorbit::testing {

std::string MakeCompiledHelp(const TTempFolder& Folder, const std::string& Name, const THelpPages& Pages,
                             const std::string& DefaultTopic) {
  const std::string source = Name + "-source/";
  const std::string output = Folder.File(Name + ".chm");
  std::string project = "[OPTIONS]\r\nCompiled file=" + output + "\r\nTitle=" + Name + "\r\n";
  if (!DefaultTopic.empty()) project += "Default topic=" + DefaultTopic + "\r\n";
  project += "\r\n[FILES]\r\n";
  for (const auto& [name, content] : Pages) {
    Folder.Write(source + name, content);
    project += name + "\r\n";
  }
  const std::string projectFile = Folder.Write(source + Name + ".hhp", project);
  const TProgramResult result = RunProgram({CHMCMD_EXECUTABLE, "--no-html-scan", projectFile});
  if (result.ExitCode != 0 || Folder.Read(Name + ".chm").empty())
    throw std::runtime_error("chmcmd failed: " + result.Output);
  return output;
}

}  // namespace zorbit::testing
