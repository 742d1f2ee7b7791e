<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AutoStart</name>
    <message>
        <source>Could not read the auto-start entry %s: %s.</source>
        <translation>Impossible de lire l&apos;entrée de démarrage automatique %s&#xa0;: %s.</translation>
    </message>
    <message>
        <source>Could not write the auto-start entry %s: %s. Orvella will not start when you log in.</source>
        <translation>Impossible d&apos;écrire l&apos;entrée de démarrage automatique %s&#xa0;: %s. Orvella ne démarrera pas à l&apos;ouverture de session.</translation>
    </message>
    <message>
        <source>Could not remove the auto-start entry %s: %s. Orvella will still start when you log in.</source>
        <translation>Impossible de supprimer l&apos;entrée de démarrage automatique %s&#xa0;: %s. Orvella démarrera toujours à l&apos;ouverture de session.</translation>
    </message>
    <message>
        <source>Auto-start cannot be set for this folder name: %s. Desktop entries hold only UTF-8 text without control characters; move Orvella to a folder whose name is valid UTF-8 text.</source>
        <translation>Le démarrage automatique ne peut pas être activé pour ce nom de dossier&#xa0;: %s. Les entrées de bureau ne contiennent que du texte UTF-8 sans caractères de contrôle&#xa0;; déplacez Orvella dans un dossier dont le nom est un texte UTF-8 valide.</translation>
    </message>
    <message>
        <source>it is not a desktop entry with an Exec line</source>
        <translation>ce n&apos;est pas une entrée de bureau avec une ligne Exec</translation>
    </message>
    <message>
        <source>its Exec line has a quote that is never closed</source>
        <translation>sa ligne Exec contient un guillemet qui n&apos;est jamais fermé</translation>
    </message>
    <message>
        <source>%s is not a folder</source>
        <translation>%s n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>the file could not be replaced</source>
        <translation>le fichier n&apos;a pas pu être remplacé</translation>
    </message>
</context>
<context>
    <name>Branding</name>
    <message>
        <source>
Patent Pending

Copyright © %s %s. All rights reserved.
Note: %s is a division of %s.</source>
        <translation>
Brevet en instance

Copyright © %s %s. Tous droits réservés.
Remarque&#xa0;: %s est une division de %s.</translation>
    </message>
    <message>
        <source>%s Online Resource</source>
        <translation>%s – ressources en ligne</translation>
    </message>
    <message>
        <source>Visit %s for more information</source>
        <translation>Plus d&apos;informations sur %s</translation>
    </message>
</context>
<context>
    <name>Colors</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Sarcelle</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert citron</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Money Green</source>
        <translation>Vert billet</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Bleu ciel</translation>
    </message>
    <message>
        <source>Cream</source>
        <translation>Crème</translation>
    </message>
    <message>
        <source>Medium Gray</source>
        <translation>Gris moyen</translation>
    </message>
    <message>
        <source>Active Border</source>
        <translation>Bordure active</translation>
    </message>
    <message>
        <source>Active Caption</source>
        <translation>Titre actif</translation>
    </message>
    <message>
        <source>Application Workspace</source>
        <translation>Espace de travail</translation>
    </message>
    <message>
        <source>Desktop Background</source>
        <translation>Arrière-plan du bureau</translation>
    </message>
    <message>
        <source>Button Face</source>
        <translation>Face de bouton</translation>
    </message>
    <message>
        <source>Button Highlight</source>
        <translation>Lumière de bouton</translation>
    </message>
    <message>
        <source>Button Shadow</source>
        <translation>Ombre de bouton</translation>
    </message>
    <message>
        <source>Button Text</source>
        <translation>Texte de bouton</translation>
    </message>
    <message>
        <source>Caption Text</source>
        <translation>Texte de titre</translation>
    </message>
    <message>
        <source>Gradient Active Caption</source>
        <translation>Dégradé du titre actif</translation>
    </message>
    <message>
        <source>Gradient Inactive Caption</source>
        <translation>Dégradé du titre inactif</translation>
    </message>
    <message>
        <source>Gray Text</source>
        <translation>Texte grisé</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Highlight Text</source>
        <translation>Texte sélectionné</translation>
    </message>
    <message>
        <source>Hot Light</source>
        <translation>Survol</translation>
    </message>
    <message>
        <source>Inactive Border</source>
        <translation>Bordure inactive</translation>
    </message>
    <message>
        <source>Inactive Caption</source>
        <translation>Titre inactif</translation>
    </message>
    <message>
        <source>Inactive Caption Text</source>
        <translation>Texte du titre inactif</translation>
    </message>
    <message>
        <source>Tooltip Background</source>
        <translation>Fond des info-bulles</translation>
    </message>
    <message>
        <source>Tooltip Text</source>
        <translation>Texte des info-bulles</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Menu Bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>Menu Highlight</source>
        <translation>Sélection de menu</translation>
    </message>
    <message>
        <source>Menu Text</source>
        <translation>Texte de menu</translation>
    </message>
    <message>
        <source>Scroll Bar</source>
        <translation>Barre de défilement</translation>
    </message>
    <message>
        <source>3-D Dark Shadow</source>
        <translation>Ombre foncée 3D</translation>
    </message>
    <message>
        <source>3-D Light</source>
        <translation>Lumière 3D</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Window Frame</source>
        <translation>Cadre de fenêtre</translation>
    </message>
    <message>
        <source>Window Text</source>
        <translation>Texte de fenêtre</translation>
    </message>
</context>
<context>
    <name>DeleteListDialog</name>
    <message>
        <source>Delete Phrase List</source>
        <translation>Supprimer une liste</translation>
    </message>
    <message>
        <source>Lists of the category</source>
        <translation>Listes de la catégorie</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>There is not enough memory to draw the phrase (%d x %d pixels).</source>
        <translation>Mémoire insuffisante pour dessiner la phrase (%d × %d pixels).</translation>
    </message>
    <message>
        <source>The phrase cannot be shown: the display font has no width (the letter &quot;M&quot; measures 0 pixels). Please choose another font or size on the Settings page.</source>
        <translation>La phrase ne peut pas être affichée&#xa0;: la police d&apos;affichage n&apos;a pas de largeur (la lettre «&#xa0;M&#xa0;» mesure 0 pixel). Choisissez une autre police ou une autre taille dans la page Paramètres.</translation>
    </message>
    <message>
        <source>Cannot blend a picture with a smaller one.</source>
        <translation>Impossible de fondre une image avec une image plus petite.</translation>
    </message>
    <message>
        <source>There is not enough memory to blend the pictures.</source>
        <translation>Mémoire insuffisante pour fondre les images.</translation>
    </message>
    <message>
        <source>There is not enough memory to draw the test message.</source>
        <translation>Mémoire insuffisante pour dessiner le message de test.</translation>
    </message>
    <message>
        <source>There is not enough memory to wipe the test message.</source>
        <translation>Mémoire insuffisante pour effacer le message de test.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>It is a folder, not a file</source>
        <translation>C&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>It is a named pipe, not a regular file</source>
        <translation>C&apos;est un tube nommé, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>It is a device, not a regular file</source>
        <translation>C&apos;est un périphérique, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>It is a socket, not a regular file</source>
        <translation>C&apos;est un socket, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%s MB</source>
        <translation>%s Mo</translation>
    </message>
    <message>
        <source>%s bytes</source>
        <translation>%s octets</translation>
    </message>
    <message>
        <source>It is larger than %s, more than the program reads</source>
        <translation>Il dépasse %s, plus que ce que le programme lit</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font Color</source>
        <translation>Couleur de police</translation>
    </message>
</context>
<context>
    <name>FontNameDialog</name>
    <message>
        <source>Font Name</source>
        <translation>Police</translation>
    </message>
</context>
<context>
    <name>FontPropertyDialog</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Couleur de police</translation>
    </message>
    <message>
        <source>Font Name</source>
        <translation>Police</translation>
    </message>
</context>
<context>
    <name>FontSizeDialog</name>
    <message>
        <source>Font Size</source>
        <translation>Taille de police</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Orvella Help</source>
        <translation>Aide d&apos;Orvella</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>There is no help text to print.</source>
        <translation>Il n&apos;y a pas de texte d&apos;aide à imprimer.</translation>
    </message>
    <message>
        <source>Printing could not start: no printer is installed. Add a printer in the desktop&apos;s printer settings and try again.</source>
        <translation>L&apos;impression n&apos;a pas pu démarrer&#xa0;: aucune imprimante n&apos;est installée. Ajoutez une imprimante dans les réglages d&apos;impression du bureau, puis réessayez.</translation>
    </message>
    <message>
        <source>The help could not be printed.</source>
        <translation>L&apos;aide n&apos;a pas pu être imprimée.</translation>
    </message>
</context>
<context>
    <name>ListDialog</name>
    <message>
        <source>You must enter a name for the new list</source>
        <translation>Vous devez saisir un nom pour la nouvelle liste</translation>
    </message>
    <message>
        <source>There is no category to create the list in. Make a category folder in &quot;%s&quot; first; each folder there is a category.</source>
        <translation>Il n&apos;y a aucune catégorie où créer la liste. Créez d&apos;abord un dossier de catégorie dans «&#xa0;%s&#xa0;»&#xa0;; chaque dossier qui s&apos;y trouve est une catégorie.</translation>
    </message>
    <message>
        <source>The list &quot;%s&quot; already exists; its phrases are kept.</source>
        <translation>La liste «&#xa0;%s&#xa0;» existe déjà&#xa0;; ses phrases sont conservées.</translation>
    </message>
    <message>
        <source>You must select a file for deletion</source>
        <translation>Vous devez choisir le fichier à supprimer</translation>
    </message>
    <message>
        <source>Delete Phrase List</source>
        <translation>Supprimer une liste</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete this list?</source>
        <translation>Voulez-vous vraiment supprimer cette liste&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>&apos;%s&apos; is not a valid boolean value</source>
        <translation>«&#xa0;%s&#xa0;» n&apos;est pas une valeur booléenne valide</translation>
    </message>
    <message>
        <source>The settings file &quot;%s&quot; holds %s in [%s] that cannot be read:</source>
        <translation>Le fichier de paramètres «&#xa0;%s&#xa0;» contient %s dans [%s] illisibles&#xa0;:</translation>
    </message>
    <message>
        <source>a tick</source>
        <translation>une coche</translation>
    </message>
    <message>
        <source>ticks</source>
        <translation>des coches</translation>
    </message>
    <message>
        <source>
&quot;%s=%s&quot;: &apos;%s&apos; is not a valid boolean value</source>
        <translation>
«&#xa0;%s=%s&#xa0;»&#xa0;: «&#xa0;%s&#xa0;» n&apos;est pas une valeur booléenne valide</translation>
    </message>
    <message>
        <source>
The line is left out, and removed the next time the ticks are saved.</source>
        <translation>
La ligne est ignorée et sera supprimée au prochain enregistrement des coches.</translation>
    </message>
    <message>
        <source>
The lines are left out, and removed the next time the ticks are saved.</source>
        <translation>
Les lignes sont ignorées et seront supprimées au prochain enregistrement des coches.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%s&quot;. %s.
The list &quot;%s&quot; is left out of the phrases shown.</source>
        <translation>Impossible d&apos;ouvrir le fichier «&#xa0;%s&#xa0;». %s.
La liste «&#xa0;%s&#xa0;» est exclue des phrases affichées.</translation>
    </message>
    <message>
        <source>it holds bytes that are not UTF-16 text</source>
        <translation>elle contient des octets qui ne sont pas du texte UTF-16</translation>
    </message>
    <message>
        <source>it holds a NUL character, and what follows it is not shown</source>
        <translation>elle contient un caractère NUL, et ce qui le suit n&apos;est pas affiché</translation>
    </message>
    <message>
        <source>Text exceeds memo capacity</source>
        <translation>Le texte dépasse la capacité du champ</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%s&quot;. %s</source>
        <translation>Impossible d&apos;ouvrir le fichier «&#xa0;%s&#xa0;». %s</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%s&quot;. %s</source>
        <translation>Impossible de créer le fichier «&#xa0;%s&#xa0;». %s</translation>
    </message>
    <message>
        <source>The name cannot be used: it contains a NUL character.</source>
        <translation>Ce nom est inutilisable&#xa0;: il contient un caractère NUL.</translation>
    </message>
    <message>
        <source>The name %s cannot be used: a list name cannot contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation>Le nom %s est inutilisable&#xa0;: un nom de liste ne peut pas contenir «&#xa0;/&#xa0;» ni «&#xa0;\&#xa0;».</translation>
    </message>
    <message>
        <source>The name cannot be used: a list name cannot contain line breaks, tabs or other control characters.</source>
        <translation>Ce nom est inutilisable&#xa0;: un nom de liste ne peut pas contenir de sauts de ligne, de tabulations ni d&apos;autres caractères de contrôle.</translation>
    </message>
    <message>
        <source>The name %s cannot be used: a list name cannot start with a blank.</source>
        <translation>Le nom %s est inutilisable&#xa0;: un nom de liste ne peut pas commencer par une espace.</translation>
    </message>
    <message>
        <source>The name %s cannot be used: &quot;.&quot; and &quot;..&quot; name folders, not lists.</source>
        <translation>Le nom %s est inutilisable&#xa0;: «&#xa0;.&#xa0;» et «&#xa0;..&#xa0;» désignent des dossiers, pas des listes.</translation>
    </message>
    <message>
        <source>The name cannot be used: it is longer than the file system allows (%d bytes with &quot;.txt&quot;).</source>
        <translation>Ce nom est inutilisable&#xa0;: il est plus long que ne le permet le système de fichiers (%d octets avec «&#xa0;.txt&#xa0;»).</translation>
    </message>
    <message>
        <source>Cannot delete file &quot;%s&quot;. %s</source>
        <translation>Impossible de supprimer le fichier «&#xa0;%s&#xa0;». %s</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The selected messages have changed.<byte value="xd"/>
Do you wish to save the changes?</source>
        <translation>Les messages sélectionnés ont été modifiés.<byte value="xd"/>
Voulez-vous enregistrer les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Pause Messages</source>
        <translation>Suspendre les messages</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Newsletter</source>
        <translation>Lettre d&apos;information</translation>
    </message>
    <message>
        <source>Resources</source>
        <translation>Ressources</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Additional Subliminal Messages</source>
        <translation>Plus de messages</translation>
    </message>
    <message>
        <source>No notification area was found on this desktop, so Orvella shows its window instead. Minimize the window and the phrases flash; closing it ends Orvella.</source>
        <translation>Aucune zone de notification n&apos;a été trouvée sur ce bureau&#xa0;; Orvella affiche donc sa fenêtre. Réduisez la fenêtre et les phrases apparaissent&#xa0;; la fermer quitte Orvella.</translation>
    </message>
    <message>
        <source>Phrases flash while this window is minimized.</source>
        <translation>Les phrases apparaissent tant que cette fenêtre est réduite.</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Pause Messages</source>
        <translation>Suspendre les &amp;messages</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>No phrase list has been ticked to be displayed. Orvella has ticked the first list.</source>
        <translation>Aucune liste de phrases n&apos;est cochée pour l&apos;affichage. Orvella a coché la première liste.</translation>
    </message>
    <message>
        <source>The settings have changed.<byte value="xd"/>
Do you wish to save the changes?</source>
        <translation>Les paramètres ont été modifiés.<byte value="xd"/>
Voulez-vous enregistrer les modifications&#xa0;?</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MessagesPage</name>
    <message>
        <source>Subliminal Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Subliminal Category Files</source>
        <translation>Fichiers de la catégorie</translation>
    </message>
    <message>
        <source>Create New Subliminal File</source>
        <translation>Créer un fichier</translation>
    </message>
    <message>
        <source>Delete Subliminal File</source>
        <translation>Supprimer le fichier</translation>
    </message>
    <message>
        <source>Subliminal Messages Editor for:  </source>
        <translation>Modifier les messages de&#xa0;:  </translation>
    </message>
    <message>
        <source>Subliminal Messages Editor</source>
        <translation>Modifier les messages</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>
Orvella shows the first list&apos;s phrases and leaves the settings file as it is.</source>
        <translation>
Orvella affiche les phrases de la première liste et laisse le fichier de paramètres tel quel.</translation>
    </message>
    <message>
        <source>Warning - no categories found</source>
        <translation>Avertissement – aucune catégorie trouvée</translation>
    </message>
    <message>
        <source>The category &quot;%s&quot; is no longer in the library folder &quot;%s&quot;. Orvella shows the category &quot;%s&quot;.</source>
        <translation>La catégorie «&#xa0;%s&#xa0;» n&apos;est plus dans le dossier de la bibliothèque «&#xa0;%s&#xa0;». Orvella affiche la catégorie «&#xa0;%s&#xa0;».</translation>
    </message>
    <message>
        <source>The tick of %s cannot be recorded in the settings file: the list&apos;s name begins with a blank or holds a line break. The other ticks were recorded; rename the file to keep its tick.</source>
        <translation>La coche de %s ne peut pas être enregistrée dans le fichier de paramètres&#xa0;: le nom de la liste commence par une espace ou contient un saut de ligne. Les autres coches ont été enregistrées&#xa0;; renommez le fichier pour conserver sa coche.</translation>
    </message>
    <message>
        <source>The list &quot;%s&quot; cannot be saved from the editor: %s.</source>
        <translation>La liste «&#xa0;%s&#xa0;» ne peut pas être enregistrée depuis l&apos;éditeur&#xa0;: %s.</translation>
    </message>
    <message>
        <source>The list &quot;%s&quot; was changed by another program after it was opened here.<byte value="xd"/>
Do you wish to overwrite it with the text in the editor?<byte value="xd"/>
(No loads the list as it is now; the text in the editor is not saved.)</source>
        <translation>La liste «&#xa0;%s&#xa0;» a été modifiée par un autre programme après son ouverture ici.<byte value="xd"/>
Voulez-vous la remplacer par le texte de l&apos;éditeur&#xa0;?<byte value="xd"/>
(Non charge la liste telle qu&apos;elle est maintenant&#xa0;; le texte de l&apos;éditeur n&apos;est pas enregistré.)</translation>
    </message>
    <message>
        <source> (read-only: %1)</source>
        <translation> (lecture seule&#xa0;: %1)</translation>
    </message>
    <message>
        <source>You must select a list to save the messages to</source>
        <translation>Vous devez choisir la liste où enregistrer les messages</translation>
    </message>
    <message>
        <source>Messages Saved Successfully</source>
        <translation>Messages enregistrés</translation>
    </message>
    <message>
        <source>You must select a list to print the messages</source>
        <translation>Vous devez choisir la liste dont imprimer les messages</translation>
    </message>
    <message>
        <source>The list could not be printed on &quot;%s&quot;.</source>
        <translation>La liste n&apos;a pas pu être imprimée sur «&#xa0;%s&#xa0;».</translation>
    </message>
</context>
<context>
    <name>NewListDialog</name>
    <message>
        <source>New Phrase List</source>
        <translation>Nouvelle liste de phrases</translation>
    </message>
    <message>
        <source>Type in the name of the file you would like to create.</source>
        <translation>Saisissez le nom du fichier que vous souhaitez créer.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Paths</name>
    <message>
        <source>Orvella cannot create the folder %s for your files: %s</source>
        <translation>Orvella ne peut pas créer le dossier %s pour vos fichiers&#xa0;: %s</translation>
    </message>
    <message>
        <source>Orvella cannot create the folder %s for your phrase lists: %s</source>
        <translation>Orvella ne peut pas créer le dossier %s pour vos listes de phrases&#xa0;: %s</translation>
    </message>
    <message>
        <source>Orvella could not copy the starter phrase lists into %s:<byte value="xd"/>
%s</source>
        <translation>Orvella n&apos;a pas pu copier les listes de phrases de départ dans %s&#xa0;:<byte value="xd"/>
%s</translation>
    </message>
</context>
<context>
    <name>PhrasePreview</name>
    <message>
        <source>Test Message</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>Test message preview</source>
        <translation>Aperçu du message de test</translation>
    </message>
    <message>
        <source>Test message</source>
        <translation>Message de test</translation>
    </message>
</context>
<context>
    <name>PhraseWindow</name>
    <message>
        <source>Phrase</source>
        <translation>Phrase</translation>
    </message>
</context>
<context>
    <name>ProductPages</name>
    <message>
        <source>Sign up for our free e-mail newsletter</source>
        <translation>Abonnez-vous à notre lettre d&apos;information gratuite</translation>
    </message>
    <message>
        <source>Each issue brings &lt;b&gt;new phrase lists&lt;/b&gt;, ideas for using affirmations in your day and news about updates.&lt;br&gt;It is &lt;i&gt;free&lt;/i&gt; and comes about once a month.</source>
        <translation>Chaque numéro apporte &lt;b&gt;de nouvelles listes de phrases&lt;/b&gt;, des idées pour intégrer les affirmations à votre journée et des nouvelles des mises à jour.&lt;br&gt;Elle est &lt;i&gt;gratuite&lt;/i&gt; et paraît environ une fois par mois.</translation>
    </message>
    <message>
        <source>Subscribing takes a minute and happens &lt;b&gt;online&lt;/b&gt;: click the button below and fill in the form on our web page.&lt;br&gt;An Internet connection is required.</source>
        <translation>L&apos;abonnement prend une minute et se fait &lt;b&gt;en ligne&lt;/b&gt;&#xa0;: cliquez sur le bouton ci-dessous et remplissez le formulaire de notre page web.&lt;br&gt;Une connexion Internet est nécessaire.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your privacy matters.&lt;/b&gt; We never share, sell or rent your e-mail address, and every issue tells you how to unsubscribe.</source>
        <translation>&lt;b&gt;Votre vie privée compte.&lt;/b&gt; Nous ne partageons, ne vendons ni ne louons jamais votre adresse e-mail, et chaque numéro indique comment se désabonner.</translation>
    </message>
    <message>
        <source>Our online resource page gathers more phrase lists, articles about affirmations and guides to getting the most out of the program. It is updated regularly, so come back often.

Click &quot;Online Resources&quot; to open it in your web browser. An Internet connection is required.</source>
        <translation>Notre page de ressources en ligne rassemble d&apos;autres listes de phrases, des articles sur les affirmations et des guides pour tirer le meilleur parti du programme. Elle est mise à jour régulièrement&#xa0;: revenez souvent.

Cliquez sur «&#xa0;Ressources en ligne&#xa0;» pour l&apos;ouvrir dans votre navigateur. Une connexion Internet est nécessaire.</translation>
    </message>
    <message>
        <source>Warning: this computer program is protected by copyright law and international treaties. Unauthorized copying or distribution of this program, or any part of it, may result in civil and criminal penalties.</source>
        <translation>Avertissement&#xa0;: ce logiciel est protégé par le droit d&apos;auteur et les traités internationaux. Toute copie ou diffusion non autorisée de ce programme, ou d&apos;une partie de celui-ci, peut entraîner des sanctions civiles et pénales.</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>YES! Please Subscribe Me</source>
        <translation>OUI&#xa0;! Je m&apos;abonne</translation>
    </message>
    <message>
        <source>Online Resources</source>
        <translation>Ressources en ligne</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>The section name &quot;%s&quot; cannot be stored in the settings file.</source>
        <translation>Le nom de section «&#xa0;%s&#xa0;» ne peut pas être enregistré dans le fichier de paramètres.</translation>
    </message>
    <message>
        <source>The key name &quot;%s&quot; cannot be stored in the settings file.</source>
        <translation>Le nom de clé «&#xa0;%s&#xa0;» ne peut pas être enregistré dans le fichier de paramètres.</translation>
    </message>
    <message>
        <source>The value of &quot;%s&quot; cannot be stored in the settings file: it holds a line break.</source>
        <translation>La valeur de «&#xa0;%s&#xa0;» ne peut pas être enregistrée dans le fichier de paramètres&#xa0;: elle contient un saut de ligne.</translation>
    </message>
    <message>
        <source>Cannot read the settings file &quot;%s&quot;: %s.</source>
        <translation>Impossible de lire le fichier de paramètres «&#xa0;%s&#xa0;»&#xa0;: %s.</translation>
    </message>
    <message>
        <source>Cannot write the settings file &quot;%s&quot;: %s.</source>
        <translation>Impossible d&apos;écrire le fichier de paramètres «&#xa0;%s&#xa0;»&#xa0;: %s.</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Side logo</source>
        <translation>Logo latéral</translation>
    </message>
    <message>
        <source>Time and Delays</source>
        <translation>Durées</translation>
    </message>
    <message>
        <source>Show message for</source>
        <translation>Afficher pendant</translation>
    </message>
    <message>
        <source>Length of time a phrase is shown</source>
        <translation>Durée d&apos;affichage d&apos;une phrase</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>millisec.</translation>
    </message>
    <message>
        <source>Show message every</source>
        <translation>Afficher toutes les</translation>
    </message>
    <message>
        <source>Time between showing phrases</source>
        <translation>Temps entre deux phrases</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>On Start-up</source>
        <translation>Au démarrage</translation>
    </message>
    <message>
        <source>Start Orvella when I log in</source>
        <translation>Lancer Orvella à la connexion</translation>
    </message>
    <message>
        <source>Pause messages</source>
        <translation>Mettre en pause</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Random - Full Screen</source>
        <translation>Aléatoire – plein écran</translation>
    </message>
    <message>
        <source>Centered - Full Screen</source>
        <translation>Centrée – plein écran</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Transparency of shown phrase</source>
        <translation>Transparence de la phrase affichée</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>max</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Font Name</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Font sample</source>
        <translation>Aperçu de la police</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>The settings were not saved. </source>
        <translation>Les paramètres n&apos;ont pas été enregistrés. </translation>
    </message>
    <message>
        <source>Settings Saved Successfully</source>
        <translation>Paramètres enregistrés</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>%1 loading...</source>
        <translation>Chargement de %1…</translation>
    </message>
</context>
<context>
    <name>WebLink</name>
    <message>
        <source>This page has no web address set up: &quot;%s&quot;.</source>
        <translation>Aucune adresse web n&apos;est définie pour cette page&#xa0;: «&#xa0;%s&#xa0;».</translation>
    </message>
    <message>
        <source>No web browser could be started for %s.</source>
        <translation>Aucun navigateur web n&apos;a pu être lancé pour %s.</translation>
    </message>
</context>
</TS>
