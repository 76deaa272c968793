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

bool XdndTestSource::FindTarget(int px, int py, unsigned long& target, unsigned long& sendTo) const {
  ::Display* x = X(FDisplay);
  // The top-level window at the point (no window manager: a child of the root).
  ::Window child = 0;
  int wx = 0, wy = 0;
  XTranslateCoordinates(x, DefaultRootWindow(x), DefaultRootWindow(x), px, py, &wx, &wy, &child);
  if (child == 0 || !Cardinal(x, child, XInternAtom(x, "XdndAware", False), XA_ATOM)) return false;
  target = sendTo = child;
  if (const auto proxy = Cardinal(x, child, XInternAtom(x, "XdndProxy", False), XA_WINDOW)) sendTo = *proxy;
  return true;
}

void XdndTestSource::SendRaw(int px, int py, const char* messageType, int format, const long (&values)[5]) {
  ::Display* x = X(FDisplay);
  unsigned long target = 0, sendTo = 0;
  if (!FindTarget(px, py, target, sendTo)) return;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = target;
  event.xclient.message_type = XInternAtom(x, messageType, False);
  event.xclient.format = format;
  for (int i = 0; i < 5; ++i) event.xclient.data.l[i] = values[i];
  XSendEvent(x, sendTo, False, NoEventMask, &event);
  XFlush(x);
}

void XdndTestSource::ServeRequest(const void* pending, unsigned long typeAtom, const std::string& data, Reply kind) {
  ::Display* x = X(FDisplay);
  const auto& request = *static_cast<const XSelectionRequestEvent*>(pending);
  XEvent reply{};
  reply.xselection.type = SelectionNotify;
  reply.xselection.requestor = request.requestor;
  reply.xselection.selection = request.selection;
  reply.xselection.target = request.target;
  reply.xselection.time = request.time;
  if (request.target == typeAtom) {
    reply.xselection.property = request.property;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
    const int size = static_cast<int>(data.size());
    switch (kind) {
      case Reply::Bytes:
        XChangeProperty(x, request.requestor, request.property, typeAtom, 8, PropModeReplace, bytes, size);
        break;
      case Reply::Items32: {
        const long items[2] = {0x41424344, 0};
        XChangeProperty(x, request.requestor, request.property, typeAtom, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(items), 2);
        break;
      }
      case Reply::Incremental: {
        const long size32 = size;
        XChangeProperty(x, request.requestor, request.property, XInternAtom(x, "INCR", False), 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&size32), 1);
        break;
      }
      case Reply::Oversized: {
        const std::string piece(1024 * 1024, 'x');
        for (int i = 0; i < 17; ++i)
          XChangeProperty(x, request.requestor, request.property, typeAtom, 8, i == 0 ? PropModeReplace : PropModeAppend,
                          reinterpret_cast<const unsigned char*>(piece.data()), static_cast<int>(piece.size()));
        break;
      }
    }
  }
  XSendEvent(x, request.requestor, False, NoEventMask, &reply);
  XFlush(x);
}

std::optional<XdndTestSource::Outcome> XdndTestSource::Drop(int px, int py, const std::string& type,
                                                            const std::string& data, Reply kind) {
  ::Display* x = X(FDisplay);
  auto atom = [x](const char* name) { return XInternAtom(x, name, False); };
  const Atom selection = atom("XdndSelection");
  const Atom typeAtom = atom(type.c_str()), copy = atom("XdndActionCopy");
  unsigned long child = 0, sendTo = 0;
  if (!FindTarget(px, py, child, sendTo)) return std::nullopt;

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
          ServeRequest(&event.xselectionrequest, typeAtom, data, kind);
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
