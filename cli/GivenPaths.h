#pragma once

#include <QHash>
#include <QString>

namespace cli
{

// How romweaver-build names files in what it says: each as it was given on
// the command line. The build names a file by the path it opened (a rom's
// folder and name, the output made absolute) and, in some sentences, a rom by
// its file name alone; both are put back as given.
class GivenPaths
{
public:
    // A file the build opens at used, given as given.
    void add(const QString& used, const QString& given);
    // A rom of the roms' folder, given as given.
    void addRom(const QString& romsDirectory, const QString& fileName, const QString& given);

    // How the rom of that file name was given; the file name when it was not.
    QString rom(const QString& fileName) const;
    // How the file the build opens at used was given; used when it was not.
    QString path(const QString& used) const;

private:
    QHash<QString, QString> m_paths; // as used -> as given
    QHash<QString, QString> m_roms;  // file name -> as given
};

} // namespace cli
