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
    void Put(const QString& folder, const QString& name = "Brimal.txt") const {
        QFile file(Path(folder + "/" + name));
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

TEST(HelpFile, EnglishTakesTheEnglishFileBesideTheJapaneseOneAndFallsBackToIt) {
    struct Case {
        std::vector<QString> present; // files, relative to the test's folder
        QString english;              // found in English; empty: none
        QString japanese;             // found in Japanese
    };
    const Case cases[] = {
        {{"current/Brimal.txt", "current/Brimal.en.txt"},
         "current/Brimal.en.txt",
         "current/Brimal.txt"},
        {{"prefix/share/brimal/Brimal.txt", "prefix/share/brimal/Brimal.en.txt"},
         "prefix/share/brimal/Brimal.en.txt",
         "prefix/share/brimal/Brimal.txt"},
        // The folder that comes first keeps its place: a Japanese help file in
        // the current directory wins over an installed English one.
        {{"current/Brimal.txt", "prefix/share/brimal/Brimal.en.txt"},
         "current/Brimal.txt",
         "current/Brimal.txt"},
        {{"build/Brimal.txt"}, "build/Brimal.txt", "build/Brimal.txt"},
        // Japanese never opens the English file.
        {{"build/Brimal.en.txt"}, "build/Brimal.en.txt", ""},
    };
    for (const Case& c : cases) {
        HelpFolders folders;
        for (const QString& file : c.present) {
            const qsizetype slash = file.lastIndexOf('/');
            folders.Put(file.left(slash), file.mid(slash + 1));
        }
        const auto expected = [&](const QString& found) {
            return found.isEmpty() ? QString() : folders.Path(found);
        };
        EXPECT_EQ(FindHelpFile(folders.Folders(), Language::English), expected(c.english))
            << c.english.toStdString();
        EXPECT_EQ(FindHelpFile(folders.Folders(), Language::Japanese), expected(c.japanese))
            << c.japanese.toStdString();
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
