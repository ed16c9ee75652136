<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>Announcer</name>
    <message>
        <source>%1. %2</source>
        <comment>two texts spoken one after the other as sentences</comment>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>CardNames</name>
    <message>
        <source>Ace of Clubs</source>
        <translation>Klöver ess</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>Klöver två</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>Klöver tre</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>Klöver fyra</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>Klöver fem</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>Klöver sex</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>Klöver sju</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>Klöver åtta</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>Klöver nio</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>Klöver tio</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>Klöver knekt</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>Klöver dam</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>Klöver kung</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>Ruter ess</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>Ruter två</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>Ruter tre</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>Ruter fyra</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>Ruter fem</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>Ruter sex</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>Ruter sju</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>Ruter åtta</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>Ruter nio</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>Ruter tio</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>Ruter knekt</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>Ruter dam</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>Ruter kung</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>Hjärter ess</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>Hjärter två</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>Hjärter tre</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>Hjärter fyra</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>Hjärter fem</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>Hjärter sex</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>Hjärter sju</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>Hjärter åtta</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>Hjärter nio</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>Hjärter tio</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>Hjärter knekt</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>Hjärter dam</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>Hjärter kung</translation>
    </message>
    <message>
        <source>Ace of Spades</source>
        <translation>Spader ess</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>Spader två</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>Spader tre</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>Spader fyra</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>Spader fem</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>Spader sex</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>Spader sju</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>Spader åtta</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>Spader nio</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>Spader tio</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>Spader knekt</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>Spader dam</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>Spader kung</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Ready</source>
        <translation>Klar</translation>
    </message>
    <message numerus="yes">
        <source>There are %n cards left</source>
        <translation>
            <numerusform>%n kort kvar</numerusform>
            <numerusform>%n kort kvar</numerusform>
        </translation>
    </message>
    <message>
        <source>Would you like to play again?</source>
        <translation>Vill du spela igen?</translation>
    </message>
    <message>
        <source>Cards do NOT total 10</source>
        <translation>Korten blir INTE 10 tillsammans</translation>
    </message>
    <message>
        <source>You must select all four facecards.</source>
        <translation>Du måste markera alla fyra klädda kort.</translation>
    </message>
    <message>
        <source>You lose, would you like to play again?</source>
        <translation>Du förlorade. Vill du spela igen?</translation>
    </message>
    <message>
        <source>You LOSE</source>
        <translation>Du FÖRLORADE</translation>
    </message>
    <message>
        <source>You WIN</source>
        <translation>Du VANN</translation>
    </message>
    <message>
        <source>Empty place</source>
        <translation>Tom plats</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Det går inte att visa hjälpinnehållet. Det finns ingen hjälp kopplad till det här projektet.</translation>
    </message>
    <message>
        <source>Pairfall is already running but does not answer. Close it and try again.</source>
        <translation>Pairfall körs redan men svarar inte. Stäng programmet och försök igen.</translation>
    </message>
</context>
<context>
    <name>QAccessibleActionInterface</name>
    <message>
        <source>Press</source>
        <translation>Tryck</translation>
    </message>
    <message>
        <source>SetFocus</source>
        <translation>Sätt fokus</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Space</source>
        <translation>Blanksteg</translation>
    </message>
</context>
<context>
    <name>ResultSpeech</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A place on the table (&quot;Row 2, place 3&quot;), then what lies there now or what happened to it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>selected</source>
        <extracomment>Spoken when the player selects a card.</extracomment>
        <translation>markerat</translation>
    </message>
    <message>
        <source>not selected</source>
        <extracomment>Spoken when a selected card is put back, or its selection is cleared.</extracomment>
        <translation>inte markerat</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A place with its card (&quot;Row 2, place 3: Five of Clubs&quot;), then &quot;selected&quot; or &quot;not selected&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 (selected)</source>
        <extracomment>A card on the table that the player has selected, as the table key reads it.</extracomment>
        <translation>%1 (markerat)</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Two places of one row, as the table key reads them.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <extracomment>Spoken by the table key: a row&apos;s number, then its four places from the left.</extracomment>
        <translation>Rad %1: %2</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Spill</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Inkompatibla typer</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division med noll</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indexet är utanför intervallet</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Slut på minne</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Filen hittades inte: %1</translation>
    </message>
    <message>
        <source>The picture %1 could not be read: %2</source>
        <translation>Det gick inte att läsa bilden %1: %2</translation>
    </message>
    <message>
        <source>The picture %1 could not be read: the file is cut short</source>
        <translation>Det gick inte att läsa bilden %1: filen är ofullständig</translation>
    </message>
    <message>
        <source>The picture %1 could not be read: it is %2 x %3 pixels, not %4 x %5</source>
        <translation>Det gick inte att läsa bilden %1: den är %2 x %3 pixlar i stället för %4 x %5</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: the file cannot be written (it may be read-only, a folder may stand in its place, or the disk may be full).</source>
        <translation>Det gick inte att spara inställningarna i %1: det går inte att skriva till filen (den kan vara skrivskyddad, en mapp kan finnas på dess plats eller så kan disken vara full).</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: the registry key cannot be written (access to it may be denied, or the registry may be full).</source>
        <translation>Det gick inte att spara inställningarna i %1: det går inte att skriva till registernyckeln (åtkomst kan ha nekats eller så kan registret vara fullt).</translation>
    </message>
    <message>
        <source>The help viewer could not be started for %1</source>
        <translation>Det gick inte att starta hjälpvisaren för %1</translation>
    </message>
    <message>
        <source>The help viewer could not be found (%1 in %2)</source>
        <translation>Hjälpvisaren hittades inte (%1 i %2)</translation>
    </message>
    <message>
        <source>%1 in the setting %2: &quot;%3&quot;</source>
        <translation>%1 i inställningen %2: ”%3”</translation>
    </message>
</context>
<context>
    <name>StandIn</name>
    <message>
        <source>missing
picture</source>
        <translation>bild
saknas</translation>
    </message>
</context>
<context>
    <name>pairfall::SlotPicture</name>
    <message>
        <source>Row %1, place %2</source>
        <translation>Rad %1, plats %2</translation>
    </message>
</context>
<context>
    <name>pairfall::Table</name>
    <message>
        <source>Table</source>
        <translation>Bord</translation>
    </message>
</context>
<context>
    <name>pairfall::frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Om %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Version %1.%2</translation>
    </message>
    <message>
        <source>App Description</source>
        <translation>Programbeskrivning</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>pairfall::frmGameStats</name>
    <message>
        <source>Game Stats</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Antal spel:</translation>
    </message>
    <message>
        <source>Total Wins:</source>
        <translation>Vinster:</translation>
    </message>
    <message>
        <source>Total Losses:</source>
        <translation>Förluster:</translation>
    </message>
    <message>
        <source>Avg Number of Cards Left:</source>
        <translation>Kort kvar i snitt:</translation>
    </message>
    <message>
        <source>Reset Game Stats</source>
        <translation>Nollställ statistik</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A caption of Game Stats (&quot;Total Wins:&quot;), then its value, as a screen reader speaks them.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>pairfall::frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nytt spel</translation>
    </message>
    <message>
        <source>&amp;Game Stats</source>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Innehåll</translation>
    </message>
    <message>
        <source>&amp;Search For Help On...</source>
        <translation>&amp;Sök efter hjälp om...</translation>
    </message>
    <message>
        <source>&amp;About %1...</source>
        <translation>&amp;Om %1...</translation>
    </message>
    <message>
        <source>Some saved settings could not be read; their defaults are used instead:</source>
        <translation>Vissa sparade inställningar kunde inte läsas; standardvärdena används i stället:</translation>
    </message>
    <message>
        <source>Some saved statistics could not be read back; the counts of this run are kept:</source>
        <translation>Viss sparad statistik kunde inte läsas in igen; räknarna från den här sessionen behålls:</translation>
    </message>
</context>
</TS>
