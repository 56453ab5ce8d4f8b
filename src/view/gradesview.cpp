// The Grades view: points and letter per graded class, and the GPA.
#include "view/textviews.h"

#include "model/dates.h"
#include "model/duedays.h"
#include "view/colorschemes.h"
#include "view/drawing.h"
#include "view/images.h"
#include "view/textrows.h"

#include <algorithm>

using namespace textrows;

void DrawGradesView(Surface &s, PaintContext &ctx, ViewRows &rows)
{
    ViewState &v = ctx.state;
    const Rect &client = ctx.client;
    v.m_bMoreGrades = false;
    s.SetFont(FontRole::Bold);
    const int H = BoldHeight(s);
    const int limit = client.b - H - 35;
    s.DrawBitmap(0, 0, Res::BannerGrades, false);
    int y = Grid::kFirstRowTop;
    Bands bands;
    for (int c = std::max(0, v.m_nFirstGradeClass); c < ctx.student.m_classes.size(); ++c) {
        const CClass &cls = ctx.student.m_classes[c];
        if (!cls.m_bGraded)
            continue;
        if (!(y < limit)) {
            v.m_bMoreGrades = true;
            break;
        }
        bands.Row(s, v, client, y, H, true);
        QString letter;
        double earned = 0, possible = 0;
        cls.GetGrade(letter, earned, possible);
        s.SetTextColor(Colors::Text);
        const int W1 = Put(s, FontRole::Bold, 8, y, FitText(s, cls.m_strName, 95, true)).width();
        const QString points = ViewTexts::tr("%1 of %2 Total")
                                   .arg(QString::asprintf("%0.1f / %0.1f", earned, possible),
                                        QString::asprintf("%0.1f", cls.m_dTotalPoints));
        const int W2 = Put(s, FontRole::Normal, W1 + 18, y, points).width();
        s.SetTextColor(Colors::Grade);
        const QSize g = Put(s, FontRole::Bold, W1 + 18 + W2 + 10, y, letter);
        s.SetTextColor(Colors::Text);
        rows.add(Row(HitRow::Class, {8, y, 28 + W1 + W2 + g.width(), y + g.height()}, y, c));
        y += g.height() + Grid::kRowGap;
    }
    s.Line(client.l + 10, y, client.r - 10, y, Colors::Text);
    s.SetTextColor(Colors::Grade);
    Put(s, FontRole::Bold, 8, y + 5,
        ViewTexts::tr("GPA: %1").arg(QString::asprintf("%0.2f", ctx.student.GetGPA())));
    s.SetTextColor(Colors::Text);
}
