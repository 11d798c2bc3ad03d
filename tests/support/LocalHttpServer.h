#pragma once

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QUrl>

#include <functional>

class QTcpSocket;

// A small HTTP server on 127.0.0.1 for tests, run by the test's own event loop. Each connection
// carries one request; once its head has arrived the handler decides what the server does.
class LocalHttpServer : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(LocalHttpServer &server, QTcpSocket *socket, const QByteArray &path)>;

    // Without a handler the server answers "6".
    explicit LocalHttpServer(Handler handler = {}, QObject *parent = nullptr);

    void setHandler(Handler handler) { m_handler = std::move(handler); }
    quint16 port() const { return m_server.serverPort(); }
    QUrl url(const QString &path = QStringLiteral("/version.txt"), const QString &host = QStringLiteral("127.0.0.1"),
             const QString &scheme = QStringLiteral("http")) const;

    int connections() const { return m_connections; }
    const QList<QByteArray> &requestHeads() const { return m_requestHeads; }
    // Connections the client closed before the server was done with them.
    int closedByClient() const { return m_closedByClient; }

    // Behaviours. answer: a complete response, then the server closes the connection.
    static Handler answer(const QByteArray &status, const QByteArray &body, const QByteArray &extraHeaders = {});
    // Accepts and never answers; the socket is kept for answerHeld.
    static Handler hold();
    // One byte of `slowly` every 100 ms after `atOnce`, then `filler` the same way, for ever.
    static Handler trickle(const QByteArray &atOnce, const QByteArray &slowly, char filler);
    // `head`, then `filler` for as long as the client reads.
    static Handler endless(const QByteArray &head, char filler);

    // Answers the connection that hold() kept.
    void answerHeld(const QByteArray &status, const QByteArray &body);

    // A port on 127.0.0.1 where nothing listens.
    static quint16 closedPort();

private:
    void accept();
    static void respond(QTcpSocket *socket, const QByteArray &status, const QByteArray &body,
                        const QByteArray &extraHeaders);

    QTcpServer m_server;
    Handler m_handler;
    int m_connections = 0;
    int m_closedByClient = 0;
    QList<QByteArray> m_requestHeads;
    QPointer<QTcpSocket> m_held;
};
