<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Charts</name>
    <message>
        <source>The chart cannot be shown: Quoxa&apos;s chart module is missing.</source>
        <translation>Impossible d’afficher le graphique&#xa0;: le module graphique de Quoxa est absent.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 by %2: %3</source>
        <translation>%1 par %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>DiceOrigin</name>
    <message>
        <source>&quot;%1&quot; is none of a dice code&apos;s letters and digits.</source>
        <translation>«&#xa0;%1&#xa0;» ne fait pas partie des lettres et chiffres d’un code de dés.</translation>
    </message>
    <message>
        <source>Type the dice code of the game to play.</source>
        <translation>Tapez le code de dés de la partie à jouer.</translation>
    </message>
    <message numerus="yes">
        <source>A dice code has eight letters and digits; this one has %n.</source>
        <translation>
            <numerusform>Un code de dés compte huit lettres et chiffres&#xa0;; celui-ci en compte %n.</numerusform>
            <numerusform>Un code de dés compte huit lettres et chiffres&#xa0;; celui-ci en compte %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its last letter or digit does not go with the others: one of them is typed wrong.</source>
        <translation>Son dernier caractère ne va pas avec les autres&#xa0;: l’un d’eux est mal tapé.</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation>Objet requis</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Index hors limites</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Variable objet ou variable de bloc With non définie</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice hors plage</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Type incompatible</translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation>Erreur d’accès au chemin ou au fichier&#xa0;: </translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Ressource d’identificateur «&#xa0;%1&#xa0;» introuvable</translation>
    </message>
</context>
<context>
    <name>FigureWindow</name>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>%1 wins with %2.</source>
        <translation>%1 gagne avec %2.</translation>
    </message>
    <message>
        <source>%1 share the win with %2.</source>
        <translation>%1 gagnent ex æquo avec %2.</translation>
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
        <translation>elle est illisible</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation>La partie en cours n’a pas pu être reprise&#xa0;: %1. Elle est conservée sous %2, et une nouvelle partie commence.</translation>
    </message>
    <message>
        <source>the game under way</source>
        <translation>la partie en cours</translation>
    </message>
    <message>
        <source>the game left unfinished</source>
        <translation>la partie inachevée</translation>
    </message>
    <message>
        <source>the finished game</source>
        <translation>la partie terminée</translation>
    </message>
    <message>
        <source>the cleared statistics</source>
        <translation>les statistiques vidées</translation>
    </message>
    <message>
        <source>the damaged game</source>
        <translation>la partie endommagée</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It stays as %2, untouched, and a new game begins.</source>
        <translation>La partie en cours n’a pas pu être reprise&#xa0;: %1. Elle reste intacte sous %2, et une nouvelle partie commence.</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>it has %1 players</source>
        <translation>elle compte %1 joueurs</translation>
    </message>
    <message>
        <source>%1 plays at level %2</source>
        <translation>%1 joue au niveau %2</translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation>elle compte %1 tours</translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation>le tour %1 compte %2 jets</translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation>le tour %1 lance un dé qu’il ne peut pas lancer</translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation>le tour %1 ne marque rien</translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation>le tour %1 marque en %2 une seconde fois</translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation>le tour %1 marque %2 en %3, ce que ses dés ne donnent pas</translation>
    </message>
    <message>
        <source>turn %1 throws dice that %2 does not give</source>
        <translation>le tour %1 lance des dés que %2 ne donne pas</translation>
    </message>
    <message>
        <source>turn %1 throws dice that the players&apos; shares do not give</source>
        <translation>le tour %1 lance des dés que les parts de dés des joueurs ne donnent pas</translation>
    </message>
</context>
<context>
    <name>MoveText</name>
    <message>
        <source>score %1 (%2)</source>
        <translation>marquer en %1 (%2)</translation>
    </message>
    <message>
        <source>throw all five again</source>
        <translation>relancer les cinq dés</translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation>garder %1</translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation>Conseil&#xa0;: lancer les dés. Total espéré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation>Conseil&#xa0;: marquer %2 en %1. Total espéré&#xa0;: %3</translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation>Conseil&#xa0;: marquer 0 en %1 (le moins coûteux). Total espéré&#xa0;: %2</translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation>Conseil&#xa0;: relancer les cinq dés. Total espéré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation>Conseil&#xa0;: garder %1 et relancer. Total espéré&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation>%1 lance les dés.</translation>
    </message>
    <message>
        <source>%1 scores %2 in %3.</source>
        <translation>%1 marque %2 en %3.</translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation>%1 relance les cinq dés.</translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation>%1 garde %2 et relance.</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Loisir</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Parfait</translation>
    </message>
    <message>
        <source>inaccuracy</source>
        <translation>imprécision</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>erreur</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>gaffe</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice took %5), expecting %6 in the end with best play.</source>
        <translation>Tour %1, jet %2&#xa0;: %3 avait %4 (les dés ont coûté %5), espérant %6 en jouant au mieux.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice gave %5), expecting %6 in the end with best play.</source>
        <translation>Tour %1, jet %2&#xa0;: %3 avait %4 (les dés ont donné %5), espérant %6 en jouant au mieux.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4.</source>
        <translation>Joué&#xa0;: %1 (espérant %2). Meilleur&#xa0;: %3. Points perdus&#xa0;: %4.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5).</source>
        <translation>Joué&#xa0;: %1 (espérant %2). Meilleur&#xa0;: %3. Points perdus&#xa0;: %4 (%5).</translation>
    </message>
    <message>
        <source>No throws left.</source>
        <translation>Plus aucun jet.</translation>
    </message>
    <message>
        <source>One throw left.</source>
        <translation>Encore un jet.</translation>
    </message>
    <message>
        <source>Two throws left.</source>
        <translation>Encore deux jets.</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, gardé</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, libre</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Dé %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: %2. Game total %3.</source>
        <translation>%1&#xa0;: %2. Total général %3.</translation>
    </message>
    <message>
        <source>%1 throws %2.</source>
        <translation>%1 obtient %2.</translation>
    </message>
    <message>
        <source>%1&apos;s total %2.</source>
        <translation>Total de %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 earns the upper bonus of %2.</source>
        <translation>%1 gagne le bonus haut de %2.</translation>
    </message>
    <message>
        <source>Daily game of %1.</source>
        <translation>Partie du jour du %1.</translation>
    </message>
    <message>
        <source>Dice code %1 accepted.</source>
        <translation>Code de dés %1 accepté.</translation>
    </message>
</context>
<context>
    <name>OnlineSession</name>
    <message>
        <source>%1&apos;s dice share does not match what %1&apos;s copy promised: the game cannot go on.</source>
        <translation>La part de dés de %1 ne correspond pas à ce que la copie de %1 avait promis&#xa0;: la partie ne peut pas continuer.</translation>
    </message>
    <message>
        <source>The game on %1&apos;s copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.</source>
        <translation>La partie sur la copie de %1 diffère de celle-ci après le tour %2&#xa0;: les copies sont désynchronisées et la partie ne peut pas continuer.</translation>
    </message>
    <message>
        <source>%1&apos;s copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.</source>
        <translation>La copie de %1 a envoyé un coup que cette partie n’autorise pas (%2)&#xa0;: les copies sont désynchronisées et la partie ne peut pas continuer.</translation>
    </message>
    <message>
        <source>a throw</source>
        <translation>un jet</translation>
    </message>
    <message>
        <source>holding die %1</source>
        <translation>garder le dé %1</translation>
    </message>
    <message>
        <source>letting die %1 go</source>
        <translation>relâcher le dé %1</translation>
    </message>
    <message>
        <source>scoring %1</source>
        <translation>marquer en %1</translation>
    </message>
    <message>
        <source>taking the last score back</source>
        <translation>annuler le dernier score</translation>
    </message>
    <message>
        <source>passing the turn on</source>
        <translation>passer la main</translation>
    </message>
    <message>
        <source>A computer plays for %1 (%2).</source>
        <translation>Un ordinateur joue pour %1 (%2).</translation>
    </message>
    <message>
        <source>%1 plays again.</source>
        <translation>%1 joue de nouveau.</translation>
    </message>
    <message>
        <source>This copy no longer has its dice shares for the game, so it cannot go back to it.</source>
        <translation>Cette copie n’a plus ses parts de dés pour la partie&#xa0;: elle ne peut pas y revenir.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 a quitté la partie.</translation>
    </message>
    <message>
        <source>%1 is away: the game waits for %1.</source>
        <translation>%1 n’est plus là&#xa0;: la partie attend %1.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 est de retour.</translation>
    </message>
    <message>
        <source>%1, who hosts the game, has left it: the game is over.</source>
        <translation>%1, l’hôte de la partie, l’a quittée&#xa0;: la partie est terminée.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Throw</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Ones</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Section Total</source>
        <translation>Sous-total</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Petite suite</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Grande suite</translation>
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
        <translation>Total général</translation>
    </message>
    <message>
        <source>Upper Section Total</source>
        <translation>Sous-total haut</translation>
    </message>
    <message>
        <source>Lower Section Total</source>
        <translation>Sous-total bas</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Another copy of %1 is using the store: %2 will be saved when it is free.</source>
        <translation>Une autre instance de %1 utilise les données&#xa0;; en attente d’enregistrement&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation>Une autre instance de %1 utilise encore les données&#xa0;; enregistrement impossible&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation>Erreur n°&#xa0;: </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
</context>
<context>
    <name>basRegistry</name>
    <message>
        <source>the settings</source>
        <translation>les réglages</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
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
        <translation>Quoxa, un jeu de dés pour un à quatre joueurs réunis dans une même fenêtre.</translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avancer</translation>
    </message>
    <message>
        <source>Link: %1</source>
        <translation>Lien&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation>Jeu de dés pour un à quatre joueurs.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation>© 2026 les développeurs de Quoxa.</translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation>Questions, idées, avis&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
</context>
<context>
    <name>quoxa::frmMain</name>
    <message>
        <source>Throw the dice.</source>
        <translation>Lancer les dés.</translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation>Jets restants&#xa0;: %1</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation>Garder des dés et relancer, ou choisir une catégorie.</translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation>Choisir une catégorie.</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Partie terminée.</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>pas lancé</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Commencer une nouvelle partie</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Conseil</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Palmarès…</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>Afficher le palmarès</translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation>&amp;Analyse…</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistiques…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Quitter le jeu</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation>&amp;Annuler le score</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>Annuler le dernier score</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Couleurs</translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation>Changer la couleur des dés</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Joueurs</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>Modifier les joueurs</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sons</translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation>Joueurs &amp;ordinateur…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Barre d’état</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barre d’&amp;outils</translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation>&amp;Feuille de marque</translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation>Afficher la feuille de marque</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>&amp;Contrat de licence</translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation>À &amp;propos de Quoxa…</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>Afficher les informations sur le programme</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>Activer ou désactiver les sons</translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation>Conseil&#xa0;: calcul…</translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation>Cliquez sur «&#xa0;Continuer&#xa0;», ou sur «&#xa0;Annuler&#xa0;» pour annuler le score.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n point(s)</source>
        <translation>
            <numerusform>%1&#xa0;: %n point</numerusform>
            <numerusform>%1&#xa0;: %n points</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>Partie du &amp;jour</translation>
    </message>
    <message>
        <source>Play Dice &amp;Code...</source>
        <translation>Jouer un code de &amp;dés…</translation>
    </message>
    <message>
        <source>Play Dice Code</source>
        <translation>Jouer un code de dés</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dice code. A dice code is eight letters and digits, as the score card shows it (for example K7QX-93R1); check it and try again.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un code de dés. Un code de dés compte huit lettres et chiffres, tel que l’affiche la feuille de marque (par exemple K7QX-93R1)&#xa0;; vérifiez-le et réessayez.</translation>
    </message>
    <message>
        <source>The dice code of the game to play, as its score card shows it (for example K7QX-93R1):</source>
        <translation>Le code de dés de la partie à jouer, tel que l’affiche sa feuille de marque (par exemple K7QX-93R1)&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays on another copy of the game.</source>
        <translation>%1 joue sur une autre copie de la partie.</translation>
    </message>
    <message>
        <source>Play &amp;Online...</source>
        <translation>Jouer en l&amp;igne…</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>The board at %1% would not fit on the screen: it is shown at %2%.</source>
        <translation>Le plateau à %1&#xa0;% ne tiendrait pas à l’écran&#xa0;: il est affiché à %2&#xa0;%.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Couleurs</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Joueurs</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sons</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Ordinateur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dés</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>Joueurs&#xa0;:</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>Nombre de joueurs</translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation>Nombre de joueurs, plus ou moins</translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation>Noms des joueurs&#xa0;:</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Nom du joueur %1</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activés</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivés</translation>
    </message>
    <message>
        <source>The computer plays for:</source>
        <translation>L’ordinateur joue pour&#xa0;:</translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation>Pause entre les coups&#xa0;:</translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation>Pause entre les coups</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1: red %2, green %3, blue %4</source>
        <translation>%1&#xa0;: rouge %2, vert %3, bleu %4</translation>
    </message>
    <message>
        <source>One player more</source>
        <translation>Un joueur de plus</translation>
    </message>
    <message>
        <source>One player fewer</source>
        <translation>Un joueur de moins</translation>
    </message>
    <message>
        <source>Level of %1: %2</source>
        <translation>Niveau de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: back to the defaults.</source>
        <translation>%1&#xa0;: valeurs par défaut rétablies.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmReview</name>
    <message>
        <source>Game Review</source>
        <translation>Analyse de la partie</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Points perdus</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Veine</translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation>Imprécisions</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation>Gaffes</translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation>Départ, veine et points perdus</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Voir&#xa0;:</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Décisions</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Jet</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dés</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Joué</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation>Calcul du meilleur jeu…</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>Total espéré après chaque décision</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>Toutes les décisions</translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation>Fautes seulement</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation>%1 %2 de veine − %3 perdus = %4</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation>%1 %2 de veine − %3 perdus = %4 espérés</translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation>Décisions de %1</translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation>Pas encore de décision&#xa0;: l’analyse suit la partie.</translation>
    </message>
    <message>
        <source>Slip</source>
        <translation>Faute</translation>
    </message>
    <message>
        <source>No decisions yet: the chart begins with the first one.</source>
        <translation>Pas encore de décision&#xa0;: le graphique commence avec la première.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Feuille de marque</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>&amp;Rejouer</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analyser</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1, scored last</source>
        <translation>%1, marqué en dernier</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;Copier le résultat</translation>
    </message>
    <message>
        <source>Daily game of %1, dice code %2</source>
        <translation>Partie du jour du %1, code de dés %2</translation>
    </message>
    <message>
        <source>Dice code: %1</source>
        <translation>Code de dés&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>The most these dice allow: %1</source>
        <translation>Le maximum que permettent ces dés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: working it out...</source>
        <translation>Ordinateur Parfait sur ces dés&#xa0;: calcul en cours…</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: %1</source>
        <translation>Ordinateur Parfait sur ces dés&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 below the Perfect computer</source>
        <translation>%1 %2, %3 de moins que l’ordinateur Parfait</translation>
    </message>
    <message>
        <source>%1 %2, %3 above the Perfect computer</source>
        <translation>%1 %2, %3 de plus que l’ordinateur Parfait</translation>
    </message>
    <message>
        <source>%1 %2, as the Perfect computer</source>
        <translation>%1 %2, égal à l’ordinateur Parfait</translation>
    </message>
    <message>
        <source>Quoxa daily %1: %2, Perfect %3, most %4</source>
        <translation>Quoxa, partie du jour du %1&#xa0;: %2, Parfait %3, maximum %4</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1&#xa0;: %2 %3</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScores</name>
    <message>
        <source>%1&apos;s %2</source>
        <translation>le score %2 (%1)</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Palmarès</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation>Voulez-vous vraiment effacer tout le palmarès&#xa0;?</translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation>le palmarès effacé</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>%1 reaches place %2 with %3.</source>
        <translation>%1 atteint le rang %2 avec %3.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Victoires</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Std. Dev.</source>
        <translation>Écart-type</translation>
    </message>
    <message>
        <source>Upper Bonus</source>
        <translation>Bonus haut</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Partie&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analyser</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Pas encore de partie terminée.</translation>
    </message>
    <message>
        <source>Totals of %1</source>
        <translation>Totaux de %1</translation>
    </message>
    <message>
        <source>Game total</source>
        <translation>Total général</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>Vider les statistiques</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation>Voulez-vous vraiment effacer les parties terminées&#xa0;?</translation>
    </message>
    <message>
        <source>%1 (not finished)</source>
        <translation>%1 (inachevée)</translation>
    </message>
    <message>
        <source>%1 (computer, %2)</source>
        <translation>%1 (ordinateur, %2)</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Du jour</translation>
    </message>
    <message>
        <source>%1 (daily)</source>
        <translation>%1 (du jour)</translation>
    </message>
    <message>
        <source>Below Perfect</source>
        <translation>Sous Parfait</translation>
    </message>
    <message>
        <source>Below Most</source>
        <translation>Sous maximum</translation>
    </message>
</context>
<context>
    <name>quoxa::online::XmppLink</name>
    <message>
        <source>The server refused the login: check the address and the password.</source>
        <translation>Le serveur a refusé la connexion&#xa0;: vérifiez l’adresse et le mot de passe.</translation>
    </message>
    <message>
        <source>The server cannot be reached: check the address and the network connection.</source>
        <translation>Le serveur est injoignable&#xa0;: vérifiez l’adresse et la connexion réseau.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted, so Quoxa does not connect to it.</source>
        <translation>Le certificat du serveur n’est pas digne de confiance, Quoxa ne s’y connecte donc pas.</translation>
    </message>
    <message>
        <source>The game&apos;s room is gone.</source>
        <translation>Le salon de la partie n’existe plus.</translation>
    </message>
    <message>
        <source>Someone in the game&apos;s room already uses this name.</source>
        <translation>Quelqu’un dans le salon de la partie utilise déjà ce nom.</translation>
    </message>
    <message>
        <source>The game&apos;s room does not let you in.</source>
        <translation>Le salon de la partie ne vous laisse pas entrer.</translation>
    </message>
    <message>
        <source>The connection to the server dropped.</source>
        <translation>La connexion au serveur a été interrompue.</translation>
    </message>
    <message>
        <source>Online play cannot start: Quoxa&apos;s online module is missing.</source>
        <translation>Impossible de jouer en ligne&#xa0;: le module en ligne de Quoxa est absent.</translation>
    </message>
    <message>
        <source>the online module is missing</source>
        <translation>le module en ligne est absent</translation>
    </message>
    <message>
        <source>it did not take the password</source>
        <translation>il n’a pas pris le mot de passe</translation>
    </message>
</context>
<context>
    <name>quoxa::online::frmOnline</name>
    <message>
        <source>Play Online</source>
        <translation>Jouer en ligne</translation>
    </message>
    <message>
        <source>&amp;Remember</source>
        <translation>&amp;Retenir</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Mot de &amp;passe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Host a Game</source>
        <translation>&amp;Héberger une partie</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>Re&amp;joindre</translation>
    </message>
    <message>
        <source>&amp;Invitation:</source>
        <translation>&amp;Invitation&#xa0;:</translation>
    </message>
    <message>
        <source>In&amp;vite</source>
        <translation>In&amp;viter</translation>
    </message>
    <message>
        <source>&amp;Friend:</source>
        <translation>A&amp;mi&#xa0;:</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Places</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Add &amp;Computer</source>
        <translation>Ajouter un &amp;ordinateur</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Commencer</translation>
    </message>
    <message>
        <source>Your password cannot be kept: the desktop&apos;s keyring does not answer (%1). Type it again next time.</source>
        <translation>Votre mot de passe ne peut pas être conservé&#xa0;: le trousseau du bureau ne répond pas (%1). Saisissez-le de nouveau la prochaine fois.</translation>
    </message>
    <message>
        <source>Type your address, as ada@example.org.</source>
        <translation>Saisissez votre adresse, comme ada@example.org.</translation>
    </message>
    <message>
        <source>Paste the invitation, as xmpp:game@conference.example.org?join.</source>
        <translation>Collez l’invitation, comme xmpp:game@conference.example.org?join.</translation>
    </message>
    <message>
        <source>A game online is under way on the board: start a new game there to leave it.</source>
        <translation>Une partie en ligne est en cours sur le plateau&#xa0;: commencez-y une nouvelle partie pour la quitter.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Connexion à %1…</translation>
    </message>
    <message>
        <source>Opening the game&apos;s room %1...</source>
        <translation>Ouverture du salon de la partie %1…</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Entrée dans %1…</translation>
    </message>
    <message>
        <source>Your game&apos;s room is open, and its invitation copied: send it to your friends, or invite them here.</source>
        <translation>Le salon de votre partie est ouvert et son invitation copiée&#xa0;: envoyez-la à vos amis, ou invitez-les ici.</translation>
    </message>
    <message>
        <source>Waiting for the host to start the game.</source>
        <translation>En attente du lancement de la partie par l’hôte.</translation>
    </message>
    <message>
        <source>(a move in a game of Quoxa)</source>
        <translation>(un coup dans une partie de Quoxa)</translation>
    </message>
    <message>
        <source>The game is on.</source>
        <translation>La partie est lancée.</translation>
    </message>
    <message>
        <source>Every seat is taken.</source>
        <translation>Toutes les places sont prises.</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Personne</translation>
    </message>
    <message>
        <source>Type your friend&apos;s address, as bea@example.org.</source>
        <translation>Saisissez l’adresse de votre ami, comme bea@example.org.</translation>
    </message>
    <message>
        <source>%1 invites you to a game of Quoxa.</source>
        <translation>%1 vous invite à une partie de Quoxa.</translation>
    </message>
    <message>
        <source>%1 is invited.</source>
        <translation>%1 est invité.</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Ordinateur %1</translation>
    </message>
    <message>
        <source>Waiting for every copy to be ready...</source>
        <translation>En attente que chaque copie soit prête…</translation>
    </message>
    <message>
        <source>%1 invites you to a game. Join?</source>
        <translation>%1 vous invite à une partie. La rejoindre&#xa0;?</translation>
    </message>
    <message>
        <source>The game&apos;s room no longer holds the game, so Quoxa cannot go back to it.</source>
        <translation>Le salon de la partie ne contient plus la partie&#xa0;: Quoxa ne peut pas y revenir.</translation>
    </message>
    <message>
        <source>Quoxa was closed during a game online: press Join to go back to it.</source>
        <translation>Quoxa a été fermé pendant une partie en ligne&#xa0;: cliquez sur «&#xa0;Rejoindre&#xa0;» pour y revenir.</translation>
    </message>
    <message>
        <source>Going back to the game...</source>
        <translation>Retour à la partie…</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Ordinateur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>A quitté</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Absent</translation>
    </message>
    <message>
        <source>Computer Plays for &amp;Them</source>
        <translation>L’ordinateur &amp;tient sa place</translation>
    </message>
</context>
</TS>
