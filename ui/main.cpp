// plexa: the desktop program.

#include "ui/u_FileTypes.h"
#include "ui/u_Main.h"
#include "ui/u_QtConfigStore.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velko's Gridfest");
    TfrmMain frmMain;
    RegisterFileTypes(QCoreApplication::applicationFilePath(),
                      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                      {".PLX"});
    // The data folders sit beside the executable; file names are in the file system's encoding.
    const QStringList arguments = QCoreApplication::arguments();
    frmMain.StartShown(
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString() + '/',
        std::make_unique<TQtConfigStore>(), arguments.size() > 1 ? arguments[1] : QString());
    return QApplication::exec();
}
