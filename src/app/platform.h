// The platform services a window needs, handed to it when it is created.
#pragma once

#include "app/file_dialog.h"
#include "app/lifetime.h"
#include "app/message_box.h"
#include "app/print_dialog.h"
#include "app/shell.h"

namespace app {

struct Platform {
    MessageBox& messages;
    Shell& shell;
    Lifetime& lifetime;
    FileDialog& files;
    PrintDialog* printing = nullptr;  // none: printing is not offered, exporting a PDF is
};

}  // namespace app
