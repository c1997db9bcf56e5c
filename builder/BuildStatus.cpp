#include "builder/BuildStatus.h"

#include <QCoreApplication>

namespace builder
{

QString statusText(BuildStatus status, const QString& romFileName)
{
    switch (status) {
    case BuildStatus::Preparing:
        return QCoreApplication::translate("builder::BuildStatus", "Preparing to write...");
    case BuildStatus::Writing:
        return QCoreApplication::translate("builder::BuildStatus", "Writing GBA rom...");
    case BuildStatus::AddingBaseRom:
        return QCoreApplication::translate("builder::BuildStatus",
                                           "Writing GBA rom - adding base rom tessel.gba...");
    case BuildStatus::AddingMenuScript:
        return QCoreApplication::translate("builder::BuildStatus",
                                           "Writing GBA rom - adding menu script...");
    case BuildStatus::AddingRom:
        return QCoreApplication::translate("builder::BuildStatus",
                                           "Writing GBA rom - adding nes rom %1...")
            .arg(romFileName);
    case BuildStatus::Completed:
        return QCoreApplication::translate("builder::BuildStatus",
                                           "Writing succesfully completed.");
    case BuildStatus::Failed:
        return QCoreApplication::translate("builder::BuildStatus", "Writing the GBA rom failed.");
    }
    return QString();
}

QString percentDoneText(int percent)
{
    return QCoreApplication::translate("builder::BuildStatus", "%1 % done").arg(percent);
}

} // namespace builder
