#include "support/LocalHttpServer.h"

#include <QTcpSocket>
#include <QTimer>

#include <memory>

namespace {

constexpr char closingProperty[] = "closingByServer";

void closeByServer(QTcpSocket *socket)
{
    socket->setProperty(closingProperty, true);
    socket->disconnectFromHost();
}

} // namespace

LocalHttpServer::LocalHttpServer(Handler handler, QObject *parent)
    : QObject(parent)
    , m_handler(handler ? std::move(handler) : answer("200 OK", "6"))
{
    connect(&m_server, &QTcpServer::newConnection, this, &LocalHttpServer::accept);
    if (!m_server.listen(QHostAddress::LocalHost))
        qFatal("cannot listen on 127.0.0.1: %s", qPrintable(m_server.errorString()));
}

QUrl LocalHttpServer::url(const QString &path, const QString &host, const QString &scheme) const
{
    QUrl url;
    url.setScheme(scheme);
    url.setHost(host);
    url.setPort(port());
    url.setPath(path);
    return url;
}

void LocalHttpServer::accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        ++m_connections;
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            if (!socket->property(closingProperty).toBool())
                ++m_closedByClient;
            socket->deleteLater();
        });
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            if (socket->property("handled").toBool()) {
                socket->readAll();
                return;
            }
            QByteArray head = socket->property("head").toByteArray() + socket->readAll();
            const qsizetype end = head.indexOf("\r\n\r\n");
            if (end < 0) {
                socket->setProperty("head", head);
                return;
            }
            head.truncate(end);
            socket->setProperty("handled", true);
            m_requestHeads << head;
            const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
            m_handler(*this, socket, requestLine.value(1));
        });
    }
}

void LocalHttpServer::respond(QTcpSocket *socket, const QByteArray &status, const QByteArray &body,
                              const QByteArray &extraHeaders)
{
    socket->write("HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: "
                  + QByteArray::number(body.size()) + "\r\nConnection: close\r\n" + extraHeaders + "\r\n" + body);
    closeByServer(socket);
}

LocalHttpServer::Handler LocalHttpServer::answer(const QByteArray &status, const QByteArray &body,
                                                 const QByteArray &extraHeaders)
{
    return
        [=](LocalHttpServer &, QTcpSocket *socket, const QByteArray &) { respond(socket, status, body, extraHeaders); };
}

LocalHttpServer::Handler LocalHttpServer::hold()
{
    return [](LocalHttpServer &server, QTcpSocket *socket, const QByteArray &) { server.m_held = socket; };
}

void LocalHttpServer::answerHeld(const QByteArray &status, const QByteArray &body)
{
    if (!m_held)
        qFatal("no connection is held");
    respond(m_held, status, body, {});
}

LocalHttpServer::Handler LocalHttpServer::trickle(const QByteArray &atOnce, const QByteArray &slowly, char filler)
{
    return [=](LocalHttpServer &, QTcpSocket *socket, const QByteArray &) {
        socket->write(atOnce);
        auto *timer = new QTimer(socket);
        auto sent = std::make_shared<qsizetype>(0);
        QObject::connect(timer, &QTimer::timeout, socket, [=] {
            socket->write(QByteArray(1, *sent < slowly.size() ? slowly.at(*sent) : filler));
            ++*sent;
        });
        timer->start(100);
    };
}

LocalHttpServer::Handler LocalHttpServer::endless(const QByteArray &head, char filler)
{
    return [=](LocalHttpServer &, QTcpSocket *socket, const QByteArray &) {
        const QByteArray chunk(16 * 1024, filler);
        auto topUp = [socket, chunk] {
            while (socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() < 4 * chunk.size())
                socket->write(chunk);
        };
        socket->write(head);
        QObject::connect(socket, &QTcpSocket::bytesWritten, socket, topUp);
        topUp();
    };
}

quint16 LocalHttpServer::closedPort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost))
        qFatal("cannot listen on 127.0.0.1");
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}
