#include "CfgTestSupport.h"
#include "ConfigFileCommands.h"
#include "ControlAccess.h"
#include "DialogFolder.h"
#include "FakeFileDialogs.h"
#include "FakeMessagePresenter.h"
#include "ScopedVariable.h"
#include "Unprivileged.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tarvek::cfgfile;
using namespace tarvek::config;

using namespace tarvek;
using namespace tarvek::ui;

namespace
{

using tarvek::testing::FakeFileDialogs;
using tarvek::testing::FakeMessagePresenter;
using tarvek::testing::ReadBytes;
using tarvek::testing::ScopedVariable;

class ConfigFileCommandsTest : public ::testing::Test
{
protected:
    ConfigFileCommandsTest()
    {
        loadDefaults(model.tracker);
        startDir = QDir::currentPath();
    }
    ~ConfigFileCommandsTest() override { QDir::setCurrent(startDir); }

    QString path(const QString &relative) const { return dir.filePath(relative); }

    QTemporaryDir dir;
    QString startDir;
    SettingsModel model;
    FakeFileDialogs dialogs;
    FakeMessagePresenter messages;
    int clicks = 0; // the calculator settings' `loaded` signal
    QMetaObject::Connection counting =
        QObject::connect(&model.calculator, &CalculatorSettings::loaded, [this] { ++clicks; });
    ConfigFileCommands commands{model, messages, dialogs, nullptr};
};

TEST_F(ConfigFileCommandsTest, DialogSetUpOnEveryRun)
{
    const std::vector<FileTypeFilter> filters = {
        {QStringLiteral("File di configurazione (*.cfg)"), QStringLiteral("*.cfg")},
        {QStringLiteral("Tutti i files"), QStringLiteral("*.*")}};
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("elsewhere")));
    dialogs.answer = path(QStringLiteral("elsewhere/other.cfg"));
    commands.save();
    commands.load();
    dialogs.answer.reset();
    commands.save();
    commands.load();
    ASSERT_EQ(dialogs.requests.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        const FileDialogRequest &r = dialogs.requests[i];
        const bool save = i % 2 == 0;
        EXPECT_EQ(r.kind, save ? FileDialogKind::Save : FileDialogKind::Open);
        EXPECT_EQ(r.title, save ? QStringLiteral("Salva File") : QStringLiteral("Apertura File"));
        EXPECT_EQ(r.filters, filters);
        EXPECT_EQ(r.folder, QCoreApplication::applicationDirPath());
        EXPECT_EQ(r.fileName, QStringLiteral("Tarvek.cfg"));
        EXPECT_EQ(r.confirmOverwrite, save);
    }
}

// An installed program's folder takes no new file from its user, so the
// dialogs open in the documents folder instead, or at home without one. As
// an ordinary user: root may create files anywhere.
TEST_F(ConfigFileCommandsTest, DialogsOpenWhereANewFileCanBeCreated)
{
    QDir root(dir.path());
    for (const char *folder : {"installed", "unpacked", "home/Documents"})
        ASSERT_TRUE(root.mkpath(QString::fromLatin1(folder)));
    tarvek::testing::MakeReachable(dir.path());
    tarvek::testing::MakeReachable(path(QStringLiteral("home")));
    tarvek::testing::MakeReachable(path(QStringLiteral("unpacked")), true);
    const ScopedVariable home("HOME", QFile::encodeName(path(QStringLiteral("home"))));
    const ScopedVariable xdgConfig("XDG_CONFIG_HOME", std::nullopt);
    const auto inFolders = [&] {
        EXPECT_EQ(configDialogFolder(path(QStringLiteral("unpacked"))),
                  path(QStringLiteral("unpacked")));
        return configDialogFolder(path(QStringLiteral("installed")));
    };
    QString withDocuments;
    QString withoutDocuments;
    std::string notRun = tarvek::testing::RunUnprivileged([&] { withDocuments = inFolders(); });
    if (notRun.empty()) {
        ASSERT_TRUE(root.rmdir(QStringLiteral("home/Documents")));
        notRun = tarvek::testing::RunUnprivileged([&] { withoutDocuments = inFolders(); });
    }
    if (!notRun.empty())
        GTEST_SKIP() << notRun;
    EXPECT_EQ(withDocuments, path(QStringLiteral("home/Documents")));
    EXPECT_EQ(withoutDocuments, path(QStringLiteral("home")));
    const QDir unpacked(path(QStringLiteral("unpacked")));
    EXPECT_TRUE(unpacked.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        << "the probe file is left behind";
}

TEST_F(ConfigFileCommandsTest, SaveMakesTheFoldersCurrentAndWritesTheFullPath)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("a")));
    dialogs.answer = path(QStringLiteral("a/mine"));
    commands.save();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(QDir::currentPath(), QDir(path(QStringLiteral("a"))).canonicalPath());
    EXPECT_TRUE(ReadBytes(path(QStringLiteral("a/mine"))).startsWith("\"1\",\"200\",\"008\",0,"));
    EXPECT_EQ(clicks, 0);
}

TEST_F(ConfigFileCommandsTest, LoadOpensTheChosenFileAndMakesItsFolderCurrent)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("b")));
    (void)model.tracker.callsign.setText(QStringLiteral("QX0ZZZ-7"));
    ASSERT_TRUE(saveConfigFile(path(QStringLiteral("b/saved.cfg")), model).ok());
    loadDefaults(model.tracker);
    // A relative answer is read against the current folder at the time of
    // the answer, not the one the command then makes current.
    QDir::setCurrent(dir.path());
    dialogs.answer = QStringLiteral("b/saved.cfg");
    commands.load();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(QDir::currentPath(), QDir(path(QStringLiteral("b"))).canonicalPath());
    EXPECT_EQ(model.tracker.callsign.text(), QStringLiteral("QX0ZZZ-7"));
    EXPECT_EQ(clicks, 1);
    // A second run starts from the folder the first made current.
    dialogs.answer = QStringLiteral("saved.cfg");
    commands.load();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(clicks, 2);
}

TEST_F(ConfigFileCommandsTest, CancelIsSilentAndChangesNothing)
{
    const QString file = path(QStringLiteral("Tarvek.cfg"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("keep");
    }
    const QString before = controlsAsJson(model);
    const QString cwd = QDir::currentPath();
    dialogs.answer.reset();
    commands.save();
    commands.load();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(controlsAsJson(model), before);
    EXPECT_EQ(QDir::currentPath(), cwd);
    EXPECT_EQ(ReadBytes(file), QByteArray("keep"));
    EXPECT_EQ(clicks, 0);
}

TEST_F(ConfigFileCommandsTest, FailuresShowTheirDescriptionTitledTarvekWithoutIcon)
{
    const QString file = path(QStringLiteral("Tarvek.cfg"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("\"1\",\"200\",\"008\",8,\">\",0\r\n");
    }
    (void)model.tracker.statusEvery.setText(QStringLiteral("3"));
    dialogs.answer = file;
    commands.save();
    commands.load();
    dialogs.answer = path(QStringLiteral("missing.cfg"));
    commands.load();
    ASSERT_EQ(messages.shown.size(), 3);
    const char *texts[] = {"Type mismatch", "Invalid property value", "File not found"};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(messages.shown[i].title, QStringLiteral("Tarvek"));
        EXPECT_EQ(messages.shown[i].text, QString::fromLatin1(texts[i]));
        EXPECT_EQ(messages.shown[i].icon, MessageIcon::None);
    }
    EXPECT_EQ(ReadBytes(file), QByteArray("\"1\",\"200\",\"008\",8,\">\",0\r\n"));
    EXPECT_EQ(clicks, 0);
}

// The real dialog, answered by a timer: its settings, then cancel.
TEST(QtFileDialogs, ShowsTheRequestedSettingsAndReportsCancel)
{
    FileDialogRequest request = ConfigFileCommands::saveDialogRequest();
    QTemporaryDir dir;
    request.folder = dir.path();
    bool inspected = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        inspected = true;
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Salva File"));
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_TRUE(dialog->defaultSuffix().isEmpty());
        EXPECT_EQ(dialog->directory().absolutePath(), QDir(dir.path()).absolutePath());
        auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        ASSERT_EQ(types->count(), 2);
        EXPECT_EQ(types->itemText(0), QStringLiteral("File di configurazione (*.cfg)"));
        EXPECT_EQ(types->itemText(1), QStringLiteral("Tutti i files"));
        EXPECT_EQ(types->currentIndex(), 0);
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->text(), QStringLiteral("Tarvek.cfg"));
        dialog->reject();
    });
    QtFileDialogs dialogs;
    EXPECT_FALSE(dialogs.chooseFile(nullptr, request).has_value());
    EXPECT_TRUE(inspected);
}

} // namespace
