#include "loopbackserver.h"

#include <QTcpSocket>
#include <QTimer>

QByteArray LoopbackServer::Request::header(QByteArrayView name) const {
    const QList<QByteArray> lines = head.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.first(colon).compare(name, Qt::CaseInsensitive) == 0)
            return line.sliced(colon + 1).trimmed();
    }
    return {};
}

LoopbackServer::LoopbackServer() {
    respond = [](const Request&) { return Answer{}; };
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackServer::accept);
}

LoopbackServer::~LoopbackServer() {
    // The sockets outlive the bookkeeping; they must not report to it while they go.
    for (QTcpSocket* socket : m_connections.keys())
        socket->disconnect(this);
}

QByteArray LoopbackServer::baseUrl() const {
    return "http://127.0.0.1:" + QByteArray::number(m_server.serverPort());
}

quint16 LoopbackServer::closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

void LoopbackServer::accept() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        m_connections.insert(socket, {});
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] { dropped(socket); });
        readFrom(socket);
    }
}

void LoopbackServer::readFrom(QTcpSocket* socket) {
    Connection& connection = m_connections[socket];
    connection.buffer += socket->readAll();
    for (;;) {
        const qsizetype end = connection.buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        Request request;
        request.head = connection.buffer.first(end + 2);
        const QList<QByteArray> words = request.head.first(request.head.indexOf('\r')).split(' ');
        request.method = words.value(0);
        request.target = words.value(1);
        const qsizetype length = request.header("Content-Length").toLongLong();
        if (connection.buffer.size() < end + 4 + length)
            return;
        request.body = connection.buffer.sliced(end + 4, length);
        connection.buffer.remove(0, end + 4 + length);

        requests.append(request);
        ++connection.open;
        mostOpen = qMax(mostOpen, ++m_open);
        const Answer answer = respond(request);
        const bool close = request.header("Connection").compare("close", Qt::CaseInsensitive) == 0;
        if (answer.behaviour == Behaviour::Hang)
            continue;
        if (answer.delayMs > 0)
            QTimer::singleShot(answer.delayMs, socket,
                               [this, socket, answer, close] { send(socket, answer, close); });
        else
            send(socket, answer, close);
    }
}

void LoopbackServer::send(QTcpSocket* socket, const Answer& answer, bool close) {
    // The client may have given up on a delayed answer meanwhile.
    if (!m_connections.contains(socket))
        return;
    Connection& connection = m_connections[socket];
    --connection.open;
    --m_open;
    const QByteArray body = answer.body;
    QByteArray head = "HTTP/1.1 " + QByteArray::number(answer.status) +
                      (answer.status < 400 ? " OK\r\n" : " Failed\r\n");
    const qsizetype promised = body.size() + (answer.behaviour == Behaviour::CloseInBody ? 100 : 0);
    head += "Content-Length: " + QByteArray::number(promised) + "\r\n" + answer.headers;
    if (close)
        head += "Connection: close\r\n";
    head += "\r\n";
    if (answer.behaviour == Behaviour::CloseInHeaders) {
        socket->write(head.first(head.size() / 2));
        socket->disconnectFromHost();
        return;
    }
    socket->write(head + body);
    if (close || answer.behaviour == Behaviour::CloseInBody)
        socket->disconnectFromHost();
}

void LoopbackServer::dropped(QTcpSocket* socket) {
    m_open -= m_connections.value(socket).open;
    m_connections.remove(socket);
    socket->deleteLater();
}
