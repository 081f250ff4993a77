#pragma once

#include <memory>

class MainWindow;
struct Services;

// Makes the program ready from the runtime files in its folder once the splash hands over:
// attaches the skin, registers the picture bundles, starts the tune, reads the list file and
// loads the transfer module, then opens the main window with all of it. A piece that cannot be
// had is left out with a warning, and only its own feature goes without it.
namespace ProgramAssembly {
std::unique_ptr<MainWindow> openMainWindow(Services& services);
}
