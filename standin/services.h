// The stand-in's HTTP services. Each one hangs its endpoints on a server
// through `Routes`; main.cpp installs every service of `kServices` on the
// HTTP and on the HTTPS server. A new service is one file with one of these
// functions, listed here.
#pragma once

#include "standin/routes.h"

namespace standin {

void add_echo_service(Routes& routes);      // /echo: the request as received
void add_cookie_service(Routes& routes);    // /cookies: Set-Cookie lines on demand
void add_redirect_service(Routes& routes);  // /redirect: 3xx with a Location
void add_slow_service(Routes& routes);      // /slow: answers after a delay
void add_charset_service(Routes& routes);   // /charset/...: pages declaring their character set
void add_header_service(Routes& routes);    // /headers/...: large and chosen response headers
void add_auth_service(Routes& routes);      // /auth/basic: Basic authentication challenges
void add_proxy_service(Routes& routes);     // absolute URLs: a forward proxy for loopback targets
void add_log_service(Routes& routes);       // /_log: what arrived, for tests

using ServiceInstaller = void (*)(Routes&);

inline constexpr ServiceInstaller kServices[] = {
    add_echo_service,    add_cookie_service, add_redirect_service,
    add_slow_service,    add_charset_service, add_header_service,
    add_auth_service,    add_proxy_service,  add_log_service,
};

}  // namespace standin
