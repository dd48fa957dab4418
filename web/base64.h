// Base64 (RFC 4648, standard alphabet, "=" padding, no line breaks).
#pragma once

#include "text/text.h"

namespace toolbox {

Text base64_encode(const Bytes& bytes);

}  // namespace toolbox
