// The shared error path. Every handler body runs through runGuarded: an error
// stops the handler where it is, is reported in one modal message, and the
// program goes on. Exceptions never reach Qt's event loop.
#pragma once

#include "app/message_box.h"

#include <utility>

class QWidget;

namespace app {

// Reports the exception in flight (call only from a catch block).
void reportCurrentError(MessageBox& messages, QWidget* parent) noexcept;

template <typename Handler>
void runGuarded(MessageBox& messages, QWidget* parent, Handler&& handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        reportCurrentError(messages, parent);
    }
}

// A slot that runs one of a window's handlers through the shared error path,
// with the window as the parent of any error message.
template <typename Window>
auto guarded(Window* window, MessageBox& messages, void (Window::*handler)())
{
    return [window, &messages, handler] { runGuarded(messages, window, [window, handler] { (window->*handler)(); }); };
}

}  // namespace app
