// The Welcome and About dialogs.

#include "ui/aboutdlg.h"
#include "ui/welcomedlg.h"
#include "view/images.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A modal dialog that a broken test fails to close is closed after this, so the test fails
// instead of hanging.
const int kRescueMs = 5000;

QLabel *LabelWithText(const QWidget &parent, const QString &text)
{
    for (QLabel *label : parent.findChildren<QLabel *>())
        if (label->text() == text)
            return label;
    return nullptr;
}

QPushButton *ButtonWithText(const QWidget &parent, const QString &text)
{
    for (QPushButton *button : parent.findChildren<QPushButton *>())
        if (button->text() == text)
            return button;
    return nullptr;
}

QImage Comparable(const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); }

struct TutorialRow {
    int image;
    const char *text;
};
const TutorialRow kTutorial[] = {
    {Res::Cross, "Exit the Program."},        {Res::LetterM, "Show the Menu."},
    {Res::Pencil, "Edit Selected Item."},     {Res::Magnifier, "View Selected Item."},
    {Res::Plus, "Add a Class or Reminder."},  {Res::Minus, "Remove Selected Item."},
    {Res::RedTick, "Mark Reminder as Done."}, {Res::Transfer, "Transfer Item to Outlook."},
};

QGroupBox *Tutorial(const QWidget &dlg)
{
    for (QGroupBox *box : dlg.findChildren<QGroupBox *>())
        if (box->title() == QStringLiteral("Quick Tutorial:"))
            return box;
    return nullptr;
}

TEST(WelcomeDialogTest, tutorial_listsTheEightButtonsInOrder)
{
    CWelcomeDlg dlg;
    QGroupBox *box = Tutorial(dlg);
    ASSERT_NE(box, nullptr);
    auto *grid = qobject_cast<QGridLayout *>(box->layout());
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->rowCount(), 8);

    for (int row = 0; row < 8; ++row) {
        auto *image = qobject_cast<QLabel *>(grid->itemAtPosition(row, 0)->widget());
        auto *text = qobject_cast<QLabel *>(grid->itemAtPosition(row, 1)->widget());
        ASSERT_TRUE(image && text) << "row " << row;
        EXPECT_EQ(text->text(), QString::fromLatin1(kTutorial[row].text));
        const QImage &expected = Bitmap(kTutorial[row].image);
        ASSERT_FALSE(expected.isNull()) << "image " << kTutorial[row].image;
        EXPECT_EQ(Comparable(image->pixmap().toImage()), Comparable(expected))
            << "row " << row << " shows the wrong picture";
    }
}

TEST(WelcomeDialogTest, dialog_hasTitleBannerAndHeadingAboveTutorial)
{
    CWelcomeDlg dlg;
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Welcome"));

    QLabel *heading = LabelWithText(dlg, QStringLiteral("Welcome to \"Quillbox\""));
    ASSERT_NE(heading, nullptr);
    QGroupBox *box = Tutorial(dlg);
    ASSERT_NE(box, nullptr);
    EXPECT_LT(heading->geometry().bottom(), box->geometry().top());

    auto *banner = dlg.findChild<QLabel *>(QStringLiteral("banner"));
    ASSERT_NE(banner, nullptr);
    const QImage &bannerImage = Bitmap(189);
    if (bannerImage.isNull()) {
        EXPECT_FALSE(banner->isVisible());
    } else {
        EXPECT_TRUE(banner->isVisible());
        EXPECT_EQ(banner->pixmap().size(), bannerImage.size());
        EXPECT_EQ(banner->geometry().top(), 0);
        EXPECT_LT(banner->geometry().bottom(), heading->geometry().top());
    }
}

TEST(WelcomeDialogTest, dialog_fitsTheNarrowWindowWithoutCuttingText)
{
    CWelcomeDlg dlg;
    dlg.show();
    EXPECT_LE(dlg.width(), 240);
    for (const TutorialRow &row : kTutorial) {
        QLabel *label = LabelWithText(dlg, QString::fromLatin1(row.text));
        ASSERT_NE(label, nullptr);
        EXPECT_GE(label->width(), label->sizeHint().width()) << row.text;
        EXPECT_LE(label->mapTo(&dlg, QPoint(label->width(), 0)).x(), dlg.width()) << row.text;
    }
    QPushButton *start = ButtonWithText(dlg, QStringLiteral("Start Using it"));
    ASSERT_NE(start, nullptr);
    EXPECT_GE(start->width(), start->sizeHint().width());
}

TEST(WelcomeDialogTest, startUsingIt_closesTheModalDialogAccepted)
{
    CWelcomeDlg dlg;
    bool clicked = false;
    QTimer::singleShot(0, &dlg, [&] {
        if (QPushButton *start = ButtonWithText(dlg, QStringLiteral("Start Using it"))) {
            clicked = true;
            start->click();
        }
    });
    QTimer::singleShot(kRescueMs, &dlg, &QDialog::reject);
    EXPECT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_TRUE(clicked);
    EXPECT_FALSE(dlg.isVisible());
}

TEST(AboutDialogTest, dialog_showsIconAndVersion)
{
    CAboutDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("About..."));
    EXPECT_NE(LabelWithText(dlg, QStringLiteral("Quillbox, Version 2.02")), nullptr);
    ASSERT_FALSE(ProgramIcon().isNull());
    auto *icon = dlg.findChild<QLabel *>(QStringLiteral("icon"));
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull());
}

TEST(AboutDialogTest, showAbout_runsModallyUntilOk)
{
    QString seenTitle;
    bool sawVersion = false;
    QTimer::singleShot(0, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        seenTitle = modal->windowTitle();
        sawVersion = LabelWithText(*modal, QStringLiteral("Quillbox, Version 2.02")) != nullptr;
        if (auto *buttons = modal->findChild<QDialogButtonBox *>())
            if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok))
                ok->click();
    });
    bool rescued = false;
    QTimer rescue;
    rescue.setSingleShot(true);
    QObject::connect(&rescue, &QTimer::timeout, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            rescued = true;
            modal->close();
        }
    });
    rescue.start(kRescueMs);

    ShowAbout(nullptr);
    EXPECT_EQ(seenTitle, QStringLiteral("About..."));
    EXPECT_TRUE(sawVersion);
    EXPECT_FALSE(rescued) << "OK did not close the About dialog";
}

} // namespace
