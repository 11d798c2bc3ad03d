#include "app/AppController.h"
#include "app/BuildInfo.h"
#include "app/MainWindow.h"
#include "app/ProgramVersion.h"
#include "catalogue/RowAccess.h"
#include "support/LocalHttpServer.h"
#include "support/ScriptedPrompts.h"
#include "update/UpdateCommand.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

const QString newVersion =
    u"New version available! Go to "_s + QString::fromUtf8(BuildInfo::downloadPage) + u" to download it now!"_s;
const QString currentVersion = u"You already have the current version!"_s;
const QString failed = u"Sorry, there was a problem with getting the version number..."_s;

const QByteArray plainHead = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n";

// Runs the event loop until done() holds or five seconds have passed; unlike QTest::qWaitFor it
// does not sleep between rounds, which would slow every step of a transfer.
bool runEventsUntil(const std::function<bool()> &done)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start(1);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

// How the update server behaves in one case.
enum class Server { Answers, Holds, SlowHead, SlowBody, Endless, NotListening };

} // namespace

class TestUpdateCheck : public QObject {
    Q_OBJECT

    ScriptedPrompts *prompts = nullptr;
    AppController *controller = nullptr;
    MainWindow *window = nullptr;

    UpdateCommand *updater() const { return window->findChild<UpdateCommand *>(u"updater"_s); }
    void clickUpdate() { window->menuAction(u"update"_s)->trigger(); }

    // The one box the check ends in; lets stray events run first to catch a second box.
    QString shownBox()
    {
        if (!runEventsUntil([this] { return !prompts->shown().isEmpty(); }))
            return u"(no box)"_s;
        QTest::qWait(10);
        if (prompts->shown().size() != 1)
            return u"(%1 boxes)"_s.arg(prompts->shown().size());
        const ScriptedPrompts::Shown box = prompts->shown().constFirst();
        prompts->clearShown();
        if (box.kind != ScriptedPrompts::Kind::Inform || box.title != u"Updater"_s)
            return u"(wrong box: %1)"_s.arg(box.title);
        return box.text;
    }

    void verifyWindowUsable()
    {
        QVERIFY(window->isVisible());
        QVERIFY(!updater()->checker().isRunning());
        // Off then On, so each click changes the row whatever an earlier check left.
        for (const auto &[button, state] :
             {std::pair{u"Option0_3"_s, RowState::Off}, std::pair{u"Option1_3"_s, RowState::On}}) {
            auto *option = window->findChild<QAbstractButton *>(button);
            QVERIFY(option);
            QTest::mouseClick(option, Qt::LeftButton);
            QCOMPARE(window->rows().rowState(3), state);
        }
    }

private slots:
    void initTestCase()
    {
        // The documents below are judged against version 1.0.5.
        QCOMPARE(ProgramVersion::current().comparisonNumber(), 6);
    }

    void init()
    {
        prompts = new ScriptedPrompts;
        controller = new AppController(*prompts, QString(), [] {});
        window = controller->createMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        prompts->clearShown();
    }

    void cleanup()
    {
        if (controller->mainWindow()) {
            prompts->answerYesNo(true);
            controller->mainWindow()->close();
        }
        QTRY_VERIFY(!controller->mainWindow());
        QTest::qWait(0);
        delete controller;
        delete prompts;
    }

    void updateAsksTheServerAndTellsTheResult_data()
    {
        QTest::addColumn<Server>("server");
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<QByteArray>("body");
        // "%own" and "%other" stand for the ports of the update server and of another server.
        QTest::addColumn<QByteArray>("headers");
        QTest::addColumn<bool>("shortDeadline");
        QTest::addColumn<QString>("box");

        const QByteArray ok = "200 OK";
        const QByteArray found = "302 Found";
        for (const char *document : {"6", "5", "1.6", "0", ""})
            QTest::addRow("document \"%s\"", document)
                << Server::Answers << ok << QByteArray(document) << QByteArray() << false << currentVersion;
        for (const char *document : {"7", "6.5", "  7", "7\r\n"})
            QTest::addRow("document \"%s\"", document)
                << Server::Answers << ok << QByteArray(document) << QByteArray() << false << newVersion;
        QTest::newRow("text without a number")
            << Server::Answers << ok << QByteArray("<html>7</html>") << QByteArray() << false << currentVersion;
        // The error pages start with a number greater than 6: read as a document they would say "new".
        QTest::newRow("404") << Server::Answers << QByteArray("404 Not Found") << QByteArray("404 Not Found")
                             << QByteArray() << false << failed;
        QTest::newRow("500") << Server::Answers << QByteArray("500 Internal Server Error")
                             << QByteArray("500 Internal Server Error") << QByteArray() << false << failed;
        QTest::newRow("refused connection")
            << Server::NotListening << QByteArray() << QByteArray() << QByteArray() << false << failed;
        QTest::newRow("never answers") << Server::Holds << QByteArray() << QByteArray() << QByteArray() << true
                                       << failed;
        QTest::newRow("head a byte at a time")
            << Server::SlowHead << QByteArray() << QByteArray() << QByteArray() << true << failed;
        QTest::newRow("body a byte at a time")
            << Server::SlowBody << QByteArray() << QByteArray() << QByteArray() << true << failed;
        QTest::newRow("declared body over the cap")
            << Server::Answers << ok << ("7" + QByteArray(1024 * 1024, ' ')) << QByteArray() << false << failed;
        QTest::newRow("endless body") << Server::Endless << QByteArray() << QByteArray() << QByteArray() << false
                                      << failed;
        QTest::newRow("body just under the cap")
            << Server::Answers << ok << ("7" + QByteArray(64 * 1024 - 1, ' ')) << QByteArray() << false << newVersion;
        QTest::newRow("redirect on the same host, relative")
            << Server::Answers << found << QByteArray() << QByteArray("Location: /moved.txt\r\n") << false
            << newVersion;
        QTest::newRow("redirect on the same host, absolute")
            << Server::Answers << found << QByteArray() << QByteArray("Location: http://127.0.0.1:%own/moved.txt\r\n")
            << false << newVersion;
        QTest::newRow("redirect to another host")
            << Server::Answers << found << QByteArray()
            << QByteArray("Location: http://localhost:%other/version.txt\r\n") << false << failed;
        QTest::newRow("redirect to https")
            << Server::Answers << QByteArray("301 Moved Permanently") << QByteArray()
            << QByteArray("Location: https://127.0.0.1:%other/version.txt\r\n") << false << failed;
        QTest::newRow("redirect loop") << Server::Answers << found << QByteArray()
                                       << QByteArray("Location: /version.txt\r\n") << false << failed;
    }

    void updateAsksTheServerAndTellsTheResult()
    {
        QFETCH(Server, server);
        QFETCH(QByteArray, status);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, headers);
        QFETCH(bool, shortDeadline);
        QFETCH(QString, box);

        // Redirects that must not be followed would land here.
        LocalHttpServer other(LocalHttpServer::answer("200 OK", "7"));
        LocalHttpServer own;
        headers.replace("%own", QByteArray::number(own.port())).replace("%other", QByteArray::number(other.port()));
        const LocalHttpServer::Handler asked = [&]() -> LocalHttpServer::Handler {
            switch (server) {
            case Server::Holds:
                return LocalHttpServer::hold();
            case Server::SlowHead:
                return LocalHttpServer::trickle({}, "HTTP/1.1 200 OK\r\nX-Padding: ", 'a');
            case Server::SlowBody:
                return LocalHttpServer::trickle(plainHead, "7", ' ');
            case Server::Endless:
                return LocalHttpServer::endless(plainHead + "7", ' ');
            case Server::Answers:
            case Server::NotListening:
                break;
            }
            return LocalHttpServer::answer(status, body, headers);
        }();
        own.setHandler([asked](LocalHttpServer &s, QTcpSocket *socket, const QByteArray &path) {
            if (path == "/moved.txt")
                LocalHttpServer::answer("200 OK", "7")(s, socket, path);
            else
                asked(s, socket, path);
        });
        QUrl document = own.url();
        if (server == Server::NotListening)
            document.setPort(LocalHttpServer::closedPort());
        updater()->setDocument(document, shortDeadline ? 250ms : UpdateChecker::defaultDeadline);

        clickUpdate();
        QCOMPARE(shownBox(), box);
        QCOMPARE(other.connections(), 0);
        if (server == Server::Endless)
            QTRY_COMPARE(own.closedByClient(), 1);
        verifyWindowUsable();

        // The same command checks again.
        if (server != Server::NotListening) {
            own.setHandler(LocalHttpServer::answer("200 OK", "6"));
            clickUpdate();
            QCOMPARE(shownBox(), currentVersion);
        }
    }

    void windowStaysUsableWhileTheCheckRuns_andASecondClickIsIgnored()
    {
        LocalHttpServer server(LocalHttpServer::hold());
        updater()->setDocument(server.url());
        clickUpdate();
        QTRY_COMPARE(server.connections(), 1);
        QVERIFY(updater()->checker().isRunning());

        auto *on = window->findChild<QAbstractButton *>(u"Option1_7"_s);
        QTest::mouseClick(on, Qt::LeftButton);
        QCOMPARE(window->rows().rowState(7), RowState::On);
        window->menuAction(u"statbar"_s)->trigger();
        QVERIFY(!window->menuAction(u"statbar"_s)->isChecked());
        QVERIFY(!window->grab().isNull());

        clickUpdate();
        QTest::qWait(50); // room for a second request to reach the server
        QVERIFY(prompts->shown().isEmpty());

        server.answerHeld("200 OK", "7");
        QCOMPARE(shownBox(), newVersion);
        QCOMPARE(server.connections(), 1);
        QCOMPARE(window->rows().rowState(7), RowState::On);
    }

    void closingTheWindowDuringACheckEndsItWithoutABox()
    {
        LocalHttpServer server(LocalHttpServer::hold());
        updater()->setDocument(server.url());
        clickUpdate();
        QTRY_COMPARE(server.connections(), 1);

        prompts->answerYesNo(true);
        window->close();
        QTRY_VERIFY(!controller->mainWindow());
        QTRY_COMPARE(server.closedByClient(), 1);
        QCOMPARE(prompts->shown().size(), 1); // only the exit question
    }

    void everyCheckAsksTheServerAfreshWithoutCookies()
    {
        LocalHttpServer server(LocalHttpServer::answer("200 OK", "6",
                                                       "Set-Cookie: visitor=42; Path=/\r\n"
                                                       "Cache-Control: public, max-age=3600\r\n"
                                                       "Last-Modified: Mon, 01 Jan 2024 00:00:00 GMT\r\n"));
        updater()->setDocument(server.url());
        clickUpdate();
        QCOMPARE(shownBox(), currentVersion);
        server.setHandler(LocalHttpServer::answer("200 OK", "7"));
        clickUpdate();
        QCOMPARE(shownBox(), newVersion);

        QCOMPARE(server.requestHeads().size(), 2);
        for (const QByteArray &head : server.requestHeads()) {
            QVERIFY2(head.startsWith("GET /version.txt HTTP/1.1\r\n"), head.constData());
            QVERIFY2(!head.toLower().contains("\r\ncookie:"), head.constData());
            QVERIFY2(!head.toLower().contains("\r\nif-modified-since:"), head.constData());
        }
    }

    void builtInDocumentIsVersionTxtOnPort80OfTheUpdateHost()
    {
        const QUrl url = UpdateChecker::builtInDocumentUrl();
        QCOMPARE(url.toString(), u"http://"_s + QString::fromUtf8(BuildInfo::updateHost) + u"/version.txt"_s);
        QCOMPARE(url.port(80), 80);
        QCOMPARE(updater()->checker().documentUrl(), url);
    }
};

QTEST_MAIN(TestUpdateCheck)
#include "test_updatecheck.moc"
