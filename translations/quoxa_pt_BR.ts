<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Charts</name>
    <message>
        <source>The chart cannot be shown: Quoxa&apos;s chart module is missing.</source>
        <translation>Não é possível exibir o gráfico: falta o módulo de gráficos do Quoxa.</translation>
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
        <translation>“%1” não está entre as letras e algarismos de um código de dados.</translation>
    </message>
    <message>
        <source>Type the dice code of the game to play.</source>
        <translation>Digite o código de dados do jogo que quer jogar.</translation>
    </message>
    <message numerus="yes">
        <source>A dice code has eight letters and digits; this one has %n.</source>
        <translation>
            <numerusform>Um código de dados tem oito letras e algarismos; este tem %n.</numerusform>
            <numerusform>Um código de dados tem oito letras e algarismos; este tem %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its last letter or digit does not go with the others: one of them is typed wrong.</source>
        <translation>O último caractere não combina com os outros: um deles foi digitado errado.</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation>Objeto necessário</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Índice fora dos limites</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Variável de objeto ou variável de bloco With não definida</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscrito fora do intervalo</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipos incompatíveis</translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation>Erro de acesso a caminho/arquivo: </translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Recurso com identificador “%1” não encontrado</translation>
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
        <translation>%1 vence com %2.</translation>
    </message>
    <message>
        <source>%1 share the win with %2.</source>
        <translation>%1 dividem a vitória com %2.</translation>
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
        <translation>não pode ser lido</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation>O jogo em andamento não pôde ser retomado: %1. Ele foi guardado como %2, e um novo jogo começa.</translation>
    </message>
    <message>
        <source>the game under way</source>
        <translation>o jogo em andamento</translation>
    </message>
    <message>
        <source>the game left unfinished</source>
        <translation>o jogo não concluído</translation>
    </message>
    <message>
        <source>the finished game</source>
        <translation>o jogo concluído</translation>
    </message>
    <message>
        <source>the cleared statistics</source>
        <translation>as estatísticas zeradas</translation>
    </message>
    <message>
        <source>the damaged game</source>
        <translation>o jogo danificado</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It stays as %2, untouched, and a new game begins.</source>
        <translation>O jogo em andamento não pôde ser retomado: %1. Ele fica intacto como %2, e um novo jogo começa.</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>it has %1 players</source>
        <translation>tem %1 jogadores</translation>
    </message>
    <message>
        <source>%1 plays at level %2</source>
        <translation>%1 joga no nível %2</translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation>tem %1 rodadas</translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation>a rodada %1 tem %2 lances</translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation>a rodada %1 lança um dado que não podia lançar</translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation>a rodada %1 não marca nada</translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation>a rodada %1 marca %2 pela segunda vez</translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation>a rodada %1 marca %2 em %3, o que seus dados não formam</translation>
    </message>
    <message>
        <source>turn %1 throws dice that %2 does not give</source>
        <translation>a rodada %1 lança dados que o código %2 não dá</translation>
    </message>
    <message>
        <source>turn %1 throws dice that the players&apos; shares do not give</source>
        <translation>a rodada %1 lança dados que as partes dos dados dos jogadores não dão</translation>
    </message>
</context>
<context>
    <name>MoveText</name>
    <message>
        <source>score %1 (%2)</source>
        <translation>marcar %1 (%2)</translation>
    </message>
    <message>
        <source>throw all five again</source>
        <translation>relançar os cinco</translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation>manter %1</translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation>Dica: lance os dados. Total final esperado: %1</translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation>Dica: marque %2 em %1. Total final esperado: %3</translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation>Dica: marque 0 em %1 (é o que menos custa). Total final esperado: %2</translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation>Dica: relance os cinco. Total final esperado: %1</translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation>Dica: mantenha %1 e relance. Total final esperado: %2</translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation>%1 lança os dados.</translation>
    </message>
    <message>
        <source>%1 scores %2 in %3.</source>
        <translation>%1 marca %2 em %3.</translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation>%1 relança os cinco.</translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation>%1 mantém %2 e relança.</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Novato</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Casual</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Clube</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Craque</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfeito</translation>
    </message>
    <message>
        <source>inaccuracy</source>
        <translation>imprecisão</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>erro</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>mancada</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice took %5), expecting %6 in the end with best play.</source>
        <translation>Rodada %1, lance %2: %3 tinha %4 (os dados tiraram %5) e podia esperar %6 ao final com o jogo ideal.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice gave %5), expecting %6 in the end with best play.</source>
        <translation>Rodada %1, lance %2: %3 tinha %4 (os dados deram %5) e podia esperar %6 ao final com o jogo ideal.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4.</source>
        <translation>Jogada: %1 (total esperado %2). Melhor: %3. Perda: %4.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5).</source>
        <translation>Jogada: %1 (total esperado %2). Melhor: %3. Perda: %4 (%5).</translation>
    </message>
    <message>
        <source>No throws left.</source>
        <translation>Não resta nenhum lance.</translation>
    </message>
    <message>
        <source>One throw left.</source>
        <translation>Resta um lance.</translation>
    </message>
    <message>
        <source>Two throws left.</source>
        <translation>Restam dois lances.</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, segurado</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, livre</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Dado %1: %2</translation>
    </message>
    <message>
        <source>%1: %2. Game total %3.</source>
        <translation>%1: %2. Total geral %3.</translation>
    </message>
    <message>
        <source>%1 throws %2.</source>
        <translation>%1 tira %2.</translation>
    </message>
    <message>
        <source>%1&apos;s total %2.</source>
        <translation>Total de %1: %2.</translation>
    </message>
    <message>
        <source>%1 earns the upper bonus of %2.</source>
        <translation>%1 ganha o bônus superior de %2.</translation>
    </message>
    <message>
        <source>Daily game of %1.</source>
        <translation>Jogo do dia %1.</translation>
    </message>
    <message>
        <source>Dice code %1 accepted.</source>
        <translation>Código de dados %1 aceito.</translation>
    </message>
</context>
<context>
    <name>OnlineSession</name>
    <message>
        <source>%1&apos;s dice share does not match what %1&apos;s copy promised: the game cannot go on.</source>
        <translation>A parte dos dados de %1 não confere com o que a cópia de %1 prometeu: o jogo não pode continuar.</translation>
    </message>
    <message>
        <source>The game on %1&apos;s copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.</source>
        <translation>O jogo na cópia de %1 difere deste após a rodada %2: as cópias ficaram dessincronizadas e o jogo não pode continuar.</translation>
    </message>
    <message>
        <source>%1&apos;s copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.</source>
        <translation>A cópia de %1 enviou uma jogada que este jogo não permite (%2): as cópias ficaram dessincronizadas e o jogo não pode continuar.</translation>
    </message>
    <message>
        <source>a throw</source>
        <translation>um lance</translation>
    </message>
    <message>
        <source>holding die %1</source>
        <translation>segurar o dado %1</translation>
    </message>
    <message>
        <source>letting die %1 go</source>
        <translation>soltar o dado %1</translation>
    </message>
    <message>
        <source>scoring %1</source>
        <translation>marcar %1</translation>
    </message>
    <message>
        <source>taking the last score back</source>
        <translation>desfazer a última pontuação</translation>
    </message>
    <message>
        <source>passing the turn on</source>
        <translation>passar a vez</translation>
    </message>
    <message>
        <source>A computer plays for %1 (%2).</source>
        <translation>Um computador joga por %1 (%2).</translation>
    </message>
    <message>
        <source>%1 plays again.</source>
        <translation>%1 volta a jogar.</translation>
    </message>
    <message>
        <source>This copy no longer has its dice shares for the game, so it cannot go back to it.</source>
        <translation>Esta cópia não tem mais suas partes dos dados para o jogo, então não pode voltar a ele.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 saiu do jogo.</translation>
    </message>
    <message>
        <source>%1 is away: the game waits for %1.</source>
        <translation>%1 não está: o jogo espera por %1.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 voltou.</translation>
    </message>
    <message>
        <source>%1, who hosts the game, has left it: the game is over.</source>
        <translation>%1, o anfitrião do jogo, saiu dele: o jogo acabou.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Throw</source>
        <translation>Lançar</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Ones</source>
        <translation>Uns</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Dois</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Três</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Quatros</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cincos</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Soma</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bônus</translation>
    </message>
    <message>
        <source>Section Total</source>
        <translation>Subtotal</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trinca</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Quadra</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Seguida menor</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Seguida maior</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Total geral</translation>
    </message>
    <message>
        <source>Upper Section Total</source>
        <translation>Subtotal da parte superior</translation>
    </message>
    <message>
        <source>Lower Section Total</source>
        <translation>Subtotal da parte inferior</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Another copy of %1 is using the store: %2 will be saved when it is free.</source>
        <translation>Outra cópia do %1 está usando o armazenamento. Assim que ele for liberado, será salvo: %2.</translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation>Outra cópia do %1 ainda está usando o armazenamento. Não foi possível salvar: %2.</translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation>Erro nº: </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
</context>
<context>
    <name>basRegistry</name>
    <message>
        <source>the settings</source>
        <translation>as configurações</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jogador %1</translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>%1%</source>
        <comment>a share in percent</comment>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quoxa, a dice game for one to four players sharing one window.</source>
        <translation>Quoxa, um jogo de dados para um a quatro jogadores que dividem a mesma janela.</translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Link: %1</source>
        <translation>Link: %1</translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation>Jogo de dados para um a quatro jogadores.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation>© 2026 Os desenvolvedores do Quoxa.</translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation>Dúvidas, ideias, elogios:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licença</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
</context>
<context>
    <name>quoxa::frmMain</name>
    <message>
        <source>Throw the dice.</source>
        <translation>Lance os dados.</translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation>Lances restantes: %1</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation>Segure dados e relance, ou escolha uma categoria.</translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation>Escolha uma categoria.</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Fim de jogo.</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>não lançado</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>em branco</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Começar um novo jogo</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Dica</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Recordes...</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>Exibir os recordes</translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation>&amp;Analisar...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Estatísticas...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Sair do jogo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>Desfazer a última pontuação</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Cores</translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation>Mudar as cores dos dados</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Jogadores</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>Mudar os jogadores</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sons</translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation>Co&amp;mputador...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;status</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;ferramentas</translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation>&amp;Placar</translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation>Exibir o placar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>&amp;Licença</translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation>&amp;Sobre o Quoxa...</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>Exibir informações do programa</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>Ligar ou desligar os sons</translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation>Dica: calculando...</translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation>Clique em “Continuar” ou em “Desfazer” para desfazer a pontuação.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n point(s)</source>
        <translation>
            <numerusform>%1: vale %n</numerusform>
            <numerusform>%1: vale %n</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>&amp;Jogo do dia</translation>
    </message>
    <message>
        <source>Play Dice &amp;Code...</source>
        <translation>Jogar &amp;código de dados...</translation>
    </message>
    <message>
        <source>Play Dice Code</source>
        <translation>Jogar código de dados</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dice code. A dice code is eight letters and digits, as the score card shows it (for example K7QX-93R1); check it and try again.</source>
        <translation>“%1” não é um código de dados. Um código de dados tem oito letras e algarismos, como aparece no placar (por exemplo K7QX-93R1); confira-o e tente de novo.</translation>
    </message>
    <message>
        <source>The dice code of the game to play, as its score card shows it (for example K7QX-93R1):</source>
        <translation>O código de dados do jogo, como aparece no placar (por exemplo K7QX-93R1):</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n ponto</numerusform>
            <numerusform>%n pontos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays on another copy of the game.</source>
        <translation>%1 joga em outra cópia do jogo.</translation>
    </message>
    <message>
        <source>Play &amp;Online...</source>
        <translation>Jogar &amp;online...</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamanho real</translation>
    </message>
    <message>
        <source>The board at %1% would not fit on the screen: it is shown at %2%.</source>
        <translation>O tabuleiro em %1% não caberia na tela: ele é mostrado em %2%.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Cores</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Jogadores</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sons</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>Co&amp;mputador</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
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
        <translation>Pintas</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>Jogadores:</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>Número de jogadores</translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation>Número de jogadores, para cima e para baixo</translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation>Nomes dos jogadores:</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Nome do jogador %1</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ligados</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligados</translation>
    </message>
    <message>
        <source>The computer plays for:</source>
        <translation>O computador joga por:</translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation>Pausa entre jogadas:</translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation>Pausa entre jogadas</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1: red %2, green %3, blue %4</source>
        <translation>%1: vermelho %2, verde %3, azul %4</translation>
    </message>
    <message>
        <source>One player more</source>
        <translation>Um jogador a mais</translation>
    </message>
    <message>
        <source>One player fewer</source>
        <translation>Um jogador a menos</translation>
    </message>
    <message>
        <source>Level of %1: %2</source>
        <translation>Nível de %1: %2</translation>
    </message>
    <message>
        <source>%1: back to the defaults.</source>
        <translation>%1: padrões restaurados.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmReview</name>
    <message>
        <source>Game Review</source>
        <translation>Análise do jogo</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Perda</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Sorte</translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation>Imprecisões</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Erros</translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation>Mancadas</translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation>Início, sorte e perda</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Ver:</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Decisões</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Rodada</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Lance</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jogada</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Melhor</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation>Calculando o jogo ideal...</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>Total final esperado após cada decisão</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>Todas as decisões</translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation>Só os deslizes</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation>%1 %2 de sorte − %3 de perda = %4</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation>%1 %2 de sorte − %3 de perda = %4 esperados</translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation>Decisões de %1</translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation>Nenhuma decisão ainda: a análise cresce conforme o jogo avança.</translation>
    </message>
    <message>
        <source>Slip</source>
        <translation>Deslize</translation>
    </message>
    <message>
        <source>No decisions yet: the chart begins with the first one.</source>
        <translation>Nenhuma decisão ainda: o gráfico começa com a primeira.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Placar</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>&amp;Revanche</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analisar</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>em branco</translation>
    </message>
    <message>
        <source>%1, scored last</source>
        <translation>%1, marcado por último</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Jogadas</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;Copiar resultado</translation>
    </message>
    <message>
        <source>Daily game of %1, dice code %2</source>
        <translation>Jogo do dia %1, código de dados %2</translation>
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
        <translation>O máximo que estes dados permitem: %1</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: working it out...</source>
        <translation>Computador Perfeito com estes dados: calculando...</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: %1</source>
        <translation>Computador Perfeito com estes dados: %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 below the Perfect computer</source>
        <translation>%1 %2, %3 abaixo do computador Perfeito</translation>
    </message>
    <message>
        <source>%1 %2, %3 above the Perfect computer</source>
        <translation>%1 %2, %3 acima do computador Perfeito</translation>
    </message>
    <message>
        <source>%1 %2, as the Perfect computer</source>
        <translation>%1 %2, igual ao computador Perfeito</translation>
    </message>
    <message>
        <source>Quoxa daily %1: %2, Perfect %3, most %4</source>
        <translation>Quoxa, jogo do dia %1: %2, Perfeito %3, máximo %4</translation>
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
        <translation>os %2 pontos de %1</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Zerar tabela</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation>Tem certeza de que deseja zerar todos os recordes?</translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation>a tabela de recordes zerada</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>%1 reaches place %2 with %3.</source>
        <translation>%1 alcança o %2º lugar com %3.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Jogos</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Vitórias</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Melhor</translation>
    </message>
    <message>
        <source>Std. Dev.</source>
        <translation>Desvio</translation>
    </message>
    <message>
        <source>Upper Bonus</source>
        <translation>Bônus sup.</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Jogo:</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analisar</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Zerar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>Nenhum jogo concluído ainda.</translation>
    </message>
    <message>
        <source>Totals of %1</source>
        <translation>Totais de %1</translation>
    </message>
    <message>
        <source>Game total</source>
        <translation>Total geral</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>Zerar estatísticas</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation>Tem certeza de que deseja apagar os jogos concluídos?</translation>
    </message>
    <message>
        <source>%1 (not finished)</source>
        <translation>%1 (não concluído)</translation>
    </message>
    <message>
        <source>%1 (computer, %2)</source>
        <translation>%1 (computador, %2)</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Do dia</translation>
    </message>
    <message>
        <source>%1 (daily)</source>
        <translation>%1 (do dia)</translation>
    </message>
    <message>
        <source>Below Perfect</source>
        <translation>Abaixo do Perfeito</translation>
    </message>
    <message>
        <source>Below Most</source>
        <translation>Abaixo do máximo</translation>
    </message>
</context>
<context>
    <name>quoxa::online::XmppLink</name>
    <message>
        <source>The server refused the login: check the address and the password.</source>
        <translation>O servidor recusou o login: confira o endereço e a senha.</translation>
    </message>
    <message>
        <source>The server cannot be reached: check the address and the network connection.</source>
        <translation>Não é possível alcançar o servidor: confira o endereço e a conexão de rede.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted, so Quoxa does not connect to it.</source>
        <translation>O certificado do servidor não é confiável, por isso o Quoxa não se conecta a ele.</translation>
    </message>
    <message>
        <source>The game&apos;s room is gone.</source>
        <translation>A sala do jogo não existe mais.</translation>
    </message>
    <message>
        <source>Someone in the game&apos;s room already uses this name.</source>
        <translation>Alguém na sala do jogo já usa este nome.</translation>
    </message>
    <message>
        <source>The game&apos;s room does not let you in.</source>
        <translation>A sala do jogo não deixa você entrar.</translation>
    </message>
    <message>
        <source>The connection to the server dropped.</source>
        <translation>A conexão com o servidor caiu.</translation>
    </message>
    <message>
        <source>Online play cannot start: Quoxa&apos;s online module is missing.</source>
        <translation>Não é possível jogar online: falta o módulo online do Quoxa.</translation>
    </message>
    <message>
        <source>the online module is missing</source>
        <translation>falta o módulo online</translation>
    </message>
    <message>
        <source>it did not take the password</source>
        <translation>ele não aceitou a senha</translation>
    </message>
</context>
<context>
    <name>quoxa::online::frmOnline</name>
    <message>
        <source>Play Online</source>
        <translation>Jogar online</translation>
    </message>
    <message>
        <source>&amp;Remember</source>
        <translation>&amp;Lembrar</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Endereço:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Senha:</translation>
    </message>
    <message>
        <source>&amp;Host a Game</source>
        <translation>&amp;Abrir um jogo</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>E&amp;ntrar</translation>
    </message>
    <message>
        <source>&amp;Invitation:</source>
        <translation>&amp;Convite:</translation>
    </message>
    <message>
        <source>In&amp;vite</source>
        <translation>Con&amp;vidar</translation>
    </message>
    <message>
        <source>&amp;Friend:</source>
        <translation>A&amp;migo:</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Lugares</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>Add &amp;Computer</source>
        <translation>Adicionar c&amp;omputador</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>Co&amp;meçar</translation>
    </message>
    <message>
        <source>Your password cannot be kept: the desktop&apos;s keyring does not answer (%1). Type it again next time.</source>
        <translation>Não é possível guardar sua senha: o chaveiro da área de trabalho não responde (%1). Digite-a de novo da próxima vez.</translation>
    </message>
    <message>
        <source>Type your address, as ada@example.org.</source>
        <translation>Digite seu endereço, como ada@example.org.</translation>
    </message>
    <message>
        <source>Paste the invitation, as xmpp:game@conference.example.org?join.</source>
        <translation>Cole o convite, como xmpp:game@conference.example.org?join.</translation>
    </message>
    <message>
        <source>A game online is under way on the board: start a new game there to leave it.</source>
        <translation>Há um jogo online em andamento no tabuleiro: comece um novo jogo ali para sair dele.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Conectando a %1...</translation>
    </message>
    <message>
        <source>Opening the game&apos;s room %1...</source>
        <translation>Abrindo a sala do jogo %1...</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Entrando em %1...</translation>
    </message>
    <message>
        <source>Your game&apos;s room is open, and its invitation copied: send it to your friends, or invite them here.</source>
        <translation>A sala do seu jogo está aberta e o convite copiado: envie-o aos seus amigos, ou convide-os aqui.</translation>
    </message>
    <message>
        <source>Waiting for the host to start the game.</source>
        <translation>Esperando o anfitrião começar o jogo.</translation>
    </message>
    <message>
        <source>(a move in a game of Quoxa)</source>
        <translation>(uma jogada em um jogo de Quoxa)</translation>
    </message>
    <message>
        <source>The game is on.</source>
        <translation>O jogo começou.</translation>
    </message>
    <message>
        <source>Every seat is taken.</source>
        <translation>Todos os lugares estão ocupados.</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Pessoa</translation>
    </message>
    <message>
        <source>Type your friend&apos;s address, as bea@example.org.</source>
        <translation>Digite o endereço do seu amigo, como bea@example.org.</translation>
    </message>
    <message>
        <source>%1 invites you to a game of Quoxa.</source>
        <translation>%1 convida você para um jogo de Quoxa.</translation>
    </message>
    <message>
        <source>%1 is invited.</source>
        <translation>%1 foi convidado.</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Computador %1</translation>
    </message>
    <message>
        <source>Waiting for every copy to be ready...</source>
        <translation>Esperando todas as cópias ficarem prontas...</translation>
    </message>
    <message>
        <source>%1 invites you to a game. Join?</source>
        <translation>%1 convida você para um jogo. Entrar?</translation>
    </message>
    <message>
        <source>The game&apos;s room no longer holds the game, so Quoxa cannot go back to it.</source>
        <translation>A sala do jogo não guarda mais o jogo, então o Quoxa não pode voltar a ele.</translation>
    </message>
    <message>
        <source>Quoxa was closed during a game online: press Join to go back to it.</source>
        <translation>O Quoxa foi fechado durante um jogo online: clique em “Entrar” para voltar a ele.</translation>
    </message>
    <message>
        <source>Going back to the game...</source>
        <translation>Voltando ao jogo...</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Computador: %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Saiu</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Ausente</translation>
    </message>
    <message>
        <source>Computer Plays for &amp;Them</source>
        <translation>&amp;Deixar o computador jogar</translation>
    </message>
</context>
</TS>
