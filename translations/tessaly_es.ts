<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Cell</name>
    <message>
        <source>row %1, column %2, marked</source>
        <translation>fila %1, columna %2, marcada</translation>
    </message>
    <message>
        <source>%1, marked</source>
        <translation>%1, marcada</translation>
    </message>
    <message>
        <source>row %1, column %2, right</source>
        <translation>fila %1, columna %2, correcta</translation>
    </message>
    <message>
        <source>%1, right</source>
        <translation>%1, correcta</translation>
    </message>
    <message>
        <source>row %1, column %2, wrong</source>
        <translation>fila %1, columna %2, incorrecta</translation>
    </message>
    <message>
        <source>%1, wrong</source>
        <translation>%1, incorrecta</translation>
    </message>
    <message>
        <source>row %1, column %2, stray mark</source>
        <translation>fila %1, columna %2, marca de más</translation>
    </message>
    <message>
        <source>%1, stray mark</source>
        <translation>%1, marca de más</translation>
    </message>
    <message>
        <source>row %1, column %2, not visited</source>
        <translation>fila %1, columna %2, no visitada</translation>
    </message>
    <message>
        <source>%1, not visited</source>
        <translation>%1, no visitada</translation>
    </message>
    <message>
        <source>row %1, column %2, not marked</source>
        <translation>fila %1, columna %2, no marcada</translation>
    </message>
    <message>
        <source>%1, not marked</source>
        <translation>%1, no marcada</translation>
    </message>
</context>
<context>
    <name>Diagnosis</name>
    <message>
        <source>%1 starts at %2, not %3.</source>
        <translation>%1 empieza en %2, no en %3.</translation>
    </message>
    <message>
        <source>%1 ends at %2, not %3.</source>
        <translation>%1 termina en %2, no en %3.</translation>
    </message>
    <message>
        <source>%1 steps by %2, not %3.</source>
        <translation>%1 avanza de %2 en %2, no de %3 en %3.</translation>
    </message>
    <message>
        <source>Your numbers follow these loops instead:</source>
        <translation>Tus números siguen en cambio estos bucles:</translation>
    </message>
    <message>
        <source>The loops are swapped: the outer loop runs over Y.</source>
        <translation>Los bucles están intercambiados: el bucle exterior recorre Y.</translation>
    </message>
    <message>
        <source>Number %1 is the first difference: the loops write it in row %2, column %3; you did not write it.</source>
        <translation>El número %1 es la primera diferencia: los bucles lo escriben en la fila %2, columna %3; no lo escribiste.</translation>
    </message>
    <message>
        <source>Number %1 is the first difference: the loops write it in row %2, column %3; you wrote it in row %4, column %5.</source>
        <translation>El número %1 es la primera diferencia: los bucles lo escriben en la fila %2, columna %3; tú lo escribiste en la fila %4, columna %5.</translation>
    </message>
    <message>
        <source>Right: your numbers follow the loops of the listing.</source>
        <translation>Correcto: tus números siguen los bucles del programa.</translation>
    </message>
    <message>
        <source>Every cell the loops visit is right, but row %1, column %2 is marked and the loops never visit it.</source>
        <translation>Todas las celdas que recorren los bucles son correctas, pero la fila %1, columna %2 está marcada y los bucles nunca la recorren.</translation>
    </message>
</context>
<context>
    <name>Exercise</name>
    <message>
        <source>Test Now!</source>
        <translation>¡Comprobar!</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message numerus="yes">
        <source>Problem %1 wrong: %2 of %3 cells right, %n stray marks. Right %4, Wrong %5, Score %6</source>
        <comment>Problem %1 wrong: %2 of %3 cells right, %n stray mark. Right %4, Wrong %5, Score %6</comment>
        <translation>
            <numerusform>Problema %1 incorrecto: %2 de %3 celdas correctas, %n marca de más. Correctos %4, Incorrectos %5, Puntuación %6</numerusform>
            <numerusform>Problema %1 incorrecto: %2 de %3 celdas correctas, %n marcas de más. Correctos %4, Incorrectos %5, Puntuación %6</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Problem %1 right: %2 of %3 cells right, %n stray marks. Right %4, Wrong %5, Score %6</source>
        <comment>Problem %1 right: %2 of %3 cells right, %n stray mark. Right %4, Wrong %5, Score %6</comment>
        <translation>
            <numerusform>Problema %1 correcto: %2 de %3 celdas correctas, %n marca de más. Correctos %4, Incorrectos %5, Puntuación %6</numerusform>
            <numerusform>Problema %1 correcto: %2 de %3 celdas correctas, %n marcas de más. Correctos %4, Incorrectos %5, Puntuación %6</numerusform>
        </translation>
    </message>
    <message>
        <source>Problem %1 of %2. %3. %4</source>
        <translation>Problema %1 de %2. %3. %4</translation>
    </message>
    <message>
        <source>%1. The series is over. Print prints the result sheet.</source>
        <translation>%1. La serie ha terminado. Imprimir imprime la hoja de resultados.</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Level 1</source>
        <translation>Nivel 1</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Nivel 2</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Nivel 3</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lenguaje</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Explicar</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>That name belongs to a folder or a device, not to a file.</source>
        <translation>Ese nombre pertenece a una carpeta o a un dispositivo, no a un archivo.</translation>
    </message>
    <message>
        <source>the file %1 is missing.</source>
        <translation>falta el archivo %1.</translation>
    </message>
    <message>
        <source>the file %1 is empty.</source>
        <translation>el archivo %1 está vacío.</translation>
    </message>
    <message>
        <source>the file %1 is not Tessaly&apos;s print module.</source>
        <translation>el archivo %1 no es el módulo de impresión de Tessaly.</translation>
    </message>
    <message>
        <source>the file %1 could not be loaded (%2).</source>
        <translation>no se pudo cargar el archivo %1 (%2).</translation>
    </message>
    <message>
        <source>The print job could not be started.</source>
        <translation>No se pudo iniciar el trabajo de impresión.</translation>
    </message>
    <message>
        <source>The print job could not be finished.</source>
        <translation>No se pudo terminar el trabajo de impresión.</translation>
    </message>
    <message>
        <source>The print service is not answering: it gave no reply within %1 seconds.</source>
        <translation>El servicio de impresión no responde: no ha contestado en %1 segundos.</translation>
    </message>
    <message>
        <source>No print service is running on this computer.</source>
        <translation>No hay ningún servicio de impresión en marcha en este ordenador.</translation>
    </message>
    <message>
        <source>No default printer is set up on this computer.</source>
        <translation>No hay ninguna impresora predeterminada configurada en este ordenador.</translation>
    </message>
    <message>
        <source>The print service did not name a default printer: %1</source>
        <translation>El servicio de impresión no indicó ninguna impresora predeterminada: %1</translation>
    </message>
    <message>
        <source>Tessaly&apos;s print module cannot be used: %1</source>
        <translation>No se puede usar el módulo de impresión de Tessaly: %1</translation>
    </message>
    <message>
        <source>No temporary folder for the print job: %1</source>
        <translation>No hay carpeta temporal para el trabajo de impresión: %1</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is paused. The result sheet waits in its queue and prints when the printer is resumed.</source>
        <translation>La impresora «%1» está en pausa. La hoja de resultados espera en su cola y se imprimirá cuando la impresora se reanude.</translation>
    </message>
    <message>
        <source>The print service went away before it took the job.</source>
        <translation>El servicio de impresión se detuvo antes de aceptar el trabajo.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2</source>
        <translation>La impresora «%1» no aceptó el trabajo: %2</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written. %2</source>
        <translation>No se pudo escribir el archivo PDF «%1». %2</translation>
    </message>
    <message>
        <source>Save the result sheet as a PDF file as well?</source>
        <translation>¿Guardar también la hoja de resultados como archivo PDF?</translation>
    </message>
    <message>
        <source>The result sheet was not printed. Save it as a PDF file instead?</source>
        <translation>La hoja de resultados no se imprimió. ¿Guardarla como archivo PDF en su lugar?</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save the result sheet in another place?</source>
        <translation>¿Guardar la hoja de resultados en otro lugar?</translation>
    </message>
    <message>
        <source>The result sheet was saved as &quot;%1&quot;.</source>
        <translation>La hoja de resultados se guardó como «%1».</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>El disco está lleno.</translation>
    </message>
    <message>
        <source>Your share of the disk is used up.</source>
        <translation>Tu cuota de disco está agotada.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Permiso denegado.</translation>
    </message>
    <message>
        <source>The disk can only be read, not written.</source>
        <translation>El disco solo se puede leer, no escribir.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>La carpeta no existe.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>El nombre es demasiado largo.</translation>
    </message>
    <message>
        <source>A folder has that name.</source>
        <translation>Una carpeta tiene ese nombre.</translation>
    </message>
    <message>
        <source>The disk reported an error.</source>
        <translation>El disco informó de un error.</translation>
    </message>
    <message>
        <source>Tessaly result</source>
        <translation>Resultado de Tessaly</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>Step %1 of %2</source>
        <translation>Paso %1 de %2</translation>
    </message>
    <message>
        <source>Step %1 of %2: the loops have not written anything yet.</source>
        <translation>Paso %1 de %2: los bucles aún no han escrito nada.</translation>
    </message>
    <message>
        <source>Step %1 of %2: X = %3, Y = %4. The loops write %5 in row %3, column %4; you did not mark it.</source>
        <translation>Paso %1 de %2: X = %3, Y = %4. Los bucles escriben %5 en la fila %3, columna %4; no la marcaste.</translation>
    </message>
    <message>
        <source>Step %1 of %2: X = %3, Y = %4. The loops write %5 in row %3, column %4; you wrote %6 there.</source>
        <translation>Paso %1 de %2: X = %3, Y = %4. Los bucles escriben %5 en la fila %3, columna %4; tú escribiste %6 ahí.</translation>
    </message>
</context>
<context>
    <name>frmArray</name>
    <message>
        <source>Problem Number</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>of</source>
        <translation>de</translation>
    </message>
    <message>
        <source>Display of Array</source>
        <translation>Vista de la matriz</translation>
    </message>
    <message>
        <source>Program Code</source>
        <translation>Código del programa</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Correctos</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Incorrectos</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Student Data</source>
        <translation>Datos del alumno</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
     Este programa pone a prueba lo que sabes del acceso a matrices (arrays).
En cada programa de ejemplo, haz clic en las celdas de la matriz en el
orden en que el fragmento de programa accedería a ellas.
     Haz clic en el botón ¡COMPROBAR! para que se compruebe tu selección.
Si tu elección es correcta, la celda se marca en VERDE. Si es
incorrecta, la celda se marca en ROJO. Las casillas Correctos e
Incorrectos llevan la cuenta de tus resultados.
     Al terminar los 20 ejercicios se muestra una puntuación final.
    Nivel 1 - Sin celdas cero, sin pasos
    Nivel 2 - Con celdas cero, sin pasos
    Nivel 3 - Con celdas cero, con pasos
</translation>
    </message>
</context>
<context>
    <name>frmExplain</name>
    <message>
        <source>Diagnosis</source>
        <translation>Diagnóstico</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Paso a paso</translation>
    </message>
    <message>
        <source>Under each cell: the number you wrote</source>
        <translation>Debajo de cada celda: el número que escribiste</translation>
    </message>
    <message>
        <source>Program Code</source>
        <translation>Código del programa</translation>
    </message>
    <message>
        <source>First Mistake</source>
        <translation>Primer error</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Explicar</translation>
    </message>
</context>
<context>
    <name>frmSignIn</name>
    <message>
        <source>Please Sign In</source>
        <translation>Inicia sesión</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Class ID#</source>
        <translation>N.º de clase</translation>
    </message>
    <message>
        <source>Name (Last, First)</source>
        <translation>Nombre (apellidos, nombre)</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Profesor</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>tessaly::PdfFileDialog</name>
    <message>
        <source>Save the result sheet as PDF</source>
        <translation>Guardar la hoja de resultados como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>A file name here cannot contain double quotes (&quot;): the dialog would read the name as a list of files. Please type the name without them.</source>
        <translation>Aquí un nombre de archivo no puede contener comillas dobles (&quot;): el diálogo leería el nombre como una lista de archivos. Escribe el nombre sin ellas.</translation>
    </message>
</context>
</TS>
