// Start-up: from the start of the process to its main window painted in the
// headless display, for the program (under uidrive, against the real
// stand-in service on a private machine) beside a program that shows one
// bare class-library form the same way, in the same run. The runner writes
// its "painted" line at the first step after the window showed, and steps
// come only when nothing but timers waits: the paint came first.
#include <benchmark/benchmark.h>

#include <chrono>
#include <iomanip>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/os/LoopbackPorts.h"
#include "platform/os/ServiceControl.h"
#include "service/tcpClient.h"
#include "testing/ChildProcess.h"
#include "testing/EnvironmentVariable.h"
#include "testing/FileContent.h"
#include "testing/PlatformRoot.h"
#include "testing/StandInService.h"

namespace {

using zorbit::testing::TChildProcess;

// Times each run of Argv up to its "print: painted" line; the process ends
// by its script's quit outside the timing.
void TimeToPainted(benchmark::State& state, const std::vector<std::string>& Argv) {
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    TChildProcess program(Argv, TChildProcess::TErrorOutput::Discarded);
    if (!program.WaitForLine("print: painted")) {
      state.SkipWithError("the window did not show");
      return;
    }
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    program.WaitExit();
  }
}

void BM_ProgramToMainWindowPainted(benchmark::State& state) {
  const zorbit::testing::TPlatformRoot root("zorbit-bench-startup");
  const zorbit::testing::TEnvironmentVariable display{"ZORBIT_DISPLAY", "headless"};
  zorbit::testing::TStandInService service({"--state", root.Folder().File("bios.json")});
  plat::RegisterService(zorbit::ServiceName, zorbit::testing::TStandInService::ExecutablePath());
  plat::SetLoopbackPortMapping(zorbit::ServicePort, service.Port());
  const std::string script = root.Folder().Write("script.txt", "wait TfmZorbitMain\nprint painted\nquit\n");
  TimeToPainted(state, {UIDRIVE_PATH, script});
}

void BM_BareFormPainted(benchmark::State& state) {
  const zorbit::testing::TPlatformRoot root("zorbit-bench-startup");
  TimeToPainted(state, {BARE_FORM_PATH});
}

BENCHMARK(BM_ProgramToMainWindowPainted)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_BareFormPainted)->Unit(benchmark::kMillisecond)->UseManualTime();

// The console report, then the program's time over the bare form's.
class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  // Plain text: the report is read in logs as often as on a terminal.
  TRatioReporter() : ConsoleReporter(OO_None) {}
  void ReportRuns(const std::vector<Run>& Reports) override {
    for (const Run& run : Reports)
      if (run.run_type == Run::RT_Iteration) FTimes[run.run_name.function_name] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(Reports);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const double program = FTimes["BM_ProgramToMainWindowPainted"];
    const double bare = FTimes["BM_BareFormPainted"];
    if (program > 0 && bare > 0)
      GetOutputStream() << "program / bare form: " << std::fixed << std::setprecision(2) << program / bare << "\n";
  }

 private:
  std::map<std::string, double> FTimes;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
