#pragma once

#include "builder/Compilation.h"
#include "platform/FileError.h"

#include <QString>

#include <optional>

namespace builder
{

// Compilation files (*.romweaver): a compilation kept as a small JSON text
// (docs/compilation-format.md), so it can be opened again, built again, or
// built by romweaver-build. Rom folders and output folders at or below the
// file's own folder are kept relative to it, so a folder of roms and its
// compilation move together.

class CompilationFileError : public platform::FileError
{
public:
    enum class Kind {
        CannotRead,      // the file cannot be opened or read (detail: the system's reason,
                         // or a phrase marked QT_TRANSLATE_NOOP("builder::CompilationFile"))
        CannotWrite,     // the file cannot be written (fileError: why)
        NotACompilation, // not JSON, or not the shape of a compilation (detail: a phrase
                         // marked QT_TRANSLATE_NOOP("builder::CompilationFile"), its %1
                         // standing for `name`; or the JSON parser's reason)
        NewerFormat,     // written by a later Romweaver (detail: its format version)
    };
    CompilationFileError(Kind kind, const QString& path, const QString& detail,
                         const QString& name = {});
    CompilationFileError(const QString& path, const platform::FileError& fileError);
    Kind kind() const { return m_kind; }
    const QString& detail() const { return m_detail; }
    const QString& name() const { return m_name; }
    const std::optional<platform::FileError>& fileError() const { return m_fileError; }

private:
    Kind m_kind;
    QString m_detail;
    QString m_name;
    std::optional<platform::FileError> m_fileError;
};

// The format version this Romweaver writes and the newest it reads.
constexpr int CompilationFormatVersion = 1;
// The file name extension, without its dot.
inline constexpr char CompilationExtension[] = "romweaver";

// Writes the compilation at path, whole or not at all (an existing file stays
// as it was when the write fails). Each rom's fingerprint is taken from the
// rom as it is now, so a later opening can tell a rom that changed.
// Throws CompilationFileError.
void writeCompilationFile(const QString& path, const Compilation& compilation);

// Reads a compilation file. The roms come in their menu order, which is also
// their order of selection; each carries the fingerprint it was saved with.
// Throws CompilationFileError.
Compilation readCompilationFile(const QString& path);

// The size and CRC-32 of the rom file as it is now; nothing when it cannot be read.
std::optional<RomFingerprint> fingerprintOf(const QString& path);

} // namespace builder
