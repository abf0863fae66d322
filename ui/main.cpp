// plexa: the desktop program.

#include "ui/u_Main.h"

#include <QApplication>
#include <QFile>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velko's Gridfest");
    TfrmMain frmMain;
    // The data folders sit beside the executable; file names are in the file system's encoding.
    frmMain.Start(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString() + '/');
    frmMain.show();
    return QApplication::exec();
}
