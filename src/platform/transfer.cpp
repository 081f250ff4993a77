#include "platform/transfer.h"

#include <QLibrary>

// The module's entry points (see components/transfer/inet.h).
using InetOpenUrlFunction = char* (*)(const char* urlUtf8, int timeLimitMs, int sizeCap,
                                      int* lengthOut);
using InetFreeFunction = void (*)(char* text);

struct ModuleTransfer::Private
{
    QLibrary library;
    InetOpenUrlFunction openUrl = nullptr;
    InetFreeFunction free = nullptr;
};

ModuleTransfer::ModuleTransfer(const QString& modulePath) : d(new Private)
{
    d->library.setFileName(modulePath);
    if (!d->library.load())
        return;
    d->openUrl = reinterpret_cast<InetOpenUrlFunction>(d->library.resolve("Inet_OpenURL"));
    d->free = reinterpret_cast<InetFreeFunction>(d->library.resolve("Inet_Free"));
    if (!d->openUrl || !d->free) {
        d->openUrl = nullptr;
        d->free = nullptr;
    }
}

// The module stays mapped: Qt objects it made may still be waiting for deferred deletion.
ModuleTransfer::~ModuleTransfer()
{
    delete d;
}

bool ModuleTransfer::isLoaded() const
{
    return d->openUrl != nullptr;
}

QString ModuleTransfer::OpenURL(const QString& address)
{
    if (!isLoaded())
        return QString();
    int length = 0;
    char* text = d->openUrl(address.toUtf8().constData(), m_timeLimitMs, SizeCap, &length);
    if (!text)
        return QString();
    const QString result = QString::fromUtf8(text, length);
    d->free(text);
    return result;
}
