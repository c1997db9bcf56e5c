#pragma once

#include <QString>

namespace builder
{

// What lies at a build's output path before the build writes there.
enum class ExistingOutput {
    None,         // nothing: the image becomes a new file
    EarlierImage, // a file that begins with the base rom's bytes, as every image does:
                  // replaced without a question
    OtherFile,    // a file that does not: replaced only when the user says so
    NotAFile,     // a folder, device, pipe or socket: never replaced
    Unknown,      // a file that cannot be read now (another program holds it, no
                  // permission) or no base rom to compare with: the writer's own
                  // open of it, or of the base rom, fails and says why
};

// Looks at the output path, the output and the base rom opened without sharing
// and compared in chunks, never held whole in memory.
ExistingOutput lookAtOutput(const QString& outputPath, const QString& baseRomPath);

} // namespace builder
