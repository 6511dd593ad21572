<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Cell</name>
    <message>
        <source>row %1, column %2, marked</source>
        <translation>ligne %1, colonne %2, marquée</translation>
    </message>
    <message>
        <source>%1, marked</source>
        <translation>%1, marquée</translation>
    </message>
    <message>
        <source>row %1, column %2, right</source>
        <translation>ligne %1, colonne %2, juste</translation>
    </message>
    <message>
        <source>%1, right</source>
        <translation>%1, juste</translation>
    </message>
    <message>
        <source>row %1, column %2, wrong</source>
        <translation>ligne %1, colonne %2, fausse</translation>
    </message>
    <message>
        <source>%1, wrong</source>
        <translation>%1, fausse</translation>
    </message>
    <message>
        <source>row %1, column %2, stray mark</source>
        <translation>ligne %1, colonne %2, marque en trop</translation>
    </message>
    <message>
        <source>%1, stray mark</source>
        <translation>%1, marque en trop</translation>
    </message>
    <message>
        <source>row %1, column %2, not visited</source>
        <translation>ligne %1, colonne %2, non visitée</translation>
    </message>
    <message>
        <source>%1, not visited</source>
        <translation>%1, non visitée</translation>
    </message>
    <message>
        <source>row %1, column %2, not marked</source>
        <translation>ligne %1, colonne %2, non marquée</translation>
    </message>
    <message>
        <source>%1, not marked</source>
        <translation>%1, non marquée</translation>
    </message>
</context>
<context>
    <name>Diagnosis</name>
    <message>
        <source>%1 starts at %2, not %3.</source>
        <translation>%1 commence à %2, et non à %3.</translation>
    </message>
    <message>
        <source>%1 ends at %2, not %3.</source>
        <translation>%1 se termine à %2, et non à %3.</translation>
    </message>
    <message>
        <source>%1 steps by %2, not %3.</source>
        <translation>%1 avance de %2 en %2, et non de %3 en %3.</translation>
    </message>
    <message>
        <source>Your numbers follow these loops instead:</source>
        <translation>Tes nombres suivent plutôt ces boucles&#xa0;:</translation>
    </message>
    <message>
        <source>The loops are swapped: the outer loop runs over Y.</source>
        <translation>Les boucles sont inversées&#xa0;: la boucle extérieure parcourt Y.</translation>
    </message>
    <message>
        <source>Number %1 is the first difference: the loops write it in row %2, column %3; you did not write it.</source>
        <translation>Le nombre %1 est la première différence&#xa0;: les boucles l’écrivent en ligne %2, colonne %3&#xa0;; tu ne l’as pas écrit.</translation>
    </message>
    <message>
        <source>Number %1 is the first difference: the loops write it in row %2, column %3; you wrote it in row %4, column %5.</source>
        <translation>Le nombre %1 est la première différence&#xa0;: les boucles l’écrivent en ligne %2, colonne %3&#xa0;; tu l’as écrit en ligne %4, colonne %5.</translation>
    </message>
    <message>
        <source>Right: your numbers follow the loops of the listing.</source>
        <translation>Juste&#xa0;: tes nombres suivent les boucles du programme.</translation>
    </message>
    <message>
        <source>Every cell the loops visit is right, but row %1, column %2 is marked and the loops never visit it.</source>
        <translation>Chaque case que les boucles visitent est juste, mais la case ligne %1, colonne %2 est marquée et les boucles ne la visitent jamais.</translation>
    </message>
</context>
<context>
    <name>Exercise</name>
    <message>
        <source>Test Now!</source>
        <translation>Vérifier&#xa0;!</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message numerus="yes">
        <source>Problem %1 wrong: %2 of %3 cells right, %n stray marks. Right %4, Wrong %5, Score %6</source>
        <comment>Problem %1 wrong: %2 of %3 cells right, %n stray mark. Right %4, Wrong %5, Score %6</comment>
        <translation>
            <numerusform>Exercice %1 faux&#xa0;: %2 cases justes sur %3, %n marque en trop. Juste %4, Faux %5, Score %6</numerusform>
            <numerusform>Exercice %1 faux&#xa0;: %2 cases justes sur %3, %n marques en trop. Juste %4, Faux %5, Score %6</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Problem %1 right: %2 of %3 cells right, %n stray marks. Right %4, Wrong %5, Score %6</source>
        <comment>Problem %1 right: %2 of %3 cells right, %n stray mark. Right %4, Wrong %5, Score %6</comment>
        <translation>
            <numerusform>Exercice %1 juste&#xa0;: %2 cases justes sur %3, %n marque en trop. Juste %4, Faux %5, Score %6</numerusform>
            <numerusform>Exercice %1 juste&#xa0;: %2 cases justes sur %3, %n marques en trop. Juste %4, Faux %5, Score %6</numerusform>
        </translation>
    </message>
    <message>
        <source>Problem %1 of %2. %3. %4</source>
        <translation>Exercice %1 sur %2. %3. %4</translation>
    </message>
    <message>
        <source>%1. The series is over. Print prints the result sheet.</source>
        <translation>%1. La série est terminée. Imprimer imprime la feuille de résultats.</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Level 1</source>
        <translation>Niveau 1</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Niveau 2</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Niveau 3</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langage</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Consignes</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Expliquer</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>That name belongs to a folder or a device, not to a file.</source>
        <translation>Ce nom appartient à un dossier ou à un périphérique, pas à un fichier.</translation>
    </message>
    <message>
        <source>the file %1 is missing.</source>
        <translation>le fichier %1 est introuvable.</translation>
    </message>
    <message>
        <source>the file %1 is empty.</source>
        <translation>le fichier %1 est vide.</translation>
    </message>
    <message>
        <source>the file %1 is not Tessaly&apos;s print module.</source>
        <translation>le fichier %1 n’est pas le module d’impression de Tessaly.</translation>
    </message>
    <message>
        <source>the file %1 could not be loaded (%2).</source>
        <translation>le fichier %1 n’a pas pu être chargé (%2).</translation>
    </message>
    <message>
        <source>The print job could not be started.</source>
        <translation>La tâche d’impression n’a pas pu être lancée.</translation>
    </message>
    <message>
        <source>The print job could not be finished.</source>
        <translation>La tâche d’impression n’a pas pu être terminée.</translation>
    </message>
    <message>
        <source>The print service is not answering: it gave no reply within %1 seconds.</source>
        <translation>Le service d’impression ne répond pas&#xa0;: il n’a donné aucune réponse en %1 secondes.</translation>
    </message>
    <message>
        <source>No print service is running on this computer.</source>
        <translation>Aucun service d’impression ne fonctionne sur cet ordinateur.</translation>
    </message>
    <message>
        <source>No default printer is set up on this computer.</source>
        <translation>Aucune imprimante par défaut n’est configurée sur cet ordinateur.</translation>
    </message>
    <message>
        <source>The print service did not name a default printer: %1</source>
        <translation>Le service d’impression n’a indiqué aucune imprimante par défaut&#xa0;: %1</translation>
    </message>
    <message>
        <source>Tessaly&apos;s print module cannot be used: %1</source>
        <translation>Le module d’impression de Tessaly ne peut pas être utilisé&#xa0;: %1</translation>
    </message>
    <message>
        <source>No temporary folder for the print job: %1</source>
        <translation>Aucun dossier temporaire pour la tâche d’impression&#xa0;: %1</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is paused. The result sheet waits in its queue and prints when the printer is resumed.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» est en pause. La feuille de résultats attend dans sa file et sera imprimée quand l’imprimante reprendra.</translation>
    </message>
    <message>
        <source>The print service went away before it took the job.</source>
        <translation>Le service d’impression s’est arrêté avant d’accepter la tâche.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas accepté la tâche&#xa0;: %2</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written. %2</source>
        <translation>Le fichier PDF «&#xa0;%1&#xa0;» n’a pas pu être écrit. %2</translation>
    </message>
    <message>
        <source>Save the result sheet as a PDF file as well?</source>
        <translation>Enregistrer aussi la feuille de résultats en fichier PDF&#xa0;?</translation>
    </message>
    <message>
        <source>The result sheet was not printed. Save it as a PDF file instead?</source>
        <translation>La feuille de résultats n’a pas été imprimée. L’enregistrer plutôt en fichier PDF&#xa0;?</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save the result sheet in another place?</source>
        <translation>Enregistrer la feuille de résultats à un autre endroit&#xa0;?</translation>
    </message>
    <message>
        <source>The result sheet was saved as &quot;%1&quot;.</source>
        <translation>La feuille de résultats a été enregistrée sous «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Le disque est plein.</translation>
    </message>
    <message>
        <source>Your share of the disk is used up.</source>
        <translation>Ta part du disque est épuisée.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Permission refusée.</translation>
    </message>
    <message>
        <source>The disk can only be read, not written.</source>
        <translation>Le disque peut seulement être lu, pas écrit.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Le dossier n’existe pas.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>Le nom est trop long.</translation>
    </message>
    <message>
        <source>A folder has that name.</source>
        <translation>Un dossier porte ce nom.</translation>
    </message>
    <message>
        <source>The disk reported an error.</source>
        <translation>Le disque a signalé une erreur.</translation>
    </message>
    <message>
        <source>Tessaly result</source>
        <translation>Résultat Tessaly</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>Step %1 of %2</source>
        <translation>Étape %1 sur %2</translation>
    </message>
    <message>
        <source>Step %1 of %2: the loops have not written anything yet.</source>
        <translation>Étape %1 sur %2&#xa0;: les boucles n’ont encore rien écrit.</translation>
    </message>
    <message>
        <source>Step %1 of %2: X = %3, Y = %4. The loops write %5 in row %3, column %4; you did not mark it.</source>
        <translation>Étape %1 sur %2&#xa0;: X = %3, Y = %4. Les boucles écrivent %5 en ligne %3, colonne %4&#xa0;; tu ne l’as pas marquée.</translation>
    </message>
    <message>
        <source>Step %1 of %2: X = %3, Y = %4. The loops write %5 in row %3, column %4; you wrote %6 there.</source>
        <translation>Étape %1 sur %2&#xa0;: X = %3, Y = %4. Les boucles écrivent %5 en ligne %3, colonne %4&#xa0;; tu y as écrit %6.</translation>
    </message>
</context>
<context>
    <name>frmArray</name>
    <message>
        <source>Problem Number</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>of</source>
        <translation>sur</translation>
    </message>
    <message>
        <source>Display of Array</source>
        <translation>Affichage du tableau</translation>
    </message>
    <message>
        <source>Program Code</source>
        <translation>Code du programme</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Student Data</source>
        <translation>Données de l’élève</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tessaly <byte value="xd"/>
     This program will test your knowledge of Array (Matrix) Access.<byte value="xd"/>
For each sample program, click on the Array (Matrix) Cells in the<byte value="xd"/>
order in which they would be accessed by the program<byte value="xd"/>
fragment.<byte value="xd"/>
     Click on the TEST NOW! button to have your selections<byte value="xd"/>
tested for correctness.  If your choice is correct, the array<byte value="xd"/>
cell will be marked with GREEN.  If your choice is incorrect,  <byte value="xd"/>
the cell will be marked with RED.  A running total will be kept<byte value="xd"/>
in the Right and Wrong Boxes.<byte value="xd"/>
     A final score will be displayed after completion of the 20 <byte value="xd"/>
excercises.<byte value="xd"/>
    Level 1 - No Zero Cells, No Steps<byte value="xd"/>
    Level 2 - Zero Cell, No steps<byte value="xd"/>
    Level 3 - Zero Cells, Steps<byte value="xd"/>
</source>
        <translation>Tessaly
     Ce programme teste tes connaissances sur l’accès aux tableaux (matrices).
Pour chaque programme d’exemple, clique sur les cases du tableau
(de la matrice) dans l’ordre où le fragment de programme y accède.
     Clique sur le bouton VÉRIFIER&#xa0;! pour faire vérifier tes choix.
Si ton choix est juste, la case est marquée en VERT. S’il est faux,
la case est marquée en ROUGE. Les cases Juste et Faux tiennent
le compte au fil des exercices.
     Une note finale s’affiche à la fin des 20 exercices.
    Niveau 1 - Sans cases zéro, sans pas
    Niveau 2 - Avec cases zéro, sans pas
    Niveau 3 - Avec cases zéro, avec pas
</translation>
    </message>
</context>
<context>
    <name>frmExplain</name>
    <message>
        <source>Diagnosis</source>
        <translation>Diagnostic</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Pas à pas</translation>
    </message>
    <message>
        <source>Under each cell: the number you wrote</source>
        <translation>Sous chaque case&#xa0;: le nombre que tu as écrit</translation>
    </message>
    <message>
        <source>Program Code</source>
        <translation>Code du programme</translation>
    </message>
    <message>
        <source>First Mistake</source>
        <translation>Première erreur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Expliquer</translation>
    </message>
</context>
<context>
    <name>frmSignIn</name>
    <message>
        <source>Please Sign In</source>
        <translation>Connecte-toi</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Class ID#</source>
        <translation>N° de classe</translation>
    </message>
    <message>
        <source>Name (Last, First)</source>
        <translation>Nom (nom, prénom)</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Enseignant</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>tessaly::PdfFileDialog</name>
    <message>
        <source>Save the result sheet as PDF</source>
        <translation>Enregistrer la feuille de résultats en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>A file name here cannot contain double quotes (&quot;): the dialog would read the name as a list of files. Please type the name without them.</source>
        <translation>Un nom de fichier ne peut pas contenir ici de guillemets droits (&quot;)&#xa0;: la boîte de dialogue lirait le nom comme une liste de fichiers. Tape le nom sans eux.</translation>
    </message>
</context>
</TS>
