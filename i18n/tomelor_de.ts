<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Catalogue</name>
    <message>
        <source>New Testament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old Testament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genesis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exodus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leviticus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deuteronomy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joshua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Judges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ruth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I Samuel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>II Samuel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I Kings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>II Kings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I Chronicles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>II Chronicles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ezra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nehemiah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esther</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Psalms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proverbs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ecclesiastes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song of Solomon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isaiah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jeremiah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lamentations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ezekiel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daniel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hosea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obadiah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jonah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Micah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nahum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Habakkuk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zephaniah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Haggai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zechariah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malachi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matthew</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>John</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Romans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I Corinthians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>II Corinthians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Galatians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ephesians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Philippians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colossians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I Thessalonians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>II Thessalonians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I Timothy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>II Timothy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Titus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Philemon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hebrews</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>James</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I Peter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>II Peter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I John</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>II John</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>III John</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revelation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Catalogue short name</name>
    <message>
        <source>Gen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lev</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Josh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Judg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ruth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I Sam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>II Sam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I Kgs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>II Kgs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I Chr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>II Chr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ezra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prov</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eccl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ezek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jonah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>John</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I Cor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>II Cor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Col</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I Thess</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>II Thess</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I Tim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>II Tim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Titus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phlm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I Pet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>II Pet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I John</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>II John</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>III John</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rev</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameApplication</name>
    <message>
        <source>%1; your progress was not stored</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>God creates the world</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Hebrews leave Egypt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Hebrews worship God</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Hebrews wander around for several years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moses lays down the law</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>He led the conquering of the Promised Land</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13 people who took over Joshua’s role</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>She was loyal to God in Moab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>David defeats Goliath</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>David rules his kingdom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kingdom is united, then divided</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fall of Israel and Judah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ancestry of David</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solomon rules Jerusalem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>He rebuilds the temple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>He sees the walls rebuilt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The girl who became queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The suffering of a righteous man</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Praises from David</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sayings from Solomon and other wise men</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solomon’s thoughts on life</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poems from Solomon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Great prophet in Judah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>He predicted the fall of Jerusalem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jeremiah mourns for Jerusalem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prophet who encouraged faith</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Survived the lion’s den</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prophet who knew God’s relation with Israel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A prophet’s tale of desolation and restoration of Judah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>He wrote about judgement and restoration of Israel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>He wrote about the doom of Edom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>He was swallowed by a fish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>He wrote about judgement and the kingdom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>He wrote about Nineveh’s destruction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>He prophesied about the invasion by the Chaldeans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>He prophesied about the day of the Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>He prophesied about the rebuilding of the temple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>He prophesied about the reign of Christ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>He prophesied about John the Baptist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>He was a tax collector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shortest gospel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>He was a doctor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disciple whom Jesus loved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting up the first Church</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first of Paul’s Epistles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter regarding Christian conduct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paul explains himself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to be saved by Grace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put on the full armor of God</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I can do everything through him who gives me strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discusses the roles of family members</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter telling people to &quot;mind their own business&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paul instructs them to &quot;stand firm&quot; in the teachings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to run your Church</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>States that all scripture is &quot;God-breathed&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives guidelines for elders and ministers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An appeal for Onesimus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Big book of faith</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practical applications of the Gospel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Includes advice on &quot;submission&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;The day of the Lord will come like a thief&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Love one another</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue teaching in your walk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Happy that his friends are &quot;walking in truth&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning against false teachers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>John’s vision</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Narration</name>
    <message>
        <source> Hint: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 game: %2 books in the pile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Hints on, at full speed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Hints on, slowed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong book: minus %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong book. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time is up: %1 shelved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice: %1, 1 book in the pile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice: %1, %2 books in the pile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hints off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hints on: half value, slower countdown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No book starts with %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game over: score %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice over: %1, %2 of %3 books found, score %4.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sections</name>
    <message>
        <source>Law</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poetry and Wisdom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Major Prophets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minor Prophets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gospels and Acts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paul&apos;s letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other letters and Revelation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>user %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is being saved by another copy of the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another user, %1, holds its lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its lock %1 is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has to be rewritten where it lies, and there is nowhere to keep a copy of it meanwhile (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neither XDG_STATE_HOME nor HOME is set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no copy of it could be kept while it is rewritten where it lies: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no configuration folder (neither XDG_CONFIG_HOME nor HOME is set)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; cannot be stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it lies behind a link made by another user, which is not followed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 belongs to another user in a folder others may write, so it is not used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link to a missing file in another folder, which is not created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it would be larger than %1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a link to a folder that does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Tomelor! Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProgressChart</name>
    <message>
        <source>cost points: never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>last game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSplash</name>
    <message>
        <source>Splash</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmCongrats</name>
    <message>
        <source>New High Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations: a new high score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your initials</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up to three letters for the high-score table. Enter or Esc puts them there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts your initials on the high-score table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score %1: place %2 of the %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Tomelor!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With hints on, a description of the book wanted next.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Book value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The points the wanted book earns if clicked now. It counts down while you search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The points of this game. A book clicked out of order costs 50.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the books to put in order: the 39 of the Old Testament or the 27 of the New. It cannot be changed during a game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While on, the status bar describes the book wanted next and each book is worth half. Switching on slows the countdown until the game ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GO! scatters the books of the chosen testament in a pile; STOP ends the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bookcase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testament: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hints: on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hints: off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STOP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GO!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pile</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmProgress</name>
    <message>
        <source>No %1 game yet. After each game, this page shows how long you took to find every book and which books cost you points, so that you know what to practise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slowest: %1
Cost you most: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seconds on average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong clicks and time-outs a game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing yet, not one wrong click or time-out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seconds a book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not played yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart of seconds per book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table below gives the same figures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong clicks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time-outs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Books</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds a book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Practise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes this window and starts a game of the selected section alone. A practice score is never a high score.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forget progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asks first, then clears the progress of both testaments. The high scores stay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget how every book went in your games of both testaments? Your high scores stay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, book by book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: seconds to find each book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, section by section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Costliest: %1, %2. A section costs the average seconds of its books, and %3 seconds more for each wrong click or time-out a game. F3 in the main window practises the costliest.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmScores</name>
    <message>
        <source>%1 high scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, place %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, initials</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place %1, empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The five best of each testament: Tab or the arrow keys read the rows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the high-score table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; your score was not stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
