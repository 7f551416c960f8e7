<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CodePage</name>
    <message>
        <source>The character %1 %2 cannot be written to a log file: log files hold only the characters of the %3 code page. Change or remove it; nothing was saved.</source>
        <extracomment>%1 is the character and its code, %2 where it stands (&quot;in the comment&quot;, &quot;on line 3 of the EDI text&quot;), %3 the name of the code page (&quot;windows-1250&quot;).</extracomment>
        <translation>Das Zeichen %1 %2 kann nicht in eine Logdatei geschrieben werden: Logdateien enthalten nur die Zeichen der Codepage %3. Bitte ändern oder entfernen; es wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>logvane: %1 names no groups of fields: give none, contest, station or contest,station</source>
        <translation>logvane: %1 nennt keine Feldgruppen: none, contest, station oder contest,station angeben</translation>
    </message>
    <message>
        <source>logvane: --convert needs the EDI files to convert</source>
        <translation>logvane: --convert braucht die zu konvertierenden EDI-Dateien</translation>
    </message>
    <message>
        <source>logvane: unknown option %1 (a file whose name begins with &quot;-&quot; goes after &quot;--&quot;); logvane --help tells the options</source>
        <translation>logvane: unbekannte Option %1 (eine Datei, deren Name mit „-“ beginnt, gehört hinter „--“); logvane --help nennt die Optionen</translation>
    </message>
    <message>
        <source>Usage: logvane [Qt options] [--] [FILE.edi...]
       logvane --convert [--fields=LIST] [--comment=TEXT] [--] FILE.edi...
Converts VHF/UHF contest logs in the EDI format (REG1TEST) to ADIF files.

Without files, the main window opens: press New or Open and pick an EDI file of the
folder listed; NAME.adi is written beside it. With files, each is converted in turn as
if picked after New, its .adi file written beside it, and one message tells what
happened. Only names that end in .edi, in any letter case, are taken.

With --convert, the files are converted without a window, and without a desktop: a
line for each tells where its .adi file went, or why it failed. The exit status is 0
when every file was saved, 1 when any failed, 2 for a command line it cannot follow.

  -h, --help        show this text and end
  --version         show the version and end
  --convert         convert the files without a window
  --fields=LIST     with --convert: the groups of fields to add to every record, none,
                    contest, station or contest,station (without it, those chosen
                    with Fields... in the window)
  --comment=TEXT    with --convert: the comment of every record (&quot;Thank you for the
                    QSO&quot; without it)
  --                end the options: every argument after it is a file name

Qt&apos;s own options (-platform, -style, -reverse, ...) are taken before &quot;--&quot;.
</source>
        <translation>Aufruf: logvane [Qt-Optionen] [--] [DATEI.edi...]
        logvane --convert [--fields=LIST] [--comment=TEXT] [--] DATEI.edi...
Wandelt VHF/UHF-Contest-Logs im EDI-Format (REG1TEST) in ADIF-Dateien um.

Ohne Dateien öffnet sich das Hauptfenster: Neu oder Öffnen drücken und eine
EDI-Datei aus dem angezeigten Ordner wählen; NAME.adi wird daneben geschrieben.
Mit Dateien wird jede der Reihe nach konvertiert, als wäre sie nach Neu gewählt
worden, ihre .adi-Datei daneben geschrieben, und eine Meldung sagt, was
geschehen ist. Nur Namen, die auf .edi enden (in Groß- oder Kleinbuchstaben),
werden berücksichtigt.

Mit --convert werden die Dateien ohne Fenster und ohne Desktop konvertiert:
Eine Zeile je Datei meldet, wo ihre .adi-Datei liegt oder warum es fehlschlug.
Der Exit-Status ist 0, wenn jede Datei gespeichert wurde, 1, wenn eine
fehlschlug, und 2 bei einer Befehlszeile, der logvane nicht folgen kann.

  -h, --help        diesen Text zeigen und beenden
  --version         die Version zeigen und beenden
  --convert         die Dateien ohne Fenster konvertieren
  --fields=LIST     mit --convert: die Feldgruppen, die jedem Datensatz
                    hinzugefügt werden: none, contest, station oder
                    contest,station (ohne diese Option die im Fenster mit
                    Felder... gewählten)
  --comment=TEXT    mit --convert: der Kommentar jedes Datensatzes (ohne diese
                    Option „Thank you for the QSO“)
  --                Ende der Optionen: alle Argumente danach sind Dateinamen

Die eigenen Optionen von Qt (-platform, -style, -reverse, ...) stehen vor „--“.
</translation>
    </message>
</context>
<context>
    <name>Comment</name>
    <message>
        <source>in the comment</source>
        <extracomment>Where a character stands, in &quot;The character ... cannot be written&quot;.</extracomment>
        <translation>im Kommentar</translation>
    </message>
    <message>
        <source>The character U+%1 %2 cannot be written: the comment is one line of text, without line breaks, tabs or other control characters. Remove it; nothing was saved.</source>
        <extracomment>%1 is the character&apos;s code (&quot;000D&quot;), %2 &quot;in the comment&quot;.</extracomment>
        <translation>Das Zeichen U+%1 %2 kann nicht geschrieben werden: Der Kommentar ist eine einzige Textzeile, ohne Zeilenumbrüche, Tabulatoren oder andere Steuerzeichen. Bitte entfernen; es wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>DisplayGuard</name>
    <message>
        <source>logvane needs a desktop session: no X11 or Wayland display was found</source>
        <translation>logvane braucht eine Desktop-Sitzung: Es wurde kein X11- oder Wayland-Display gefunden</translation>
    </message>
    <message>
        <source>logvane could not start its windows: %1</source>
        <extracomment>%1 is what Qt said, in English.</extracomment>
        <translation>logvane konnte seine Fenster nicht öffnen: %1</translation>
    </message>
</context>
<context>
    <name>FieldChoice</name>
    <message>
        <source>Could not keep the choice of fields in &quot;%1&quot;: the file or its folder cannot be written. The choice holds until logvane ends.</source>
        <translation>Die Feldauswahl konnte nicht in „%1“ gespeichert werden: Die Datei oder ihr Ordner ist nicht beschreibbar. Die Auswahl gilt, bis logvane beendet wird.</translation>
    </message>
</context>
<context>
    <name>Folder</name>
    <message>
        <source>&quot;%1&quot; is not an EDI file: only files whose names end in .edi are converted, each to the file of the same name ending in .adi. Nothing was written.</source>
        <translation>„%1“ ist keine EDI-Datei: Nur Dateien, deren Name auf .edi endet, werden konvertiert, jeweils in die gleichnamige Datei mit der Endung .adi. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Could not find the EDI file &quot;%1&quot;: %2. Nothing was written.</source>
        <translation>Die EDI-Datei „%1“ wurde nicht gefunden: %2. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Could not list the EDI files of the folder &quot;%1&quot;: %2.</source>
        <translation>Die EDI-Dateien im Ordner „%1“ konnten nicht aufgelistet werden: %2.</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <source>There is not enough memory to convert &quot;%1&quot;. Nothing was saved, and nothing was changed.</source>
        <translation>Nicht genug Arbeitsspeicher, um „%1“ zu konvertieren. Es wurde nichts gespeichert und nichts geändert.</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) written</source>
        <translation>
            <numerusform>%n QSO geschrieben</numerusform>
            <numerusform>%n QSOs geschrieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n of them without a band</source>
        <extracomment>Follows &quot;76 contacts written&quot;.</extracomment>
        <translation>
            <numerusform>, davon %n ohne Band</numerusform>
            <numerusform>, davon %n ohne Band</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %n without a mode</source>
        <translation>
            <numerusform> und %n ohne Betriebsart</numerusform>
            <numerusform> und %n ohne Betriebsart</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n of them without a mode</source>
        <extracomment>Follows &quot;76 contacts written&quot;.</extracomment>
        <translation>
            <numerusform>, davon %n ohne Betriebsart</numerusform>
            <numerusform>, davon %n ohne Betriebsart</numerusform>
        </translation>
    </message>
    <message>
        <source>ADI file saved in %1</source>
        <translation>ADI-Datei gespeichert unter %1</translation>
    </message>
    <message>
        <source>Fields added: contest exchange.</source>
        <translation>Hinzugefügte Felder: Contest-Austausch.</translation>
    </message>
    <message>
        <source>Fields added: my station.</source>
        <translation>Hinzugefügte Felder: eigene Station.</translation>
    </message>
    <message>
        <source>Fields added: contest exchange and my station.</source>
        <translation>Hinzugefügte Felder: Contest-Austausch und eigene Station.</translation>
    </message>
    <message>
        <source>ADI file saved in %1: %2</source>
        <extracomment>%1 is where the file went, %2 what it holds (&quot;157 contacts written.&quot;).</extracomment>
        <translation>ADI-Datei gespeichert unter %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n ADI file(s) saved</source>
        <translation>
            <numerusform>%n ADI-Datei gespeichert</numerusform>
            <numerusform>%n ADI-Dateien gespeichert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n failed</source>
        <extracomment>Follows &quot;3 ADI files saved&quot;.</extracomment>
        <translation>
            <numerusform>, %n fehlgeschlagen</numerusform>
            <numerusform>, %n fehlgeschlagen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Loading</name>
    <message>
        <source>Could not read the EDI file &quot;%1&quot;: %2. Nothing was changed.</source>
        <extracomment>%2 is the reason (&quot;Permission denied&quot;, &quot;it is not a regular file&quot;).</extracomment>
        <translation>Die EDI-Datei „%1“ konnte nicht gelesen werden: %2. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>the file does not exist (any more)</source>
        <translation>die Datei existiert nicht (mehr)</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>das ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it holds %1, more than the %2 an EDI text may hold (an EDI log holds kilobytes)</source>
        <extracomment>%1 and %2 are sizes (&quot;80.0 MiB&quot;, &quot;64.0 MiB&quot;).</extracomment>
        <translation>sie enthält %1, mehr als die %2, die ein EDI-Text enthalten darf (ein EDI-Log hat nur einige Kilobyte)</translation>
    </message>
    <message>
        <source>; press New to start from an empty EDI text</source>
        <extracomment>Follows the reason a file is too large for the EDI text the window holds already.</extracomment>
        <translation>; Neu drücken, um mit einem leeren EDI-Text zu beginnen</translation>
    </message>
    <message>
        <source>it holds %1, and with the %2 the EDI text holds already that is more than the %3 it may hold%4</source>
        <extracomment>%1, %2 and %3 are sizes; %4 is &quot;; press New to start from an empty EDI text&quot;.</extracomment>
        <translation>sie enthält %1, und zusammen mit den %2, die der EDI-Text schon enthält, ist das mehr als die %3, die er enthalten darf%4</translation>
    </message>
    <message>
        <source>it holds %1, and with its lines ended by CR LF it takes the EDI text past the %2 it may hold%3</source>
        <extracomment>%1 and %2 are sizes; %3 is &quot;; press New to start from an empty EDI text&quot;, or nothing.</extracomment>
        <translation>sie enthält %1, und mit CR LF als Zeilenende würde der EDI-Text die %2 überschreiten, die er enthalten darf%3</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>Could not save the ADI file &quot;%1&quot;: %2. Nothing was saved, and any older file of that name is unchanged.</source>
        <extracomment>%2 is the reason (&quot;Permission denied&quot;, &quot;the older file is write-protected&quot;).</extracomment>
        <translation>Die ADI-Datei „%1“ konnte nicht gespeichert werden: %2. Es wurde nichts gespeichert; eine ältere Datei dieses Namens bleibt unverändert.</translation>
    </message>
    <message>
        <source>Could not save the ADI file &quot;%1&quot;: a folder of that name is in the way. Nothing was saved.</source>
        <translation>Die ADI-Datei „%1“ konnte nicht gespeichert werden: Ein Ordner mit diesem Namen ist im Weg. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>it is not a regular file but a device, a pipe or a socket</source>
        <translation>das ist keine reguläre Datei, sondern ein Gerät, eine Pipe oder ein Socket</translation>
    </message>
    <message>
        <source>the older file is write-protected</source>
        <translation>die ältere Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>There is no ADI file name for &quot;%1&quot;: nothing was saved.</source>
        <translation>Für „%1“ gibt es keinen ADI-Dateinamen: Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The ADI file &quot;%1&quot; was written, but the system could not confirm that it is on the disk: %2.</source>
        <translation>Die ADI-Datei „%1“ wurde geschrieben, aber das System konnte nicht bestätigen, dass sie auf dem Datenträger angekommen ist: %2.</translation>
    </message>
</context>
<context>
    <name>logvane::FieldsDialog</name>
    <message>
        <source>Contest exchange</source>
        <translation>Contest-Austausch</translation>
    </message>
    <message>
        <source>My station</source>
        <translation>Eigene Station</translation>
    </message>
    <message>
        <source>Fields to add</source>
        <translation>Felder hinzufügen</translation>
    </message>
    <message>
        <source>Adds to every record the serial numbers sent and received, the exchange sent and received, and the power from the log&apos;s header (STX, SRX, STX_STRING, SRX_STRING, TX_PWR).</source>
        <translation>Fügt jedem Datensatz die gesendete und empfangene laufende Nummer, den gesendeten und empfangenen Austausch sowie die Leistung aus dem Kopf des Logs hinzu (STX, SRX, STX_STRING, SRX_STRING, TX_PWR).</translation>
    </message>
    <message>
        <source>Adds to every record the call and the locator of your station from the log&apos;s header (STATION_CALLSIGN, MY_GRIDSQUARE).</source>
        <translation>Fügt jedem Datensatz Rufzeichen und Locator der eigenen Station aus dem Kopf des Logs hinzu (STATION_CALLSIGN, MY_GRIDSQUARE).</translation>
    </message>
    <message>
        <source>Upload services compare these with the station location of your certificate: a portable call (/P) or another locator makes them ask, or refuse the log.</source>
        <translation>Upload-Dienste vergleichen diese Angaben mit dem Standort in Ihrem Zertifikat: Bei einem Portabel-Rufzeichen (/P) oder einem anderen Locator fragen sie nach oder lehnen das Log ab.</translation>
    </message>
</context>
<context>
    <name>logvane::Form1</name>
    <message>
        <source>EDI text</source>
        <extracomment>Names the text in messages: &quot;on line 3 of the EDI text&quot;.</extracomment>
        <translation>EDI-Text</translation>
    </message>
    <message>
        <source>(converted)</source>
        <translation>(konvertiert)</translation>
    </message>
    <message>
        <source>ADIF text</source>
        <translation>ADIF-Text</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Fields…</source>
        <translation>Felder…</translation>
    </message>
    <message>
        <source>The texts are too large to show here: there is not enough memory left.</source>
        <translation>Die Texte sind zu groß, um sie hier anzuzeigen: Es ist nicht mehr genug Arbeitsspeicher frei.</translation>
    </message>
    <message>
        <source>A job is running: give the files again once it has ended.</source>
        <translation>Es läuft gerade eine Konvertierung: Die Dateien bitte erneut übergeben, wenn sie beendet ist.</translation>
    </message>
</context>
<context>
    <name>logvane::Form2</name>
    <message>
        <source>click .EDI to convert...</source>
        <translation>.EDI-Datei zum Konvertieren anklicken...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>logvane::TextArea</name>
    <message>
        <source>Read only: a line here is longer than 4,096 characters.</source>
        <extracomment>Written as numbers are written in the language of the translation.</extracomment>
        <translation>Schreibgeschützt: Eine Zeile hier ist länger als 4.096 Zeichen.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the %1. Nothing was saved, and nothing was changed.</source>
        <extracomment>%1 names the text: &quot;EDI text&quot;.</extracomment>
        <translation>Nicht genug Arbeitsspeicher, um den %1 zu lesen. Es wurde nichts gespeichert und nichts geändert.</translation>
    </message>
    <message>
        <source>on line %1 of the %2</source>
        <extracomment>Where a character stands, in &quot;The character ... cannot be written&quot;; %2 names the text: &quot;EDI text&quot;.</extracomment>
        <translation>in Zeile %1 im %2</translation>
    </message>
    <message>
        <source>The text was not inserted: it would make a line of the %1 longer than 4,096 characters, and no contest log has one. To look at such a file, pick it after New or Open.</source>
        <extracomment>%1 names the text: &quot;EDI text&quot;.</extracomment>
        <translation>Der Text wurde nicht eingefügt: Eine Zeile im %1 würde damit länger als 4.096 Zeichen, und so eine Zeile hat kein Contest-Log. Eine solche Datei zum Ansehen nach Neu oder Öffnen auswählen.</translation>
    </message>
</context>
</TS>
