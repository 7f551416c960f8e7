#pragma once

#include "conversion/field_groups.h"
#include "logfiles/conversion_job.h"
#include "ui/message_box.h"
#include "ui/program_window.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace logvane {

class Form2;
class TextArea;

// The main window. It holds everything that lasts: the EDI text (Text1), the ADIF text (Text2),
// the comment (Text3) and the path of the last loaded EDI file (Text4, hidden). New and Open show
// the file picker; a file picked there is loaded, converted and saved as one job, and the window
// shows its texts only once the job has succeeded, so that a failed job changes nothing. Files
// named on the command line or dropped on the window are converted the same way, each as if
// picked after New.
class Form1 : public ProgramWindow
{
    Q_OBJECT

public:
    // `programDirectory` is the directory the picker lists; `notify` tells the user of
    // confirmations and failures, by default in message boxes over this window.
    explicit Form1(const std::filesystem::path& programDirectory, Notify notify = {});
    ~Form1() override;

    // The controls, named as on the window; Qt's parent ownership holds them.
    QLabel* const Label1;
    TextArea* const Text1;
    QLabel* const Label3;
    QLabel* const Label2;
    TextArea* const Text2;
    QLabel* const Label4;
    QLineEdit* const Text3;
    QPushButton* const Command3; // Open
    QPushButton* const Command2; // Quit
    QPushButton* const Command5; // New
    QPushButton* const Command6; // Fields…: which fields beyond the log's ten to add
    QLineEdit* const Text4;

    Form2& picker() const { return *form2_; }

    // Converts each file, in turn, as a job of its own, as if the user had pressed New and picked
    // it; the windows show the last job saved, and one message tells of them all. A failed file
    // changes nothing and stops no other. The picker lists the folder of the last EDI file given
    // from then on.
    void convertFiles(const std::vector<std::filesystem::path>& files);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Command2_Click();
    void Command3_Click();
    void Command5_Click();
    void Command6_Click();
    FieldGroups chosenFieldGroups() const;
    bool convertPickedFile(const std::filesystem::path& path);
    enum class AfterTheEdiText { No, Yes }; // a pick after Open adds to it; New empties it first
    Result<ConvertedLog> convert(const std::filesystem::path& ediPath, AfterTheEdiText after);
    bool showJob(ConvertedLog log);
    bool takesDrop(const QDropEvent* event) const;

    const std::filesystem::path programDirectory_;
    const Notify notify_;
    std::unique_ptr<Form2> form2_;
    bool jobRunning_ = false; // so that a drop never starts a job inside another
    // A choice of fields that could not be stored holds for as long as the program runs.
    std::optional<FieldGroups> unstoredFieldGroups_;
};

} // namespace logvane
