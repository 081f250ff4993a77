#include "platform/launcher.h"

#include "config/addresses.h"
#include "config/logging.h"

#include <qt_windows.h>
#include <shellapi.h>

namespace {
// The shell hands an address to the program registered for its scheme: tencent: to the QQ
// client, mailto: to the mail program. The text goes over as it stands; QUrl would encode a
// blank in a number.
void openWithShell(const QString& address)
{
    const std::wstring text = address.toStdWString();
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", text.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32) // the shell's way of saying it failed
        qCWarning(lcPlatform) << "the shell could not open" << address << "error" << result;
}
} // namespace

void SystemLauncher::openWebAddress(const QString& address)
{
    // Through explorer.exe, which opens the address in the default browser, minimised.
    std::wstring line = (QStringLiteral("explorer.exe ") + address).toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        qCWarning(lcPlatform) << "explorer.exe could not be started for" << address;
        return;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

void SystemLauncher::openChat(const QString& number)
{
    openWithShell(Addresses::chat(number));
}

void SystemLauncher::openMail(const QString& address)
{
    openWithShell(Addresses::mail(address));
}
