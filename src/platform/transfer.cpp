#include "platform/transfer.h"

#include "config/logging.h"
#include "platform/modulelibrary.h"
#include "transfer/transferapi.h"

ModuleTransfer::ModuleTransfer(const QString& modulePath, int timeLimitMs)
    : m_module(std::make_unique<ModuleLibrary>(modulePath)), m_timeLimitMs(timeLimitMs)
{
    if (!m_module->isLoaded())
        qCWarning(lcUpdate) << "transfer module" << modulePath
                            << "not loaded:" << m_module->errorString();
}

ModuleTransfer::~ModuleTransfer() = default;

QString ModuleTransfer::fetchText(const QString& address)
{
    const auto fetch = m_module->resolve<TransferFetchTextFn>("transfer_fetch_text");
    const auto release = m_module->resolve<TransferFreeTextFn>("transfer_free_text");
    if (!fetch || !release)
        return QString();
    int length = 0;
    char* text = fetch(address.toUtf8().constData(), m_timeLimitMs, SizeCap, &length);
    if (!text)
        return QString();
    const QString result = QString::fromUtf8(text, length);
    release(text);
    return result;
}
