<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CardListModel</name>
    <message>
        <source>(no word)</source>
        <translation>(kein Wort)</translation>
    </message>
    <message>
        <source>%1 (recorded)</source>
        <translation>%1 (aufgenommen)</translation>
    </message>
</context>
<context>
    <name>CardPicture</name>
    <message>
        <source>The picture &quot;%1&quot; cannot be read (%2): replace it with a BMP picture of the card.</source>
        <translation>Das Bild „%1“ kann nicht gelesen werden (%2): Ersetzen Sie es durch ein BMP-Bild der Karte.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is missing: copy the card&apos;s picture into the pictures folder.</source>
        <translation>Das Bild „%1“ fehlt: Kopieren Sie das Bild der Karte in den Bilderordner.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture file: replace it with the card&apos;s picture.</source>
        <translation>„%1“ ist keine Bilddatei: Ersetzen Sie sie durch das Bild der Karte.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; points outside the pictures folder: copy the picture itself into the pictures folder.</source>
        <translation>Das Bild „%1“ verweist aus dem Bilderordner hinaus: Kopieren Sie das Bild selbst in den Bilderordner.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large (%2 × %3 pixels): save it smaller, for example 273 × 217.</source>
        <translation>Das Bild „%1“ ist zu groß (%2 × %3 Pixel): Speichern Sie es kleiner, zum Beispiel 273 × 217.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is cut short (%2 of %3 bytes): replace it with a complete copy of the picture.</source>
        <translation>Das Bild „%1“ ist unvollständig (%2 von %3 Bytes): Ersetzen Sie es durch eine vollständige Kopie des Bildes.</translation>
    </message>
</context>
<context>
    <name>CardSession</name>
    <message>
        <source>This card&apos;s recording &quot;%1&quot; cannot be played (%2), so the voice says the word instead. Record the word again, or remove the recording.</source>
        <translation>Die Aufnahme „%1“ dieser Karte kann nicht abgespielt werden (%2), daher sagt die Stimme das Wort. Nehmen Sie das Wort neu auf, oder entfernen Sie die Aufnahme.</translation>
    </message>
</context>
<context>
    <name>CardSetChange</name>
    <message>
        <source>The change of the card set is not readable: %1.</source>
        <translation>Die Änderung des Kartensatzes ist nicht lesbar: %1.</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>sie ist größer als %1 Bytes</translation>
    </message>
    <message>
        <source>it does not begin as one does</source>
        <translation>sie beginnt nicht, wie eine Änderung beginnt</translation>
    </message>
    <message>
        <source>it is of version %1, and this Pomwit reads version %2</source>
        <translation>sie hat Version %1, und dieses Pomwit liest Version %2</translation>
    </message>
    <message>
        <source>it does not hold from 0 to %1 steps</source>
        <translation>sie enthält nicht 0 bis %1 Schritte</translation>
    </message>
    <message>
        <source>a card bitmap is not of the size a 273 × 217 24-bit BMP has</source>
        <translation>ein Kartenbild hat nicht die Größe eines BMP-Bildes mit 273 × 217 Pixeln und 24 Bit</translation>
    </message>
    <message>
        <source>a large picture is neither a JPEG nor a PNG</source>
        <translation>ein großes Bild ist weder JPEG noch PNG</translation>
    </message>
    <message>
        <source>step %1 is of no known kind</source>
        <translation>Schritt %1 ist von unbekannter Art</translation>
    </message>
    <message>
        <source>it goes on after its last step</source>
        <translation>sie geht nach ihrem letzten Schritt weiter</translation>
    </message>
    <message>
        <source>it ends too soon</source>
        <translation>sie endet zu früh</translation>
    </message>
    <message>
        <source>a yes-or-no value is neither</source>
        <translation>ein Ja-oder-Nein-Wert ist keins von beiden</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes</source>
        <translation>%1 ist größer als %2 Bytes</translation>
    </message>
    <message>
        <source>%1 is not valid UTF-8 text</source>
        <translation>%1 ist kein gültiger UTF-8-Text</translation>
    </message>
    <message>
        <source>a word</source>
        <translation>ein Wort</translation>
    </message>
    <message>
        <source>a card bitmap</source>
        <translation>ein Kartenbild</translation>
    </message>
    <message>
        <source>a picture&apos;s suffix</source>
        <translation>eine Bildendung</translation>
    </message>
    <message>
        <source>a large picture</source>
        <translation>ein großes Bild</translation>
    </message>
    <message>
        <source>a recording</source>
        <translation>eine Aufnahme</translation>
    </message>
    <message>
        <source>a language</source>
        <translation>eine Sprache</translation>
    </message>
</context>
<context>
    <name>CardSetHelper</name>
    <message>
        <source>pomwit-cardset-helper takes no arguments: it reads the change of the card set on standard input.</source>
        <translation>pomwit-cardset-helper nimmt keine Argumente: Es liest die Änderung des Kartensatzes von der Standardeingabe.</translation>
    </message>
    <message>
        <source>Changed the card set in &quot;%1&quot;: %2 steps.</source>
        <translation>Der Kartensatz in „%1“ wurde geändert: %2 Schritte.</translation>
    </message>
</context>
<context>
    <name>CardSetWriter</name>
    <message>
        <source>Another change of the card set is being made: wait until it is done, then try again.</source>
        <translation>Gerade wird eine andere Änderung des Kartensatzes gemacht: Warten Sie, bis sie fertig ist, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The card set was not changed: Pomwit cannot ask for a grown-up&apos;s permission here, as pkexec is not installed (sudo apt install pkexec). Make the change in a terminal instead: %1</source>
        <translation>Der Kartensatz wurde nicht geändert: Pomwit kann hier nicht um die Erlaubnis eines Erwachsenen bitten, da pkexec nicht installiert ist (sudo apt install pkexec). Machen Sie die Änderung stattdessen in einem Terminal: %1</translation>
    </message>
    <message>
        <source>The card set was not changed: permission was refused. A grown-up may allow it with their password, or make the change in a terminal: %1</source>
        <translation>Der Kartensatz wurde nicht geändert: Die Erlaubnis wurde verweigert. Ein Erwachsener kann sie mit seinem Passwort geben oder die Änderung in einem Terminal machen: %1</translation>
    </message>
    <message>
        <source>The card set was not changed: Pomwit could not ask for a grown-up&apos;s permission, as no permission dialog (polkit agent) is running. Make the change in a terminal instead: %1</source>
        <translation>Der Kartensatz wurde nicht geändert: Pomwit konnte nicht um die Erlaubnis eines Erwachsenen bitten, da kein Berechtigungsdialog (Polkit-Agent) läuft. Machen Sie die Änderung stattdessen in einem Terminal: %1</translation>
    </message>
    <message>
        <source>The card set was not changed: the helper that changes it ended unexpectedly. Make the change in a terminal instead: %1</source>
        <translation>Der Kartensatz wurde nicht geändert: Das Hilfsprogramm, das ihn ändert, wurde unerwartet beendet. Machen Sie die Änderung stattdessen in einem Terminal: %1</translation>
    </message>
</context>
<context>
    <name>DesktopLock</name>
    <message>
        <source>Another program holds the keyboard or the pointer, so Pomwit cannot hold them yet and keeps trying. Until then the desktop&apos;s shortcuts, such as Alt+Tab and the Super key, still work.</source>
        <translation>Ein anderes Programm hält die Tastatur oder den Zeiger, daher kann Pomwit sie noch nicht halten und versucht es weiter. Bis dahin funktionieren die Tastenkürzel des Desktops, etwa Alt+Tab und die Super-Taste, noch.</translation>
    </message>
    <message>
        <source>In this Wayland session Pomwit holds the keyboard only if the desktop allows it (GNOME asks once). Otherwise the desktop&apos;s shortcuts, such as the Super key and Alt+Tab, still work, and Super+Esc gives them back. The pointer can leave this screen.</source>
        <translation>In dieser Wayland-Sitzung hält Pomwit die Tastatur nur, wenn der Desktop es erlaubt (GNOME fragt einmal). Sonst funktionieren die Tastenkürzel des Desktops, etwa die Super-Taste und Alt+Tab, noch, und Super+Esc gibt sie zurück. Der Zeiger kann diesen Bildschirm verlassen.</translation>
    </message>
    <message>
        <source>In this Wayland session no program can hold the keyboard: the desktop&apos;s shortcuts, such as the Super key and Alt+Tab, still work, and the pointer can leave this screen.</source>
        <translation>In dieser Wayland-Sitzung kann kein Programm die Tastatur halten: Die Tastenkürzel des Desktops, etwa die Super-Taste und Alt+Tab, funktionieren noch, und der Zeiger kann diesen Bildschirm verlassen.</translation>
    </message>
    <message>
        <source>On this display Pomwit cannot hold the keyboard or the pointer: the shortcuts of the desktop and of other programs, such as Alt+Tab, still work.</source>
        <translation>Auf dieser Anzeige kann Pomwit weder Tastatur noch Zeiger halten: Die Tastenkürzel des Desktops und anderer Programme, etwa Alt+Tab, funktionieren noch.</translation>
    </message>
</context>
<context>
    <name>FullScreenView</name>
    <message>
        <source>Pomwit full screen</source>
        <translation>Pomwit im Vollbild</translation>
    </message>
    <message>
        <source>Card picture</source>
        <translation>Kartenbild</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Card number</source>
        <translation>Kartennummer</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Leaving full screen</source>
        <translation>Vollbild verlassen</translation>
    </message>
    <message>
        <source>To leave full screen, hold %1 for two seconds.</source>
        <translation>Zum Verlassen des Vollbilds %1 zwei Sekunden lang gedrückt halten.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Keep holding %1…</source>
        <translation>%1 weiter gedrückt halten …</translation>
    </message>
    <message>
        <source>A child is playing full screen</source>
        <translation>Ein Kind spielt im Vollbild</translation>
    </message>
    <message>
        <source>All cards have been played. The stack is shuffled again.</source>
        <translation>Alle Karten sind gespielt. Der Stapel wird neu gemischt.</translation>
    </message>
    <message>
        <source>This card&apos;s picture cannot be shown. Its file is named once the word is found.</source>
        <translation>Das Bild dieser Karte kann nicht angezeigt werden. Seine Datei wird genannt, sobald das Wort gefunden ist.</translation>
    </message>
</context>
<context>
    <name>JetFile</name>
    <message>
        <source>the file is cut short</source>
        <translation>die Datei ist unvollständig</translation>
    </message>
    <message>
        <source>some of its pages are missing</source>
        <translation>einige ihrer Seiten fehlen</translation>
    </message>
    <message>
        <source>its first page is not readable</source>
        <translation>ihre erste Seite ist nicht lesbar</translation>
    </message>
    <message>
        <source>the table tblflashcards cannot be read</source>
        <translation>die Tabelle tblflashcards kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the column cardname does not hold text</source>
        <translation>die Spalte cardname enthält keinen Text</translation>
    </message>
    <message>
        <source>its list of tables cannot be read</source>
        <translation>ihre Tabellenliste kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the column cardname cannot be read</source>
        <translation>die Spalte cardname kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>LargePicture</name>
    <message>
        <source>The picture &quot;%1&quot; is too large (%2 bytes): save it smaller.</source>
        <translation>Das Bild „%1“ ist zu groß (%2 Bytes): Speichern Sie es kleiner.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read (%2).</source>
        <translation>Das Bild „%1“ kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; refers to other files: save it as a drawing on its own.</source>
        <translation>Das Bild „%1“ verweist auf andere Dateien: Speichern Sie es als eigenständige Zeichnung.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: replace it with an SVG drawing of the card.</source>
        <translation>Das Bild „%1“ kann nicht gelesen werden: Ersetzen Sie es durch eine SVG-Zeichnung der Karte.</translation>
    </message>
</context>
<context>
    <name>NewPicturesModel</name>
    <message>
        <source>Being read…</source>
        <translation>Wird gelesen …</translation>
    </message>
    <message>
        <source>Type the word for this picture.</source>
        <translation>Tippen Sie das Wort zu diesem Bild.</translation>
    </message>
    <message>
        <source>This cannot be a card&apos;s word: %1.</source>
        <translation>Das kann kein Kartenwort sein: %1.</translation>
    </message>
    <message>
        <source>Another new picture has this word: give each picture its own.</source>
        <translation>Ein anderes neues Bild hat dieses Wort: Geben Sie jedem Bild ein eigenes.</translation>
    </message>
    <message>
        <source>Picture and word</source>
        <translation>Bild und Wort</translation>
    </message>
    <message>
        <source>What is missing</source>
        <translation>Was fehlt</translation>
    </message>
</context>
<context>
    <name>OggRecording</name>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>sie ist größer als %1 MB</translation>
    </message>
    <message>
        <source>it is not an Ogg Vorbis or Opus file</source>
        <translation>sie ist keine Ogg-Vorbis- oder Opus-Datei</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>sie ist unvollständig</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>sie ist beschädigt</translation>
    </message>
    <message>
        <source>it is neither Vorbis nor Opus</source>
        <translation>sie ist weder Vorbis noch Opus</translation>
    </message>
    <message>
        <source>it holds more than one stream</source>
        <translation>sie enthält mehr als einen Datenstrom</translation>
    </message>
    <message>
        <source>it is %1 seconds long, and a recording may be at most %2 seconds</source>
        <translation>sie dauert %1 Sekunden, und eine Aufnahme darf höchstens %2 Sekunden dauern</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Pomwit is a way for toddlers to learn words and the names of objects. In the future, it will include categorized bundles of image/word listings. It was also a way to try out speech, here from the open espeak-ng engine (more at github.com/espeak-ng). The idea for speech came from work with users with disabilities and with screen readers for the blind.</source>
        <translation>Mit Pomwit lernen Kleinkinder Wörter und die Namen von Dingen. Künftig kommen geordnete Bild- und Wortsammlungen hinzu. Pomwit erprobt auch Sprachausgabe, hier mit espeak-ng (github.com/espeak-ng). Die Idee stammt aus der Arbeit mit Menschen mit Behinderung und mit Bildschirmlesern.</translation>
    </message>
</context>
<context>
    <name>RecordingPanel</name>
    <message>
        <source>Recording of the card&apos;s word</source>
        <translation>Aufnahme des Kartenworts</translation>
    </message>
    <message>
        <source>R&amp;ecord</source>
        <translation>&amp;Aufnehmen</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>L&amp;isten</source>
        <translation>Anhö&amp;ren</translation>
    </message>
    <message>
        <source>Kee&amp;p</source>
        <translation>Beha&amp;lten</translation>
    </message>
    <message>
        <source>Dis&amp;card</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>Remo&amp;ve Recording…</source>
        <translation>Aufnahme ent&amp;fernen…</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <source>Say: %1</source>
        <translation>Sagen Sie: %1</translation>
    </message>
    <message>
        <source>The recording has been kept.</source>
        <translation>Die Aufnahme ist gespeichert.</translation>
    </message>
    <message>
        <source>The recording could not be kept: %1.</source>
        <translation>Die Aufnahme konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>Speak after the tone.</source>
        <translation>Sprechen Sie nach dem Ton.</translation>
    </message>
    <message>
        <source>Recording: say the words, then press Stop.</source>
        <translation>Aufnahme läuft: Sagen Sie die Worte, dann drücken Sie Stopp.</translation>
    </message>
    <message>
        <source>Listen to the recording, then keep it or discard it.</source>
        <translation>Hören Sie die Aufnahme an, dann behalten oder verwerfen Sie sie.</translation>
    </message>
</context>
<context>
    <name>SndfileCodec</name>
    <message>
        <source>it is damaged or cut short</source>
        <translation>sie ist beschädigt oder unvollständig</translation>
    </message>
    <message>
        <source>it is an %1 file, a format Pomwit does not read</source>
        <translation>sie ist eine %1-Datei, ein Format, das Pomwit nicht liest</translation>
    </message>
    <message>
        <source>it is not a sound file</source>
        <translation>sie ist keine Tondatei</translation>
    </message>
    <message>
        <source>its sound is in a form Pomwit does not read</source>
        <translation>ihr Ton liegt in einer Form vor, die Pomwit nicht liest</translation>
    </message>
    <message>
        <source>it is %1 seconds long, and a recording may be at most %2 seconds</source>
        <translation>sie dauert %1 Sekunden, und eine Aufnahme darf höchstens %2 Sekunden dauern</translation>
    </message>
    <message>
        <source>it is longer than the %1 seconds a recording may last</source>
        <translation>sie ist länger als die %1 Sekunden, die eine Aufnahme dauern darf</translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation>sie enthält keinen Ton</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Sound is not available, so the words are shown but not spoken.</source>
        <translation>Ton ist nicht verfügbar, daher werden die Wörter gezeigt, aber nicht gesprochen.</translation>
    </message>
    <message>
        <source>There are no voices to choose from.</source>
        <translation>Es gibt keine Stimmen zur Auswahl.</translation>
    </message>
    <message>
        <source>There is no voice number %1; the voices are numbered 1 to %2.</source>
        <translation>Es gibt keine Stimme Nummer %1; die Stimmen sind von 1 bis %2 nummeriert.</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; could not be loaded.</source>
        <translation>Die Stimme „%1“ konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>The speaking rate could not be set.</source>
        <translation>Das Sprechtempo konnte nicht eingestellt werden.</translation>
    </message>
    <message>
        <source>The speech engine could not say &quot;%1&quot; (error %2).</source>
        <translation>Die Sprachausgabe konnte „%1“ nicht sagen (Fehler %2).</translation>
    </message>
    <message>
        <source>The speaking rate %1 is outside %2 to %3.</source>
        <translation>Das Sprechtempo %1 liegt außerhalb von %2 bis %3.</translation>
    </message>
    <message>
        <source>Another phrase is being said.</source>
        <translation>Es wird gerade ein anderer Satz gesprochen.</translation>
    </message>
    <message>
        <source>The speech engine could not start (its voice data is missing).</source>
        <translation>Die Sprachausgabe konnte nicht starten (ihre Stimmdaten fehlen).</translation>
    </message>
    <message>
        <source>The natural voice could not be started, so the words are spoken in a plainer voice.</source>
        <translation>Die natürliche Stimme konnte nicht gestartet werden, daher werden die Wörter mit einer einfacheren Stimme gesprochen.</translation>
    </message>
    <message>
        <source>No voice on this computer speaks %1 (%2), the language of the card set, so the words are shown but not spoken. Set the card set&apos;s language with pomwit-cards language.</source>
        <translation>Keine Stimme auf diesem Computer spricht %1 (%2), die Sprache des Kartensatzes, daher werden die Wörter gezeigt, aber nicht gesprochen. Stellen Sie die Sprache des Kartensatzes mit pomwit-cards language ein.</translation>
    </message>
    <message>
        <source>The natural voices could not start.</source>
        <translation>Die natürlichen Stimmen konnten nicht starten.</translation>
    </message>
    <message>
        <source>No microphone was found: connect one, or switch it on in the sound settings, to record.</source>
        <translation>Es wurde kein Mikrofon gefunden: Schließen Sie eines an oder schalten Sie es in den Toneinstellungen ein, um aufzunehmen.</translation>
    </message>
    <message>
        <source>The microphone does not record 16-bit sound: choose another one in the sound settings.</source>
        <translation>Das Mikrofon nimmt keinen 16-Bit-Ton auf: Wählen Sie in den Toneinstellungen ein anderes.</translation>
    </message>
    <message>
        <source>the sound module of this installation is missing</source>
        <translation>das Tonmodul dieser Installation fehlt</translation>
    </message>
</context>
<context>
    <name>VoiceRecorder</name>
    <message>
        <source>A recording is already under way.</source>
        <translation>Es läuft schon eine Aufnahme.</translation>
    </message>
    <message>
        <source>Wait until the sound that is playing has ended, then record.</source>
        <translation>Warten Sie, bis der Ton zu Ende ist, und nehmen Sie dann auf.</translation>
    </message>
    <message>
        <source>1 second left</source>
        <translation>Noch 1 Sekunde</translation>
    </message>
    <message>
        <source>%1 seconds left</source>
        <translation>Noch %1 Sekunden</translation>
    </message>
    <message>
        <source>Nothing was heard: check that the microphone is on and not muted, then record again.</source>
        <translation>Es war nichts zu hören: Prüfen Sie, ob das Mikrofon an und nicht stummgeschaltet ist, und nehmen Sie dann erneut auf.</translation>
    </message>
    <message>
        <source>There is nothing recorded to listen to.</source>
        <translation>Es gibt noch keine Aufnahme zum Anhören.</translation>
    </message>
    <message>
        <source>Wait until the sound that is playing has ended, then listen.</source>
        <translation>Warten Sie, bis der Ton zu Ende ist, und hören Sie dann zu.</translation>
    </message>
    <message>
        <source>nothing has been recorded</source>
        <translation>es wurde nichts aufgenommen</translation>
    </message>
</context>
<context>
    <name>cardImage</name>
    <message>
        <source>There is no picture &quot;%1&quot;: check the file&apos;s name and folder.</source>
        <translation>Es gibt kein Bild „%1“: Prüfen Sie den Namen und den Ordner der Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture file but a folder or a special file: name a picture file.</source>
        <translation>„%1“ ist keine Bilddatei, sondern ein Ordner oder eine Spezialdatei: Geben Sie eine Bilddatei an.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read (%2): check that your user may read it.</source>
        <translation>„%1“ kann nicht gelesen werden (%2): Prüfen Sie, ob Ihr Benutzer sie lesen darf.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a %2 picture, and reading it needs the package %3: install it (sudo apt install %3), or save the picture as JPEG or PNG.</source>
        <translation>„%1“ ist ein %2-Bild, und zum Lesen wird das Paket %3 gebraucht: Installieren Sie es (sudo apt install %3), oder speichern Sie das Bild als JPEG oder PNG.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to read (%2 × %3 pixels): save it smaller, for example 4000 × 3000 pixels, then try again.</source>
        <translation>„%1“ ist zu groß zum Lesen (%2 × %3 Pixel): Speichern Sie es kleiner, zum Beispiel mit 4000 × 3000 Pixeln, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged or cut short (%2): copy the picture again from where it came from.</source>
        <translation>„%1“ ist beschädigt oder unvollständig (%2): Kopieren Sie das Bild erneut von dort, wo es herkommt.</translation>
    </message>
    <message>
        <source>The pictures for &quot;%1&quot; could not be made: try another picture.</source>
        <translation>Die Bilder für „%1“ konnten nicht erstellt werden: Versuchen Sie ein anderes Bild.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a HEIC photo, which Pomwit cannot read: convert it to JPEG first, for example with heif-convert &quot;%1&quot; photo.jpg (from the package libheif-examples).</source>
        <translation>„%1“ ist ein HEIC-Foto, das Pomwit nicht lesen kann: Wandeln Sie es zuerst in JPEG um, zum Beispiel mit heif-convert &quot;%1&quot; photo.jpg (aus dem Paket libheif-examples).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture that Pomwit can read (%2): save it as JPEG or PNG, then try again.</source>
        <translation>„%1“ ist kein Bild, das Pomwit lesen kann (%2): Speichern Sie es als JPEG oder PNG und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>cardSetEditor</name>
    <message>
        <source>it points outside the pictures folder</source>
        <translation>es verweist aus dem Bilderordner hinaus</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <source>it is not a BMP file</source>
        <translation>es ist keine BMP-Datei</translation>
    </message>
    <message>
        <source>it has %1 bits a pixel</source>
        <translation>es hat %1 Bit pro Pixel</translation>
    </message>
    <message>
        <source>it is compressed</source>
        <translation>es ist komprimiert</translation>
    </message>
    <message>
        <source>it is %1 × %2 pixels</source>
        <translation>es hat %1 × %2 Pixel</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>es ist unvollständig</translation>
    </message>
</context>
<context>
    <name>cardWords</name>
    <message>
        <source>a word may not contain &quot;/&quot; or &quot;\&quot;</source>
        <translation>ein Wort darf weder „/“ noch „\“ enthalten</translation>
    </message>
    <message>
        <source>a word may not be &quot;.&quot; or &quot;..&quot;</source>
        <translation>ein Wort darf nicht „.“ oder „..“ sein</translation>
    </message>
    <message>
        <source>a word may not contain control characters</source>
        <translation>ein Wort darf keine Steuerzeichen enthalten</translation>
    </message>
    <message>
        <source>a word must be valid text</source>
        <translation>ein Wort muss gültiger Text sein</translation>
    </message>
    <message>
        <source>its picture&apos;s file name would be longer than 255 bytes</source>
        <translation>der Dateiname seines Bildes wäre länger als 255 Bytes</translation>
    </message>
    <message>
        <source>a word may not be empty</source>
        <translation>ein Wort darf nicht leer sein</translation>
    </message>
    <message>
        <source>a word may not begin with &quot;-&quot;</source>
        <translation>ein Wort darf nicht mit „-“ beginnen</translation>
    </message>
    <message>
        <source>it ends with a space, which would become part of the picture&apos;s file name</source>
        <translation>es endet mit einem Leerzeichen, das Teil des Dateinamens des Bildes würde</translation>
    </message>
    <message>
        <source>it holds the invisible formatting character U+%1</source>
        <translation>es enthält das unsichtbare Formatierungszeichen U+%1</translation>
    </message>
</context>
<context>
    <name>cards</name>
    <message>
        <source>Changed the pictures of the card &quot;%1&quot; in &quot;%2&quot;.</source>
        <translation>Die Bilder der Karte „%1“ in „%2“ wurden geändert.</translation>
    </message>
    <message>
        <source>Added the card &quot;%1&quot; to &quot;%2&quot;.</source>
        <translation>Die Karte „%1“ wurde zu „%2“ hinzugefügt.</translation>
    </message>
    <message>
        <source>There is no folder &quot;%1&quot;: name the folder that holds the pictures.</source>
        <translation>Es gibt keinen Ordner „%1“: Geben Sie den Ordner mit den Bildern an.</translation>
    </message>
    <message>
        <source>Added %1 to &quot;%2&quot;:</source>
        <translation>%1 zu „%2“ hinzugefügt:</translation>
    </message>
    <message>
        <source>Skipped %1:</source>
        <translation>%1 übersprungen:</translation>
    </message>
    <message>
        <source>There are no pictures in &quot;%1&quot;: copy the pictures into it first.</source>
        <translation>In „%1“ sind keine Bilder: Kopieren Sie die Bilder zuerst hinein.</translation>
    </message>
    <message>
        <source>There is no option %1.</source>
        <translation>Es gibt keine Option %1.</translation>
    </message>
    <message>
        <source>--language needs a language, such as de or fr.</source>
        <translation>--language braucht eine Sprache, etwa de oder fr.</translation>
    </message>
    <message>
        <source>--folder needs a folder.</source>
        <translation>--folder braucht einen Ordner.</translation>
    </message>
    <message>
        <source>There is no command &quot;%1&quot;.</source>
        <translation>Es gibt keinen Befehl „%1“.</translation>
    </message>
    <message>
        <source>Usage: pomwit-cards [--folder DIR] %1</source>
        <translation>Aufruf: pomwit-cards [--folder DIR] %1</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 Karte</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 Karten</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 Dateien</translation>
    </message>
    <message>
        <source>Try pomwit-cards --help.</source>
        <translation>Mehr mit pomwit-cards --help.</translation>
    </message>
    <message>
        <source>y</source>
        <translation>j</translation>
    </message>
    <message>
        <source>No voice on this computer speaks &quot;%1&quot;; the voices speak these languages: %2.</source>
        <translation>Keine Stimme auf diesem Computer spricht „%1“; die Stimmen sprechen diese Sprachen: %2.</translation>
    </message>
    <message>
        <source>The card set in &quot;%1&quot; is now in %2 (%3).</source>
        <translation>Der Kartensatz in „%1“ ist jetzt auf %2 (%3).</translation>
    </message>
    <message>
        <source>There is no bundled card set in &quot;%1&quot;; there are bundled card sets in %2.</source>
        <translation>Es gibt keinen mitgelieferten Kartensatz auf „%1“; mitgelieferte Kartensätze gibt es auf %2.</translation>
    </message>
    <message>
        <source>reset replaces the whole card set, so it asks first, and there is no terminal to ask on: add --yes to replace it without asking.</source>
        <translation>reset ersetzt den ganzen Kartensatz und fragt daher zuerst, aber es gibt kein Terminal zum Fragen: Fügen Sie --yes hinzu, um ihn ohne Frage zu ersetzen.</translation>
    </message>
    <message>
        <source>Replace the card set in &quot;%1&quot; (%2) with the bundled %3 card set (%4)? Its cards are kept in a folder named after today&apos;s date. [y/N] </source>
        <translation>Den Kartensatz in „%1“ (%2) durch den mitgelieferten Kartensatz auf %3 (%4) ersetzen? Seine Karten werden in einem Ordner mit dem heutigen Datum aufbewahrt. [j/N] </translation>
    </message>
    <message>
        <source>The card set was left as it is.</source>
        <translation>Der Kartensatz blieb unverändert.</translation>
    </message>
    <message>
        <source>The card set in &quot;%1&quot; is now the bundled %2 card set (%3); the cards it had are kept in &quot;%4&quot;.</source>
        <translation>Der Kartensatz in „%1“ ist jetzt der mitgelieferte Kartensatz auf %2 (%3); seine bisherigen Karten liegen in „%4“.</translation>
    </message>
    <message>
        <source>(no word)</source>
        <translation>(kein Wort)</translation>
    </message>
    <message>
        <source>! marks a card with a problem: pomwit-cards check tells what is wrong.</source>
        <translation>! kennzeichnet eine Karte mit einem Problem: pomwit-cards check sagt, was nicht stimmt.</translation>
    </message>
    <message>
        <source>The card set in &quot;%1&quot; is in order: %2.</source>
        <translation>Der Kartensatz in „%1“ ist in Ordnung: %2.</translation>
    </message>
    <message>
        <source>Removed the card &quot;%1&quot; from &quot;%2&quot;.</source>
        <translation>Die Karte „%1“ wurde aus „%2“ entfernt.</translation>
    </message>
    <message>
        <source>Removed all %1 cards &quot;%2&quot; from &quot;%3&quot;.</source>
        <translation>Alle %1 Karten „%2“ wurden aus „%3“ entfernt.</translation>
    </message>
    <message>
        <source>Renamed the card &quot;%1&quot; to &quot;%2&quot; in &quot;%3&quot;.</source>
        <translation>Die Karte „%1“ heißt in „%3“ jetzt „%2“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is now a SQLite card set of %2; the Access file is kept as &quot;%3&quot;.</source>
        <translation>„%1“ ist jetzt ein SQLite-Kartensatz mit %2; die Access-Datei bleibt als „%3“ erhalten.</translation>
    </message>
    <message>
        <source>Left out, having no word: row %1.</source>
        <translation>Ohne Wort ausgelassen: Zeile %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a picture and &quot;%2&quot; is not: give the word first, then the picture, as in pomwit-cards add WORD PICTURE.</source>
        <translation>„%1“ ist ein Bild und „%2“ nicht: Geben Sie zuerst das Wort und dann das Bild an, wie in pomwit-cards add WORT BILD.</translation>
    </message>
    <message>
        <source>a folder, whose pictures add-folder does not add: add that folder by itself.</source>
        <translation>ein Ordner, dessen Bilder add-folder nicht hinzufügt: Fügen Sie diesen Ordner für sich hinzu.</translation>
    </message>
    <message>
        <source>a hidden file, which add-folder leaves alone: add it with pomwit-cards add WORD PICTURE.</source>
        <translation>eine versteckte Datei, die add-folder auslässt: Fügen Sie sie mit pomwit-cards add WORT BILD hinzu.</translation>
    </message>
    <message>
        <source>a camera&apos;s file name, which is no word: add it with pomwit-cards add WORD PICTURE.</source>
        <translation>ein Dateiname einer Kamera, der kein Wort ist: Fügen Sie das Bild mit pomwit-cards add WORT BILD hinzu.</translation>
    </message>
    <message>
        <source>--sound needs a sound file.</source>
        <translation>--sound braucht eine Tondatei.</translation>
    </message>
    <message>
        <source>Name a command: add, add-folder, list, remove, rename, check, convert, sound, language or reset.</source>
        <translation>Nennen Sie einen Befehl: add, add-folder, list, remove, rename, check, convert, sound, language oder reset.</translation>
    </message>
    <message>
        <source>Decoding as the user who ran sudo did not finish within %1 seconds.</source>
        <translation>Das Dekodieren als der Benutzer, der sudo aufgerufen hat, wurde nicht innerhalb von %1 Sekunden fertig.</translation>
    </message>
    <message>
        <source>Decoding as the user who ran sudo failed.</source>
        <translation>Das Dekodieren als der Benutzer, der sudo aufgerufen hat, ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Decoding as the user who ran sudo gave more than %1 bytes.</source>
        <translation>Das Dekodieren als der Benutzer, der sudo aufgerufen hat, ergab mehr als %1 Bytes.</translation>
    </message>
    <message>
        <source>The pictures for &quot;%1&quot; could not be made: try another picture.</source>
        <translation>Die Bilder für „%1“ konnten nicht erstellt werden: Versuchen Sie ein anderes Bild.</translation>
    </message>
    <message>
        <source>♪ marks a card that says its word in a recording.</source>
        <translation>♪ kennzeichnet eine Karte, die ihr Wort mit einer Aufnahme sagt.</translation>
    </message>
    <message>
        <source>Card %1, &quot;%2&quot;: the recording &quot;%3&quot; cannot be played (%4): attach another with pomwit-cards sound, or remove it with pomwit-cards sound --remove.</source>
        <translation>Karte %1, „%2“: Die Aufnahme „%3“ kann nicht abgespielt werden (%4): Hängen Sie mit pomwit-cards sound eine andere an, oder entfernen Sie sie mit pomwit-cards sound --remove.</translation>
    </message>
    <message>
        <source>Removed the recording of the card &quot;%1&quot; in &quot;%2&quot;: the voice says its word again.</source>
        <translation>Die Aufnahme der Karte „%1“ in „%2“ wurde entfernt: Die Stimme sagt ihr Wort wieder.</translation>
    </message>
    <message>
        <source>There is no card &quot;%1&quot; in &quot;%2&quot;: pomwit-cards list shows the cards there are.</source>
        <translation>In „%2“ gibt es keine Karte „%1“: pomwit-cards list zeigt die vorhandenen Karten.</translation>
    </message>
    <message>
        <source>The card &quot;%1&quot; in &quot;%2&quot; now says its word in the recording &quot;%3&quot;.</source>
        <translation>Die Karte „%1“ in „%2“ sagt ihr Wort jetzt mit der Aufnahme „%3“.</translation>
    </message>
</context>
<context>
    <name>editMessages</name>
    <message>
        <source>&quot;%1&quot; cannot be a card&apos;s word: %2. Type the word again without it.</source>
        <translation>„%1“ kann nicht das Wort einer Karte sein: %2. Geben Sie das Wort ohne dies erneut ein.</translation>
    </message>
    <message>
        <source>There is already a card &quot;%1&quot; in &quot;%2&quot;: add --replace to change its picture, or choose another word.</source>
        <translation>In „%2“ gibt es schon eine Karte „%1“: Fügen Sie --replace hinzu, um ihr Bild zu ändern, oder wählen Sie ein anderes Wort.</translation>
    </message>
    <message>
        <source>The card &quot;%1&quot; is already being added from another picture: give each picture its own word.</source>
        <translation>Die Karte „%1“ wird schon aus einem anderen Bild hinzugefügt: Geben Sie jedem Bild ein eigenes Wort.</translation>
    </message>
    <message>
        <source>There is no card &quot;%1&quot; in &quot;%2&quot;: pomwit-cards list shows the cards there are.</source>
        <translation>In „%2“ gibt es keine Karte „%1“: pomwit-cards list zeigt die vorhandenen Karten.</translation>
    </message>
    <message>
        <source>The card &quot;%1&quot; is stored %2 times in &quot;%3&quot;: add --all to remove every one of them.</source>
        <translation>Die Karte „%1“ steht %2-mal in „%3“: Fügen Sie --all hinzu, um alle zu entfernen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an Access card database, which pomwit-cards does not change: run pomwit-cards convert to turn it into a SQLite one first (the Access file is kept as pomwit.mdb.access).</source>
        <translation>„%1“ ist eine Access-Kartendatenbank, die pomwit-cards nicht ändert: Wandeln Sie sie zuerst mit pomwit-cards convert in eine SQLite-Datenbank um (die Access-Datei bleibt als pomwit.mdb.access erhalten).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already a SQLite card database: there is nothing to convert.</source>
        <translation>„%1“ ist schon eine SQLite-Kartendatenbank: Es gibt nichts umzuwandeln.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the way of the Access file&apos;s copy: move it elsewhere, then convert again.</source>
        <translation>„%1“ steht der Kopie der Access-Datei im Weg: Verschieben Sie es woandershin und wandeln Sie dann erneut um.</translation>
    </message>
    <message>
        <source>The card set in &quot;%1&quot; cannot be changed by your user (%2): run the command with sudo, or as the folder&apos;s owner.</source>
        <translation>Ihr Benutzer kann den Kartensatz in „%1“ nicht ändern (%2): Führen Sie den Befehl mit sudo oder als Eigentümer des Ordners aus.</translation>
    </message>
    <message>
        <source>Another pomwit-cards is changing the card set in &quot;%1&quot;: wait until it has finished, then try again.</source>
        <translation>Ein anderes pomwit-cards ändert gerade den Kartensatz in „%1“: Warten Sie, bis es fertig ist, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to &quot;%2&quot;, which is a link again: point &quot;%1&quot; straight at the card set.</source>
        <translation>„%1“ ist ein Verweis auf „%2“, das wieder ein Verweis ist: Lassen Sie „%1“ direkt auf den Kartensatz zeigen.</translation>
    </message>
    <message>
        <source>The pictures folder &quot;%1&quot; is not beside the card database &quot;%2&quot;: keep both in one folder (links to that folder are fine).</source>
        <translation>Der Bilderordner „%1“ liegt nicht neben der Kartendatenbank „%2“: Legen Sie beide in einen Ordner (Verweise auf diesen Ordner sind in Ordnung).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written (%2), so nothing was changed: check the free space and the folder&apos;s permissions, then try again.</source>
        <translation>„%1“ konnte nicht geschrieben werden (%2), daher wurde nichts geändert: Prüfen Sie den freien Platz und die Rechte des Ordners und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; could not be changed (%2), so nothing was changed: check the free space, or check the file with pomwit-cards check.</source>
        <translation>Die Kartendatenbank „%1“ konnte nicht geändert werden (%2), daher wurde nichts geändert: Prüfen Sie den freien Platz, oder prüfen Sie die Datei mit pomwit-cards check.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code: give one such as de, fr, es or pt-BR.</source>
        <translation>„%1“ ist kein Sprachcode: Geben Sie einen wie de, fr, es oder pt-BR an.</translation>
    </message>
    <message>
        <source>The card set could not be kept in &quot;%1&quot; (%2), so nothing was changed: check the free space, then try again.</source>
        <translation>Der Kartensatz konnte nicht in „%1“ aufbewahrt werden (%2), daher wurde nichts geändert: Prüfen Sie den freien Platz und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>An interrupted change of the card set in &quot;%1&quot; was finished.</source>
        <translation>Eine unterbrochene Änderung des Kartensatzes in „%1“ wurde abgeschlossen.</translation>
    </message>
    <message>
        <source>An interrupted change of the card set in &quot;%1&quot; was undone.</source>
        <translation>Eine unterbrochene Änderung des Kartensatzes in „%1“ wurde rückgängig gemacht.</translation>
    </message>
    <message>
        <source>Removed &quot;%1&quot;, left over from an interrupted run.</source>
        <translation>„%1“ wurde entfernt, ein Rest eines unterbrochenen Laufs.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is left over from an interrupted run: run sudo pomwit-cards check to clean it up.</source>
        <translation>„%1“ ist von einem unterbrochenen Lauf übrig: Räumen Sie mit sudo pomwit-cards check auf.</translation>
    </message>
    <message>
        <source>Card %1 has no word: delete it with sqlite3 &quot;%2&quot; &quot;DELETE FROM tblflashcards WHERE cardname IS NULL OR cardname = &apos;&apos;&quot;.</source>
        <translation>Karte %1 hat kein Wort: Löschen Sie sie mit sqlite3 &quot;%2&quot; &quot;DELETE FROM tblflashcards WHERE cardname IS NULL OR cardname = &apos;&apos;&quot;.</translation>
    </message>
    <message>
        <source>Card %1, &quot;%2&quot;, cannot have a picture: %3. Give it another word with pomwit-cards rename.</source>
        <translation>Karte %1, „%2“, kann kein Bild haben: %3. Geben Sie ihr mit pomwit-cards rename ein anderes Wort.</translation>
    </message>
    <message>
        <source>Card %1, &quot;%2&quot;, has no picture &quot;%3&quot;: add one with pomwit-cards add --replace.</source>
        <translation>Karte %1, „%2“, hat kein Bild „%3“: Fügen Sie eines mit pomwit-cards add --replace hinzu.</translation>
    </message>
    <message>
        <source>Card %1, &quot;%2&quot;: &quot;%3&quot; is not a readable 273 × 217 24-bit BMP picture (%4): replace it with pomwit-cards add --replace.</source>
        <translation>Karte %1, „%2“: „%3“ ist kein lesbares BMP-Bild mit 273 × 217 Pixeln und 24 Bit (%4): Ersetzen Sie es mit pomwit-cards add --replace.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to no card: add its card with pomwit-cards add, or delete it.</source>
        <translation>„%1“ gehört zu keiner Karte: Fügen Sie ihre Karte mit pomwit-cards add hinzu, oder löschen Sie sie.</translation>
    </message>
    <message>
        <source>Cards %1 and %2, &quot;%3&quot; and &quot;%4&quot;, are one word written with different characters: remove one of them with pomwit-cards remove, copying its word from pomwit-cards list.</source>
        <translation>Die Karten %1 und %2, „%3“ und „%4“, sind ein Wort, mit verschiedenen Zeichen geschrieben: Entfernen Sie eine davon mit pomwit-cards remove und kopieren Sie dazu ihr Wort aus pomwit-cards list.</translation>
    </message>
    <message>
        <source>There is already a card &quot;%1&quot; in &quot;%2&quot;, which differs from &quot;%3&quot; only in capitals, so the child could not tell the two apart: choose another word, or change that card&apos;s picture with pomwit-cards add --replace &quot;%1&quot; PICTURE.</source>
        <translation>In „%2“ gibt es schon eine Karte „%1“, die sich von „%3“ nur in Groß- und Kleinbuchstaben unterscheidet, sodass das Kind die beiden nicht auseinanderhalten könnte: Wählen Sie ein anderes Wort, oder ändern Sie das Bild dieser Karte mit pomwit-cards add --replace &quot;%1&quot; BILD.</translation>
    </message>
    <message>
        <source>The pictures for the card &quot;%1&quot; were refused (%2), so nothing was changed: add the picture again.</source>
        <translation>Die Bilder für die Karte „%1“ wurden abgelehnt (%2), daher wurde nichts geändert: Fügen Sie das Bild erneut hinzu.</translation>
    </message>
    <message>
        <source>The recording for the card &quot;%1&quot; cannot be used (%2), so nothing was changed: record it again.</source>
        <translation>Die Aufnahme für die Karte „%1“ kann nicht verwendet werden (%2), daher wurde nichts geändert: Nehmen Sie sie erneut auf.</translation>
    </message>
    <message>
        <source>The card &quot;%1&quot; has no recording to remove.</source>
        <translation>Die Karte „%1“ hat keine Aufnahme, die entfernt werden könnte.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About . . app name</source>
        <translation>Über . . Programmname</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>App Name</source>
        <translation>Programmname</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Über </translation>
    </message>
    <message>
        <source>NOTE: Until Import is implemented, you can add more cards by: 1) Copying the file into the pictures directory, and 2) Open the MDB file and add the picture&apos;s name to the table.</source>
        <translation>HINWEIS: Bis Import verfügbar ist, fügen Sie Karten so hinzu: 1) Bilddatei in den Ordner pictures kopieren, 2) in der MDB-Datei den Namen des Bildes zur Tabelle hinzufügen.</translation>
    </message>
</context>
<context>
    <name>frmCard</name>
    <message>
        <source>FlashCard</source>
        <translation>Lernkarte</translation>
    </message>
    <message>
        <source>Card picture</source>
        <translation>Kartenbild</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>&amp;Show Word</source>
        <translation>&amp;Zeigen</translation>
    </message>
    <message>
        <source>Show Word</source>
        <translation>Wort zeigen</translation>
    </message>
    <message>
        <source>Type the first letter</source>
        <translation>Ersten Buchstaben tippen</translation>
    </message>
    <message>
        <source>&amp;Next Card</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Nächste Karte</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ende</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zurück zum Hauptmenü</translation>
    </message>
    <message>
        <source>Card number</source>
        <translation>Kartennummer</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Next Word</source>
        <translation>Nächstes Wort</translation>
    </message>
    <message>
        <source>E&amp;xit to Main Menu</source>
        <translation>&amp;Zurück zum Hauptmenü</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>This card&apos;s picture cannot be shown. Show Word tells which file it is.</source>
        <translation>Das Bild dieser Karte kann nicht angezeigt werden. „Wort zeigen“ nennt die Datei.</translation>
    </message>
    <message>
        <source>Another Pomwit is playing full screen on this desktop.</source>
        <translation>Ein anderes Pomwit spielt auf diesem Desktop schon im Vollbild.</translation>
    </message>
    <message>
        <source>All cards have been played.  Click OK to reshuffle the stack.</source>
        <translation>Alle Karten sind gespielt.  Klicken Sie auf OK, um den Stapel neu zu mischen.</translation>
    </message>
</context>
<context>
    <name>frmImportCards</name>
    <message>
        <source>Import New Card Set</source>
        <translation>Neuen Kartensatz importieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Car&amp;ds:</source>
        <translation>&amp;Karten:</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Umbenennen…</translation>
    </message>
    <message>
        <source>Re&amp;move…</source>
        <translation>&amp;Entfernen…</translation>
    </message>
    <message>
        <source>&amp;Keep It</source>
        <translation>&amp;Behalten</translation>
    </message>
    <message>
        <source>&amp;Add Pictures…</source>
        <translation>Bilder &amp;hinzufügen…</translation>
    </message>
    <message>
        <source>New pictures</source>
        <translation>Neue Bilder</translation>
    </message>
    <message>
        <source>&amp;New pictures (type each one&apos;s word):</source>
        <translation>&amp;Neue Bilder (zu jedem das Wort tippen):</translation>
    </message>
    <message>
        <source>Preview of the card</source>
        <translation>Vorschau der Karte</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Leave Out</source>
        <translation>&amp;Weglassen</translation>
    </message>
    <message>
        <source>&amp;Save the New Cards</source>
        <translation>Neue Karten &amp;speichern</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 Karte</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 Karten</translation>
    </message>
    <message>
        <source>There is already a card &quot;%1&quot;: choose another word.</source>
        <translation>Es gibt schon eine Karte „%1“: Wählen Sie ein anderes Wort.</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.webp *.bmp *.svg *.JPG *.JPEG *.PNG)</source>
        <translation>Bilder (*.jpg *.jpeg *.png *.gif *.webp *.bmp *.svg *.JPG *.JPEG *.PNG)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Choose a card in the list first.</source>
        <translation>Wählen Sie zuerst eine Karte in der Liste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a card&apos;s word: %2.</source>
        <translation>„%1“ kann kein Kartenwort sein: %2.</translation>
    </message>
    <message>
        <source>Rename the card &quot;%1&quot; to &quot;%2&quot;?</source>
        <translation>Die Karte „%1“ in „%2“ umbenennen?</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Remove the card &quot;%1&quot; and its pictures?</source>
        <translation>Die Karte „%1“ und ihre Bilder entfernen?</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Changing the card set…</source>
        <translation>Kartensatz wird geändert …</translation>
    </message>
    <message>
        <source>%v of %m pictures read</source>
        <translation>%v von %m Bildern gelesen</translation>
    </message>
    <message>
        <source>Remove the recording of the card &quot;%1&quot;?</source>
        <translation>Die Aufnahme der Karte „%1“ entfernen?</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Begin Flash Cards</source>
        <translation>&amp;Karten starten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Start Flash Cards</source>
        <translation>&amp;Lernkarten starten</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Import New Cards</source>
        <translation>Karten importieren</translation>
    </message>
    <message>
        <source>Select speech engine</source>
        <translation>Stimme wählen</translation>
    </message>
    <message>
        <source>Select speech engine:</source>
        <translation>Stimme wählen:</translation>
    </message>
    <message>
        <source>Select language:</source>
        <translation>Sprache wählen:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>The speech voices could not be read or chosen.</source>
        <translation>Die Stimmen konnten nicht gelesen oder gewählt werden.</translation>
    </message>
    <message>
        <source>No voices are installed.</source>
        <translation>Es sind keine Stimmen installiert.</translation>
    </message>
    <message>
        <source>Select language</source>
        <translation>Sprache wählen</translation>
    </message>
    <message>
        <source>This card set is an Access file, which has no place for a language. Convert it first, in a terminal: sudo pomwit-cards convert</source>
        <translation>Dieser Kartensatz ist eine Access-Datei, in der kein Platz für eine Sprache ist. Wandeln Sie ihn zuerst in einem Terminal um: sudo pomwit-cards convert</translation>
    </message>
</context>
<context>
    <name>largePictureHeader</name>
    <message>
        <source>the large picture is not a JPEG file</source>
        <translation>das große Bild ist keine JPEG-Datei</translation>
    </message>
    <message>
        <source>the large picture is not a PNG file</source>
        <translation>das große Bild ist keine PNG-Datei</translation>
    </message>
    <message>
        <source>the large picture is neither a JPEG nor a PNG file</source>
        <translation>das große Bild ist weder eine JPEG- noch eine PNG-Datei</translation>
    </message>
    <message>
        <source>the large picture&apos;s header gives no size</source>
        <translation>der Kopf des großen Bildes nennt keine Größe</translation>
    </message>
    <message>
        <source>the large picture is larger than %1 pixels on a side</source>
        <translation>das große Bild ist auf einer Seite größer als %1 Pixel</translation>
    </message>
</context>
<context>
    <name>recordingFile</name>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <source>it points outside the pictures folder</source>
        <translation>es verweist aus dem Bilderordner hinaus</translation>
    </message>
    <message>
        <source>it is too large (%1 MB)</source>
        <translation>es ist zu groß (%1 MB)</translation>
    </message>
</context>
<context>
    <name>recordingImport</name>
    <message>
        <source>There is no sound file &quot;%1&quot;: check the file&apos;s name and folder.</source>
        <translation>Es gibt keine Tondatei „%1“: Prüfen Sie den Namen und den Ordner der Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a sound file but a folder or a special file: name a sound file.</source>
        <translation>„%1“ ist keine Tondatei, sondern ein Ordner oder eine Spezialdatei: Geben Sie eine Tondatei an.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used: it is far longer than the %2 seconds a recording may last. Cut it shorter first.</source>
        <translation>„%1“ kann nicht verwendet werden: Die Datei ist viel länger als die %2 Sekunden, die eine Aufnahme dauern darf. Kürzen Sie sie zuerst.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read (%2): check the file&apos;s permissions.</source>
        <translation>„%1“ kann nicht gelesen werden (%2): Prüfen Sie die Rechte der Datei.</translation>
    </message>
    <message>
        <source> Name a sound file: Ogg, Opus, FLAC, WAV or MP3.</source>
        <translation> Geben Sie eine Tondatei an: Ogg, Opus, FLAC, WAV oder MP3.</translation>
    </message>
    <message>
        <source> Convert it first, with ffmpeg -i %1 %2, then use that file.</source>
        <translation> Wandeln Sie sie zuerst um, mit ffmpeg -i %1 %2, und verwenden Sie dann diese Datei.</translation>
    </message>
    <message>
        <source> Copy it again from where it came from.</source>
        <translation> Kopieren Sie sie erneut von dort, wo sie herkam.</translation>
    </message>
    <message>
        <source> Cut it shorter first.</source>
        <translation> Kürzen Sie sie zuerst.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used: %2.</source>
        <translation>„%1“ kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be encoded: %2.</source>
        <translation>„%1“ konnte nicht kodiert werden: %2.</translation>
    </message>
</context>
<context>
    <name>storeMessages</name>
    <message>
        <source>The card set cannot be found: there is no file &quot;%1&quot;.

Put the card database pomwit.mdb back in the folder &quot;%2&quot;, or reinstall Pomwit to get the bundled cards.</source>
        <translation>Der Kartensatz ist nicht zu finden: Es gibt keine Datei „%1“.

Legen Sie die Kartendatenbank pomwit.mdb wieder in den Ordner „%2“, oder installieren Sie Pomwit neu, um die mitgelieferten Karten zu bekommen.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be opened (%2).

Check that your user may read the file and the folder it is in.</source>
        <translation>Die Kartendatenbank „%1“ kann nicht geöffnet werden (%2).

Prüfen Sie, ob Ihr Benutzer die Datei und ihren Ordner lesen darf.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file but a folder or a special file, so it cannot be the card database.

Move it away and put the card database pomwit.mdb in its place.</source>
        <translation>„%1“ ist keine Datei, sondern ein Ordner oder eine Spezialdatei, und kann daher nicht die Kartendatenbank sein.

Verschieben Sie es und legen Sie die Kartendatenbank pomwit.mdb an seine Stelle.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is empty (0 bytes).

Replace it with a copy of your card set.</source>
        <translation>Die Kartendatenbank „%1“ ist leer (0 Bytes).

Ersetzen Sie sie durch eine Kopie Ihres Kartensatzes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a card database that Pomwit can read.

Replace it with your card set, saved as a SQLite or Access database with the table tblflashcards.</source>
        <translation>„%1“ ist keine Kartendatenbank, die Pomwit lesen kann.

Ersetzen Sie sie durch Ihren Kartensatz, gespeichert als SQLite- oder Access-Datenbank mit der Tabelle tblflashcards.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is damaged (%2).

Replace it with a backup copy of your card set.</source>
        <translation>Die Kartendatenbank „%1“ ist beschädigt (%2).

Ersetzen Sie sie durch eine Sicherungskopie Ihres Kartensatzes.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; has no table tblflashcards.

Add the table tblflashcards, with a text column cardname that holds one word per card.</source>
        <translation>Die Kartendatenbank „%1“ hat keine Tabelle tblflashcards.

Legen Sie die Tabelle tblflashcards an, mit einer Textspalte cardname, die ein Wort pro Karte enthält.</translation>
    </message>
    <message>
        <source>The table tblflashcards in &quot;%1&quot; has no column cardname.

Add a text column cardname that holds one word per card.</source>
        <translation>Die Tabelle tblflashcards in „%1“ hat keine Spalte cardname.

Legen Sie eine Textspalte cardname an, die ein Wort pro Karte enthält.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is locked by another program.

Save your changes in that program or close it, then try again.</source>
        <translation>Die Kartendatenbank „%1“ ist von einem anderen Programm gesperrt.

Speichern Sie Ihre Änderungen in diesem Programm oder schließen Sie es, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; was left half-changed by an interrupted change of the card set.

Run sudo pomwit-cards check to repair it, then try again.</source>
        <translation>Die Kartendatenbank „%1“ wurde von einer unterbrochenen Änderung des Kartensatzes halb geändert zurückgelassen.

Reparieren Sie sie mit sudo pomwit-cards check und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Card %1 of &quot;%2&quot; has no word, so it cannot be shown.

Type a word in its cardname field in the table tblflashcards, or delete the row.</source>
        <translation>Karte %1 von „%2“ hat kein Wort und kann daher nicht gezeigt werden.

Tragen Sie ein Wort in ihr Feld cardname in der Tabelle tblflashcards ein, oder löschen Sie die Zeile.</translation>
    </message>
    <message>
        <source>The card set &quot;%1&quot; has no cards yet.

Copy a picture into the pictures folder and add its name to the table tblflashcards.</source>
        <translation>Der Kartensatz „%1“ hat noch keine Karten.

Kopieren Sie ein Bild in den Bilderordner und fügen Sie seinen Namen zur Tabelle tblflashcards hinzu.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; could not be read (%2).

Check the file with your database program, or replace it with a copy of your card set.</source>
        <translation>Die Kartendatenbank „%1“ konnte nicht gelesen werden (%2).

Prüfen Sie die Datei mit Ihrem Datenbankprogramm, oder ersetzen Sie sie durch eine Kopie Ihres Kartensatzes.</translation>
    </message>
    <message>
        <source>The card &quot;%1&quot; has no picture: a card word may not contain &quot;/&quot; or &quot;\&quot;, nor be &quot;.&quot; or &quot;..&quot;. Rename the card in the table tblflashcards of &quot;%2&quot;.</source>
        <translation>Die Karte „%1“ hat kein Bild: Ein Kartenwort darf weder „/“ noch „\“ enthalten und nicht „.“ oder „..“ sein. Benennen Sie die Karte in der Tabelle tblflashcards von „%2“ um.</translation>
    </message>
</context>
</TS>
