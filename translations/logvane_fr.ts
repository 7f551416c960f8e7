<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CodePage</name>
    <message>
        <source>The character %1 %2 cannot be written to a log file: log files hold only the characters of the %3 code page. Change or remove it; nothing was saved.</source>
        <extracomment>%1 is the character and its code, %2 where it stands (&quot;in the comment&quot;, &quot;on line 3 of the EDI text&quot;), %3 the name of the code page (&quot;windows-1250&quot;).</extracomment>
        <translation>Le caractère %1 %2 ne peut pas être écrit dans un fichier de log&#xa0;: les fichiers de log ne contiennent que les caractères de la page de code %3. Modifiez-le ou supprimez-le&#xa0;; rien n&apos;a été enregistré.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>logvane: %1 names no groups of fields: give none, contest, station or contest,station</source>
        <translation>logvane&#xa0;: %1 ne désigne aucun groupe de champs&#xa0;: indiquez none, contest, station ou contest,station</translation>
    </message>
    <message>
        <source>logvane: --convert needs the EDI files to convert</source>
        <translation>logvane&#xa0;: --convert attend les fichiers EDI à convertir</translation>
    </message>
    <message>
        <source>logvane: unknown option %1 (a file whose name begins with &quot;-&quot; goes after &quot;--&quot;); logvane --help tells the options</source>
        <translation>logvane&#xa0;: option inconnue %1 (un fichier dont le nom commence par «&#xa0;-&#xa0;» se place après «&#xa0;--&#xa0;»)&#xa0;; logvane --help donne la liste des options</translation>
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
        <translation>Usage&#xa0;: logvane [options Qt] [--] [FICHIER.edi...]
        logvane --convert [--fields=LIST] [--comment=TEXT] [--] FICHIER.edi...
Convertit en ADIF des logs de concours VHF/UHF au format EDI (REG1TEST).

Sans fichier, la fenêtre principale s&apos;ouvre&#xa0;: appuyez sur Nouv. ou Ouvrir et
choisissez un fichier EDI du dossier affiché&#xa0;; NOM.adi est écrit à côté. Avec
des fichiers, chacun est converti à son tour comme s&apos;il avait été choisi après
Nouv., son fichier .adi écrit à côté, et un message indique ce qui s&apos;est passé.
Seuls les noms se terminant par .edi, en majuscules ou minuscules, sont pris.

Avec --convert, les fichiers sont convertis sans fenêtre et sans bureau&#xa0;: une
ligne par fichier indique où son .adi a été écrit, ou pourquoi cela a échoué.
Le code de retour vaut 0 si chaque fichier a été enregistré, 1 si l&apos;un d&apos;eux a
échoué, 2 pour une ligne de commande que logvane ne peut pas suivre.

  -h, --help        affiche ce texte et termine
  --version         affiche la version et termine
  --convert         convertit les fichiers sans fenêtre
  --fields=LIST     avec --convert&#xa0;: les groupes de champs à ajouter à chaque
                    enregistrement, none, contest, station ou contest,station
                    (sans cette option, ceux choisis avec Champs... dans la
                    fenêtre)
  --comment=TEXT    avec --convert&#xa0;: la remarque de chaque enregistrement
                    («&#xa0;Thank you for the QSO&#xa0;» sans cette option)
  --                fin des options&#xa0;: chaque argument qui suit est un nom de
                    fichier

Les options propres à Qt (-platform, -style, -reverse, ...) se placent avant
«&#xa0;--&#xa0;».
</translation>
    </message>
</context>
<context>
    <name>Comment</name>
    <message>
        <source>in the comment</source>
        <extracomment>Where a character stands, in &quot;The character ... cannot be written&quot;.</extracomment>
        <translation>dans la remarque</translation>
    </message>
    <message>
        <source>The character U+%1 %2 cannot be written: the comment is one line of text, without line breaks, tabs or other control characters. Remove it; nothing was saved.</source>
        <extracomment>%1 is the character&apos;s code (&quot;000D&quot;), %2 &quot;in the comment&quot;.</extracomment>
        <translation>Le caractère U+%1 %2 ne peut pas être écrit&#xa0;: la remarque tient sur une seule ligne de texte, sans saut de ligne, tabulation ni autre caractère de contrôle. Supprimez-le&#xa0;; rien n&apos;a été enregistré.</translation>
    </message>
</context>
<context>
    <name>DisplayGuard</name>
    <message>
        <source>logvane needs a desktop session: no X11 or Wayland display was found</source>
        <translation>logvane a besoin d&apos;une session de bureau&#xa0;: aucun affichage X11 ou Wayland n&apos;a été trouvé</translation>
    </message>
    <message>
        <source>logvane could not start its windows: %1</source>
        <extracomment>%1 is what Qt said, in English.</extracomment>
        <translation>logvane n&apos;a pas pu ouvrir ses fenêtres&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>FieldChoice</name>
    <message>
        <source>Could not keep the choice of fields in &quot;%1&quot;: the file or its folder cannot be written. The choice holds until logvane ends.</source>
        <translation>Impossible de conserver le choix des champs dans «&#xa0;%1&#xa0;»&#xa0;: le fichier ou son dossier n&apos;est pas accessible en écriture. Le choix reste valable jusqu&apos;à la fermeture de logvane.</translation>
    </message>
</context>
<context>
    <name>Folder</name>
    <message>
        <source>&quot;%1&quot; is not an EDI file: only files whose names end in .edi are converted, each to the file of the same name ending in .adi. Nothing was written.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier EDI&#xa0;: seuls les fichiers dont le nom se termine par .edi sont convertis, chacun dans le fichier du même nom se terminant par .adi. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Could not find the EDI file &quot;%1&quot;: %2. Nothing was written.</source>
        <translation>Fichier EDI «&#xa0;%1&#xa0;» introuvable&#xa0;: %2. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Could not list the EDI files of the folder &quot;%1&quot;: %2.</source>
        <translation>Impossible de lister les fichiers EDI du dossier «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <source>There is not enough memory to convert &quot;%1&quot;. Nothing was saved, and nothing was changed.</source>
        <translation>Mémoire insuffisante pour convertir «&#xa0;%1&#xa0;». Rien n&apos;a été enregistré ni modifié.</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) written</source>
        <translation>
            <numerusform>%n QSO écrit</numerusform>
            <numerusform>%n QSO écrits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n of them without a band</source>
        <extracomment>Follows &quot;76 contacts written&quot;.</extracomment>
        <translation>
            <numerusform>, dont %n sans bande</numerusform>
            <numerusform>, dont %n sans bande</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %n without a mode</source>
        <translation>
            <numerusform> et %n sans mode</numerusform>
            <numerusform> et %n sans mode</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n of them without a mode</source>
        <extracomment>Follows &quot;76 contacts written&quot;.</extracomment>
        <translation>
            <numerusform>, dont %n sans mode</numerusform>
            <numerusform>, dont %n sans mode</numerusform>
        </translation>
    </message>
    <message>
        <source>ADI file saved in %1</source>
        <translation>Fichier ADI enregistré sous %1</translation>
    </message>
    <message>
        <source>Fields added: contest exchange.</source>
        <translation>Champs ajoutés&#xa0;: échange du concours.</translation>
    </message>
    <message>
        <source>Fields added: my station.</source>
        <translation>Champs ajoutés&#xa0;: ma station.</translation>
    </message>
    <message>
        <source>Fields added: contest exchange and my station.</source>
        <translation>Champs ajoutés&#xa0;: échange du concours et ma station.</translation>
    </message>
    <message>
        <source>ADI file saved in %1: %2</source>
        <extracomment>%1 is where the file went, %2 what it holds (&quot;157 contacts written.&quot;).</extracomment>
        <translation>Fichier ADI enregistré sous %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n ADI file(s) saved</source>
        <translation>
            <numerusform>%n fichier ADI enregistré</numerusform>
            <numerusform>%n fichiers ADI enregistrés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n failed</source>
        <extracomment>Follows &quot;3 ADI files saved&quot;.</extracomment>
        <translation>
            <numerusform>, %n échec</numerusform>
            <numerusform>, %n échecs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Loading</name>
    <message>
        <source>Could not read the EDI file &quot;%1&quot;: %2. Nothing was changed.</source>
        <extracomment>%2 is the reason (&quot;Permission denied&quot;, &quot;it is not a regular file&quot;).</extracomment>
        <translation>Impossible de lire le fichier EDI «&#xa0;%1&#xa0;»&#xa0;: %2. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>the file does not exist (any more)</source>
        <translation>le fichier n&apos;existe pas (ou plus)</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it holds %1, more than the %2 an EDI text may hold (an EDI log holds kilobytes)</source>
        <extracomment>%1 and %2 are sizes (&quot;80.0 MiB&quot;, &quot;64.0 MiB&quot;).</extracomment>
        <translation>il contient %1, plus que les %2 qu&apos;un texte EDI peut contenir (un log EDI fait quelques kilo-octets)</translation>
    </message>
    <message>
        <source>; press New to start from an empty EDI text</source>
        <extracomment>Follows the reason a file is too large for the EDI text the window holds already.</extracomment>
        <translation>&#xa0;; appuyez sur Nouv. pour repartir d&apos;un texte EDI vide</translation>
    </message>
    <message>
        <source>it holds %1, and with the %2 the EDI text holds already that is more than the %3 it may hold%4</source>
        <extracomment>%1, %2 and %3 are sizes; %4 is &quot;; press New to start from an empty EDI text&quot;.</extracomment>
        <translation>il contient %1, et avec les %2 que le texte EDI contient déjà, cela dépasse les %3 qu&apos;il peut contenir%4</translation>
    </message>
    <message>
        <source>it holds %1, and with its lines ended by CR LF it takes the EDI text past the %2 it may hold%3</source>
        <extracomment>%1 and %2 are sizes; %3 is &quot;; press New to start from an empty EDI text&quot;, or nothing.</extracomment>
        <translation>il contient %1, et avec ses fins de ligne en CR LF, le texte EDI dépasserait les %2 qu&apos;il peut contenir%3</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>Could not save the ADI file &quot;%1&quot;: %2. Nothing was saved, and any older file of that name is unchanged.</source>
        <extracomment>%2 is the reason (&quot;Permission denied&quot;, &quot;the older file is write-protected&quot;).</extracomment>
        <translation>Impossible d&apos;enregistrer le fichier ADI «&#xa0;%1&#xa0;»&#xa0;: %2. Rien n&apos;a été enregistré, et un éventuel fichier plus ancien du même nom reste inchangé.</translation>
    </message>
    <message>
        <source>Could not save the ADI file &quot;%1&quot;: a folder of that name is in the way. Nothing was saved.</source>
        <translation>Impossible d&apos;enregistrer le fichier ADI «&#xa0;%1&#xa0;»&#xa0;: un dossier porte déjà ce nom. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>it is not a regular file but a device, a pipe or a socket</source>
        <translation>ce n&apos;est pas un fichier ordinaire mais un périphérique, un tube ou une socket</translation>
    </message>
    <message>
        <source>the older file is write-protected</source>
        <translation>le fichier plus ancien est protégé en écriture</translation>
    </message>
    <message>
        <source>There is no ADI file name for &quot;%1&quot;: nothing was saved.</source>
        <translation>Aucun nom de fichier ADI pour «&#xa0;%1&#xa0;»&#xa0;: rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>The ADI file &quot;%1&quot; was written, but the system could not confirm that it is on the disk: %2.</source>
        <translation>Le fichier ADI «&#xa0;%1&#xa0;» a été écrit, mais le système n&apos;a pas pu confirmer qu&apos;il est bien sur le disque&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>logvane::FieldsDialog</name>
    <message>
        <source>Contest exchange</source>
        <translation>Échange du concours</translation>
    </message>
    <message>
        <source>My station</source>
        <translation>Ma station</translation>
    </message>
    <message>
        <source>Fields to add</source>
        <translation>Champs à ajouter</translation>
    </message>
    <message>
        <source>Adds to every record the serial numbers sent and received, the exchange sent and received, and the power from the log&apos;s header (STX, SRX, STX_STRING, SRX_STRING, TX_PWR).</source>
        <translation>Ajoute à chaque enregistrement les numéros de série envoyés et reçus, l&apos;échange envoyé et reçu, et la puissance indiquée dans l&apos;en-tête du log (STX, SRX, STX_STRING, SRX_STRING, TX_PWR).</translation>
    </message>
    <message>
        <source>Adds to every record the call and the locator of your station from the log&apos;s header (STATION_CALLSIGN, MY_GRIDSQUARE).</source>
        <translation>Ajoute à chaque enregistrement l&apos;indicatif et le locator de votre station, pris dans l&apos;en-tête du log (STATION_CALLSIGN, MY_GRIDSQUARE).</translation>
    </message>
    <message>
        <source>Upload services compare these with the station location of your certificate: a portable call (/P) or another locator makes them ask, or refuse the log.</source>
        <translation>Les services d&apos;envoi de logs en ligne comparent ces données avec le lieu de station de votre certificat&#xa0;: avec un indicatif portable (/P) ou un autre locator, ils demandent confirmation, voire refusent le log.</translation>
    </message>
</context>
<context>
    <name>logvane::Form1</name>
    <message>
        <source>EDI text</source>
        <extracomment>Names the text in messages: &quot;on line 3 of the EDI text&quot;.</extracomment>
        <translation>texte EDI</translation>
    </message>
    <message>
        <source>(converted)</source>
        <translation>(converti)</translation>
    </message>
    <message>
        <source>ADIF text</source>
        <translation>texte ADIF</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouv.</translation>
    </message>
    <message>
        <source>Fields…</source>
        <translation>Champs…</translation>
    </message>
    <message>
        <source>The texts are too large to show here: there is not enough memory left.</source>
        <translation>Les textes sont trop volumineux pour être affichés ici&#xa0;: il ne reste pas assez de mémoire.</translation>
    </message>
    <message>
        <source>A job is running: give the files again once it has ended.</source>
        <translation>Une conversion est en cours&#xa0;: donnez à nouveau les fichiers une fois qu&apos;elle est terminée.</translation>
    </message>
</context>
<context>
    <name>logvane::Form2</name>
    <message>
        <source>click .EDI to convert...</source>
        <translation>cliquez sur un .EDI pour le convertir...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>logvane::TextArea</name>
    <message>
        <source>Read only: a line here is longer than 4,096 characters.</source>
        <extracomment>Written as numbers are written in the language of the translation.</extracomment>
        <translation>Lecture seule&#xa0;: une ligne dépasse ici 4&#xa0;096 caractères.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the %1. Nothing was saved, and nothing was changed.</source>
        <extracomment>%1 names the text: &quot;EDI text&quot;.</extracomment>
        <translation>Mémoire insuffisante pour lire le %1. Rien n&apos;a été enregistré ni modifié.</translation>
    </message>
    <message>
        <source>on line %1 of the %2</source>
        <extracomment>Where a character stands, in &quot;The character ... cannot be written&quot;; %2 names the text: &quot;EDI text&quot;.</extracomment>
        <translation>à la ligne %1 du %2</translation>
    </message>
    <message>
        <source>The text was not inserted: it would make a line of the %1 longer than 4,096 characters, and no contest log has one. To look at such a file, pick it after New or Open.</source>
        <extracomment>%1 names the text: &quot;EDI text&quot;.</extracomment>
        <translation>Le texte n&apos;a pas été inséré&#xa0;: il rendrait une ligne du %1 plus longue que 4&#xa0;096 caractères, ce qu&apos;aucun log de concours ne contient. Pour voir un tel fichier, choisissez-le après Nouv. ou Ouvrir.</translation>
    </message>
</context>
</TS>
