#include "app/document.h"

#include "app/error_guard.h"
#include "app/unsaved_changes.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QWidget>

#include <functional>
#include <utility>

namespace app {

Document::Document(QWidget* window, Platform& platform, const QString& windowName, OpenFileRequest openRequest,
                   SaveFileRequest saveRequest, Read read, Write write)
    : m_window(window),
      m_platform(platform),
      m_windowName(windowName),
      m_openRequest(std::move(openRequest)),
      m_saveRequest(std::move(saveRequest)),
      m_read(std::move(read)),
      m_write(std::move(write))
{
    updateTitle();
}

QString Document::name() const
{
    return m_fileName.isEmpty() ? tr("Untitled") : QFileInfo(m_fileName).fileName();
}

void Document::addActions(QMenu* file)
{
    const auto add = [&](const QString& caption, const QKeySequence& key, const char* name, auto handler) {
        QAction* action = file->addAction(caption);
        action->setShortcut(key);
        action->setObjectName(QLatin1String(name));
        QObject::connect(action, &QAction::triggered, m_window, [this, handler] {
            runGuarded(m_platform.messages, m_window, [this, handler] { std::invoke(handler, this); });
        });
    };
    add(tr("&Open..."), QKeySequence::Open, "openAction", &Document::openFromDialog);
    add(tr("&Save"), QKeySequence::Save, "saveAction", &Document::save);
    add(tr("Save &As..."), QKeySequence::SaveAs, "saveAsAction", &Document::saveAs);
}

bool Document::mayReplace()
{
    return mayLoseChanges(m_platform.messages, m_window, name(), [this] { return save(); });
}

bool Document::mayClose()
{
    bool close = false;
    runGuarded(m_platform.messages, m_window, [&] { close = mayReplace(); });
    return close;
}

void Document::openFromDialog()
{
    if (!mayReplace())
        return;
    const QString fileName = m_platform.files.openFileName(m_window, m_openRequest);
    if (!fileName.isEmpty())
        load(fileName);
}

bool Document::open(const QString& fileName)
{
    bool opened = false;
    runGuarded(m_platform.messages, m_window, [&] { opened = load(fileName); });
    return opened;
}

bool Document::save()
{
    return m_fileName.isEmpty() ? saveAs() : write(m_fileName);
}

bool Document::saveAs()
{
    const QString fileName = m_platform.files.saveFileName(m_window, m_saveRequest);
    return !fileName.isEmpty() && write(fileName);
}

bool Document::load(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        warn(m_platform.messages, m_window, m_windowName,
             tr("The file %1 could not be opened: %2").arg(QDir::toNativeSeparators(fileName), file.errorString()));
        return false;
    }
    if (!m_read(fileName, file.readAll()))
        return false;
    settle(fileName);
    return true;
}

bool Document::write(const QString& fileName)
{
    if (!m_write(fileName))
        return false;
    settle(fileName);
    return true;
}

void Document::settle(const QString& fileName)
{
    m_fileName = fileName;
    m_window->setWindowModified(false);
    updateTitle();
}

void Document::updateTitle()
{
    m_window->setWindowTitle(documentTitle(name(), m_windowName));
}

}  // namespace app
