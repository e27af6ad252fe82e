#include "ui/display_text.h"

#include "content/cp932.h"

QString DisplayText(std::string_view cp932) {
    return QString::fromStdString(content::Cp932ToUtf8(cp932));
}
