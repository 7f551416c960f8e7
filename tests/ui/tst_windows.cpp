// The whole road of a log file through both windows, driven by clicks and keys as a user drives
// it, with the program's real message boxes accepted by the test.
#include "conversion/conversion_run.h"
#include "logfiles/code_page.h"
#include "tests/ui/message_box_watcher.h"
#include "ui/file_list_box.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/text_area.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

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

// The .adi file the program must write for an EDI text of these bytes.
QByteArray expectedAdif(const QByteArray& ediBytes, const char* comment = "Thank you for the QSO")
{
    return QByteArray::fromStdString(ConversionRun::run(ediBytes.toStdString(), comment)) + "\r\n";
}

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

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<Form1> form;
    std::unique_ptr<MessageBoxWatcher> boxes;

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        form = std::make_unique<Form1>(dir->path());
        boxes = std::make_unique<MessageBoxWatcher>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup()
    {
        boxes.reset();
        form.reset();
        dir.reset();
    }

    void startsWithTheMainWindowAsDrawn()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("LOGVANE by TAVREN"));
        QCOMPARE(form->size(), QSize(471, 468));
        QVERIFY(!form->windowIcon().pixmap(32).isNull());
        QVERIFY(!picker().windowIcon().pixmap(32).isNull());
        QCOMPARE(picker().windowTitle(), QStringLiteral("LOGVANE by TAVREN"));
        QVERIFY(picker().parent() == nullptr);
        QCOMPARE(picker().size(), QSize(299, 236));
        QVERIFY(!picker().isVisible());
        QVERIFY(!form->Label2->isVisible() && !form->Command1->isVisible()
            && !form->Command4->isVisible());
        QCOMPARE(form->Label2->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(form->Text3->text(), QStringLiteral("Thank you for the QSO"));

        // Tab walks Text1, Text2, Quit, Text3, Open, New, and round again.
        QTRY_COMPARE(QApplication::focusWidget(), form->Text1);
        const QWidget* order[] = {
            form->Text2, form->Command2, form->Text3, form->Command3, form->Command5, form->Text1};
        for (const QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void textAreasGiveBackWhatTheyHoldAfterAnEdit()
    {
        QString text;
        for (int line = 0; line < 150; ++line) // more lines than one paragraph of the display
            text += QStringLiteral("line %1\r\n").arg(line);
        // NUL, controls, the unassigned bytes, no-break and soft hyphen, and markup characters.
        const QString allCharacters = codepage::decode(
            std::string("\x00\x01\x09\x0B\x0C\x7F\x80\x81\x8D\x9D\xA0\xAD\xFF \"'<>&\\;", 21));
        for (const QString& original :
            {text, text + QStringLiteral("no end"), allCharacters + QStringLiteral("\r\n")}) {
            form->Text1->setExactText(original);
            QCOMPARE(form->Text1->exactText(), original);
            form->Text1->moveCursor(QTextCursor::End);
            QTest::keyClick(form->Text1, Qt::Key_X);
            QTest::keyClick(
                form->Text1, Qt::Key_Backspace); // the user typed: read from the document
            QCOMPARE(form->Text1->exactText(), original);
        }
    }

    void newThenPickConvertsAndSavesThatFileAlone()
    {
        writeLog(QStringLiteral("CONTEST.EDI"), Log144);
        form->Text1->setExactText(QStringLiteral("left over\r\n"));
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QVERIFY(picker().isVisible());
        QVERIFY(form->Text1->exactText().isEmpty() && form->Text2->exactText().isEmpty());

        clickEntry(QStringLiteral("CONTEST.EDI"));
        QCOMPARE(form->Text1->exactText(), QString::fromLatin1(Log144));
        QCOMPARE(form->Text2->exactText() + QStringLiteral("\r\n"),
            QString::fromLatin1(expectedAdif(Log144)));
        QVERIFY(form->Label2->isVisible());
        QCOMPARE(contents(path(QStringLiteral("CONTEST.adi"))), expectedAdif(Log144));
        QVERIFY(contents(path(QStringLiteral("CONTEST.adi")))
                    .contains("<CALL:5>Q3EQO<MODE:2>FM<BAND:2>2m<RST_SENT:2>59<RST_RCVD:0>"
                              "<GRIDSQUARE:6>JN99EQ"));
        QCOMPARE(boxes->texts,
            QStringList {
                QStringLiteral("ADI file saved in ") + path(QStringLiteral("CONTEST.adi"))});
        QCOMPARE(boxes->titles, QStringList {QStringLiteral("logvane")});
        QCOMPARE(boxes->modal, QList<bool> {true});
        QVERIFY(!picker().isVisible());

        // New again: both areas empty, "(converted)" stays.
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QVERIFY(form->Text1->exactText().isEmpty() && form->Text2->exactText().isEmpty());
        QVERIFY(form->Label2->isVisible());
    }

    void openAfterAConversionConvertsBothFilesUnderTheNewName()
    {
        writeLog(QStringLiteral("a.edi"), Log144);
        writeLog(QStringLiteral("b.edi"), Log432);
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        clickEntry(QStringLiteral("a.edi"));
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        clickEntry(QStringLiteral("b.edi"));

        const QByteArray both = Log144 + QByteArray(Log432).replace("\n", "\r\n");
        QCOMPARE(form->Text1->exactText(), QString::fromLatin1(both));
        QCOMPARE(contents(path(QStringLiteral("b.adi"))), expectedAdif(both));
        QCOMPARE(contents(path(QStringLiteral("a.adi"))), expectedAdif(Log144));
        QCOMPARE(form->Text4->text(), path(QStringLiteral("b.edi")));
    }

    void typedLinesAndTheCommentAreConvertedAsTyped()
    {
        writeLog(QStringLiteral("empty.edi"), "");
        form->Text1->setFocus();
        QTest::keyClicks(form->Text1, QStringLiteral("PBand=432 MHz"));
        QTest::keyClick(form->Text1, Qt::Key_Return);
        QTest::keyClicks(
            form->Text1, QStringLiteral("130803;1200;Q1\u00A0BC;1;59;001;57;012;;KN00AA"));
        QTest::keyClick(form->Text1, Qt::Key_Return, Qt::ShiftModifier);
        form->Text3->setText(QStringLiteral("tnx \u00A0fer QSO"));

        QTest::mouseClick(form->Command3, Qt::LeftButton);
        clickEntry(QStringLiteral("empty.edi"));
        const QByteArray typed = "PBand=432 MHz\r\n130803;1200;Q1\xA0"
                                 "BC;1;59;001;57;012;;KN00AA\r\n";
        QCOMPARE(contents(path(QStringLiteral("empty.adi"))),
            expectedAdif(typed,
                "tnx \xA0"
                "fer QSO"));
    }

    void noBreakSpacesAndEightBitBytesSurviveFromFileToFile()
    {
        const QByteArray log
            = "PBand=1,3 "
              "GHz\r\n130803;1200;Q1\xA0\xE9\x80\xFF;1;59;001;57;012;;KN00\x9A\x81;1;;;;\r\n";
        writeLog(QStringLiteral("eight.edi"), log);
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        clickEntry(QStringLiteral("eight.edi"));
        const QByteArray adif = contents(path(QStringLiteral("eight.adi")));
        QCOMPARE(adif, expectedAdif(log));
        QVERIFY(adif.contains("<CALL:6>Q1\xA0\xE9\x80\xFF<MODE:3>SSB<BAND:4>23cm"));
    }

    void closeAfterNewWritesNothingAndKeepsTheAreasEmpty()
    {
        writeLog(QStringLiteral("CONTEST.EDI"), Log144);
        form->Text2->setExactText(QStringLiteral("old result"));
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QTest::mouseClick(picker().Command1, Qt::LeftButton);
        QVERIFY(!picker().isVisible());
        QVERIFY(form->Text1->exactText().isEmpty() && form->Text2->exactText().isEmpty());
        QCOMPARE(
            QDir(dir->path()).entryList(QDir::Files), QStringList {QStringLiteral("CONTEST.EDI")});
        QVERIFY(boxes->texts.isEmpty());
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
        QVERIFY(boxes->texts.isEmpty());
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
        QCOMPARE(boxes->texts.size(), 4);
    }

    void failuresAreToldAndLeaveThePickerOpenToPickAgain()
    {
        writeLog(QStringLiteral("gone.edi"), Log144);
        writeLog(QStringLiteral("folder.edi"), Log144);
        writeLog(QStringLiteral("fine.edi"), Log144);
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("folder.adi")));
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QFile::remove(path(QStringLiteral("gone.edi"))); // after the listing

        clickEntry(QStringLiteral("gone.edi"));
        QVERIFY(boxes->texts.last().contains(path(QStringLiteral("gone.edi"))));
        QVERIFY(
            form->Text1->exactText().isEmpty() && form->Text4->text() == QStringLiteral("Text4"));

        clickEntry(QStringLiteral("folder.edi"));
        QVERIFY(boxes->texts.last().contains(path(QStringLiteral("folder.adi"))));
        QVERIFY(QFileInfo(path(QStringLiteral("folder.adi"))).isDir());

        // A character that no log file can hold, typed into the EDI text: nothing is written,
        // and nothing typed is lost.
        form->Text1->setExactText(
            QStringLiteral("PBand=432 MHz\r\n130803;1200;Q1\u03A9BC;1;59\r\n"));
        clickEntry(QStringLiteral("fine.edi"));
        QVERIFY2(boxes->texts.last().contains(QStringLiteral("U+03A9"))
                && boxes->texts.last().contains(QStringLiteral("line 2 of the EDI text")),
            qPrintable(boxes->texts.last()));
        QVERIFY(form->Text1->exactText().startsWith(
            QStringLiteral("PBand=432 MHz\r\n130803;1200;Q1\u03A9BC")));
        QVERIFY(!QFile::exists(path(QStringLiteral("fine.adi"))));

        QCOMPARE(boxes->texts.size(), 3);
        QVERIFY(picker().isVisible());
        QVERIFY(picker().File1->selectedItems().isEmpty());

        // Mended, the same entry can be picked again.
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        clickEntry(QStringLiteral("fine.edi"));
        QCOMPARE(contents(path(QStringLiteral("fine.adi"))), expectedAdif(Log144));
        QVERIFY(!picker().isVisible());
    }
};

QTEST_MAIN(tst_Windows)
#include "tst_windows.moc"
