// The desktop shell's open operation behind an interface of ours.
#pragma once

#include <QString>
#include <QtGui/qwindowdefs.h>

namespace app {

struct ShellOpenRequest {
    WId owner = 0;           // the asking window
    QString operation;       // "open"
    QString file;            // here a web address
    QString parameters;      // null: none
    QString directory;       // null: none
    int showCommand = 1;     // 1: show in a normal window
};

class Shell {
public:
    virtual ~Shell() = default;
    // Fire and forget: the outcome is neither examined nor reported.
    virtual void open(const ShellOpenRequest& request) = 0;
};

}  // namespace app
