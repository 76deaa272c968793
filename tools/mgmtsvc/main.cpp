// mgmtsvc: the stand-in for the local management service. See ServiceUsage().
#include <fcntl.h>
#include <poll.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <memory>
#include <stdexcept>
#include <exception>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "platform/os/ServiceControl.h"
#include "platform/rtl/ScopeExit.h"
#include "tools/mgmtsvc/AlertBook.h"
#include "tools/mgmtsvc/BiosStateFile.h"
#include "tools/mgmtsvc/CommandDispatcher.h"
#include "tools/mgmtsvc/DefaultProfile.h"
#include "tools/mgmtsvc/FakeBios.h"
#include "tools/mgmtsvc/LineServer.h"
#include "tools/mgmtsvc/MachineProfile.h"
#include "tools/mgmtsvc/ServiceOptions.h"
#include "tools/mgmtsvc/StopSignal.h"
#include "tools/mgmtsvc/UniqueFd.h"

namespace {

using namespace zorbit::mgmtsvc;

// SIGINT and SIGTERM are taken as descriptors so that one poll sees them; they
// must be blocked before any thread starts, for every thread inherits the mask.
UniqueFd BlockStopSignals() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
  std::signal(SIGPIPE, SIG_IGN);
  return UniqueFd(signalfd(-1, &set, SFD_CLOEXEC));
}

void RaiseOnSignal(int SignalFd, StopSignal& Stop) {
  pollfd entries[2] = {{SignalFd, POLLIN, 0}, {Stop.Fd(), POLLIN, 0}};
  while (poll(entries, 2, -1) < 0 && errno == EINTR) {
  }
  Stop.Raise();
}

// Sends the standard error, where every diagnostic goes, to the log file.
void OpenLog(const std::string& Path) {
  UniqueFd log(open(Path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
  if (!log.Valid() || dup2(log.Get(), STDERR_FILENO) < 0) throw std::runtime_error("cannot open the log " + Path);
}

int Serve(const ServiceOptions& Options) {
  if (!Options.LogFile.empty()) OpenLog(Options.LogFile);
  std::unique_ptr<MachineProfile> profile = Options.ProfileFile.empty()
                                                ? MachineProfile::FromJsonText(DefaultProfileText(), "(built in)")
                                                : MachineProfile::FromFile(Options.ProfileFile);
  BiosStateFile stateFile(Options.StateFile);
  BiosState state = stateFile.Load(std::cerr);
  FakeBios bios(stateFile, state, Options.FailFeatures, Options.AssetTagFallbackOnly, std::cerr);
  AlertBook alerts(profile->Sensors());
  CommandDispatcher dispatcher(*profile, bios, alerts);

  UniqueFd signals = BlockStopSignals();
  if (!signals.Valid()) throw std::runtime_error("cannot watch for signals");
  StopSignal stop;
  LineServer server(Options, dispatcher, stop, std::cerr);
  int port = server.Listen();
  std::cout << "listening on " << port << std::endl;
  // Tells the service manager that the service runs (nothing when started otherwise).
  plat::ReportServiceStatus(plat::SERVICE_RUNNING, 0, 0);

  std::thread watcher(RaiseOnSignal, signals.Get(), std::ref(stop));
  {
    const plat::ScopeExit stopped([&] {
      stop.Raise();
      watcher.join();
    });
    server.Run();
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << ServiceUsage();
    return 0;
  }
  ServiceOptions options;
  try {
    options = ParseServiceOptions(args);
  } catch (const std::invalid_argument& error) {
    std::cerr << "mgmtsvc: " << error.what() << "\n" << ServiceUsage();
    return 2;
  }
  try {
    return Serve(options);
  } catch (const std::exception& error) {
    std::cerr << "mgmtsvc: " << error.what() << "\n";
    return 1;
  }
}
