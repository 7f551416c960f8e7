#include "logfiles/conversion_job.h"

#include "conversion/conversion_run.h"
#include "logfiles/adif_file_saving.h"
#include "logfiles/code_page.h"
#include "logfiles/edi_file_loading.h"

#include <QDir>

namespace logvane {

Result<ConvertedLog> convertEdiFile(const QString& programDirectory, const EdiFileName& file,
    std::string ediText, const QString& comment)
{
    if (!file.readable)
        return Failure {QStringLiteral(
            "The name of the file \"%1\" cannot be read on this system: it is not written in the "
            "system's encoding of file names. Rename the file to convert it; nothing was changed.")
                            .arg(file.name)};
    const Result<std::string> commentBytes
        = codepage::inUse().encode(comment, QStringLiteral("in the comment"));
    if (!commentBytes)
        return commentBytes.error();
    Result<LoadedEdi> loaded = loadEdiFile(programDirectory, file.name, std::move(ediText));
    if (!loaded)
        return loaded.error();
    ConversionRun::AdifText adif = ConversionRun::run(loaded->ediText, *commentBytes);
    Result<QString> saved = saveAdifFile(loaded->fullPath, adif.text);
    if (!saved)
        return saved.error();
    return ConvertedLog {std::move(loaded->ediText), std::move(loaded->fullPath),
        std::move(adif.text), std::move(*saved), adif.counts};
}

QString confirmationOf(const ConvertedLog& log)
{
    const ConversionRun::RecordCounts& counts = log.counts;
    QString text
        = QStringLiteral("ADI file saved in %1\n%2 %3 written")
              .arg(QDir::toNativeSeparators(log.adifPath))
              .arg(counts.records)
              .arg(counts.records == 1 ? QStringLiteral("contact") : QStringLiteral("contacts"));
    // "4 of them without a band and 2 without a mode": each number before its own words.
    const std::pair<std::size_t, const char*> lacking[]
        = {{counts.withoutBand, "without a band"}, {counts.withoutMode, "without a mode"}};
    QString joiner = QStringLiteral(", %1 of them %2");
    for (const auto& [count, words] : lacking) {
        if (count == 0)
            continue;
        text += joiner.arg(count).arg(QLatin1StringView(words));
        joiner = QStringLiteral(" and %1 %2");
    }
    return text + u'.';
}

} // namespace logvane
