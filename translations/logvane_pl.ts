<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CodePage</name>
    <message>
        <source>The character %1 %2 cannot be written to a log file: log files hold only the characters of the %3 code page. Change or remove it; nothing was saved.</source>
        <extracomment>%1 is the character and its code, %2 where it stands (&quot;in the comment&quot;, &quot;on line 3 of the EDI text&quot;), %3 the name of the code page (&quot;windows-1250&quot;).</extracomment>
        <translation>Znaku %1 %2 nie można zapisać w pliku logu: pliki logów mogą zawierać tylko znaki strony kodowej %3. Zmień go lub usuń; nic nie zapisano.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>logvane: %1 names no groups of fields: give none, contest, station or contest,station</source>
        <translation>logvane: %1 nie wskazuje żadnej grupy pól: podaj none, contest, station lub contest,station</translation>
    </message>
    <message>
        <source>logvane: --convert needs the EDI files to convert</source>
        <translation>logvane: --convert wymaga podania plików EDI do konwersji</translation>
    </message>
    <message>
        <source>logvane: unknown option %1 (a file whose name begins with &quot;-&quot; goes after &quot;--&quot;); logvane --help tells the options</source>
        <translation>logvane: nieznana opcja %1 (plik, którego nazwa zaczyna się od „-”, podaje się po „--”); opcje opisuje logvane --help</translation>
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
        <translation>Użycie: logvane [opcje Qt] [--] [PLIK.edi...]
        logvane --convert [--fields=LIST] [--comment=TEXT] [--] PLIK.edi...
Konwertuje logi z zawodów UKF w formacie EDI (REG1TEST) na pliki ADIF.

Bez plików otwiera się okno główne: naciśnij Nowy lub Otwórz i wybierz plik EDI
z pokazanego folderu; obok niego zostanie zapisany NAZWA.adi. Podane pliki są
konwertowane po kolei, jak gdyby wybrano je po naciśnięciu Nowy, a plik .adi
każdego z nich jest zapisywany obok niego; jeden komunikat mówi, co się stało.
Brane są tylko nazwy kończące się na .edi, bez względu na wielkość liter.

Z --convert pliki są konwertowane bez okna i bez pulpitu: dla każdego pliku
jeden wiersz mówi, gdzie trafił jego plik .adi albo dlaczego się nie udało.
Kod wyjścia to 0, gdy zapisano wszystkie pliki, 1, gdy któryś się nie udał,
i 2 przy wierszu poleceń, którego nie da się wykonać.

  -h, --help        pokazuje ten tekst i kończy
  --version         pokazuje wersję i kończy
  --convert         konwertuje pliki bez okna
  --fields=LIST     z --convert: grupy pól dodawanych do każdego rekordu: none,
                    contest, station lub contest,station (bez tej opcji grupy
                    wybrane w oknie przyciskiem Pola...)
  --comment=TEXT    z --convert: komentarz każdego rekordu (bez tej opcji
                    „Thank you for the QSO”)
  --                kończy opcje: każdy argument po nim to nazwa pliku

Własne opcje Qt (-platform, -style, -reverse, ...) są przyjmowane przed „--”.
</translation>
    </message>
</context>
<context>
    <name>Comment</name>
    <message>
        <source>in the comment</source>
        <extracomment>Where a character stands, in &quot;The character ... cannot be written&quot;.</extracomment>
        <translation>w komentarzu</translation>
    </message>
    <message>
        <source>The character U+%1 %2 cannot be written: the comment is one line of text, without line breaks, tabs or other control characters. Remove it; nothing was saved.</source>
        <extracomment>%1 is the character&apos;s code (&quot;000D&quot;), %2 &quot;in the comment&quot;.</extracomment>
        <translation>Znaku U+%1 %2 nie można zapisać: komentarz to jeden wiersz tekstu, bez podziałów wiersza, tabulatorów i innych znaków sterujących. Usuń go; nic nie zapisano.</translation>
    </message>
</context>
<context>
    <name>DisplayGuard</name>
    <message>
        <source>logvane needs a desktop session: no X11 or Wayland display was found</source>
        <translation>logvane wymaga sesji graficznej: nie znaleziono ekranu X11 ani Wayland</translation>
    </message>
    <message>
        <source>logvane could not start its windows: %1</source>
        <extracomment>%1 is what Qt said, in English.</extracomment>
        <translation>logvane nie mógł otworzyć swoich okien: %1</translation>
    </message>
</context>
<context>
    <name>FieldChoice</name>
    <message>
        <source>Could not keep the choice of fields in &quot;%1&quot;: the file or its folder cannot be written. The choice holds until logvane ends.</source>
        <translation>Nie udało się zachować wyboru pól w „%1”: nie można zapisać pliku ani jego folderu. Wybór obowiązuje do zamknięcia logvane.</translation>
    </message>
</context>
<context>
    <name>Folder</name>
    <message>
        <source>&quot;%1&quot; is not an EDI file: only files whose names end in .edi are converted, each to the file of the same name ending in .adi. Nothing was written.</source>
        <translation>„%1” nie jest plikiem EDI: konwertowane są tylko pliki, których nazwy kończą się na .edi, każdy do pliku o tej samej nazwie z końcówką .adi. Nic nie zapisano.</translation>
    </message>
    <message>
        <source>Could not find the EDI file &quot;%1&quot;: %2. Nothing was written.</source>
        <translation>Nie znaleziono pliku EDI „%1”: %2. Nic nie zapisano.</translation>
    </message>
    <message>
        <source>Could not list the EDI files of the folder &quot;%1&quot;: %2.</source>
        <translation>Nie udało się pobrać listy plików EDI z folderu „%1”: %2.</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <source>There is not enough memory to convert &quot;%1&quot;. Nothing was saved, and nothing was changed.</source>
        <translation>Za mało pamięci, by przekonwertować „%1”. Nic nie zapisano ani nie zmieniono.</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) written</source>
        <translation>
            <numerusform>%n zapisana łączność</numerusform>
            <numerusform>%n zapisane łączności</numerusform>
            <numerusform>%n zapisanych łączności</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n of them without a band</source>
        <extracomment>Follows &quot;76 contacts written&quot;.</extracomment>
        <translation>
            <numerusform>, w tym %n bez pasma</numerusform>
            <numerusform>, w tym %n bez pasma</numerusform>
            <numerusform>, w tym %n bez pasma</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %n without a mode</source>
        <translation>
            <numerusform> i %n bez emisji</numerusform>
            <numerusform> i %n bez emisji</numerusform>
            <numerusform> i %n bez emisji</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n of them without a mode</source>
        <extracomment>Follows &quot;76 contacts written&quot;.</extracomment>
        <translation>
            <numerusform>, w tym %n bez emisji</numerusform>
            <numerusform>, w tym %n bez emisji</numerusform>
            <numerusform>, w tym %n bez emisji</numerusform>
        </translation>
    </message>
    <message>
        <source>ADI file saved in %1</source>
        <translation>Zapisano plik ADI: %1</translation>
    </message>
    <message>
        <source>Fields added: contest exchange.</source>
        <translation>Dodane pola: wymiana kontrolna.</translation>
    </message>
    <message>
        <source>Fields added: my station.</source>
        <translation>Dodane pola: moja stacja.</translation>
    </message>
    <message>
        <source>Fields added: contest exchange and my station.</source>
        <translation>Dodane pola: wymiana kontrolna i moja stacja.</translation>
    </message>
    <message>
        <source>ADI file saved in %1: %2</source>
        <extracomment>%1 is where the file went, %2 what it holds (&quot;157 contacts written.&quot;).</extracomment>
        <translation>Zapisano plik ADI %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n ADI file(s) saved</source>
        <translation>
            <numerusform>Zapisano %n plik ADI</numerusform>
            <numerusform>Zapisano %n pliki ADI</numerusform>
            <numerusform>Zapisano %n plików ADI</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n failed</source>
        <extracomment>Follows &quot;3 ADI files saved&quot;.</extracomment>
        <translation>
            <numerusform>, %n nieudany</numerusform>
            <numerusform>, %n nieudane</numerusform>
            <numerusform>, %n nieudanych</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Loading</name>
    <message>
        <source>Could not read the EDI file &quot;%1&quot;: %2. Nothing was changed.</source>
        <extracomment>%2 is the reason (&quot;Permission denied&quot;, &quot;it is not a regular file&quot;).</extracomment>
        <translation>Nie udało się odczytać pliku EDI „%1”: %2. Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>the file does not exist (any more)</source>
        <translation>plik (już) nie istnieje</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>it holds %1, more than the %2 an EDI text may hold (an EDI log holds kilobytes)</source>
        <extracomment>%1 and %2 are sizes (&quot;80.0 MiB&quot;, &quot;64.0 MiB&quot;).</extracomment>
        <translation>ma %1, więcej niż %2 dozwolone dla tekstu EDI (log EDI zajmuje kilobajty)</translation>
    </message>
    <message>
        <source>; press New to start from an empty EDI text</source>
        <extracomment>Follows the reason a file is too large for the EDI text the window holds already.</extracomment>
        <translation>; naciśnij Nowy, aby zacząć od pustego tekstu EDI</translation>
    </message>
    <message>
        <source>it holds %1, and with the %2 the EDI text holds already that is more than the %3 it may hold%4</source>
        <extracomment>%1, %2 and %3 are sizes; %4 is &quot;; press New to start from an empty EDI text&quot;.</extracomment>
        <translation>ma %1, a razem z %2, które tekst EDI już zawiera, to więcej niż dozwolone %3%4</translation>
    </message>
    <message>
        <source>it holds %1, and with its lines ended by CR LF it takes the EDI text past the %2 it may hold%3</source>
        <extracomment>%1 and %2 are sizes; %3 is &quot;; press New to start from an empty EDI text&quot;, or nothing.</extracomment>
        <translation>ma %1, a z wierszami zakończonymi przez CR LF tekst EDI przekroczyłby dozwolone %2%3</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>Could not save the ADI file &quot;%1&quot;: %2. Nothing was saved, and any older file of that name is unchanged.</source>
        <extracomment>%2 is the reason (&quot;Permission denied&quot;, &quot;the older file is write-protected&quot;).</extracomment>
        <translation>Nie udało się zapisać pliku ADI „%1”: %2. Nic nie zapisano, a wcześniejszy plik o tej nazwie, jeśli jest, pozostał bez zmian.</translation>
    </message>
    <message>
        <source>Could not save the ADI file &quot;%1&quot;: a folder of that name is in the way. Nothing was saved.</source>
        <translation>Nie udało się zapisać pliku ADI „%1”: istnieje już folder o tej nazwie. Nic nie zapisano.</translation>
    </message>
    <message>
        <source>it is not a regular file but a device, a pipe or a socket</source>
        <translation>to nie zwykły plik, lecz urządzenie, potok lub gniazdo</translation>
    </message>
    <message>
        <source>the older file is write-protected</source>
        <translation>wcześniejszy plik jest chroniony przed zapisem</translation>
    </message>
    <message>
        <source>There is no ADI file name for &quot;%1&quot;: nothing was saved.</source>
        <translation>Brak nazwy pliku ADI dla „%1”: nic nie zapisano.</translation>
    </message>
    <message>
        <source>The ADI file &quot;%1&quot; was written, but the system could not confirm that it is on the disk: %2.</source>
        <translation>Plik ADI „%1” został zapisany, ale system nie potwierdził, że trafił na dysk: %2.</translation>
    </message>
</context>
<context>
    <name>logvane::FieldsDialog</name>
    <message>
        <source>Contest exchange</source>
        <translation>Wymiana kontrolna</translation>
    </message>
    <message>
        <source>My station</source>
        <translation>Moja stacja</translation>
    </message>
    <message>
        <source>Fields to add</source>
        <translation>Pola do dodania</translation>
    </message>
    <message>
        <source>Adds to every record the serial numbers sent and received, the exchange sent and received, and the power from the log&apos;s header (STX, SRX, STX_STRING, SRX_STRING, TX_PWR).</source>
        <translation>Dodaje do każdego rekordu numery kolejne nadane i odebrane, wymianę nadaną i odebraną oraz moc z nagłówka logu (STX, SRX, STX_STRING, SRX_STRING, TX_PWR).</translation>
    </message>
    <message>
        <source>Adds to every record the call and the locator of your station from the log&apos;s header (STATION_CALLSIGN, MY_GRIDSQUARE).</source>
        <translation>Dodaje do każdego rekordu znak i lokator Twojej stacji z nagłówka logu (STATION_CALLSIGN, MY_GRIDSQUARE).</translation>
    </message>
    <message>
        <source>Upload services compare these with the station location of your certificate: a portable call (/P) or another locator makes them ask, or refuse the log.</source>
        <translation>Serwisy, do których wysyłasz logi, porównują te dane z lokalizacją stacji w Twoim certyfikacie: przy znaku z /P lub innym lokatorze zapytają o potwierdzenie albo odrzucą log.</translation>
    </message>
</context>
<context>
    <name>logvane::Form1</name>
    <message>
        <source>EDI text</source>
        <extracomment>Names the text in messages: &quot;on line 3 of the EDI text&quot;.</extracomment>
        <translation>tekstu EDI</translation>
    </message>
    <message>
        <source>(converted)</source>
        <translation>(przekonwertowano)</translation>
    </message>
    <message>
        <source>ADIF text</source>
        <translation>tekstu ADIF</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Komentarz</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Fields…</source>
        <translation>Pola…</translation>
    </message>
    <message>
        <source>The texts are too large to show here: there is not enough memory left.</source>
        <translation>Teksty są zbyt duże, by je tu pokazać: brakuje wolnej pamięci.</translation>
    </message>
    <message>
        <source>A job is running: give the files again once it has ended.</source>
        <translation>Trwa konwersja: podaj pliki ponownie, gdy się zakończy.</translation>
    </message>
</context>
<context>
    <name>logvane::Form2</name>
    <message>
        <source>click .EDI to convert...</source>
        <translation>kliknij plik .EDI, aby go przekonwertować...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>logvane::TextArea</name>
    <message>
        <source>Read only: a line here is longer than 4,096 characters.</source>
        <extracomment>Written as numbers are written in the language of the translation.</extracomment>
        <translation>Tylko do odczytu: jeden z wierszy ma ponad 4096 znaków.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the %1. Nothing was saved, and nothing was changed.</source>
        <extracomment>%1 names the text: &quot;EDI text&quot;.</extracomment>
        <translation>Za mało pamięci do odczytania %1. Nic nie zapisano ani nie zmieniono.</translation>
    </message>
    <message>
        <source>on line %1 of the %2</source>
        <extracomment>Where a character stands, in &quot;The character ... cannot be written&quot;; %2 names the text: &quot;EDI text&quot;.</extracomment>
        <translation>w wierszu %1 %2</translation>
    </message>
    <message>
        <source>The text was not inserted: it would make a line of the %1 longer than 4,096 characters, and no contest log has one. To look at such a file, pick it after New or Open.</source>
        <extracomment>%1 names the text: &quot;EDI text&quot;.</extracomment>
        <translation>Tekst nie został wstawiony: wiersz %1 miałby ponad 4096 znaków, a żaden log zawodów nie ma takiego wiersza. Aby obejrzeć taki plik, wybierz go po naciśnięciu Nowy lub Otwórz.</translation>
    </message>
</context>
</TS>
