#include "platform/win/tests/XvfbServer.h"

#include <initializer_list>

#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

#include "platform/os/ProcessSpawn.h"

namespace plat::testing {

namespace {

// Generous for a loaded machine; a healthy start takes a fraction of it.
constexpr auto kStartTimeout = std::chrono::seconds(60);

}  // namespace

bool XvfbServer::Available() { return !plat::FindProgram("Xvfb").empty(); }

std::string XvfbServer::UnusedDisplayName() {
  int number = 6000;
  const auto taken = [](int display) {
    const std::string n = std::to_string(display);
    return ::access(("/tmp/.X11-unix/X" + n).c_str(), F_OK) == 0 ||
           ::access(("/tmp/.X" + n + "-lock").c_str(), F_OK) == 0;
  };
  while (taken(number)) ++number;
  return ":" + std::to_string(number);
}

XvfbServer::XvfbServer(int width, int height) {
  const std::string program = plat::FindProgram("Xvfb");
  if (program.empty()) throw std::runtime_error("Xvfb is not installed");
  const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
  // The server writes its display number on standard output once it is ready.
  FServer = std::make_unique<zorbit::testing::TChildProcess>(
      std::vector<std::string>{program, "-displayfd", "1", "-screen", "0", screen, "-nolisten", "tcp", "-br",
                               "-noreset"},
      zorbit::testing::TChildProcess::TErrorOutput::Discarded);
  const std::string number = FServer->ReadLine(kStartTimeout).value_or("");
  if (number.empty()) {
    Stop();
    throw std::runtime_error("Xvfb did not start");
  }
  FDisplayName = ":" + number;
  FConnection = XOpenDisplay(FDisplayName.c_str());
  if (FConnection == nullptr) {
    Stop();
    throw std::runtime_error("cannot connect to Xvfb on " + FDisplayName);
  }
}

XvfbServer::~XvfbServer() { Stop(); }

void XvfbServer::Stop() {
  if (FClipboardOwnerPid > 0) {
    ::kill(FClipboardOwnerPid, SIGKILL);
    ::waitpid(FClipboardOwnerPid, nullptr, 0);
  }
  FClipboardOwnerPid = -1;
  if (FConnection != nullptr) XCloseDisplay(static_cast<::Display*>(FConnection));
  FConnection = nullptr;
  if (FServer) FServer->Stop();
  FServer.reset();
}

std::optional<std::uint32_t> XvfbServer::OpacityOf(unsigned long window) const {
  auto* display = static_cast<::Display*>(FConnection);
  const Atom property = XInternAtom(display, "_NET_WM_WINDOW_OPACITY", False);
  Atom type = 0;
  int format = 0;
  unsigned long items = 0, remaining = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format, &items, &remaining,
                         &data) != Success)
    return std::nullopt;
  std::optional<std::uint32_t> opacity;
  // Format-32 items come as longs.
  if (data != nullptr && format == 32 && items == 1)
    opacity = static_cast<std::uint32_t>(*reinterpret_cast<unsigned long*>(data));
  if (data != nullptr) XFree(data);
  return opacity;
}

std::optional<XvfbServer::NativeWindowState> XvfbServer::ShownWindowAt(int x, int y, int width, int height) const {
  auto* display = static_cast<::Display*>(FConnection);
  ::Window root = 0, parent = 0, focus = 0;
  ::Window* children = nullptr;
  unsigned count = 0;
  int revert = 0;
  XGetInputFocus(display, &focus, &revert);
  if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) return std::nullopt;
  std::optional<NativeWindowState> found;
  for (unsigned i = 0; i < count && !found; ++i) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, children[i], &attributes) == 0 || attributes.map_state != IsViewable) continue;
    if (attributes.x == x && attributes.y == y && attributes.width == width && attributes.height == height)
      found = NativeWindowState{attributes.override_redirect != 0, focus == children[i], OpacityOf(children[i])};
  }
  if (children != nullptr) XFree(children);
  return found;
}

std::vector<std::uint32_t> XvfbServer::Grab(int x, int y, int width, int height) const {
  auto* display = static_cast<::Display*>(FConnection);
  XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), AllPlanes, ZPixmap);
  if (image == nullptr) return {};
  std::vector<std::uint32_t> pixels;
  pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int row = 0; row < height; ++row)
    for (int column = 0; column < width; ++column)
      pixels.push_back(static_cast<std::uint32_t>(XGetPixel(image, column, row)) & 0xFFFFFF);
  XDestroyImage(image);
  return pixels;
}

}  // namespace plat::testing

namespace plat::testing {

void XvfbServer::MovePointer(int x, int y) const {
  auto* display = static_cast<::Display*>(FConnection);
  XWarpPointer(display, None, DefaultRootWindow(display), 0, 0, 0, 0, x, y);
  XSync(display, False);
}

void XvfbServer::SendPointerEvents(int x, int y, std::initializer_list<int> types) const {
  auto* display = static_cast<::Display*>(FConnection);
  const ::Window root = DefaultRootWindow(display);
  ::Window target = root;
  for (;;) {
    ::Window rootReturn = None, child = None;
    int rootX = 0, rootY = 0, winX = 0, winY = 0;
    unsigned int mask = 0;
    XQueryPointer(display, target, &rootReturn, &child, &rootX, &rootY, &winX, &winY, &mask);
    if (child == None) break;
    target = child;
  }
  int localX = 0, localY = 0;
  ::Window ignored = None;
  XTranslateCoordinates(display, root, target, x, y, &localX, &localY, &ignored);
  for (const int type : types) {
    XEvent event{};
    if (type == MotionNotify) {
      event.xmotion.type = MotionNotify;
      event.xmotion.display = display;
      event.xmotion.window = target;
      event.xmotion.root = root;
      event.xmotion.time = CurrentTime;
      event.xmotion.x = localX;
      event.xmotion.y = localY;
      event.xmotion.x_root = x;
      event.xmotion.y_root = y;
      event.xmotion.same_screen = True;
      XSendEvent(display, target, True, PointerMotionMask, &event);
      continue;
    }
    event.xbutton.type = type;
    event.xbutton.display = display;
    event.xbutton.window = target;
    event.xbutton.root = root;
    event.xbutton.time = CurrentTime;
    event.xbutton.x = localX;
    event.xbutton.y = localY;
    event.xbutton.x_root = x;
    event.xbutton.y_root = y;
    event.xbutton.state = type == ButtonRelease ? Button1Mask : 0;
    event.xbutton.button = Button1;
    event.xbutton.same_screen = True;
    XSendEvent(display, target, True, type == ButtonPress ? ButtonPressMask : ButtonReleaseMask, &event);
  }
  XSync(display, False);
}

void XvfbServer::Click(int x, int y) const {
  MovePointer(x, y);
  SendPointerEvents(x, y, {MotionNotify, ButtonPress, ButtonRelease});
}

void XvfbServer::Press(int x, int y) const {
  MovePointer(x, y);
  SendPointerEvents(x, y, {MotionNotify, ButtonPress});
}

void XvfbServer::Release(int x, int y) const { SendPointerEvents(x, y, {ButtonRelease}); }

}  // namespace plat::testing

namespace plat::testing {

namespace {

struct ClipboardAtoms {
  Atom Clipboard, Utf8, Targets, Property;
  explicit ClipboardAtoms(::Display* display)
      : Clipboard(XInternAtom(display, "CLIPBOARD", False)),
        Utf8(XInternAtom(display, "UTF8_STRING", False)),
        Targets(XInternAtom(display, "TARGETS", False)),
        Property(XInternAtom(display, "ZORBIT_TEST_CLIPBOARD", False)) {}
};

// The clipboard owner's life in the child: answer every request with the
// text (or the list of targets) until killed.
[[noreturn]] void ServeClipboard(const std::string& displayName, const std::string& text, int readyFd) {
  ::Display* display = XOpenDisplay(displayName.c_str());
  if (display == nullptr) ::_exit(1);
  const ClipboardAtoms atoms(display);
  const ::Window owner = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
  XSetSelectionOwner(display, atoms.Clipboard, owner, CurrentTime);
  XSync(display, False);
  const char ready = XGetSelectionOwner(display, atoms.Clipboard) == owner ? 'y' : 'n';
  if (::write(readyFd, &ready, 1) != 1) ::_exit(1);
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == SelectionClear) ::_exit(0);
    if (event.type != SelectionRequest) continue;
    const XSelectionRequestEvent& request = event.xselectionrequest;
    XSelectionEvent reply{};
    reply.type = SelectionNotify;
    reply.requestor = request.requestor;
    reply.selection = request.selection;
    reply.target = request.target;
    reply.time = request.time;
    reply.property = request.property;
    if (request.target == atoms.Targets) {
      const Atom targets[] = {atoms.Targets, atoms.Utf8, XA_STRING};
      XChangeProperty(display, request.requestor, request.property, XA_ATOM, 32, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(targets), 3);
    } else if (request.target == atoms.Utf8 || request.target == XA_STRING) {
      XChangeProperty(display, request.requestor, request.property, request.target, 8, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
    } else {
      reply.property = None;
    }
    XSendEvent(display, request.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&reply));
    XFlush(display);
  }
}

}  // namespace

void XvfbServer::RequestClipboardText() {
  auto* display = static_cast<::Display*>(FConnection);
  if (FRequestor == 0) FRequestor = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
  const ClipboardAtoms atoms(display);
  XConvertSelection(display, atoms.Clipboard, atoms.Utf8, atoms.Property, FRequestor, CurrentTime);
  XFlush(display);
}

std::optional<std::string> XvfbServer::ClipboardTextArrived() {
  auto* display = static_cast<::Display*>(FConnection);
  while (XPending(display) > 0) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type != SelectionNotify) continue;
    if (event.xselection.property == None) return std::string();
    Atom type;
    int format;
    unsigned long count, remaining;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(display, FRequestor, event.xselection.property, 0, 1 << 16, True, AnyPropertyType, &type,
                           &format, &count, &remaining, &data) == Success &&
        data != nullptr) {
      text.assign(reinterpret_cast<const char*>(data), count);
      XFree(data);
    }
    return text;
  }
  return std::nullopt;
}

void XvfbServer::OfferClipboardText(const std::string& text) {
  int ready[2];
  if (::pipe(ready) != 0) throw std::runtime_error("pipe failed");
  const pid_t parent = ::getpid();
  const pid_t child = ::fork();
  if (child == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(1);
    ::close(ready[0]);
    ServeClipboard(FDisplayName, text, ready[1]);
  }
  ::close(ready[1]);
  char answer = 'n';
  const bool started = child > 0 && ::read(ready[0], &answer, 1) == 1 && answer == 'y';
  ::close(ready[0]);
  if (child > 0) {
    if (FClipboardOwnerPid > 0) {
      ::kill(FClipboardOwnerPid, SIGKILL);
      ::waitpid(FClipboardOwnerPid, nullptr, 0);
    }
    FClipboardOwnerPid = child;
  }
  if (!started) throw std::runtime_error("the clipboard owner did not start");
}

}  // namespace plat::testing
