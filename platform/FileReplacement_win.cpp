#include "platform/FileReplacementSystem.h"

#include "platform/FileError.h"
#include "platform/WindowsApi.h"
#include "platform/WriteAll.h"

// Newer than the MinGW-w64 headers.
#ifndef ERROR_DIRECTORY_NOT_SUPPORTED
#define ERROR_DIRECTORY_NOT_SUPPORTED 336L
#endif

namespace platform
{

qsizetype fileNameLength(const QString& name)
{
    return name.size(); // NTFS and FAT count UTF-16 units
}

namespace
{

const wchar_t* wide(const QString& path)
{
    return reinterpret_cast<const wchar_t*>(path.utf16());
}

class AtomicReplacement final : public FileReplacement
{
public:
    AtomicReplacement(const QString& target, const ReplacementOptions& options) : m_target(target)
    {
        const DWORD attributes = GetFileAttributesW(wide(m_target));
        if (attributes != INVALID_FILE_ATTRIBUTES) {
            if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
                SetLastError(ERROR_DIRECTORY_NOT_SUPPORTED);
                throwSystemError(FileAction::Replace, m_target);
            }
            if (attributes & FILE_ATTRIBUTE_READONLY) {
                SetLastError(ERROR_ACCESS_DENIED);
                throwSystemError(FileAction::Replace, m_target);
            }
        }
        if (options.holdsOldFile)
            m_heldOldFile = holdOldFile(m_target);
        // Share mode 0: no other open of the new file while it is written.
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_newPath = newReplacementName(m_target, options.newFileSuffix);
            m_handle = CreateFileW(wide(m_newPath), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
            if (m_handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
                break;
        }
        if (m_handle == INVALID_HANDLE_VALUE)
            throwSystemError(FileAction::Create, m_target);
    }

    ~AtomicReplacement() override
    {
        if (m_committed)
            return;
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
        DeleteFileW(wide(m_newPath));
    }

    void write(const char* data, qint64 size) override
    {
        writeAll(qintptr(m_handle), data, size, m_target);
    }

    std::optional<KernelCopyTarget> kernelCopyTarget() const override
    {
        return KernelCopyTarget{qintptr(m_handle), m_target};
    }

    void commit() override
    {
        if (!FlushFileBuffers(m_handle))
            throwSystemError(FileAction::Write, m_target);
        const HANDLE handle = m_handle;
        m_handle = INVALID_HANDLE_VALUE;
        if (!CloseHandle(handle))
            throwSystemError(FileAction::Close, m_target);
        // A file open anywhere cannot be replaced, this program's own hold included.
        m_heldOldFile.reset();
        // Fails while another program has the old file open without sharing.
        if (!MoveFileExW(wide(m_newPath), wide(m_target),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            throwSystemError(FileAction::Replace, m_target);
        m_committed = true;
    }

private:
    QString m_target;
    QString m_newPath;
    std::unique_ptr<ExclusiveFile> m_heldOldFile;
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    bool m_committed = false;
};

} // namespace

std::unique_ptr<FileReplacement> replacementOf(const QString& target,
                                               const ReplacementOptions& options)
{
    return std::make_unique<AtomicReplacement>(target, options);
}

} // namespace platform
