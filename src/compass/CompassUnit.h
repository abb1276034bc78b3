// The compass picture of the main window, drawn at start-up.
#pragma once
#include <QImage>

namespace kestrel {

// 251 x 251: a yellow dial on a tan ground reaching to 2 pixels from the edges, degree ticks
// along the rim, blue numbers every 10 degrees from 0 at the top clockwise to 350, and two thin
// red lines crossing at (126, 125). The numbers stand where the arrow's tip points for their
// heading (the arrow's ends lie on a circle of radius 90 inside them).
QImage CompassPicture();

}  // namespace kestrel
