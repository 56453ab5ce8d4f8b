#include "storage/datalock.h"

#include "storage/datafolder.h"

QString DataLock::lockPath()
{
    return DataFilePath(QStringLiteral("quillbox.lock"));
}

bool DataLock::tryLock()
{
    EnsureDataDir();
    m_lock = std::make_unique<QLockFile>(lockPath());
    // Only a lock whose process is gone counts as stale, however old a live one is.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() == QLockFile::LockFailedError)
        return false;
    // The folder cannot hold a lock file (read-only): let the program run; saves will report.
    return true;
}

void DataLock::unlock()
{
    if (m_lock)
        m_lock->unlock();
}
