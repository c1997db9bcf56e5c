#include "builder/BuildProblem.h"

#include "builder/ArchiveError.h"

namespace builder
{

KeptError keptError(const platform::FileError& error)
{
    if (const auto* archive = dynamic_cast<const ArchiveError*>(&error))
        return std::make_shared<ArchiveError>(*archive);
    return std::make_shared<platform::FileError>(error);
}

bool BuildProblem::operator==(const BuildProblem& other) const
{
    const auto text = [](const KeptError& error) { return error ? error->text() : QString(); };
    return kind == other.kind && path == other.path && text(error) == text(other.error);
}

} // namespace builder
