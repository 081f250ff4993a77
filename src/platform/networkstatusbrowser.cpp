#include "platform/networkstatusbrowser.h"

#include "config/logging.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>

#include <algorithm>

// Never an http address, so it can never be taken for the online image.
const QString NetworkStatusBrowser::ErrorAddress = QStringLiteral("about:neterror");

namespace {

bool hasScheme(const QString& address)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    return scheme.match(address).hasMatch();
}

// "http://host:port" of an absolute address, as written.
QString origin(const QString& address)
{
    const qsizetype authority = address.indexOf(QLatin1String("://"));
    if (authority < 0)
        return address;
    qsizetype end = address.size();
    for (const QChar stop : {QLatin1Char('/'), QLatin1Char('?'), QLatin1Char('#')}) {
        const qsizetype at = address.indexOf(stop, authority + 3);
        if (at >= 0 && at < end)
            end = at;
    }
    return address.left(end);
}

// Resolves a Location header against the address that answered it, by text: QUrl would
// lowercase the host, and the final address is compared letter for letter downstream.
QString resolveLocation(const QString& base, const QString& location)
{
    if (hasScheme(location))
        return location;
    if (location.startsWith(QLatin1String("//")))
        return base.left(base.indexOf(QLatin1Char(':')) + 1) + location;
    const QString root = origin(base);
    if (location.startsWith(QLatin1Char('/')))
        return root + location;
    qsizetype pathEnd = base.size();
    for (const QChar stop : {QLatin1Char('?'), QLatin1Char('#')}) {
        const qsizetype at = base.indexOf(stop, root.size());
        if (at >= 0 && at < pathEnd)
            pathEnd = at;
    }
    const QString withoutQuery = base.left(pathEnd);
    if (location.isEmpty())
        return withoutQuery;
    if (location.startsWith(QLatin1Char('?')) || location.startsWith(QLatin1Char('#')))
        return withoutQuery + location;
    const QString path = withoutQuery.mid(root.size());
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return root + (slash < 0 ? QStringLiteral("/") : path.left(slash + 1)) + location;
}

bool isRedirect(int status)
{
    return status >= 300 && status < 400;
}

} // namespace

NetworkStatusBrowser::NetworkStatusBrowser(QObject* parent)
    : StatusBrowser(parent), m_network(new QNetworkAccessManager(this)),
      m_deadline(new QTimer(this))
{
    m_deadline->setSingleShot(true);
    connect(m_deadline, &QTimer::timeout, this,
            [this]() { fail(QStringLiteral("no answer within %1 ms").arg(m_timeLimitMs)); });
}

NetworkStatusBrowser::~NetworkStatusBrowser()
{
    drop();
}

void NetworkStatusBrowser::setTimeLimit(int milliseconds)
{
    m_timeLimitMs = std::max(1, milliseconds);
}

void NetworkStatusBrowser::navigate(const QString& address)
{
    drop();
    ++m_navigation;
    m_redirects = 0;
    m_deadline->start(m_timeLimitMs);
    request(address);
}

void NetworkStatusBrowser::request(const QString& address)
{
    m_current = address;
    const QUrl url(address); // tolerant: a blank in a number goes out as %20
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        // Reported from the event loop like every other outcome, never from inside Navigate.
        const quint64 navigation = m_navigation;
        QTimer::singleShot(0, this, [this, navigation]() {
            if (navigation == m_navigation && m_deadline->isActive())
                fail(QStringLiteral("not an http address"));
        });
        return;
    }

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    m_reply = m_network->get(request);
    QNetworkReply* reply = m_reply;
    connect(reply, &QNetworkReply::metaDataChanged, this,
            [this, reply]() { onMetaDataChanged(reply); });
    connect(reply, &QNetworkReply::finished, this, [this, reply]() { onFinished(reply); });
}

void NetworkStatusBrowser::onMetaDataChanged(QNetworkReply* reply)
{
    // The headers decide everything; the body (an image, or megabytes of junk) is not wanted.
    if (reply == m_reply && reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
        answered(reply);
}

void NetworkStatusBrowser::onFinished(QNetworkReply* reply)
{
    if (reply != m_reply) {
        reply->deleteLater();
        return;
    }
    if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
        answered(reply);
    else
        fail(reply->errorString()); // refused, closed, reset, unknown host
}

void NetworkStatusBrowser::answered(QNetworkReply* reply)
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray location = reply->rawHeader("Location");
    if (!isRedirect(status) || location.isEmpty()) {
        finish(m_current);
        return;
    }
    if (++m_redirects > MaxRedirects) {
        fail(QStringLiteral("more than %1 redirects").arg(MaxRedirects));
        return;
    }
    const QString next = resolveLocation(m_current, QString::fromUtf8(location));
    drop();
    request(next);
}

void NetworkStatusBrowser::drop()
{
    if (!m_reply)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void NetworkStatusBrowser::fail(const QString& why)
{
    // The entry shows offline, as for any other answer; the log tells it apart.
    qCWarning(lcStatus) << "status of" << m_current << "not answered:" << why;
    finish(ErrorAddress);
}

void NetworkStatusBrowser::finish(const QString& address)
{
    drop();
    m_deadline->stop();
    emit navigationCompleted(address);
}
