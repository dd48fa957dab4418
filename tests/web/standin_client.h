// What the tests need of the stand-in services (standin/): their ports,
// URLs on them, plain exchanges and lookups in the request log. The ports
// come from TOOLBOX_STANDIN_HTTP_PORT, TOOLBOX_STANDIN_HTTPS_PORT and
// TOOLBOX_STANDIN_RAW_PORT when they are set (a stand-in started by hand),
// else from the port file that TOOLBOX_STANDIN_PORT_FILE names (the CTest
// fixture's).
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "tests/web/echoed_request.h"

namespace toolbox::testing_support {

struct StandinPorts {
  int http = 0;
  int https = 0;
  int raw = 0;
};

const StandinPorts& standin_ports();

// "http://127.0.0.1:PORT" + path, "https://localhost:PORT" + path (the name
// the certificate carries), and the raw-reply port's URL.
std::string http_url(std::string_view path_and_query);
std::string https_url(std::string_view path_and_query);
std::string raw_url(std::string_view path_and_query);

// The bytes of a UTF-8 literal (u8"..."), as a narrow string.
inline std::string utf8(std::u8string_view text) {
  return std::string(text.begin(), text.end());
}

// Percent-encodes everything but letters, digits and "-._~".
std::string percent_encode(std::string_view text);

// A text no other request of this run carries: the current test's name and
// a counter. Put it in a URL to find the request in the log afterwards.
std::string unique_tag();

struct Reply {
  int status = 0;
  std::string head;  // status line and header lines
  std::string body;
  std::optional<std::string> header(std::string_view name) const;
};

// Sends `request` to 127.0.0.1:`port` as it is and reads until the peer
// closes (ask with "Connection: close" or HTTP/1.0).
Reply send_raw_request(int port, std::string_view request);

struct LoggedRequest {
  int count = 0;       // how many requests matched
  std::string scheme;  // "http", "https" or "raw"
  std::optional<EchoedRequest> request;  // the most recent of them
};

struct LogLookup {
  std::string_view method = {};  // only requests with this verb, when given
  int at_least = 1;              // wait until that many have arrived...
  int wait_ms = 3000;            // ...but no longer than this
};

// The stand-in's record of the latest request whose target contains `needle`.
LoggedRequest find_logged_request(std::string_view needle, LogLookup lookup = {});

// That request alone; a test failure, and an empty request, when none came.
EchoedRequest logged_request(std::string_view needle, LogLookup lookup = {});

// `path_and_query` with one "set" parameter per value: the stand-in's
// /cookies and /redirect answer each with a Set-Cookie line.
std::string with_set_cookies(std::string path_and_query, std::initializer_list<std::string_view> set_cookies);

// Tests that talk to the stand-in: they fail at once when it is not there.
class StandinTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(standin_ports().http, 0) << "no stand-in: run the tests through CTest (fixture web_standin), or set "
                                          "TOOLBOX_STANDIN_HTTP_PORT and the others";
  }
};

}  // namespace toolbox::testing_support
