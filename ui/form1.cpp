#include "ui/form1.h"

#include "logfiles/comment.h"
#include "logfiles/conversion_job.h"
#include "logfiles/edi_directory.h"
#include "logfiles/field_choice.h"
#include "logfiles/system_file.h"
#include "ui/fields_dialog.h"
#include "ui/file_drop.h"
#include "ui/form2.h"
#include "ui/program_window.h"
#include "ui/push_button.h"
#include "ui/text_area.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QValidator>

#include <limits>
#include <optional>

namespace logvane {
namespace {

QPushButton* button(const QString& caption, QRect geometry, QWidget* parent)
{
    auto* button = new PushButton(caption, parent);
    placeButton(button, geometry);
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
    //: Names the text in messages: "on line 3 of the EDI text".
    , Text1(textArea(tr("EDI text"), twipsRect(240, 480, 6495, 2415), client()))
    , Label3(label(QStringLiteral("ADIF"), twipsRect(240, 3120, 375, 255), client()))
    , Label2(label(tr("(converted)"), twipsRect(720, 3120, 975, 255), client()))
    , Text2(textArea(tr("ADIF text"), twipsRect(240, 3480, 6495, 2055), client()))
    , Label4(label(tr("Comment"), twipsRect(240, 5760, 855, 255), client()))
    , Text3(textField(DefaultComment, twipsRect(1320, 5760, 4695, 285), client()))
    , Command3(button(tr("Open"), twipsRect(2040, 6480, 855, 375), client()))
    , Command2(button(tr("Quit"), twipsRect(3000, 6480, 975, 375), client()))
    , Command5(button(tr("New"), twipsRect(4080, 6480, 855, 375), client()))
    , Command6(button(tr("Fields\u2026"), twipsRect(5040, 6480, 1095, 375), client()))
    , Text4(textField(QStringLiteral("Text4"), twipsRect(6000, 6600, 735, 285), client()))
    , programDirectory_(programDirectory)
    , notify_(notify ? std::move(notify) : [this](MessageKind kind, const QString& text) {
        showMessageBox(this, kind, text);
    })
{
    const struct
    {
        QWidget* control;
        const char* name;
    } names[] = {{Label1, "Label1"}, {Text1, "Text1"}, {Label3, "Label3"}, {Label2, "Label2"},
        {Text2, "Text2"}, {Label4, "Label4"}, {Text3, "Text3"}, {Command3, "Command3"},
        {Command2, "Command2"}, {Command5, "Command5"}, {Command6, "Command6"}, {Text4, "Text4"}};
    for (const auto& [control, name] : names)
        control->setObjectName(QString::fromLatin1(name));

    QPalette red = Label2->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    Label2->setPalette(red);
    Label2->hide(); // until the first conversion
    Text4->hide();
    Text3->setValidator(new OneLineComment(Text3));
    setAcceptDrops(true);
    for (QObject* takesDrops : {static_cast<QObject*>(Text1->viewport()),
             static_cast<QObject*>(Text2->viewport()), static_cast<QObject*>(Text3)})
        takesDrops->installEventFilter(this);

    // Screen readers name a control by its label.
    Label1->setBuddy(Text1);
    Label3->setBuddy(Text2);
    Label4->setBuddy(Text3);

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command2);
    setTabOrder(Command2, Text3);
    setTabOrder(Text3, Command3);
    setTabOrder(Command3, Command5);
    setTabOrder(Command5, Command6);
    Text1->setFocus();

    for (TextArea* area : {Text1, Text2})
        connect(area, &TextArea::refused, this,
            [this](const QString& reason) { notify_(MessageKind::Failure, reason); });
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);

    Form_Load();
    placeOnScreen();
}

Form1::~Form1() = default;

void Form1::Form_Load()
{
    form2_ = std::make_unique<Form2>(
        programDirectory_,
        [this](const std::filesystem::path& path) { return convertPickedFile(path); }, notify_);
}

namespace {

const char* const TooLargeToShow = QT_TRANSLATE_NOOP(
    "logvane::Form1", "The texts are too large to show here: there is not enough memory left.");

// Marks a job as running for as long as it lasts, its messages included.
class RunningJob
{
public:
    explicit RunningJob(bool& running)
        : running_(running)
    {
        running_ = true;
    }
    RunningJob(const RunningJob&) = delete;
    RunningJob& operator=(const RunningJob&) = delete;
    ~RunningJob() { running_ = false; }

private:
    bool& running_;
};

} // namespace

// A file picked in the picker: loaded after the EDI text, converted with the comment, and saved.
// The texts show the job once it is done; a failure is told and changes nothing.
bool Form1::convertPickedFile(const std::filesystem::path& path)
{
    const RunningJob running(jobRunning_);
    Result<ConvertedLog> log = convert(path, AfterTheEdiText::Yes);
    if (!log) {
        notify_(MessageKind::Failure, log.error().message);
        return false;
    }
    const QString confirmation = confirmationOf(*log);
    const bool shown = showJob(std::move(*log));
    notify_(MessageKind::Confirmation,
        shown ? confirmation : confirmation + u'\n' + tr(TooLargeToShow));
    return true;
}

void Form1::convertFiles(const std::vector<std::filesystem::path>& files)
{
    if (jobRunning_) {
        notify_(
            MessageKind::Failure, tr("A job is running: give the files again once it has ended."));
        return;
    }
    const RunningJob running(jobRunning_);
    QStringList told;
    std::size_t saved = 0;
    std::optional<ConvertedLog> last; // saved: shown once all are done
    for (const std::filesystem::path& file : files) {
        const Result<std::filesystem::path> path = ediFileNamed(file);
        if (path) // where the user keeps these logs: the picker lists it from now on
            form2_->setFolder(path->parent_path());
        Result<ConvertedLog> log = path ? convert(*path, AfterTheEdiText::No) : path.error();
        if (!log) {
            told.append(log.error().message);
            continue;
        }
        ++saved;
        told.append(files.size() == 1 ? confirmationOf(*log) : summaryOf(*log));
        last = std::move(*log);
    }
    if (files.size() > 1)
        told.prepend(savedAndFailed(saved, files.size() - saved));
    if (last && !showJob(std::move(*last)))
        told.append(tr(TooLargeToShow));
    notify_(
        saved < files.size() ? MessageKind::Failure : MessageKind::Confirmation, told.join(u'\n'));
}

Result<ConvertedLog> Form1::convert(const std::filesystem::path& ediPath, AfterTheEdiText after)
{
    std::string ediText;
    if (after == AfterTheEdiText::Yes) {
        Result<std::string> typed = Text1->bytes();
        if (!typed)
            return typed.error();
        ediText = std::move(*typed);
    }
    return convertEdiFile(ediPath, std::move(ediText), Text3->text(), chosenFieldGroups());
}

// Shows a saved job in the windows. Texts too large for the memory left are not shown: false.
bool Form1::showJob(ConvertedLog log)
{
    Text4->setText(shownPath(log.ediPath));
    Label2->show();
    try {
        Text1->setBytes(std::move(log.ediText));
        Text2->setBytes(std::move(log.adifText));
        return true;
    } catch (const std::bad_alloc&) {
        Text1->setBytes({});
        Text2->setBytes({});
        return false;
    }
}

// Files dropped from a file manager, anywhere on the window, are converted as if named on the
// command line. Text dropped into a text field is inserted, as typed. While a job runs (its
// message is open) a drag of files is refused as it enters, so the pointer shows that no drop is
// taken before the user lets go.
bool Form1::takesDrop(const QDropEvent* event) const
{
    return !jobRunning_ && !droppedFiles(event->mimeData()).empty();
}

void Form1::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event); // an entering drag is taken as a moving one
}

void Form1::dragMoveEvent(QDragMoveEvent* event)
{
    if (takesDrop(event))
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event)
{
    const std::vector<std::filesystem::path> files = droppedFiles(event->mimeData());
    if (files.empty())
        return;
    event->acceptProposedAction();
    convertFiles(files);
}

// The text areas and the comment take drops of their own: files dropped on them come here.
bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        auto* const drop = static_cast<QDropEvent*>(event);
        if (droppedFiles(drop->mimeData()).empty())
            break; // text, inserted as typed
        if (event->type() == QEvent::Drop)
            dropEvent(drop);
        else
            dragMoveEvent(static_cast<QDragMoveEvent*>(event));
        return true;
    }
    default:
        break;
    }
    return ProgramWindow::eventFilter(watched, event);
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

// Fields…: the choice applies from the next job on, in this run and the next ones.
void Form1::Command6_Click()
{
    FieldsDialog dialog(chosenFieldGroups(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    unstoredFieldGroups_.reset();
    if (const std::optional<Failure> failure = storeFieldGroups(dialog.chosen())) {
        unstoredFieldGroups_ = dialog.chosen();
        notify_(MessageKind::Failure, failure->message);
    }
}

// Read as each job starts, so that a choice stored by another logvane counts too.
FieldGroups Form1::chosenFieldGroups() const
{
    return unstoredFieldGroups_ ? *unstoredFieldGroups_ : storedFieldGroups();
}

void Form1::closeEvent(QCloseEvent* event)
{
    form2_->close();
    event->accept();
}

} // namespace logvane
