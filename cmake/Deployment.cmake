# Deployment values: where the outside services live. They are compiled into
# the program (it reads no configuration at run time). The defaults point at
# loopback, where the stand-ins of standin/ answer; a release build sets them
# with -D on the configure line, e.g.
#   cmake --preset win32 -DTOOLBOX_ACCOUNT_CHECK_BASE=https://check.example.com
set(TOOLBOX_RELAY_ADDRESS "127.0.0.1" CACHE STRING
    "IPv4 address of the relay server, dotted (the port is always 5658)")
set(TOOLBOX_UPDATE_BASE "http://127.0.0.1:18080" CACHE STRING
    "Scheme, host and port of the update server (the path /x.php is fixed)")
set(TOOLBOX_ACCOUNT_CHECK_BASE "https://localhost:18443" CACHE STRING
    "Scheme, host and port of the account-check service (HTTPS)")
set(TOOLBOX_SECOND_CHECK_BASE "http://127.0.0.1:18080" CACHE STRING
    "Scheme, host and port of the second account-check service (plain HTTP)")
set(TOOLBOX_SECOND_CHECK_ACCOUNT "20261210001" CACHE STRING
    "Account number of the second account-check service (11 digits)")
# 128 bytes of Base64, 172 characters with one '=': the stand-in's token.
set(TOOLBOX_SECOND_CHECK_TOKEN
    "U2VsbGVyVG9vbGJveCBzdGFuZC1pbiB0b2tlbjogbm90IGEgcmVhbCBzaWduYXR1cmUsIG9ubHkgdGhlIGxvY2FsIHNlcnZpY2UgYWNjZXB0cyB0aGlzIHZhbHVlIGZvciB0ZXN0aW5nIHB1cnBvc2VzIG9ubHkuLi4uLi4uLi4="
    CACHE STRING "Signature token of the second account-check service (172 Base64 characters)")
set(TOOLBOX_INDEX_BASE "https://localhost:18443" CACHE STRING
    "Scheme, host and port of the index service (HTTPS)")

string(LENGTH "${TOOLBOX_SECOND_CHECK_ACCOUNT}" _account_length)
string(LENGTH "${TOOLBOX_SECOND_CHECK_TOKEN}" _token_length)
if(NOT _account_length EQUAL 11 OR NOT _token_length EQUAL 172)
  message(FATAL_ERROR "TOOLBOX_SECOND_CHECK_ACCOUNT must have 11 digits and "
                      "TOOLBOX_SECOND_CHECK_TOKEN 172 characters")
endif()

configure_file(${CMAKE_CURRENT_LIST_DIR}/deployment.h.in
               ${CMAKE_BINARY_DIR}/generated/toolbox/deployment.h @ONLY)
add_library(toolbox_deployment INTERFACE)
target_include_directories(toolbox_deployment INTERFACE ${CMAKE_BINARY_DIR}/generated)
