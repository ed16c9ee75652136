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
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klöver ess</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klöver två</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klöver tre</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klöver fyra</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klöver fem</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klöver sex</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klöver sju</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klöver åtta</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klöver nio</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klöver tio</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klöver knekt</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klöver dam</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klöver kung</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruter ess</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruter två</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruter tre</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruter fyra</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruter fem</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruter sex</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruter sju</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruter åtta</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruter nio</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruter tio</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruter knekt</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruter dam</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruter kung</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hjärter ess</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hjärter två</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hjärter tre</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hjärter fyra</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hjärter fem</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hjärter sex</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hjärter sju</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hjärter åtta</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hjärter nio</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hjärter tio</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hjärter knekt</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hjärter dam</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hjärter kung</translation>
    </message>
    <message>
        <source>Ace of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Spader ess</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Spader två</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Spader tre</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Spader fyra</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Spader fem</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Spader sex</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Spader sju</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Spader åtta</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Spader nio</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Spader tio</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Spader knekt</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Spader dam</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Spader kung</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Ready</source>
        <extracomment>The status line of a new game, before its first card is dealt.</extracomment>
        <translation>Klar</translation>
    </message>
    <message numerus="yes">
        <source>There are %n cards left</source>
        <extracomment>The status line after a deal: &quot;There are 51 cards left&quot;, also for one card.</extracomment>
        <translation>
            <numerusform>%n kort kvar</numerusform>
            <numerusform>%n kort kvar</numerusform>
        </translation>
    </message>
    <message>
        <source>Would you like to play again?</source>
        <extracomment>Asked, with Yes and No, after a won game, and when a place is clicked once a game has ended.</extracomment>
        <translation>Vill du spela igen?</translation>
    </message>
    <message>
        <source>Cards do NOT total 10</source>
        <extracomment>The rule message when the second number card clicked does not make 10 with the first.</extracomment>
        <translation>Korten blir INTE 10 tillsammans</translation>
    </message>
    <message>
        <source>You must select all four facecards.</source>
        <extracomment>The rule message when, with face cards selected, a card of another rank is clicked.</extracomment>
        <translation>Du måste markera alla fyra klädda kort.</translation>
    </message>
    <message>
        <source>You lose, would you like to play again?</source>
        <extracomment>Asked, with Yes and No, when every place holds a card and no play is left.</extracomment>
        <translation>Du förlorade. Vill du spela igen?</translation>
    </message>
    <message>
        <source>You LOSE</source>
        <extracomment>The title of the question after a lost game.</extracomment>
        <translation>Du FÖRLORADE</translation>
    </message>
    <message>
        <source>You WIN</source>
        <extracomment>The title of the question after a won game.</extracomment>
        <translation>Du VANN</translation>
    </message>
    <message>
        <source>Empty place</source>
        <extracomment>What a screen reader calls a place on the table that holds no card.</extracomment>
        <translation>Tom plats</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <extracomment>Shown by the Help menu&apos;s commands: the program comes without a help file.</extracomment>
        <translation>Det går inte att visa hjälpinnehållet. Det finns ingen hjälp kopplad till det här projektet.</translation>
    </message>
    <message>
        <source>Pairfall is already running but does not answer. Close it and try again.</source>
        <extracomment>Shown by a second start of the program when the running copy does not answer its request to come to the front.</extracomment>
        <translation>Pairfall körs redan men svarar inte. Stäng programmet och försök igen.</translation>
    </message>
</context>
<context>
    <name>QAccessibleActionInterface</name>
    <message>
        <source>Press</source>
        <extracomment>What a screen reader offers to do with a card place: press it, as a click does.</extracomment>
        <translation>Tryck</translation>
    </message>
    <message>
        <source>SetFocus</source>
        <extracomment>What a screen reader offers to do with a card place: move the keyboard focus to it. Words, as the player hears them.</extracomment>
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
        <extracomment>The key that presses the focused card place, as a screen reader names it.</extracomment>
        <translation>Blanksteg</translation>
    </message>
</context>
<context>
    <name>ResultSpeech</name>
    <message>
        <source>selected</source>
        <extracomment>Follows a card&apos;s name, of any rank and suit: &quot;Queen of Hearts, selected&quot;, or alone after the name the screen reader has just read. A form that agrees with every card, or none that changes with it.</extracomment>
        <translation>markerat</translation>
    </message>
    <message>
        <source>not selected</source>
        <extracomment>Follows a card&apos;s name, of any rank and suit, when its selection is put back or cleared: &quot;Queen of Hearts, not selected&quot;, or alone. A form that agrees with every card, or none that changes with it.</extracomment>
        <translation>inte markerat</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A card with its place (&quot;Five of Clubs, row 2, place 3&quot;), then &quot;selected&quot; or &quot;not selected&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 (selected)</source>
        <extracomment>A card on the table that the player has selected, as the table key reads it: &quot;Queen of Hearts (selected)&quot;. A form that agrees with every card, or none that changes with it.</extracomment>
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
    <message>
        <source>%1, row %2, place %3</source>
        <extracomment>A card, then the place it lies in: &quot;Six of Hearts, row 2, place 3&quot;. The card comes first, so that a player who cuts the speech short has heard it.</extracomment>
        <translation>%1, rad %2, plats %3</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>An empty place in a row that also holds cards, as the table key reads it: &quot;Row 1: Six of Hearts; empty; empty; Four of Clubs&quot;. One word, agreeing with &quot;place&quot;.</extracomment>
        <translation>tom</translation>
    </message>
    <message>
        <source>Row %1: empty</source>
        <extracomment>Spoken by the table key for a row whose four places are all empty.</extracomment>
        <translation>Rad %1: tom</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <extracomment>An error&apos;s name: a number too large for the program (a count in the settings, say).</extracomment>
        <translation>Spill</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <extracomment>An error&apos;s name: a text where the program expects a number (in the settings, say).</extracomment>
        <translation>Inkompatibla typer</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division med noll</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <extracomment>An error&apos;s name: the program asked for an item past the end of a list (a place on the table, a card).</extracomment>
        <translation>Indexet är utanför intervallet</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Slut på minne</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>Filen hittades inte: %1</translation>
    </message>
    <message>
        <source>The picture %1 could not be read: %2</source>
        <extracomment>%1 is a card picture&apos;s path, %2 the reason Qt&apos;s picture reader gives (in English).</extracomment>
        <translation>Det gick inte att läsa bilden %1: %2</translation>
    </message>
    <message>
        <source>The picture %1 could not be read: the file is cut short</source>
        <extracomment>%1 is a card picture&apos;s path.</extracomment>
        <translation>Det gick inte att läsa bilden %1: filen är ofullständig</translation>
    </message>
    <message>
        <source>The picture %1 could not be read: it is %2 x %3 pixels, not %4 x %5</source>
        <extracomment>%1 is a card picture&apos;s path; %2 x %3 its width and height, %4 x %5 those it must have.</extracomment>
        <translation>Det gick inte att läsa bilden %1: den är %2 x %3 pixlar i stället för %4 x %5</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: the file cannot be written (it may be read-only, a folder may stand in its place, or the disk may be full).</source>
        <extracomment>%1 is the settings file&apos;s path.</extracomment>
        <translation>Det gick inte att spara inställningarna i %1: det går inte att skriva till filen (den kan vara skrivskyddad, en mapp kan finnas på dess plats eller så kan disken vara full).</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: the registry key cannot be written (access to it may be denied, or the registry may be full).</source>
        <extracomment>%1 is the settings&apos; key in the Windows registry.</extracomment>
        <translation>Det gick inte att spara inställningarna i %1: det går inte att skriva till registernyckeln (åtkomst kan ha nekats eller så kan registret vara fullt).</translation>
    </message>
    <message>
        <source>The help viewer could not be started for %1</source>
        <extracomment>%1 is the help file&apos;s path.</extracomment>
        <translation>Det gick inte att starta hjälpvisaren för %1</translation>
    </message>
    <message>
        <source>The help viewer could not be found (%1 in %2)</source>
        <extracomment>%1 is the name of the Windows function that shows help, %2 the library that should hold it.</extracomment>
        <translation>Hjälpvisaren hittades inte (%1 i %2)</translation>
    </message>
    <message>
        <source>%1 in the setting %2: &quot;%3&quot;</source>
        <extracomment>%1 is an error (its name or message), %2 a stored setting&apos;s name (&quot;Stats/TotalGames&quot;), %3 the text stored there; put the language&apos;s own quote marks around %3.</extracomment>
        <translation>%1 i inställningen %2: ”%3”</translation>
    </message>
</context>
<context>
    <name>StandIn</name>
    <message>
        <source>missing
picture</source>
        <extracomment>Written in two short lines on the grey card drawn for a missing card picture: 63 pixels wide, 8 pixels high.</extracomment>
        <translation>bild
saknas</translation>
    </message>
</context>
<context>
    <name>pairfall::SlotPicture</name>
    <message>
        <source>Row %1, place %2</source>
        <extracomment>How a screen reader tells where a card place is: its row (1 to 3), then its place in the row from the left (1 to 4).</extracomment>
        <translation>Rad %1, plats %2</translation>
    </message>
</context>
<context>
    <name>pairfall::Table</name>
    <message>
        <source>Table</source>
        <extracomment>What a screen reader calls the playing table, the group of the twelve card places.</extracomment>
        <translation>Bord</translation>
    </message>
</context>
<context>
    <name>pairfall::frmAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>Om %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <extracomment>The About window&apos;s version before it opens: major and minor number.</extracomment>
        <translation>Version %1.%2</translation>
    </message>
    <message>
        <source>App Description</source>
        <extracomment>A caption shown as it stands in the About window, where a program&apos;s description would go: translate these two words, write no description.</extracomment>
        <translation>Programbeskrivning</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>The About window&apos;s version: major, minor and revision number.</extracomment>
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
        <extracomment>A caption of Game Stats, shown and also spoken before its value: written out, without an abbreviation or a symbol.</extracomment>
        <translation>Antal spel:</translation>
    </message>
    <message>
        <source>Total Wins:</source>
        <extracomment>A caption of Game Stats, shown and also spoken before its value: written out, without an abbreviation or a symbol.</extracomment>
        <translation>Vinster:</translation>
    </message>
    <message>
        <source>Total Losses:</source>
        <extracomment>A caption of Game Stats, shown and also spoken before its value: written out, without an abbreviation or a symbol.</extracomment>
        <translation>Förluster:</translation>
    </message>
    <message>
        <source>Avg Number of Cards Left:</source>
        <extracomment>A caption of Game Stats, shown and also spoken before its value: written out, without an abbreviation or a symbol.</extracomment>
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
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>&amp;Om %1...</translation>
    </message>
    <message>
        <source>Some saved settings could not be read; their defaults are used instead:</source>
        <extracomment>Heads the list of stored settings that could not be read at start, one a line with its error.</extracomment>
        <translation>Vissa sparade inställningar kunde inte läsas; standardvärdena används i stället:</translation>
    </message>
    <message>
        <source>Some saved statistics could not be read back; the counts of this run are kept:</source>
        <extracomment>Heads the list of stored statistics that Game Stats could not read back, one a line with its error; the counts shown are those the program kept.</extracomment>
        <translation>Viss sparad statistik kunde inte läsas in igen; räknarna från den här sessionen behålls:</translation>
    </message>
</context>
</TS>
