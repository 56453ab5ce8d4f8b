#include "export/vcard.h"

#include <QCoreApplication>
#include <QStringList>

QString EscapeCardText(const QString &text)
{
    // CR LF from an edit control is one line break, as is a lone CR.
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QString out;
    out.reserve(lines.size());
    for (const QChar c : lines) {
        if (c == QLatin1Char('\n')) {
            out += QLatin1String("\\n");
            continue;
        }
        if (c == QLatin1Char('\\') || c == QLatin1Char(',') || c == QLatin1Char(';'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

QByteArray FoldLine(const QByteArray &line)
{
    constexpr int kMaxOctets = 75;
    QByteArray out;
    int lineLength = 0;
    for (int i = 0; i < line.size();) {
        // The whole UTF-8 sequence that starts here: a lead byte and its continuation bytes.
        int n = 1;
        while (i + n < line.size() && (static_cast<unsigned char>(line[i + n]) & 0xC0) == 0x80)
            ++n;
        if (lineLength + n > kMaxOctets) {
            out += "\r\n ";
            lineLength = 1;
        }
        out += line.mid(i, n);
        lineLength += n;
        i += n;
    }
    return out;
}

namespace {

class CardWriter {
public:
    void Add(const char *name, const QString &value)
    {
        m_text += FoldLine(QByteArray(name) + ':' + value.toUtf8());
        m_text += "\r\n";
    }
    void AddIfSet(const char *name, const QString &raw)
    {
        if (!raw.isEmpty())
            Add(name, EscapeCardText(raw));
    }
    QByteArray m_text;
};

// A URI is not a text value: nothing is escaped, but a line break would end the property.
QString OneLine(const QString &s)
{
    QString out = s;
    out.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return out;
}

} // namespace

QByteArray InstructorCard(const CTeacher &t, const QString &schoolName, const QString &uid)
{
    QString fullName =
        QStringList{t.m_strFirstName, t.m_strLastName}.join(QLatin1Char(' ')).trimmed();
    if (fullName.isEmpty())
        fullName = QCoreApplication::translate("Export", "Instructor");

    CardWriter w;
    w.Add("BEGIN", QStringLiteral("VCARD"));
    w.Add("VERSION", QStringLiteral("3.0"));
    w.Add("UID", EscapeCardText(uid));
    w.Add("N", EscapeCardText(t.m_strLastName) + QLatin1Char(';') +
                   EscapeCardText(t.m_strFirstName) + QStringLiteral(";;;"));
    w.Add("FN", EscapeCardText(fullName));
    w.AddIfSet("SORT-STRING", t.m_strLastName);
    w.AddIfSet("ORG", schoolName);
    w.AddIfSet("TEL;TYPE=WORK,VOICE", t.m_strPhone);
    w.Add("TITLE", QStringLiteral("Teacher"));
    if (!t.m_strWebsite.isEmpty())
        w.Add("URL", OneLine(t.m_strWebsite));
    if (!t.m_strOffice.isEmpty())
        w.Add("ADR;TYPE=WORK",
              QLatin1Char(';') + EscapeCardText(t.m_strOffice) + QStringLiteral(";;;;;"));
    w.AddIfSet("EMAIL;TYPE=INTERNET,WORK", t.m_strEmail);
    w.Add("END", QStringLiteral("VCARD"));
    return w.m_text;
}
