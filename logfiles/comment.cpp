#include "logfiles/comment.h"

#include "logfiles/code_page.h"

#include <QCoreApplication>

#include <algorithm>

namespace logvane {
namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Comment)
};

} // namespace

bool breaksTheComment(QChar character)
{
    const QChar::Category category = character.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line
        || category == QChar::Separator_Paragraph;
}

QString withBlanksForBreaks(QString comment)
{
    std::replace_if(comment.begin(), comment.end(), breaksTheComment, QChar(u' '));
    return comment;
}

Result<std::string> commentBytes(QStringView comment)
{
    //: Where a character stands, in "The character ... cannot be written".
    const QString place = Text::tr("in the comment");
    const auto broken = std::find_if(comment.begin(), comment.end(), breaksTheComment);
    if (broken != comment.end())
        return Failure {//: %1 is the character's code ("000D"), %2 "in the comment".
            Text::tr("The character U+%1 %2 cannot be written: the comment is one line of text, "
                     "without line breaks, tabs or other control characters. Remove it; nothing "
                     "was saved.")
                .arg(QString::number(broken->unicode(), 16).toUpper().rightJustified(4, u'0'),
                    place)};
    return codepage::inUse().encode(comment, place);
}

} // namespace logvane
