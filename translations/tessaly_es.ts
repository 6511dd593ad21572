<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Cell</name>
    <message>
        <source>row %1, column %2, marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1, column %2, right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1, column %2, wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1, column %2, stray mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, stray mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1, column %2, not visited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, not visited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1, column %2, not marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, not marked</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Diagnosis</name>
    <message>
        <source>%1 starts at %2, not %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ends at %2, not %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 steps by %2, not %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your numbers follow these loops instead:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loops are swapped: the outer loop runs over Y.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number %1 is the first difference: the loops write it in row %2, column %3; you did not write it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number %1 is the first difference: the loops write it in row %2, column %3; you wrote it in row %4, column %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right: your numbers follow the loops of the listing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every cell the loops visit is right, but row %1, column %2 is marked and the loops never visit it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Exercise</name>
    <message>
        <source>Test Now!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Problem %1 wrong: %2 of %3 cells right, %n stray marks. Right %4, Wrong %5, Score %6</source>
        <comment>Problem %1 wrong: %2 of %3 cells right, %n stray mark. Right %4, Wrong %5, Score %6</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Problem %1 right: %2 of %3 cells right, %n stray marks. Right %4, Wrong %5, Score %6</source>
        <comment>Problem %1 right: %2 of %3 cells right, %n stray mark. Right %4, Wrong %5, Score %6</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Problem %1 of %2. %3. %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. The series is over. Print prints the result sheet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Level 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explain</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>That name belongs to a folder or a device, not to a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file %1 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file %1 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file %1 is not Tessaly&apos;s print module.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file %1 could not be loaded (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print job could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print job could not be finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print service is not answering: it gave no reply within %1 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No print service is running on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No default printer is set up on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print service did not name a default printer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessaly&apos;s print module cannot be used: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No temporary folder for the print job: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is paused. The result sheet waits in its queue and prints when the printer is resumed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print service went away before it took the job.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the result sheet as a PDF file as well?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The result sheet was not printed. Save it as a PDF file instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the result sheet in another place?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The result sheet was saved as &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>Step %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step %1 of %2: the loops have not written anything yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step %1 of %2: X = %3, Y = %4. The loops write %5 in row %3, column %4; you did not mark it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step %1 of %2: X = %3, Y = %4. The loops write %5 in row %3, column %4; you wrote %6 there.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmArray</name>
    <message>
        <source>Problem Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display of Array</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmExplain</name>
    <message>
        <source>Diagnosis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Under each cell: the number you wrote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Mistake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explain</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSignIn</name>
    <message>
        <source>Please Sign In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class ID#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name (Last, First)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaly</name>
    <message>
        <source>The disk is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your share of the disk is used up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk can only be read, not written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder has that name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk reported an error.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaly::PdfFileDialog</name>
    <message>
        <source>Save the result sheet as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file name here cannot contain double quotes (&quot;): the dialog would read the name as a list of files. Please type the name without them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
