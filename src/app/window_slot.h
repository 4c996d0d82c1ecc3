// The one way a window opens another: at most one instance, created on first
// use, brought to the front on every use, and ended with its owner. A window
// closed with its close box deletes itself (Qt::WA_DeleteOnClose), so the slot
// is empty again and the next open creates it afresh.
#pragma once

#include <QPointer>
#include <QWidget>

namespace app {

// Shows a window that may be open already and brings it to the front.
void bringToFront(QWidget* window);

template <typename Window>
class WindowSlot {
public:
    WindowSlot() = default;
    WindowSlot(const WindowSlot&) = delete;
    WindowSlot& operator=(const WindowSlot&) = delete;
    ~WindowSlot() { delete m_window; }

    // make() creates the window (and loads and places it) when none is open.
    template <typename Make>
    Window& open(Make make)
    {
        if (!m_window)
            m_window = make();
        bringToFront(m_window);
        return *m_window;
    }

    // The open window, or null.
    Window* get() const { return m_window; }

    // Asks the open window to close, as its close box does; false when it
    // stays open (a document with unsaved changes the user kept).
    bool close() { return !m_window || m_window->close(); }

private:
    QPointer<Window> m_window;
};

}  // namespace app
