#pragma once

#include <QString>
#include <QtGlobal>

#include <chrono>

namespace platform
{

// An exclusive lock between processes, held on a lock file beside what it
// guards ("<path>.lock"). The lock is the kernel's (flock, or a handle opened
// without sharing on Windows), so a holder that dies, however it dies, leaves
// no lock behind: the next caller simply takes it. The holder removes the file
// when it lets go; a file left by a killed holder is taken over as it is.
class LockFile
{
public:
    // The lock for the file at guardedPath; nothing is touched yet.
    explicit LockFile(const QString& guardedPath);
    ~LockFile();
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    const QString& path() const { return m_path; }

    // Takes the lock, waiting up to `wait` while another process holds it.
    // False when it is still held then. Throws FileError when the lock file
    // cannot be made or opened at all (a read-only folder, for instance).
    bool tryLock(std::chrono::milliseconds wait = std::chrono::milliseconds(0));
    // Lets go and removes the lock file; nothing when not held.
    void unlock();
    bool isLocked() const { return m_handle != NoHandle; }

private:
    // One attempt: true when locked, false when another process holds it.
    bool tryLockOnce();

    static constexpr qintptr NoHandle = -1;
    QString m_path;
    qintptr m_handle = NoHandle; // a file descriptor, or a Windows HANDLE
};

} // namespace platform
