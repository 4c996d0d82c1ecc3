// The program's language follows the user's locale: German where the locale
// asks for it, with Qt's own German for the message boxes' standard buttons,
// and English, the texts as written, for every other language, also where
// the user's list of languages has English before German.
#include "app/error_guard.h"
#include "app/translations.h"
#include "fakes.h"
#include "finance/finance.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QStringList languages = QLocale::system().uiLanguages();
        QVERIFY2(languages.first().startsWith("en") && languages.indexOf(QRegularExpression("^de")) > 0,
                 qPrintable(languages.join(' ')));
    }
    void cleanup() { app::installTranslators(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void errorsAreReportedInTheLocalesLanguage_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("description");  // empty: the library's own
        QTest::addColumn<QString>("expected");

        const QLocale german(QLocale::German, QLocale::Germany);
        QTest::newRow("German, error 5") << german << 5 << QString()
                                         << "Fehler 5: Ungültiger Prozeduraufruf oder ungültiges Argument";
        QTest::newRow("German, error 6") << german << 6 << QString() << "Fehler 6: Überlauf";
        QTest::newRow("German, error 11") << german << 11 << QString() << "Fehler 11: Division durch null";
        QTest::newRow("German, error 13") << german << 13 << QString() << "Fehler 13: Typen unverträglich";
        QTest::newRow("German, any other number") << german << 1004 << QString()
                                                  << "Fehler 1004: Anwendungs- oder objektdefinierter Fehler";
        QTest::newRow("German, a description of the caller's own") << german << 6 << "too large"
                                                                   << "Fehler 6: too large";
        QTest::newRow("German, Austria") << QLocale(QLocale::German, QLocale::Austria) << 6 << QString()
                                         << "Fehler 6: Überlauf";
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedKingdom) << 6 << QString()
                                 << "Error 6: Overflow";
        QTest::newRow("French") << QLocale(QLocale::French, QLocale::France) << 6 << QString()
                                << "Error 6: Overflow";
        QTest::newRow("English before German in the user's list") << QLocale::system() << 6 << QString()
                                                                 << "Error 6: Overflow";
    }

    void errorsAreReportedInTheLocalesLanguage()
    {
        QFETCH(QLocale, locale);
        QFETCH(int, number);
        QFETCH(QString, description);
        QFETCH(QString, expected);

        app::installTranslators(locale);
        testing_support::FakeMessageBox messages;
        app::runGuarded(messages, nullptr, [&] {
            if (description.isEmpty())
                throw finance::RuntimeError(number);
            throw finance::RuntimeError(number, description.toStdString());
        });
        QCOMPARE(messages.texts(), QStringList{expected});
    }

    void aLaterCallReplacesTheLanguage()
    {
        QVERIFY(app::installTranslators(QLocale(QLocale::German, QLocale::Germany)));
        QVERIFY(!app::installTranslators(QLocale(QLocale::English, QLocale::UnitedStates)));
        QCOMPARE(QCoreApplication::translate("finance", "Overflow"), QStringLiteral("Overflow"));
    }

    void standardButtonsComeFromQtsGermanCatalogue()
    {
        app::installTranslators(QLocale(QLocale::German, QLocale::Germany));
        QMessageBox box(QMessageBox::Question, QString(), QString(),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
        QCOMPARE(box.button(QMessageBox::No)->text(), QStringLiteral("&Nein"));
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    }
};

// The system locale reads the user's list of languages once, before the
// application starts.
int main(int argc, char* argv[])
{
    qputenv("LANGUAGE", "en:de");
    QApplication application(argc, argv);
    TranslationsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "translations_test.moc"
