#include "ui/settings.h"

#include <QSettings>

#include <cstring>

namespace Settings {
namespace {

const Entry *Find(const char *name)
{
    for (const Entry &e : kTable)
        if (std::strcmp(e.name, name) == 0)
            return &e;
    return nullptr;
}

QSettings Store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Larkware"),
                     QStringLiteral("Quillbox"));
}

QString Key(const char *name) { return QStringLiteral("Settings/") + QLatin1String(name); }

} // namespace

int ReadInt(const char *name)
{
    const Entry *e = Find(name);
    const int def = e ? e->intDefault : 0;
    const QVariant v = Store().value(Key(name));
    bool ok = false;
    const int i = v.toInt(&ok);
    return ok ? i : def;
}

QString ReadText(const char *name) { return Store().value(Key(name)).toString(); }

void WriteInt(const char *name, int value)
{
    QSettings s = Store();
    s.setValue(Key(name), value);
}

void WriteText(const char *name, const QString &value)
{
    QSettings s = Store();
    s.setValue(Key(name), value);
}

QString StorePath() { return Store().fileName(); }

} // namespace Settings
