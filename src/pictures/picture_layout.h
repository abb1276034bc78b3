// Where a picture window goes once its picture is loaded: it sizes itself after the picture,
// centres itself on the primary screen, and places its OK panel under the picture.
#pragma once

namespace kestrel {

struct PictureWindowLayout {
  int pointerX, pointerY;      // the mouse pointer, moved onto the OK panel's old place
  int outerWidth, outerHeight; // W = picture width + 6, H = picture height + 51
  int left, top;               // screen half minus window half (halves toward zero)
  int panelLeft, panelTop;     // W div 2 - 35, H - 50 (client coordinates)
};

PictureWindowLayout LayoutPictureWindow(int pictureWidth, int pictureHeight, int windowLeft,
                                        int windowTop, int panelLeft, int panelTop, int screenWidth,
                                        int screenHeight);

}  // namespace kestrel
