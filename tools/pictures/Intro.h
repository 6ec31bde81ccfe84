#pragma once

#include <QImage>
#include <QSize>

namespace marovane::art {

// "intro.jpg": the title picture before and after a game. A castle against an evening sky,
// a banner in each player's colour on its towers, and the game's name above.
QImage MakeIntro(QSize size = QSize(1024, 768));

} // namespace marovane::art
