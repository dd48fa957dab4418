// Replies that a well-behaved HTTP library would never send, written byte by
// byte on their own port. The request path picks the script:
//   /malformed-status      "HTTP/1.1 two hundred OK", then a 5-byte body
//   /not-http              a line of text instead of a status line, then close
//   /close-mid-body        announces 100000 body bytes, sends 10000, closes
//   /huge-headers?bytes=N  N bytes of header lines (default 1048576), then
//                          "Set-Cookie: huge=1" and the body "ok"
//   /no-reply              closes without a byte
//   /hang?ms=N             holds the connection N ms (default 10000), silent
// The port is also a tunnelling proxy for HTTPS: "CONNECT host:port" opens a
// tunnel to that loopback port (the CONNECT request is logged, with any
// Proxy-Authorization header it carries).
// Every request is logged with scheme "raw" and its head exactly as received.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "standin/request_log.h"

namespace standin {

class RawReplyServer {
 public:
  explicit RawReplyServer(RequestLog& log) : log_(log) {}
  ~RawReplyServer();
  RawReplyServer(const RawReplyServer&) = delete;
  RawReplyServer& operator=(const RawReplyServer&) = delete;

  // Listens on `address`:`port` (0 picks a free port); the port, or -1.
  int bind(const std::string& address, int port);
  // Accepts connections until `stop`.
  void run();
  void stop();

 private:
  void serve(int connection);
  void tunnel(int connection, const std::string& target);
  bool wait_unless_stopped(long milliseconds) const;

  RequestLog& log_;
  int listener_ = -1;
  std::atomic<bool> stopping_{false};
  std::mutex workers_mutex_;
  std::vector<std::thread> workers_;
};

}  // namespace standin
