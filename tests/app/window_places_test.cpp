// Window places and the file dialogs' starting folder, kept between runs in
// the test's own settings.
#include "app/last_folder.h"
#include "app/window_places.h"
#include "gui_fixture.h"

#include <QDialog>
#include <QDir>
#include <QMainWindow>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// Shows a window of the kind, puts it at place and closes it.
template <typename Window>
bool closeAt(const QRect& place)
{
    const auto window = std::make_unique<Window>();
    if (!testing_support::showAndExpose(window.get()))
        return false;
    window->setGeometry(place);
    if (!QTest::qWaitFor([&] { return window->geometry() == place; }))
        return false;
    return window->close();
}

}  // namespace

class WindowPlacesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void aWindowComesBackAtTheSizeAndPlaceItWasClosedAt();
    void aSecondWindowOfTheKindOpensBesideTheFirst();
    void aDialogIsPlacedAsUsual();
    void fileDialogsStartInTheLastFolderWhileItExists();
};

void WindowPlacesTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("window_places_test"));
    QSettings().clear();
    app::rememberWindowPlaces();
}

void WindowPlacesTest::aWindowComesBackAtTheSizeAndPlaceItWasClosedAt()
{
    const QRect place(110, 90, 320, 210);
    QVERIFY(closeAt<QMainWindow>(place));
    QMainWindow again;
    QVERIFY(testing_support::showAndExpose(&again));
    QCOMPARE(again.geometry(), place);
}

void WindowPlacesTest::aSecondWindowOfTheKindOpensBesideTheFirst()
{
    QVERIFY(closeAt<QMainWindow>(QRect(60, 40, 300, 200)));
    QMainWindow first;
    QMainWindow second;
    QVERIFY(testing_support::showAndExpose(&first));
    QVERIFY(testing_support::showAndExpose(&second));
    QCOMPARE(first.geometry(), QRect(60, 40, 300, 200));
    QCOMPARE(second.geometry(), QRect(92, 72, 300, 200));
}

void WindowPlacesTest::aDialogIsPlacedAsUsual()
{
    const QRect place(130, 70, 250, 150);
    QVERIFY(closeAt<QDialog>(place));
    QDialog again;
    QVERIFY(testing_support::showAndExpose(&again));
    QVERIFY(again.geometry() != place);
}

void WindowPlacesTest::fileDialogsStartInTheLastFolderWhileItExists()
{
    const QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkdir(QStringLiteral("offers")));
    const QString offers = root.filePath(QStringLiteral("offers"));

    app::rememberFolder(offers + QStringLiteral("/bank.loan.json"));
    QCOMPARE(app::startFolder(), offers);
    app::rememberFolder(QString());
    QCOMPARE(app::startFolder(), offers);

    QVERIFY(QDir(offers).removeRecursively());
    const QString start = app::startFolder();
    QVERIFY(QFileInfo(start).isDir());
    QVERIFY(QStringList({QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath()})
                .contains(start));
}

QTEST_MAIN(WindowPlacesTest)
#include "window_places_test.moc"
