#include "components/HelpFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Three folders laid out as an installation: the current directory, the
// program's folder prefix/bin with prefix/share/brimal beside it, and a build
// folder. Each may or may not hold the help file.
class HelpFolders {
public:
    HelpFolders() {
        QDir root(temp_.path());
        root.mkpath("current");
        root.mkpath("prefix/bin");
        root.mkpath("prefix/share/brimal");
        root.mkpath("build");
    }
    QString Path(const QString& relative) const { return temp_.path() + "/" + relative; }
    void Put(const QString& folder) const {
        QFile file(Path(folder + "/Brimal.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    HelpFileFolders Folders() const { return {Path("current"), Path("prefix/bin"), Path("build")}; }

private:
    QTemporaryDir temp_;
};

TEST(HelpFile, TheCurrentDirectoryComesFirstThenTheInstalledCopyThenTheBuildFolders) {
    struct Case {
        std::vector<QString> present;
        QString found; // relative to the test's folder; empty: none
    };
    const Case cases[] = {
        {{"current", "prefix/share/brimal", "build"}, "current/Brimal.txt"},
        {{"prefix/share/brimal", "build"}, "prefix/share/brimal/Brimal.txt"},
        {{"current", "build"}, "current/Brimal.txt"},
        {{"build"}, "build/Brimal.txt"},
        {{"prefix/bin"}, ""}, // next to the program is no place of its own
        {{}, ""},
    };
    for (const Case& c : cases) {
        HelpFolders folders;
        for (const QString& folder : c.present)
            folders.Put(folder);
        const QString expected = c.found.isEmpty() ? QString() : folders.Path(c.found);
        EXPECT_EQ(FindHelpFile(folders.Folders()), expected) << c.found.toStdString();
    }
}

TEST(HelpFile, SkipsEmptyFoldersAndADirectoryOfTheHelpFilesName) {
    HelpFolders folders;
    QDir(folders.Path("current")).mkdir("Brimal.txt");
    folders.Put("build");
    EXPECT_EQ(FindHelpFile(folders.Folders()), folders.Path("build/Brimal.txt"));

    // An empty folder would otherwise mean the process's current directory.
    QFile here(QDir::current().filePath("Brimal.txt"));
    const bool madeHere = !here.exists() && here.open(QIODevice::WriteOnly);
    EXPECT_EQ(FindHelpFile({QString(), QString(), QString()}), QString());
    EXPECT_EQ(FindHelpFile({QString(), QString(), folders.Path("build")}),
              folders.Path("build/Brimal.txt"));
    if (madeHere) here.remove();
}

} // namespace
