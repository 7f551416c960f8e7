<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CodePage</name>
    <message>
        <source>The character %1 %2 cannot be written to a log file: log files hold only the characters of the %3 code page. Change or remove it; nothing was saved.</source>
        <extracomment>%1 is the character and its code, %2 where it stands (&quot;in the comment&quot;, &quot;on line 3 of the EDI text&quot;), %3 the name of the code page (&quot;windows-1250&quot;).</extracomment>
        <translation>El carácter %1 %2 no se puede escribir en un fichero de log: los ficheros de log solo admiten los caracteres de la página de códigos %3. Cámbialo o quítalo; no se ha guardado nada.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>logvane: %1 names no groups of fields: give none, contest, station or contest,station</source>
        <translation>logvane: %1 no indica ningún grupo de campos: usa none, contest, station o contest,station</translation>
    </message>
    <message>
        <source>logvane: --convert needs the EDI files to convert</source>
        <translation>logvane: --convert necesita los ficheros EDI que hay que convertir</translation>
    </message>
    <message>
        <source>logvane: unknown option %1 (a file whose name begins with &quot;-&quot; goes after &quot;--&quot;); logvane --help tells the options</source>
        <translation>logvane: opción desconocida %1 (un fichero cuyo nombre empieza por &quot;-&quot; va después de &quot;--&quot;); logvane --help muestra las opciones</translation>
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
        <translation>Uso: logvane [opciones de Qt] [--] [FILE.edi...]
     logvane --convert [--fields=LIST] [--comment=TEXT] [--] FILE.edi...
Convierte logs de concursos VHF/UHF en formato EDI (REG1TEST) a ficheros ADIF.

Sin ficheros, se abre la ventana principal: pulsa Nuevo o Abrir y elige un
fichero EDI de la carpeta mostrada; NOMBRE.adi se escribe a su lado. Con
ficheros, cada uno se convierte por turno como si se eligiera después de Nuevo,
con su fichero .adi escrito a su lado, y un mensaje cuenta lo que ha pasado.
Solo se toman los nombres que terminan en .edi, en mayúsculas o minúsculas.

Con --convert, los ficheros se convierten sin ventana y sin escritorio: una
línea por cada uno dice dónde ha ido a parar su fichero .adi o por qué ha
fallado. El código de salida es 0 si se han guardado todos los ficheros, 1 si
alguno ha fallado y 2 si la línea de comandos no es válida.

  -h, --help        muestra este texto y termina
  --version         muestra la versión y termina
  --convert         convierte los ficheros sin ventana
  --fields=LIST     con --convert: los grupos de campos que se añaden a cada
                    registro, none, contest, station o contest,station (sin
                    esta opción, los elegidos con Campos... en la ventana)
  --comment=TEXT    con --convert: el comentario de cada registro (sin esta
                    opción, &quot;Thank you for the QSO&quot;)
  --                fin de las opciones: cada argumento posterior es un fichero

Las opciones de Qt (-platform, -style, -reverse, ...) van antes de &quot;--&quot;.
</translation>
    </message>
</context>
<context>
    <name>Comment</name>
    <message>
        <source>in the comment</source>
        <extracomment>Where a character stands, in &quot;The character ... cannot be written&quot;.</extracomment>
        <translation>en el comentario</translation>
    </message>
    <message>
        <source>The character U+%1 %2 cannot be written: the comment is one line of text, without line breaks, tabs or other control characters. Remove it; nothing was saved.</source>
        <extracomment>%1 is the character&apos;s code (&quot;000D&quot;), %2 &quot;in the comment&quot;.</extracomment>
        <translation>El carácter U+%1 %2 no se puede escribir: el comentario es una sola línea de texto, sin saltos de línea, tabuladores ni otros caracteres de control. Quítalo; no se ha guardado nada.</translation>
    </message>
</context>
<context>
    <name>DisplayGuard</name>
    <message>
        <source>logvane needs a desktop session: no X11 or Wayland display was found</source>
        <translation>logvane necesita una sesión de escritorio: no se ha encontrado ninguna pantalla X11 ni Wayland</translation>
    </message>
    <message>
        <source>logvane could not start its windows: %1</source>
        <extracomment>%1 is what Qt said, in English.</extracomment>
        <translation>logvane no ha podido abrir sus ventanas: %1</translation>
    </message>
</context>
<context>
    <name>FieldChoice</name>
    <message>
        <source>Could not keep the choice of fields in &quot;%1&quot;: the file or its folder cannot be written. The choice holds until logvane ends.</source>
        <translation>No se ha podido guardar la selección de campos en «%1»: no se puede escribir en el fichero o en su carpeta. La selección se mantiene hasta que se cierre logvane.</translation>
    </message>
</context>
<context>
    <name>Folder</name>
    <message>
        <source>&quot;%1&quot; is not an EDI file: only files whose names end in .edi are converted, each to the file of the same name ending in .adi. Nothing was written.</source>
        <translation>«%1» no es un fichero EDI: solo se convierten los ficheros cuyo nombre termina en .edi, cada uno al fichero del mismo nombre terminado en .adi. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>Could not find the EDI file &quot;%1&quot;: %2. Nothing was written.</source>
        <translation>No se ha encontrado el fichero EDI «%1»: %2. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>Could not list the EDI files of the folder &quot;%1&quot;: %2.</source>
        <translation>No se han podido listar los ficheros EDI de la carpeta «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <source>There is not enough memory to convert &quot;%1&quot;. Nothing was saved, and nothing was changed.</source>
        <translation>No hay memoria suficiente para convertir «%1». No se ha guardado ni cambiado nada.</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) written</source>
        <translation>
            <numerusform>%n contacto escrito</numerusform>
            <numerusform>%n contactos escritos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n of them without a band</source>
        <extracomment>Follows &quot;76 contacts written&quot;.</extracomment>
        <translation>
            <numerusform>, %n de ellos sin banda</numerusform>
            <numerusform>, %n de ellos sin banda</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %n without a mode</source>
        <translation>
            <numerusform> y %n sin modo</numerusform>
            <numerusform> y %n sin modo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n of them without a mode</source>
        <extracomment>Follows &quot;76 contacts written&quot;.</extracomment>
        <translation>
            <numerusform>, %n de ellos sin modo</numerusform>
            <numerusform>, %n de ellos sin modo</numerusform>
        </translation>
    </message>
    <message>
        <source>ADI file saved in %1</source>
        <translation>Fichero ADI guardado en %1</translation>
    </message>
    <message>
        <source>Fields added: contest exchange.</source>
        <translation>Campos añadidos: intercambio del concurso.</translation>
    </message>
    <message>
        <source>Fields added: my station.</source>
        <translation>Campos añadidos: mi estación.</translation>
    </message>
    <message>
        <source>Fields added: contest exchange and my station.</source>
        <translation>Campos añadidos: intercambio del concurso y mi estación.</translation>
    </message>
    <message>
        <source>ADI file saved in %1: %2</source>
        <extracomment>%1 is where the file went, %2 what it holds (&quot;157 contacts written.&quot;).</extracomment>
        <translation>Fichero ADI guardado en %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n ADI file(s) saved</source>
        <translation>
            <numerusform>%n fichero ADI guardado</numerusform>
            <numerusform>%n ficheros ADI guardados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n failed</source>
        <extracomment>Follows &quot;3 ADI files saved&quot;.</extracomment>
        <translation>
            <numerusform>, %n fallido</numerusform>
            <numerusform>, %n fallidos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Loading</name>
    <message>
        <source>Could not read the EDI file &quot;%1&quot;: %2. Nothing was changed.</source>
        <extracomment>%2 is the reason (&quot;Permission denied&quot;, &quot;it is not a regular file&quot;).</extracomment>
        <translation>No se ha podido leer el fichero EDI «%1»: %2. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>the file does not exist (any more)</source>
        <translation>el fichero no existe (o ya no existe)</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un fichero regular</translation>
    </message>
    <message>
        <source>it holds %1, more than the %2 an EDI text may hold (an EDI log holds kilobytes)</source>
        <extracomment>%1 and %2 are sizes (&quot;80.0 MiB&quot;, &quot;64.0 MiB&quot;).</extracomment>
        <translation>ocupa %1, más de los %2 que puede ocupar un texto EDI (un log EDI ocupa unos pocos kilobytes)</translation>
    </message>
    <message>
        <source>; press New to start from an empty EDI text</source>
        <extracomment>Follows the reason a file is too large for the EDI text the window holds already.</extracomment>
        <translation>; pulsa Nuevo para empezar con un texto EDI vacío</translation>
    </message>
    <message>
        <source>it holds %1, and with the %2 the EDI text holds already that is more than the %3 it may hold%4</source>
        <extracomment>%1, %2 and %3 are sizes; %4 is &quot;; press New to start from an empty EDI text&quot;.</extracomment>
        <translation>ocupa %1 y, con los %2 que ya ocupa el texto EDI, se superan los %3 permitidos%4</translation>
    </message>
    <message>
        <source>it holds %1, and with its lines ended by CR LF it takes the EDI text past the %2 it may hold%3</source>
        <extracomment>%1 and %2 are sizes; %3 is &quot;; press New to start from an empty EDI text&quot;, or nothing.</extracomment>
        <translation>ocupa %1 y, con sus líneas terminadas en CR LF, lleva el texto EDI más allá de los %2 permitidos%3</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>Could not save the ADI file &quot;%1&quot;: %2. Nothing was saved, and any older file of that name is unchanged.</source>
        <extracomment>%2 is the reason (&quot;Permission denied&quot;, &quot;the older file is write-protected&quot;).</extracomment>
        <translation>No se ha podido guardar el fichero ADI «%1»: %2. No se ha guardado nada, y el fichero anterior con ese nombre, si lo hay, sigue igual.</translation>
    </message>
    <message>
        <source>Could not save the ADI file &quot;%1&quot;: a folder of that name is in the way. Nothing was saved.</source>
        <translation>No se ha podido guardar el fichero ADI «%1»: en su lugar hay una carpeta con ese nombre. No se ha guardado nada.</translation>
    </message>
    <message>
        <source>it is not a regular file but a device, a pipe or a socket</source>
        <translation>no es un fichero regular, sino un dispositivo, una tubería o un socket</translation>
    </message>
    <message>
        <source>the older file is write-protected</source>
        <translation>el fichero anterior está protegido contra escritura</translation>
    </message>
    <message>
        <source>There is no ADI file name for &quot;%1&quot;: nothing was saved.</source>
        <translation>No hay nombre de fichero ADI para «%1»: no se ha guardado nada.</translation>
    </message>
    <message>
        <source>The ADI file &quot;%1&quot; was written, but the system could not confirm that it is on the disk: %2.</source>
        <translation>El fichero ADI «%1» se ha escrito, pero el sistema no ha podido confirmar que esté en el disco: %2.</translation>
    </message>
</context>
<context>
    <name>logvane::FieldsDialog</name>
    <message>
        <source>Contest exchange</source>
        <translation>Intercambio del concurso</translation>
    </message>
    <message>
        <source>My station</source>
        <translation>Mi estación</translation>
    </message>
    <message>
        <source>Fields to add</source>
        <translation>Campos que añadir</translation>
    </message>
    <message>
        <source>Adds to every record the serial numbers sent and received, the exchange sent and received, and the power from the log&apos;s header (STX, SRX, STX_STRING, SRX_STRING, TX_PWR).</source>
        <translation>Añade a cada registro los números de serie enviados y recibidos, el intercambio enviado y recibido, y la potencia que figura en la cabecera del log (STX, SRX, STX_STRING, SRX_STRING, TX_PWR).</translation>
    </message>
    <message>
        <source>Adds to every record the call and the locator of your station from the log&apos;s header (STATION_CALLSIGN, MY_GRIDSQUARE).</source>
        <translation>Añade a cada registro el indicativo y el locator de tu estación que figuran en la cabecera del log (STATION_CALLSIGN, MY_GRIDSQUARE).</translation>
    </message>
    <message>
        <source>Upload services compare these with the station location of your certificate: a portable call (/P) or another locator makes them ask, or refuse the log.</source>
        <translation>Los servicios de subida de logs los comparan con la ubicación de estación de tu certificado: con un indicativo portable (/P) u otro locator piden confirmación o rechazan el log.</translation>
    </message>
</context>
<context>
    <name>logvane::Form1</name>
    <message>
        <source>EDI text</source>
        <extracomment>Names the text in messages: &quot;on line 3 of the EDI text&quot;.</extracomment>
        <translation>texto EDI</translation>
    </message>
    <message>
        <source>(converted)</source>
        <translation>(convertido)</translation>
    </message>
    <message>
        <source>ADIF text</source>
        <translation>texto ADIF</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Fields…</source>
        <translation>Campos…</translation>
    </message>
    <message>
        <source>The texts are too large to show here: there is not enough memory left.</source>
        <translation>Los textos son demasiado grandes para mostrarlos aquí: no queda memoria suficiente.</translation>
    </message>
    <message>
        <source>A job is running: give the files again once it has ended.</source>
        <translation>Hay una conversión en curso: vuelve a intentarlo con los ficheros cuando termine.</translation>
    </message>
</context>
<context>
    <name>logvane::Form2</name>
    <message>
        <source>click .EDI to convert...</source>
        <translation>haz clic en un .EDI para convertirlo...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>logvane::TextArea</name>
    <message>
        <source>Read only: a line here is longer than 4,096 characters.</source>
        <extracomment>Written as numbers are written in the language of the translation.</extracomment>
        <translation>Solo lectura: aquí hay una línea de más de 4096 caracteres.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the %1. Nothing was saved, and nothing was changed.</source>
        <extracomment>%1 names the text: &quot;EDI text&quot;.</extracomment>
        <translation>No hay memoria suficiente para leer el %1. No se ha guardado ni cambiado nada.</translation>
    </message>
    <message>
        <source>on line %1 of the %2</source>
        <extracomment>Where a character stands, in &quot;The character ... cannot be written&quot;; %2 names the text: &quot;EDI text&quot;.</extracomment>
        <translation>en la línea %1 del %2</translation>
    </message>
    <message>
        <source>The text was not inserted: it would make a line of the %1 longer than 4,096 characters, and no contest log has one. To look at such a file, pick it after New or Open.</source>
        <extracomment>%1 names the text: &quot;EDI text&quot;.</extracomment>
        <translation>No se ha insertado el texto: haría que una línea del %1 tuviera más de 4096 caracteres, y ningún log de concurso tiene líneas así. Para ver un fichero así, elígelo después de Nuevo o Abrir.</translation>
    </message>
</context>
</TS>
