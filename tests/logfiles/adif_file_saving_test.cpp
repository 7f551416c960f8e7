#include "logfiles/adif_file_saving.h"
#include "tests/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <string>

namespace logvane {
namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

const std::string Header = "This ADIF file was exported using logvane utility from TAVREN<EOH>\r\n";

TEST(AdifFileSaving, OutputPathReplacesTheLastThreeCharacters)
{
    const std::pair<const char*, std::optional<QString>> cases[] = {
        {"C:\\logs\\CONTEST.EDI", QStringLiteral("C:\\logs\\CONTEST.adi")},
        {"/logs/contest.edi", QStringLiteral("/logs/contest.adi")},
        {"/logs/contest.txt", QStringLiteral("/logs/contest.adi")},
        {"edi", QStringLiteral("adi")},
        {"ed", std::nullopt},
    };
    for (const auto& [input, output] : cases)
        EXPECT_EQ(adifPathFor(QString::fromLatin1(input)), output) << input;
}

class SavingBesideTheLog : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    const QString edi = dir.filePath(QStringLiteral("CONTEST.EDI"));
    const QString adi = dir.filePath(QStringLiteral("CONTEST.adi"));
};

TEST_F(SavingBesideTheLog, WritesTheBytesAndOneMoreCrLf)
{
    const std::string text = Header + "<CALL:5>Q1\xA0\xFF\x80<COMMENT:0><EOR>\r\n";
    const Result<QString> saved = saveAdifFile(edi, text);
    ASSERT_TRUE(saved) << saved.error().message.toStdString();
    EXPECT_EQ(*saved, adi);
    EXPECT_EQ(contents(adi), QByteArray::fromStdString(text + "\r\n"));

    ASSERT_TRUE(saveAdifFile(edi, Header));
    EXPECT_EQ(contents(adi), QByteArray::fromStdString(Header + "\r\n"));
}

TEST_F(SavingBesideTheLog, AFailureIsToldAndHarmsNothing)
{
    // A directory where the file should go (a failure even for root).
    const QString folder = dir.filePath(QStringLiteral("folder.edi"));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("folder.adi")));
    const Result<QString> saved = saveAdifFile(folder, Header);
    ASSERT_FALSE(saved);
    EXPECT_TRUE(saved.error().message.contains(dir.filePath(QStringLiteral("folder.adi"))))
        << saved.error().message.toStdString();
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("folder.adi"))).isDir());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

} // namespace
} // namespace logvane
