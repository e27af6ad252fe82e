#include "ui/display_text.h"

#include "content/cp932.h"

QString DisplayText(const std::string& cp932) {
    return QString::fromStdString(content::Cp932ToUtf8(cp932));
}
