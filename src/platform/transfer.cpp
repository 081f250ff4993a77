#include "platform/transfer.h"

#include "platform/modules.h"
#include "transfer/inet.h"

struct ModuleTransfer::Private
{
    explicit Private(const QString& modulePath) : module(modulePath) {}

    // The module stays mapped after this object goes (QLibrary never unloads on destruction):
    // Qt objects it made may still be waiting for deferred deletion.
    Module module;
    InetOpenUrlFunction openUrl = nullptr;
    InetFreeFunction free = nullptr;
};

ModuleTransfer::ModuleTransfer(const QString& modulePath) : d(std::make_unique<Private>(modulePath))
{
    const auto openUrl = d->module.resolve<InetOpenUrlFunction>("Inet_OpenURL");
    const auto free = d->module.resolve<InetFreeFunction>("Inet_Free");
    if (openUrl && free) {
        d->openUrl = openUrl;
        d->free = free;
    }
}

ModuleTransfer::~ModuleTransfer() = default;

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
