<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Catalogue</name>
    <message>
        <source>New Testament</source>
        <translation>Novo Testamento</translation>
    </message>
    <message>
        <source>Old Testament</source>
        <translation>Antigo Testamento</translation>
    </message>
    <message>
        <source>Genesis</source>
        <translation>Gênesis</translation>
    </message>
    <message>
        <source>Exodus</source>
        <translation>Êxodo</translation>
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
        <translation>Deuteronômio</translation>
    </message>
    <message>
        <source>Joshua</source>
        <translation>Josué</translation>
    </message>
    <message>
        <source>Judges</source>
        <translation>Juízes</translation>
    </message>
    <message>
        <source>Ruth</source>
        <translation>Rute</translation>
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
        <translation>1 Reis</translation>
    </message>
    <message>
        <source>II Kings</source>
        <translation>2 Reis</translation>
    </message>
    <message>
        <source>I Chronicles</source>
        <translation>1 Crônicas</translation>
    </message>
    <message>
        <source>II Chronicles</source>
        <translation>2 Crônicas</translation>
    </message>
    <message>
        <source>Ezra</source>
        <translation>Esdras</translation>
    </message>
    <message>
        <source>Nehemiah</source>
        <translation>Neemias</translation>
    </message>
    <message>
        <source>Esther</source>
        <translation>Ester</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Jó</translation>
    </message>
    <message>
        <source>Psalms</source>
        <translation>Salmos</translation>
    </message>
    <message>
        <source>Proverbs</source>
        <translation>Provérbios</translation>
    </message>
    <message>
        <source>Ecclesiastes</source>
        <translation>Eclesiastes</translation>
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
        <translation>Jeremias</translation>
    </message>
    <message>
        <source>Lamentations</source>
        <translation>Lamentações</translation>
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
        <translation>Oseias</translation>
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
        <translation>Obadias</translation>
    </message>
    <message>
        <source>Jonah</source>
        <translation>Jonas</translation>
    </message>
    <message>
        <source>Micah</source>
        <translation>Miqueias</translation>
    </message>
    <message>
        <source>Nahum</source>
        <translation>Naum</translation>
    </message>
    <message>
        <source>Habakkuk</source>
        <translation>Habacuque</translation>
    </message>
    <message>
        <source>Zephaniah</source>
        <translation>Sofonias</translation>
    </message>
    <message>
        <source>Haggai</source>
        <translation>Ageu</translation>
    </message>
    <message>
        <source>Zechariah</source>
        <translation>Zacarias</translation>
    </message>
    <message>
        <source>Malachi</source>
        <translation>Malaquias</translation>
    </message>
    <message>
        <source>Matthew</source>
        <translation>Mateus</translation>
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
        <translation>João</translation>
    </message>
    <message>
        <source>Acts</source>
        <translation>Atos</translation>
    </message>
    <message>
        <source>Romans</source>
        <translation>Romanos</translation>
    </message>
    <message>
        <source>I Corinthians</source>
        <translation>1 Coríntios</translation>
    </message>
    <message>
        <source>II Corinthians</source>
        <translation>2 Coríntios</translation>
    </message>
    <message>
        <source>Galatians</source>
        <translation>Gálatas</translation>
    </message>
    <message>
        <source>Ephesians</source>
        <translation>Efésios</translation>
    </message>
    <message>
        <source>Philippians</source>
        <translation>Filipenses</translation>
    </message>
    <message>
        <source>Colossians</source>
        <translation>Colossenses</translation>
    </message>
    <message>
        <source>I Thessalonians</source>
        <translation>1 Tessalonicenses</translation>
    </message>
    <message>
        <source>II Thessalonians</source>
        <translation>2 Tessalonicenses</translation>
    </message>
    <message>
        <source>I Timothy</source>
        <translation>1 Timóteo</translation>
    </message>
    <message>
        <source>II Timothy</source>
        <translation>2 Timóteo</translation>
    </message>
    <message>
        <source>Titus</source>
        <translation>Tito</translation>
    </message>
    <message>
        <source>Philemon</source>
        <translation>Filemom</translation>
    </message>
    <message>
        <source>Hebrews</source>
        <translation>Hebreus</translation>
    </message>
    <message>
        <source>James</source>
        <translation>Tiago</translation>
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
        <translation>1 João</translation>
    </message>
    <message>
        <source>II John</source>
        <translation>2 João</translation>
    </message>
    <message>
        <source>III John</source>
        <translation>3 João</translation>
    </message>
    <message>
        <source>Jude</source>
        <translation>Judas</translation>
    </message>
    <message>
        <source>Revelation</source>
        <translation>Apocalipse</translation>
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
        <translation>Êx</translation>
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
        <translation>Js</translation>
    </message>
    <message>
        <source>Judg</source>
        <translation>Jz</translation>
    </message>
    <message>
        <source>Ruth</source>
        <translation>Rt</translation>
    </message>
    <message>
        <source>I Sam</source>
        <translation>1Sm</translation>
    </message>
    <message>
        <source>II Sam</source>
        <translation>2Sm</translation>
    </message>
    <message>
        <source>I Kgs</source>
        <translation>1Rs</translation>
    </message>
    <message>
        <source>II Kgs</source>
        <translation>2Rs</translation>
    </message>
    <message>
        <source>I Chr</source>
        <translation>1Cr</translation>
    </message>
    <message>
        <source>II Chr</source>
        <translation>2Cr</translation>
    </message>
    <message>
        <source>Ezra</source>
        <translation>Ed</translation>
    </message>
    <message>
        <source>Neh</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Esth</source>
        <translation>Et</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Jó</translation>
    </message>
    <message>
        <source>Ps</source>
        <translation>Sl</translation>
    </message>
    <message>
        <source>Prov</source>
        <translation>Pv</translation>
    </message>
    <message>
        <source>Eccl</source>
        <translation>Ec</translation>
    </message>
    <message>
        <source>Song</source>
        <translation>Ct</translation>
    </message>
    <message>
        <source>Isa</source>
        <translation>Is</translation>
    </message>
    <message>
        <source>Jer</source>
        <translation>Jr</translation>
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
        <translation>Ob</translation>
    </message>
    <message>
        <source>Jonah</source>
        <translation>Jn</translation>
    </message>
    <message>
        <source>Mic</source>
        <translation>Mq</translation>
    </message>
    <message>
        <source>Nah</source>
        <translation>Na</translation>
    </message>
    <message>
        <source>Hab</source>
        <translation>Hc</translation>
    </message>
    <message>
        <source>Zeph</source>
        <translation>Sf</translation>
    </message>
    <message>
        <source>Hag</source>
        <translation>Ag</translation>
    </message>
    <message>
        <source>Zech</source>
        <translation>Zc</translation>
    </message>
    <message>
        <source>Mal</source>
        <translation>Ml</translation>
    </message>
    <message>
        <source>Matt</source>
        <translation>Mt</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Mc</translation>
    </message>
    <message>
        <source>Luke</source>
        <translation>Lc</translation>
    </message>
    <message>
        <source>John</source>
        <translation>Jo</translation>
    </message>
    <message>
        <source>Acts</source>
        <translation>At</translation>
    </message>
    <message>
        <source>Rom</source>
        <translation>Rm</translation>
    </message>
    <message>
        <source>I Cor</source>
        <translation>1Co</translation>
    </message>
    <message>
        <source>II Cor</source>
        <translation>2Co</translation>
    </message>
    <message>
        <source>Gal</source>
        <translation>Gl</translation>
    </message>
    <message>
        <source>Eph</source>
        <translation>Ef</translation>
    </message>
    <message>
        <source>Phil</source>
        <translation>Fp</translation>
    </message>
    <message>
        <source>Col</source>
        <translation>Cl</translation>
    </message>
    <message>
        <source>I Thess</source>
        <translation>1Ts</translation>
    </message>
    <message>
        <source>II Thess</source>
        <translation>2Ts</translation>
    </message>
    <message>
        <source>I Tim</source>
        <translation>1Tm</translation>
    </message>
    <message>
        <source>II Tim</source>
        <translation>2Tm</translation>
    </message>
    <message>
        <source>Titus</source>
        <translation>Tt</translation>
    </message>
    <message>
        <source>Phlm</source>
        <translation>Fm</translation>
    </message>
    <message>
        <source>Heb</source>
        <translation>Hb</translation>
    </message>
    <message>
        <source>Jas</source>
        <translation>Tg</translation>
    </message>
    <message>
        <source>I Pet</source>
        <translation>1Pe</translation>
    </message>
    <message>
        <source>II Pet</source>
        <translation>2Pe</translation>
    </message>
    <message>
        <source>I John</source>
        <translation>1Jo</translation>
    </message>
    <message>
        <source>II John</source>
        <translation>2Jo</translation>
    </message>
    <message>
        <source>III John</source>
        <translation>3Jo</translation>
    </message>
    <message>
        <source>Jude</source>
        <translation>Jd</translation>
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
Tomelor! é um jogo para aprender a ordem dos livros da Bíblia.
Sem opção, abre sua janela na área de trabalho.

  -h, --help   Mostra esta ajuda e sai.
  --version    Mostra a versão do programa e sai.</translation>
    </message>
</context>
<context>
    <name>GameApplication</name>
    <message>
        <source>%1; your progress was not stored</source>
        <translation>%1; seu progresso não foi guardado</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>God creates the world</source>
        <translation>Deus cria o mundo</translation>
    </message>
    <message>
        <source>The Hebrews leave Egypt</source>
        <translation>Os hebreus saem do Egito</translation>
    </message>
    <message>
        <source>The Hebrews worship God</source>
        <translation>Os hebreus adoram a Deus</translation>
    </message>
    <message>
        <source>The Hebrews wander around for several years</source>
        <translation>Os hebreus vagueiam por vários anos</translation>
    </message>
    <message>
        <source>Moses lays down the law</source>
        <translation>Moisés expõe a lei</translation>
    </message>
    <message>
        <source>He led the conquering of the Promised Land</source>
        <translation>Ele liderou a conquista da Terra Prometida</translation>
    </message>
    <message>
        <source>13 people who took over Joshua’s role</source>
        <translation>13 pessoas que assumiram o papel de Josué</translation>
    </message>
    <message>
        <source>She was loyal to God in Moab</source>
        <translation>Ela foi fiel a Deus em Moabe</translation>
    </message>
    <message>
        <source>David defeats Goliath</source>
        <translation>Davi derrota Golias</translation>
    </message>
    <message>
        <source>David rules his kingdom</source>
        <translation>Davi governa o seu reino</translation>
    </message>
    <message>
        <source>The kingdom is united, then divided</source>
        <translation>O reino se une e depois se divide</translation>
    </message>
    <message>
        <source>The fall of Israel and Judah</source>
        <translation>A queda de Israel e de Judá</translation>
    </message>
    <message>
        <source>Ancestry of David</source>
        <translation>A genealogia de Davi</translation>
    </message>
    <message>
        <source>Solomon rules Jerusalem</source>
        <translation>Salomão reina em Jerusalém</translation>
    </message>
    <message>
        <source>He rebuilds the temple</source>
        <translation>Ele reconstrói o templo</translation>
    </message>
    <message>
        <source>He sees the walls rebuilt</source>
        <translation>Ele vê os muros reconstruídos</translation>
    </message>
    <message>
        <source>The girl who became queen</source>
        <translation>A moça que se tornou rainha</translation>
    </message>
    <message>
        <source>The suffering of a righteous man</source>
        <translation>O sofrimento de um homem justo</translation>
    </message>
    <message>
        <source>Praises from David</source>
        <translation>Louvores de Davi</translation>
    </message>
    <message>
        <source>Sayings from Solomon and other wise men</source>
        <translation>Ditos de Salomão e de outros sábios</translation>
    </message>
    <message>
        <source>Solomon’s thoughts on life</source>
        <translation>Reflexões de Salomão sobre a vida</translation>
    </message>
    <message>
        <source>Poems from Solomon</source>
        <translation>Poemas de Salomão</translation>
    </message>
    <message>
        <source>Great prophet in Judah</source>
        <translation>Grande profeta em Judá</translation>
    </message>
    <message>
        <source>He predicted the fall of Jerusalem</source>
        <translation>Ele predisse a queda de Jerusalém</translation>
    </message>
    <message>
        <source>Jeremiah mourns for Jerusalem</source>
        <translation>Jeremias chora por Jerusalém</translation>
    </message>
    <message>
        <source>Prophet who encouraged faith</source>
        <translation>Profeta que encorajou a fé</translation>
    </message>
    <message>
        <source>Survived the lion’s den</source>
        <translation>Sobreviveu à cova dos leões</translation>
    </message>
    <message>
        <source>Prophet who knew God’s relation with Israel</source>
        <translation>Profeta que conheceu a relação de Deus com Israel</translation>
    </message>
    <message>
        <source>A prophet’s tale of desolation and restoration of Judah</source>
        <translation>Relato de um profeta sobre a desolação e a restauração de Judá</translation>
    </message>
    <message>
        <source>He wrote about judgement and restoration of Israel</source>
        <translation>Ele escreveu sobre o juízo e a restauração de Israel</translation>
    </message>
    <message>
        <source>He wrote about the doom of Edom</source>
        <translation>Ele escreveu sobre a ruína de Edom</translation>
    </message>
    <message>
        <source>He was swallowed by a fish</source>
        <translation>Ele foi engolido por um peixe</translation>
    </message>
    <message>
        <source>He wrote about judgement and the kingdom</source>
        <translation>Ele escreveu sobre o juízo e o reino</translation>
    </message>
    <message>
        <source>He wrote about Nineveh’s destruction</source>
        <translation>Ele escreveu sobre a destruição de Nínive</translation>
    </message>
    <message>
        <source>He prophesied about the invasion by the Chaldeans</source>
        <translation>Ele profetizou sobre a invasão dos caldeus</translation>
    </message>
    <message>
        <source>He prophesied about the day of the Lord</source>
        <translation>Ele profetizou sobre o dia do Senhor</translation>
    </message>
    <message>
        <source>He prophesied about the rebuilding of the temple</source>
        <translation>Ele profetizou sobre a reconstrução do templo</translation>
    </message>
    <message>
        <source>He prophesied about the reign of Christ</source>
        <translation>Ele profetizou sobre o reinado de Cristo</translation>
    </message>
    <message>
        <source>He prophesied about John the Baptist</source>
        <translation>Ele profetizou sobre João Batista</translation>
    </message>
    <message>
        <source>He was a tax collector</source>
        <translation>Ele era cobrador de impostos</translation>
    </message>
    <message>
        <source>The shortest gospel</source>
        <translation>O evangelho mais curto</translation>
    </message>
    <message>
        <source>He was a doctor</source>
        <translation>Ele era médico</translation>
    </message>
    <message>
        <source>The disciple whom Jesus loved</source>
        <translation>O discípulo a quem Jesus amava</translation>
    </message>
    <message>
        <source>Setting up the first Church</source>
        <translation>A fundação da primeira igreja</translation>
    </message>
    <message>
        <source>The first of Paul’s Epistles</source>
        <translation>A primeira das epístolas de Paulo</translation>
    </message>
    <message>
        <source>Letter regarding Christian conduct</source>
        <translation>Carta sobre a conduta cristã</translation>
    </message>
    <message>
        <source>Paul explains himself</source>
        <translation>Paulo se explica</translation>
    </message>
    <message>
        <source>How to be saved by Grace</source>
        <translation>Como ser salvo pela graça</translation>
    </message>
    <message>
        <source>Put on the full armor of God</source>
        <translation>Revesti-vos de toda a armadura de Deus</translation>
    </message>
    <message>
        <source>I can do everything through him who gives me strength</source>
        <translation>Posso todas as coisas naquele que me fortalece</translation>
    </message>
    <message>
        <source>Discusses the roles of family members</source>
        <translation>Trata dos papéis dos membros da família</translation>
    </message>
    <message>
        <source>Letter telling people to &quot;mind their own business&quot;</source>
        <translation>Carta que manda &quot;tratar dos próprios negócios&quot;</translation>
    </message>
    <message>
        <source>Paul instructs them to &quot;stand firm&quot; in the teachings</source>
        <translation>Paulo os instrui a &quot;estar firmes&quot; nos ensinos</translation>
    </message>
    <message>
        <source>How to run your Church</source>
        <translation>Como dirigir a sua igreja</translation>
    </message>
    <message>
        <source>States that all scripture is &quot;God-breathed&quot;</source>
        <translation>Afirma que toda Escritura é &quot;divinamente inspirada&quot;</translation>
    </message>
    <message>
        <source>Gives guidelines for elders and ministers</source>
        <translation>Dá orientações para presbíteros e ministros</translation>
    </message>
    <message>
        <source>An appeal for Onesimus</source>
        <translation>Um apelo por Onésimo</translation>
    </message>
    <message>
        <source>Big book of faith</source>
        <translation>O grande livro da fé</translation>
    </message>
    <message>
        <source>Practical applications of the Gospel</source>
        <translation>Aplicações práticas do evangelho</translation>
    </message>
    <message>
        <source>Includes advice on &quot;submission&quot;</source>
        <translation>Inclui conselhos sobre a &quot;sujeição&quot;</translation>
    </message>
    <message>
        <source>&quot;The day of the Lord will come like a thief&quot;</source>
        <translation>&quot;O Dia do Senhor virá como o ladrão&quot;</translation>
    </message>
    <message>
        <source>Love one another</source>
        <translation>Amemo-nos uns aos outros</translation>
    </message>
    <message>
        <source>Continue teaching in your walk</source>
        <translation>Perseverar na doutrina em sua caminhada</translation>
    </message>
    <message>
        <source>Happy that his friends are &quot;walking in truth&quot;</source>
        <translation>Feliz porque seus amigos &quot;andam na verdade&quot;</translation>
    </message>
    <message>
        <source>Warning against false teachers</source>
        <translation>Advertência contra falsos mestres</translation>
    </message>
    <message>
        <source>John’s vision</source>
        <translation>A visão de João</translation>
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
        <translation>Parabéns!</translation>
    </message>
    <message>
        <source>Your score has earned a place among the best.</source>
        <extracomment>Painted below the congratulation; about 55 letters fit.</extracomment>
        <translation>Sua pontuação conquistou um lugar entre os melhores.</translation>
    </message>
    <message>
        <source>Please enter your initials:</source>
        <extracomment>Painted above the field where the player types three initials; about 35 letters fit.</extracomment>
        <translation>Por favor, digite suas iniciais:</translation>
    </message>
</context>
<context>
    <name>Narration</name>
    <message>
        <source> Hint: %1.</source>
        <translation> Dica: %1.</translation>
    </message>
    <message>
        <source>%1 game: %2 books in the pile.</source>
        <translation>Partida do %1: %2 livros na pilha.</translation>
    </message>
    <message>
        <source> Hints on, at full speed.</source>
        <translation> Dicas ligadas, contagem em velocidade normal.</translation>
    </message>
    <message>
        <source> Hints on, slowed.</source>
        <translation> Dicas ligadas, contagem mais lenta.</translation>
    </message>
    <message>
        <source>Wrong book: minus %1. %2</source>
        <translation>Livro errado: menos %L1. %2</translation>
    </message>
    <message>
        <source>Wrong book. %1</source>
        <translation>Livro errado. %1</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <translation>Certo. %1</translation>
    </message>
    <message>
        <source>Time is up: %1 shelved.</source>
        <translation>Tempo esgotado: %1 voltou à estante.</translation>
    </message>
    <message>
        <source>Stopped. %1</source>
        <translation>Interrompido. %1</translation>
    </message>
    <message>
        <source>Practice: %1, 1 book in the pile.</source>
        <translation>Treino: %1, 1 livro na pilha.</translation>
    </message>
    <message>
        <source>Practice: %1, %2 books in the pile.</source>
        <translation>Treino: %1, %2 livros na pilha.</translation>
    </message>
    <message>
        <source>Hints off.</source>
        <translation>Dicas desligadas.</translation>
    </message>
    <message>
        <source>Hints on: half value, slower countdown.</source>
        <translation>Dicas ligadas: metade do valor, contagem mais lenta.</translation>
    </message>
    <message>
        <source>No book starts with %1.</source>
        <translation>Nenhum livro começa com %1.</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>Pontos: %L1.</translation>
    </message>
    <message>
        <source>Game over: score %1.</source>
        <translation>Fim de jogo: %L1 pontos.</translation>
    </message>
    <message>
        <source>Practice over: %1, %2 of %3 books found, score %4.</source>
        <translation>Fim do treino: %1, %2 de %3 livros encontrados, %L4 pontos.</translation>
    </message>
    <message>
        <source>Paused. P or Pause plays on.</source>
        <translation>Pausado. P ou Pause continua.</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>Pausado.</translation>
    </message>
    <message>
        <source>Playing on.</source>
        <translation>Continuando.</translation>
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
        <translation>PONTOS</translation>
    </message>
    <message>
        <source>GO!</source>
        <extracomment>Painted on the key that starts a game; about 4 large capitals fit.</extracomment>
        <translation>VAI!</translation>
    </message>
    <message>
        <source>STOP</source>
        <extracomment>Painted on the key that ends a game; about 5 large capitals fit.</extracomment>
        <translation>PARAR</translation>
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
        <translation>DICAS</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>The hints switch&apos;s left half; about 4 capitals fit.</extracomment>
        <translation>NÃO</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>The hints switch&apos;s right half; about 5 capitals fit.</extracomment>
        <translation>SIM</translation>
    </message>
</context>
<context>
    <name>Sections</name>
    <message>
        <source>Law</source>
        <translation>Lei</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Livros Históricos</translation>
    </message>
    <message>
        <source>Poetry and Wisdom</source>
        <translation>Poéticos e Sapienciais</translation>
    </message>
    <message>
        <source>Major Prophets</source>
        <translation>Profetas Maiores</translation>
    </message>
    <message>
        <source>Minor Prophets</source>
        <translation>Profetas Menores</translation>
    </message>
    <message>
        <source>Gospels and Acts</source>
        <translation>Evangelhos e Atos</translation>
    </message>
    <message>
        <source>Paul&apos;s letters</source>
        <translation>Cartas de Paulo</translation>
    </message>
    <message>
        <source>Other letters and Revelation</source>
        <translation>Outras cartas e Apocalipse</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>user %1</source>
        <translation>usuário %1</translation>
    </message>
    <message>
        <source>it is being saved by another copy of the game</source>
        <translation>está sendo salvo por outra cópia do jogo</translation>
    </message>
    <message>
        <source>another user, %1, holds its lock</source>
        <translation>outro usuário, %1, detém o bloqueio dele</translation>
    </message>
    <message>
        <source>its lock %1 is not a regular file</source>
        <translation>o bloqueio dele, %1, não é um arquivo comum</translation>
    </message>
    <message>
        <source>it has to be rewritten where it lies, and there is nowhere to keep a copy of it meanwhile (%1)</source>
        <translation>precisa ser reescrito onde está, e não há onde guardar uma cópia dele enquanto isso (%1)</translation>
    </message>
    <message>
        <source>neither XDG_STATE_HOME nor HOME is set</source>
        <translation>nem XDG_STATE_HOME nem HOME estão definidos</translation>
    </message>
    <message>
        <source>no copy of it could be kept while it is rewritten where it lies: %1</source>
        <translation>não foi possível guardar uma cópia dele enquanto é reescrito onde está: %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Não foi possível gravar em %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>there is no configuration folder (neither XDG_CONFIG_HOME nor HOME is set)</source>
        <translation>não há pasta de configuração (nem XDG_CONFIG_HOME nem HOME estão definidos)</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; cannot be stored</source>
        <translation>o nome &quot;%1&quot; não pode ser guardado</translation>
    </message>
    <message>
        <source>it lies behind a link made by another user, which is not followed</source>
        <translation>está atrás de um link criado por outro usuário, que não é seguido</translation>
    </message>
    <message>
        <source>%1 belongs to another user in a folder others may write, so it is not used</source>
        <translation>%1 pertence a outro usuário numa pasta em que outros podem gravar, por isso não é usado</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is a link to a missing file in another folder, which is not created</source>
        <translation>é um link para um arquivo inexistente em outra pasta, que não é criado</translation>
    </message>
    <message>
        <source>it would be larger than %1 MiB</source>
        <translation>ficaria maior que %1 MiB</translation>
    </message>
    <message>
        <source>%1 is a link to a folder that does not exist</source>
        <translation>%1 é um link para uma pasta que não existe</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>é maior que %1 MiB</translation>
    </message>
</context>
<context>
    <name>SoundCuePlayer</name>
    <message>
        <source>Tomelor&apos;s cues</source>
        <translation>Sons do Tomelor</translation>
    </message>
    <message>
        <source>Tomelor: the sound library cannot be loaded (%1); the cues are silent.</source>
        <translation>Tomelor: a biblioteca de som não pode ser carregada (%1); os sons ficam em silêncio.</translation>
    </message>
    <message>
        <source>Tomelor: no sound server answers (%1); the cues are silent until one does.</source>
        <translation>Tomelor: nenhum servidor de som responde (%1); os sons ficam em silêncio até que um responda.</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>HOLY</source>
        <extracomment>The first line of the name in gilt on the cover of a Bible standing upright on the title picture; about 6 capitals fit.</extracomment>
        <translation>BÍBLIA</translation>
    </message>
    <message>
        <source>BIBLE</source>
        <extracomment>The second line of the name on the upright Bible&apos;s cover; about 6 capitals fit.</extracomment>
        <translation>SAGRADA</translation>
    </message>
    <message>
        <source>PSALMS</source>
        <extracomment>The book&apos;s name in gilt on the spine of a book lying in a pile on the title picture; about 9 capitals fit.</extracomment>
        <translation>SALMOS</translation>
    </message>
    <message>
        <source>GENESIS</source>
        <extracomment>The book&apos;s name on the spine of a book lying in the pile on the title picture; about 9 capitals fit.</extracomment>
        <translation>GÊNESIS</translation>
    </message>
    <message>
        <source>ISAIAH</source>
        <extracomment>The book&apos;s name on the spine of a book lying in the pile on the title picture; about 9 capitals fit.</extracomment>
        <translation>ISAÍAS</translation>
    </message>
    <message>
        <source>In the beginning God created the heaven and the earth. And the earth was without form, and void; and darkness was upon the face of the deep. And the Spirit of God moved upon the face of the waters.</source>
        <extracomment>The first two verses of Genesis, faded on an old page of the title picture; as the Bible of the language words them. Only the first six lines or so show.</extracomment>
        <translation>No princípio, criou Deus os céus e a terra. E a terra era sem forma e vazia; e havia trevas sobre a face do abismo; e o Espírito de Deus se movia sobre a face das águas.</translation>
    </message>
    <message>
        <source>the books of the Bible</source>
        <extracomment>The first line of what the game is about, in italics under its name on the title picture; about 22 letters fit. Together with the next line: &quot;the books of the Bible in their order&quot;.</extracomment>
        <translation>os livros da Bíblia</translation>
    </message>
    <message>
        <source>in their order</source>
        <extracomment>The second line under the game&apos;s name on the title picture; about 22 letters fit.</extracomment>
        <translation>em sua ordem</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Tomelor! Help</source>
        <translation>Ajuda do Tomelor!</translation>
    </message>
</context>
<context>
    <name>TProgressChart</name>
    <message>
        <source>cost points: never</source>
        <translation>custou pontos: nunca</translation>
    </message>
    <message>
        <source>every game</source>
        <translation>toda partida</translation>
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
        <translation>Abertura</translation>
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
        <translation>Licença</translation>
    </message>
    <message>
        <source>About Tomelor!</source>
        <translation>Sobre o Tomelor!</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>A game for learning the order of the books of the Bible.</source>
        <translation>Um jogo para aprender a ordem dos livros da Bíblia.</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Licenças</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>TfrmCongrats</name>
    <message>
        <source>New High Score</source>
        <translation>Novo recorde</translation>
    </message>
    <message>
        <source>Congratulations: a new high score</source>
        <translation>Parabéns: um novo recorde</translation>
    </message>
    <message>
        <source>Your initials</source>
        <translation>Suas iniciais</translation>
    </message>
    <message>
        <source>Up to three letters for the high-score table. Enter or Esc puts them there.</source>
        <translation>Até três letras para a tabela de recordes. Enter ou Esc as coloca lá.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Puts your initials on the high-score table.</source>
        <translation>Coloca suas iniciais na tabela de recordes.</translation>
    </message>
    <message>
        <source>Score %1: place %2 of the %3.</source>
        <translation>%L1 pontos: %2º lugar do %3.</translation>
    </message>
    <message>
        <source>%1 points: place %2 of the %3</source>
        <translation>%L1 pontos: %2º lugar do %3</translation>
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
        <translation>Com as dicas ligadas, uma descrição do próximo livro procurado.</translation>
    </message>
    <message>
        <source>Book value</source>
        <translation>Valor do livro</translation>
    </message>
    <message>
        <source>The points the wanted book earns if clicked now. It counts down while you search.</source>
        <translation>Os pontos que o livro procurado vale se clicado agora. O valor diminui enquanto você procura.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>The points of this game. A book clicked out of order costs 50.</source>
        <translation>Os pontos desta partida. Um livro clicado fora de ordem custa 50.</translation>
    </message>
    <message>
        <source>Chooses the books to put in order: the 39 of the Old Testament or the 27 of the New. It cannot be changed during a game.</source>
        <translation>Escolhe os livros a pôr em ordem: os 39 do Antigo Testamento ou os 27 do Novo. Não pode ser mudado durante uma partida.</translation>
    </message>
    <message>
        <source>While on, the status bar describes the book wanted next and each book is worth half. Switching on slows the countdown until the game ends.</source>
        <translation>Enquanto ligado, a barra de status descreve o próximo livro procurado e cada livro vale a metade. Ligá-lo deixa a contagem mais lenta até o fim da partida.</translation>
    </message>
    <message>
        <source>GO! scatters the books of the chosen testament in a pile; STOP ends the game.</source>
        <translation>VAI! espalha os livros do testamento escolhido numa pilha; PARAR termina a partida.</translation>
    </message>
    <message>
        <source>Display panel</source>
        <translation>Painel</translation>
    </message>
    <message>
        <source>Bookcase</source>
        <translation>Estante</translation>
    </message>
    <message>
        <source>Testament: %1</source>
        <translation>Testamento: %1</translation>
    </message>
    <message>
        <source>Hints: on</source>
        <translation>Dicas: ligadas</translation>
    </message>
    <message>
        <source>Hints: off</source>
        <translation>Dicas: desligadas</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>PARAR</translation>
    </message>
    <message>
        <source>GO!</source>
        <translation>VAI!</translation>
    </message>
    <message>
        <source>Pile</source>
        <translation>Pilha</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>P or Pause plays on</source>
        <translation>P ou Pause continua</translation>
    </message>
</context>
<context>
    <name>TfrmProgress</name>
    <message>
        <source>No %1 game yet. After each game, this page shows how long you took to find every book and which books cost you points, so that you know what to practise.</source>
        <translation>Nenhuma partida do %1 ainda. Após cada partida, esta página mostra quanto tempo você levou para achar cada livro e quais livros lhe custaram pontos, para você saber o que treinar.</translation>
    </message>
    <message>
        <source>Slowest: %1
Cost you most: %2</source>
        <translation>Mais lentos: %1
Custaram mais: %2</translation>
    </message>
    <message>
        <source>seconds on average</source>
        <translation>segundos em média</translation>
    </message>
    <message>
        <source>nothing yet</source>
        <translation>nada ainda</translation>
    </message>
    <message>
        <source>wrong clicks and time-outs a game</source>
        <translation>falhas por partida</translation>
    </message>
    <message>
        <source>nothing yet, not one wrong click or time-out</source>
        <translation>nada ainda, nenhum clique errado nem tempo esgotado</translation>
    </message>
    <message>
        <source>%1 seconds a book</source>
        <translation>%L1 segundos por livro</translation>
    </message>
    <message>
        <source>not played yet</source>
        <translation>sem partidas</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Chart of seconds per book</source>
        <translation>Gráfico de segundos por livro</translation>
    </message>
    <message>
        <source>The table below gives the same figures.</source>
        <translation>A tabela abaixo traz os mesmos números.</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Livro</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Average seconds</source>
        <translation>Segundos (média)</translation>
    </message>
    <message>
        <source>Wrong clicks</source>
        <translation>Cliques errados</translation>
    </message>
    <message>
        <source>Time-outs</source>
        <translation>Tempo esgotado</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Seção</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Livros</translation>
    </message>
    <message>
        <source>Seconds a book</source>
        <translation>Seg. por livro</translation>
    </message>
    <message>
        <source>&amp;Practise</source>
        <translation>&amp;Treinar</translation>
    </message>
    <message>
        <source>Closes this window and starts a game of the selected section alone. A practice score is never a high score.</source>
        <translation>Fecha esta janela e começa uma partida só com a seção selecionada. Pontos de treino nunca viram recorde.</translation>
    </message>
    <message>
        <source>&amp;Forget progress</source>
        <translation>&amp;Apagar progresso</translation>
    </message>
    <message>
        <source>Asks first, then clears the progress of both testaments. The high scores stay.</source>
        <translation>Pergunta antes e então apaga o progresso dos dois testamentos. Os recordes ficam.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Forget how every book went in your games of both testaments? Your high scores stay.</source>
        <translation>Apagar como foi cada livro em suas partidas dos dois testamentos? Seus recordes ficam.</translation>
    </message>
    <message>
        <source>%1, book by book</source>
        <translation>%1, livro por livro</translation>
    </message>
    <message>
        <source>%1: seconds to find each book</source>
        <translation>%1: segundos por livro</translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation>Nenhuma partida ainda</translation>
    </message>
    <message>
        <source>%1, section by section</source>
        <translation>%1, seção por seção</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Costliest: %1, %2. A section costs the average seconds of its books, and %3 seconds more for each wrong click or time-out a game. F3 in the main window practises the costliest.</source>
        <translation>Mais custosa: %1, %2. Uma seção custa a média de segundos de seus livros, mais %L3 segundos por clique errado ou tempo esgotado numa partida. F3 na janela principal treina a mais custosa.</translation>
    </message>
</context>
<context>
    <name>TfrmScores</name>
    <message>
        <source>%1 high scores</source>
        <translation>Recordes do %1</translation>
    </message>
    <message>
        <source>%1, place %2</source>
        <translation>%1, %2º lugar</translation>
    </message>
    <message>
        <source>%1, initials</source>
        <translation>%1, iniciais</translation>
    </message>
    <message>
        <source>Place %1, empty</source>
        <translation>%1º lugar, vazio</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>The five best of each testament: Tab or the arrow keys read the rows.</source>
        <translation>Os cinco melhores de cada testamento: Tab ou as setas leem as linhas.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Closes the high-score table.</source>
        <translation>Fecha a tabela de recordes.</translation>
    </message>
    <message>
        <source>%1; your score was not stored</source>
        <translation>%1; sua pontuação não foi guardada</translation>
    </message>
    <message>
        <source>Place %1, %2</source>
        <translation>%1º lugar, %L2</translation>
    </message>
    <message>
        <source>, new</source>
        <translation>, novo</translation>
    </message>
</context>
</TS>
