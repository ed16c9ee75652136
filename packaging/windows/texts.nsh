; The installer's own texts in the game's nine languages; NSIS's language
; files give the rest.  Included by pairfall.nsi after its MUI_LANGUAGE
; lines; makensis -WX (scripts/package-windows) stops on a text missing in
; any language.  Worded as NSIS's pages around them are: German says
; "Installation" where English says Setup; German, French, Spanish and Dutch
; address the player politely, Italian gives instructions in the infinitive,
; and Polish, Swedish and Brazilian Portuguese speak as the game does.

LangString GameRunningInstall ${LANG_ENGLISH} "Pairfall is running. Close the game, then try again.$\r$\n$\r$\nIf you cancel, Setup ends without changing anything."
LangString GameRunningInstall ${LANG_GERMAN} "Pairfall läuft noch. Beenden Sie das Spiel und versuchen Sie es dann erneut.$\r$\n$\r$\nWenn Sie abbrechen, wird die Installation ohne Änderungen beendet."
LangString GameRunningInstall ${LANG_FRENCH} "Pairfall est en cours d'exécution. Fermez le jeu, puis réessayez.$\r$\n$\r$\nSi vous annulez, l'installation s'arrête sans rien modifier."
LangString GameRunningInstall ${LANG_SPANISH} "Pairfall se está ejecutando. Cierre el juego e inténtelo de nuevo.$\r$\n$\r$\nSi cancela, la instalación terminará sin cambiar nada."
LangString GameRunningInstall ${LANG_ITALIAN} "Pairfall è in esecuzione. Chiudere il gioco e riprovare.$\r$\n$\r$\nSe si annulla, l'installazione verrà interrotta senza apportare modifiche."
LangString GameRunningInstall ${LANG_DUTCH} "Pairfall wordt nog uitgevoerd. Sluit het spel en probeer het opnieuw.$\r$\n$\r$\nAls u annuleert, wordt de installatie gestopt zonder iets te wijzigen."
LangString GameRunningInstall ${LANG_PORTUGUESEBR} "Pairfall está em execução. Feche o jogo e tente novamente.$\r$\n$\r$\nSe você cancelar, a instalação será encerrada sem alterar nada."
LangString GameRunningInstall ${LANG_POLISH} "Program Pairfall jest uruchomiony. Zamknij grę i spróbuj ponownie.$\r$\n$\r$\nJeśli anulujesz, instalator zakończy działanie bez wprowadzania zmian."
LangString GameRunningInstall ${LANG_SWEDISH} "Pairfall körs. Stäng spelet och försök igen.$\r$\n$\r$\nOm du avbryter avslutas installationen utan att något ändras."

LangString GameRunningUninstall ${LANG_ENGLISH} "Pairfall is running. Close the game, then try again.$\r$\n$\r$\nIf you cancel, Pairfall stays installed."
LangString GameRunningUninstall ${LANG_GERMAN} "Pairfall läuft noch. Beenden Sie das Spiel und versuchen Sie es dann erneut.$\r$\n$\r$\nWenn Sie abbrechen, bleibt Pairfall installiert."
LangString GameRunningUninstall ${LANG_FRENCH} "Pairfall est en cours d'exécution. Fermez le jeu, puis réessayez.$\r$\n$\r$\nSi vous annulez, Pairfall reste installé."
LangString GameRunningUninstall ${LANG_SPANISH} "Pairfall se está ejecutando. Cierre el juego e inténtelo de nuevo.$\r$\n$\r$\nSi cancela, Pairfall seguirá instalado."
LangString GameRunningUninstall ${LANG_ITALIAN} "Pairfall è in esecuzione. Chiudere il gioco e riprovare.$\r$\n$\r$\nSe si annulla, Pairfall resterà installato."
LangString GameRunningUninstall ${LANG_DUTCH} "Pairfall wordt nog uitgevoerd. Sluit het spel en probeer het opnieuw.$\r$\n$\r$\nAls u annuleert, blijft Pairfall geïnstalleerd."
LangString GameRunningUninstall ${LANG_PORTUGUESEBR} "Pairfall está em execução. Feche o jogo e tente novamente.$\r$\n$\r$\nSe você cancelar, Pairfall continuará instalado."
LangString GameRunningUninstall ${LANG_POLISH} "Program Pairfall jest uruchomiony. Zamknij grę i spróbuj ponownie.$\r$\n$\r$\nJeśli anulujesz, program Pairfall pozostanie zainstalowany."
LangString GameRunningUninstall ${LANG_SWEDISH} "Pairfall körs. Stäng spelet och försök igen.$\r$\n$\r$\nOm du avbryter förblir Pairfall installerat."

LangString SetupRunning ${LANG_ENGLISH} "Another Pairfall Setup or uninstall is already running. Wait until it has finished."
LangString SetupRunning ${LANG_GERMAN} "Pairfall wird bereits installiert oder deinstalliert. Warten Sie, bis dieser Vorgang abgeschlossen ist."
LangString SetupRunning ${LANG_FRENCH} "Une autre installation ou désinstallation de Pairfall est déjà en cours. Attendez qu'elle soit terminée."
LangString SetupRunning ${LANG_SPANISH} "Ya hay otra instalación o desinstalación de Pairfall en curso. Espere a que termine."
LangString SetupRunning ${LANG_ITALIAN} "È già in corso un'altra installazione o disinstallazione di Pairfall. Attendere che sia completata."
LangString SetupRunning ${LANG_DUTCH} "Er wordt al een andere installatie of verwijdering van Pairfall uitgevoerd. Wacht tot deze is voltooid."
LangString SetupRunning ${LANG_PORTUGUESEBR} "Outra instalação ou desinstalação do Pairfall já está em andamento. Aguarde até que ela termine."
LangString SetupRunning ${LANG_POLISH} "Trwa już inna instalacja lub dezinstalacja programu Pairfall. Poczekaj, aż się zakończy."
LangString SetupRunning ${LANG_SWEDISH} "En annan installation eller avinstallation av Pairfall pågår redan. Vänta tills den är klar."

LangString NotReplaced ${LANG_ENGLISH} "Setup cannot replace $INSTDIR\pairfall.exe. Nothing has been changed."
LangString NotReplaced ${LANG_GERMAN} "$INSTDIR\pairfall.exe kann nicht ersetzt werden. Es wurde nichts geändert."
LangString NotReplaced ${LANG_FRENCH} "Impossible de remplacer $INSTDIR\pairfall.exe. Rien n'a été modifié."
LangString NotReplaced ${LANG_SPANISH} "No se puede reemplazar $INSTDIR\pairfall.exe. No se ha cambiado nada."
LangString NotReplaced ${LANG_ITALIAN} "Impossibile sostituire $INSTDIR\pairfall.exe. Non è stata apportata alcuna modifica."
LangString NotReplaced ${LANG_DUTCH} "$INSTDIR\pairfall.exe kan niet worden vervangen. Er is niets gewijzigd."
LangString NotReplaced ${LANG_PORTUGUESEBR} "Não foi possível substituir $INSTDIR\pairfall.exe. Nada foi alterado."
LangString NotReplaced ${LANG_POLISH} "Nie można zastąpić pliku $INSTDIR\pairfall.exe. Nic nie zostało zmienione."
LangString NotReplaced ${LANG_SWEDISH} "Det går inte att ersätta $INSTDIR\pairfall.exe. Ingenting har ändrats."

LangString NotRemoved ${LANG_ENGLISH} "$INSTDIR\pairfall.exe cannot be removed. Pairfall stays installed."
LangString NotRemoved ${LANG_GERMAN} "$INSTDIR\pairfall.exe kann nicht entfernt werden. Pairfall bleibt installiert."
LangString NotRemoved ${LANG_FRENCH} "Impossible de supprimer $INSTDIR\pairfall.exe. Pairfall reste installé."
LangString NotRemoved ${LANG_SPANISH} "No se puede eliminar $INSTDIR\pairfall.exe. Pairfall seguirá instalado."
LangString NotRemoved ${LANG_ITALIAN} "Impossibile rimuovere $INSTDIR\pairfall.exe. Pairfall resterà installato."
LangString NotRemoved ${LANG_DUTCH} "$INSTDIR\pairfall.exe kan niet worden verwijderd. Pairfall blijft geïnstalleerd."
LangString NotRemoved ${LANG_PORTUGUESEBR} "Não foi possível remover $INSTDIR\pairfall.exe. Pairfall continuará instalado."
LangString NotRemoved ${LANG_POLISH} "Nie można usunąć pliku $INSTDIR\pairfall.exe. Program Pairfall pozostanie zainstalowany."
LangString NotRemoved ${LANG_SWEDISH} "Det går inte att ta bort $INSTDIR\pairfall.exe. Pairfall förblir installerat."
