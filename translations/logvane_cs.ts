<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>CodePage</name>
    <message>
        <source>The character %1 %2 cannot be written to a log file: log files hold only the characters of the %3 code page. Change or remove it; nothing was saved.</source>
        <extracomment>%1 is the character and its code, %2 where it stands (&quot;in the comment&quot;, &quot;on line 3 of the EDI text&quot;), %3 the name of the code page (&quot;windows-1250&quot;).</extracomment>
        <translation>Znak %1 %2 nelze zapsat do souboru deníku: soubory deníku obsahují jen znaky kódové stránky %3. Změňte ho nebo ho odstraňte; nic nebylo uloženo.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>logvane: %1 names no groups of fields: give none, contest, station or contest,station</source>
        <translation>logvane: %1 neurčuje žádnou skupinu polí: zadejte none, contest, station nebo contest,station</translation>
    </message>
    <message>
        <source>logvane: --convert needs the EDI files to convert</source>
        <translation>logvane: --convert vyžaduje soubory EDI, které se mají převést</translation>
    </message>
    <message>
        <source>logvane: unknown option %1 (a file whose name begins with &quot;-&quot; goes after &quot;--&quot;); logvane --help tells the options</source>
        <translation>logvane: neznámá volba %1 (soubor, jehož název začíná „-“, patří za „--“); volby vypíše logvane --help</translation>
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
        <translation>Použití: logvane [volby Qt] [--] [FILE.edi...]
         logvane --convert [--fields=LIST] [--comment=TEXT] [--] FILE.edi...
Převádí deníky z VKV závodů ve formátu EDI (REG1TEST) na soubory ADIF.

Bez souborů se otevře hlavní okno: stiskněte Nový nebo Otevřít a vyberte soubor
EDI ze zobrazené složky; vedle něj se zapíše NÁZEV.adi. Se soubory se každý
postupně převede, jako by byl vybrán po stisku Nový, jeho soubor .adi se zapíše
vedle něj a jedna zpráva oznámí, co se stalo. Berou se jen názvy končící
na .edi, bez ohledu na velikost písmen.

S --convert se soubory převedou bez okna a bez grafického prostředí: řádek pro
každý z nich uvede, kam se zapsal jeho soubor .adi, nebo proč převod selhal.
Návratový kód je 0, když se uložily všechny soubory, 1, když některý selhal,
a 2 u příkazového řádku, kterému program nerozumí.

  -h, --help        zobrazí tento text a skončí
  --version         zobrazí verzi a skončí
  --convert         převede soubory bez okna
  --fields=LIST     s --convert: skupiny polí přidávané do každého záznamu,
                    none, contest, station nebo contest,station (bez ní ty,
                    které jsou vybrané tlačítkem Pole... v okně)
  --comment=TEXT    s --convert: komentář každého záznamu (bez ní „Thank you
                    for the QSO“)
  --                konec voleb: každý další argument je název souboru

Vlastní volby Qt (-platform, -style, -reverse, ...) patří před „--“.
</translation>
    </message>
</context>
<context>
    <name>Comment</name>
    <message>
        <source>in the comment</source>
        <extracomment>Where a character stands, in &quot;The character ... cannot be written&quot;.</extracomment>
        <translation>v komentáři</translation>
    </message>
    <message>
        <source>The character U+%1 %2 cannot be written: the comment is one line of text, without line breaks, tabs or other control characters. Remove it; nothing was saved.</source>
        <extracomment>%1 is the character&apos;s code (&quot;000D&quot;), %2 &quot;in the comment&quot;.</extracomment>
        <translation>Znak U+%1 %2 nelze zapsat: komentář je jeden řádek textu bez zalomení řádků, tabulátorů a jiných řídicích znaků. Odstraňte ho; nic nebylo uloženo.</translation>
    </message>
</context>
<context>
    <name>DisplayGuard</name>
    <message>
        <source>logvane needs a desktop session: no X11 or Wayland display was found</source>
        <translation>logvane potřebuje grafické prostředí: nebyl nalezen žádný displej X11 ani Wayland</translation>
    </message>
    <message>
        <source>logvane could not start its windows: %1</source>
        <extracomment>%1 is what Qt said, in English.</extracomment>
        <translation>logvane nemohl otevřít svá okna: %1</translation>
    </message>
</context>
<context>
    <name>FieldChoice</name>
    <message>
        <source>Could not keep the choice of fields in &quot;%1&quot;: the file or its folder cannot be written. The choice holds until logvane ends.</source>
        <translation>Výběr polí se nepodařilo uložit do „%1“: do souboru nebo do jeho složky nelze zapisovat. Výběr platí do ukončení programu logvane.</translation>
    </message>
</context>
<context>
    <name>Folder</name>
    <message>
        <source>&quot;%1&quot; is not an EDI file: only files whose names end in .edi are converted, each to the file of the same name ending in .adi. Nothing was written.</source>
        <translation>„%1“ není soubor EDI: převádějí se jen soubory, jejichž název končí na .edi, každý do souboru stejného názvu s koncovkou .adi. Nic nebylo zapsáno.</translation>
    </message>
    <message>
        <source>Could not find the EDI file &quot;%1&quot;: %2. Nothing was written.</source>
        <translation>Soubor EDI „%1“ nebyl nalezen: %2. Nic nebylo zapsáno.</translation>
    </message>
    <message>
        <source>Could not list the EDI files of the folder &quot;%1&quot;: %2.</source>
        <translation>Nelze vypsat soubory EDI ve složce „%1“: %2.</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <source>There is not enough memory to convert &quot;%1&quot;. Nothing was saved, and nothing was changed.</source>
        <translation>Pro převod „%1“ není dost paměti. Nic nebylo uloženo ani změněno.</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) written</source>
        <translation>
            <numerusform>%n spojení zapsáno</numerusform>
            <numerusform>%n spojení zapsána</numerusform>
            <numerusform>%n spojení zapsáno</numerusform>
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
            <numerusform> a %n bez druhu provozu</numerusform>
            <numerusform> a %n bez druhu provozu</numerusform>
            <numerusform> a %n bez druhu provozu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n of them without a mode</source>
        <extracomment>Follows &quot;76 contacts written&quot;.</extracomment>
        <translation>
            <numerusform>, z toho %n bez druhu provozu</numerusform>
            <numerusform>, z toho %n bez druhu provozu</numerusform>
            <numerusform>, z toho %n bez druhu provozu</numerusform>
        </translation>
    </message>
    <message>
        <source>ADI file saved in %1</source>
        <translation>Soubor ADI uložen jako %1</translation>
    </message>
    <message>
        <source>Fields added: contest exchange.</source>
        <translation>Přidaná pole: soutěžní kód.</translation>
    </message>
    <message>
        <source>Fields added: my station.</source>
        <translation>Přidaná pole: moje stanice.</translation>
    </message>
    <message>
        <source>Fields added: contest exchange and my station.</source>
        <translation>Přidaná pole: soutěžní kód a moje stanice.</translation>
    </message>
    <message>
        <source>ADI file saved in %1: %2</source>
        <extracomment>%1 is where the file went, %2 what it holds (&quot;157 contacts written.&quot;).</extracomment>
        <translation>Soubor ADI uložen jako %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n ADI file(s) saved</source>
        <translation>
            <numerusform>%n soubor ADI uložen</numerusform>
            <numerusform>%n soubory ADI uloženy</numerusform>
            <numerusform>%n souborů ADI uloženo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n failed</source>
        <extracomment>Follows &quot;3 ADI files saved&quot;.</extracomment>
        <translation>
            <numerusform>, %n se nezdařil</numerusform>
            <numerusform>, %n se nezdařily</numerusform>
            <numerusform>, %n se nezdařilo</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Loading</name>
    <message>
        <source>Could not read the EDI file &quot;%1&quot;: %2. Nothing was changed.</source>
        <extracomment>%2 is the reason (&quot;Permission denied&quot;, &quot;it is not a regular file&quot;).</extracomment>
        <translation>Soubor EDI „%1“ nelze přečíst: %2. Nic nebylo změněno.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bajtů</translation>
    </message>
    <message>
        <source>the file does not exist (any more)</source>
        <translation>soubor (už) neexistuje</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>nejde o běžný soubor</translation>
    </message>
    <message>
        <source>it holds %1, more than the %2 an EDI text may hold (an EDI log holds kilobytes)</source>
        <extracomment>%1 and %2 are sizes (&quot;80.0 MiB&quot;, &quot;64.0 MiB&quot;).</extracomment>
        <translation>obsahuje %1, víc než povolených %2 pro text EDI (deník EDI mívá kilobajty)</translation>
    </message>
    <message>
        <source>; press New to start from an empty EDI text</source>
        <extracomment>Follows the reason a file is too large for the EDI text the window holds already.</extracomment>
        <translation>; chcete-li začít s prázdným textem EDI, stiskněte Nový</translation>
    </message>
    <message>
        <source>it holds %1, and with the %2 the EDI text holds already that is more than the %3 it may hold%4</source>
        <extracomment>%1, %2 and %3 are sizes; %4 is &quot;; press New to start from an empty EDI text&quot;.</extracomment>
        <translation>obsahuje %1 a spolu s %2, které už text EDI obsahuje, je to víc než povolených %3%4</translation>
    </message>
    <message>
        <source>it holds %1, and with its lines ended by CR LF it takes the EDI text past the %2 it may hold%3</source>
        <extracomment>%1 and %2 are sizes; %3 is &quot;; press New to start from an empty EDI text&quot;, or nothing.</extracomment>
        <translation>obsahuje %1 a s konci řádků CR LF by text EDI přesáhl povolených %2%3</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>Could not save the ADI file &quot;%1&quot;: %2. Nothing was saved, and any older file of that name is unchanged.</source>
        <extracomment>%2 is the reason (&quot;Permission denied&quot;, &quot;the older file is write-protected&quot;).</extracomment>
        <translation>Soubor ADI „%1“ nelze uložit: %2. Nic nebylo uloženo a případný starší soubor téhož názvu zůstal beze změny.</translation>
    </message>
    <message>
        <source>Could not save the ADI file &quot;%1&quot;: a folder of that name is in the way. Nothing was saved.</source>
        <translation>Soubor ADI „%1“ nelze uložit: stejný název už má složka. Nic nebylo uloženo.</translation>
    </message>
    <message>
        <source>it is not a regular file but a device, a pipe or a socket</source>
        <translation>nejde o běžný soubor, ale o zařízení, rouru nebo soket</translation>
    </message>
    <message>
        <source>the older file is write-protected</source>
        <translation>starší soubor je chráněn proti zápisu</translation>
    </message>
    <message>
        <source>There is no ADI file name for &quot;%1&quot;: nothing was saved.</source>
        <translation>Pro „%1“ nelze určit název souboru ADI: nic nebylo uloženo.</translation>
    </message>
    <message>
        <source>The ADI file &quot;%1&quot; was written, but the system could not confirm that it is on the disk: %2.</source>
        <translation>Soubor ADI „%1“ byl zapsán, ale systém nepotvrdil, že je na disku: %2.</translation>
    </message>
</context>
<context>
    <name>logvane::FieldsDialog</name>
    <message>
        <source>Contest exchange</source>
        <translation>Soutěžní kód</translation>
    </message>
    <message>
        <source>My station</source>
        <translation>Moje stanice</translation>
    </message>
    <message>
        <source>Fields to add</source>
        <translation>Pole k přidání</translation>
    </message>
    <message>
        <source>Adds to every record the serial numbers sent and received, the exchange sent and received, and the power from the log&apos;s header (STX, SRX, STX_STRING, SRX_STRING, TX_PWR).</source>
        <translation>Přidá do každého záznamu odeslané a přijaté pořadové číslo, odeslaný a přijatý doplňkový kód a výkon z hlavičky deníku (STX, SRX, STX_STRING, SRX_STRING, TX_PWR).</translation>
    </message>
    <message>
        <source>Adds to every record the call and the locator of your station from the log&apos;s header (STATION_CALLSIGN, MY_GRIDSQUARE).</source>
        <translation>Přidá do každého záznamu značku a lokátor vaší stanice z hlavičky deníku (STATION_CALLSIGN, MY_GRIDSQUARE).</translation>
    </message>
    <message>
        <source>Upload services compare these with the station location of your certificate: a portable call (/P) or another locator makes them ask, or refuse the log.</source>
        <translation>Služby pro nahrávání deníků je porovnávají s umístěním stanice ve vašem certifikátu: u značky /P nebo jiného lokátoru se budou ptát, nebo deník odmítnou.</translation>
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
        <translation>(převedeno)</translation>
    </message>
    <message>
        <source>ADIF text</source>
        <translation>textu ADIF</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Komentář</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>Fields…</source>
        <translation>Pole…</translation>
    </message>
    <message>
        <source>The texts are too large to show here: there is not enough memory left.</source>
        <translation>Texty jsou na zobrazení příliš velké: nezbývá dost paměti.</translation>
    </message>
    <message>
        <source>A job is running: give the files again once it has ended.</source>
        <translation>Právě probíhá převod: až skončí, zadejte soubory znovu.</translation>
    </message>
</context>
<context>
    <name>logvane::Form2</name>
    <message>
        <source>click .EDI to convert...</source>
        <translation>kliknutím na .EDI ho převedete...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
</context>
<context>
    <name>logvane::TextArea</name>
    <message>
        <source>Read only: a line here is longer than 4,096 characters.</source>
        <extracomment>Written as numbers are written in the language of the translation.</extracomment>
        <translation>Jen pro čtení: jeden řádek je tu delší než 4&#xa0;096 znaků.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the %1. Nothing was saved, and nothing was changed.</source>
        <extracomment>%1 names the text: &quot;EDI text&quot;.</extracomment>
        <translation>Pro načtení %1 není dost paměti. Nic nebylo uloženo ani změněno.</translation>
    </message>
    <message>
        <source>on line %1 of the %2</source>
        <extracomment>Where a character stands, in &quot;The character ... cannot be written&quot;; %2 names the text: &quot;EDI text&quot;.</extracomment>
        <translation>na řádku %1 %2</translation>
    </message>
    <message>
        <source>The text was not inserted: it would make a line of the %1 longer than 4,096 characters, and no contest log has one. To look at such a file, pick it after New or Open.</source>
        <extracomment>%1 names the text: &quot;EDI text&quot;.</extracomment>
        <translation>Text nebyl vložen: řádek %1 by byl delší než 4&#xa0;096 znaků a takový nemá žádný závodní deník. Chcete-li si takový soubor prohlédnout, vyberte ho po stisku Nový nebo Otevřít.</translation>
    </message>
</context>
</TS>
