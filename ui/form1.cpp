#include "ui/form1.h"

#include "logfiles/conversion_job.h"
#include "ui/form2.h"
#include "ui/program_window.h"
#include "ui/push_button.h"
#include "ui/text_area.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace logvane {
namespace {

QPushButton* button(const QString& caption, QRect geometry, QWidget* parent)
{
    auto* button = new PushButton(caption, parent);
    button->setGeometry(geometry);
    return button;
}

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

Form1::Form1(const QString& programDirectory, Notify notify)
    : QWidget(nullptr)
    , Label1(label(QStringLiteral("EDI"), twipsRect(240, 120, 495, 255), this))
    , Text1(textArea(QStringLiteral("EDI text"), twipsRect(240, 480, 6495, 2415), this))
    , Label3(label(QStringLiteral("ADIF"), twipsRect(240, 3120, 375, 255), this))
    , Label2(label(QStringLiteral("(converted)"), twipsRect(720, 3120, 975, 255), this))
    , Text2(textArea(QStringLiteral("ADIF text"), twipsRect(240, 3480, 6495, 2055), this))
    , Label4(label(QStringLiteral("Comment"), twipsRect(240, 5760, 855, 255), this))
    , Text3(textField(
          QStringLiteral("Thank you for the QSO"), twipsRect(1320, 5760, 4695, 285), this))
    , Command3(button(QStringLiteral("Open"), twipsRect(2040, 6480, 855, 375), this))
    , Command2(button(QStringLiteral("Quit"), twipsRect(3000, 6480, 975, 375), this))
    , Command5(button(QStringLiteral("New"), twipsRect(4080, 6480, 855, 375), this))
    , Text4(textField(QStringLiteral("Text4"), twipsRect(6000, 6600, 735, 285), this))
    , programDirectory_(programDirectory)
    , notify_(std::move(notify))
{
    setUpProgramWindow(this, twipsSize(7065, 7020));
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
    centreOnScreen(this);
}

Form1::~Form1() = default;

void Form1::Form_Load()
{
    form2_ = std::make_unique<Form2>(
        programDirectory_, [this](const EdiFileName& file) { return convertPickedFile(file); });
}

// A file picked in the picker: loaded after the EDI text, converted with the comment, and saved.
// The texts show the job once it is done; a failure is told and changes nothing.
bool Form1::convertPickedFile(const EdiFileName& file)
{
    Result<std::string> ediText = Text1->bytes();
    Result<ConvertedLog> log = ediText
        ? convertEdiFile(programDirectory_, file, std::move(*ediText), Text3->text())
        : ediText.error();
    if (!log) {
        notify_(MessageKind::Failure, log.error().message);
        return false;
    }
    Text1->setBytes(std::move(log->ediText));
    Text4->setText(log->ediPath);
    Text2->setBytes(std::move(log->adifText));
    Label2->show();
    notify_(MessageKind::Confirmation,
        QStringLiteral("ADI file saved in ") + QDir::toNativeSeparators(log->adifPath));
    return true;
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
