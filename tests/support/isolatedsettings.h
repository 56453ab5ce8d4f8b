#pragma once
// Points the settings store at an empty folder of its own while it lives: never the user's.

#include <QSettings>
#include <QTemporaryDir>

class IsolatedSettings {
public:
    IsolatedSettings()
    {
        for (auto format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, m_dir.path());
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
