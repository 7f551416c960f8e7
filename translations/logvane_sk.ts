<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>CodePage</name>
    <message>
        <source>The character %1 %2 cannot be written to a log file: log files hold only the characters of the %3 code page. Change or remove it; nothing was saved.</source>
        <extracomment>%1 is the character and its code, %2 where it stands (&quot;in the comment&quot;, &quot;on line 3 of the EDI text&quot;), %3 the name of the code page (&quot;windows-1250&quot;).</extracomment>
        <translation>Znak %1 %2 nemožno zapísať do súboru denníka: súbory denníka obsahujú iba znaky kódovej stránky %3. Zmeňte ho alebo ho odstráňte; nič nebolo uložené.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>logvane: %1 names no groups of fields: give none, contest, station or contest,station</source>
        <translation>logvane: %1 neurčuje žiadnu skupinu polí: zadajte none, contest, station alebo contest,station</translation>
    </message>
    <message>
        <source>logvane: --convert needs the EDI files to convert</source>
        <translation>logvane: --convert potrebuje súbory EDI, ktoré sa majú previesť</translation>
    </message>
    <message>
        <source>logvane: unknown option %1 (a file whose name begins with &quot;-&quot; goes after &quot;--&quot;); logvane --help tells the options</source>
        <translation>logvane: neznáma voľba %1 (súbor, ktorého názov začína „-“, patrí za „--“); voľby vypíše logvane --help</translation>
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
        <translation>Použitie: logvane [voľby Qt] [--] [FILE.edi...]
          logvane --convert [--fields=LIST] [--comment=TEXT] [--] FILE.edi...
Prevádza denníky z VKV pretekov vo formáte EDI (REG1TEST) na súbory ADIF.

Bez súborov sa otvorí hlavné okno: stlačte Nový alebo Otvoriť a vyberte súbor
EDI zo zobrazeného priečinka; vedľa neho sa zapíše NÁZOV.adi. So súbormi sa
každý postupne prevedie, ako keby bol vybraný po stlačení Nový, jeho súbor .adi
sa zapíše vedľa neho a jedna správa oznámi, čo sa stalo. Berú sa iba názvy
končiace na .edi, bez ohľadu na veľkosť písmen.

S --convert sa súbory prevedú bez okna a bez grafického prostredia: riadok pre
každý z nich uvedie, kam sa zapísal jeho súbor .adi, alebo prečo prevod zlyhal.
Návratový kód je 0, keď sa uložili všetky súbory, 1, keď niektorý zlyhal,
a 2 pri príkazovom riadku, ktorému program nerozumie.

  -h, --help        zobrazí tento text a skončí
  --version         zobrazí verziu a skončí
  --convert         prevedie súbory bez okna
  --fields=LIST     s --convert: skupiny polí pridávané do každého záznamu,
                    none, contest, station alebo contest,station (bez nej tie,
                    ktoré sú vybrané tlačidlom Polia... v okne)
  --comment=TEXT    s --convert: komentár každého záznamu (bez nej „Thank you
                    for the QSO“)
  --                koniec volieb: každý ďalší argument je názov súboru

Vlastné voľby Qt (-platform, -style, -reverse, ...) patria pred „--“.
</translation>
    </message>
</context>
<context>
    <name>Comment</name>
    <message>
        <source>in the comment</source>
        <extracomment>Where a character stands, in &quot;The character ... cannot be written&quot;.</extracomment>
        <translation>v komentári</translation>
    </message>
    <message>
        <source>The character U+%1 %2 cannot be written: the comment is one line of text, without line breaks, tabs or other control characters. Remove it; nothing was saved.</source>
        <extracomment>%1 is the character&apos;s code (&quot;000D&quot;), %2 &quot;in the comment&quot;.</extracomment>
        <translation>Znak U+%1 %2 nemožno zapísať: komentár je jeden riadok textu bez zalomení riadkov, tabulátorov a iných riadiacich znakov. Odstráňte ho; nič nebolo uložené.</translation>
    </message>
</context>
<context>
    <name>DisplayGuard</name>
    <message>
        <source>logvane needs a desktop session: no X11 or Wayland display was found</source>
        <translation>logvane potrebuje grafické prostredie: nenašiel sa žiadny displej X11 ani Wayland</translation>
    </message>
    <message>
        <source>logvane could not start its windows: %1</source>
        <extracomment>%1 is what Qt said, in English.</extracomment>
        <translation>logvane nemohol otvoriť svoje okná: %1</translation>
    </message>
</context>
<context>
    <name>FieldChoice</name>
    <message>
        <source>Could not keep the choice of fields in &quot;%1&quot;: the file or its folder cannot be written. The choice holds until logvane ends.</source>
        <translation>Výber polí sa nepodarilo uložiť do „%1“: do súboru alebo do jeho priečinka nemožno zapisovať. Výber platí do ukončenia programu logvane.</translation>
    </message>
</context>
<context>
    <name>Folder</name>
    <message>
        <source>&quot;%1&quot; is not an EDI file: only files whose names end in .edi are converted, each to the file of the same name ending in .adi. Nothing was written.</source>
        <translation>„%1“ nie je súbor EDI: prevádzajú sa iba súbory, ktorých názov končí na .edi, každý do súboru s rovnakým názvom s príponou .adi. Nič nebolo zapísané.</translation>
    </message>
    <message>
        <source>Could not find the EDI file &quot;%1&quot;: %2. Nothing was written.</source>
        <translation>Súbor EDI „%1“ sa nenašiel: %2. Nič nebolo zapísané.</translation>
    </message>
    <message>
        <source>Could not list the EDI files of the folder &quot;%1&quot;: %2.</source>
        <translation>Nemožno vypísať súbory EDI v priečinku „%1“: %2.</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <source>There is not enough memory to convert &quot;%1&quot;. Nothing was saved, and nothing was changed.</source>
        <translation>Na prevod „%1“ nie je dosť pamäte. Nič nebolo uložené ani zmenené.</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) written</source>
        <translation>
            <numerusform>%n spojenie zapísané</numerusform>
            <numerusform>%n spojenia zapísané</numerusform>
            <numerusform>%n spojení zapísaných</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n of them without a band</source>
        <extracomment>Follows &quot;76 contacts written&quot;.</extracomment>
        <translation>
            <numerusform>, z toho %n bez pásma</numerusform>
            <numerusform>, z toho %n bez pásma</numerusform>
            <numerusform>, z toho %n bez pásma</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %n without a mode</source>
        <translation>
            <numerusform> a %n bez druhu prevádzky</numerusform>
            <numerusform> a %n bez druhu prevádzky</numerusform>
            <numerusform> a %n bez druhu prevádzky</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n of them without a mode</source>
        <extracomment>Follows &quot;76 contacts written&quot;.</extracomment>
        <translation>
            <numerusform>, z toho %n bez druhu prevádzky</numerusform>
            <numerusform>, z toho %n bez druhu prevádzky</numerusform>
            <numerusform>, z toho %n bez druhu prevádzky</numerusform>
        </translation>
    </message>
    <message>
        <source>ADI file saved in %1</source>
        <translation>Súbor ADI uložený ako %1</translation>
    </message>
    <message>
        <source>Fields added: contest exchange.</source>
        <translation>Pridané polia: súťažný kód.</translation>
    </message>
    <message>
        <source>Fields added: my station.</source>
        <translation>Pridané polia: moja stanica.</translation>
    </message>
    <message>
        <source>Fields added: contest exchange and my station.</source>
        <translation>Pridané polia: súťažný kód a moja stanica.</translation>
    </message>
    <message>
        <source>ADI file saved in %1: %2</source>
        <extracomment>%1 is where the file went, %2 what it holds (&quot;157 contacts written.&quot;).</extracomment>
        <translation>Súbor ADI uložený ako %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n ADI file(s) saved</source>
        <translation>
            <numerusform>%n súbor ADI uložený</numerusform>
            <numerusform>%n súbory ADI uložené</numerusform>
            <numerusform>%n súborov ADI uložených</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n failed</source>
        <extracomment>Follows &quot;3 ADI files saved&quot;.</extracomment>
        <translation>
            <numerusform>, %n zlyhal</numerusform>
            <numerusform>, %n zlyhali</numerusform>
            <numerusform>, %n zlyhalo</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Loading</name>
    <message>
        <source>Could not read the EDI file &quot;%1&quot;: %2. Nothing was changed.</source>
        <extracomment>%2 is the reason (&quot;Permission denied&quot;, &quot;it is not a regular file&quot;).</extracomment>
        <translation>Súbor EDI „%1“ nemožno prečítať: %2. Nič nebolo zmenené.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bajtov</translation>
    </message>
    <message>
        <source>the file does not exist (any more)</source>
        <translation>súbor (už) neexistuje</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>nie je to bežný súbor</translation>
    </message>
    <message>
        <source>it holds %1, more than the %2 an EDI text may hold (an EDI log holds kilobytes)</source>
        <extracomment>%1 and %2 are sizes (&quot;80.0 MiB&quot;, &quot;64.0 MiB&quot;).</extracomment>
        <translation>obsahuje %1, viac ako povolených %2 pre text EDI (denník EDI máva kilobajty)</translation>
    </message>
    <message>
        <source>; press New to start from an empty EDI text</source>
        <extracomment>Follows the reason a file is too large for the EDI text the window holds already.</extracomment>
        <translation>; ak chcete začať s prázdnym textom EDI, stlačte Nový</translation>
    </message>
    <message>
        <source>it holds %1, and with the %2 the EDI text holds already that is more than the %3 it may hold%4</source>
        <extracomment>%1, %2 and %3 are sizes; %4 is &quot;; press New to start from an empty EDI text&quot;.</extracomment>
        <translation>obsahuje %1 a spolu s %2, ktoré už text EDI obsahuje, je to viac ako povolených %3%4</translation>
    </message>
    <message>
        <source>it holds %1, and with its lines ended by CR LF it takes the EDI text past the %2 it may hold%3</source>
        <extracomment>%1 and %2 are sizes; %3 is &quot;; press New to start from an empty EDI text&quot;, or nothing.</extracomment>
        <translation>obsahuje %1 a s koncami riadkov CR LF by text EDI prekročil povolených %2%3</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>Could not save the ADI file &quot;%1&quot;: %2. Nothing was saved, and any older file of that name is unchanged.</source>
        <extracomment>%2 is the reason (&quot;Permission denied&quot;, &quot;the older file is write-protected&quot;).</extracomment>
        <translation>Súbor ADI „%1“ nemožno uložiť: %2. Nič nebolo uložené a prípadný starší súbor s týmto názvom zostal nezmenený.</translation>
    </message>
    <message>
        <source>Could not save the ADI file &quot;%1&quot;: a folder of that name is in the way. Nothing was saved.</source>
        <translation>Súbor ADI „%1“ nemožno uložiť: rovnaký názov už má priečinok. Nič nebolo uložené.</translation>
    </message>
    <message>
        <source>it is not a regular file but a device, a pipe or a socket</source>
        <translation>nie je to bežný súbor, ale zariadenie, rúra alebo soket</translation>
    </message>
    <message>
        <source>the older file is write-protected</source>
        <translation>starší súbor je chránený proti zápisu</translation>
    </message>
    <message>
        <source>There is no ADI file name for &quot;%1&quot;: nothing was saved.</source>
        <translation>Pre „%1“ nemožno určiť názov súboru ADI: nič nebolo uložené.</translation>
    </message>
    <message>
        <source>The ADI file &quot;%1&quot; was written, but the system could not confirm that it is on the disk: %2.</source>
        <translation>Súbor ADI „%1“ bol zapísaný, ale systém nepotvrdil, že je na disku: %2.</translation>
    </message>
</context>
<context>
    <name>logvane::FieldsDialog</name>
    <message>
        <source>Contest exchange</source>
        <translation>Súťažný kód</translation>
    </message>
    <message>
        <source>My station</source>
        <translation>Moja stanica</translation>
    </message>
    <message>
        <source>Fields to add</source>
        <translation>Polia na pridanie</translation>
    </message>
    <message>
        <source>Adds to every record the serial numbers sent and received, the exchange sent and received, and the power from the log&apos;s header (STX, SRX, STX_STRING, SRX_STRING, TX_PWR).</source>
        <translation>Pridá do každého záznamu odoslané a prijaté poradové číslo, odoslaný a prijatý doplnkový kód a výkon z hlavičky denníka (STX, SRX, STX_STRING, SRX_STRING, TX_PWR).</translation>
    </message>
    <message>
        <source>Adds to every record the call and the locator of your station from the log&apos;s header (STATION_CALLSIGN, MY_GRIDSQUARE).</source>
        <translation>Pridá do každého záznamu značku a lokátor vašej stanice z hlavičky denníka (STATION_CALLSIGN, MY_GRIDSQUARE).</translation>
    </message>
    <message>
        <source>Upload services compare these with the station location of your certificate: a portable call (/P) or another locator makes them ask, or refuse the log.</source>
        <translation>Služby na nahrávanie denníkov ich porovnávajú s umiestnením stanice vo vašom certifikáte: pri značke /P alebo inom lokátore sa budú pýtať, alebo denník odmietnu.</translation>
    </message>
</context>
<context>
    <name>logvane::Form1</name>
    <message>
        <source>EDI text</source>
        <extracomment>Names the text in messages: &quot;on line 3 of the EDI text&quot;.</extracomment>
        <translation>textu EDI</translation>
    </message>
    <message>
        <source>(converted)</source>
        <translation>(prevedené)</translation>
    </message>
    <message>
        <source>ADIF text</source>
        <translation>textu ADIF</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Komentár</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvoriť</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>Fields…</source>
        <translation>Polia…</translation>
    </message>
    <message>
        <source>The texts are too large to show here: there is not enough memory left.</source>
        <translation>Texty sú na zobrazenie príliš veľké: nezostáva dosť pamäte.</translation>
    </message>
    <message>
        <source>A job is running: give the files again once it has ended.</source>
        <translation>Práve prebieha prevod: keď skončí, zadajte súbory znova.</translation>
    </message>
</context>
<context>
    <name>logvane::Form2</name>
    <message>
        <source>click .EDI to convert...</source>
        <translation>kliknutím na .EDI ho prevediete...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
</context>
<context>
    <name>logvane::TextArea</name>
    <message>
        <source>Read only: a line here is longer than 4,096 characters.</source>
        <extracomment>Written as numbers are written in the language of the translation.</extracomment>
        <translation>Iba na čítanie: jeden riadok je tu dlhší ako 4&#xa0;096 znakov.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the %1. Nothing was saved, and nothing was changed.</source>
        <extracomment>%1 names the text: &quot;EDI text&quot;.</extracomment>
        <translation>Na načítanie %1 nie je dosť pamäte. Nič nebolo uložené ani zmenené.</translation>
    </message>
    <message>
        <source>on line %1 of the %2</source>
        <extracomment>Where a character stands, in &quot;The character ... cannot be written&quot;; %2 names the text: &quot;EDI text&quot;.</extracomment>
        <translation>na riadku %1 %2</translation>
    </message>
    <message>
        <source>The text was not inserted: it would make a line of the %1 longer than 4,096 characters, and no contest log has one. To look at such a file, pick it after New or Open.</source>
        <extracomment>%1 names the text: &quot;EDI text&quot;.</extracomment>
        <translation>Text nebol vložený: riadok %1 by bol dlhší ako 4&#xa0;096 znakov a taký nemá žiadny súťažný denník. Ak si chcete taký súbor pozrieť, vyberte ho po stlačení Nový alebo Otvoriť.</translation>
    </message>
</context>
</TS>
