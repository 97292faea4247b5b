<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CardListModel</name>
    <message>
        <source>(no word)</source>
        <translation>(pas de mot)</translation>
    </message>
    <message>
        <source>%1 (recorded)</source>
        <translation>%1 (enregistré)</translation>
    </message>
</context>
<context>
    <name>CardPicture</name>
    <message>
        <source>The picture &quot;%1&quot; cannot be read (%2): replace it with a BMP picture of the card.</source>
        <translation>L’image «&#xa0;%1&#xa0;» ne peut pas être lue (%2)&#xa0;: remplacez-la par une image BMP de la carte.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is missing: copy the card&apos;s picture into the pictures folder.</source>
        <translation>L’image «&#xa0;%1&#xa0;» est absente&#xa0;: copiez l’image de la carte dans le dossier des images.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture file: replace it with the card&apos;s picture.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier d’image&#xa0;: remplacez-le par l’image de la carte.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; points outside the pictures folder: copy the picture itself into the pictures folder.</source>
        <translation>L’image «&#xa0;%1&#xa0;» renvoie hors du dossier des images&#xa0;: copiez l’image elle-même dans le dossier des images.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large (%2 × %3 pixels): save it smaller, for example 273 × 217.</source>
        <translation>L’image «&#xa0;%1&#xa0;» est trop grande (%2 × %3 pixels)&#xa0;: enregistrez-la plus petite, par exemple 273 × 217.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is cut short (%2 of %3 bytes): replace it with a complete copy of the picture.</source>
        <translation>L’image «&#xa0;%1&#xa0;» est tronquée (%2 octets sur %3)&#xa0;: remplacez-la par une copie complète de l’image.</translation>
    </message>
</context>
<context>
    <name>CardSession</name>
    <message>
        <source>This card&apos;s recording &quot;%1&quot; cannot be played (%2), so the voice says the word instead. Record the word again, or remove the recording.</source>
        <translation>L’enregistrement «&#xa0;%1&#xa0;» de cette carte ne peut pas être lu (%2)&#xa0;: la voix dit donc le mot à sa place. Enregistrez le mot à nouveau, ou retirez l’enregistrement.</translation>
    </message>
</context>
<context>
    <name>CardSetChange</name>
    <message>
        <source>The change of the card set is not readable: %1.</source>
        <translation>La modification du jeu de cartes est illisible&#xa0;: %1.</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>elle dépasse %1 octets</translation>
    </message>
    <message>
        <source>it does not begin as one does</source>
        <translation>elle ne commence pas comme une modification</translation>
    </message>
    <message>
        <source>it is of version %1, and this Pomwit reads version %2</source>
        <translation>elle est en version %1, et ce Pomwit lit la version %2</translation>
    </message>
    <message>
        <source>it does not hold from 0 to %1 steps</source>
        <translation>elle ne contient pas de 0 à %1 étapes</translation>
    </message>
    <message>
        <source>a card bitmap is not of the size a 273 × 217 24-bit BMP has</source>
        <translation>une image de carte n’a pas la taille d’une image BMP 24 bits de 273 × 217</translation>
    </message>
    <message>
        <source>a large picture is neither a JPEG nor a PNG</source>
        <translation>une grande image n’est ni un JPEG ni un PNG</translation>
    </message>
    <message>
        <source>step %1 is of no known kind</source>
        <translation>l’étape %1 est d’un type inconnu</translation>
    </message>
    <message>
        <source>it goes on after its last step</source>
        <translation>elle continue après sa dernière étape</translation>
    </message>
    <message>
        <source>it ends too soon</source>
        <translation>elle s’arrête trop tôt</translation>
    </message>
    <message>
        <source>a yes-or-no value is neither</source>
        <translation>une valeur oui ou non n’est ni l’un ni l’autre</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes</source>
        <translation>%1 dépasse %2 octets</translation>
    </message>
    <message>
        <source>%1 is not valid UTF-8 text</source>
        <translation>%1 n’est pas un texte UTF-8 valide</translation>
    </message>
    <message>
        <source>a word</source>
        <translation>un mot</translation>
    </message>
    <message>
        <source>a card bitmap</source>
        <translation>une image de carte</translation>
    </message>
    <message>
        <source>a picture&apos;s suffix</source>
        <translation>une extension d’image</translation>
    </message>
    <message>
        <source>a large picture</source>
        <translation>une grande image</translation>
    </message>
    <message>
        <source>a recording</source>
        <translation>un enregistrement</translation>
    </message>
    <message>
        <source>a language</source>
        <translation>une langue</translation>
    </message>
</context>
<context>
    <name>CardSetHelper</name>
    <message>
        <source>pomwit-cardset-helper takes no arguments: it reads the change of the card set on standard input.</source>
        <translation>pomwit-cardset-helper ne prend aucun argument&#xa0;: il lit la modification du jeu de cartes sur l’entrée standard.</translation>
    </message>
    <message>
        <source>Changed the card set in &quot;%1&quot;: %2 steps.</source>
        <translation>Le jeu de cartes de «&#xa0;%1&#xa0;» a été modifié&#xa0;: %2 étapes.</translation>
    </message>
</context>
<context>
    <name>CardSetWriter</name>
    <message>
        <source>Another change of the card set is being made: wait until it is done, then try again.</source>
        <translation>Une autre modification du jeu de cartes est en cours&#xa0;: attendez qu’elle soit finie, puis réessayez.</translation>
    </message>
    <message>
        <source>The card set was not changed: Pomwit cannot ask for a grown-up&apos;s permission here, as pkexec is not installed (sudo apt install pkexec). Make the change in a terminal instead: %1</source>
        <translation>Le jeu de cartes n’a pas été modifié&#xa0;: Pomwit ne peut pas demander ici la permission d’un adulte, car pkexec n’est pas installé (sudo apt install pkexec). Faites plutôt la modification dans un terminal&#xa0;: %1</translation>
    </message>
    <message>
        <source>The card set was not changed: permission was refused. A grown-up may allow it with their password, or make the change in a terminal: %1</source>
        <translation>Le jeu de cartes n’a pas été modifié&#xa0;: la permission a été refusée. Un adulte peut l’accorder avec son mot de passe, ou faire la modification dans un terminal&#xa0;: %1</translation>
    </message>
    <message>
        <source>The card set was not changed: Pomwit could not ask for a grown-up&apos;s permission, as no permission dialog (polkit agent) is running. Make the change in a terminal instead: %1</source>
        <translation>Le jeu de cartes n’a pas été modifié&#xa0;: Pomwit n’a pas pu demander la permission d’un adulte, car aucune fenêtre d’autorisation (agent polkit) n’est lancée. Faites plutôt la modification dans un terminal&#xa0;: %1</translation>
    </message>
    <message>
        <source>The card set was not changed: the helper that changes it ended unexpectedly. Make the change in a terminal instead: %1</source>
        <translation>Le jeu de cartes n’a pas été modifié&#xa0;: le programme d’aide qui le modifie s’est arrêté de façon inattendue. Faites plutôt la modification dans un terminal&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>DesktopLock</name>
    <message>
        <source>Another program holds the keyboard or the pointer, so Pomwit cannot hold them yet and keeps trying. Until then the desktop&apos;s shortcuts, such as Alt+Tab and the Super key, still work.</source>
        <translation>Un autre programme retient le clavier ou le pointeur&#xa0;: Pomwit ne peut pas encore les retenir et continue d’essayer. D’ici là, les raccourcis du bureau, comme Alt+Tab et la touche Super, fonctionnent encore.</translation>
    </message>
    <message>
        <source>In this Wayland session Pomwit holds the keyboard only if the desktop allows it (GNOME asks once). Otherwise the desktop&apos;s shortcuts, such as the Super key and Alt+Tab, still work, and Super+Esc gives them back. The pointer can leave this screen.</source>
        <translation>Dans cette session Wayland, Pomwit ne retient le clavier que si le bureau le permet (GNOME le demande une fois). Sinon, les raccourcis du bureau, comme la touche Super et Alt+Tab, fonctionnent encore, et Super+Échap les rend. Le pointeur peut quitter cet écran.</translation>
    </message>
    <message>
        <source>In this Wayland session no program can hold the keyboard: the desktop&apos;s shortcuts, such as the Super key and Alt+Tab, still work, and the pointer can leave this screen.</source>
        <translation>Dans cette session Wayland, aucun programme ne peut retenir le clavier&#xa0;: les raccourcis du bureau, comme la touche Super et Alt+Tab, fonctionnent encore, et le pointeur peut quitter cet écran.</translation>
    </message>
    <message>
        <source>On this display Pomwit cannot hold the keyboard or the pointer: the shortcuts of the desktop and of other programs, such as Alt+Tab, still work.</source>
        <translation>Sur cet affichage, Pomwit ne peut retenir ni le clavier ni le pointeur&#xa0;: les raccourcis du bureau et des autres programmes, comme Alt+Tab, fonctionnent encore.</translation>
    </message>
</context>
<context>
    <name>FullScreenView</name>
    <message>
        <source>Pomwit full screen</source>
        <translation>Pomwit en plein écran</translation>
    </message>
    <message>
        <source>Card picture</source>
        <translation>Image de la carte</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Card number</source>
        <translation>Numéro de la carte</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Leaving full screen</source>
        <translation>Quitter le plein écran</translation>
    </message>
    <message>
        <source>To leave full screen, hold %1 for two seconds.</source>
        <translation>Pour quitter le plein écran, maintenez %1 pendant deux secondes.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrouillage</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Keep holding %1…</source>
        <translation>Continuez à maintenir %1…</translation>
    </message>
    <message>
        <source>A child is playing full screen</source>
        <translation>Un enfant joue en plein écran</translation>
    </message>
    <message>
        <source>All cards have been played. The stack is shuffled again.</source>
        <translation>Toutes les cartes ont été jouées. Le paquet est à nouveau mélangé.</translation>
    </message>
    <message>
        <source>This card&apos;s picture cannot be shown. Its file is named once the word is found.</source>
        <translation>L’image de cette carte ne peut pas être affichée. Son fichier est nommé dès que le mot est trouvé.</translation>
    </message>
</context>
<context>
    <name>JetFile</name>
    <message>
        <source>the file is cut short</source>
        <translation>le fichier est tronqué</translation>
    </message>
    <message>
        <source>some of its pages are missing</source>
        <translation>certaines de ses pages manquent</translation>
    </message>
    <message>
        <source>its first page is not readable</source>
        <translation>sa première page est illisible</translation>
    </message>
    <message>
        <source>the table tblflashcards cannot be read</source>
        <translation>la table tblflashcards ne peut pas être lue</translation>
    </message>
    <message>
        <source>the column cardname does not hold text</source>
        <translation>la colonne cardname ne contient pas de texte</translation>
    </message>
    <message>
        <source>its list of tables cannot be read</source>
        <translation>sa liste de tables ne peut pas être lue</translation>
    </message>
    <message>
        <source>the column cardname cannot be read</source>
        <translation>la colonne cardname ne peut pas être lue</translation>
    </message>
</context>
<context>
    <name>LargePicture</name>
    <message>
        <source>The picture &quot;%1&quot; is too large (%2 bytes): save it smaller.</source>
        <translation>L’image «&#xa0;%1&#xa0;» est trop grande (%2 octets)&#xa0;: enregistrez-la plus petite.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read (%2).</source>
        <translation>L’image «&#xa0;%1&#xa0;» ne peut pas être lue (%2).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; refers to other files: save it as a drawing on its own.</source>
        <translation>L’image «&#xa0;%1&#xa0;» renvoie à d’autres fichiers&#xa0;: enregistrez-la comme un dessin autonome.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: replace it with an SVG drawing of the card.</source>
        <translation>L’image «&#xa0;%1&#xa0;» ne peut pas être lue&#xa0;: remplacez-la par un dessin SVG de la carte.</translation>
    </message>
</context>
<context>
    <name>NewPicturesModel</name>
    <message>
        <source>Being read…</source>
        <translation>Lecture…</translation>
    </message>
    <message>
        <source>Type the word for this picture.</source>
        <translation>Tapez le mot de cette image.</translation>
    </message>
    <message>
        <source>This cannot be a card&apos;s word: %1.</source>
        <translation>Ce ne peut pas être le mot d’une carte&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Another new picture has this word: give each picture its own.</source>
        <translation>Une autre nouvelle image a ce mot&#xa0;: donnez à chaque image le sien.</translation>
    </message>
    <message>
        <source>Picture and word</source>
        <translation>Image et mot</translation>
    </message>
    <message>
        <source>What is missing</source>
        <translation>Ce qui manque</translation>
    </message>
</context>
<context>
    <name>OggRecording</name>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>il dépasse %1 Mo</translation>
    </message>
    <message>
        <source>it is not an Ogg Vorbis or Opus file</source>
        <translation>ce n’est pas un fichier Ogg Vorbis ou Opus</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>il est tronqué</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>il est endommagé</translation>
    </message>
    <message>
        <source>it is neither Vorbis nor Opus</source>
        <translation>il n’est ni en Vorbis ni en Opus</translation>
    </message>
    <message>
        <source>it holds more than one stream</source>
        <translation>il contient plus d’un flux</translation>
    </message>
    <message>
        <source>it is %1 seconds long, and a recording may be at most %2 seconds</source>
        <translation>il dure %1 secondes, et un enregistrement peut durer %2 secondes au plus</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Pomwit is a way for toddlers to learn words and the names of objects. In the future, it will include categorized bundles of image/word listings. It was also a way to try out speech, here from the open espeak-ng engine (more at github.com/espeak-ng). The idea for speech came from work with users with disabilities and with screen readers for the blind.</source>
        <translation>Avec Pomwit, les tout-petits apprennent des mots et le nom des objets. Des séries classées d’images et de mots viendront. Pomwit essaie aussi la parole, ici avec espeak-ng (github.com/espeak-ng). L’idée vient du travail avec des personnes handicapées et des lecteurs d’écran.</translation>
    </message>
</context>
<context>
    <name>RecordingPanel</name>
    <message>
        <source>Recording of the card&apos;s word</source>
        <translation>Enregistrement du mot de la carte</translation>
    </message>
    <message>
        <source>R&amp;ecord</source>
        <translation>Enregi&amp;strer</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Finir</translation>
    </message>
    <message>
        <source>L&amp;isten</source>
        <translation>Éc&amp;outer</translation>
    </message>
    <message>
        <source>Kee&amp;p</source>
        <translation>Conser&amp;ver</translation>
    </message>
    <message>
        <source>Dis&amp;card</source>
        <translation>&amp;Jeter</translation>
    </message>
    <message>
        <source>Remo&amp;ve Recording…</source>
        <translation>S&amp;upprimer l’enregistrement…</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Say: %1</source>
        <translation>Dites&#xa0;: %1</translation>
    </message>
    <message>
        <source>The recording has been kept.</source>
        <translation>L’enregistrement est gardé.</translation>
    </message>
    <message>
        <source>The recording could not be kept: %1.</source>
        <translation>L’enregistrement n’a pas pu être gardé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Speak after the tone.</source>
        <translation>Parlez après le bip.</translation>
    </message>
    <message>
        <source>Recording: say the words, then press Stop.</source>
        <translation>Enregistrement en cours&#xa0;: dites les mots, puis appuyez sur Finir.</translation>
    </message>
    <message>
        <source>Listen to the recording, then keep it or discard it.</source>
        <translation>Écoutez l’enregistrement, puis gardez-le ou jetez-le.</translation>
    </message>
</context>
<context>
    <name>SndfileCodec</name>
    <message>
        <source>it is damaged or cut short</source>
        <translation>il est endommagé ou tronqué</translation>
    </message>
    <message>
        <source>it is an %1 file, a format Pomwit does not read</source>
        <translation>c’est un fichier %1, un format que Pomwit ne lit pas</translation>
    </message>
    <message>
        <source>it is not a sound file</source>
        <translation>ce n’est pas un fichier son</translation>
    </message>
    <message>
        <source>its sound is in a form Pomwit does not read</source>
        <translation>son son est sous une forme que Pomwit ne lit pas</translation>
    </message>
    <message>
        <source>it is %1 seconds long, and a recording may be at most %2 seconds</source>
        <translation>il dure %1 secondes, et un enregistrement peut durer %2 secondes au plus</translation>
    </message>
    <message>
        <source>it is longer than the %1 seconds a recording may last</source>
        <translation>il dure plus que les %1 secondes permises pour un enregistrement</translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation>il ne contient aucun son</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Sound is not available, so the words are shown but not spoken.</source>
        <translation>Le son n’est pas disponible&#xa0;: les mots sont affichés mais pas prononcés.</translation>
    </message>
    <message>
        <source>There are no voices to choose from.</source>
        <translation>Il n’y a aucune voix à choisir.</translation>
    </message>
    <message>
        <source>There is no voice number %1; the voices are numbered 1 to %2.</source>
        <translation>Il n’y a pas de voix numéro %1&#xa0;; les voix sont numérotées de 1 à %2.</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; could not be loaded.</source>
        <translation>La voix «&#xa0;%1&#xa0;» n’a pas pu être chargée.</translation>
    </message>
    <message>
        <source>The speaking rate could not be set.</source>
        <translation>Le débit de la parole n’a pas pu être réglé.</translation>
    </message>
    <message>
        <source>The speech engine could not say &quot;%1&quot; (error %2).</source>
        <translation>Le moteur de parole n’a pas pu dire «&#xa0;%1&#xa0;» (erreur %2).</translation>
    </message>
    <message>
        <source>The speaking rate %1 is outside %2 to %3.</source>
        <translation>Le débit %1 est hors de l’intervalle %2 à %3.</translation>
    </message>
    <message>
        <source>Another phrase is being said.</source>
        <translation>Une autre phrase est en train d’être dite.</translation>
    </message>
    <message>
        <source>The speech engine could not start (its voice data is missing).</source>
        <translation>Le moteur de parole n’a pas pu démarrer (ses données de voix manquent).</translation>
    </message>
    <message>
        <source>The natural voice could not be started, so the words are spoken in a plainer voice.</source>
        <translation>La voix naturelle n’a pas pu démarrer&#xa0;: les mots sont dits avec une voix plus simple.</translation>
    </message>
    <message>
        <source>No voice on this computer speaks %1 (%2), the language of the card set, so the words are shown but not spoken. Set the card set&apos;s language with pomwit-cards language.</source>
        <translation>Aucune voix de cet ordinateur ne parle %1 (%2), la langue du jeu de cartes&#xa0;: les mots sont affichés mais pas prononcés. Réglez la langue du jeu de cartes avec pomwit-cards language.</translation>
    </message>
    <message>
        <source>The natural voices could not start.</source>
        <translation>Les voix naturelles n’ont pas pu démarrer.</translation>
    </message>
    <message>
        <source>No microphone was found: connect one, or switch it on in the sound settings, to record.</source>
        <translation>Aucun micro n’a été trouvé&#xa0;: branchez-en un, ou activez-le dans les réglages du son, pour enregistrer.</translation>
    </message>
    <message>
        <source>The microphone does not record 16-bit sound: choose another one in the sound settings.</source>
        <translation>Le micro n’enregistre pas de son 16 bits&#xa0;: choisissez-en un autre dans les réglages du son.</translation>
    </message>
    <message>
        <source>the sound module of this installation is missing</source>
        <translation>le module de son de cette installation manque</translation>
    </message>
</context>
<context>
    <name>VoiceRecorder</name>
    <message>
        <source>A recording is already under way.</source>
        <translation>Un enregistrement est déjà en cours.</translation>
    </message>
    <message>
        <source>Wait until the sound that is playing has ended, then record.</source>
        <translation>Attendez la fin du son en cours, puis enregistrez.</translation>
    </message>
    <message>
        <source>1 second left</source>
        <translation>Encore 1 seconde</translation>
    </message>
    <message>
        <source>%1 seconds left</source>
        <translation>Encore %1 secondes</translation>
    </message>
    <message>
        <source>Nothing was heard: check that the microphone is on and not muted, then record again.</source>
        <translation>Rien n’a été entendu&#xa0;: vérifiez que le micro est allumé et pas coupé, puis enregistrez à nouveau.</translation>
    </message>
    <message>
        <source>There is nothing recorded to listen to.</source>
        <translation>Il n’y a rien d’enregistré à écouter.</translation>
    </message>
    <message>
        <source>Wait until the sound that is playing has ended, then listen.</source>
        <translation>Attendez la fin du son en cours, puis écoutez.</translation>
    </message>
    <message>
        <source>nothing has been recorded</source>
        <translation>rien n’a été enregistré</translation>
    </message>
</context>
<context>
    <name>cardImage</name>
    <message>
        <source>There is no picture &quot;%1&quot;: check the file&apos;s name and folder.</source>
        <translation>Il n’y a pas d’image «&#xa0;%1&#xa0;»&#xa0;: vérifiez le nom et le dossier du fichier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture file but a folder or a special file: name a picture file.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier d’image mais un dossier ou un fichier spécial&#xa0;: indiquez un fichier d’image.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read (%2): check that your user may read it.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être lu (%2)&#xa0;: vérifiez que votre utilisateur a le droit de le lire.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a %2 picture, and reading it needs the package %3: install it (sudo apt install %3), or save the picture as JPEG or PNG.</source>
        <translation>«&#xa0;%1&#xa0;» est une image %2, et la lire demande le paquet %3&#xa0;: installez-le (sudo apt install %3), ou enregistrez l’image en JPEG ou en PNG.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to read (%2 × %3 pixels): save it smaller, for example 4000 × 3000 pixels, then try again.</source>
        <translation>«&#xa0;%1&#xa0;» est trop grande pour être lue (%2 × %3 pixels)&#xa0;: enregistrez-la plus petite, par exemple en 4000 × 3000 pixels, puis réessayez.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged or cut short (%2): copy the picture again from where it came from.</source>
        <translation>«&#xa0;%1&#xa0;» est endommagée ou tronquée (%2)&#xa0;: copiez à nouveau l’image depuis son origine.</translation>
    </message>
    <message>
        <source>The pictures for &quot;%1&quot; could not be made: try another picture.</source>
        <translation>Les images de «&#xa0;%1&#xa0;» n’ont pas pu être créées&#xa0;: essayez une autre image.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a HEIC photo, which Pomwit cannot read: convert it to JPEG first, for example with heif-convert &quot;%1&quot; photo.jpg (from the package libheif-examples).</source>
        <translation>«&#xa0;%1&#xa0;» est une photo HEIC, que Pomwit ne sait pas lire&#xa0;: convertissez-la d’abord en JPEG, par exemple avec heif-convert &quot;%1&quot; photo.jpg (du paquet libheif-examples).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture that Pomwit can read (%2): save it as JPEG or PNG, then try again.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une image que Pomwit sait lire (%2)&#xa0;: enregistrez-la en JPEG ou en PNG, puis réessayez.</translation>
    </message>
</context>
<context>
    <name>cardSetEditor</name>
    <message>
        <source>it points outside the pictures folder</source>
        <translation>elle renvoie hors du dossier des images</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n’est pas un fichier</translation>
    </message>
    <message>
        <source>it is not a BMP file</source>
        <translation>ce n’est pas un fichier BMP</translation>
    </message>
    <message>
        <source>it has %1 bits a pixel</source>
        <translation>elle a %1 bits par pixel</translation>
    </message>
    <message>
        <source>it is compressed</source>
        <translation>elle est compressée</translation>
    </message>
    <message>
        <source>it is %1 × %2 pixels</source>
        <translation>elle fait %1 × %2 pixels</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>elle est tronquée</translation>
    </message>
</context>
<context>
    <name>cardWords</name>
    <message>
        <source>a word may not contain &quot;/&quot; or &quot;\&quot;</source>
        <translation>un mot ne peut contenir ni «&#xa0;/&#xa0;» ni «&#xa0;\&#xa0;»</translation>
    </message>
    <message>
        <source>a word may not be &quot;.&quot; or &quot;..&quot;</source>
        <translation>un mot ne peut pas être «&#xa0;.&#xa0;» ni «&#xa0;..&#xa0;»</translation>
    </message>
    <message>
        <source>a word may not contain control characters</source>
        <translation>un mot ne peut pas contenir de caractères de contrôle</translation>
    </message>
    <message>
        <source>a word must be valid text</source>
        <translation>un mot doit être un texte valide</translation>
    </message>
    <message>
        <source>its picture&apos;s file name would be longer than 255 bytes</source>
        <translation>le nom du fichier de son image dépasserait 255 octets</translation>
    </message>
    <message>
        <source>a word may not be empty</source>
        <translation>un mot ne peut pas être vide</translation>
    </message>
    <message>
        <source>a word may not begin with &quot;-&quot;</source>
        <translation>un mot ne peut pas commencer par «&#xa0;-&#xa0;»</translation>
    </message>
    <message>
        <source>it ends with a space, which would become part of the picture&apos;s file name</source>
        <translation>il finit par une espace, qui ferait partie du nom du fichier de l’image</translation>
    </message>
    <message>
        <source>it holds the invisible formatting character U+%1</source>
        <translation>il contient le caractère de mise en forme invisible U+%1</translation>
    </message>
</context>
<context>
    <name>cards</name>
    <message>
        <source>Changed the pictures of the card &quot;%1&quot; in &quot;%2&quot;.</source>
        <translation>Les images de la carte «&#xa0;%1&#xa0;» ont été changées dans «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Added the card &quot;%1&quot; to &quot;%2&quot;.</source>
        <translation>La carte «&#xa0;%1&#xa0;» a été ajoutée à «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>There is no folder &quot;%1&quot;: name the folder that holds the pictures.</source>
        <translation>Il n’y a pas de dossier «&#xa0;%1&#xa0;»&#xa0;: indiquez le dossier qui contient les images.</translation>
    </message>
    <message>
        <source>Added %1 to &quot;%2&quot;:</source>
        <translation>Ajout dans «&#xa0;%2&#xa0;» de %1&#xa0;:</translation>
    </message>
    <message>
        <source>Skipped %1:</source>
        <translation>Laissé de côté&#xa0;: %1</translation>
    </message>
    <message>
        <source>There are no pictures in &quot;%1&quot;: copy the pictures into it first.</source>
        <translation>Il n’y a pas d’images dans «&#xa0;%1&#xa0;»&#xa0;: copiez-y d’abord les images.</translation>
    </message>
    <message>
        <source>There is no option %1.</source>
        <translation>Il n’y a pas d’option %1.</translation>
    </message>
    <message>
        <source>--language needs a language, such as de or fr.</source>
        <translation>--language demande une langue, comme de ou fr.</translation>
    </message>
    <message>
        <source>--folder needs a folder.</source>
        <translation>--folder demande un dossier.</translation>
    </message>
    <message>
        <source>There is no command &quot;%1&quot;.</source>
        <translation>Il n’y a pas de commande «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Usage: pomwit-cards [--folder DIR] %1</source>
        <translation>Usage&#xa0;: pomwit-cards [--folder DIR] %1</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 carte</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 cartes</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 fichier</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 fichiers</translation>
    </message>
    <message>
        <source>Try pomwit-cards --help.</source>
        <translation>Essayez pomwit-cards --help.</translation>
    </message>
    <message>
        <source>y</source>
        <translation>o</translation>
    </message>
    <message>
        <source>No voice on this computer speaks &quot;%1&quot;; the voices speak these languages: %2.</source>
        <translation>Aucune voix de cet ordinateur ne parle «&#xa0;%1&#xa0;»&#xa0;; les voix parlent ces langues&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The card set in &quot;%1&quot; is now in %2 (%3).</source>
        <translation>Le jeu de cartes de «&#xa0;%1&#xa0;» est maintenant en %2 (%3).</translation>
    </message>
    <message>
        <source>There is no bundled card set in &quot;%1&quot;; there are bundled card sets in %2.</source>
        <translation>Il n’y a pas de jeu de cartes fourni en «&#xa0;%1&#xa0;»&#xa0;; il y a des jeux fournis en %2.</translation>
    </message>
    <message>
        <source>reset replaces the whole card set, so it asks first, and there is no terminal to ask on: add --yes to replace it without asking.</source>
        <translation>reset remplace tout le jeu de cartes et demande donc d’abord, mais il n’y a pas de terminal où demander&#xa0;: ajoutez --yes pour le remplacer sans question.</translation>
    </message>
    <message>
        <source>Replace the card set in &quot;%1&quot; (%2) with the bundled %3 card set (%4)? Its cards are kept in a folder named after today&apos;s date. [y/N] </source>
        <translation>Remplacer le jeu de cartes de «&#xa0;%1&#xa0;» (%2) par le jeu fourni en %3 (%4)&#xa0;? Ses cartes sont gardées dans un dossier nommé d’après la date du jour. [o/N] </translation>
    </message>
    <message>
        <source>The card set was left as it is.</source>
        <translation>Le jeu de cartes est resté tel quel.</translation>
    </message>
    <message>
        <source>The card set in &quot;%1&quot; is now the bundled %2 card set (%3); the cards it had are kept in &quot;%4&quot;.</source>
        <translation>Le jeu de cartes de «&#xa0;%1&#xa0;» est maintenant le jeu fourni en %2 (%3)&#xa0;; ses anciennes cartes sont gardées dans «&#xa0;%4&#xa0;».</translation>
    </message>
    <message>
        <source>(no word)</source>
        <translation>(pas de mot)</translation>
    </message>
    <message>
        <source>! marks a card with a problem: pomwit-cards check tells what is wrong.</source>
        <translation>! signale une carte qui pose problème&#xa0;: pomwit-cards check dit ce qui ne va pas.</translation>
    </message>
    <message>
        <source>The card set in &quot;%1&quot; is in order: %2.</source>
        <translation>Le jeu de cartes de «&#xa0;%1&#xa0;» est en ordre&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Removed the card &quot;%1&quot; from &quot;%2&quot;.</source>
        <translation>La carte «&#xa0;%1&#xa0;» a été retirée de «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Removed all %1 cards &quot;%2&quot; from &quot;%3&quot;.</source>
        <translation>Les %1 cartes «&#xa0;%2&#xa0;» ont toutes été retirées de «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>Renamed the card &quot;%1&quot; to &quot;%2&quot; in &quot;%3&quot;.</source>
        <translation>La carte «&#xa0;%1&#xa0;» s’appelle maintenant «&#xa0;%2&#xa0;» dans «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is now a SQLite card set of %2; the Access file is kept as &quot;%3&quot;.</source>
        <translation>«&#xa0;%1&#xa0;» est maintenant un jeu de cartes SQLite de %2&#xa0;; le fichier Access est gardé sous «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>Left out, having no word: row %1.</source>
        <translation>Laissées de côté, sans mot&#xa0;: ligne %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a picture and &quot;%2&quot; is not: give the word first, then the picture, as in pomwit-cards add WORD PICTURE.</source>
        <translation>«&#xa0;%1&#xa0;» est une image et «&#xa0;%2&#xa0;» non&#xa0;: donnez d’abord le mot, puis l’image, comme dans pomwit-cards add MOT IMAGE.</translation>
    </message>
    <message>
        <source>a folder, whose pictures add-folder does not add: add that folder by itself.</source>
        <translation>un dossier, dont add-folder n’ajoute pas les images&#xa0;: ajoutez ce dossier à part.</translation>
    </message>
    <message>
        <source>a hidden file, which add-folder leaves alone: add it with pomwit-cards add WORD PICTURE.</source>
        <translation>un fichier caché, que add-folder laisse de côté&#xa0;: ajoutez-le avec pomwit-cards add MOT IMAGE.</translation>
    </message>
    <message>
        <source>a camera&apos;s file name, which is no word: add it with pomwit-cards add WORD PICTURE.</source>
        <translation>un nom de fichier d’appareil photo, qui n’est pas un mot&#xa0;: ajoutez l’image avec pomwit-cards add MOT IMAGE.</translation>
    </message>
    <message>
        <source>--sound needs a sound file.</source>
        <translation>--sound demande un fichier son.</translation>
    </message>
    <message>
        <source>Name a command: add, add-folder, list, remove, rename, check, convert, sound, language or reset.</source>
        <translation>Indiquez une commande&#xa0;: add, add-folder, list, remove, rename, check, convert, sound, language ou reset.</translation>
    </message>
    <message>
        <source>Decoding as the user who ran sudo did not finish within %1 seconds.</source>
        <translation>Le décodage en tant que l’utilisateur qui a lancé sudo ne s’est pas terminé en %1 secondes.</translation>
    </message>
    <message>
        <source>Decoding as the user who ran sudo failed.</source>
        <translation>Le décodage en tant que l’utilisateur qui a lancé sudo a échoué.</translation>
    </message>
    <message>
        <source>Decoding as the user who ran sudo gave more than %1 bytes.</source>
        <translation>Le décodage en tant que l’utilisateur qui a lancé sudo a donné plus de %1 octets.</translation>
    </message>
    <message>
        <source>The pictures for &quot;%1&quot; could not be made: try another picture.</source>
        <translation>Les images de «&#xa0;%1&#xa0;» n’ont pas pu être créées&#xa0;: essayez une autre image.</translation>
    </message>
    <message>
        <source>♪ marks a card that says its word in a recording.</source>
        <translation>♪ signale une carte qui dit son mot avec un enregistrement.</translation>
    </message>
    <message>
        <source>Card %1, &quot;%2&quot;: the recording &quot;%3&quot; cannot be played (%4): attach another with pomwit-cards sound, or remove it with pomwit-cards sound --remove.</source>
        <translation>Carte %1, «&#xa0;%2&#xa0;»&#xa0;: l’enregistrement «&#xa0;%3&#xa0;» ne peut pas être lu (%4)&#xa0;: joignez-en un autre avec pomwit-cards sound, ou retirez-le avec pomwit-cards sound --remove.</translation>
    </message>
    <message>
        <source>Removed the recording of the card &quot;%1&quot; in &quot;%2&quot;: the voice says its word again.</source>
        <translation>L’enregistrement de la carte «&#xa0;%1&#xa0;» a été retiré de «&#xa0;%2&#xa0;»&#xa0;: la voix redit son mot.</translation>
    </message>
    <message>
        <source>There is no card &quot;%1&quot; in &quot;%2&quot;: pomwit-cards list shows the cards there are.</source>
        <translation>Il n’y a pas de carte «&#xa0;%1&#xa0;» dans «&#xa0;%2&#xa0;»&#xa0;: pomwit-cards list montre les cartes existantes.</translation>
    </message>
    <message>
        <source>The card &quot;%1&quot; in &quot;%2&quot; now says its word in the recording &quot;%3&quot;.</source>
        <translation>La carte «&#xa0;%1&#xa0;» de «&#xa0;%2&#xa0;» dit maintenant son mot avec l’enregistrement «&#xa0;%3&#xa0;».</translation>
    </message>
</context>
<context>
    <name>editMessages</name>
    <message>
        <source>&quot;%1&quot; cannot be a card&apos;s word: %2. Type the word again without it.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être le mot d’une carte&#xa0;: %2. Retapez le mot sans cela.</translation>
    </message>
    <message>
        <source>There is already a card &quot;%1&quot; in &quot;%2&quot;: add --replace to change its picture, or choose another word.</source>
        <translation>Il y a déjà une carte «&#xa0;%1&#xa0;» dans «&#xa0;%2&#xa0;»&#xa0;: ajoutez --replace pour changer son image, ou choisissez un autre mot.</translation>
    </message>
    <message>
        <source>The card &quot;%1&quot; is already being added from another picture: give each picture its own word.</source>
        <translation>La carte «&#xa0;%1&#xa0;» est déjà ajoutée depuis une autre image&#xa0;: donnez à chaque image son propre mot.</translation>
    </message>
    <message>
        <source>There is no card &quot;%1&quot; in &quot;%2&quot;: pomwit-cards list shows the cards there are.</source>
        <translation>Il n’y a pas de carte «&#xa0;%1&#xa0;» dans «&#xa0;%2&#xa0;»&#xa0;: pomwit-cards list montre les cartes existantes.</translation>
    </message>
    <message>
        <source>The card &quot;%1&quot; is stored %2 times in &quot;%3&quot;: add --all to remove every one of them.</source>
        <translation>La carte «&#xa0;%1&#xa0;» est enregistrée %2 fois dans «&#xa0;%3&#xa0;»&#xa0;: ajoutez --all pour les retirer toutes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an Access card database, which pomwit-cards does not change: run pomwit-cards convert to turn it into a SQLite one first (the Access file is kept as pomwit.mdb.access).</source>
        <translation>«&#xa0;%1&#xa0;» est une base de cartes Access, que pomwit-cards ne modifie pas&#xa0;: lancez d’abord pomwit-cards convert pour la transformer en base SQLite (le fichier Access est gardé sous pomwit.mdb.access).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already a SQLite card database: there is nothing to convert.</source>
        <translation>«&#xa0;%1&#xa0;» est déjà une base de cartes SQLite&#xa0;: il n’y a rien à convertir.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the way of the Access file&apos;s copy: move it elsewhere, then convert again.</source>
        <translation>«&#xa0;%1&#xa0;» gêne la copie du fichier Access&#xa0;: déplacez-le ailleurs, puis convertissez à nouveau.</translation>
    </message>
    <message>
        <source>The card set in &quot;%1&quot; cannot be changed by your user (%2): run the command with sudo, or as the folder&apos;s owner.</source>
        <translation>Votre utilisateur ne peut pas modifier le jeu de cartes de «&#xa0;%1&#xa0;» (%2)&#xa0;: lancez la commande avec sudo, ou en tant que propriétaire du dossier.</translation>
    </message>
    <message>
        <source>Another pomwit-cards is changing the card set in &quot;%1&quot;: wait until it has finished, then try again.</source>
        <translation>Un autre pomwit-cards modifie le jeu de cartes de «&#xa0;%1&#xa0;»&#xa0;: attendez qu’il ait fini, puis réessayez.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to &quot;%2&quot;, which is a link again: point &quot;%1&quot; straight at the card set.</source>
        <translation>«&#xa0;%1&#xa0;» est un lien vers «&#xa0;%2&#xa0;», qui est encore un lien&#xa0;: faites pointer «&#xa0;%1&#xa0;» directement vers le jeu de cartes.</translation>
    </message>
    <message>
        <source>The pictures folder &quot;%1&quot; is not beside the card database &quot;%2&quot;: keep both in one folder (links to that folder are fine).</source>
        <translation>Le dossier des images «&#xa0;%1&#xa0;» n’est pas à côté de la base de cartes «&#xa0;%2&#xa0;»&#xa0;: gardez les deux dans un même dossier (des liens vers ce dossier conviennent).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written (%2), so nothing was changed: check the free space and the folder&apos;s permissions, then try again.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être écrit (%2), donc rien n’a été modifié&#xa0;: vérifiez l’espace libre et les droits du dossier, puis réessayez.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; could not be changed (%2), so nothing was changed: check the free space, or check the file with pomwit-cards check.</source>
        <translation>La base de cartes «&#xa0;%1&#xa0;» n’a pas pu être modifiée (%2), donc rien n’a été modifié&#xa0;: vérifiez l’espace libre, ou vérifiez le fichier avec pomwit-cards check.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code: give one such as de, fr, es or pt-BR.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un code de langue&#xa0;: donnez-en un comme de, fr, es ou pt-BR.</translation>
    </message>
    <message>
        <source>The card set could not be kept in &quot;%1&quot; (%2), so nothing was changed: check the free space, then try again.</source>
        <translation>Le jeu de cartes n’a pas pu être gardé dans «&#xa0;%1&#xa0;» (%2), donc rien n’a été modifié&#xa0;: vérifiez l’espace libre, puis réessayez.</translation>
    </message>
    <message>
        <source>An interrupted change of the card set in &quot;%1&quot; was finished.</source>
        <translation>Une modification interrompue du jeu de cartes de «&#xa0;%1&#xa0;» a été terminée.</translation>
    </message>
    <message>
        <source>An interrupted change of the card set in &quot;%1&quot; was undone.</source>
        <translation>Une modification interrompue du jeu de cartes de «&#xa0;%1&#xa0;» a été annulée.</translation>
    </message>
    <message>
        <source>Removed &quot;%1&quot;, left over from an interrupted run.</source>
        <translation>«&#xa0;%1&#xa0;», reste d’une exécution interrompue, a été supprimé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is left over from an interrupted run: run sudo pomwit-cards check to clean it up.</source>
        <translation>«&#xa0;%1&#xa0;» reste d’une exécution interrompue&#xa0;: lancez sudo pomwit-cards check pour faire le ménage.</translation>
    </message>
    <message>
        <source>Card %1 has no word: delete it with sqlite3 &quot;%2&quot; &quot;DELETE FROM tblflashcards WHERE cardname IS NULL OR cardname = &apos;&apos;&quot;.</source>
        <translation>La carte %1 n’a pas de mot&#xa0;: supprimez-la avec sqlite3 &quot;%2&quot; &quot;DELETE FROM tblflashcards WHERE cardname IS NULL OR cardname = &apos;&apos;&quot;.</translation>
    </message>
    <message>
        <source>Card %1, &quot;%2&quot;, cannot have a picture: %3. Give it another word with pomwit-cards rename.</source>
        <translation>La carte %1, «&#xa0;%2&#xa0;», ne peut pas avoir d’image&#xa0;: %3. Donnez-lui un autre mot avec pomwit-cards rename.</translation>
    </message>
    <message>
        <source>Card %1, &quot;%2&quot;, has no picture &quot;%3&quot;: add one with pomwit-cards add --replace.</source>
        <translation>La carte %1, «&#xa0;%2&#xa0;», n’a pas d’image «&#xa0;%3&#xa0;»&#xa0;: ajoutez-en une avec pomwit-cards add --replace.</translation>
    </message>
    <message>
        <source>Card %1, &quot;%2&quot;: &quot;%3&quot; is not a readable 273 × 217 24-bit BMP picture (%4): replace it with pomwit-cards add --replace.</source>
        <translation>Carte %1, «&#xa0;%2&#xa0;»&#xa0;: «&#xa0;%3&#xa0;» n’est pas une image BMP 24 bits lisible de 273 × 217 (%4)&#xa0;: remplacez-la avec pomwit-cards add --replace.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to no card: add its card with pomwit-cards add, or delete it.</source>
        <translation>«&#xa0;%1&#xa0;» n’appartient à aucune carte&#xa0;: ajoutez sa carte avec pomwit-cards add, ou supprimez-le.</translation>
    </message>
    <message>
        <source>Cards %1 and %2, &quot;%3&quot; and &quot;%4&quot;, are one word written with different characters: remove one of them with pomwit-cards remove, copying its word from pomwit-cards list.</source>
        <translation>Les cartes %1 et %2, «&#xa0;%3&#xa0;» et «&#xa0;%4&#xa0;», sont un même mot écrit avec des caractères différents&#xa0;: retirez-en une avec pomwit-cards remove, en copiant son mot depuis pomwit-cards list.</translation>
    </message>
    <message>
        <source>There is already a card &quot;%1&quot; in &quot;%2&quot;, which differs from &quot;%3&quot; only in capitals, so the child could not tell the two apart: choose another word, or change that card&apos;s picture with pomwit-cards add --replace &quot;%1&quot; PICTURE.</source>
        <translation>Il y a déjà une carte «&#xa0;%1&#xa0;» dans «&#xa0;%2&#xa0;», qui ne diffère de «&#xa0;%3&#xa0;» que par les majuscules&#xa0;: l’enfant ne pourrait pas les distinguer. Choisissez un autre mot, ou changez l’image de cette carte avec pomwit-cards add --replace &quot;%1&quot; IMAGE.</translation>
    </message>
    <message>
        <source>The pictures for the card &quot;%1&quot; were refused (%2), so nothing was changed: add the picture again.</source>
        <translation>Les images de la carte «&#xa0;%1&#xa0;» ont été refusées (%2)&#xa0;: rien n’a donc été modifié. Ajoutez l’image à nouveau.</translation>
    </message>
    <message>
        <source>The recording for the card &quot;%1&quot; cannot be used (%2), so nothing was changed: record it again.</source>
        <translation>L’enregistrement de la carte «&#xa0;%1&#xa0;» ne peut pas être utilisé (%2)&#xa0;: rien n’a donc été modifié. Enregistrez-le à nouveau.</translation>
    </message>
    <message>
        <source>The card &quot;%1&quot; has no recording to remove.</source>
        <translation>La carte «&#xa0;%1&#xa0;» n’a pas d’enregistrement à retirer.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About . . app name</source>
        <translation>À propos de . . nom</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>App Name</source>
        <translation>Nom du programme</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>About </source>
        <translation>À propos de </translation>
    </message>
    <message>
        <source>NOTE: Until Import is implemented, you can add more cards by: 1) Copying the file into the pictures directory, and 2) Open the MDB file and add the picture&apos;s name to the table.</source>
        <translation>NOTE&#xa0;: en attendant l’import, ajoutez des cartes ainsi&#xa0;: 1) copiez l’image dans le dossier pictures, 2) ouvrez le fichier MDB et ajoutez le nom de l’image à la table.</translation>
    </message>
</context>
<context>
    <name>frmCard</name>
    <message>
        <source>FlashCard</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Card picture</source>
        <translation>Image de la carte</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>&amp;Show Word</source>
        <translation>&amp;Voir</translation>
    </message>
    <message>
        <source>Show Word</source>
        <translation>Montrer le mot</translation>
    </message>
    <message>
        <source>Type the first letter</source>
        <translation>Tape la première lettre</translation>
    </message>
    <message>
        <source>&amp;Next Card</source>
        <translation>&amp;Suivante</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Carte suivante</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Retour au menu principal</translation>
    </message>
    <message>
        <source>Card number</source>
        <translation>Numéro de la carte</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Next Word</source>
        <translation>Mot suivant</translation>
    </message>
    <message>
        <source>E&amp;xit to Main Menu</source>
        <translation>&amp;Retour au menu principal</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;À propos</translation>
    </message>
    <message>
        <source>This card&apos;s picture cannot be shown. Show Word tells which file it is.</source>
        <translation>L’image de cette carte ne peut pas être affichée. «&#xa0;Voir&#xa0;» indique de quel fichier il s’agit.</translation>
    </message>
    <message>
        <source>Another Pomwit is playing full screen on this desktop.</source>
        <translation>Un autre Pomwit joue déjà en plein écran sur ce bureau.</translation>
    </message>
    <message>
        <source>All cards have been played.  Click OK to reshuffle the stack.</source>
        <translation>Toutes les cartes ont été jouées.  Cliquez sur OK pour mélanger à nouveau le paquet.</translation>
    </message>
</context>
<context>
    <name>frmImportCards</name>
    <message>
        <source>Import New Card Set</source>
        <translation>Importer un nouveau jeu de cartes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>Car&amp;ds:</source>
        <translation>&amp;Cartes&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Renommer…</translation>
    </message>
    <message>
        <source>Re&amp;move…</source>
        <translation>Re&amp;tirer…</translation>
    </message>
    <message>
        <source>&amp;Keep It</source>
        <translation>&amp;Garder</translation>
    </message>
    <message>
        <source>&amp;Add Pictures…</source>
        <translation>&amp;Ajouter des images…</translation>
    </message>
    <message>
        <source>New pictures</source>
        <translation>Nouvelles images</translation>
    </message>
    <message>
        <source>&amp;New pictures (type each one&apos;s word):</source>
        <translation>&amp;Nouvelles images (tapez le mot de chacune)&#xa0;:</translation>
    </message>
    <message>
        <source>Preview of the card</source>
        <translation>Aperçu de la carte</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Leave Out</source>
        <translation>&amp;Laisser de côté</translation>
    </message>
    <message>
        <source>&amp;Save the New Cards</source>
        <translation>&amp;Enregistrer les nouvelles cartes</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 carte</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 cartes</translation>
    </message>
    <message>
        <source>There is already a card &quot;%1&quot;: choose another word.</source>
        <translation>Il y a déjà une carte «&#xa0;%1&#xa0;»&#xa0;: choisissez un autre mot.</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>Ajouter des images</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.webp *.bmp *.svg *.JPG *.JPEG *.PNG)</source>
        <translation>Images (*.jpg *.jpeg *.png *.gif *.webp *.bmp *.svg *.JPG *.JPEG *.PNG)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Choose a card in the list first.</source>
        <translation>Choisissez d’abord une carte dans la liste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a card&apos;s word: %2.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être le mot d’une carte&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Rename the card &quot;%1&quot; to &quot;%2&quot;?</source>
        <translation>Renommer la carte «&#xa0;%1&#xa0;» en «&#xa0;%2&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>Remove the card &quot;%1&quot; and its pictures?</source>
        <translation>Retirer la carte «&#xa0;%1&#xa0;» et ses images&#xa0;?</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Re&amp;tirer</translation>
    </message>
    <message>
        <source>Changing the card set…</source>
        <translation>Modification du jeu de cartes…</translation>
    </message>
    <message>
        <source>%v of %m pictures read</source>
        <translation>%v images lues sur %m</translation>
    </message>
    <message>
        <source>Remove the recording of the card &quot;%1&quot;?</source>
        <translation>Supprimer l’enregistrement de la carte «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Begin Flash Cards</source>
        <translation>&amp;Commencer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Start Flash Cards</source>
        <translation>&amp;Commencer les cartes</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Import New Cards</source>
        <translation>Importer des cartes</translation>
    </message>
    <message>
        <source>Select speech engine</source>
        <translation>Choisir la voix</translation>
    </message>
    <message>
        <source>Select speech engine:</source>
        <translation>Choisir la voix&#xa0;:</translation>
    </message>
    <message>
        <source>Select language:</source>
        <translation>Choisir la langue&#xa0;:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>F&amp;ermer</translation>
    </message>
    <message>
        <source>The speech voices could not be read or chosen.</source>
        <translation>Les voix n’ont pas pu être lues ou choisies.</translation>
    </message>
    <message>
        <source>No voices are installed.</source>
        <translation>Aucune voix n’est installée.</translation>
    </message>
    <message>
        <source>Select language</source>
        <translation>Choisir la langue</translation>
    </message>
    <message>
        <source>This card set is an Access file, which has no place for a language. Convert it first, in a terminal: sudo pomwit-cards convert</source>
        <translation>Ce jeu de cartes est un fichier Access, qui n’a pas de place pour une langue. Convertissez-le d’abord, dans un terminal&#xa0;: sudo pomwit-cards convert</translation>
    </message>
</context>
<context>
    <name>largePictureHeader</name>
    <message>
        <source>the large picture is not a JPEG file</source>
        <translation>la grande image n’est pas un fichier JPEG</translation>
    </message>
    <message>
        <source>the large picture is not a PNG file</source>
        <translation>la grande image n’est pas un fichier PNG</translation>
    </message>
    <message>
        <source>the large picture is neither a JPEG nor a PNG file</source>
        <translation>la grande image n’est ni un fichier JPEG ni un fichier PNG</translation>
    </message>
    <message>
        <source>the large picture&apos;s header gives no size</source>
        <translation>l’en-tête de la grande image ne donne pas de taille</translation>
    </message>
    <message>
        <source>the large picture is larger than %1 pixels on a side</source>
        <translation>la grande image dépasse %1 pixels de côté</translation>
    </message>
</context>
<context>
    <name>recordingFile</name>
    <message>
        <source>it is not a file</source>
        <translation>ce n’est pas un fichier</translation>
    </message>
    <message>
        <source>it points outside the pictures folder</source>
        <translation>il renvoie hors du dossier des images</translation>
    </message>
    <message>
        <source>it is too large (%1 MB)</source>
        <translation>il est trop grand (%1 Mo)</translation>
    </message>
</context>
<context>
    <name>recordingImport</name>
    <message>
        <source>There is no sound file &quot;%1&quot;: check the file&apos;s name and folder.</source>
        <translation>Il n’y a pas de fichier son «&#xa0;%1&#xa0;»&#xa0;: vérifiez le nom et le dossier du fichier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a sound file but a folder or a special file: name a sound file.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier son mais un dossier ou un fichier spécial&#xa0;: indiquez un fichier son.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used: it is far longer than the %2 seconds a recording may last. Cut it shorter first.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être utilisé&#xa0;: il dure bien plus que les %2 secondes permises pour un enregistrement. Raccourcissez-le d’abord.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read (%2): check the file&apos;s permissions.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être lu (%2)&#xa0;: vérifiez les droits du fichier.</translation>
    </message>
    <message>
        <source> Name a sound file: Ogg, Opus, FLAC, WAV or MP3.</source>
        <translation> Indiquez un fichier son&#xa0;: Ogg, Opus, FLAC, WAV ou MP3.</translation>
    </message>
    <message>
        <source> Convert it first, with ffmpeg -i %1 %2, then use that file.</source>
        <translation> Convertissez-le d’abord avec ffmpeg -i %1 %2, puis utilisez ce fichier.</translation>
    </message>
    <message>
        <source> Copy it again from where it came from.</source>
        <translation> Copiez-le à nouveau depuis son origine.</translation>
    </message>
    <message>
        <source> Cut it shorter first.</source>
        <translation> Raccourcissez-le d’abord.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used: %2.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être utilisé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be encoded: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être encodé&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>storeMessages</name>
    <message>
        <source>The card set cannot be found: there is no file &quot;%1&quot;.

Put the card database pomwit.mdb back in the folder &quot;%2&quot;, or reinstall Pomwit to get the bundled cards.</source>
        <translation>Le jeu de cartes est introuvable&#xa0;: il n’y a pas de fichier «&#xa0;%1&#xa0;».

Remettez la base de cartes pomwit.mdb dans le dossier «&#xa0;%2&#xa0;», ou réinstallez Pomwit pour retrouver les cartes fournies.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be opened (%2).

Check that your user may read the file and the folder it is in.</source>
        <translation>La base de cartes «&#xa0;%1&#xa0;» ne peut pas être ouverte (%2).

Vérifiez que votre utilisateur a le droit de lire le fichier et son dossier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file but a folder or a special file, so it cannot be the card database.

Move it away and put the card database pomwit.mdb in its place.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier mais un dossier ou un fichier spécial&#xa0;: ce ne peut pas être la base de cartes.

Déplacez-le et mettez la base de cartes pomwit.mdb à sa place.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is empty (0 bytes).

Replace it with a copy of your card set.</source>
        <translation>La base de cartes «&#xa0;%1&#xa0;» est vide (0 octet).

Remplacez-la par une copie de votre jeu de cartes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a card database that Pomwit can read.

Replace it with your card set, saved as a SQLite or Access database with the table tblflashcards.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une base de cartes que Pomwit sait lire.

Remplacez-la par votre jeu de cartes, enregistré comme base SQLite ou Access avec la table tblflashcards.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is damaged (%2).

Replace it with a backup copy of your card set.</source>
        <translation>La base de cartes «&#xa0;%1&#xa0;» est endommagée (%2).

Remplacez-la par une copie de sauvegarde de votre jeu de cartes.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; has no table tblflashcards.

Add the table tblflashcards, with a text column cardname that holds one word per card.</source>
        <translation>La base de cartes «&#xa0;%1&#xa0;» n’a pas de table tblflashcards.

Ajoutez la table tblflashcards, avec une colonne de texte cardname qui contient un mot par carte.</translation>
    </message>
    <message>
        <source>The table tblflashcards in &quot;%1&quot; has no column cardname.

Add a text column cardname that holds one word per card.</source>
        <translation>La table tblflashcards de «&#xa0;%1&#xa0;» n’a pas de colonne cardname.

Ajoutez une colonne de texte cardname qui contient un mot par carte.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is locked by another program.

Save your changes in that program or close it, then try again.</source>
        <translation>La base de cartes «&#xa0;%1&#xa0;» est verrouillée par un autre programme.

Enregistrez vos modifications dans ce programme ou fermez-le, puis réessayez.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; was left half-changed by an interrupted change of the card set.

Run sudo pomwit-cards check to repair it, then try again.</source>
        <translation>La base de cartes «&#xa0;%1&#xa0;» est restée à moitié modifiée après une modification interrompue du jeu de cartes.

Lancez sudo pomwit-cards check pour la réparer, puis réessayez.</translation>
    </message>
    <message>
        <source>Card %1 of &quot;%2&quot; has no word, so it cannot be shown.

Type a word in its cardname field in the table tblflashcards, or delete the row.</source>
        <translation>La carte %1 de «&#xa0;%2&#xa0;» n’a pas de mot&#xa0;: elle ne peut pas être montrée.

Tapez un mot dans son champ cardname de la table tblflashcards, ou supprimez la ligne.</translation>
    </message>
    <message>
        <source>The card set &quot;%1&quot; has no cards yet.

Copy a picture into the pictures folder and add its name to the table tblflashcards.</source>
        <translation>Le jeu de cartes «&#xa0;%1&#xa0;» n’a pas encore de cartes.

Copiez une image dans le dossier des images et ajoutez son nom à la table tblflashcards.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; could not be read (%2).

Check the file with your database program, or replace it with a copy of your card set.</source>
        <translation>La base de cartes «&#xa0;%1&#xa0;» n’a pas pu être lue (%2).

Vérifiez le fichier avec votre programme de base de données, ou remplacez-le par une copie de votre jeu de cartes.</translation>
    </message>
    <message>
        <source>The card &quot;%1&quot; has no picture: a card word may not contain &quot;/&quot; or &quot;\&quot;, nor be &quot;.&quot; or &quot;..&quot;. Rename the card in the table tblflashcards of &quot;%2&quot;.</source>
        <translation>La carte «&#xa0;%1&#xa0;» n’a pas d’image&#xa0;: un mot de carte ne peut contenir ni «&#xa0;/&#xa0;» ni «&#xa0;\&#xa0;», ni être «&#xa0;.&#xa0;» ou «&#xa0;..&#xa0;». Renommez la carte dans la table tblflashcards de «&#xa0;%2&#xa0;».</translation>
    </message>
</context>
</TS>
