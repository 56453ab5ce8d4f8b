#include "view/quillboxview.h"

#include "storage/datafiles.h"
#include "ui/colorschemes.h"
#include "ui/prompter.h"
#include "ui/settings.h"
#include "ui/welcomedlg.h"
#include "view/listcolorctrl.h"
#include "view/qtsurface.h"
#include "view/startday.h"
#include "view/textviews.h"
#include "view/viewpainter.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QPainter>

std::function<void(QWidget *)> CQuillboxView::s_runWelcome = [](QWidget *parent) {
    CWelcomeDlg dlg(parent);
    dlg.exec();
};

CQuillboxView::CQuillboxView(QWidget *parent) : CQuillboxView(Options{}, parent) {}

CQuillboxView::CQuillboxView(const Options &options, QWidget *parent)
    : QWidget(parent), m_options(options)
{
    // The off-screen copy covers the whole client area: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMinimumSize(240, 268);
    resize(240, 268);
    m_state.ResetDayScroll();
    m_state.m_timeDay = Clock::Now();
    m_state.m_timeMonth = Clock::Now();
}

CQuillboxView::~CQuillboxView() = default;

void CQuillboxView::ReadSettings()
{
    m_state.m_nViewType = Settings::ReadInt("ViewType");
    m_bShowWelcome = Settings::ReadInt("ShowWelcome") != 0;
    m_state.m_nColorScheme = Settings::ReadInt("COLORSCHEME");
    m_state.m_bTitleBars = Settings::ReadInt("TITLEBARS") != 0;
    m_state.m_bGradient = Settings::ReadInt("GRADIENTON") != 0;
    m_state.m_bThinBar = Settings::ReadInt("THINBAR") != 0;
    m_state.m_bHorzGradient = Settings::ReadInt("HORZGRADIENT") != 0;
    m_state.m_nDayMode = Settings::ReadInt("DAYASSONLY");
    m_state.m_bQuickView = Settings::ReadInt("QUICKVIEW") != 0;
    m_state.m_bTimeFirst = Settings::ReadInt("TIMEFIRST") != 0;
    m_state.m_bClearType = Settings::ReadInt("ClearType") != 0;
    // Only the main modes can be stored; anything else (a hand-edited file) starts on Classes.
    if (m_state.m_nViewType < ModeClasses || m_state.m_nViewType > ModeGrades)
        m_state.m_nViewType = ModeClasses;
    if (m_state.m_nDayMode < 0 || m_state.m_nDayMode > 2)
        m_state.m_nDayMode = 0;
}

void CQuillboxView::OnInitialUpdate()
{
    if (m_bInitialized)
        return;
    if (!m_options.headless) {
        QString path = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
        if (!path.endsWith(QDir::separator()))
            path += QDir::separator();
        Settings::WriteText("PROGRAMPATH", path);
    }

    m_comboView = new QComboBox(this);
    m_comboView->setFocusPolicy(Qt::StrongFocus);
    m_comboView->show();
    m_state.m_timeDay = Clock::Now();
    m_comboView->addItems({tr("Classes"), tr("Dates"), tr("Calendar"), tr("Grades")});

    ReadSettings();
    CreateFonts(false);

    if (m_bShowWelcome && !m_options.headless) {
        s_runWelcome(this);
        Settings::WriteInt("ShowWelcome", 0);
    }

    m_comboView->setCurrentIndex(m_state.m_nViewType);
    connect(m_comboView, &QComboBox::currentIndexChanged, this,
            &CQuillboxView::OnViewTypeChanged);

    m_listReminders = new CListColorCtrl(this);
    m_listReminders->SetOddRowColor(Scheme(m_state.m_nColorScheme).row);
    m_listReminders->hide();
    PlaceChildren();

    const LoadReport report = LoadData(m_student, m_teachers);
    SortClassesByName(m_student);
    if (report.damaged() && !m_options.headless)
        Prompter::Get().Inform(report.message(), tr("Quillbox"));

    m_state.m_bHideNoDays = Settings::ReadInt("HIDENODAYS") != 0;
    RunStartDaySearch(m_state, m_student, Clock::Now());
    m_bInitialized = true;
    update();
}

void CQuillboxView::CreateFonts(bool recreate)
{
    Q_UNUSED(recreate); // the font set replaces its fonts either way
    m_fonts.Create(m_state.m_bClearType);
    update();
}

void CQuillboxView::PlaceChildren()
{
    const int right = width(), bottom = height();
    if (m_comboView)
        m_comboView->setGeometry(163, bottom - 25, right - 5 - 163, 22);
    if (m_listReminders)
        m_listReminders->setGeometry(8, 100, 230 - 8, 230 - 100);
}

void CQuillboxView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    PlaceChildren();
}

QImage CQuillboxView::Render()
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!m_bInitialized)
        return image;
    m_bPainting = true;
    {
        QtSurface surface(image, m_fonts);
        PaintContext ctx{m_state, m_student, m_teachers, Rect{0, 0, width(), height()},
                         Clock::Now()};
        PaintView(surface, ctx, &m_rows);
    }
    m_bPainting = false;
    return image;
}

void CQuillboxView::paintEvent(QPaintEvent *)
{
    if (!m_bInitialized)
        return;
    const QImage frame = Render();
    QPainter p(this);
    p.drawImage(0, 0, frame); // one block copy: never a half-drawn frame
}

void CQuillboxView::OnViewTypeChanged(int index)
{
    if (index < 0)
        return;
    m_state.m_nViewType = index;
    m_state.ClearSelection();
    m_state.m_nPrevViewType = -1;
    if (m_listReminders)
        m_listReminders->hide();
    RunStartDaySearch(m_state, m_student, Clock::Now());
    update();
}

void CQuillboxView::SelectViewType(int index)
{
    if (m_comboView && m_comboView->currentIndex() != index)
        m_comboView->setCurrentIndex(index); // emits the change
    else
        OnViewTypeChanged(index);
}

bool CQuillboxView::ExitPath()
{
    const SaveReport saved = SaveData(m_student, m_teachers);
    if (!saved.ok()) {
        const QString text = saved.message() + QStringLiteral("\n\n") +
                             tr("Quit anyway? Changes since the last successful save will be lost.");
        if (Prompter::Get().Ask(text, tr("Quillbox")) != Prompter::Yes)
            return false;
    }
    const int sel = m_comboView ? m_comboView->currentIndex() : -1;
    if (sel >= 0 && sel <= 2) {
        Settings::WriteInt("ViewType", sel);
        Settings::WriteInt("DAYASSONLY", m_state.m_nDayMode);
    }
    return true;
}
