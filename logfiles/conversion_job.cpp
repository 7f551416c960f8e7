#include "logfiles/conversion_job.h"

#include "conversion/conversion_run.h"
#include "logfiles/adif_file_saving.h"
#include "logfiles/code_page.h"
#include "logfiles/edi_file_loading.h"

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
    std::string adifText = ConversionRun::run(loaded->ediText, *commentBytes);
    Result<QString> saved = saveAdifFile(loaded->fullPath, adifText);
    if (!saved)
        return saved.error();
    return ConvertedLog {std::move(loaded->ediText), std::move(loaded->fullPath),
        std::move(adifText), std::move(*saved)};
}

} // namespace logvane
