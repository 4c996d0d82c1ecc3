#include "app/unsaved_changes.h"

#include <QCoreApplication>
#include <QWidget>

namespace app {

Answer askToSaveChanges(MessageBox& messages, QWidget* parent, const QString& documentName)
{
    Message question;
    question.text = QCoreApplication::translate("app::UnsavedChanges",
                                                "Save the changes to \"%1\" before closing?")
                        .arg(documentName);
    question.icon = Icon::Warning;
    question.buttons = Buttons::SaveDiscardCancel;
    return messages.show(parent, question);
}

bool mayLoseChanges(MessageBox& messages, QWidget* window, const QString& documentName,
                    const std::function<bool()>& save)
{
    if (!window->isWindowModified())
        return true;
    switch (askToSaveChanges(messages, window, documentName)) {
    case Answer::Save:
        return save();
    case Answer::Discard:
        return true;
    default:
        return false;
    }
}

QString documentTitle(const QString& documentName, const QString& windowName)
{
    return QStringLiteral("%1[*] - %2").arg(documentName, windowName);
}

}  // namespace app
