#include "core/update/UpdateChecker.h"
#include "support/LocalHttpServer.h"
#include "support/TestCase.h"

using namespace std::chrono_literals;
using Handler = LocalHttpServer::Handler;
using Outcome = UpdateChecker::Outcome;

// The version check against servers of the test's own on 127.0.0.1.
class TestUpdateChecker : public QObject {
    Q_OBJECT

    LocalHttpServer other{LocalHttpServer::answer("200 OK", "7")}; // where redirects that must not be followed lead

private slots:
    // The documents are judged against the current version's number, 6.
    void judgesTheDocumentOrFails_data()
    {
        QTest::addColumn<Handler>("server"); // none: nothing listens
        QTest::addColumn<bool>("slow");      // the test shortens the deadline
        QTest::addColumn<Outcome>("outcome");
        using S = LocalHttpServer;
        const QByteArray plainHead = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n";
        QTest::newRow("the same version") << S::answer("200 OK", "6") << false << Outcome::CurrentVersion;
        QTest::newRow("a point above") << S::answer("200 OK", "6.5") << false << Outcome::NewVersion;
        // Error pages start with a number above 6: read as documents they would say "new".
        QTest::newRow("404") << S::answer("404 Not Found", "404 Not Found") << false << Outcome::Failed;
        QTest::newRow("300, nowhere to go") << S::answer("300 Multiple Choices", "7") << false << Outcome::Failed;
        QTest::newRow("refused connection") << Handler() << false << Outcome::Failed;
        QTest::newRow("never answers") << S::hold() << true << Outcome::Failed;
        QTest::newRow("body a byte at a time") << S::stream(plainHead + "7", ' ', 1, 100) << true << Outcome::Failed;
        QTest::newRow("declared body over the cap")
            << S::answer("200 OK", "7" + QByteArray(1 << 20, ' ')) << false << Outcome::Failed;
        QTest::newRow("endless body") << S::stream(plainHead + "7", ' ', 16 * 1024, 0) << false << Outcome::Failed;
        QTest::newRow("body just under the cap")
            << S::answer("200 OK", "7" + QByteArray(64 * 1024 - 1, ' ')) << false << Outcome::NewVersion;
        QTest::newRow("same host, relative")
            << S::answer("302 Found", {}, "Location: /moved.txt\r\n") << false << Outcome::NewVersion;
        const QByteArray onOther = ":" + QByteArray::number(other.port()) + "/version.txt\r\n";
        QTest::newRow("another host") << S::answer("302 Found", {}, "Location: http://localhost" + onOther) << false
                                      << Outcome::Failed;
        QTest::newRow("https") << S::answer("301 Moved Permanently", {}, "Location: https://127.0.0.1" + onOther)
                               << false << Outcome::Failed;
    }
    void judgesTheDocumentOrFails()
    {
        QFETCH(Handler, server);
        QFETCH(bool, slow);
        QFETCH(Outcome, outcome);
        LocalHttpServer own([server](QTcpSocket *socket, const QByteArray &path) {
            (path == "/moved.txt" ? LocalHttpServer::answer("200 OK", "7") : server)(socket, path);
        });
        QUrl document = own.url();
        if (!server)
            document.setPort(LocalHttpServer::closedPort());
        UpdateChecker checker(document, slow ? 250ms : UpdateChecker::defaultDeadline);
        QSignalSpy finished(&checker, &UpdateChecker::finished);
        checker.start();
        QVERIFY(finished.wait(20000));
        QTest::qWait(10); // room for a second signal
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished[0][0].value<Outcome>(), outcome);
        QVERIFY(other.requestHeads().isEmpty());
    }

    // One check at a time, and each asks afresh: no cached copy, no cookie from the answer before.
    void everyCheckAsksTheServerAfresh()
    {
        LocalHttpServer server(LocalHttpServer::answer("200 OK", "7"));
        UpdateChecker checker(server.url());
        QSignalSpy finished(&checker, &UpdateChecker::finished);
        checker.start();
        checker.start();
        QVERIFY(finished.wait());
        server.setHandler(LocalHttpServer::answer("200 OK", "6"));
        checker.start();
        QVERIFY(finished.wait());
        QCOMPARE(finished.size(), 2);
        QCOMPARE(finished[1][0].value<Outcome>(), Outcome::CurrentVersion);
        QCOMPARE(server.requestHeads().size(), 2);
        const QByteArray heads = server.requestHeads().join("\r\n").toLower();
        QVERIFY2(!heads.contains("\r\ncookie:") && !heads.contains("\r\nif-modified-since:"), heads.constData());
    }
};

QTEST_MAIN(TestUpdateChecker)
#include "test_updatechecker.moc"
