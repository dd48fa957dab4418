// Every request the stand-in receives, kept in memory so that tests can ask
// afterwards what arrived on the wire (see log_service.cpp).
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace standin {

struct LoggedRequest {
  std::string scheme;  // "http", "https" or "raw"
  std::string method;
  std::string target;  // as on the request line
  std::string text;    // request line, header lines, empty line, body
};

class RequestLog {
 public:
  void record(LoggedRequest request);

  struct Found {
    std::size_t count = 0;                      // entries whose target contains the needle
    std::optional<LoggedRequest> latest = std::nullopt;  // the most recent of them
  };

  // Waits up to `wait` until at least `at_least` entries have a target that
  // contains `needle` (and the verb `method`, when one is named), then
  // answers with what is there.
  Found find(std::string_view needle, std::string_view method, std::size_t at_least, std::chrono::milliseconds wait);

 private:
  Found find_locked(std::string_view needle, std::string_view method) const;

  static constexpr std::size_t kCapacity = 20000;
  std::mutex mutex_;
  std::condition_variable recorded_;
  std::deque<LoggedRequest> entries_;
};

}  // namespace standin
