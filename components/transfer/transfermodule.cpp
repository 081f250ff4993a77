// The transfer module: one blocking HTTP fetch for callers that want the whole answer at once.

#include "transferapi.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <type_traits>

namespace {

constexpr int MaxRedirects = 20;

// Returns the body, or a null QByteArray when the fetch failed in any way.
QByteArray fetch(const QUrl& url, int timeLimitMs, qint64 sizeCap)
{
    QNetworkAccessManager network;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(MaxRedirects);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    bool failed = false;
    QByteArray body;

    QNetworkReply* reply = network.get(request);
    auto giveUp = [&]() {
        failed = true;
        reply->abort(); // emits finished, which ends the loop
    };
    QObject::connect(&deadline, &QTimer::timeout, &loop, giveUp);
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, [&]() {
        // A declared length over the cap fails before anything is read.
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (length.isValid() && length.toLongLong() > sizeCap && (status < 300 || status >= 400))
            giveUp();
    });
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&]() {
        body += reply->readAll();
        if (body.size() > sizeCap)
            giveUp();
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);

    deadline.start(std::max(1, timeLimitMs));
    // Every event is handled as it comes, user input included. Input held back here reached the
    // caller's windows only after the answer, in a state the user never saw: a double-click made
    // while waiting opened a box afterwards, and a window close held back with it then met a
    // window blocked by that box and was dropped. What a window does not take meanwhile (a
    // disabled one) it drops itself.
    if (!reply->isFinished())
        loop.exec();
    deadline.stop();

    if (!failed) {
        body += reply->readAll();
        // A server's error page is an answer like any other; only a request that got no final
        // answer at all (no connection, a redirect loop, a broken transfer) has failed.
        const QNetworkReply::NetworkError error = reply->error();
        const bool errorStatus = (error >= QNetworkReply::ContentAccessDenied &&
                                  error <= QNetworkReply::UnknownContentError) ||
                                 (error >= QNetworkReply::InternalServerError &&
                                  error <= QNetworkReply::UnknownServerError);
        const QVariant statusCode = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        const bool answered =
            statusCode.isValid() && (error == QNetworkReply::NoError || errorStatus);
        const int status = statusCode.toInt();
        failed = !answered || (status >= 300 && status < 400) || body.size() > sizeCap;
    }
    reply->disconnect(&loop);
    delete reply;
    if (failed || body.isEmpty())
        return QByteArray();
    return body;
}

QString decode(const QByteArray& bytes)
{
    QStringDecoder gb18030("GB18030");
    if (gb18030.isValid())
        return gb18030.decode(bytes);
    // A Qt without ICU knows no GB18030; the local code page of a Chinese system is GBK.
    return QString::fromLocal8Bit(bytes);
}

} // namespace

extern "C" Q_DECL_EXPORT char* transfer_fetch_text(const char* urlUtf8, int timeLimitMs,
                                                   int sizeCap, int* lengthOut)
{
    if (lengthOut)
        *lengthOut = 0;
    if (!urlUtf8 || !QCoreApplication::instance() || sizeCap < 0)
        return nullptr;
    const QUrl url(QString::fromUtf8(urlUtf8));
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return nullptr; // a web fetch, never a local file

    const QByteArray body = fetch(url, timeLimitMs, sizeCap);
    if (body.isNull())
        return nullptr;

    const QByteArray text = decode(body).toUtf8();
    char* result = static_cast<char*>(std::malloc(size_t(text.size()) + 1));
    if (!result)
        return nullptr;
    std::memcpy(result, text.constData(), size_t(text.size()));
    result[text.size()] = '\0';
    if (lengthOut)
        *lengthOut = int(text.size());
    return result;
}

extern "C" Q_DECL_EXPORT void transfer_free_text(char* text)
{
    std::free(text);
}

// The loader's function types must match what is exported.
static_assert(std::is_same_v<decltype(&transfer_fetch_text), TransferFetchTextFn>);
static_assert(std::is_same_v<decltype(&transfer_free_text), TransferFreeTextFn>);
