<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CardListModel</name>
    <message>
        <source>(no word)</source>
        <translation>(sin palabra)</translation>
    </message>
    <message>
        <source>%1 (recorded)</source>
        <translation>%1 (grabada)</translation>
    </message>
</context>
<context>
    <name>CardPicture</name>
    <message>
        <source>The picture &quot;%1&quot; cannot be read (%2): replace it with a BMP picture of the card.</source>
        <translation>La imagen «%1» no se puede leer (%2): sustitúyala por una imagen BMP de la tarjeta.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is missing: copy the card&apos;s picture into the pictures folder.</source>
        <translation>Falta la imagen «%1»: copie la imagen de la tarjeta en la carpeta de imágenes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture file: replace it with the card&apos;s picture.</source>
        <translation>«%1» no es un archivo de imagen: sustitúyalo por la imagen de la tarjeta.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; points outside the pictures folder: copy the picture itself into the pictures folder.</source>
        <translation>La imagen «%1» apunta fuera de la carpeta de imágenes: copie la propia imagen en la carpeta de imágenes.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large (%2 × %3 pixels): save it smaller, for example 273 × 217.</source>
        <translation>La imagen «%1» es demasiado grande (%2 × %3 píxeles): guárdela más pequeña, por ejemplo 273 × 217.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is cut short (%2 of %3 bytes): replace it with a complete copy of the picture.</source>
        <translation>La imagen «%1» está incompleta (%2 de %3 bytes): sustitúyala por una copia completa de la imagen.</translation>
    </message>
</context>
<context>
    <name>CardSession</name>
    <message>
        <source>This card&apos;s recording &quot;%1&quot; cannot be played (%2), so the voice says the word instead. Record the word again, or remove the recording.</source>
        <translation>La grabación «%1» de esta tarjeta no se puede reproducir (%2), así que la voz dice la palabra. Grabe la palabra de nuevo, o quite la grabación.</translation>
    </message>
</context>
<context>
    <name>CardSetChange</name>
    <message>
        <source>The change of the card set is not readable: %1.</source>
        <translation>El cambio del juego de tarjetas no se puede leer: %1.</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>ocupa más de %1 bytes</translation>
    </message>
    <message>
        <source>it does not begin as one does</source>
        <translation>no empieza como un cambio</translation>
    </message>
    <message>
        <source>it is of version %1, and this Pomwit reads version %2</source>
        <translation>es de la versión %1, y este Pomwit lee la versión %2</translation>
    </message>
    <message>
        <source>it does not hold from 0 to %1 steps</source>
        <translation>no contiene de 0 a %1 pasos</translation>
    </message>
    <message>
        <source>a card bitmap is not of the size a 273 × 217 24-bit BMP has</source>
        <translation>una imagen de tarjeta no tiene el tamaño de una imagen BMP de 273 × 217 y 24 bits</translation>
    </message>
    <message>
        <source>a large picture is neither a JPEG nor a PNG</source>
        <translation>una imagen grande no es ni JPEG ni PNG</translation>
    </message>
    <message>
        <source>step %1 is of no known kind</source>
        <translation>el paso %1 es de un tipo desconocido</translation>
    </message>
    <message>
        <source>it goes on after its last step</source>
        <translation>sigue después de su último paso</translation>
    </message>
    <message>
        <source>it ends too soon</source>
        <translation>termina demasiado pronto</translation>
    </message>
    <message>
        <source>a yes-or-no value is neither</source>
        <translation>un valor de sí o no no es ninguno de los dos</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes</source>
        <translation>%1 ocupa más de %2 bytes</translation>
    </message>
    <message>
        <source>%1 is not valid UTF-8 text</source>
        <translation>%1 no es texto UTF-8 válido</translation>
    </message>
    <message>
        <source>a word</source>
        <translation>una palabra</translation>
    </message>
    <message>
        <source>a card bitmap</source>
        <translation>una imagen de tarjeta</translation>
    </message>
    <message>
        <source>a picture&apos;s suffix</source>
        <translation>una extensión de imagen</translation>
    </message>
    <message>
        <source>a large picture</source>
        <translation>una imagen grande</translation>
    </message>
    <message>
        <source>a recording</source>
        <translation>una grabación</translation>
    </message>
    <message>
        <source>a language</source>
        <translation>un idioma</translation>
    </message>
</context>
<context>
    <name>CardSetHelper</name>
    <message>
        <source>pomwit-cardset-helper takes no arguments: it reads the change of the card set on standard input.</source>
        <translation>pomwit-cardset-helper no admite argumentos: lee el cambio del juego de tarjetas de la entrada estándar.</translation>
    </message>
    <message>
        <source>Changed the card set in &quot;%1&quot;: %2 steps.</source>
        <translation>Se cambió el juego de tarjetas de «%1»: %2 pasos.</translation>
    </message>
</context>
<context>
    <name>CardSetWriter</name>
    <message>
        <source>Another change of the card set is being made: wait until it is done, then try again.</source>
        <translation>Se está haciendo otro cambio del juego de tarjetas: espere a que termine y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The card set was not changed: Pomwit cannot ask for a grown-up&apos;s permission here, as pkexec is not installed (sudo apt install pkexec). Make the change in a terminal instead: %1</source>
        <translation>El juego de tarjetas no se cambió: Pomwit no puede pedir aquí el permiso de un adulto, porque pkexec no está instalado (sudo apt install pkexec). Haga el cambio en un terminal: %1</translation>
    </message>
    <message>
        <source>The card set was not changed: permission was refused. A grown-up may allow it with their password, or make the change in a terminal: %1</source>
        <translation>El juego de tarjetas no se cambió: se denegó el permiso. Un adulto puede darlo con su contraseña, o hacer el cambio en un terminal: %1</translation>
    </message>
    <message>
        <source>The card set was not changed: Pomwit could not ask for a grown-up&apos;s permission, as no permission dialog (polkit agent) is running. Make the change in a terminal instead: %1</source>
        <translation>El juego de tarjetas no se cambió: Pomwit no pudo pedir el permiso de un adulto, porque no hay ningún diálogo de permisos (agente de polkit) en marcha. Haga el cambio en un terminal: %1</translation>
    </message>
    <message>
        <source>The card set was not changed: the helper that changes it ended unexpectedly. Make the change in a terminal instead: %1</source>
        <translation>El juego de tarjetas no se cambió: el programa auxiliar que lo cambia terminó de forma inesperada. Haga el cambio en un terminal: %1</translation>
    </message>
</context>
<context>
    <name>DesktopLock</name>
    <message>
        <source>Another program holds the keyboard or the pointer, so Pomwit cannot hold them yet and keeps trying. Until then the desktop&apos;s shortcuts, such as Alt+Tab and the Super key, still work.</source>
        <translation>Otro programa retiene el teclado o el puntero, así que Pomwit aún no puede retenerlos y lo sigue intentando. Mientras tanto, los atajos del escritorio, como Alt+Tab y la tecla Super, siguen funcionando.</translation>
    </message>
    <message>
        <source>In this Wayland session Pomwit holds the keyboard only if the desktop allows it (GNOME asks once). Otherwise the desktop&apos;s shortcuts, such as the Super key and Alt+Tab, still work, and Super+Esc gives them back. The pointer can leave this screen.</source>
        <translation>En esta sesión de Wayland, Pomwit solo retiene el teclado si el escritorio lo permite (GNOME lo pregunta una vez). Si no, los atajos del escritorio, como la tecla Super y Alt+Tab, siguen funcionando, y Super+Esc los devuelve. El puntero puede salir de esta pantalla.</translation>
    </message>
    <message>
        <source>In this Wayland session no program can hold the keyboard: the desktop&apos;s shortcuts, such as the Super key and Alt+Tab, still work, and the pointer can leave this screen.</source>
        <translation>En esta sesión de Wayland ningún programa puede retener el teclado: los atajos del escritorio, como la tecla Super y Alt+Tab, siguen funcionando, y el puntero puede salir de esta pantalla.</translation>
    </message>
    <message>
        <source>On this display Pomwit cannot hold the keyboard or the pointer: the shortcuts of the desktop and of other programs, such as Alt+Tab, still work.</source>
        <translation>En esta pantalla Pomwit no puede retener el teclado ni el puntero: los atajos del escritorio y de otros programas, como Alt+Tab, siguen funcionando.</translation>
    </message>
</context>
<context>
    <name>FullScreenView</name>
    <message>
        <source>Pomwit full screen</source>
        <translation>Pomwit a pantalla completa</translation>
    </message>
    <message>
        <source>Card picture</source>
        <translation>Imagen de la tarjeta</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Card number</source>
        <translation>Número de tarjeta</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Leaving full screen</source>
        <translation>Salir de la pantalla completa</translation>
    </message>
    <message>
        <source>To leave full screen, hold %1 for two seconds.</source>
        <translation>Para salir de la pantalla completa, mantenga pulsado %1 dos segundos.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloqueo</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Keep holding %1…</source>
        <translation>Siga manteniendo %1…</translation>
    </message>
    <message>
        <source>A child is playing full screen</source>
        <translation>Un niño está jugando a pantalla completa</translation>
    </message>
    <message>
        <source>All cards have been played. The stack is shuffled again.</source>
        <translation>Se han jugado todas las tarjetas. El mazo se vuelve a barajar.</translation>
    </message>
    <message>
        <source>This card&apos;s picture cannot be shown. Its file is named once the word is found.</source>
        <translation>La imagen de esta tarjeta no se puede mostrar. Su archivo se nombra en cuanto se encuentra la palabra.</translation>
    </message>
</context>
<context>
    <name>JetFile</name>
    <message>
        <source>the file is cut short</source>
        <translation>el archivo está incompleto</translation>
    </message>
    <message>
        <source>some of its pages are missing</source>
        <translation>faltan algunas de sus páginas</translation>
    </message>
    <message>
        <source>its first page is not readable</source>
        <translation>su primera página no se puede leer</translation>
    </message>
    <message>
        <source>the table tblflashcards cannot be read</source>
        <translation>la tabla tblflashcards no se puede leer</translation>
    </message>
    <message>
        <source>the column cardname does not hold text</source>
        <translation>la columna cardname no contiene texto</translation>
    </message>
    <message>
        <source>its list of tables cannot be read</source>
        <translation>su lista de tablas no se puede leer</translation>
    </message>
    <message>
        <source>the column cardname cannot be read</source>
        <translation>la columna cardname no se puede leer</translation>
    </message>
</context>
<context>
    <name>LargePicture</name>
    <message>
        <source>The picture &quot;%1&quot; is too large (%2 bytes): save it smaller.</source>
        <translation>La imagen «%1» es demasiado grande (%2 bytes): guárdela más pequeña.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read (%2).</source>
        <translation>La imagen «%1» no se puede leer (%2).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; refers to other files: save it as a drawing on its own.</source>
        <translation>La imagen «%1» remite a otros archivos: guárdela como un dibujo independiente.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: replace it with an SVG drawing of the card.</source>
        <translation>La imagen «%1» no se puede leer: sustitúyala por un dibujo SVG de la tarjeta.</translation>
    </message>
</context>
<context>
    <name>NewPicturesModel</name>
    <message>
        <source>Being read…</source>
        <translation>Leyendo…</translation>
    </message>
    <message>
        <source>Type the word for this picture.</source>
        <translation>Escriba la palabra de esta imagen.</translation>
    </message>
    <message>
        <source>This cannot be a card&apos;s word: %1.</source>
        <translation>Esto no puede ser la palabra de una tarjeta: %1.</translation>
    </message>
    <message>
        <source>Another new picture has this word: give each picture its own.</source>
        <translation>Otra imagen nueva tiene esta palabra: dé a cada imagen la suya.</translation>
    </message>
    <message>
        <source>Picture and word</source>
        <translation>Imagen y palabra</translation>
    </message>
    <message>
        <source>What is missing</source>
        <translation>Lo que falta</translation>
    </message>
</context>
<context>
    <name>OggRecording</name>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>it is not an Ogg Vorbis or Opus file</source>
        <translation>no es un archivo Ogg Vorbis ni Opus</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>le falta el final</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>tiene daños</translation>
    </message>
    <message>
        <source>it is neither Vorbis nor Opus</source>
        <translation>no es ni Vorbis ni Opus</translation>
    </message>
    <message>
        <source>it holds more than one stream</source>
        <translation>contiene más de un flujo</translation>
    </message>
    <message>
        <source>it is %1 seconds long, and a recording may be at most %2 seconds</source>
        <translation>dura %1 segundos, y una grabación puede durar como mucho %2 segundos</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Pomwit is a way for toddlers to learn words and the names of objects. In the future, it will include categorized bundles of image/word listings. It was also a way to try out speech, here from the open espeak-ng engine (more at github.com/espeak-ng). The idea for speech came from work with users with disabilities and with screen readers for the blind.</source>
        <translation>Con Pomwit los niños pequeños aprenden palabras y nombres de objetos. Más adelante tendrá colecciones de imágenes y palabras. También prueba la voz, aquí con espeak-ng (github.com/espeak-ng). La idea viene del trabajo con personas con discapacidad y lectores de pantalla.</translation>
    </message>
</context>
<context>
    <name>RecordingPanel</name>
    <message>
        <source>Recording of the card&apos;s word</source>
        <translation>Grabación de la palabra de la tarjeta</translation>
    </message>
    <message>
        <source>R&amp;ecord</source>
        <translation>Gra&amp;bar</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>L&amp;isten</source>
        <translation>&amp;Escuchar</translation>
    </message>
    <message>
        <source>Kee&amp;p</source>
        <translation>Conser&amp;var</translation>
    </message>
    <message>
        <source>Dis&amp;card</source>
        <translation>Desec&amp;har</translation>
    </message>
    <message>
        <source>Remo&amp;ve Recording…</source>
        <translation>Quitar &amp;la grabación…</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Say: %1</source>
        <translation>Diga: %1</translation>
    </message>
    <message>
        <source>The recording has been kept.</source>
        <translation>La grabación se ha guardado.</translation>
    </message>
    <message>
        <source>The recording could not be kept: %1.</source>
        <translation>No se pudo guardar la grabación: %1.</translation>
    </message>
    <message>
        <source>Speak after the tone.</source>
        <translation>Hable después del tono.</translation>
    </message>
    <message>
        <source>Recording: say the words, then press Stop.</source>
        <translation>Grabando: diga las palabras y pulse Detener.</translation>
    </message>
    <message>
        <source>Listen to the recording, then keep it or discard it.</source>
        <translation>Escuche la grabación y luego consérvela o deséchela.</translation>
    </message>
</context>
<context>
    <name>SndfileCodec</name>
    <message>
        <source>it is damaged or cut short</source>
        <translation>tiene daños o le falta el final</translation>
    </message>
    <message>
        <source>it is an %1 file, a format Pomwit does not read</source>
        <translation>es un archivo %1, un formato que Pomwit no lee</translation>
    </message>
    <message>
        <source>it is not a sound file</source>
        <translation>no es un archivo de sonido</translation>
    </message>
    <message>
        <source>its sound is in a form Pomwit does not read</source>
        <translation>su sonido está en una forma que Pomwit no lee</translation>
    </message>
    <message>
        <source>it is %1 seconds long, and a recording may be at most %2 seconds</source>
        <translation>dura %1 segundos, y una grabación puede durar como mucho %2 segundos</translation>
    </message>
    <message>
        <source>it is longer than the %1 seconds a recording may last</source>
        <translation>dura más de los %1 segundos que puede durar una grabación</translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation>no contiene sonido</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Sound is not available, so the words are shown but not spoken.</source>
        <translation>El sonido no está disponible, así que las palabras se muestran pero no se dicen.</translation>
    </message>
    <message>
        <source>There are no voices to choose from.</source>
        <translation>No hay voces entre las que elegir.</translation>
    </message>
    <message>
        <source>There is no voice number %1; the voices are numbered 1 to %2.</source>
        <translation>No hay ninguna voz número %1; las voces están numeradas del 1 al %2.</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; could not be loaded.</source>
        <translation>No se pudo cargar la voz «%1».</translation>
    </message>
    <message>
        <source>The speaking rate could not be set.</source>
        <translation>No se pudo ajustar la velocidad del habla.</translation>
    </message>
    <message>
        <source>The speech engine could not say &quot;%1&quot; (error %2).</source>
        <translation>El motor de voz no pudo decir «%1» (error %2).</translation>
    </message>
    <message>
        <source>The speaking rate %1 is outside %2 to %3.</source>
        <translation>La velocidad %1 está fuera del intervalo de %2 a %3.</translation>
    </message>
    <message>
        <source>Another phrase is being said.</source>
        <translation>Ya se está diciendo otra frase.</translation>
    </message>
    <message>
        <source>The speech engine could not start (its voice data is missing).</source>
        <translation>El motor de voz no pudo arrancar (faltan sus datos de voz).</translation>
    </message>
    <message>
        <source>The natural voice could not be started, so the words are spoken in a plainer voice.</source>
        <translation>La voz natural no pudo arrancar, así que las palabras se dicen con una voz más sencilla.</translation>
    </message>
    <message>
        <source>No voice on this computer speaks %1 (%2), the language of the card set, so the words are shown but not spoken. Set the card set&apos;s language with pomwit-cards language.</source>
        <translation>Ninguna voz de este ordenador habla %1 (%2), el idioma del juego de tarjetas, así que las palabras se muestran pero no se dicen. Cambie el idioma del juego de tarjetas con pomwit-cards language.</translation>
    </message>
    <message>
        <source>The natural voices could not start.</source>
        <translation>Las voces naturales no pudieron arrancar.</translation>
    </message>
    <message>
        <source>No microphone was found: connect one, or switch it on in the sound settings, to record.</source>
        <translation>No se encontró ningún micrófono: conecte uno, o actívelo en la configuración de sonido, para grabar.</translation>
    </message>
    <message>
        <source>The microphone does not record 16-bit sound: choose another one in the sound settings.</source>
        <translation>El micrófono no graba sonido de 16 bits: elija otro en la configuración de sonido.</translation>
    </message>
    <message>
        <source>the sound module of this installation is missing</source>
        <translation>falta el módulo de sonido de esta instalación</translation>
    </message>
</context>
<context>
    <name>VoiceRecorder</name>
    <message>
        <source>A recording is already under way.</source>
        <translation>Ya hay una grabación en curso.</translation>
    </message>
    <message>
        <source>Wait until the sound that is playing has ended, then record.</source>
        <translation>Espere a que termine el sonido y luego grabe.</translation>
    </message>
    <message>
        <source>1 second left</source>
        <translation>Queda 1 segundo</translation>
    </message>
    <message>
        <source>%1 seconds left</source>
        <translation>Quedan %1 segundos</translation>
    </message>
    <message>
        <source>Nothing was heard: check that the microphone is on and not muted, then record again.</source>
        <translation>No se oyó nada: compruebe que el micrófono está encendido y no silenciado, y vuelva a grabar.</translation>
    </message>
    <message>
        <source>There is nothing recorded to listen to.</source>
        <translation>No hay nada grabado que escuchar.</translation>
    </message>
    <message>
        <source>Wait until the sound that is playing has ended, then listen.</source>
        <translation>Espere a que termine el sonido y luego escuche.</translation>
    </message>
    <message>
        <source>nothing has been recorded</source>
        <translation>no se ha grabado nada</translation>
    </message>
</context>
<context>
    <name>cardImage</name>
    <message>
        <source>There is no picture &quot;%1&quot;: check the file&apos;s name and folder.</source>
        <translation>No hay ninguna imagen «%1»: compruebe el nombre y la carpeta del archivo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture file but a folder or a special file: name a picture file.</source>
        <translation>«%1» no es un archivo de imagen sino una carpeta o un archivo especial: indique un archivo de imagen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read (%2): check that your user may read it.</source>
        <translation>«%1» no se puede leer (%2): compruebe que su usuario puede leerlo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a %2 picture, and reading it needs the package %3: install it (sudo apt install %3), or save the picture as JPEG or PNG.</source>
        <translation>«%1» es una imagen %2, y para leerla hace falta el paquete %3: instálelo (sudo apt install %3) o guarde la imagen como JPEG o PNG.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to read (%2 × %3 pixels): save it smaller, for example 4000 × 3000 pixels, then try again.</source>
        <translation>«%1» es demasiado grande para leerla (%2 × %3 píxeles): guárdela más pequeña, por ejemplo de 4000 × 3000 píxeles, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged or cut short (%2): copy the picture again from where it came from.</source>
        <translation>«%1» está dañada o incompleta (%2): vuelva a copiar la imagen desde su origen.</translation>
    </message>
    <message>
        <source>The pictures for &quot;%1&quot; could not be made: try another picture.</source>
        <translation>No se pudieron crear las imágenes de «%1»: pruebe con otra imagen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a HEIC photo, which Pomwit cannot read: convert it to JPEG first, for example with heif-convert &quot;%1&quot; photo.jpg (from the package libheif-examples).</source>
        <translation>«%1» es una foto HEIC, que Pomwit no puede leer: conviértala antes a JPEG, por ejemplo con heif-convert &quot;%1&quot; photo.jpg (del paquete libheif-examples).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture that Pomwit can read (%2): save it as JPEG or PNG, then try again.</source>
        <translation>«%1» no es una imagen que Pomwit pueda leer (%2): guárdela como JPEG o PNG y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>cardSetEditor</name>
    <message>
        <source>it points outside the pictures folder</source>
        <translation>apunta fuera de la carpeta de imágenes</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>it is not a BMP file</source>
        <translation>no es un archivo BMP</translation>
    </message>
    <message>
        <source>it has %1 bits a pixel</source>
        <translation>tiene %1 bits por píxel</translation>
    </message>
    <message>
        <source>it is compressed</source>
        <translation>está comprimida</translation>
    </message>
    <message>
        <source>it is %1 × %2 pixels</source>
        <translation>mide %1 × %2 píxeles</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>está incompleta</translation>
    </message>
</context>
<context>
    <name>cardWords</name>
    <message>
        <source>a word may not contain &quot;/&quot; or &quot;\&quot;</source>
        <translation>una palabra no puede contener «/» ni «\»</translation>
    </message>
    <message>
        <source>a word may not be &quot;.&quot; or &quot;..&quot;</source>
        <translation>una palabra no puede ser «.» ni «..»</translation>
    </message>
    <message>
        <source>a word may not contain control characters</source>
        <translation>una palabra no puede contener caracteres de control</translation>
    </message>
    <message>
        <source>a word must be valid text</source>
        <translation>una palabra debe ser un texto válido</translation>
    </message>
    <message>
        <source>its picture&apos;s file name would be longer than 255 bytes</source>
        <translation>el nombre del archivo de su imagen superaría los 255 bytes</translation>
    </message>
    <message>
        <source>a word may not be empty</source>
        <translation>una palabra no puede estar vacía</translation>
    </message>
    <message>
        <source>a word may not begin with &quot;-&quot;</source>
        <translation>una palabra no puede empezar por «-»</translation>
    </message>
    <message>
        <source>it ends with a space, which would become part of the picture&apos;s file name</source>
        <translation>termina en un espacio, que pasaría a formar parte del nombre del archivo de la imagen</translation>
    </message>
    <message>
        <source>it holds the invisible formatting character U+%1</source>
        <translation>contiene el carácter de formato invisible U+%1</translation>
    </message>
</context>
<context>
    <name>cards</name>
    <message>
        <source>Changed the pictures of the card &quot;%1&quot; in &quot;%2&quot;.</source>
        <translation>Se cambiaron las imágenes de la tarjeta «%1» en «%2».</translation>
    </message>
    <message>
        <source>Added the card &quot;%1&quot; to &quot;%2&quot;.</source>
        <translation>Se añadió la tarjeta «%1» a «%2».</translation>
    </message>
    <message>
        <source>There is no folder &quot;%1&quot;: name the folder that holds the pictures.</source>
        <translation>No hay ninguna carpeta «%1»: indique la carpeta que contiene las imágenes.</translation>
    </message>
    <message>
        <source>Added %1 to &quot;%2&quot;:</source>
        <translation>Añadido a «%2»: %1</translation>
    </message>
    <message>
        <source>Skipped %1:</source>
        <translation>Omitido: %1</translation>
    </message>
    <message>
        <source>There are no pictures in &quot;%1&quot;: copy the pictures into it first.</source>
        <translation>No hay imágenes en «%1»: copie primero las imágenes en ella.</translation>
    </message>
    <message>
        <source>There is no option %1.</source>
        <translation>No existe la opción %1.</translation>
    </message>
    <message>
        <source>--language needs a language, such as de or fr.</source>
        <translation>--language necesita un idioma, como de o fr.</translation>
    </message>
    <message>
        <source>--folder needs a folder.</source>
        <translation>--folder necesita una carpeta.</translation>
    </message>
    <message>
        <source>There is no command &quot;%1&quot;.</source>
        <translation>No existe la orden «%1».</translation>
    </message>
    <message>
        <source>Usage: pomwit-cards [--folder DIR] %1</source>
        <translation>Uso: pomwit-cards [--folder DIR] %1</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 tarjeta</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 tarjetas</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 archivo</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 archivos</translation>
    </message>
    <message>
        <source>Try pomwit-cards --help.</source>
        <translation>Pruebe pomwit-cards --help.</translation>
    </message>
    <message>
        <source>y</source>
        <translation>s</translation>
    </message>
    <message>
        <source>No voice on this computer speaks &quot;%1&quot;; the voices speak these languages: %2.</source>
        <translation>Ninguna voz de este ordenador habla «%1»; las voces hablan estos idiomas: %2.</translation>
    </message>
    <message>
        <source>The card set in &quot;%1&quot; is now in %2 (%3).</source>
        <translation>El juego de tarjetas de «%1» está ahora en %2 (%3).</translation>
    </message>
    <message>
        <source>There is no bundled card set in &quot;%1&quot;; there are bundled card sets in %2.</source>
        <translation>No hay ningún juego de tarjetas incluido en «%1»; hay juegos incluidos en %2.</translation>
    </message>
    <message>
        <source>reset replaces the whole card set, so it asks first, and there is no terminal to ask on: add --yes to replace it without asking.</source>
        <translation>reset sustituye todo el juego de tarjetas, así que pregunta antes, y no hay ningún terminal donde preguntar: añada --yes para sustituirlo sin preguntar.</translation>
    </message>
    <message>
        <source>Replace the card set in &quot;%1&quot; (%2) with the bundled %3 card set (%4)? Its cards are kept in a folder named after today&apos;s date. [y/N] </source>
        <translation>¿Sustituir el juego de tarjetas de «%1» (%2) por el juego incluido en %3 (%4)? Sus tarjetas se guardan en una carpeta con la fecha de hoy. [s/N] </translation>
    </message>
    <message>
        <source>The card set was left as it is.</source>
        <translation>El juego de tarjetas se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>The card set in &quot;%1&quot; is now the bundled %2 card set (%3); the cards it had are kept in &quot;%4&quot;.</source>
        <translation>El juego de tarjetas de «%1» es ahora el juego incluido en %2 (%3); las tarjetas que tenía se guardan en «%4».</translation>
    </message>
    <message>
        <source>(no word)</source>
        <translation>(sin palabra)</translation>
    </message>
    <message>
        <source>! marks a card with a problem: pomwit-cards check tells what is wrong.</source>
        <translation>! señala una tarjeta con un problema: pomwit-cards check dice qué falla.</translation>
    </message>
    <message>
        <source>The card set in &quot;%1&quot; is in order: %2.</source>
        <translation>El juego de tarjetas de «%1» está en orden: %2.</translation>
    </message>
    <message>
        <source>Removed the card &quot;%1&quot; from &quot;%2&quot;.</source>
        <translation>Se quitó la tarjeta «%1» de «%2».</translation>
    </message>
    <message>
        <source>Removed all %1 cards &quot;%2&quot; from &quot;%3&quot;.</source>
        <translation>Se quitaron las %1 tarjetas «%2» de «%3».</translation>
    </message>
    <message>
        <source>Renamed the card &quot;%1&quot; to &quot;%2&quot; in &quot;%3&quot;.</source>
        <translation>La tarjeta «%1» se llama ahora «%2» en «%3».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is now a SQLite card set of %2; the Access file is kept as &quot;%3&quot;.</source>
        <translation>«%1» es ahora un juego de tarjetas SQLite de %2; el archivo de Access se guarda como «%3».</translation>
    </message>
    <message>
        <source>Left out, having no word: row %1.</source>
        <translation>Omitidas por no tener palabra: fila %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a picture and &quot;%2&quot; is not: give the word first, then the picture, as in pomwit-cards add WORD PICTURE.</source>
        <translation>«%1» es una imagen y «%2» no: indique primero la palabra y luego la imagen, como en pomwit-cards add PALABRA IMAGEN.</translation>
    </message>
    <message>
        <source>a folder, whose pictures add-folder does not add: add that folder by itself.</source>
        <translation>una carpeta, cuyas imágenes add-folder no añade: añada esa carpeta por separado.</translation>
    </message>
    <message>
        <source>a hidden file, which add-folder leaves alone: add it with pomwit-cards add WORD PICTURE.</source>
        <translation>un archivo oculto, que add-folder deja de lado: añádalo con pomwit-cards add PALABRA IMAGEN.</translation>
    </message>
    <message>
        <source>a camera&apos;s file name, which is no word: add it with pomwit-cards add WORD PICTURE.</source>
        <translation>un nombre de archivo de cámara, que no es una palabra: añada la imagen con pomwit-cards add PALABRA IMAGEN.</translation>
    </message>
    <message>
        <source>--sound needs a sound file.</source>
        <translation>--sound necesita un archivo de sonido.</translation>
    </message>
    <message>
        <source>Name a command: add, add-folder, list, remove, rename, check, convert, sound, language or reset.</source>
        <translation>Indique una orden: add, add-folder, list, remove, rename, check, convert, sound, language o reset.</translation>
    </message>
    <message>
        <source>Decoding as the user who ran sudo did not finish within %1 seconds.</source>
        <translation>La decodificación como el usuario que ejecutó sudo no terminó en %1 segundos.</translation>
    </message>
    <message>
        <source>Decoding as the user who ran sudo failed.</source>
        <translation>La decodificación como el usuario que ejecutó sudo falló.</translation>
    </message>
    <message>
        <source>Decoding as the user who ran sudo gave more than %1 bytes.</source>
        <translation>La decodificación como el usuario que ejecutó sudo dio más de %1 bytes.</translation>
    </message>
    <message>
        <source>The pictures for &quot;%1&quot; could not be made: try another picture.</source>
        <translation>No se pudieron crear las imágenes de «%1»: pruebe con otra imagen.</translation>
    </message>
    <message>
        <source>♪ marks a card that says its word in a recording.</source>
        <translation>♪ señala una tarjeta que dice su palabra con una grabación.</translation>
    </message>
    <message>
        <source>Card %1, &quot;%2&quot;: the recording &quot;%3&quot; cannot be played (%4): attach another with pomwit-cards sound, or remove it with pomwit-cards sound --remove.</source>
        <translation>Tarjeta %1, «%2»: la grabación «%3» no se puede reproducir (%4): adjunte otra con pomwit-cards sound, o quítela con pomwit-cards sound --remove.</translation>
    </message>
    <message>
        <source>Removed the recording of the card &quot;%1&quot; in &quot;%2&quot;: the voice says its word again.</source>
        <translation>Se quitó la grabación de la tarjeta «%1» en «%2»: la voz vuelve a decir su palabra.</translation>
    </message>
    <message>
        <source>There is no card &quot;%1&quot; in &quot;%2&quot;: pomwit-cards list shows the cards there are.</source>
        <translation>No hay ninguna tarjeta «%1» en «%2»: pomwit-cards list muestra las tarjetas que hay.</translation>
    </message>
    <message>
        <source>The card &quot;%1&quot; in &quot;%2&quot; now says its word in the recording &quot;%3&quot;.</source>
        <translation>La tarjeta «%1» de «%2» dice ahora su palabra con la grabación «%3».</translation>
    </message>
</context>
<context>
    <name>editMessages</name>
    <message>
        <source>&quot;%1&quot; cannot be a card&apos;s word: %2. Type the word again without it.</source>
        <translation>«%1» no puede ser la palabra de una tarjeta: %2. Escriba de nuevo la palabra sin ello.</translation>
    </message>
    <message>
        <source>There is already a card &quot;%1&quot; in &quot;%2&quot;: add --replace to change its picture, or choose another word.</source>
        <translation>Ya hay una tarjeta «%1» en «%2»: añada --replace para cambiar su imagen, o elija otra palabra.</translation>
    </message>
    <message>
        <source>The card &quot;%1&quot; is already being added from another picture: give each picture its own word.</source>
        <translation>La tarjeta «%1» ya se está añadiendo desde otra imagen: dé a cada imagen su propia palabra.</translation>
    </message>
    <message>
        <source>There is no card &quot;%1&quot; in &quot;%2&quot;: pomwit-cards list shows the cards there are.</source>
        <translation>No hay ninguna tarjeta «%1» en «%2»: pomwit-cards list muestra las tarjetas que hay.</translation>
    </message>
    <message>
        <source>The card &quot;%1&quot; is stored %2 times in &quot;%3&quot;: add --all to remove every one of them.</source>
        <translation>La tarjeta «%1» está guardada %2 veces en «%3»: añada --all para quitarlas todas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an Access card database, which pomwit-cards does not change: run pomwit-cards convert to turn it into a SQLite one first (the Access file is kept as pomwit.mdb.access).</source>
        <translation>«%1» es una base de datos de tarjetas de Access, que pomwit-cards no modifica: ejecute antes pomwit-cards convert para convertirla en una de SQLite (el archivo de Access se guarda como pomwit.mdb.access).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already a SQLite card database: there is nothing to convert.</source>
        <translation>«%1» ya es una base de datos de tarjetas de SQLite: no hay nada que convertir.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the way of the Access file&apos;s copy: move it elsewhere, then convert again.</source>
        <translation>«%1» impide la copia del archivo de Access: muévalo a otro sitio y vuelva a convertir.</translation>
    </message>
    <message>
        <source>The card set in &quot;%1&quot; cannot be changed by your user (%2): run the command with sudo, or as the folder&apos;s owner.</source>
        <translation>Su usuario no puede cambiar el juego de tarjetas de «%1» (%2): ejecute la orden con sudo o como propietario de la carpeta.</translation>
    </message>
    <message>
        <source>Another pomwit-cards is changing the card set in &quot;%1&quot;: wait until it has finished, then try again.</source>
        <translation>Otro pomwit-cards está cambiando el juego de tarjetas de «%1»: espere a que termine y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to &quot;%2&quot;, which is a link again: point &quot;%1&quot; straight at the card set.</source>
        <translation>«%1» es un enlace a «%2», que es de nuevo un enlace: haga que «%1» apunte directamente al juego de tarjetas.</translation>
    </message>
    <message>
        <source>The pictures folder &quot;%1&quot; is not beside the card database &quot;%2&quot;: keep both in one folder (links to that folder are fine).</source>
        <translation>La carpeta de imágenes «%1» no está junto a la base de datos de tarjetas «%2»: mantenga ambas en una carpeta (los enlaces a esa carpeta valen).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written (%2), so nothing was changed: check the free space and the folder&apos;s permissions, then try again.</source>
        <translation>No se pudo escribir «%1» (%2), así que no se ha cambiado nada: compruebe el espacio libre y los permisos de la carpeta y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; could not be changed (%2), so nothing was changed: check the free space, or check the file with pomwit-cards check.</source>
        <translation>No se pudo cambiar la base de datos de tarjetas «%1» (%2), así que no se ha cambiado nada: compruebe el espacio libre o revise el archivo con pomwit-cards check.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code: give one such as de, fr, es or pt-BR.</source>
        <translation>«%1» no es un código de idioma: indique uno como de, fr, es o pt-BR.</translation>
    </message>
    <message>
        <source>The card set could not be kept in &quot;%1&quot; (%2), so nothing was changed: check the free space, then try again.</source>
        <translation>No se pudo guardar el juego de tarjetas en «%1» (%2), así que no se ha cambiado nada: compruebe el espacio libre y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>An interrupted change of the card set in &quot;%1&quot; was finished.</source>
        <translation>Se terminó un cambio interrumpido del juego de tarjetas de «%1».</translation>
    </message>
    <message>
        <source>An interrupted change of the card set in &quot;%1&quot; was undone.</source>
        <translation>Se deshizo un cambio interrumpido del juego de tarjetas de «%1».</translation>
    </message>
    <message>
        <source>Removed &quot;%1&quot;, left over from an interrupted run.</source>
        <translation>Se eliminó «%1», que quedaba de una ejecución interrumpida.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is left over from an interrupted run: run sudo pomwit-cards check to clean it up.</source>
        <translation>«%1» quedó de una ejecución interrumpida: ejecute sudo pomwit-cards check para limpiarlo.</translation>
    </message>
    <message>
        <source>Card %1 has no word: delete it with sqlite3 &quot;%2&quot; &quot;DELETE FROM tblflashcards WHERE cardname IS NULL OR cardname = &apos;&apos;&quot;.</source>
        <translation>La tarjeta %1 no tiene palabra: bórrela con sqlite3 &quot;%2&quot; &quot;DELETE FROM tblflashcards WHERE cardname IS NULL OR cardname = &apos;&apos;&quot;.</translation>
    </message>
    <message>
        <source>Card %1, &quot;%2&quot;, cannot have a picture: %3. Give it another word with pomwit-cards rename.</source>
        <translation>La tarjeta %1, «%2», no puede tener imagen: %3. Dele otra palabra con pomwit-cards rename.</translation>
    </message>
    <message>
        <source>Card %1, &quot;%2&quot;, has no picture &quot;%3&quot;: add one with pomwit-cards add --replace.</source>
        <translation>La tarjeta %1, «%2», no tiene imagen «%3»: añada una con pomwit-cards add --replace.</translation>
    </message>
    <message>
        <source>Card %1, &quot;%2&quot;: &quot;%3&quot; is not a readable 273 × 217 24-bit BMP picture (%4): replace it with pomwit-cards add --replace.</source>
        <translation>Tarjeta %1, «%2»: «%3» no es una imagen BMP legible de 273 × 217 y 24 bits (%4): sustitúyala con pomwit-cards add --replace.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to no card: add its card with pomwit-cards add, or delete it.</source>
        <translation>«%1» no pertenece a ninguna tarjeta: añada su tarjeta con pomwit-cards add, o bórrelo.</translation>
    </message>
    <message>
        <source>Cards %1 and %2, &quot;%3&quot; and &quot;%4&quot;, are one word written with different characters: remove one of them with pomwit-cards remove, copying its word from pomwit-cards list.</source>
        <translation>Las tarjetas %1 y %2, «%3» y «%4», son una misma palabra escrita con caracteres distintos: quite una de ellas con pomwit-cards remove, copiando su palabra de pomwit-cards list.</translation>
    </message>
    <message>
        <source>There is already a card &quot;%1&quot; in &quot;%2&quot;, which differs from &quot;%3&quot; only in capitals, so the child could not tell the two apart: choose another word, or change that card&apos;s picture with pomwit-cards add --replace &quot;%1&quot; PICTURE.</source>
        <translation>Ya hay una tarjeta «%1» en «%2», que solo se diferencia de «%3» en las mayúsculas, así que el niño no podría distinguirlas: elija otra palabra, o cambie la imagen de esa tarjeta con pomwit-cards add --replace &quot;%1&quot; IMAGEN.</translation>
    </message>
    <message>
        <source>The pictures for the card &quot;%1&quot; were refused (%2), so nothing was changed: add the picture again.</source>
        <translation>Las imágenes de la tarjeta «%1» se rechazaron (%2), así que no se cambió nada: vuelva a añadir la imagen.</translation>
    </message>
    <message>
        <source>The recording for the card &quot;%1&quot; cannot be used (%2), so nothing was changed: record it again.</source>
        <translation>La grabación de la tarjeta «%1» no se puede usar (%2), así que no se cambió nada: vuelva a grabarla.</translation>
    </message>
    <message>
        <source>The card &quot;%1&quot; has no recording to remove.</source>
        <translation>La tarjeta «%1» no tiene ninguna grabación que quitar.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About . . app name</source>
        <translation>Acerca de . . nombre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>App Name</source>
        <translation>Nombre del programa</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Tarjetas</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Acerca de </translation>
    </message>
    <message>
        <source>NOTE: Until Import is implemented, you can add more cards by: 1) Copying the file into the pictures directory, and 2) Open the MDB file and add the picture&apos;s name to the table.</source>
        <translation>NOTA: hasta que exista Importar, añada tarjetas así: 1) copie la imagen en la carpeta pictures, 2) abra el archivo MDB y añada el nombre de la imagen a la tabla.</translation>
    </message>
</context>
<context>
    <name>frmCard</name>
    <message>
        <source>FlashCard</source>
        <translation>Tarjeta</translation>
    </message>
    <message>
        <source>Card picture</source>
        <translation>Imagen de la tarjeta</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>&amp;Show Word</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>Show Word</source>
        <translation>Mostrar la palabra</translation>
    </message>
    <message>
        <source>Type the first letter</source>
        <translation>Escribe la primera letra</translation>
    </message>
    <message>
        <source>&amp;Next Card</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Tarjeta siguiente</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Volver al menú principal</translation>
    </message>
    <message>
        <source>Card number</source>
        <translation>Número de tarjeta</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Next Word</source>
        <translation>Palabra siguiente</translation>
    </message>
    <message>
        <source>E&amp;xit to Main Menu</source>
        <translation>&amp;Volver al menú principal</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>This card&apos;s picture cannot be shown. Show Word tells which file it is.</source>
        <translation>La imagen de esta tarjeta no se puede mostrar. «Mostrar» indica qué archivo es.</translation>
    </message>
    <message>
        <source>Another Pomwit is playing full screen on this desktop.</source>
        <translation>Otro Pomwit ya está jugando a pantalla completa en este escritorio.</translation>
    </message>
    <message>
        <source>All cards have been played.  Click OK to reshuffle the stack.</source>
        <translation>Se han jugado todas las tarjetas.  Pulse Aceptar para volver a barajar el mazo.</translation>
    </message>
</context>
<context>
    <name>frmImportCards</name>
    <message>
        <source>Import New Card Set</source>
        <translation>Importar un juego de tarjetas nuevo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Tarjetas</translation>
    </message>
    <message>
        <source>Car&amp;ds:</source>
        <translation>&amp;Tarjetas:</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Renombrar…</translation>
    </message>
    <message>
        <source>Re&amp;move…</source>
        <translation>&amp;Quitar…</translation>
    </message>
    <message>
        <source>&amp;Keep It</source>
        <translation>&amp;Conservar</translation>
    </message>
    <message>
        <source>&amp;Add Pictures…</source>
        <translation>&amp;Añadir imágenes…</translation>
    </message>
    <message>
        <source>New pictures</source>
        <translation>Imágenes nuevas</translation>
    </message>
    <message>
        <source>&amp;New pictures (type each one&apos;s word):</source>
        <translation>Imágenes &amp;nuevas (escriba la palabra de cada una):</translation>
    </message>
    <message>
        <source>Preview of the card</source>
        <translation>Vista previa de la tarjeta</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Leave Out</source>
        <translation>&amp;Omitir</translation>
    </message>
    <message>
        <source>&amp;Save the New Cards</source>
        <translation>&amp;Guardar las tarjetas nuevas</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 tarjeta</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 tarjetas</translation>
    </message>
    <message>
        <source>There is already a card &quot;%1&quot;: choose another word.</source>
        <translation>Ya hay una tarjeta «%1»: elija otra palabra.</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>Añadir imágenes</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.webp *.bmp *.svg *.JPG *.JPEG *.PNG)</source>
        <translation>Imágenes (*.jpg *.jpeg *.png *.gif *.webp *.bmp *.svg *.JPG *.JPEG *.PNG)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Choose a card in the list first.</source>
        <translation>Elija primero una tarjeta de la lista.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a card&apos;s word: %2.</source>
        <translation>«%1» no puede ser la palabra de una tarjeta: %2.</translation>
    </message>
    <message>
        <source>Rename the card &quot;%1&quot; to &quot;%2&quot;?</source>
        <translation>¿Cambiar el nombre de la tarjeta «%1» a «%2»?</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renombrar</translation>
    </message>
    <message>
        <source>Remove the card &quot;%1&quot; and its pictures?</source>
        <translation>¿Quitar la tarjeta «%1» y sus imágenes?</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Changing the card set…</source>
        <translation>Cambiando el juego de tarjetas…</translation>
    </message>
    <message>
        <source>%v of %m pictures read</source>
        <translation>%v de %m imágenes leídas</translation>
    </message>
    <message>
        <source>Remove the recording of the card &quot;%1&quot;?</source>
        <translation>¿Quitar la grabación de la tarjeta «%1»?</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Begin Flash Cards</source>
        <translation>&amp;Empezar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Start Flash Cards</source>
        <translation>&amp;Empezar las tarjetas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Import New Cards</source>
        <translation>Importar tarjetas</translation>
    </message>
    <message>
        <source>Select speech engine</source>
        <translation>Elegir la voz</translation>
    </message>
    <message>
        <source>Select speech engine:</source>
        <translation>Elegir la voz:</translation>
    </message>
    <message>
        <source>Select language:</source>
        <translation>Elegir el idioma:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>The speech voices could not be read or chosen.</source>
        <translation>No se pudieron leer o elegir las voces.</translation>
    </message>
    <message>
        <source>No voices are installed.</source>
        <translation>No hay voces instaladas.</translation>
    </message>
    <message>
        <source>Select language</source>
        <translation>Elegir el idioma</translation>
    </message>
    <message>
        <source>This card set is an Access file, which has no place for a language. Convert it first, in a terminal: sudo pomwit-cards convert</source>
        <translation>Este juego de tarjetas es un archivo de Access, que no tiene sitio para un idioma. Conviértalo primero, en un terminal: sudo pomwit-cards convert</translation>
    </message>
</context>
<context>
    <name>largePictureHeader</name>
    <message>
        <source>the large picture is not a JPEG file</source>
        <translation>la imagen grande no es un archivo JPEG</translation>
    </message>
    <message>
        <source>the large picture is not a PNG file</source>
        <translation>la imagen grande no es un archivo PNG</translation>
    </message>
    <message>
        <source>the large picture is neither a JPEG nor a PNG file</source>
        <translation>la imagen grande no es un archivo JPEG ni PNG</translation>
    </message>
    <message>
        <source>the large picture&apos;s header gives no size</source>
        <translation>la cabecera de la imagen grande no indica el tamaño</translation>
    </message>
    <message>
        <source>the large picture is larger than %1 pixels on a side</source>
        <translation>la imagen grande mide más de %1 píxeles de lado</translation>
    </message>
</context>
<context>
    <name>recordingFile</name>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>it points outside the pictures folder</source>
        <translation>apunta fuera de la carpeta de imágenes</translation>
    </message>
    <message>
        <source>it is too large (%1 MB)</source>
        <translation>es demasiado grande (%1 MB)</translation>
    </message>
</context>
<context>
    <name>recordingImport</name>
    <message>
        <source>There is no sound file &quot;%1&quot;: check the file&apos;s name and folder.</source>
        <translation>No hay ningún archivo de sonido «%1»: compruebe el nombre y la carpeta del archivo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a sound file but a folder or a special file: name a sound file.</source>
        <translation>«%1» no es un archivo de sonido sino una carpeta o un archivo especial: indique un archivo de sonido.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used: it is far longer than the %2 seconds a recording may last. Cut it shorter first.</source>
        <translation>«%1» no se puede usar: dura mucho más de los %2 segundos que puede durar una grabación. Acórtelo primero.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read (%2): check the file&apos;s permissions.</source>
        <translation>«%1» no se puede leer (%2): compruebe los permisos del archivo.</translation>
    </message>
    <message>
        <source> Name a sound file: Ogg, Opus, FLAC, WAV or MP3.</source>
        <translation> Indique un archivo de sonido: Ogg, Opus, FLAC, WAV o MP3.</translation>
    </message>
    <message>
        <source> Convert it first, with ffmpeg -i %1 %2, then use that file.</source>
        <translation> Conviértalo primero con ffmpeg -i %1 %2 y luego use ese archivo.</translation>
    </message>
    <message>
        <source> Copy it again from where it came from.</source>
        <translation> Cópielo de nuevo desde donde vino.</translation>
    </message>
    <message>
        <source> Cut it shorter first.</source>
        <translation> Acórtelo primero.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used: %2.</source>
        <translation>«%1» no se puede usar: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be encoded: %2.</source>
        <translation>«%1» no se pudo codificar: %2.</translation>
    </message>
</context>
<context>
    <name>storeMessages</name>
    <message>
        <source>The card set cannot be found: there is no file &quot;%1&quot;.

Put the card database pomwit.mdb back in the folder &quot;%2&quot;, or reinstall Pomwit to get the bundled cards.</source>
        <translation>No se encuentra el juego de tarjetas: no existe el archivo «%1».

Vuelva a poner la base de datos de tarjetas pomwit.mdb en la carpeta «%2», o reinstale Pomwit para recuperar las tarjetas incluidas.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be opened (%2).

Check that your user may read the file and the folder it is in.</source>
        <translation>No se puede abrir la base de datos de tarjetas «%1» (%2).

Compruebe que su usuario puede leer el archivo y la carpeta en la que está.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file but a folder or a special file, so it cannot be the card database.

Move it away and put the card database pomwit.mdb in its place.</source>
        <translation>«%1» no es un archivo sino una carpeta o un archivo especial, así que no puede ser la base de datos de tarjetas.

Quítelo de ahí y ponga en su lugar la base de datos de tarjetas pomwit.mdb.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is empty (0 bytes).

Replace it with a copy of your card set.</source>
        <translation>La base de datos de tarjetas «%1» está vacía (0 bytes).

Sustitúyala por una copia de su juego de tarjetas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a card database that Pomwit can read.

Replace it with your card set, saved as a SQLite or Access database with the table tblflashcards.</source>
        <translation>«%1» no es una base de datos de tarjetas que Pomwit pueda leer.

Sustitúyala por su juego de tarjetas, guardado como base de datos de SQLite o de Access con la tabla tblflashcards.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is damaged (%2).

Replace it with a backup copy of your card set.</source>
        <translation>La base de datos de tarjetas «%1» está dañada (%2).

Sustitúyala por una copia de seguridad de su juego de tarjetas.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; has no table tblflashcards.

Add the table tblflashcards, with a text column cardname that holds one word per card.</source>
        <translation>La base de datos de tarjetas «%1» no tiene la tabla tblflashcards.

Añada la tabla tblflashcards, con una columna de texto cardname que contenga una palabra por tarjeta.</translation>
    </message>
    <message>
        <source>The table tblflashcards in &quot;%1&quot; has no column cardname.

Add a text column cardname that holds one word per card.</source>
        <translation>La tabla tblflashcards de «%1» no tiene la columna cardname.

Añada una columna de texto cardname que contenga una palabra por tarjeta.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is locked by another program.

Save your changes in that program or close it, then try again.</source>
        <translation>Otro programa tiene bloqueada la base de datos de tarjetas «%1».

Guarde sus cambios en ese programa o ciérrelo, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; was left half-changed by an interrupted change of the card set.

Run sudo pomwit-cards check to repair it, then try again.</source>
        <translation>La base de datos de tarjetas «%1» quedó a medio cambiar por un cambio interrumpido del juego de tarjetas.

Ejecute sudo pomwit-cards check para repararla y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Card %1 of &quot;%2&quot; has no word, so it cannot be shown.

Type a word in its cardname field in the table tblflashcards, or delete the row.</source>
        <translation>La tarjeta %1 de «%2» no tiene palabra, así que no se puede mostrar.

Escriba una palabra en su campo cardname de la tabla tblflashcards, o borre la fila.</translation>
    </message>
    <message>
        <source>The card set &quot;%1&quot; has no cards yet.

Copy a picture into the pictures folder and add its name to the table tblflashcards.</source>
        <translation>El juego de tarjetas «%1» aún no tiene tarjetas.

Copie una imagen en la carpeta de imágenes y añada su nombre a la tabla tblflashcards.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; could not be read (%2).

Check the file with your database program, or replace it with a copy of your card set.</source>
        <translation>No se pudo leer la base de datos de tarjetas «%1» (%2).

Revise el archivo con su programa de bases de datos, o sustitúyalo por una copia de su juego de tarjetas.</translation>
    </message>
    <message>
        <source>The card &quot;%1&quot; has no picture: a card word may not contain &quot;/&quot; or &quot;\&quot;, nor be &quot;.&quot; or &quot;..&quot;. Rename the card in the table tblflashcards of &quot;%2&quot;.</source>
        <translation>La tarjeta «%1» no tiene imagen: una palabra de tarjeta no puede contener «/» ni «\», ni ser «.» o «..». Cambie el nombre de la tarjeta en la tabla tblflashcards de «%2».</translation>
    </message>
</context>
</TS>
