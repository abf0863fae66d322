#include "ui/u_FileTypes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QString>

namespace {

// The native type keeps the name the desktop has known it by from the first version on.
constexpr const char* kNativeExtension = "plx";
constexpr const char* kNativeMimeType = "application/x-plexa-document";
constexpr const char* kMimeTypePrefix = "application/x-plexa-";
constexpr const char* kPackagePrefix = "plexa-";

// Lower case letters and digits only: the extension becomes part of file and type names.
QString CleanExtension(const QString& extension)
{
    QString clean;
    for (const QChar c : extension.toLower())
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) clean += c;
    return clean;
}

QString MimeTypeOf(const QString& extension)
{
    return extension == kNativeExtension ? QString(kNativeMimeType) : kMimeTypePrefix + extension;
}

QString PackageFileOf(const QString& extension)
{
    return extension == kNativeExtension ? QString("plexa.xml")
                                         : kPackagePrefix + extension + ".xml";
}

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

QByteArray MimePackage(const QString& extension)
{
    return QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                   "  <mime-type type=\"%1\">\n"
                   "    <comment>Plexa.Document</comment>\n"
                   "    <glob pattern=\"*.%2\"/>\n"
                   "    <glob pattern=\"*.%3\"/>\n"
                   "  </mime-type>\n"
                   "</mime-info>\n")
        .arg(MimeTypeOf(extension), extension, extension.toUpper())
        .toUtf8();
}

// Every type registered so far, the earlier registrations included, by their package files.
QStringList RegisteredMimeTypes(const QString& packages)
{
    QStringList types;
    if (QFile::exists(packages + "/" + PackageFileOf(kNativeExtension))) types << kNativeMimeType;
    const QStringList files =
        QDir(packages).entryList({QString(kPackagePrefix) + "*.xml"}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        types << kMimeTypePrefix + file.mid(QString(kPackagePrefix).size()).chopped(4);
    return types;
}

QByteArray DesktopEntry(const QString& programPath, const QStringList& mimeTypes)
{
    QString quoted = programPath;
    quoted.replace('\\', "\\\\").replace('"', "\\\"");
    return QString("[Desktop Entry]\n"
                   "Type=Application\n"
                   "Name=Velko's Gridfest\n"
                   "Comment=Cellular automata explorer\n"
                   "Exec=\"%1\" %f\n"
                   "MimeType=%2;\n"
                   "Terminal=false\n"
                   "Categories=Education;Science;\n")
        .arg(quoted, mimeTypes.join(';'))
        .toUtf8();
}

} // namespace

QStringList AssociationExtensions(const QString& entry)
{
    const QString extension = entry.trimmed().section(QRegularExpression("[ \t]"), 0, 0);
    if (extension == ".*") return {".LIF", ".LIFE", ".RLE", ".L", ".PLF", ".PLX", ".VLF"};
    if (extension.isEmpty()) return {};
    return {extension.startsWith('.') ? extension : "." + extension};
}

void RegisterFileTypes(const QString& programPath, const QString& dataFolder,
                       const QStringList& extensions)
{
    if (dataFolder.isEmpty()) return;
    const QString mimeFolder = dataFolder + "/mime";
    const QString packages = mimeFolder + "/packages";
    QStringList written;
    for (const QString& extension : extensions) {
        const QString clean = CleanExtension(extension);
        if (clean.isEmpty()) continue;
        if (WriteIfChanged(packages + "/" + PackageFileOf(clean), MimePackage(clean)))
            written << MimeTypeOf(clean);
    }
    if (!written.isEmpty()) RunIfPresent("update-mime-database", {mimeFolder});

    const QString applications = dataFolder + "/applications";
    const QByteArray entry = DesktopEntry(programPath, RegisteredMimeTypes(packages));
    if (WriteIfChanged(applications + "/plexa.desktop", entry))
        RunIfPresent("update-desktop-database", {applications});
    for (const QString& type : written)
        RunIfPresent("xdg-mime", {"default", "plexa.desktop", type});
}
