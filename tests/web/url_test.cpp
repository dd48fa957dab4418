#include "web/url.h"

#include <gtest/gtest.h>

#include "tests/support/case_name.h"

namespace toolbox {
namespace {

using testing_support::PrintTo;

struct UrlCase {
  const char* name;
  std::string_view url;
  std::string_view host;
  std::string_view host_with_port;
  int port;
  std::string_view path;
};

class UrlSplitTest : public testing::TestWithParam<UrlCase> {};

TEST_P(UrlSplitTest, SplitsHostPortAndPath) {
  const UrlCase& c = GetParam();
  EXPECT_EQ(url_host(c.url), c.host);
  EXPECT_EQ(url_host(c.url, true), c.host_with_port);
  EXPECT_EQ(url_port(c.url), c.port);
  EXPECT_EQ(url_path(c.url), c.path);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UrlSplitTest,
    testing::Values(
        UrlCase{"https_with_port", "HTTPS://MyHost:8443/A?b=1", "myhost", "myhost:8443", 8443, "/A?b=1"},
        UrlCase{"no_scheme", "myhost/x", "myhost", "myhost", 80, "/x"},
        UrlCase{"no_path", "http://myhost", "myhost", "myhost", 80, "/"},
        UrlCase{"https_default_port", "https://myhost", "myhost", "myhost", 443, "/"},
        UrlCase{"letters_in_port", "http://myhost:abc/", "myhost", "myhost:abc", 0, "/"},
        UrlCase{"path_keeps_its_letter_case", "http://Example.COM/Path/To?Q=Upper", "example.com", "example.com",
                80, "/Path/To?Q=Upper"},
        UrlCase{"loopback_with_port", "http://127.0.0.1:18080/x.php?v=1", "127.0.0.1", "127.0.0.1:18080", 18080,
                "/x.php?v=1"},
        UrlCase{"query_without_path", "http://myhost:81?x=1", "myhost", "myhost:81", 81, "/?x=1"},
        UrlCase{"fragment_without_path", "http://myhost#top", "myhost", "myhost", 80, "/"},
        UrlCase{"host_inside_the_scheme", "http://h/p", "h", "h", 80, "/p"},
        UrlCase{"scheme_named_later_in_the_query", "myhost/go?to=http://other/", "myhost", "myhost", 80,
                "/go?to=http://other/"},
        UrlCase{"trailing_slash_only", "https://myhost:8443/", "myhost", "myhost:8443", 8443, "/"}),
    testing_support::CaseName());

}  // namespace
}  // namespace toolbox
