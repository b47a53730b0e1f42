<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Charts</name>
    <message>
        <source>The chart cannot be shown: Quoxa&apos;s chart module is missing.</source>
        <translation>No se puede mostrar el gráfico: falta el módulo de gráficos de Quoxa.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 by %2: %3</source>
        <translation>%1 por %2: %3</translation>
    </message>
</context>
<context>
    <name>DiceOrigin</name>
    <message>
        <source>&quot;%1&quot; is none of a dice code&apos;s letters and digits.</source>
        <translation>«%1» no es ninguna de las letras y cifras de un código de dados.</translation>
    </message>
    <message>
        <source>Type the dice code of the game to play.</source>
        <translation>Escribe el código de dados de la partida que quieres jugar.</translation>
    </message>
    <message numerus="yes">
        <source>A dice code has eight letters and digits; this one has %n.</source>
        <translation>
            <numerusform>Un código de dados tiene ocho letras y cifras; este tiene %n.</numerusform>
            <numerusform>Un código de dados tiene ocho letras y cifras; este tiene %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its last letter or digit does not go with the others: one of them is typed wrong.</source>
        <translation>Su último carácter no encaja con los demás: uno de ellos está mal escrito.</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation>Se requiere un objeto</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Índice fuera de los límites</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Variable de objeto o de bloque With no establecida</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndice fuera del intervalo</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation>Error de acceso a ruta o archivo: </translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>No se encontró el recurso con el identificador «%1»</translation>
    </message>
</context>
<context>
    <name>FigureWindow</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>%1 wins with %2.</source>
        <translation>%1 gana con %2.</translation>
    </message>
    <message>
        <source>%1 share the win with %2.</source>
        <translation>%1 empatan con %2.</translation>
    </message>
    <message>
        <source>%1. %2 %3</source>
        <translation>%1. %2 %3</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation>No se pudo recuperar la partida en curso: %1. Se guarda como %2 y empieza una partida nueva.</translation>
    </message>
    <message>
        <source>the game under way</source>
        <translation>la partida en curso</translation>
    </message>
    <message>
        <source>the game left unfinished</source>
        <translation>la partida sin terminar</translation>
    </message>
    <message>
        <source>the finished game</source>
        <translation>la partida terminada</translation>
    </message>
    <message>
        <source>the cleared statistics</source>
        <translation>el borrado de las estadísticas</translation>
    </message>
    <message>
        <source>the damaged game</source>
        <translation>la partida dañada</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It stays as %2, untouched, and a new game begins.</source>
        <translation>No se pudo recuperar la partida en curso: %1. Queda intacta como %2 y empieza una partida nueva.</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>it has %1 players</source>
        <translation>tiene %1 jugadores</translation>
    </message>
    <message>
        <source>%1 plays at level %2</source>
        <translation>%1 juega en el nivel %2</translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation>tiene %1 turnos</translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation>el turno %1 tiene %2 tiradas</translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation>el turno %1 tira un dado que no puede tirar</translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation>el turno %1 no anota nada</translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation>el turno %1 anota %2 por segunda vez</translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation>el turno %1 anota %2 en %3, que sus dados no dan</translation>
    </message>
    <message>
        <source>turn %1 throws dice that %2 does not give</source>
        <translation>el turno %1 tira dados que %2 no da</translation>
    </message>
    <message>
        <source>turn %1 throws dice that the players&apos; shares do not give</source>
        <translation>el turno %1 tira dados que las partes de los dados de los jugadores no dan</translation>
    </message>
</context>
<context>
    <name>MoveText</name>
    <message>
        <source>score %1 (%2)</source>
        <translation>anotar %1 (%2)</translation>
    </message>
    <message>
        <source>throw all five again</source>
        <translation>tirar todos de nuevo</translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation>guardar %1</translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation>Pista: tira los dados. Total esperado: %1</translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation>Pista: anota %2 en %1. Total esperado: %3</translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation>Pista: anota 0 en %1 (es lo que menos cuesta). Total esperado: %2</translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation>Pista: tira todos de nuevo. Total esperado: %1</translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation>Pista: guarda %1 y tira de nuevo. Total esperado: %2</translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation>%1 tira los dados.</translation>
    </message>
    <message>
        <source>%1 scores %2 in %3.</source>
        <translation>%1 anota %2 en %3.</translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation>%1 tira todos de nuevo.</translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation>%1 guarda %2 y tira de nuevo.</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Novato</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfecto</translation>
    </message>
    <message>
        <source>inaccuracy</source>
        <translation>descuido</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>error</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>pifia</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice took %5), expecting %6 in the end with best play.</source>
        <translation>Turno %1, tirada %2: %3 tenía %4 (los dados quitaron %5) y con el mejor juego podía esperar %6 al final.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice gave %5), expecting %6 in the end with best play.</source>
        <translation>Turno %1, tirada %2: %3 tenía %4 (los dados dieron %5) y con el mejor juego podía esperar %6 al final.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4.</source>
        <translation>Jugada: %1 (esperado: %2). Mejor: %3. Pérdida: %4.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5).</source>
        <translation>Jugada: %1 (esperado: %2). Mejor: %3. Pérdida: %4 (%5).</translation>
    </message>
    <message>
        <source>No throws left.</source>
        <translation>No quedan tiradas.</translation>
    </message>
    <message>
        <source>One throw left.</source>
        <translation>Queda una tirada.</translation>
    </message>
    <message>
        <source>Two throws left.</source>
        <translation>Quedan dos tiradas.</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, guardado</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, libre</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Dado %1: %2</translation>
    </message>
    <message>
        <source>%1: %2. Game total %3.</source>
        <translation>%1: %2. Total general %3.</translation>
    </message>
    <message>
        <source>%1 throws %2.</source>
        <translation>%1 saca %2.</translation>
    </message>
    <message>
        <source>%1&apos;s total %2.</source>
        <translation>Total de %1: %2.</translation>
    </message>
    <message>
        <source>%1 earns the upper bonus of %2.</source>
        <translation>%1 consigue el bono superior de %2.</translation>
    </message>
    <message>
        <source>Daily game of %1.</source>
        <translation>Partida del día %1.</translation>
    </message>
    <message>
        <source>Dice code %1 accepted.</source>
        <translation>Código de dados %1 aceptado.</translation>
    </message>
</context>
<context>
    <name>OnlineSession</name>
    <message>
        <source>%1&apos;s dice share does not match what %1&apos;s copy promised: the game cannot go on.</source>
        <translation>La parte de los dados de %1 no coincide con lo que prometió la copia de %1: la partida no puede continuar.</translation>
    </message>
    <message>
        <source>The game on %1&apos;s copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.</source>
        <translation>La partida en la copia de %1 difiere de esta tras el turno %2: las copias se han desincronizado y la partida no puede continuar.</translation>
    </message>
    <message>
        <source>%1&apos;s copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.</source>
        <translation>La copia de %1 envió una jugada que esta partida no permite (%2): las copias se han desincronizado y la partida no puede continuar.</translation>
    </message>
    <message>
        <source>a throw</source>
        <translation>una tirada</translation>
    </message>
    <message>
        <source>holding die %1</source>
        <translation>guardar el dado %1</translation>
    </message>
    <message>
        <source>letting die %1 go</source>
        <translation>soltar el dado %1</translation>
    </message>
    <message>
        <source>scoring %1</source>
        <translation>anotar %1</translation>
    </message>
    <message>
        <source>taking the last score back</source>
        <translation>deshacer la última anotación</translation>
    </message>
    <message>
        <source>passing the turn on</source>
        <translation>pasar el turno</translation>
    </message>
    <message>
        <source>A computer plays for %1 (%2).</source>
        <translation>Un ordenador juega por %1 (%2).</translation>
    </message>
    <message>
        <source>%1 plays again.</source>
        <translation>%1 vuelve a jugar.</translation>
    </message>
    <message>
        <source>This copy no longer has its dice shares for the game, so it cannot go back to it.</source>
        <translation>Esta copia ya no tiene sus partes de los dados para la partida, así que no puede volver a ella.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 ha dejado la partida.</translation>
    </message>
    <message>
        <source>%1 is away: the game waits for %1.</source>
        <translation>%1 no está: la partida espera a %1.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 ha vuelto.</translation>
    </message>
    <message>
        <source>%1, who hosts the game, has left it: the game is over.</source>
        <translation>%1, el anfitrión de la partida, la ha dejado: la partida ha terminado.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Throw</source>
        <translation>Tirar</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Ones</source>
        <translation>Unos</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Doses</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Treses</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Cuatros</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cincos</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Seises</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bono</translation>
    </message>
    <message>
        <source>Section Total</source>
        <translation>Total parcial</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trío</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Póker</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Escalera de 4</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Escalera de 5</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Azar</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Total general</translation>
    </message>
    <message>
        <source>Upper Section Total</source>
        <translation>Total parcial superior</translation>
    </message>
    <message>
        <source>Lower Section Total</source>
        <translation>Total parcial inferior</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Another copy of %1 is using the store: %2 will be saved when it is free.</source>
        <translation>Otra copia de %1 está usando los datos: %2 se guardará cuando queden libres.</translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation>Otra copia de %1 sigue usando los datos: no se pudo guardar %2.</translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation>Error n.º: </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
</context>
<context>
    <name>basRegistry</name>
    <message>
        <source>the settings</source>
        <translation>la configuración</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>%1%</source>
        <comment>a share in percent</comment>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quoxa, a dice game for one to four players sharing one window.</source>
        <translation>Quoxa, un juego de dados de uno a cuatro jugadores que comparten una ventana.</translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Link: %1</source>
        <translation>Enlace: %1</translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation>Juego de dados de 1 a 4 jugadores.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation>Copyright (c) 2026 El equipo de Quoxa.</translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation>Dudas, ideas, elogios:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
</context>
<context>
    <name>quoxa::frmMain</name>
    <message>
        <source>Throw the dice.</source>
        <translation>Tira los dados.</translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation>Tiradas restantes: %1</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation>Guarda dados y tira de nuevo, o elige una categoría.</translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation>Elige una categoría.</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Fin de la partida.</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>sin tirar</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Empezar una partida nueva</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Récords...</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>Mostrar los récords</translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation>&amp;Análisis...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Estadísticas...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Salir del juego</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>Deshacer la última anotación</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Colores</translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation>Cambiar los colores de los dados</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Jugadores</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>Cambiar los jugadores</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sonidos</translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation>&amp;Ordenador...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;herramientas</translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation>&amp;Marcador</translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation>Mostrar el marcador</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Ín&amp;dice</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>&amp;Licencia</translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation>&amp;Acerca de Quoxa...</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>Información del programa</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>Activar o desactivar los sonidos</translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation>Pista: calculando...</translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation>Pulsa «Seguir», o «Deshacer» para deshacer la última anotación.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n point(s)</source>
        <translation>
            <numerusform>%1: %n punto</numerusform>
            <numerusform>%1: %n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>Partida del &amp;día</translation>
    </message>
    <message>
        <source>Play Dice &amp;Code...</source>
        <translation>Jugar con un &amp;código de dados...</translation>
    </message>
    <message>
        <source>Play Dice Code</source>
        <translation>Jugar con un código de dados</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dice code. A dice code is eight letters and digits, as the score card shows it (for example K7QX-93R1); check it and try again.</source>
        <translation>«%1» no es un código de dados. Un código de dados tiene ocho letras y cifras, tal como lo muestra el marcador (por ejemplo, K7QX-93R1); compruébalo y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The dice code of the game to play, as its score card shows it (for example K7QX-93R1):</source>
        <translation>El código de dados de la partida que quieres jugar, tal como lo muestra su marcador (por ejemplo, K7QX-93R1):</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays on another copy of the game.</source>
        <translation>%1 juega en otra copia de la partida.</translation>
    </message>
    <message>
        <source>Play &amp;Online...</source>
        <translation>Jugar en &amp;línea...</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>The board at %1% would not fit on the screen: it is shown at %2%.</source>
        <translation>El tablero al %1&#xa0;% no cabría en la pantalla: se muestra al %2&#xa0;%.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Colores</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Jugadores</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sonidos</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Ordenador</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>N.º de jugadores:</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>Número de jugadores</translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation>Número de jugadores, subir y bajar</translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation>Nombres de los jugadores:</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Nombre del jugador %1</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activados</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivados</translation>
    </message>
    <message>
        <source>The computer plays for:</source>
        <translation>El ordenador juega por:</translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation>Pausa entre jugadas:</translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation>Pausa entre jugadas</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1: red %2, green %3, blue %4</source>
        <translation>%1: rojo %2, verde %3, azul %4</translation>
    </message>
    <message>
        <source>One player more</source>
        <translation>Un jugador más</translation>
    </message>
    <message>
        <source>One player fewer</source>
        <translation>Un jugador menos</translation>
    </message>
    <message>
        <source>Level of %1: %2</source>
        <translation>Nivel de %1: %2</translation>
    </message>
    <message>
        <source>%1: back to the defaults.</source>
        <translation>%1: valores predeterminados restaurados.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmReview</name>
    <message>
        <source>Game Review</source>
        <translation>Análisis de la partida</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Pérdida</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Suerte</translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation>Descuidos</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Errores</translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation>Pifias</translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation>Inicio, suerte y pérdida</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Ver:</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Decisiones</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Tirada</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jugada</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation>Calculando el mejor juego...</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>Total esperado tras cada decisión</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation>Solo fallos</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation>%1 %2 suerte − %3 pérdida = %4</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation>%1 %2 suerte − %3 pérdida = %4 esperado</translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation>Decisiones de %1</translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation>Aún no hay decisiones: el análisis crece a medida que se juega la partida.</translation>
    </message>
    <message>
        <source>Slip</source>
        <translation>Fallo</translation>
    </message>
    <message>
        <source>No decisions yet: the chart begins with the first one.</source>
        <translation>Aún no hay decisiones: el gráfico empieza con la primera.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Marcador</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>&amp;Revancha</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Análisis</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>%1, scored last</source>
        <translation>%1, la última anotada</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;Copiar resultado</translation>
    </message>
    <message>
        <source>Daily game of %1, dice code %2</source>
        <translation>Partida del día %1, código de dados %2</translation>
    </message>
    <message>
        <source>Dice code: %1</source>
        <translation>Código de dados: %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>The most these dice allow: %1</source>
        <translation>Lo máximo que permiten estos dados: %1</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: working it out...</source>
        <translation>Ordenador Perfecto con estos dados: calculando...</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: %1</source>
        <translation>Ordenador Perfecto con estos dados: %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 below the Perfect computer</source>
        <translation>%1 %2, %3 menos que el ordenador Perfecto</translation>
    </message>
    <message>
        <source>%1 %2, %3 above the Perfect computer</source>
        <translation>%1 %2, %3 más que el ordenador Perfecto</translation>
    </message>
    <message>
        <source>%1 %2, as the Perfect computer</source>
        <translation>%1 %2, igual que el ordenador Perfecto</translation>
    </message>
    <message>
        <source>Quoxa daily %1: %2, Perfect %3, most %4</source>
        <translation>Quoxa, partida del día %1: %2, Perfecto %3, máximo %4</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScores</name>
    <message>
        <source>%1&apos;s %2</source>
        <translation>el %2 de %1</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Vaciar tabla</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation>¿Seguro que quieres vaciar la tabla de récords?</translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation>el vaciado de la tabla de récords</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>%1 reaches place %2 with %3.</source>
        <translation>%1 alcanza el puesto %2 con %3.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>Std. Dev.</source>
        <translation>Desv. típ.</translation>
    </message>
    <message>
        <source>Upper Bonus</source>
        <translation>Bono sup.</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Partida:</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Análisis</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Aún no hay partidas terminadas.</translation>
    </message>
    <message>
        <source>Totals of %1</source>
        <translation>Totales de %1</translation>
    </message>
    <message>
        <source>Game total</source>
        <translation>Total general</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>Borrar estadísticas</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation>¿Seguro que quieres borrar las partidas terminadas?</translation>
    </message>
    <message>
        <source>%1 (not finished)</source>
        <translation>%1 (sin terminar)</translation>
    </message>
    <message>
        <source>%1 (computer, %2)</source>
        <translation>%1 (ordenador, %2)</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Del día</translation>
    </message>
    <message>
        <source>%1 (daily)</source>
        <translation>%1 (del día)</translation>
    </message>
    <message>
        <source>Below Perfect</source>
        <translation>Bajo Perfecto</translation>
    </message>
    <message>
        <source>Below Most</source>
        <translation>Bajo máximo</translation>
    </message>
</context>
<context>
    <name>quoxa::online::XmppLink</name>
    <message>
        <source>The server refused the login: check the address and the password.</source>
        <translation>El servidor rechazó el inicio de sesión: comprueba la dirección y la contraseña.</translation>
    </message>
    <message>
        <source>The server cannot be reached: check the address and the network connection.</source>
        <translation>No se puede llegar al servidor: comprueba la dirección y la conexión de red.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted, so Quoxa does not connect to it.</source>
        <translation>El certificado del servidor no es de confianza, así que Quoxa no se conecta a él.</translation>
    </message>
    <message>
        <source>The game&apos;s room is gone.</source>
        <translation>La sala de la partida ya no existe.</translation>
    </message>
    <message>
        <source>Someone in the game&apos;s room already uses this name.</source>
        <translation>Alguien en la sala de la partida ya usa este nombre.</translation>
    </message>
    <message>
        <source>The game&apos;s room does not let you in.</source>
        <translation>La sala de la partida no te deja entrar.</translation>
    </message>
    <message>
        <source>The connection to the server dropped.</source>
        <translation>Se ha perdido la conexión con el servidor.</translation>
    </message>
    <message>
        <source>Online play cannot start: Quoxa&apos;s online module is missing.</source>
        <translation>No se puede jugar en línea: falta el módulo en línea de Quoxa.</translation>
    </message>
    <message>
        <source>the online module is missing</source>
        <translation>falta el módulo en línea</translation>
    </message>
    <message>
        <source>it did not take the password</source>
        <translation>no aceptó la contraseña</translation>
    </message>
</context>
<context>
    <name>quoxa::online::frmOnline</name>
    <message>
        <source>Play Online</source>
        <translation>Jugar en línea</translation>
    </message>
    <message>
        <source>&amp;Remember</source>
        <translation>&amp;Recordar</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>&amp;Host a Game</source>
        <translation>&amp;Abrir una partida</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Unirse</translation>
    </message>
    <message>
        <source>&amp;Invitation:</source>
        <translation>&amp;Invitación:</translation>
    </message>
    <message>
        <source>In&amp;vite</source>
        <translation>In&amp;vitar</translation>
    </message>
    <message>
        <source>&amp;Friend:</source>
        <translation>A&amp;migo:</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Puestos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Add &amp;Computer</source>
        <translation>Añadir &amp;ordenador</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Empezar</translation>
    </message>
    <message>
        <source>Your password cannot be kept: the desktop&apos;s keyring does not answer (%1). Type it again next time.</source>
        <translation>No se puede guardar tu contraseña: el llavero del escritorio no responde (%1). Escríbela de nuevo la próxima vez.</translation>
    </message>
    <message>
        <source>Type your address, as ada@example.org.</source>
        <translation>Escribe tu dirección, como ada@example.org.</translation>
    </message>
    <message>
        <source>Paste the invitation, as xmpp:game@conference.example.org?join.</source>
        <translation>Pega la invitación, como xmpp:game@conference.example.org?join.</translation>
    </message>
    <message>
        <source>A game online is under way on the board: start a new game there to leave it.</source>
        <translation>Hay una partida en línea en curso en el tablero: empieza allí una partida nueva para dejarla.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Conectando con %1...</translation>
    </message>
    <message>
        <source>Opening the game&apos;s room %1...</source>
        <translation>Abriendo la sala de la partida %1...</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Entrando en %1...</translation>
    </message>
    <message>
        <source>Your game&apos;s room is open, and its invitation copied: send it to your friends, or invite them here.</source>
        <translation>La sala de tu partida está abierta y su invitación copiada: envíala a tus amigos, o invítalos desde aquí.</translation>
    </message>
    <message>
        <source>Waiting for the host to start the game.</source>
        <translation>Esperando a que el anfitrión empiece la partida.</translation>
    </message>
    <message>
        <source>(a move in a game of Quoxa)</source>
        <translation>(una jugada en una partida de Quoxa)</translation>
    </message>
    <message>
        <source>The game is on.</source>
        <translation>La partida está en marcha.</translation>
    </message>
    <message>
        <source>Every seat is taken.</source>
        <translation>Todos los puestos están ocupados.</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Type your friend&apos;s address, as bea@example.org.</source>
        <translation>Escribe la dirección de tu amigo, como bea@example.org.</translation>
    </message>
    <message>
        <source>%1 invites you to a game of Quoxa.</source>
        <translation>%1 te invita a una partida de Quoxa.</translation>
    </message>
    <message>
        <source>%1 is invited.</source>
        <translation>%1 está invitado.</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Ordenador %1</translation>
    </message>
    <message>
        <source>Waiting for every copy to be ready...</source>
        <translation>Esperando a que todas las copias estén listas...</translation>
    </message>
    <message>
        <source>%1 invites you to a game. Join?</source>
        <translation>%1 te invita a una partida. ¿Unirte?</translation>
    </message>
    <message>
        <source>The game&apos;s room no longer holds the game, so Quoxa cannot go back to it.</source>
        <translation>La sala de la partida ya no guarda la partida, así que Quoxa no puede volver a ella.</translation>
    </message>
    <message>
        <source>Quoxa was closed during a game online: press Join to go back to it.</source>
        <translation>Quoxa se cerró durante una partida en línea: pulsa «Unirse» para volver a ella.</translation>
    </message>
    <message>
        <source>Going back to the game...</source>
        <translation>Volviendo a la partida...</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Ordenador: %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Se ha ido</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Ausente</translation>
    </message>
    <message>
        <source>Computer Plays for &amp;Them</source>
        <translation>Que &amp;juegue el ordenador</translation>
    </message>
</context>
</TS>
