#include "tools/check/kind_name.h"

namespace check {

std::string_view KindName(content::NodeKind kind) {
    switch (kind) {
    case content::NodeKind::GroupHeading:
        return "heading";
    case content::NodeKind::SubGroup:
        return "subgroup";
    case content::NodeKind::Entry:
        return "entry";
    }
    return "entry";
}

} // namespace check
