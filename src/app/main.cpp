#include "mainwindow/form1.h"
#include "platform/launcher.h"
#include "platform/programend.h"
#include "platform/qtmediaplayer.h"
#include "platform/widgetmessageboxes.h"
#include "platform/windoweffects.h"
#include "startup/form5.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("WenQuanYi Micro Hei"), 9));

    WidgetMessageBoxes messageBoxes;
    SystemLauncher launcher;
    SystemProgramEnd programEnd(launcher);
    QtMediaPlayer media;
    Services services{messageBoxes, launcher, programEnd, media};

    std::unique_ptr<Form1> mainWindow;
    auto* splash = new Form5([&] {
        mainWindow = std::make_unique<Form1>(services);
        mainWindow->Form_Load();
        WindowEffects::centreOnScreen(mainWindow.get());
        mainWindow->show();
        mainWindow->activateWindow();
    });
    splash->show();
    return app.exec();
}
