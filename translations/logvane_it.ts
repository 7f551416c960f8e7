<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CodePage</name>
    <message>
        <source>The character %1 %2 cannot be written to a log file: log files hold only the characters of the %3 code page. Change or remove it; nothing was saved.</source>
        <extracomment>%1 is the character and its code, %2 where it stands (&quot;in the comment&quot;, &quot;on line 3 of the EDI text&quot;), %3 the name of the code page (&quot;windows-1250&quot;).</extracomment>
        <translation>Il carattere %1 %2 non può essere scritto in un file di log: i file di log contengono solo i caratteri della tabella codici %3. Modificalo o eliminalo; non è stato salvato nulla.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>logvane: %1 names no groups of fields: give none, contest, station or contest,station</source>
        <translation>logvane: %1 non indica alcun gruppo di campi: usa none, contest, station o contest,station</translation>
    </message>
    <message>
        <source>logvane: --convert needs the EDI files to convert</source>
        <translation>logvane: --convert richiede i file EDI da convertire</translation>
    </message>
    <message>
        <source>logvane: unknown option %1 (a file whose name begins with &quot;-&quot; goes after &quot;--&quot;); logvane --help tells the options</source>
        <translation>logvane: opzione sconosciuta %1 (un file il cui nome inizia con &quot;-&quot; va messo dopo &quot;--&quot;); logvane --help elenca le opzioni</translation>
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
        <translation>Uso: logvane [opzioni Qt] [--] [FILE.edi...]
     logvane --convert [--fields=LIST] [--comment=TEXT] [--] FILE.edi...
Converte in file ADIF i log dei contest VHF/UHF in formato EDI (REG1TEST).

Senza file si apre la finestra principale: premi Nuovo o Apri e scegli un file
EDI della cartella elencata; NOME.adi viene scritto accanto. Con dei file,
ognuno viene convertito a turno come se fosse scelto dopo Nuovo, con il suo
file .adi scritto accanto, e un messaggio dice com&apos;è andata. Vengono presi solo
i nomi che terminano in .edi, in maiuscolo o in minuscolo.

Con --convert i file vengono convertiti senza finestra e senza desktop: una
riga per ciascuno dice dove è finito il suo file .adi, o perché non è riuscito.
Il codice di uscita è 0 se tutti i file sono stati salvati, 1 se qualcuno non è
riuscito, 2 se la riga di comando non è valida.

  -h, --help        mostra questo testo ed esce
  --version         mostra la versione ed esce
  --convert         converte i file senza finestra
  --fields=LIST     con --convert: i gruppi di campi da aggiungere a ogni
                    record, none, contest, station o contest,station (senza
                    questa opzione, quelli scelti con Campi... nella finestra)
  --comment=TEXT    con --convert: il commento di ogni record (senza questa
                    opzione, &quot;Thank you for the QSO&quot;)
  --                fine delle opzioni: ogni argomento seguente è un file

Le opzioni di Qt (-platform, -style, -reverse, ...) vanno prima di &quot;--&quot;.
</translation>
    </message>
</context>
<context>
    <name>Comment</name>
    <message>
        <source>in the comment</source>
        <extracomment>Where a character stands, in &quot;The character ... cannot be written&quot;.</extracomment>
        <translation>nel commento</translation>
    </message>
    <message>
        <source>The character U+%1 %2 cannot be written: the comment is one line of text, without line breaks, tabs or other control characters. Remove it; nothing was saved.</source>
        <extracomment>%1 is the character&apos;s code (&quot;000D&quot;), %2 &quot;in the comment&quot;.</extracomment>
        <translation>Il carattere U+%1 %2 non può essere scritto: il commento è una sola riga di testo, senza a capo, tabulazioni o altri caratteri di controllo. Eliminalo; non è stato salvato nulla.</translation>
    </message>
</context>
<context>
    <name>DisplayGuard</name>
    <message>
        <source>logvane needs a desktop session: no X11 or Wayland display was found</source>
        <translation>logvane richiede una sessione desktop: non è stato trovato nessun display X11 o Wayland</translation>
    </message>
    <message>
        <source>logvane could not start its windows: %1</source>
        <extracomment>%1 is what Qt said, in English.</extracomment>
        <translation>logvane non è riuscito ad aprire le sue finestre: %1</translation>
    </message>
</context>
<context>
    <name>FieldChoice</name>
    <message>
        <source>Could not keep the choice of fields in &quot;%1&quot;: the file or its folder cannot be written. The choice holds until logvane ends.</source>
        <translation>Impossibile salvare la scelta dei campi in «%1»: il file o la sua cartella non sono scrivibili. La scelta resta valida fino alla chiusura di logvane.</translation>
    </message>
</context>
<context>
    <name>Folder</name>
    <message>
        <source>&quot;%1&quot; is not an EDI file: only files whose names end in .edi are converted, each to the file of the same name ending in .adi. Nothing was written.</source>
        <translation>«%1» non è un file EDI: vengono convertiti solo i file il cui nome termina in .edi, ciascuno nel file con lo stesso nome che termina in .adi. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Could not find the EDI file &quot;%1&quot;: %2. Nothing was written.</source>
        <translation>Impossibile trovare il file EDI «%1»: %2. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Could not list the EDI files of the folder &quot;%1&quot;: %2.</source>
        <translation>Impossibile elencare i file EDI della cartella «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <source>There is not enough memory to convert &quot;%1&quot;. Nothing was saved, and nothing was changed.</source>
        <translation>Memoria insufficiente per convertire «%1». Non è stato salvato né modificato nulla.</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) written</source>
        <translation>
            <numerusform>%n QSO scritto</numerusform>
            <numerusform>%n QSO scritti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n of them without a band</source>
        <extracomment>Follows &quot;76 contacts written&quot;.</extracomment>
        <translation>
            <numerusform>, di cui %n senza banda</numerusform>
            <numerusform>, di cui %n senza banda</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %n without a mode</source>
        <translation>
            <numerusform> e %n senza modo</numerusform>
            <numerusform> e %n senza modo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n of them without a mode</source>
        <extracomment>Follows &quot;76 contacts written&quot;.</extracomment>
        <translation>
            <numerusform>, di cui %n senza modo</numerusform>
            <numerusform>, di cui %n senza modo</numerusform>
        </translation>
    </message>
    <message>
        <source>ADI file saved in %1</source>
        <translation>File ADI salvato in %1</translation>
    </message>
    <message>
        <source>Fields added: contest exchange.</source>
        <translation>Campi aggiunti: lo scambio del contest.</translation>
    </message>
    <message>
        <source>Fields added: my station.</source>
        <translation>Campi aggiunti: la mia stazione.</translation>
    </message>
    <message>
        <source>Fields added: contest exchange and my station.</source>
        <translation>Campi aggiunti: lo scambio del contest e la mia stazione.</translation>
    </message>
    <message>
        <source>ADI file saved in %1: %2</source>
        <extracomment>%1 is where the file went, %2 what it holds (&quot;157 contacts written.&quot;).</extracomment>
        <translation>File ADI salvato in %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n ADI file(s) saved</source>
        <translation>
            <numerusform>%n file ADI salvato</numerusform>
            <numerusform>%n file ADI salvati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n failed</source>
        <extracomment>Follows &quot;3 ADI files saved&quot;.</extracomment>
        <translation>
            <numerusform>, %n non riuscito</numerusform>
            <numerusform>, %n non riusciti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Loading</name>
    <message>
        <source>Could not read the EDI file &quot;%1&quot;: %2. Nothing was changed.</source>
        <extracomment>%2 is the reason (&quot;Permission denied&quot;, &quot;it is not a regular file&quot;).</extracomment>
        <translation>Impossibile leggere il file EDI «%1»: %2. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>the file does not exist (any more)</source>
        <translation>il file non esiste (più)</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>it holds %1, more than the %2 an EDI text may hold (an EDI log holds kilobytes)</source>
        <extracomment>%1 and %2 are sizes (&quot;80.0 MiB&quot;, &quot;64.0 MiB&quot;).</extracomment>
        <translation>occupa %1, più dei %2 ammessi per un testo EDI (un log EDI occupa qualche kilobyte)</translation>
    </message>
    <message>
        <source>; press New to start from an empty EDI text</source>
        <extracomment>Follows the reason a file is too large for the EDI text the window holds already.</extracomment>
        <translation>; premi Nuovo per ripartire da un testo EDI vuoto</translation>
    </message>
    <message>
        <source>it holds %1, and with the %2 the EDI text holds already that is more than the %3 it may hold%4</source>
        <extracomment>%1, %2 and %3 are sizes; %4 is &quot;; press New to start from an empty EDI text&quot;.</extracomment>
        <translation>occupa %1 e, con i %2 già presenti nel testo EDI, si superano i %3 ammessi%4</translation>
    </message>
    <message>
        <source>it holds %1, and with its lines ended by CR LF it takes the EDI text past the %2 it may hold%3</source>
        <extracomment>%1 and %2 are sizes; %3 is &quot;; press New to start from an empty EDI text&quot;, or nothing.</extracomment>
        <translation>occupa %1 e, con le sue righe terminate da CR LF, porta il testo EDI oltre i %2 ammessi%3</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>Could not save the ADI file &quot;%1&quot;: %2. Nothing was saved, and any older file of that name is unchanged.</source>
        <extracomment>%2 is the reason (&quot;Permission denied&quot;, &quot;the older file is write-protected&quot;).</extracomment>
        <translation>Impossibile salvare il file ADI «%1»: %2. Non è stato salvato nulla e l&apos;eventuale file precedente con lo stesso nome è rimasto invariato.</translation>
    </message>
    <message>
        <source>Could not save the ADI file &quot;%1&quot;: a folder of that name is in the way. Nothing was saved.</source>
        <translation>Impossibile salvare il file ADI «%1»: al suo posto c&apos;è una cartella con lo stesso nome. Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>it is not a regular file but a device, a pipe or a socket</source>
        <translation>non è un file regolare ma un dispositivo, una pipe o un socket</translation>
    </message>
    <message>
        <source>the older file is write-protected</source>
        <translation>il file precedente è protetto da scrittura</translation>
    </message>
    <message>
        <source>There is no ADI file name for &quot;%1&quot;: nothing was saved.</source>
        <translation>Non c&apos;è un nome di file ADI per «%1»: non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>The ADI file &quot;%1&quot; was written, but the system could not confirm that it is on the disk: %2.</source>
        <translation>Il file ADI «%1» è stato scritto, ma il sistema non ha potuto confermare che sia sul disco: %2.</translation>
    </message>
</context>
<context>
    <name>logvane::FieldsDialog</name>
    <message>
        <source>Contest exchange</source>
        <translation>Scambio del contest</translation>
    </message>
    <message>
        <source>My station</source>
        <translation>La mia stazione</translation>
    </message>
    <message>
        <source>Fields to add</source>
        <translation>Campi da aggiungere</translation>
    </message>
    <message>
        <source>Adds to every record the serial numbers sent and received, the exchange sent and received, and the power from the log&apos;s header (STX, SRX, STX_STRING, SRX_STRING, TX_PWR).</source>
        <translation>Aggiunge a ogni record i numeri progressivi inviati e ricevuti, lo scambio inviato e ricevuto e la potenza indicata nell&apos;intestazione del log (STX, SRX, STX_STRING, SRX_STRING, TX_PWR).</translation>
    </message>
    <message>
        <source>Adds to every record the call and the locator of your station from the log&apos;s header (STATION_CALLSIGN, MY_GRIDSQUARE).</source>
        <translation>Aggiunge a ogni record il nominativo e il locatore della tua stazione indicati nell&apos;intestazione del log (STATION_CALLSIGN, MY_GRIDSQUARE).</translation>
    </message>
    <message>
        <source>Upload services compare these with the station location of your certificate: a portable call (/P) or another locator makes them ask, or refuse the log.</source>
        <translation>I servizi di upload li confrontano con la posizione di stazione del tuo certificato: con un nominativo in portatile (/P) o un altro locatore chiedono conferma, o rifiutano il log.</translation>
    </message>
</context>
<context>
    <name>logvane::Form1</name>
    <message>
        <source>EDI text</source>
        <extracomment>Names the text in messages: &quot;on line 3 of the EDI text&quot;.</extracomment>
        <translation>testo EDI</translation>
    </message>
    <message>
        <source>(converted)</source>
        <translation>(convertito)</translation>
    </message>
    <message>
        <source>ADIF text</source>
        <translation>testo ADIF</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commento</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Fields…</source>
        <translation>Campi…</translation>
    </message>
    <message>
        <source>The texts are too large to show here: there is not enough memory left.</source>
        <translation>I testi sono troppo grandi per essere mostrati qui: la memoria rimasta non basta.</translation>
    </message>
    <message>
        <source>A job is running: give the files again once it has ended.</source>
        <translation>È in corso una conversione: riprova con i file quando sarà terminata.</translation>
    </message>
</context>
<context>
    <name>logvane::Form2</name>
    <message>
        <source>click .EDI to convert...</source>
        <translation>fai clic su un .EDI per convertirlo...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>logvane::TextArea</name>
    <message>
        <source>Read only: a line here is longer than 4,096 characters.</source>
        <extracomment>Written as numbers are written in the language of the translation.</extracomment>
        <translation>Sola lettura: qui c&apos;è una riga più lunga di 4.096 caratteri.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the %1. Nothing was saved, and nothing was changed.</source>
        <extracomment>%1 names the text: &quot;EDI text&quot;.</extracomment>
        <translation>Memoria insufficiente per leggere il %1. Non è stato salvato né modificato nulla.</translation>
    </message>
    <message>
        <source>on line %1 of the %2</source>
        <extracomment>Where a character stands, in &quot;The character ... cannot be written&quot;; %2 names the text: &quot;EDI text&quot;.</extracomment>
        <translation>alla riga %1 del %2</translation>
    </message>
    <message>
        <source>The text was not inserted: it would make a line of the %1 longer than 4,096 characters, and no contest log has one. To look at such a file, pick it after New or Open.</source>
        <extracomment>%1 names the text: &quot;EDI text&quot;.</extracomment>
        <translation>Il testo non è stato inserito: renderebbe una riga del %1 più lunga di 4.096 caratteri, e nessun log di contest ne ha di così lunghe. Per vedere un file del genere, sceglilo dopo Nuovo o Apri.</translation>
    </message>
</context>
</TS>
