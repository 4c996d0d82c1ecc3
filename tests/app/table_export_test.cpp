// A table leaving the program: the selected rows to the clipboard through
// Ctrl+C in a real view, every row with a header through "Copy All", every row
// to a CSV file that a reader following RFC 4180 reads back cell for cell (a
// link saving to the file it names), and a failed or refused save that names
// the file and leaves what was there.
#include "app/table_export.h"

#include "fakes.h"
#include "gui_fixture.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QListView>
#include <QMap>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

class Rows final : public app::TableRows {
public:
    QStringList titles;  // a file's
    QStringList shownTitles;
    QList<QStringList> shown;
    QList<QStringList> file;
    std::function<void()> whileWriting;

    QStringList columnTitles(app::CellText text) const override
    {
        return text == app::CellText::File ? titles : shownTitles;
    }
    int tableRowCount() const override { return int(file.size()); }
    QStringList cells(int row, app::CellText text) const override
    {
        if (text == app::CellText::Shown)
            return shown[row];
        if (whileWriting)
            whileWriting();
        return file[row];
    }
};

// Fields end at a comma, records at CRLF; a quoted field may hold both, and ""
// inside it is one quote. A bare line feed stays in its field.
QList<QStringList> readCsv(const QByteArray& bytes)
{
    const QString text = QString::fromUtf8(bytes);
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted && c == u'"' && text.mid(i + 1, 1) == u"\"") {
            field += c;
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && c == u',') {
            record.append(std::exchange(field, {}));
        } else if (!quoted && text.mid(i, 2) == u"\r\n") {
            record.append(std::exchange(field, {}));
            records.append(std::exchange(record, {}));
            ++i;
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || !record.isEmpty())
        records.append(record + QStringList{field + QStringLiteral("<no CRLF>")});
    return records;
}

// What a folder holds, by name: a link's target, a file's content, or the kind
// of anything else.
QMap<QString, QString> contents(const QString& path)
{
    QMap<QString, QString> result;
    const auto filter = QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
    for (const QFileInfo& entry : QDir(path).entryInfoList(filter)) {
        QString what = QStringLiteral("special");
        if (entry.isSymLink()) {
            what = QStringLiteral("link to ") + entry.symLinkTarget();
        } else if (entry.isDir()) {
            what = QStringLiteral("folder");
        } else if (entry.isFile()) {
            QFile file(entry.filePath());
            what = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("unreadable");
        }
        result.insert(entry.fileName(), what);
    }
    return result;
}

// A list view over three rows, with the export actions, shown and active.
struct ExportedList {
    testing_support::FakePlatform fakes;
    testing_support::ModalWatchdog watchdog;
    Rows rows;
    QStringListModel model{{"first", "second", "third"}};
    QListView view;

    ExportedList()
    {
        rows.titles = {"Payment", "Rate"};
        rows.shownTitles = {"Zahlung", "Zinssatz"};
        rows.shown = {{"-1,128.25", "5.00%"}, {"-1,144.22", "5.25%"}, {"-1,160.29", "5.50%"}};
        rows.file = {{"-1128.25", "0.05"}, {"-1144.22", "0.0525"}, {"-1160.29", "0.055"}};
        view.setModel(&model);
        app::addTableExport(&view, rows, fakes.platform);
        testing_support::showAndExpose(&view);
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
    }

    QAction* action(const char* name) const { return view.findChild<QAction*>(QLatin1String(name)); }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers, view.visualRect(model.index(row)).center());
    }
};

}  // namespace

class TableExportTest : public QObject {
    Q_OBJECT
private slots:
    void copiesToTheClipboard_data();
    void copiesToTheClipboard();
    void csvReadsBackCellForCell_data();
    void csvReadsBackCellForCell();
    void cancelledDialogWritesNothing();
    void failedSaveLeavesWhatWasThere_data();
    void failedSaveLeavesWhatWasThere();
};

void TableExportTest::copiesToTheClipboard_data()
{
    QTest::addColumn<bool>("all");
    QTest::addColumn<QString>("text");
    QTest::newRow("Ctrl+C, first and third rows selected") << false << "-1,128.25\t5.00%\n-1,160.29\t5.50%\n";
    QTest::newRow("Copy All, a header row first")
        << true << "Zahlung\tZinssatz\n-1,128.25\t5.00%\n-1,144.22\t5.25%\n-1,160.29\t5.50%\n";
}

void TableExportTest::copiesToTheClipboard()
{
    QFETCH(bool, all);
    QFETCH(QString, text);

    ExportedList list;
    QGuiApplication::clipboard()->clear();
    list.clickRow(2);
    list.clickRow(0, Qt::ControlModifier);
    if (all)
        list.action("copyAllAction")->trigger();
    else
        QTest::keyClick(&list.view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
}

void TableExportTest::csvReadsBackCellForCell_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addColumn<bool>("throughLink");
    QTest::newRow("a new file") << false << false;
    QTest::newRow("a link to a file: the file takes the rows, the link stays") << true << true;
    QTest::newRow("a link to a name not yet taken") << false << true;
}

// The file's header is its own (English), not the one shown.
void TableExportTest::csvReadsBackCellForCell()
{
    QFETCH(bool, existing);
    QFETCH(bool, throughLink);

    QTemporaryDir dir;
    const QString target = dir.filePath("table.csv");
    if (existing) {
        QFile earlier(target);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }
    ExportedList list;
    list.rows.titles = {"Name", "Amount"};
    list.rows.file = {{"a,comma", "0.0525"}, {"a \"quoted\" word", "-1128.25"}, {"two\r\nlines", "1e-05"}};
    list.rows.file.append(QStringList{QStringLiteral("Zinssatz \u00df \u20ac"), "1000"});
    list.fakes.files.answer = target;
    if (throughLink) {
#ifdef Q_OS_UNIX
        list.fakes.files.answer = dir.filePath("link.csv");
        QCOMPARE(symlink("table.csv", qPrintable(list.fakes.files.answer)), 0);
#else
        QSKIP("links are made with POSIX symlink");
#endif
    }
    list.action("saveCsvAction")->trigger();

    QCOMPARE(list.fakes.messages.texts(), QStringList{});
    if (throughLink) {
        const QFileInfo link(list.fakes.files.answer);
        QVERIFY(link.isSymLink());
        QCOMPARE(link.symLinkTarget(), target);
    }
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(readCsv(bytes), QList<QStringList>{list.rows.titles} + list.rows.file);
    // Numbers stand unquoted, so a spreadsheet reads them as numbers.
    QVERIFY(bytes.contains("\r\nZinssatz \xc3\x9f \xe2\x82\xac,1000\r\n"));
    QCOMPARE(list.fakes.files.requests.size(), 1);
    QCOMPARE(list.fakes.files.requests.first().defaultSuffix, QStringLiteral("csv"));
}

// The dialog answers a cancel with no name, which must not reach the file
// system as one (an empty name fails to open and would be reported).
void TableExportTest::cancelledDialogWritesNothing()
{
    ExportedList list;
    list.fakes.files.answer.clear();
    list.action("saveCsvAction")->trigger();
    QCOMPARE(list.fakes.files.requests.size(), 1);
    QCOMPARE(list.fakes.messages.texts(), QStringList{});
}

void TableExportTest::failedSaveLeavesWhatWasThere_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("reason");  // empty: the system's own
    const QString special = QStringLiteral("it is not a regular file, and only a regular file is replaced");
    QTest::newRow("a folder as the name") << "folder" << "it is a folder";
    QTest::newRow("a pipe as the name") << "pipe" << special;
    QTest::newRow("a link to a pipe") << "link to pipe" << special;
    QTest::newRow("a folder without write permission") << "read-only" << QString();
    QTest::newRow("the disk fills up while writing") << "full" << QString();
    QTest::newRow("the name turns into a folder before the file takes its place") << "taken" << QString();
}

void TableExportTest::failedSaveLeavesWhatWasThere()
{
    QFETCH(QString, failure);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QString name = dir.filePath("table.csv");
    {
        QFile earlier(name);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }
    ExportedList list;
    for (int i = 0; i < 20000; ++i)
        list.rows.file.append(QStringList{"-1128.25", "0.05"});

#ifdef Q_OS_UNIX
    struct rlimit limit {};
    getrlimit(RLIMIT_FSIZE, &limit);
    const struct rlimit before = limit;
    // A device is refused as a pipe is; none is used here, as a run as root
    // that failed to refuse it would replace the system's own.
    if (failure == "folder") {
        name = dir.filePath("folder");
        QVERIFY(QDir(dir.path()).mkdir("folder"));
    } else if (failure == "pipe") {
        name = dir.filePath("pipe");
        QCOMPARE(mkfifo(qPrintable(name), 0600), 0);
    } else if (failure == "link to pipe") {
        QCOMPARE(mkfifo(qPrintable(dir.filePath("pipe")), 0600), 0);
        name = dir.filePath("link.csv");
        QCOMPARE(symlink("pipe", qPrintable(name)), 0);
    } else if (failure == "taken") {
        // Fails the rename into place, which root cannot be denied otherwise.
        name = dir.filePath("later.csv");
        list.rows.whileWriting = [name] { QDir().mkdir(name); };
    } else if (failure == "read-only") {
        // Root writes into any folder: there is no permission to lack.
        if (geteuid() == 0)
            QSKIP("running as root, which may write into any folder");
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    } else if (failure == "full") {
        // A file size limit fails the write as a full disk would.
        std::signal(SIGXFSZ, SIG_IGN);
        limit.rlim_cur = 64 * 1024;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    }
    QMap<QString, QString> expected = contents(dir.path());
    if (failure == "taken")
        expected.insert("later.csv", "folder");
    list.fakes.files.answer = name;
    list.action("saveCsvAction")->trigger();
    setrlimit(RLIMIT_FSIZE, &before);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
#else
    QSKIP("the failures are made with POSIX permissions and limits");
#endif

    QCOMPARE(list.fakes.messages.shown.size(), 1);
    const app::Message& message = list.fakes.messages.shown.first();
    QCOMPARE(message.icon, app::Icon::Error);
    QCOMPARE(message.title, app::applicationTitle());
    const QString prefix = QStringLiteral("The file %1 could not be saved: ").arg(QDir::toNativeSeparators(name));
    if (reason.isEmpty()) {
        QVERIFY2(message.text.startsWith(prefix) && message.text.size() > prefix.size(), qPrintable(message.text));
        QVERIFY2(!message.text.endsWith(QStringLiteral("Unknown error")), qPrintable(message.text));
    } else {
        QCOMPARE(message.text, prefix + reason);
    }
    QCOMPARE(contents(dir.path()), expected);
}

QTEST_MAIN(TableExportTest)
#include "table_export_test.moc"
