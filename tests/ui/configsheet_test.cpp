// The Configuration sheet's and the file picker's wiring: pages read when shown and write on OK
// only when shown, the title bar boxes, the buttons' requests, and the picker's folders and OK.

#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "storage/settings.h"
#include "support/files.h"
#include "support/isolatedsettings.h"
#include "support/scripteddialogs.h"
#include "support/termbuilder.h"
#include "ui/configsheet.h"
#include "ui/selectfiledlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

using Settings::Key;

class ConfigSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        SetDataDir(m_dir.filePath(QStringLiteral("data")));
        SetDocumentsDir(m_dir.filePath(QStringLiteral("Documents")));
        m_home = qgetenv("HOME");
        qputenv("HOME", m_dir.filePath(QStringLiteral("home")).toUtf8());
    }
    void TearDown() override
    {
        qputenv("HOME", m_home);
        SetDataDir(QString());
        SetDocumentsDir(QString());
    }
    std::unique_ptr<CConfigSheet> Sheet(const ViewOptions &from = {})
    {
        auto sheet = std::make_unique<CConfigSheet>(
            from, prompter, nullptr,
            [this](CGradeTypeArray &chart) {
                chart = chartOnOk;
                return true;
            },
            [this](QString &file) {
                file = pickedFile;
                return true;
            });
        sheet->show();
        return sheet;
    }
    template <typename W> static W *Find(QWidget *in, const char *name)
    {
        W *w = in->findChild<W *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static QStringList Stored()
    {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Larkware"),
                    QStringLiteral("Quillbox"));
        return s.allKeys();
    }

    IsolatedSettings m_settings;
    QTemporaryDir m_dir;
    QByteArray m_home;
    ScriptedPrompter prompter;
    CGradeTypeArray chartOnOk;
    QString pickedFile;
};

TEST_F(ConfigSheetTest, pagesWriteOnlyOnOk_andOnlyWhenShown)
{
    Settings::WriteInt(Key::HideNoDays, 1);
    Settings::WriteText(Key::SchoolName, QStringLiteral("Lakeside"));
    const QStringList before = Stored();
    {
        auto sheet = Sheet();
        EXPECT_TRUE(Find<QCheckBox>(sheet.get(), "hideNoDays")->isChecked()); // read on opening
        Find<QCheckBox>(sheet.get(), "hideNoDays")->click();
        sheet->Tabs()->setCurrentIndex(1);
        EXPECT_EQ(Find<QLineEdit>(sheet.get(), "schoolName")->text(), QStringLiteral("Lakeside"));
        Find<QLineEdit>(sheet.get(), "schoolName")->setText(QStringLiteral("Hill"));
        sheet->reject();
    }
    EXPECT_EQ(Stored(), before);
    {
        auto sheet = Sheet();
        Find<QCheckBox>(sheet.get(), "hideNoDays")->click();
        sheet->accept(); // the School page was never shown
        EXPECT_FALSE(sheet->ViewPage().hideNoDays);
    }
    EXPECT_EQ(Settings::ReadInt(Key::HideNoDays), 0);
    EXPECT_EQ(Stored(), before);
    {
        auto sheet = Sheet();
        sheet->Tabs()->setCurrentIndex(1);
        Find<QLineEdit>(sheet.get(), "schoolName")->setText(QStringLiteral("Hill"));
        Find<QCheckBox>(sheet.get(), "assignAppt")->click();
        sheet->accept();
    }
    EXPECT_EQ(Settings::ReadText(Key::SchoolName), QStringLiteral("Hill"));
    EXPECT_EQ(Settings::ReadInt(Key::AssignTask), 1);
    EXPECT_EQ(Settings::ReadInt(Key::AssignAppt), 1);
}

TEST_F(ConfigSheetTest, titleBarsEnablesTheBarStyles_horizontalGradientStaysEnabled)
{
    ViewOptions from;
    from.titleBars = false;
    from.colorScheme = 3;
    auto sheet = Sheet(from);
    QCheckBox *titleBars = Find<QCheckBox>(sheet.get(), "titleBars");
    QCheckBox *gradient = Find<QCheckBox>(sheet.get(), "gradient");
    QCheckBox *thinBar = Find<QCheckBox>(sheet.get(), "thinBar");
    QCheckBox *horz = Find<QCheckBox>(sheet.get(), "horzGradient");
    EXPECT_EQ(Find<QComboBox>(sheet.get(), "colorScheme")->currentText(), QStringLiteral("Purple"));
    for (const bool on : {false, true, false}) {
        SCOPED_TRACE(on);
        EXPECT_EQ(titleBars->isChecked(), on);
        EXPECT_EQ(gradient->isEnabled(), on);
        EXPECT_EQ(thinBar->isEnabled(), on);
        EXPECT_TRUE(horz->isEnabled());
        titleBars->click();
    }
}

TEST_F(ConfigSheetTest, defaultGradingIsSavedAtOnce_andKeptWhenTheSheetIsCancelled)
{
    chartOnOk = MakeTerm(1, 0).m_classes[0].m_gradeChart;
    chartOnOk.removeFirst();
    auto sheet = Sheet();
    sheet->Tabs()->setCurrentIndex(1);
    Find<QPushButton>(sheet.get(), "defaultGrading")->click();
    sheet->reject();
    EXPECT_EQ(ReadBytes(DataFilePath(kGradeChartFile)), EncodeGradeChart(chartOnOk));
}

TEST_F(ConfigSheetTest, maintenanceButtons_recordRequestsAndDisable)
{
    pickedFile = QStringLiteral("/terms/SDBackupEnd-1-2-2003-95");
    auto sheet = Sheet();
    sheet->Tabs()->setCurrentIndex(2);
    QPushButton *buttons[] = {
        Find<QPushButton>(sheet.get(), "cleanup"), Find<QPushButton>(sheet.get(), "newTerm"),
        Find<QPushButton>(sheet.get(), "restore"), Find<QPushButton>(sheet.get(), "backup")};
    buttons[3]->click();
    EXPECT_FALSE(buttons[3]->isEnabled());
    EXPECT_TRUE(buttons[0]->isEnabled() && buttons[1]->isEnabled() && buttons[2]->isEnabled());
    prompter.answers = {Prompter::Yes};
    buttons[2]->click();
    for (QPushButton *b : buttons)
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_TRUE(sheet->Requests().backup && sheet->Requests().restore);
    EXPECT_EQ(sheet->Requests().restoreFile, pickedFile);
}

TEST_F(ConfigSheetTest, filePicker_startsAtHome_upStaysThere_okNeedsARow_foldersOpen)
{
    const QDir home(QDir::homePath());
    ASSERT_TRUE(home.mkpath(QStringLiteral("Documents")));
    WriteBytes(home.filePath(QStringLiteral("Documents/QuillboxStudent-1-2-2003-95.stn")), "x");
    WriteBytes(home.filePath(QStringLiteral("notes.txt")), "x");
    SetDocumentsDir(home.filePath(QStringLiteral("Documents")));

    CSelectFileDlg dlg(prompter);
    dlg.show();
    auto *files = Find<QTreeWidget>(&dlg, "files");
    auto *folders = Find<QComboBox>(&dlg, "folder");
    EXPECT_EQ(dlg.Folder(), QDir::cleanPath(home.path()));
    EXPECT_GE(folders->findText(DataDir()), 0);
    EXPECT_GE(folders->findText(DocumentsDir()), 0);
    Find<QToolButton>(&dlg, "up")->click();
    EXPECT_EQ(dlg.Folder(), QDir::cleanPath(home.path()));
    ASSERT_EQ(files->topLevelItemCount(), 1);
    EXPECT_EQ(files->topLevelItem(0)->text(0), QStringLiteral("Documents"));

    dlg.accept();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, QStringLiteral("No File Selected."));
    EXPECT_TRUE(dlg.isVisible());

    emit files->itemDoubleClicked(files->topLevelItem(0), 0);
    EXPECT_EQ(dlg.Folder(), DocumentsDir());
    ASSERT_EQ(files->topLevelItemCount(), 1);
    files->setCurrentItem(files->topLevelItem(0));
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.File(), DocumentsDir() + QStringLiteral("/QuillboxStudent-1-2-2003-95.stn"));
}

} // namespace
