#include "commands/gradelist.h"

#include <QCoreApplication>

namespace {
QString Tr(const char *text)
{
    return QCoreApplication::translate("CGradeListDlg", text);
}
} // namespace

GradeListEditor::GradeListEditor(const CGradeTypeArray &chart)
    : m_chart(chart), m_caption(Tr("Grade"))
{
    if (!m_chart.isEmpty()) {
        m_nSelected = 0;
        Show(0);
    }
}

QString GradeListEditor::AddAfterQuestion()
{
    return Tr("Add After this Range?");
}

QString GradeListEditor::OutOfOrderMessage()
{
    return Tr("The current settings has a range with a percentage higher than previous items in "
              "the list. Please correct this.");
}

QStringList GradeListEditor::Row(int i) const
{
    const CGradeType &g = m_chart[i];
    return {g.m_strLetter, QString::asprintf("%0.2f", g.m_dMinPercent),
            QString::asprintf("%0.2f", g.m_dGradePoints)};
}

void GradeListEditor::Store()
{
    if (m_nSelected >= 0) // m_nSelected is -1 or a valid index
        m_chart[m_nSelected] = CGradeType(edit.letter, edit.points, edit.percent);
}

void GradeListEditor::Show(int i)
{
    const CGradeType &g = m_chart[i];
    edit = {g.m_strLetter, g.m_dMinPercent, g.m_dGradePoints};
    m_caption = Tr("Grade(%1)").arg(g.m_strLetter);
}

void GradeListEditor::Tap(int row)
{
    if (row < 0 || row >= m_chart.size()) {
        m_nSelected = -1;
        return;
    }
    Store();
    Show(row);
    m_nSelected = row;
}

void GradeListEditor::Plus(Prompter &prompter)
{
    if (m_nSelected < 0)
        return;
    Store();
    const CGradeType blank;
    if (m_nSelected == m_chart.size() - 1 &&
        prompter.Ask(AddAfterQuestion(), Tr("Quillbox")) == Prompter::Yes) {
        m_chart.append(blank);
        m_nSelected = int(m_chart.size()) - 1;
    } else {
        m_chart.insert(m_nSelected, blank);
    }
    Show(m_nSelected);
}

void GradeListEditor::Minus()
{
    if (m_nSelected < 0)
        return;
    m_chart.removeAt(m_nSelected);
    m_nSelected = -1;
}

void GradeListEditor::ApplyPreset(GradeChart::Preset p)
{
    m_chart = GradeChart::PresetChart(p);
    m_nSelected = 0;
    Show(0);
}

bool GradeListEditor::Ok(Prompter &prompter)
{
    Store();
    const int bad = GradeChart::FirstOutOfOrder(m_chart);
    if (bad < 0)
        return true;
    prompter.Inform(OutOfOrderMessage(), Tr("Quillbox"));
    m_nSelected = bad;
    Show(bad);
    return false;
}
