#include "app/programassembly.h"

#include "config/logging.h"
#include "core/contacts/contactlistfile.h"
#include "core/contacts/profilestore.h"
#include "core/startup/runtimefiles.h"
#include "gui/desktop/windoweffects.h"
#include "gui/mainwindow/mainwindow.h"
#include "platform/media.h"
#include "platform/modulelibrary.h"
#include "platform/networkstatusbrowser.h"
#include "platform/programfolder.h"
#include "platform/transfer.h"
#include "skin/skinattach.h"

#include <QResource>

namespace {

void attachSkin()
{
    const QString modulePath = ProgramFolder::file(RuntimeFiles::SkinModule);
    const ModuleLibrary skin(modulePath);
    const auto attach = skin.resolve<SkinAttach::Function>(SkinAttach::entryPoint);
    if (!attach) {
        qCWarning(lcStartup) << "skin module" << modulePath << "not loaded:" << skin.errorString();
        return;
    }
    // The skin file alone is named with a forward slash, whatever the system.
    const QByteArray sheet = (ProgramFolder::path() + QStringLiteral("/skinh.she")).toLocal8Bit();
    if (const int result = attach(sheet.constData(), ""); result != SkinAttach::Applied)
        qCWarning(lcStartup) << "skin" << sheet << "refused by the skin module, code" << result;
}

bool registerBundle(const QString& fileName, const QString& root)
{
    const QString path = ProgramFolder::file(fileName);
    if (QResource::registerResource(path, root))
        return true;
    qCWarning(lcStartup) << "picture bundle" << path << "not readable";
    return false;
}

// The list's three pictures, in state order; they keep their colours in the list that stays
// disabled until the update check is through.
QVector<QIcon> statePictures()
{
    QVector<QIcon> pictures;
    for (const char* name : {"offline", "online", "checking"}) {
        const QPixmap picture(QStringLiteral(":/mscomctl/icons/%1.png").arg(QLatin1String(name)));
        QIcon icon(picture);
        icon.addPixmap(picture, QIcon::Disabled);
        pictures.append(icon);
    }
    return pictures;
}

} // namespace

namespace ProgramAssembly {

std::unique_ptr<MainWindow> openMainWindow(Services& services)
{
    attachSkin();
    MainWindow::Equipment equipment;
    if (registerBundle(RuntimeFiles::ControlsBundle, QStringLiteral("/mscomctl"))) {
        equipment.statePictures = statePictures();
        equipment.windowIcon = QIcon(QStringLiteral(":/mscomctl/icons/window.png"));
    }
    registerBundle(RuntimeFiles::ImageBundle, QStringLiteral("/image")); // the about box's
    services.media.playOnce(ProgramFolder::file(RuntimeFiles::Music), 50);

    equipment.listFile = std::make_unique<ContactListFile>(
        std::make_unique<ProfileStore>(ProgramFolder::file(RuntimeFiles::ProfileModule)),
        ProgramFolder::file(ContactListFile::FileName));
    equipment.entries = equipment.listFile->load();
    equipment.transfer =
        std::make_unique<ModuleTransfer>(ProgramFolder::file(RuntimeFiles::TransferModule));
    equipment.statusBrowser = std::make_unique<NetworkStatusBrowser>();

    auto window = std::make_unique<MainWindow>(services, std::move(equipment));
    WindowEffects::centreOnScreen(window.get());
    window->show();
    window->activateWindow();
    return window;
}

} // namespace ProgramAssembly
