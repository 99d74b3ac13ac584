#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;

namespace tz {

struct BuildReply {
    // A 2xx reply that arrived in time; anything else counts as failed.
    bool ok = false;
    QString text;
    // The body went past maxReplyBytes; text holds its beginning only.
    bool truncated = false;
};

// The HTTP client of the build page: one request at a time, asynchronous, each with a
// time limit, cookies kept between requests, no proxy. Redirects are followed only to the
// same host, so that nothing leaves the configured service.
class BuildTransport : public QObject {
    Q_OBJECT
public:
    // What is kept of a reply body; the rest is not downloaded.
    static constexpr qsizetype maxReplyBytes = 256 * 1024;

    explicit BuildTransport(QObject* parent = nullptr);
    ~BuildTransport() override;

    void setBaseAddress(const QString& base) { m_base = base; }
    QString baseAddress() const { return m_base; }
    void setTimeLimits(int submissionMs, int pollMs);

    bool busy() const { return m_busy; }
    // Both need an idle client; the outcome comes as finished().
    void submit(const QByteArray& formBody);
    void poll(const QString& projectUid);
    // Drops the request in flight, if any, without a finished() signal.
    void cancel();

    QUrl submissionUrl() const;
    QUrl statusUrl(const QString& projectUid) const;

Q_SIGNALS:
    void finished(const tz::BuildReply& reply);

private:
    QNetworkRequest request(const QUrl& url) const;
    void begin(QNetworkReply* reply, int limitMs);
    // Appends what has arrived, up to the cap; true when the body went past it.
    bool takeBody();
    void readBody();
    void replyFinished();
    void limitReached();
    void finish(BuildReply reply);

    QNetworkAccessManager* m_manager = nullptr;
    QNetworkReply* m_reply = nullptr;
    QTimer m_limit;
    QString m_base;
    QByteArray m_body;
    bool m_busy = false;
    bool m_truncated = false;
    int m_submissionLimitMs = 30000;
    int m_pollLimitMs = 10000;
};

} // namespace tz
