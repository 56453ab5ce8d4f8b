#include "storage/settings.h"

#include <QSettings>

#include <iterator>

namespace Settings {
namespace {

// The table is indexed by Key: a row out of place would read another value's default.
constexpr bool TableInKeyOrder()
{
    for (int i = 0; i < int(std::size(kTable)); ++i)
        if (static_cast<int>(kTable[i].key) != i)
            return false;
    return true;
}
static_assert(TableInKeyOrder(), "Settings::kTable must list the keys in the order of Key");

QSettings Store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Larkware"),
                     QStringLiteral("Quillbox"));
}

QString Path(Key key)
{
    return QStringLiteral("Settings/") + QLatin1String(EntryFor(key).name);
}

} // namespace

int ReadInt(Key key)
{
    const QVariant v = Store().value(Path(key));
    bool ok = false;
    const int i = v.toInt(&ok);
    return ok ? i : EntryFor(key).intDefault;
}

QString ReadText(Key key)
{
    return Store().value(Path(key)).toString();
}

void WriteInt(Key key, int value)
{
    QSettings s = Store();
    s.setValue(Path(key), value);
}

void WriteText(Key key, const QString &value)
{
    QSettings s = Store();
    s.setValue(Path(key), value);
}

QString StorePath()
{
    return Store().fileName();
}

} // namespace Settings
