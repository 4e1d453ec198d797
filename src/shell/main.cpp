#include <QApplication>

#include "shell/startup.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Start-up shows the splash window, which hands over to the main window; the program ends
    // when the main window has unloaded and no window is left.
    Main();
    return app.exec();
}
