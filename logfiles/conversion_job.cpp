#include "logfiles/conversion_job.h"

#include "conversion/conversion_run.h"
#include "logfiles/adif_file_saving.h"
#include "logfiles/comment.h"
#include "logfiles/edi_file_loading.h"
#include "logfiles/system_file.h"

#include <QCoreApplication>

#include <new>

namespace logvane {
namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Job)
};

} // namespace

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
    return {Text::tr("There is not enough memory to convert \"%1\". Nothing was saved, and "
                     "nothing was changed.")
                .arg(shownPath(ediPath))};
}

namespace {

// "157 contacts written, 4 of them without a band and 2 without a mode.": each number before its
// own words.
QString countsOf(const ConversionRun::RecordCounts& counts)
{
    const auto n = [](std::size_t count) { return static_cast<int>(count); };
    QString text = Text::tr("%n contact(s) written", nullptr, n(counts.records));
    if (counts.withoutBand > 0)
        //: Follows "76 contacts written".
        text += Text::tr(", %n of them without a band", nullptr, n(counts.withoutBand));
    if (counts.withoutMode > 0)
        text += counts.withoutBand > 0
            //: Follows "76 contacts written, 4 of them without a band".
            ? Text::tr(" and %n without a mode", nullptr, n(counts.withoutMode))
            //: Follows "76 contacts written".
            : Text::tr(", %n of them without a mode", nullptr, n(counts.withoutMode));
    return text + u'.';
}

} // namespace

QString confirmationOf(const ConvertedLog& log)
{
    QString text = Text::tr("ADI file saved in %1").arg(shownPath(log.adifPath)) + u'\n'
        + countsOf(log.counts);
    if (log.groups.contest || log.groups.station)
        text += u'\n'
            + (!log.groups.station        ? Text::tr("Fields added: contest exchange.")
                    : !log.groups.contest ? Text::tr("Fields added: my station.")
                                          : Text::tr("Fields added: contest exchange and my "
                                                     "station."));
    return text;
}

QString summaryOf(const ConvertedLog& log)
{
    //: %1 is where the file went, %2 what it holds ("157 contacts written.").
    return Text::tr("ADI file saved in %1: %2").arg(shownPath(log.adifPath), countsOf(log.counts));
}

QString savedAndFailed(std::size_t saved, std::size_t failed)
{
    QString text = Text::tr("%n ADI file(s) saved", nullptr, static_cast<int>(saved));
    if (failed > 0)
        //: Follows "3 ADI files saved".
        text += Text::tr(", %n failed", nullptr, static_cast<int>(failed));
    return text + u'.';
}

} // namespace logvane
