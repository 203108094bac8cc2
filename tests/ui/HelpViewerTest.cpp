// The help window frmIstruzioni driven through HelpLauncher, as the main
// window drives it: caption, placement, the text box's resize rule, reload on
// every activation, and the missing-file message followed by the unload. The
// message box is recorded instead of shown.
#include "FakeMessagePresenter.h"
#include "HelpLauncher.h"
#include "HelpViewer.h"
#include "Unprivileged.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace tarvek::ui
{
namespace
{

const QString kHelpFile = QStringLiteral("Tarvek_Config.rtf");
const QString kHelpTitle = QStringLiteral("Tarvek Config - Istruzioni");

using testing::FakeMessagePresenter;

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

int visibleViewers()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += widget->objectName() == QStringLiteral("frmIstruzioni") ? 1 : 0;
    return count;
}

class HelpViewerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid() && programFolder.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
    }
    void TearDown() override
    {
        launcher.unload();
        QDir::setCurrent(previous);
        visibleViewers();
    }

    // Opens the viewer and waits until its activation has run.
    HelpViewer *openHelp()
    {
        launcher.showManual(kHelpFile, kHelpTitle);
        HelpViewer *viewer = launcher.viewer();
        if (viewer) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(viewer));
        }
        return viewer;
    }

    void activateOther()
    {
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    }

    QString shownText() const { return launcher.viewer()->textBox()->toPlainText(); }

    QTemporaryDir folder;
    // Stands for the program's own folder, so that no test writes beside the
    // test program or depends on what lies there.
    QTemporaryDir programFolder;
    QString previous;
    FakeMessagePresenter messages;
    HelpLauncher launcher{messages, programFolder.path()};
    QWidget other;
};

TEST_F(HelpViewerTest, ApriShowsTheManualInATopLevelWindow)
{
    writeFile(kHelpFile, R"({\rtf1\ansi Hello \b world\b0\par})");
    HelpViewer *viewer = openHelp();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->objectName(), QStringLiteral("frmIstruzioni"));
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral(" Tarvek Config - Istruzioni"));
    EXPECT_EQ(viewer->helpFileName(), kHelpFile);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->parentWidget(), nullptr);
    EXPECT_FALSE(viewer->isModal());
    EXPECT_TRUE(viewer->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(viewer->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(viewer->textBox()->isReadOnly());
    EXPECT_EQ(shownText(), QStringLiteral("Hello world"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

// 9330 x 4725 twips are 622 x 315 pixels at 96 DPI. Centred with its frame,
// which the window system adds when the window is shown (2 pixels a side
// offscreen): the frame's margins to the screen's edges differ by at most the
// one pixel of rounding.
void ExpectCentredWithItsFrame(const HelpViewer *viewer)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = viewer->frameGeometry();
    ASSERT_NE(frame.size(), viewer->size()) << "no frame to centre with";
    EXPECT_LE(std::abs(frame.left() - screen.left() - (screen.right() - frame.right())), 1);
    EXPECT_LE(std::abs(frame.top() - screen.top() - (screen.bottom() - frame.bottom())), 1);
}

TEST_F(HelpViewerTest, OpensCentredEachTimeItIsCreated)
{
    writeFile(kHelpFile, "{\\rtf1 x}");
    ASSERT_EQ(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0);
    HelpViewer *viewer = openHelp();
    EXPECT_EQ(viewer->size(), QSize(622, 315));
    ExpectCentredWithItsFrame(viewer);

    viewer->move(5, 5); // the operator's move stays
    QCoreApplication::processEvents();
    EXPECT_EQ(viewer->pos(), QPoint(5, 5));
    viewer->close();
    EXPECT_EQ(launcher.viewer(), nullptr);
    ExpectCentredWithItsFrame(openHelp());
}

TEST_F(HelpViewerTest, ApriOnAnOpenViewerReusesAndReloadsIt)
{
    writeFile(kHelpFile, "{\\rtf1 first}");
    HelpViewer *viewer = openHelp();
    activateOther();
    writeFile(kHelpFile, "{\\rtf1 second}");
    launcher.showManual(kHelpFile, QStringLiteral("Other"));
    EXPECT_EQ(launcher.viewer(), viewer);
    ASSERT_TRUE(QTest::qWaitForWindowActive(viewer));
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral(" Other"));
    EXPECT_EQ(shownText(), QStringLiteral("second"));
}

TEST_F(HelpViewerTest, ReturningToTheWindowReloadsTheFile)
{
    writeFile(kHelpFile, "{\\rtf1 before}");
    HelpViewer *viewer = openHelp();
    activateOther();
    writeFile(kHelpFile, "{\\rtf1 after}");
    EXPECT_EQ(shownText(), QStringLiteral("before"));
    viewer->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(viewer));
    EXPECT_EQ(shownText(), QStringLiteral("after"));
}

TEST_F(HelpViewerTest, MissingFileIsReportedAndTheViewerUnloaded)
{
    launcher.showManual(kHelpFile, kHelpTitle);
    QTRY_COMPARE(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Tarvek"));
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Manca il file di help Tarvek_Config.rtf"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(launcher.viewer(), nullptr);
    EXPECT_EQ(visibleViewers(), 0);
}

// The main window closing while the missing-file box is open unloads the
// viewer and lets its deletion run; the box's return must not touch it.
TEST_F(HelpViewerTest, ViewerUnloadedWhileTheMissingFileBoxIsOpen)
{
    messages.whileShown = [this] {
        launcher.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    launcher.showManual(kHelpFile, kHelpTitle);
    QTRY_COMPARE(messages.shown.size(), 1);
    EXPECT_EQ(launcher.viewer(), nullptr);
    EXPECT_EQ(visibleViewers(), 0);
}

TEST_F(HelpViewerTest, FileRemovedWhileOpenIsReportedAtTheNextActivation)
{
    writeFile(kHelpFile, "{\\rtf1 x}");
    HelpViewer *viewer = openHelp();
    activateOther();
    QFile::remove(kHelpFile);
    viewer->activateWindow();
    QTRY_COMPARE(messages.shown.size(), 1);
    EXPECT_EQ(launcher.viewer(), nullptr);
    EXPECT_EQ(visibleViewers(), 0);
}

TEST_F(HelpViewerTest, EmptyFileCountsAsPresent)
{
    writeFile(kHelpFile, QByteArray());
    HelpViewer *viewer = openHelp();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(shownText().isEmpty());
}

TEST_F(HelpViewerTest, FileIsLookedUpInTheCurrentDirectory)
{
    writeFile(kHelpFile, "{\\rtf1 here}");
    QTemporaryDir elsewhere;
    QDir::setCurrent(elsewhere.path());
    launcher.showManual(kHelpFile, kHelpTitle);
    QTRY_COMPARE(messages.shown.size(), 1);

    QDir::setCurrent(folder.path());
    openHelp();
    EXPECT_EQ(shownText(), QStringLiteral("here"));
}

// When a file dialog has made a folder without the manual current, the
// manual beside the program is shown; one in the current folder comes first.
TEST_F(HelpViewerTest, ManualBesideTheProgramServesAnyCurrentFolder)
{
    writeFile(QDir(programFolder.path()).filePath(kHelpFile), "{\\rtf1 beside}");
    openHelp();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(shownText(), QStringLiteral("beside"));

    writeFile(kHelpFile, "{\\rtf1 here}");
    activateOther();
    openHelp();
    EXPECT_EQ(shownText(), QStringLiteral("here"));
}

// A manual the user may not read is present: no missing-file message; the
// box tells why it stays empty. As an ordinary user.
TEST_F(HelpViewerTest, UnreadableFileIsPresentAndSaysWhy)
{
    writeFile(kHelpFile, "{\\rtf1 secret}");
    testing::SetMode(kHelpFile, 0600);
    testing::MakeReachable(folder.path());
    const std::string notRun = testing::RunUnprivileged([&] {
        HelpViewer *viewer = openHelp();
        ASSERT_NE(viewer, nullptr);
        EXPECT_TRUE(messages.shown.isEmpty());
        EXPECT_TRUE(viewer->isVisible());
        EXPECT_EQ(shownText(), QStringLiteral("Tarvek_Config.rtf: Permission denied"));
    });
    if (!notRun.empty())
        GTEST_SKIP() << notRun;
}

TEST_F(HelpViewerTest, FileExistsIsTrueForFilesOnly)
{
    writeFile(kHelpFile, QByteArray());
    EXPECT_TRUE(HelpViewer::fileExists(kHelpFile));
    EXPECT_FALSE(HelpViewer::fileExists(QStringLiteral("absent.rtf")));
    EXPECT_FALSE(HelpViewer::fileExists(QStringLiteral(".")));
    EXPECT_FALSE(HelpViewer::fileExists(QString()));
}

TEST_F(HelpViewerTest, UnloadClosesTheViewer)
{
    writeFile(kHelpFile, "{\\rtf1 x}");
    openHelp();
    launcher.unload();
    EXPECT_EQ(launcher.viewer(), nullptr);
    EXPECT_EQ(visibleViewers(), 0);
    launcher.unload(); // nothing open: nothing happens
}

struct BoxCase {
    const char *name;
    QSize window;
    double dpi;
    QSize box;
};

class TextBoxRule : public ::testing::TestWithParam<BoxCase>
{
};

// The box is the whole window less 120 x 480 twips: 8 x 32 pixels at 96 DPI,
// 12 x 48 at 144 DPI; never smaller than 1 x 1.
TEST_P(TextBoxRule, FollowsTheWindow)
{
    EXPECT_EQ(HelpViewer::textBoxSize(GetParam().window, GetParam().dpi), GetParam().box);
}

const BoxCase kBoxCases[] = {
    {"DesignSize", QSize(630, 347), 96, QSize(622, 315)},
    {"HighDpi", QSize(630, 347), 144, QSize(618, 299)},
    {"JustAboveTheFrame", QSize(9, 33), 96, QSize(1, 1)},
    {"ExactlyTheFrame", QSize(8, 32), 96, QSize(1, 1)},
    {"SmallerThanTheFrame", QSize(3, 3), 96, QSize(1, 1)},
    {"WidthOnlyVanishes", QSize(4, 300), 96, QSize(1, 268)},
};

INSTANTIATE_TEST_SUITE_P(HelpViewer, TextBoxRule, ::testing::ValuesIn(kBoxCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(HelpViewerTest, TextBoxFillsTheWindowAndIgnoresMinimizing)
{
    writeFile(kHelpFile, "{\\rtf1 x}");
    HelpViewer *viewer = openHelp();
    // Without a reported frame the box fills the window; with one, the rule
    // applies to the whole window. Windows keeps a window at least as large
    // as its title bar, so the size asked for may not be the size it gets.
    const auto expectedBox = [viewer] {
        const QSize whole = viewer->frameGeometry().size();
        return QRect(QPoint(0, 0),
                     whole == viewer->size() ? viewer->size() : HelpViewer::textBoxSize(whole, 96));
    };
    viewer->resize(400, 250);
    QApplication::processEvents();
    EXPECT_EQ(viewer->textBox()->geometry(), expectedBox());
    viewer->resize(1, 1);
    QApplication::processEvents();
    EXPECT_EQ(viewer->textBox()->geometry(), expectedBox());

    viewer->showMinimized();
    QApplication::processEvents();
    ASSERT_TRUE(viewer->isMinimized());
    const QSize minimizedBox = viewer->textBox()->size();
    viewer->resize(500, 400);
    QApplication::processEvents();
    EXPECT_EQ(viewer->textBox()->size(), minimizedBox);
}

} // namespace
} // namespace tarvek::ui
