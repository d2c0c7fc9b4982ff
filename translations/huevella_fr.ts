<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CodeMenu</name>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>%1 copié</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Copier %1</translation>
    </message>
    <message>
        <source>Copy %1 (ΔE %2)</source>
        <translation>Copier %1 (ΔE %2)</translation>
    </message>
    <message>
        <source>Contrast %1 on white, %2 on black</source>
        <translation>Contraste %1 sur blanc, %2 sur noir</translation>
    </message>
    <message>
        <source>APCA Lc %1 on white, %2 on black</source>
        <translation>APCA Lc %1 sur blanc, %2 sur noir</translation>
    </message>
    <message>
        <source>A Click Copies</source>
        <translation>Un clic copie</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Colour %1</source>
        <translation>Couleur %1</translation>
    </message>
    <message>
        <source>Caption %1</source>
        <translation>Code %1</translation>
    </message>
    <message>
        <source>Card colour %1</source>
        <translation>Couleur de carte %1</translation>
    </message>
    <message>
        <source>Card caption %1</source>
        <translation>Code de carte %1</translation>
    </message>
    <message>
        <source>Card title</source>
        <translation>Titre de la carte</translation>
    </message>
    <message>
        <source>Picker colour</source>
        <translation>Couleur de la pipette</translation>
    </message>
    <message>
        <source>Picker caption</source>
        <translation>Code de la pipette</translation>
    </message>
    <message>
        <source>Picker message</source>
        <translation>Message de la pipette</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Loupe</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>Hue slider</source>
        <translation>Curseur de teinte</translation>
    </message>
    <message>
        <source>Saturation slider</source>
        <translation>Curseur de saturation</translation>
    </message>
    <message>
        <source>Luminance slider</source>
        <translation>Curseur de luminosité</translation>
    </message>
    <message>
        <source>Saturation palette</source>
        <translation>Bande de saturation</translation>
    </message>
    <message>
        <source>Luminance palette</source>
        <translation>Bande de luminosité</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Teinte</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Hex code</source>
        <translation>Code hexadécimal</translation>
    </message>
    <message>
        <source>Swatch</source>
        <translation>Échantillon</translation>
    </message>
    <message>
        <source>Scheme %1 colour %2</source>
        <translation>Harmonie %1, couleur %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Colour Picker</source>
        <translation>Sélecteur de couleurs</translation>
    </message>
    <message>
        <source>Collect, adjust and keep colours with their hex codes</source>
        <translation>Collecter, ajuster et conserver des couleurs avec leurs codes hexadécimaux</translation>
    </message>
    <message>
        <source>colour;color;picker;palette;eyedropper;hex;</source>
        <translation>couleur;sélecteur;palette;pipette;hexadécimal;colour;color;picker;</translation>
    </message>
    <message>
        <source>Pick a Colour</source>
        <translation>Prélever une couleur</translation>
    </message>
</context>
<context>
    <name>Forms</name>
    <message>
        <source>Huevella</source>
        <translation>Huevella</translation>
    </message>
    <message>
        <source>Drag Eyedropper to Choose Color</source>
        <translation>Faire glisser la pipette pour choisir une couleur</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Collapse Cards</source>
        <translation>Replier les cartes</translation>
    </message>
    <message>
        <source>Clear Card</source>
        <translation>Vider la carte</translation>
    </message>
    <message>
        <source>Previous Card</source>
        <translation>Carte précédente</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Carte suivante</translation>
    </message>
    <message>
        <source>Color Palette</source>
        <translation>Palette de couleurs</translation>
    </message>
    <message>
        <source>Swatch Card</source>
        <translation>Carte de couleurs</translation>
    </message>
    <message>
        <source>Pick from Screen</source>
        <translation>Prélever à l’écran</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importer…</translation>
    </message>
    <message>
        <source>Preview Files</source>
        <translation>Aperçu des fichiers</translation>
    </message>
    <message>
        <source>To System Tray</source>
        <translation>Réduire dans la zone de notification</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Huevella Files (*.hvz)|*.hvz</source>
        <translation>Fichiers Huevella (*.hvz)|*.hvz</translation>
    </message>
    <message>
        <source>Huevella File (*.hvz)|*.hvz</source>
        <translation>Fichier Huevella (*.hvz)|*.hvz</translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl)|*.gpl|Adobe Swatch Exchange (*.ase)|*.ase|CSS Custom Properties (*.css)|*.css|JSON (*.json)|*.json</source>
        <translation>Palette GIMP (*.gpl)|*.gpl|Adobe Swatch Exchange (*.ase)|*.ase|Propriétés personnalisées CSS (*.css)|*.css|JSON (*.json)|*.json</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl)|*.gpl</source>
        <translation>Palette GIMP (*.gpl)|*.gpl</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Right Click to Adjust Color</source>
        <translation>Clic droit pour ajuster la couleur</translation>
    </message>
    <message>
        <source>Add Card to Book</source>
        <translation>Ajouter la carte au carnet</translation>
    </message>
    <message>
        <source>Slider</source>
        <translation>Curseur</translation>
    </message>
    <message>
        <source>Click to Copy</source>
        <translation>Cliquer pour copier</translation>
    </message>
    <message>
        <source>Suggest Color Schemes</source>
        <translation>Suggérer des harmonies de couleurs</translation>
    </message>
    <message>
        <source>Screen Picker</source>
        <translation>Pipette d’écran</translation>
    </message>
    <message>
        <source>Suggested Color Schemes</source>
        <translation>Harmonies suggérées</translation>
    </message>
    <message>
        <source>Space renames the card</source>
        <translation>Espace renomme la carte</translation>
    </message>
    <message>
        <source>Space picks: the arrow keys move, Enter takes the colour, Escape cancels</source>
        <translation>Espace lance la pipette&#xa0;: les flèches déplacent, Entrée prélève la couleur, Échap annule</translation>
    </message>
    <message>
        <source>Space puts the colour taken here; the Menu key adjusts it</source>
        <translation>Espace place ici la couleur prélevée&#x202f;; la touche Menu l’ajuste</translation>
    </message>
    <message>
        <source>Enter copies the code; the Menu key lists its other forms</source>
        <translation>Entrée copie le code&#x202f;; la touche Menu affiche ses autres formes</translation>
    </message>
    <message>
        <source>Pixels averaged: the keys 1, 3, 5 and 7 choose 1×1 to 7×7</source>
        <translation>Pixels moyennés&#xa0;: les touches 1, 3, 5 et 7 choisissent de 1×1 à 7×7</translation>
    </message>
    <message>
        <source>Enlargement: the wheel, or + and -, changes it</source>
        <translation>Agrandissement&#xa0;: la molette, ou + et -, le modifie</translation>
    </message>
    <message>
        <source>Recent Colours</source>
        <translation>Couleurs récentes</translation>
    </message>
</context>
<context>
    <name>FrozenScreen</name>
    <message>
        <source>Huevella: pick a colour</source>
        <translation>Huevella&#xa0;: prélever une couleur</translation>
    </message>
</context>
<context>
    <name>Preview page</name>
    <message>
        <source>Huevella — preview book files</source>
        <translation>Huevella — aperçu des carnets</translation>
    </message>
    <message>
        <source>HUEVELLA · BOOK FILES</source>
        <translation>HUEVELLA · CARNETS</translation>
    </message>
    <message>
        <source>Choose one or more &lt;code&gt;.hvz&lt;/code&gt; book files to see their cards. Click a code to copy it.</source>
        <translation>Choisissez un ou plusieurs carnets &lt;code&gt;.hvz&lt;/code&gt; pour voir leurs cartes. Cliquez sur un code pour le copier.</translation>
    </message>
    <message>
        <source>Choose books…</source>
        <translation>Choisir des carnets…</translation>
    </message>
    <message>
        <source>Click to Copy</source>
        <translation>Cliquer pour copier</translation>
    </message>
    <message>
        <source>Contrast </source>
        <translation>Contraste </translation>
    </message>
    <message>
        <source>Not a book file: </source>
        <translation>Ce n’est pas un carnet&#xa0;: </translation>
    </message>
    <message>
        <source>the first line is not a card count</source>
        <translation>la première ligne n’est pas un nombre de cartes</translation>
    </message>
    <message>
        <source>card %1 is incomplete</source>
        <translation>la carte %1 est incomplète</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file holds binary data, not a book</source>
        <translation>le fichier contient des données binaires, pas un carnet</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>a card count from 0 to 9 was expected</source>
        <translation>un nombre de cartes de 0 à 9 était attendu</translation>
    </message>
    <message>
        <source>the file ends before card %1 is complete</source>
        <translation>le fichier s’arrête avant la fin de la carte %1</translation>
    </message>
    <message>
        <source>a colour number was expected</source>
        <translation>un numéro de couleur était attendu</translation>
    </message>
    <message>
        <source>the colour number is out of range</source>
        <translation>le numéro de couleur est hors limites</translation>
    </message>
    <message>
        <source>a colour code of at most 7 characters, or &quot;space&quot;, was expected</source>
        <translation>un code couleur de 7 caractères au plus, ou «&#x202f;space&#x202f;», était attendu</translation>
    </message>
    <message>
        <source>the file goes on after the last card</source>
        <translation>le fichier continue après la dernière carte</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB, too large to be a book</source>
        <translation>il dépasse 64 Kio, c’est trop gros pour un carnet</translation>
    </message>
    <message>
        <source>it is larger than %1 KiB, too large to be read</source>
        <translation>il dépasse %1 Kio, c’est trop gros pour être lu</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>il ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>another program is saving it; try again in a moment</source>
        <translation>un autre programme est en train de l’enregistrer&#x202f;; réessayez dans un instant</translation>
    </message>
    <message>
        <source>another program changed it meanwhile</source>
        <translation>un autre programme l’a modifié entre-temps</translation>
    </message>
    <message>
        <source>&quot;GIMP Palette&quot; was expected</source>
        <translation>«&#x202f;GIMP Palette&#x202f;» était attendu</translation>
    </message>
    <message>
        <source>three channel numbers from 0 to 255 were expected</source>
        <translation>trois valeurs de canal de 0 à 255 étaient attendues</translation>
    </message>
    <message>
        <source>the channel &apos;%1&apos; is out of range (0 to 255)</source>
        <translation>la valeur de canal «&#x202f;%1&#x202f;» est hors limites (0 à 255)</translation>
    </message>
    <message>
        <source>the palette has no colours</source>
        <translation>la palette ne contient aucune couleur</translation>
    </message>
    <message>
        <source>%1 colours, and a book holds %2: %3</source>
        <translation>%1 couleurs, alors qu’un carnet peut en contenir %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 colours, kept to their cards, need more than %2 cards: %3</source>
        <translation>%1 couleurs qui, rangées par carte, demandent plus de %2 cartes&#xa0;: %3</translation>
    </message>
    <message>
        <source>the last colour is left out</source>
        <translation>la dernière couleur est laissée de côté</translation>
    </message>
    <message>
        <source>the last %1 colours are left out</source>
        <translation>les %1 dernières couleurs sont laissées de côté</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>no such file or directory</source>
        <translation>fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>no space left on device</source>
        <translation>plus d’espace disponible sur le périphérique</translation>
    </message>
    <message>
        <source>read-only file system</source>
        <translation>système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>disk quota exceeded</source>
        <translation>quota de disque dépassé</translation>
    </message>
    <message>
        <source>file name too long</source>
        <translation>nom de fichier trop long</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>est un dossier</translation>
    </message>
    <message>
        <source>not a directory</source>
        <translation>n’est pas un dossier</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>erreur d’entrée/sortie</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>trop de niveaux de liens symboliques</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>opération non autorisée</translation>
    </message>
    <message>
        <source>it is a link another user made, and is not followed</source>
        <translation>c’est un lien créé par un autre utilisateur, et il n’est pas suivi</translation>
    </message>
    <message>
        <source>it was replaced by another file while it was being saved, and was not written</source>
        <translation>il a été remplacé par un autre fichier pendant l’enregistrement, et n’a pas été écrit</translation>
    </message>
    <message>
        <source>the book as it was could not be kept first (%1)</source>
        <translation>le carnet tel qu’il était n’a pas pu être conservé d’abord (%1)</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nom de fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Fichiers de type&#xa0;:</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Le fichier %1 existe déjà.
Voulez-vous le remplacer&#x202f;?</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Fichier introuvable.
Veuillez vérifier que le nom du fichier est correct.</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Invalid filename</source>
        <translation>Nom de fichier invalide</translation>
    </message>
</context>
<context>
    <name>Recent</name>
    <message>
        <source>Unreadable, set aside: %1</source>
        <translation>Illisible, mis de côté&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TfrmHuevella</name>
    <message>
        <source>No cards</source>
        <translation>Aucune carte</translation>
    </message>
    <message>
        <source>Card %1 of %2</source>
        <translation>Carte %1 sur %2</translation>
    </message>
    <message>
        <source>Card cleared. %1</source>
        <translation>Carte vidée. %1</translation>
    </message>
    <message>
        <source>Card added. %1</source>
        <translation>Carte ajoutée. %1</translation>
    </message>
    <message>
        <source>The book could not be saved to &quot;%1&quot;: %2.

Nothing was lost: the book is still open.</source>
        <translation>Le carnet n’a pas pu être enregistré dans «&#x202f;%1&#x202f;»&#xa0;: %2.

Rien n’est perdu&#xa0;: le carnet est toujours ouvert.</translation>
    </message>
    <message>
        <source>The book &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Le carnet «&#x202f;%1&#x202f;» ne peut pas être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Save changes to huevella?</source>
        <translation>Enregistrer les modifications de huevella&#x202f;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has been changed by another program since it was opened or saved.

Do you want to replace it with this book? (No saves this book under another name.)</source>
        <translation>«&#x202f;%1&#x202f;» a été modifié par un autre programme depuis son ouverture ou son enregistrement.

Voulez-vous le remplacer par ce carnet&#x202f;? («&#x202f;Non&#x202f;» enregistre ce carnet sous un autre nom.)</translation>
    </message>
    <message>
        <source>%1 other books were asked for while Huevella was waiting for an answer; only the last one, &quot;%2&quot;, was taken.</source>
        <translation>%1 autres carnets ont été demandés pendant que Huevella attendait une réponse&#x202f;; seul le dernier, «&#x202f;%2&#x202f;», a été ouvert.</translation>
    </message>
    <message>
        <source>An unsaved book was kept at &quot;%1&quot;, but it cannot be opened.</source>
        <translation>Un carnet non enregistré a été conservé dans «&#x202f;%1&#x202f;», mais il ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>An unsaved book was kept at &quot;%1&quot;, but it cannot be opened: %2.</source>
        <translation>Un carnet non enregistré a été conservé dans «&#x202f;%1&#x202f;», mais il ne peut pas être ouvert&#xa0;: %2.</translation>
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
        <source>Huevella ended before an unnamed book (%1) was saved.

Recover the unsaved book?</source>
        <translation>Huevella s’est arrêté avant l’enregistrement d’un carnet sans nom (%1).

Récupérer le carnet non enregistré&#x202f;?</translation>
    </message>
    <message>
        <source>Huevella ended before &quot;%1&quot; (%2) was saved.

Recover the unsaved book?</source>
        <translation>Huevella s’est arrêté avant l’enregistrement de «&#x202f;%1&#x202f;» (%2).

Récupérer le carnet non enregistré&#x202f;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the book that is open: the colours are not exported over it.

Choose another name.</source>
        <translation>«&#x202f;%1&#x202f;» est le carnet ouvert&#xa0;: les couleurs ne sont pas exportées par-dessus.

Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.

Do you want to replace it?</source>
        <translation>«&#x202f;%1&#x202f;» existe déjà.

Voulez-vous le remplacer&#x202f;?</translation>
    </message>
    <message>
        <source>The colours could not be exported to &quot;%1&quot;: %2.

The book is as it was.</source>
        <translation>Les couleurs n’ont pas pu être exportées dans «&#x202f;%1&#x202f;»&#xa0;: %2.

Le carnet est resté tel quel.</translation>
    </message>
    <message>
        <source>The palette &quot;%1&quot; cannot be imported: %2.</source>
        <translation>La palette «&#x202f;%1&#x202f;» ne peut pas être importée&#xa0;: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2.</source>
        <translation>«&#x202f;%1&#x202f;» contient %2.</translation>
    </message>
    <message>
        <source>Card %1 colour %2</source>
        <translation>Carte %1, couleur %2</translation>
    </message>
    <message>
        <source>Card %1 title</source>
        <translation>Titre de la carte %1</translation>
    </message>
    <message>
        <source>Preview Files could not open the page &quot;%1&quot;: this desktop has no program to open it with. Open the page in your web browser.</source>
        <translation>L’aperçu des fichiers n’a pas pu ouvrir la page «&#x202f;%1&#x202f;»&#xa0;: ce bureau n’a aucun programme pour l’ouvrir. Ouvrez la page dans votre navigateur web.</translation>
    </message>
    <message>
        <source>Huevella</source>
        <translation>Huevella</translation>
    </message>
    <message>
        <source>1 other book was asked for while Huevella was waiting for an answer; only the last one, &quot;%1&quot;, was taken.</source>
        <translation>1 autre carnet a été demandé pendant que Huevella attendait une réponse&#x202f;; seul le dernier, «&#x202f;%1&#x202f;», a été ouvert.</translation>
    </message>
    <message>
        <source>Huevella was stopped while saving %1: the book before that save was kept. Put it back?</source>
        <translation>Huevella a été arrêté pendant l’enregistrement de %1&#xa0;: le carnet d’avant cet enregistrement a été conservé. Le rétablir&#x202f;?</translation>
    </message>
    <message>
        <source>%1 was put back as it was before the save.</source>
        <translation>%1 a été rétabli tel qu’il était avant l’enregistrement.</translation>
    </message>
    <message>
        <source>%1 could not be put back: %2.</source>
        <translation>%1 n’a pas pu être rétabli&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Title: %1</source>
        <translation>Titre&#xa0;: %1</translation>
    </message>
    <message>
        <source>Saved, %1</source>
        <translation>Enregistré, %1</translation>
    </message>
    <message>
        <source>No colours taken yet</source>
        <translation>Aucune couleur prélevée pour l’instant</translation>
    </message>
</context>
<context>
    <name>TfrmMivoSlider</name>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>Luminosité</translation>
    </message>
</context>
<context>
    <name>TfrmScreenPicker</name>
    <message>
        <source>Asking the desktop for a picture of the screen…</source>
        <translation>Demande d’une capture d’écran au bureau…</translation>
    </message>
    <message>
        <source>Asking…</source>
        <translation>Demande…</translation>
    </message>
    <message>
        <source>The desktop is asking whether Huevella may see the screen: answer it there</source>
        <translation>Le bureau demande si Huevella peut voir l’écran&#xa0;: répondez-y</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>The desktop lets Huevella see the screen now: press the eyedropper again</source>
        <translation>Huevella peut maintenant voir l’écran&#xa0;: appuyez de nouveau sur la pipette</translation>
    </message>
    <message>
        <source>No picture of the screen here: click a colour with the desktop&apos;s own picker</source>
        <translation>Pas de capture d’écran ici&#xa0;: cliquez sur une couleur avec la pipette du bureau</translation>
    </message>
    <message>
        <source>No magnifier here: the desktop&apos;s picker took this colour</source>
        <translation>Pas de loupe ici&#xa0;: la pipette du bureau a prélevé cette couleur</translation>
    </message>
    <message>
        <source>Can&apos;t read</source>
        <translation>Pas d’accès</translation>
    </message>
    <message>
        <source>This desktop does not let programs read the screen</source>
        <translation>Ce bureau ne laisse pas les programmes lire l’écran</translation>
    </message>
    <message>
        <source>The screenshot service failed: wlroots desktops (sway) need grim and slurp</source>
        <translation>Le service de capture a échoué&#xa0;: les bureaux wlroots (sway) ont besoin de grim et slurp</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service failed</source>
        <translation>Le service de capture d’écran du bureau a échoué</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>The desktop&apos;s picture of the screen was cancelled</source>
        <translation>La capture d’écran du bureau a été annulée</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Sans réponse</translation>
    </message>
    <message>
        <source>The desktop did not answer the request for a picture of the screen</source>
        <translation>Le bureau n’a pas répondu à la demande de capture d’écran</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Taken, %1</source>
        <translation>Prélevée, %1</translation>
    </message>
    <message>
        <source>Picked colour</source>
        <translation>Couleur prélevée</translation>
    </message>
    <message>
        <source>Picked colour code</source>
        <translation>Code de la couleur prélevée</translation>
    </message>
    <message>
        <source>The desktop&apos;s picker was cancelled</source>
        <translation>La pipette du bureau a été annulée</translation>
    </message>
    <message>
        <source>One pixel</source>
        <translation>Un pixel</translation>
    </message>
    <message>
        <source>Average of %1×%1 pixels</source>
        <translation>Moyenne de %1×%1 pixels</translation>
    </message>
    <message>
        <source>Enlarged %1 times</source>
        <translation>Agrandi %1 fois</translation>
    </message>
    <message>
        <source>%1, the average of the %2 pixels on the screen</source>
        <translation>%1, la moyenne des %2 pixels à l’écran</translation>
    </message>
    <message>
        <source>Taken, %1, as card colour %2; picking goes on</source>
        <translation>Prélevée, %1, en couleur de carte %2&#xa0;; la pipette reste active</translation>
    </message>
    <message>
        <source>Done, taken: %1</source>
        <translation>Terminé, prélevées&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TfrmSuggestSchemes</name>
    <message>
        <source>Schemes</source>
        <translation>Harmonies</translation>
    </message>
</context>
<context>
    <name>TfrmSwatchCard</name>
    <message>
        <source>Only ten cards are permitted in each huevella.
 Do you wish to open a new book?</source>
        <translation>Un carnet Huevella ne peut contenir que dix cartes.
Voulez-vous ouvrir un nouveau carnet&#x202f;?</translation>
    </message>
</context>
</TS>
