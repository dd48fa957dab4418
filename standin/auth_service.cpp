// /auth/basic?user=U&password=P: answers 401 with
// "WWW-Authenticate: Basic realm="standin"" unless the request carries
// "Authorization: Basic " and the Base64 of "U:P"; then the echo of the request.
#include <openssl/evp.h>

#include <string>

#include "standin/request_text.h"
#include "standin/services.h"

namespace standin {
namespace {

std::string base64(const std::string& bytes) {
  std::string encoded(4 * ((bytes.size() + 2) / 3) + 1, '\0');
  int length = EVP_EncodeBlock(reinterpret_cast<unsigned char*>(encoded.data()),
                               reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<int>(bytes.size()));
  encoded.resize(static_cast<std::size_t>(length));
  return encoded;
}

}  // namespace

void add_auth_service(Routes& routes) {
  routes.any("/auth/basic", [](const httplib::Request& request, httplib::Response& response) {
    std::string expected = "Basic " + base64(request.get_param_value("user") + ":" + request.get_param_value("password"));
    if (request.get_header_value("Authorization") != expected) {
      response.status = 401;
      response.set_header("WWW-Authenticate", "Basic realm=\"standin\"");
      response.set_content("authorization required", "application/octet-stream");
      return;
    }
    response.set_content(request_text(request), "application/octet-stream");
  });
}

}  // namespace standin
