#include "online/buildtransport.h"

#include "online/replytext.h"
#include "online/serviceaddress.h"
#include "project/addresses.h"

#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <utility>

namespace tz {
namespace {

// Only web addresses: a misspelt base must not make the client read local files.
bool isWebAddress(const QUrl& url) {
    return url.isValid() && (url.scheme() == u"http" || url.scheme() == u"https");
}

} // namespace

BuildTransport::BuildTransport(QObject* parent) : QObject(parent) {
    m_manager = new QNetworkAccessManager(this);
    m_manager->setCookieJar(new QNetworkCookieJar(m_manager));
    m_manager->setProxy(QNetworkProxy::NoProxy);
    m_manager->setRedirectPolicy(QNetworkRequest::SameOriginRedirectPolicy);
    m_limit.setSingleShot(true);
    connect(&m_limit, &QTimer::timeout, this, &BuildTransport::limitReached);
}

BuildTransport::~BuildTransport() {
    cancel();
}

void BuildTransport::setTimeLimits(int submissionMs, int pollMs) {
    m_submissionLimitMs = submissionMs;
    m_pollLimitMs = pollMs;
}

QUrl BuildTransport::submissionUrl() const {
    return serviceUrl(m_base, QStringLiteral("/add/"));
}

QUrl BuildTransport::statusUrl(const QString& projectUid) const {
    return serviceUrl(m_base, QStringLiteral("/status/?") + projectUid);
}

QNetworkRequest BuildTransport::request(const QUrl& url) const {
    QNetworkRequest request(url);
    request.setRawHeader("Accept", "text/html, */*");
    request.setRawHeader("User-Agent", "Mozilla/3.0 (compatible; " +
                                           addresses::makerDomain().toLatin1() + " Client)");
    // The body as it is: the size cap then holds for what comes over the wire, and no
    // compressed reply has to be inflated.
    request.setRawHeader("Accept-Encoding", "identity");
    // Every request on a connection of its own: nothing is left open between polls for
    // the service to drop meanwhile.
    request.setRawHeader("Connection", "close");
    request.setMaximumRedirectsAllowed(5);
    return request;
}

void BuildTransport::submit(const QByteArray& formBody) {
    const QUrl url = submissionUrl();
    if (!isWebAddress(url)) {
        begin(nullptr, 0);
        return;
    }
    QNetworkRequest post = request(url);
    post.setHeader(QNetworkRequest::ContentTypeHeader,
                   QByteArrayLiteral("application/x-www-form-urlencoded"));
    post.setHeader(QNetworkRequest::ContentLengthHeader, formBody.size());
    begin(m_manager->post(post, formBody), m_submissionLimitMs);
}

void BuildTransport::poll(const QString& projectUid) {
    const QUrl url = statusUrl(projectUid);
    if (!isWebAddress(url)) {
        begin(nullptr, 0);
        return;
    }
    begin(m_manager->get(request(url)), m_pollLimitMs);
}

// A null reply is an address that is not a web address at all: it fails once the caller
// has returned, as a refused connection would.
void BuildTransport::begin(QNetworkReply* reply, int limitMs) {
    m_busy = true;
    m_truncated = false;
    m_body.clear();
    m_reply = reply;
    if (reply) {
        connect(reply, &QNetworkReply::readyRead, this, &BuildTransport::readBody);
        connect(reply, &QNetworkReply::finished, this, &BuildTransport::replyFinished);
    }
    m_limit.start(limitMs);
}

bool BuildTransport::takeBody() {
    m_body += m_reply->read(maxReplyBytes - m_body.size() + 1);
    if (m_body.size() <= maxReplyBytes)
        return false;
    m_body.truncate(maxReplyBytes);
    m_truncated = true;
    return true;
}

void BuildTransport::readBody() {
    // What is kept is all that is shown; the rest is not worth waiting for.
    if (takeBody())
        m_reply->abort();
}

void BuildTransport::replyFinished() {
    // An aborted reply is closed and has nothing more to give.
    if (!m_truncated && m_reply->isOpen())
        takeBody();
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool complete = m_truncated || m_reply->error() == QNetworkReply::NoError;
    BuildReply result;
    result.ok = complete && status >= 200 && status < 300;
    if (result.ok) {
        result.text =
            decodeReplyText(m_body, m_reply->header(QNetworkRequest::ContentTypeHeader).toString());
        result.truncated = m_truncated;
    }
    finish(std::move(result));
}

void BuildTransport::limitReached() {
    if (!m_reply) {
        finish({});
        return;
    }
    // Abort reports the reply as finished with an error, which makes it a failure.
    QNetworkReply* late = m_reply;
    late->abort();
    if (m_reply == late)
        finish({});
}

void BuildTransport::finish(BuildReply reply) {
    m_limit.stop();
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->deleteLater();
        m_reply = nullptr;
    }
    m_body.clear();
    m_busy = false;
    Q_EMIT finished(reply);
}

void BuildTransport::cancel() {
    m_limit.stop();
    if (QNetworkReply* reply = std::exchange(m_reply, nullptr)) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    m_body.clear();
    m_busy = false;
}

} // namespace tz
