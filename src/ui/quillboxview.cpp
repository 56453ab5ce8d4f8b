#include "ui/quillboxview.h"
#include "commands/startday.h"
#include "model/sorting.h"

#include "commands/prompter.h"
#include "commands/transfer.h"
#include "export/pimstore.h"
#include "model/dates.h"
#include "model/duedays.h"
#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "storage/settings.h"
#include "ui/aboutdlg.h"
#include "ui/calendardlg.h"
#include "ui/configsheet.h"
#include "ui/listcolorctrl.h"
#include "ui/selectmonthdlg.h"
#include "ui/welcomedlg.h"
#include "view/calendarview.h"
#include "view/colorschemes.h"
#include "view/qtsurface.h"
#include "view/textviews.h"
#include "view/viewpainter.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

CQuillboxView::CQuillboxView(QWidget *parent) : CQuillboxView(Options{}, parent) {}

CQuillboxView::CQuillboxView(const Options &options, QWidget *parent)
    : QWidget(parent), m_options(options),
      m_ownDialogs(options.dialogs ? nullptr : std::make_unique<RealDialogs>()),
      m_dialogs(options.dialogs ? *options.dialogs : *m_ownDialogs)
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
    m_state.m_nViewType = MainModeFromIndex(Settings::ReadInt(Settings::Key::ViewType));
    m_bShowWelcome = Settings::ReadInt(Settings::Key::ShowWelcome) != 0;
    m_state.m_nColorScheme = Settings::ReadInt(Settings::Key::ColorScheme);
    m_state.m_bTitleBars = Settings::ReadInt(Settings::Key::TitleBars) != 0;
    m_state.m_bGradient = Settings::ReadInt(Settings::Key::GradientOn) != 0;
    m_state.m_bThinBar = Settings::ReadInt(Settings::Key::ThinBar) != 0;
    m_state.m_bHorzGradient = Settings::ReadInt(Settings::Key::HorzGradient) != 0;
    m_state.m_nDayMode = Settings::ReadInt(Settings::Key::DayAsOnly);
    m_state.m_bQuickView = Settings::ReadInt(Settings::Key::QuickView) != 0;
    m_state.m_bTimeFirst = Settings::ReadInt(Settings::Key::TimeFirst) != 0;
    m_state.m_bClearType = Settings::ReadInt(Settings::Key::ClearType) != 0;
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
        Settings::WriteText(Settings::Key::ProgramPath, path);
    }

    m_comboView = new QComboBox(this);
    m_comboView->setFocusPolicy(Qt::StrongFocus);
    m_comboView->show();
    m_state.m_timeDay = Clock::Now();
    m_comboView->addItems({tr("Classes"), tr("Dates"), tr("Calendar"), tr("Grades")});

    ReadSettings();
    CreateFonts(false);

    if (m_bShowWelcome && !m_options.headless) {
        m_dialogs.RunWelcome(this);
        Settings::WriteInt(Settings::Key::ShowWelcome, 0);
    }

    m_comboView->setCurrentIndex(static_cast<int>(m_state.m_nViewType));
    // Every pick counts, also of the entry already shown (it leaves a detail view); changes made
    // by the program itself go through SelectViewType.
    connect(m_comboView, &QComboBox::activated, this, &CQuillboxView::OnViewTypePicked);

    m_listReminders = new CListColorCtrl(this);
    m_listReminders->SetOddRowColor(Scheme(m_state.m_nColorScheme).row);
    m_listReminders->hide();
    FitListFont();
    // Cut texts end in "..." instead: a sideways scroll bar would only hide the dates.
    m_listReminders->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(m_listReminders, &CListColorCtrl::rowClicked, this, [this] { m_nav.ListClicked(); });
    connect(m_listReminders, &CListColorCtrl::toggleDoneRequested, this,
            &CQuillboxView::ToggleDone);
    PlaceChildren();

    const LoadReport report = LoadData(m_student, m_teachers, m_options.headless);
    SortClassesByName(m_student);
    const QString told = report.message();
    if (!told.isEmpty() && !m_options.headless)
        m_dialogs.Inform(told, tr("Quillbox"));

    m_state.m_bHideNoDays = Settings::ReadInt(Settings::Key::HideNoDays) != 0;
    RunStartDaySearch(m_state, m_student, Clock::Now());
    m_bInitialized = true;
    update();
}

void CQuillboxView::CreateFonts(bool recreate)
{
    Q_UNUSED(recreate); // the font set replaces its fonts either way
    m_fonts.Create(m_state.m_bClearType);
    FitSelectorFont();
    FitListFont();
    update();
}

void CQuillboxView::FitSelectorFont()
{
    // The selector's entries must fit its few pixels: the view's small font, smaller if needed.
    if (!m_comboView)
        return;
    QFont f = m_fonts.Get(FontRole::Normal);
    const int room = width() - 5 - 163;
    for (int px = f.pixelSize(); px >= 7; --px) {
        f.setPixelSize(px);
        m_comboView->setFont(f);
        if (m_comboView->sizeHint().width() <= room)
            break;
    }
}

void CQuillboxView::FitListFont()
{
    // The list writes in the view's small font: the application's is too wide for its dates.
    if (m_listReminders)
        m_listReminders->setFont(m_fonts.Get(FontRole::Normal));
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
    FitSelectorFont();
    PlaceChildren();
}

QImage CQuillboxView::Render()
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!m_bInitialized)
        return image;
    const bool compact = height() < 200;
    // The cached month also goes stale at midnight: today's mark moves.
    const int today = DayKey(Clock::Now());
    if (m_state.m_nViewType == ViewMode::Calendar && m_state.m_bCalendarValid &&
        m_state.m_bCalendarCompact == compact && m_calendarCache.size() == size() &&
        m_calendarToday == today) {
        m_rows.clear();
        return m_calendarCache;
    }
    m_bPainting = true;
    {
        QtSurface surface(image, m_fonts);
        PaintContext ctx{m_state, m_student, m_teachers, Rect{0, 0, width(), height()},
                         Clock::Now()};
        PaintView(surface, ctx, &m_rows);
        if (m_peek && m_state.m_nViewType == ViewMode::ClassDetail)
            DrawPeekBox(surface, *m_peek);
    }
    m_bPainting = false;
    if (m_state.m_nViewType == ViewMode::Calendar) {
        m_calendarCache = image;
        m_calendarToday = today;
    }
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

void CQuillboxView::OnViewTypePicked(int index)
{
    if (index < 0)
        return;
    m_nav.SelectViewType(index);
}

void CQuillboxView::SelectViewType(int index)
{
    if (m_comboView)
        m_comboView->setCurrentIndex(index);
    OnViewTypePicked(index);
}

bool CQuillboxView::ExitPath()
{
    const SaveReport saved = SaveData(m_student, m_teachers);
    if (!saved.ok()) {
        const QString text =
            saved.message() + QStringLiteral("\n\n") +
            tr("Quit anyway? Changes since the last successful save will be lost.");
        if (m_dialogs.Ask(text, tr("Quillbox")) != Prompter::Yes)
            return false;
    }
    const int sel = m_comboView ? m_comboView->currentIndex() : -1;
    if (sel >= 0 && sel <= 2) {
        Settings::WriteInt(Settings::Key::ViewType, sel);
        Settings::WriteInt(Settings::Key::DayAsOnly, m_state.m_nDayMode);
    }
    return true;
}

// ---------------------------------------------------------------- taps

void CQuillboxView::mousePressEvent(QMouseEvent *event)
{
    if (!m_bInitialized || event->button() != Qt::LeftButton)
        return;
    // The hit test walks the rows as the drawing lays them out now.
    Render();
    QImage scratch(1, 1, QImage::Format_RGB32);
    QtSurface measure(scratch, m_fonts);
    const QPoint p = event->position().toPoint();
    const std::optional<PeekBox> peek = m_nav.Tap(p.x(), p.y(), ClientRect(), m_rows, measure);
    if (peek) {
        m_peek = peek;
        update();
    }
}

void CQuillboxView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_bInitialized || !(event->buttons() & Qt::LeftButton) ||
        m_state.m_nViewType != ViewMode::ClassDetail)
        return;
    QImage scratch(1, 1, QImage::Format_RGB32);
    QtSurface measure(scratch, m_fonts);
    const QPoint p = event->position().toPoint();
    const std::optional<PeekBox> peek = m_nav.Peek(p.x(), p.y(), ClientRect(), measure);
    if (peek) {
        m_peek = peek;
        update();
    }
}

void CQuillboxView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_bInitialized && event->button() == Qt::LeftButton &&
        m_state.m_nViewType == ViewMode::ClassDetail)
        Repaint();
}

void CQuillboxView::ShowReminderList(bool show)
{
    if (!m_listReminders)
        return;
    if (show && m_state.m_nSelClass >= 0 && m_state.m_nSelClass < m_student.m_classes.size()) {
        m_listReminders->Fill(m_student.m_classes[m_state.m_nSelClass]);
        m_listReminders->show();
    } else {
        m_listReminders->hide();
        FitListFont();
    }
}

int CQuillboxView::ReminderListSelection()
{
    return m_listReminders && m_listReminders->isVisible() ? m_listReminders->SelectedRow() : -1;
}

void CQuillboxView::Repaint()
{
    m_peek.reset();
    update();
}

bool CQuillboxView::PickDate(CTime initial, CTime &picked)
{
    return m_dialogs.PickDate(this, initial, picked);
}

QMenu *CQuillboxView::BuildMenu()
{
    auto *menu = new QMenu(this);
    auto add = [&](const QString &text, int id, auto slot) {
        QAction *a = menu->addAction(text);
        a->setData(id);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    auto id = [](MenuCommand c) { return static_cast<int>(c); };
    add(tr("About ..."), id(MenuCommand::About), [this] { ShowAbout(this); });
    add(tr("Show Welcome"), id(MenuCommand::ShowWelcome), [this] { m_dialogs.RunWelcome(this); });
    menu->addSeparator();
    add(tr("Add Class..."), id(MenuCommand::AddClass), [this] { m_editor.AddClass(); });
    add(tr("Remove Class..."), id(MenuCommand::RemoveClass), [this] { m_editor.RemoveClass(); });
    menu->addSeparator();
    add(tr("Add Reminder..."), id(MenuCommand::AddReminder),
        [this] { m_editor.AddReminderFromMenu(); });
    add(tr("Remove Reminder"), id(MenuCommand::RemoveReminder),
        [this] { m_editor.RemoveReminder(); });
    menu->addSeparator();
    add(tr("Export Term..."), id(MenuCommand::ExportTerm), [this] { ExportTermCommand(); });
    add(tr("Configuration"), id(MenuCommand::Configuration), [this] { Configure(); });
    menu->addSeparator();
    add(tr("Exit"), id(MenuCommand::Exit), [this] { Exit(); });
    return menu;
}

void CQuillboxView::ShowMenu()
{
    QMenu *menu = BuildMenu();
    m_dialogs.ExecMenu(menu, mapToGlobal(QPoint(58, height() - 25)));
    menu->deleteLater();
}

void CQuillboxView::Exit()
{
    if (window() != this) {
        window()->close(); // the frame takes the exit path as it closes
        return;
    }
    if (ExitPath())
        QCoreApplication::exit(0);
}

void CQuillboxView::Inform(const QString &text)
{
    m_dialogs.Inform(text, tr("Quillbox"));
}

bool CQuillboxView::SaveCommand()
{
    const SaveReport saved = SaveData(m_student, m_teachers);
    if (!saved.ok())
        m_dialogs.Inform(saved.message(), tr("Quillbox"));
    return saved.ok();
}

void CQuillboxView::ToggleDone(int reminder)
{
    m_editor.ToggleDoneInList(reminder);
}

void CQuillboxView::RefillReminderList()
{
    if (m_listReminders && !m_listReminders->isHidden() && m_state.m_nSelClass >= 0 &&
        m_state.m_nSelClass < m_student.m_classes.size())
        m_listReminders->Fill(m_student.m_classes[m_state.m_nSelClass]);
}

void CQuillboxView::ClearReminderListSelection()
{
    if (m_listReminders)
        m_listReminders->clearSelection();
}

void CQuillboxView::SetReminderImage(int row, bool done)
{
    if (m_listReminders && !m_listReminders->isHidden())
        m_listReminders->SetRowImage(row, done ? 1 : 0);
}

ViewMode CQuillboxView::SelectorMode()
{
    return MainModeFromIndex(m_comboView ? m_comboView->currentIndex() : 0);
}

void CQuillboxView::ExportTermCommand()
{
    const QString suggested = QDir(DocumentsDir()).filePath(QStringLiteral("Quillbox term.ics"));
    QString path;
    if (m_dialogs.PickSaveFile(this, tr("Export Term"), suggested, tr("iCalendar files (*.ics)"),
                               path))
        ExportTerm(m_student, path, std::nullopt, m_dialogs);
}

void CQuillboxView::DataChanged()
{
    m_state.m_bCalendarValid = false;
    Repaint();
}

void CQuillboxView::RunCommand(Command c)
{
    switch (c) {
    case Command::Done:
        if (m_state.m_nViewType == ViewMode::ReminderDetail)
            m_editor.ToggleDoneShown();
        break;
    case Command::Edit:
        m_editor.Edit();
        break;
    case Command::Add:
        m_editor.Add();
        break;
    case Command::Remove:
        m_editor.Remove();
        break;
    case Command::SelectMonth:
        SelectMonth();
        break;
    case Command::Transfer:
        if (m_state.m_nViewType == ViewMode::ReminderDetail)
            TransferReminder(m_student, m_state.m_nSelClass, m_state.m_nSelReminder,
                             Settings::ReadInt(Settings::Key::AssignTask),
                             Settings::ReadInt(Settings::Key::AssignAppt), PimFolder(), m_dialogs);
        else if (m_state.m_nViewType == ViewMode::InstructorDetail)
            TransferInstructor(m_student, m_state.m_nSelClass,
                               Settings::ReadText(Settings::Key::SchoolName), PimFolder(),
                               m_dialogs);
        break;
    default:
        break;
    }
}

void CQuillboxView::CalendarTap(int x, int y)
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    QtSurface measure(scratch, m_fonts);
    const CalendarHit hit = CalendarHitTest(measure, m_state, ClientRect(), x, y);
    switch (hit.kind) {
    case CalendarHit::PreviousMonth:
    case CalendarHit::NextMonth:
        m_state.m_timeMonth =
            ShiftMonth(m_state.m_timeMonth, hit.kind == CalendarHit::PreviousMonth ? -1 : 1);
        m_state.m_bCalendarValid = false;
        Repaint();
        break;
    case CalendarHit::Day:
        m_state.m_timeDay = CTime::FromLocal(hit.year, hit.month, hit.day, 0, 0, 0);
        m_state.ClearSelection();
        m_state.m_nPrevViewType = ViewMode::Calendar;
        m_state.m_nViewType = ViewMode::Day;
        m_state.ResetDayScroll();
        ShowReminderList(false);
        Repaint();
        break;
    case CalendarHit::None:
        break;
    }
}

void CQuillboxView::SelectMonth()
{
    const CTime::Fields f = m_state.m_timeMonth.GetLocal();
    int year = f.year, month = f.month;
    if (!m_dialogs.SelectMonth(this, year, month))
        return;
    m_state.m_timeMonth = CTime::FromLocal(year, month, 1, 0, 0, 0);
    m_state.m_bCalendarValid = false;
    Repaint();
}

void CQuillboxView::EnterMode(ViewMode mode)
{
    m_state.m_nViewType = mode;
    ShowReminderList(mode == ViewMode::ClassDetail);
    Repaint();
}

void CQuillboxView::Configure()
{
    CConfigSheet sheet(ViewOptions::FromView(m_state), m_dialogs, this);
    if (sheet.exec() != QDialog::Accepted)
        return;
    // What the work after OK does to the window.
    struct Host : ConfigHost {
        CQuillboxView &v;
        explicit Host(CQuillboxView &view) : v(view) {}
        void RecreateFonts() override { v.CreateFonts(true); }
        void SetListRowColor(int scheme) override
        {
            if (!v.m_listReminders)
                return;
            v.m_listReminders->SetOddRowColor(Scheme(scheme).row);
            v.m_listReminders->viewport()->repaint();
        }
        void ShowReminderList(bool show) override { v.ShowReminderList(show); }
        void Back() override { v.m_nav.Back(); }
        ViewMode SelectorMode() override
        {
            return MainModeFromIndex(v.m_comboView ? v.m_comboView->currentIndex() : 0);
        }
        void Repaint() override { v.Repaint(); }
    } host(*this);
    Configuration(m_state, m_student, m_teachers, host, m_dialogs)
        .Apply(sheet.ViewPage(), sheet.Requests(), Clock::Now());
}
