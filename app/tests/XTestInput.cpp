#include "XTestInput.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <memory>
#include <stdexcept>

namespace apptest {

namespace {

constexpr unsigned long kKeyGapMs = 20;

::Display* Native(void* Display) { return static_cast<::Display*>(Display); }

// Windows of the program come and go while they are looked at; a request
// about one that went fails, which is no reason to end the test program.
int IgnoreGoneWindows(::Display*, XErrorEvent*) { return 0; }

}  // namespace

XTestInput::XTestInput(const std::string& DisplayName) {
  ::Display* display = XOpenDisplay(DisplayName.c_str());
  if (display == nullptr) throw std::runtime_error("cannot open the X display " + DisplayName);
  int event = 0, error = 0, major = 0, minor = 0;
  if (!XTestQueryExtension(display, &event, &error, &major, &minor)) {
    XCloseDisplay(display);
    throw std::runtime_error("the X server " + DisplayName + " has no XTEST extension");
  }
  FDisplay = display;
  XSetErrorHandler(IgnoreGoneWindows);
}

XTestInput::~XTestInput() { XCloseDisplay(Native(FDisplay)); }

std::vector<XTestInput::TWindowPlace> XTestInput::ShownWindows() const {
  ::Display* display = Native(FDisplay);
  ::Window root = 0, parent = 0;
  ::Window* children = nullptr;
  unsigned count = 0;
  std::vector<TWindowPlace> found;
  if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return found;
  const std::unique_ptr<::Window, int (*)(void*)> owned(children, XFree);
  // The tree lists children bottom first.
  for (unsigned i = count; i-- > 0;) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, children[i], &attributes) || attributes.map_state != IsViewable) continue;
    char* name = nullptr;
    XFetchName(display, children[i], &name);
    found.push_back({name != nullptr ? name : "", attributes.x, attributes.y, attributes.width, attributes.height});
    if (name != nullptr) XFree(name);
  }
  return found;
}

void XTestInput::MovePointer(int X, int Y) const {
  ::Display* display = Native(FDisplay);
  XTestFakeMotionEvent(display, DefaultScreen(display), X, Y, CurrentTime);
  XSync(display, False);
}

void XTestInput::Click(int X, int Y) const {
  MovePointer(X, Y);
  ::Display* display = Native(FDisplay);
  XTestFakeButtonEvent(display, Button1, True, CurrentTime);
  XTestFakeButtonEvent(display, Button1, False, CurrentTime);
  XSync(display, False);
}

void XTestInput::Type(const std::string& KeyName) const {
  ::Display* display = Native(FDisplay);
  const KeySym symbol = XStringToKeysym(KeyName.c_str());
  const KeyCode code = symbol == NoSymbol ? 0 : XKeysymToKeycode(display, symbol);
  if (code == 0) throw std::runtime_error("no key gives \"" + KeyName + "\"");
  // The server spaces the events as a quick typist would, so that each
  // carries its own time.
  XTestFakeKeyEvent(display, code, True, kKeyGapMs);
  XTestFakeKeyEvent(display, code, False, kKeyGapMs);
  XSync(display, False);
}

}  // namespace apptest
