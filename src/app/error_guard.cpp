#include "app/error_guard.h"

#include "finance/finance.h"

#include <exception>

namespace app {

namespace {

Message describeCurrentError()
{
    Message message;
    message.icon = Icon::Error;
    try {
        throw;
    } catch (const finance::RuntimeError& error) {
        message.text = QStringLiteral("Error %1: %2").arg(error.number()).arg(QString::fromUtf8(error.what()));
    } catch (const std::exception& error) {
        message.text = QStringLiteral("Unexpected error: %1").arg(QString::fromUtf8(error.what()));
    } catch (...) {
        message.text = QStringLiteral("Unexpected error");
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
