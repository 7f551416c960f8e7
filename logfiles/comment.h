#pragma once

#include "logfiles/result.h"

#include <QString>
#include <QStringView>

#include <string>

// The comment written into every record. ADIF's COMMENT is a String of one line, and readers split
// records at a line break or a control character inside one differently, so a comment holds none.

namespace logvane {

// The comment of a record unless the user writes another: data read by the other station, in
// English whatever the user's language.
inline const QString DefaultComment = QStringLiteral("Thank you for the QSO");

// Whether a character may not stand in a comment: a control character (CR, LF, tab and the other
// C0 and C1 controls) or a line or paragraph separator.
bool breaksTheComment(QChar character);

// The comment with a blank for each such character, as a one-line field takes pasted lines.
QString withBlanksForBreaks(QString comment);

// The comment's bytes in the log files' code page, or the failure for its first character that is
// no comment's or that the code page cannot hold.
Result<std::string> commentBytes(QStringView comment);

} // namespace logvane
