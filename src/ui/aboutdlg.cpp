#include "ui/aboutdlg.h"

#include "ui_aboutdlg.h"
#include "view/images.h"

#include <QIcon>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget *parent) : QDialog(parent), m_ui(new Ui::CAboutDlg)
{
    m_ui->setupUi(this);
    const QIcon icon = ProgramIcon();
    if (!icon.isNull())
        m_ui->icon->setPixmap(icon.pixmap(m_ui->icon->maximumSize()));
    connect(m_ui->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

CAboutDlg::~CAboutDlg() = default;

void ShowAbout(QWidget *parent)
{
    CAboutDlg dlg(parent);
    dlg.exec();
}
