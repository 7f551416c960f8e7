#include "ui/form2.h"

#include "logfiles/edi_directory.h"
#include "logfiles/system_file.h"
#include "ui/file_list_box.h"
#include "ui/program_window.h"
#include "ui/push_button.h"
#include "ui/twips.h"

#include <QLabel>
#include <QPushButton>

namespace logvane {

Form2::Form2(const std::filesystem::path& programDirectory, ConvertFile convertFile, Notify notify)
    : ProgramWindow(twipsSize(4485, 3780)) // a window of its own, not owned by the main window
    , Label1(new QLabel(tr("click .EDI to convert..."), client()))
    , File1(new FileListBox(client()))
    , Command1(new PushButton(tr("Close"), client()))
    , Label2(new QLabel(client()))
    , folder_(programDirectory)
    , convertFile_(std::move(convertFile))
    , notify_(std::move(notify))
{
    Label1->setObjectName(QStringLiteral("Label1"));
    File1->setObjectName(QStringLiteral("File1"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Label2->setObjectName(QStringLiteral("Label2"));

    placeCentredLabel(Label1, twipsRect(1320, 240, 1815, 255));
    File1->setGeometry(twipsRect(360, 600, 3735, 2175));
    placeButton(Command1, twipsRect(1680, 3000, 975, 375));
    Label2->setGeometry(twipsRect(360, 3480, 3735, 240));
    Label1->setBuddy(File1);
    File1->setAccessibleName(Label1->text()); // a list's name comes not from its buddy
    setTabOrder(File1, Command1);

    connect(File1, &FileListBox::picked, this, &Form2::File1_Click);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
}

void Form2::open()
{
    if (isVisible()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        raise();
        activateWindow();
        return;
    }
    Result<std::vector<std::filesystem::path>> names = ediFileNames(folder_);
    if (!names) {
        notify_(MessageKind::Failure, names.error().message);
        return;
    }
    File1->fill(std::move(*names));
    const QString folder = shownFolder(folder_);
    Label2->setText(Label2->fontMetrics().elidedText(folder, Qt::ElideMiddle, Label2->width()));
    Label2->setToolTip(shownPath(folder_));
    placeOnScreen(); // as drawn, whatever size it was closed at
    show();
    activateWindow();
    File1->setFocus();
}

// The whole job is the main window's; then the picker closes, or, after a failure, stays open.
void Form2::File1_Click(const std::filesystem::path& name)
{
    if (convertFile_(folder_ / name))
        close();
    else
        File1->clearChoice();
}

// Close
void Form2::Command1_Click()
{
    close();
}

} // namespace logvane
