#include "platform/chatbrowser.h"

#include "platform/launcher.h"

void ChatBrowser::Navigate(const QString& address)
{
    m_launcher.openUri(address);
}
