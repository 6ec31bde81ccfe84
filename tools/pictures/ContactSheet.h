#pragma once

#include <QImage>
#include <QString>

namespace marovane::art {

// One picture showing everything the generator wrote, read back from the files: each unit
// strip at 64 and at 24 pixels a cell on the grass, the pointers (with their hot spots marked
// in a magnified copy), the icons and the three large pictures. For looking the art over.
QImage MakeContactSheet(const QString& programDir, const QString& resourceDir);

} // namespace marovane::art
