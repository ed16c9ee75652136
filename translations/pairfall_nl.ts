<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
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
        <translation>Klaveraas</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klavertwee</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klaverdrie</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klavervier</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klavervijf</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klaverzes</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klaverzeven</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klaveracht</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klavernegen</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klavertien</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klaverboer</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klavervrouw</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Klaverkoning</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruitenaas</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruitentwee</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruitendrie</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruitenvier</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruitenvijf</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruitenzes</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruitenzeven</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruitenacht</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruitennegen</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruitentien</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruitenboer</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruitenvrouw</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ruitenkoning</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hartenaas</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hartentwee</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hartendrie</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hartenvier</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hartenvijf</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hartenzes</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hartenzeven</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hartenacht</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hartennegen</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hartentien</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hartenboer</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hartenvrouw</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Hartenkoning</translation>
    </message>
    <message>
        <source>Ace of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Schoppenaas</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Schoppentwee</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Schoppendrie</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Schoppenvier</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Schoppenvijf</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Schoppenzes</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Schoppenzeven</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Schoppenacht</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Schoppennegen</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Schoppentien</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Schoppenboer</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Schoppenvrouw</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Schoppenkoning</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Ready</source>
        <extracomment>The status line of a new game, before its first card is dealt.</extracomment>
        <translation>Gereed</translation>
    </message>
    <message numerus="yes">
        <source>There are %n cards left</source>
        <extracomment>The status line after a deal: &quot;There are 51 cards left&quot;, also for one card.</extracomment>
        <translation>
            <numerusform>%n kaart over</numerusform>
            <numerusform>%n kaarten over</numerusform>
        </translation>
    </message>
    <message>
        <source>Would you like to play again?</source>
        <extracomment>Asked, with Yes and No, after a won game, and when a place is clicked once a game has ended.</extracomment>
        <translation>Wilt u nog een keer spelen?</translation>
    </message>
    <message>
        <source>Cards do NOT total 10</source>
        <extracomment>The rule message when the second number card clicked does not make 10 with the first.</extracomment>
        <translation>De kaarten tellen NIET op tot 10</translation>
    </message>
    <message>
        <source>You must select all four facecards.</source>
        <extracomment>The rule message when, with face cards selected, a card of another rank is clicked.</extracomment>
        <translation>U moet alle vier de plaatjes selecteren.</translation>
    </message>
    <message>
        <source>You lose, would you like to play again?</source>
        <extracomment>Asked, with Yes and No, when every place holds a card and no play is left.</extracomment>
        <translation>U hebt verloren. Wilt u nog een keer spelen?</translation>
    </message>
    <message>
        <source>You LOSE</source>
        <extracomment>The title of the question after a lost game.</extracomment>
        <translation>U hebt VERLOREN</translation>
    </message>
    <message>
        <source>You WIN</source>
        <extracomment>The title of the question after a won game.</extracomment>
        <translation>U hebt GEWONNEN</translation>
    </message>
    <message>
        <source>Empty place</source>
        <extracomment>What a screen reader calls a place on the table that holds no card.</extracomment>
        <translation>Lege plaats</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <extracomment>Shown by the Help menu&apos;s commands: the program comes without a help file.</extracomment>
        <translation>Kan de inhoud van de Help niet weergeven. Er is geen Help aan dit project gekoppeld.</translation>
    </message>
    <message>
        <source>Pairfall is already running but does not answer. Close it and try again.</source>
        <extracomment>Shown by a second start of the program when the running copy does not answer its request to come to the front.</extracomment>
        <translation>Pairfall is al gestart, maar reageert niet. Sluit het programma en probeer het opnieuw.</translation>
    </message>
</context>
<context>
    <name>QAccessibleActionInterface</name>
    <message>
        <source>Press</source>
        <extracomment>What a screen reader offers to do with a card place: press it, as a click does.</extracomment>
        <translation>Indrukken</translation>
    </message>
    <message>
        <source>SetFocus</source>
        <extracomment>What a screen reader offers to do with a card place: move the keyboard focus to it. Words, as the player hears them.</extracomment>
        <translation>Focus instellen</translation>
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
        <translation>&amp;Nee</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Space</source>
        <extracomment>The key that presses the focused card place, as a screen reader names it.</extracomment>
        <translation>Spatiebalk</translation>
    </message>
</context>
<context>
    <name>ResultSpeech</name>
    <message>
        <source>selected</source>
        <extracomment>Follows a card&apos;s name, of any rank and suit: &quot;Queen of Hearts, selected&quot;, or alone after the name the screen reader has just read. A form that agrees with every card, or none that changes with it.</extracomment>
        <translation>geselecteerd</translation>
    </message>
    <message>
        <source>not selected</source>
        <extracomment>Follows a card&apos;s name, of any rank and suit, when its selection is put back or cleared: &quot;Queen of Hearts, not selected&quot;, or alone. A form that agrees with every card, or none that changes with it.</extracomment>
        <translation>niet geselecteerd</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A card with its place (&quot;Five of Clubs, row 2, place 3&quot;), then &quot;selected&quot; or &quot;not selected&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 (selected)</source>
        <extracomment>A card on the table that the player has selected, as the table key reads it: &quot;Queen of Hearts (selected)&quot;. A form that agrees with every card, or none that changes with it.</extracomment>
        <translation>%1 (geselecteerd)</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Two places of one row, as the table key reads them.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <extracomment>Spoken by the table key: a row&apos;s number, then its four places from the left.</extracomment>
        <translation>Rij %1: %2</translation>
    </message>
    <message>
        <source>%1, row %2, place %3</source>
        <extracomment>A card, then the place it lies in: &quot;Six of Hearts, row 2, place 3&quot;. The card comes first, so that a player who cuts the speech short has heard it.</extracomment>
        <translation>%1, rij %2, plaats %3</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>An empty place in a row that also holds cards, as the table key reads it: &quot;Row 1: Six of Hearts; empty; empty; Four of Clubs&quot;. One word, agreeing with &quot;place&quot;.</extracomment>
        <translation>leeg</translation>
    </message>
    <message>
        <source>Row %1: empty</source>
        <extracomment>Spoken by the table key for a row whose four places are all empty.</extracomment>
        <translation>Rij %1: leeg</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <extracomment>An error&apos;s name: a number too large for the program (a count in the settings, say).</extracomment>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <extracomment>An error&apos;s name: a text where the program expects a number (in the settings, say).</extracomment>
        <translation>Typen komen niet overeen</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Deling door nul</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <extracomment>An error&apos;s name: the program asked for an item past the end of a list (a place on the table, a card).</extracomment>
        <translation>Subscript valt buiten het bereik</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Onvoldoende geheugen</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>Bestand niet gevonden: %1</translation>
    </message>
    <message>
        <source>The picture %1 could not be read: %2</source>
        <extracomment>%1 is a card picture&apos;s path, %2 the reason Qt&apos;s picture reader gives (in English).</extracomment>
        <translation>De afbeelding %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>The picture %1 could not be read: the file is cut short</source>
        <extracomment>%1 is a card picture&apos;s path.</extracomment>
        <translation>De afbeelding %1 kan niet worden gelezen: het bestand is onvolledig</translation>
    </message>
    <message>
        <source>The picture %1 could not be read: it is %2 x %3 pixels, not %4 x %5</source>
        <extracomment>%1 is a card picture&apos;s path; %2 x %3 its width and height, %4 x %5 those it must have.</extracomment>
        <translation>De afbeelding %1 kan niet worden gelezen: deze is %2 x %3 pixels in plaats van %4 x %5</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: the file cannot be written (it may be read-only, a folder may stand in its place, or the disk may be full).</source>
        <extracomment>%1 is the settings file&apos;s path.</extracomment>
        <translation>De instellingen kunnen niet worden opgeslagen in %1: er kan niet naar het bestand worden geschreven (het is mogelijk alleen-lezen, er staat mogelijk een map op die plaats, of de schijf is mogelijk vol).</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: the registry key cannot be written (access to it may be denied, or the registry may be full).</source>
        <extracomment>%1 is the settings&apos; key in the Windows registry.</extracomment>
        <translation>De instellingen kunnen niet worden opgeslagen in %1: er kan niet naar de registersleutel worden geschreven (de toegang is mogelijk geweigerd, of het register is mogelijk vol).</translation>
    </message>
    <message>
        <source>The help viewer could not be started for %1</source>
        <extracomment>%1 is the help file&apos;s path.</extracomment>
        <translation>De Help-viewer kan niet worden gestart voor %1</translation>
    </message>
    <message>
        <source>The help viewer could not be found (%1 in %2)</source>
        <extracomment>%1 is the name of the Windows function that shows help, %2 the library that should hold it.</extracomment>
        <translation>De Help-viewer is niet gevonden (%1 in %2)</translation>
    </message>
    <message>
        <source>%1 in the setting %2: &quot;%3&quot;</source>
        <extracomment>%1 is an error (its name or message), %2 a stored setting&apos;s name (&quot;Stats/TotalGames&quot;), %3 the text stored there; put the language&apos;s own quote marks around %3.</extracomment>
        <translation>%1 in de instelling %2: “%3”</translation>
    </message>
</context>
<context>
    <name>StandIn</name>
    <message>
        <source>missing
picture</source>
        <extracomment>Written in two short lines on the grey card drawn for a missing card picture: 63 pixels wide, 8 pixels high.</extracomment>
        <translation>afbeelding
ontbreekt</translation>
    </message>
</context>
<context>
    <name>pairfall::SlotPicture</name>
    <message>
        <source>Row %1, place %2</source>
        <extracomment>How a screen reader tells where a card place is: its row (1 to 3), then its place in the row from the left (1 to 4).</extracomment>
        <translation>Rij %1, plaats %2</translation>
    </message>
</context>
<context>
    <name>pairfall::Table</name>
    <message>
        <source>Table</source>
        <extracomment>What a screen reader calls the playing table, the group of the twelve card places.</extracomment>
        <translation>Tafel</translation>
    </message>
</context>
<context>
    <name>pairfall::frmAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <extracomment>The About window&apos;s version before it opens: major and minor number.</extracomment>
        <translation>Versie %1.%2</translation>
    </message>
    <message>
        <source>App Description</source>
        <extracomment>A caption shown as it stands in the About window, where a program&apos;s description would go: translate these two words, write no description.</extracomment>
        <translation>Programmabeschrijving</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>The About window&apos;s version: major, minor and revision number.</extracomment>
        <translation>Versie %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>pairfall::frmGameStats</name>
    <message>
        <source>Game Stats</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <extracomment>A caption of Game Stats, shown and also spoken before its value: written out, without an abbreviation or a symbol.</extracomment>
        <translation>Gespeeld:</translation>
    </message>
    <message>
        <source>Total Wins:</source>
        <extracomment>A caption of Game Stats, shown and also spoken before its value: written out, without an abbreviation or a symbol.</extracomment>
        <translation>Gewonnen:</translation>
    </message>
    <message>
        <source>Total Losses:</source>
        <extracomment>A caption of Game Stats, shown and also spoken before its value: written out, without an abbreviation or a symbol.</extracomment>
        <translation>Verloren:</translation>
    </message>
    <message>
        <source>Avg Number of Cards Left:</source>
        <extracomment>A caption of Game Stats, shown and also spoken before its value: written out, without an abbreviation or a symbol.</extracomment>
        <translation>Gemiddeld kaarten over:</translation>
    </message>
    <message>
        <source>Reset Game Stats</source>
        <translation>Statistieken wissen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
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
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>&amp;Game Stats</source>
        <translation>S&amp;tatistieken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Af&amp;sluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;Search For Help On...</source>
        <translation>&amp;Zoeken in Help...</translation>
    </message>
    <message>
        <source>&amp;About %1...</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>&amp;Over %1...</translation>
    </message>
    <message>
        <source>Some saved settings could not be read; their defaults are used instead:</source>
        <extracomment>Heads the list of stored settings that could not be read at start, one a line with its error.</extracomment>
        <translation>Sommige opgeslagen instellingen konden niet worden gelezen; in plaats daarvan worden de standaardwaarden gebruikt:</translation>
    </message>
    <message>
        <source>Some saved statistics could not be read back; the counts of this run are kept:</source>
        <extracomment>Heads the list of stored statistics that Game Stats could not read back, one a line with its error; the counts shown are those the program kept.</extracomment>
        <translation>Sommige opgeslagen statistieken konden niet worden teruggelezen; de tellingen van deze sessie blijven behouden:</translation>
    </message>
</context>
</TS>
