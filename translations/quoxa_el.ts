<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>Charts</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 by %2: %3</source>
        <translation>%1 ανά %2: %3</translation>
    </message>
    <message>
        <source>The chart cannot be shown: Quoxa&apos;s chart module is missing.</source>
        <translation>Το διάγραμμα δεν μπορεί να εμφανιστεί: λείπει η μονάδα διαγραμμάτων του Quoxa.</translation>
    </message>
</context>
<context>
    <name>DiceOrigin</name>
    <message>
        <source>&quot;%1&quot; is none of a dice code&apos;s letters and digits.</source>
        <translation>Το «%1» δεν είναι γράμμα ή ψηφίο κωδικού ζαριών.</translation>
    </message>
    <message>
        <source>Type the dice code of the game to play.</source>
        <translation>Πληκτρολογήστε τον κωδικό ζαριών του παιχνιδιού που θέλετε να παίξετε.</translation>
    </message>
    <message numerus="yes">
        <source>A dice code has eight letters and digits; this one has %n.</source>
        <translation>
            <numerusform>Ο κωδικός ζαριών έχει οκτώ γράμματα και ψηφία· αυτός έχει %n.</numerusform>
            <numerusform>Ο κωδικός ζαριών έχει οκτώ γράμματα και ψηφία· αυτός έχει %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its last letter or digit does not go with the others: one of them is typed wrong.</source>
        <translation>Το τελευταίο γράμμα ή ψηφίο δεν ταιριάζει με τα υπόλοιπα: κάποιο πληκτρολογήθηκε λάθος.</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation>Απαιτείται αντικείμενο</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Δείκτης εκτός ορίων</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Δεν έχει οριστεί μεταβλητή αντικειμένου ή μεταβλητή μπλοκ With</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Υπερχείλιση</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Δείκτης πίνακα εκτός περιοχής</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Ασυμφωνία τύπων</translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation>Σφάλμα πρόσβασης σε διαδρομή/αρχείο: </translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Δεν βρέθηκε πόρος με αναγνωριστικό «%1»</translation>
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
        <translation>%1 κερδίζει με %2.</translation>
    </message>
    <message>
        <source>%1 share the win with %2.</source>
        <translation>%1 μοιράζονται τη νίκη με %2.</translation>
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
        <translation>δεν μπορεί να διαβαστεί</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>the damaged game</source>
        <translation>το κατεστραμμένο παιχνίδι</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It stays as %2, untouched, and a new game begins.</source>
        <translation>Δεν ήταν δυνατή η επαναφορά του τρέχοντος παιχνιδιού: %1. Μένει ανέγγιχτο ως %2 και αρχίζει νέο παιχνίδι.</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation>Δεν ήταν δυνατή η επαναφορά του τρέχοντος παιχνιδιού: %1. Φυλάσσεται ως %2 και αρχίζει νέο παιχνίδι.</translation>
    </message>
    <message>
        <source>the game under way</source>
        <translation>το τρέχον παιχνίδι</translation>
    </message>
    <message>
        <source>the game left unfinished</source>
        <translation>το ημιτελές παιχνίδι</translation>
    </message>
    <message>
        <source>the finished game</source>
        <translation>το ολοκληρωμένο παιχνίδι</translation>
    </message>
    <message>
        <source>the cleared statistics</source>
        <translation>τα διαγραμμένα στατιστικά</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>it has %1 players</source>
        <translation>έχει %1 παίκτες</translation>
    </message>
    <message>
        <source>%1 plays at level %2</source>
        <translation>%1 παίζει στο επίπεδο %2</translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation>έχει %1 γύρους</translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation>ο γύρος %1 έχει %2 ρίψεις</translation>
    </message>
    <message>
        <source>turn %1 throws dice that the players&apos; shares do not give</source>
        <translation>ο γύρος %1 ρίχνει ζάρια που δεν προκύπτουν από τα μερίδια ζαριών των παικτών</translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation>ο γύρος %1 ρίχνει ζάρι που δεν επιτρέπεται</translation>
    </message>
    <message>
        <source>turn %1 throws dice that %2 does not give</source>
        <translation>ο γύρος %1 ρίχνει ζάρια που δεν δίνει το «%2»</translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation>ο γύρος %1 δεν γράφει τίποτα</translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation>ο γύρος %1 γράφει δεύτερη φορά στην κατηγορία %2</translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation>ο γύρος %1 γράφει %2 στην κατηγορία %3, κάτι που τα ζάρια του δεν δίνουν</translation>
    </message>
</context>
<context>
    <name>MoveText</name>
    <message>
        <source>%1 scores %2 in %3.</source>
        <translation>%1 γράφει %2 στην κατηγορία %3.</translation>
    </message>
    <message>
        <source>No throws left.</source>
        <translation>Δεν απομένουν ρίψεις.</translation>
    </message>
    <message>
        <source>One throw left.</source>
        <translation>Απομένει μία ρίψη.</translation>
    </message>
    <message>
        <source>Two throws left.</source>
        <translation>Απομένουν δύο ρίψεις.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, ελεύθερο</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Ζάρι %1: %2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, κρατημένο</translation>
    </message>
    <message>
        <source>%1: %2. Game total %3.</source>
        <translation>%1: %2. Τελικό σύνολο %3.</translation>
    </message>
    <message>
        <source>%1 throws %2.</source>
        <translation>%1 φέρνει %2.</translation>
    </message>
    <message>
        <source>%1&apos;s total %2.</source>
        <translation>%1: σύνολο %2.</translation>
    </message>
    <message>
        <source>%1 earns the upper bonus of %2.</source>
        <translation>%1 κερδίζει το μπόνους του πάνω μέρους: %2.</translation>
    </message>
    <message>
        <source>Daily game of %1.</source>
        <translation>Παιχνίδι της ημέρας, %1.</translation>
    </message>
    <message>
        <source>Dice code %1 accepted.</source>
        <translation>Ο κωδικός ζαριών %1 έγινε δεκτός.</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Αρχάριος</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Χαλαρός</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Προχωρημένος</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Ειδικός</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Τέλειος</translation>
    </message>
    <message>
        <source>score %1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>throw all five again</source>
        <translation>νέα ρίψη και των πέντε</translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation>κράτημα %1</translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation>Υπόδειξη: ρίξτε τα ζάρια. Αναμενόμενο τελικό σύνολο: %1</translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation>Υπόδειξη: γράψτε %2 στην κατηγορία %1. Αναμενόμενο τελικό σύνολο: %3</translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation>Υπόδειξη: γράψτε 0 στην κατηγορία %1 (κοστίζει λιγότερο). Αναμενόμενο τελικό σύνολο: %2</translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation>Υπόδειξη: ξαναρίξτε και τα πέντε. Αναμενόμενο τελικό σύνολο: %1</translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation>Υπόδειξη: κρατήστε %1 και ξαναρίξτε. Αναμενόμενο τελικό σύνολο: %2</translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation>%1 ρίχνει τα ζάρια.</translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation>%1 ξαναρίχνει και τα πέντε.</translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation>%1 κρατά %2 και ξαναρίχνει.</translation>
    </message>
    <message>
        <source>inaccuracy</source>
        <translation>ανακρίβεια</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>λάθος</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>γκάφα</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice took %5), expecting %6 in the end with best play.</source>
        <translation>Γύρος %1, ρίψη %2: %3 είχε %4 (τα ζάρια πήραν %5)· με το καλύτερο παιχνίδι αναμενόταν %6 στο τέλος.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice gave %5), expecting %6 in the end with best play.</source>
        <translation>Γύρος %1, ρίψη %2: %3 είχε %4 (τα ζάρια έδωσαν %5)· με το καλύτερο παιχνίδι αναμενόταν %6 στο τέλος.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4.</source>
        <translation>Παίχτηκε: %1 (αναμενόμενο %2). Καλύτερο: %3. Χαμένοι πόντοι: %4.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5).</source>
        <translation>Παίχτηκε: %1 (αναμενόμενο %2). Καλύτερο: %3. Χαμένοι πόντοι: %4 (%5).</translation>
    </message>
</context>
<context>
    <name>OnlineSession</name>
    <message>
        <source>%1, who hosts the game, has left it: the game is over.</source>
        <translation>%1, που φιλοξενεί το παιχνίδι, αποχώρησε: το παιχνίδι τελείωσε.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 αποχώρησε από το παιχνίδι.</translation>
    </message>
    <message>
        <source>%1&apos;s dice share does not match what %1&apos;s copy promised: the game cannot go on.</source>
        <translation>Το μερίδιο ζαριών του παίκτη %1 δεν ταιριάζει με όσα υποσχέθηκε το αντίγραφο του παίκτη %1: το παιχνίδι δεν μπορεί να συνεχιστεί.</translation>
    </message>
    <message>
        <source>The game on %1&apos;s copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.</source>
        <translation>Το παιχνίδι στο αντίγραφο του παίκτη %1 διαφέρει από αυτό εδώ μετά τον γύρο %2: τα αντίγραφα δεν είναι πια συγχρονισμένα και το παιχνίδι δεν μπορεί να συνεχιστεί.</translation>
    </message>
    <message>
        <source>%1&apos;s copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.</source>
        <translation>Το αντίγραφο του παίκτη %1 έστειλε κίνηση που δεν επιτρέπεται σε αυτό το παιχνίδι (%2): τα αντίγραφα δεν είναι πια συγχρονισμένα και το παιχνίδι δεν μπορεί να συνεχιστεί.</translation>
    </message>
    <message>
        <source>a throw</source>
        <translation>μια ρίψη</translation>
    </message>
    <message>
        <source>holding die %1</source>
        <translation>κράτημα του ζαριού %1</translation>
    </message>
    <message>
        <source>letting die %1 go</source>
        <translation>απελευθέρωση του ζαριού %1</translation>
    </message>
    <message>
        <source>scoring %1</source>
        <translation>καταχώριση στην κατηγορία %1</translation>
    </message>
    <message>
        <source>taking the last score back</source>
        <translation>αναίρεση της τελευταίας καταχώρισης</translation>
    </message>
    <message>
        <source>passing the turn on</source>
        <translation>παράδοση της σειράς</translation>
    </message>
    <message>
        <source>A computer plays for %1 (%2).</source>
        <translation>Ο υπολογιστής παίζει αντί για %1 (%2).</translation>
    </message>
    <message>
        <source>%1 plays again.</source>
        <translation>%1 παίζει ξανά.</translation>
    </message>
    <message>
        <source>This copy no longer has its dice shares for the game, so it cannot go back to it.</source>
        <translation>Αυτό το αντίγραφο δεν έχει πια τα μερίδια ζαριών του για το παιχνίδι, οπότε δεν μπορεί να επιστρέψει σε αυτό.</translation>
    </message>
    <message>
        <source>%1 is away: the game waits for %1.</source>
        <translation>%1 απουσιάζει: το παιχνίδι περιμένει την επιστροφή του παίκτη %1.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 επέστρεψε.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Throw</source>
        <translation>Ρίψη</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>ΣΥΝΕΧΕΙΑ</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>ΝΕΟ ΠΑΙΧΝΙΔΙ</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Ones</source>
        <translation>Άσοι</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Δυάρια</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Τριάρια</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Τεσσάρια</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Πεντάρια</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Εξάρια</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Σύνολο</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Μπόνους</translation>
    </message>
    <message>
        <source>Section Total</source>
        <translation>Υποσύνολο</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Τρία όμοια</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Τέσσερα όμοια</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Φουλ</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Μικρή κέντα</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Μεγάλη κέντα</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Ελεύθερη</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Τελικό σύνολο</translation>
    </message>
    <message>
        <source>Upper Section Total</source>
        <translation>Σύνολο πάνω μέρους</translation>
    </message>
    <message>
        <source>Lower Section Total</source>
        <translation>Σύνολο κάτω μέρους</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Another copy of %1 is using the store: %2 will be saved when it is free.</source>
        <translation>Ένα άλλο αντίγραφο του %1 χρησιμοποιεί τον χώρο αποθήκευσης. Μόλις ελευθερωθεί, θα αποθηκευτεί: %2.</translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation>Ένα άλλο αντίγραφο του %1 χρησιμοποιεί ακόμη τον χώρο αποθήκευσης. Δεν ήταν δυνατό να αποθηκευτεί: %2.</translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation>Σφάλμα</translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation>Σφάλμα αρ.: </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 και %2</translation>
    </message>
</context>
<context>
    <name>basRegistry</name>
    <message>
        <source>Player %1</source>
        <translation>Παίκτης %1</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>οι ρυθμίσεις</translation>
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
        <translation>Quoxa, ένα παιχνίδι ζαριών για έναν έως τέσσερις παίκτες που μοιράζονται ένα παράθυρο.</translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Link: %1</source>
        <translation>Σύνδεσμος: %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Περιεχόμενα</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Ευρετήριο</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Εμπρός</translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation>Παιχνίδι ζαριών για 1 έως 4 παίκτες.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation>Copyright (c) 2026 οι δημιουργοί του Quoxa.</translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation>Ερωτήσεις, ιδέες, σχόλια:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Άδεια</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Σχετικά με το %1</translation>
    </message>
</context>
<context>
    <name>quoxa::frmMain</name>
    <message>
        <source>Throw the dice.</source>
        <translation>Ρίξτε τα ζάρια.</translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation>Υπόλοιπες ρίψεις: %1</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Παίκτες</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Πόντοι</translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation>Κρατήστε ζάρια και ξαναρίξτε ή επιλέξτε κατηγορία.</translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation>Επιλέξτε κατηγορία.</translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation>Πατήστε «Συνέχεια» ή «Αναίρεση» για να αναιρέσετε την καταχώριση.</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Τέλος παιχνιδιού.</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>δεν ρίχτηκε</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>κενό</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n point(s)</source>
        <translation>
            <numerusform>%1: %n πόντος</numerusform>
            <numerusform>%1: %n πόντοι</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n πόντος</numerusform>
            <numerusform>%n πόντοι</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays on another copy of the game.</source>
        <translation>%1 παίζει σε άλλο αντίγραφο του παιχνιδιού.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Παιχνίδι</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Νέο</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Έναρξη νέου παιχνιδιού</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>Παιχνίδι της &amp;ημέρας</translation>
    </message>
    <message>
        <source>Play Dice &amp;Code...</source>
        <translation>Παιχνίδι με &amp;κωδικό ζαριών…</translation>
    </message>
    <message>
        <source>Play &amp;Online...</source>
        <translation>&amp;Διαδικτυακό παιχνίδι…</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Υπόδειξη</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Ρεκόρ…</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>Εμφάνιση ρεκόρ</translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation>&amp;Ανάλυση παιχνιδιού…</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Στατιστικά…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Έξοδος από το παιχνίδι</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Επεξεργασία</translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation>&amp;Αναίρεση τελευταίας καταχώρισης</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>Αναίρεση τελευταίας καταχώρισης</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Ρυθμίσεις</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Χρώματα</translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation>Αλλαγή χρωμάτων ζαριών</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Παίκτες</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>Αλλαγή παικτών</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>Ήχ&amp;οι</translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation>Παίκτες &amp;υπολογιστή…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Προβο&amp;λή</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Γραμμή &amp;κατάστασης</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Γραμμή &amp;εργαλείων</translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation>&amp;Βαθμολόγιο</translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation>Εμφάνιση βαθμολογίου</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Μεγέθυνση</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Σμίκρυνση</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Πραγματικό μέγεθος</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Περιεχόμενα</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Ευρετήριο</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>Άδεια &amp;χρήσης</translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation>&amp;Σχετικά με το Quoxa…</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>Εμφάνιση πληροφοριών προγράμματος</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>Ενεργοποίηση/απενεργοποίηση ήχων</translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation>Υπόδειξη: υπολογίζεται…</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dice code. A dice code is eight letters and digits, as the score card shows it (for example K7QX-93R1); check it and try again.</source>
        <translation>Το «%1» δεν είναι κωδικός ζαριών. Ο κωδικός ζαριών έχει οκτώ γράμματα και ψηφία, όπως τον δείχνει το βαθμολόγιο (για παράδειγμα K7QX-93R1)· ελέγξτε τον και δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <source>Play Dice Code</source>
        <translation>Παιχνίδι με κωδικό ζαριών</translation>
    </message>
    <message>
        <source>The dice code of the game to play, as its score card shows it (for example K7QX-93R1):</source>
        <translation>Ο κωδικός ζαριών του παιχνιδιού, όπως τον δείχνει το βαθμολόγιό του (για παράδειγμα K7QX-93R1):</translation>
    </message>
    <message>
        <source>The board at %1% would not fit on the screen: it is shown at %2%.</source>
        <translation>Το ταμπλό στο %1% δεν θα χωρούσε στην οθόνη: εμφανίζεται στο %2%.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Χρώματα</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Παίκτες</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>Ήχ&amp;οι</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Υπολογιστής</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Αρχικά</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Εφαρμογή</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>%1: red %2, green %3, blue %4</source>
        <translation>%1: κόκκινο %2, πράσινο %3, μπλε %4</translation>
    </message>
    <message>
        <source>%1: back to the defaults.</source>
        <translation>%1: επαναφορά προεπιλογών.</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Ζάρια</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Βούλες</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Χρώμα</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>Αριθμός παικτών:</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>Αριθμός παικτών</translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation>Αριθμός παικτών, αύξηση και μείωση</translation>
    </message>
    <message>
        <source>One player more</source>
        <translation>Ένας παίκτης ακόμη</translation>
    </message>
    <message>
        <source>One player fewer</source>
        <translation>Ένας παίκτης λιγότερος</translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation>Ονόματα παικτών:</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Όνομα παίκτη %1</translation>
    </message>
    <message>
        <source>Level of %1: %2</source>
        <translation>Επίπεδο για %1: %2</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ενεργοί</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ανενεργοί</translation>
    </message>
    <message>
        <source>The computer plays for:</source>
        <translation>Ο υπολογιστής παίζει για:</translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation>Παύση ανά κίνηση:</translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation>Παύση ανά κίνηση</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 δλ</translation>
    </message>
</context>
<context>
    <name>quoxa::frmReview</name>
    <message>
        <source>Game Review</source>
        <translation>Ανάλυση παιχνιδιού</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Σύνοψη</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Παίκτης</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Χαμένοι πόντοι</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Τύχη</translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation>Ανακρίβειες</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Λάθη</translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation>Γκάφες</translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation>Αρχή, τύχη και χαμένοι πόντοι</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Εμφάνιση:</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Αποφάσεις</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Γύρος</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Ρίψη</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Ζάρια</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Παίχτηκε</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Καλύτερο</translation>
    </message>
    <message>
        <source>Slip</source>
        <translation>Αστοχία</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation>Υπολογισμός του καλύτερου παιχνιδιού…</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>Αναμενόμενο τελικό σύνολο μετά από κάθε απόφαση</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Πόντοι</translation>
    </message>
    <message>
        <source>No decisions yet: the chart begins with the first one.</source>
        <translation>Δεν υπάρχουν ακόμη αποφάσεις: το διάγραμμα αρχίζει με την πρώτη.</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>Όλες οι αποφάσεις</translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation>Μόνο αστοχίες</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation>%1 %2 τύχη − %3 χαμένοι = %4</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation>%1 %2 τύχη − %3 χαμένοι = %4 αναμενόμενο</translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation>Αποφάσεις: %1</translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation>Δεν υπάρχουν ακόμη αποφάσεις: η ανάλυση μεγαλώνει όσο προχωρά το παιχνίδι.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Βαθμολόγιο</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Κινήσεις</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>Παίξτε &amp;ξανά</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Ανάλυση</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>κενό</translation>
    </message>
    <message>
        <source>%1, scored last</source>
        <translation>%1, τελευταία καταχώριση</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>Αντι&amp;γραφή αποτελέσματος</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Αντιγράφηκε</translation>
    </message>
    <message>
        <source>Daily game of %1, dice code %2</source>
        <translation>Παιχνίδι της ημέρας %1, κωδικός ζαριών %2</translation>
    </message>
    <message>
        <source>Dice code: %1</source>
        <translation>Κωδικός ζαριών: %1</translation>
    </message>
    <message>
        <source>The most these dice allow: %1</source>
        <translation>Το μέγιστο που επιτρέπουν αυτά τα ζάρια: %1</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: working it out...</source>
        <translation>Τέλειος υπολογιστής με αυτά τα ζάρια: υπολογίζεται…</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: %1</source>
        <translation>Τέλειος υπολογιστής με αυτά τα ζάρια: %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 below the Perfect computer</source>
        <translation>%1 %2, %3 κάτω από τον Τέλειο υπολογιστή</translation>
    </message>
    <message>
        <source>%1 %2, %3 above the Perfect computer</source>
        <translation>%1 %2, %3 πάνω από τον Τέλειο υπολογιστή</translation>
    </message>
    <message>
        <source>%1 %2, as the Perfect computer</source>
        <translation>%1 %2, όσο ο Τέλειος υπολογιστής</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Quoxa daily %1: %2, Perfect %3, most %4</source>
        <translation>Quoxa της ημέρας %1: %2, Τέλειος %3, μέγιστο %4</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScores</name>
    <message>
        <source>%1&apos;s %2</source>
        <translation>η βαθμολογία %2 (%1)</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Ρεκόρ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Μηδενισμός</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Πόντοι</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Θέση</translation>
    </message>
    <message>
        <source>%1 reaches place %2 with %3.</source>
        <translation>%1 φτάνει στη θέση %2 με %3.</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation>Είστε σίγουροι ότι θέλετε να μηδενίσετε όλα τα ρεκόρ;</translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation>τα διαγραμμένα ρεκόρ</translation>
    </message>
</context>
<context>
    <name>quoxa::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Στατιστικά</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Παιχνίδια</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Νίκες</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Μ.Ο.</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Καλύτερο</translation>
    </message>
    <message>
        <source>Std. Dev.</source>
        <translation>Τυπ. απόκλ.</translation>
    </message>
    <message>
        <source>Upper Bonus</source>
        <translation>Μπόνους πάνω</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Της ημέρας</translation>
    </message>
    <message>
        <source>Below Perfect</source>
        <translation>Κάτω από Τέλειο</translation>
    </message>
    <message>
        <source>Below Most</source>
        <translation>Κάτω από μέγιστο</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Παιχνίδι:</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Ανάλυση</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Εκκαθάριση</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
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
        <source>%1 (daily)</source>
        <translation>%1 (της ημέρας)</translation>
    </message>
    <message>
        <source>%1 (not finished)</source>
        <translation>%1 (ημιτελές)</translation>
    </message>
    <message>
        <source>%1 (computer, %2)</source>
        <translation>%1 (υπολογιστής, %2)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 από %2</translation>
    </message>
    <message>
        <source>Totals of %1</source>
        <translation>Τελικά σύνολα: %1</translation>
    </message>
    <message>
        <source>Game total</source>
        <translation>Τελικό σύνολο</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Δεν υπάρχουν ακόμη ολοκληρωμένα παιχνίδια.</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>Εκκαθάριση στατιστικών</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation>Είστε σίγουροι ότι θέλετε να διαγράψετε τα ολοκληρωμένα παιχνίδια;</translation>
    </message>
</context>
<context>
    <name>quoxa::online::XmppLink</name>
    <message>
        <source>The server refused the login: check the address and the password.</source>
        <translation>Ο διακομιστής απέρριψε τη σύνδεση: ελέγξτε τη διεύθυνση και τον κωδικό πρόσβασης.</translation>
    </message>
    <message>
        <source>The server cannot be reached: check the address and the network connection.</source>
        <translation>Ο διακομιστής δεν είναι προσβάσιμος: ελέγξτε τη διεύθυνση και τη σύνδεση δικτύου.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted, so Quoxa does not connect to it.</source>
        <translation>Το πιστοποιητικό του διακομιστή δεν είναι αξιόπιστο, γι’ αυτό το Quoxa δεν συνδέεται σε αυτόν.</translation>
    </message>
    <message>
        <source>The game&apos;s room is gone.</source>
        <translation>Το δωμάτιο του παιχνιδιού δεν υπάρχει πια.</translation>
    </message>
    <message>
        <source>Someone in the game&apos;s room already uses this name.</source>
        <translation>Κάποιος στο δωμάτιο του παιχνιδιού χρησιμοποιεί ήδη αυτό το όνομα.</translation>
    </message>
    <message>
        <source>The game&apos;s room does not let you in.</source>
        <translation>Το δωμάτιο του παιχνιδιού δεν σας επιτρέπει να μπείτε.</translation>
    </message>
    <message>
        <source>The connection to the server dropped.</source>
        <translation>Η σύνδεση με τον διακομιστή διακόπηκε.</translation>
    </message>
    <message>
        <source>Online play cannot start: Quoxa&apos;s online module is missing.</source>
        <translation>Το διαδικτυακό παιχνίδι δεν μπορεί να ξεκινήσει: λείπει η διαδικτυακή μονάδα του Quoxa.</translation>
    </message>
    <message>
        <source>the online module is missing</source>
        <translation>λείπει η διαδικτυακή μονάδα</translation>
    </message>
    <message>
        <source>it did not take the password</source>
        <translation>δεν δέχτηκε τον κωδικό πρόσβασης</translation>
    </message>
</context>
<context>
    <name>quoxa::online::frmOnline</name>
    <message>
        <source>Play Online</source>
        <translation>Διαδικτυακό παιχνίδι</translation>
    </message>
    <message>
        <source>&amp;Remember</source>
        <translation>&amp;Απομνημόνευση</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Διεύθυνση:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Κωδικός πρόσβασης:</translation>
    </message>
    <message>
        <source>&amp;Host a Game</source>
        <translation>&amp;Φιλοξενία παιχνιδιού</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Συμμετοχή</translation>
    </message>
    <message>
        <source>&amp;Invitation:</source>
        <translation>&amp;Πρόσκληση:</translation>
    </message>
    <message>
        <source>In&amp;vite</source>
        <translation>Κάλ&amp;εσμα</translation>
    </message>
    <message>
        <source>&amp;Friend:</source>
        <translation>Φί&amp;λος:</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Θέσεις</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Διεύθυνση</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Παίκτης</translation>
    </message>
    <message>
        <source>Add &amp;Computer</source>
        <translation>Προσθήκη &amp;υπολογιστή</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>Έναρ&amp;ξη</translation>
    </message>
    <message>
        <source>Computer Plays for &amp;Them</source>
        <translation>Παίζει ο υπολογιστής για αυ&amp;τούς</translation>
    </message>
    <message>
        <source>Your password cannot be kept: the desktop&apos;s keyring does not answer (%1). Type it again next time.</source>
        <translation>Ο κωδικός πρόσβασής σας δεν μπορεί να φυλαχτεί: η κλειδοθήκη της επιφάνειας εργασίας δεν απαντά (%1). Πληκτρολογήστε τον ξανά την επόμενη φορά.</translation>
    </message>
    <message>
        <source>The game&apos;s room no longer holds the game, so Quoxa cannot go back to it.</source>
        <translation>Το δωμάτιο του παιχνιδιού δεν περιέχει πια το παιχνίδι, οπότε το Quoxa δεν μπορεί να επιστρέψει σε αυτό.</translation>
    </message>
    <message>
        <source>Type your address, as ada@example.org.</source>
        <translation>Πληκτρολογήστε τη διεύθυνσή σας, π.χ. ada@example.org.</translation>
    </message>
    <message>
        <source>Paste the invitation, as xmpp:game@conference.example.org?join.</source>
        <translation>Επικολλήστε την πρόσκληση, π.χ. xmpp:game@conference.example.org?join.</translation>
    </message>
    <message>
        <source>A game online is under way on the board: start a new game there to leave it.</source>
        <translation>Ένα διαδικτυακό παιχνίδι βρίσκεται σε εξέλιξη στο ταμπλό: ξεκινήστε εκεί νέο παιχνίδι για να αποχωρήσετε από αυτό.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Σύνδεση με %1…</translation>
    </message>
    <message>
        <source>Opening the game&apos;s room %1...</source>
        <translation>Άνοιγμα του δωματίου του παιχνιδιού %1…</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Είσοδος στο %1…</translation>
    </message>
    <message>
        <source>Quoxa was closed during a game online: press Join to go back to it.</source>
        <translation>Το Quoxa έκλεισε κατά τη διάρκεια διαδικτυακού παιχνιδιού: πατήστε «Συμμετοχή» για να επιστρέψετε σε αυτό.</translation>
    </message>
    <message>
        <source>Going back to the game...</source>
        <translation>Επιστροφή στο παιχνίδι…</translation>
    </message>
    <message>
        <source>Your game&apos;s room is open, and its invitation copied: send it to your friends, or invite them here.</source>
        <translation>Το δωμάτιο του παιχνιδιού σας είναι ανοιχτό και η πρόσκλησή του αντιγράφηκε: στείλτε τη στους φίλους σας ή καλέστε τους από εδώ.</translation>
    </message>
    <message>
        <source>Waiting for the host to start the game.</source>
        <translation>Αναμονή μέχρι ο οικοδεσπότης να ξεκινήσει το παιχνίδι.</translation>
    </message>
    <message>
        <source>(a move in a game of Quoxa)</source>
        <translation>(μια κίνηση σε παιχνίδι Quoxa)</translation>
    </message>
    <message>
        <source>The game is on.</source>
        <translation>Το παιχνίδι ξεκίνησε.</translation>
    </message>
    <message>
        <source>Type your friend&apos;s address, as bea@example.org.</source>
        <translation>Πληκτρολογήστε τη διεύθυνση του φίλου σας, π.χ. bea@example.org.</translation>
    </message>
    <message>
        <source>%1 invites you to a game of Quoxa.</source>
        <translation>%1 σας προσκαλεί σε ένα παιχνίδι Quoxa.</translation>
    </message>
    <message>
        <source>%1 is invited.</source>
        <translation>Στάλθηκε πρόσκληση σε: %1.</translation>
    </message>
    <message>
        <source>%1 invites you to a game. Join?</source>
        <translation>%1 σας προσκαλεί σε ένα παιχνίδι. Συμμετοχή;</translation>
    </message>
    <message>
        <source>Every seat is taken.</source>
        <translation>Όλες οι θέσεις είναι πιασμένες.</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Άνθρωπος</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Υπολογιστής: %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Αποχώρησε</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Απών</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Υπολογιστής %1</translation>
    </message>
    <message>
        <source>Waiting for every copy to be ready...</source>
        <translation>Αναμονή να είναι έτοιμα όλα τα αντίγραφα…</translation>
    </message>
</context>
</TS>
