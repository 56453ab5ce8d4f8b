#pragma once
// Each test gets its own data folder and documents folder, in memory where there is such a place:
// every damaged load syncs a copy to disk, and thousands of them take seconds on a disk.

#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "support/files.h"
#include "support/pinnedclock.h"
#include "support/termbuilder.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        SetDataDir(m_root.filePath("data"));
        SetDocumentsDir(m_root.filePath("Documents"));
        ASSERT_TRUE(QDir().mkpath(DataDir()) && QDir().mkpath(DocumentsDir()));
        studentPath = DataFilePath(kStudentFile);
        teachersPath = DataFilePath(kTeachersFile);
    }
    void TearDown() override
    {
        Clock::Unpin();
        SetDataDir(QString());
        SetDocumentsDir(QString());
    }
    LoadReport load()
    {
        student = CStudent();
        teachers.clear();
        return LoadData(student, teachers);
    }
    static QStringList Files(const QString &dir, const QStringList &filter = {})
    {
        return QDir(dir).entryList(filter, QDir::Files);
    }
    static QString MemoryBacked()
    {
        const QFileInfo shm("/dev/shm");
        return (shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath()) +
               "/quillbox-test-XXXXXX";
    }

    QTemporaryDir m_root{MemoryBacked()};
    QString studentPath, teachersPath;
    CStudent student;
    CTeacherArray teachers;
};
