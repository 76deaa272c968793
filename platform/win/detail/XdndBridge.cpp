#include "platform/win/detail/XdndBridge.h"

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <optional>
#include <vector>

#include "platform/win/BlockDataObject.h"
#include "platform/win/Display.h"
#include "platform/win/Messages.h"
#include "platform/win/detail/DataObjectReading.h"
#include "platform/win/detail/WakeSources.h"
#include "platform/win/detail/XdndFormats.h"

// Last: Xlib defines names (Display, None, Bool, Status) the window layer uses.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace plat {
namespace {

constexpr long kVersion = 5;
constexpr long kMinVersion = 3;
constexpr std::size_t kMaxTypes = 1024;
// How long the other program may take, in real time: a status or a
// selection reply, and a drop's finish (it reads the data meanwhile).
constexpr int kReplyWaitMs = 3000;
constexpr int kFinishWaitMs = 10000;

using Clock = std::chrono::steady_clock;

::Display*& OurConnection() {
  static ::Display* connection = nullptr;
  return connection;
}

using ErrorHandler = int (*)(::Display*, XErrorEvent*);
ErrorHandler& PreviousErrorHandler() {
  static ErrorHandler previous = nullptr;
  return previous;
}

// Requests about windows another program may close at any time fail; on
// our connection that only means the window is gone. Other connections'
// errors keep their handling.
int IgnoreOurErrors(::Display* display, XErrorEvent* error) {
  if (display == OurConnection()) return 0;
  return PreviousErrorHandler() ? PreviousErrorHandler()(display, error) : 0;
}

// Another program's drag over our windows.
struct Incoming {
  ::Window Source = 0;
  ::Window Target = 0;
  std::vector<String> Types;
  InterfacePtr<IDataObject> Data;
  TPoint Point;
  DWORD OkEffects = DROPEFFECT_NONE;
  unsigned Serial = 0;
};

// Our drag over another program's window.
struct Outgoing {
  ::Window Target = 0;
  ::Window SendTo = 0;
  long Version = kVersion;
  bool AwaitingStatus = false;
  std::optional<TPoint> Queued;
  Atom QueuedAction = 0;
  bool Accepted = false;
  Atom Action = 0;
  bool Finished = false;
  bool FinishedOk = false;
  Atom FinishedAction = 0;
};

// Another program's window that takes drags, and where its messages go.
struct Found {
  ::Window Target = 0;
  ::Window SendTo = 0;
  long Version = 0;
};

}  // namespace

struct XdndBridge::Impl : std::enable_shared_from_this<XdndBridge::Impl> {
  struct Atoms {
    Atom Aware, Proxy, Enter, Position, StatusMessage, Leave, Drop, Finished, Selection, TypeList;
    Atom ActionCopy, ActionMove, ActionLink, Targets, Incr, Transfer;
  };

  ::Display* X = nullptr;
  ::Window Own = 0;
  Atoms A{};
  WakeSourceId Wake = 0;
  bool Handling = false;
  std::optional<Incoming> In;
  unsigned NextSerial = 0;
  // The drop's time stamp, for reading the selection as it was then.
  Time DropTime = CurrentTime;
  Outgoing Out;
  // What our drag offers while it runs (the selection's contents).
  InterfacePtr<IDataObject> Serving;
  std::vector<String> ServingTypes;

  ~Impl() {
    RemoveWakeSource(Wake);
    if (X) {
      XDestroyWindow(X, Own);
      XCloseDisplay(X);
      if (OurConnection() == X) OurConnection() = nullptr;
    }
  }

  Atom Intern(const char* name) const { return XInternAtom(X, name, False); }

  String NameOf(Atom atom) const {
    char* name = atom != 0 ? XGetAtomName(X, atom) : nullptr;
    if (!name) return String();
    String result(name);
    XFree(name);
    return result;
  }

  // One 32-bit property item, as Xlib hands it out (a long).
  std::optional<unsigned long> CardinalProperty(::Window window, Atom property, Atom type) const {
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(X, window, property, 0, 1, False, type, &actual, &format, &count, &after, &data) !=
        Success)
      return std::nullopt;
    std::optional<unsigned long> value;
    if (data && actual == type && format == 32 && count == 1) value = reinterpret_cast<unsigned long*>(data)[0];
    if (data) XFree(data);
    return value;
  }

  void Send(::Window to, ::Window about, Atom type, const long (&values)[5]) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.display = X;
    event.xclient.window = about;
    event.xclient.message_type = type;
    event.xclient.format = 32;
    for (int i = 0; i < 5; ++i) event.xclient.data.l[i] = values[i];
    XSendEvent(X, to, False, NoEventMask, &event);
    XFlush(X);
  }

  Atom ActionOf(DWORD effect) const {
    if (effect & DROPEFFECT_MOVE) return A.ActionMove;
    if (effect & DROPEFFECT_COPY) return A.ActionCopy;
    if (effect & DROPEFFECT_LINK) return A.ActionLink;
    return 0;
  }

  DWORD EffectOf(Atom action) const {
    if (action == A.ActionMove) return DROPEFFECT_MOVE;
    if (action == A.ActionLink) return DROPEFFECT_LINK;
    // Copy, and the actions we do not know (ask, private): a copy is the
    // least a drop does.
    return action != 0 ? DROPEFFECT_COPY : DROPEFFECT_NONE;
  }

  // The MK_ flags of the pointer and keyboard as the server has them.
  DWORD PointerKeys() const {
    ::Window root = 0, child = 0;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned mask = 0;
    if (!XQueryPointer(X, DefaultRootWindow(X), &root, &child, &rootX, &rootY, &x, &y, &mask)) return 0;
    DWORD keys = 0;
    if (mask & Button1Mask) keys |= MK_LBUTTON;
    if (mask & Button2Mask) keys |= MK_MBUTTON;
    if (mask & Button3Mask) keys |= MK_RBUTTON;
    if (mask & ShiftMask) keys |= MK_SHIFT;
    if (mask & ControlMask) keys |= MK_CONTROL;
    if (mask & Mod1Mask) keys |= MK_ALT;
    return keys;
  }

  // Runs every event queued on the connection. Not nested: a target that
  // runs the message loop from a drop leaves the rest to this call.
  void HandlePending() {
    if (Handling) return;
    Handling = true;
    while (XPending(X) > 0) {
      XEvent event;
      XNextEvent(X, &event);
      Handle(event);
    }
    Handling = false;
  }

  void Handle(XEvent& event) {
    if (event.type == SelectionRequest) {
      AnswerSelectionRequest(event.xselectionrequest);
      return;
    }
    if (event.type != ClientMessage || event.xclient.format != 32) return;
    const XClientMessageEvent& message = event.xclient;
    const Atom type = message.message_type;
    if (type == A.Enter) OnEnter(message);
    else if (type == A.Position) OnPosition(message);
    else if (type == A.Leave) OnLeave(message);
    else if (type == A.Drop) OnDrop(message);
    else if (type == A.StatusMessage) OnStatus(message);
    else if (type == A.Finished) OnFinished(message);
  }

  // Waits (bounded) until done() or the time is up, handling events.
  bool WaitUntil(const std::function<bool()>& done, int milliseconds) {
    const auto until = Clock::now() + std::chrono::milliseconds(milliseconds);
    const bool wasHandling = std::exchange(Handling, false);
    bool reached = false;
    for (;;) {
      HandlePending();
      if (done()) {
        reached = true;
        break;
      }
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
      if (left <= 0) break;
      pollfd fd{ConnectionNumber(X), POLLIN, 0};
      ::poll(&fd, 1, static_cast<int>(left));
    }
    Handling = wasHandling;
    return reached;
  }

  // ---- Target side ----

  std::vector<String> OfferedTypes(const XClientMessageEvent& message) const {
    std::vector<Atom> atoms;
    if (message.data.l[1] & 1) {
      Atom actual = 0;
      int format = 0;
      unsigned long count = 0, after = 0;
      unsigned char* data = nullptr;
      const auto source = static_cast<::Window>(message.data.l[0]);
      if (XGetWindowProperty(X, source, A.TypeList, 0, kMaxTypes, False, XA_ATOM, &actual, &format, &count, &after,
                             &data) == Success &&
          data && actual == XA_ATOM && format == 32)
        for (unsigned long i = 0; i < count; ++i) atoms.push_back(reinterpret_cast<unsigned long*>(data)[i]);
      if (data) XFree(data);
    } else {
      for (int i = 2; i < 5; ++i)
        if (message.data.l[i] != 0) atoms.push_back(static_cast<Atom>(message.data.l[i]));
    }
    std::vector<String> types;
    for (Atom atom : atoms) types.push_back(NameOf(atom));
    return types;
  }

  void OnEnter(const XClientMessageEvent& message) {
    const long version = (message.data.l[1] >> 24) & 0xFF;
    if (version < kMinVersion || message.data.l[0] == 0) return;
    if (In) FeedExternalDragLeave();
    Incoming in;
    in.Source = static_cast<::Window>(message.data.l[0]);
    in.Target = message.window;
    in.Types = OfferedTypes(message);
    in.Serial = ++NextSerial;
    std::weak_ptr<Impl> self = weak_from_this();
    const unsigned serial = in.Serial;
    in.Data = TBlockDataObject::CreateFetching(FormatsOfTypes(in.Types),
                                               [self, serial](CLIPFORMAT format) -> std::optional<std::vector<Byte>> {
                                                 const std::shared_ptr<Impl> impl = self.lock();
                                                 if (!impl) return std::nullopt;
                                                 return impl->FetchFormat(serial, format);
                                               });
    In = std::move(in);
  }

  bool FromCurrentSource(const XClientMessageEvent& message) const {
    return In && static_cast<::Window>(message.data.l[0]) == In->Source;
  }

  DWORD OkEffectsOf(Atom action) const {
    if (action == A.ActionMove) return DROPEFFECT_MOVE | DROPEFFECT_COPY;
    if (action == A.ActionLink) return DROPEFFECT_LINK;
    return DROPEFFECT_COPY;
  }

  void OnPosition(const XClientMessageEvent& message) {
    if (!FromCurrentSource(message)) return;
    const auto packed = static_cast<unsigned long>(message.data.l[2]);
    In->Point = {static_cast<int>((packed >> 16) & 0xFFFF), static_cast<int>(packed & 0xFFFF)};
    In->OkEffects = OkEffectsOf(static_cast<Atom>(message.data.l[4]));
    const InterfacePtr<IDataObject> data = In->Data;
    const ::Window source = In->Source, target = In->Target;
    const DWORD effect = FeedExternalDragOver(data.Get(), In->Point, PointerKeys(), In->OkEffects);
    // Accepted (bit 0), and positions wanted everywhere (bit 1): our
    // windows hold many targets.
    Send(source, source, A.StatusMessage,
                {static_cast<long>(target), (effect != DROPEFFECT_NONE ? 1 : 0) | 2, 0, 0,
                 static_cast<long>(ActionOf(effect))});
  }

  void OnLeave(const XClientMessageEvent& message) {
    if (!FromCurrentSource(message)) return;
    In.reset();
    FeedExternalDragLeave();
  }

  void OnDrop(const XClientMessageEvent& message) {
    if (!FromCurrentSource(message)) return;
    Incoming in = std::move(*In);
    DropTime = static_cast<Time>(message.data.l[2]);
    // The serial stays current while the target reads the data.
    In.emplace();
    In->Source = in.Source;
    In->Types = in.Types;
    In->Serial = in.Serial;
    const DWORD effect = FeedExternalDrop(in.Data.Get(), in.Point, PointerKeys(), in.OkEffects);
    In.reset();
    Send(in.Source, in.Source, A.Finished,
                {static_cast<long>(in.Target), effect != DROPEFFECT_NONE ? 1 : 0,
                 static_cast<long>(ActionOf(effect)), 0, 0});
  }

  std::optional<std::vector<Byte>> FetchFormat(unsigned serial, CLIPFORMAT format) {
    if (!In || In->Serial != serial) return std::nullopt;
    const std::optional<String> type = TypeForFormat(format, In->Types);
    if (!type) return std::nullopt;
    const std::optional<std::vector<Byte>> bytes = ConvertSelection(Intern(type->c_str()));
    if (!bytes) return std::nullopt;
    return FormatBytesFromType(format, *type, *bytes);
  }

  std::optional<std::vector<Byte>> ConvertSelection(Atom type) {
    XDeleteProperty(X, Own, A.Transfer);
    XConvertSelection(X, A.Selection, type, A.Transfer, Own, DropTime);
    XFlush(X);
    std::optional<XSelectionEvent> reply;
    const auto until = Clock::now() + std::chrono::milliseconds(kReplyWaitMs);
    for (;;) {
      XEvent event;
      if (XCheckTypedWindowEvent(X, Own, SelectionNotify, &event)) {
        if (event.xselection.selection == A.Selection) {
          reply = event.xselection;
          break;
        }
        continue;
      }
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
      if (left <= 0) break;
      pollfd fd{ConnectionNumber(X), POLLIN, 0};
      ::poll(&fd, 1, static_cast<int>(left));
    }
    if (!reply || reply->property == 0) return std::nullopt;
    return ReadTransfer(reply->property);
  }

  // The reply's bytes: 8-bit, whole, not INCR, and within the limit.
  std::optional<std::vector<Byte>> ReadTransfer(Atom property) {
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const long longs = static_cast<long>(kMaxSelectionBytes / 4);
    const int read = XGetWindowProperty(X, Own, property, 0, longs, True, AnyPropertyType, &actual, &format, &count,
                                        &after, &data);
    std::optional<std::vector<Byte>> bytes;
    if (read == Success && data && format == 8 && after == 0 && actual != A.Incr && count <= kMaxSelectionBytes)
      bytes = std::vector<Byte>(data, data + count);
    if (data) XFree(data);
    XDeleteProperty(X, Own, property);
    return bytes;
  }

  // ---- Source side ----

  // The XdndAware window under a root point, through the window tree
  // (a desktop's frame windows hold the program's window inside).
  std::optional<Found> TargetAt(TPoint screen) const {
    const ::Window root = DefaultRootWindow(X);
    ::Window current = root;
    for (int depth = 0; depth < 8; ++depth) {
      ::Window child = 0;
      int x = 0, y = 0;
      if (!XTranslateCoordinates(X, root, current, screen.X, screen.Y, &x, &y, &child) || child == 0) return std::nullopt;
      if (const auto version = CardinalProperty(child, A.Aware, XA_ATOM); version && *version >= kMinVersion) {
        Found found{child, child, std::min<long>(static_cast<long>(*version), kVersion)};
        if (const auto proxy = CardinalProperty(child, A.Proxy, XA_WINDOW)) {
          const auto self = CardinalProperty(static_cast<::Window>(*proxy), A.Proxy, XA_WINDOW);
          if (self && *self == *proxy) found.SendTo = static_cast<::Window>(*proxy);
        }
        // Our own windows are the window layer's business.
        if (found.SendTo == Own) return std::nullopt;
        return found;
      }
      current = child;
    }
    return std::nullopt;
  }

  void BeginServing(IDataObject* data) {
    if (Serving.Get() == data) return;
    Serving = data;
    ServingTypes = TypesOfFormats(OfferedFormats(data));
    XSetSelectionOwner(X, A.Selection, Own, CurrentTime);
    std::vector<Atom> atoms;
    for (const String& type : ServingTypes) atoms.push_back(Intern(type.c_str()));
    std::vector<long> values(atoms.begin(), atoms.end());
    XChangeProperty(X, Own, A.TypeList, XA_ATOM, 32, PropModeReplace, reinterpret_cast<unsigned char*>(values.data()),
                    static_cast<int>(values.size()));
  }

  void EndServing() {
    Serving.Reset();
    ServingTypes.clear();
    if (XGetSelectionOwner(X, A.Selection) == Own) XSetSelectionOwner(X, A.Selection, 0, CurrentTime);
    XDeleteProperty(X, Own, A.TypeList);
    XFlush(X);
  }

  void SendEnter(const Found& found) {
    long values[5] = {static_cast<long>(Own), found.Version << 24, 0, 0, 0};
    if (ServingTypes.size() > 3) values[1] |= 1;
    for (std::size_t i = 0; i < ServingTypes.size() && i < 3; ++i)
      values[2 + i] = static_cast<long>(Intern(ServingTypes[i].c_str()));
    Send(found.SendTo, found.Target, A.Enter, values);
  }

  void SendPosition(TPoint screen, Atom action) {
    Out.AwaitingStatus = true;
    const long packed = (static_cast<long>(screen.X & 0xFFFF) << 16) | (screen.Y & 0xFFFF);
    Send(Out.SendTo, Out.Target, A.Position,
                {static_cast<long>(Own), 0, packed, static_cast<long>(CurrentTime), static_cast<long>(action)});
  }

  void LeaveTarget() {
    if (Out.Target != 0) Send(Out.SendTo, Out.Target, A.Leave, {static_cast<long>(Own), 0, 0, 0, 0});
    Out = Outgoing{};
  }

  void OnStatus(const XClientMessageEvent& message) {
    if (Out.Target == 0 || static_cast<::Window>(message.data.l[0]) != Out.Target) return;
    Out.AwaitingStatus = false;
    Out.Accepted = (message.data.l[1] & 1) != 0;
    Out.Action = Out.Accepted ? static_cast<Atom>(message.data.l[4]) : 0;
    if (Out.Queued) {
      const TPoint next = *Out.Queued;
      Out.Queued.reset();
      SendPosition(next, Out.QueuedAction);
    }
  }

  void OnFinished(const XClientMessageEvent& message) {
    if (Out.Target == 0 || static_cast<::Window>(message.data.l[0]) != Out.Target) return;
    Out.Finished = true;
    Out.FinishedOk = Out.Version < 5 || (message.data.l[1] & 1) != 0;
    Out.FinishedAction = Out.Version >= 5 ? static_cast<Atom>(message.data.l[2]) : Out.Action;
  }

  Atom SuggestedAction(DWORD keyState, DWORD okEffects) const {
    if ((okEffects & DROPEFFECT_MOVE) && !(keyState & MK_CONTROL)) return A.ActionMove;
    if (okEffects & DROPEFFECT_COPY) return A.ActionCopy;
    return ActionOf(okEffects);
  }

  DWORD Over(IDataObject* data, TPoint screen, DWORD keyState, DWORD okEffects) {
    HandlePending();
    const std::optional<Found> found = TargetAt(screen);
    if (!found || found->Target != Out.Target) {
      LeaveTarget();
      if (!found) return DROPEFFECT_NONE;
      BeginServing(data);
      Out.Target = found->Target;
      Out.SendTo = found->SendTo;
      Out.Version = found->Version;
      SendEnter(*found);
    }
    const Atom action = SuggestedAction(keyState, okEffects);
    if (Out.AwaitingStatus) {
      Out.Queued = screen;
      Out.QueuedAction = action;
    } else {
      SendPosition(screen, action);
    }
    HandlePending();
    return Out.Accepted ? EffectOf(Out.Action) : DROPEFFECT_NONE;
  }

  DWORD DropAt(IDataObject* data, TPoint screen, DWORD keyState, DWORD okEffects) {
    Over(data, screen, keyState, okEffects);
    WaitUntil([this] { return Out.Target == 0 || (!Out.AwaitingStatus && !Out.Queued); }, kReplyWaitMs);
    DWORD effect = DROPEFFECT_NONE;
    if (Out.Target != 0 && Out.Accepted && !Out.AwaitingStatus) {
      Send(Out.SendTo, Out.Target, A.Drop, {static_cast<long>(Own), 0, static_cast<long>(CurrentTime), 0, 0});
      if (WaitUntil([this] { return Out.Finished; }, kFinishWaitMs) && Out.FinishedOk)
        effect = EffectOf(Out.FinishedAction != 0 ? Out.FinishedAction : Out.Action);
      Out = Outgoing{};
    } else {
      LeaveTarget();
    }
    EndServing();
    return effect;
  }

  void AnswerSelectionRequest(const XSelectionRequestEvent& request) {
    XEvent reply{};
    reply.xselection.type = SelectionNotify;
    reply.xselection.display = X;
    reply.xselection.requestor = request.requestor;
    reply.xselection.selection = request.selection;
    reply.xselection.target = request.target;
    reply.xselection.time = request.time;
    reply.xselection.property = 0;
    const Atom property = request.property != 0 ? request.property : request.target;
    if (request.selection == A.Selection && Serving) {
      if (request.target == A.Targets) {
        std::vector<long> atoms{static_cast<long>(A.Targets)};
        for (const String& type : ServingTypes) atoms.push_back(static_cast<long>(Intern(type.c_str())));
        XChangeProperty(X, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(atoms.data()), static_cast<int>(atoms.size()));
        reply.xselection.property = property;
      } else if (const auto bytes = ServedBytes(NameOf(request.target))) {
        XChangeProperty(X, request.requestor, property, request.target, 8, PropModeReplace, bytes->data(),
                        static_cast<int>(bytes->size()));
        reply.xselection.property = property;
      }
    }
    XSendEvent(X, request.requestor, False, NoEventMask, &reply);
    XFlush(X);
  }

  // Our data for a type, when it fits one request (larger data is refused
  // rather than sent in pieces).
  std::optional<std::vector<Byte>> ServedBytes(const String& type) {
    if (std::find(ServingTypes.begin(), ServingTypes.end(), type) == ServingTypes.end()) return std::nullopt;
    const auto format = FormatForType(type, OfferedFormats(Serving.Get()));
    if (!format) return std::nullopt;
    const auto block = FormatBytes(Serving.Get(), *format);
    if (!block) return std::nullopt;
    auto bytes = TypeBytesFromFormat(type, *format, *block);
    long limit = XExtendedMaxRequestSize(X);
    if (limit == 0) limit = XMaxRequestSize(X);
    if (!bytes || bytes->size() + 1024 > static_cast<std::size_t>(limit) * 4) return std::nullopt;
    return bytes;
  }
};

XdndBridge::XdndBridge(std::shared_ptr<Impl> impl) : FImpl(std::move(impl)) {}

XdndBridge::~XdndBridge() {
  FImpl->LeaveTarget();
  if (FImpl->In) FeedExternalDragLeave();
}

std::unique_ptr<XdndBridge> XdndBridge::Open() {
  ::Display* x = XOpenDisplay(nullptr);
  if (!x) return nullptr;
  auto impl = std::make_shared<Impl>();
  impl->X = x;
  if (!OurConnection()) {
    OurConnection() = x;
    PreviousErrorHandler() = XSetErrorHandler(IgnoreOurErrors);
  }
  Impl::Atoms& a = impl->A;
  a.Aware = impl->Intern("XdndAware");
  a.Proxy = impl->Intern("XdndProxy");
  a.Enter = impl->Intern("XdndEnter");
  a.Position = impl->Intern("XdndPosition");
  a.StatusMessage = impl->Intern("XdndStatus");
  a.Leave = impl->Intern("XdndLeave");
  a.Drop = impl->Intern("XdndDrop");
  a.Finished = impl->Intern("XdndFinished");
  a.Selection = impl->Intern("XdndSelection");
  a.TypeList = impl->Intern("XdndTypeList");
  a.ActionCopy = impl->Intern("XdndActionCopy");
  a.ActionMove = impl->Intern("XdndActionMove");
  a.ActionLink = impl->Intern("XdndActionLink");
  a.Targets = impl->Intern("TARGETS");
  a.Incr = impl->Intern("INCR");
  a.Transfer = impl->Intern("ZORBIT_XDND_TRANSFER");
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  impl->Own = XCreateWindow(x, DefaultRootWindow(x), -10, -10, 1, 1, 0, 0, InputOnly, CopyFromParent,
                            CWOverrideRedirect, &attributes);
  const long version = kVersion;
  XChangeProperty(x, impl->Own, a.Aware, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&version), 1);
  const long self = static_cast<long>(impl->Own);
  XChangeProperty(x, impl->Own, a.Proxy, XA_WINDOW, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&self), 1);
  XFlush(x);
  Impl* raw = impl.get();
  impl->Wake = AddWakeSource(ConnectionNumber(x), [raw] { raw->HandlePending(); });
  return std::unique_ptr<XdndBridge>(new XdndBridge(std::move(impl)));
}

void XdndBridge::Advertise(unsigned long window) {
  ::Display* x = FImpl->X;
  const long version = kVersion;
  XChangeProperty(x, window, FImpl->A.Aware, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&version), 1);
  const long proxy = static_cast<long>(FImpl->Own);
  XChangeProperty(x, window, FImpl->A.Proxy, XA_WINDOW, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&proxy), 1);
  XFlush(x);
  FImpl->HandlePending();
}

DWORD XdndBridge::DragOver(IDataObject* data, TPoint screen, DWORD keyState, DWORD okEffects) {
  return FImpl->Over(data, screen, keyState, okEffects);
}

void XdndBridge::DragLeave() {
  FImpl->LeaveTarget();
  FImpl->EndServing();
  FImpl->HandlePending();
}

DWORD XdndBridge::Drop(IDataObject* data, TPoint screen, DWORD keyState, DWORD okEffects) {
  return FImpl->DropAt(data, screen, keyState, okEffects);
}

}  // namespace plat
