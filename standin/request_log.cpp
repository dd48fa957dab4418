#include "standin/request_log.h"

#include <utility>

namespace standin {

void RequestLog::record(LoggedRequest request) {
  {
    std::lock_guard lock(mutex_);
    if (entries_.size() == kCapacity) {
      entries_.pop_front();
    }
    entries_.push_back(std::move(request));
  }
  recorded_.notify_all();
}

RequestLog::Found RequestLog::find(std::string_view needle, std::string_view method, std::size_t at_least,
                                   std::chrono::milliseconds wait) {
  std::unique_lock lock(mutex_);
  Found found;
  recorded_.wait_for(lock, wait, [&] {
    found = find_locked(needle, method);
    return found.count >= at_least;
  });
  return found;
}

RequestLog::Found RequestLog::find_locked(std::string_view needle, std::string_view method) const {
  Found found;
  for (const LoggedRequest& entry : entries_) {
    if (entry.target.find(needle) != std::string::npos && (method.empty() || entry.method == method)) {
      ++found.count;
      found.latest = entry;
    }
  }
  return found;
}

}  // namespace standin
