// Modal message boxes behind an interface of ours, so that handlers can be
// driven by tests without blocking on a real dialog.
#pragma once

#include "app/application.h"

#include <QString>

class QWidget;

namespace app {

enum class Icon { None, Information, Question, Warning, Error };
enum class Buttons { Ok, OkCancel, YesNo, SaveDiscardCancel };
enum class Answer { Ok, Cancel, Yes, No, Save, Discard };

struct Message {
    QString text;  // lines joined by "\r\n"
    QString title = applicationTitle();
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
};

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Shows the message modally over parent (none: application modal) and
    // returns the button the user chose.
    virtual Answer show(QWidget* parent, const Message& message) = 0;
};

// A warning over parent with one OK button, titled as the window it concerns.
inline void warn(MessageBox& messages, QWidget* parent, const QString& title, const QString& text)
{
    Message warning;
    warning.text = text;
    warning.title = title;
    warning.icon = Icon::Warning;
    messages.show(parent, warning);
}

}  // namespace app
