<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Catalogue</name>
    <message>
        <source>New Testament</source>
        <translation>Nuevo Testamento</translation>
    </message>
    <message>
        <source>Old Testament</source>
        <translation>Antiguo Testamento</translation>
    </message>
    <message>
        <source>Genesis</source>
        <translation>Génesis</translation>
    </message>
    <message>
        <source>Exodus</source>
        <translation>Éxodo</translation>
    </message>
    <message>
        <source>Leviticus</source>
        <translation>Levítico</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Deuteronomy</source>
        <translation>Deuteronomio</translation>
    </message>
    <message>
        <source>Joshua</source>
        <translation>Josué</translation>
    </message>
    <message>
        <source>Judges</source>
        <translation>Jueces</translation>
    </message>
    <message>
        <source>Ruth</source>
        <translation>Rut</translation>
    </message>
    <message>
        <source>I Samuel</source>
        <translation>1 Samuel</translation>
    </message>
    <message>
        <source>II Samuel</source>
        <translation>2 Samuel</translation>
    </message>
    <message>
        <source>I Kings</source>
        <translation>1 Reyes</translation>
    </message>
    <message>
        <source>II Kings</source>
        <translation>2 Reyes</translation>
    </message>
    <message>
        <source>I Chronicles</source>
        <translation>1 Crónicas</translation>
    </message>
    <message>
        <source>II Chronicles</source>
        <translation>2 Crónicas</translation>
    </message>
    <message>
        <source>Ezra</source>
        <translation>Esdras</translation>
    </message>
    <message>
        <source>Nehemiah</source>
        <translation>Nehemías</translation>
    </message>
    <message>
        <source>Esther</source>
        <translation>Ester</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Job</translation>
    </message>
    <message>
        <source>Psalms</source>
        <translation>Salmos</translation>
    </message>
    <message>
        <source>Proverbs</source>
        <translation>Proverbios</translation>
    </message>
    <message>
        <source>Ecclesiastes</source>
        <translation>Eclesiastés</translation>
    </message>
    <message>
        <source>Song of Solomon</source>
        <translation>Cantares</translation>
    </message>
    <message>
        <source>Isaiah</source>
        <translation>Isaías</translation>
    </message>
    <message>
        <source>Jeremiah</source>
        <translation>Jeremías</translation>
    </message>
    <message>
        <source>Lamentations</source>
        <translation>Lamentaciones</translation>
    </message>
    <message>
        <source>Ezekiel</source>
        <translation>Ezequiel</translation>
    </message>
    <message>
        <source>Daniel</source>
        <translation>Daniel</translation>
    </message>
    <message>
        <source>Hosea</source>
        <translation>Oseas</translation>
    </message>
    <message>
        <source>Joel</source>
        <translation>Joel</translation>
    </message>
    <message>
        <source>Amos</source>
        <translation>Amós</translation>
    </message>
    <message>
        <source>Obadiah</source>
        <translation>Abdías</translation>
    </message>
    <message>
        <source>Jonah</source>
        <translation>Jonás</translation>
    </message>
    <message>
        <source>Micah</source>
        <translation>Miqueas</translation>
    </message>
    <message>
        <source>Nahum</source>
        <translation>Nahúm</translation>
    </message>
    <message>
        <source>Habakkuk</source>
        <translation>Habacuc</translation>
    </message>
    <message>
        <source>Zephaniah</source>
        <translation>Sofonías</translation>
    </message>
    <message>
        <source>Haggai</source>
        <translation>Hageo</translation>
    </message>
    <message>
        <source>Zechariah</source>
        <translation>Zacarías</translation>
    </message>
    <message>
        <source>Malachi</source>
        <translation>Malaquías</translation>
    </message>
    <message>
        <source>Matthew</source>
        <translation>Mateo</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marcos</translation>
    </message>
    <message>
        <source>Luke</source>
        <translation>Lucas</translation>
    </message>
    <message>
        <source>John</source>
        <translation>Juan</translation>
    </message>
    <message>
        <source>Acts</source>
        <translation>Hechos</translation>
    </message>
    <message>
        <source>Romans</source>
        <translation>Romanos</translation>
    </message>
    <message>
        <source>I Corinthians</source>
        <translation>1 Corintios</translation>
    </message>
    <message>
        <source>II Corinthians</source>
        <translation>2 Corintios</translation>
    </message>
    <message>
        <source>Galatians</source>
        <translation>Gálatas</translation>
    </message>
    <message>
        <source>Ephesians</source>
        <translation>Efesios</translation>
    </message>
    <message>
        <source>Philippians</source>
        <translation>Filipenses</translation>
    </message>
    <message>
        <source>Colossians</source>
        <translation>Colosenses</translation>
    </message>
    <message>
        <source>I Thessalonians</source>
        <translation>1 Tesalonicenses</translation>
    </message>
    <message>
        <source>II Thessalonians</source>
        <translation>2 Tesalonicenses</translation>
    </message>
    <message>
        <source>I Timothy</source>
        <translation>1 Timoteo</translation>
    </message>
    <message>
        <source>II Timothy</source>
        <translation>2 Timoteo</translation>
    </message>
    <message>
        <source>Titus</source>
        <translation>Tito</translation>
    </message>
    <message>
        <source>Philemon</source>
        <translation>Filemón</translation>
    </message>
    <message>
        <source>Hebrews</source>
        <translation>Hebreos</translation>
    </message>
    <message>
        <source>James</source>
        <translation>Santiago</translation>
    </message>
    <message>
        <source>I Peter</source>
        <translation>1 Pedro</translation>
    </message>
    <message>
        <source>II Peter</source>
        <translation>2 Pedro</translation>
    </message>
    <message>
        <source>I John</source>
        <translation>1 Juan</translation>
    </message>
    <message>
        <source>II John</source>
        <translation>2 Juan</translation>
    </message>
    <message>
        <source>III John</source>
        <translation>3 Juan</translation>
    </message>
    <message>
        <source>Jude</source>
        <translation>Judas</translation>
    </message>
    <message>
        <source>Revelation</source>
        <translation>Apocalipsis</translation>
    </message>
</context>
<context>
    <name>Catalogue short name</name>
    <message>
        <source>Gen</source>
        <translation>Gn</translation>
    </message>
    <message>
        <source>Exod</source>
        <translation>Éx</translation>
    </message>
    <message>
        <source>Lev</source>
        <translation>Lv</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Nm</translation>
    </message>
    <message>
        <source>Deut</source>
        <translation>Dt</translation>
    </message>
    <message>
        <source>Josh</source>
        <translation>Jos</translation>
    </message>
    <message>
        <source>Judg</source>
        <translation>Jue</translation>
    </message>
    <message>
        <source>Ruth</source>
        <translation>Rt</translation>
    </message>
    <message>
        <source>I Sam</source>
        <translation>1 S</translation>
    </message>
    <message>
        <source>II Sam</source>
        <translation>2 S</translation>
    </message>
    <message>
        <source>I Kgs</source>
        <translation>1 R</translation>
    </message>
    <message>
        <source>II Kgs</source>
        <translation>2 R</translation>
    </message>
    <message>
        <source>I Chr</source>
        <translation>1 Cr</translation>
    </message>
    <message>
        <source>II Chr</source>
        <translation>2 Cr</translation>
    </message>
    <message>
        <source>Ezra</source>
        <translation>Esd</translation>
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
        <translation>Job</translation>
    </message>
    <message>
        <source>Ps</source>
        <translation>Sal</translation>
    </message>
    <message>
        <source>Prov</source>
        <translation>Pr</translation>
    </message>
    <message>
        <source>Eccl</source>
        <translation>Ec</translation>
    </message>
    <message>
        <source>Song</source>
        <translation>Cnt</translation>
    </message>
    <message>
        <source>Isa</source>
        <translation>Is</translation>
    </message>
    <message>
        <source>Jer</source>
        <translation>Jer</translation>
    </message>
    <message>
        <source>Lam</source>
        <translation>Lm</translation>
    </message>
    <message>
        <source>Ezek</source>
        <translation>Ez</translation>
    </message>
    <message>
        <source>Dan</source>
        <translation>Dn</translation>
    </message>
    <message>
        <source>Hos</source>
        <translation>Os</translation>
    </message>
    <message>
        <source>Joel</source>
        <translation>Jl</translation>
    </message>
    <message>
        <source>Amos</source>
        <translation>Am</translation>
    </message>
    <message>
        <source>Obad</source>
        <translation>Abd</translation>
    </message>
    <message>
        <source>Jonah</source>
        <translation>Jon</translation>
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
        <translation>Sof</translation>
    </message>
    <message>
        <source>Hag</source>
        <translation>Hag</translation>
    </message>
    <message>
        <source>Zech</source>
        <translation>Zac</translation>
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
        <translation>Mr</translation>
    </message>
    <message>
        <source>Luke</source>
        <translation>Lc</translation>
    </message>
    <message>
        <source>John</source>
        <translation>Jn</translation>
    </message>
    <message>
        <source>Acts</source>
        <translation>Hch</translation>
    </message>
    <message>
        <source>Rom</source>
        <translation>Ro</translation>
    </message>
    <message>
        <source>I Cor</source>
        <translation>1 Co</translation>
    </message>
    <message>
        <source>II Cor</source>
        <translation>2 Co</translation>
    </message>
    <message>
        <source>Gal</source>
        <translation>Gá</translation>
    </message>
    <message>
        <source>Eph</source>
        <translation>Ef</translation>
    </message>
    <message>
        <source>Phil</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Col</source>
        <translation>Col</translation>
    </message>
    <message>
        <source>I Thess</source>
        <translation>1 Ts</translation>
    </message>
    <message>
        <source>II Thess</source>
        <translation>2 Ts</translation>
    </message>
    <message>
        <source>I Tim</source>
        <translation>1 Ti</translation>
    </message>
    <message>
        <source>II Tim</source>
        <translation>2 Ti</translation>
    </message>
    <message>
        <source>Titus</source>
        <translation>Tit</translation>
    </message>
    <message>
        <source>Phlm</source>
        <translation>Flm</translation>
    </message>
    <message>
        <source>Heb</source>
        <translation>He</translation>
    </message>
    <message>
        <source>Jas</source>
        <translation>Stg</translation>
    </message>
    <message>
        <source>I Pet</source>
        <translation>1 P</translation>
    </message>
    <message>
        <source>II Pet</source>
        <translation>2 P</translation>
    </message>
    <message>
        <source>I John</source>
        <translation>1 Jn</translation>
    </message>
    <message>
        <source>II John</source>
        <translation>2 Jn</translation>
    </message>
    <message>
        <source>III John</source>
        <translation>3 Jn</translation>
    </message>
    <message>
        <source>Jude</source>
        <translation>Jud</translation>
    </message>
    <message>
        <source>Rev</source>
        <translation>Ap</translation>
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
        <translation>Uso: tomelor [--help | --version]
Tomelor! es un juego para aprender el orden de los libros de la Biblia.
Sin opciones, abre su ventana en el escritorio.

  -h, --help   Muestra esta ayuda y termina.
  --version    Muestra la versión del programa y termina.</translation>
    </message>
</context>
<context>
    <name>GameApplication</name>
    <message>
        <source>%1; your progress was not stored</source>
        <translation>%1; no se guardó tu progreso</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>God creates the world</source>
        <translation>Dios crea el mundo</translation>
    </message>
    <message>
        <source>The Hebrews leave Egypt</source>
        <translation>Los hebreos salen de Egipto</translation>
    </message>
    <message>
        <source>The Hebrews worship God</source>
        <translation>Los hebreos adoran a Dios</translation>
    </message>
    <message>
        <source>The Hebrews wander around for several years</source>
        <translation>Los hebreos vagan durante varios años</translation>
    </message>
    <message>
        <source>Moses lays down the law</source>
        <translation>Moisés expone la ley</translation>
    </message>
    <message>
        <source>He led the conquering of the Promised Land</source>
        <translation>Dirigió la conquista de la Tierra Prometida</translation>
    </message>
    <message>
        <source>13 people who took over Joshua’s role</source>
        <translation>13 personas que asumieron el papel de Josué</translation>
    </message>
    <message>
        <source>She was loyal to God in Moab</source>
        <translation>Fue fiel a Dios en Moab</translation>
    </message>
    <message>
        <source>David defeats Goliath</source>
        <translation>David vence a Goliat</translation>
    </message>
    <message>
        <source>David rules his kingdom</source>
        <translation>David gobierna su reino</translation>
    </message>
    <message>
        <source>The kingdom is united, then divided</source>
        <translation>El reino, primero unido y luego dividido</translation>
    </message>
    <message>
        <source>The fall of Israel and Judah</source>
        <translation>La caída de Israel y Judá</translation>
    </message>
    <message>
        <source>Ancestry of David</source>
        <translation>Los antepasados de David</translation>
    </message>
    <message>
        <source>Solomon rules Jerusalem</source>
        <translation>Salomón reina en Jerusalén</translation>
    </message>
    <message>
        <source>He rebuilds the temple</source>
        <translation>Reconstruye el templo</translation>
    </message>
    <message>
        <source>He sees the walls rebuilt</source>
        <translation>Ve reconstruidos los muros</translation>
    </message>
    <message>
        <source>The girl who became queen</source>
        <translation>La joven que llegó a ser reina</translation>
    </message>
    <message>
        <source>The suffering of a righteous man</source>
        <translation>El sufrimiento de un hombre justo</translation>
    </message>
    <message>
        <source>Praises from David</source>
        <translation>Alabanzas de David</translation>
    </message>
    <message>
        <source>Sayings from Solomon and other wise men</source>
        <translation>Dichos de Salomón y de otros sabios</translation>
    </message>
    <message>
        <source>Solomon’s thoughts on life</source>
        <translation>Reflexiones de Salomón sobre la vida</translation>
    </message>
    <message>
        <source>Poems from Solomon</source>
        <translation>Poemas de Salomón</translation>
    </message>
    <message>
        <source>Great prophet in Judah</source>
        <translation>Gran profeta de Judá</translation>
    </message>
    <message>
        <source>He predicted the fall of Jerusalem</source>
        <translation>Predijo la caída de Jerusalén</translation>
    </message>
    <message>
        <source>Jeremiah mourns for Jerusalem</source>
        <translation>Jeremías llora por Jerusalén</translation>
    </message>
    <message>
        <source>Prophet who encouraged faith</source>
        <translation>Profeta que alentó la fe</translation>
    </message>
    <message>
        <source>Survived the lion’s den</source>
        <translation>Sobrevivió al foso de los leones</translation>
    </message>
    <message>
        <source>Prophet who knew God’s relation with Israel</source>
        <translation>Profeta que conoció la relación de Dios con Israel</translation>
    </message>
    <message>
        <source>A prophet’s tale of desolation and restoration of Judah</source>
        <translation>Relato de un profeta sobre la desolación y restauración de Judá</translation>
    </message>
    <message>
        <source>He wrote about judgement and restoration of Israel</source>
        <translation>Escribió sobre el juicio y la restauración de Israel</translation>
    </message>
    <message>
        <source>He wrote about the doom of Edom</source>
        <translation>Escribió sobre la ruina de Edom</translation>
    </message>
    <message>
        <source>He was swallowed by a fish</source>
        <translation>Se lo tragó un pez</translation>
    </message>
    <message>
        <source>He wrote about judgement and the kingdom</source>
        <translation>Escribió sobre el juicio y el reino</translation>
    </message>
    <message>
        <source>He wrote about Nineveh’s destruction</source>
        <translation>Escribió sobre la destrucción de Nínive</translation>
    </message>
    <message>
        <source>He prophesied about the invasion by the Chaldeans</source>
        <translation>Profetizó la invasión de los caldeos</translation>
    </message>
    <message>
        <source>He prophesied about the day of the Lord</source>
        <translation>Profetizó sobre el día de Jehová</translation>
    </message>
    <message>
        <source>He prophesied about the rebuilding of the temple</source>
        <translation>Profetizó sobre la reconstrucción del templo</translation>
    </message>
    <message>
        <source>He prophesied about the reign of Christ</source>
        <translation>Profetizó sobre el reinado de Cristo</translation>
    </message>
    <message>
        <source>He prophesied about John the Baptist</source>
        <translation>Profetizó sobre Juan el Bautista</translation>
    </message>
    <message>
        <source>He was a tax collector</source>
        <translation>Era cobrador de impuestos</translation>
    </message>
    <message>
        <source>The shortest gospel</source>
        <translation>El evangelio más corto</translation>
    </message>
    <message>
        <source>He was a doctor</source>
        <translation>Era médico</translation>
    </message>
    <message>
        <source>The disciple whom Jesus loved</source>
        <translation>El discípulo al cual Jesús amaba</translation>
    </message>
    <message>
        <source>Setting up the first Church</source>
        <translation>La fundación de la primera iglesia</translation>
    </message>
    <message>
        <source>The first of Paul’s Epistles</source>
        <translation>La primera de las epístolas de Pablo</translation>
    </message>
    <message>
        <source>Letter regarding Christian conduct</source>
        <translation>Carta sobre la conducta cristiana</translation>
    </message>
    <message>
        <source>Paul explains himself</source>
        <translation>Pablo explica su proceder</translation>
    </message>
    <message>
        <source>How to be saved by Grace</source>
        <translation>Cómo ser salvos por la gracia</translation>
    </message>
    <message>
        <source>Put on the full armor of God</source>
        <translation>Vestirse de toda la armadura de Dios</translation>
    </message>
    <message>
        <source>I can do everything through him who gives me strength</source>
        <translation>Todo lo puedo en Cristo que me fortalece</translation>
    </message>
    <message>
        <source>Discusses the roles of family members</source>
        <translation>Trata el papel de cada miembro de la familia</translation>
    </message>
    <message>
        <source>Letter telling people to &quot;mind their own business&quot;</source>
        <translation>Carta que pide «ocuparse en sus propios negocios»</translation>
    </message>
    <message>
        <source>Paul instructs them to &quot;stand firm&quot; in the teachings</source>
        <translation>Pablo les exhorta a «estar firmes» en la doctrina</translation>
    </message>
    <message>
        <source>How to run your Church</source>
        <translation>Cómo dirigir la iglesia</translation>
    </message>
    <message>
        <source>States that all scripture is &quot;God-breathed&quot;</source>
        <translation>Afirma que toda la Escritura es «inspirada por Dios»</translation>
    </message>
    <message>
        <source>Gives guidelines for elders and ministers</source>
        <translation>Da pautas para ancianos y ministros</translation>
    </message>
    <message>
        <source>An appeal for Onesimus</source>
        <translation>Un ruego por Onésimo</translation>
    </message>
    <message>
        <source>Big book of faith</source>
        <translation>El gran libro de la fe</translation>
    </message>
    <message>
        <source>Practical applications of the Gospel</source>
        <translation>Aplicaciones prácticas del evangelio</translation>
    </message>
    <message>
        <source>Includes advice on &quot;submission&quot;</source>
        <translation>Incluye consejos sobre la «sumisión»</translation>
    </message>
    <message>
        <source>&quot;The day of the Lord will come like a thief&quot;</source>
        <translation>«El día del Señor vendrá como ladrón»</translation>
    </message>
    <message>
        <source>Love one another</source>
        <translation>Amémonos unos a otros</translation>
    </message>
    <message>
        <source>Continue teaching in your walk</source>
        <translation>Persevera en la doctrina en tu andar</translation>
    </message>
    <message>
        <source>Happy that his friends are &quot;walking in truth&quot;</source>
        <translation>Se alegra de que sus amigos «anden en la verdad»</translation>
    </message>
    <message>
        <source>Warning against false teachers</source>
        <translation>Advertencia contra los falsos maestros</translation>
    </message>
    <message>
        <source>John’s vision</source>
        <translation>La visión de Juan</translation>
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
        <translation>¡Felicidades!</translation>
    </message>
    <message>
        <source>Your score has earned a place among the best.</source>
        <extracomment>Painted below the congratulation; about 55 letters fit.</extracomment>
        <translation>Tu puntuación se ha ganado un puesto entre los mejores.</translation>
    </message>
    <message>
        <source>Please enter your initials:</source>
        <extracomment>Painted above the field where the player types three initials; about 35 letters fit.</extracomment>
        <translation>Por favor, escribe tus iniciales:</translation>
    </message>
</context>
<context>
    <name>Narration</name>
    <message>
        <source> Hint: %1.</source>
        <translation> Pista: %1.</translation>
    </message>
    <message>
        <source>%1 game: %2 books in the pile.</source>
        <translation>Partida del %1: %2 libros en el montón.</translation>
    </message>
    <message>
        <source> Hints on, at full speed.</source>
        <translation> Pistas activadas, a velocidad normal.</translation>
    </message>
    <message>
        <source> Hints on, slowed.</source>
        <translation> Pistas activadas, a ritmo lento.</translation>
    </message>
    <message>
        <source>Wrong book: minus %1. %2</source>
        <translation>Libro equivocado: menos %L1. %2</translation>
    </message>
    <message>
        <source>Wrong book. %1</source>
        <translation>Libro equivocado. %1</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <translation>Correcto. %1</translation>
    </message>
    <message>
        <source>Time is up: %1 shelved.</source>
        <translation>Se acabó el tiempo: %1 vuelve al estante.</translation>
    </message>
    <message>
        <source>Stopped. %1</source>
        <translation>Partida detenida. %1</translation>
    </message>
    <message>
        <source>Practice: %1, 1 book in the pile.</source>
        <translation>Práctica: %1, 1 libro en el montón.</translation>
    </message>
    <message>
        <source>Practice: %1, %2 books in the pile.</source>
        <translation>Práctica: %1, %2 libros en el montón.</translation>
    </message>
    <message>
        <source>Hints off.</source>
        <translation>Pistas desactivadas.</translation>
    </message>
    <message>
        <source>Hints on: half value, slower countdown.</source>
        <translation>Pistas activadas: mitad de valor, el tiempo corre más despacio.</translation>
    </message>
    <message>
        <source>No book starts with %1.</source>
        <translation>Ningún libro empieza con %1.</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>Puntos: %L1.</translation>
    </message>
    <message>
        <source>Game over: score %1.</source>
        <translation>Fin de la partida: %L1 puntos.</translation>
    </message>
    <message>
        <source>Practice over: %1, %2 of %3 books found, score %4.</source>
        <translation>Fin de la práctica: %1, %2 de %3 libros encontrados, %L4 puntos.</translation>
    </message>
    <message>
        <source>Paused. P or Pause plays on.</source>
        <translation>En pausa. P o Pausa para seguir.</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>En pausa.</translation>
    </message>
    <message>
        <source>Playing on.</source>
        <translation>Seguimos.</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>VALUE</source>
        <extracomment>Painted on the display panel beside the small display of what the wanted book is worth; about 6 capitals fit.</extracomment>
        <translation>VALOR</translation>
    </message>
    <message>
        <source>SCORE</source>
        <extracomment>Painted on the display panel before an arrow pointing to the score display; about 5 capitals fit.</extracomment>
        <translation>PUNTOS</translation>
    </message>
    <message>
        <source>GO!</source>
        <extracomment>Painted on the key that starts a game; about 4 large capitals fit.</extracomment>
        <translation>¡VAMOS!</translation>
    </message>
    <message>
        <source>STOP</source>
        <extracomment>Painted on the key that ends a game; about 5 large capitals fit.</extracomment>
        <translation>ALTO</translation>
    </message>
    <message>
        <source>TESTAMENT</source>
        <extracomment>The title painted above the switch between the testaments; about 10 small capitals fit.</extracomment>
        <translation>TESTAMENTO</translation>
    </message>
    <message>
        <source>OLD</source>
        <extracomment>The testament switch&apos;s left half (the Old Testament); about 4 capitals fit.</extracomment>
        <translation>A.T.</translation>
    </message>
    <message>
        <source>NEW</source>
        <extracomment>The testament switch&apos;s right half (the New Testament); about 5 capitals fit.</extracomment>
        <translation>N.T.</translation>
    </message>
    <message>
        <source>HINTS</source>
        <extracomment>The title painted above the switch that turns the hints on and off; about 10 small capitals fit.</extracomment>
        <translation>PISTAS</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>The hints switch&apos;s left half; about 4 capitals fit.</extracomment>
        <translation>NO</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>The hints switch&apos;s right half; about 5 capitals fit.</extracomment>
        <translation>SÍ</translation>
    </message>
</context>
<context>
    <name>Sections</name>
    <message>
        <source>Law</source>
        <translation>Pentateuco</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Libros históricos</translation>
    </message>
    <message>
        <source>Poetry and Wisdom</source>
        <translation>Libros poéticos</translation>
    </message>
    <message>
        <source>Major Prophets</source>
        <translation>Profetas mayores</translation>
    </message>
    <message>
        <source>Minor Prophets</source>
        <translation>Profetas menores</translation>
    </message>
    <message>
        <source>Gospels and Acts</source>
        <translation>Evangelios y Hechos</translation>
    </message>
    <message>
        <source>Paul&apos;s letters</source>
        <translation>Epístolas paulinas</translation>
    </message>
    <message>
        <source>Other letters and Revelation</source>
        <translation>Epístolas generales y Apocalipsis</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>user %1</source>
        <translation>usuario %1</translation>
    </message>
    <message>
        <source>it is being saved by another copy of the game</source>
        <translation>otra copia del juego lo está guardando</translation>
    </message>
    <message>
        <source>another user, %1, holds its lock</source>
        <translation>otro usuario, %1, lo tiene bloqueado</translation>
    </message>
    <message>
        <source>its lock %1 is not a regular file</source>
        <translation>su archivo de bloqueo %1 no es un archivo normal</translation>
    </message>
    <message>
        <source>it has to be rewritten where it lies, and there is nowhere to keep a copy of it meanwhile (%1)</source>
        <translation>hay que reescribirlo en su sitio y no hay dónde guardar una copia mientras tanto (%1)</translation>
    </message>
    <message>
        <source>neither XDG_STATE_HOME nor HOME is set</source>
        <translation>no está definida ni XDG_STATE_HOME ni HOME</translation>
    </message>
    <message>
        <source>no copy of it could be kept while it is rewritten where it lies: %1</source>
        <translation>no se pudo guardar una copia mientras se reescribe en su sitio: %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>there is no configuration folder (neither XDG_CONFIG_HOME nor HOME is set)</source>
        <translation>no hay carpeta de configuración (no está definida ni XDG_CONFIG_HOME ni HOME)</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; cannot be stored</source>
        <translation>el nombre «%1» no se puede guardar</translation>
    </message>
    <message>
        <source>it lies behind a link made by another user, which is not followed</source>
        <translation>está tras un enlace creado por otro usuario, que no se sigue</translation>
    </message>
    <message>
        <source>%1 belongs to another user in a folder others may write, so it is not used</source>
        <translation>%1 pertenece a otro usuario en una carpeta donde otros pueden escribir, así que no se usa</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is a link to a missing file in another folder, which is not created</source>
        <translation>es un enlace a un archivo inexistente en otra carpeta, que no se crea</translation>
    </message>
    <message>
        <source>it would be larger than %1 MiB</source>
        <translation>superaría los %1 MiB</translation>
    </message>
    <message>
        <source>%1 is a link to a folder that does not exist</source>
        <translation>%1 es un enlace a una carpeta que no existe</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>ocupa más de %1 MiB</translation>
    </message>
</context>
<context>
    <name>SoundCuePlayer</name>
    <message>
        <source>Tomelor&apos;s cues</source>
        <translation>Sonidos de Tomelor</translation>
    </message>
    <message>
        <source>Tomelor: the sound library cannot be loaded (%1); the cues are silent.</source>
        <translation>Tomelor: no se puede cargar la biblioteca de sonido (%1); los sonidos quedan en silencio.</translation>
    </message>
    <message>
        <source>Tomelor: no sound server answers (%1); the cues are silent until one does.</source>
        <translation>Tomelor: ningún servidor de sonido responde (%1); los sonidos quedan en silencio hasta que uno responda.</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>HOLY</source>
        <extracomment>The first line of the name in gilt on the cover of a Bible standing upright on the title picture; about 6 capitals fit.</extracomment>
        <translation>SANTA</translation>
    </message>
    <message>
        <source>BIBLE</source>
        <extracomment>The second line of the name on the upright Bible&apos;s cover; about 6 capitals fit.</extracomment>
        <translation>BIBLIA</translation>
    </message>
    <message>
        <source>PSALMS</source>
        <extracomment>The book&apos;s name in gilt on the spine of a book lying in a pile on the title picture; about 9 capitals fit.</extracomment>
        <translation>SALMOS</translation>
    </message>
    <message>
        <source>GENESIS</source>
        <extracomment>The book&apos;s name on the spine of a book lying in the pile on the title picture; about 9 capitals fit.</extracomment>
        <translation>GÉNESIS</translation>
    </message>
    <message>
        <source>ISAIAH</source>
        <extracomment>The book&apos;s name on the spine of a book lying in the pile on the title picture; about 9 capitals fit.</extracomment>
        <translation>ISAÍAS</translation>
    </message>
    <message>
        <source>In the beginning God created the heaven and the earth. And the earth was without form, and void; and darkness was upon the face of the deep. And the Spirit of God moved upon the face of the waters.</source>
        <extracomment>The first two verses of Genesis, faded on an old page of the title picture; as the Bible of the language words them. Only the first six lines or so show.</extracomment>
        <translation>En el principio creó Dios los cielos y la tierra. Y la tierra estaba desordenada y vacía, y las tinieblas estaban sobre la faz del abismo, y el Espíritu de Dios se movía sobre la faz de las aguas.</translation>
    </message>
    <message>
        <source>the books of the Bible</source>
        <extracomment>The first line of what the game is about, in italics under its name on the title picture; about 22 letters fit. Together with the next line: &quot;the books of the Bible in their order&quot;.</extracomment>
        <translation>los libros de la Biblia</translation>
    </message>
    <message>
        <source>in their order</source>
        <extracomment>The second line under the game&apos;s name on the title picture; about 22 letters fit.</extracomment>
        <translation>en su orden</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Tomelor! Help</source>
        <translation>Ayuda de Tomelor!</translation>
    </message>
</context>
<context>
    <name>TProgressChart</name>
    <message>
        <source>cost points: never</source>
        <translation>costó puntos: nunca</translation>
    </message>
    <message>
        <source>every game</source>
        <translation>cada partida</translation>
    </message>
    <message>
        <source>last game</source>
        <translation>última partida</translation>
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
        <translation>Presentación</translation>
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
        <translation>Licencia</translation>
    </message>
    <message>
        <source>About Tomelor!</source>
        <translation>Acerca de Tomelor!</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>A game for learning the order of the books of the Bible.</source>
        <translation>Un juego para aprender el orden de los libros de la Biblia.</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Licencias</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TfrmCongrats</name>
    <message>
        <source>New High Score</source>
        <translation>Nuevo récord</translation>
    </message>
    <message>
        <source>Congratulations: a new high score</source>
        <translation>Felicidades: un nuevo récord</translation>
    </message>
    <message>
        <source>Your initials</source>
        <translation>Tus iniciales</translation>
    </message>
    <message>
        <source>Up to three letters for the high-score table. Enter or Esc puts them there.</source>
        <translation>Hasta tres letras para la tabla de récords. Enter o Esc las pone en ella.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Puts your initials on the high-score table.</source>
        <translation>Pone tus iniciales en la tabla de récords.</translation>
    </message>
    <message>
        <source>Score %1: place %2 of the %3.</source>
        <translation>%L1 puntos: puesto %2 del %3.</translation>
    </message>
    <message>
        <source>%1 points: place %2 of the %3</source>
        <translation>%L1 puntos: puesto %2 del %3</translation>
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
        <translation>Con las pistas activadas, una descripción del siguiente libro buscado.</translation>
    </message>
    <message>
        <source>Book value</source>
        <translation>Valor del libro</translation>
    </message>
    <message>
        <source>The points the wanted book earns if clicked now. It counts down while you search.</source>
        <translation>Los puntos que da el libro buscado si haces clic ahora. Baja mientras buscas.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>The points of this game. A book clicked out of order costs 50.</source>
        <translation>Los puntos de esta partida. Un clic en un libro fuera de orden cuesta 50.</translation>
    </message>
    <message>
        <source>Chooses the books to put in order: the 39 of the Old Testament or the 27 of the New. It cannot be changed during a game.</source>
        <translation>Elige los libros que hay que ordenar: los 39 del Antiguo Testamento o los 27 del Nuevo. No se puede cambiar durante una partida.</translation>
    </message>
    <message>
        <source>While on, the status bar describes the book wanted next and each book is worth half. Switching on slows the countdown until the game ends.</source>
        <translation>Mientras están activadas, la barra de estado describe el siguiente libro buscado y cada libro vale la mitad. Al activarlas, el tiempo corre más despacio hasta el final de la partida.</translation>
    </message>
    <message>
        <source>GO! scatters the books of the chosen testament in a pile; STOP ends the game.</source>
        <translation>¡VAMOS! esparce en un montón los libros del testamento elegido; ALTO termina la partida.</translation>
    </message>
    <message>
        <source>Display panel</source>
        <translation>Panel de indicadores</translation>
    </message>
    <message>
        <source>Bookcase</source>
        <translation>Estantería</translation>
    </message>
    <message>
        <source>Testament: %1</source>
        <translation>Testamento: %1</translation>
    </message>
    <message>
        <source>Hints: on</source>
        <translation>Pistas: sí</translation>
    </message>
    <message>
        <source>Hints: off</source>
        <translation>Pistas: no</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>ALTO</translation>
    </message>
    <message>
        <source>GO!</source>
        <translation>¡VAMOS!</translation>
    </message>
    <message>
        <source>Pile</source>
        <translation>Montón</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>P or Pause plays on</source>
        <translation>P o Pausa para seguir</translation>
    </message>
</context>
<context>
    <name>TfrmProgress</name>
    <message>
        <source>No %1 game yet. After each game, this page shows how long you took to find every book and which books cost you points, so that you know what to practise.</source>
        <translation>Aún no hay partidas del %1. Después de cada partida, esta página muestra cuánto tardaste en encontrar cada libro y qué libros te costaron puntos, para que sepas qué practicar.</translation>
    </message>
    <message>
        <source>Slowest: %1
Cost you most: %2</source>
        <translation>Más lentos: %1
Los que más te costaron: %2</translation>
    </message>
    <message>
        <source>seconds on average</source>
        <translation>segundos en promedio</translation>
    </message>
    <message>
        <source>nothing yet</source>
        <translation>todavía nada</translation>
    </message>
    <message>
        <source>wrong clicks and time-outs a game</source>
        <translation>clics erróneos y tiempos agotados por partida</translation>
    </message>
    <message>
        <source>nothing yet, not one wrong click or time-out</source>
        <translation>todavía nada, ni un clic erróneo ni un tiempo agotado</translation>
    </message>
    <message>
        <source>%1 seconds a book</source>
        <translation>%L1 segundos por libro</translation>
    </message>
    <message>
        <source>not played yet</source>
        <translation>sin jugar todavía</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Chart of seconds per book</source>
        <translation>Gráfico de segundos por libro</translation>
    </message>
    <message>
        <source>The table below gives the same figures.</source>
        <translation>La tabla de abajo da las mismas cifras.</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Libro</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Average seconds</source>
        <translation>Segundos en promedio</translation>
    </message>
    <message>
        <source>Wrong clicks</source>
        <translation>Clics erróneos</translation>
    </message>
    <message>
        <source>Time-outs</source>
        <translation>Tiempos agotados</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Sección</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Libros</translation>
    </message>
    <message>
        <source>Seconds a book</source>
        <translation>Segundos por libro</translation>
    </message>
    <message>
        <source>&amp;Practise</source>
        <translation>&amp;Practicar</translation>
    </message>
    <message>
        <source>Closes this window and starts a game of the selected section alone. A practice score is never a high score.</source>
        <translation>Cierra esta ventana y empieza una partida solo con la sección seleccionada. Una puntuación de práctica nunca es un récord.</translation>
    </message>
    <message>
        <source>&amp;Forget progress</source>
        <translation>&amp;Olvidar el progreso</translation>
    </message>
    <message>
        <source>Asks first, then clears the progress of both testaments. The high scores stay.</source>
        <translation>Primero pregunta y luego borra el progreso de ambos testamentos. Los récords se conservan.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Forget how every book went in your games of both testaments? Your high scores stay.</source>
        <translation>¿Olvidar cómo te fue con cada libro en tus partidas de ambos testamentos? Tus récords se conservan.</translation>
    </message>
    <message>
        <source>%1, book by book</source>
        <translation>%1, libro por libro</translation>
    </message>
    <message>
        <source>%1: seconds to find each book</source>
        <translation>%1: segundos para encontrar cada libro</translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation>Aún no hay partidas</translation>
    </message>
    <message>
        <source>%1, section by section</source>
        <translation>%1, sección por sección</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Costliest: %1, %2. A section costs the average seconds of its books, and %3 seconds more for each wrong click or time-out a game. F3 in the main window practises the costliest.</source>
        <translation>La más costosa: %1, %2. Una sección cuesta el promedio de segundos de sus libros, más %L3 segundos por cada clic erróneo o tiempo agotado por partida. F3 en la ventana principal practica la más costosa.</translation>
    </message>
</context>
<context>
    <name>TfrmScores</name>
    <message>
        <source>%1 high scores</source>
        <translation>Récords del %1</translation>
    </message>
    <message>
        <source>%1, place %2</source>
        <translation>%1, puesto %2</translation>
    </message>
    <message>
        <source>%1, initials</source>
        <translation>%1, iniciales</translation>
    </message>
    <message>
        <source>Place %1, empty</source>
        <translation>Puesto %1, vacío</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>The five best of each testament: Tab or the arrow keys read the rows.</source>
        <translation>Los cinco mejores de cada testamento: Tab o las flechas recorren las filas.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Closes the high-score table.</source>
        <translation>Cierra la tabla de récords.</translation>
    </message>
    <message>
        <source>%1; your score was not stored</source>
        <translation>%1; no se guardó tu puntuación</translation>
    </message>
    <message>
        <source>Place %1, %2</source>
        <translation>Puesto %1, %L2</translation>
    </message>
    <message>
        <source>, new</source>
        <translation>, nuevo</translation>
    </message>
</context>
</TS>
