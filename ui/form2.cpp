#include "ui/form2.h"

#include "logfiles/edi_directory.h"
#include "logfiles/edi_file_loading.h"
#include "ui/file_list_box.h"
#include "ui/form1.h"
#include "ui/program_window.h"
#include "ui/text_area.h"
#include "ui/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace logvane {

Form2::Form2(Form1& form1, const QString& programDirectory, const Notify& notify)
    : QWidget(nullptr) // a window of its own, not owned by the main window
    , Label1(new QLabel(QStringLiteral("click .EDI to convert..."), this))
    , File1(new FileListBox(this))
    , Command1(new QPushButton(QStringLiteral("Close"), this))
    , form1_(form1)
    , programDirectory_(programDirectory)
    , notify_(notify)
{
    setUpProgramWindow(this, QSize(pixels(4485), pixels(3540)));
    Label1->setObjectName(QStringLiteral("Label1"));
    File1->setObjectName(QStringLiteral("File1"));
    Command1->setObjectName(QStringLiteral("Command1"));

    placeLabel(Label1, twipsRect(1320, 240, 1815, 255));
    File1->setGeometry(twipsRect(360, 600, 3735, 2175));
    Command1->setGeometry(twipsRect(1680, 3000, 975, 375));
    Command1->setAutoDefault(false);
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
    File1->fill(ediFileNames(programDirectory_));
    centreOnScreen(this);
    show();
    activateWindow();
    File1->setFocus();
}

// The whole job: load, then Convert (which converts and saves), then close.
void Form2::File1_Click(const QString& fileName)
{
    Result<LoadedEdi> loaded = loadEdiFile(programDirectory_, fileName, form1_.Text1->exactText());
    if (!loaded) {
        notify_(MessageKind::Failure, loaded.error());
        File1->clearChoice();
        return;
    }
    form1_.Text1->setExactText(loaded->ediText);
    form1_.Text4->setText(loaded->fullPath);
    form1_.Command1->click();
    if (form1_.lastConversionSaved())
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
