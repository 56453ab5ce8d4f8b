// The Configuration sheet's wiring: pages read when shown and written on OK only when shown, the
// title bar boxes, and the buttons with the dialogs they open (the grade list, the file picker).

#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "storage/settings.h"
#include "support/files.h"
#include "support/isolatedsettings.h"
#include "support/modal.h"
#include "support/scripteddialogs.h"
#include "ui/configsheet.h"
#include "ui/gradelistdlg.h"
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

template <typename W> W *Find(QWidget *in, const char *name)
{
    W *w = in->findChild<W *>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

class ConfigSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        SetDataDir(m_dir.filePath("data"));
        SetDocumentsDir(m_dir.filePath("home/Documents"));
        m_home = qgetenv("HOME");
        qputenv("HOME", m_dir.filePath("home").toUtf8());
    }
    void TearDown() override
    {
        qputenv("HOME", m_home);
        SetDataDir(QString());
        SetDocumentsDir(QString());
    }
    std::unique_ptr<CConfigSheet> Sheet(const ViewOptions &from = {}, int page = 0)
    {
        auto sheet = std::make_unique<CConfigSheet>(from, prompter);
        sheet->show();
        sheet->Tabs()->setCurrentIndex(page);
        return sheet;
    }
    static QStringList Stored()
    {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Larkware", "Quillbox")
            .allKeys();
    }

    IsolatedSettings m_settings;
    QTemporaryDir m_dir;
    QByteArray m_home;
    ScriptedPrompter prompter;
};

TEST_F(ConfigSheetTest, pagesWriteOnlyOnOk_andOnlyWhenShown)
{
    Settings::WriteInt(Key::HideNoDays, 1);
    Settings::WriteText(Key::SchoolName, "Lakeside");
    const QStringList before = Stored();
    {
        auto sheet = Sheet();
        EXPECT_TRUE(Find<QCheckBox>(sheet.get(), "hideNoDays")->isChecked()); // read on opening
        Find<QCheckBox>(sheet.get(), "hideNoDays")->click();
        sheet->Tabs()->setCurrentIndex(1);
        EXPECT_EQ(Find<QLineEdit>(sheet.get(), "schoolName")->text(), "Lakeside");
        Find<QLineEdit>(sheet.get(), "schoolName")->setText("Hill");
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
        auto sheet = Sheet({}, 1);
        Find<QLineEdit>(sheet.get(), "schoolName")->setText("Hill");
        Find<QCheckBox>(sheet.get(), "assignAppt")->click();
        sheet->accept();
    }
    EXPECT_EQ(Settings::ReadText(Key::SchoolName), "Hill");
    EXPECT_EQ(Settings::ReadInt(Key::AssignTask), 1);
    EXPECT_EQ(Settings::ReadInt(Key::AssignAppt), 1);
}

TEST_F(ConfigSheetTest, titleBarsEnablesTheBarStyles_horizontalGradientStaysEnabled)
{
    ViewOptions from;
    from.titleBars = false;
    from.colorScheme = 3;
    auto sheet = Sheet(from);
    auto *titleBars = Find<QCheckBox>(sheet.get(), "titleBars");
    EXPECT_EQ(Find<QComboBox>(sheet.get(), "colorScheme")->currentText(), "Purple");
    for (const bool on : {false, true, false}) {
        SCOPED_TRACE(on);
        EXPECT_EQ(titleBars->isChecked(), on);
        EXPECT_EQ(Find<QCheckBox>(sheet.get(), "gradient")->isEnabled(), on);
        EXPECT_EQ(Find<QCheckBox>(sheet.get(), "thinBar")->isEnabled(), on);
        EXPECT_TRUE(Find<QCheckBox>(sheet.get(), "horzGradient")->isEnabled());
        titleBars->click();
    }
}

TEST_F(ConfigSheetTest, defaultGrading_savedAtOnceFromTheGradeList_keptWhenTheSheetIsCancelled)
{
    auto sheet = Sheet({}, 1);
    CGradeTypeArray chart;
    Answer<CGradeListDlg>([&] { Find<QPushButton>(sheet.get(), "defaultGrading")->click(); },
                          [&](CGradeListDlg &list) {
                              Find<QPushButton>(&list, "preset4")->click();
                              list.accept();
                              chart = list.Chart();
                          });
    sheet->reject();
    ASSERT_FALSE(chart.isEmpty());
    EXPECT_EQ(ReadBytes(DataFilePath(kGradeChartFile)), EncodeGradeChart(chart));
}

// Restore asks, then the file picker: it starts at home, Up stays there, OK needs a row, a
// folder row opens the folder, and the chosen file becomes the request.
TEST_F(ConfigSheetTest, maintenance_backupAndRestoreThroughTheFilePicker)
{
    const QDir home(QDir::homePath());
    ASSERT_TRUE(home.mkpath("Documents"));
    WriteBytes(home.filePath("Documents/QuillboxStudent-1-2-2003-95.stn"), "x");
    WriteBytes(home.filePath("notes.txt"), "x");
    auto sheet = Sheet({}, 2);
    QPushButton *buttons[] = {
        Find<QPushButton>(sheet.get(), "cleanup"), Find<QPushButton>(sheet.get(), "newTerm"),
        Find<QPushButton>(sheet.get(), "restore"), Find<QPushButton>(sheet.get(), "backup")};
    buttons[3]->click();
    EXPECT_FALSE(buttons[3]->isEnabled());
    EXPECT_TRUE(buttons[0]->isEnabled() && buttons[1]->isEnabled() && buttons[2]->isEnabled());

    prompter.answers = {Prompter::Yes, Prompter::Yes};
    Answer<CSelectFileDlg>([&] { buttons[2]->click(); }, [](CSelectFileDlg &dlg) { dlg.reject(); });
    EXPECT_FALSE(sheet->Requests().restore);
    EXPECT_TRUE(buttons[2]->isEnabled());
    Answer<CSelectFileDlg>([&] { buttons[2]->click(); },
                           [&](CSelectFileDlg &dlg) {
                               auto *files = Find<QTreeWidget>(&dlg, "files");
                               EXPECT_EQ(dlg.Folder(), QDir::cleanPath(home.path()));
                               EXPECT_GE(Find<QComboBox>(&dlg, "folder")->findText(DataDir()), 0);
                               Find<QToolButton>(&dlg, "up")->click();
                               EXPECT_EQ(dlg.Folder(), QDir::cleanPath(home.path()));
                               ASSERT_EQ(files->topLevelItemCount(), 1); // notes.txt is not shown
                               EXPECT_EQ(files->topLevelItem(0)->text(0), "Documents");
                               dlg.accept();
                               EXPECT_EQ(prompter.shown.back().text, "No File Selected.");
                               EXPECT_TRUE(dlg.isVisible());
                               emit files->itemDoubleClicked(files->topLevelItem(0), 0);
                               EXPECT_EQ(dlg.Folder(), DocumentsDir());
                               ASSERT_EQ(files->topLevelItemCount(), 1);
                               files->setCurrentItem(files->topLevelItem(0));
                               dlg.accept();
                           });
    for (QPushButton *b : buttons)
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_TRUE(sheet->Requests().backup && sheet->Requests().restore);
    EXPECT_EQ(sheet->Requests().restoreFile, DocumentsDir() + "/QuillboxStudent-1-2-2003-95.stn");
}

} // namespace
