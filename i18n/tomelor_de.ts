<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Catalogue</name>
    <message>
        <source>New Testament</source>
        <translation>Neues Testament</translation>
    </message>
    <message>
        <source>Old Testament</source>
        <translation>Altes Testament</translation>
    </message>
    <message>
        <source>Genesis</source>
        <translation>1. Mose</translation>
    </message>
    <message>
        <source>Exodus</source>
        <translation>2. Mose</translation>
    </message>
    <message>
        <source>Leviticus</source>
        <translation>3. Mose</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>4. Mose</translation>
    </message>
    <message>
        <source>Deuteronomy</source>
        <translation>5. Mose</translation>
    </message>
    <message>
        <source>Joshua</source>
        <translation>Josua</translation>
    </message>
    <message>
        <source>Judges</source>
        <translation>Richter</translation>
    </message>
    <message>
        <source>Ruth</source>
        <translation>Rut</translation>
    </message>
    <message>
        <source>I Samuel</source>
        <translation>1. Samuel</translation>
    </message>
    <message>
        <source>II Samuel</source>
        <translation>2. Samuel</translation>
    </message>
    <message>
        <source>I Kings</source>
        <translation>1. Könige</translation>
    </message>
    <message>
        <source>II Kings</source>
        <translation>2. Könige</translation>
    </message>
    <message>
        <source>I Chronicles</source>
        <translation>1. Chronik</translation>
    </message>
    <message>
        <source>II Chronicles</source>
        <translation>2. Chronik</translation>
    </message>
    <message>
        <source>Ezra</source>
        <translation>Esra</translation>
    </message>
    <message>
        <source>Nehemiah</source>
        <translation>Nehemia</translation>
    </message>
    <message>
        <source>Esther</source>
        <translation>Ester</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Hiob</translation>
    </message>
    <message>
        <source>Psalms</source>
        <translation>Psalmen</translation>
    </message>
    <message>
        <source>Proverbs</source>
        <translation>Sprüche</translation>
    </message>
    <message>
        <source>Ecclesiastes</source>
        <translation>Prediger</translation>
    </message>
    <message>
        <source>Song of Solomon</source>
        <translation>Hohelied</translation>
    </message>
    <message>
        <source>Isaiah</source>
        <translation>Jesaja</translation>
    </message>
    <message>
        <source>Jeremiah</source>
        <translation>Jeremia</translation>
    </message>
    <message>
        <source>Lamentations</source>
        <translation>Klagelieder</translation>
    </message>
    <message>
        <source>Ezekiel</source>
        <translation>Hesekiel</translation>
    </message>
    <message>
        <source>Daniel</source>
        <translation>Daniel</translation>
    </message>
    <message>
        <source>Hosea</source>
        <translation>Hosea</translation>
    </message>
    <message>
        <source>Joel</source>
        <translation>Joel</translation>
    </message>
    <message>
        <source>Amos</source>
        <translation>Amos</translation>
    </message>
    <message>
        <source>Obadiah</source>
        <translation>Obadja</translation>
    </message>
    <message>
        <source>Jonah</source>
        <translation>Jona</translation>
    </message>
    <message>
        <source>Micah</source>
        <translation>Micha</translation>
    </message>
    <message>
        <source>Nahum</source>
        <translation>Nahum</translation>
    </message>
    <message>
        <source>Habakkuk</source>
        <translation>Habakuk</translation>
    </message>
    <message>
        <source>Zephaniah</source>
        <translation>Zefanja</translation>
    </message>
    <message>
        <source>Haggai</source>
        <translation>Haggai</translation>
    </message>
    <message>
        <source>Zechariah</source>
        <translation>Sacharja</translation>
    </message>
    <message>
        <source>Malachi</source>
        <translation>Maleachi</translation>
    </message>
    <message>
        <source>Matthew</source>
        <translation>Matthäus</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Markus</translation>
    </message>
    <message>
        <source>Luke</source>
        <translation>Lukas</translation>
    </message>
    <message>
        <source>John</source>
        <translation>Johannes</translation>
    </message>
    <message>
        <source>Acts</source>
        <translation>Apostelgeschichte</translation>
    </message>
    <message>
        <source>Romans</source>
        <translation>Römer</translation>
    </message>
    <message>
        <source>I Corinthians</source>
        <translation>1. Korinther</translation>
    </message>
    <message>
        <source>II Corinthians</source>
        <translation>2. Korinther</translation>
    </message>
    <message>
        <source>Galatians</source>
        <translation>Galater</translation>
    </message>
    <message>
        <source>Ephesians</source>
        <translation>Epheser</translation>
    </message>
    <message>
        <source>Philippians</source>
        <translation>Philipper</translation>
    </message>
    <message>
        <source>Colossians</source>
        <translation>Kolosser</translation>
    </message>
    <message>
        <source>I Thessalonians</source>
        <translation>1. Thessalonicher</translation>
    </message>
    <message>
        <source>II Thessalonians</source>
        <translation>2. Thessalonicher</translation>
    </message>
    <message>
        <source>I Timothy</source>
        <translation>1. Timotheus</translation>
    </message>
    <message>
        <source>II Timothy</source>
        <translation>2. Timotheus</translation>
    </message>
    <message>
        <source>Titus</source>
        <translation>Titus</translation>
    </message>
    <message>
        <source>Philemon</source>
        <translation>Philemon</translation>
    </message>
    <message>
        <source>Hebrews</source>
        <translation>Hebräer</translation>
    </message>
    <message>
        <source>James</source>
        <translation>Jakobus</translation>
    </message>
    <message>
        <source>I Peter</source>
        <translation>1. Petrus</translation>
    </message>
    <message>
        <source>II Peter</source>
        <translation>2. Petrus</translation>
    </message>
    <message>
        <source>I John</source>
        <translation>1. Johannes</translation>
    </message>
    <message>
        <source>II John</source>
        <translation>2. Johannes</translation>
    </message>
    <message>
        <source>III John</source>
        <translation>3. Johannes</translation>
    </message>
    <message>
        <source>Jude</source>
        <translation>Judas</translation>
    </message>
    <message>
        <source>Revelation</source>
        <translation>Offenbarung</translation>
    </message>
</context>
<context>
    <name>Catalogue short name</name>
    <message>
        <source>Gen</source>
        <translation>1Mo</translation>
    </message>
    <message>
        <source>Exod</source>
        <translation>2Mo</translation>
    </message>
    <message>
        <source>Lev</source>
        <translation>3Mo</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>4Mo</translation>
    </message>
    <message>
        <source>Deut</source>
        <translation>5Mo</translation>
    </message>
    <message>
        <source>Josh</source>
        <translation>Jos</translation>
    </message>
    <message>
        <source>Judg</source>
        <translation>Ri</translation>
    </message>
    <message>
        <source>Ruth</source>
        <translation>Rut</translation>
    </message>
    <message>
        <source>I Sam</source>
        <translation>1Sam</translation>
    </message>
    <message>
        <source>II Sam</source>
        <translation>2Sam</translation>
    </message>
    <message>
        <source>I Kgs</source>
        <translation>1Kön</translation>
    </message>
    <message>
        <source>II Kgs</source>
        <translation>2Kön</translation>
    </message>
    <message>
        <source>I Chr</source>
        <translation>1Chr</translation>
    </message>
    <message>
        <source>II Chr</source>
        <translation>2Chr</translation>
    </message>
    <message>
        <source>Ezra</source>
        <translation>Esr</translation>
    </message>
    <message>
        <source>Neh</source>
        <translation>Neh</translation>
    </message>
    <message>
        <source>Esth</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Hiob</translation>
    </message>
    <message>
        <source>Ps</source>
        <translation>Ps</translation>
    </message>
    <message>
        <source>Prov</source>
        <translation>Spr</translation>
    </message>
    <message>
        <source>Eccl</source>
        <translation>Pred</translation>
    </message>
    <message>
        <source>Song</source>
        <translation>Hld</translation>
    </message>
    <message>
        <source>Isa</source>
        <translation>Jes</translation>
    </message>
    <message>
        <source>Jer</source>
        <translation>Jer</translation>
    </message>
    <message>
        <source>Lam</source>
        <translation>Klgl</translation>
    </message>
    <message>
        <source>Ezek</source>
        <translation>Hes</translation>
    </message>
    <message>
        <source>Dan</source>
        <translation>Dan</translation>
    </message>
    <message>
        <source>Hos</source>
        <translation>Hos</translation>
    </message>
    <message>
        <source>Joel</source>
        <translation>Joel</translation>
    </message>
    <message>
        <source>Amos</source>
        <translation>Am</translation>
    </message>
    <message>
        <source>Obad</source>
        <translation>Obd</translation>
    </message>
    <message>
        <source>Jonah</source>
        <translation>Jona</translation>
    </message>
    <message>
        <source>Mic</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Nah</source>
        <translation>Nah</translation>
    </message>
    <message>
        <source>Hab</source>
        <translation>Hab</translation>
    </message>
    <message>
        <source>Zeph</source>
        <translation>Zef</translation>
    </message>
    <message>
        <source>Hag</source>
        <translation>Hag</translation>
    </message>
    <message>
        <source>Zech</source>
        <translation>Sach</translation>
    </message>
    <message>
        <source>Mal</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Matt</source>
        <translation>Mt</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Mk</translation>
    </message>
    <message>
        <source>Luke</source>
        <translation>Lk</translation>
    </message>
    <message>
        <source>John</source>
        <translation>Joh</translation>
    </message>
    <message>
        <source>Acts</source>
        <translation>Apg</translation>
    </message>
    <message>
        <source>Rom</source>
        <translation>Röm</translation>
    </message>
    <message>
        <source>I Cor</source>
        <translation>1Kor</translation>
    </message>
    <message>
        <source>II Cor</source>
        <translation>2Kor</translation>
    </message>
    <message>
        <source>Gal</source>
        <translation>Gal</translation>
    </message>
    <message>
        <source>Eph</source>
        <translation>Eph</translation>
    </message>
    <message>
        <source>Phil</source>
        <translation>Phil</translation>
    </message>
    <message>
        <source>Col</source>
        <translation>Kol</translation>
    </message>
    <message>
        <source>I Thess</source>
        <translation>1Thess</translation>
    </message>
    <message>
        <source>II Thess</source>
        <translation>2Thess</translation>
    </message>
    <message>
        <source>I Tim</source>
        <translation>1Tim</translation>
    </message>
    <message>
        <source>II Tim</source>
        <translation>2Tim</translation>
    </message>
    <message>
        <source>Titus</source>
        <translation>Tit</translation>
    </message>
    <message>
        <source>Phlm</source>
        <translation>Phlm</translation>
    </message>
    <message>
        <source>Heb</source>
        <translation>Hebr</translation>
    </message>
    <message>
        <source>Jas</source>
        <translation>Jak</translation>
    </message>
    <message>
        <source>I Pet</source>
        <translation>1Petr</translation>
    </message>
    <message>
        <source>II Pet</source>
        <translation>2Petr</translation>
    </message>
    <message>
        <source>I John</source>
        <translation>1Joh</translation>
    </message>
    <message>
        <source>II John</source>
        <translation>2Joh</translation>
    </message>
    <message>
        <source>III John</source>
        <translation>3Joh</translation>
    </message>
    <message>
        <source>Jude</source>
        <translation>Jud</translation>
    </message>
    <message>
        <source>Rev</source>
        <translation>Offb</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: tomelor [--help | --version]
Tomelor! is a game for learning the order of the books of the Bible.
Without an option it opens its window on the desktop.

  -h, --help   Shows this help and exits.
  --version    Shows the version of the program and exits.</source>
        <translation>Aufruf: tomelor [--help | --version]
Tomelor! ist ein Spiel, mit dem du die Reihenfolge der biblischen Bücher lernst.
Ohne Option öffnet es sein Fenster auf dem Desktop.

  -h, --help   Zeigt diese Hilfe und beendet das Programm.
  --version    Zeigt die Version des Programms und beendet es.</translation>
    </message>
</context>
<context>
    <name>GameApplication</name>
    <message>
        <source>%1; your progress was not stored</source>
        <translation>%1; dein Fortschritt wurde nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>God creates the world</source>
        <translation>Gott erschafft die Welt</translation>
    </message>
    <message>
        <source>The Hebrews leave Egypt</source>
        <translation>Die Israeliten ziehen aus Ägypten</translation>
    </message>
    <message>
        <source>The Hebrews worship God</source>
        <translation>Die Israeliten beten Gott an</translation>
    </message>
    <message>
        <source>The Hebrews wander around for several years</source>
        <translation>Die Israeliten ziehen jahrelang umher</translation>
    </message>
    <message>
        <source>Moses lays down the law</source>
        <translation>Mose legt das Gesetz aus</translation>
    </message>
    <message>
        <source>He led the conquering of the Promised Land</source>
        <translation>Er führte die Eroberung des Gelobten Landes an</translation>
    </message>
    <message>
        <source>13 people who took over Joshua’s role</source>
        <translation>13 Menschen, die Josuas Aufgabe übernahmen</translation>
    </message>
    <message>
        <source>She was loyal to God in Moab</source>
        <translation>Sie hielt in Moab Gott die Treue</translation>
    </message>
    <message>
        <source>David defeats Goliath</source>
        <translation>David besiegt Goliat</translation>
    </message>
    <message>
        <source>David rules his kingdom</source>
        <translation>David regiert sein Königreich</translation>
    </message>
    <message>
        <source>The kingdom is united, then divided</source>
        <translation>Das Reich ist erst vereint, dann geteilt</translation>
    </message>
    <message>
        <source>The fall of Israel and Judah</source>
        <translation>Der Untergang Israels und Judas</translation>
    </message>
    <message>
        <source>Ancestry of David</source>
        <translation>Davids Vorfahren</translation>
    </message>
    <message>
        <source>Solomon rules Jerusalem</source>
        <translation>Salomo regiert in Jerusalem</translation>
    </message>
    <message>
        <source>He rebuilds the temple</source>
        <translation>Er baut den Tempel wieder auf</translation>
    </message>
    <message>
        <source>He sees the walls rebuilt</source>
        <translation>Er erlebt, wie die Mauern wieder aufgebaut werden</translation>
    </message>
    <message>
        <source>The girl who became queen</source>
        <translation>Das Mädchen, das Königin wurde</translation>
    </message>
    <message>
        <source>The suffering of a righteous man</source>
        <translation>Das Leiden eines gerechten Mannes</translation>
    </message>
    <message>
        <source>Praises from David</source>
        <translation>Loblieder von David</translation>
    </message>
    <message>
        <source>Sayings from Solomon and other wise men</source>
        <translation>Lebensweisheiten von Salomo und anderen Weisen</translation>
    </message>
    <message>
        <source>Solomon’s thoughts on life</source>
        <translation>Salomos Gedanken über das Leben</translation>
    </message>
    <message>
        <source>Poems from Solomon</source>
        <translation>Gedichte von Salomo</translation>
    </message>
    <message>
        <source>Great prophet in Judah</source>
        <translation>Großer Prophet in Juda</translation>
    </message>
    <message>
        <source>He predicted the fall of Jerusalem</source>
        <translation>Er sagte den Fall Jerusalems voraus</translation>
    </message>
    <message>
        <source>Jeremiah mourns for Jerusalem</source>
        <translation>Jeremia trauert um Jerusalem</translation>
    </message>
    <message>
        <source>Prophet who encouraged faith</source>
        <translation>Prophet, der zum Glauben ermutigte</translation>
    </message>
    <message>
        <source>Survived the lion’s den</source>
        <translation>Überlebte die Löwengrube</translation>
    </message>
    <message>
        <source>Prophet who knew God’s relation with Israel</source>
        <translation>Prophet, der um Gottes Beziehung zu Israel wusste</translation>
    </message>
    <message>
        <source>A prophet’s tale of desolation and restoration of Judah</source>
        <translation>Ein Prophet erzählt von Verwüstung und Wiederherstellung Judas</translation>
    </message>
    <message>
        <source>He wrote about judgement and restoration of Israel</source>
        <translation>Er schrieb über Gericht und Wiederherstellung Israels</translation>
    </message>
    <message>
        <source>He wrote about the doom of Edom</source>
        <translation>Er schrieb über den Untergang Edoms</translation>
    </message>
    <message>
        <source>He was swallowed by a fish</source>
        <translation>Er wurde von einem Fisch verschlungen</translation>
    </message>
    <message>
        <source>He wrote about judgement and the kingdom</source>
        <translation>Er schrieb über Gericht und das Reich</translation>
    </message>
    <message>
        <source>He wrote about Nineveh’s destruction</source>
        <translation>Er schrieb über die Zerstörung Ninives</translation>
    </message>
    <message>
        <source>He prophesied about the invasion by the Chaldeans</source>
        <translation>Er weissagte den Einfall der Chaldäer</translation>
    </message>
    <message>
        <source>He prophesied about the day of the Lord</source>
        <translation>Er weissagte über den Tag des Herrn</translation>
    </message>
    <message>
        <source>He prophesied about the rebuilding of the temple</source>
        <translation>Er weissagte über den Wiederaufbau des Tempels</translation>
    </message>
    <message>
        <source>He prophesied about the reign of Christ</source>
        <translation>Er weissagte über die Herrschaft Christi</translation>
    </message>
    <message>
        <source>He prophesied about John the Baptist</source>
        <translation>Er weissagte über Johannes den Täufer</translation>
    </message>
    <message>
        <source>He was a tax collector</source>
        <translation>Er war Zöllner</translation>
    </message>
    <message>
        <source>The shortest gospel</source>
        <translation>Das kürzeste Evangelium</translation>
    </message>
    <message>
        <source>He was a doctor</source>
        <translation>Er war Arzt</translation>
    </message>
    <message>
        <source>The disciple whom Jesus loved</source>
        <translation>Der Jünger, den Jesus lieb hatte</translation>
    </message>
    <message>
        <source>Setting up the first Church</source>
        <translation>Die Gründung der ersten Gemeinde</translation>
    </message>
    <message>
        <source>The first of Paul’s Epistles</source>
        <translation>Der erste der Paulusbriefe</translation>
    </message>
    <message>
        <source>Letter regarding Christian conduct</source>
        <translation>Brief über christliches Verhalten</translation>
    </message>
    <message>
        <source>Paul explains himself</source>
        <translation>Paulus verteidigt sich</translation>
    </message>
    <message>
        <source>How to be saved by Grace</source>
        <translation>Wie man aus Gnade gerettet wird</translation>
    </message>
    <message>
        <source>Put on the full armor of God</source>
        <translation>Zieht an die Waffenrüstung Gottes</translation>
    </message>
    <message>
        <source>I can do everything through him who gives me strength</source>
        <translation>Ich vermag alles durch den, der mich mächtig macht</translation>
    </message>
    <message>
        <source>Discusses the roles of family members</source>
        <translation>Über die Rollen in der Familie</translation>
    </message>
    <message>
        <source>Letter telling people to &quot;mind their own business&quot;</source>
        <translation>Brief mit dem Rat: „Kümmert euch um eure eigenen Sachen“</translation>
    </message>
    <message>
        <source>Paul instructs them to &quot;stand firm&quot; in the teachings</source>
        <translation>Paulus mahnt sie, in der Lehre „festzustehen“</translation>
    </message>
    <message>
        <source>How to run your Church</source>
        <translation>Wie du deine Gemeinde leitest</translation>
    </message>
    <message>
        <source>States that all scripture is &quot;God-breathed&quot;</source>
        <translation>Sagt, dass alle Schrift „von Gott eingegeben“ ist</translation>
    </message>
    <message>
        <source>Gives guidelines for elders and ministers</source>
        <translation>Gibt Richtlinien für Älteste und Gemeindeleiter</translation>
    </message>
    <message>
        <source>An appeal for Onesimus</source>
        <translation>Eine Bitte für Onesimus</translation>
    </message>
    <message>
        <source>Big book of faith</source>
        <translation>Das große Buch des Glaubens</translation>
    </message>
    <message>
        <source>Practical applications of the Gospel</source>
        <translation>Das Evangelium praktisch angewandt</translation>
    </message>
    <message>
        <source>Includes advice on &quot;submission&quot;</source>
        <translation>Enthält Ratschläge zur „Unterordnung“</translation>
    </message>
    <message>
        <source>&quot;The day of the Lord will come like a thief&quot;</source>
        <translation>„Es wird aber des Herrn Tag kommen wie ein Dieb“</translation>
    </message>
    <message>
        <source>Love one another</source>
        <translation>Liebt einander</translation>
    </message>
    <message>
        <source>Continue teaching in your walk</source>
        <translation>Bleib in deinem Lebenswandel bei der Lehre</translation>
    </message>
    <message>
        <source>Happy that his friends are &quot;walking in truth&quot;</source>
        <translation>Froh, dass seine Freunde „in der Wahrheit leben“</translation>
    </message>
    <message>
        <source>Warning against false teachers</source>
        <translation>Warnung vor falschen Lehrern</translation>
    </message>
    <message>
        <source>John’s vision</source>
        <translation>Die Vision des Johannes</translation>
    </message>
</context>
<context>
    <name>Inscriptions</name>
    <message>
        <source>Tomelor!</source>
        <extracomment>The game&apos;s name, painted large at the head of the new high score&apos;s window; about 10 capitals fit.</extracomment>
        <translation>Tomelor!</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <extracomment>Painted below the game&apos;s name on the new high score&apos;s window; about 25 letters fit.</extracomment>
        <translation>Herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <source>Your score has earned a place among the best.</source>
        <extracomment>Painted below the congratulation; about 55 letters fit.</extracomment>
        <translation>Deine Punktzahl kommt in die Bestenliste.</translation>
    </message>
    <message>
        <source>Please enter your initials:</source>
        <extracomment>Painted above the field where the player types three initials; about 35 letters fit.</extracomment>
        <translation>Bitte gib deine Initialen ein:</translation>
    </message>
</context>
<context>
    <name>Narration</name>
    <message>
        <source> Hint: %1.</source>
        <translation> Tipp: %1.</translation>
    </message>
    <message>
        <source>%1 game: %2 books in the pile.</source>
        <translation>%1: Spiel beginnt, %2 Bücher auf dem Haufen.</translation>
    </message>
    <message>
        <source> Hints on, at full speed.</source>
        <translation> Tipps an, volles Tempo.</translation>
    </message>
    <message>
        <source> Hints on, slowed.</source>
        <translation> Tipps an, verlangsamt.</translation>
    </message>
    <message>
        <source>Wrong book: minus %1. %2</source>
        <translation>Falsches Buch: minus %1. %2</translation>
    </message>
    <message>
        <source>Wrong book. %1</source>
        <translation>Falsches Buch. %1</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <translation>Richtig. %1</translation>
    </message>
    <message>
        <source>Time is up: %1 shelved.</source>
        <translation>Zeit abgelaufen: %1 ins Regal gestellt.</translation>
    </message>
    <message>
        <source>Stopped. %1</source>
        <translation>Gestoppt. %1</translation>
    </message>
    <message>
        <source>Practice: %1, 1 book in the pile.</source>
        <translation>Übung: %1, 1 Buch auf dem Haufen.</translation>
    </message>
    <message>
        <source>Practice: %1, %2 books in the pile.</source>
        <translation>Übung: %1, %2 Bücher auf dem Haufen.</translation>
    </message>
    <message>
        <source>Hints off.</source>
        <translation>Tipps aus.</translation>
    </message>
    <message>
        <source>Hints on: half value, slower countdown.</source>
        <translation>Tipps an: halber Wert, langsamerer Countdown.</translation>
    </message>
    <message>
        <source>No book starts with %1.</source>
        <translation>Kein Buch beginnt mit %1.</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>Punktzahl %L1.</translation>
    </message>
    <message>
        <source>Game over: score %1.</source>
        <translation>Spielende: Punktzahl %L1.</translation>
    </message>
    <message>
        <source>Practice over: %1, %2 of %3 books found, score %4.</source>
        <translation>Übung beendet: %1, %2 von %3 Büchern gefunden, Punktzahl %L4.</translation>
    </message>
    <message>
        <source>Paused. P or Pause plays on.</source>
        <translation>Angehalten. P oder Pause spielt weiter.</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>Angehalten.</translation>
    </message>
    <message>
        <source>Playing on.</source>
        <translation>Es geht weiter.</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>VALUE</source>
        <extracomment>Painted on the display panel beside the small display of what the wanted book is worth; about 6 capitals fit.</extracomment>
        <translation>WERT</translation>
    </message>
    <message>
        <source>SCORE</source>
        <extracomment>Painted on the display panel before an arrow pointing to the score display; about 5 capitals fit.</extracomment>
        <translation>PUNKTE</translation>
    </message>
    <message>
        <source>GO!</source>
        <extracomment>Painted on the key that starts a game; about 4 large capitals fit.</extracomment>
        <translation>LOS!</translation>
    </message>
    <message>
        <source>STOP</source>
        <extracomment>Painted on the key that ends a game; about 5 large capitals fit.</extracomment>
        <translation>STOPP</translation>
    </message>
    <message>
        <source>TESTAMENT</source>
        <extracomment>The title painted above the switch between the testaments; about 10 small capitals fit.</extracomment>
        <translation>TESTAMENT</translation>
    </message>
    <message>
        <source>OLD</source>
        <extracomment>The testament switch&apos;s left half (the Old Testament); about 4 capitals fit.</extracomment>
        <translation>ALT</translation>
    </message>
    <message>
        <source>NEW</source>
        <extracomment>The testament switch&apos;s right half (the New Testament); about 5 capitals fit.</extracomment>
        <translation>NEU</translation>
    </message>
    <message>
        <source>HINTS</source>
        <extracomment>The title painted above the switch that turns the hints on and off; about 10 small capitals fit.</extracomment>
        <translation>TIPPS</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>The hints switch&apos;s left half; about 4 capitals fit.</extracomment>
        <translation>AUS</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>The hints switch&apos;s right half; about 5 capitals fit.</extracomment>
        <translation>AN</translation>
    </message>
</context>
<context>
    <name>Sections</name>
    <message>
        <source>Law</source>
        <translation>Gesetz</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geschichtsbücher</translation>
    </message>
    <message>
        <source>Poetry and Wisdom</source>
        <translation>Poesie und Weisheit</translation>
    </message>
    <message>
        <source>Major Prophets</source>
        <translation>Große Propheten</translation>
    </message>
    <message>
        <source>Minor Prophets</source>
        <translation>Kleine Propheten</translation>
    </message>
    <message>
        <source>Gospels and Acts</source>
        <translation>Evangelien und Apostelgeschichte</translation>
    </message>
    <message>
        <source>Paul&apos;s letters</source>
        <translation>Paulusbriefe</translation>
    </message>
    <message>
        <source>Other letters and Revelation</source>
        <translation>Weitere Briefe und Offenbarung</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>user %1</source>
        <translation>Benutzer %1</translation>
    </message>
    <message>
        <source>it is being saved by another copy of the game</source>
        <translation>die Datei wird gerade von einer anderen Kopie des Spiels gespeichert</translation>
    </message>
    <message>
        <source>another user, %1, holds its lock</source>
        <translation>ein anderer Benutzer, %1, hält ihre Sperre</translation>
    </message>
    <message>
        <source>its lock %1 is not a regular file</source>
        <translation>ihre Sperrdatei %1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it has to be rewritten where it lies, and there is nowhere to keep a copy of it meanwhile (%1)</source>
        <translation>die Datei muss an ihrem Ort neu geschrieben werden, und es gibt keinen Platz, um so lange eine Kopie von ihr aufzubewahren (%1)</translation>
    </message>
    <message>
        <source>neither XDG_STATE_HOME nor HOME is set</source>
        <translation>weder XDG_STATE_HOME noch HOME ist gesetzt</translation>
    </message>
    <message>
        <source>no copy of it could be kept while it is rewritten where it lies: %1</source>
        <translation>während die Datei an ihrem Ort neu geschrieben wird, ließ sich keine Kopie von ihr aufbewahren: %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>there is no configuration folder (neither XDG_CONFIG_HOME nor HOME is set)</source>
        <translation>es gibt keinen Konfigurationsordner (weder XDG_CONFIG_HOME noch HOME ist gesetzt)</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; cannot be stored</source>
        <translation>der Name „%1“ kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>it lies behind a link made by another user, which is not followed</source>
        <translation>die Datei liegt hinter einem Link eines anderen Benutzers, dem nicht gefolgt wird</translation>
    </message>
    <message>
        <source>%1 belongs to another user in a folder others may write, so it is not used</source>
        <translation>%1 gehört einem anderen Benutzer und liegt in einem Ordner, in den auch andere schreiben dürfen, und wird deshalb nicht verwendet</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>die Datei ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a link to a missing file in another folder, which is not created</source>
        <translation>die Datei ist ein Link auf eine fehlende Datei in einem anderen Ordner, die nicht angelegt wird</translation>
    </message>
    <message>
        <source>it would be larger than %1 MiB</source>
        <translation>die Datei wäre größer als %1 MiB</translation>
    </message>
    <message>
        <source>%1 is a link to a folder that does not exist</source>
        <translation>%1 ist ein Link auf einen Ordner, den es nicht gibt</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>die Datei ist größer als %1 MiB</translation>
    </message>
</context>
<context>
    <name>SoundCuePlayer</name>
    <message>
        <source>Tomelor&apos;s cues</source>
        <translation>Tomelors Klänge</translation>
    </message>
    <message>
        <source>Tomelor: the sound library cannot be loaded (%1); the cues are silent.</source>
        <translation>Tomelor: Die Tonbibliothek lässt sich nicht laden (%1); die Klänge bleiben stumm.</translation>
    </message>
    <message>
        <source>Tomelor: no sound server answers (%1); the cues are silent until one does.</source>
        <translation>Tomelor: Kein Tonserver antwortet (%1); die Klänge bleiben stumm, bis einer antwortet.</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>HOLY</source>
        <extracomment>The first line of the name in gilt on the cover of a Bible standing upright on the title picture; about 6 capitals fit.</extracomment>
        <translation>DIE</translation>
    </message>
    <message>
        <source>BIBLE</source>
        <extracomment>The second line of the name on the upright Bible&apos;s cover; about 6 capitals fit.</extracomment>
        <translation>BIBEL</translation>
    </message>
    <message>
        <source>PSALMS</source>
        <extracomment>The book&apos;s name in gilt on the spine of a book lying in a pile on the title picture; about 9 capitals fit.</extracomment>
        <translation>PSALMEN</translation>
    </message>
    <message>
        <source>GENESIS</source>
        <extracomment>The book&apos;s name on the spine of a book lying in the pile on the title picture; about 9 capitals fit.</extracomment>
        <translation>1. MOSE</translation>
    </message>
    <message>
        <source>ISAIAH</source>
        <extracomment>The book&apos;s name on the spine of a book lying in the pile on the title picture; about 9 capitals fit.</extracomment>
        <translation>JESAJA</translation>
    </message>
    <message>
        <source>In the beginning God created the heaven and the earth. And the earth was without form, and void; and darkness was upon the face of the deep. And the Spirit of God moved upon the face of the waters.</source>
        <extracomment>The first two verses of Genesis, faded on an old page of the title picture; as the Bible of the language words them. Only the first six lines or so show.</extracomment>
        <translation>Im Anfang schuf Gott Himmel und Erde. Und die Erde war wüst und leer, und es war finster auf der Tiefe; und der Geist Gottes schwebte auf dem Wasser.</translation>
    </message>
    <message>
        <source>the books of the Bible</source>
        <extracomment>The first line of what the game is about, in italics under its name on the title picture; about 22 letters fit. Together with the next line: &quot;the books of the Bible in their order&quot;.</extracomment>
        <translation>die Bücher der Bibel</translation>
    </message>
    <message>
        <source>in their order</source>
        <extracomment>The second line under the game&apos;s name on the title picture; about 22 letters fit.</extracomment>
        <translation>in ihrer Reihenfolge</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Tomelor! Help</source>
        <translation>Tomelor! – Hilfe</translation>
    </message>
</context>
<context>
    <name>TProgressChart</name>
    <message>
        <source>cost points: never</source>
        <translation>Punkte gekostet: nie</translation>
    </message>
    <message>
        <source>every game</source>
        <translation>jedes Spiel</translation>
    </message>
    <message>
        <source>last game</source>
        <translation>letztes Spiel</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%L1 s</translation>
    </message>
</context>
<context>
    <name>TSplash</name>
    <message>
        <source>Splash</source>
        <translation>Startbild</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>About Tomelor!</source>
        <translation>Über Tomelor!</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A game for learning the order of the books of the Bible.</source>
        <translation>Ein Spiel, um die Reihenfolge der Bücher der Bibel zu lernen.</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Lizenzen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TfrmCongrats</name>
    <message>
        <source>New High Score</source>
        <translation>Neuer Highscore</translation>
    </message>
    <message>
        <source>Congratulations: a new high score</source>
        <translation>Glückwunsch: ein neuer Highscore</translation>
    </message>
    <message>
        <source>Your initials</source>
        <translation>Deine Initialen</translation>
    </message>
    <message>
        <source>Up to three letters for the high-score table. Enter or Esc puts them there.</source>
        <translation>Bis zu drei Buchstaben für die Bestenliste. Enter oder Esc trägt sie ein.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Puts your initials on the high-score table.</source>
        <translation>Trägt deine Initialen in die Bestenliste ein.</translation>
    </message>
    <message>
        <source>Score %1: place %2 of the %3.</source>
        <translation>Punktzahl %L1: Platz %2 in der Bestenliste %3.</translation>
    </message>
    <message>
        <source>%1 points: place %2 of the %3</source>
        <translation>%L1 Punkte: Platz %2 in der Bestenliste %3</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Tomelor!</source>
        <translation>Tomelor!</translation>
    </message>
    <message>
        <source>With hints on, a description of the book wanted next.</source>
        <translation>Bei eingeschalteten Tipps eine Beschreibung des nächsten gesuchten Buchs.</translation>
    </message>
    <message>
        <source>Book value</source>
        <translation>Buchwert</translation>
    </message>
    <message>
        <source>The points the wanted book earns if clicked now. It counts down while you search.</source>
        <translation>Die Punkte, die das gesuchte Buch bringt, wenn du es jetzt anklickst. Der Wert sinkt, während du suchst.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>The points of this game. A book clicked out of order costs 50.</source>
        <translation>Die Punkte dieses Spiels. Ein Buch, das du außer der Reihe anklickst, kostet 50.</translation>
    </message>
    <message>
        <source>Chooses the books to put in order: the 39 of the Old Testament or the 27 of the New. It cannot be changed during a game.</source>
        <translation>Wählt die Bücher, die du ordnest: die 39 des Alten Testaments oder die 27 des Neuen. Während eines Spiels lässt sich das nicht ändern.</translation>
    </message>
    <message>
        <source>While on, the status bar describes the book wanted next and each book is worth half. Switching on slows the countdown until the game ends.</source>
        <translation>Solange eingeschaltet, beschreibt die Statusleiste das nächste gesuchte Buch, und jedes Buch ist nur die Hälfte wert. Das Einschalten verlangsamt den Countdown bis zum Spielende.</translation>
    </message>
    <message>
        <source>GO! scatters the books of the chosen testament in a pile; STOP ends the game.</source>
        <translation>LOS! wirft die Bücher des gewählten Testaments auf einen Haufen; STOPP beendet das Spiel.</translation>
    </message>
    <message>
        <source>Display panel</source>
        <translation>Anzeigetafel</translation>
    </message>
    <message>
        <source>Bookcase</source>
        <translation>Bücherregal</translation>
    </message>
    <message>
        <source>Testament: %1</source>
        <translation>Testament: %1</translation>
    </message>
    <message>
        <source>Hints: on</source>
        <translation>Tipps: an</translation>
    </message>
    <message>
        <source>Hints: off</source>
        <translation>Tipps: aus</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <source>GO!</source>
        <translation>LOS!</translation>
    </message>
    <message>
        <source>Pile</source>
        <translation>Bücherhaufen</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>P or Pause plays on</source>
        <translation>P oder Pause spielt weiter</translation>
    </message>
</context>
<context>
    <name>TfrmProgress</name>
    <message>
        <source>No %1 game yet. After each game, this page shows how long you took to find every book and which books cost you points, so that you know what to practise.</source>
        <translation>%1: noch kein Spiel. Nach jedem Spiel zeigt diese Seite, wie lange du gebraucht hast, um jedes Buch zu finden, und welche Bücher dich Punkte gekostet haben. So weißt du, was du üben solltest.</translation>
    </message>
    <message>
        <source>Slowest: %1
Cost you most: %2</source>
        <translation>Am langsamsten: %1
Am meisten gekostet: %2</translation>
    </message>
    <message>
        <source>seconds on average</source>
        <translation>Sekunden im Schnitt</translation>
    </message>
    <message>
        <source>nothing yet</source>
        <translation>noch nichts</translation>
    </message>
    <message>
        <source>wrong clicks and time-outs a game</source>
        <translation>Fehler pro Spiel</translation>
    </message>
    <message>
        <source>nothing yet, not one wrong click or time-out</source>
        <translation>noch nichts, kein einziger Fehlklick und keine Zeitüberschreitung</translation>
    </message>
    <message>
        <source>%1 seconds a book</source>
        <translation>%L1 Sekunden pro Buch</translation>
    </message>
    <message>
        <source>not played yet</source>
        <translation>noch nicht gespielt</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Chart of seconds per book</source>
        <translation>Diagramm der Sekunden pro Buch</translation>
    </message>
    <message>
        <source>The table below gives the same figures.</source>
        <translation>Die Tabelle darunter enthält dieselben Zahlen.</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Buch</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Average seconds</source>
        <translation>Sek. im Schnitt</translation>
    </message>
    <message>
        <source>Wrong clicks</source>
        <translation>Fehlklicks</translation>
    </message>
    <message>
        <source>Time-outs</source>
        <translation>Zeit abgelaufen</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Abschnitt</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Bücher</translation>
    </message>
    <message>
        <source>Seconds a book</source>
        <translation>Sek. pro Buch</translation>
    </message>
    <message>
        <source>&amp;Practise</source>
        <translation>Ü&amp;ben</translation>
    </message>
    <message>
        <source>Closes this window and starts a game of the selected section alone. A practice score is never a high score.</source>
        <translation>Schließt dieses Fenster und startet ein Spiel nur mit dem gewählten Abschnitt. Eine Übungspunktzahl kommt nie in die Bestenliste.</translation>
    </message>
    <message>
        <source>&amp;Forget progress</source>
        <translation>&amp;Fortschritt löschen</translation>
    </message>
    <message>
        <source>Asks first, then clears the progress of both testaments. The high scores stay.</source>
        <translation>Fragt erst nach und löscht dann den Fortschritt beider Testamente. Die Highscores bleiben.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Forget how every book went in your games of both testaments? Your high scores stay.</source>
        <translation>Deinen Fortschritt mit jedem Buch in beiden Testamenten löschen? Deine Highscores bleiben erhalten.</translation>
    </message>
    <message>
        <source>%1, book by book</source>
        <translation>%1, Buch für Buch</translation>
    </message>
    <message>
        <source>%1: seconds to find each book</source>
        <translation>%1: Sekunden je Buch</translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation>Noch keine Spiele</translation>
    </message>
    <message>
        <source>%1, section by section</source>
        <translation>%1, Abschnitt für Abschnitt</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Costliest: %1, %2. A section costs the average seconds of its books, and %3 seconds more for each wrong click or time-out a game. F3 in the main window practises the costliest.</source>
        <translation>Am teuersten: %1, %2. Ein Abschnitt kostet den Sekundenschnitt seiner Bücher plus %L3 Sekunden je Fehlklick oder Zeitüberschreitung pro Spiel. F3 im Hauptfenster übt ihn.</translation>
    </message>
</context>
<context>
    <name>TfrmScores</name>
    <message>
        <source>%1 high scores</source>
        <translation>Bestenliste %1</translation>
    </message>
    <message>
        <source>%1, place %2</source>
        <translation>%1, Platz %2</translation>
    </message>
    <message>
        <source>%1, initials</source>
        <translation>%1, Initialen</translation>
    </message>
    <message>
        <source>Place %1, empty</source>
        <translation>Platz %1, leer</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>The five best of each testament: Tab or the arrow keys read the rows.</source>
        <translation>Die fünf Besten jedes Testaments: Mit Tab oder den Pfeiltasten liest du die Zeilen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Closes the high-score table.</source>
        <translation>Schließt die Bestenliste.</translation>
    </message>
    <message>
        <source>%1; your score was not stored</source>
        <translation>%1; deine Punktzahl wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>Place %1, %2</source>
        <translation>Platz %1, %L2</translation>
    </message>
    <message>
        <source>, new</source>
        <translation>, neu</translation>
    </message>
</context>
</TS>
