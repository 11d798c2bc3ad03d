#include "core/app/BuildInfo.h"
#include "support/AppFixture.h"
#include "support/LocalHttpServer.h"
#include "ui/update/UpdateCommand.h"

// The Update item of the real window, against a server of the test's own on 127.0.0.1.
class TestUpdateCommand : public AppTest {
    Q_OBJECT

private slots:
    void tellsTheOutcomeInOneBox_data()
    {
        QTest::addColumn<int>("version"); // the current one is 6; none: the page is missing
        QTest::addColumn<QString>("box");
        const QString download = QString::fromUtf8(BuildInfo::downloadPage);
        QTest::newRow("newer") << 7 << u"New version available! Go to %1 to download it now!"_s.arg(download);
        QTest::newRow("current") << 6 << u"You already have the current version!"_s;
        QTest::newRow("failed") << 0 << u"Sorry, there was a problem with getting the version number..."_s;
    }
    // While the check runs the item waits, greyed, with a busy pointer over the window, which stays usable.
    void tellsTheOutcomeInOneBox()
    {
        QFETCH(int, version);
        QFETCH(QString, box);
        LocalHttpServer server(LocalHttpServer::hold());
        app->control<UpdateCommand>(u"updater"_s)->setDocument(server.url());
        app->trigger(u"update"_s);
        QTRY_COMPARE(server.connections(), 1);
        QAction *item = app->window()->menuAction(u"update"_s);
        QVERIFY(!item->isEnabled() && app->window()->cursor().shape() == Qt::BusyCursor);
        QTest::mouseClick(app->control<QAbstractButton>(u"Option1_7"_s), Qt::LeftButton);
        QVERIFY(app->control<QAbstractButton>(u"Option1_7"_s)->isChecked());

        // A missing page's body, however new the number in it, is no answer.
        server.answerHeld(version ? "200 OK" : "404 Not Found", QByteArray::number(version ? version : 7));
        QTRY_VERIFY(!app->prompts.shown.isEmpty());
        QTest::qWait(10); // room for a second box
        QCOMPARE(app->prompts.said(), QStringList{u"Updater: "_s + box});
        QVERIFY(item->isEnabled() && app->window()->cursor().shape() == Qt::ArrowCursor);
    }
};

QTEST_MAIN(TestUpdateCommand)
#include "test_updatecommand.moc"
