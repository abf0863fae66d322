// plexa: the desktop program.

#include "ui/u_Main.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velko's Gridfest");
    TfrmMain frmMain;
    frmMain.show();
    return QApplication::exec();
}
