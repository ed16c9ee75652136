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
        <translation>Klaveraas</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>Klavertwee</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>Klaverdrie</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>Klavervier</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>Klavervijf</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>Klaverzes</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>Klaverzeven</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>Klaveracht</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>Klavernegen</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>Klavertien</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>Klaverboer</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>Klavervrouw</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>Klaverkoning</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>Ruitenaas</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>Ruitentwee</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>Ruitendrie</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>Ruitenvier</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>Ruitenvijf</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>Ruitenzes</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>Ruitenzeven</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>Ruitenacht</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>Ruitennegen</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>Ruitentien</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>Ruitenboer</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>Ruitenvrouw</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>Ruitenkoning</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>Hartenaas</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>Hartentwee</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>Hartendrie</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>Hartenvier</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>Hartenvijf</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>Hartenzes</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>Hartenzeven</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>Hartenacht</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>Hartennegen</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>Hartentien</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>Hartenboer</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>Hartenvrouw</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>Hartenkoning</translation>
    </message>
    <message>
        <source>Ace of Spades</source>
        <translation>Schoppenaas</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>Schoppentwee</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>Schoppendrie</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>Schoppenvier</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>Schoppenvijf</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>Schoppenzes</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>Schoppenzeven</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>Schoppenacht</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>Schoppennegen</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>Schoppentien</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>Schoppenboer</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>Schoppenvrouw</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>Schoppenkoning</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message numerus="yes">
        <source>There are %n cards left</source>
        <translation>
            <numerusform>Nog %n kaart over</numerusform>
            <numerusform>Nog %n kaarten over</numerusform>
        </translation>
    </message>
    <message>
        <source>Would you like to play again?</source>
        <translation>Wilt u nog een keer spelen?</translation>
    </message>
    <message>
        <source>Cards do NOT total 10</source>
        <translation>De kaarten tellen NIET op tot 10</translation>
    </message>
    <message>
        <source>You must select all four facecards.</source>
        <translation>U moet alle vier de plaatjes selecteren.</translation>
    </message>
    <message>
        <source>You lose, would you like to play again?</source>
        <translation>U hebt verloren. Wilt u nog een keer spelen?</translation>
    </message>
    <message>
        <source>You LOSE</source>
        <translation>U hebt VERLOREN</translation>
    </message>
    <message>
        <source>You WIN</source>
        <translation>U hebt GEWONNEN</translation>
    </message>
    <message>
        <source>Empty place</source>
        <translation>Lege plaats</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Kan de inhoud van de Help niet weergeven. Er is geen Help aan dit project gekoppeld.</translation>
    </message>
    <message>
        <source>Pairfall is already running but does not answer. Close it and try again.</source>
        <translation>Pairfall is al gestart, maar reageert niet. Sluit het programma en probeer het opnieuw.</translation>
    </message>
</context>
<context>
    <name>QAccessibleActionInterface</name>
    <message>
        <source>Press</source>
        <translation>Indrukken</translation>
    </message>
    <message>
        <source>SetFocus</source>
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
        <translation>Spatiebalk</translation>
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
        <translation>geselecteerd</translation>
    </message>
    <message>
        <source>not selected</source>
        <extracomment>Spoken when a selected card is put back, or its selection is cleared.</extracomment>
        <translation>niet geselecteerd</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A place with its card (&quot;Row 2, place 3: Five of Clubs&quot;), then &quot;selected&quot; or &quot;not selected&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 (selected)</source>
        <extracomment>A card on the table that the player has selected, as the table key reads it.</extracomment>
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
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen komen niet overeen</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Deling door nul</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscript valt buiten het bereik</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Onvoldoende geheugen</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Bestand niet gevonden: %1</translation>
    </message>
    <message>
        <source>The picture %1 could not be read: %2</source>
        <translation>De afbeelding %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>The picture %1 could not be read: the file is cut short</source>
        <translation>De afbeelding %1 kan niet worden gelezen: het bestand is onvolledig</translation>
    </message>
    <message>
        <source>The picture %1 could not be read: it is %2 x %3 pixels, not %4 x %5</source>
        <translation>De afbeelding %1 kan niet worden gelezen: deze is %2 x %3 pixels in plaats van %4 x %5</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: the file cannot be written (it may be read-only, a folder may stand in its place, or the disk may be full).</source>
        <translation>De instellingen kunnen niet worden opgeslagen in %1: er kan niet naar het bestand worden geschreven (het is mogelijk alleen-lezen, er staat mogelijk een map op die plaats, of de schijf is mogelijk vol).</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: the registry key cannot be written (access to it may be denied, or the registry may be full).</source>
        <translation>De instellingen kunnen niet worden opgeslagen in %1: er kan niet naar de registersleutel worden geschreven (de toegang is mogelijk geweigerd, of het register is mogelijk vol).</translation>
    </message>
    <message>
        <source>The help viewer could not be started for %1</source>
        <translation>De Help-viewer kan niet worden gestart voor %1</translation>
    </message>
    <message>
        <source>The help viewer could not be found (%1 in %2)</source>
        <translation>De Help-viewer is niet gevonden (%1 in %2)</translation>
    </message>
    <message>
        <source>%1 in the setting %2: &quot;%3&quot;</source>
        <translation>%1 in de instelling %2: “%3”</translation>
    </message>
</context>
<context>
    <name>StandIn</name>
    <message>
        <source>missing
picture</source>
        <translation>afbeelding
ontbreekt</translation>
    </message>
</context>
<context>
    <name>pairfall::SlotPicture</name>
    <message>
        <source>Row %1, place %2</source>
        <translation>Rij %1, plaats %2</translation>
    </message>
</context>
<context>
    <name>pairfall::Table</name>
    <message>
        <source>Table</source>
        <translation>Tafel</translation>
    </message>
</context>
<context>
    <name>pairfall::frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versie %1.%2</translation>
    </message>
    <message>
        <source>App Description</source>
        <translation>Programmabeschrijving</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
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
        <translation>Gespeeld:</translation>
    </message>
    <message>
        <source>Total Wins:</source>
        <translation>Gewonnen:</translation>
    </message>
    <message>
        <source>Total Losses:</source>
        <translation>Verloren:</translation>
    </message>
    <message>
        <source>Avg Number of Cards Left:</source>
        <translation>Gem. kaarten over:</translation>
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
        <translation>&amp;Over %1...</translation>
    </message>
    <message>
        <source>Some saved settings could not be read; their defaults are used instead:</source>
        <translation>Sommige opgeslagen instellingen konden niet worden gelezen; in plaats daarvan worden de standaardwaarden gebruikt:</translation>
    </message>
    <message>
        <source>Some saved statistics could not be read back; the counts of this run are kept:</source>
        <translation>Sommige opgeslagen statistieken konden niet worden teruggelezen; de tellingen van deze sessie blijven behouden:</translation>
    </message>
</context>
</TS>
