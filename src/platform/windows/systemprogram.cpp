#include "platform/windows/systemprogram.h"

#include "config/logging.h"

#include <qt_windows.h>

#include <QDir>

namespace SystemProgram {

namespace {
QString folder(UINT (*ask)(LPWSTR, UINT))
{
    wchar_t buffer[MAX_PATH];
    const UINT length = ask(buffer, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        return QString::fromWCharArray(buffer, int(length));
    qCWarning(lcPlatform) << "Windows named none of its folders, error" << GetLastError();
    return {};
}
} // namespace

QString windowsFolder()
{
    return folder(GetSystemWindowsDirectoryW);
}

QString systemFolder()
{
    return folder(GetSystemDirectoryW);
}

void run(const QString& path, const QString& arguments, int show, int waitMs)
{
    // With its drive: a path from the root of the current drive is no full path either.
    if (path.size() < 4 || path.at(1) != u':' || !QDir::isAbsolutePath(path)) {
        qCWarning(lcPlatform) << "not started without its full path:" << path;
        return;
    }
    const std::wstring application = QDir::toNativeSeparators(path).toStdWString();
    std::wstring line =
        (QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1String("\" ") + arguments)
            .toStdWString();
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
