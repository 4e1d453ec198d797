#include <QApplication>

#include "editors/editor_hooks.h"
#include "print/print_hooks.h"
#include "shell/startup.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The editors and the print-out plug into the hooks before start-up calls into them.
    RegisterEditorHooks();
    RegisterPrintHooks();
    // Start-up shows the splash window, which hands over to the main window; the program ends
    // when the main window has unloaded and no window is left.
    Main();
    return app.exec();
}
