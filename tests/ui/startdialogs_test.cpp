// The Welcome and About dialogs.

#include "support/modal.h"
#include "ui/aboutdlg.h"
#include "ui/welcomedlg.h"
#include "view/images.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

template <typename W> W *WithText(const QWidget &parent, const char *text)
{
    for (W *w : parent.findChildren<W *>())
        if (w->text() == QString::fromUtf8(text))
            return w;
    return nullptr;
}

TEST(WelcomeDialogTest, tutorial_eightButtonsInOrderBelowBannerAndHeading_nothingCut)
{
    const std::pair<int, const char *> rows[] = {
        {Res::Cross, "Exit the Program."},        {Res::LetterM, "Show the Menu."},
        {Res::Pencil, "Edit Selected Item."},     {Res::Magnifier, "View Selected Item."},
        {Res::Plus, "Add a Class or Reminder."},  {Res::Minus, "Remove Selected Item."},
        {Res::RedTick, "Mark Reminder as Done."}, {Res::Transfer, "Transfer Item to Outlook."},
    };
    CWelcomeDlg dlg;
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Welcome"));
    EXPECT_LE(dlg.width(), 240);
    auto *box = dlg.findChild<QGroupBox *>();
    QLabel *heading = WithText<QLabel>(dlg, "Welcome to \"Quillbox\"");
    ASSERT_TRUE(box && heading);
    EXPECT_EQ(box->title(), QStringLiteral("Quick Tutorial:"));
    EXPECT_LT(heading->geometry().bottom(), box->geometry().top());
    auto *banner = dlg.findChild<QLabel *>(QStringLiteral("banner"));
    ASSERT_NE(banner, nullptr);
    if (Bitmap(189).isNull()) {
        EXPECT_FALSE(banner->isVisible());
    } else {
        EXPECT_TRUE(banner->isVisible());
        EXPECT_EQ(banner->pixmap().size(), Bitmap(189).size());
        EXPECT_EQ(banner->geometry().top(), 0);
        EXPECT_LT(banner->geometry().bottom(), heading->geometry().top());
    }

    auto *grid = qobject_cast<QGridLayout *>(box->layout());
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->rowCount(), 8);
    for (int row = 0; row < 8; ++row) {
        SCOPED_TRACE(rows[row].second);
        auto *image = qobject_cast<QLabel *>(grid->itemAtPosition(row, 0)->widget());
        auto *text = qobject_cast<QLabel *>(grid->itemAtPosition(row, 1)->widget());
        ASSERT_TRUE(image && text);
        EXPECT_EQ(text->text(), QString::fromLatin1(rows[row].second));
        EXPECT_GE(text->width(), text->sizeHint().width());
        EXPECT_LE(text->mapTo(&dlg, QPoint(text->width(), 0)).x(), dlg.width());
        const QImage &expected = Bitmap(rows[row].first);
        ASSERT_FALSE(expected.isNull());
        EXPECT_EQ(image->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                  expected.convertToFormat(QImage::Format_RGB32));
    }
    QPushButton *start = WithText<QPushButton>(dlg, "Start Using it");
    ASSERT_NE(start, nullptr);
    EXPECT_GE(start->width(), start->sizeHint().width());
}

TEST(AboutDialogTest, showAbout_iconAndVersionLine_closesOnOk)
{
    ASSERT_FALSE(ProgramIcon().isNull());
    EXPECT_FALSE(
        RunModal([] { ShowAbout(nullptr); },
                 [&](QWidget *modal) {
                     EXPECT_EQ(modal->windowTitle(), "About...");
                     EXPECT_NE(WithText<QLabel>(*modal, "Quillbox, Version 2.02"), nullptr);
                     auto *icon = modal->findChild<QLabel *>("icon");
                     EXPECT_TRUE(icon && !icon->pixmap().isNull());
                     modal->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
                 }))
        << "OK did not close the About dialog";
}

} // namespace
