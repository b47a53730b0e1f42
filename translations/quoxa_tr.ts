<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>Charts</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 by %2: %3</source>
        <translation>%1 (%2 bazında): %3</translation>
    </message>
    <message>
        <source>The chart cannot be shown: Quoxa&apos;s chart module is missing.</source>
        <translation>Grafik gösterilemiyor: Quoxa&apos;nın grafik modülü eksik.</translation>
    </message>
</context>
<context>
    <name>DiceOrigin</name>
    <message>
        <source>&quot;%1&quot; is none of a dice code&apos;s letters and digits.</source>
        <translation>“%1”, zar kodunun harf ve rakamlarından biri değil.</translation>
    </message>
    <message>
        <source>Type the dice code of the game to play.</source>
        <translation>Oynanacak oyunun zar kodunu yazın.</translation>
    </message>
    <message numerus="yes">
        <source>A dice code has eight letters and digits; this one has %n.</source>
        <translation>
            <numerusform>Zar kodu sekiz harf ve rakamdan oluşur; bu kodda %n tane var.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its last letter or digit does not go with the others: one of them is typed wrong.</source>
        <translation>Son harf ya da rakam diğerleriyle uyuşmuyor: biri yanlış yazılmış.</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation>Nesne gerekli</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Dizin sınırların dışında</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Nesne değişkeni veya With bloğu değişkeni ayarlanmamış</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Taşma</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Alt simge aralık dışında</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tür uyuşmazlığı</translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation>Yol/Dosya erişim hatası: </translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>“%1” tanımlayıcılı kaynak bulunamadı</translation>
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
        <translation>%1, %2 puanla kazandı.</translation>
    </message>
    <message>
        <source>%1 share the win with %2.</source>
        <translation>%1, %2 puanla birinciliği paylaşıyor.</translation>
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
        <translation>okunamıyor</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>the damaged game</source>
        <translation>hasarlı oyun</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It stays as %2, untouched, and a new game begins.</source>
        <translation>Süren oyun geri yüklenemedi: %1. Oyun, %2 olarak dokunulmadan kalıyor ve yeni bir oyun başlıyor.</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation>Süren oyun geri yüklenemedi: %1. Oyun, %2 olarak saklanıyor ve yeni bir oyun başlıyor.</translation>
    </message>
    <message>
        <source>the game under way</source>
        <translation>süren oyun</translation>
    </message>
    <message>
        <source>the game left unfinished</source>
        <translation>yarım bırakılan oyun</translation>
    </message>
    <message>
        <source>the finished game</source>
        <translation>biten oyun</translation>
    </message>
    <message>
        <source>the cleared statistics</source>
        <translation>temizlenen istatistikler</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>it has %1 players</source>
        <translation>oyunda %1 oyuncu var</translation>
    </message>
    <message>
        <source>%1 plays at level %2</source>
        <translation>%1, %2. seviyede oynuyor</translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation>oyunda %1 tur var</translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation>%1. turda %2 atış var</translation>
    </message>
    <message>
        <source>turn %1 throws dice that the players&apos; shares do not give</source>
        <translation>%1. turda atılan zarlar, oyuncuların zar paylarıyla uyuşmuyor</translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation>%1. turda atılamayacak bir zar atılıyor</translation>
    </message>
    <message>
        <source>turn %1 throws dice that %2 does not give</source>
        <translation>%1. turda atılan zarlar, %2 zar kodunun verdiği zarlar değil</translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation>%1. turda hiçbir kategoriye puan yazılmıyor</translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation>%1. turda %2 kategorisine ikinci kez puan yazılıyor</translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation>%1. turda %3 kategorisine %2 puan yazılıyor, ancak zarlar bunu tutmuyor</translation>
    </message>
</context>
<context>
    <name>MoveText</name>
    <message>
        <source>%1 scores %2 in %3.</source>
        <translation>%1, %3 kategorisine %2 puan yazıyor.</translation>
    </message>
    <message>
        <source>No throws left.</source>
        <translation>Atış hakkı kalmadı.</translation>
    </message>
    <message>
        <source>One throw left.</source>
        <translation>Bir atış hakkı kaldı.</translation>
    </message>
    <message>
        <source>Two throws left.</source>
        <translation>İki atış hakkı kaldı.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, serbest</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Zar %1: %2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, tutuldu</translation>
    </message>
    <message>
        <source>%1: %2. Game total %3.</source>
        <translation>%1: %2. Genel toplam %3.</translation>
    </message>
    <message>
        <source>%1 throws %2.</source>
        <translation>%1 attı: %2.</translation>
    </message>
    <message>
        <source>%1&apos;s total %2.</source>
        <translation>Genel toplam (%1): %2.</translation>
    </message>
    <message>
        <source>%1 earns the upper bonus of %2.</source>
        <translation>%1 üst bölüm bonusunu kazanıyor: %2.</translation>
    </message>
    <message>
        <source>Daily game of %1.</source>
        <translation>Günün oyunu: %1.</translation>
    </message>
    <message>
        <source>Dice code %1 accepted.</source>
        <translation>Zar kodu %1 kabul edildi.</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Acemi</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Amatör</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Kulüp</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Uzman</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Kusursuz</translation>
    </message>
    <message>
        <source>score %1 (%2)</source>
        <translation>%1 yaz (%2)</translation>
    </message>
    <message>
        <source>throw all five again</source>
        <translation>beşini de yeniden at</translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation>%1 tut</translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation>İpucu: zarları atın. Beklenen son toplam: %1</translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation>İpucu: %1 kategorisine %2 puan yazın. Beklenen son toplam: %3</translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation>İpucu: %1 kategorisine 0 yazın (en az kaybettiren bu). Beklenen son toplam: %2</translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation>İpucu: beşini de yeniden atın. Beklenen son toplam: %1</translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation>İpucu: %1 tutup yeniden atın. Beklenen son toplam: %2</translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation>%1 zarları atıyor.</translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation>%1 beşini de yeniden atıyor.</translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation>%1, %2 tutup yeniden atıyor.</translation>
    </message>
    <message>
        <source>inaccuracy</source>
        <translation>yanlışlık</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>hata</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>büyük hata</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice took %5), expecting %6 in the end with best play.</source>
        <translation>Tur %1, atış %2: %3 elinde %4 vardı (zarlar %5 puan götürdü); en iyi oyunla sonunda beklenen %6.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice gave %5), expecting %6 in the end with best play.</source>
        <translation>Tur %1, atış %2: %3 elinde %4 vardı (zarlar %5 puan getirdi); en iyi oyunla sonunda beklenen %6.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4.</source>
        <translation>Oynanan: %1 (beklenen %2). En iyi: %3. Kaybedilen puan: %4.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5).</source>
        <translation>Oynanan: %1 (beklenen %2). En iyi: %3. Kaybedilen puan: %4 (%5).</translation>
    </message>
</context>
<context>
    <name>OnlineSession</name>
    <message>
        <source>%1, who hosts the game, has left it: the game is over.</source>
        <translation>Oyunun ev sahibi %1 oyundan ayrıldı: oyun bitti.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 oyundan ayrıldı.</translation>
    </message>
    <message>
        <source>%1&apos;s dice share does not match what %1&apos;s copy promised: the game cannot go on.</source>
        <translation>%1 oyuncusunun zar payı, %1 kopyasının söz verdiğiyle uyuşmuyor: oyun sürdürülemez.</translation>
    </message>
    <message>
        <source>The game on %1&apos;s copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.</source>
        <translation>%1 oyuncusunun kopyasındaki oyun %2. turdan sonra bundan farklı: kopyalar birbirinden koptu, oyun sürdürülemez.</translation>
    </message>
    <message>
        <source>%1&apos;s copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.</source>
        <translation>%1 oyuncusunun kopyası, bu oyunun izin vermediği bir hamle gönderdi (%2): kopyalar birbirinden koptu, oyun sürdürülemez.</translation>
    </message>
    <message>
        <source>a throw</source>
        <translation>bir atış</translation>
    </message>
    <message>
        <source>holding die %1</source>
        <translation>%1. zarı tutmak</translation>
    </message>
    <message>
        <source>letting die %1 go</source>
        <translation>%1. zarı bırakmak</translation>
    </message>
    <message>
        <source>scoring %1</source>
        <translation>%1 kategorisine yazmak</translation>
    </message>
    <message>
        <source>taking the last score back</source>
        <translation>son puanı geri almak</translation>
    </message>
    <message>
        <source>passing the turn on</source>
        <translation>sırayı devretmek</translation>
    </message>
    <message>
        <source>A computer plays for %1 (%2).</source>
        <translation>%1 yerine bilgisayar oynuyor (%2).</translation>
    </message>
    <message>
        <source>%1 plays again.</source>
        <translation>%1 yeniden kendisi oynuyor.</translation>
    </message>
    <message>
        <source>This copy no longer has its dice shares for the game, so it cannot go back to it.</source>
        <translation>Bu kopyada oyunun zar payları artık yok, bu yüzden oyuna geri dönülemez.</translation>
    </message>
    <message>
        <source>%1 is away: the game waits for %1.</source>
        <translation>%1 uzakta: oyun %1 oyuncusunu bekliyor.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 geri döndü.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Throw</source>
        <translation>Zar At</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Yeni Oyun</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Ones</source>
        <translation>Birler</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>İkiler</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Üçler</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Dörtler</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Beşler</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Altılar</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Toplam</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Section Total</source>
        <translation>Ara Toplam</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Üçlü</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Kare</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Küçük Kent</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Büyük Kent</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Şans</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Genel Toplam</translation>
    </message>
    <message>
        <source>Upper Section Total</source>
        <translation>Üst Bölüm Toplamı</translation>
    </message>
    <message>
        <source>Lower Section Total</source>
        <translation>Alt Bölüm Toplamı</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Another copy of %1 is using the store: %2 will be saved when it is free.</source>
        <translation>%1 programının başka bir kopyası depoyu kullanıyor; depo boşalınca şunlar kaydedilecek: %2.</translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation>%1 programının başka bir kopyası depoyu hâlâ kullanıyor; şunlar kaydedilemedi: %2.</translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation>Hata no: </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 ve %2</translation>
    </message>
</context>
<context>
    <name>basRegistry</name>
    <message>
        <source>Player %1</source>
        <translation>Oyuncu %1</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>ayarlar</translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>%1%</source>
        <comment>a share in percent</comment>
        <translation>%%1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quoxa, a dice game for one to four players sharing one window.</source>
        <translation>Quoxa, tek bir pencereyi paylaşan bir ila dört oyuncu için zar oyunu.</translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Link: %1</source>
        <translation>Bağlantı: %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>İçindekiler</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Dizin</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>İleri</translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation>Bir ila dört oyuncu için zar oyunu.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation>Telif hakkı (c) 2026 Quoxa geliştiricileri.</translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation>Sorular, fikirler, övgüler:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lisans</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 Hakkında</translation>
    </message>
</context>
<context>
    <name>quoxa::frmMain</name>
    <message>
        <source>Throw the dice.</source>
        <translation>Zarları atın.</translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation>Kalan atış: %1</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Oyuncular</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puan</translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation>Zar tutup yeniden atın ya da bir kategori seçin.</translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation>Bir kategori seçin.</translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation>“Devam” düğmesine basın ya da son puanı “Geri Al” ile geri alın.</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Oyun bitti.</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>atılmadı</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>boş</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n point(s)</source>
        <translation>
            <numerusform>%1: %n puan</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n puan</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays on another copy of the game.</source>
        <translation>%1, oyunun başka bir kopyasında oynuyor.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Oyun</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Yeni</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Yeni Oyun Başlat</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>&amp;Günün Oyunu</translation>
    </message>
    <message>
        <source>Play Dice &amp;Code...</source>
        <translation>&amp;Zar Kodu Oyna...</translation>
    </message>
    <message>
        <source>Play &amp;Online...</source>
        <translation>Çevrim İçi &amp;Oyna...</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>İ&amp;pucu</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;En Yüksek Puanlar...</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>En Yüksek Puanları Göster</translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation>Oyun &amp;Analizi...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>İ&amp;statistikler...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Oyundan Çık</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Düzen</translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation>&amp;Geri Al</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>Son Puanı Geri Al</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Seçenekler</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Renkler</translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation>Zar Renklerini Değiştir</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Oyuncular</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>Oyuncuları Değiştir</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sesler</translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation>&amp;Bilgisayar Oyuncuları...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Görünüm</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Durum Çubuğu</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Araç Çubuğu</translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation>&amp;Puan Kartı</translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation>Puan Kartını Göster</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Yakınlaştır</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Uzaklaştır</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Gerçek Boyut</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;İçindekiler</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Dizin</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>&amp;Lisans Sözleşmesi</translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation>Quoxa &amp;Hakkında...</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>Program Bilgilerini Göster</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>Sesleri Aç/Kapat</translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation>İpucu: hesaplanıyor...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dice code. A dice code is eight letters and digits, as the score card shows it (for example K7QX-93R1); check it and try again.</source>
        <translation>“%1” bir zar kodu değil. Zar kodu, puan kartında gösterildiği gibi sekiz harf ve rakamdan oluşur (örneğin K7QX-93R1); kontrol edip yeniden deneyin.</translation>
    </message>
    <message>
        <source>Play Dice Code</source>
        <translation>Zar Kodu Oyna</translation>
    </message>
    <message>
        <source>The dice code of the game to play, as its score card shows it (for example K7QX-93R1):</source>
        <translation>Oynanacak oyunun zar kodu, puan kartında gösterildiği gibi (örneğin K7QX-93R1):</translation>
    </message>
    <message>
        <source>The board at %1% would not fit on the screen: it is shown at %2%.</source>
        <translation>Tahta %%1 boyutunda ekrana sığmıyor: %%2 boyutunda gösteriliyor.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Renkler</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Oyuncular</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sesler</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Bilgisayar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Varsayılan</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>%1: red %2, green %3, blue %4</source>
        <translation>%1: kırmızı %2, yeşil %3, mavi %4</translation>
    </message>
    <message>
        <source>%1: back to the defaults.</source>
        <translation>%1: varsayılanlara dönüldü.</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Zarlar</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Noktalar</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Renk</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>Oyuncu Sayısı:</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>Oyuncu Sayısı</translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation>Oyuncu Sayısı, artır ve azalt</translation>
    </message>
    <message>
        <source>One player more</source>
        <translation>Bir oyuncu fazla</translation>
    </message>
    <message>
        <source>One player fewer</source>
        <translation>Bir oyuncu eksik</translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation>Oyuncu Adları:</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>%1. oyuncunun adı</translation>
    </message>
    <message>
        <source>Level of %1: %2</source>
        <translation>Seviye (%1): %2</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>The computer plays for:</source>
        <translation>Bilgisayarın oynadığı oyuncular:</translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation>Hamleler arası bekleme:</translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation>Hamleler arası bekleme</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 sn</translation>
    </message>
</context>
<context>
    <name>quoxa::frmReview</name>
    <message>
        <source>Game Review</source>
        <translation>Oyun Analizi</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Özet</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Oyuncu</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Kayıp puan</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Talih</translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation>Yanlışlıklar</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Hatalar</translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation>Büyük hatalar</translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation>Başlangıç, talih ve kayıp puan</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Göster:</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Kararlar</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Tur</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Atış</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Zarlar</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Oynanan</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>En iyi</translation>
    </message>
    <message>
        <source>Slip</source>
        <translation>Kusur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation>En iyi oyun hesaplanıyor...</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>Her karardan sonra beklenen son toplam</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puan</translation>
    </message>
    <message>
        <source>No decisions yet: the chart begins with the first one.</source>
        <translation>Henüz karar yok: grafik ilk kararla başlar.</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>Tüm kararlar</translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation>Yalnızca kusurlar</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation>%1 %2 talih − %3 kayıp = %4</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation>%1 %2 talih − %3 kayıp = %4 beklenen</translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation>Kararlar: %1</translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation>Henüz karar yok: analiz, oyun oynandıkça büyür.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Puan Kartı</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Hamleler</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>&amp;Yeniden Oyna</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analiz</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>boş</translation>
    </message>
    <message>
        <source>%1, scored last</source>
        <translation>%1, son yazılan</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>Sonucu &amp;Kopyala</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopyalandı</translation>
    </message>
    <message>
        <source>Daily game of %1, dice code %2</source>
        <translation>Günün oyunu: %1, zar kodu %2</translation>
    </message>
    <message>
        <source>Dice code: %1</source>
        <translation>Zar kodu: %1</translation>
    </message>
    <message>
        <source>The most these dice allow: %1</source>
        <translation>Bu zarlarla en fazla: %1</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: working it out...</source>
        <translation>Bu zarlarla kusursuz bilgisayar: hesaplanıyor...</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: %1</source>
        <translation>Bu zarlarla kusursuz bilgisayar: %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 below the Perfect computer</source>
        <translation>%1 %2, kusursuz bilgisayarın %3 altında</translation>
    </message>
    <message>
        <source>%1 %2, %3 above the Perfect computer</source>
        <translation>%1 %2, kusursuz bilgisayarın %3 üstünde</translation>
    </message>
    <message>
        <source>%1 %2, as the Perfect computer</source>
        <translation>%1 %2, kusursuz bilgisayarla aynı</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Quoxa daily %1: %2, Perfect %3, most %4</source>
        <translation>Quoxa günün oyunu %1: %2, Kusursuz %3, en fazla %4</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScores</name>
    <message>
        <source>%1&apos;s %2</source>
        <translation>%1: %2 puan</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>En Yüksek Puanlar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Puanları Sıfırla</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puan</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Sıra</translation>
    </message>
    <message>
        <source>%1 reaches place %2 with %3.</source>
        <translation>%1, %3 puanla %2. sıraya yerleşti.</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation>Tüm puanları sıfırlamak istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation>sıfırlanan en yüksek puanlar</translation>
    </message>
</context>
<context>
    <name>quoxa::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>İstatistikler</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Oyun</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Galibiyet</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Ortalama</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>En İyi</translation>
    </message>
    <message>
        <source>Std. Dev.</source>
        <translation>Std. Sapma</translation>
    </message>
    <message>
        <source>Upper Bonus</source>
        <translation>Üst Bonus</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Günlük</translation>
    </message>
    <message>
        <source>Below Perfect</source>
        <translation>Kusursuzdan Az</translation>
    </message>
    <message>
        <source>Below Most</source>
        <translation>En Fazladan Az</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Oyun:</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analiz</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Temizle</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
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
        <translation>%1 (günün oyunu)</translation>
    </message>
    <message>
        <source>%1 (not finished)</source>
        <translation>%1 (bitmedi)</translation>
    </message>
    <message>
        <source>%1 (computer, %2)</source>
        <translation>%1 (bilgisayar, %2)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Totals of %1</source>
        <translation>Toplamlar: %1</translation>
    </message>
    <message>
        <source>Game total</source>
        <translation>Genel toplam</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Henüz biten oyun yok.</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>İstatistikleri Temizle</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation>Biten oyunları silmek istediğinizden emin misiniz?</translation>
    </message>
</context>
<context>
    <name>quoxa::online::XmppLink</name>
    <message>
        <source>The server refused the login: check the address and the password.</source>
        <translation>Sunucu girişi reddetti: adresi ve parolayı kontrol edin.</translation>
    </message>
    <message>
        <source>The server cannot be reached: check the address and the network connection.</source>
        <translation>Sunucuya ulaşılamıyor: adresi ve ağ bağlantısını kontrol edin.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted, so Quoxa does not connect to it.</source>
        <translation>Sunucunun sertifikasına güvenilmiyor, bu yüzden Quoxa ona bağlanmıyor.</translation>
    </message>
    <message>
        <source>The game&apos;s room is gone.</source>
        <translation>Oyunun odası artık yok.</translation>
    </message>
    <message>
        <source>Someone in the game&apos;s room already uses this name.</source>
        <translation>Oyunun odasında biri bu adı zaten kullanıyor.</translation>
    </message>
    <message>
        <source>The game&apos;s room does not let you in.</source>
        <translation>Oyunun odası sizi içeri almıyor.</translation>
    </message>
    <message>
        <source>The connection to the server dropped.</source>
        <translation>Sunucuyla bağlantı koptu.</translation>
    </message>
    <message>
        <source>Online play cannot start: Quoxa&apos;s online module is missing.</source>
        <translation>Çevrim içi oyun başlayamıyor: Quoxa&apos;nın çevrim içi modülü eksik.</translation>
    </message>
    <message>
        <source>the online module is missing</source>
        <translation>çevrim içi modül eksik</translation>
    </message>
    <message>
        <source>it did not take the password</source>
        <translation>parolayı kabul etmedi</translation>
    </message>
</context>
<context>
    <name>quoxa::online::frmOnline</name>
    <message>
        <source>Play Online</source>
        <translation>Çevrim İçi Oyna</translation>
    </message>
    <message>
        <source>&amp;Remember</source>
        <translation>&amp;Hatırla</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adres:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Parola:</translation>
    </message>
    <message>
        <source>&amp;Host a Game</source>
        <translation>&amp;Oyun Kur</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Katıl</translation>
    </message>
    <message>
        <source>&amp;Invitation:</source>
        <translation>&amp;Davet:</translation>
    </message>
    <message>
        <source>In&amp;vite</source>
        <translation>Davet &amp;Et</translation>
    </message>
    <message>
        <source>&amp;Friend:</source>
        <translation>A&amp;rkadaş:</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Yerler</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Oyuncu</translation>
    </message>
    <message>
        <source>Add &amp;Computer</source>
        <translation>&amp;Bilgisayar Ekle</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>Baş&amp;lat</translation>
    </message>
    <message>
        <source>Computer Plays for &amp;Them</source>
        <translation>Bilgisayar &amp;Yerlerine Oynasın</translation>
    </message>
    <message>
        <source>Your password cannot be kept: the desktop&apos;s keyring does not answer (%1). Type it again next time.</source>
        <translation>Parolanız saklanamıyor: masaüstünün anahtarlığı yanıt vermiyor (%1). Bir dahaki sefere yeniden yazın.</translation>
    </message>
    <message>
        <source>The game&apos;s room no longer holds the game, so Quoxa cannot go back to it.</source>
        <translation>Oyunun odası artık oyunu barındırmıyor, bu yüzden Quoxa oyuna geri dönemez.</translation>
    </message>
    <message>
        <source>Type your address, as ada@example.org.</source>
        <translation>Adresinizi yazın, örneğin ada@example.org.</translation>
    </message>
    <message>
        <source>Paste the invitation, as xmpp:game@conference.example.org?join.</source>
        <translation>Daveti yapıştırın, örneğin xmpp:game@conference.example.org?join.</translation>
    </message>
    <message>
        <source>A game online is under way on the board: start a new game there to leave it.</source>
        <translation>Tahtada çevrim içi bir oyun sürüyor: oyundan çıkmak için orada yeni bir oyun başlatın.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>%1 ile bağlantı kuruluyor...</translation>
    </message>
    <message>
        <source>Opening the game&apos;s room %1...</source>
        <translation>Oyunun odası açılıyor: %1...</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Katılınıyor: %1...</translation>
    </message>
    <message>
        <source>Quoxa was closed during a game online: press Join to go back to it.</source>
        <translation>Quoxa, çevrim içi bir oyun sırasında kapatıldı: oyuna geri dönmek için Katıl düğmesine basın.</translation>
    </message>
    <message>
        <source>Going back to the game...</source>
        <translation>Oyuna geri dönülüyor...</translation>
    </message>
    <message>
        <source>Your game&apos;s room is open, and its invitation copied: send it to your friends, or invite them here.</source>
        <translation>Oyununuzun odası açıldı ve daveti kopyalandı: daveti arkadaşlarınıza gönderin ya da onları buradan davet edin.</translation>
    </message>
    <message>
        <source>Waiting for the host to start the game.</source>
        <translation>Ev sahibinin oyunu başlatması bekleniyor.</translation>
    </message>
    <message>
        <source>(a move in a game of Quoxa)</source>
        <translation>(bir Quoxa oyununda bir hamle)</translation>
    </message>
    <message>
        <source>The game is on.</source>
        <translation>Oyun başladı.</translation>
    </message>
    <message>
        <source>Type your friend&apos;s address, as bea@example.org.</source>
        <translation>Arkadaşınızın adresini yazın, örneğin bea@example.org.</translation>
    </message>
    <message>
        <source>%1 invites you to a game of Quoxa.</source>
        <translation>%1 sizi bir Quoxa oyununa davet ediyor.</translation>
    </message>
    <message>
        <source>%1 is invited.</source>
        <translation>%1 davet edildi.</translation>
    </message>
    <message>
        <source>%1 invites you to a game. Join?</source>
        <translation>%1 sizi bir oyuna davet ediyor. Katılmak ister misiniz?</translation>
    </message>
    <message>
        <source>Every seat is taken.</source>
        <translation>Tüm yerler dolu.</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>İnsan</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Bilgisayar: %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Ayrıldı</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Uzakta</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Bilgisayar %1</translation>
    </message>
    <message>
        <source>Waiting for every copy to be ready...</source>
        <translation>Tüm kopyaların hazır olması bekleniyor...</translation>
    </message>
</context>
</TS>
