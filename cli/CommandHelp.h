#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>

namespace cli
{

// What "romweaver-build --help" prints: the usage lines, what the command
// does, each option with its description as the parser knows it (so an
// option added there is listed here), the ROM arguments, archives, the exit
// statuses, where the program's files are looked for on this machine
// (portable and installed), and an example. Lines are wrapped to 80 columns.
// The usage lines, the first beginning with "usage:".
QString commandUsage();

QString commandHelp(const QString& usage, const QList<QCommandLineOption>& options,
                    const QString& romsDescription);

} // namespace cli
