#pragma once

#include <QFont>
#include <QString>

// The faces the window was designed with. No font alias exists for them on a stock Linux system,
// so their stand-ins are registered as substitutions under the exact names the design uses.
namespace design_fonts {

QString GothicFace(); // "ＭＳ Ｐゴシック": the form, the tree and the launch buttons
QString MinchoFace(); // "MS P明朝": the tree's group headings
QString ArialFace();  // "Arial": the issue label

void RegisterSubstitutions();

// A face at a pixel height, as the design gives heights (-12: 12-pixel characters).
QFont Font(const QString& face, int pixelHeight);

} // namespace design_fonts
