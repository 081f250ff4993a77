#include "app/programassembly.h"
#include "gui/desktop/qtmediaplayer.h"
#include "gui/desktop/translation.h"
#include "gui/desktop/widgetmessageboxes.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/startup/splashscreen.h"
#include "platform/launcher.h"
#include "platform/librarysearch.h"
#include "platform/programend.h"

#include <QApplication>
#include <QFont>
#include <QLocale>

int main(int argc, char* argv[])
{
    LibrarySearch::leaveOutCurrentFolder();
    QApplication app(argc, argv);
    // A Chinese face for a Chinese interface: Debian's, else the one every Windows carries.
    QFont font;
    font.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Microsoft YaHei")});
    font.setPointSize(9);
    QApplication::setFont(font);
    // Simplified Chinese, the windows' own, or Traditional where the user's language asks for it.
    const Translation translation(Translation::scriptFor(QLocale::system().uiLanguages()));

    WidgetMessageBoxes messageBoxes;
    SystemLauncher launcher;
    SystemProgramEnd programEnd;
    QtMediaPlayer media;
    Services services{messageBoxes, launcher, programEnd, media};

    std::unique_ptr<MainWindow> mainWindow;
    auto* splash = new SplashScreen([&] { mainWindow = ProgramAssembly::openMainWindow(services); },
                                    translation.splashPicture());
    splash->show();
    return app.exec();
}
