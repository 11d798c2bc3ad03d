#include "core/app/BuildInfo.h"
#include "core/app/ProgramVersion.h"
#include "core/catalogue/RowAccess.h"
#include "support/AppFixture.h"
#include "support/LocalHttpServer.h"
#include "ui/update/UpdateCommand.h"

#include <QAbstractButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using Handler = LocalHttpServer::Handler;

namespace {

const QString newVersion =
    u"New version available! Go to "_s + QString::fromUtf8(BuildInfo::downloadPage) + u" to download it now!"_s;
const QString currentVersion = u"You already have the current version!"_s;
const QString failed = u"Sorry, there was a problem with getting the version number..."_s;
const QByteArray plainHead = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n";

} // namespace

// Help, Update against servers of the test's own on 127.0.0.1.
class TestUpdateCheck : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> app;
    std::unique_ptr<LocalHttpServer> other; // where redirects that must not be followed lead

    UpdateCommand *updater() const { return app->control<UpdateCommand>(u"updater"_s); }
    // Whether the Update item is enabled, and the pointer over the window.
    std::pair<bool, Qt::CursorShape> itemAndPointer() const
    {
        return {app->window()->menuAction(u"update"_s)->isEnabled(), app->window()->cursor().shape()};
    }

    // The one box the check ends in; stray events run first to catch a second box.
    QString shownBox()
    {
        if (!QTest::qWaitFor([this] { return !app->prompts.shown().isEmpty(); }))
            return u"(no box)"_s;
        QTest::qWait(10);
        const QList<ScriptedPrompts::Shown> shown = app->prompts.shown();
        app->prompts.clearShown();
        if (shown.size() != 1 || shown[0].kind != ScriptedPrompts::Kind::Inform || shown[0].title != u"Updater"_s)
            return u"(%1 boxes, the first %2)"_s.arg(shown.size()).arg(shown[0].title);
        return shown[0].text;
    }

    void clickOn(int row)
    {
        QTest::mouseClick(app->control<QAbstractButton>(u"Option1_%1"_s.arg(row)), Qt::LeftButton);
        QCOMPARE(app->window()->rows().rowState(row), RowState::On);
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(ProgramVersion::current().comparisonNumber(), 6); // what the documents are judged against
        other = std::make_unique<LocalHttpServer>(LocalHttpServer::answer("200 OK", "7"));
    }
    void init()
    {
        app = std::make_unique<AppFixture>();
        app->start();
    }
    void cleanup() { QVERIFY(app->finish()); }

    void tellsWhatTheServerSays_data()
    {
        QTest::addColumn<Handler>("server"); // none: nothing listens
        QTest::addColumn<bool>("slow");      // the test shortens the deadline
        QTest::addColumn<QString>("box");
        using S = LocalHttpServer;
        for (const char *document : {"6", "5", "1.6", "0", "", "<html>7</html>"})
            QTest::addRow("document \"%s\"", document) << S::answer("200 OK", document) << false << currentVersion;
        for (const char *document : {"7", "6.5", "  7", "7\r\n"})
            QTest::addRow("document \"%s\"", document) << S::answer("200 OK", document) << false << newVersion;
        // Error pages start with a number above 6: read as documents they would say "new".
        QTest::newRow("404") << S::answer("404 Not Found", "404 Not Found") << false << failed;
        QTest::newRow("500") << S::answer("500 Internal Server Error", "500 Internal Server Error") << false << failed;
        QTest::newRow("refused connection") << Handler() << false << failed;
        QTest::newRow("never answers") << S::hold() << true << failed;
        QTest::newRow("head a byte at a time") << S::trickle("HTTP/1.1 200 OK\r\nX-Padding: ", 'a') << true << failed;
        QTest::newRow("body a byte at a time") << S::trickle(plainHead + "7", ' ') << true << failed;
        QTest::newRow("declared body over the cap")
            << S::answer("200 OK", "7" + QByteArray(1 << 20, ' ')) << false << failed;
        QTest::newRow("endless body") << S::endless(plainHead + "7", ' ') << false << failed;
        QTest::newRow("body just under the cap")
            << S::answer("200 OK", "7" + QByteArray(64 * 1024 - 1, ' ')) << false << newVersion;
        QTest::newRow("same host, relative")
            << S::answer("302 Found", {}, "Location: /moved.txt\r\n") << false << newVersion;
        const QByteArray otherPort = QByteArray::number(other->port());
        QTest::newRow("another host") << S::answer("302 Found", {},
                                                   "Location: http://localhost:" + otherPort + "/version.txt\r\n")
                                      << false << failed;
        QTest::newRow("https") << S::answer("301 Moved Permanently", {},
                                            "Location: https://127.0.0.1:" + otherPort + "/version.txt\r\n")
                               << false << failed;
        QTest::newRow("redirect loop") << S::answer("302 Found", {}, "Location: /version.txt\r\n") << false << failed;
    }

    void tellsWhatTheServerSays()
    {
        QFETCH(Handler, server);
        QFETCH(bool, slow);
        QFETCH(QString, box);
        LocalHttpServer own([server](QTcpSocket *socket, const QByteArray &path) {
            (path == "/moved.txt" ? LocalHttpServer::answer("200 OK", "7") : server)(socket, path);
        });
        QUrl document = own.url();
        if (!server)
            document.setPort(LocalHttpServer::closedPort());
        updater()->setDocument(document, slow ? 250ms : UpdateChecker::defaultDeadline);

        app->trigger(u"update"_s);
        QCOMPARE(shownBox(), box);
        QCOMPARE(itemAndPointer(), std::pair(true, Qt::ArrowCursor)); // whatever the end
        QCOMPARE(other->connections(), 0);
        QVERIFY(!updater()->checker().isRunning());
        clickOn(3);

        // The next click asks afresh: no cached copy, no cookie.
        own.setHandler(LocalHttpServer::answer("200 OK", "6"));
        updater()->setDocument(own.url());
        app->trigger(u"update"_s);
        QCOMPARE(shownBox(), currentVersion);
        for (const QByteArray &head : own.requestHeads()) {
            const QByteArray lower = head.toLower();
            QVERIFY2(!lower.contains("\r\ncookie:") && !lower.contains("\r\nif-modified-since:"), head.constData());
        }
    }

    // The item waits, greyed, with a busy pointer over the window; a second run starts nothing.
    void whileACheckRunsTheItemWaits()
    {
        LocalHttpServer server(LocalHttpServer::hold());
        updater()->setDocument(server.url());
        app->trigger(u"update"_s);
        QTRY_COMPARE(server.connections(), 1);
        QCOMPARE(itemAndPointer(), std::pair(false, Qt::BusyCursor));
        clickOn(7); // the window stays usable meanwhile

        updater()->run();
        QTest::qWait(50); // room for a second request to reach the server
        QVERIFY(app->prompts.shown().isEmpty());
        QCOMPARE(itemAndPointer(), std::pair(false, Qt::BusyCursor));
        server.answerHeld("200 OK", "7");
        QCOMPARE(shownBox(), newVersion);
        QCOMPARE(itemAndPointer(), std::pair(true, Qt::ArrowCursor));
        QCOMPARE(server.connections(), 1);
    }
};

QTEST_MAIN(TestUpdateCheck)
#include "test_updatechecker.moc"
