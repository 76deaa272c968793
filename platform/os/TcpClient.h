#pragma once
// A TCP client that speaks a line protocol: connect with a time-out, write
// lines, read lines with a time-out and a length limit. It reports its
// connection state through events, also when the peer ends the connection:
// then it disconnects itself (OnStatus hsDisconnecting and hsDisconnected,
// then OnDisconnected) before raising. Not for use by several threads at once.
// A connection to a loopback address goes to the port that the machine's
// loopback port table maps Port to (LoopbackPorts.h); Port() stays as set.
#include <functional>

#include "platform/rtl/Exception.h"
#include "platform/rtl/Object.h"

namespace plat {

// A failed socket operation: ErrorCode() is the socket layer's error number
// (WSAECONNREFUSED, ... of LastError.h), the message "Socket Error # <code>"
// and its SysErrorMessage text on a second line ("Socket Error # 10061\nNo
// connection could be made because the target machine actively refused it.").
class ESocketError : public Exception {
 public:
  ESocketError(int errorCode, const String& text);
  int ErrorCode() const { return FErrorCode; }

 private:
  int FErrorCode;
};

// "Connection Closed Gracefully.": the peer ended the connection.
class EConnectionClosedGracefully : public Exception {
 public:
  EConnectionClosedGracefully();
};

// "Max line length exceeded."
class EMaxLineLengthExceeded : public Exception {
 public:
  EMaxLineLengthExceeded();
};

// "Not Connected.": reading or writing without a connection.
class ENotConnected : public Exception {
 public:
  ENotConnected();
};

// "Already connected.": Connect on a connected client.
class EAlreadyConnected : public Exception {
 public:
  EAlreadyConnected();
};

enum TTcpStatus { hsResolving, hsConnecting, hsConnected, hsDisconnecting, hsDisconnected };

using TTcpStatusEvent = std::function<void(TObject* Sender, TTcpStatus Status, const String& Text)>;

class TTcpClient : public TObject {
 public:
  static constexpr int DefaultConnectTimeout = 5000;
  static constexpr int TimeoutInfinite = -1;
  static constexpr int DefaultMaxLineLength = 16384;

  TTcpClient();
  // Closes a connection without firing events: the owner may be half gone.
  ~TTcpClient() override;
  TTcpClient(const TTcpClient&) = delete;
  TTcpClient& operator=(const TTcpClient&) = delete;

  const String& Host() const { return FHost; }
  void SetHost(const String& host) { FHost = host; }
  int Port() const { return FPort; }
  void SetPort(int port) { FPort = port; }

  // Resolves Host and connects within timeoutMs (TimeoutInfinite: no limit).
  // Raises ESocketError when that fails (a time-out is WSAETIMEDOUT, an
  // unknown host WSAHOST_NOT_FOUND, a port out of range WSAEINVAL).
  void Connect(int timeoutMs = DefaultConnectTimeout);
  bool Connected() const { return FSocket >= 0; }
  // Closes the connection (firing the events) and drops unread data.
  void Disconnect();

  // Sends text and CR LF, waiting while the peer's receive window is full,
  // for timeoutMs at most. When the whole line could not be handed over in
  // time, WriteLnTimedOut() is true: part of the line may have gone, so the
  // connection can carry no further line and the caller is to disconnect.
  // Raises ENotConnected, or ESocketError when the connection is broken (the
  // client disconnects itself first).
  void WriteLn(const String& text, int timeoutMs = TimeoutInfinite);
  bool WriteLnTimedOut() const { return FWriteLnTimedOut; }

  // The next line up to terminator; with the default LF a CR before it is
  // dropped too. After timeoutMs without a whole line: "" and
  // ReadLnTimedOut() is true (the partial line stays buffered). A line longer
  // than maxLineLength bytes raises EMaxLineLengthExceeded; it is skipped, so
  // the next read starts with the line after it. The peer's close raises
  // EConnectionClosedGracefully after the client disconnected itself; lines
  // already received are still returned first.
  String ReadLn(char terminator = '\n', int timeoutMs = TimeoutInfinite, int maxLineLength = DefaultMaxLineLength);
  bool ReadLnTimedOut() const { return FReadLnTimedOut; }

  // Looks, without waiting, whether the connection is broken or closed by
  // the peer; if so the client disconnects itself and, when asked, raises
  // (ESocketError or EConnectionClosedGracefully; ENotConnected when it was
  // not connected). Data that arrived meanwhile is buffered for ReadLn; a
  // connection closed by the peer with such unread data still counts as
  // open unless ignoreBuffer.
  void CheckForDisconnect(bool raiseIfDisconnected = true, bool ignoreBuffer = false);
  // The same, taking a close by the peer as the end even while unread data
  // is buffered.
  void CheckForGracefulDisconnect(bool raiseIfDisconnected = true);

  TTcpStatusEvent OnStatus;
  TNotifyEvent OnDisconnected;

 private:
  enum class TReceive { Data, WouldBlock, Closed, Failed };
  TReceive ReceiveAvailable();
  bool WaitReadable(int timeoutMs);
  bool TakeLine(char terminator, int maxLineLength, String& line);
  void FireStatus(TTcpStatus status, const String& text);
  void CloseSocket();
  [[noreturn]] void RaiseBroken(int errnoValue);

  String FHost;
  int FPort = 0;
  int FSocket = -1;
  String FBuffer;
  std::size_t FBufferStart = 0;  // bytes before this are consumed
  bool FPeerClosed = false;
  int FBrokenError = 0;        // the errno value of the failed receive
  bool FSkippingLine = false;  // dropping the rest of an over-long line
  bool FReadLnTimedOut = false;
  bool FWriteLnTimedOut = false;
};

}  // namespace plat
