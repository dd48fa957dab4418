#include "web/request_object.h"

#include "platform/dispatch.h"

namespace toolbox {

RequestObject RequestObject::create() {
  RequestObject created;
  created.apartment_ = std::make_shared<ComApartment>();
  created.object_ = create_dispatch_object(kRequestObjectProgId);
  return created;
}

}  // namespace toolbox
