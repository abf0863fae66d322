// plexa: the desktop program.

#include "engine/u_Globals.h"
#include "ui/u_Main.h"

#include <QApplication>
#include <QFile>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velko's Gridfest");
    TfrmMain frmMain;
    // The data folders sit beside the executable; file names are in the file system's encoding.
    TGlobals& g = frmMain.Globals();
    g.ProgramFolder = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString() + '/';
    // The rule library learns the plug-ins beside the program, then the user's own rules.
    g.Life.Library.AddUserDllEntries(g.ProgramFolder);
    g.Life.Library.ReadUserRules(g.ProgramFolder);
    frmMain.show();
    return QApplication::exec();
}
