#include "testing/StandInService.h"

#include <cstdlib>
#include <stdexcept>

namespace zorbit::testing {

namespace {

// Generous for a sanitizer build on a busy machine; a healthy start takes milliseconds.
constexpr auto kStartTimeout = std::chrono::seconds(60);

// The port of the announcement "listening on <port>"; 0 for any other line.
int AnnouncedPort(const std::string& Line) {
  const std::string prefix = "listening on ";
  if (Line.compare(0, prefix.size(), prefix) != 0) return 0;
  return std::atoi(Line.c_str() + prefix.size());
}

}  // namespace

TStandInService::TStandInService(std::vector<std::string> Arguments) : FArguments(std::move(Arguments)) { Start(0); }

TStandInService::~TStandInService() { Stop(); }

std::string TStandInService::ExecutablePath() { return MGMTSVC_EXECUTABLE; }

void TStandInService::Start(int Port) {
  std::vector<std::string> argv{ExecutablePath(), "--port", std::to_string(Port)};
  argv.insert(argv.end(), FArguments.begin(), FArguments.end());
  FProcess = std::make_unique<TChildProcess>(argv);
  const auto line = FProcess->ReadLine(kStartTimeout);
  FPort = line ? AnnouncedPort(*line) : 0;
  if (FPort == 0) {
    const int code = Stop();
    throw std::runtime_error("TStandInService: " + argv[0] + " did not announce its port (exit code " +
                             std::to_string(code) + ")");
  }
}

int TStandInService::Stop() {
  if (FProcess) {
    FExitCode = FProcess->Stop();
    FProcess.reset();
  }
  return FExitCode;
}

void TStandInService::Pause() {
  if (!FProcess || !FProcess->Pause()) throw std::runtime_error("TStandInService: the service did not stop");
}

void TStandInService::Resume() {
  if (FProcess) FProcess->Resume();
}

void TStandInService::Restart() {
  const int port = FPort;
  Stop();
  Start(port);
}

}  // namespace zorbit::testing
