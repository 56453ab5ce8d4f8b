#pragma once
// One running program per data folder: two would overwrite each other's saves.

#include <QLockFile>
#include <QString>

#include <memory>

class DataLock {
public:
    // Takes the lock in the data folder (creating the folder). A lock left by a crashed run is
    // taken over. False when another running program holds it.
    bool tryLock();
    bool isLocked() const { return m_lock && m_lock->isLocked(); }
    void unlock();
    static QString lockPath();

private:
    std::unique_ptr<QLockFile> m_lock;
};
