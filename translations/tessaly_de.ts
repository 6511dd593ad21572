<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Cell</name>
    <message>
        <source>row %1, column %2, marked</source>
        <translation>Zeile %1, Spalte %2, markiert</translation>
    </message>
    <message>
        <source>%1, marked</source>
        <translation>%1, markiert</translation>
    </message>
    <message>
        <source>row %1, column %2, right</source>
        <translation>Zeile %1, Spalte %2, richtig</translation>
    </message>
    <message>
        <source>%1, right</source>
        <translation>%1, richtig</translation>
    </message>
    <message>
        <source>row %1, column %2, wrong</source>
        <translation>Zeile %1, Spalte %2, falsch</translation>
    </message>
    <message>
        <source>%1, wrong</source>
        <translation>%1, falsch</translation>
    </message>
    <message>
        <source>row %1, column %2, stray mark</source>
        <translation>Zeile %1, Spalte %2, überzählige Markierung</translation>
    </message>
    <message>
        <source>%1, stray mark</source>
        <translation>%1, überzählige Markierung</translation>
    </message>
    <message>
        <source>row %1, column %2, not visited</source>
        <translation>Zeile %1, Spalte %2, nicht besucht</translation>
    </message>
    <message>
        <source>%1, not visited</source>
        <translation>%1, nicht besucht</translation>
    </message>
    <message>
        <source>row %1, column %2, not marked</source>
        <translation>Zeile %1, Spalte %2, nicht markiert</translation>
    </message>
    <message>
        <source>%1, not marked</source>
        <translation>%1, nicht markiert</translation>
    </message>
</context>
<context>
    <name>Diagnosis</name>
    <message>
        <source>%1 starts at %2, not %3.</source>
        <translation>%1 beginnt bei %2, nicht bei %3.</translation>
    </message>
    <message>
        <source>%1 ends at %2, not %3.</source>
        <translation>%1 endet bei %2, nicht bei %3.</translation>
    </message>
    <message>
        <source>%1 steps by %2, not %3.</source>
        <translation>%1 hat die Schrittweite %2, nicht %3.</translation>
    </message>
    <message>
        <source>Your numbers follow these loops instead:</source>
        <translation>Deine Zahlen folgen stattdessen diesen Schleifen:</translation>
    </message>
    <message>
        <source>The loops are swapped: the outer loop runs over Y.</source>
        <translation>Die Schleifen sind vertauscht: Die äußere Schleife läuft über Y.</translation>
    </message>
    <message>
        <source>Number %1 is the first difference: the loops write it in row %2, column %3; you did not write it.</source>
        <translation>Die Zahl %1 ist der erste Unterschied: Die Schleifen schreiben sie in Zeile %2, Spalte %3; du hast sie nicht geschrieben.</translation>
    </message>
    <message>
        <source>Number %1 is the first difference: the loops write it in row %2, column %3; you wrote it in row %4, column %5.</source>
        <translation>Die Zahl %1 ist der erste Unterschied: Die Schleifen schreiben sie in Zeile %2, Spalte %3; du hast sie in Zeile %4, Spalte %5 geschrieben.</translation>
    </message>
    <message>
        <source>Right: your numbers follow the loops of the listing.</source>
        <translation>Richtig: Deine Zahlen folgen den Schleifen des Programms.</translation>
    </message>
    <message>
        <source>Every cell the loops visit is right, but row %1, column %2 is marked and the loops never visit it.</source>
        <translation>Jede Zelle, die die Schleifen besuchen, ist richtig, aber Zeile %1, Spalte %2 ist markiert, und die Schleifen besuchen sie nie.</translation>
    </message>
</context>
<context>
    <name>Exercise</name>
    <message>
        <source>Test Now!</source>
        <translation>Jetzt prüfen!</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message numerus="yes">
        <source>Problem %1 wrong: %2 of %3 cells right, %n stray marks. Right %4, Wrong %5, Score %6</source>
        <comment>Problem %1 wrong: %2 of %3 cells right, %n stray mark. Right %4, Wrong %5, Score %6</comment>
        <translation>
            <numerusform>Aufgabe %1 falsch: %2 von %3 Zellen richtig, %n überzählige Markierung. Richtig %4, Falsch %5, Ergebnis %6</numerusform>
            <numerusform>Aufgabe %1 falsch: %2 von %3 Zellen richtig, %n überzählige Markierungen. Richtig %4, Falsch %5, Ergebnis %6</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Problem %1 right: %2 of %3 cells right, %n stray marks. Right %4, Wrong %5, Score %6</source>
        <comment>Problem %1 right: %2 of %3 cells right, %n stray mark. Right %4, Wrong %5, Score %6</comment>
        <translation>
            <numerusform>Aufgabe %1 richtig: %2 von %3 Zellen richtig, %n überzählige Markierung. Richtig %4, Falsch %5, Ergebnis %6</numerusform>
            <numerusform>Aufgabe %1 richtig: %2 von %3 Zellen richtig, %n überzählige Markierungen. Richtig %4, Falsch %5, Ergebnis %6</numerusform>
        </translation>
    </message>
    <message>
        <source>Problem %1 of %2. %3. %4</source>
        <translation>Aufgabe %1 von %2. %3. %4</translation>
    </message>
    <message>
        <source>%1. The series is over. Print prints the result sheet.</source>
        <translation>%1. Die Serie ist beendet. Drucken druckt das Ergebnisblatt.</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Level 1</source>
        <translation>Stufe 1</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Stufe 2</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Stufe 3</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Erklären</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>That name belongs to a folder or a device, not to a file.</source>
        <translation>Dieser Name gehört zu einem Ordner oder einem Gerät, nicht zu einer Datei.</translation>
    </message>
    <message>
        <source>the file %1 is missing.</source>
        <translation>die Datei %1 fehlt.</translation>
    </message>
    <message>
        <source>the file %1 is empty.</source>
        <translation>die Datei %1 ist leer.</translation>
    </message>
    <message>
        <source>the file %1 is not Tessaly&apos;s print module.</source>
        <translation>die Datei %1 ist nicht das Druckmodul von Tessaly.</translation>
    </message>
    <message>
        <source>the file %1 could not be loaded (%2).</source>
        <translation>die Datei %1 konnte nicht geladen werden (%2).</translation>
    </message>
    <message>
        <source>The print job could not be started.</source>
        <translation>Der Druckauftrag konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The print job could not be finished.</source>
        <translation>Der Druckauftrag konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>The print service is not answering: it gave no reply within %1 seconds.</source>
        <translation>Der Druckdienst antwortet nicht: Er hat innerhalb von %1 Sekunden keine Antwort gegeben.</translation>
    </message>
    <message>
        <source>No print service is running on this computer.</source>
        <translation>Auf diesem Computer läuft kein Druckdienst.</translation>
    </message>
    <message>
        <source>No default printer is set up on this computer.</source>
        <translation>Auf diesem Computer ist kein Standarddrucker eingerichtet.</translation>
    </message>
    <message>
        <source>The print service did not name a default printer: %1</source>
        <translation>Der Druckdienst hat keinen Standarddrucker genannt: %1</translation>
    </message>
    <message>
        <source>Tessaly&apos;s print module cannot be used: %1</source>
        <translation>Das Druckmodul von Tessaly kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>No temporary folder for the print job: %1</source>
        <translation>Kein temporärer Ordner für den Druckauftrag: %1</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is paused. The result sheet waits in its queue and prints when the printer is resumed.</source>
        <translation>Der Drucker „%1“ ist angehalten. Das Ergebnisblatt wartet in seiner Warteschlange und wird gedruckt, sobald der Drucker weiterläuft.</translation>
    </message>
    <message>
        <source>The print service went away before it took the job.</source>
        <translation>Der Druckdienst wurde beendet, bevor er den Auftrag angenommen hat.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2</source>
        <translation>Der Drucker „%1“ hat den Auftrag nicht angenommen: %2</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written. %2</source>
        <translation>Die PDF-Datei „%1“ konnte nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>Save the result sheet as a PDF file as well?</source>
        <translation>Das Ergebnisblatt zusätzlich als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>The result sheet was not printed. Save it as a PDF file instead?</source>
        <translation>Das Ergebnisblatt wurde nicht gedruckt. Stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save the result sheet in another place?</source>
        <translation>Das Ergebnisblatt an einem anderen Ort speichern?</translation>
    </message>
    <message>
        <source>The result sheet was saved as &quot;%1&quot;.</source>
        <translation>Das Ergebnisblatt wurde als „%1“ gespeichert.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>Your share of the disk is used up.</source>
        <translation>Dein Anteil am Datenträger ist aufgebraucht.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Zugriff verweigert.</translation>
    </message>
    <message>
        <source>The disk can only be read, not written.</source>
        <translation>Der Datenträger kann nur gelesen, nicht beschrieben werden.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Der Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>Der Name ist zu lang.</translation>
    </message>
    <message>
        <source>A folder has that name.</source>
        <translation>Ein Ordner trägt diesen Namen.</translation>
    </message>
    <message>
        <source>The disk reported an error.</source>
        <translation>Der Datenträger hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>Tessaly result</source>
        <translation>Tessaly-Ergebnis</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>Step %1 of %2</source>
        <translation>Schritt %1 von %2</translation>
    </message>
    <message>
        <source>Step %1 of %2: the loops have not written anything yet.</source>
        <translation>Schritt %1 von %2: Die Schleifen haben noch nichts geschrieben.</translation>
    </message>
    <message>
        <source>Step %1 of %2: X = %3, Y = %4. The loops write %5 in row %3, column %4; you did not mark it.</source>
        <translation>Schritt %1 von %2: X = %3, Y = %4. Die Schleifen schreiben %5 in Zeile %3, Spalte %4; du hast sie nicht markiert.</translation>
    </message>
    <message>
        <source>Step %1 of %2: X = %3, Y = %4. The loops write %5 in row %3, column %4; you wrote %6 there.</source>
        <translation>Schritt %1 von %2: X = %3, Y = %4. Die Schleifen schreiben %5 in Zeile %3, Spalte %4; du hast dort %6 geschrieben.</translation>
    </message>
</context>
<context>
    <name>frmArray</name>
    <message>
        <source>Problem Number</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>of</source>
        <translation>von</translation>
    </message>
    <message>
        <source>Display of Array</source>
        <translation>Anzeige des Arrays</translation>
    </message>
    <message>
        <source>Program Code</source>
        <translation>Programmcode</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Student Data</source>
        <translation>Schülerdaten</translation>
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
     Dieses Programm prüft dein Wissen über den Zugriff auf Arrays (Matrizen).
Klicke bei jedem Beispielprogramm die Zellen des Arrays (der Matrix) in
der Reihenfolge an, in der das Programmfragment auf sie zugreifen würde.
     Klicke auf die Schaltfläche JETZT PRÜFEN!, um deine Auswahl
prüfen zu lassen. Ist deine Wahl richtig, wird die Zelle GRÜN
markiert. Ist deine Wahl falsch, wird die Zelle ROT markiert.
In den Feldern Richtig und Falsch wird laufend mitgezählt.
     Nach den 20 Aufgaben wird ein Endergebnis angezeigt.
    Stufe 1 - Ohne Nullzellen, ohne Schrittweite
    Stufe 2 - Mit Nullzellen, ohne Schrittweite
    Stufe 3 - Mit Nullzellen, mit Schrittweite
</translation>
    </message>
</context>
<context>
    <name>frmExplain</name>
    <message>
        <source>Diagnosis</source>
        <translation>Diagnose</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Schritt für Schritt</translation>
    </message>
    <message>
        <source>Under each cell: the number you wrote</source>
        <translation>Unter jeder Zelle: die Zahl, die du geschrieben hast</translation>
    </message>
    <message>
        <source>Program Code</source>
        <translation>Programmcode</translation>
    </message>
    <message>
        <source>First Mistake</source>
        <translation>Erster Fehler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Erklären</translation>
    </message>
</context>
<context>
    <name>frmSignIn</name>
    <message>
        <source>Please Sign In</source>
        <translation>Bitte anmelden</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Class ID#</source>
        <translation>Kurs-Nr.</translation>
    </message>
    <message>
        <source>Name (Last, First)</source>
        <translation>Name (Nachname, Vorname)</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Lehrer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>tessaly::PdfFileDialog</name>
    <message>
        <source>Save the result sheet as PDF</source>
        <translation>Ergebnisblatt als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>A file name here cannot contain double quotes (&quot;): the dialog would read the name as a list of files. Please type the name without them.</source>
        <translation>Ein Dateiname kann hier keine doppelten Anführungszeichen (&quot;) enthalten: Der Dialog würde den Namen als Liste von Dateien lesen. Bitte gib den Namen ohne sie ein.</translation>
    </message>
</context>
</TS>
