#include "ui/form1.h"

#include "logfiles/comment.h"
#include "logfiles/conversion_job.h"
#include "logfiles/system_file.h"
#include "ui/form2.h"
#include "ui/program_window.h"
#include "ui/push_button.h"
#include "ui/text_area.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include <limits>

namespace logvane {
namespace {

QPushButton* button(const QString& caption, QRect geometry, QWidget* parent)
{
    auto* button = new PushButton(caption, parent);
    button->setGeometry(geometry);
    return button;
}

// The comment is one line: line breaks, tabs and the other control characters typed or pasted into
// it become blanks, as they come.
class OneLineComment : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = withBlanksForBreaks(std::move(input));
        return Acceptable;
    }
};

QLineEdit* textField(const QString& text, QRect geometry, QWidget* parent)
{
    auto* field = new QLineEdit(text, parent);
    field->setGeometry(geometry);
    field->setMaxLength(std::numeric_limits<int>::max());
    return field;
}

TextArea* textArea(const QString& contentName, QRect geometry, QWidget* parent)
{
    auto* area = new TextArea(contentName, parent);
    area->setGeometry(geometry);
    return area;
}

QLabel* label(const QString& caption, QRect geometry, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    placeLabel(label, geometry);
    return label;
}

} // namespace

Form1::Form1(const std::filesystem::path& programDirectory, Notify notify)
    : ProgramWindow(twipsSize(7065, 7020))
    , Label1(label(QStringLiteral("EDI"), twipsRect(240, 120, 495, 255), client()))
    , Text1(textArea(QStringLiteral("EDI text"), twipsRect(240, 480, 6495, 2415), client()))
    , Label3(label(QStringLiteral("ADIF"), twipsRect(240, 3120, 375, 255), client()))
    , Label2(label(QStringLiteral("(converted)"), twipsRect(720, 3120, 975, 255), client()))
    , Text2(textArea(QStringLiteral("ADIF text"), twipsRect(240, 3480, 6495, 2055), client()))
    , Label4(label(QStringLiteral("Comment"), twipsRect(240, 5760, 855, 255), client()))
    , Text3(textField(
          QStringLiteral("Thank you for the QSO"), twipsRect(1320, 5760, 4695, 285), client()))
    , Command3(button(QStringLiteral("Open"), twipsRect(2040, 6480, 855, 375), client()))
    , Command2(button(QStringLiteral("Quit"), twipsRect(3000, 6480, 975, 375), client()))
    , Command5(button(QStringLiteral("New"), twipsRect(4080, 6480, 855, 375), client()))
    , Text4(textField(QStringLiteral("Text4"), twipsRect(6000, 6600, 735, 285), client()))
    , programDirectory_(programDirectory)
    , notify_(std::move(notify))
{
    const struct
    {
        QWidget* control;
        const char* name;
    } names[] = {{Label1, "Label1"}, {Text1, "Text1"}, {Label3, "Label3"}, {Label2, "Label2"},
        {Text2, "Text2"}, {Label4, "Label4"}, {Text3, "Text3"}, {Command3, "Command3"},
        {Command2, "Command2"}, {Command5, "Command5"}, {Text4, "Text4"}};
    for (const auto& [control, name] : names)
        control->setObjectName(QString::fromLatin1(name));

    QPalette red = Label2->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    Label2->setPalette(red);
    Label2->hide(); // until the first conversion
    Text4->hide();
    Text3->setValidator(new OneLineComment(Text3));

    // Screen readers name a control by its label.
    Label1->setBuddy(Text1);
    Label3->setBuddy(Text2);
    Label4->setBuddy(Text3);

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command2);
    setTabOrder(Command2, Text3);
    setTabOrder(Text3, Command3);
    setTabOrder(Command3, Command5);
    Text1->setFocus();

    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);

    Form_Load();
    placeOnScreen();
}

Form1::~Form1() = default;

void Form1::Form_Load()
{
    form2_ = std::make_unique<Form2>(
        programDirectory_,
        [this](const std::filesystem::path& name) { return convertPickedFile(name); }, notify_);
}

// A file picked in the picker: loaded after the EDI text, converted with the comment, and saved.
// The texts show the job once it is done; a failure is told and changes nothing.
bool Form1::convertPickedFile(const std::filesystem::path& name)
{
    Result<ConvertedLog> log = convert(programDirectory_ / name);
    if (!log) {
        notify_(MessageKind::Failure, log.error().message);
        return false;
    }
    notify_(MessageKind::Confirmation, showJob(std::move(*log)));
    return true;
}

Result<ConvertedLog> Form1::convert(const std::filesystem::path& ediPath)
{
    try {
        Result<std::string> ediText = Text1->bytes();
        if (!ediText)
            return ediText.error();
        return convertEdiFile(ediPath, std::move(*ediText), Text3->text());
    } catch (const std::bad_alloc&) {
        return notEnoughMemory(ediPath);
    }
}

// Shows a saved job in the windows and gives its confirmation. Texts too large for the memory
// left are not shown, and the user is told so, with the file saved all the same.
QString Form1::showJob(ConvertedLog log)
{
    QString confirmation = confirmationOf(log);
    Text4->setText(shownPath(log.ediPath));
    Label2->show();
    try {
        Text1->setBytes(std::move(log.ediText));
        Text2->setBytes(std::move(log.adifText));
    } catch (const std::bad_alloc&) {
        Text1->setBytes({});
        Text2->setBytes({});
        confirmation += QStringLiteral("\nThe texts are too large to show here: there is not "
                                       "enough memory left.");
    }
    return confirmation;
}

// Quit
void Form1::Command2_Click()
{
    form2_->close();
    close();
}

// Open: the next file is added to the EDI text.
void Form1::Command3_Click()
{
    form2_->open();
}

// New
void Form1::Command5_Click()
{
    Text1->setBytes({});
    Text2->setBytes({});
    form2_->open();
}

void Form1::closeEvent(QCloseEvent* event)
{
    form2_->close();
    event->accept();
}

} // namespace logvane
