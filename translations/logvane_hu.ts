<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>CodePage</name>
    <message>
        <source>The character %1 %2 cannot be written to a log file: log files hold only the characters of the %3 code page. Change or remove it; nothing was saved.</source>
        <extracomment>%1 is the character and its code, %2 where it stands (&quot;in the comment&quot;, &quot;on line 3 of the EDI text&quot;), %3 the name of the code page (&quot;windows-1250&quot;).</extracomment>
        <translation>Naplófájlba nem írható karakter %2: %1. A naplófájlok csak a %3 kódlap karaktereit tartalmazhatják. Módosítsa vagy törölje; nem történt mentés.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>logvane: %1 names no groups of fields: give none, contest, station or contest,station</source>
        <translation>logvane: %1 nem nevez meg mezőcsoportot: a none, contest, station vagy contest,station egyikét adja meg</translation>
    </message>
    <message>
        <source>logvane: --convert needs the EDI files to convert</source>
        <translation>logvane: a --convert kapcsolóhoz meg kell adni a konvertálandó EDI-fájlokat</translation>
    </message>
    <message>
        <source>logvane: unknown option %1 (a file whose name begins with &quot;-&quot; goes after &quot;--&quot;); logvane --help tells the options</source>
        <translation>logvane: ismeretlen kapcsoló: %1 (a „-” jellel kezdődő nevű fájl a „--” után következik); a kapcsolókat a logvane --help sorolja fel</translation>
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
        <translation>Használat: logvane [Qt-kapcsolók] [--] [FÁJL.edi...]
           logvane --convert [--fields=LIST] [--comment=TEXT] [--] FÁJL.edi...
EDI formátumú (REG1TEST) URH-versenynaplókat alakít ADIF-fájlokká.

Fájlok nélkül a főablak nyílik meg: nyomja meg az Új vagy a Megnyit gombot, és
válasszon egy EDI-fájlt a listázott mappából; mellé kerül a NÉV.adi. Fájlokkal
mindegyiket sorban konvertálja, mintha az Új után választotta volna ki, az
ADI-fájlt mellé írja, és egyetlen üzenet mondja el, mi történt. Csak a .edi
végű neveket veszi figyelembe, kis- és nagybetűtől függetlenül.

A --convert kapcsolóval ablak és grafikus felület nélkül konvertál: minden
fájlról egy sor mondja meg, hová került az ADI-fájlja, vagy miért nem sikerült.
A kilépési kód 0, ha minden fájl mentve lett, 1, ha bármelyik sikertelen volt,
és 2, ha a parancssor nem értelmezhető.

  -h, --help        kiírja ezt a szöveget, és kilép
  --version         kiírja a verziót, és kilép
  --convert         ablak nélkül konvertálja a fájlokat
  --fields=LIST     a --convert mellett: a minden rekordhoz hozzáadandó
                    mezőcsoportok: none, contest, station vagy contest,station
                    (nélküle az ablakban a Mezők... gombbal választottak)
  --comment=TEXT    a --convert mellett: minden rekord megjegyzése (nélküle
                    „Thank you for the QSO”)
  --                a kapcsolók vége: utána minden argumentum fájlnév

A Qt saját kapcsolóit (-platform, -style, -reverse, ...) a „--” előtt veszi át.
</translation>
    </message>
</context>
<context>
    <name>Comment</name>
    <message>
        <source>in the comment</source>
        <extracomment>Where a character stands, in &quot;The character ... cannot be written&quot;.</extracomment>
        <translation>a megjegyzésben</translation>
    </message>
    <message>
        <source>The character U+%1 %2 cannot be written: the comment is one line of text, without line breaks, tabs or other control characters. Remove it; nothing was saved.</source>
        <extracomment>%1 is the character&apos;s code (&quot;000D&quot;), %2 &quot;in the comment&quot;.</extracomment>
        <translation>Nem írható karakter %2: U+%1. A megjegyzés egyetlen sor szöveg, sortörés, tabulátor és más vezérlőkarakter nélkül. Törölje; nem történt mentés.</translation>
    </message>
</context>
<context>
    <name>DisplayGuard</name>
    <message>
        <source>logvane needs a desktop session: no X11 or Wayland display was found</source>
        <translation>A logvane grafikus munkamenetet igényel: nem található X11- vagy Wayland-kijelző</translation>
    </message>
    <message>
        <source>logvane could not start its windows: %1</source>
        <extracomment>%1 is what Qt said, in English.</extracomment>
        <translation>A logvane nem tudta megnyitni az ablakait: %1</translation>
    </message>
</context>
<context>
    <name>FieldChoice</name>
    <message>
        <source>Could not keep the choice of fields in &quot;%1&quot;: the file or its folder cannot be written. The choice holds until logvane ends.</source>
        <translation>Nem sikerült elmenteni a mezők választását ide: „%1”. A fájl vagy a mappája nem írható. A választás a logvane bezárásáig érvényes.</translation>
    </message>
</context>
<context>
    <name>Folder</name>
    <message>
        <source>&quot;%1&quot; is not an EDI file: only files whose names end in .edi are converted, each to the file of the same name ending in .adi. Nothing was written.</source>
        <translation>„%1” nem EDI-fájl: csak a .edi végű nevű fájlok konvertálhatók, mindegyik az azonos nevű, .adi végű fájlba. Semmi sem lett kiírva.</translation>
    </message>
    <message>
        <source>Could not find the EDI file &quot;%1&quot;: %2. Nothing was written.</source>
        <translation>Az EDI-fájl („%1”) nem található: %2. Semmi sem lett kiírva.</translation>
    </message>
    <message>
        <source>Could not list the EDI files of the folder &quot;%1&quot;: %2.</source>
        <translation>A mappa („%1”) EDI-fájljai nem listázhatók: %2.</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <source>There is not enough memory to convert &quot;%1&quot;. Nothing was saved, and nothing was changed.</source>
        <translation>Nincs elég memória a konvertáláshoz („%1”). Semmi sem lett mentve, és semmi sem változott.</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) written</source>
        <translation>
            <numerusform>%n összeköttetés kiírva</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n of them without a band</source>
        <extracomment>Follows &quot;76 contacts written&quot;.</extracomment>
        <translation>
            <numerusform>, ebből %n sáv nélkül</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %n without a mode</source>
        <translation>
            <numerusform> és %n üzemmód nélkül</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n of them without a mode</source>
        <extracomment>Follows &quot;76 contacts written&quot;.</extracomment>
        <translation>
            <numerusform>, ebből %n üzemmód nélkül</numerusform>
        </translation>
    </message>
    <message>
        <source>ADI file saved in %1</source>
        <translation>ADI-fájl mentve: %1</translation>
    </message>
    <message>
        <source>Fields added: contest exchange.</source>
        <translation>Hozzáadott mezők: versenyadatok.</translation>
    </message>
    <message>
        <source>Fields added: my station.</source>
        <translation>Hozzáadott mezők: saját állomás.</translation>
    </message>
    <message>
        <source>Fields added: contest exchange and my station.</source>
        <translation>Hozzáadott mezők: versenyadatok és saját állomás.</translation>
    </message>
    <message>
        <source>ADI file saved in %1: %2</source>
        <extracomment>%1 is where the file went, %2 what it holds (&quot;157 contacts written.&quot;).</extracomment>
        <translation>ADI-fájl mentve: %1 – %2</translation>
    </message>
    <message numerus="yes">
        <source>%n ADI file(s) saved</source>
        <translation>
            <numerusform>%n ADI-fájl mentve</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n failed</source>
        <extracomment>Follows &quot;3 ADI files saved&quot;.</extracomment>
        <translation>
            <numerusform>, %n sikertelen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Loading</name>
    <message>
        <source>Could not read the EDI file &quot;%1&quot;: %2. Nothing was changed.</source>
        <extracomment>%2 is the reason (&quot;Permission denied&quot;, &quot;it is not a regular file&quot;).</extracomment>
        <translation>Az EDI-fájl („%1”) nem olvasható: %2. Semmi sem változott.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bájt</translation>
    </message>
    <message>
        <source>the file does not exist (any more)</source>
        <translation>a fájl (már) nem létezik</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>nem normál fájl</translation>
    </message>
    <message>
        <source>it holds %1, more than the %2 an EDI text may hold (an EDI log holds kilobytes)</source>
        <extracomment>%1 and %2 are sizes (&quot;80.0 MiB&quot;, &quot;64.0 MiB&quot;).</extracomment>
        <translation>mérete %1, több, mint amennyit egy EDI-szöveg tartalmazhat (%2); egy EDI-napló néhány kilobájtos</translation>
    </message>
    <message>
        <source>; press New to start from an empty EDI text</source>
        <extracomment>Follows the reason a file is too large for the EDI text the window holds already.</extracomment>
        <translation>; nyomja meg az Új gombot, hogy üres EDI-szöveggel kezdjen</translation>
    </message>
    <message>
        <source>it holds %1, and with the %2 the EDI text holds already that is more than the %3 it may hold%4</source>
        <extracomment>%1, %2 and %3 are sizes; %4 is &quot;; press New to start from an empty EDI text&quot;.</extracomment>
        <translation>mérete %1, és az EDI-szövegben már meglévő %2 mellett ez több, mint amennyit az tartalmazhat (%3)%4</translation>
    </message>
    <message>
        <source>it holds %1, and with its lines ended by CR LF it takes the EDI text past the %2 it may hold%3</source>
        <extracomment>%1 and %2 are sizes; %3 is &quot;; press New to start from an empty EDI text&quot;, or nothing.</extracomment>
        <translation>mérete %1, és CR LF sorvégekkel az EDI-szöveg túllépné a megengedett méretet (%2)%3</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>Could not save the ADI file &quot;%1&quot;: %2. Nothing was saved, and any older file of that name is unchanged.</source>
        <extracomment>%2 is the reason (&quot;Permission denied&quot;, &quot;the older file is write-protected&quot;).</extracomment>
        <translation>Az ADI-fájl („%1”) nem menthető: %2. Semmi sem lett mentve, és az azonos nevű régebbi fájl, ha van, változatlan.</translation>
    </message>
    <message>
        <source>Could not save the ADI file &quot;%1&quot;: a folder of that name is in the way. Nothing was saved.</source>
        <translation>Az ADI-fájl („%1”) nem menthető: már van ilyen nevű mappa. Semmi sem lett mentve.</translation>
    </message>
    <message>
        <source>it is not a regular file but a device, a pipe or a socket</source>
        <translation>nem normál fájl, hanem eszköz, pipe vagy socket</translation>
    </message>
    <message>
        <source>the older file is write-protected</source>
        <translation>a régebbi fájl írásvédett</translation>
    </message>
    <message>
        <source>There is no ADI file name for &quot;%1&quot;: nothing was saved.</source>
        <translation>Ehhez nem képezhető ADI-fájlnév: „%1”. Semmi sem lett mentve.</translation>
    </message>
    <message>
        <source>The ADI file &quot;%1&quot; was written, but the system could not confirm that it is on the disk: %2.</source>
        <translation>Az ADI-fájl („%1”) kiíródott, de a rendszer nem tudta megerősíteni, hogy a lemezre került: %2.</translation>
    </message>
</context>
<context>
    <name>logvane::FieldsDialog</name>
    <message>
        <source>Contest exchange</source>
        <translation>Versenyadatok</translation>
    </message>
    <message>
        <source>My station</source>
        <translation>Saját állomás</translation>
    </message>
    <message>
        <source>Fields to add</source>
        <translation>Hozzáadandó mezők</translation>
    </message>
    <message>
        <source>Adds to every record the serial numbers sent and received, the exchange sent and received, and the power from the log&apos;s header (STX, SRX, STX_STRING, SRX_STRING, TX_PWR).</source>
        <translation>Minden rekordhoz hozzáadja az adott és a vett sorszámot, az adott és a vett versenyadatot, valamint a napló fejlécéből a teljesítményt (STX, SRX, STX_STRING, SRX_STRING, TX_PWR).</translation>
    </message>
    <message>
        <source>Adds to every record the call and the locator of your station from the log&apos;s header (STATION_CALLSIGN, MY_GRIDSQUARE).</source>
        <translation>Minden rekordhoz hozzáadja a saját állomás hívójelét és lokátorát a napló fejlécéből (STATION_CALLSIGN, MY_GRIDSQUARE).</translation>
    </message>
    <message>
        <source>Upload services compare these with the station location of your certificate: a portable call (/P) or another locator makes them ask, or refuse the log.</source>
        <translation>A naplófeltöltő szolgáltatások ezeket a tanúsítványában szereplő állomáshellyel vetik össze: /P-s hívójel vagy más lokátor esetén rákérdeznek, vagy elutasítják a naplót.</translation>
    </message>
</context>
<context>
    <name>logvane::Form1</name>
    <message>
        <source>EDI text</source>
        <extracomment>Names the text in messages: &quot;on line 3 of the EDI text&quot;.</extracomment>
        <translation>az EDI-szöveg</translation>
    </message>
    <message>
        <source>(converted)</source>
        <translation>(konvertálva)</translation>
    </message>
    <message>
        <source>ADIF text</source>
        <translation>az ADIF-szöveg</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Megj.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Megnyit</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Új</translation>
    </message>
    <message>
        <source>Fields…</source>
        <translation>Mezők…</translation>
    </message>
    <message>
        <source>The texts are too large to show here: there is not enough memory left.</source>
        <translation>A szövegek túl nagyok ahhoz, hogy itt megjelenjenek: nem maradt elég memória.</translation>
    </message>
    <message>
        <source>A job is running: give the files again once it has ended.</source>
        <translation>Egy konvertálás még folyamatban van: a befejezése után adja meg újra a fájlokat.</translation>
    </message>
</context>
<context>
    <name>logvane::Form2</name>
    <message>
        <source>click .EDI to convert...</source>
        <translation>kattintson egy .EDI-fájlra a konvertáláshoz...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
</context>
<context>
    <name>logvane::TextArea</name>
    <message>
        <source>Read only: a line here is longer than 4,096 characters.</source>
        <extracomment>Written as numbers are written in the language of the translation.</extracomment>
        <translation>Csak olvasható: van itt egy 4096 karakternél hosszabb sor.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the %1. Nothing was saved, and nothing was changed.</source>
        <extracomment>%1 names the text: &quot;EDI text&quot;.</extracomment>
        <translation>Nincs elég memória %1 beolvasásához. Semmi sem lett mentve, és semmi sem változott.</translation>
    </message>
    <message>
        <source>on line %1 of the %2</source>
        <extracomment>Where a character stands, in &quot;The character ... cannot be written&quot;; %2 names the text: &quot;EDI text&quot;.</extracomment>
        <translation>%2 %1. sorában</translation>
    </message>
    <message>
        <source>The text was not inserted: it would make a line of the %1 longer than 4,096 characters, and no contest log has one. To look at such a file, pick it after New or Open.</source>
        <extracomment>%1 names the text: &quot;EDI text&quot;.</extracomment>
        <translation>A szöveg nincs beillesztve: %1 egyik sora 4096 karakternél hosszabb lenne, ilyen sor pedig egyetlen versenynaplóban sincs. Ilyen fájl megtekintéséhez az Új vagy a Megnyit gomb után válassza ki.</translation>
    </message>
</context>
</TS>
