#include "logfiles/edi_directory.h"
#include "logfiles/edi_file_loading.h"
#include "tests/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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
    const std::pair<QByteArray, QString> cases[] = {
        {"a\r\nb\r\n", QStringLiteral("a\r\nb\r\n")},
        {"a\rb\r", QStringLiteral("a\r\nb\r\n")},
        {"a\nb\n", QStringLiteral("a\r\nb\r\n")},
        {"a\r\nb\nc\rd", QStringLiteral("a\r\nb\r\nc\r\nd\r\n")},
        {"no end", QStringLiteral("no end\r\n")},
        {"a\r\n\r\nb", QStringLiteral("a\r\n\r\nb\r\n")},
        {"a\n\nb\r\r", QStringLiteral("a\r\n\r\nb\r\n\r\n")},
        {"\n\r", QStringLiteral("\r\n\r\n")},
        {"\r\r\n", QStringLiteral("\r\n\r\n")},
        {"", QString()},
    };
    for (const auto& [bytes, text] : cases) {
        QString edi = QStringLiteral("old\r\n");
        EdiLineAppender whole(edi);
        whole.append(bytes);
        whole.finish();
        EXPECT_EQ(edi, QStringLiteral("old\r\n") + text) << bytes.toStdString();

        // A file arrives in pieces: a CR LF may be split between two of them.
        QString piecewise;
        EdiLineAppender appender(piecewise);
        for (const char byte : bytes)
            appender.append(QByteArrayView(&byte, 1));
        appender.finish();
        EXPECT_EQ(piecewise, text) << "byte by byte: " << bytes.toStdString();
    }
}

TEST(EdiFileLoading, FullPathJoinsWithOneSlash)
{
    EXPECT_EQ(fullPathOf(QStringLiteral("/home/q1abc/logs"), QStringLiteral("CONTEST.EDI")),
        QStringLiteral("/home/q1abc/logs/CONTEST.EDI"));
    EXPECT_EQ(fullPathOf(QStringLiteral("/"), QStringLiteral("a.edi")), QStringLiteral("/a.edi"));
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
    Result<LoadedEdi> once = loadEdiFile(dir.path(), QStringLiteral("CONTEST.EDI"), QString());
    ASSERT_TRUE(once) << once.error().toStdString();
    EXPECT_EQ(once->ediText, QStringLiteral("PBand=144 MHz\r\n130803;1200;Q1ABC\r\n"));
    EXPECT_EQ(once->fullPath, path(QStringLiteral("CONTEST.EDI")));

    Result<LoadedEdi> twice = loadEdiFile(dir.path(), QStringLiteral("CONTEST.EDI"), once->ediText);
    ASSERT_TRUE(twice);
    EXPECT_EQ(twice->ediText, once->ediText + once->ediText);
}

TEST_F(LoadingFromDirectory, AnEmptyFileAddsNothingButItsPath)
{
    writeFile(path(QStringLiteral("empty.edi")), "");
    Result<LoadedEdi> loaded
        = loadEdiFile(dir.path(), QStringLiteral("empty.edi"), QStringLiteral("kept\r\n"));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->ediText, QStringLiteral("kept\r\n"));
    EXPECT_EQ(loaded->fullPath, path(QStringLiteral("empty.edi")));
}

TEST_F(LoadingFromDirectory, FailuresNameTheFileAndLeaveTheTextAlone)
{
    writeFile(path(QStringLiteral("gone.edi")), "130803;1200;Q1ABC\r\n");
    ASSERT_EQ(ediFileNames(dir.path()), QStringList {QStringLiteral("gone.edi")});
    QFile::remove(path(QStringLiteral("gone.edi"))); // removed after the listing
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.edi")));

    const QString text = QStringLiteral("typed by the user\r\n");
    for (const QString& name : {QStringLiteral("gone.edi"), QStringLiteral("folder.edi")}) {
        const Result<LoadedEdi> loaded = loadEdiFile(dir.path(), name, text);
        ASSERT_FALSE(loaded);
        EXPECT_TRUE(loaded.error().contains(path(name))) << loaded.error().toStdString();
    }
    EXPECT_EQ(text, QStringLiteral("typed by the user\r\n"));
}

TEST_F(LoadingFromDirectory, ListsRegularEdiFilesSortedWithoutCase)
{
    for (const char* name :
        {"b.EDI", "a.edi", "A.edi", "C.Edi", ".hidden.edi", "notes.txt", "x.edi.bak"})
        writeFile(path(QString::fromLatin1(name)), "x");
    QDir(dir.path()).mkdir(QStringLiteral("folder.edi"));
    QFile::link(path(QStringLiteral("a.edi")), path(QStringLiteral("link.edi")));
    QFile::link(path(QStringLiteral("missing")), path(QStringLiteral("dangling.edi")));
    QFile::link(path(QStringLiteral("folder.edi")), path(QStringLiteral("folderlink.edi")));
    QFile::link(QStringLiteral("/dev/null"), path(QStringLiteral("device.edi")));

    EXPECT_EQ(ediFileNames(dir.path()),
        (QStringList {QStringLiteral("A.edi"), QStringLiteral("a.edi"), QStringLiteral("b.EDI"),
            QStringLiteral("C.Edi"), QStringLiteral("link.edi")}));
    QDir(dir.path()).removeRecursively();
    EXPECT_TRUE(ediFileNames(dir.path()).isEmpty());
}

} // namespace
} // namespace logvane
