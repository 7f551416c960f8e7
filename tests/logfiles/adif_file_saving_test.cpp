#include "logfiles/adif_file_saving.h"
#include "tests/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <vector>

namespace logvane {
namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

const QString Header
    = QStringLiteral("This ADIF file was exported using logvane utility from TAVREN<EOH>\r\n");

// Records each message, and what the ADIF file held when the message came.
struct Recorder
{
    struct Message
    {
        MessageKind kind;
        QString text;
        QByteArray fileThen;
    };
    QString adifPath;
    std::vector<Message> messages;
    Notify notify()
    {
        return [this](MessageKind kind, const QString& text) {
            messages.push_back({kind, text, contents(adifPath)});
        };
    }
};

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
    Recorder recorder {adi, {}};
};

TEST_F(SavingBesideTheLog, WritesTheTextAndOneMoreCrLfThenConfirms)
{
    const QString record = QStringLiteral("<CALL:5>Q1\u00A0\u00FF\u20AC<COMMENT:0><EOR>\r\n");
    ASSERT_TRUE(saveAdifFile(edi, Header + record, recorder.notify()));
    const QByteArray expected
        = Header.toLatin1() + "<CALL:5>Q1\xA0\xFF\x80<COMMENT:0><EOR>\r\n\r\n";
    EXPECT_EQ(contents(adi), expected);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(recorder.messages[0].text, QStringLiteral("ADI file saved in ") + adi);
    EXPECT_EQ(recorder.messages[0].fileThen, expected) << "confirmed before the file was whole";

    ASSERT_TRUE(saveAdifFile(edi, Header, recorder.notify()));
    EXPECT_EQ(contents(adi), Header.toLatin1() + "\r\n");
}

TEST_F(SavingBesideTheLog, FailuresAreToldAndHarmNothing)
{
    ASSERT_TRUE(saveAdifFile(edi, Header, recorder.notify()));
    recorder.messages.clear();
    // A character a log file cannot hold: the older file stays whole.
    EXPECT_FALSE(saveAdifFile(edi, Header + QStringLiteral("\u03A9"), recorder.notify()));
    EXPECT_EQ(contents(adi), Header.toLatin1() + "\r\n");

    // A directory where the file should go (a failure even for root).
    const QString folder = dir.filePath(QStringLiteral("folder.edi"));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("folder.adi")));
    Recorder intoFolder {folder.chopped(3) + QStringLiteral("adi"), {}};
    EXPECT_FALSE(saveAdifFile(folder, Header, intoFolder.notify()));
    EXPECT_TRUE(QFileInfo(intoFolder.adifPath).isDir());

    for (const auto* messages : {&recorder.messages, &intoFolder.messages}) {
        ASSERT_EQ(messages->size(), 1u);
        EXPECT_EQ(messages->front().kind, MessageKind::Failure);
    }
    EXPECT_TRUE(recorder.messages[0].text.contains(QStringLiteral("U+03A9")));
    EXPECT_TRUE(intoFolder.messages[0].text.contains(intoFolder.adifPath))
        << intoFolder.messages[0].text.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList {QStringLiteral("CONTEST.adi")});
}

} // namespace
} // namespace logvane
