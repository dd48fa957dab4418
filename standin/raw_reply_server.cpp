#include "standin/raw_reply_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

namespace standin {
namespace {

constexpr std::size_t kHeadLimit = 64 * 1024;

// The request head, up to and including the empty line (or what came before
// the peer stopped sending).
std::string read_head(int connection) {
  std::string head;
  char buffer[4096];
  while (head.find("\r\n\r\n") == std::string::npos && head.size() < kHeadLimit) {
    ssize_t got = recv(connection, buffer, sizeof buffer, 0);
    if (got <= 0) {
      break;
    }
    head.append(buffer, static_cast<std::size_t>(got));
  }
  return head;
}

void send_all(int connection, const std::string& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    ssize_t put = send(connection, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (put <= 0) {
      return;
    }
    sent += static_cast<std::size_t>(put);
  }
}

long query_number(const std::string& target, const std::string& name, long fallback) {
  std::size_t query = target.find('?');
  if (query == std::string::npos) {
    return fallback;
  }
  std::size_t at = target.find(name + "=", query);
  return at == std::string::npos ? fallback : std::atol(target.c_str() + at + name.size() + 1);
}

std::string huge_headers(long bytes) {
  std::string reply = "HTTP/1.1 200 OK\r\n";
  std::string filler(990, 'h');
  for (int line = 1; static_cast<long>(reply.size()) < bytes; ++line) {
    reply += "X-Filler-" + std::to_string(line) + ": " + filler + "\r\n";
  }
  return reply + "Set-Cookie: huge=1\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok";
}

}  // namespace

RawReplyServer::~RawReplyServer() {
  stop();
  if (listener_ >= 0) {
    close(listener_);
  }
}

int RawReplyServer::bind(const std::string& address, int port) {
  listener_ = socket(AF_INET, SOCK_STREAM, 0);
  if (listener_ < 0) {
    return -1;
  }
  int on = 1;
  setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in where{};
  where.sin_family = AF_INET;
  where.sin_port = htons(static_cast<uint16_t>(port));
  if (inet_pton(AF_INET, address.c_str(), &where.sin_addr) != 1 ||
      ::bind(listener_, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0 || listen(listener_, 16) != 0) {
    return -1;
  }
  socklen_t length = sizeof where;
  getsockname(listener_, reinterpret_cast<sockaddr*>(&where), &length);
  return ntohs(where.sin_port);
}

void RawReplyServer::run() {
  while (!stopping_) {
    pollfd waiting{.fd = listener_, .events = POLLIN, .revents = 0};
    if (poll(&waiting, 1, 200) <= 0) {
      continue;
    }
    int connection = accept(listener_, nullptr, nullptr);
    if (connection < 0) {
      continue;
    }
    std::lock_guard lock(workers_mutex_);
    workers_.emplace_back([this, connection] {
      serve(connection);
      close(connection);
    });
  }
}

void RawReplyServer::stop() {
  stopping_ = true;
  std::vector<std::thread> workers;
  {
    std::lock_guard lock(workers_mutex_);
    workers.swap(workers_);
  }
  for (std::thread& worker : workers) {
    worker.join();
  }
}

void RawReplyServer::tunnel(int connection, const std::string& target) {
  std::size_t colon = target.rfind(':');
  std::string host = target.substr(0, colon);
  int port = colon == std::string::npos ? 0 : std::atoi(target.c_str() + colon + 1);
  if (host != "localhost" && host != "127.0.0.1") {
    send_all(connection, "HTTP/1.1 502 Bad Gateway\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    return;
  }
  int onward = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in where{};
  where.sin_family = AF_INET;
  where.sin_port = htons(static_cast<uint16_t>(port));
  where.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (onward < 0 || connect(onward, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0) {
    send_all(connection, "HTTP/1.1 502 Bad Gateway\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    if (onward >= 0) {
      close(onward);
    }
    return;
  }
  send_all(connection, "HTTP/1.1 200 Connection established\r\n\r\n");
  // Bytes both ways until either side closes (or the stand-in stops).
  char buffer[16384];
  while (!stopping_) {
    pollfd ends[2] = {{.fd = connection, .events = POLLIN, .revents = 0}, {.fd = onward, .events = POLLIN, .revents = 0}};
    if (poll(ends, 2, 200) <= 0) {
      continue;
    }
    bool open = true;
    for (int side = 0; side < 2 && open; ++side) {
      if (ends[side].revents & (POLLIN | POLLHUP | POLLERR)) {
        ssize_t got = recv(ends[side].fd, buffer, sizeof buffer, 0);
        if (got <= 0) {
          open = false;
        } else {
          send_all(ends[1 - side].fd, std::string(buffer, static_cast<std::size_t>(got)));
        }
      }
    }
    if (!open) {
      break;
    }
  }
  close(onward);
}

bool RawReplyServer::wait_unless_stopped(long milliseconds) const {
  auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (!stopping_ && std::chrono::steady_clock::now() < until) {
    usleep(20 * 1000);
  }
  return !stopping_;
}

void RawReplyServer::serve(int connection) {
  timeval patience{.tv_sec = 10, .tv_usec = 0};
  setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
  setsockopt(connection, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience);
  std::string head = read_head(connection);
  std::string request_line = head.substr(0, head.find("\r\n"));
  std::size_t first_space = request_line.find(' ');
  std::size_t second_space = request_line.find(' ', first_space + 1);
  std::string method = request_line.substr(0, first_space);
  std::string target = first_space == std::string::npos
                           ? std::string()
                           : request_line.substr(first_space + 1, second_space - first_space - 1);
  log_.record({.scheme = "raw", .method = method, .target = target, .text = head});

  std::string path = target.substr(0, target.find('?'));
  if (method == "CONNECT") {
    tunnel(connection, target);
  } else if (path == "/malformed-status") {
    send_all(connection, "HTTP/1.1 two hundred OK\r\nContent-Length: 5\r\nConnection: close\r\n\r\nhello");
  } else if (path == "/not-http") {
    send_all(connection, "this is not an HTTP reply\r\n\r\n");
  } else if (path == "/close-mid-body") {
    send_all(connection,
             "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: 100000\r\n"
             "Set-Cookie: partial=1\r\n\r\n" +
                 std::string(10000, 'x'));
  } else if (path == "/huge-headers") {
    send_all(connection, huge_headers(query_number(target, "bytes", 1048576)));
  } else if (path == "/no-reply") {
    // Nothing: the connection closes.
  } else if (path == "/hang") {
    wait_unless_stopped(query_number(target, "ms", 10000));
  } else {
    send_all(connection, "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
  }
  shutdown(connection, SHUT_RDWR);
}

}  // namespace standin
