// A table leaving the program: the selected rows to the clipboard through
// Ctrl+C in a real view, every row with a header through "Copy All", every row
// to a CSV file that a reader following RFC 4180 reads back cell for cell, and
// a failed save that names the file and leaves what was there.
#include "app/table_export.h"

#include "fakes.h"
#include "gui_fixture.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QListView>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

class Rows final : public app::TableRows {
public:
    QStringList titles;
    QList<QStringList> shown;
    QList<QStringList> file;

    QStringList columnTitles(app::CellText) const override { return titles; }
    int tableRowCount() const override { return int(file.size()); }
    QStringList cells(int row, app::CellText text) const override
    {
        return text == app::CellText::File ? file[row] : shown[row];
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
    void csvReadsBackCellForCell();
    void failedSaveLeavesWhatWasThere_data();
    void failedSaveLeavesWhatWasThere();
};

void TableExportTest::copiesToTheClipboard_data()
{
    QTest::addColumn<bool>("all");
    QTest::addColumn<QString>("text");
    QTest::newRow("Ctrl+C, first and third rows selected") << false << "-1,128.25\t5.00%\n-1,160.29\t5.50%\n";
    QTest::newRow("Copy All, a header row first")
        << true << "Payment\tRate\n-1,128.25\t5.00%\n-1,144.22\t5.25%\n-1,160.29\t5.50%\n";
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

void TableExportTest::csvReadsBackCellForCell()
{
    QTemporaryDir dir;
    ExportedList list;
    list.rows.titles = {"Name", "Amount"};
    list.rows.file = {{"a,comma", "0.0525"}, {"a \"quoted\" word", "-1128.25"}, {"two\r\nlines", "1e-05"}};
    list.rows.file.append(QStringList{QStringLiteral("Zinssatz \u00df \u20ac"), "1000"});
    list.fakes.files.answer = dir.filePath("table.csv");
    list.action("saveCsvAction")->trigger();

    QCOMPARE(list.fakes.messages.shown.size(), 0);
    QFile file(list.fakes.files.answer);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(readCsv(bytes), QList<QStringList>{list.rows.titles} + list.rows.file);
    // Numbers stand unquoted, so a spreadsheet reads them as numbers.
    QVERIFY(bytes.contains("\r\nZinssatz \xc3\x9f \xe2\x82\xac,1000\r\n"));
    QCOMPARE(list.fakes.files.requests.size(), 1);
    QCOMPARE(list.fakes.files.requests.first().defaultSuffix, QStringLiteral("csv"));
}

void TableExportTest::failedSaveLeavesWhatWasThere_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("a folder as the name") << "folder";
    QTest::newRow("a folder without write permission") << "read-only";
    QTest::newRow("the disk fills up while writing") << "full";
}

void TableExportTest::failedSaveLeavesWhatWasThere()
{
    QFETCH(QString, failure);

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
    if (failure == "folder") {
        name = dir.filePath("folder");
        QVERIFY(QDir(dir.path()).mkdir("folder"));
    } else if (failure == "read-only") {
        // Root writes into any folder: there is no permission to lack.
        if (geteuid() == 0)
            QSKIP("running as root, which may write into any folder");
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    } else {
        // A file size limit fails the write as a full disk would.
        std::signal(SIGXFSZ, SIG_IGN);
        limit.rlim_cur = 64 * 1024;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    }
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
    QVERIFY2(message.text.startsWith(prefix) && message.text.size() > prefix.size(), qPrintable(message.text));
    QVERIFY2(!message.text.endsWith(QStringLiteral("Unknown error")), qPrintable(message.text));

    QFile earlier(dir.filePath("table.csv"));
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("earlier"));
    QStringList expected{"table.csv"};
    if (failure == "folder")
        expected.prepend("folder");
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), expected);
}

QTEST_MAIN(TableExportTest)
#include "table_export_test.moc"
