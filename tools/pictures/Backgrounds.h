#pragma once

#include <QImage>
#include <QSize>

namespace marovane::art {

// "grass.jpg": open ground for the board. The picture repeats without a seam (every pattern in
// it wraps around its edges) and stays dark and quiet, so unit pictures stand out on it.
QImage MakeGrass(int size = 1024);

// "hide.jpg": the cover over the board between turns, an old parchment with a faint lattice
// and a compass rose, so nothing of the board can be guessed through it.
QImage MakeHideCover(QSize size = QSize(1024, 768));

} // namespace marovane::art
