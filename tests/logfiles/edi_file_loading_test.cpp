#include "logfiles/edi_directory.h"
#include "logfiles/edi_file_loading.h"
#include "logfiles/program_directory.h"
#include "tests/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace logvane {
namespace {

void writeFile(const QString& path, QByteArrayView bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes.data(), bytes.size()), bytes.size());
}

TEST(EdiFileLoading, EveryLineEndBecomesCrLf)
{
    const std::pair<std::string, std::string> cases[] = {
        {"a\r\nb\r\n", "a\r\nb\r\n"},
        {"a\rb\r", "a\r\nb\r\n"},
        {"a\nb\n", "a\r\nb\r\n"},
        {"a\r\nb\nc\rd", "a\r\nb\r\nc\r\nd\r\n"},
        {"no end", "no end\r\n"},
        {"a\r\n\r\nb", "a\r\n\r\nb\r\n"},
        {"a\n\nb\r\r", "a\r\n\r\nb\r\n\r\n"},
        {"\n\r", "\r\n\r\n"},
        {"\r\r\n", "\r\n\r\n"},
        {"\r\n\n", "\r\n\r\n"},
        {"", ""},
    };
    for (const auto& [bytes, text] : cases) {
        std::string edi = "old\r\n";
        EdiLineAppender whole(edi);
        whole.append(bytes);
        whole.finish();
        EXPECT_EQ(edi, "old\r\n" + text) << bytes;

        // A file arrives in pieces: a CR LF may be split between two of them.
        std::string piecewise;
        EdiLineAppender appender(piecewise);
        for (const char byte : bytes)
            appender.append(std::string_view(&byte, 1));
        appender.finish();
        EXPECT_EQ(piecewise, text) << "byte by byte: " << bytes;
    }
}

TEST(EdiFileLoading, FullPathJoinsWithOneSlash)
{
    EXPECT_EQ(fullPathOf(QStringLiteral("/home/q1abc/logs"), QStringLiteral("CONTEST.EDI")),
        QStringLiteral("/home/q1abc/logs/CONTEST.EDI"));
    EXPECT_EQ(fullPathOf(QStringLiteral("/"), QStringLiteral("a.edi")), QStringLiteral("/a.edi"));
}

TEST(EdiFileLoading, TheProgramDirectoryIsTheFolderItWasStartedFrom)
{
    const QString installed = QStringLiteral("/opt/logvane/bin");
    const std::pair<const char*, QString> cases[] = {
        {"/home/q1abc/logs/logvane", QStringLiteral("/home/q1abc/logs")}, // a link, not followed
        {"logs/logvane", QDir::current().absoluteFilePath(QStringLiteral("logs"))},
        {"./logvane", QDir::currentPath()}, {"logvane", installed}, // found on the PATH
    };
    for (const auto& [startedAs, directory] : cases)
        EXPECT_EQ(programDirectory(QString::fromLatin1(startedAs), installed), directory)
            << startedAs;
}

class LoadingFromDirectory : public ::testing::Test
{
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(LoadingFromDirectory, AppendsTheFileAndRecordsItsPathAsListed)
{
    writeFile(path(QStringLiteral("CONTEST.EDI")), "PBand=144 MHz\r\n130803;1200;Q1ABC");
    Result<LoadedEdi> once = loadEdiFile(dir.path(), QStringLiteral("CONTEST.EDI"), {});
    ASSERT_TRUE(once) << once.error().message.toStdString();
    EXPECT_EQ(once->ediText, "PBand=144 MHz\r\n130803;1200;Q1ABC\r\n");
    EXPECT_EQ(once->fullPath, path(QStringLiteral("CONTEST.EDI")));

    Result<LoadedEdi> twice = loadEdiFile(dir.path(), QStringLiteral("CONTEST.EDI"), once->ediText);
    ASSERT_TRUE(twice);
    EXPECT_EQ(twice->ediText, once->ediText + once->ediText);

    writeFile(path(QStringLiteral("empty.edi")), "");
    Result<LoadedEdi> empty = loadEdiFile(dir.path(), QStringLiteral("empty.edi"), "kept\r\n");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->ediText, "kept\r\n");
    EXPECT_EQ(empty->fullPath, path(QStringLiteral("empty.edi")));
}

TEST_F(LoadingFromDirectory, ListsRegularEdiFilesSortedWithoutCase)
{
    for (const char* name :
        {"b.EDI", "a.edi", "A.edi", "C.Edi", ".hidden.edi", "notes.txt", "x.edi.bak"})
        writeFile(path(QString::fromLatin1(name)), "x");
    // A name written in Latin-1 on an old stick is no UTF-8: listed, but it cannot be opened by
    // the name shown.
    std::ofstream(QFile::encodeName(dir.path()).toStdString() + "/Caf\xE9.edi") << "x";
    QDir(dir.path()).mkdir(QStringLiteral("folder.edi"));
    QFile::link(path(QStringLiteral("a.edi")), path(QStringLiteral("link.edi")));
    QFile::link(path(QStringLiteral("missing")), path(QStringLiteral("dangling.edi")));
    QFile::link(path(QStringLiteral("folder.edi")), path(QStringLiteral("folderlink.edi")));
    QFile::link(QStringLiteral("/dev/null"), path(QStringLiteral("device.edi")));

    const auto readable = [](const char* name) { return EdiFileName {QString::fromLatin1(name)}; };
    EXPECT_EQ(ediFileNames(dir.path()),
        (QList<EdiFileName> {readable("A.edi"), readable("a.edi"), readable("b.EDI"),
            readable("C.Edi"), {QStringLiteral("Caf\uFFFD.edi"), false}, readable("link.edi")}));
    std::filesystem::remove_all(QFile::encodeName(dir.path()).toStdString());
    EXPECT_TRUE(ediFileNames(dir.path()).isEmpty());
}

} // namespace
} // namespace logvane
