#include "core/app/BuildInfo.h"
#include "support/AppFixture.h"
#include "support/LocalHttpServer.h"
#include "ui/update/UpdateCommand.h"

#include <QAbstractButton>

using namespace Qt::StringLiterals;

// The Update item of the real window, against a server of the test's own on 127.0.0.1.
class TestUpdateCommand : public AppTest {
    Q_OBJECT

    // Whether the Update item is enabled, and the pointer over the window.
    std::pair<bool, Qt::CursorShape> itemAndPointer() const
    {
        return {app->window()->menuAction(u"update"_s)->isEnabled(), app->window()->cursor().shape()};
    }

private slots:
    void tellsTheOutcomeInOneBox_data()
    {
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("box");
        QTest::newRow("newer") << "200 OK"_ba
                               << "7"_ba
                               << u"New version available! Go to "_s + QString::fromUtf8(BuildInfo::downloadPage)
                                      + u" to download it now!"_s;
        QTest::newRow("current") << "200 OK"_ba
                                 << "6"_ba << u"You already have the current version!"_s;
        QTest::newRow("failed") << "404 Not Found"_ba
                                << "7"_ba << u"Sorry, there was a problem with getting the version number..."_s;
    }
    // While the check runs the item waits, greyed, with a busy pointer over the window, which stays usable.
    void tellsTheOutcomeInOneBox()
    {
        QFETCH(QByteArray, status);
        QFETCH(QByteArray, document);
        QFETCH(QString, box);
        LocalHttpServer server(LocalHttpServer::hold());
        app->control<UpdateCommand>(u"updater"_s)->setDocument(server.url());
        app->trigger(u"update"_s);
        QTRY_COMPARE(server.connections(), 1);
        QCOMPARE(itemAndPointer(), std::pair(false, Qt::BusyCursor));
        auto *option = app->control<QAbstractButton>(u"Option1_7"_s);
        QTest::mouseClick(option, Qt::LeftButton);
        QVERIFY(option->isChecked());

        server.answerHeld(status, document);
        QTRY_VERIFY(!app->prompts.shown().isEmpty());
        QTest::qWait(10); // room for a second box
        QCOMPARE(app->titlesShown(), QStringList{u"Updater"_s});
        QCOMPARE(app->prompts.shown()[0].text, box);
        QCOMPARE(itemAndPointer(), std::pair(true, Qt::ArrowCursor));
    }
};

QTEST_MAIN(TestUpdateCommand)
#include "test_updatecommand.moc"
