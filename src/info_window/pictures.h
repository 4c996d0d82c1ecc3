// The pictures stored with the information window, and the program icon.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace info_window {

// Image1's picture: the first frame of an animated chart, shown still.
QPixmap bannerPicture();
// Image2's picture, drawn stretched into its box.
QPixmap stripPicture();
// Label1's pointer, a hand pointing up, with the hot spot its file gives.
QCursor handCursor();
// The program icon (":/icons/dorvantix.ico"), every size and depth of it.
QIcon applicationIcon();

}  // namespace info_window
