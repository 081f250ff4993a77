#include "platform/windows/systemprogram.h"

#include "config/logging.h"

#include <qt_windows.h>

namespace SystemProgram {

void run(Folder folder, const QString& name, const QString& arguments, int show, int waitMs)
{
    // The Windows folder shared by every user, not a private one a terminal server may give.
    wchar_t buffer[MAX_PATH];
    const UINT length = folder == Folder::Windows ? GetSystemWindowsDirectoryW(buffer, MAX_PATH)
                                                  : GetSystemDirectoryW(buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        qCWarning(lcPlatform) << "no Windows folder to start" << name << "from, error"
                              << GetLastError();
        return;
    }
    const QString path = QString::fromWCharArray(buffer, int(length)) + QLatin1Char('\\') + name;
    const std::wstring application = path.toStdWString();
    std::wstring line = (QLatin1Char('"') + path + QLatin1String("\" ") + arguments).toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = WORD(show);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(application.c_str(), line.data(), nullptr, nullptr, FALSE,
                        show == SW_HIDE ? CREATE_NO_WINDOW : 0, nullptr, nullptr, &startup,
                        &process)) {
        qCWarning(lcPlatform) << path << "could not be started, error" << GetLastError();
        return;
    }
    if (waitMs > 0)
        WaitForSingleObject(process.hProcess, DWORD(waitMs));
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

} // namespace SystemProgram
