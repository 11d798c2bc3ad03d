#pragma once

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <functional>

// A small HTTP server on 127.0.0.1 for tests, run by the test's own event loop. Each connection
// carries one request; once its head has arrived the handler decides what the server does.
class LocalHttpServer : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(QTcpSocket *socket, const QByteArray &path)>;

    explicit LocalHttpServer(Handler handler);
    void setHandler(Handler handler) { m_handler = std::move(handler); }
    quint16 port() const { return m_server.serverPort(); }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/version.txt").arg(port())); }
    const QList<QByteArray> &requestHeads() const { return m_requestHeads; }

    // A whole response inviting the client to keep a cookie and a cached copy; then the server closes.
    static Handler answer(const QByteArray &status, const QByteArray &body, const QByteArray &extraHeaders = {});
    // Accepts and never answers; answerHeld answers the latest request.
    static Handler hold()
    {
        return [](QTcpSocket *, const QByteArray &) {};
    }
    void answerHeld(const QByteArray &status, const QByteArray &body) { answer(status, body)(m_held, {}); }
    // `head`, then `bytesPerTick` bytes of `filler` every `msPerTick` for as long as the client reads.
    static Handler stream(const QByteArray &head, char filler, int bytesPerTick, int msPerTick);
    // A port on 127.0.0.1 where nothing listens.
    static quint16 closedPort();

private:
    QTcpServer m_server;
    Handler m_handler;
    QList<QByteArray> m_requestHeads;
    QPointer<QTcpSocket> m_held;
};
