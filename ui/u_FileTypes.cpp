#include "ui/u_FileTypes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QString>

namespace {

constexpr const char* kMimeType = "application/x-plexa-document";

// Writes `text` to `path` unless it holds exactly that already; true when it was written.
bool WriteIfChanged(const QString& path, const QByteArray& text)
{
    QFile current(path);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == text) return false;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(text);
    return file.commit();
}

void RunIfPresent(const QString& tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (!program.isEmpty()) QProcess::startDetached(program, arguments);
}

} // namespace

void RegisterFileType(const QString& programPath, const QString& dataFolder)
{
    if (dataFolder.isEmpty()) return;
    const QString mimeFolder = dataFolder + "/mime";
    const QByteArray mime = QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                       "<mime-info xmlns=\"http://www.freedesktop.org/standards/"
                                       "shared-mime-info\">\n"
                                       "  <mime-type type=\"") +
                            kMimeType +
                            "\">\n"
                            "    <comment>Plexa.Document</comment>\n"
                            "    <glob pattern=\"*.plx\"/>\n"
                            "    <glob pattern=\"*.PLX\"/>\n"
                            "  </mime-type>\n"
                            "</mime-info>\n";
    if (WriteIfChanged(mimeFolder + "/packages/plexa.xml", mime))
        RunIfPresent("update-mime-database", {mimeFolder});

    const QString applications = dataFolder + "/applications";
    QString quoted = programPath;
    quoted.replace('\\', "\\\\").replace('"', "\\\"");
    const QByteArray entry = QString("[Desktop Entry]\n"
                                     "Type=Application\n"
                                     "Name=Velko's Gridfest\n"
                                     "Comment=Cellular automata explorer\n"
                                     "Exec=\"%1\" %f\n"
                                     "MimeType=%2;\n"
                                     "Terminal=false\n"
                                     "Categories=Education;Science;\n")
                                 .arg(quoted, kMimeType)
                                 .toUtf8();
    if (WriteIfChanged(applications + "/plexa.desktop", entry)) {
        RunIfPresent("update-desktop-database", {applications});
        RunIfPresent("xdg-mime", {"default", "plexa.desktop", kMimeType});
    }
}
