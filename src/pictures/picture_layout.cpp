#include "pictures/picture_layout.h"

namespace kestrel {

PictureWindowLayout LayoutPictureWindow(int pw, int ph, int wl, int wt, int pl, int pt, int sw, int sh) {
  PictureWindowLayout l;
  l.pointerX = wl + pl + 48;
  l.pointerY = wt + pt + 30;
  l.outerHeight = ph + 51;
  l.outerWidth = pw + 6;
  l.left = sw / 2 - l.outerWidth / 2;
  l.top = sh / 2 - l.outerHeight / 2;
  l.panelTop = l.outerHeight - 50;
  l.panelLeft = l.outerWidth / 2 - 35;
  return l;
}

}  // namespace kestrel
