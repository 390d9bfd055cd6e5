<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>BasicFunction</name>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>Lecteur multimédia</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Vol+</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Vol-</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximiser</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Task manager</source>
        <translation>Gestionnaire des tâches</translation>
    </message>
    <message>
        <source>Browser home</source>
        <translation>Accueil du navigateur</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
</context>
<context>
    <name>ColourChooser</name>
    <message>
        <source>COLOR</source>
        <translation>COULEUR</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
</context>
<context>
    <name>CoreMessage</name>
    <message>
        <source>the keyboard is busy</source>
        <translation>le clavier est occupé</translation>
    </message>
    <message>
        <source>no keyboard</source>
        <translation>aucun clavier</translation>
    </message>
    <message>
        <source>%1 is not bound</source>
        <translation>%1 n’est pas associé</translation>
    </message>
    <message>
        <source>there is no program %1; give an executable&apos;s absolute path</source>
        <translation>le programme %1 n’existe pas ; indiquez le chemin absolu d’un exécutable</translation>
    </message>
    <message>
        <source>a program name cannot hold tabs, line breaks or other control characters</source>
        <translation>un nom de programme ne peut contenir ni tabulations, ni sauts de ligne, ni autres caractères de contrôle</translation>
    </message>
    <message>
        <source>%1 is damaged; it was moved to %2 and switching by the program in front is off until programs are bound again.</source>
        <translation>%1 est endommagé ; il a été déplacé vers %2 et le changement selon le programme au premier plan est désactivé jusqu’à ce que des programmes soient de nouveau associés.</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>cannot open %1: there is no such file</source>
        <translation>impossible d’ouvrir %1 : ce fichier n’existe pas</translation>
    </message>
    <message>
        <source>%1 has %2 bytes; a profile has %3</source>
        <translation>%1 fait %2 octets ; un profil en fait %3</translation>
    </message>
</context>
<context>
    <name>DriverUpdate</name>
    <message>
        <source>After the firmware update, restore the factory settings, or hold Fn and Pause together for 5 seconds, to finish the update.</source>
        <translation>Après la mise à jour du micrologiciel, restaurez les paramètres d’usine ou maintenez Fn et Pause enfoncées pendant 5 secondes pour terminer la mise à jour.</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Mise à jour du micrologiciel</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>Update the keyboard to the new firmware?</source>
        <translation>Mettre à jour le clavier avec le nouveau micrologiciel ?</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Mise à jour du micrologiciel</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>modification path</source>
        <translation>modifier le chemin</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>This path cannot be stored:
</source>
        <translation>Ce chemin ne peut pas être enregistré :
</translation>
    </message>
    <message>
        <source>The path is longer than 255 characters:
</source>
        <translation>Le chemin dépasse 255 caractères :
</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Play music</source>
        <translation>Lire de
la musique</translation>
    </message>
    <message>
        <source>Start program</source>
        <translation>Lancer un
programme</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Ouvrir un
fichier</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ouvrir un
dossier</translation>
    </message>
    <message>
        <source>Current key: </source>
        <translation>Touche actuelle : </translation>
    </message>
    <message>
        <source>Choose an item inside the group</source>
        <translation>Choisissez un élément du groupe</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Fonctions</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Single key</source>
        <translation>Touche seule</translation>
    </message>
    <message>
        <source>Key combination</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>Disable key</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
</context>
<context>
    <name>KeyboardEffect</name>
    <message>
        <source>Steady</source>
        <translation>Fixe</translation>
    </message>
    <message>
        <source>Breathing</source>
        <translation>Respiration</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Vague</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Réactif</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpent</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ondulation</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Néon</translation>
    </message>
    <message>
        <source>Raindrops</source>
        <translation>Gouttes de pluie</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Anneau</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Collision</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>DIY1</source>
        <translation>Perso 1</translation>
    </message>
    <message>
        <source>DIY2</source>
        <translation>Perso 2</translation>
    </message>
    <message>
        <source>DIY3</source>
        <translation>Perso 3</translation>
    </message>
    <message>
        <source>DIY4</source>
        <translation>Perso 4</translation>
    </message>
    <message>
        <source>DIY5</source>
        <translation>Perso 5</translation>
    </message>
</context>
<context>
    <name>LightingPanel</name>
    <message>
        <source>Backlight</source>
        <translation>Rétroéclairage</translation>
    </message>
    <message>
        <source>Backlight effect</source>
        <translation>Effet de rétroéclairage</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Lumineux</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Keymap</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>DIY</source>
        <translation>Perso</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>Mode jeu</translation>
    </message>
    <message>
        <source>Win lock</source>
        <translation>Verr. Win</translation>
    </message>
    <message>
        <source>Key response time</source>
        <translation>Temps de réponse des touches</translation>
    </message>
    <message>
        <source>USB report rate</source>
        <translation>Taux de rapport USB</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Couleur %1</translation>
    </message>
</context>
<context>
    <name>MacroManager</name>
    <message>
        <source>Macro manager</source>
        <comment>message caption</comment>
        <translation>Gestionnaire de macros</translation>
    </message>
    <message>
        <source>Key presses cannot be captured; recording has not started.</source>
        <translation>Impossible de capturer les frappes ; l’enregistrement n’a pas commencé.</translation>
    </message>
    <message>
        <source>A macro name holds at most 254 characters; this one has %1.</source>
        <translation>Un nom de macro compte au plus 254 caractères ; celui-ci en a %1.</translation>
    </message>
    <message>
        <source>Choose the macro to record into</source>
        <translation>Choisissez la macro à enregistrer</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <comment>caption of the recording warning</comment>
        <translation>Gestionnaire de macros</translation>
    </message>
    <message>
        <source>Choose the macro to delete</source>
        <translation>Choisissez la macro à supprimer</translation>
    </message>
    <message>
        <source>Delete the chosen macro?</source>
        <translation>Supprimer la macro choisie ?</translation>
    </message>
    <message>
        <source>Edit the delay itself</source>
        <translation>Modifier le délai lui-même</translation>
    </message>
    <message>
        <source>The macro is full: it holds at most 190 bytes of events.</source>
        <translation>La macro est pleine : elle contient au plus 190 octets d’événements.</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <translation>Gestionnaire de macros</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Key events</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Boucle</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Record the
delays
between keys</source>
        <translation>Enregistrer
les délais</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <comment>window title</comment>
        <translation>Gestionnaire de macros</translation>
    </message>
    <message>
        <source>The macros were not saved: </source>
        <translation>Les macros n’ont pas été enregistrées : </translation>
    </message>
    <message>
        <source>Key %1 still runs the macro &quot;%2&quot;, whose place in the list changed.</source>
        <translation>La touche %1 exécute toujours la macro « %2 », dont la place dans la liste a changé.</translation>
    </message>
    <message>
        <source>Key %1 ran a deleted macro and does its own job again.</source>
        <translation>La touche %1 exécutait une macro supprimée et reprend sa propre fonction.</translation>
    </message>
</context>
<context>
    <name>MacroMenu</name>
    <message>
        <source>Left click</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Right click</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Middle click</source>
        <translation>Clic milieu</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Appui</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Relâcher</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Clic</translation>
    </message>
    <message>
        <source>Record Before</source>
        <translation>Enregistrer avant</translation>
    </message>
    <message>
        <source>Record After</source>
        <translation>Enregistrer après</translation>
    </message>
    <message>
        <source>Insert mouse function</source>
        <translation>Insérer une action de souris</translation>
    </message>
    <message>
        <source>Insert Delay</source>
        <translation>Insérer un délai</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Keyboard simulator: no keyboard connected</source>
        <translation>Simulateur de clavier : aucun clavier connecté</translation>
    </message>
    <message>
        <source>Keyboard found but not accessible (install the udev rule %1)</source>
        <translation>Clavier trouvé mais inaccessible (installez la règle udev %1)</translation>
    </message>
    <message>
        <source>Keyboard found but not accessible (another program may be using it)</source>
        <translation>Clavier trouvé mais inaccessible (un autre programme l’utilise peut-être)</translation>
    </message>
    <message>
        <source>About Quendal...</source>
        <translation>À propos de Quendal…</translation>
    </message>
    <message>
        <source>Restore the factory settings?</source>
        <translation>Restaurer les paramètres d’usine ?</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Paramètres d’usine</translation>
    </message>
    <message>
        <source>No gaming keyboard!</source>
        <translation>Aucun clavier de jeu !</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Could not apply the settings: </source>
        <translation>Impossible d’appliquer les paramètres : </translation>
    </message>
    <message>
        <source>Could not start: </source>
        <translation>Démarrage impossible : </translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Driver update</source>
        <translation>Mise à jour du pilote</translation>
    </message>
    <message>
        <source>Version: 1.4</source>
        <translation>Version : 1.4</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>Updater not found: </source>
        <translation>Programme de mise à jour introuvable : </translation>
    </message>
    <message>
        <source>Could not start the updater: </source>
        <translation>Impossible de lancer la mise à jour : </translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
</context>
<context>
    <name>ProfileManager</name>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>Profiles</source>
        <comment>message caption</comment>
        <translation>Profils</translation>
    </message>
    <message>
        <source>Profiles</source>
        <comment>caption of the delete messages</comment>
        <translation>Profils</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>Importer un profil</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>Exporter le profil</translation>
    </message>
    <message>
        <source>At most six profiles can be kept</source>
        <translation>Six profils au plus peuvent être conservés</translation>
    </message>
    <message>
        <source>Profile_%1</source>
        <translation>Profil_%1</translation>
    </message>
    <message>
        <source>Choose the profile to copy</source>
        <translation>Choisissez le profil à copier</translation>
    </message>
    <message>
        <source>At least one profile is needed</source>
        <translation>Au moins un profil est nécessaire</translation>
    </message>
    <message>
        <source>Choose the profile to delete</source>
        <translation>Choisissez le profil à supprimer</translation>
    </message>
    <message>
        <source>Delete the chosen profile?</source>
        <translation>Supprimer le profil choisi ?</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>The keyboard is connected but cannot be opened: </source>
        <translation>Le clavier est connecté mais ne peut pas être ouvert : </translation>
    </message>
    <message>
        <source>a keyboard plugged in later will not be noticed (%1)</source>
        <translation>un clavier branché plus tard ne sera pas détecté (%1)</translation>
    </message>
    <message>
        <source>About Quendal</source>
        <translation>À propos de Quendal</translation>
    </message>
    <message>
        <source>Quendal version 1.1</source>
        <translation>Quendal version 1.1</translation>
    </message>
    <message>
        <source>VANTREL speaks this language.</source>
        <translation>VANTREL parle déjà cette langue.</translation>
    </message>
    <message>
        <source>VANTREL speaks the chosen language from its next start.</source>
        <translation>VANTREL parlera la langue choisie à son prochain démarrage.</translation>
    </message>
    <message>
        <source>VANTREL: keyboard simulator</source>
        <translation>VANTREL : simulateur de clavier</translation>
    </message>
</context>
<context>
    <name>ProgramsDialog</name>
    <message>
        <source>Programs</source>
        <translation>Programmes</translation>
    </message>
    <message>
        <source>Bound programs</source>
        <translation>Programmes associés</translation>
    </message>
    <message>
        <source>Programs</source>
        <comment>message caption</comment>
        <translation>Programmes</translation>
    </message>
    <message>
        <source>The windows open now cannot be listed on this desktop.</source>
        <translation>Les fenêtres ouvertes ne peuvent pas être listées sur ce bureau.</translation>
    </message>
    <message>
        <source>%1 brought profile %2; it brings profile %3 now.</source>
        <translation>%1 activait le profil %2 ; il active maintenant le profil %3.</translation>
    </message>
    <message>
        <source>Save a profile first: programs are bound to profiles.</source>
        <translation>Enregistrez d’abord un profil : les programmes sont associés à des profils.</translation>
    </message>
    <message>
        <source>Bind a program</source>
        <translation>Associer un programme</translation>
    </message>
    <message>
        <source>No window of another program is open.</source>
        <translation>Aucune fenêtre d’un autre programme n’est ouverte.</translation>
    </message>
    <message>
        <source>Bind a window&apos;s program</source>
        <translation>Associer le programme d’une fenêtre</translation>
    </message>
    <message>
        <source>Choose the program to remove.</source>
        <translation>Choisissez le programme à retirer.</translation>
    </message>
    <message>
        <source>No profiles yet</source>
        <translation>Aucun profil pour l’instant</translation>
    </message>
    <message>
        <source>Add program…</source>
        <translation>Ajouter un programme…</translation>
    </message>
    <message>
        <source>Add window…</source>
        <translation>Ajouter une fenêtre…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Previous profile</source>
        <translation>Profil précédent</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Next profile</source>
        <translation>Profil suivant</translation>
    </message>
</context>
<context>
    <name>WristEffect</name>
    <message>
        <source>Breathing</source>
        <translation>Respiration</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Néon</translation>
    </message>
    <message>
        <source>Steady</source>
        <translation>Fixe</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Vague</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Éteint</translation>
    </message>
</context>
<context>
    <name>WristRest</name>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Lumineux</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Wrist rest effects</source>
        <translation>Effets du repose-poignets</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::ProfileSwitching</name>
    <message>
        <source>the keyboard is busy</source>
        <translation>le clavier est occupé</translation>
    </message>
    <message>
        <source>Profile %1, from the program in front</source>
        <translation>Profil %1, par le programme au premier plan</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>Profil %1</translation>
    </message>
    <message>
        <source>Profile switching waits until the changes are applied or reverted</source>
        <translation>Le changement de profil attend que les modifications soient appliquées ou annulées</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::ProfilesMenu</name>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>No profiles yet</source>
        <translation>Aucun profil pour l’instant</translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation>Changement automatique</translation>
    </message>
    <message>
        <source>Automatic switching (%1)</source>
        <translation>Changement automatique (%1)</translation>
    </message>
    <message>
        <source>Programs…</source>
        <translation>Programmes…</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::TrayIcon</name>
    <message>
        <source>Show window</source>
        <translation>Afficher la fenêtre</translation>
    </message>
    <message>
        <source>Start on login</source>
        <translation>Lancer à la connexion</translation>
    </message>
    <message>
        <source>About Quendal...</source>
        <translation>À propos de Quendal…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>No gaming keyboard!</source>
        <translation>Aucun clavier de jeu !</translation>
    </message>
</context>
</TS>
