// A user's document held by a window: the file it was opened from or saved
// to, named in the window's title with Qt's "[*]" mark while it has unsaved
// changes, and never lost without asking. The window says how its document
// is read from and written to a file; this asks for the file, asks before the
// document would be lost, and once a file is read or written names it and
// clears the mark.
#pragma once

#include "app/file_dialog.h"
#include "app/platform.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <functional>

class QMenu;
class QWidget;

namespace app {

class Document {
    Q_DECLARE_TR_FUNCTIONS(app::Document)
public:
    // Shows a file's contents in the window; a file it refuses is reported
    // by it, naming the file and why, and the window stays as it was.
    using Read = std::function<bool(const QString& fileName, const QByteArray& contents)>;
    // Writes the whole document to the file; a failure is reported by it.
    using Write = std::function<bool(const QString& fileName)>;

    // windowName ends the title and heads the messages: "Loan Planner".
    Document(QWidget* window, Platform& platform, const QString& windowName, OpenFileRequest openRequest,
             SaveFileRequest saveRequest, Read read, Write write);
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // The file last read or written; empty while there is none.
    const QString& fileName() const { return m_fileName; }
    // The file's name without its folder, or "Untitled".
    QString name() const;

    // Adds Open, Save and Save As to the window's File menu; they run through
    // the shared error path.
    void addActions(QMenu* file);

    // Whether the document may be replaced: nothing unsaved, or saved or
    // discarded as the user answers.
    bool mayReplace();
    // The same through the shared error path: an error keeps the window open.
    bool mayClose();
    // Asks before the document would be lost, then for the file to open.
    void openFromDialog();
    // Reads the file in place of the document without asking, through the
    // shared error path. Returns whether it was read.
    bool open(const QString& fileName);
    // Writes the document to its file, or asks for one while it has none.
    bool save();
    bool saveAs();

private:
    bool load(const QString& fileName);
    bool write(const QString& fileName);
    void settle(const QString& fileName);
    void updateTitle();

    QWidget* m_window;
    Platform& m_platform;
    QString m_windowName;
    OpenFileRequest m_openRequest;
    SaveFileRequest m_saveRequest;
    Read m_read;
    Write m_write;
    QString m_fileName;
};

}  // namespace app
