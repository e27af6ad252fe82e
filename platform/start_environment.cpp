#include "platform/start_environment.h"

#include <optional>

namespace platform {
namespace {

std::optional<QProcessEnvironment>& Kept() {
    static std::optional<QProcessEnvironment> environment;
    return environment;
}

} // namespace

void KeepStartEnvironment() {
    Kept() = QProcessEnvironment::systemEnvironment();
}

QProcessEnvironment StartEnvironment() {
    return Kept() ? *Kept() : QProcessEnvironment::systemEnvironment();
}

} // namespace platform
