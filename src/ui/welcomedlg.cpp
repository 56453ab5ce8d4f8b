#include "ui/welcomedlg.h"

#include "ui_welcomedlg.h"
#include "view/images.h"

#include <QPixmap>

namespace {
const int kWelcomeBanner = 189;
}

CWelcomeDlg::CWelcomeDlg(QWidget *parent) : QDialog(parent), m_ui(new Ui::CWelcomeDlg)
{
    m_ui->setupUi(this);

    const QImage &banner = Bitmap(kWelcomeBanner);
    if (banner.isNull())
        m_ui->banner->hide();
    else
        m_ui->banner->setPixmap(QPixmap::fromImage(banner));

    // The same pictures as the command strip; a missing one leaves its 20 x 20 cell empty.
    const std::pair<QLabel *, int> images[] = {
        {m_ui->exitImage, Res::Cross},   {m_ui->menuImage, Res::LetterM},
        {m_ui->editImage, Res::Pencil},  {m_ui->viewImage, Res::Magnifier},
        {m_ui->addImage, Res::Plus},     {m_ui->removeImage, Res::Minus},
        {m_ui->doneImage, Res::RedTick}, {m_ui->transferImage, Res::Transfer},
    };
    for (const auto &[label, id] : images) {
        const QImage &image = Bitmap(id);
        if (!image.isNull())
            label->setPixmap(QPixmap::fromImage(image));
    }

    connect(m_ui->startButton, &QPushButton::clicked, this, &QDialog::accept);
}

CWelcomeDlg::~CWelcomeDlg() = default;
