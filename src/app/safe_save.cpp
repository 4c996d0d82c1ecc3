#include "app/safe_save.h"

#include "app/message_box.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace app {

namespace {

// Links are followed at most as deep as the system follows them.
constexpr int maxLinkDepth = 40;

// The file a name saves to: a symbolic link is followed to what it names, even
// where that does not exist yet, so the link itself is never replaced.
QString linkedPath(const QString& fileName)
{
    QFileInfo info(fileName);
    for (int depth = 0; depth < maxLinkDepth && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

// Why what is at path may not be replaced; empty when it may. A link still
// there after following is a loop or too deep a chain.
QString refusal(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QCoreApplication::translate("app::SafeSave", "it is a folder");
    if (info.isSymLink() || (info.exists() && !info.isFile()))
        return QCoreApplication::translate("app::SafeSave",
                                           "it is not a regular file, and only a regular file is replaced");
    return {};
}

// QSaveFile keeps the content in a temporary file beside the target, which it
// drops unless every write succeeded and the rename into place did.
QString writeWhole(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (!write(file) || !file.flush() || !file.commit())
        return file.errorString();
    return {};
}

}  // namespace

bool saveWhole(const QString& fileName, const std::function<bool(QIODevice& file)>& write, MessageBox& messages,
               QWidget* parent)
{
    const QString path = linkedPath(fileName);
    QString reason = refusal(path);
    if (reason.isEmpty())
        reason = writeWhole(path, write);
    if (reason.isEmpty())
        return true;
    Message message;
    message.icon = Icon::Error;
    message.text = QCoreApplication::translate("app::SafeSave", "The file %1 could not be saved: %2")
                       .arg(QDir::toNativeSeparators(fileName), reason);
    messages.show(parent, message);
    return false;
}

}  // namespace app
