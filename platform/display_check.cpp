#include "platform/display_check.h"

#include "platform/x11_session.h"

namespace platform {

bool DisplayReachable() {
    return x11::Session().isOpen();
}

} // namespace platform
