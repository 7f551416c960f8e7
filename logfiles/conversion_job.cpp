#include "logfiles/conversion_job.h"

#include "conversion/conversion_run.h"
#include "logfiles/adif_file_saving.h"
#include "logfiles/comment.h"
#include "logfiles/edi_file_loading.h"
#include "logfiles/system_file.h"

#include <new>

namespace logvane {

Result<ConvertedLog> convertEdiFile(const std::filesystem::path& ediPath, std::string ediText,
    const QString& comment, FieldGroups groups)
{
    try {
        const Result<std::string> comment8Bit = commentBytes(comment);
        if (!comment8Bit)
            return comment8Bit.error();
        Result<LoadedEdi> loaded = loadEdiFile(ediPath, std::move(ediText));
        if (!loaded)
            return loaded.error();
        ConversionRun::AdifText adif = ConversionRun::run(loaded->ediText, *comment8Bit, groups);
        Result<std::filesystem::path> saved = saveAdifFile(loaded->path, adif.text);
        if (!saved)
            return saved.error();
        return ConvertedLog {std::move(loaded->ediText), std::move(loaded->path),
            std::move(adif.text), std::move(*saved), adif.counts, groups};
    } catch (const std::bad_alloc&) {
        return notEnoughMemory(ediPath);
    }
}

Failure notEnoughMemory(const std::filesystem::path& ediPath)
{
    return {QStringLiteral("There is not enough memory to convert \"%1\". Nothing was saved, "
                           "and nothing was changed.")
                .arg(shownPath(ediPath))};
}

namespace {

// "157 contacts written, 4 of them without a band and 2 without a mode.": each number before its
// own words.
QString countsOf(const ConversionRun::RecordCounts& counts)
{
    QString text
        = QStringLiteral("%1 %2 written")
              .arg(counts.records)
              .arg(counts.records == 1 ? QStringLiteral("contact") : QStringLiteral("contacts"));
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

} // namespace

QString confirmationOf(const ConvertedLog& log)
{
    QString text = QStringLiteral("ADI file saved in %1\n%2")
                       .arg(shownPath(log.adifPath), countsOf(log.counts));
    if (log.groups.contest || log.groups.station)
        text += u'\n'
            + (!log.groups.station ? QStringLiteral("Fields added: contest exchange.")
                    : !log.groups.contest
                    ? QStringLiteral("Fields added: my station.")
                    : QStringLiteral("Fields added: contest exchange and my station."));
    return text;
}

QString summaryOf(const ConvertedLog& log)
{
    return QStringLiteral("ADI file saved in %1: %2")
        .arg(shownPath(log.adifPath), countsOf(log.counts));
}

QString savedAndFailed(std::size_t saved, std::size_t failed)
{
    QString text = QStringLiteral("%1 ADI %2 saved")
                       .arg(saved)
                       .arg(saved == 1 ? QStringLiteral("file") : QStringLiteral("files"));
    if (failed > 0)
        text += QStringLiteral(", %1 failed").arg(failed);
    return text + u'.';
}

} // namespace logvane
