#include "view/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>

namespace {

// Wine's Tahoma (Debian's fonts-wine) sits outside the fontconfig folders: add it by hand.
void AddWineTahoma()
{
    for (const char *file :
         {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
        if (QFile::exists(QString::fromLatin1(file)))
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
}

QString SansFace()
{
    static const QString face = [] {
        AddWineTahoma();
        const QStringList families = QFontDatabase::families();
        for (const char *f : {"Tahoma", "DejaVu Sans", "Liberation Sans", "Noto Sans"})
            if (families.contains(QLatin1String(f)))
                return QString::fromLatin1(f);
        return QStringLiteral("Sans Serif");
    }();
    return face;
}

QString SerifFace()
{
    static const QString face = [] {
        const QStringList families = QFontDatabase::families();
        for (const char *f : {"Times New Roman", "Liberation Serif", "DejaVu Serif", "Noto Serif"})
            if (families.contains(QLatin1String(f)))
                return QString::fromLatin1(f);
        return QStringLiteral("Serif");
    }();
    return face;
}

// The largest pixel size whose cell height does not exceed the wanted height.
QFont Sized(const QString &face, int cellHeight, int weight, bool underline, bool clearType)
{
    QFont f(face);
    f.setWeight(QFont::Weight(weight));
    f.setUnderline(underline);
    f.setStyleStrategy(clearType ? QFont::PreferAntialias : QFont::NoSubpixelAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    int best = 6;
    for (int px = 6; px <= cellHeight + 4; ++px) {
        f.setPixelSize(px);
        if (QFontMetrics(f).height() <= cellHeight)
            best = px;
    }
    f.setPixelSize(best);
    return f;
}

} // namespace

void FontSet::Create(bool clearType)
{
    m_clearType = clearType;
    const QString sans = SansFace();
    m_normal = Sized(sans, 11, 400, false, clearType);
    m_bold = Sized(sans, 11, 700, false, clearType);
    m_large = Sized(sans, 17, 700, false, clearType);
    m_link = Sized(sans, 11, 500, true, clearType);
    m_serif = Sized(SerifFace(), 12, 400, false, clearType);
}

const QFont &FontSet::Get(FontRole role) const
{
    switch (role) {
    case FontRole::Normal:
        return m_normal;
    case FontRole::Bold:
        return m_bold;
    case FontRole::Large:
        return m_large;
    case FontRole::Link:
        return m_link;
    case FontRole::Serif:
        return m_serif;
    }
    return m_normal;
}
