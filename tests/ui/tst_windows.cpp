// The whole road of a log file through both windows, driven by clicks and keys as a user drives
// it; the messages are recorded where the program would show its boxes.
#include "logfiles/edi_file_loading.h"
#include "logfiles/field_choice.h"
#include "logfiles/system_file.h"
#include "logfiles/translations.h"
#include "tests/address_space.h"
#include "tests/temporary_folder.h"
#include "ui/fields_dialog.h"
#include "ui/file_list_box.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/text_area.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <sys/wait.h>
#include <utility>

using namespace logvane;

namespace {

const QByteArray Log144 = "[REG1TEST;1]\r\n130803;1159;Q9ZZ;3;59;000;59;000;;JO00AA;1;;;;\r\n"
                          "PBand=144 MHz\r\n[QSORecords;4]\r\n"
                          "130803;1200;Q1ABC;1;59;001;57;012;;KN00AA;120;;;;\r\n"
                          "130803;1215;Q2ABCD;2;599;002;579;034;;KN00AB;130;;;;\r\n"
                          "130803;1230;Q0MN;2;599;1003;579;016;DA;JO01CK;80;;;;\r\n"
                          "130803;1245;Q3EQO;6;59;1004;;;;JN99EQ;2;;;;\r\n";
const QByteArray Log432 = "PBand=432 MHz\n130803;1300;Q3XY;1;55;003;59;040;;JO01AA;9;;;;\n";
const QByteArray Log432AsLoaded = QByteArray(Log432).replace("\n", "\r\n");

// What the ADIF text holds for them, written out by hand.
const QByteArray Header = "This ADIF file was exported using logvane utility from TAVREN<EOH>\r\n";
#define THANKS "<COMMENT:21>Thank you for the QSO<EOR>\r\n"
const QByteArray Records144
    = "<QSO_DATE:8>20130803<TIME_ON:4>1159<TIME_OFF:4>1159<CALL:4>Q9ZZ<MODE:0><BAND:0>"
      "<RST_SENT:2>59<RST_RCVD:2>59<GRIDSQUARE:6>JO00AA" THANKS
      "<QSO_DATE:8>20130803<TIME_ON:4>1200<TIME_OFF:4>1200<CALL:5>Q1ABC<MODE:3>SSB<BAND:2>2m"
      "<RST_SENT:2>59<RST_RCVD:2>57<GRIDSQUARE:6>KN00AA" THANKS
      "<QSO_DATE:8>20130803<TIME_ON:4>1215<TIME_OFF:4>1215<CALL:6>Q2ABCD<MODE:2>CW<BAND:2>2m"
      "<RST_SENT:3>599<RST_RCVD:3>579<GRIDSQUARE:6>KN00AB" THANKS
      "<QSO_DATE:8>20130803<TIME_ON:4>1230<TIME_OFF:4>1230<CALL:4>Q0MN<MODE:2>CW<BAND:2>2m"
      "<RST_SENT:3>599<RST_RCVD:3>579<GRIDSQUARE:6>JO01CK" THANKS
      "<QSO_DATE:8>20130803<TIME_ON:4>1245<TIME_OFF:4>1245<CALL:5>Q3EQO<MODE:2>FM<BAND:2>2m"
      "<RST_SENT:2>59<RST_RCVD:0><GRIDSQUARE:6>JN99EQ" THANKS;
const QByteArray Records432
    = "<QSO_DATE:8>20130803<TIME_ON:4>1300<TIME_OFF:4>1300<CALL:4>Q3XY<MODE:3>SSB<BAND:4>70cm"
      "<RST_SENT:2>55<RST_RCVD:2>59<GRIDSQUARE:6>JO01AA" THANKS;

namespace fs = std::filesystem;

QByteArray contents(const fs::path& path)
{
    return QByteArray::fromStdString(logvane::testing::contents(path));
}

// The ADIF files of a folder, by name, with what each holds.
std::map<fs::path, QByteArray> adifFilesIn(const fs::path& folder)
{
    std::map<fs::path, QByteArray> files;
    for (const fs::path& name :
        fs::exists(folder) ? testing::filesIn(folder) : std::vector<fs::path> {}) {
        if (name.extension() == ".adi" && fs::is_regular_file(folder / name))
            files[name] = contents(folder / name);
    }
    return files;
}

QByteArray bytesOf(TextArea* area)
{
    const Result<std::string> bytes = area->bytes();
    return bytes ? QByteArray::fromStdString(*bytes) : QByteArray("(failed)");
}

struct Message
{
    MessageKind kind;
    QString text;
    std::map<fs::path, QByteArray> adifFilesThen; // what the folder held when it was shown
};

// What the user sees: the texts of the main window and the state of the picker.
struct Seen
{
    QString text1, text2, text3, text4;
    bool converted;
    friend bool operator==(const Seen&, const Seen&) = default;
};

using Step = std::function<void()>;

} // namespace

Q_DECLARE_METATYPE(Step)

class tst_Windows : public QObject
{
    Q_OBJECT

private:
    fs::path path(const std::string& name) const { return *dir / name; }
    void writeLog(const std::string& name, const QByteArray& bytes)
    {
        logvane::testing::writeFile(path(name), bytes.toStdString());
    }
    void clickEntry(const QString& name)
    {
        const auto items = picker().File1->findItems(name, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        const QRect rect = picker().File1->visualItemRect(items.front());
        QTest::mouseClick(picker().File1->viewport(), Qt::LeftButton, {}, rect.center());
    }
    Form2& picker() const { return form->picker(); }
    // The titles and the captions of the labels and buttons of windows, but for Qt's own (OK).
    static QStringList captionsOf(std::initializer_list<QWidget*> windows)
    {
        QStringList captions;
        for (const QWidget* window : windows) {
            captions << window->windowTitle();
            for (const QLabel* label : window->findChildren<QLabel*>())
                captions << label->text();
            for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
                if (!qobject_cast<QDialogButtonBox*>(button->parent()))
                    captions << button->text();
        }
        captions.removeAll(QString());
        return captions;
    }
    Seen seen() const
    {
        return {form->Text1->document()->toRawText(), form->Text2->document()->toRawText(),
            form->Text3->text(), form->Text4->text(), form->Label2->isVisible()};
    }
    void start()
    {
        messages.clear();
        form = std::make_unique<Form1>(dir->path(), [this](MessageKind kind, const QString& text) {
            messages.push_back({kind, text, adifFilesIn(dir->path())});
            if (const auto then = std::exchange(whileMessageIsOpen, {}))
                then();
        });
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    std::unique_ptr<logvane::testing::TemporaryFolder> dir; // named in Latin-1, no UTF-8
    QTemporaryDir settings;
    Translations english {QLocale(QLocale::English)};
    std::unique_ptr<Form1> form;
    std::vector<Message> messages;
    std::function<void()> whileMessageIsOpen; // once, when the next message is shown

private slots:
    void initTestCase()
    {
        // The choice of fields goes to a settings file of the tests' own.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        english.install();
    }
    void init()
    {
        dir = std::make_unique<logvane::testing::TemporaryFolder>();
        start();
    }
    void cleanup()
    {
        form.reset();
        dir.reset();
    }

    void startsWithTheMainWindowAsDrawn()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("LOGVANE by TAVREN"));
        QVERIFY(!form->windowIcon().pixmap(32).isNull());
        QVERIFY(!picker().windowIcon().pixmap(32).isNull());
        QCOMPARE(picker().windowTitle(), QStringLiteral("LOGVANE by TAVREN"));
        QVERIFY(picker().parent() == nullptr);
        QVERIFY(!picker().isVisible());
        QVERIFY(!form->Label2->isVisible() && !form->Text4->isVisible());
        QCOMPARE(form->Label2->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(form->Text3->text(), QStringLiteral("Thank you for the QSO"));

        // Screen readers name the areas, the comment and the list by their labels.
        const std::pair<QWidget*, QString> named[] = {{form->Text1, QStringLiteral("EDI")},
            {form->Text2, QStringLiteral("ADIF")}, {form->Text3, QStringLiteral("Comment")},
            {picker().File1, QStringLiteral("click .EDI to convert...")}};
        for (const auto& [control, name] : named)
            QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name), name);

        // Tab walks Text1, Text2, Quit, Text3, Open, New, Fields…, and round again.
        QTRY_COMPARE(QApplication::focusWidget(), form->Text1);
        const QWidget* order[] = {form->Text2, form->Command2, form->Text3, form->Command3,
            form->Command5, form->Command6, form->Text1};
        for (const QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    // The layout grows with the desktop's font, as Windows grows it, and takes every language's
    // captions: each whole and translated, none over another, in English at 9 pt as drawn.
    // The screen is 1366 by 768, as many laptops' are (tests/ui/laptop_screen.json).
    void theLayoutGrowsWithTheFontAndTheLanguage_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QSize>("main");
        QTest::addColumn<QSize>("picker");
        const std::tuple<int, QSize, QSize> fonts[] = {{9, {471, 468}, {299, 252}},
            {12, {628, 624}, {399, 336}}, {16, {837, 832}, {532, 448}}}; // 16: too high to fit
        for (const auto& [points, main, picker] : fonts) {
            for (const char* language : {"en", "de", "cs", "sk", "pl", "it", "fr", "hu", "es"})
                QTest::addRow("%d pt, %s", points, language)
                    << points << QString::fromLatin1(language) << main << picker;
        }
    }
    void theLayoutGrowsWithTheFontAndTheLanguage()
    {
        QFETCH(int, points);
        QFETCH(QString, language);
        QFETCH(QSize, main);
        QFETCH(QSize, picker);
        FieldsDialog englishDialog({}, nullptr);
        const QStringList english = captionsOf({form.get(), &this->picker(), &englishDialog});

        const QFont defaultFont = QApplication::font();
        QFont font = defaultFont;
        font.setPointSize(points);
        QApplication::setFont(font);
        Translations translations {QLocale(language)};
        translations.install();
        start();
        FieldsDialog dialog({}, nullptr);
        QApplication::setFont(defaultFont);
        form->Label2->show();
        dialog.show();
        QTest::mouseClick(form->Command5, Qt::LeftButton);

        // Translated but for the program's name and those of the formats.
        for (const QString& caption : captionsOf({form.get(), &this->picker(), &dialog})) {
            const bool kept = language == u"en" || caption == u"LOGVANE by TAVREN"
                || caption == u"EDI" || caption == u"ADIF";
            QVERIFY2(kept || !english.contains(caption), qPrintable(caption));
        }
        // The dialog's layout gives every text its room, wrapped where it is long.
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            QVERIFY2(label->wordWrap()
                    ? label->heightForWidth(label->width()) <= label->height()
                    : label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                qPrintable(label->text()));
        for (const QCheckBox* box : dialog.findChildren<QCheckBox*>())
            QVERIFY2(box->sizeHint().width() <= box->width(), qPrintable(box->text()));

        QCoreApplication::processEvents(); // the scroll bars follow the size an event later
        const std::pair<ProgramWindow*, QSize> windows[]
            = {{form.get(), main}, {&this->picker(), picker}};
        for (const auto& [window, drawn] : windows) {
            // On the screen, title bar and all, as drawn where that fits, and as large as fits
            // where it does not, without a minimum the screen cannot hold.
            const QRect available = window->screen()->availableGeometry();
            QVERIFY(available.contains(window->frameGeometry()));
            QCOMPARE(window->client()->size(), drawn);
            if (drawn.height() < available.height() - 40) {
                QCOMPARE(window->size(), drawn);
                QCOMPARE(window->minimumSize(), drawn);
            } else {
                QVERIFY(window->height() > available.height() - 60);
                QCOMPARE(window->minimumSize(), window->size());
            }
            auto* const scrolled = window->findChild<QScrollArea*>();
            QList<QWidget*> shown;
            for (QWidget* control :
                window->client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (!control->isVisible())
                    continue;
                scrolled->ensureWidgetVisible(control, 0, 0); // within reach
                QVERIFY2(scrolled->viewport()->rect().contains(QRect(
                             control->mapTo(scrolled->viewport(), QPoint()), control->size())),
                    qPrintable(control->objectName()));
                if (auto* label = qobject_cast<QLabel*>(control))
                    QVERIFY2(label->width() >= label->sizeHint().width()
                            && label->height() >= label->sizeHint().height(),
                        qPrintable(label->text()));
                // Fusion gives every button a size hint of at least 80 pixels, wider than the
                // layout's buttons: what must fit is the caption with the style's margins.
                if (auto* button = qobject_cast<QPushButton*>(control))
                    QVERIFY2(button->fontMetrics().horizontalAdvance(button->text())
                                    + 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin)
                                <= button->width()
                            && button->sizeHint().height() <= button->height(),
                        qPrintable(button->text()));
                for (const QWidget* other : shown)
                    QVERIFY2(!control->geometry().intersects(other->geometry()),
                        qPrintable(control->objectName() + u' ' + other->objectName()));
                shown.append(control);
            }
        }
        const int labelMiddle = this->picker().Label1->geometry().center().x();
        QVERIFY(qAbs(labelMiddle - this->picker().File1->geometry().center().x()) <= 1);

        // Shrunk by the user, the picker still opens at its size as drawn.
        this->picker().resize(1, 1);
        QTest::mouseClick(this->picker().Command1, Qt::LeftButton);
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        QCOMPARE(this->picker().size(), picker);
    }

    // Enter presses the focused button, as Space does; in a text field or the list it presses
    // nothing. Each step: the control focused, its key, whether the picker and the main window are
    // open after it. New empties both areas, Close writes nothing, Quit or the frame closes both.
    void enterPressesTheFocusedButtonOnly()
    {
        writeLog("CONTEST.EDI", Log144);
        form->Text1->setBytes("left");
        form->Text2->setBytes("kept");
        const std::tuple<QWidget*, Qt::Key, bool, bool> steps[]
            = {{form->Text3, Qt::Key_Return, false, true},
                {form->Command5, Qt::Key_Return, true, true},
                {picker().File1, Qt::Key_Enter, true, true},
                {picker().Command1, Qt::Key_Enter, false, true},
                {form->Command3, Qt::Key_Return, true, true},
                {form->Command2, Qt::Key_Return, false, false}};
        for (const auto& [focused, key, picking, running] : steps) {
            focused->setFocus();
            QTest::keyClick(focused, key);
            QCOMPARE(picker().isVisible(), picking);
            QCOMPARE(form->isVisible(), running);
        }
        QVERIFY(bytesOf(form->Text1).isEmpty() && bytesOf(form->Text2).isEmpty());
        QVERIFY(messages.empty() && adifFilesIn(dir->path()).empty());
        form->show();
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        form->close(); // by the frame
        QVERIFY(!picker().isVisible());
    }

    void newThenPickConvertsAndSavesThatFileAlone()
    {
        writeLog("CONTEST.EDI", Log144);
        form->Text1->setBytes("left over\r\n");
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QVERIFY(picker().isVisible());
        QVERIFY(bytesOf(form->Text1).isEmpty() && bytesOf(form->Text2).isEmpty());

        clickEntry(QStringLiteral("CONTEST.EDI"));
        const QByteArray adif = contents(path("CONTEST.adi"));
        QCOMPARE(bytesOf(form->Text1), Log144);
        QCOMPARE(bytesOf(form->Text2), Header + Records144);
        QCOMPARE(adif, Header + Records144 + "\r\n");
        QVERIFY(form->Label2->isVisible());
        QCOMPARE(messages.size(), 1u);
        QCOMPARE(messages[0].text,
            QStringLiteral("ADI file saved in ") + shownPath(path("CONTEST.adi"))
                + QStringLiteral(
                    "\n5 contacts written, 1 of them without a band and 1 without a mode."));
        QCOMPARE(messages[0].adifFilesThen[fs::path("CONTEST.adi")], adif); // confirmed once whole
        QVERIFY(!picker().isVisible());

        // New again: both areas empty, "(converted)" stays.
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QVERIFY(bytesOf(form->Text1).isEmpty() && bytesOf(form->Text2).isEmpty());
        QVERIFY(form->Label2->isVisible());
    }

    // Every byte but the line ends goes from the log to the .adi file as it is, and what the user
    // types, no-break spaces included, is written in the code page.
    void bytesAndTypedTextSurviveFromFileToFile()
    {
        QByteArray call;
        for (int byte = 0; byte < 256; ++byte) {
            if (byte != '\r' && byte != '\n' && byte != ';')
                call += char(byte);
        }
        const QByteArray log
            = "PBand=1,3 GHz\r\n130803;1200;" + call + ";1;59;001;57;012;;KN00\r\n";
        writeLog("eight.edi", log);
        form->Text1->setFocus();
        QTest::keyClicks(form->Text1, QStringLiteral("PBand=432 MHz"));
        QTest::keyClick(form->Text1, Qt::Key_Return);
        QTest::keyClicks(
            form->Text1, QStringLiteral("130803;1200;Q1\u00A0BC;1;59;001;57;012;;KN00AA"));
        QTest::keyClick(form->Text1, Qt::Key_Return, Qt::ShiftModifier);
        form->Text3->setText(QStringLiteral("tnx \u00A0fer QSO"));

        QTest::mouseClick(form->Command3, Qt::LeftButton);
        clickEntry(QStringLiteral("eight.edi"));
        QCOMPARE(contents(path("eight.adi")),
            Header
                + "<QSO_DATE:8>20130803<TIME_ON:4>1200<TIME_OFF:4>1200<CALL:5>Q1\xA0"
                  "BC<MODE:3>SSB<BAND:4>70cm<RST_SENT:2>59<RST_RCVD:2>57<GRIDSQUARE:6>KN00AA"
                  "<COMMENT:12>tnx \xA0"
                  "fer QSO<EOR>\r\n<QSO_DATE:8>20130803<TIME_ON:4>1200<TIME_OFF:4>1200<CALL:253>"
                + call
                + "<MODE:3>SSB<BAND:4>23cm<RST_SENT:2>59<RST_RCVD:2>57<GRIDSQUARE:4>KN00"
                  "<COMMENT:12>tnx \xA0"
                  "fer QSO<EOR>\r\n\r\n");
    }

    void thePickerListsTheDirectoryEachTimeItOpens()
    {
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QCOMPARE(picker().File1->count(), 0);
        writeLog("later.EDI", Log144);
        writeLog("notes.txt", "x");
        QTest::mouseClick(form->Command3, Qt::LeftButton); // open already: unchanged
        QCOMPARE(picker().File1->count(), 0);
        QTest::mouseClick(picker().Command1, Qt::LeftButton);
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        QCOMPARE(picker().File1->count(), 1);
        QVERIFY(picker().File1->selectedItems().isEmpty());
        QVERIFY(messages.empty());

        // A folder that cannot be listed is told why, not shown as an empty list.
        QTest::mouseClick(picker().Command1, Qt::LeftButton);
        fs::remove_all(dir->path());
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QVERIFY(!picker().isVisible());
        QCOMPARE(messages.size(), 1u);
        QVERIFY2(messages[0].text.contains(QStringLiteral("No such file or directory")),
            qPrintable(messages[0].text));
        fs::create_directory(dir->path());
    }

    // The comment is one line: pasted line breaks and tabs become blanks, and none is written.
    void theCommentTakesNoLineBreaks()
    {
        QApplication::clipboard()->setText(
            QStringLiteral("line1\r\nline2\nline3\rline4\tend\u2029a\u2028b"));
        form->Text3->clear();
        form->Text3->setFocus();
        QTest::keyClick(form->Text3, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(form->Text3->text(), QStringLiteral("line1  line2 line3 line4 end a b"));
    }

    // Only the user's own choice starts a job, and each key picks as in a freshly opened picker,
    // after a failed pick too, and runs its job once.
    void eachKeyPicksAsInAFreshPicker_data()
    {
        QTest::addColumn<int>("key"); // 0 for a click on bravo.edi
        QTest::addColumn<QString>("saved"); // empty where the pick fails
        const std::pair<int, const char*> keys[] = {{Qt::Key_Down, "alpha.adi"},
            {Qt::Key_Up, "alpha.adi"}, {Qt::Key_Home, "alpha.adi"}, {Qt::Key_PageUp, "alpha.adi"},
            {Qt::Key_End, "zulu.adi"}, {Qt::Key_PageDown, "zulu.adi"}, {Qt::Key_A, "alpha.adi"},
            {Qt::Key_Z, "zulu.adi"}, {Qt::Key_M, ""}, {0, "bravo.adi"}};
        for (const auto& [key, saved] : keys)
            QTest::addRow("%s", qPrintable(QKeySequence(key).toString()))
                << key << QString::fromLatin1(saved);
    }
    void eachKeyPicksAsInAFreshPicker()
    {
        QFETCH(int, key);
        QFETCH(QString, saved);
        for (const char* name : {"alpha.edi", "bravo.edi", "mike.edi", "zulu.edi"})
            writeLog(name, Log432);
        fs::create_directory(path("mike.adi")); // in the way: picking mike.edi fails
        // Type-ahead takes keys a moment apart as separate searches, as a user's are.
        const int interval = QApplication::keyboardInputInterval();
        QApplication::setKeyboardInputInterval(1);
        const auto press = [this](int key) {
            QTest::qWait(5);
            if (key == 0)
                clickEntry(QStringLiteral("bravo.edi"));
            else
                QTest::keyClick(picker().File1, Qt::Key(key));
        };
        for (const bool afterAFailure : {false, true}) {
            messages.clear();
            QTest::mouseClick(form->Command5, Qt::LeftButton);
            QVERIFY(QTest::qWaitForWindowActive(&picker()));
            QTRY_VERIFY(picker().File1->hasFocus());
            if (afterAFailure)
                press(Qt::Key_M);
            press(key);
            QCOMPARE(messages.size(), afterAFailure ? 2u : 1u);
            QCOMPARE(messages.back().kind,
                saved.isEmpty() ? MessageKind::Failure : MessageKind::Confirmation);
            QCOMPARE(adifFilesIn(dir->path()).size(), saved.isEmpty() ? 0u : 1u);
            if (!saved.isEmpty()) {
                QVERIFY2(fs::exists(path(saved.toStdString())), qPrintable(saved));
                QVERIFY(!picker().isVisible());
                fs::remove(path(saved.toStdString()));
            } else {
                QTest::mouseClick(picker().Command1, Qt::LeftButton);
            }
        }
        QApplication::setKeyboardInputInterval(interval);
    }

    // A failed job is told once and changes nothing the user sees; mended, the same pick gives
    // exactly what a first pick would have given: Open after a conversion adds the file's lines
    // after the EDI text and saves under the new file's name.
    void aFailedJobChangesNothingAndCanBeRetried_data()
    {
        QTest::addColumn<Step>("cause");
        QTest::addColumn<Step>("mend");
        QTest::addColumn<QString>("told");
        const Step writeTarget = [this] { writeLog("target.edi", Log432); };
        QTest::newRow("file gone after the listing")
            << Step([this] { fs::remove(path("target.edi")); }) << writeTarget
            << u"does not exist"_qs;
        QTest::newRow("output blocked by a directory")
            << Step([this] { fs::create_directory(path("target.adi")); })
            << Step([this] { fs::remove(path("target.adi")); }) << u"a folder of that name"_qs;
        QTest::newRow("comment the code page cannot hold")
            << Step([this] { form->Text3->setText(QStringLiteral("73 \u03A9")); })
            << Step([this] { form->Text3->setText(QStringLiteral("Thank you for the QSO")); })
            << u"(U+03A9) in the comment"_qs;
        QTest::newRow("typed EDI text the code page cannot hold") << Step([this] {
            QTest::keyClick(form->Text1, Qt::Key_Z, Qt::NoModifier);
            form->Text1->insertPlainText(QStringLiteral("\u03A9"));
        }) << Step([this] {
            QTest::keyClick(form->Text1, Qt::Key_Backspace);
            QTest::keyClick(form->Text1, Qt::Key_Backspace);
        }) << u"(U+03A9) on line 10 of the EDI text"_qs;
        QTest::newRow("file over the bound")
            << Step([this] { fs::resize_file(path("target.edi"), EdiTextLimit + 1); })
            << writeTarget << u"67,108,865 bytes"_qs;
    }
    void aFailedJobChangesNothingAndCanBeRetried()
    {
        QFETCH(Step, cause);
        QFETCH(Step, mend);
        QFETCH(QString, told);
        // An earlier job, a line the user typed, then Open to add the target.
        writeLog("earlier.edi", Log144);
        writeLog("target.edi", Log432);
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        clickEntry(QStringLiteral("earlier.edi"));
        form->Text1->moveCursor(QTextCursor::End);
        QTest::keyClicks(form->Text1, QStringLiteral("typed\u00A0"));
        QTest::keyClick(form->Text1, Qt::Key_Return);
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        messages.clear();

        cause();
        const Seen before = seen();
        clickEntry(QStringLiteral("target.edi"));
        QCOMPARE(messages.size(), 1u);
        QVERIFY2(messages[0].kind == MessageKind::Failure && messages[0].text.contains(told),
            qPrintable(messages[0].text));
        QVERIFY(seen() == before);
        QVERIFY(picker().isVisible() && picker().File1->selectedItems().isEmpty());
        QVERIFY(!fs::is_regular_file(path("target.adi")));

        mend();
        clickEntry(QStringLiteral("target.edi"));
        QCOMPARE(bytesOf(form->Text1), Log144 + "typed\xA0\r\n" + Log432AsLoaded);
        QCOMPARE(contents(path("target.adi")), Header + Records144 + Records432 + "\r\n");
        QCOMPARE(bytesOf(form->Text2), Header + Records144 + Records432);
        QCOMPARE(form->Text4->text(), shownPath(path("target.edi")));
        QVERIFY(!picker().isVisible());
    }

    // Files named on the command line are converted each as if picked after New, in order; one
    // message tells of them all, and a failed file changes nothing and stops no other. The picker
    // lists the folder of the last EDI file given from then on.
    void filesGivenToTheProgramAreConvertedInTurn_data()
    {
        QTest::addColumn<QStringList>("named");
        QTest::addColumn<QStringList>("saved");
        QTest::addColumn<QString>("shown"); // the EDI file the windows show, empty for none
        QTest::newRow("one") << QStringList {u"a.edi"_qs} << QStringList {u"a.adi"_qs}
                             << u"sub/a.edi"_qs;
        QTest::newRow("failing in the middle")
            << QStringList {u"a.edi"_qs, u"missing.edi"_qs, u"notes.txt"_qs, u"folder.edi"_qs,
                   u"with blank.EDI"_qs}
            << QStringList {u"a.adi"_qs, u"with blank.adi"_qs} << u"sub/with blank.EDI"_qs;
        QTest::newRow("relative") << QStringList {u"../sub/a.edi"_qs} << QStringList {u"a.adi"_qs}
                                  << u"elsewhere/../sub/a.edi"_qs;
        QTest::newRow("none taken") << QStringList {u"notes.txt"_qs} << QStringList {} << QString();
    }
    void filesGivenToTheProgramAreConvertedInTurn()
    {
        QFETCH(QStringList, named);
        QFETCH(QStringList, saved);
        QFETCH(QString, shown);
        fs::create_directories(path("sub/folder.edi"));
        fs::create_directory(path("elsewhere"));
        for (const char* name : {"a.edi", "with blank.EDI", "notes.txt"})
            writeLog(std::string("sub/") + name, Log432);
        form->Text1->setBytes("before\r\n");
        const fs::path working = fs::current_path();
        fs::current_path(path("elsewhere"));
        std::vector<fs::path> files;
        for (const QString& name : named)
            files.push_back(name.startsWith(u'.') ? fs::path(name.toStdString())
                                                  : path("sub/" + name.toStdString()));
        form->convertFiles(files);
        fs::current_path(working);

        QCOMPARE(messages.size(), 1u);
        // One line a file after one that counts them; one file alone gets the confirmation of a
        // pick, on two lines.
        const qsizetype lines = named.size() == 1 ? 1 + !saved.empty() : named.size() + 1;
        QCOMPARE(messages[0].text.count(u'\n') + 1, lines);
        QVERIFY(named.size() == 1
            || messages[0].text.startsWith(QStringLiteral("%1 ADI files saved, %2 failed.\n")
                                               .arg(saved.size())
                                               .arg(named.size() - saved.size())));
        QCOMPARE(messages[0].kind,
            saved.size() == named.size() ? MessageKind::Confirmation : MessageKind::Failure);
        QStringList written;
        for (const auto& entry : fs::recursive_directory_iterator(dir->path())) {
            if (entry.path().extension() == ".adi") {
                written.append(QString::fromStdString(entry.path().filename().string()));
                QCOMPARE(contents(entry.path()), Header + Records432 + "\r\n");
            }
        }
        written.sort();
        QCOMPARE(written, saved);
        QCOMPARE(bytesOf(form->Text1), shown.isEmpty() ? QByteArray("before\r\n") : Log432AsLoaded);
        QCOMPARE(form->Text4->text(),
            shown.isEmpty() ? QStringLiteral("Text4") : shownPath(path(shown.toStdString())));
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QCOMPARE(picker().File1->count(), shown.isEmpty() ? 0 : 2);
        QCOMPARE(picker().Label2->toolTip(),
            shownPath(shown.isEmpty() ? dir->path() : path(shown.toStdString()).parent_path()));
    }

    // Files dropped anywhere on the window are converted as if named; text dropped into a text
    // area is inserted, as typed.
    void droppedFilesAreConverted()
    {
        fs::create_directory(path("sub"));
        writeLog("sub/a.edi", Log432);
        // As a file manager sends it: the name's bytes percent-encoded, "\xE9" of the folder too.
        const auto fileUrl = [this](const char* name) {
            return QUrl(QStringLiteral("file://")
                + QString::fromLatin1(QByteArray(path(name).c_str()).toPercentEncoding("/")));
        };
        // The path as text too, as file managers send it, and a link that is no file.
        QMimeData files;
        files.setUrls({QUrl(QStringLiteral("https://example.org/b.edi")), fileUrl("sub/a.edi")});
        files.setText(QFile::decodeName(path("sub/a.edi").c_str()));
        // Longer than a line edit takes unless told otherwise.
        const QString comment(40'000, u'c');
        form->Text3->setText(comment);
        const QByteArray adif = Header
            + QByteArray(Records432)
                  .replace("21>Thank you for the QSO", "40000>" + comment.toLatin1())
            + "\r\n";
        QMimeData text;
        text.setText(QStringLiteral("dropped text"));
        for (QWidget* target : {static_cast<QWidget*>(form->Text1->viewport()),
                 static_cast<QWidget*>(form->Text2->viewport()), static_cast<QWidget*>(form->Text3),
                 static_cast<QWidget*>(form.get())}) {
            messages.clear();
            fs::remove(path("sub/a.adi"));
            form->Text1->setBytes({});
            QDragEnterEvent enter({5, 5}, Qt::CopyAction, &files, Qt::LeftButton, {});
            QCoreApplication::sendEvent(target, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop({5, 5}, Qt::CopyAction, &files, Qt::LeftButton, {});
            QCoreApplication::sendEvent(target, &drop);
            QVERIFY(messages.size() == 1 && messages[0].kind == MessageKind::Confirmation);
            QCOMPARE(contents(path("sub/a.adi")), adif);
            QCOMPARE(form->Text3->text(), comment);
        }
        form->Text1->setBytes({});
        QDragEnterEvent enter({5, 5}, Qt::CopyAction, &text, Qt::LeftButton, {});
        QCoreApplication::sendEvent(form->Text1->viewport(), &enter);
        QDropEvent drop({5, 5}, Qt::CopyAction, &text, Qt::LeftButton, {});
        QCoreApplication::sendEvent(form->Text1->viewport(), &drop);
        QCOMPARE(bytesOf(form->Text1), QByteArray("dropped text"));
        QCOMPARE(messages.size(), 1u);

        // While a job's message is open a drag of files is refused as it enters, and files given
        // are told that a job runs: nothing of theirs is written.
        writeLog("b.edi", Log432);
        QMimeData later;
        later.setUrls({fileUrl("b.edi")});
        QDragEnterEvent refused({5, 5}, Qt::CopyAction, &later, Qt::LeftButton, {});
        whileMessageIsOpen = [&] {
            QCoreApplication::sendEvent(form.get(), &refused);
            form->convertFiles({path("b.edi")});
        };
        form->convertFiles({path("sub/a.edi")});
        QVERIFY(!refused.isAccepted() && !fs::exists(path("b.adi")));
        QVERIFY(messages.at(2).text.startsWith(QStringLiteral("A job is running")));
        QTest::mouseClick(form->Command3, Qt::LeftButton); // which lists the folder dropped from
        QCOMPARE(picker().Label2->toolTip(), shownPath(path("sub")));
    }

    // Fields… chooses the groups of fields that jobs add from the next one on, and keeps the
    // choice for the next run; where it cannot be kept, it is told and holds for this run.
    void theFieldsChosenAreAddedFromTheNextJob()
    {
        writeLog("CONTEST.EDI", Log144);
        const auto choose = [this](bool contest) {
            QTimer::singleShot(0, form.get(), [contest] {
                auto* const dialog = qobject_cast<FieldsDialog*>(QApplication::activeModalWidget());
                dialog->contest->setChecked(contest);
                dialog->accept();
            });
            QTest::mouseClick(form->Command6, Qt::LeftButton);
        };
        choose(true);
        QCOMPARE(storedFieldGroups(), (FieldGroups {true, false}));
        const std::string folder = settings.path().toStdString() + "/logvane";
        fs::remove_all(folder);
        logvane::testing::writeFile(folder, ""); // in the settings file's way
        choose(false);
        choose(true);
        QVERIFY(messages.at(1).text.startsWith(QStringLiteral("Could not keep the choice of")));
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        clickEntry(QStringLiteral("CONTEST.EDI"));
        QVERIFY(contents(path("CONTEST.adi")).contains("QSO<STX:1>1<SRX:2>12<EOR>"));
        fs::remove(folder);
        storeFieldGroups({});
    }

    // The texts of a job saved are not shown where the memory left cannot hold them, and the
    // message says so: in a child that may take 100 MB more, some 50 for the job, not 250 to show.
    void runningOutOfMemoryWhileShowingIsTold()
    {
        if (!logvane::testing::AddressSpaceCanBeLimited)
            QSKIP("address space cannot be limited under AddressSanitizer");
        writeLog("big.edi",
            QByteArray("130803;1200;Q1ABC;1;59;001;57;012;;KN00AA;1\r\n").repeated(200'000));
        const pid_t child = ::fork();
        if (child == 0) {
            QString told;
            Form1 window(dir->path(), [&told](MessageKind, const QString& text) { told = text; });
            logvane::testing::limitAddressSpace(100 << 20);
            window.convertFiles({path("big.edi")});
            std::_Exit(
                told.contains(u"too large to show") && fs::file_size(path("big.adi")) ? 0 : 1);
        }
        int status = -1;
        ::waitpid(child, &status, 0);
        QCOMPARE(status, 0);
    }

    // Boxes open over the main window; one about many files fits the screen, its list in the
    // details, which scroll.
    void aMessageAboutManyFilesFitsTheScreen()
    {
        Form1 window(dir->path()); // showing boxes of its own
        window.show();
        QTimer::singleShot(0, &window, [&window] {
            auto* const box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            box->accept(); // and still there until its loop ends
            QVERIFY(box->parentWidget() == &window && box->detailedText().count(u'\n') == 199);
            QVERIFY(window.screen()->availableGeometry().contains(box->frameGeometry()));
        });
        window.convertFiles(std::vector<fs::path>(200, path("notes.txt")));
    }
};

QTEST_MAIN(tst_Windows)
#include "tst_windows.moc"
