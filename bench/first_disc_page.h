#pragma once

#include <QUrl>

// The page a disc starts with when it has no open.htm: the first non-empty line of menu/html.txt,
// under _html/ beside menu/. Read with no help from the program's libraries, for the minimal
// program that stands for the floor of the stack; the line is taken as Latin-1, which the sample
// disc's page names are. An empty URL when there is no such line.
QUrl FirstDiscPage(const QString& menuDir);
