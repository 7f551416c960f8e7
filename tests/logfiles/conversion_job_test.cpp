#include "conversion/conversion_run.h"
#include "logfiles/conversion_job.h"
#include "logfiles/edi_file_loading.h"
#include "tests/qt_printers.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace logvane {
namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

TEST(ConversionJob, DoneWholeOrNotAtAll)
{
    QTemporaryDir dir;
    const QString adi = dir.filePath(QStringLiteral("LOG.adi"));
    for (const auto& [name, bytes] : {std::pair {"LOG.edi", "PBand=144 MHz\n130803;1200;Q1A;1;5"},
             std::pair {"LOG.adi", "an older ADIF file"}}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) > 0);
    }
    const EdiFileName log {QStringLiteral("LOG.edi")};
    const struct
    {
        const char* cause;
        EdiFileName file;
        std::string ediText;
        QString comment, told;
    } failures[] = {
        {"name not in the system's encoding", {QStringLiteral("LOG.edi"), false}, {}, {},
            QStringLiteral("cannot be read on this system")},
        {"EDI text that would pass the bound", log, std::string(EdiTextLimit - 8, 'x'), {},
            QStringLiteral("press New")},
    };
    for (const auto& f : failures) {
        const Result<ConvertedLog> job = convertEdiFile(dir.path(), f.file, f.ediText, f.comment);
        ASSERT_FALSE(job) << f.cause;
        EXPECT_TRUE(job.error().message.contains(f.told))
            << f.cause << ": " << job.error().message.toStdString();
        EXPECT_EQ(contents(adi), "an older ADIF file") << f.cause;
    }

    const Result<ConvertedLog> job
        = convertEdiFile(dir.path(), log, "kept\r\n", QStringLiteral("tnx \u00A0"));
    ASSERT_TRUE(job) << job.error().message.toStdString();
    EXPECT_EQ(job->ediText, "kept\r\nPBand=144 MHz\r\n130803;1200;Q1A;1;5\r\n");
    EXPECT_EQ(job->adifText, ConversionRun::run(job->ediText, "tnx \xA0").text);
    EXPECT_EQ(job->ediPath, dir.filePath(QStringLiteral("LOG.edi")));
    EXPECT_EQ(job->adifPath, adi);
    EXPECT_EQ(contents(adi), QByteArray::fromStdString(job->adifText + "\r\n"));
}

TEST(ConversionJob, TheConfirmationCountsWhatWasWritten)
{
    const std::pair<ConversionRun::RecordCounts, QString> cases[] = {
        {{157, 0, 0}, QStringLiteral("157 contacts written.")},
        {{1, 0, 0}, QStringLiteral("1 contact written.")},
        {{76, 4, 0}, QStringLiteral("76 contacts written, 4 of them without a band.")},
        {{44, 0, 1}, QStringLiteral("44 contacts written, 1 of them without a mode.")},
    };
    for (const auto& [counts, line] : cases) {
        const ConvertedLog log {{}, {}, {}, QStringLiteral("/logs/LOG.adi"), counts};
        EXPECT_EQ(confirmationOf(log), QStringLiteral("ADI file saved in /logs/LOG.adi\n") + line);
    }
}

} // namespace
} // namespace logvane
