<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Ás de paus</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Dois de paus</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Três de paus</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Quatro de paus</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Cinco de paus</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Seis de paus</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Sete de paus</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Oito de paus</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Nove de paus</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Dez de paus</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Valete de paus</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Dama de paus</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Rei de paus</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ás de ouros</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Dois de ouros</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Três de ouros</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Quatro de ouros</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Cinco de ouros</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Seis de ouros</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Sete de ouros</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Oito de ouros</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Nove de ouros</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Dez de ouros</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Valete de ouros</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Dama de ouros</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Rei de ouros</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ás de copas</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Dois de copas</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Três de copas</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Quatro de copas</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Cinco de copas</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Seis de copas</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Sete de copas</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Oito de copas</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Nove de copas</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Dez de copas</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Valete de copas</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Dama de copas</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Rei de copas</translation>
    </message>
    <message>
        <source>Ace of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Ás de espadas</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Dois de espadas</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Três de espadas</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Quatro de espadas</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Cinco de espadas</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Seis de espadas</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Sete de espadas</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Oito de espadas</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Nove de espadas</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Dez de espadas</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Valete de espadas</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Dama de espadas</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <extracomment>A card&apos;s name. Heard alone, in a list of the table&apos;s places and right before &quot;selected&quot;: in the nominative, as players say it.</extracomment>
        <translation>Rei de espadas</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Ready</source>
        <extracomment>The status line of a new game, before its first card is dealt.</extracomment>
        <translation>Pronto</translation>
    </message>
    <message numerus="yes">
        <source>There are %n cards left</source>
        <extracomment>The status line after a deal: &quot;There are 51 cards left&quot;, also for one card.</extracomment>
        <translation>
            <numerusform>Cartas restantes: %n</numerusform>
            <numerusform>Cartas restantes: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Would you like to play again?</source>
        <extracomment>Asked, with Yes and No, after a won game, and when a place is clicked once a game has ended.</extracomment>
        <translation>Deseja jogar novamente?</translation>
    </message>
    <message>
        <source>Cards do NOT total 10</source>
        <extracomment>The rule message when the second number card clicked does not make 10 with the first.</extracomment>
        <translation>As cartas NÃO somam 10</translation>
    </message>
    <message>
        <source>You must select all four facecards.</source>
        <extracomment>The rule message when, with face cards selected, a card of another rank is clicked.</extracomment>
        <translation>Você precisa selecionar as quatro figuras.</translation>
    </message>
    <message>
        <source>You lose, would you like to play again?</source>
        <extracomment>Asked, with Yes and No, when every place holds a card and no play is left.</extracomment>
        <translation>Você perdeu. Deseja jogar novamente?</translation>
    </message>
    <message>
        <source>You LOSE</source>
        <extracomment>The title of the question after a lost game.</extracomment>
        <translation>Você PERDEU</translation>
    </message>
    <message>
        <source>You WIN</source>
        <extracomment>The title of the question after a won game.</extracomment>
        <translation>Você VENCEU</translation>
    </message>
    <message>
        <source>Empty place</source>
        <extracomment>What a screen reader calls a place on the table that holds no card.</extracomment>
        <translation>Posição vazia</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <extracomment>Shown by the Help menu&apos;s commands: the program comes without a help file.</extracomment>
        <translation>Não foi possível exibir o conteúdo da Ajuda. Não há Ajuda associada a este projeto.</translation>
    </message>
    <message>
        <source>Pairfall is already running but does not answer. Close it and try again.</source>
        <extracomment>Shown by a second start of the program when the running copy does not answer its request to come to the front.</extracomment>
        <translation>Pairfall já está em execução, mas não responde. Feche-o e tente novamente.</translation>
    </message>
</context>
<context>
    <name>QAccessibleActionInterface</name>
    <message>
        <source>Press</source>
        <extracomment>What a screen reader offers to do with a card place: press it, as a click does.</extracomment>
        <translation>Pressionar</translation>
    </message>
    <message>
        <source>SetFocus</source>
        <extracomment>What a screen reader offers to do with a card place: move the keyboard focus to it. Words, as the player hears them.</extracomment>
        <translation>Definir foco</translation>
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
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Space</source>
        <extracomment>The key that presses the focused card place, as a screen reader names it.</extracomment>
        <translation>Espaço</translation>
    </message>
</context>
<context>
    <name>ResultSpeech</name>
    <message>
        <source>selected</source>
        <extracomment>Follows a card&apos;s name, of any rank and suit: &quot;Queen of Hearts, selected&quot;, or alone after the name the screen reader has just read. A form that agrees with every card, or none that changes with it.</extracomment>
        <translation>selecionado</translation>
    </message>
    <message>
        <source>not selected</source>
        <extracomment>Follows a card&apos;s name, of any rank and suit, when its selection is put back or cleared: &quot;Queen of Hearts, not selected&quot;, or alone. A form that agrees with every card, or none that changes with it.</extracomment>
        <translation>não selecionado</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A card with its place (&quot;Five of Clubs, row 2, place 3&quot;), then &quot;selected&quot; or &quot;not selected&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 (selected)</source>
        <extracomment>A card on the table that the player has selected, as the table key reads it: &quot;Queen of Hearts (selected)&quot;. A form that agrees with every card, or none that changes with it.</extracomment>
        <translation>%1 (selecionado)</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Two places of one row, as the table key reads them.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <extracomment>Spoken by the table key: a row&apos;s number, then its four places from the left.</extracomment>
        <translation>Linha %1: %2</translation>
    </message>
    <message>
        <source>%1, row %2, place %3</source>
        <extracomment>A card, then the place it lies in: &quot;Six of Hearts, row 2, place 3&quot;. The card comes first, so that a player who cuts the speech short has heard it.</extracomment>
        <translation>%1, linha %2, posição %3</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>An empty place in a row that also holds cards, as the table key reads it: &quot;Row 1: Six of Hearts; empty; empty; Four of Clubs&quot;. One word, agreeing with &quot;place&quot;.</extracomment>
        <translation>vazia</translation>
    </message>
    <message>
        <source>Row %1: empty</source>
        <extracomment>Spoken by the table key for a row whose four places are all empty.</extracomment>
        <translation>Linha %1: vazia</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <extracomment>An error&apos;s name: a number too large for the program (a count in the settings, say).</extracomment>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <extracomment>An error&apos;s name: a text where the program expects a number (in the settings, say).</extracomment>
        <translation>Tipos incompatíveis</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisão por zero</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <extracomment>An error&apos;s name: the program asked for an item past the end of a list (a place on the table, a card).</extracomment>
        <translation>Subscrito fora do intervalo</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>Arquivo não encontrado: %1</translation>
    </message>
    <message>
        <source>The picture %1 could not be read: %2</source>
        <extracomment>%1 is a card picture&apos;s path, %2 the reason Qt&apos;s picture reader gives (in English).</extracomment>
        <translation>Não foi possível ler a imagem %1: %2</translation>
    </message>
    <message>
        <source>The picture %1 could not be read: the file is cut short</source>
        <extracomment>%1 is a card picture&apos;s path.</extracomment>
        <translation>Não foi possível ler a imagem %1: o arquivo está incompleto</translation>
    </message>
    <message>
        <source>The picture %1 could not be read: it is %2 x %3 pixels, not %4 x %5</source>
        <extracomment>%1 is a card picture&apos;s path; %2 x %3 its width and height, %4 x %5 those it must have.</extracomment>
        <translation>Não foi possível ler a imagem %1: ela tem %2 x %3 pixels, e não %4 x %5</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: the file cannot be written (it may be read-only, a folder may stand in its place, or the disk may be full).</source>
        <extracomment>%1 is the settings file&apos;s path.</extracomment>
        <translation>Não foi possível salvar as configurações em %1: o arquivo não pode ser gravado (ele pode ser somente leitura, pode haver uma pasta no lugar dele ou o disco pode estar cheio).</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: the registry key cannot be written (access to it may be denied, or the registry may be full).</source>
        <extracomment>%1 is the settings&apos; key in the Windows registry.</extracomment>
        <translation>Não foi possível salvar as configurações em %1: a chave do Registro não pode ser gravada (o acesso a ela pode ter sido negado ou o Registro pode estar cheio).</translation>
    </message>
    <message>
        <source>The help viewer could not be started for %1</source>
        <extracomment>%1 is the help file&apos;s path.</extracomment>
        <translation>Não foi possível iniciar o visualizador da Ajuda para %1</translation>
    </message>
    <message>
        <source>The help viewer could not be found (%1 in %2)</source>
        <extracomment>%1 is the name of the Windows function that shows help, %2 the library that should hold it.</extracomment>
        <translation>O visualizador da Ajuda não foi encontrado (%1 em %2)</translation>
    </message>
    <message>
        <source>%1 in the setting %2: &quot;%3&quot;</source>
        <extracomment>%1 is an error (its name or message), %2 a stored setting&apos;s name (&quot;Stats/TotalGames&quot;), %3 the text stored there; put the language&apos;s own quote marks around %3.</extracomment>
        <translation>%1 na configuração %2: “%3”</translation>
    </message>
</context>
<context>
    <name>StandIn</name>
    <message>
        <source>missing
picture</source>
        <extracomment>Written in two short lines on the grey card drawn for a missing card picture: 63 pixels wide, 8 pixels high.</extracomment>
        <translation>imagem
ausente</translation>
    </message>
</context>
<context>
    <name>pairfall::SlotPicture</name>
    <message>
        <source>Row %1, place %2</source>
        <extracomment>How a screen reader tells where a card place is: its row (1 to 3), then its place in the row from the left (1 to 4).</extracomment>
        <translation>Linha %1, posição %2</translation>
    </message>
</context>
<context>
    <name>pairfall::Table</name>
    <message>
        <source>Table</source>
        <extracomment>What a screen reader calls the playing table, the group of the twelve card places.</extracomment>
        <translation>Mesa</translation>
    </message>
</context>
<context>
    <name>pairfall::frmAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>Sobre %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <extracomment>The About window&apos;s version before it opens: major and minor number.</extracomment>
        <translation>Versão %1.%2</translation>
    </message>
    <message>
        <source>App Description</source>
        <extracomment>A caption shown as it stands in the About window, where a program&apos;s description would go: translate these two words, write no description.</extracomment>
        <translation>Descrição do aplicativo</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>The About window&apos;s version: major, minor and revision number.</extracomment>
        <translation>Versão %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>pairfall::frmGameStats</name>
    <message>
        <source>Game Stats</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <extracomment>A caption of Game Stats, shown and also spoken before its value: written out, without an abbreviation or a symbol.</extracomment>
        <translation>Partidas:</translation>
    </message>
    <message>
        <source>Total Wins:</source>
        <extracomment>A caption of Game Stats, shown and also spoken before its value: written out, without an abbreviation or a symbol.</extracomment>
        <translation>Vitórias:</translation>
    </message>
    <message>
        <source>Total Losses:</source>
        <extracomment>A caption of Game Stats, shown and also spoken before its value: written out, without an abbreviation or a symbol.</extracomment>
        <translation>Derrotas:</translation>
    </message>
    <message>
        <source>Avg Number of Cards Left:</source>
        <extracomment>A caption of Game Stats, shown and also spoken before its value: written out, without an abbreviation or a symbol.</extracomment>
        <translation>Média de cartas restantes:</translation>
    </message>
    <message>
        <source>Reset Game Stats</source>
        <translation>Zerar estatísticas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;Game Stats</source>
        <translation>&amp;Estatísticas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;Search For Help On...</source>
        <translation>&amp;Procurar ajuda sobre...</translation>
    </message>
    <message>
        <source>&amp;About %1...</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>&amp;Sobre %1...</translation>
    </message>
    <message>
        <source>Some saved settings could not be read; their defaults are used instead:</source>
        <extracomment>Heads the list of stored settings that could not be read at start, one a line with its error.</extracomment>
        <translation>Não foi possível ler algumas configurações salvas; os valores padrão serão usados no lugar delas:</translation>
    </message>
    <message>
        <source>Some saved statistics could not be read back; the counts of this run are kept:</source>
        <extracomment>Heads the list of stored statistics that Game Stats could not read back, one a line with its error; the counts shown are those the program kept.</extracomment>
        <translation>Não foi possível recuperar algumas estatísticas salvas; as contagens desta sessão serão mantidas:</translation>
    </message>
</context>
</TS>
