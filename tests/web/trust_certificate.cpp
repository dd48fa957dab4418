// toolbox-trust-certificate FILE.der: adds a certificate to the local
// machine's root store, so that HTTPS to the stand-in passes the platform's
// certificate checks. The test fixture runs it in the Wine prefix.
#include <windows.h>
#include <wincrypt.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: toolbox-trust-certificate FILE.der\n");
    return 2;
  }
  std::ifstream file(argv[1], std::ios::binary);
  std::vector<BYTE> certificate((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (certificate.empty()) {
    std::fprintf(stderr, "toolbox-trust-certificate: cannot read %s\n", argv[1]);
    return 1;
  }
  HCERTSTORE root = CertOpenStore(CERT_STORE_PROV_SYSTEM_A, 0, 0, CERT_SYSTEM_STORE_LOCAL_MACHINE, "Root");
  if (!root) {
    std::fprintf(stderr, "toolbox-trust-certificate: no root store (error %lu)\n", GetLastError());
    return 1;
  }
  BOOL added = CertAddEncodedCertificateToStore(root, X509_ASN_ENCODING, certificate.data(),
                                                static_cast<DWORD>(certificate.size()),
                                                CERT_STORE_ADD_REPLACE_EXISTING, nullptr);
  DWORD error = GetLastError();
  CertCloseStore(root, 0);
  if (!added) {
    std::fprintf(stderr, "toolbox-trust-certificate: not added (error %lu)\n", error);
    return 1;
  }
  std::printf("toolbox-trust-certificate: %s is trusted\n", argv[1]);
  return 0;
}
