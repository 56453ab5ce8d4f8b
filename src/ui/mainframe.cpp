#include "ui/mainframe.h"

#include "ui/aboutdlg.h"
#include "ui/help.h"
#include "ui/quillboxview.h"
#include "view/images.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>

CMainFrame::CMainFrame(CQuillboxView *view, QWidget *parent) : QMainWindow(parent), m_view(view)
{
    setWindowTitle(tr("Quillbox"));
    setWindowIcon(ProgramIcon());
    setCentralWidget(m_view);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&About ..."), this, [this] { ShowAbout(this); });
    help->addAction(tr("Contents"), this, [] { OpenHelpContents(); });

    auto *quit = new QAction(tr("Quit"), this);
    quit->setShortcut(QKeySequence::Quit);
    quit->setShortcutContext(Qt::ApplicationShortcut);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    addAction(quit);

    // The save command, also on the keyboard.
    auto *save = new QAction(tr("Save"), this);
    save->setShortcut(QKeySequence::Save);
    save->setShortcutContext(Qt::ApplicationShortcut);
    connect(save, &QAction::triggered, this, [this] { m_view->SaveCommand(); });
    addAction(save);
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    if (m_exitDone || m_view->ExitPath()) {
        m_exitDone = true;
        event->accept();
    } else {
        event->ignore();
    }
}
