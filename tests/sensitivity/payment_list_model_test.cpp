// A list's lines: the text each row shows, built from its two numbers in the
// user's locale when it is read, and appending many lines in one step.
#include "sensitivity/payment_list_model.h"

#include "gui_fixture.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTest>

using sensitivity::PaymentLine;
using sensitivity::PaymentListModel;

Q_DECLARE_METATYPE(PaymentListModel::Column)
Q_DECLARE_METATYPE(finance::PaymentTiming)

class PaymentListModelTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void showsALine_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<PaymentListModel::Column>("column");
        QTest::addColumn<double>("payment");
        QTest::addColumn<double>("counter");
        QTest::addColumn<QString>("text");

        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const QLocale german(QLocale::German, QLocale::Germany);
        const auto rate = PaymentListModel::Column::Rate;
        const auto periods = PaymentListModel::Column::Periods;
        QTest::newRow("rate, no grouping in the payment")
            << english << rate << -1234567.89 << 0.0525 << "-1234567.89   //  5.25%";
        QTest::newRow("periods, comma decimal") << german << periods << -2035.09 << 2.5 << "-2035,09     //    2,5";
    }

    void showsALine()
    {
        QFETCH(QLocale, locale);
        QFETCH(PaymentListModel::Column, column);
        QFETCH(double, payment);
        QFETCH(double, counter);
        QFETCH(QString, text);

        QLocale::setDefault(locale);
        PaymentListModel model(column);
        model.append({{payment, counter}});
        QCOMPARE(model.index(0).data().toString(), text);
    }

    // A file reads the same in every locale and language: English titles, "."
    // and no grouping, the rate as a fraction, without the last bits of a run's
    // repeated steps.
    void fileCellsWhateverTheLocale_data()
    {
        QTest::addColumn<PaymentListModel::Column>("column");
        QTest::addColumn<double>("payment");
        QTest::addColumn<double>("counter");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<finance::PaymentTiming>("timing");

        QTest::newRow("rate a run reaches as 0.052500000000000005")
            << PaymentListModel::Column::Rate << -1234567.8 << 0.052500000000000005
            << QStringList{"Payment", "Rate"} << QStringList{"-1234567.80", "0.0525"}
            << finance::PaymentTiming::End;
        QTest::newRow("periods with a fraction") << PaymentListModel::Column::Periods << -2035.09 << 2.5
                                                 << QStringList{"Payment", "Periods"}
                                                 << QStringList{"-2035.09", "2.5"} << finance::PaymentTiming::End;
        QTest::newRow("payments at the start say so") << PaymentListModel::Column::Periods << -1.5 << 3.0
                                                      << QStringList{"Payment (payments at the start of each period)",
                                                                     "Periods"}
                                                      << QStringList{"-1.50", "3"} << finance::PaymentTiming::Begin;
    }

    void fileCellsWhateverTheLocale()
    {
        QFETCH(PaymentListModel::Column, column);
        QFETCH(double, payment);
        QFETCH(double, counter);
        QFETCH(QStringList, titles);
        QFETCH(QStringList, cells);
        QFETCH(finance::PaymentTiming, timing);

        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const testing_support::InGerman german;
        QVERIFY(german.installed);
        PaymentListModel model(column);
        model.setTiming(timing);
        model.append({{payment, counter}});
        QVERIFY(model.columnTitles(app::CellText::Shown) != titles);
        QCOMPARE(model.columnTitles(app::CellText::File), titles);
        QCOMPARE(model.cells(0, app::CellText::File), cells);
    }

    void appendsAtTheEndInOneStep()
    {
        PaymentListModel model(PaymentListModel::Column::Periods);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.append({{-1, 1}, {-2, 2}});
        model.append({});
        model.append({{-3, 3}, {-4, 4}, {-5, 5}});

        QCOMPARE(inserted.size(), 2);
        QCOMPARE(inserted[1][1].toInt(), 2);
        QCOMPARE(inserted[1][2].toInt(), 4);
        QCOMPARE(model.rowCount(), 5);
        for (int row = 0; row < 5; ++row)
            QVERIFY(model.index(row).data().toString().endsWith(QStringLiteral("//    %1").arg(row + 1)));
    }
};

QTEST_GUILESS_MAIN(PaymentListModelTest)
#include "payment_list_model_test.moc"
