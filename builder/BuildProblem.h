#pragma once

#include "platform/FileError.h"

#include <QString>

#include <memory>

namespace builder
{

// A lower layer's error as a build keeps it: a FileError, or one of its kinds
// (an ArchiveError), copied whole.
using KeptError = std::shared_ptr<const platform::FileError>;
KeptError keptError(const platform::FileError& error);

// What stands in the way of a build or ended it: a kind and what it is about.
// The wizard and the command line each word it in their own sentence, in the
// user's language; the builder writes none.
struct BuildProblem {
    enum class Kind {
        MenuLineBreak,    // the menu line of the rom `path` (its file name, the
                          // breaks spelt out as \n and \r) holds a line break
        OutputIsInput,    // the output `path` is one of the files it is made from
        OutputIsSettings, // the output `path` is the program's settings file
        OutputIsLog,      // the output `path` is the program's build log
        OutputLeadsAway,  // the output `path` is a link to a file outside its folder
                          // (`error`'s path: where it leads)
        NotAFile,         // `path` (the output or a rom) is a folder, device, pipe or socket
        NonRom,           // the rom `path` is not an iNES rom (BuildHooks::nonRomRefused)
        UnreadableRom,    // the rom `path` gives no rom: `error` says why
        Busy,             // another build is writing in the program folder `path`
        Failed,           // a step failed: `error` says what (none: an unexpected error)
    };
    Kind kind = Kind::Failed;
    QString path;
    // The error of a lower layer (a file error, an archive that gives no rom),
    // for UnreadableRom and Failed.
    KeptError error;

    // The same problem: of the same kind, about the same file, for the same reason.
    bool operator==(const BuildProblem& other) const;
};

} // namespace builder
