// The whole road of a log file through both windows, driven by clicks and keys as a user drives
// it; the messages are recorded where the program would show its boxes.
#include "conversion/conversion_run.h"
#include "logfiles/edi_file_loading.h"
#include "ui/file_list_box.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/text_area.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

using namespace logvane;

namespace {

const QByteArray Log144 = "[REG1TEST;1]\r\nPBand=144 MHz\r\n[QSORecords;4]\r\n"
                          "130803;1200;Q1ABC;1;59;001;57;012;;KN00AA;120;;;;\r\n"
                          "130803;1215;Q2ABCD;2;599;002;579;034;;KN00AB;130;;;;\r\n"
                          "130803;1230;Q0MN;2;599;1003;579;016;DA;JO01CK;80;;;;\r\n"
                          "130803;1245;Q3EQO;6;59;1004;;;;JN99EQ;2;;;;\r\n";
const QByteArray Log432 = "PBand=432 MHz\n130803;1300;Q3XY;1;55;003;59;040;;JO01AA;9;;;;\n";

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray converted(const QByteArray& ediBytes, const char* comment = "Thank you for the QSO")
{
    return QByteArray::fromStdString(ConversionRun::run(ediBytes.toStdString(), comment));
}

// The .adi file the program must write for an EDI text of these bytes.
QByteArray expectedAdif(const QByteArray& ediBytes, const char* comment = "Thank you for the QSO")
{
    return converted(ediBytes, comment) + "\r\n";
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
    QByteArray savedFileThen; // for a confirmation, what the file held when it was shown
};

// What the user sees: the texts of the main window and the state of the picker.
struct Seen
{
    QString text1, text2, text3, text4;
    bool converted;
    friend bool operator==(const Seen&, const Seen&) = default;
};

} // namespace

class tst_Windows : public QObject
{
    Q_OBJECT

private:
    QString path(const QString& name) const { return dir->filePath(name); }
    void writeLog(const QString& name, const QByteArray& bytes)
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    void clickEntry(const QString& name)
    {
        const auto items = picker().File1->findItems(name, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        const QRect rect = picker().File1->visualItemRect(items.front());
        QTest::mouseClick(picker().File1->viewport(), Qt::LeftButton, {}, rect.center());
    }
    Form2& picker() const { return form->picker(); }
    Seen seen() const
    {
        return {form->Text1->document()->toRawText(), form->Text2->document()->toRawText(),
            form->Text3->text(), form->Text4->text(), form->Label2->isVisible()};
    }
    void start()
    {
        messages.clear();
        form = std::make_unique<Form1>(dir->path(), [this](MessageKind kind, const QString& text) {
            const QString saved = QStringLiteral("ADI file saved in ");
            messages.push_back({kind, text,
                text.startsWith(saved) ? contents(text.mid(saved.size())) : QByteArray()});
        });
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<Form1> form;
    std::vector<Message> messages;

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        start();
    }
    void cleanup()
    {
        form.reset();
        std::filesystem::remove_all(QFile::encodeName(dir->path()).toStdString());
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

        // Tab walks Text1, Text2, Quit, Text3, Open, New, and round again.
        QTRY_COMPARE(QApplication::focusWidget(), form->Text1);
        const QWidget* order[] = {
            form->Text2, form->Command2, form->Text3, form->Command3, form->Command5, form->Text1};
        for (const QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    // The layout grows with the desktop's font, as Windows grows it with large fonts: every
    // caption whole, no control over another, and at the default font exactly as drawn.
    void theLayoutGrowsWithTheFont_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<QSize>("main");
        QTest::addColumn<QSize>("picker");
        QTest::newRow("9 pt, the default") << 9 << QSize(471, 468) << QSize(299, 236);
        QTest::newRow("12 pt") << 12 << QSize(628, 624) << QSize(399, 315);
        QTest::newRow("16 pt") << 16 << QSize(837, 832) << QSize(532, 420);
    }
    void theLayoutGrowsWithTheFont()
    {
        QFETCH(int, points);
        QFETCH(QSize, main);
        QFETCH(QSize, picker);
        const QFont defaultFont = QApplication::font();
        QFont font = defaultFont;
        font.setPointSize(points);
        QApplication::setFont(font);
        start();
        QApplication::setFont(defaultFont);
        form->Label2->show();
        QTest::mouseClick(form->Command5, Qt::LeftButton);

        QCOMPARE(form->size(), main);
        QCOMPARE(form->minimumSize(), main);
        QCOMPARE(this->picker().size(), picker);
        QCOMPARE(this->picker().minimumSize(), picker);
        for (QWidget* window :
            {static_cast<QWidget*>(form.get()), static_cast<QWidget*>(&this->picker())}) {
            QList<QWidget*> shown;
            for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (!control->isVisible())
                    continue;
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
    // nothing.
    void enterPressesTheFocusedButtonOnly()
    {
        writeLog(QStringLiteral("CONTEST.EDI"), Log144);
        form->Text3->setFocus();
        QTest::keyClick(form->Text3, Qt::Key_Return);
        QVERIFY(!picker().isVisible());
        form->Text2->setBytes("kept");
        form->Command5->setFocus();
        QTest::keyClick(form->Command5, Qt::Key_Return);
        QVERIFY(picker().isVisible() && bytesOf(form->Text2).isEmpty());
        picker().File1->setFocus();
        QTest::keyClick(picker().File1, Qt::Key_Enter);
        QVERIFY(picker().isVisible() && messages.empty());
        picker().Command1->setFocus();
        QTest::keyClick(picker().Command1, Qt::Key_Enter);
        QVERIFY(!picker().isVisible());
        form->Command3->setFocus();
        QTest::keyClick(form->Command3, Qt::Key_Return);
        QVERIFY(picker().isVisible());
        form->Command2->setFocus();
        QTest::keyClick(form->Command2, Qt::Key_Return);
        QVERIFY(!form->isVisible() && !picker().isVisible());
    }

    void textAreasGiveBackTheirBytesAfterAnEdit()
    {
        QByteArray lines;
        for (int line = 0; line < 150; ++line) // more lines than one block of the display
            lines += "line " + QByteArray::number(line) + "\r\n";
        // NUL, controls, the unassigned bytes, no-break and soft hyphen, markup characters.
        const QByteArray awkward(
            "\x00\x01\x09\x0B\x0C\x7F\x80\x81\x8D\x9D\xA0\xAD\xFF \"'<>&\\;", 21);
        QByteArray longLine(100'000, 'x'); // many display pieces
        for (qsizetype i = 0; i < longLine.size(); i += 7)
            longLine[i] = ';';
        const struct
        {
            QByteArray original;
            bool editable;
        } cases[] = {{lines, true}, {lines + "no end", true}, {awkward + "\r\n", true},
            {"first\r\n" + longLine + "\r\nlast", false}};
        for (const auto& [original, editable] : cases) {
            form->Text1->setBytes(original.toStdString());
            QCOMPARE(bytesOf(form->Text1), original);
            form->Text1->moveCursor(QTextCursor::Start); // an edit on the first line
            QTest::keyClick(form->Text1, Qt::Key_X);
            QCOMPARE(bytesOf(form->Text1), editable ? "x" + original : original);
            QTest::keyClick(form->Text1, Qt::Key_Backspace);
            QCOMPARE(bytesOf(form->Text1), original);
        }
        // New makes the area of the long line editable again.
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QTest::keyClick(form->Text1, Qt::Key_X);
        QCOMPARE(bytesOf(form->Text1), QByteArray("x"));
        // A CR or an LF that ends no line is shown as such, and given back while not edited.
        form->Text1->setBytes("a\rb\nc\r");
        QCOMPARE(form->Text1->document()->toRawText(), QStringLiteral("a\u240Db\u240Ac\u240D"));
        QCOMPARE(bytesOf(form->Text1), QByteArray("a\rb\nc\r"));
    }

    void newThenPickConvertsAndSavesThatFileAlone()
    {
        writeLog(QStringLiteral("CONTEST.EDI"), Log144);
        form->Text1->setBytes("left over\r\n");
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QVERIFY(picker().isVisible());
        QVERIFY(bytesOf(form->Text1).isEmpty() && bytesOf(form->Text2).isEmpty());

        clickEntry(QStringLiteral("CONTEST.EDI"));
        const QByteArray adif = contents(path(QStringLiteral("CONTEST.adi")));
        QCOMPARE(bytesOf(form->Text1), Log144);
        QCOMPARE(bytesOf(form->Text2), converted(Log144));
        QCOMPARE(adif, expectedAdif(Log144));
        QVERIFY(adif.contains("<CALL:5>Q3EQO<MODE:2>FM<BAND:2>2m<RST_SENT:2>59<RST_RCVD:0>"
                              "<GRIDSQUARE:6>JN99EQ"));
        QVERIFY(form->Label2->isVisible());
        QCOMPARE(messages.size(), 1u);
        QCOMPARE(messages[0].text,
            QStringLiteral("ADI file saved in ") + path(QStringLiteral("CONTEST.adi")));
        QCOMPARE(messages[0].savedFileThen, adif); // confirmed once the file was whole
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
        writeLog(QStringLiteral("eight.edi"), log);
        form->Text1->setFocus();
        QTest::keyClicks(form->Text1, QStringLiteral("PBand=432 MHz"));
        QTest::keyClick(form->Text1, Qt::Key_Return);
        QTest::keyClicks(
            form->Text1, QStringLiteral("130803;1200;Q1\u00A0BC;1;59;001;57;012;;KN00AA"));
        QTest::keyClick(form->Text1, Qt::Key_Return, Qt::ShiftModifier);
        form->Text3->setText(QStringLiteral("tnx \u00A0fer QSO"));

        QTest::mouseClick(form->Command3, Qt::LeftButton);
        clickEntry(QStringLiteral("eight.edi"));
        const QByteArray typed = "PBand=432 MHz\r\n130803;1200;Q1\xA0"
                                 "BC;1;59;001;57;012;;KN00AA\r\n";
        const QByteArray adif = contents(path(QStringLiteral("eight.adi")));
        QCOMPARE(adif,
            expectedAdif(typed + log,
                "tnx \xA0"
                "fer QSO"));
        QVERIFY(adif.contains("<CALL:253>" + call + "<MODE:3>SSB<BAND:4>23cm"));
    }

    void closeAfterNewWritesNothingAndKeepsTheAreasEmpty()
    {
        writeLog(QStringLiteral("CONTEST.EDI"), Log144);
        form->Text2->setBytes("old result");
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QTest::mouseClick(picker().Command1, Qt::LeftButton);
        QVERIFY(!picker().isVisible());
        QVERIFY(bytesOf(form->Text1).isEmpty() && bytesOf(form->Text2).isEmpty());
        QCOMPARE(
            QDir(dir->path()).entryList(QDir::Files), QStringList {QStringLiteral("CONTEST.EDI")});
        QVERIFY(messages.empty());
    }

    void quitWithThePickerOpenClosesBoth()
    {
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QVERIFY(picker().isVisible());
        QTest::mouseClick(form->Command2, Qt::LeftButton);
        QVERIFY(!picker().isVisible() && !form->isVisible());

        form->show();
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        form->close(); // by the frame
        QVERIFY(!picker().isVisible());
    }

    void thePickerListsTheDirectoryEachTimeItOpens()
    {
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QCOMPARE(picker().File1->count(), 0);
        writeLog(QStringLiteral("later.EDI"), Log144);
        writeLog(QStringLiteral("notes.txt"), "x");
        QTest::mouseClick(form->Command3, Qt::LeftButton); // open already: unchanged
        QCOMPARE(picker().File1->count(), 0);
        QTest::mouseClick(picker().Command1, Qt::LeftButton);
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        QCOMPARE(picker().File1->count(), 1);
        QVERIFY(picker().File1->selectedItems().isEmpty());
        QVERIFY(messages.empty());
    }

    void onlyTheUsersOwnChoiceStartsTheJob()
    {
        writeLog(QStringLiteral("alpha.edi"), Log144);
        writeLog(QStringLiteral("bravo.edi"), Log432);
        writeLog(QStringLiteral("charlie.edi"), Log144);
        const struct
        {
            QList<Qt::Key> keys;
            const char* saved;
        } cases[] = {
            {{Qt::Key_Down}, "alpha.adi"},
            {{Qt::Key_End}, "charlie.adi"},
            {{Qt::Key_B}, "bravo.adi"},
            {{Qt::Key_Home}, "alpha.adi"},
        };
        for (const auto& c : cases) {
            QTest::mouseClick(form->Command5, Qt::LeftButton);
            QVERIFY(QTest::qWaitForWindowActive(&picker()));
            QTRY_VERIFY(picker().File1->hasFocus());
            QVERIFY(QDir(dir->path()).entryList({QStringLiteral("*.adi")}).isEmpty());
            for (const Qt::Key key : c.keys)
                QTest::keyClick(picker().File1, key);
            QVERIFY2(QFile::exists(path(QString::fromLatin1(c.saved))), c.saved);
            QVERIFY(!picker().isVisible());
            QFile::remove(path(QString::fromLatin1(c.saved)));
        }
        QCOMPARE(messages.size(), 4u);
    }

    // A failed job is told once and changes nothing the user sees; mended, the same pick gives
    // exactly what a first pick would have given: Open after a conversion adds the file's lines
    // after the EDI text and saves under the new file's name.
    void aFailedJobChangesNothingAndCanBeRetried()
    {
        const QString target = QStringLiteral("target.edi");
        const QString targetAdi = path(QStringLiteral("target.adi"));
        const struct
        {
            const char* cause;
            std::function<void()> cause_, mend;
            QString told;
            QString picked = QStringLiteral("target.edi");
        } cases[] = {
            {"file gone after the listing", [&] { QFile::remove(path(target)); },
                [&] { writeLog(target, Log432); }, QStringLiteral("does not exist")},
            {"output blocked by a directory",
                [&] { QDir(dir->path()).mkdir(QStringLiteral("target.adi")); },
                [&] { QDir(dir->path()).rmdir(QStringLiteral("target.adi")); }, targetAdi},
            {"comment the code page cannot hold",
                [&] { form->Text3->setText(QStringLiteral("73 \u03A9")); },
                [&] { form->Text3->setText(QStringLiteral("Thank you for the QSO")); },
                QStringLiteral("(U+03A9) in the comment")},
            {"typed EDI text the code page cannot hold",
                [&] {
                    QTest::keyClick(form->Text1, Qt::Key_Z, Qt::NoModifier);
                    form->Text1->insertPlainText(QStringLiteral("\u03A9"));
                },
                [&] {
                    QTest::keyClick(form->Text1, Qt::Key_Backspace);
                    QTest::keyClick(form->Text1, Qt::Key_Backspace);
                },
                QStringLiteral("(U+03A9) on line 9 of the EDI text")},
            {"file over the bound",
                [&] {
                    QFile file(path(target));
                    QVERIFY(file.resize(EdiTextLimit + 1));
                },
                [&] { writeLog(target, Log432); }, QStringLiteral("64.0 MiB")},
            {"name that cannot be read",
                [&] {
                    std::filesystem::rename(QFile::encodeName(path(target)).toStdString(),
                        QFile::encodeName(dir->path()).toStdString() + "/T\xE4rget.edi");
                    QTest::mouseClick(picker().Command1, Qt::LeftButton);
                    QTest::mouseClick(form->Command3, Qt::LeftButton);
                },
                [&] {
                    std::filesystem::rename(
                        QFile::encodeName(dir->path()).toStdString() + "/T\xE4rget.edi",
                        QFile::encodeName(path(target)).toStdString());
                    QTest::mouseClick(picker().Command1, Qt::LeftButton);
                    QTest::mouseClick(form->Command3, Qt::LeftButton);
                },
                QStringLiteral("cannot be read on this system"), QStringLiteral("T\uFFFDrget.edi")},
        };
        for (const auto& c : cases) {
            // An earlier job, a line the user typed, then Open to add the target.
            form.reset();
            std::filesystem::remove_all(QFile::encodeName(dir->path()).toStdString());
            QDir().mkpath(dir->path());
            start();
            writeLog(QStringLiteral("earlier.edi"), Log144);
            writeLog(target, Log432);
            QTest::mouseClick(form->Command5, Qt::LeftButton);
            clickEntry(QStringLiteral("earlier.edi"));
            form->Text1->moveCursor(QTextCursor::End);
            QTest::keyClicks(form->Text1, QStringLiteral("typed\u00A0"));
            QTest::keyClick(form->Text1, Qt::Key_Return);
            QTest::mouseClick(form->Command3, Qt::LeftButton);
            messages.clear();

            c.cause_();
            const Seen before = seen();
            clickEntry(c.picked);
            QVERIFY2(messages.size() == 1 && messages[0].kind == MessageKind::Failure
                    && messages[0].text.contains(c.told),
                qPrintable(QStringLiteral("%1: %2").arg(QString::fromLatin1(c.cause),
                    messages.empty() ? QString() : messages[0].text)));
            QVERIFY2(seen() == before, c.cause);
            QVERIFY2(picker().isVisible() && picker().File1->selectedItems().isEmpty(), c.cause);
            QVERIFY2(!QFileInfo(targetAdi).isFile(), c.cause);

            c.mend();
            clickEntry(target);
            const QByteArray edi
                = Log144 + "typed\xA0\r\n" + QByteArray(Log432).replace("\n", "\r\n");
            QVERIFY2(bytesOf(form->Text1) == edi, c.cause);
            QVERIFY2(contents(targetAdi) == expectedAdif(edi), c.cause);
            QVERIFY2(bytesOf(form->Text2) == converted(edi), c.cause);
            QVERIFY2(form->Text4->text() == path(target) && !picker().isVisible(), c.cause);
        }
    }
};

QTEST_MAIN(tst_Windows)
#include "tst_windows.moc"
