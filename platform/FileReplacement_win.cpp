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

namespace
{

class AtomicReplacement final : public FileReplacement
{
public:
    explicit AtomicReplacement(const QString& target) : m_target(target)
    {
        const DWORD attributes =
            GetFileAttributesW(reinterpret_cast<const wchar_t*>(m_target.utf16()));
        if (attributes != INVALID_FILE_ATTRIBUTES) {
            if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
                SetLastError(ERROR_DIRECTORY_NOT_SUPPORTED);
                throwSystemError(QStringLiteral("Cannot replace"), m_target);
            }
            if (attributes & FILE_ATTRIBUTE_READONLY) {
                SetLastError(ERROR_ACCESS_DENIED);
                throwSystemError(QStringLiteral("Cannot replace"), m_target);
            }
        }
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_newPath = newReplacementName(m_target);
            m_handle =
                CreateFileW(reinterpret_cast<const wchar_t*>(m_newPath.utf16()), GENERIC_WRITE, 0,
                            nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (m_handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
                break;
        }
        if (m_handle == INVALID_HANDLE_VALUE)
            throwSystemError(QStringLiteral("Cannot create file"), m_newPath);
    }

    ~AtomicReplacement() override
    {
        if (m_committed)
            return;
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
        DeleteFileW(reinterpret_cast<const wchar_t*>(m_newPath.utf16()));
    }

    void write(const char* data, qint64 size) override
    {
        writeAll(qintptr(m_handle), data, size, m_newPath);
    }

    void commit() override
    {
        if (!FlushFileBuffers(m_handle))
            throwSystemError(QStringLiteral("Cannot write file"), m_newPath);
        const HANDLE handle = m_handle;
        m_handle = INVALID_HANDLE_VALUE;
        if (!CloseHandle(handle))
            throwSystemError(QStringLiteral("Cannot close file"), m_newPath);
        // Fails while another program has the old file open without sharing.
        if (!MoveFileExW(reinterpret_cast<const wchar_t*>(m_newPath.utf16()),
                         reinterpret_cast<const wchar_t*>(m_target.utf16()),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            throwSystemError(QStringLiteral("Cannot replace"), m_target);
        m_committed = true;
    }

private:
    QString m_target;
    QString m_newPath;
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    bool m_committed = false;
};

} // namespace

std::unique_ptr<FileReplacement> replacementOf(const QString& target)
{
    return std::make_unique<AtomicReplacement>(target);
}

} // namespace platform
