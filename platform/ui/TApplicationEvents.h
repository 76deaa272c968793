#pragma once
// A component that receives the application's events, so that any form
// (any number of them at once) can handle what the application reports:
// activation, exceptions, hints, idle time, queued messages, minimizing and
// restoring, shortcuts and actions.
//
// The application keeps every TApplicationEvents in a list and passes each
// event to all of them, the newest first, after its own handler of that
// event; a Handled or Done flag set by one is what the next one sees, and
// what the application acts on at the end. Activate moves one to the front;
// CancelDispatch, called from a handler, keeps the event from the ones
// after it. Deleting one (from its
// own handler too, while the event is passed round) takes it off the list
// at once; the others go on receiving. Made while there is no application,
// it receives nothing.
#include "platform/ui/TApplication.h"
#include "platform/ui/TComponent.h"

namespace plat {

class TApplicationEvents : public TComponent {
 public:
  explicit TApplicationEvents(TComponent* AOwner);
  ~TApplicationEvents() override;

  // Makes this one the first to receive the application's events.
  void Activate();
  // Called from a handler: the event being passed round reaches no more
  // TApplicationEvents.
  void CancelDispatch();

  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TExceptionEvent OnException;
  TNotifyEvent OnHint;
  TIdleEvent OnIdle;
  TMessageEvent OnMessage;
  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;
  TShortCutEvent OnShortCut;
  TShowHintEvent OnShowHint;
  TActionEvent OnActionExecute;
  TActionEvent OnActionUpdate;

 private:
  // The application it joined, while that one lives.
  TApplication* FApplication = nullptr;
  friend class TApplication;
};

}  // namespace plat
