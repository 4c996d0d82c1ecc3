// The pictures stored with the information window.
#pragma once

#include <QCursor>
#include <QPixmap>

namespace info_window {

// Image1's picture: the first frame of an animated chart, shown still.
QPixmap bannerPicture();
// Image2's picture, drawn stretched into its box.
QPixmap stripPicture();
// Label1's pointer, a hand pointing up, with the hot spot its file gives.
QCursor handCursor();

}  // namespace info_window
