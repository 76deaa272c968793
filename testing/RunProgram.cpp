#include "testing/RunProgram.h"

#include "testing/ChildProcess.h"

namespace zorbit::testing {

TProgramResult RunProgram(const std::vector<std::string>& Argv, std::chrono::milliseconds Timeout) {
  TChildProcess child(Argv, TChildProcess::TErrorOutput::IntoOutput);
  child.CloseInput();
  TProgramResult result;
  const auto output = child.ReadToEnd(Timeout);
  const auto code = output ? child.WaitExit(Timeout) : std::nullopt;
  if (!code) {
    child.Kill();
    return result;
  }
  result.ExitCode = *code;
  result.Output = *output;
  return result;
}

}  // namespace zorbit::testing
