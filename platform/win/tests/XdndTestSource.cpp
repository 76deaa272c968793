#include "platform/win/tests/XdndTestSource.h"

#include <poll.h>

#include <chrono>
#include <functional>
#include <stdexcept>

#include "testing/WaitUntil.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace plat::testing {
namespace {

::Display* X(void* display) { return static_cast<::Display*>(display); }

std::optional<unsigned long> Cardinal(::Display* x, ::Window window, Atom property, Atom type) {
  Atom actual = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::optional<unsigned long> value;
  if (XGetWindowProperty(x, window, property, 0, 1, False, type, &actual, &format, &count, &after, &data) == Success &&
      data && actual == type && format == 32 && count == 1)
    value = reinterpret_cast<unsigned long*>(data)[0];
  if (data) XFree(data);
  return value;
}

}  // namespace

XdndTestSource::XdndTestSource(const std::string& displayName) {
  ::Display* x = XOpenDisplay(displayName.c_str());
  if (!x) throw std::runtime_error("cannot open the X display " + displayName);
  FDisplay = x;
  FWindow = XCreateSimpleWindow(x, DefaultRootWindow(x), 0, 0, 1, 1, 0, 0, 0);
}

XdndTestSource::~XdndTestSource() {
  XDestroyWindow(X(FDisplay), FWindow);
  XCloseDisplay(X(FDisplay));
}

std::optional<XdndTestSource::Outcome> XdndTestSource::Drop(int px, int py, const std::string& type,
                                                            const std::string& data) {
  ::Display* x = X(FDisplay);
  auto atom = [x](const char* name) { return XInternAtom(x, name, False); };
  const Atom aware = atom("XdndAware"), proxyAtom = atom("XdndProxy"), selection = atom("XdndSelection");
  const Atom typeAtom = atom(type.c_str()), copy = atom("XdndActionCopy");

  // The top-level window at the point (no window manager: a child of the root).
  ::Window child = 0;
  int wx = 0, wy = 0;
  XTranslateCoordinates(x, DefaultRootWindow(x), DefaultRootWindow(x), px, py, &wx, &wy, &child);
  if (child == 0 || !Cardinal(x, child, aware, XA_ATOM)) return std::nullopt;
  ::Window sendTo = child;
  if (const auto proxy = Cardinal(x, child, proxyAtom, XA_WINDOW)) sendTo = static_cast<::Window>(*proxy);

  auto send = [&](const char* name, long l1, long l2, long l3, long l4) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = child;
    event.xclient.message_type = atom(name);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(FWindow);
    event.xclient.data.l[1] = l1;
    event.xclient.data.l[2] = l2;
    event.xclient.data.l[3] = l3;
    event.xclient.data.l[4] = l4;
    XSendEvent(x, sendTo, False, NoEventMask, &event);
    XFlush(x);
  };
  Outcome outcome;
  bool statusCame = false;
  // Handles what arrives until done() holds; false when it did not in time.
  auto runUntil = [&](const std::function<bool()>& done) {
    return zorbit::testing::WaitUntil([&] {
      while (XPending(x) > 0) {
        XEvent event;
        XNextEvent(x, &event);
        if (event.type == SelectionRequest) {
          const XSelectionRequestEvent& request = event.xselectionrequest;
          XEvent reply{};
          reply.xselection.type = SelectionNotify;
          reply.xselection.requestor = request.requestor;
          reply.xselection.selection = request.selection;
          reply.xselection.target = request.target;
          reply.xselection.time = request.time;
          if (request.target == typeAtom) {
            XChangeProperty(x, request.requestor, request.property, typeAtom, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(data.data()), static_cast<int>(data.size()));
            reply.xselection.property = request.property;
          }
          XSendEvent(x, request.requestor, False, NoEventMask, &reply);
          XFlush(x);
        } else if (event.type == ClientMessage && event.xclient.message_type == atom("XdndStatus")) {
          statusCame = true;
          outcome.Accepted = (event.xclient.data.l[1] & 1) != 0;
        } else if (event.type == ClientMessage && event.xclient.message_type == atom("XdndFinished")) {
          outcome.Finished = true;
          outcome.FinishedOk = (event.xclient.data.l[1] & 1) != 0;
          if (event.xclient.data.l[2] != 0) {
            char* name = XGetAtomName(x, static_cast<Atom>(event.xclient.data.l[2]));
            outcome.Action = name ? name : "";
            if (name) XFree(name);
          }
        }
      }
      return done();
    });
  };

  XSetSelectionOwner(x, selection, FWindow, CurrentTime);
  send("XdndEnter", 5L << 24, static_cast<long>(typeAtom), 0, 0);
  send("XdndPosition", 0, (static_cast<long>(px) << 16) | py, CurrentTime, static_cast<long>(copy));
  if (!runUntil([&] { return statusCame; })) return outcome;
  if (!outcome.Accepted) {
    send("XdndLeave", 0, 0, 0, 0);
    return outcome;
  }
  send("XdndDrop", 0, CurrentTime, 0, 0);
  runUntil([&] { return outcome.Finished; });
  return outcome;
}

}  // namespace plat::testing
