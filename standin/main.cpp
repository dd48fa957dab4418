// toolbox-standin: local stand-ins of the outside web services, for the tests
// and for ./scripts/run. One process serves plain HTTP, HTTPS and a port of
// scripted raw replies, all on loopback, and logs every request it receives.
//
// Usage: toolbox-standin [option...]
//   --bind ADDRESS     IPv4 address to listen on (default 127.0.0.1)
//   --http-port N      plain HTTP (default 18080)
//   --https-port N     HTTPS (default 18443); needs --cert and --key
//   --raw-port N       scripted raw replies, see raw_reply_server.h (default 18081)
//   --cert FILE        PEM certificate of the HTTPS server (for "localhost")
//   --key FILE         PEM private key of that certificate
//   --port-file FILE   once every server listens, write "http=N", "https=N"
//                      and "raw=N" lines there (a server that is off is left
//                      out); removed again at exit
//   --help             this text
// A port of 0 picks a free port (read it from the port file), "off" leaves
// that server out. Without --cert and --key there is no HTTPS server.
// SIGINT or SIGTERM stops the servers and ends the process.
//
// Endpoints (the same on HTTP and HTTPS; each is described in its file):
//   /, /echo[/...]     echo_service.cpp      the request as received
//   /cookies           cookie_service.cpp    Set-Cookie lines on demand
//   /redirect          redirect_service.cpp  3xx with a Location
//   /slow              slow_service.cpp      a reply after a delay
//   /charset/NAME      charset_service.cpp   pages declaring their character set
//   /headers/...       header_service.cpp    large and chosen response headers
//   /auth/basic        auth_service.cpp      Basic authentication challenges
//   absolute URLs      proxy_service.cpp     forward proxy for loopback URLs
//   /_log              log_service.cpp       the request log, for tests
#include <httplib.h>
#include <signal.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "standin/raw_reply_server.h"
#include "standin/request_log.h"
#include "standin/routes.h"
#include "standin/services.h"

namespace standin {
namespace {

constexpr int kOff = -1;

struct Options {
  std::string bind = "127.0.0.1";
  int http_port = 18080;
  int https_port = 18443;
  int raw_port = 18081;
  std::string cert;
  std::string key;
  std::string port_file;
};

void print_usage() {
  std::cout << "usage: toolbox-standin [--bind ADDRESS] [--http-port N] [--https-port N] [--raw-port N]\n"
               "                       [--cert FILE --key FILE] [--port-file FILE]\n"
               "A port of 0 picks a free port, \"off\" leaves that server out.\n";
}

std::optional<int> parse_port(const std::string& text) {
  if (text == "off") {
    return kOff;
  }
  char* end = nullptr;
  long port = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || port < 0 || port > 65535) {
    return std::nullopt;
  }
  return static_cast<int>(port);
}

std::optional<Options> parse_options(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    std::string name = argv[i];
    if (name == "--help") {
      print_usage();
      std::exit(0);
    }
    if (i + 1 >= argc) {
      std::cerr << "toolbox-standin: " << name << " needs a value\n";
      return std::nullopt;
    }
    std::string value = argv[++i];
    std::optional<int> port;
    if (name == "--bind") {
      options.bind = value;
    } else if (name == "--cert") {
      options.cert = value;
    } else if (name == "--key") {
      options.key = value;
    } else if (name == "--port-file") {
      options.port_file = value;
    } else if ((name == "--http-port" || name == "--https-port" || name == "--raw-port") &&
               (port = parse_port(value))) {
      (name == "--http-port" ? options.http_port : name == "--https-port" ? options.https_port : options.raw_port) =
          *port;
    } else {
      std::cerr << "toolbox-standin: bad option " << name << " " << value << "\n";
      print_usage();
      return std::nullopt;
    }
  }
  if (options.https_port != kOff && (options.cert.empty() || options.key.empty())) {
    std::cerr << "toolbox-standin: no --cert and --key, so no HTTPS server\n";
    options.https_port = kOff;
  }
  return options;
}

// Binds `server` to the port asked for; the port it listens on, or -1.
int bind_server(httplib::Server& server, const std::string& address, int port) {
  if (port == 0) {
    return server.bind_to_any_port(address);
  }
  return server.bind_to_port(address, port) ? port : -1;
}

void configure(httplib::Server& server) {
  // Slow replies and kept-alive connections each hold a thread.
  server.new_task_queue = [] { return new httplib::ThreadPool(32); };
  server.set_keep_alive_timeout(2);
}

bool write_port_file(const std::string& path, const std::vector<std::pair<std::string, int>>& ports) {
  std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::trunc);
    for (const auto& [name, port] : ports) {
      out << name << "=" << port << "\n";
    }
    if (!out) {
      return false;
    }
  }
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}

void wait_until_running(const httplib::Server& server) {
  while (!server.is_running()) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

int run(const Options& options) {
  RequestLog log;
  httplib::Server http;
  std::unique_ptr<httplib::SSLServer> https;
  if (options.https_port != kOff) {
    https = std::make_unique<httplib::SSLServer>(options.cert.c_str(), options.key.c_str());
    if (!https->is_valid()) {
      std::cerr << "toolbox-standin: cannot use " << options.cert << " and " << options.key << "\n";
      return 1;
    }
  }
  std::vector<std::unique_ptr<Routes>> routes;
  std::vector<std::pair<std::string, int>> ports;
  std::vector<std::thread> servers;
  std::vector<httplib::Server*> started;
  auto start = [&](httplib::Server& server, const std::string& scheme, int port) {
    configure(server);
    routes.push_back(std::make_unique<Routes>(server, log, scheme));
    for (ServiceInstaller install : kServices) {
      install(*routes.back());
    }
    int bound = bind_server(server, options.bind, port);
    if (bound < 0) {
      std::cerr << "toolbox-standin: cannot listen on " << options.bind << ":" << port << " (" << scheme << ")\n";
      return false;
    }
    ports.emplace_back(scheme, bound);
    started.push_back(&server);
    servers.emplace_back([&server] { server.listen_after_bind(); });
    return true;
  };

  RawReplyServer raw(log);
  bool ok = (options.http_port == kOff || start(http, "http", options.http_port)) &&
            (!https || start(*https, "https", options.https_port));
  if (ok && options.raw_port != kOff) {
    int bound = raw.bind(options.bind, options.raw_port);
    if (bound < 0) {
      std::cerr << "toolbox-standin: cannot listen on " << options.bind << ":" << options.raw_port << " (raw)\n";
      ok = false;
    } else {
      ports.emplace_back("raw", bound);
      servers.emplace_back([&raw] { raw.run(); });
    }
  }

  int status = 1;
  if (ok) {
    for (const httplib::Server* server : started) {
      wait_until_running(*server);
    }
    if (options.port_file.empty() || write_port_file(options.port_file, ports)) {
      for (const auto& [scheme, port] : ports) {
        std::cout << "toolbox-standin: " << scheme << " on " << options.bind << ":" << port << "\n";
      }
      std::cout.flush();
      sigset_t stop_signals;
      sigemptyset(&stop_signals);
      sigaddset(&stop_signals, SIGINT);
      sigaddset(&stop_signals, SIGTERM);
      int received = 0;
      sigwait(&stop_signals, &received);
      status = 0;
    } else {
      std::cerr << "toolbox-standin: cannot write " << options.port_file << "\n";
    }
  }
  for (httplib::Server* server : started) {
    server->stop();
  }
  raw.stop();
  for (std::thread& server : servers) {
    server.join();
  }
  if (!options.port_file.empty()) {
    std::remove(options.port_file.c_str());
  }
  return status;
}

}  // namespace
}  // namespace standin

int main(int argc, char** argv) {
  // The stop signals are taken by sigwait in the main thread; every server
  // thread inherits the blocked mask. A client that hangs up mid-reply must
  // not end the process.
  sigset_t stop_signals;
  sigemptyset(&stop_signals);
  sigaddset(&stop_signals, SIGINT);
  sigaddset(&stop_signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stop_signals, nullptr);
  signal(SIGPIPE, SIG_IGN);

  std::optional<standin::Options> options = standin::parse_options(argc, argv);
  return options ? standin::run(*options) : 2;
}
