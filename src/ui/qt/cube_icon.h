#pragma once
#include <QIcon>
#include <QImage>

namespace vx {

// The program's icon, drawn here rather than kept as a picture: a 3 x 3 x 3
// cube seen as the game shows it (front, top and right faces, the latter two
// slanted at 45 degrees), on a transparent square of `size` pixels.
QImage paintCubeIcon(int size);

// The icon at the sizes a desktop asks for.
QIcon cubeIcon();

}  // namespace vx
