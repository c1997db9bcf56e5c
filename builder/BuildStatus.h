#pragma once

#include <QString>

namespace builder
{

// Where a build stands, as the status line beside the progress bar shows it.
enum class BuildStatus {
    Preparing,        // the menu script is written
    Writing,          // the GBA rom is started
    AddingBaseRom,    // the base rom goes in
    AddingMenuScript, // the menu script goes in
    AddingRom,        // a rom goes in (its file name with it)
    Completed,        // the GBA rom is in place
    Failed,           // the GBA rom was not written
};

// The status as the wizard's write page shows it, in the user's language;
// romFileName for AddingRom.
QString statusText(BuildStatus status, const QString& romFileName = {});
// The progress label beside the bar: "<percent> % done".
QString percentDoneText(int percent);

} // namespace builder
