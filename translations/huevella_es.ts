<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CodeMenu</name>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>%1 copiado</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Copiar %1</translation>
    </message>
    <message>
        <source>Copy %1 (ΔE %2)</source>
        <translation>Copiar %1 (ΔE %2)</translation>
    </message>
    <message>
        <source>Contrast %1 on white, %2 on black</source>
        <translation>Contraste %1 sobre blanco, %2 sobre negro</translation>
    </message>
    <message>
        <source>APCA Lc %1 on white, %2 on black</source>
        <translation>APCA Lc %1 sobre blanco, %2 sobre negro</translation>
    </message>
    <message>
        <source>A Click Copies</source>
        <translation>Un clic copia</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Colour %1</source>
        <translation>Color %1</translation>
    </message>
    <message>
        <source>Caption %1</source>
        <translation>Código %1</translation>
    </message>
    <message>
        <source>Card colour %1</source>
        <translation>Color de tarjeta %1</translation>
    </message>
    <message>
        <source>Card caption %1</source>
        <translation>Código de tarjeta %1</translation>
    </message>
    <message>
        <source>Card title</source>
        <translation>Título de la tarjeta</translation>
    </message>
    <message>
        <source>Picker colour</source>
        <translation>Color del cuentagotas</translation>
    </message>
    <message>
        <source>Picker caption</source>
        <translation>Código del cuentagotas</translation>
    </message>
    <message>
        <source>Picker message</source>
        <translation>Mensaje del cuentagotas</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Paleta</translation>
    </message>
    <message>
        <source>Hue slider</source>
        <translation>Control de tono</translation>
    </message>
    <message>
        <source>Saturation slider</source>
        <translation>Control de saturación</translation>
    </message>
    <message>
        <source>Luminance slider</source>
        <translation>Control de luminosidad</translation>
    </message>
    <message>
        <source>Saturation palette</source>
        <translation>Franja de saturación</translation>
    </message>
    <message>
        <source>Luminance palette</source>
        <translation>Franja de luminosidad</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>Luminosidad</translation>
    </message>
    <message>
        <source>Hex code</source>
        <translation>Código hexadecimal</translation>
    </message>
    <message>
        <source>Swatch</source>
        <translation>Muestra</translation>
    </message>
    <message>
        <source>Scheme %1 colour %2</source>
        <translation>Combinación %1, color %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Colour Picker</source>
        <translation>Selector de colores</translation>
    </message>
    <message>
        <source>Collect, adjust and keep colours with their hex codes</source>
        <translation>Reunir, ajustar y guardar colores con sus códigos hexadecimales</translation>
    </message>
    <message>
        <source>colour;color;picker;palette;eyedropper;hex;</source>
        <translation>color;selector;paleta;cuentagotas;hexadecimal;colour;picker;</translation>
    </message>
    <message>
        <source>Pick a Colour</source>
        <translation>Tomar un color</translation>
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
        <translation>Arrastrar el cuentagotas para elegir un color</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>Collapse Cards</source>
        <translation>Plegar tarjetas</translation>
    </message>
    <message>
        <source>Clear Card</source>
        <translation>Vaciar tarjeta</translation>
    </message>
    <message>
        <source>Previous Card</source>
        <translation>Tarjeta anterior</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Tarjeta siguiente</translation>
    </message>
    <message>
        <source>Color Palette</source>
        <translation>Paleta de colores</translation>
    </message>
    <message>
        <source>Swatch Card</source>
        <translation>Tarjeta de colores</translation>
    </message>
    <message>
        <source>Pick from Screen</source>
        <translation>Tomar de la pantalla</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importar…</translation>
    </message>
    <message>
        <source>Preview Files</source>
        <translation>Vista previa de archivos</translation>
    </message>
    <message>
        <source>To System Tray</source>
        <translation>Minimizar a la bandeja del sistema</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Huevella Files (*.hvz)|*.hvz</source>
        <translation>Archivos de Huevella (*.hvz)|*.hvz</translation>
    </message>
    <message>
        <source>Huevella File (*.hvz)|*.hvz</source>
        <translation>Archivo de Huevella (*.hvz)|*.hvz</translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl)|*.gpl|Adobe Swatch Exchange (*.ase)|*.ase|CSS Custom Properties (*.css)|*.css|JSON (*.json)|*.json</source>
        <translation>Paleta de GIMP (*.gpl)|*.gpl|Adobe Swatch Exchange (*.ase)|*.ase|Propiedades personalizadas CSS (*.css)|*.css|JSON (*.json)|*.json</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl)|*.gpl</source>
        <translation>Paleta de GIMP (*.gpl)|*.gpl</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Right Click to Adjust Color</source>
        <translation>Clic derecho para ajustar el color</translation>
    </message>
    <message>
        <source>Add Card to Book</source>
        <translation>Añadir la tarjeta al muestrario</translation>
    </message>
    <message>
        <source>Slider</source>
        <translation>Control deslizante</translation>
    </message>
    <message>
        <source>Click to Copy</source>
        <translation>Clic para copiar</translation>
    </message>
    <message>
        <source>Suggest Color Schemes</source>
        <translation>Sugerir combinaciones de colores</translation>
    </message>
    <message>
        <source>Screen Picker</source>
        <translation>Cuentagotas de pantalla</translation>
    </message>
    <message>
        <source>Suggested Color Schemes</source>
        <translation>Combinaciones sugeridas</translation>
    </message>
    <message>
        <source>Space renames the card</source>
        <translation>Espacio cambia el nombre de la tarjeta</translation>
    </message>
    <message>
        <source>Space picks: the arrow keys move, Enter takes the colour, Escape cancels</source>
        <translation>Espacio inicia el cuentagotas: las flechas mueven, Intro toma el color, Escape cancela</translation>
    </message>
    <message>
        <source>Space puts the colour taken here; the Menu key adjusts it</source>
        <translation>Espacio pone aquí el color tomado; la tecla Menú lo ajusta</translation>
    </message>
    <message>
        <source>Enter copies the code; the Menu key lists its other forms</source>
        <translation>Intro copia el código; la tecla Menú muestra sus otras formas</translation>
    </message>
    <message>
        <source>Pixels averaged: the keys 1, 3, 5 and 7 choose 1×1 to 7×7</source>
        <translation>Píxeles promediados: las teclas 1, 3, 5 y 7 eligen de 1×1 a 7×7</translation>
    </message>
    <message>
        <source>Enlargement: the wheel, or + and -, changes it</source>
        <translation>Ampliación: la rueda, o + y -, la cambia</translation>
    </message>
    <message>
        <source>Recent Colours</source>
        <translation>Colores recientes</translation>
    </message>
</context>
<context>
    <name>FrozenScreen</name>
    <message>
        <source>Huevella: pick a colour</source>
        <translation>Huevella: tomar un color</translation>
    </message>
</context>
<context>
    <name>Preview page</name>
    <message>
        <source>Huevella — preview book files</source>
        <translation>Huevella — vista previa de muestrarios</translation>
    </message>
    <message>
        <source>HUEVELLA · BOOK FILES</source>
        <translation>HUEVELLA · MUESTRARIOS</translation>
    </message>
    <message>
        <source>Choose one or more &lt;code&gt;.hvz&lt;/code&gt; book files to see their cards. Click a code to copy it.</source>
        <translation>Elija uno o varios muestrarios &lt;code&gt;.hvz&lt;/code&gt; para ver sus tarjetas. Haga clic en un código para copiarlo.</translation>
    </message>
    <message>
        <source>Choose books…</source>
        <translation>Elegir muestrarios…</translation>
    </message>
    <message>
        <source>Click to Copy</source>
        <translation>Clic para copiar</translation>
    </message>
    <message>
        <source>Contrast </source>
        <translation>Contraste </translation>
    </message>
    <message>
        <source>Not a book file: </source>
        <translation>No es un muestrario: </translation>
    </message>
    <message>
        <source>the first line is not a card count</source>
        <translation>la primera línea no es un número de tarjetas</translation>
    </message>
    <message>
        <source>card %1 is incomplete</source>
        <translation>la tarjeta %1 está incompleta</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the file holds binary data, not a book</source>
        <translation>el archivo contiene datos binarios, no un muestrario</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>a card count from 0 to 9 was expected</source>
        <translation>se esperaba un número de tarjetas de 0 a 9</translation>
    </message>
    <message>
        <source>the file ends before card %1 is complete</source>
        <translation>el archivo termina antes de completar la tarjeta %1</translation>
    </message>
    <message>
        <source>a colour number was expected</source>
        <translation>se esperaba un número de color</translation>
    </message>
    <message>
        <source>the colour number is out of range</source>
        <translation>el número de color está fuera de rango</translation>
    </message>
    <message>
        <source>a colour code of at most 7 characters, or &quot;space&quot;, was expected</source>
        <translation>se esperaba un código de color de 7 caracteres como máximo, o «space»</translation>
    </message>
    <message>
        <source>the file goes on after the last card</source>
        <translation>el archivo sigue después de la última tarjeta</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB, too large to be a book</source>
        <translation>ocupa más de 64 KiB, demasiado para un muestrario</translation>
    </message>
    <message>
        <source>it is larger than %1 KiB, too large to be read</source>
        <translation>ocupa más de %1 KiB, demasiado para leerlo</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>another program is saving it; try again in a moment</source>
        <translation>otro programa lo está guardando; inténtelo de nuevo en un momento</translation>
    </message>
    <message>
        <source>another program changed it meanwhile</source>
        <translation>otro programa lo ha cambiado entretanto</translation>
    </message>
    <message>
        <source>&quot;GIMP Palette&quot; was expected</source>
        <translation>se esperaba «GIMP Palette»</translation>
    </message>
    <message>
        <source>three channel numbers from 0 to 255 were expected</source>
        <translation>se esperaban tres valores de canal de 0 a 255</translation>
    </message>
    <message>
        <source>the channel &apos;%1&apos; is out of range (0 to 255)</source>
        <translation>el valor de canal «%1» está fuera de rango (0 a 255)</translation>
    </message>
    <message>
        <source>the palette has no colours</source>
        <translation>la paleta no tiene colores</translation>
    </message>
    <message>
        <source>%1 colours, and a book holds %2: %3</source>
        <translation>%1 colores, y un muestrario admite como máximo %2: %3</translation>
    </message>
    <message>
        <source>%1 colours, kept to their cards, need more than %2 cards: %3</source>
        <translation>%1 colores que, agrupados por tarjeta, necesitan más de %2 tarjetas: %3</translation>
    </message>
    <message>
        <source>the last colour is left out</source>
        <translation>el último color se queda fuera</translation>
    </message>
    <message>
        <source>the last %1 colours are left out</source>
        <translation>los últimos %1 colores se quedan fuera</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>no such file or directory</source>
        <translation>no existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>no space left on device</source>
        <translation>no queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>read-only file system</source>
        <translation>sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>disk quota exceeded</source>
        <translation>cuota de disco superada</translation>
    </message>
    <message>
        <source>file name too long</source>
        <translation>nombre de archivo demasiado largo</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>not a directory</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>error de entrada/salida</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>demasiados niveles de enlaces simbólicos</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>operación no permitida</translation>
    </message>
    <message>
        <source>it is a link another user made, and is not followed</source>
        <translation>es un enlace que otro usuario creó, y no se sigue</translation>
    </message>
    <message>
        <source>it was replaced by another file while it was being saved, and was not written</source>
        <translation>otro archivo lo reemplazó mientras se guardaba, y no se escribió</translation>
    </message>
    <message>
        <source>the book as it was could not be kept first (%1)</source>
        <translation>no se pudo conservar antes el muestrario tal como estaba (%1)</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nombre de archivo:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Archivos de tipo:</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>El archivo %1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Archivo no encontrado.
Verifique que el nombre del archivo es correcto.</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Invalid filename</source>
        <translation>Nombre de archivo no válido</translation>
    </message>
</context>
<context>
    <name>Recent</name>
    <message>
        <source>Unreadable, set aside: %1</source>
        <translation>Ilegible, apartado: %1</translation>
    </message>
</context>
<context>
    <name>TfrmHuevella</name>
    <message>
        <source>No cards</source>
        <translation>Sin tarjetas</translation>
    </message>
    <message>
        <source>Card %1 of %2</source>
        <translation>Tarjeta %1 de %2</translation>
    </message>
    <message>
        <source>Card cleared. %1</source>
        <translation>Tarjeta vaciada. %1</translation>
    </message>
    <message>
        <source>Card added. %1</source>
        <translation>Tarjeta añadida. %1</translation>
    </message>
    <message>
        <source>The book could not be saved to &quot;%1&quot;: %2.

Nothing was lost: the book is still open.</source>
        <translation>No se pudo guardar el muestrario en «%1»: %2.

No se ha perdido nada: el muestrario sigue abierto.</translation>
    </message>
    <message>
        <source>The book &quot;%1&quot; cannot be opened: %2.</source>
        <translation>No se puede abrir el muestrario «%1»: %2.</translation>
    </message>
    <message>
        <source>Save changes to huevella?</source>
        <translation>¿Guardar los cambios en huevella?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has been changed by another program since it was opened or saved.

Do you want to replace it with this book? (No saves this book under another name.)</source>
        <translation>Otro programa ha cambiado «%1» desde que se abrió o se guardó.

¿Desea reemplazarlo por este muestrario? («No» guarda este muestrario con otro nombre).</translation>
    </message>
    <message>
        <source>%1 other books were asked for while Huevella was waiting for an answer; only the last one, &quot;%2&quot;, was taken.</source>
        <translation>Se pidieron %1 muestrarios más mientras Huevella esperaba una respuesta; solo se abrió el último, «%2».</translation>
    </message>
    <message>
        <source>An unsaved book was kept at &quot;%1&quot;, but it cannot be opened.</source>
        <translation>Se conservó un muestrario sin guardar en «%1», pero no se puede abrir.</translation>
    </message>
    <message>
        <source>An unsaved book was kept at &quot;%1&quot;, but it cannot be opened: %2.</source>
        <translation>Se conservó un muestrario sin guardar en «%1», pero no se puede abrir: %2.</translation>
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
        <source>Huevella ended before an unnamed book (%1) was saved.

Recover the unsaved book?</source>
        <translation>Huevella se cerró antes de guardar un muestrario sin nombre (%1).

¿Recuperar el muestrario sin guardar?</translation>
    </message>
    <message>
        <source>Huevella ended before &quot;%1&quot; (%2) was saved.

Recover the unsaved book?</source>
        <translation>Huevella se cerró antes de guardar «%1» (%2).

¿Recuperar el muestrario sin guardar?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the book that is open: the colours are not exported over it.

Choose another name.</source>
        <translation>«%1» es el muestrario abierto: los colores no se exportan sobre él.

Elija otro nombre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.

Do you want to replace it?</source>
        <translation>«%1» ya existe.

¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>The colours could not be exported to &quot;%1&quot;: %2.

The book is as it was.</source>
        <translation>No se pudieron exportar los colores a «%1»: %2.

El muestrario sigue como estaba.</translation>
    </message>
    <message>
        <source>The palette &quot;%1&quot; cannot be imported: %2.</source>
        <translation>No se puede importar la paleta «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2.</source>
        <translation>«%1» contiene %2.</translation>
    </message>
    <message>
        <source>Card %1 colour %2</source>
        <translation>Tarjeta %1, color %2</translation>
    </message>
    <message>
        <source>Card %1 title</source>
        <translation>Título de la tarjeta %1</translation>
    </message>
    <message>
        <source>Preview Files could not open the page &quot;%1&quot;: this desktop has no program to open it with. Open the page in your web browser.</source>
        <translation>La vista previa de archivos no pudo abrir la página «%1»: este escritorio no tiene ningún programa para abrirla. Abra la página en su navegador web.</translation>
    </message>
    <message>
        <source>Huevella</source>
        <translation>Huevella</translation>
    </message>
    <message>
        <source>1 other book was asked for while Huevella was waiting for an answer; only the last one, &quot;%1&quot;, was taken.</source>
        <translation>Se pidió 1 muestrario más mientras Huevella esperaba una respuesta; solo se abrió el último, «%1».</translation>
    </message>
    <message>
        <source>Huevella was stopped while saving %1: the book before that save was kept. Put it back?</source>
        <translation>Huevella se detuvo mientras guardaba %1: se conservó el muestrario de antes de ese guardado. ¿Restaurarlo?</translation>
    </message>
    <message>
        <source>%1 was put back as it was before the save.</source>
        <translation>%1 se restauró tal como estaba antes de guardar.</translation>
    </message>
    <message>
        <source>%1 could not be put back: %2.</source>
        <translation>No se pudo restaurar %1: %2.</translation>
    </message>
    <message>
        <source>Title: %1</source>
        <translation>Título: %1</translation>
    </message>
    <message>
        <source>Saved, %1</source>
        <translation>Guardado, %1</translation>
    </message>
    <message>
        <source>No colours taken yet</source>
        <translation>Aún no se ha tomado ningún color</translation>
    </message>
</context>
<context>
    <name>TfrmMivoSlider</name>
    <message>
        <source>Saturation</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>Luminosidad</translation>
    </message>
</context>
<context>
    <name>TfrmScreenPicker</name>
    <message>
        <source>Asking the desktop for a picture of the screen…</source>
        <translation>Pidiendo al escritorio una captura de la pantalla…</translation>
    </message>
    <message>
        <source>Asking…</source>
        <translation>Preguntando…</translation>
    </message>
    <message>
        <source>The desktop is asking whether Huevella may see the screen: answer it there</source>
        <translation>El escritorio pregunta si Huevella puede ver la pantalla: responda allí</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>The desktop lets Huevella see the screen now: press the eyedropper again</source>
        <translation>Huevella ya puede ver la pantalla: pulse de nuevo el cuentagotas</translation>
    </message>
    <message>
        <source>No picture of the screen here: click a colour with the desktop&apos;s own picker</source>
        <translation>Aquí no hay captura de la pantalla: haga clic en un color con el cuentagotas del escritorio</translation>
    </message>
    <message>
        <source>No magnifier here: the desktop&apos;s picker took this colour</source>
        <translation>Aquí no hay lupa: el cuentagotas del escritorio tomó este color</translation>
    </message>
    <message>
        <source>Can&apos;t read</source>
        <translation>Sin acceso</translation>
    </message>
    <message>
        <source>This desktop does not let programs read the screen</source>
        <translation>Este escritorio no deja que los programas lean la pantalla</translation>
    </message>
    <message>
        <source>The screenshot service failed: wlroots desktops (sway) need grim and slurp</source>
        <translation>Falló el servicio de capturas: los escritorios wlroots (sway) necesitan grim y slurp</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service failed</source>
        <translation>Falló el servicio de capturas del escritorio</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>The desktop&apos;s picture of the screen was cancelled</source>
        <translation>Se canceló la captura de la pantalla del escritorio</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Sin respuesta</translation>
    </message>
    <message>
        <source>The desktop did not answer the request for a picture of the screen</source>
        <translation>El escritorio no respondió a la petición de una captura de la pantalla</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Taken, %1</source>
        <translation>Tomado, %1</translation>
    </message>
    <message>
        <source>Picked colour</source>
        <translation>Color tomado</translation>
    </message>
    <message>
        <source>Picked colour code</source>
        <translation>Código del color tomado</translation>
    </message>
    <message>
        <source>The desktop&apos;s picker was cancelled</source>
        <translation>Se canceló el cuentagotas del escritorio</translation>
    </message>
    <message>
        <source>One pixel</source>
        <translation>Un píxel</translation>
    </message>
    <message>
        <source>Average of %1×%1 pixels</source>
        <translation>Promedio de %1×%1 píxeles</translation>
    </message>
    <message>
        <source>Enlarged %1 times</source>
        <translation>Ampliado %1 veces</translation>
    </message>
    <message>
        <source>%1, the average of the %2 pixels on the screen</source>
        <translation>%1, el promedio de los %2 píxeles en la pantalla</translation>
    </message>
    <message>
        <source>Taken, %1, as card colour %2; picking goes on</source>
        <translation>Tomado, %1, como color de tarjeta %2; el cuentagotas sigue activo</translation>
    </message>
    <message>
        <source>Done, taken: %1</source>
        <translation>Hecho, tomados: %1</translation>
    </message>
</context>
<context>
    <name>TfrmSuggestSchemes</name>
    <message>
        <source>Schemes</source>
        <translation>Combinaciones</translation>
    </message>
</context>
<context>
    <name>TfrmSwatchCard</name>
    <message>
        <source>Only ten cards are permitted in each huevella.
 Do you wish to open a new book?</source>
        <translation>En un muestrario de Huevella solo caben diez tarjetas.
¿Desea abrir un muestrario nuevo?</translation>
    </message>
</context>
</TS>
