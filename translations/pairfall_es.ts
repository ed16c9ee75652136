<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CardNames</name>
    <message>
        <source>Ace of Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ace of Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>There are %n cards left</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Would you like to play again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cards do NOT total 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select all four facecards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You lose, would you like to play again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You LOSE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You WIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pairfall is already running but does not answer. Close it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QAccessibleActionInterface</name>
    <message>
        <source>Press</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SetFocus</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture %1 could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture %1 could not be read: the file is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture %1 could not be read: it is %2 x %3 pixels, not %4 x %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: the file cannot be written (it may be read-only, a folder may stand in its place, or the disk may be full).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: the registry key cannot be written (access to it may be denied, or the registry may be full).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help viewer could not be started for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help viewer could not be found (%1 in %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in the setting %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StandIn</name>
    <message>
        <source>missing
picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pairfall::SlotPicture</name>
    <message>
        <source>Row %1, place %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pairfall::Table</name>
    <message>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pairfall::frmAbout</name>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pairfall::frmGameStats</name>
    <message>
        <source>Game Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Wins:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Losses:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avg Number of Cards Left:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Game Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pairfall::frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search For Help On...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some saved settings could not be read; their defaults are used instead:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some saved statistics could not be read back; the counts of this run are kept:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
