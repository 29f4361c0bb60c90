<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ClipboardStore</name>
    <message>
        <source>Condition added to the clipboard (%1)</source>
        <translation>Bedingung in die Zwischenablage gelegt (%1)</translation>
    </message>
    <message>
        <source>Order added to the clipboard (%1)</source>
        <translation>Befehl in die Zwischenablage gelegt (%1)</translation>
    </message>
</context>
<context>
    <name>FlightGroupsPage</name>
    <message>
        <source>Delete all selected Flight Groups - Are You Sure?</source>
        <translation>Alle gewählten Fluggruppen löschen – sind Sie sicher?</translation>
    </message>
</context>
<context>
    <name>Handbook</name>
    <message>
        <source>ZynED handbook</source>
        <translation>ZynED-Handbuch</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Erste Schritte</translation>
    </message>
    <message>
        <source>The main window</source>
        <translation>Das Hauptfenster</translation>
    </message>
    <message>
        <source>The map</source>
        <translation>Die Karte</translation>
    </message>
    <message>
        <source>The briefing editor</source>
        <translation>Der Briefing-Editor</translation>
    </message>
    <message>
        <source>The error check</source>
        <translation>Die Fehlerprüfung</translation>
    </message>
    <message>
        <source>Mission flow</source>
        <translation>Missionsablauf</translation>
    </message>
    <message>
        <source>The flight-group library and the clipboards</source>
        <translation>Die Fluggruppen-Bibliothek und die Zwischenablagen</translation>
    </message>
    <message>
        <source>The game's mission lists</source>
        <translation>Die Missionslisten des Spiels</translation>
    </message>
    <message>
        <source>Battles, sounds and model slots</source>
        <translation>Schlachten, Töne und Modellplätze</translation>
    </message>
    <message>
        <source>Missions as text, with git</source>
        <translation>Missionen als Text, mit git</translation>
    </message>
    <message>
        <source>The command line</source>
        <translation>Die Kommandozeile</translation>
    </message>
    <message>
        <source>Keyboard reference</source>
        <translation>Tastaturübersicht</translation>
    </message>
</context>
<context>
    <name>MapTools</name>
    <message>
        <source>Start %1</source>
        <translation>Start %1</translation>
    </message>
    <message>
        <source>WP %1</source>
        <translation>WP %1</translation>
    </message>
    <message>
        <source>Rendezvous</source>
        <translation>Rendezvous</translation>
    </message>
    <message>
        <source>Hyperspace</source>
        <translation>Hyperraum</translation>
    </message>
    <message>
        <source>Brief %1</source>
        <translation>Brief. %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Locked!</source>
        <translation>Gesperrt!</translation>
    </message>
</context>
<context>
    <name>MissionFlowWindow</name>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Never arrive</source>
        <translation>Kommen nie</translation>
    </message>
    <message>
        <source>Never sent</source>
        <translation>Nie gesendet</translation>
    </message>
    <message>
        <source>Goals never met</source>
        <translation>Nie erfüllte Ziele</translation>
    </message>
    <message>
        <source>Name nothing</source>
        <translation>Benennen nichts</translation>
    </message>
    <message>
        <source>On a group not at the level</source>
        <translation>Auf einer Gruppe, die auf der Stufe fehlt</translation>
    </message>
    <message>
        <source>On craft none of which is at the level</source>
        <translation>Auf Schiffen, von denen keines auf der Stufe ist</translation>
    </message>
    <message>
        <source>Conditions of no known meaning</source>
        <translation>Bedingungen ohne bekannte Bedeutung</translation>
    </message>
    <message>
        <source>Mother ships not at the level</source>
        <translation>Mutterschiffe, die auf der Stufe fehlen</translation>
    </message>
</context>
<context>
    <name>PreviewPage</name>
    <message>
        <source>'%1' is not a number of seconds.</source>
        <translation>„%1“ ist keine Zahl von Sekunden.</translation>
    </message>
    <message>
        <source>The running time is %1 seconds at most.</source>
        <translation>Die Laufzeit beträgt höchstens %1 Sekunden.</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Save FG Library</source>
        <translation>FG-Bibliothek speichern</translation>
    </message>
    <message>
        <source>1 flight group added to the library</source>
        <translation>1 Fluggruppe in die Bibliothek aufgenommen</translation>
    </message>
    <message>
        <source>%1 flight groups added to the library</source>
        <translation>%1 Fluggruppen in die Bibliothek aufgenommen</translation>
    </message>
    <message>
        <source>FG Library file has been changed. Save it?</source>
        <translation>Die FG-Bibliothek wurde geändert. Speichern?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 cannot be stored: the game's files hold Windows-1252 characters only. They were left out.</source>
        <translation>%1 kann nicht gespeichert werden: Die Dateien des Spiels fassen nur Windows-1252-Zeichen. Sie wurden weggelassen.</translation>
    </message>
    <message>
        <source>%1 cannot be stored: the game's files hold Windows-1252 characters only. It was left out.</source>
        <translation>%1 kann nicht gespeichert werden: Die Dateien des Spiels fassen nur Windows-1252-Zeichen. Es wurde weggelassen.</translation>
    </message>
    <message>
        <source>MotherShip</source>
        <translation>Mutterschiff</translation>
    </message>
    <message>
        <source>Hyperspace</source>
        <translation>Hyperraum</translation>
    </message>
    <message>
        <source>
Only if a human flies it.</source>
        <translation>
Nur wenn ein Mensch sie fliegt.</translation>
    </message>
    <message>
        <source>Message #%1 "%2"
%3: %4</source>
        <translation>Nachricht Nr. %1 „%2“
%3: %4</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Message #%1 "%2"</source>
        <translation>Nachricht Nr. %1 „%2“</translation>
    </message>
    <message>
        <source>Save the changes to the lists first?</source>
        <translation>Zuerst die Änderungen an den Listen speichern?</translation>
    </message>
</context>
<context>
    <name>StringsPage</name>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
</context>
<context>
    <name>UndoStep</name>
    <message>
        <source>New %1</source>
        <translation>Neu: %1</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
    <message>
        <source>Add %1 from the library</source>
        <translation>%1 aus der Bibliothek hinzufügen</translation>
    </message>
    <message>
        <source>Insert %1</source>
        <translation>%1 einfügen</translation>
    </message>
    <message>
        <source>Place %1</source>
        <translation>%1 platzieren</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>%1 ausschneiden</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>%1 einfügen</translation>
    </message>
    <message>
        <source>Copy %1 to %2</source>
        <translation>%1 nach %2 kopieren</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>%1 verschieben</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>%1 nach oben</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>%1 nach unten</translation>
    </message>
    <message>
        <source>Set %1 to %2</source>
        <translation>%1 auf %2 setzen</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>%1 leeren</translation>
    </message>
    <message>
        <source>Create %1</source>
        <translation>%1 anlegen</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <source>Load %1</source>
        <translation>%1 laden</translation>
    </message>
    <message>
        <source>Store %1</source>
        <translation>%1 ablegen</translation>
    </message>
    <message>
        <source>Link %1 by radio</source>
        <translation>%1 per Funk verbinden</translation>
    </message>
    <message>
        <source>Auto-link %1</source>
        <translation>%1 automatisch verknüpfen</translation>
    </message>
    <message>
        <source>Unlink %1</source>
        <translation>Verknüpfung von %1 lösen</translation>
    </message>
    <message>
        <source>Auto-Brief %1</source>
        <translation>Auto-Briefing für %1</translation>
    </message>
    <message>
        <source>flight group</source>
        <translation>Fluggruppe</translation>
    </message>
    <message>
        <source>%n flight groups</source>
        <translation>%n Fluggruppen</translation>
    </message>
    <message>
        <source>every flight group</source>
        <translation>alle Fluggruppen</translation>
    </message>
    <message>
        <source>message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>%n messages</source>
        <translation>%n Nachrichten</translation>
    </message>
    <message>
        <source>every message</source>
        <translation>alle Nachrichten</translation>
    </message>
    <message>
        <source>craft</source>
        <translation>Schiff</translation>
    </message>
    <message>
        <source>%n craft</source>
        <translation>%n Schiffe</translation>
    </message>
    <message>
        <source>every craft</source>
        <translation>alle Schiffe</translation>
    </message>
    <message>
        <source>instruction</source>
        <translation>Anweisung</translation>
    </message>
    <message>
        <source>%n instructions</source>
        <translation>%n Anweisungen</translation>
    </message>
    <message>
        <source>every instruction</source>
        <translation>alle Anweisungen</translation>
    </message>
    <message>
        <source>briefing</source>
        <translation>Briefing</translation>
    </message>
    <message>
        <source>%n briefings</source>
        <translation>%n Briefings</translation>
    </message>
    <message>
        <source>every briefing</source>
        <translation>alle Briefings</translation>
    </message>
    <message>
        <source>team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>%n teams</source>
        <translation>%n Teams</translation>
    </message>
    <message>
        <source>every team</source>
        <translation>alle Teams</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
</context>
<context>
    <name>WavePlayer</name>
    <message>
        <source>No sound: this computer has no working audio output.</source>
        <translation>Kein Ton: Dieser Rechner hat keine funktionierende Audioausgabe.</translation>
    </message>
    <message>
        <source>No sound: the editor's sound module is not installed beside it.</source>
        <translation>Kein Ton: Das Tonmodul des Editors ist nicht neben ihm installiert.</translation>
    </message>
</context>
<context>
    <name>app::AboutBox</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>&lt;h2&gt;ZynED&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;ZynED&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A mission editor for Zyn and its expansion Qvn: flight groups, messages, goals, teams, briefings, and the game's mission lists, message sounds and craft models.&lt;br&gt;&lt;br&gt;Thanks to every mission designer who sent in reports, tips and test missions.</source>
        <translation>Ein Missionseditor für Zyn und seine Erweiterung Qvn: Fluggruppen, Nachrichten, Ziele, Teams, Briefings sowie die Missionslisten, Nachrichtentöne und Schiffsmodelle des Spiels.&lt;br&gt;&lt;br&gt;Dank an alle Missionsdesigner, die Berichte, Tipps und Testmissionen geschickt haben.</translation>
    </message>
    <message>
        <source>ZynED home page</source>
        <translation>ZynED-Homepage</translation>
    </message>
    <message>
        <source>Missions made with ZynED</source>
        <translation>Mit ZynED gebaute Missionen</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Terms of use&lt;/h3&gt;&lt;p&gt;ZynED may be used, copied and given away free of charge. It may not be sold, alone or as part of another product.&lt;/p&gt;&lt;p&gt;Missions you make with ZynED are yours.&lt;/p&gt;&lt;p&gt;ZynED comes without any warranty. It writes the game's files; keep copies of the files you care about. The authors are not liable for any loss or damage arising from its use.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Nutzungsbedingungen&lt;/h3&gt;&lt;p&gt;ZynED darf kostenlos benutzt, kopiert und weitergegeben werden. Es darf weder allein noch als Teil eines anderen Produkts verkauft werden.&lt;/p&gt;&lt;p&gt;Missionen, die Sie mit ZynED bauen, gehören Ihnen.&lt;/p&gt;&lt;p&gt;ZynED kommt ohne jede Gewährleistung. Es schreibt die Dateien des Spiels; bewahren Sie Kopien der Dateien auf, die Ihnen wichtig sind. Die Autoren haften nicht für Verluste oder Schäden aus seiner Benutzung.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Building missions&lt;/h3&gt;&lt;p&gt;&lt;b&gt;My mission does not appear in the game.&lt;/b&gt; Missions are offered only when they are entered in the game's lists: use &lt;i&gt;.lst&lt;/i&gt; on the tool bar (training missions go into the list of the player's side).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Which format should I save in?&lt;/b&gt; Zyn Format plays in the base game; Qvn Format needs the expansion and adds the debriefings and a longer description.&lt;/p&gt;&lt;p&gt;&lt;b&gt;My messages are silent.&lt;/b&gt; Create the mission's WAV list on the Messages page and assign a recording to each message; lines 17 to 19 are the sounds for the goals.&lt;/p&gt;&lt;p&gt;&lt;b&gt;The game misbehaves with my mission.&lt;/b&gt; Run Error Check: it lists what the game is known to mishandle.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Is there a copy of the last mission I opened?&lt;/b&gt; Each load writes Backup.kre beside the mission when backups are on.&lt;/p&gt;&lt;h3&gt;Keys&lt;/h3&gt;&lt;table&gt;&lt;tr&gt;&lt;td&gt;Ctrl+N, Ctrl+O&lt;/td&gt;&lt;td&gt;New mission, open a mission&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+S, Ctrl+Shift+S&lt;/td&gt;&lt;td&gt;Save, save as&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+G&lt;/td&gt;&lt;td&gt;Goals in the flight-group list&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Z, Ctrl+Y&lt;/td&gt;&lt;td&gt;Undo, redo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Insert, Delete&lt;/td&gt;&lt;td&gt;New or delete in a list&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+C, Ctrl+X, Ctrl+V&lt;/td&gt;&lt;td&gt;Copy, cut, paste flight groups&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;Missionen bauen&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Meine Mission erscheint nicht im Spiel.&lt;/b&gt; Das Spiel bietet nur Missionen an, die in seinen Listen eingetragen sind: Nutzen Sie &lt;i&gt;.lst&lt;/i&gt; in der Werkzeugleiste (Trainingsmissionen kommen in die Liste der Seite des Spielers).&lt;/p&gt;&lt;p&gt;&lt;b&gt;In welchem Format soll ich speichern?&lt;/b&gt; Das Zyn-Format läuft im Grundspiel; das Qvn-Format braucht die Erweiterung und bietet die Nachbesprechungen und eine längere Beschreibung.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Meine Nachrichten sind stumm.&lt;/b&gt; Legen Sie auf der Seite „Nachrichten“ die WAV-Liste der Mission an und weisen Sie jeder Nachricht eine Aufnahme zu; die Zeilen 17 bis 19 sind die Klänge für die Ziele.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Das Spiel verhält sich mit meiner Mission seltsam.&lt;/b&gt; Starten Sie die Fehlerprüfung: Sie listet auf, womit das Spiel bekanntermaßen nicht zurechtkommt.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Gibt es eine Kopie der zuletzt geöffneten Mission?&lt;/b&gt; Bei eingeschalteten Sicherungen schreibt jedes Laden Backup.kre neben die Mission.&lt;/p&gt;&lt;h3&gt;Tasten&lt;/h3&gt;&lt;table&gt;&lt;tr&gt;&lt;td&gt;Strg+N, Strg+O&lt;/td&gt;&lt;td&gt;Neue Mission, Mission öffnen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Strg+S, Strg+Umschalt+S&lt;/td&gt;&lt;td&gt;Speichern, speichern unter&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Strg+G&lt;/td&gt;&lt;td&gt;Ziele in der Fluggruppenliste&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Strg+Z, Strg+Y&lt;/td&gt;&lt;td&gt;Rückgängig, wiederherstellen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Einfg, Entf&lt;/td&gt;&lt;td&gt;Neu oder löschen in einer Liste&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Strg+C, Strg+X, Strg+V&lt;/td&gt;&lt;td&gt;Fluggruppen kopieren, ausschneiden, einfügen&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
</context>
<context>
    <name>app::AccessoriesPage</name>
    <message>
        <source>Copy current Briefing to</source>
        <translation>Aktuelles Briefing kopieren nach</translation>
    </message>
    <message>
        <source>Copy strings, tags and instructions</source>
        <translation>Texte, Markierungen und Anweisungen kopieren</translation>
    </message>
    <message>
        <source>Copy Icon positons</source>
        <translation>Symbolpositionen kopieren</translation>
    </message>
    <message>
        <source>Set Icon positions for all FGs in current Briefing to Start Point 1</source>
        <translation>Symbolpositionen aller FGs im aktuellen Briefing auf Startpunkt 1 setzen</translation>
    </message>
    <message>
        <source>Auto-Brief</source>
        <translation>Auto-Briefing</translation>
    </message>
    <message>
        <source>Show each Briefing Text (not #0) in order</source>
        <translation>Jeden Briefingtext (außer Nr. 0) der Reihe nach zeigen</translation>
    </message>
    <message>
        <source>seconds apart</source>
        <translation>Sekunden Abstand</translation>
    </message>
    <message>
        <source>Box FGs if hilighted with</source>
        <translation>FGs einrahmen, wenn hervorgehoben mit</translation>
    </message>
    <message>
        <source>Begin centered on:</source>
        <translation>Beginnen zentriert auf:</translation>
    </message>
    <message>
        <source>Begin at Zoom:</source>
        <translation>Beginnen mit Zoom:</translation>
    </message>
    <message>
        <source>Make Briefing</source>
        <translation>Briefing erstellen</translation>
    </message>
    <message>
        <source>This IS the briefing for Team</source>
        <translation>Dies IST das Briefing für Team</translation>
    </message>
    <message>
        <source>Copy Briefing </source>
        <translation>Briefing </translation>
    </message>
    <message>
        <source> to </source>
        <translation> kopieren nach </translation>
    </message>
    <message>
        <source>Copy Icon positions from </source>
        <translation>Symbolpositionen kopieren von </translation>
    </message>
    <message>
        <source>icon positions of %1</source>
        <translation>Symbolpositionen von %1</translation>
    </message>
    <message>
        <source>Set Briefing Points to Start Point 1 for Briefing </source>
        <translation>Briefingpunkte auf Startpunkt 1 setzen für Briefing </translation>
    </message>
    <message>
        <source>Start 1</source>
        <translation>Start 1</translation>
    </message>
    <message>
        <source>Rewrite briefing - Are you sure?</source>
        <translation>Briefing neu schreiben – sind Sie sicher?</translation>
    </message>
    <message>
        <source>Load matching Vortan .brf file</source>
        <translation>Passende Vortan-.brf-Datei laden</translation>
    </message>
    <message>
        <source>Vortan Briefing files|*.brf</source>
        <translation>Vortan-Briefingdateien|*.brf</translation>
    </message>
    <message>
        <source>.brf file %1</source>
        <translation>.brf-Datei %1</translation>
    </message>
</context>
<context>
    <name>app::ArrivalPage</name>
    <message>
        <source>Click on text to edit (double-click for clipboard)</source>
        <translation>Text anklicken zum Bearbeiten (Doppelklick für Zwischenablage)</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Verzögerung:</translation>
    </message>
    <message>
        <source>Mins</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Secs</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>Via:</source>
        <translation>Über:</translation>
    </message>
    <message>
        <source>Alternative</source>
        <translation>Alternative</translation>
    </message>
    <message>
        <source>This FG arrives only if human Player pilot</source>
        <translation>Diese FG kommt nur, wenn ein menschlicher Spieler sie fliegt</translation>
    </message>
    <message>
        <source>Arrival Trigger</source>
        <translation>Ankunftsauslöser</translation>
    </message>
</context>
<context>
    <name>app::BattleManager</name>
    <message>
        <source>Battle/Campaign Manager</source>
        <translation>Schlacht-/Kampagnenverwaltung</translation>
    </message>
    <message>
        <source>Custom .lst</source>
        <translation>Eigene .lst</translation>
    </message>
    <message>
        <source>Mission / IFF .lsts</source>
        <translation>Missions-/IFF-.lsts</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Load  Custom .lst file</source>
        <translation>Eigene .lst-Datei laden</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Move mission up in list</source>
        <translation>Mission in der Liste nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Move mission down in list</source>
        <translation>Mission in der Liste nach unten</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Save As Custom .lst file</source>
        <translation>Als eigene .lst-Datei speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save Custom .lst file</source>
        <translation>Eigene .lst-Datei speichern</translation>
    </message>
    <message>
        <source>&lt;No File&gt;</source>
        <translation>&lt;Keine Datei&gt;</translation>
    </message>
    <message>
        <source>Rebel</source>
        <translation>Rebellen</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperium</translation>
    </message>
    <message>
        <source>Custom .lst type</source>
        <translation>Art der eigenen .lst</translation>
    </message>
    <message>
        <source>IFF of Campaign</source>
        <translation>IFF der Kampagne</translation>
    </message>
    <message>
        <source>Subdirectory</source>
        <translation>Unterordner</translation>
    </message>
    <message>
        <source>Add &gt;&gt;</source>
        <translation>Hinzu &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Remove</source>
        <translation>&lt;&lt; Entfernen</translation>
    </message>
    <message>
        <source>&amp;Check All...</source>
        <translation>Alle &amp;prüfen...</translation>
    </message>
    <message>
        <source>The error check and the mission flow of every mission in the list</source>
        <translation>Fehlerprüfung und Missionsablauf jeder Mission der Liste</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>New Entry</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>&amp;Auto-Add</source>
        <translation>&amp;Automatisch hinzufügen</translation>
    </message>
    <message>
        <source>Next available #:</source>
        <translation>Nächste freie Nr.:</translation>
    </message>
    <message>
        <source>Custom .lst name</source>
        <translation>Name der eigenen .lst</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Backup current state of these .lst files</source>
        <translation>Aktuellen Stand dieser .lst-Dateien sichern</translation>
    </message>
    <message>
        <source>as &lt;filename&gt;.~ls</source>
        <translation>als &lt;Dateiname&gt;.~ls</translation>
    </message>
    <message>
        <source>&amp;Backup now</source>
        <translation>Jetzt &amp;sichern</translation>
    </message>
    <message>
        <source>Save .lst files?</source>
        <translation>.lst-Dateien speichern?</translation>
    </message>
    <message>
        <source>Title of this </source>
        <translation>Titel dieser </translation>
    </message>
    <message>
        <source> missions in </source>
        <translation> Missionen in </translation>
    </message>
    <message>
        <source>Save current .lst file?</source>
        <translation>Aktuelle .lst-Datei speichern?</translation>
    </message>
    <message>
        <source>Load Custom .lst file</source>
        <translation>Eigene .lst-Datei laden</translation>
    </message>
</context>
<context>
    <name>app::BriefingSession</name>
    <message>
        <source>Instruction Time</source>
        <translation>Anweisungszeit</translation>
    </message>
</context>
<context>
    <name>app::BriefingWindow</name>
    <message>
        <source>WYSIWYG</source>
        <translation>WYSIWYG</translation>
    </message>
    <message>
        <source>Instruction List</source>
        <translation>Anweisungsliste</translation>
    </message>
    <message>
        <source>Strings</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Accessories</source>
        <translation>Zubehör</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Move Instruction up</source>
        <translation>Anweisung nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Move Instruction down</source>
        <translation>Anweisung nach unten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete Current Instruction</source>
        <translation>Aktuelle Anweisung löschen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Halt</translation>
    </message>
    <message>
        <source>Insert Stop Point</source>
        <translation>Haltepunkt einfügen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Schwenk</translation>
    </message>
    <message>
        <source>Insert Move Map instruction</source>
        <translation>Anweisung „Karte verschieben“ einfügen</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Insert Zoom instruction</source>
        <translation>Zoom-Anweisung einfügen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Insert Briefing Text instruction</source>
        <translation>Briefingtext-Anweisung einfügen</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Insert FG Box instruction</source>
        <translation>FG-Rahmen-Anweisung einfügen</translation>
    </message>
    <message>
        <source>Clear boxes</source>
        <translation>Rahmen weg</translation>
    </message>
    <message>
        <source>Insert Clear Boxes instruction</source>
        <translation>Anweisung „Rahmen entfernen“ einfügen</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Marke</translation>
    </message>
    <message>
        <source>Insert Map Tag instruction</source>
        <translation>Kartenmarken-Anweisung einfügen</translation>
    </message>
    <message>
        <source>Clear tags</source>
        <translation>Marken weg</translation>
    </message>
    <message>
        <source>Insert Clear Tags instruction</source>
        <translation>Anweisung „Marken entfernen“ einfügen</translation>
    </message>
    <message>
        <source>.brf</source>
        <translation>.brf</translation>
    </message>
    <message>
        <source>Load matching Vortan .brf file</source>
        <translation>Passende Vortan-.brf-Datei laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save Mission</source>
        <translation>Mission speichern</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Save As </source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>◀</source>
        <translation>◀</translation>
    </message>
    <message>
        <source>Previous Briefing</source>
        <translation>Vorheriges Briefing</translation>
    </message>
    <message>
        <source>▶</source>
        <translation>▶</translation>
    </message>
    <message>
        <source>Next Briefing</source>
        <translation>Nächstes Briefing</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Abspielen/Pause</translation>
    </message>
    <message>
        <source>Play or pause the preview</source>
        <translation>Vorschau abspielen oder anhalten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel the drag or the instruction being placed</source>
        <translation>Ziehen oder Platzieren der Anweisung abbrechen</translation>
    </message>
    <message>
        <source>Insert &amp;Stop</source>
        <translation>&amp;Halt einfügen</translation>
    </message>
    <message>
        <source>Insert &amp;Move...</source>
        <translation>&amp;Schwenk einfügen...</translation>
    </message>
    <message>
        <source>Insert &amp;Zoom...</source>
        <translation>&amp;Zoom einfügen...</translation>
    </message>
    <message>
        <source>Insert T&amp;ext...</source>
        <translation>&amp;Text einfügen...</translation>
    </message>
    <message>
        <source>Insert FG &amp;Box...</source>
        <translation>FG-&amp;Rahmen einfügen...</translation>
    </message>
    <message>
        <source>Clear All Bo&amp;xes</source>
        <translation>Alle Rahmen ent&amp;fernen</translation>
    </message>
    <message>
        <source>Insert Map &amp;Tag...</source>
        <translation>Karten&amp;marke einfügen...</translation>
    </message>
    <message>
        <source>&amp;Clear All Tags</source>
        <translation>Alle Marken entfernen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Set all to Start &amp;1</source>
        <translation>Alle auf Start &amp;1</translation>
    </message>
    <message>
        <source>Briefing Editor</source>
        <translation>Briefing-Editor</translation>
    </message>
    <message>
        <source>Undo changes above 400 words</source>
        <translation>Änderungen über 400 Wörtern zurücknehmen</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>%1 rückgängig machen</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>%1 wiederholen</translation>
    </message>
    <message>
        <source>Delete Current Instruction - Are You Sure?</source>
        <translation>Aktuelle Anweisung löschen – sind Sie sicher?</translation>
    </message>
    <message>
        <source>Play the preview</source>
        <translation>Vorschau abspielen</translation>
    </message>
    <message>
        <source>Pause the preview</source>
        <translation>Vorschau anhalten</translation>
    </message>
    <message>
        <source>Stop the preview and go back to its start</source>
        <translation>Vorschau beenden und an den Anfang zurück</translation>
    </message>
    <message>
        <source>Every flight group's briefing point takes the position of its Start 1 point</source>
        <translation>Der Briefingpunkt jeder Fluggruppe erhält die Position ihres Punktes Start 1</translation>
    </message>
    <message>
        <source>Handbook</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>Open the handbook at the section about the page in front</source>
        <translation>Das Handbuch beim Abschnitt über die vordere Seite öffnen</translation>
    </message>
</context>
<context>
    <name>app::ClipDialog</name>
    <message>
        <source>Condtion Clipboard</source>
        <translation>Bedingungs-Zwischenablage</translation>
    </message>
    <message>
        <source>Order Clipboard</source>
        <translation>Befehls-Zwischenablage</translation>
    </message>
    <message>
        <source>The clipboard is empty. "Add to Clipboard" beside a trigger's condition puts it here.</source>
        <translation>Die Zwischenablage ist leer. „In Zwischenablage“ neben der Bedingung eines Auslösers legt sie hier ab.</translation>
    </message>
    <message>
        <source>The clipboard is empty. "Add to Clipboard" beside an order puts it here.</source>
        <translation>Die Zwischenablage ist leer. „In Zwischenablage“ neben einem Befehl legt ihn hier ab.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Move the entry up</source>
        <translation>Eintrag nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Move the entry down</source>
        <translation>Eintrag nach unten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the entry</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Verwenden</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>app::DeparturePage</name>
    <message>
        <source>Click on text to edit (double-click for clipboard)</source>
        <translation>Text anklicken zum Bearbeiten (Doppelklick für Zwischenablage)</translation>
    </message>
    <message>
        <source>Via:</source>
        <translation>Über:</translation>
    </message>
    <message>
        <source>Alternative:</source>
        <translation>Alternative:</translation>
    </message>
    <message>
        <source>Individual craft in this FG will abort mission when:</source>
        <translation>Einzelne Schiffe dieser FG brechen die Mission ab, wenn:</translation>
    </message>
    <message>
        <source>(Non-fighter) Explosion time:</source>
        <translation>(Kein Jäger) Explosionsdauer:</translation>
    </message>
    <message>
        <source>Departure Trigger</source>
        <translation>Abflugauslöser</translation>
    </message>
</context>
<context>
    <name>app::DiskChangeDialog</name>
    <message>
        <source>Mission Changed on Disk</source>
        <translation>Mission auf der Festplatte geändert</translation>
    </message>
    <message>
        <source>"%1" has changed on disk since ZynED last read or wrote it. Saving now overwrites that change.</source>
        <translation>„%1“ wurde auf der Festplatte geändert, seit ZynED die Datei zuletzt gelesen oder geschrieben hat. Jetzt zu speichern überschreibt diese Änderung.</translation>
    </message>
    <message>
        <source>"%1" has changed on disk, and the editor holds changes not saved yet. Reload drops them (Undo brings them back); Keep Mine leaves the file as it is until the next save, which asks again.</source>
        <translation>„%1“ wurde auf der Festplatte geändert, und der Editor hält noch ungespeicherte Änderungen. „Neu laden“ verwirft sie („Rückgängig“ holt sie zurück); „Meine behalten“ lässt die Datei bis zum nächsten Speichern, das erneut fragt, wie sie ist.</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>Ü&amp;berschreiben</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Vergleichen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Keep Mine</source>
        <translation>&amp;Meine behalten</translation>
    </message>
    <message>
        <source>No differences in the mission's fields.</source>
        <translation>Keine Unterschiede in den Feldern der Mission.</translation>
    </message>
    <message>
        <source>%1, only on disk: %2</source>
        <translation>%1, nur auf der Festplatte: %2</translation>
    </message>
    <message>
        <source>%1, only here: %2</source>
        <translation>%1, nur hier: %2</translation>
    </message>
</context>
<context>
    <name>app::ErrorListWindow</name>
    <message>
        <source>&amp;Don't include Warnings again this mission</source>
        <translation>Warnungen bei dieser Mission &amp;nicht mehr aufnehmen</translation>
    </message>
    <message>
        <source>Error and Warning List</source>
        <translation>Fehler- und Warnungsliste</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>app::FieldBinding</name>
    <message>
        <source>%1 takes %2 to %3: %4 is out of its range.</source>
        <translation>%1 nimmt %2 bis %3: %4 liegt außerhalb.</translation>
    </message>
    <message>
        <source>%1 is not a value between %2 and %3</source>
        <translation>%1 ist kein Wert zwischen %2 und %3</translation>
    </message>
</context>
<context>
    <name>app::FlightGroupsPage</name>
    <message>
        <source>Tm</source>
        <translation>Tm</translation>
    </message>
    <message>
        <source>GG - GU</source>
        <translation>GG - GE</translation>
    </message>
    <message>
        <source>Clipboard:</source>
        <translation>Zwischenablage:</translation>
    </message>
    <message>
        <source>&amp;Ship</source>
        <translation>&amp;Schiff</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>A&amp;rrival</source>
        <translation>A&amp;nkunft</translation>
    </message>
    <message>
        <source>De&amp;parture</source>
        <translation>A&amp;bflug</translation>
    </message>
    <message>
        <source>FG Goals</source>
        <translation>FG-Ziele</translation>
    </message>
    <message>
        <source>Orders</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>&amp;WPs</source>
        <translation>&amp;WPs</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Add &amp;FG</source>
        <translation>&amp;FG hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Move down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>No flight groups</source>
        <translation>Keine Fluggruppen</translation>
    </message>
    <message>
        <source>Flight Group #</source>
        <translation>Fluggruppe Nr. </translation>
    </message>
    <message>
        <source> of </source>
        <translation> von </translation>
    </message>
    <message>
        <source>Cut this Flight Group. Are You Sure?</source>
        <translation>Diese Fluggruppe ausschneiden. Sind Sie sicher?</translation>
    </message>
</context>
<context>
    <name>app::FlowGraphView</name>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>&amp;Look again</source>
        <translation>&amp;Erneut suchen</translation>
    </message>
    <message>
        <source>Save as &amp;SVG...</source>
        <translation>Als &amp;SVG speichern...</translation>
    </message>
    <message>
        <source>Save as &amp;PNG...</source>
        <translation>Als &amp;PNG speichern...</translation>
    </message>
    <message>
        <source>The graph is drawn when this tab is shown.</source>
        <translation>Der Graph wird gezeichnet, wenn diese Registerkarte gezeigt wird.</translation>
    </message>
    <message>
        <source>"dot" could not draw the graph.</source>
        <translation>„dot“ konnte den Graphen nicht zeichnen.</translation>
    </message>
    <message>
        <source>Save the Graph as SVG</source>
        <translation>Graph als SVG speichern</translation>
    </message>
    <message>
        <source>SVG pictures|*.svg</source>
        <translation>SVG-Bilder|*.svg</translation>
    </message>
    <message>
        <source>Save the Graph as PNG</source>
        <translation>Graph als PNG speichern</translation>
    </message>
    <message>
        <source>PNG pictures|*.png</source>
        <translation>PNG-Bilder|*.png</translation>
    </message>
    <message>
        <source>The dependency graph is drawn by the program "dot" of Graphviz, which was not found.

On Debian and Ubuntu it comes with the package graphviz:
    sudo apt install graphviz

The timeline needs nothing of it. Once it is installed, press "Look again".</source>
        <translation>Den Abhängigkeitsgraphen zeichnet das Programm „dot“ von Graphviz, das nicht gefunden wurde.

Unter Debian und Ubuntu kommt es mit dem Paket graphviz:
    sudo apt install graphviz

Die Zeitleiste braucht es nicht. Ist es installiert, drücken Sie „Erneut suchen“.</translation>
    </message>
</context>
<context>
    <name>app::FlowTimeline</name>
    <message>
        <source>Messages</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source> [human only]</source>
        <translation> [nur Mensch]</translation>
    </message>
    <message>
        <source>The mission has no flight groups.</source>
        <translation>Die Mission hat keine Fluggruppen.</translation>
    </message>
</context>
<context>
    <name>app::FolderChooserDialog</name>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
</context>
<context>
    <name>app::FormationWindow</name>
    <message>
        <source>Flight Group Formations</source>
        <translation>Formationen der Fluggruppen</translation>
    </message>
    <message>
        <source>Previous formation</source>
        <translation>Vorherige Formation</translation>
    </message>
    <message>
        <source>Next formation</source>
        <translation>Nächste Formation</translation>
    </message>
    <message>
        <source>&amp;Show for Current FG size</source>
        <translation>Für aktuelle FG-&amp;Größe zeigen</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Verwenden</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>app::GlobalGoalsPage</name>
    <message>
        <source>Global Goals for Team:</source>
        <translation>Globale Ziele für Team:</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primär</translation>
    </message>
    <message>
        <source>Prevent</source>
        <translation>Verhindern</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Sekundär</translation>
    </message>
    <message>
        <source>The Prevent goal must specify the OPPOSITE of the Team's objectives
e.g. if you want a craft to survive, the condition here should be 
"must be destroyed"</source>
        <translation>Das Verhindern-Ziel muss das GEGENTEIL der Teamziele angeben,
z. B. soll ein Schiff überleben, lautet die Bedingung hier 
„muss zerstört werden“</translation>
    </message>
    <message>
        <source>Click on text to edit (double-click for clipboard)</source>
        <translation>Text anklicken zum Bearbeiten (Doppelklick für Zwischenablage)</translation>
    </message>
    <message>
        <source>Points:</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>Condition %1</source>
        <translation>Bedingung %1</translation>
    </message>
    <message>
        <source>Global Goal Trigger</source>
        <translation>Auslöser des globalen Ziels</translation>
    </message>
    <message>
        <source>Goal String</source>
        <translation>Zieltext</translation>
    </message>
</context>
<context>
    <name>app::GoalsPage</name>
    <message>
        <source>Flight Group Goal</source>
        <translation>Fluggruppenziel</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>of it</source>
        <translation>davon</translation>
    </message>
    <message>
        <source>Applies to Team:</source>
        <translation>Gilt für Team:</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Time?</source>
        <translation>Zeit?</translation>
    </message>
    <message>
        <source>User Strings</source>
        <translation>Eigene Texte</translation>
    </message>
    <message>
        <source>Incomplete</source>
        <translation>Unvollständig</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Fehlschlag</translation>
    </message>
    <message>
        <source>Goal Flag</source>
        <translation>Zielmarkierung</translation>
    </message>
    <message>
        <source>Goal Points</source>
        <translation>Zielpunkte</translation>
    </message>
    <message>
        <source>Goal Time</source>
        <translation>Zielzeit</translation>
    </message>
    <message>
        <source>Goal String</source>
        <translation>Zieltext</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Goal Team</source>
        <translation>Zielteam</translation>
    </message>
</context>
<context>
    <name>app::HandbookWindow</name>
    <message>
        <source>ZynED Handbook</source>
        <translation>ZynED-Handbuch</translation>
    </message>
    <message>
        <source>Back (Alt+Left)</source>
        <translation>Zurück (Alt+Links)</translation>
    </message>
    <message>
        <source>Forward (Alt+Right)</source>
        <translation>Vor (Alt+Rechts)</translation>
    </message>
    <message>
        <source>Search the handbook</source>
        <translation>Im Handbuch suchen</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Handbook page</source>
        <translation>Handbuchseite</translation>
    </message>
</context>
<context>
    <name>app::InstructionsPage</name>
    <message>
        <source>Briefing size (Max 400):</source>
        <translation>Briefinglänge (max. 400):</translation>
    </message>
    <message>
        <source>Current Instruction</source>
        <translation>Aktuelle Anweisung</translation>
    </message>
    <message>
        <source>Unknowns</source>
        <translation>Unbekannte</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Adjust time for all following instructions</source>
        <translation>Zeit aller folgenden Anweisungen anpassen</translation>
    </message>
    <message>
        <source>Time Adjust Increment (sec)</source>
        <translation>Zeitschritt (Sek.)</translation>
    </message>
    <message>
        <source>Time (</source>
        <translation>Zeit (</translation>
    </message>
    <message>
        <source> sec)</source>
        <translation> Sek.)</translation>
    </message>
    <message>
        <source>Zoom 'presets' commonly used in Zyn</source>
        <translation>Zoom-„Vorgaben“, wie sie in Zyn üblich sind</translation>
    </message>
    <message>
        <source>Unknown %1</source>
        <translation>Unbekannt %1</translation>
    </message>
    <message>
        <source>Tag Colour</source>
        <translation>Markenfarbe</translation>
    </message>
    <message>
        <source>Instruction</source>
        <translation>Anweisung</translation>
    </message>
    <message>
        <source>Instruction List</source>
        <translation>Anweisungsliste</translation>
    </message>
</context>
<context>
    <name>app::KeyboardPage</name>
    <message>
        <source>Main window</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Briefing editor</source>
        <translation>Briefing-Editor</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Command or key</source>
        <translation>Befehl oder Taste</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Works</source>
        <translation>Wirkt</translation>
    </message>
    <message>
        <source>Commands and their keys</source>
        <translation>Befehle und ihre Tasten</translation>
    </message>
    <message>
        <source>In the whole window</source>
        <translation>Im ganzen Fenster</translation>
    </message>
    <message>
        <source>In a list</source>
        <translation>In einer Liste</translation>
    </message>
    <message>
        <source>On the map or preview</source>
        <translation>Auf der Karte oder Vorschau</translation>
    </message>
    <message>
        <source>&amp;New keys:</source>
        <translation>&amp;Neue Tasten:</translation>
    </message>
    <message>
        <source>Press the keys for the chosen command</source>
        <translation>Tasten für den gewählten Befehl drücken</translation>
    </message>
    <message>
        <source>The next key pressed here becomes the chosen command's key; Tab leaves the field</source>
        <translation>Die nächste hier gedrückte Taste wird die Taste des gewählten Befehls; Tab verlässt das Feld</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>The chosen command gets no key</source>
        <translation>Der gewählte Befehl erhält keine Taste</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>The chosen command gets its own keys back</source>
        <translation>Der gewählte Befehl erhält seine eigenen Tasten zurück</translation>
    </message>
    <message>
        <source>Reset &amp;All</source>
        <translation>&amp;Alle zurücksetzen</translation>
    </message>
    <message>
        <source>Every command gets its own keys back</source>
        <translation>Jeder Befehl erhält seine eigenen Tasten zurück</translation>
    </message>
    <message>
        <source>%1 with any modifier</source>
        <translation>%1 mit beliebiger Zusatztaste</translation>
    </message>
    <message>
        <source>%1 is the key of "%2".</source>
        <translation>%1 ist die Taste von „%2“.</translation>
    </message>
    <message>
        <source>%1 is already the key of "%2". Give it to "%3", and "%2" the keys "%3" has now?</source>
        <translation>%1 ist schon die Taste von „%2“. Soll „%3“ sie bekommen und „%2“ die Tasten, die „%3“ jetzt hat?</translation>
    </message>
    <message>
        <source>%1 stays the key of "%2".</source>
        <translation>%1 bleibt die Taste von „%2“.</translation>
    </message>
    <message>
        <source>%1 is now the key of "%2"; "%3" took its keys.</source>
        <translation>%1 ist jetzt die Taste von „%2“; „%3“ übernahm dessen Tasten.</translation>
    </message>
</context>
<context>
    <name>app::Languages</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
</context>
<context>
    <name>app::LibraryWindow</name>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>New FG Library</source>
        <translation>Neue FG-Bibliothek</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Laden...</translation>
    </message>
    <message>
        <source>Load FG Library</source>
        <translation>FG-Bibliothek laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save FG Library</source>
        <translation>FG-Bibliothek speichern</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Save As FG Library</source>
        <translation>Als FG-Bibliothek speichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close the library</source>
        <translation>Bibliothek schließen</translation>
    </message>
    <message>
        <source>From Mission</source>
        <translation>Aus Mission</translation>
    </message>
    <message>
        <source>Save selected FGs in Mission to Library</source>
        <translation>Gewählte FGs der Mission in die Bibliothek legen</translation>
    </message>
    <message>
        <source>To Mission</source>
        <translation>In Mission</translation>
    </message>
    <message>
        <source>Add Library selections to Mission</source>
        <translation>Gewählte Bibliothekseinträge der Mission hinzufügen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Move the Library FG up</source>
        <translation>Bibliotheks-FG nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Move the Library FG down</source>
        <translation>Bibliotheks-FG nach unten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete current Library FG</source>
        <translation>Aktuelle Bibliotheks-FG löschen</translation>
    </message>
    <message>
        <source>Delete Current Library Entry - Are You Sure?</source>
        <translation>Aktuellen Bibliothekseintrag löschen – sind Sie sicher?</translation>
    </message>
</context>
<context>
    <name>app::ListCheckWindow</name>
    <message>
        <source>Check All</source>
        <translation>Alle prüfen</translation>
    </message>
    <message>
        <source>A click on a mission's line opens it.</source>
        <translation>Ein Klick auf die Zeile einer Mission öffnet sie.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>app::LoadByListWindow</name>
    <message>
        <source>Load by .lst</source>
        <translation>Über .lst laden</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>(%1 is empty: it lists no missions)</source>
        <translation>(%1 ist leer: Sie nennt keine Missionen)</translation>
    </message>
    <message>
        <source>(no %1 here)</source>
        <translation>(hier keine %1)</translation>
    </message>
    <message>
        <source>Missions</source>
        <translation>Missionen</translation>
    </message>
    <message>
        <source>%1 does not exist!</source>
        <translation>%1 existiert nicht!</translation>
    </message>
</context>
<context>
    <name>app::LstFilesWindow</name>
    <message>
        <source>New Entry</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>&amp;Auto-Add</source>
        <translation>&amp;Automatisch hinzufügen</translation>
    </message>
    <message>
        <source>Next availiable #:</source>
        <translation>Nächste freie Nr.:</translation>
    </message>
    <message>
        <source>Mission File</source>
        <translation>Missionsdatei</translation>
    </message>
    <message>
        <source>Mission Description</source>
        <translation>Missionsbeschreibung</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Backup these files as &lt;filename&gt;.~ls</source>
        <translation>Diese Dateien als &lt;Dateiname&gt;.~ls sichern</translation>
    </message>
    <message>
        <source>&amp;Backup now</source>
        <translation>Jetzt &amp;sichern</translation>
    </message>
    <message>
        <source>&amp;Check All...</source>
        <translation>Alle &amp;prüfen...</translation>
    </message>
    <message>
        <source>The error check and the mission flow of every mission these lists name</source>
        <translation>Fehlerprüfung und Missionsablauf jeder Mission, die diese Listen nennen</translation>
    </message>
</context>
<context>
    <name>app::MainWindow</name>
    <message>
        <source>Some settings in "%1" cannot be read; they keep their defaults:</source>
        <translation>Einige Einstellungen in „%1“ sind unlesbar; sie behalten ihre Vorgaben:</translation>
    </message>
    <message>
        <source>
- and %1 more</source>
        <translation>
- und %1 weitere</translation>
    </message>
    <message>
        <source>Some keys in "%1" are no keys; they are ignored:</source>
        <translation>Einige Tasten in „%1“ sind keine Tasten; sie werden übergangen:</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;New Mission</source>
        <translation>&amp;Neue Mission</translation>
    </message>
    <message>
        <source>New Mission</source>
        <translation>Neue Mission</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Load Mission</source>
        <translation>Mission laden</translation>
    </message>
    <message>
        <source>&amp;Load by lst...</source>
        <translation>Über .lst &amp;laden...</translation>
    </message>
    <message>
        <source>Load a mission chosen from the game's lists</source>
        <translation>Eine aus den Listen des Spiels gewählte Mission laden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save As </source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>&amp;Import JSON…</source>
        <translation>JSON &amp;importieren…</translation>
    </message>
    <message>
        <source>Open a mission written as JSON</source>
        <translation>Eine als JSON geschriebene Mission öffnen</translation>
    </message>
    <message>
        <source>&amp;Export as JSON…</source>
        <translation>Als JSON &amp;exportieren…</translation>
    </message>
    <message>
        <source>Write the mission as JSON</source>
        <translation>Die Mission als JSON schreiben</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Close the editor</source>
        <translation>Den Editor schließen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Cut FG</source>
        <translation>FG ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy FG</source>
        <translation>FG kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Paste FG</source>
        <translation>FG einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete FG or Message</source>
        <translation>FG oder Nachricht löschen</translation>
    </message>
    <message>
        <source>Add &amp;FG</source>
        <translation>&amp;FG hinzufügen</translation>
    </message>
    <message>
        <source>New FG or Message</source>
        <translation>Neue FG oder Nachricht</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move FG or Message Up</source>
        <translation>FG oder Nachricht nach oben</translation>
    </message>
    <message>
        <source>&amp;Move down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Move FG or Message Down</source>
        <translation>FG oder Nachricht nach unten</translation>
    </message>
    <message>
        <source>&amp;Map</source>
        <translation>&amp;Karte</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>&amp;Briefings</source>
        <translation>&amp;Briefings</translation>
    </message>
    <message>
        <source>Briefings</source>
        <translation>Briefings</translation>
    </message>
    <message>
        <source>&amp;Goal summary</source>
        <translation>&amp;Zielübersicht</translation>
    </message>
    <message>
        <source>Show the goals in the flight-group list</source>
        <translation>Die Ziele in der Fluggruppenliste zeigen</translation>
    </message>
    <message>
        <source>Mission &amp;Flow</source>
        <translation>Missions&amp;ablauf</translation>
    </message>
    <message>
        <source>When each flight group can arrive, and what can never happen</source>
        <translation>Wann jede Fluggruppe kommen kann und was nie geschehen kann</translation>
    </message>
    <message>
        <source>Where is it &amp;used?</source>
        <translation>Wo wird sie &amp;verwendet?</translation>
    </message>
    <message>
        <source>Every place that names the current flight group</source>
        <translation>Jede Stelle, die die aktuelle Fluggruppe nennt</translation>
    </message>
    <message>
        <source>Undo &amp;History</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>Show every step Undo can take back</source>
        <translation>Jeden Schritt zeigen, den „Rückgängig“ zurücknehmen kann</translation>
    </message>
    <message>
        <source>&amp;Error Check</source>
        <translation>&amp;Fehlerprüfung</translation>
    </message>
    <message>
        <source>Error Check</source>
        <translation>Fehlerprüfung</translation>
    </message>
    <message>
        <source>Edit .&amp;lst Files</source>
        <translation>.&amp;lst-Dateien bearbeiten</translation>
    </message>
    <message>
        <source>Edit .lst Files</source>
        <translation>.lst-Dateien bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Campaign/Battle Manager</source>
        <translation>&amp;Kampagnen-/Schlachtverwaltung</translation>
    </message>
    <message>
        <source>Campaign/Battle Manager</source>
        <translation>Kampagnen-/Schlachtverwaltung</translation>
    </message>
    <message>
        <source>&amp;OPT File Manager</source>
        <translation>&amp;OPT-Dateiverwaltung</translation>
    </message>
    <message>
        <source>OPT File Manager</source>
        <translation>OPT-Dateiverwaltung</translation>
    </message>
    <message>
        <source>FG &amp;Library</source>
        <translation>FG-&amp;Bibliothek</translation>
    </message>
    <message>
        <source>FG Library page</source>
        <translation>FG-Bibliothek</translation>
    </message>
    <message>
        <source>&amp;Add selected FGs to library</source>
        <translation>Gewählte FGs zur Bibliothek &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Add selected FGs to current library</source>
        <translation>Gewählte FGs zur aktuellen Bibliothek hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Hand&amp;book</source>
        <translation>Hand&amp;buch</translation>
    </message>
    <message>
        <source>&amp;About / FAQ</source>
        <translation>&amp;Über / FAQ</translation>
    </message>
    <message>
        <source>About / FAQ</source>
        <translation>Über / FAQ</translation>
    </message>
    <message>
        <source>&amp;Home page</source>
        <translation>&amp;Homepage</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>F&amp;light Groups</source>
        <translation>&amp;Fluggruppen</translation>
    </message>
    <message>
        <source>&amp;Messages</source>
        <translation>&amp;Nachrichten</translation>
    </message>
    <message>
        <source>&amp;Global Goals</source>
        <translation>&amp;Globale Ziele</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Beschreibung</translation>
    </message>
    <message>
        <source>Mission Description:</source>
        <translation>Missionsbeschreibung:</translation>
    </message>
    <message>
        <source>De&amp;briefings</source>
        <translation>&amp;Nachbesprechungen</translation>
    </message>
    <message>
        <source>There are no Debriefings for Zyn Format Missions</source>
        <translation>Missionen im Zyn-Format haben keine Nachbesprechungen</translation>
    </message>
    <message>
        <source>Success Debriefing:</source>
        <translation>Nachbesprechung bei Erfolg:</translation>
    </message>
    <message>
        <source>Failure Debriefing:</source>
        <translation>Nachbesprechung bei Fehlschlag:</translation>
    </message>
    <message>
        <source>Te&amp;ams</source>
        <translation>&amp;Teams</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Cu&amp;t FG</source>
        <translation>FG aus&amp;schneiden</translation>
    </message>
    <message>
        <source>Cu&amp;t Message</source>
        <translation>Nachricht aus&amp;schneiden</translation>
    </message>
    <message>
        <source>&amp;Copy FG</source>
        <translation>FG &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Copy Message</source>
        <translation>Nachricht &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste FG</source>
        <translation>FG &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Paste Message</source>
        <translation>Nachricht &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete FG</source>
        <translation>FG &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Delete Message</source>
        <translation>Nachricht &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Add Message</source>
        <translation>Nachricht &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Move FG &amp;up</source>
        <translation>FG nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Message &amp;Up</source>
        <translation>Nachricht nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Move FG down</source>
        <translation>FG nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Move Message Down</source>
        <translation>Nachricht nach &amp;unten</translation>
    </message>
    <message>
        <source>Open the handbook at the page and tab in front</source>
        <translation>Das Handbuch bei der vorderen Seite und Registerkarte öffnen</translation>
    </message>
</context>
<context>
    <name>app::MapCanvas</name>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
</context>
<context>
    <name>app::MapWaypointWindow</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Edit Current FG Waypoints</source>
        <translation>Wegpunkte der aktuellen FG bearbeiten</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Nutzen</translation>
    </message>
    <message>
        <source>Points in Use</source>
        <translation>Benutzte Punkte</translation>
    </message>
    <message>
        <source>Start %1</source>
        <translation>Start %1</translation>
    </message>
    <message>
        <source>WP %1</source>
        <translation>WP %1</translation>
    </message>
    <message>
        <source>Rdnv</source>
        <translation>Treff</translation>
    </message>
    <message>
        <source>Hyper</source>
        <translation>Hyper</translation>
    </message>
    <message>
        <source>Brief %1</source>
        <translation>Brief %1</translation>
    </message>
</context>
<context>
    <name>app::MapWindow</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save As </source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete the current flight group</source>
        <translation>Die aktuelle Fluggruppe löschen</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>&amp;Alle wählen</translation>
    </message>
    <message>
        <source>Select every flight group shown</source>
        <translation>Jede gezeigte Fluggruppe wählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel the gesture under way</source>
        <translation>Die laufende Geste abbrechen</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom in a step</source>
        <translation>Eine Stufe vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Zoom out a step</source>
        <translation>Eine Stufe verkleinern</translation>
    </message>
    <message>
        <source>Zoom in a little</source>
        <translation>Etwas vergrößern</translation>
    </message>
    <message>
        <source>Zoom out a little</source>
        <translation>Etwas verkleinern</translation>
    </message>
    <message>
        <source>Zoom 800</source>
        <translation>Zoom 800</translation>
    </message>
    <message>
        <source>Zoom 16</source>
        <translation>Zoom 16</translation>
    </message>
    <message>
        <source>Center Map</source>
        <translation>Karte zentrieren</translation>
    </message>
    <message>
        <source>Center on Current FG</source>
        <translation>Auf aktuelle FG zentrieren</translation>
    </message>
    <message>
        <source>Pan left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Show more of the map on the left</source>
        <translation>Mehr von der Karte links zeigen</translation>
    </message>
    <message>
        <source>Pan right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Show more of the map on the right</source>
        <translation>Mehr von der Karte rechts zeigen</translation>
    </message>
    <message>
        <source>Pan up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Show more of the map above</source>
        <translation>Mehr von der Karte oben zeigen</translation>
    </message>
    <message>
        <source>Pan down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Show more of the map below</source>
        <translation>Mehr von der Karte unten zeigen</translation>
    </message>
    <message>
        <source>Next plane</source>
        <translation>Nächste Ebene</translation>
    </message>
    <message>
        <source>View the next plane</source>
        <translation>Die nächste Ebene zeigen</translation>
    </message>
    <message>
        <source>X-Y plane</source>
        <translation>X-Y-Ebene</translation>
    </message>
    <message>
        <source>View the X-Y plane</source>
        <translation>Die X-Y-Ebene zeigen</translation>
    </message>
    <message>
        <source>X-Z plane</source>
        <translation>X-Z-Ebene</translation>
    </message>
    <message>
        <source>View the X-Z plane</source>
        <translation>Die X-Z-Ebene zeigen</translation>
    </message>
    <message>
        <source>Y-Z plane</source>
        <translation>Y-Z-Ebene</translation>
    </message>
    <message>
        <source>View the Y-Z plane</source>
        <translation>Die Y-Z-Ebene zeigen</translation>
    </message>
    <message>
        <source>WP distances</source>
        <translation>WP-Entfernungen</translation>
    </message>
    <message>
        <source>Team Palette</source>
        <translation>Teampalette</translation>
    </message>
    <message>
        <source>WP times</source>
        <translation>WP-Zeiten</translation>
    </message>
    <message>
        <source>Curr FG only</source>
        <translation>Nur aktuelle FG</translation>
    </message>
    <message>
        <source>Link Hyperpt</source>
        <translation>Hyperpkt. koppeln</translation>
    </message>
    <message>
        <source>Lock Start 1 waypoint</source>
        <translation>Wegpunkt Start 1 sperren</translation>
    </message>
    <message>
        <source>Names on</source>
        <translation>Namen an</translation>
    </message>
    <message>
        <source>All WPs</source>
        <translation>Alle WPs</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>Show the grid</source>
        <translation>Das Gitter zeigen</translation>
    </message>
    <message>
        <source>Icons only</source>
        <translation>Nur Symbole</translation>
    </message>
    <message>
        <source>Icons instead of wireframes</source>
        <translation>Symbole statt Drahtmodelle</translation>
    </message>
    <message>
        <source>Off-screen flight groups</source>
        <translation>Fluggruppen außerhalb</translation>
    </message>
    <message>
        <source>Draw flight groups outside the window</source>
        <translation>Fluggruppen außerhalb des Fensters zeichnen</translation>
    </message>
    <message>
        <source>Team 1</source>
        <translation>Team 1</translation>
    </message>
    <message>
        <source>Team 1 in the palette</source>
        <translation>Team 1 in der Palette</translation>
    </message>
    <message>
        <source>Team 2</source>
        <translation>Team 2</translation>
    </message>
    <message>
        <source>Team 2 in the palette</source>
        <translation>Team 2 in der Palette</translation>
    </message>
    <message>
        <source>Team 3</source>
        <translation>Team 3</translation>
    </message>
    <message>
        <source>Team 3 in the palette</source>
        <translation>Team 3 in der Palette</translation>
    </message>
    <message>
        <source>Team 4</source>
        <translation>Team 4</translation>
    </message>
    <message>
        <source>Team 4 in the palette</source>
        <translation>Team 4 in der Palette</translation>
    </message>
    <message>
        <source>Team 5</source>
        <translation>Team 5</translation>
    </message>
    <message>
        <source>Team 5 in the palette</source>
        <translation>Team 5 in der Palette</translation>
    </message>
    <message>
        <source>Team 6</source>
        <translation>Team 6</translation>
    </message>
    <message>
        <source>Team 6 in the palette</source>
        <translation>Team 6 in der Palette</translation>
    </message>
    <message>
        <source>Team 7</source>
        <translation>Team 7</translation>
    </message>
    <message>
        <source>Team 7 in the palette</source>
        <translation>Team 7 in der Palette</translation>
    </message>
    <message>
        <source>Team 8</source>
        <translation>Team 8</translation>
    </message>
    <message>
        <source>Team 8 in the palette</source>
        <translation>Team 8 in der Palette</translation>
    </message>
    <message>
        <source>Team 9</source>
        <translation>Team 9</translation>
    </message>
    <message>
        <source>Team 9 in the palette</source>
        <translation>Team 9 in der Palette</translation>
    </message>
    <message>
        <source>Team 10</source>
        <translation>Team 10</translation>
    </message>
    <message>
        <source>Team 10 in the palette</source>
        <translation>Team 10 in der Palette</translation>
    </message>
    <message>
        <source>Lock current %1 coordinate</source>
        <translation>Aktuelle %1-Koordinate sperren</translation>
    </message>
    <message>
        <source>zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Current flight group</source>
        <translation>Aktuelle Fluggruppe</translation>
    </message>
    <message>
        <source>Flight Group Map</source>
        <translation>Fluggruppen-Karte</translation>
    </message>
    <message>
        <source>No flight group</source>
        <translation>Keine Fluggruppe</translation>
    </message>
    <message>
        <source>Handbook</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>Open the handbook at the section about the map</source>
        <translation>Das Handbuch beim Abschnitt über die Karte öffnen</translation>
    </message>
    <message>
        <source>Starship Class</source>
        <translation>Klasse Großkampfschiff</translation>
    </message>
    <message>
        <source>Starfighter Class</source>
        <translation>Klasse Raumjäger</translation>
    </message>
    <message>
        <source>Transport or Utility Class</source>
        <translation>Klasse Transporter oder Versorger</translation>
    </message>
    <message>
        <source>Platform Class</source>
        <translation>Klasse Plattform</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objekte</translation>
    </message>
    <message>
        <source>Freighter/Container Class</source>
        <translation>Klasse Frachter/Container</translation>
    </message>
    <message>
        <source>Zoom 16 (S)</source>
        <translation>Zoom 16 (S)</translation>
    </message>
    <message>
        <source>Zoom 800 (A)</source>
        <translation>Zoom 800 (A)</translation>
    </message>
    <message>
        <source>View the X-Y plane (F1)</source>
        <translation>X-Y-Ebene zeigen (F1)</translation>
    </message>
    <message>
        <source>View the X-Z plane (F2)</source>
        <translation>X-Z-Ebene zeigen (F2)</translation>
    </message>
    <message>
        <source>View the Y-Z plane (F3)</source>
        <translation>Y-Z-Ebene zeigen (F3)</translation>
    </message>
    <message>
        <source>Center Map (Enter)</source>
        <translation>Karte zentrieren (Eingabe)</translation>
    </message>
    <message>
        <source>Center on FG</source>
        <translation>Auf FG zentrieren</translation>
    </message>
    <message>
        <source>Center on Current FG (F)</source>
        <translation>Auf aktuelle FG zentrieren (F)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Fit to Battlefield</source>
        <translation>Auf das Schlachtfeld einpassen</translation>
    </message>
    <message>
        <source>AC 0</source>
        <translation>AZ 0</translation>
    </message>
    <message>
        <source>AC FG</source>
        <translation>AZ FG</translation>
    </message>
    <message>
        <source>AC Y0</source>
        <translation>AZ Y0</translation>
    </message>
    <message>
        <source>AC Fit</source>
        <translation>AZ Einp.</translation>
    </message>
    <message>
        <source>AutoCentre: at Map centre</source>
        <translation>Autozentrieren: auf die Kartenmitte</translation>
    </message>
    <message>
        <source>AutoCentre: on Current FG</source>
        <translation>Autozentrieren: auf die aktuelle FG</translation>
    </message>
    <message>
        <source>AutoCentre: Zero Y axis</source>
        <translation>Autozentrieren: Y-Achse auf null</translation>
    </message>
    <message>
        <source>AutoCentre: Fit to Battlefield</source>
        <translation>Autozentrieren: auf das Schlachtfeld einpassen</translation>
    </message>
    <message>
        <source>Reb</source>
        <translation>Reb</translation>
    </message>
    <message>
        <source>Imp</source>
        <translation>Imp</translation>
    </message>
    <message>
        <source>Blu</source>
        <translation>Bla</translation>
    </message>
    <message>
        <source>Yel</source>
        <translation>Gel</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Pur</source>
        <translation>Vio</translation>
    </message>
    <message>
        <source>Show IFF %1</source>
        <translation>IFF %1 zeigen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Show all flight groups</source>
        <translation>Alle Fluggruppen zeigen</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>GKS</translation>
    </message>
    <message>
        <source>Ftr</source>
        <translation>Jäg</translation>
    </message>
    <message>
        <source>Trn</source>
        <translation>Trn</translation>
    </message>
    <message>
        <source>Plt</source>
        <translation>Plt</translation>
    </message>
    <message>
        <source>Obj</source>
        <translation>Obj</translation>
    </message>
    <message>
        <source>Frt</source>
        <translation>Fra</translation>
    </message>
    <message>
        <source>FGs within 30 seconds</source>
        <translation>FGs in den ersten 30 Sekunden</translation>
    </message>
    <message>
        <source>E</source>
        <translation>L</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>H</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Easy arrivals</source>
        <translation>Ankünfte auf Leicht</translation>
    </message>
    <message>
        <source>Medium arrivals</source>
        <translation>Ankünfte auf Mittel</translation>
    </message>
    <message>
        <source>Hard arrivals</source>
        <translation>Ankünfte auf Schwer</translation>
    </message>
    <message>
        <source>Show names (N)</source>
        <translation>Namen zeigen (N)</translation>
    </message>
    <message>
        <source>Show the waypoints of every flight group (W)</source>
        <translation>Die Wegpunkte aller Fluggruppen zeigen (W)</translation>
    </message>
    <message>
        <source>Curr WPs</source>
        <translation>Akt. WPs</translation>
    </message>
    <message>
        <source>Show the waypoints of the current flight group</source>
        <translation>Die Wegpunkte der aktuellen Fluggruppe zeigen</translation>
    </message>
    <message>
        <source>Show only the current flight group (C)</source>
        <translation>Nur die aktuelle Fluggruppe zeigen (C)</translation>
    </message>
    <message>
        <source>FG List</source>
        <translation>FG-Liste</translation>
    </message>
    <message>
        <source>FG List </source>
        <translation>FG-Liste </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>Decrease Team In Palette</source>
        <translation>Vorheriges Team in der Palette</translation>
    </message>
    <message>
        <source>Increase Team in Palette</source>
        <translation>Nächstes Team in der Palette</translation>
    </message>
    <message>
        <source>Lock S1</source>
        <translation>S1 sperren</translation>
    </message>
    <message>
        <source>Lock current X coordinate</source>
        <translation>Aktuelle X-Koordinate sperren</translation>
    </message>
    <message>
        <source>Lock current Y coordinate</source>
        <translation>Aktuelle Y-Koordinate sperren</translation>
    </message>
    <message>
        <source>Edit WPs</source>
        <translation>WPs bearbeiten</translation>
    </message>
    <message>
        <source>Edit the current flight group's waypoints</source>
        <translation>Die Wegpunkte der aktuellen Fluggruppe bearbeiten</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Haupt</translation>
    </message>
    <message>
        <source>Back to main window</source>
        <translation>Zurück zum Hauptfenster</translation>
    </message>
    <message>
        <source>X Snap</source>
        <translation>X-Raster</translation>
    </message>
    <message>
        <source>Y Snap</source>
        <translation>Y-Raster</translation>
    </message>
    <message>
        <source>Link wps 2-8</source>
        <translation>WPs 2–8 koppeln</translation>
    </message>
    <message>
        <source>Briefing Mode</source>
        <translation>Briefingmodus</translation>
    </message>
    <message>
        <source>Flight group %1 of %2: %3, %4</source>
        <translation>Fluggruppe %1 von %2: %3, %4</translation>
    </message>
</context>
<context>
    <name>app::MessagesPage</name>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source> sec</source>
        <translation> Sek.</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Nachricht:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Verzögerung:</translation>
    </message>
    <message>
        <source>Sent to Teams:</source>
        <translation>An Teams:</translation>
    </message>
    <message>
        <source>Click on text to edit (double-click for clipboard)</source>
        <translation>Text anklicken zum Bearbeiten (Doppelklick für Zwischenablage)</translation>
    </message>
    <message>
        <source>Message %1: %2</source>
        <translation>Nachricht %1: %2</translation>
    </message>
    <message>
        <source>No messages</source>
        <translation>Keine Nachrichten</translation>
    </message>
    <message>
        <source>Message #</source>
        <translation>Nachricht Nr. </translation>
    </message>
    <message>
        <source> of </source>
        <translation> von </translation>
    </message>
    <message>
        <source>Delete all selected Messages - Are You Sure?</source>
        <translation>Alle gewählten Nachrichten löschen – sind Sie sicher?</translation>
    </message>
    <message>
        <source>Message Trigger</source>
        <translation>Nachrichtenauslöser</translation>
    </message>
    <message>
        <source>Message Text</source>
        <translation>Nachrichtentext</translation>
    </message>
    <message>
        <source>Teams Sent to</source>
        <translation>Empfangende Teams</translation>
    </message>
    <message>
        <source>Message Colour</source>
        <translation>Nachrichtenfarbe</translation>
    </message>
</context>
<context>
    <name>app::MissionDocument</name>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Success Debrief</source>
        <translation>Nachbesprechung Erfolg</translation>
    </message>
    <message>
        <source>Failure Debrief</source>
        <translation>Nachbesprechung Fehlschlag</translation>
    </message>
    <message>
        <source>format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Message Sounds</source>
        <translation>Nachrichtenklänge</translation>
    </message>
</context>
<context>
    <name>app::MissionFiles</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Import JSON</source>
        <translation>JSON importieren</translation>
    </message>
    <message>
        <source>Export as JSON</source>
        <translation>Als JSON exportieren</translation>
    </message>
    <message>
        <source>Reload from disk</source>
        <translation>Von der Festplatte neu laden</translation>
    </message>
    <message>
        <source>Current Mission has been changed. Save it?</source>
        <translation>Die aktuelle Mission wurde geändert. Speichern?</translation>
    </message>
</context>
<context>
    <name>app::MissionFlowWindow</name>
    <message>
        <source>Mission Flow</source>
        <translation>Missionsablauf</translation>
    </message>
    <message>
        <source>&amp;Difficulty:</source>
        <translation>&amp;Schwierigkeit:</translation>
    </message>
    <message>
        <source>Every level</source>
        <translation>Jede Stufe</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>&amp;Timeline</source>
        <translation>&amp;Zeitleiste</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Graph</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Befunde</translation>
    </message>
    <message>
        <source>Advisories: where the game decides</source>
        <translation>Hinweise: wo das Spiel entscheidet</translation>
    </message>
    <message>
        <source>&amp;Show advisories</source>
        <translation>Hinweise &amp;zeigen</translation>
    </message>
    <message>
        <source>Current flight group</source>
        <translation>Aktuelle Fluggruppe</translation>
    </message>
    <message>
        <source>Waits on:</source>
        <translation>Wartet auf:</translation>
    </message>
    <message>
        <source>Waited on by:</source>
        <translation>Auf sie warten:</translation>
    </message>
    <message>
        <source>Nothing that can never happen.</source>
        <translation>Nichts, das nie geschehen kann.</translation>
    </message>
    <message>
        <source>Nothing the game decides.</source>
        <translation>Nichts, das das Spiel entscheidet.</translation>
    </message>
    <message>
        <source>At %1: %2 of %3 flight groups arrive (%4 at a known time, %5 no earlier than shown), %6 never.</source>
        <translation>Auf %1: %2 von %3 Fluggruppen kommen (%4 zu bekannter Zeit, %5 nicht früher als gezeigt), %6 nie.</translation>
    </message>
    <message>
        <source>1 finding,</source>
        <translation>1 Befund,</translation>
    </message>
    <message>
        <source>%1 findings,</source>
        <translation>%1 Befunde,</translation>
    </message>
    <message>
        <source>1 advisory.</source>
        <translation>1 Hinweis.</translation>
    </message>
    <message>
        <source>%1 advisories.</source>
        <translation>%1 Hinweise.</translation>
    </message>
    <message>
        <source>No flight group is current.</source>
        <translation>Keine Fluggruppe ist aktuell.</translation>
    </message>
    <message>
        <source>, only if a human flies it</source>
        <translation>, nur wenn ein Mensch sie fliegt</translation>
    </message>
    <message>
        <source>Trigger %1: %2</source>
        <translation>Auslöser %1: %2</translation>
    </message>
    <message>
        <source>Then a delay of %1</source>
        <translation>Dann eine Verzögerung von %1</translation>
    </message>
    <message>
        <source>Mother ship: %1  (%2)</source>
        <translation>Mutterschiff: %1  (%2)</translation>
    </message>
    <message>
        <source>Mother ship: flight group %1, which the mission does not have</source>
        <translation>Mutterschiff: Fluggruppe %1, die die Mission nicht hat</translation>
    </message>
    <message>
        <source>Nothing: it is there when the mission starts.</source>
        <translation>Nichts: Sie ist beim Missionsstart da.</translation>
    </message>
    <message>
        <source>Team %1 %2 goal  (%3)</source>
        <translation>Team %1, Ziel %2  (%3)</translation>
    </message>
    <message>
        <source>Nothing waits on it.</source>
        <translation>Nichts wartet auf sie.</translation>
    </message>
</context>
<context>
    <name>app::MissionSettingsPanel</name>
    <message>
        <source>Zyn Format</source>
        <translation>Zyn-Format</translation>
    </message>
    <message>
        <source>Qvn Format</source>
        <translation>Qvn-Format</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Melee</source>
        <translation>Gefecht</translation>
    </message>
    <message>
        <source>Multiplayer Training</source>
        <translation>Mehrspieler-Training</translation>
    </message>
    <message>
        <source>Multiplayer Combat</source>
        <translation>Mehrspieler-Kampf</translation>
    </message>
    <message>
        <source>Mission Type:</source>
        <translation>Missionsart:</translation>
    </message>
    <message>
        <source>Time Limit:</source>
        <translation>Zeitlimit:</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>
- its success and failure debriefings</source>
        <translation>
- ihre Nachbesprechungen bei Erfolg und Fehlschlag</translation>
    </message>
    <message>
        <source>
- the last character of its description</source>
        <translation>
- das letzte Zeichen ihrer Beschreibung</translation>
    </message>
    <message>
        <source>
- the last %1 characters of its description</source>
        <translation>
- die letzten %1 Zeichen ihrer Beschreibung</translation>
    </message>
    <message>
        <source>Zyn Format has no debriefings and keeps the first 1,023 characters of the description. Saved in Zyn Format, this mission loses:%1

Switch to Zyn Format?</source>
        <translation>Das Zyn-Format hat keine Nachbesprechungen und behält die ersten 1.023 Zeichen der Beschreibung. Im Zyn-Format gespeichert verliert diese Mission:%1

Zum Zyn-Format wechseln?</translation>
    </message>
    <message>
        <source>Time Limit</source>
        <translation>Zeitlimit</translation>
    </message>
    <message>
        <source>Mission Type</source>
        <translation>Missionsart</translation>
    </message>
</context>
<context>
    <name>app::MissionWatch</name>
    <message>
        <source>"%1" was deleted or moved away; the mission stays open, and Save writes it back.</source>
        <translation>„%1“ wurde gelöscht oder verschoben; die Mission bleibt offen, und „Speichern“ schreibt sie zurück.</translation>
    </message>
    <message>
        <source>"%1" changed on disk and was reloaded (Undo brings back what was shown).</source>
        <translation>„%1“ wurde auf der Festplatte geändert und neu geladen („Rückgängig“ holt das Gezeigte zurück).</translation>
    </message>
    <message>
        <source>"%1" was reloaded from disk (Undo brings back your changes).</source>
        <translation>„%1“ wurde von der Festplatte neu geladen („Rückgängig“ holt Ihre Änderungen zurück).</translation>
    </message>
    <message>
        <source>Reload from disk</source>
        <translation>Von der Festplatte neu laden</translation>
    </message>
    <message>
        <source>The sound list "%1" changed on disk and was reloaded.</source>
        <translation>Die Klangliste „%1“ wurde auf der Festplatte geändert und neu geladen.</translation>
    </message>
</context>
<context>
    <name>app::NoticeWindow</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>app::NumberSpin</name>
    <message>
        <source>%1 is past what this box takes (%2 to %3): %4 is stored.</source>
        <translation>%1 liegt jenseits dessen, was dieses Feld nimmt (%2 bis %3): %4 wird gespeichert.</translation>
    </message>
</context>
<context>
    <name>app::OptFileManager</name>
    <message>
        <source>OPT File Manager</source>
        <translation>OPT-Dateiverwaltung</translation>
    </message>
    <message>
        <source>Select ship slot</source>
        <translation>Schiffsplatz wählen</translation>
    </message>
    <message>
        <source>Select OPT file</source>
        <translation>OPT-Datei wählen</translation>
    </message>
    <message>
        <source>Subdirectory</source>
        <translation>Unterordner</translation>
    </message>
    <message>
        <source>&lt;&lt; Assign</source>
        <translation>&lt;&lt; Zuweisen</translation>
    </message>
    <message>
        <source>Restore &gt;&gt;</source>
        <translation>Zurück &gt;&gt;</translation>
    </message>
    <message>
        <source>Rename Slot</source>
        <translation>Platz umbenennen</translation>
    </message>
    <message>
        <source>Ivfiles Directory</source>
        <translation>Ordner ivfiles</translation>
    </message>
    <message>
        <source>Zyn too</source>
        <translation>Auch Zyn</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Verwenden</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>app::OptionsPage</name>
    <message>
        <source>CMD: This FG's role to each Team:</source>
        <translation>CMD: Rolle dieser FG für jedes Team:</translation>
    </message>
    <message>
        <source>All Teams</source>
        <translation>Alle Teams</translation>
    </message>
    <message>
        <source>Optional Weapons</source>
        <translation>Wahlwaffen</translation>
    </message>
    <message>
        <source>Warheads</source>
        <translation>Sprengköpfe</translation>
    </message>
    <message>
        <source>Beams</source>
        <translation>Strahlen</translation>
    </message>
    <message>
        <source>Countermeasures</source>
        <translation>Gegenmaßnahmen</translation>
    </message>
    <message>
        <source>All Options On/Off</source>
        <translation>Alle Optionen an/aus</translation>
    </message>
    <message>
        <source>Optional Ships</source>
        <translation>Wahlschiffe</translation>
    </message>
    <message>
        <source>waves of:</source>
        <translation>Wellen zu:</translation>
    </message>
    <message>
        <source>Optional Craft</source>
        <translation>Wahlschiff</translation>
    </message>
</context>
<context>
    <name>app::OrdersPage</name>
    <message>
        <source>Click on text to edit (double-click for clipboard)</source>
        <translation>Text anklicken zum Bearbeiten (Doppelklick für Zwischenablage)</translation>
    </message>
    <message>
        <source>Editing order</source>
        <translation>Bearbeiteter Befehl</translation>
    </message>
    <message>
        <source>Add to Clipboard</source>
        <translation>In Zwischenablage</translation>
    </message>
    <message>
        <source>Throttle:</source>
        <translation>Schub:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Primary Target</source>
        <translation>Primärziel</translation>
    </message>
    <message>
        <source>Secondary Target</source>
        <translation>Sekundärziel</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Either A or B</source>
        <translation>A oder B</translation>
    </message>
    <message>
        <source>Class A</source>
        <translation>Klasse A</translation>
    </message>
    <message>
        <source>Class B</source>
        <translation>Klasse B</translation>
    </message>
    <message>
        <source>order from the clipboard</source>
        <translation>Befehl aus der Zwischenablage</translation>
    </message>
    <message>
        <source>Order Target Type</source>
        <translation>Zielart des Befehls</translation>
    </message>
    <message>
        <source>Target A</source>
        <translation>Ziel A</translation>
    </message>
    <message>
        <source>Target B</source>
        <translation>Ziel B</translation>
    </message>
</context>
<context>
    <name>app::OtherPage</name>
    <message>
        <source>Object (not craft) orientation angle</source>
        <translation>Ausrichtungswinkel des Objekts (kein Schiff)</translation>
    </message>
    <message>
        <source>64 = flat </source>
        <translation>64 = flach</translation>
    </message>
    <message>
        <source>0 = On edge</source>
        <translation>0 = hochkant</translation>
    </message>
    <message>
        <source>Jump to Order 4 when:</source>
        <translation>Zu Befehl 4 springen, wenn:</translation>
    </message>
    <message>
        <source>Unknowns</source>
        <translation>Unbekannte</translation>
    </message>
    <message>
        <source>Edit Unknowns</source>
        <translation>Unbekannte bearbeiten</translation>
    </message>
    <message>
        <source>Jump to Order 4 Trigger</source>
        <translation>Auslöser für den Sprung zu Befehl 4</translation>
    </message>
    <message>
        <source>Unknown Bytes</source>
        <translation>Unbekannte Bytes</translation>
    </message>
</context>
<context>
    <name>app::PreferencesDialog</name>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Tastatur</translation>
    </message>
    <message>
        <source>Folder Tree…</source>
        <translation>Ordnerbaum…</translation>
    </message>
    <message>
        <source>Choose the folder in the editor's folder tree</source>
        <translation>Den Ordner im Ordnerbaum des Editors wählen</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <source>Choose the folder in the desktop's folder dialog</source>
        <translation>Den Ordner im Ordnerdialog des Desktops wählen</translation>
    </message>
    <message>
        <source>The keys could not be saved to "%1".
%2</source>
        <translation>Die Tasten konnten nicht in „%1“ gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>Adjust Map to fit screen</source>
        <translation>Karte an den Bildschirm anpassen</translation>
    </message>
    <message>
        <source>Adjust Main window and Map window to fit screen</source>
        <translation>Haupt- und Kartenfenster an den Bildschirm anpassen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Use Autolink by default</source>
        <translation>Auto-Verknüpfung als Vorgabe</translation>
    </message>
    <message>
        <source>Error check for valid Craft</source>
        <translation>Fehlerprüfung auf gültige Schiffe</translation>
    </message>
    <message>
        <source>Confirm before deleting</source>
        <translation>Vor dem Löschen nachfragen</translation>
    </message>
    <message>
        <source>Enable WP1 and HYP</source>
        <translation>WP1 und HYP einschalten</translation>
    </message>
    <message>
        <source>Link Ship's color to its name</source>
        <translation>Schiffsfarbe an den Namen koppeln</translation>
    </message>
    <message>
        <source>Use New Mission Wizard</source>
        <translation>Assistenten für neue Missionen nutzen</translation>
    </message>
    <message>
        <source>Show directory in Reopen list</source>
        <translation>Ordner in „Zuletzt geöffnet“ zeigen</translation>
    </message>
    <message>
        <source>Backup mission when loading</source>
        <translation>Mission beim Laden sichern</translation>
    </message>
    <message>
        <source>Show File Saved Message </source>
        <translation>Meldung „Datei gespeichert“ zeigen</translation>
    </message>
    <message>
        <source>Default Mission Format</source>
        <translation>Vorgabeformat der Mission</translation>
    </message>
    <message>
        <source>Zyn</source>
        <translation>Zyn</translation>
    </message>
    <message>
        <source>Qvn</source>
        <translation>Qvn</translation>
    </message>
    <message>
        <source>Open program with:</source>
        <translation>Programm starten mit:</translation>
    </message>
    <message>
        <source>Choice Box</source>
        <translation>Auswahlfenster</translation>
    </message>
    <message>
        <source>Blank Mission</source>
        <translation>Leerer Mission</translation>
    </message>
    <message>
        <source>Open File Dialogue</source>
        <translation>Dateidialog</translation>
    </message>
    <message>
        <source>Last Used File</source>
        <translation>Zuletzt benutzter Datei</translation>
    </message>
    <message>
        <source>Default New FG</source>
        <translation>Vorgabe für neue FG</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Schiff</translation>
    </message>
    <message>
        <source>A.I.</source>
        <translation>K.I.</translation>
    </message>
    <message>
        <source>The language of the editor's texts, from the next start on</source>
        <translation>Die Sprache der Texte des Editors, ab dem nächsten Start</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>Pref. Missions Directory:</source>
        <translation>Bevorzugter Missionsordner:</translation>
    </message>
    <message>
        <source>Your VortanKre Directory:</source>
        <translation>Ihr VortanKre-Ordner:</translation>
    </message>
    <message>
        <source>Your ZynED Directory:</source>
        <translation>Ihr ZynED-Ordner:</translation>
    </message>
    <message>
        <source>(where the editor keeps its file history and looks for replacement vocabulary files such as Ships.txt)</source>
        <translation>(hier führt der Editor seinen Dateiverlauf und sucht Ersatz-Vokabeldateien wie Ships.txt)</translation>
    </message>
    <message>
        <source>Pref. Wave Directory:</source>
        <translation>Bevorzugter Wave-Ordner:</translation>
    </message>
    <message>
        <source>(must be the Wave directory of the game or of the expansion, or one of their subdirectories)</source>
        <translation>(muss der Wave-Ordner des Spiels oder der Erweiterung sein oder einer ihrer Unterordner)</translation>
    </message>
    <message>
        <source>Pref. OPT Directory:</source>
        <translation>Bevorzugter OPT-Ordner:</translation>
    </message>
    <message>
        <source>(must be the ivfiles directory of the game or of the expansion, or one of their subdirectories)</source>
        <translation>(muss der ivfiles-Ordner des Spiels oder der Erweiterung sein oder einer ihrer Unterordner)</translation>
    </message>
    <message>
        <source>Centre Map to new selections</source>
        <translation>Karte auf neue Auswahl zentrieren</translation>
    </message>
    <message>
        <source>'Ghost' names on Map</source>
        <translation>„Geister“-Namen auf der Karte</translation>
    </message>
    <message>
        <source>'Ghost' Map  grid</source>
        <translation>„Geister“-Kartengitter</translation>
    </message>
    <message>
        <source>Minimum wirefrime sizes</source>
        <translation>Mindestgröße der Drahtmodelle</translation>
    </message>
    <message>
        <source>Link Hyperspace point</source>
        <translation>Hyperraumpunkt koppeln</translation>
    </message>
    <message>
        <source>Default State</source>
        <translation>Vorgabezustand</translation>
    </message>
    <message>
        <source>Names on</source>
        <translation>Namen an</translation>
    </message>
    <message>
        <source>WP times on</source>
        <translation>WP-Zeiten an</translation>
    </message>
    <message>
        <source>WP distances on</source>
        <translation>WP-Entfernungen an</translation>
    </message>
    <message>
        <source>Palette on</source>
        <translation>Palette an</translation>
    </message>
    <message>
        <source>FG List on</source>
        <translation>FG-Liste an</translation>
    </message>
    <message>
        <source>Options on</source>
        <translation>Optionen an</translation>
    </message>
    <message>
        <source>Default WPs </source>
        <translation>Vorgabe-WPs</translation>
    </message>
    <message>
        <source>WPs off</source>
        <translation>WPs aus</translation>
    </message>
    <message>
        <source>All WPs on</source>
        <translation>Alle WPs an</translation>
    </message>
    <message>
        <source>Curr WPs only</source>
        <translation>Nur aktuelle WPs</translation>
    </message>
    <message>
        <source>AutoCentre (on changing view)</source>
        <translation>Auto-Zentrieren (beim Ansichtswechsel)</translation>
    </message>
    <message>
        <source>Centre Map</source>
        <translation>Karte zentrieren</translation>
    </message>
    <message>
        <source>Centre on current FG</source>
        <translation>Auf aktuelle FG zentrieren</translation>
    </message>
    <message>
        <source>Zero vertical axis</source>
        <translation>Senkrechte Achse auf null</translation>
    </message>
    <message>
        <source>Fit to Battlefield</source>
        <translation>Ans Schlachtfeld anpassen</translation>
    </message>
    <message>
        <source>No Adjustment</source>
        <translation>Keine Anpassung</translation>
    </message>
    <message>
        <source>Wireframes for small craft</source>
        <translation>Drahtmodelle für kleine Schiffe</translation>
    </message>
    <message>
        <source>Only in X-Y view</source>
        <translation>Nur in der X-Y-Ansicht</translation>
    </message>
    <message>
        <source>Only when Zoom &gt;</source>
        <translation>Nur bei Zoom &gt;</translation>
    </message>
    <message>
        <source>Map left-button-down zoom-in speed</source>
        <translation>Zoomtempo bei gedrückter linker Maustaste</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Map double-click linked to:</source>
        <translation>Doppelklick auf die Karte:</translation>
    </message>
    <message>
        <source>Zoom-out by steps</source>
        <translation>Stufenweise verkleinern</translation>
    </message>
    <message>
        <source>Zoom-out to fit Battlefield</source>
        <translation>Auf Schlachtfeld verkleinern</translation>
    </message>
    <message>
        <source>"%1" is not a whole number.
Enter the zoom above which small craft are drawn as wireframes (%2 to %3).</source>
        <translation>„%1“ ist keine ganze Zahl.
Geben Sie den Zoom an, ab dem kleine Schiffe als Drahtmodelle erscheinen (%2 bis %3).</translation>
    </message>
    <message>
        <source>The settings could not be saved to "%1".
%2</source>
        <translation>Die Einstellungen konnten nicht in „%1“ gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>Keep recovery copies</source>
        <translation>Wiederherstellungskopien anlegen</translation>
    </message>
    <message>
        <source>Unsaved work is copied into the settings folder's "recovery" folder as you edit, and offered again after a crash</source>
        <translation>Ungespeicherte Arbeit wird beim Bearbeiten in den Ordner „recovery“ des Einstellungsordners kopiert und nach einem Absturz wieder angeboten</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Nicht festgelegt</translation>
    </message>
</context>
<context>
    <name>app::PreviewPage</name>
    <message>
        <source>Seen by</source>
        <translation>Gesehen von</translation>
    </message>
    <message>
        <source>Rewind and Play</source>
        <translation>Zurückspulen und abspielen</translation>
    </message>
    <message>
        <source>Rewind and Stop</source>
        <translation>Zurückspulen und anhalten</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Previous Instruction</source>
        <translation>Vorherige Anweisung</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Advance 0.05 seconds</source>
        <translation>0,05 Sekunden vor</translation>
    </message>
    <message>
        <source>Advance to next Instruction</source>
        <translation>Zur nächsten Anweisung</translation>
    </message>
    <message>
        <source>Advance to next Stop point</source>
        <translation>Zum nächsten Haltepunkt</translation>
    </message>
    <message>
        <source>Pause at Stop points</source>
        <translation>An Haltepunkten anhalten</translation>
    </message>
    <message>
        <source>Show names</source>
        <translation>Namen zeigen</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>lock X</source>
        <translation>X sperren</translation>
    </message>
    <message>
        <source>lock Y</source>
        <translation>Y sperren</translation>
    </message>
    <message>
        <source>X Snap</source>
        <translation>X-Raster</translation>
    </message>
    <message>
        <source>Y Snap</source>
        <translation>Y-Raster</translation>
    </message>
    <message>
        <source>Seen by:</source>
        <translation>Gesehen von:</translation>
    </message>
    <message>
        <source>Total Running Time (sec):</source>
        <translation>Gesamtlaufzeit (Sek.):</translation>
    </message>
    <message>
        <source>Zoom: %1</source>
        <translation>Zoom: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Adjust Zoom</source>
        <translation>Zoom anpassen</translation>
    </message>
    <message>
        <source>Move Map</source>
        <translation>Karte verschieben</translation>
    </message>
    <message>
        <source>Briefing Text:</source>
        <translation>Briefingtext:</translation>
    </message>
    <message>
        <source>Box Flight Group:</source>
        <translation>Fluggruppe einrahmen:</translation>
    </message>
    <message>
        <source>Click on map to place Tag:</source>
        <translation>Auf die Karte klicken, um die Marke zu setzen:</translation>
    </message>
    <message>
        <source>Instruction #%1 :  </source>
        <translation>Anweisung Nr. %1 :  </translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Briefing preview</source>
        <translation>Briefing-Vorschau</translation>
    </message>
    <message>
        <source>Briefing time</source>
        <translation>Briefing-Zeit</translation>
    </message>
    <message>
        <source> Time: </source>
        <translation> Zeit: </translation>
    </message>
</context>
<context>
    <name>app::RecoveryDialog</name>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>Ungespeicherte Arbeit wiederherstellen</translation>
    </message>
    <message>
        <source>ZynED stopped without saving this work. Restore opens it as it was, marked changed, so that Save writes it where it belongs.</source>
        <translation>ZynED wurde beendet, ohne diese Arbeit zu speichern. „Wiederherstellen“ öffnet sie, wie sie war, als geändert markiert, damit „Speichern“ sie an ihren Platz schreibt.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>Decide &amp;Later</source>
        <translation>&amp;Später entscheiden</translation>
    </message>
</context>
<context>
    <name>app::RecoveryKeeper</name>
    <message>
        <source>cannot be read: %1</source>
        <translation>nicht lesbar: %1</translation>
    </message>
    <message>
        <source>never saved</source>
        <translation>nie gespeichert</translation>
    </message>
    <message>
        <source>the file is no longer on disk</source>
        <translation>die Datei ist nicht mehr auf der Festplatte</translation>
    </message>
    <message>
        <source> (the file changed on disk since)</source>
        <translation> (die Datei wurde seitdem auf der Festplatte geändert)</translation>
    </message>
    <message>
        <source>the file on disk cannot be read</source>
        <translation>die Datei auf der Festplatte ist nicht lesbar</translation>
    </message>
    <message>
        <source>; the sound list changed</source>
        <translation>; die Klangliste wurde geändert</translation>
    </message>
    <message>
        <source>No recovery copy could be written: %1</source>
        <translation>Es konnte keine Wiederherstellungskopie geschrieben werden: %1</translation>
    </message>
    <message>
        <source>"%1" is open in another ZynED (process %2, since %3). Two editors saving one file overwrite each other's work; each is told when the other saves.

Open it anyway?</source>
        <translation>„%1“ ist in einem anderen ZynED geöffnet (Prozess %2, seit %3). Zwei Editoren, die eine Datei speichern, überschreiben gegenseitig ihre Arbeit; jeder erfährt es, wenn der andere speichert.

Trotzdem öffnen?</translation>
    </message>
    <message>
        <source>Unnamed</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>The copy cannot be read: %1</source>
        <translation>Die Kopie ist nicht lesbar: %1</translation>
    </message>
</context>
<context>
    <name>app::ShipPage</name>
    <message>
        <source>Auto-link:  Shiptype / Team / IFF</source>
        <translation>Auto-Verknüpfung:  Schiffstyp / Team / IFF</translation>
    </message>
    <message>
        <source>The number of craft in each wave</source>
        <translation>Die Zahl der Schiffe je Welle</translation>
    </message>
    <message>
        <source>How many waves of the group arrive, one after another</source>
        <translation>Wie viele Wellen der Gruppe nacheinander kommen</translation>
    </message>
    <message>
        <source>View Forms</source>
        <translation>Formationen</translation>
    </message>
    <message>
        <source>View Formations</source>
        <translation>Formationen ansehen</translation>
    </message>
    <message>
        <source>Status 1</source>
        <translation>Status 1</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Besonderes</translation>
    </message>
    <message>
        <source>Ship#:</source>
        <translation>Schiff Nr.:</translation>
    </message>
    <message>
        <source>Randomize?</source>
        <translation>Zufällig?</translation>
    </message>
    <message>
        <source>(Special ship is not in FG)</source>
        <translation>(Besonderes Schiff ist nicht in der FG)</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Craft:</source>
        <translation>Schiff:</translation>
    </message>
    <message>
        <source>Waves:</source>
        <translation>Wellen:</translation>
    </message>
    <message>
        <source>Craft per wave:</source>
        <translation>Schiffe je Welle:</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Team:</translation>
    </message>
    <message>
        <source>IFF:</source>
        <translation>IFF:</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Spieler:</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>A.I.:</source>
        <translation>K.I.:</translation>
    </message>
    <message>
        <source>Markings:</source>
        <translation>Markierung:</translation>
    </message>
    <message>
        <source>Radio:</source>
        <translation>Funk:</translation>
    </message>
    <message>
        <source>Formation:</source>
        <translation>Formation:</translation>
    </message>
    <message>
        <source>Spacing:</source>
        <translation>Abstand:</translation>
    </message>
    <message>
        <source>Warheads:</source>
        <translation>Sprengköpfe:</translation>
    </message>
    <message>
        <source>Status 2</source>
        <translation>Status 2</translation>
    </message>
    <message>
        <source>Beam:</source>
        <translation>Strahl:</translation>
    </message>
    <message>
        <source>Countermeas.:</source>
        <translation>Gegenm.:</translation>
    </message>
    <message>
        <source>Cargo:</source>
        <translation>Fracht:</translation>
    </message>
    <message>
        <source>Spec. Cargo:</source>
        <translation>Sonderfracht:</translation>
    </message>
    <message>
        <source>Appears in Difficulty Level:</source>
        <translation>Erscheint auf Schwierigkeit:</translation>
    </message>
    <message>
        <source>Global Group</source>
        <translation>Globale Gruppe</translation>
    </message>
    <message>
        <source>Global Unit</source>
        <translation>Globale Einheit</translation>
    </message>
    <message>
        <source>Team </source>
        <translation>Team </translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>  Planet</source>
        <translation>  Planet</translation>
    </message>
</context>
<context>
    <name>app::StartUpDialog</name>
    <message>
        <source>Check the Version file for latest features</source>
        <translation>Neuerungen stehen in der Versionsdatei</translation>
    </message>
    <message>
        <source>Choose Action:</source>
        <translation>Aktion wählen:</translation>
    </message>
    <message>
        <source>Load &amp;Existing Mission</source>
        <translation>&amp;Vorhandene Mission laden</translation>
    </message>
    <message>
        <source>Create &amp;New Mission</source>
        <translation>&amp;Neue Mission anlegen</translation>
    </message>
    <message>
        <source>Load Last &amp;Used File</source>
        <translation>&amp;Zuletzt benutzte Datei laden</translation>
    </message>
    <message>
        <source>ZynED</source>
        <translation>ZynED</translation>
    </message>
    <message>
        <source>&lt;b&gt;ZynED %1&lt;/b&gt;</source>
        <translation>&lt;b&gt;ZynED %1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>app::StringsPage</name>
    <message>
        <source>Map Tags</source>
        <translation>Kartenmarken</translation>
    </message>
    <message>
        <source>Briefing Texts   (use String#0 for ZynED window heading)</source>
        <translation>Briefingtexte   (Text Nr. 0 ist die Fensterüberschrift in ZynED)</translation>
    </message>
    <message>
        <source>Map Tag %1</source>
        <translation>Kartenmarke %1</translation>
    </message>
    <message>
        <source>Briefing Text %1</source>
        <translation>Briefingtext %1</translation>
    </message>
</context>
<context>
    <name>app::TeamsPage</name>
    <message>
        <source>&lt; Previous Team</source>
        <translation>&lt; Voriges Team</translation>
    </message>
    <message>
        <source>Next Team &gt;</source>
        <translation>Nächstes Team &gt;</translation>
    </message>
    <message>
        <source>IFF for Autolink</source>
        <translation>IFF für Auto-Verknüpfung</translation>
    </message>
    <message>
        <source>Allied Teams:</source>
        <translation>Verbündete Teams:</translation>
    </message>
    <message>
        <source>Link Team by Radio</source>
        <translation>Team per Funk verbinden</translation>
    </message>
    <message>
        <source>Every flight group of this team gets the team's radio</source>
        <translation>Jede Fluggruppe dieses Teams erhält den Funk des Teams</translation>
    </message>
    <message>
        <source>Primary Success</source>
        <translation>Primär Erfolg</translation>
    </message>
    <message>
        <source>Primary Failure</source>
        <translation>Primär Fehlschlag</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Sekundär</translation>
    </message>
    <message>
        <source>Teams 9 and 10 have no radio channel to link.</source>
        <translation>Die Teams 9 und 10 haben keinen Funkkanal zum Verbinden.</translation>
    </message>
    <message>
        <source>Team %1 Name</source>
        <translation>Name von Team %1</translation>
    </message>
    <message>
        <source>Team Name</source>
        <translation>Teamname</translation>
    </message>
    <message>
        <source>Allied Teams</source>
        <translation>Verbündete Teams</translation>
    </message>
    <message>
        <source>Team String</source>
        <translation>Teamtext</translation>
    </message>
    <message>
        <source>Team IFF</source>
        <translation>Team-IFF</translation>
    </message>
</context>
<context>
    <name>app::TextBlockMemo</name>
    <message>
        <source>A "$" cannot be stored here: the game stores every line end as "$", so it would read back as a line break. It was left out.</source>
        <translation>Ein „$“ kann hier nicht gespeichert werden: Das Spiel speichert jedes Zeilenende als „$“, es käme also als Zeilenumbruch zurück. Es wurde weggelassen.</translation>
    </message>
</context>
<context>
    <name>app::TriggerEditor</name>
    <message>
        <source>And</source>
        <translation>Und</translation>
    </message>
    <message>
        <source>Or</source>
        <translation>Oder</translation>
    </message>
    <message>
        <source>of</source>
        <translation>von</translation>
    </message>
    <message>
        <source>must</source>
        <translation>muss</translation>
    </message>
    <message>
        <source>Add to Clipboard</source>
        <translation>In Zwischenablage</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Target kind</source>
        <translation>Zielart</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Bedingung</translation>
    </message>
</context>
<context>
    <name>app::UndoHistoryWindow</name>
    <message>
        <source>Undo History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>app::UnknownsDialog</name>
    <message>
        <source>FG Unknowns</source>
        <translation>Unbekannte der FG</translation>
    </message>
    <message>
        <source>Current values</source>
        <translation>Aktuelle Werte</translation>
    </message>
    <message>
        <source>Use Tab key to maneuver though edit boxes</source>
        <translation>Mit der Tab-Taste durch die Eingabefelder gehen</translation>
    </message>
    <message>
        <source>Changes affect all selected FGs</source>
        <translation>Änderungen gelten für alle gewählten FGs</translation>
    </message>
    <message>
        <source>Holds %1; left partly ticked it is kept</source>
        <translation>Hält %1; teilweise angekreuzt bleibt es erhalten</translation>
    </message>
    <message>
        <source>%1: '%2' is not a whole number from 0 to 255. Nothing was changed.</source>
        <translation>%1: „%2“ ist keine ganze Zahl von 0 bis 255. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Mission unknown 1</source>
        <translation>Unbekanntes der Mission 1</translation>
    </message>
    <message>
        <source>Mission unknown 2</source>
        <translation>Unbekanntes der Mission 2</translation>
    </message>
    <message>
        <source>Mission unknown 3</source>
        <translation>Unbekanntes der Mission 3</translation>
    </message>
</context>
<context>
    <name>app::UsagesWindow</name>
    <message>
        <source>Where Is It Used?</source>
        <translation>Wo wird sie verwendet?</translation>
    </message>
    <message>
        <source>The flight group is no longer in the mission.</source>
        <translation>Die Fluggruppe ist nicht mehr in der Mission.</translation>
    </message>
    <message>
        <source>Where Is %1 Used?</source>
        <translation>Wo wird %1 verwendet?</translation>
    </message>
    <message>
        <source>Nothing in the mission names %1.</source>
        <translation>Nichts in der Mission nennt %1.</translation>
    </message>
    <message>
        <source>One place names %1. Click it to open it.</source>
        <translation>Eine Stelle nennt %1. Zum Öffnen anklicken.</translation>
    </message>
    <message>
        <source>%1 places name %2. Click a line to open it.</source>
        <translation>%1 Stellen nennen %2. Zum Öffnen eine Zeile anklicken.</translation>
    </message>
</context>
<context>
    <name>app::WavManager</name>
    <message>
        <source>WAV Manager</source>
        <translation>WAV-Verwaltung</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Anlegen</translation>
    </message>
    <message>
        <source>Create .lst file for WAVs</source>
        <translation>.lst-Datei für WAVs anlegen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save .lst file</source>
        <translation>.lst-Datei speichern</translation>
    </message>
    <message>
        <source>Assign...</source>
        <translation>Zuweisen...</translation>
    </message>
    <message>
        <source>Assign a WAV to message</source>
        <translation>Der Nachricht eine WAV zuweisen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear current WAV</source>
        <translation>Aktuelle WAV entfernen</translation>
    </message>
    <message>
        <source>From game...</source>
        <translation>Aus dem Spiel...</translation>
    </message>
    <message>
        <source>Choose WAV from game</source>
        <translation>WAV aus dem Spiel wählen</translation>
    </message>
    <message>
        <source>not found in the wave folders</source>
        <translation>in den Wave-Ordnern nicht gefunden</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Autom. abspielen</translation>
    </message>
    <message>
        <source>sound list</source>
        <translation>Tonliste</translation>
    </message>
    <message>
        <source>sound of message %1</source>
        <translation>Ton von Nachricht %1</translation>
    </message>
</context>
<context>
    <name>app::WaveCatalogueWindow</name>
    <message>
        <source>WAVs included with Zyn</source>
        <translation>WAVs, die Zyn mitbringt</translation>
    </message>
    <message>
        <source>Autoplay WAV</source>
        <translation>WAV automatisch abspielen</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>IFF</source>
        <translation>IFF</translation>
    </message>
</context>
<context>
    <name>app::WizardDialog</name>
    <message>
        <source>New Mission Wizard</source>
        <translation>Assistent für neue Missionen</translation>
    </message>
    <message>
        <source>(M/P) &amp;Training</source>
        <translation>(M/P) &amp;Training</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>Zahl der Spieler:</translation>
    </message>
    <message>
        <source>IFF of Players:</source>
        <translation>IFF der Spieler:</translation>
    </message>
    <message>
        <source>M/P Com&amp;bat</source>
        <translation>M/P-&amp;Kampf</translation>
    </message>
    <message>
        <source>Combat Mission are intended for 8 </source>
        <translation>Kampfmissionen sind für 8 </translation>
    </message>
    <message>
        <source>players, but will work with at least </source>
        <translation>Spieler gedacht, laufen aber mit mindestens </translation>
    </message>
    <message>
        <source>1 on each side</source>
        <translation>1 je Seite</translation>
    </message>
    <message>
        <source>&amp;Melee</source>
        <translation>&amp;Gefecht</translation>
    </message>
    <message>
        <source>Number of Teams:</source>
        <translation>Zahl der Teams:</translation>
    </message>
    <message>
        <source>&amp;Set Default Craft Orders</source>
        <translation>Vorgabe&amp;befehle setzen</translation>
    </message>
    <message>
        <source>Rebel</source>
        <translation>Rebell</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperial</translation>
    </message>
</context>
<context>
    <name>app::WpsPage</name>
    <message>
        <source>Use Tab and Arrow keys to maneuver through Grid</source>
        <translation>Mit Tab- und Pfeiltasten durch das Raster gehen</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Raw Data  / 160 = km</source>
        <translation>Rohwerte  / 160 = km</translation>
    </message>
    <message>
        <source>3 decimal places</source>
        <translation>3 Nachkommastellen</translation>
    </message>
    <message>
        <source>Set To Start 1</source>
        <translation>Auf Start 1 setzen</translation>
    </message>
    <message>
        <source>Briefing points 1 to 8 take the position of Start 1</source>
        <translation>Die Briefingpunkte 1 bis 8 übernehmen die Position von Start 1</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Set Briefing Points to Start Point 1 for all selected FGs?</source>
        <translation>Briefingpunkte aller gewählten FGs auf Startpunkt 1 setzen?</translation>
    </message>
    <message>
        <source>briefing points</source>
        <translation>Briefingpunkte</translation>
    </message>
    <message>
        <source>Start 1</source>
        <translation>Start 1</translation>
    </message>
    <message>
        <source>Points in Use</source>
        <translation>Benutzte Punkte</translation>
    </message>
    <message>
        <source>Point Position</source>
        <translation>Punktposition</translation>
    </message>
</context>
<context>
    <name>core</name>
    <message>
        <source>&lt;Mission Description from .lst file&gt;</source>
        <translation>&lt;Missionsbeschreibung aus der .lst-Datei&gt;</translation>
    </message>
    <message>
        <source>                  No Effect?:</source>
        <translation>           Ohne Wirkung?:</translation>
    </message>
    <message>
        <source>             No Effect?:</source>
        <translation>        Ohne Wirkung?:</translation>
    </message>
    <message>
        <source>Docking time (%1 secs):</source>
        <translation>Andockzeit (%1 Sek.):</translation>
    </message>
    <message>
        <source>                  # of loops:</source>
        <translation>           Anzahl Schleifen:</translation>
    </message>
    <message>
        <source>           # of dockings:</source>
        <translation>      Anzahl Andockvorgänge:</translation>
    </message>
    <message>
        <source>Attack Player:Yes</source>
        <translation>Spieler angreifen: Ja</translation>
    </message>
    <message>
        <source>Attack Player:No</source>
        <translation>Spieler angreifen: Nein</translation>
    </message>
    <message>
        <source>         # of dockings:</source>
        <translation>    Anzahl Andockvorgänge:</translation>
    </message>
    <message>
        <source>Deploy time? (%1 secs):</source>
        <translation>Absetzzeit? (%1 Sek.):</translation>
    </message>
    <message>
        <source>FG# to drop off:</source>
        <translation>Abzusetzende FG-Nr.:</translation>
    </message>
    <message>
        <source>    Wait time (%1 secs):</source>
        <translation>    Wartezeit (%1 Sek.):</translation>
    </message>
    <message>
        <source>Delay time (%1 secs):</source>
        <translation>Verzögerung (%1 Sek.):</translation>
    </message>
    <message>
        <source>               No Effect?:</source>
        <translation>          Ohne Wirkung?:</translation>
    </message>
    <message>
        <source>Unknowns for each order:  %1,   %2,   %3,   %4</source>
        <translation>Unbekannte je Befehl:  %1,   %2,   %3,   %4</translation>
    </message>
    <message>
        <source>Order #%1:</source>
        <translation>Befehl Nr. %1:</translation>
    </message>
    <message>
        <source>Incomp</source>
        <translation>Unvollst.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlschlag</translation>
    </message>
    <message>
        <source>   Failed</source>
        <translation>   Fehlschlag</translation>
    </message>
    <message>
        <source> = (default)</source>
        <translation> = (Vorgabe)</translation>
    </message>
    <message>
        <source> = (untested)</source>
        <translation> = (ungetestet)</translation>
    </message>
    <message>
        <source>Mission Unks: </source>
        <translation>Missions-Unbek.: </translation>
    </message>
    <message>
        <source>Pt 5:   </source>
        <translation>Tl 5:   </translation>
    </message>
    <message>
        <source>Pt 7:   </source>
        <translation>Tl 7:   </translation>
    </message>
    <message>
        <source>Unknowns Pt 2 (Arrival?):   </source>
        <translation>Unbekannte Tl 2 (Ankunft?):   </translation>
    </message>
    <message>
        <source>Unknowns Pt 3 (Departure?):   </source>
        <translation>Unbekannte Tl 3 (Abflug?):   </translation>
    </message>
    <message>
        <source>Unknowns Pt 4a:   </source>
        <translation>Unbekannte Tl 4a:   </translation>
    </message>
    <message>
        <source>Unknowns Pt 6:   </source>
        <translation>Unbekannte Tl 6:   </translation>
    </message>
    <message>
        <source>Where's Player 1?</source>
        <translation>Wo ist Spieler 1?</translation>
    </message>
    <message>
        <source>Whoa! I think Player Craft have to be either Rebel or Imperial IFF unless it's a melee.  (Let me know if I'm wrong.)</source>
        <translation>Halt! Die Schiffe der Spieler müssen wohl die IFF Rebell oder Imperial haben, außer in einem Gefecht jeder gegen jeden.  (Sagen Sie mir Bescheid, wenn ich mich irre.)</translation>
    </message>
    <message>
        <source>That Mission Type is Unknown</source>
        <translation>Diese Missionsart ist unbekannt</translation>
    </message>
    <message>
        <source>Cannot find .lst files in %1. Check your Zyn directory path in Preferences.</source>
        <translation>Keine .lst-Dateien in %1 gefunden. Prüfen Sie den Zyn-Ordner in den Einstellungen.</translation>
    </message>
    <message>
        <source>You must write a description for the mission in the edit box</source>
        <translation>Schreiben Sie eine Beschreibung der Mission in das Eingabefeld</translation>
    </message>
    <message>
        <source>Mission File is unnamed. Can't enter it in the game's lists until it is named.</source>
        <translation>Die Missionsdatei hat keinen Namen. Sie kann erst in die Listen des Spiels, wenn sie einen hat.</translation>
    </message>
    <message>
        <source>Planets use .ACT files</source>
        <translation>Planeten verwenden .ACT-Dateien</translation>
    </message>
    <message>
        <source>Ship slot not functional</source>
        <translation>Schiffsplatz ohne Funktion</translation>
    </message>
    <message>
        <source>Assigned to: </source>
        <translation>Zugewiesen: </translation>
    </message>
    <message>
        <source>  *AVAILABLE*</source>
        <translation>  *FREI*</translation>
    </message>
    <message>
        <source>Pref OPT Directory: %1 does not exist. Check your Preference settings.</source>
        <translation>OPT-Ordner der Einstellungen: %1 gibt es nicht. Prüfen Sie Ihre Einstellungen.</translation>
    </message>
    <message>
        <source>WAV assigned to Primary Success:</source>
        <translation>WAV für Primär Erfolg:</translation>
    </message>
    <message>
        <source>WAV assigned to Secondary Success:</source>
        <translation>WAV für Sekundär Erfolg:</translation>
    </message>
    <message>
        <source>WAV assigned to Primary Failure:</source>
        <translation>WAV für Primär Fehlschlag:</translation>
    </message>
    <message>
        <source>WAV assigned to this message:</source>
        <translation>WAV dieser Nachricht:</translation>
    </message>
    <message>
        <source>There are no messages to add sounds to!</source>
        <translation>Es gibt keine Nachrichten, denen man Töne geben könnte!</translation>
    </message>
    <message>
        <source>There is no .lst file for this mission to assign WAVs to. Create one?</source>
        <translation>Diese Mission hat keine .lst-Datei, der man WAVs zuweisen könnte. Eine anlegen?</translation>
    </message>
    <message>
        <source>There is no WAV .lst file for this mission. Create one?</source>
        <translation>Diese Mission hat keine WAV-.lst-Datei. Eine anlegen?</translation>
    </message>
    <message>
        <source>This WAV has already been used in this .lst file. A WAV will only play for one Message per mission. Assign it anyway?</source>
        <translation>Diese WAV wird in dieser .lst-Datei schon verwendet. Eine WAV spielt je Mission nur zu einer Nachricht. Trotzdem zuweisen?</translation>
    </message>
    <message>
        <source>There is no matching .lst file to save!</source>
        <translation>Es gibt keine passende .lst-Datei zum Speichern!</translation>
    </message>
    <message>
        <source>WAV .lst file has been changed. Save it?</source>
        <translation>Die WAV-.lst-Datei wurde geändert. Speichern?</translation>
    </message>
    <message>
        <source>No matching .lst file for WAVs</source>
        <translation>Keine passende .lst-Datei für WAVs</translation>
    </message>
    <message>
        <source>Seems Ok.</source>
        <translation>Scheint in Ordnung.</translation>
    </message>
    <message>
        <source>%1 Craft (medium)</source>
        <translation>Schiffe (mittel): %1</translation>
    </message>
    <message>
        <source>%1 craft at 30 sec</source>
        <translation>Schiffe bei 30 Sek.: %1</translation>
    </message>
    <message>
        <source>%1 Object</source>
        <translation>%1 Objekt</translation>
    </message>
    <message>
        <source>%1 Objects</source>
        <translation>%1 Objekte</translation>
    </message>
    <message>
        <source>Briefing is too big. It has been truncated.</source>
        <translation>Das Briefing ist zu groß. Es wurde gekürzt.</translation>
    </message>
    <message>
        <source>Briefing contains too many instructions. Take some out.</source>
        <translation>Das Briefing enthält zu viele Anweisungen. Nehmen Sie einige heraus.</translation>
    </message>
    <message>
        <source>There are no instruction to playback</source>
        <translation>Es gibt keine Anweisungen zum Abspielen</translation>
    </message>
    <message>
        <source>This Brief's running time is set to zero seconds</source>
        <translation>Die Laufzeit dieses Briefings ist auf null Sekunden gesetzt</translation>
    </message>
    <message>
        <source>Maximum of 4 CMD Choices per FG, Previous FG has been adjusted</source>
        <translation>Höchstens 4 CMD-Rollen je FG; die vorherige FG wurde angepasst</translation>
    </message>
    <message>
        <source>Non-Player Craft Chosen for Player</source>
        <translation>Für den Spieler wurde ein Schiff gewählt, das kein Spieler fliegen kann</translation>
    </message>
    <message>
        <source>Wrong type of .lst file! (Don't load Mission.lst, Rebel.lst or Imperial.lst. They will be loaded automatically where needed.)</source>
        <translation>Falsche Art von .lst-Datei! (Laden Sie nicht Mission.lst, Rebel.lst oder Imperial.lst. Sie werden wo nötig von selbst geladen.)</translation>
    </message>
    <message>
        <source>You must save your list file before adding it</source>
        <translation>Speichern Sie Ihre Listendatei, bevor Sie sie hinzufügen</translation>
    </message>
    <message>
        <source>%1 is not in %2 or a folder below it. The game only finds missions there.</source>
        <translation>%1 liegt nicht in %2 oder einem Ordner darunter. Das Spiel findet Missionen nur dort.</translation>
    </message>
    <message>
        <source>%1 could not be read, so nothing is entered in it or written.</source>
        <translation>%1 ließ sich nicht lesen; darum wird nichts eingetragen oder geschrieben.</translation>
    </message>
    <message>
        <source>%1 is already in %2. Add it again?</source>
        <translation>%1 steht schon in %2. Erneut hinzufügen?</translation>
    </message>
    <message>
        <source>Backed up %1.</source>
        <translation>Gesichert: %1.</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 als %2</translation>
    </message>
    <message>
        <source>%1 is not in %2 or a folder below it. The game only finds models there.</source>
        <translation>%1 liegt nicht in %2 oder einem Ordner darunter. Das Spiel findet Modelle nur dort.</translation>
    </message>
    <message>
        <source>Not restored: the default model %1 is not in %2.</source>
        <translation>Nicht wiederhergestellt: Das Vorgabemodell %1 liegt nicht in %2.</translation>
    </message>
    <message>
        <source>Error assigning %1. Only use WAV files from %2, or its subfolders.</source>
        <translation>Fehler beim Zuweisen von %1. Verwenden Sie nur WAV-Dateien aus %2 oder seinen Unterordnern.</translation>
    </message>
    <message>
        <source>Error assigning %1. Only use WAV files from %2, or their subfolders.</source>
        <translation>Fehler beim Zuweisen von %1. Verwenden Sie nur WAV-Dateien aus %2 oder deren Unterordnern.</translation>
    </message>
    <message>
        <source>WAV .lst file %1 saved.</source>
        <translation>WAV-.lst-Datei %1 gespeichert.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>Can't find last loaded file</source>
        <translation>Die zuletzt geladene Datei ist nicht zu finden</translation>
    </message>
    <message>
        <source>A red message cannot begin with "%1": the game would read it as the message's colour. Begin the text with a space or choose another colour.</source>
        <translation>Eine rote Nachricht darf nicht mit „%1“ beginnen: Das Spiel läse es als Farbe der Nachricht. Beginnen Sie den Text mit einem Leerzeichen oder wählen Sie eine andere Farbe.</translation>
    </message>
    <message>
        <source>A green, blue or gold message holds %1 characters, this one has %2: only a red message holds more. Shorten it first.</source>
        <translation>Eine grüne, blaue oder goldene Nachricht fasst %1 Zeichen, diese hat %2: Nur eine rote fasst mehr. Kürzen Sie sie zuerst.</translation>
    </message>
    <message>
        <source>Arrival trigger</source>
        <translation>Ankunftsauslöser</translation>
    </message>
    <message>
        <source>Arrival mother ship</source>
        <translation>Mutterschiff der Ankunft</translation>
    </message>
    <message>
        <source>Alternate arrival mother ship</source>
        <translation>Anderes Mutterschiff der Ankunft</translation>
    </message>
    <message>
        <source>Departure trigger</source>
        <translation>Abflugauslöser</translation>
    </message>
    <message>
        <source>Jump to order 4 trigger</source>
        <translation>Auslöser für den Sprung zu Befehl 4</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Departure mother ship</source>
        <translation>Mutterschiff des Abflugs</translation>
    </message>
    <message>
        <source>Alternate departure mother ship</source>
        <translation>Anderes Mutterschiff des Abflugs</translation>
    </message>
    <message>
        <source>goal</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>trigger</source>
        <translation>Auslöser</translation>
    </message>
    <message>
        <source>instruction</source>
        <translation>Anweisung</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>WARNING: Briefing %1 %2 %3: refers to a flight group that does not exist.</source>
        <translation>WARNUNG: Briefing %1 %2 %3: verweist auf eine Fluggruppe, die es nicht gibt.</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primär</translation>
    </message>
    <message>
        <source>Prevent</source>
        <translation>Verhindern</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Sekundär</translation>
    </message>
    <message>
        <source>WARNING: %1 - %2 %3: refers to a flight group that does not exist.</source>
        <translation>WARNUNG: %1 - %2 %3: verweist auf eine Fluggruppe, die es nicht gibt.</translation>
    </message>
    <message>
        <source>WARNING: %1 - %2 %3 target %4: refers to a flight group that does not exist.</source>
        <translation>WARNUNG: %1 - %2 %3 Ziel %4: verweist auf eine Fluggruppe, die es nicht gibt.</translation>
    </message>
    <message>
        <source>WARNING: %1 - %2: refers to a flight group that does not exist.</source>
        <translation>WARNUNG: %1 - %2: verweist auf eine Fluggruppe, die es nicht gibt.</translation>
    </message>
    <message>
        <source>WARNING: Message %1 %2 %3: refers to a flight group that does not exist.</source>
        <translation>WARNUNG: Nachricht %1 %2 %3: verweist auf eine Fluggruppe, die es nicht gibt.</translation>
    </message>
    <message>
        <source>WARNING: Team %1 %2 goal %3 %4: refers to a flight group that does not exist.</source>
        <translation>WARNUNG: Team %1 Ziel %2 %3 %4: verweist auf eine Fluggruppe, die es nicht gibt.</translation>
    </message>
    <message>
        <source>WARNING: More than 32 ships at the start of the mission. Some ships may not appear at the start.</source>
        <translation>WARNUNG: Mehr als 32 Schiffe zu Beginn der Mission. Manche Schiffe erscheinen zu Beginn womöglich nicht.</translation>
    </message>
    <message>
        <source>WARNING: More than 64 objects in the mission. Some objects may not appear in the mission.</source>
        <translation>WARNUNG: Mehr als 64 Objekte in der Mission. Manche Objekte erscheinen in der Mission womöglich nicht.</translation>
    </message>
    <message>
        <source>WARNING: Mission Type of "1" is unknown.</source>
        <translation>WARNUNG: Die Missionsart „1“ ist unbekannt.</translation>
    </message>
    <message>
        <source>ERROR: FG#%1 has no Ship type.</source>
        <translation>FEHLER: FG Nr. %1 hat keinen Schiffstyp.</translation>
    </message>
    <message>
        <source>ERROR: Zyn Format mission. %1s are only available in Qvn.</source>
        <translation>FEHLER: Mission im Zyn-Format. %1 gibt es nur in Qvn.</translation>
    </message>
    <message>
        <source>ERROR: Ship Slot #%1 is not available in Zyn or Qvn.</source>
        <translation>FEHLER: Schiffsplatz Nr. %1 gibt es weder in Zyn noch in Qvn.</translation>
    </message>
    <message>
        <source>WARNING: All Player Craft should be either IFF Rebel or IFF Imperial.</source>
        <translation>WARNUNG: Alle Spielerschiffe sollten die IFF Rebell oder Imperial haben.</translation>
    </message>
    <message>
        <source>ERROR: Player FG  %1 has (Single Point) Formation. The mission will crash.</source>
        <translation>FEHLER: Spieler-FG  %1 hat die Formation (Einzelpunkt). Die Mission wird abstürzen.</translation>
    </message>
    <message>
        <source>ERROR: There is more than one Player %1 All Players should have different Player numbers.</source>
        <translation>FEHLER: Es gibt mehr als einen Spieler %1. Alle Spieler sollten verschiedene Spielernummern haben.</translation>
    </message>
    <message>
        <source>WARNING: %1 has %2 ships in FG.  Zyn does not properly support FG Formations larger than 6 ships.</source>
        <translation>WARNUNG: %1 hat %2 Schiffe in der FG.  Zyn unterstützt FG-Formationen mit mehr als 6 Schiffen nicht richtig.</translation>
    </message>
    <message>
        <source>ERROR: Player FG  %1 has more than 8 ships. The mission will crash.</source>
        <translation>FEHLER: Spieler-FG  %1 hat mehr als 8 Schiffe. Die Mission wird abstürzen.</translation>
    </message>
    <message>
        <source>WARNING: Player FG  %1 has %2 ships. Some sounds in the game may be played properly.</source>
        <translation>WARNUNG: Spieler-FG  %1 hat %2 Schiffe. Manche Töne im Spiel werden womöglich nicht richtig abgespielt.</translation>
    </message>
    <message>
        <source>WARNING: %1 - Order %2: Capital ship with "Attack" order will make it jump around. Use a Starship order such as Patrol and Attack instead.</source>
        <translation>WARNUNG: %1 - Befehl %2: Ein Großkampfschiff mit dem Befehl „Angreifen“ springt umher. Verwenden Sie stattdessen einen Großkampfschiff-Befehl wie Patrouillieren und Angreifen.</translation>
    </message>
    <message>
        <source>WARNING: %1 - Order %2: Attack Starfighters has "Either A or B" flag turned on, therefore it will attack ALL Starfighters in the mission, regardless of Team or IFF.</source>
        <translation>WARNUNG: %1 - Befehl %2: Bei „Raumjäger angreifen“ ist „Entweder A oder B“ eingeschaltet; darum greift die Gruppe ALLE Raumjäger der Mission an, gleich welches Team oder welche IFF.</translation>
    </message>
    <message>
        <source>WARNING: There are %1 Players on Team %2 in this Zyn Format mission. You will only be able to access the first 4 Player slots per Team without Qvn. Split the players up into 2 or more allied Teams.</source>
        <translation>WARNUNG: In dieser Mission im Zyn-Format sind %1 Spieler in Team %2. Ohne Qvn sind je Team nur die ersten 4 Spielerplätze erreichbar. Verteilen Sie die Spieler auf 2 oder mehr verbündete Teams.</translation>
    </message>
    <message>
        <source>ERROR: There are no player craft on Team 1. There MUST be player craft on Team 1 for a mission to work.</source>
        <translation>FEHLER: Team 1 hat keine Spielerschiffe. Damit eine Mission funktioniert, MUSS Team 1 Spielerschiffe haben.</translation>
    </message>
    <message>
        <source>ERROR: There are more than 4 Players in this Training Mission. Try MultiPlayer Training.</source>
        <translation>FEHLER: Diese Trainingsmission hat mehr als 4 Spieler. Versuchen Sie Mehrspieler-Training.</translation>
    </message>
    <message>
        <source>WARNING: There is only one Player Craft in this Melee.</source>
        <translation>WARNUNG: Dieses Gefecht hat nur ein Spielerschiff.</translation>
    </message>
    <message>
        <source>WARNING: Players should all be on Team 1 for Qvn Campaigns.</source>
        <translation>WARNUNG: Für Qvn-Kampagnen sollten alle Spieler in Team 1 sein.</translation>
    </message>
    <message>
        <source>ERROR: Less than 2 Players in Multiplayer Training.</source>
        <translation>FEHLER: Weniger als 2 Spieler im Mehrspieler-Training.</translation>
    </message>
    <message>
        <source>WARNING: Less than 5 Players in MultiPlayer Training. In Qvn Campaigns this mission will still work but you will not have access to the 'View Briefing Map' and 'Assign Players' buttons. This means you will not have a chance to read the Mission Description.</source>
        <translation>WARNUNG: Weniger als 5 Spieler im Mehrspieler-Training. In Qvn-Kampagnen funktioniert die Mission trotzdem, aber die Knöpfe „Briefingkarte ansehen“ und „Spieler zuweisen“ fehlen. Die Missionsbeschreibung lässt sich dann nicht lesen.</translation>
    </message>
    <message>
        <source>ERROR: This is a "Multiplayer Combat" Mission, but only has one Player Craft.  It should have Player Craft on both Team 1 (which MUST be Imperial), and Team 2 (which MUST be Rebel.)  If you want player craft on only one Team, try a Training mission.</source>
        <translation>FEHLER: Dies ist eine Mission „Mehrspieler-Kampf“, hat aber nur ein Spielerschiff.  Sie sollte Spielerschiffe in Team 1 (das Imperial sein MUSS) und in Team 2 (das Rebell sein MUSS) haben.  Wenn Sie Spielerschiffe nur in einem Team wollen, versuchen Sie eine Trainingsmission.</translation>
    </message>
    <message>
        <source>ERROR: This is a "Multiplayer Combat" Mission, but has all Players on the same Team. It should have Player Craft on both Team 1 (which MUST be Imperial), and Team 2 (which MUST be Rebel.)  If you want player craft on only one Team, try a Training mission.</source>
        <translation>FEHLER: Dies ist eine Mission „Mehrspieler-Kampf“, aber alle Spieler sind im selben Team. Sie sollte Spielerschiffe in Team 1 (das Imperial sein MUSS) und in Team 2 (das Rebell sein MUSS) haben.  Wenn Sie Spielerschiffe nur in einem Team wollen, versuchen Sie eine Trainingsmission.</translation>
    </message>
    <message>
        <source>WARNING: Message %1: %2</source>
        <translation>WARNUNG: Nachricht %1: %2</translation>
    </message>
    <message>
        <source>Pt 1 #2</source>
        <translation>Tl 1 #2</translation>
    </message>
    <message>
        <source>Pt 1 #4</source>
        <translation>Tl 1 #4</translation>
    </message>
    <message>
        <source>Pt 2</source>
        <translation>Tl 2</translation>
    </message>
    <message>
        <source>X 30 seconds = arrival delay</source>
        <translation>× 30 Sekunden = Ankunftsverzögerung</translation>
    </message>
    <message>
        <source>Pt 3 #1</source>
        <translation>Tl 3 #1</translation>
    </message>
    <message>
        <source>(dep when)</source>
        <translation>(Abflug wann)</translation>
    </message>
    <message>
        <source>Pt 3 #2</source>
        <translation>Tl 3 #2</translation>
    </message>
    <message>
        <source>Pt 3 #4</source>
        <translation>Tl 3 #4</translation>
    </message>
    <message>
        <source>Pt 3 #6</source>
        <translation>Tl 3 #6</translation>
    </message>
    <message>
        <source>Pt 4a #1</source>
        <translation>Tl 4a #1</translation>
    </message>
    <message>
        <source>(Jump to order 4 conditions)</source>
        <translation>(Bedingungen für den Sprung zu Befehl 4)</translation>
    </message>
    <message>
        <source>Pt 4a #11</source>
        <translation>Tl 4a #11</translation>
    </message>
    <message>
        <source>Pt 6 #1</source>
        <translation>Tl 6 #1</translation>
    </message>
    <message>
        <source>Pt 6 #2</source>
        <translation>Tl 6 #2</translation>
    </message>
    <message>
        <source>Pt 6</source>
        <translation>Tl 6</translation>
    </message>
    <message>
        <source>%1 error</source>
        <translation>%1 Fehler</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 Fehler</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation>%1 Warnung</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 Warnungen</translation>
    </message>
    <message>
        <source>%1 finding</source>
        <translation>%1 Befund</translation>
    </message>
    <message>
        <source>%1 findings</source>
        <translation>%1 Befunde</translation>
    </message>
    <message>
        <source>%1 advisory</source>
        <translation>%1 Hinweis</translation>
    </message>
    <message>
        <source>%1 advisories</source>
        <translation>%1 Hinweise</translation>
    </message>
    <message>
        <source>%1 mission</source>
        <translation>%1 Mission</translation>
    </message>
    <message>
        <source>%1 missions</source>
        <translation>%1 Missionen</translation>
    </message>
    <message>
        <source>%1 missing file</source>
        <translation>%1 fehlende Datei</translation>
    </message>
    <message>
        <source>%1 missing files</source>
        <translation>%1 fehlende Dateien</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>%1 flight group</source>
        <translation>%1 Fluggruppe</translation>
    </message>
    <message>
        <source>%1 flight groups</source>
        <translation>%1 Fluggruppen</translation>
    </message>
    <message>
        <source>Loaded %1; %2 trailing byte that is not a whole flight group was ignored.</source>
        <translation>Geladen: %1; %2 übriges Byte, das keine ganze Fluggruppe ist, wurde übergangen.</translation>
    </message>
    <message>
        <source>Loaded %1; %2 trailing bytes that are not a whole flight group were ignored.</source>
        <translation>Geladen: %1; %2 übrige Bytes, die keine ganze Fluggruppe sind, wurden übergangen.</translation>
    </message>
    <message>
        <source>Team %1 has been linked by Radio</source>
        <translation>Team %1 ist jetzt per Funk verbunden</translation>
    </message>
    <message>
        <source>Zyn Format.  %1 bytes written.</source>
        <translation>Zyn-Format.  %1 Bytes geschrieben.</translation>
    </message>
    <message>
        <source>Qvn Format.  %1 bytes written.</source>
        <translation>Qvn-Format.  %1 Bytes geschrieben.</translation>
    </message>
    <message>
        <source>arrival trigger</source>
        <translation>Ankunftsauslöser</translation>
    </message>
    <message>
        <source>arrival mother ship</source>
        <translation>Mutterschiff der Ankunft</translation>
    </message>
    <message>
        <source>alternative arrival mother ship</source>
        <translation>anderes Mutterschiff der Ankunft</translation>
    </message>
    <message>
        <source>departure trigger</source>
        <translation>Abflugauslöser</translation>
    </message>
    <message>
        <source>jump to order 4 trigger</source>
        <translation>Auslöser für den Sprung zu Befehl 4</translation>
    </message>
    <message>
        <source>order</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>departure mother ship</source>
        <translation>Mutterschiff des Abflugs</translation>
    </message>
    <message>
        <source>alternative departure mother ship</source>
        <translation>anderes Mutterschiff des Abflugs</translation>
    </message>
    <message>
        <source>flight group %1</source>
        <translation>Fluggruppe %1</translation>
    </message>
    <message>
        <source>Message #%1 "%2"</source>
        <translation>Nachricht Nr. %1 „%2“</translation>
    </message>
    <message>
        <source>Team %1 primary goal</source>
        <translation>Primäres Ziel von Team %1</translation>
    </message>
    <message>
        <source>Team %1 prevent goal</source>
        <translation>Verhindern-Ziel von Team %1</translation>
    </message>
    <message>
        <source>Team %1 secondary goal</source>
        <translation>Sekundäres Ziel von Team %1</translation>
    </message>
    <message>
        <source>%1, order %2 target %3</source>
        <translation>%1, Befehl %2, Ziel %3</translation>
    </message>
    <message>
        <source>%1, goal %2</source>
        <translation>%1, Ziel %2</translation>
    </message>
    <message>
        <source>%1, trigger %2</source>
        <translation>%1, Auslöser %2</translation>
    </message>
    <message>
        <source>Briefing %1, instruction %2</source>
        <translation>Briefing %1, Anweisung %2</translation>
    </message>
    <message>
        <source>Briefing %1, text #%2</source>
        <translation>Briefing %1, Text Nr. %2</translation>
    </message>
    <message>
        <source>%1: %2 %3 is not there: whether "%4" is met is up to the game</source>
        <translation>%1: %2 ist %3 nicht da: ob „%4“ erfüllt wird, entscheidet das Spiel</translation>
    </message>
    <message>
        <source>%1 waits on %2 (%3)</source>
        <translation>%1 wartet auf %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is not there %2</source>
        <translation>%1 ist %2 nicht da</translation>
    </message>
    <message>
        <source>%1: %2 there are no %3: whether "%4" is met at once is up to the game</source>
        <translation>%1: %2 gibt es keine %3: ob „%4“ sofort erfüllt wird, entscheidet das Spiel</translation>
    </message>
    <message>
        <source>there are no %1 %2</source>
        <translation>es gibt %2 keine %1</translation>
    </message>
    <message>
        <source>%1: condition %2 has no known meaning: when "%3" is met is up to the game (%4)</source>
        <translation>%1: Bedingung %2 hat keine bekannte Bedeutung: wann „%3“ erfüllt wird, entscheidet das Spiel (%4)</translation>
    </message>
    <message>
        <source>%1 waits on "%2" (%3)</source>
        <translation>%1 wartet auf „%2“ (%3)</translation>
    </message>
    <message>
        <source>condition %1 has no known meaning</source>
        <translation>Bedingung %1 hat keine bekannte Bedeutung</translation>
    </message>
    <message>
        <source>%1: %2 %3 is not there: how %4 arrives is up to the game</source>
        <translation>%1: %2 ist %3 nicht da: wie %4 ankommt, entscheidet das Spiel</translation>
    </message>
    <message>
        <source>%1 arrives from %2 (%3)</source>
        <translation>%1 kommt aus %2 (%3)</translation>
    </message>
    <message>
        <source>arrival trigger %1</source>
        <translation>Ankunftsauslöser %1</translation>
    </message>
    <message>
        <source>trigger %1</source>
        <translation>Auslöser %1</translation>
    </message>
    <message>
        <source>%1 waits on %2, which never arrives</source>
        <translation>%1 wartet auf %2, die nie ankommt</translation>
    </message>
    <message>
        <source>%1 waits on %2, none of which arrives</source>
        <translation>%1 wartet auf %2, von denen keine ankommt</translation>
    </message>
    <message>
        <source>%1 is never true</source>
        <translation>%1 ist nie erfüllt</translation>
    </message>
    <message>
        <source>%1 must %2</source>
        <translation>%1 muss %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2) waits on a time that is itself a lower bound</source>
        <translation>%1 (%2) wartet auf eine Zeit, die selbst nur eine Untergrenze ist</translation>
    </message>
    <message>
        <source>%1 (%2): no earlier than it arrives</source>
        <translation>%1 (%2): nicht früher, als sie ankommt</translation>
    </message>
    <message>
        <source>%1 (%2): no earlier than the first of them arrives</source>
        <translation>%1 (%2): nicht früher, als die erste von ihnen ankommt</translation>
    </message>
    <message>
        <source>%1 (%2): the mission has no such group, so the game decides</source>
        <translation>%1 (%2): die Mission hat keine solche Gruppe, also entscheidet das Spiel</translation>
    </message>
    <message>
        <source>%1 (%2): the condition has no known meaning, so the game decides</source>
        <translation>%1 (%2): die Bedingung hat keine bekannte Bedeutung, also entscheidet das Spiel</translation>
    </message>
    <message>
        <source>%1 (%2): the file cannot tell when, so counted from 0</source>
        <translation>%1 (%2): die Datei sagt nicht, wann, also ab 0 gezählt</translation>
    </message>
    <message>
        <source>%1 (%2): %3 is not at %4, so the game decides</source>
        <translation>%1 (%2): %3 ist auf %4 nicht da, also entscheidet das Spiel</translation>
    </message>
    <message>
        <source>%1 (%2): none of them is at %3, so the game decides</source>
        <translation>%1 (%2): keine von ihnen ist auf %3 da, also entscheidet das Spiel</translation>
    </message>
    <message>
        <source>it waits on itself, with no other way in</source>
        <translation>sie wartet auf sich selbst, ohne anderen Weg hinein</translation>
    </message>
    <message>
        <source>it waits on %1, which waits on it in turn, with no other way in</source>
        <translation>sie wartet auf %1, die ihrerseits auf sie wartet, ohne anderen Weg hinein</translation>
    </message>
    <message>
        <source>it waits on %1, which wait on it in turn, with no other way in</source>
        <translation>sie wartet auf %1, die ihrerseits auf sie warten, ohne anderen Weg hinein</translation>
    </message>
    <message>
        <source>its mother ship %1 never arrives, nor does its alternative %2</source>
        <translation>ihr Mutterschiff %1 kommt nie an, ihr anderes %2 auch nicht</translation>
    </message>
    <message>
        <source>its mother ship %1 never arrives</source>
        <translation>ihr Mutterschiff %1 kommt nie an</translation>
    </message>
    <message>
        <source>it is not at %1 (difficulty "%2")</source>
        <translation>sie ist auf %1 nicht da (Schwierigkeit „%2“)</translation>
    </message>
    <message>
        <source>lower bound: %1</source>
        <translation>Untergrenze: %1</translation>
    </message>
    <message>
        <source>its mother ship is %1, which the mission does not have, so the game decides how it comes</source>
        <translation>ihr Mutterschiff ist %1, die die Mission nicht hat, also entscheidet das Spiel, wie sie kommt</translation>
    </message>
    <message>
        <source>its mother ship %1 is not at %2, so the game decides how it comes</source>
        <translation>ihr Mutterschiff %1 ist auf %2 nicht da, also entscheidet das Spiel, wie sie kommt</translation>
    </message>
    <message>
        <source>it arrives from its mother ship %1, no earlier than the ship itself</source>
        <translation>sie kommt aus ihrem Mutterschiff %1, nicht früher als das Schiff selbst</translation>
    </message>
    <message>
        <source>it arrives by its alternative, no earlier than the game lets it</source>
        <translation>sie kommt über ihr anderes Mutterschiff, nicht früher, als das Spiel sie lässt</translation>
    </message>
    <message>
        <source>message #%1 "%2"</source>
        <translation>Nachricht Nr. %1 „%2“</translation>
    </message>
    <message>
        <source>Team %1's primary goal</source>
        <translation>Primäres Ziel von Team %1</translation>
    </message>
    <message>
        <source>Team %1's prevent goal</source>
        <translation>Verhindern-Ziel von Team %1</translation>
    </message>
    <message>
        <source>Team %1's secondary goal</source>
        <translation>Sekundäres Ziel von Team %1</translation>
    </message>
    <message>
        <source>%1 never arrives %2: it waits on itself, with no other way in</source>
        <translation>%1 kommt %2 nie an: sie wartet auf sich selbst, ohne anderen Weg hinein</translation>
    </message>
    <message>
        <source>Never arrive %1: %2 wait on each other, with no other way in</source>
        <translation>Kommen %1 nie an: %2 warten aufeinander, ohne anderen Weg hinein</translation>
    </message>
    <message>
        <source>%1, goal %2 (%3) can never be met: the group never arrives %4</source>
        <translation>%1, Ziel %2 (%3) kann nie erfüllt werden: die Gruppe kommt %4 nie an</translation>
    </message>
    <message>
        <source>%1 never arrives %2: %3</source>
        <translation>%1 kommt %2 nie an: %3</translation>
    </message>
    <message>
        <source>%1 is never sent %2: %3</source>
        <translation>%1 wird %2 nie gesendet: %3</translation>
    </message>
    <message>
        <source>%1 can never be met %2: %3 (so it never fails the team)</source>
        <translation>%1 kann %2 nie erfüllt werden: %3 (es lässt das Team also nie scheitern)</translation>
    </message>
    <message>
        <source>%1 can never be met %2: %3</source>
        <translation>%1 kann %2 nie erfüllt werden: %3</translation>
    </message>
    <message>
        <source>%1: names %2</source>
        <translation>%1: nennt %2</translation>
    </message>
    <message>
        <source>%1, which the mission does not have</source>
        <translation>%1, die die Mission nicht hat</translation>
    </message>
    <message>
        <source>%1, and no flight group of the mission is one (as the editor sorts craft into categories; the game may differ)</source>
        <translation>%1, und keine Fluggruppe der Mission ist eine davon (so wie der Editor Schiffe in Kategorien einordnet; das Spiel kann es anders sehen)</translation>
    </message>
    <message>
        <source>%1, and no flight group of the mission is one</source>
        <translation>%1, und keine Fluggruppe der Mission ist eine davon</translation>
    </message>
    <message>
        <source>%1 at %2 s: %3</source>
        <translation>%1 bei %2 s: %3</translation>
    </message>
    <message>
        <source>%1 names it in brackets: "%2"</source>
        <translation>%1 nennt sie in Klammern: „%2“</translation>
    </message>
    <message>
        <source>%1 waits on %2 (%3), none of which arrives</source>
        <translation>%1 wartet auf %2 (%3), von denen keine ankommt</translation>
    </message>
    <message>
        <source>%1: %2 is never true</source>
        <translation>%1: %2 ist nie erfüllt</translation>
    </message>
    <message>
        <source>%1 arrives from its mother ship %2 or its alternative %3</source>
        <translation>%1 kommt aus ihrem Mutterschiff %2 oder ihrem anderen %3</translation>
    </message>
    <message>
        <source>%1 arrives from its mother ship %2</source>
        <translation>%1 kommt aus ihrem Mutterschiff %2</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>auf %1</translation>
    </message>
    <message>
        <source>at %1 and %2</source>
        <translation>auf %1 und %2</translation>
    </message>
    <message>
        <source>at every level</source>
        <translation>auf jeder Stufe</translation>
    </message>
    <message>
        <source>at %1, %2 and %3</source>
        <translation>auf %1, %2 und %3</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>not at %1</source>
        <translation>nicht auf %1</translation>
    </message>
    <message>
        <source>'%1' is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>'%1' is out of range: the delay takes a number from 0 to 255</source>
        <translation>„%1“ liegt außerhalb des Bereichs: die Verzögerung nimmt eine Zahl von 0 bis 255</translation>
    </message>
    <message>
        <source>"%1" is not a number of km.</source>
        <translation>„%1“ ist keine Zahl in km.</translation>
    </message>
    <message>
        <source>"%1" is not a whole number.</source>
        <translation>„%1“ ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>"%1" km is off the map: coordinates run from -204.800 to 204.794 km.</source>
        <translation>„%1“ km liegt außerhalb der Karte: Koordinaten reichen von -204.800 bis 204.794 km.</translation>
    </message>
    <message>
        <source>"%1" is off the map: raw coordinates run from -32768 to 32767.</source>
        <translation>„%1“ liegt außerhalb der Karte: Rohkoordinaten reichen von -32768 bis 32767.</translation>
    </message>
    <message>
        <source>The briefing would be larger than 400 words: the last %1 FG Box instructions were left out.</source>
        <translation>Das Briefing wäre größer als 400 Wörter: Die letzten %1 FG-Rahmen-Anweisungen wurden weggelassen.</translation>
    </message>
    <message>
        <source>The briefing would run longer than the game allows (%1 seconds). Choose a shorter time between texts.</source>
        <translation>Das Briefing liefe länger, als das Spiel erlaubt (%1 Sekunden). Wählen Sie einen kürzeren Abstand zwischen den Texten.</translation>
    </message>
    <message>
        <source>Seems like all FG Boxes are in use. It would be best to put in a "Clear Boxes" instruction before boxing more FGs</source>
        <translation>Anscheinend sind alle FG-Rahmen belegt. Fügen Sie am besten eine Anweisung „Rahmen entfernen“ ein, bevor Sie weitere Fluggruppen einrahmen.</translation>
    </message>
    <message>
        <source>Seems like all Map Tags are in use. It would be best to put in a "Clear Tags" instruction before adding more Tags</source>
        <translation>Anscheinend sind alle Kartenmarken belegt. Fügen Sie am besten eine Anweisung „Marken entfernen“ ein, bevor Sie weitere Marken setzen.</translation>
    </message>
    <message>
        <source>There is no text to display!</source>
        <translation>Es gibt keinen Text zum Anzeigen!</translation>
    </message>
    <message>
        <source>Cannot open "%1": %2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Error reading "%1": not a regular file</source>
        <translation>Fehler beim Lesen von „%1“: keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Error reading "%1": %2</source>
        <translation>Fehler beim Lesen von „%1“: %2</translation>
    </message>
    <message>
        <source>"%1" was not rewritten: it could not be read when the editor started.</source>
        <translation>„%1“ wurde nicht neu geschrieben: Die Datei konnte beim Start des Editors nicht gelesen werden.</translation>
    </message>
    <message>
        <source>That Ship is only available in Qvn</source>
        <translation>Dieses Schiff gibt es nur in Qvn</translation>
    </message>
    <message>
        <source>That ship slot is not available in Zyn or Qvn</source>
        <translation>Dieser Schiffsplatz ist weder in Zyn noch in Qvn verfügbar</translation>
    </message>
    <message>
        <source>Flight Group Library - [none]</source>
        <translation>Fluggruppen-Bibliothek – [keine]</translation>
    </message>
    <message>
        <source>Flight Group Library - [%1]</source>
        <translation>Fluggruppen-Bibliothek – [%1]</translation>
    </message>
    <message>
        <source>You shouldn't do that. In Combat Missions, Team 1 must be Imperial</source>
        <translation>Das sollten Sie nicht tun. In Kampfmissionen muss Team 1 Imperial sein</translation>
    </message>
    <message>
        <source>You shouldn't do that. In Combat Missions, Team 2 must be Rebel</source>
        <translation>Das sollten Sie nicht tun. In Kampfmissionen muss Team 2 Rebell sein</translation>
    </message>
    <message>
        <source>it is UTF-16 text, not single-byte text</source>
        <translation>sie enthält UTF-16-Text, keinen Einzelbyte-Text</translation>
    </message>
    <message>
        <source>byte %1 is a zero byte, which single-byte text does not hold</source>
        <translation>Byte %1 ist ein Nullbyte, das in Einzelbyte-Text nicht vorkommt</translation>
    </message>
    <message>
        <source>Cannot read "%1" as a list: %2.</source>
        <translation>„%1“ kann nicht als Liste gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Mission File is unnamed. Can't create matching .lst file until it is named.</source>
        <translation>Die Missionsdatei hat noch keinen Namen. Eine passende .lst-Datei lässt sich erst anlegen, wenn sie benannt ist.</translation>
    </message>
    <message>
        <source>%1 already exists!</source>
        <translation>%1 existiert bereits!</translation>
    </message>
    <message>
        <source>%1 has been created.</source>
        <translation>%1 wurde angelegt.</translation>
    </message>
    <message>
        <source>the file ends at byte %1 inside %2 (%3 bytes needed from byte %4)</source>
        <translation>die Datei endet bei Byte %1 in: %2 (ab Byte %4 werden %3 Bytes gebraucht)</translation>
    </message>
    <message>
        <source>flight group %1 of %2</source>
        <translation>Fluggruppe %1 von %2</translation>
    </message>
    <message>
        <source>message %1 of %2</source>
        <translation>Nachricht %1 von %2</translation>
    </message>
    <message>
        <source>global goal %1</source>
        <translation>globales Ziel %1</translation>
    </message>
    <message>
        <source>team %1</source>
        <translation>Team %1</translation>
    </message>
    <message>
        <source>briefing %1</source>
        <translation>Briefing %1</translation>
    </message>
    <message>
        <source>briefing %1, tag %2</source>
        <translation>Briefing %1, Marke %2</translation>
    </message>
    <message>
        <source>briefing %1, string %2</source>
        <translation>Briefing %1, Text %2</translation>
    </message>
    <message>
        <source>the goal strings of flight group %1</source>
        <translation>Zieltexte von Fluggruppe %1</translation>
    </message>
    <message>
        <source>the global goal strings of team %1</source>
        <translation>globale Zieltexte von Team %1</translation>
    </message>
    <message>
        <source>the description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>the success debriefing</source>
        <translation>Nachbesprechung bei Erfolg</translation>
    </message>
    <message>
        <source>the failure debriefing</source>
        <translation>Nachbesprechung bei Misserfolg</translation>
    </message>
    <message>
        <source>the platform id</source>
        <translation>Plattform-ID</translation>
    </message>
    <message>
        <source>the header</source>
        <translation>Kopfteil</translation>
    </message>
    <message>
        <source>"%1" cannot be loaded: %2.</source>
        <translation>„%1“ kann nicht geladen werden: %2.</translation>
    </message>
    <message>
        <source>too many flight groups or messages</source>
        <translation>zu viele Fluggruppen oder Nachrichten</translation>
    </message>
    <message>
        <source>This is a Kre Fighter mission file - Can't load it</source>
        <translation>Dies ist eine Missionsdatei von Kre Fighter – sie kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Unrecognized file type</source>
        <translation>Unbekannter Dateityp</translation>
    </message>
    <message>
        <source>an older-format mission (platform id 2)</source>
        <translation>eine Mission im älteren Format (Plattform-ID 2)</translation>
    </message>
    <message>
        <source>its link cannot be followed (%1).</source>
        <translation>ihrer Verknüpfung kann nicht gefolgt werden (%1).</translation>
    </message>
    <message>
        <source>its links lead round in a circle.</source>
        <translation>ihre Verknüpfungen führen im Kreis.</translation>
    </message>
    <message>
        <source>its owner and group cannot be kept (%1).</source>
        <translation>Besitzer und Gruppe können nicht beibehalten werden (%1).</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>es ist ein Ordner.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>the file is write-protected.</source>
        <translation>die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>no safe copy of the old file can be made (%1).</source>
        <translation>von der alten Datei lässt sich keine Sicherheitskopie anlegen (%1).</translation>
    </message>
    <message>
        <source>no copy of the old file can be kept (%1).</source>
        <translation>von der alten Datei lässt sich keine Kopie behalten (%1).</translation>
    </message>
    <message>
        <source>it is the same file as "%1".</source>
        <translation>es ist dieselbe Datei wie „%1“.</translation>
    </message>
    <message>
        <source>"%1" was made and could not be removed again</source>
        <translation>„%1“ wurde angelegt und ließ sich nicht wieder entfernen</translation>
    </message>
    <message>
        <source>"%1" could not be given its old content back; it is kept in "%2"</source>
        <translation>„%1“ ließ sich der alte Inhalt nicht zurückgeben; er liegt in „%2“</translation>
    </message>
    <message>
        <source>%1; every file keeps its old content.</source>
        <translation>%1; jede Datei behält ihren alten Inhalt.</translation>
    </message>
    <message>
        <source>%1; the file keeps its old content.</source>
        <translation>%1; die Datei behält ihren alten Inhalt.</translation>
    </message>
    <message>
        <source>Could not save "%1": %2</source>
        <translation>„%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Cannot open file "%1": %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot open file "%1": not a regular file</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden: keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Cannot read file "%1": %2</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>platform id %1 is not an older-format mission</source>
        <translation>Plattform-ID %1 ist keine Mission im älteren Format</translation>
    </message>
    <message>
        <source>the flight-group count is negative (%1)</source>
        <translation>die Anzahl der Fluggruppen ist negativ (%1)</translation>
    </message>
    <message>
        <source>the object-group count is negative (%1)</source>
        <translation>die Anzahl der Objektgruppen ist negativ (%1)</translation>
    </message>
    <message>
        <source>object group %1 of %2</source>
        <translation>Objektgruppe %1 von %2</translation>
    </message>
    <message>
        <source>the coordinate sets</source>
        <translation>Koordinatensätze</translation>
    </message>
    <message>
        <source>the icon records</source>
        <translation>Symboleinträge</translation>
    </message>
    <message>
        <source>tag %1 of %2</source>
        <translation>Marke %1 von %2</translation>
    </message>
    <message>
        <source>text %1 of %2</source>
        <translation>Text %1 von %2</translation>
    </message>
    <message>
        <source>the events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>.brf file has strange structure. Unable to convert it.</source>
        <translation>Die .brf-Datei ist seltsam aufgebaut. Sie kann nicht umgewandelt werden.</translation>
    </message>
    <message>
        <source>"%1" cannot be converted: %2.</source>
        <translation>„%1“ kann nicht umgewandelt werden: %2.</translation>
    </message>
    <message>
        <source>"%1" cannot be loaded as an older-format mission: %2.</source>
        <translation>„%1“ kann nicht als Mission im älteren Format geladen werden: %2.</translation>
    </message>
    <message>
        <source>Can't find matching .brf file!</source>
        <translation>Keine passende .brf-Datei gefunden!</translation>
    </message>
    <message>
        <source>This mission should include the Dreadmoon as a 'Planet'.</source>
        <translation>Diese Mission sollte den Dreadmoon als „Planet“ enthalten.</translation>
    </message>
    <message>
        <source>This mission should be fought over the Dreadmoon surface.</source>
        <translation>Diese Mission sollte über der Oberfläche des Dreadmoon ausgetragen werden.</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>Error saving History file.</source>
        <translation>Fehler beim Speichern der Verlaufsdatei.</translation>
    </message>
    <message>
        <source>Can't find your ZynED directory. Use Preferences to set it.</source>
        <translation>Ihr ZynED-Ordner wurde nicht gefunden. Legen Sie ihn in den Einstellungen fest.</translation>
    </message>
</context>
</TS>
