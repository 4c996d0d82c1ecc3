#include "app/qt_message_box.h"

#include <QMessageBox>

namespace app {

namespace {

QMessageBox::Icon toQt(Icon icon)
{
    switch (icon) {
    case Icon::None: return QMessageBox::NoIcon;
    case Icon::Information: return QMessageBox::Information;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Error: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

Answer QtMessageBox::show(QWidget* parent, const Message& message)
{
    QMessageBox box(parent);
    box.setIcon(toQt(message.icon));
    box.setWindowTitle(message.title);
    box.setTextFormat(Qt::PlainText);
    box.setText(QString(message.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    switch (message.buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case Buttons::SaveDiscardCancel:
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Save);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Save: return Answer::Save;
    case QMessageBox::Discard: return Answer::Discard;
    default: break;
    }
    // Closed without a button: the answer that changes nothing.
    switch (message.buttons) {
    case Buttons::YesNo: return Answer::No;
    case Buttons::OkCancel:
    case Buttons::SaveDiscardCancel: return Answer::Cancel;
    case Buttons::Ok: break;
    }
    return Answer::Ok;
}

}  // namespace app
