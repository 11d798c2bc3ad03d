#include "support/LocalHttpServer.h"

#include <QTcpSocket>
#include <QTimer>

LocalHttpServer::LocalHttpServer(Handler handler)
    : m_handler(std::move(handler))
{
    if (!m_server.listen(QHostAddress::LocalHost))
        qFatal("cannot listen on 127.0.0.1: %s", qPrintable(m_server.errorString()));
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                // The head may arrive in pieces; the socket keeps what came so far.
                const QByteArray head = socket->property("head").toByteArray() + socket->readAll();
                socket->setProperty("head", head);
                const qsizetype end = head.indexOf("\r\n\r\n");
                if (end < 0 || m_held == socket)
                    return;
                m_requestHeads << head.left(end);
                m_held = socket;
                m_handler(socket, head.left(head.indexOf("\r\n")).split(' ').value(1));
            });
        }
    });
}

LocalHttpServer::Handler LocalHttpServer::answer(const QByteArray &status, const QByteArray &body,
                                                 const QByteArray &extraHeaders)
{
    return [=](QTcpSocket *socket, const QByteArray &) {
        socket->write("HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: "
                      + QByteArray::number(body.size()) + "\r\nConnection: close\r\nSet-Cookie: visitor=42; Path=/\r\n"
                      + "Cache-Control: public, max-age=3600\r\nLast-Modified: Mon, 01 Jan 2024 00:00:00 GMT\r\n"
                      + extraHeaders + "\r\n" + body);
        socket->disconnectFromHost();
    };
}

LocalHttpServer::Handler LocalHttpServer::stream(const QByteArray &head, char filler, int bytesPerTick, int msPerTick)
{
    return [=](QTcpSocket *socket, const QByteArray &) {
        socket->write(head);
        auto *timer = new QTimer(socket);
        QObject::connect(timer, &QTimer::timeout, socket, [=] {
            if (socket->bytesToWrite() < 4 * bytesPerTick) // no faster than the client reads
                socket->write(QByteArray(bytesPerTick, filler));
        });
        timer->start(msPerTick);
    };
}

quint16 LocalHttpServer::closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort(); // closed as the probe goes
}
