// Printing and PDF through the schedule window: the PDF read back as text by
// pdftotext, page by page, in English and German; a cancelled file dialog;
// Ctrl+P printing on the printer the dialog chose. The loan is 100,000 at
// 0.5% for 360 periods; its payment, last row and totals were computed in
// exact rationals with python3 fractions, each interest rounded to the cent,
// halves away from zero.
#include "app/table_print.h"
#include "app/translations.h"
#include "fakes.h"
#include "gui_fixture.h"
#include "schedule/schedule_window.h"

#include <QAction>
#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Prints to a PDF file instead of a printer, as if the user had chosen it.
class PdfPrintDialog final : public app::PrintDialog {
public:
    QString fileName;
    bool choosePrinter(QWidget*, QPrinter& printer) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fileName);
        return true;
    }
};

// Each page's lines, every run of blanks read as one space.
QList<QStringList> pageLines(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished() || process.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    QList<QStringList> result;
    for (const QString& page : pages) {
        QStringList lines;
        for (const QString& line : page.split(QLatin1Char('\n')))
            if (!line.trimmed().isEmpty())
                lines.append(line.simplified());
        result.append(lines);
    }
    return result;
}

}  // namespace

class TablePrintTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }
    void init() { setLanguage(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup()
    {
        delete m_window.get();
        m_fakes.files.requests.clear();
        m_fakes.messages.shown.clear();
        setLanguage(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void pdfHoldsEveryPage_data();
    void pdfHoldsEveryPage();
    void cancelledDialogWritesNothing();
    void ctrlPPrintsOnTheChosenPrinter();

private:
    static void setLanguage(const QLocale& locale)
    {
        QLocale::setDefault(locale);
        app::installTranslators(locale);
    }
    QTableView* openLoan()
    {
        schedule::openSchedule(m_window, {100000, 0.005, 360, finance::PaymentTiming::End}, m_fakes.platform,
                               nullptr);
        return m_window.get()->findChild<QTableView*>(QStringLiteral("table"));
    }
    static QAction* action(QWidget* widget, const char* name)
    {
        for (QAction* action : widget->actions())
            if (action->objectName() == QLatin1String(name))
                return action;
        return nullptr;
    }

    testing_support::FakePlatform m_fakes;
    testing_support::ModalWatchdog m_watchdog;
    app::WindowSlot<schedule::ScheduleWindow> m_window;
};

void TablePrintTest::pdfHoldsEveryPage_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("loanLine");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("lastRow");
    QTest::addColumn<QString>("totalRow");
    QTest::addColumn<QString>("footer");  // %1 the page, %2 the pages

    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << "Amortization Schedule"
                             << "Loan: 100,000.00" << "Period Payment Interest Principal Balance"
                             << "360 600.00 2.99 597.01 0.00" << "Total 215,838.45 115,838.45 100,000.00"
                             << "Page %1 of %2";
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "Tilgungsplan"
                            << "Kredit: 100.000,00" << "Periode Zahlung Zinsen Tilgung Restschuld"
                            << "360 600,00 2,99 597,01 0,00" << "Summe 215.838,45 115.838,45 100.000,00"
                            << "Seite %1 von %2";
}

void TablePrintTest::pdfHoldsEveryPage()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, title);
    QFETCH(QString, loanLine);
    QFETCH(QString, header);
    QFETCH(QString, lastRow);
    QFETCH(QString, totalRow);
    QFETCH(QString, footer);

    setLanguage(locale);
    QTemporaryDir folder;
    m_fakes.files.answer = folder.filePath(QStringLiteral("schedule.pdf"));
    QAction* exportPdf = action(openLoan(), "exportPdfAction");
    QVERIFY(exportPdf);
    exportPdf->trigger();
    QVERIFY2(m_fakes.messages.shown.isEmpty(), qPrintable(m_fakes.messages.texts().join('\n')));

    const QList<QStringList> pages = pageLines(m_fakes.files.answer);
    QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
    QCOMPARE(pages.first().first(), title);
    QVERIFY(pages.first().contains(loanLine));
    QVERIFY(pages[1].contains(header));
    QVERIFY(pages.last().contains(lastRow));
    QVERIFY(pages.last().contains(totalRow));
    for (int page = 0; page < pages.size(); ++page)
        QVERIFY2(pages[page].last().endsWith(footer.arg(page + 1).arg(pages.size())),
                 qPrintable(pages[page].last()));
}

void TablePrintTest::cancelledDialogWritesNothing()
{
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    m_fakes.files.answer.clear();
    action(openLoan(), "exportPdfAction")->trigger();
    QCOMPARE(m_fakes.files.requests.size(), 1);
    QCOMPARE(m_fakes.files.requests.first().filter, QStringLiteral("PDF files (*.pdf)"));
    QVERIFY(QDir(folder.path()).isEmpty());
    QVERIFY(m_fakes.messages.shown.isEmpty());
}

void TablePrintTest::ctrlPPrintsOnTheChosenPrinter()
{
    QTemporaryDir folder;
    PdfPrintDialog printing;
    printing.fileName = folder.filePath(QStringLiteral("printed.pdf"));
    m_fakes.platform.printing = &printing;
    openLoan();
    QVERIFY(testing_support::showAndExpose(m_window.get()));
    QTest::keyClick(m_window.get(), Qt::Key_P, Qt::ControlModifier);
    m_fakes.platform.printing = nullptr;

    const QList<QStringList> pages = pageLines(printing.fileName);
    QVERIFY(pages.size() >= 3);
    QVERIFY(pages.last().contains(QStringLiteral("Total 215,838.45 115,838.45 100,000.00")));
}

QTEST_MAIN(TablePrintTest)
#include "table_print_test.moc"
