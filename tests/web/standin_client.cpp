#include "tests/web/standin_client.h"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <cstdlib>
#include <fstream>

namespace toolbox::testing_support {
namespace {

#ifdef _WIN32
using Socket = SOCKET;
constexpr Socket kNoSocket = INVALID_SOCKET;
void close_socket(Socket socket) { closesocket(socket); }
struct WinsockUser {
  WinsockUser() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
  }
};
#else
using Socket = int;
constexpr Socket kNoSocket = -1;
void close_socket(Socket socket) { close(socket); }
#endif

int port_from_environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::atoi(value) : 0;
}

StandinPorts find_ports() {
  StandinPorts ports{port_from_environment("TOOLBOX_STANDIN_HTTP_PORT"),
                     port_from_environment("TOOLBOX_STANDIN_HTTPS_PORT"),
                     port_from_environment("TOOLBOX_STANDIN_RAW_PORT")};
  const char* port_file = std::getenv("TOOLBOX_STANDIN_PORT_FILE");
  if (ports.http != 0 || !port_file) {
    return ports;
  }
  std::ifstream file(port_file);
  std::string line;
  while (std::getline(file, line)) {
    std::size_t equals = line.find('=');
    if (equals == std::string::npos) {
      continue;
    }
    std::string name = line.substr(0, equals);
    int port = std::atoi(line.c_str() + equals + 1);
    (name == "http" ? ports.http : name == "https" ? ports.https : ports.raw) = port;
  }
  return ports;
}

std::optional<std::string> header_in(std::string_view head, std::string_view name) {
  std::string wanted = "\r\n" + std::string(name) + ": ";
  std::size_t at = head.find(wanted);
  if (at == std::string_view::npos) {
    return std::nullopt;
  }
  at += wanted.size();
  return std::string(head.substr(at, head.find("\r\n", at) - at));
}

}  // namespace

const StandinPorts& standin_ports() {
  static const StandinPorts ports = find_ports();
  return ports;
}

std::string http_url(std::string_view path_and_query) {
  return "http://127.0.0.1:" + std::to_string(standin_ports().http) + std::string(path_and_query);
}

std::string https_url(std::string_view path_and_query) {
  return "https://localhost:" + std::to_string(standin_ports().https) + std::string(path_and_query);
}

std::string raw_url(std::string_view path_and_query) {
  return "http://127.0.0.1:" + std::to_string(standin_ports().raw) + std::string(path_and_query);
}

std::string percent_encode(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
        byte == '-' || byte == '.' || byte == '_' || byte == '~') {
      encoded += c;
    } else {
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 15];
    }
  }
  return encoded;
}

std::string unique_tag() {
  static int counter = 0;
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "outside-a-test";
  return percent_encode(name) + "-" + std::to_string(++counter);
}

std::optional<std::string> Reply::header(std::string_view name) const {
  return header_in(head, name);
}

Reply send_raw_request(int port, std::string_view request) {
#ifdef _WIN32
  static WinsockUser winsock;
#endif
  Reply reply;
  Socket connection = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (connection == kNoSocket) {
    return reply;
  }
  sockaddr_in where{};
  where.sin_family = AF_INET;
  where.sin_port = htons(static_cast<unsigned short>(port));
  where.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  std::string received;
  if (connect(connection, reinterpret_cast<sockaddr*>(&where), sizeof where) == 0) {
    send(connection, request.data(), static_cast<int>(request.size()), 0);
    char buffer[8192];
    for (;;) {
      int got = static_cast<int>(recv(connection, buffer, sizeof buffer, 0));
      if (got <= 0) {
        break;
      }
      received.append(buffer, static_cast<std::size_t>(got));
    }
  }
  close_socket(connection);
  std::size_t head_end = received.find("\r\n\r\n");
  reply.head = received.substr(0, head_end == std::string::npos ? received.size() : head_end + 2);
  reply.body = head_end == std::string::npos ? std::string() : received.substr(head_end + 4);
  if (received.compare(0, 5, "HTTP/") == 0 && received.size() > 12) {
    reply.status = std::atoi(received.c_str() + 9);
  }
  return reply;
}

LoggedRequest find_logged_request(std::string_view needle, LogLookup lookup) {
  Reply reply = send_raw_request(standin_ports().http, "GET /_log?find=" + percent_encode(needle) +
                                                   "&method=" + percent_encode(lookup.method) +
                                                   "&at_least=" + std::to_string(lookup.at_least) +
                                                   "&wait_ms=" + std::to_string(lookup.wait_ms) +
                                                   " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
  LoggedRequest logged;
  logged.count = std::atoi(reply.header("X-Standin-Count").value_or("0").c_str());
  logged.scheme = reply.header("X-Standin-Scheme").value_or("");
  if (reply.status == 200) {
    logged.request = parse_echoed_request(reply.body);
  }
  return logged;
}

}  // namespace toolbox::testing_support

namespace toolbox::testing_support {

EchoedRequest logged_request(std::string_view needle, LogLookup lookup) {
  LoggedRequest logged = find_logged_request(needle, lookup);
  if (!logged.request) {
    ADD_FAILURE() << "the stand-in logged no request for " << needle;
    return {};
  }
  return *logged.request;
}

std::string with_set_cookies(std::string path_and_query, std::initializer_list<std::string_view> set_cookies) {
  for (std::string_view value : set_cookies) {
    path_and_query += "&set=" + percent_encode(value);
  }
  return path_and_query;
}

}  // namespace toolbox::testing_support
