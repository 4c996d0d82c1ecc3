#include "app/error_guard.h"

#include "finance/finance.h"

#include <QCoreApplication>

#include <exception>

namespace app {

namespace {

// The library's own descriptions are translated by number, here where they
// are shown (the library stays free of Qt); a caller's own is shown as given.
QString describe(const finance::RuntimeError& error)
{
    if (error.describedByNumber())
        return QCoreApplication::translate("finance", finance::errorDescription(error.number()));
    return QString::fromUtf8(error.what());
}

Message describeCurrentError()
{
    Message message;
    message.icon = Icon::Error;
    try {
        throw;
    } catch (const finance::RuntimeError& error) {
        message.text =
            QCoreApplication::translate("app::ErrorGuard", "Error %1: %2").arg(error.number()).arg(describe(error));
    } catch (const std::exception& error) {
        message.text = QCoreApplication::translate("app::ErrorGuard", "Unexpected error: %1")
                           .arg(QString::fromUtf8(error.what()));
    } catch (...) {
        message.text = QCoreApplication::translate("app::ErrorGuard", "Unexpected error");
    }
    return message;
}

}  // namespace

void reportCurrentError(MessageBox& messages, QWidget* parent) noexcept
{
    try {
        messages.show(parent, describeCurrentError());
    } catch (...) {
        // Nothing is left to report with; the program still goes on.
    }
}

}  // namespace app
