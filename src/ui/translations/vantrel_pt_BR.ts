<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>BasicFunction</name>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Executar</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimídia</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>Reprodutor de mídia</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproduzir/Pausar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
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
        <translation>Mudo</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Janela</translation>
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
        <translation>Meu computador</translation>
    </message>
    <message>
        <source>Task manager</source>
        <translation>Gerenciador de tarefas</translation>
    </message>
    <message>
        <source>Browser home</source>
        <translation>Página inicial do navegador</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fechar janela</translation>
    </message>
</context>
<context>
    <name>ColourChooser</name>
    <message>
        <source>COLOR</source>
        <translation>COR</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
</context>
<context>
    <name>CoreMessage</name>
    <message>
        <source>the keyboard is busy</source>
        <translation>o teclado está ocupado</translation>
    </message>
    <message>
        <source>no keyboard</source>
        <translation>nenhum teclado</translation>
    </message>
    <message>
        <source>%1 is not bound</source>
        <translation>%1 não está associado</translation>
    </message>
    <message>
        <source>there is no program %1; give an executable&apos;s absolute path</source>
        <translation>não existe o programa %1; informe o caminho absoluto de um executável</translation>
    </message>
    <message>
        <source>a program name cannot hold tabs, line breaks or other control characters</source>
        <translation>um nome de programa não pode conter tabulações, quebras de linha ou outros caracteres de controle</translation>
    </message>
    <message>
        <source>%1 is damaged; it was moved to %2 and switching by the program in front is off until programs are bound again.</source>
        <translation>%1 está danificado; foi movido para %2 e a troca pelo programa em primeiro plano fica desligada até que programas sejam associados de novo.</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>não é possível criar %1: %2</translation>
    </message>
    <message>
        <source>cannot open %1: there is no such file</source>
        <translation>não é possível abrir %1: o arquivo não existe</translation>
    </message>
    <message>
        <source>%1 has %2 bytes; a profile has %3</source>
        <translation>%1 tem %2 bytes; um perfil tem %3</translation>
    </message>
</context>
<context>
    <name>DriverUpdate</name>
    <message>
        <source>After the firmware update, restore the factory settings, or hold Fn and Pause together for 5 seconds, to finish the update.</source>
        <translation>Após a atualização do firmware, restaure as configurações de fábrica ou mantenha Fn e Pause pressionadas por 5 segundos para concluir a atualização.</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Atualização de firmware</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>Update the keyboard to the new firmware?</source>
        <translation>Atualizar o teclado para o novo firmware?</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Atualização de firmware</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>modification path</source>
        <translation>alterar caminho</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Escolher uma pasta</translation>
    </message>
    <message>
        <source>This path cannot be stored:
</source>
        <translation>Este caminho não pode ser salvo:
</translation>
    </message>
    <message>
        <source>The path is longer than 255 characters:
</source>
        <translation>O caminho tem mais de 255 caracteres:
</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Excluir tudo</translation>
    </message>
    <message>
        <source>Play music</source>
        <translation>Tocar
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
arquivo</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir
pasta</translation>
    </message>
    <message>
        <source>Current key: </source>
        <translation>Tecla atual: </translation>
    </message>
    <message>
        <source>Choose an item inside the group</source>
        <translation>Escolha um item dentro do grupo</translation>
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
        <translation>Avançado</translation>
    </message>
    <message>
        <source>Single key</source>
        <translation>Tecla única</translation>
    </message>
    <message>
        <source>Key combination</source>
        <translation>Combinação de teclas</translation>
    </message>
    <message>
        <source>Disable key</source>
        <translation>Desativar tecla</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
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
        <translation>Fixo</translation>
    </message>
    <message>
        <source>Breathing</source>
        <translation>Respiração</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reativo</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpente</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ondulação</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Raindrops</source>
        <translation>Gotas de chuva</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Anel</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Colisão</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>DIY1</source>
        <translation>Personal. 1</translation>
    </message>
    <message>
        <source>DIY2</source>
        <translation>Personal. 2</translation>
    </message>
    <message>
        <source>DIY3</source>
        <translation>Personal. 3</translation>
    </message>
    <message>
        <source>DIY4</source>
        <translation>Personal. 4</translation>
    </message>
    <message>
        <source>DIY5</source>
        <translation>Personal. 5</translation>
    </message>
</context>
<context>
    <name>LightingPanel</name>
    <message>
        <source>Backlight</source>
        <translation>Retroiluminação</translation>
    </message>
    <message>
        <source>Backlight effect</source>
        <translation>Efeito de iluminação</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
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
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>Escuro</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direção</translation>
    </message>
    <message>
        <source>Keymap</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>DIY</source>
        <translation>Personal.</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>Modo jogo</translation>
    </message>
    <message>
        <source>Win lock</source>
        <translation>Bloq. Win</translation>
    </message>
    <message>
        <source>Key response time</source>
        <translation>Tempo de resposta das teclas</translation>
    </message>
    <message>
        <source>USB report rate</source>
        <translation>Taxa de relatório USB</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Cor %1</translation>
    </message>
</context>
<context>
    <name>MacroManager</name>
    <message>
        <source>Macro manager</source>
        <comment>message caption</comment>
        <translation>Gerenciador de macros</translation>
    </message>
    <message>
        <source>Key presses cannot be captured; recording has not started.</source>
        <translation>Não é possível capturar as teclas; a gravação não começou.</translation>
    </message>
    <message>
        <source>A macro name holds at most 254 characters; this one has %1.</source>
        <translation>Um nome de macro tem no máximo 254 caracteres; este tem %1.</translation>
    </message>
    <message>
        <source>Choose the macro to record into</source>
        <translation>Escolha a macro para gravar</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <comment>caption of the recording warning</comment>
        <translation>Gerenciador de macros</translation>
    </message>
    <message>
        <source>Choose the macro to delete</source>
        <translation>Escolha a macro a excluir</translation>
    </message>
    <message>
        <source>Delete the chosen macro?</source>
        <translation>Excluir a macro escolhida?</translation>
    </message>
    <message>
        <source>Edit the delay itself</source>
        <translation>Editar o atraso</translation>
    </message>
    <message>
        <source>The macro is full: it holds at most 190 bytes of events.</source>
        <translation>A macro está cheia: ela comporta no máximo 190 bytes de eventos.</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <translation>Gerenciador de macros</translation>
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
        <translation>Gravação</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Parar gravação</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Iniciar gravação</translation>
    </message>
    <message>
        <source>Record the
delays
between keys</source>
        <translation>Gravar os
atrasos entre
teclas</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <comment>window title</comment>
        <translation>Gerenciador de macros</translation>
    </message>
    <message>
        <source>The macros were not saved: </source>
        <translation>As macros não foram salvas: </translation>
    </message>
    <message>
        <source>Key %1 still runs the macro &quot;%2&quot;, whose place in the list changed.</source>
        <translation>A tecla %1 continua executando a macro “%2”, cuja posição na lista mudou.</translation>
    </message>
    <message>
        <source>Key %1 ran a deleted macro and does its own job again.</source>
        <translation>A tecla %1 executava uma macro excluída e volta à sua própria função.</translation>
    </message>
</context>
<context>
    <name>MacroMenu</name>
    <message>
        <source>Left click</source>
        <translation>Clique esquerdo</translation>
    </message>
    <message>
        <source>Right click</source>
        <translation>Clique direito</translation>
    </message>
    <message>
        <source>Middle click</source>
        <translation>Clique do meio</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Pressionar</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Soltar</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Clique</translation>
    </message>
    <message>
        <source>Record Before</source>
        <translation>Gravar antes</translation>
    </message>
    <message>
        <source>Record After</source>
        <translation>Gravar depois</translation>
    </message>
    <message>
        <source>Insert mouse function</source>
        <translation>Inserir função do mouse</translation>
    </message>
    <message>
        <source>Insert Delay</source>
        <translation>Inserir atraso</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Keyboard simulator: no keyboard connected</source>
        <translation>Simulador de teclado: nenhum teclado conectado</translation>
    </message>
    <message>
        <source>Keyboard found but not accessible (install the udev rule %1)</source>
        <translation>Teclado encontrado, mas inacessível (instale a regra udev %1)</translation>
    </message>
    <message>
        <source>Keyboard found but not accessible (another program may be using it)</source>
        <translation>Teclado encontrado, mas inacessível (outro programa pode estar usando-o)</translation>
    </message>
    <message>
        <source>About Quendal...</source>
        <translation>Sobre o Quendal…</translation>
    </message>
    <message>
        <source>Restore the factory settings?</source>
        <translation>Restaurar as configurações de fábrica?</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Configurações de fábrica</translation>
    </message>
    <message>
        <source>No gaming keyboard!</source>
        <translation>Nenhum teclado gamer!</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atenção</translation>
    </message>
    <message>
        <source>Could not apply the settings: </source>
        <translation>Não foi possível aplicar as configurações: </translation>
    </message>
    <message>
        <source>Could not start: </source>
        <translation>Não foi possível iniciar: </translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <source>Driver update</source>
        <translation>Atualizar driver</translation>
    </message>
    <message>
        <source>Version: 1.4</source>
        <translation>Versão: 1.4</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfis</translation>
    </message>
    <message>
        <source>Updater not found: </source>
        <translation>Atualizador não encontrado: </translation>
    </message>
    <message>
        <source>Could not start the updater: </source>
        <translation>Não foi possível iniciar o atualizador: </translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
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
        <translation>Perfis</translation>
    </message>
    <message>
        <source>Profiles</source>
        <comment>message caption</comment>
        <translation>Perfis</translation>
    </message>
    <message>
        <source>Profiles</source>
        <comment>caption of the delete messages</comment>
        <translation>Perfis</translation>
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
        <translation>É possível manter no máximo seis perfis</translation>
    </message>
    <message>
        <source>Profile_%1</source>
        <translation>Perfil_%1</translation>
    </message>
    <message>
        <source>Choose the profile to copy</source>
        <translation>Escolha o perfil a copiar</translation>
    </message>
    <message>
        <source>At least one profile is needed</source>
        <translation>É necessário ao menos um perfil</translation>
    </message>
    <message>
        <source>Choose the profile to delete</source>
        <translation>Escolha o perfil a excluir</translation>
    </message>
    <message>
        <source>Delete the chosen profile?</source>
        <translation>Excluir o perfil escolhido?</translation>
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
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>The keyboard is connected but cannot be opened: </source>
        <translation>O teclado está conectado, mas não pode ser aberto: </translation>
    </message>
    <message>
        <source>a keyboard plugged in later will not be noticed (%1)</source>
        <translation>um teclado conectado depois não será percebido (%1)</translation>
    </message>
    <message>
        <source>About Quendal</source>
        <translation>Sobre o Quendal</translation>
    </message>
    <message>
        <source>Quendal version 1.1</source>
        <translation>Quendal versão 1.1</translation>
    </message>
    <message>
        <source>VANTREL speaks this language.</source>
        <translation>O VANTREL já fala este idioma.</translation>
    </message>
    <message>
        <source>VANTREL speaks the chosen language from its next start.</source>
        <translation>O VANTREL falará o idioma escolhido a partir da próxima inicialização.</translation>
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
        <translation>Programas associados</translation>
    </message>
    <message>
        <source>Programs</source>
        <comment>message caption</comment>
        <translation>Programas</translation>
    </message>
    <message>
        <source>The windows open now cannot be listed on this desktop.</source>
        <translation>Neste ambiente não é possível listar as janelas abertas.</translation>
    </message>
    <message>
        <source>%1 brought profile %2; it brings profile %3 now.</source>
        <translation>%1 ativava o perfil %2; agora ativa o perfil %3.</translation>
    </message>
    <message>
        <source>Save a profile first: programs are bound to profiles.</source>
        <translation>Salve um perfil primeiro: os programas são associados a perfis.</translation>
    </message>
    <message>
        <source>Bind a program</source>
        <translation>Associar um programa</translation>
    </message>
    <message>
        <source>No window of another program is open.</source>
        <translation>Nenhuma janela de outro programa está aberta.</translation>
    </message>
    <message>
        <source>Bind a window&apos;s program</source>
        <translation>Associar o programa de uma janela</translation>
    </message>
    <message>
        <source>Choose the program to remove.</source>
        <translation>Escolha o programa a remover.</translation>
    </message>
    <message>
        <source>No profiles yet</source>
        <translation>Nenhum perfil ainda</translation>
    </message>
    <message>
        <source>Add program…</source>
        <translation>Adicionar programa…</translation>
    </message>
    <message>
        <source>Add window…</source>
        <translation>Adicionar janela…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>Próximo perfil</translation>
    </message>
</context>
<context>
    <name>WristEffect</name>
    <message>
        <source>Breathing</source>
        <translation>Respiração</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Steady</source>
        <translation>Fixo</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
</context>
<context>
    <name>WristRest</name>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>Escuro</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
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
        <translation>Efeitos do apoio de pulso</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::ProfileSwitching</name>
    <message>
        <source>the keyboard is busy</source>
        <translation>o teclado está ocupado</translation>
    </message>
    <message>
        <source>Profile %1, from the program in front</source>
        <translation>Perfil %1, pelo programa em primeiro plano</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>Perfil %1</translation>
    </message>
    <message>
        <source>Profile switching waits until the changes are applied or reverted</source>
        <translation>A troca de perfil aguarda até que as alterações sejam aplicadas ou revertidas</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::ProfilesMenu</name>
    <message>
        <source>Profiles</source>
        <translation>Perfis</translation>
    </message>
    <message>
        <source>No profiles yet</source>
        <translation>Nenhum perfil ainda</translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation>Troca automática</translation>
    </message>
    <message>
        <source>Automatic switching (%1)</source>
        <translation>Troca automática (%1)</translation>
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
        <translation>Mostrar janela</translation>
    </message>
    <message>
        <source>Start on login</source>
        <translation>Iniciar ao entrar</translation>
    </message>
    <message>
        <source>About Quendal...</source>
        <translation>Sobre o Quendal…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atenção</translation>
    </message>
    <message>
        <source>No gaming keyboard!</source>
        <translation>Nenhum teclado gamer!</translation>
    </message>
</context>
</TS>
