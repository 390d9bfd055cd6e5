<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>BasicFunction</name>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>Reproductor multimedia</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproducir/Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Vol+</source>
        <translation>Volumen +</translation>
    </message>
    <message>
        <source>Vol-</source>
        <translation>Volumen -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Mi PC</translation>
    </message>
    <message>
        <source>Task manager</source>
        <translation>Administrador de tareas</translation>
    </message>
    <message>
        <source>Browser home</source>
        <translation>Inicio del navegador</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
</context>
<context>
    <name>ColourChooser</name>
    <message>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
</context>
<context>
    <name>CoreMessage</name>
    <message>
        <source>the keyboard is busy</source>
        <translation>el teclado está ocupado</translation>
    </message>
    <message>
        <source>no keyboard</source>
        <translation>no hay teclado</translation>
    </message>
    <message>
        <source>%1 is not bound</source>
        <translation>%1 no está asociado</translation>
    </message>
    <message>
        <source>there is no program %1; give an executable&apos;s absolute path</source>
        <translation>no existe el programa %1; indique la ruta absoluta de un ejecutable</translation>
    </message>
    <message>
        <source>a program name cannot hold tabs, line breaks or other control characters</source>
        <translation>un nombre de programa no puede contener tabulaciones, saltos de línea ni otros caracteres de control</translation>
    </message>
    <message>
        <source>%1 is damaged; it was moved to %2 and switching by the program in front is off until programs are bound again.</source>
        <translation>%1 está dañado; se movió a %2 y el cambio según el programa en primer plano está desactivado hasta que se vuelvan a asociar programas.</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <source>cannot open %1: there is no such file</source>
        <translation>no se puede abrir %1: el archivo no existe</translation>
    </message>
    <message>
        <source>%1 has %2 bytes; a profile has %3</source>
        <translation>%1 tiene %2 bytes; un perfil tiene %3</translation>
    </message>
</context>
<context>
    <name>DriverUpdate</name>
    <message>
        <source>After the firmware update, restore the factory settings, or hold Fn and Pause together for 5 seconds, to finish the update.</source>
        <translation>Tras actualizar el firmware, restaure la configuración de fábrica o mantenga pulsadas Fn y Pausa durante 5 segundos para terminar la actualización.</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Actualización del firmware</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>Update the keyboard to the new firmware?</source>
        <translation>¿Actualizar el teclado al nuevo firmware?</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Actualización del firmware</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>modification path</source>
        <translation>modificar ruta</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Elegir una carpeta</translation>
    </message>
    <message>
        <source>This path cannot be stored:
</source>
        <translation>Esta ruta no se puede guardar:
</translation>
    </message>
    <message>
        <source>The path is longer than 255 characters:
</source>
        <translation>La ruta tiene más de 255 caracteres:
</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Eliminar todo</translation>
    </message>
    <message>
        <source>Play music</source>
        <translation>Reproducir
música</translation>
    </message>
    <message>
        <source>Start program</source>
        <translation>Iniciar
programa</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Abrir
archivo</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir
carpeta</translation>
    </message>
    <message>
        <source>Current key: </source>
        <translation>Tecla actual: </translation>
    </message>
    <message>
        <source>Choose an item inside the group</source>
        <translation>Elija un elemento dentro del grupo</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Básico</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Single key</source>
        <translation>Tecla única</translation>
    </message>
    <message>
        <source>Key combination</source>
        <translation>Combinación de teclas</translation>
    </message>
    <message>
        <source>Disable key</source>
        <translation>Desactivar tecla</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Por defecto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
</context>
<context>
    <name>KeyboardEffect</name>
    <message>
        <source>Steady</source>
        <translation>Fijo</translation>
    </message>
    <message>
        <source>Breathing</source>
        <translation>Respiración</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reactivo</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpiente</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ondulación</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neón</translation>
    </message>
    <message>
        <source>Raindrops</source>
        <translation>Gotas de lluvia</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Anillo</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Colisión</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>DIY1</source>
        <translation>Personal 1</translation>
    </message>
    <message>
        <source>DIY2</source>
        <translation>Personal 2</translation>
    </message>
    <message>
        <source>DIY3</source>
        <translation>Personal 3</translation>
    </message>
    <message>
        <source>DIY4</source>
        <translation>Personal 4</translation>
    </message>
    <message>
        <source>DIY5</source>
        <translation>Personal 5</translation>
    </message>
</context>
<context>
    <name>LightingPanel</name>
    <message>
        <source>Backlight</source>
        <translation>Retroiluminación</translation>
    </message>
    <message>
        <source>Backlight effect</source>
        <translation>Efecto de iluminación</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápido</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>Tenue</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Intenso</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Keymap</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>DIY</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>Modo juego</translation>
    </message>
    <message>
        <source>Win lock</source>
        <translation>Bloq. Win</translation>
    </message>
    <message>
        <source>Key response time</source>
        <translation>Tiempo de respuesta de teclas</translation>
    </message>
    <message>
        <source>USB report rate</source>
        <translation>Frecuencia de sondeo USB</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Color %1</translation>
    </message>
</context>
<context>
    <name>MacroManager</name>
    <message>
        <source>Macro manager</source>
        <comment>message caption</comment>
        <translation>Gestor de macros</translation>
    </message>
    <message>
        <source>Key presses cannot be captured; recording has not started.</source>
        <translation>No se pueden capturar las pulsaciones; la grabación no ha empezado.</translation>
    </message>
    <message>
        <source>A macro name holds at most 254 characters; this one has %1.</source>
        <translation>Un nombre de macro tiene como máximo 254 caracteres; este tiene %1.</translation>
    </message>
    <message>
        <source>Choose the macro to record into</source>
        <translation>Elija la macro en la que grabar</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <comment>caption of the recording warning</comment>
        <translation>Gestor de macros</translation>
    </message>
    <message>
        <source>Choose the macro to delete</source>
        <translation>Elija la macro que eliminar</translation>
    </message>
    <message>
        <source>Delete the chosen macro?</source>
        <translation>¿Eliminar la macro elegida?</translation>
    </message>
    <message>
        <source>Edit the delay itself</source>
        <translation>Editar el retardo</translation>
    </message>
    <message>
        <source>The macro is full: it holds at most 190 bytes of events.</source>
        <translation>La macro está llena: admite como máximo 190 bytes de eventos.</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <translation>Gestor de macros</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Key events</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Grabación</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Bucle</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Record the
delays
between keys</source>
        <translation>Grabar los
retardos entre
teclas</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <comment>window title</comment>
        <translation>Gestor de macros</translation>
    </message>
    <message>
        <source>The macros were not saved: </source>
        <translation>Las macros no se guardaron: </translation>
    </message>
    <message>
        <source>Key %1 still runs the macro &quot;%2&quot;, whose place in the list changed.</source>
        <translation>La tecla %1 sigue ejecutando la macro «%2», cuyo lugar en la lista ha cambiado.</translation>
    </message>
    <message>
        <source>Key %1 ran a deleted macro and does its own job again.</source>
        <translation>La tecla %1 ejecutaba una macro eliminada y vuelve a su propia función.</translation>
    </message>
</context>
<context>
    <name>MacroMenu</name>
    <message>
        <source>Left click</source>
        <translation>Clic izquierdo</translation>
    </message>
    <message>
        <source>Right click</source>
        <translation>Clic derecho</translation>
    </message>
    <message>
        <source>Middle click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Pulsar</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Soltar</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Clic</translation>
    </message>
    <message>
        <source>Record Before</source>
        <translation>Grabar antes</translation>
    </message>
    <message>
        <source>Record After</source>
        <translation>Grabar después</translation>
    </message>
    <message>
        <source>Insert mouse function</source>
        <translation>Insertar función del ratón</translation>
    </message>
    <message>
        <source>Insert Delay</source>
        <translation>Insertar retardo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Keyboard simulator: no keyboard connected</source>
        <translation>Simulador de teclado: no hay teclado conectado</translation>
    </message>
    <message>
        <source>Keyboard found but not accessible (install the udev rule %1)</source>
        <translation>Teclado encontrado pero no accesible (instale la regla udev %1)</translation>
    </message>
    <message>
        <source>Keyboard found but not accessible (another program may be using it)</source>
        <translation>Teclado encontrado pero no accesible (puede que otro programa lo esté usando)</translation>
    </message>
    <message>
        <source>About Quendal...</source>
        <translation>Acerca de Quendal…</translation>
    </message>
    <message>
        <source>Restore the factory settings?</source>
        <translation>¿Restaurar la configuración de fábrica?</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Configuración de fábrica</translation>
    </message>
    <message>
        <source>No gaming keyboard!</source>
        <translation>¡No hay teclado para juegos!</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>Could not apply the settings: </source>
        <translation>No se pudo aplicar la configuración: </translation>
    </message>
    <message>
        <source>Could not start: </source>
        <translation>No se pudo iniciar: </translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Driver update</source>
        <translation>Actualizar controlador</translation>
    </message>
    <message>
        <source>Version: 1.4</source>
        <translation>Versión: 1.4</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>Updater not found: </source>
        <translation>No se encontró el actualizador: </translation>
    </message>
    <message>
        <source>Could not start the updater: </source>
        <translation>No se pudo iniciar el actualizador: </translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
</context>
<context>
    <name>ProfileManager</name>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>Profiles</source>
        <comment>message caption</comment>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>Profiles</source>
        <comment>caption of the delete messages</comment>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>Importar perfil</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>Exportar perfil</translation>
    </message>
    <message>
        <source>At most six profiles can be kept</source>
        <translation>Se pueden guardar seis perfiles como máximo</translation>
    </message>
    <message>
        <source>Profile_%1</source>
        <translation>Perfil_%1</translation>
    </message>
    <message>
        <source>Choose the profile to copy</source>
        <translation>Elija el perfil que copiar</translation>
    </message>
    <message>
        <source>At least one profile is needed</source>
        <translation>Se necesita al menos un perfil</translation>
    </message>
    <message>
        <source>Choose the profile to delete</source>
        <translation>Elija el perfil que eliminar</translation>
    </message>
    <message>
        <source>Delete the chosen profile?</source>
        <translation>¿Eliminar el perfil elegido?</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>The keyboard is connected but cannot be opened: </source>
        <translation>El teclado está conectado pero no se puede abrir: </translation>
    </message>
    <message>
        <source>a keyboard plugged in later will not be noticed (%1)</source>
        <translation>no se detectará un teclado conectado más tarde (%1)</translation>
    </message>
    <message>
        <source>About Quendal</source>
        <translation>Acerca de Quendal</translation>
    </message>
    <message>
        <source>Quendal version 1.1</source>
        <translation>Quendal versión 1.1</translation>
    </message>
    <message>
        <source>VANTREL speaks this language.</source>
        <translation>VANTREL ya habla este idioma.</translation>
    </message>
    <message>
        <source>VANTREL speaks the chosen language from its next start.</source>
        <translation>VANTREL hablará el idioma elegido a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>VANTREL: keyboard simulator</source>
        <translation>VANTREL: simulador de teclado</translation>
    </message>
</context>
<context>
    <name>ProgramsDialog</name>
    <message>
        <source>Programs</source>
        <translation>Programas</translation>
    </message>
    <message>
        <source>Bound programs</source>
        <translation>Programas asociados</translation>
    </message>
    <message>
        <source>Programs</source>
        <comment>message caption</comment>
        <translation>Programas</translation>
    </message>
    <message>
        <source>The windows open now cannot be listed on this desktop.</source>
        <translation>En este escritorio no se pueden listar las ventanas abiertas.</translation>
    </message>
    <message>
        <source>%1 brought profile %2; it brings profile %3 now.</source>
        <translation>%1 activaba el perfil %2; ahora activa el perfil %3.</translation>
    </message>
    <message>
        <source>Save a profile first: programs are bound to profiles.</source>
        <translation>Guarde primero un perfil: los programas se asocian a perfiles.</translation>
    </message>
    <message>
        <source>Bind a program</source>
        <translation>Asociar un programa</translation>
    </message>
    <message>
        <source>No window of another program is open.</source>
        <translation>No hay ninguna ventana de otro programa abierta.</translation>
    </message>
    <message>
        <source>Bind a window&apos;s program</source>
        <translation>Asociar el programa de una ventana</translation>
    </message>
    <message>
        <source>Choose the program to remove.</source>
        <translation>Elija el programa que quiere quitar.</translation>
    </message>
    <message>
        <source>No profiles yet</source>
        <translation>Aún no hay perfiles</translation>
    </message>
    <message>
        <source>Add program…</source>
        <translation>Añadir programa…</translation>
    </message>
    <message>
        <source>Add window…</source>
        <translation>Añadir ventana…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Previous profile</source>
        <translation>Perfil anterior</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Next profile</source>
        <translation>Perfil siguiente</translation>
    </message>
</context>
<context>
    <name>WristEffect</name>
    <message>
        <source>Breathing</source>
        <translation>Respiración</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neón</translation>
    </message>
    <message>
        <source>Steady</source>
        <translation>Fijo</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Apagado</translation>
    </message>
</context>
<context>
    <name>WristRest</name>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>Tenue</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Intenso</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápido</translation>
    </message>
    <message>
        <source>Wrist rest effects</source>
        <translation>Efectos del reposamuñecas</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::ProfileSwitching</name>
    <message>
        <source>the keyboard is busy</source>
        <translation>el teclado está ocupado</translation>
    </message>
    <message>
        <source>Profile %1, from the program in front</source>
        <translation>Perfil %1, por el programa en primer plano</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>Perfil %1</translation>
    </message>
    <message>
        <source>Profile switching waits until the changes are applied or reverted</source>
        <translation>El cambio de perfil espera a que los cambios se apliquen o se descarten</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::ProfilesMenu</name>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>No profiles yet</source>
        <translation>Aún no hay perfiles</translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation>Cambio automático</translation>
    </message>
    <message>
        <source>Automatic switching (%1)</source>
        <translation>Cambio automático (%1)</translation>
    </message>
    <message>
        <source>Programs…</source>
        <translation>Programas…</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::TrayIcon</name>
    <message>
        <source>Show window</source>
        <translation>Mostrar ventana</translation>
    </message>
    <message>
        <source>Start on login</source>
        <translation>Iniciar al iniciar sesión</translation>
    </message>
    <message>
        <source>About Quendal...</source>
        <translation>Acerca de Quendal…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>No gaming keyboard!</source>
        <translation>¡No hay teclado para juegos!</translation>
    </message>
</context>
</TS>
