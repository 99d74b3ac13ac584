#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTcpServer>

#include <functional>

class QTcpSocket;

// An HTTP/1.1 server on 127.0.0.1, on a free port, for the build client's tests: it keeps
// every request as it came over the wire and answers each as the test tells it to. It runs
// on the test's own thread, so a client that blocked the thread would never be answered.
class LoopbackServer : public QObject {
    Q_OBJECT
public:
    struct Request {
        QByteArray head; // request line and header lines, each with its CR LF
        QByteArray method;
        QByteArray target;
        QByteArray body;
        // The first header of that name, letter case ignored; null when there is none.
        QByteArray header(QByteArrayView name) const;
    };

    enum class Behaviour { Answer, Hang, CloseInHeaders, CloseInBody };
    struct Answer {
        int status = 200;
        QByteArray headers; // further header lines, each ending in CR LF
        QByteArray body;
        int delayMs = 0;
        Behaviour behaviour = Behaviour::Answer;
    };

    LoopbackServer();
    ~LoopbackServer() override;

    QByteArray baseUrl() const;
    // A loopback port that nothing listens on.
    static quint16 closedPort();

    // The answer to each request; by default 200 with an empty body.
    std::function<Answer(const Request&)> respond;
    QList<Request> requests;
    // The most requests that were open (received, neither answered nor dropped) at once.
    int mostOpen = 0;

private:
    struct Connection {
        QByteArray buffer;
        int open = 0;
    };

    void accept();
    void readFrom(QTcpSocket* socket);
    void send(QTcpSocket* socket, const Answer& answer, bool close);
    void dropped(QTcpSocket* socket);

    QTcpServer m_server;
    QHash<QTcpSocket*, Connection> m_connections;
    int m_open = 0;
};
