#include "app/error_guard.h"

#include "finance/finance.h"

#include <QCoreApplication>

#include <cstring>
#include <exception>

namespace app {

namespace {

// The finance library's descriptions of its errors: the library stays free of
// Qt, so they are translated here, where they are shown.
constexpr const char* financeDescriptions[] = {
    QT_TRANSLATE_NOOP("app::ErrorGuard", "Invalid procedure call or argument"),
    QT_TRANSLATE_NOOP("app::ErrorGuard", "Overflow"),
    QT_TRANSLATE_NOOP("app::ErrorGuard", "Division by zero"),
    QT_TRANSLATE_NOOP("app::ErrorGuard", "Type mismatch"),
    QT_TRANSLATE_NOOP("app::ErrorGuard", "Application-defined or object-defined error"),
};

// Any other description is shown as the error gives it.
QString describe(const finance::RuntimeError& error)
{
    for (const char* description : financeDescriptions)
        if (std::strcmp(error.what(), description) == 0)
            return QCoreApplication::translate("app::ErrorGuard", description);
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
