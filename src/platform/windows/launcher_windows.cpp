#include "platform/launcher.h"

#include "config/addresses.h"
#include "config/logging.h"
#include "platform/windows/systemprogram.h"

#include <qt_windows.h>
#include <shellapi.h>

namespace {
// The shell hands an address to the program registered for its scheme: tencent: to the QQ
// client, mailto: to the mail program.
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
    SystemProgram::run(SystemProgram::windowsFolder() + QStringLiteral("\\explorer.exe"), address,
                       SW_SHOWMINIMIZED);
}

void SystemLauncher::openChat(const QString& number)
{
    openWithShell(Addresses::chat(number));
}

void SystemLauncher::openMail(const QString& address)
{
    openWithShell(Addresses::mail(address));
}
