// Saving a file the user named: written whole or not at all, and never in the
// place of something that is not a regular file.
#pragma once

#include <QString>

#include <functional>

class QIODevice;
class QWidget;

namespace app {

class MessageBox;

// Writes a file through write, which is handed the open file and returns false
// when a write failed. The content goes to a temporary file beside the target,
// which takes the target's place only once all of it is written. A symbolic
// link to a regular file saves to that file and stays a link; a target that
// exists and is not a regular file (a folder, a device, a pipe, a socket) is
// refused and left as it is. A failure is reported over parent, naming the file
// and why. Returns whether the file was saved.
bool saveWhole(const QString& fileName, const std::function<bool(QIODevice& file)>& write, MessageBox& messages,
               QWidget* parent);

}  // namespace app
