<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CAboutDlg</name>
    <message>
        <location filename="../ui/about_dlg.cpp" line="+7"/>
        <source>About Zifrel</source>
        <translation>Über Zifrel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Zifrel Version 1.00, 2007-01-01</source>
        <translation>Zifrel Version 1.00, 01.01.2007</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solves number-placement puzzles by logic alone, one cell or one sweep at a time.</source>
        <translation>Löst Zahlenrätsel allein durch Logik, eine Zelle oder eine Runde nach der anderen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Type the givens into the cells, then press Cell, Pass or Solve. A cell that is not yet settled shows the digits still possible for it.</source>
        <translation>Tippen Sie die Vorgaben in die Zellen und drücken Sie dann Zelle, Runde oder Lösen. Eine noch offene Zelle zeigt die Ziffern, die für sie noch möglich sind.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It never guesses: a puzzle its rules cannot finish stays partly open. Copyright 2026 The Zifrel developers, MIT License.</source>
        <translation>Es rät nie: Ein Rätsel, das seine Regeln nicht zu Ende bringen, bleibt teilweise offen. Copyright 2026 Die Zifrel-Entwickler, MIT-Lizenz.</translation>
    </message>
</context>
<context>
    <name>CBoardApp</name>
    <message>
        <location filename="../ui/board_app.cpp" line="+57"/>
        <source>--level takes 1, 2, 3 or 4, not &apos;%1&apos;</source>
        <translation>--level nimmt 1, 2, 3 oder 4, nicht „%1“</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--count takes a number of puzzles from 1 to %1, not &apos;%2&apos;</source>
        <extracomment>%1 is the largest count, %2 what was given instead.</extracomment>
        <translation>--count nimmt eine Anzahl Rätsel von 1 bis %1, nicht „%2“</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--per-page takes 1, 2, 4 or 6, not &apos;%1&apos;</source>
        <translation>--per-page nimmt 1, 2, 4 oder 6, nicht „%1“</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--seed takes a whole number from 0 to 18446744073709551615, not &apos;%1&apos;</source>
        <translation>--seed nimmt eine ganze Zahl von 0 bis 18446744073709551615, nicht „%1“</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>unknown option &apos;%1&apos;; try --help</source>
        <translation>unbekannte Option „%1“; siehe --help</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 needs a value; try --help</source>
        <translation>%1 braucht einen Wert; siehe --help</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unexpected argument &apos;%1&apos;; try --help</source>
        <translation>unerwartetes Argument „%1“; siehe --help</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--%1 goes with --print-pdf FILE</source>
        <translation>--%1 gehört zu --print-pdf DATEI</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Zifrel puzzles</source>
        <translation>Zifrel-Rätsel</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>zifrel: cannot write %1: %2
</source>
        <extracomment>%1 is the file&apos;s name, %2 why it could not be written.</extracomment>
        <translation>zifrel: %1 kann nicht geschrieben werden: %2
</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="+48"/>
        <source>cannot reach the display %1; start it from a desktop session, or under xvfb-run</source>
        <extracomment>%1 names the display and, in brackets, where it was set.</extracomment>
        <translation>die Anzeige %1 ist nicht erreichbar; starten Sie das Programm aus einer Desktop-Sitzung oder unter xvfb-run</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cannot reach the display of the platform %1 (QT_QPA_PLATFORM); start it from a desktop session, or under xvfb-run</source>
        <extracomment>%1 is the name of one of the toolkit&apos;s platform plug-ins, such as &quot;vnc&quot;.</extracomment>
        <translation>die Anzeige der Plattform %1 (QT_QPA_PLATFORM) ist nicht erreichbar; starten Sie das Programm aus einer Desktop-Sitzung oder unter xvfb-run</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Usage: zifrel [QT-OPTION...]
       zifrel --print-pdf FILE [--level L] [--count N] [--per-page K] [--seed S]
       zifrel --help | --version

Opens the Zifrel board: type the givens of a 9x9 number-placement puzzle,
then let Zifrel deduce the rest by pure logic, one cell (Alt+C), one sweep
(Alt+P) or until nothing changes (Alt+S), and see why each digit went.

Save (Alt+V) and Load (Alt+L) use the file Zifrel.zfr in the current folder.

Keys: arrows move between cells, a digit fills the focused cell (0 empties
it), Tab runs through the cells and the buttons, Alt and the underlined
letter presses a button, F10 opens the menu bar (Game, Edit, View, Help),
Ctrl+N makes a new puzzle of the level chosen last and Ctrl+1 to Ctrl+4 one
of that level, Ctrl+K checks the puzzle, Ctrl+H gives a hint (where to look
next; pressed again, the digit and why), Ctrl+J moves the focus to the cell
the hint is about, Shift+F1 explains the focused cell,
Ctrl+Z and Ctrl+Y undo and redo, Ctrl+Shift+C and Ctrl+Shift+V copy and
paste the puzzle, Ctrl+Plus and Ctrl+Minus enlarge and shrink the board
(Ctrl+0: normal size; resizing the window does the same, and the size is
kept for the next start), Ctrl+P prints the board, F1 opens Help, Ctrl+?
lists every key, Ctrl+Q quits, the Menu key opens the window menu, Escape
closes a hint, an explanation or a message, and else the window.

Printing new puzzles without a window:
  --print-pdf FILE      write new puzzles with their level and seed under
                        each, and their solutions on a last page, to FILE
  --level L             their level, 1 to 4 (default 1)
  --count N             how many, 1 to 100 (default 4)
  --per-page K          puzzles to a page: 1, 2, 4 or 6 (default 4)
  --seed S              the first puzzle&apos;s seed (0 to 18446744073709551615),
                        the next S+1 and so on; the seed under a puzzle
                        makes it again, as zifrel-batch --generate 1 --level L
                        --seed S does (default: a seed drawn at random)

Options the toolkit (Qt) takes, for the display and the look:
  -display DISPLAY      the X display to open (default: $DISPLAY)
  -platform NAME        the window system: xcb, wayland, offscreen, ...
  -platformtheme NAME   the platform theme
  -style NAME           the widget style: Fusion, Windows, ...
  -stylesheet FILE      a style sheet to apply
  -reverse              lay the window out right to left
  -geometry, -qwindowgeometry GEOMETRY, -qwindowtitle TITLE,
  -qwindowicon FILE, -plugin NAME, -platformpluginpath PATH, -session ID
See man zifrel for more.
</source>
        <translation>Aufruf: zifrel [QT-OPTION...]
        zifrel --print-pdf DATEI [--level L] [--count N] [--per-page K] [--seed S]
        zifrel --help | --version

Öffnet das Zifrel-Spielfeld: Tippen Sie die Vorgaben eines 9x9-Zahlenrätsels
ein und lassen Sie Zifrel den Rest allein durch Logik ableiten, eine Zelle
(Alt+Z), eine Runde (Alt+R) oder bis sich nichts mehr ändert (Alt+L), und
sehen Sie, warum jede Ziffer wegfiel.

Sichern (Alt+S) und Laden (Alt+D) benutzen die Datei Zifrel.zfr im aktuellen
Ordner.

Tasten: Pfeiltasten wechseln zwischen den Zellen, eine Ziffer füllt die
fokussierte Zelle (0 leert sie), Tab geht durch die Zellen und Schaltflächen,
Alt und der unterstrichene Buchstabe drücken eine Schaltfläche, F10 öffnet
die Menüleiste (Spiel, Bearbeiten, Ansicht, Hilfe), Strg+N erzeugt ein neues
Rätsel der zuletzt gewählten Stufe und Strg+1 bis Strg+4 eines dieser Stufe,
Strg+K prüft das Rätsel, Strg+H gibt einen Tipp (wohin Sie als Nächstes
sehen; noch einmal gedrückt, die Ziffer und der Grund), Strg+J setzt den
Fokus auf die Zelle des Tipps, Umschalt+F1 erklärt die fokussierte Zelle,
Strg+Z und Strg+Y machen rückgängig und wiederholen, Strg+Umschalt+C und
Strg+Umschalt+V kopieren das Rätsel und fügen es ein, Strg+Plus und
Strg+Minus vergrößern und verkleinern das Spielfeld (Strg+0: Normalgröße;
das Ziehen am Fenster wirkt ebenso, und die Größe bleibt für den nächsten
Start erhalten), Strg+P druckt das Spielfeld, F1 öffnet die Hilfe, Strg+?
listet alle Tasten auf, Strg+Q beendet, die Menütaste öffnet das
Fenstermenü, Esc schließt einen Tipp, eine Erklärung oder eine Meldung und
sonst das Fenster.

Neue Rätsel ohne Fenster drucken:
  --print-pdf DATEI     neue Rätsel mit Stufe und Startwert unter jedem und
                        ihren Lösungen auf einer letzten Seite in DATEI
                        schreiben
  --level L             ihre Stufe, 1 bis 4 (Vorgabe 1)
  --count N             wie viele, 1 bis 100 (Vorgabe 4)
  --per-page K          Rätsel pro Seite: 1, 2, 4 oder 6 (Vorgabe 4)
  --seed S              der Startwert des ersten Rätsels (0 bis
                        18446744073709551615), des nächsten S+1 und so fort;
                        der Startwert unter einem Rätsel erzeugt es erneut,
                        wie zifrel-batch --generate 1 --level L --seed S
                        (Vorgabe: ein zufällig gezogener Startwert)

Optionen des Toolkits (Qt), für die Anzeige und das Aussehen:
  -display DISPLAY      die zu öffnende X-Anzeige (Vorgabe: $DISPLAY)
  -platform NAME        das Fenstersystem: xcb, wayland, offscreen, ...
  -platformtheme NAME   das Plattform-Thema
  -style NAME           der Widget-Stil: Fusion, Windows, ...
  -stylesheet DATEI     ein anzuwendendes Stylesheet
  -reverse              das Fenster von rechts nach links anordnen
  -geometry, -qwindowgeometry GEOMETRIE, -qwindowtitle TITEL,
  -qwindowicon DATEI, -plugin NAME, -platformpluginpath PFAD, -session ID
Mehr unter man zifrel.
</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>no display to show the window on (DISPLAY is not set); start it from a desktop session, or under xvfb-run</source>
        <translation>keine Anzeige, auf der das Fenster erscheinen kann (DISPLAY ist nicht gesetzt); starten Sie das Programm aus einer Desktop-Sitzung oder unter xvfb-run</translation>
    </message>
</context>
<context>
    <name>CBoardDlg</name>
    <message>
        <location filename="../ui/board_dlg.cpp" line="+56"/>
        <source>&amp;Solve</source>
        <translation>&amp;Lösen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Reset</source>
        <translation>Z&amp;urück</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cl&amp;ear</source>
        <translation>L&amp;eeren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Se&amp;t</source>
        <translation>&amp;Merken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Pass</source>
        <translation>&amp;Runde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sa&amp;ve</source>
        <translation>&amp;Sichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load</source>
        <translation>La&amp;den</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cell</source>
        <translation>&amp;Zelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>St&amp;art</source>
        <translation>S&amp;tart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Not pasted: the program that holds the clipboard does not answer</source>
        <translation>Nicht eingefügt: Das Programm, dem die Zwischenablage gehört, antwortet nicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not pasted: the clipboard&apos;s text is too long to be a puzzle</source>
        <translation>Nicht eingefügt: Der Text in der Zwischenablage ist zu lang für ein Rätsel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not pasted: the clipboard holds no text</source>
        <translation>Nicht eingefügt: Die Zwischenablage enthält keinen Text</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Zifrel</source>
        <translation>Zifrel</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>Size %1%</source>
        <translation>Größe %1 %</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The board is as large as the screen allows (%1%)</source>
        <translation>Das Spielfeld ist so groß, wie der Bildschirm es erlaubt (%1 %)</translation>
    </message>
    <message>
        <location filename="../ui/cell_accessible.cpp" line="+26"/>
        <source>Row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <location filename="../ui/board_dlg.cpp" line="+52"/>
        <source>Mi&amp;nimize</source>
        <translation>&amp;Minimieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+440"/>
        <source>&amp;Undo</source>
        <extracomment>%1 the command that would be undone, as &quot;Pass&quot;.</extracomment>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location line="-439"/>
        <location line="+442"/>
        <source>&amp;Redo</source>
        <extracomment>%1 the command that would be done again, as &quot;Pass&quot;.</extracomment>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location line="-439"/>
        <source>Copy Puzzle</source>
        <translation>Rätsel kopieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste Puzzle</source>
        <translation>Rätsel einfügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ne&amp;w Puzzle</source>
        <translation>&amp;Neues Rätsel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Level &amp;1: Singles (naked and hidden singles)</source>
        <translation>Stufe &amp;1: Einer (nackte und versteckte Einer)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Level &amp;2: Box and Line (pointing)</source>
        <translation>Stufe &amp;2: Block und Linie (Pointing)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Level &amp;3: Pairs (naked pairs)</source>
        <translation>Stufe &amp;3: Paare (nackte Paare)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Level &amp;4: Beyond the Rules</source>
        <translation>Stufe &amp;4: Jenseits der Regeln</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Chec&amp;k Puzzle</source>
        <translation>Rätsel &amp;prüfen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Go to the Hinted Cell</source>
        <translation>Zur Tipp-&amp;Zelle gehen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Larger</source>
        <translation>&amp;Größer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>S&amp;maller</source>
        <translation>&amp;Kleiner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normal &amp;Size</source>
        <translation>N&amp;ormalgröße</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;About Zifrel...</source>
        <translation>Ü&amp;ber Zifrel...</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clear: the board is empty</source>
        <translation>Leeren: Das Spielfeld ist leer</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Set</source>
        <translation>Merken</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>Set: %n digits kept for Reset</source>
        <translation>
            <numerusform>Merken: %n Ziffer für Zurück behalten</numerusform>
            <numerusform>Merken: %n Ziffern für Zurück behalten</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Reset</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Pass</source>
        <translation>Runde</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cell</source>
        <translation>Zelle</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Start: the next Cell works on row 1, column 1</source>
        <translation>Start: Der nächste Druck auf Zelle bearbeitet Zeile 1, Spalte 1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Saved %1</source>
        <translation>%1 gesichert</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copy Puzzle: the board is on the clipboard</source>
        <translation>Rätsel kopieren: das Spielfeld ist in der Zwischenablage</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Making a new puzzle: %1</source>
        <translation>Ein neues Rätsel entsteht: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>New Puzzle</source>
        <translation>Neues Rätsel</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Check Puzzle: counting the solutions of the digits on the board…</source>
        <translation>Rätsel prüfen: Die Lösungen der Ziffern auf dem Spielfeld werden gezählt…</translation>
    </message>
    <message>
        <location line="+113"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Nothing is ruled out here yet: Pass works out the digits still possible</source>
        <translation>Hier ist noch nichts ausgeschlossen: Runde ermittelt die noch möglichen Ziffern</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Typing</source>
        <translation>Eingabe</translation>
    </message>
</context>
<context>
    <name>CBoardMenuBar</name>
    <message>
        <location filename="../ui/board_menu_bar.cpp" line="+65"/>
        <source>&amp;Game</source>
        <translation>S&amp;piel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>New Puzzle of &amp;Level</source>
        <translation>Neues Rätsel der &amp;Stufe</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print New P&amp;uzzles...</source>
        <translation>Neue R&amp;ätsel drucken...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>E&amp;dit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>V&amp;iew</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zifrel &amp;Help</source>
        <translation>Zifrel-&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Keys</source>
        <translation>&amp;Tasten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Window menu</source>
        <translation>Fenstermenü</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>&amp;New Puzzle, Level %1</source>
        <extracomment>%1 is the level&apos;s number, 1 to 4.</extracomment>
        <translation>&amp;Neues Rätsel, Stufe %1</translation>
    </message>
</context>
<context>
    <name>CBoardMessages</name>
    <message>
        <location filename="../ui/board_messages.cpp" line="+24"/>
        <source>Not saved: %1 cannot be made: its folder does not exist</source>
        <translation>Nicht gesichert: %1 kann nicht angelegt werden, denn sein Ordner existiert nicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not saved: %1 is a folder, not a file</source>
        <translation>Nicht gesichert: %1 ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not saved: %1 is a device or a pipe, not a file</source>
        <translation>Nicht gesichert: %1 ist ein Gerät oder eine Pipe, keine Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not saved: %1 is write-protected</source>
        <translation>Nicht gesichert: %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not saved: %1 may not be read</source>
        <translation>Nicht gesichert: %1 darf nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not saved: %1 cannot be made: its folder is write-protected</source>
        <translation>Nicht gesichert: %1 kann nicht angelegt werden, denn sein Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not saved: %1 is on a read-only file system</source>
        <translation>Nicht gesichert: %1 liegt auf einem schreibgeschützten Dateisystem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not saved: %1 does not fit: the disk is full</source>
        <translation>Nicht gesichert: %1 passt nicht mehr, der Datenträger ist voll</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not saved: %1 is too large to be a puzzle</source>
        <translation>Nicht gesichert: %1 ist zu groß für ein Rätsel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not saved: %1 is a symbolic link that leads round in a circle</source>
        <translation>Nicht gesichert: %1 ist eine symbolische Verknüpfung, die im Kreis führt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not saved: %1 could not be written: %2</source>
        <extracomment>%1 the file, %2 the system&apos;s own words for the failure.</extracomment>
        <translation>Nicht gesichert: %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No puzzle loaded: %1 does not exist</source>
        <translation>Kein Rätsel geladen: %1 existiert nicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No puzzle loaded: %1 is a folder, not a file</source>
        <translation>Kein Rätsel geladen: %1 ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No puzzle loaded: %1 is a device or a pipe, not a file</source>
        <translation>Kein Rätsel geladen: %1 ist ein Gerät oder eine Pipe, keine Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No puzzle loaded: %1 is write-protected</source>
        <translation>Kein Rätsel geladen: %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No puzzle loaded: %1 may not be read</source>
        <translation>Kein Rätsel geladen: %1 darf nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No puzzle loaded: %1 cannot be made: its folder is write-protected</source>
        <translation>Kein Rätsel geladen: %1 kann nicht angelegt werden, denn sein Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No puzzle loaded: %1 is on a read-only file system</source>
        <translation>Kein Rätsel geladen: %1 liegt auf einem schreibgeschützten Dateisystem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No puzzle loaded: %1 does not fit: the disk is full</source>
        <translation>Kein Rätsel geladen: %1 passt nicht, der Datenträger ist voll</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No puzzle loaded: %1 is too large to be a puzzle</source>
        <translation>Kein Rätsel geladen: %1 ist zu groß für ein Rätsel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No puzzle loaded: %1 is a symbolic link that leads round in a circle</source>
        <translation>Kein Rätsel geladen: %1 ist eine symbolische Verknüpfung, die im Kreis führt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No puzzle loaded: %1 could not be read: %2</source>
        <extracomment>%1 the file, %2 the system&apos;s own words for the failure.</extracomment>
        <translation>Kein Rätsel geladen: %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No puzzle loaded: %1 is empty</source>
        <translation>Kein Rätsel geladen: %1 ist leer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No puzzle loaded: %1 has %2 lines, not 9</source>
        <translation>Kein Rätsel geladen: %1 hat %2 Zeilen, nicht 9</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No puzzle loaded: %1 line %2 has %3 cells, not %4</source>
        <extracomment>%1 the file; line %2 holds %3 cells where %4 (9, or 81 for a one-line file) belong.</extracomment>
        <translation>Kein Rätsel geladen: In %1 hat Zeile %2 %3 Zellen, nicht %4</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No puzzle loaded: %1 line %2, column %3 is &apos;%4&apos;, not a digit or .</source>
        <extracomment>%1 the file, %2 the line, %3 the column, %4 the character found there.</extracomment>
        <translation>Kein Rätsel geladen: In %1 steht in Zeile %2, Spalte %3 „%4“, keine Ziffer und kein Punkt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No puzzle loaded: %1 line %2, column %3 is byte %4, not a digit or .</source>
        <extracomment>%1 the file, %2 the line, %3 the column, %4 the value of the byte found there.</extracomment>
        <translation>Kein Rätsel geladen: In %1 steht in Zeile %2, Spalte %3 das Byte %4, keine Ziffer und kein Punkt</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Not pasted: the clipboard&apos;s text is not a puzzle: byte %1 is not a cell</source>
        <extracomment>%1 the value of a byte that is no character.</extracomment>
        <translation>Nicht eingefügt: Der Text in der Zwischenablage ist kein Rätsel: Das Byte %1 ist keine Zelle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not pasted: the clipboard&apos;s text is not a puzzle: &apos;%1&apos; is not a cell</source>
        <extracomment>%1 the character that stands where a cell should.</extracomment>
        <translation>Nicht eingefügt: Der Text in der Zwischenablage ist kein Rätsel: „%1“ ist keine Zelle</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not pasted: the clipboard&apos;s text is not a puzzle: more than 81 cells in a line</source>
        <translation>Nicht eingefügt: Der Text in der Zwischenablage ist kein Rätsel: mehr als 81 Zellen in einer Zeile</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not pasted: the clipboard&apos;s text is not a puzzle: more than one puzzle</source>
        <translation>Nicht eingefügt: Der Text in der Zwischenablage ist kein Rätsel: mehr als ein Rätsel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not pasted: the clipboard&apos;s text is not a puzzle: more than 9 rows</source>
        <translation>Nicht eingefügt: Der Text in der Zwischenablage ist kein Rätsel: mehr als 9 Reihen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not pasted: the clipboard&apos;s text is not a puzzle: %1 cells, not 81</source>
        <translation>Nicht eingefügt: Der Text in der Zwischenablage ist kein Rätsel: %1 Zellen, nicht 81</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not pasted: the clipboard&apos;s text is not a puzzle: a row of %1 cells</source>
        <translation>Nicht eingefügt: Der Text in der Zwischenablage ist kein Rätsel: eine Reihe aus %1 Zellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not pasted: the clipboard&apos;s text is not a puzzle: no cells</source>
        <translation>Nicht eingefügt: Der Text in der Zwischenablage ist kein Rätsel: keine Zellen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not pasted: the clipboard&apos;s text is not a puzzle: %1 rows of 9, not 9</source>
        <translation>Nicht eingefügt: Der Text in der Zwischenablage ist kein Rätsel: %1 Reihen zu 9, nicht 9</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n sweeps</source>
        <extracomment>Part of &quot;Solve: 3 sweeps, 41 cells filled, 12 open&quot;: how often the rules went over the board.</extracomment>
        <translation>
            <numerusform>%n Runde</numerusform>
            <numerusform>%n Runden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Solve: %1, %n cells filled, %2 open</source>
        <extracomment>%1 &quot;3 sweeps&quot;, %n the cells filled, %2 the cells still open.</extracomment>
        <translation>
            <numerusform>Lösen: %1, %n Zelle gefüllt, %2 offen</numerusform>
            <numerusform>Lösen: %1, %n Zellen gefüllt, %2 offen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n digits</source>
        <extracomment>Part of &quot;Pass: 4 cells filled, 24 digits ruled out, 12 open&quot;.</extracomment>
        <translation>
            <numerusform>%n Ziffer</numerusform>
            <numerusform>%n Ziffern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Pass: %n cells filled, %1 ruled out, %2 open</source>
        <extracomment>%n the cells filled, %1 &quot;24 digits&quot;, %2 the cells still open.</extracomment>
        <translation>
            <numerusform>Runde: %n Zelle gefüllt, %1 ausgeschlossen, %2 offen</numerusform>
            <numerusform>Runde: %n Zellen gefüllt, %1 ausgeschlossen, %2 offen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>Reset: %n cells filled, %1 open</source>
        <extracomment>%n the cells that hold a digit, %1 the cells still open.</extracomment>
        <translation>
            <numerusform>Zurück: %n Zelle gefüllt, %1 offen</numerusform>
            <numerusform>Zurück: %n Zellen gefüllt, %1 offen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Paste: %n cells filled, %1 open</source>
        <extracomment>%n the cells that hold a digit, %1 the cells still open.</extracomment>
        <translation>
            <numerusform>Einfügen: %n Zelle gefüllt, %1 offen</numerusform>
            <numerusform>Einfügen: %n Zellen gefüllt, %1 offen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Drop: %n cells filled, %1 open</source>
        <extracomment>%n the cells that hold a digit, %1 the cells still open.</extracomment>
        <translation>
            <numerusform>Ablegen: %n Zelle gefüllt, %1 offen</numerusform>
            <numerusform>Ablegen: %n Zellen gefüllt, %1 offen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Loaded %1: %n cells filled, %2 open</source>
        <extracomment>%1 the file&apos;s name, %n the cells that hold a digit, %2 the cells still open.</extracomment>
        <translation>
            <numerusform>%1 geladen: %n Zelle gefüllt, %2 offen</numerusform>
            <numerusform>%1 geladen: %n Zellen gefüllt, %2 offen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>New puzzle, %1: %n cells filled, %2 open</source>
        <extracomment>%1 the level, as &quot;level 2, Box and Line (pointing)&quot;; %n the cells that hold a digit, %2 the cells still open.</extracomment>
        <translation>
            <numerusform>Neues Rätsel, %1: %n Zelle gefüllt, %2 offen</numerusform>
            <numerusform>Neues Rätsel, %1: %n Zellen gefüllt, %2 offen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Reset</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drop</source>
        <translation>Ablegen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Puzzle</source>
        <translation>Neues Rätsel</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cell: %1 filled with %2</source>
        <extracomment>%1 &quot;row 3, column 4&quot;, %2 the digit.</extracomment>
        <translation>Zelle: %1 mit %2 gefüllt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cell: %1, nothing changed</source>
        <translation>Zelle: %1, nichts geändert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cell: %1: %2 ruled out</source>
        <extracomment>%1 &quot;row 3, column 4&quot;, %2 the digits, as &quot;3 and 8&quot;.</extracomment>
        <translation>Zelle: %1: %2 ausgeschlossen</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>level 1, Singles (naked and hidden singles)</source>
        <translation>Stufe 1, Einer (nackte und versteckte Einer)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>level 2, Box and Line (pointing)</source>
        <translation>Stufe 2, Block und Linie (Pointing)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>level 3, Pairs (naked pairs)</source>
        <translation>Stufe 3, Paare (nackte Paare)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>level 4, Beyond the Rules</source>
        <translation>Stufe 4, Jenseits der Regeln</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>any level</source>
        <translation>beliebige Stufe</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Check Puzzle: the board is full, and wrong: a digit stands twice in a row, column or box</source>
        <translation>Rätsel prüfen: Das Spielfeld ist voll, aber falsch: Eine Ziffer steht doppelt in einer Zeile, einer Spalte oder einem Block</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Puzzle: the digits on the board have no solution</source>
        <translation>Rätsel prüfen: Die Ziffern auf dem Spielfeld haben keine Lösung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Puzzle: the digits on the board have more than one solution</source>
        <translation>Rätsel prüfen: Die Ziffern auf dem Spielfeld haben mehr als eine Lösung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Puzzle: the board is full and right</source>
        <translation>Rätsel prüfen: Das Spielfeld ist voll und richtig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Puzzle: exactly one solution, beyond Zifrel&apos;s rules (level 4): Solve leaves cells open</source>
        <translation>Rätsel prüfen: genau eine Lösung, jenseits von Zifrels Regeln (Stufe 4): Lösen lässt Zellen offen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Puzzle: exactly one solution, and Zifrel&apos;s rules finish it: %1</source>
        <translation>Rätsel prüfen: genau eine Lösung, und Zifrels Regeln lösen es vollständig: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Your entry agrees with the puzzle&apos;s solution</source>
        <translation>Ihre Eingabe stimmt mit der Lösung des Rätsels überein</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>All %n of your entries agree with the puzzle&apos;s solution</source>
        <translation>
            <numerusform>Ihre %n Eingabe stimmt mit der Lösung des Rätsels überein</numerusform>
            <numerusform>Alle %n Ihrer Eingaben stimmen mit der Lösung des Rätsels überein</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your entry differs from the puzzle&apos;s solution: Check Puzzle again (Ctrl+K) outlines it</source>
        <translation>Ihre Eingabe weicht von der Lösung des Rätsels ab: Noch einmal Rätsel prüfen (Strg+K) umrandet sie</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>1 of your %n entries differs from the puzzle&apos;s solution: Check Puzzle again (Ctrl+K) outlines it</source>
        <translation>
            <numerusform>Ihre %n Eingabe weicht von der Lösung des Rätsels ab: Noch einmal Rätsel prüfen (Strg+K) umrandet sie</numerusform>
            <numerusform>1 Ihrer %n Eingaben weicht von der Lösung des Rätsels ab: Noch einmal Rätsel prüfen (Strg+K) umrandet sie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%1 of your %n entries differ from the puzzle&apos;s solution: Check Puzzle again (Ctrl+K) outlines them</source>
        <extracomment>%1 how many entries differ, %n how many there are.</extracomment>
        <translation>
            <numerusform>%1 Ihrer %n Eingabe weichen von der Lösung des Rätsels ab: Noch einmal Rätsel prüfen (Strg+K) umrandet sie</numerusform>
            <numerusform>%1 Ihrer %n Eingaben weichen von der Lösung des Rätsels ab: Noch einmal Rätsel prüfen (Strg+K) umrandet sie</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1. %2</source>
        <extracomment>Two sentences one after the other.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Check Puzzle</source>
        <translation>Rätsel prüfen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your %1 in %2 differs from the puzzle&apos;s solution</source>
        <extracomment>%1 the digit, %2 &quot;row 1, column 1&quot;.</extracomment>
        <translation>Ihre %1 in %2 weicht von der Lösung des Rätsels ab</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Hint: one digit has no other place in its box (hidden single)</source>
        <translation>Tipp: Eine Ziffer hat in ihrem Block keinen anderen Platz (versteckter Einer)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hint: every digit but one can be ruled out there (naked single)</source>
        <translation>Tipp: Dort lässt sich jede Ziffer bis auf eine ausschließen (nackter Einer)</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Look at %1: one digit has no other place in its box (hidden single)</source>
        <translation>Sehen Sie sich %1 an: Eine Ziffer hat in ihrem Block keinen anderen Platz (versteckter Einer)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Look at %1: every digit but one can be ruled out there (naked single)</source>
        <translation>Sehen Sie sich %1 an: Dort lässt sich jede Ziffer bis auf eine ausschließen (nackter Einer)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The next Pass fills it</source>
        <translation>Die nächste Runde füllt sie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Two Passes fill it</source>
        <translation>Zwei Runden füllen sie</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n Passes fill it</source>
        <translation>
            <numerusform>%n Runde füllt sie</numerusform>
            <numerusform>%n Runden füllen sie</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Every cell holds its digit and nothing contradicts: the puzzle is solved</source>
        <translation>Jede Zelle hat ihre Ziffer und nichts widerspricht sich: Das Rätsel ist gelöst</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zifrel&apos;s rules fill no further cell, and the digits on the board have no solution</source>
        <translation>Zifrels Regeln füllen keine weitere Zelle, und die Ziffern auf dem Spielfeld haben keine Lösung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zifrel&apos;s rules fill no further cell: the puzzle has exactly one solution, but it needs a technique beyond Zifrel&apos;s rules (level 4)</source>
        <translation>Zifrels Regeln füllen keine weitere Zelle: Das Rätsel hat genau eine Lösung, braucht aber eine Technik jenseits von Zifrels Regeln (Stufe 4)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Zifrel&apos;s rules fill no further cell, and the digits on the board have more than one solution</source>
        <translation>Zifrels Regeln füllen keine weitere Zelle, und die Ziffern auf dem Spielfeld haben mehr als eine Lösung</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The board contradicts itself: %1 stands in %2 and in %3</source>
        <translation>Das Spielfeld widerspricht sich: Die %1 steht in %2 und in %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The board contradicts itself: your %1 in %2 clashes with your %1 in %3</source>
        <extracomment>%1 the digit, %2 and %3 &quot;row 1, column 1&quot;: the person typed the first.</extracomment>
        <translation>Das Spielfeld widerspricht sich: Ihre %1 in %2 kollidiert mit Ihrer %1 in %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The board contradicts itself: your %1 in %2 clashes with the %1 in %3</source>
        <translation>Das Spielfeld widerspricht sich: Ihre %1 in %2 kollidiert mit der %1 in %3</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The board contradicts itself: no digit is left for %1, and the givens contradict each other</source>
        <translation>Das Spielfeld widerspricht sich: Für %1 bleibt keine Ziffer, und die Vorgaben widersprechen einander</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The board contradicts itself: no digit is left for %1</source>
        <translation>Das Spielfeld widerspricht sich: Für %1 bleibt keine Ziffer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The board contradicts itself: no digit is left for %1, because of your entries taken together</source>
        <translation>Das Spielfeld widerspricht sich: Für %1 bleibt keine Ziffer, wegen Ihrer Eingaben zusammengenommen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The board contradicts itself: no digit is left for %1, because of your %2 in %3</source>
        <extracomment>%1 &quot;row 3, column 4&quot;, the empty cell; %2 the digit the person typed in %3.</extracomment>
        <translation>Das Spielfeld widerspricht sich: Für %1 bleibt keine Ziffer, wegen Ihrer %2 in %3</translation>
    </message>
</context>
<context>
    <name>CBoardPrint</name>
    <message>
        <location filename="../ui/board_print.cpp" line="+184"/>
        <source>Puzzle %1, %2, seed %3</source>
        <extracomment>%1 is the puzzle&apos;s number on the sheet, %2 its level (&quot;level 2, Box and Line&quot;), %3 the seed it is made from.</extracomment>
        <translation>Rätsel %1, %2, Startwert %3</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Solution of puzzle %1</source>
        <extracomment>%1 is the puzzle&apos;s number on the sheet.</extracomment>
        <translation>Lösung von Rätsel %1</translation>
    </message>
</context>
<context>
    <name>CBoardPrinter</name>
    <message>
        <location filename="../ui/board_printer.cpp" line="+34"/>
        <location line="+88"/>
        <source>Print New Puzzles</source>
        <translation>Neue Rätsel drucken</translation>
    </message>
    <message>
        <location line="-72"/>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Level:</source>
        <translation>&amp;Stufe:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Number of puzzles:</source>
        <translation>&amp;Anzahl der Rätsel:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Puzzles to a &amp;page:</source>
        <translation>Rätsel pro S&amp;eite:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Making the puzzles...</source>
        <translation>Die Rätsel entstehen...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print the &amp;pencil marks</source>
        <translation>Die &amp;Bleistiftnotizen drucken</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Print the Board</source>
        <translation>Das Spielfeld drucken</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+16"/>
        <source>Not printed</source>
        <translation>Nicht gedruckt</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>The board could not be printed.</source>
        <translation>Das Spielfeld konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The puzzles could not be printed.</source>
        <translation>Die Rätsel konnten nicht gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>CCellEdit</name>
    <message>
        <location filename="../ui/cell_edit.cpp" line="+130"/>
        <location line="+4"/>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>empty, no digit possible</source>
        <translation>leer, keine Ziffer möglich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>empty, still possible %1</source>
        <translation>leer, noch möglich %1</translation>
    </message>
</context>
<context>
    <name>CCloseQuestion</name>
    <message>
        <location filename="../ui/close_question.cpp" line="+20"/>
        <source>Zifrel</source>
        <translation>Zifrel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the puzzle before closing?</source>
        <translation>Das Rätsel vor dem Schließen sichern?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save the puzzle before replacing it?</source>
        <translation>Das Rätsel sichern, bevor es ersetzt wird?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The board holds digits that are not in %1.</source>
        <translation>Auf dem Spielfeld stehen Ziffern, die nicht in %1 stehen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation>&amp;Sichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close &amp;Without Saving</source>
        <translation>Schließen &amp;ohne zu sichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Replace &amp;Without Saving</source>
        <translation>Ersetzen &amp;ohne zu sichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>CExplanation</name>
    <message>
        <location filename="../ui/cell_explanation.cpp" line="+19"/>
        <source>Row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>top left</source>
        <translation>oben links</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>top middle</source>
        <translation>oben Mitte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>top right</source>
        <translation>oben rechts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>middle left</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>middle right</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bottom left</source>
        <translation>unten links</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>bottom middle</source>
        <translation>unten Mitte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>bottom right</source>
        <translation>unten rechts</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>box %1 (%2)</source>
        <translation>Block %1 (%2)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is given</source>
        <translation>Die %1 ist vorgegeben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You entered %1</source>
        <translation>Sie haben die %1 eingegeben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 goes here: it is the only digit left in this cell (naked single)</source>
        <translation>Die %1 gehört hierher: Sie ist die einzige Ziffer, die in dieser Zelle bleibt (nackter Einer)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 was found: it was the only digit left in this cell (naked single)</source>
        <translation>Die %1 wurde gefunden: Sie war die einzige Ziffer, die in dieser Zelle blieb (nackter Einer)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 goes here: %2 has no other place for %1 (hidden single)</source>
        <translation>Die %1 gehört hierher: %2 hat keinen anderen Platz für die %1 (versteckter Einer)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 was found: %2 had no other place for %1 (hidden single)</source>
        <translation>Die %1 wurde gefunden: %2 hatte keinen anderen Platz für die %1 (versteckter Einer)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 now stands in %2, so the next Pass rules it out here</source>
        <extracomment>A pencil mark that a later cell of the same Pass made untrue: %1 the digit, %2 &quot;row 6, column 9&quot;.</extracomment>
        <translation>Die %1 steht jetzt in %2, also schließt die nächste Runde sie hier aus</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is ruled out, for a reason no longer kept</source>
        <translation>Die %1 ist ausgeschlossen, aus einem Grund, der nicht mehr bekannt ist</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No digit is left for this cell: the givens contradict each other</source>
        <translation>Für diese Zelle bleibt keine Ziffer: Die Vorgaben widersprechen einander</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No digit is left for this cell, though the givens have a solution</source>
        <translation>Für diese Zelle bleibt keine Ziffer, obwohl die Vorgaben eine Lösung haben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No digit is left for this cell, though the givens and your entries have a solution</source>
        <translation>Für diese Zelle bleibt keine Ziffer, obwohl die Vorgaben und Ihre Eingaben eine Lösung haben</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>To count again from the board as it is now, press Set, then Pass (Set keeps the digits shown, wipes the pencil marks and makes this the board that Reset brings back)</source>
        <translation>Um vom jetzigen Spielfeld aus neu zu zählen, drücken Sie Merken und dann Runde (Merken behält die gezeigten Ziffern, löscht die Bleistiftnotizen und macht dieses Spielfeld zu dem, das Zurück wiederherstellt)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Still possible: %1</source>
        <translation>Noch möglich: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Nothing is still possible here: each digit left stands in its row, column or box already</source>
        <translation>Hier ist nichts mehr möglich: Jede verbliebene Ziffer steht schon in ihrer Zeile, ihrer Spalte oder ihrem Block</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing is still possible here: every digit is ruled out</source>
        <translation>Hier ist nichts mehr möglich: Jede Ziffer ist ausgeschlossen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 also stands in %2, where you entered it</source>
        <translation>Die %1 steht auch in %2, wo Sie sie eingegeben haben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 also stands in %2</source>
        <translation>Die %1 steht auch in %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 in %2</source>
        <extracomment>One of the person&apos;s entries: %1 the digit, %2 &quot;row 1, column 1&quot;.</extracomment>
        <translation>die %1 in %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No digit is left for this cell: your entries together leave the givens no solution</source>
        <translation>Für diese Zelle bleibt keine Ziffer: Ihre Eingaben zusammen lassen den Vorgaben keine Lösung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No digit is left for this cell: your %1 in %2 leaves the givens no solution</source>
        <extracomment>%1 the digit, %2 &quot;row 1, column 1&quot;.</extracomment>
        <translation>Für diese Zelle bleibt keine Ziffer: Ihre %1 in %2 lässt den Vorgaben keine Lösung</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No digit is left for this cell: your entries %1 each leave the givens no solution</source>
        <extracomment>%1 a list of entries: &quot;5 in row 1, column 1 and 7 in row 2, column 3&quot;.</extracomment>
        <translation>Für diese Zelle bleibt keine Ziffer: Ihre Eingaben %1 lassen den Vorgaben jede für sich keine Lösung</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is ruled out: row %2 holds %1 already, in column %3</source>
        <translation>Die %1 ist ausgeschlossen: Zeile %2 enthält die %1 schon, in Spalte %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 was ruled out: row %2 held %1, in column %3</source>
        <translation>Die %1 wurde ausgeschlossen: Zeile %2 enthielt die %1, in Spalte %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is ruled out: column %2 holds %1 already, in row %3</source>
        <translation>Die %1 ist ausgeschlossen: Spalte %2 enthält die %1 schon, in Zeile %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 was ruled out: column %2 held %1, in row %3</source>
        <translation>Die %1 wurde ausgeschlossen: Spalte %2 enthielt die %1, in Zeile %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is ruled out: %2 holds %1 already, in row %3, column %4</source>
        <translation>Die %1 ist ausgeschlossen: %2 enthält die %1 schon, in Zeile %3, Spalte %4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 was ruled out: %2 held %1, in row %3, column %4</source>
        <translation>Die %1 wurde ausgeschlossen: %2 enthielt die %1, in Zeile %3, Spalte %4</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is ruled out: %2 has no place for %1 outside row %3, so its %1 goes in row %3, not here (pointing)</source>
        <translation>Die %1 ist ausgeschlossen: %2 hat außerhalb von Zeile %3 keinen Platz für die %1, also kommt seine %1 in Zeile %3, nicht hierher (Pointing)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 was ruled out: %2 had no place for %1 outside row %3, so its %1 had to go in row %3, not here (pointing)</source>
        <translation>Die %1 wurde ausgeschlossen: %2 hatte außerhalb von Zeile %3 keinen Platz für die %1, also musste seine %1 in Zeile %3, nicht hierher (Pointing)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is ruled out: %2 has no place for %1 outside column %3, so its %1 goes in column %3, not here (pointing)</source>
        <translation>Die %1 ist ausgeschlossen: %2 hat außerhalb von Spalte %3 keinen Platz für die %1, also kommt seine %1 in Spalte %3, nicht hierher (Pointing)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 was ruled out: %2 had no place for %1 outside column %3, so its %1 had to go in column %3, not here (pointing)</source>
        <translation>Die %1 wurde ausgeschlossen: %2 hatte außerhalb von Spalte %3 keinen Platz für die %1, also musste seine %1 in Spalte %3, nicht hierher (Pointing)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 was ruled out: in row %2, columns %3 and %4 both had only %5 left, so one of them had to take %1 (naked pair)</source>
        <translation>Die %1 wurde ausgeschlossen: In Zeile %2 blieben den Spalten %3 und %4 nur noch %5, also musste eine von beiden die %1 nehmen (nacktes Paar)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 was ruled out: in column %2, rows %3 and %4 both had only %5 left, so one of them had to take %1 (naked pair)</source>
        <translation>Die %1 wurde ausgeschlossen: In Spalte %2 blieben den Zeilen %3 und %4 nur noch %5, also musste eine von beiden die %1 nehmen (nacktes Paar)</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 cannot take %2: row %3 holds %2 already, in column %4</source>
        <translation>%1 kann die %2 nicht aufnehmen: Zeile %3 enthält die %2 schon, in Spalte %4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 could not take %2: row %3 held %2, in column %4</source>
        <translation>%1 konnte die %2 nicht aufnehmen: Zeile %3 enthielt die %2, in Spalte %4</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot take %2: column %3 holds %2 already, in row %4</source>
        <translation>%1 kann die %2 nicht aufnehmen: Spalte %3 enthält die %2 schon, in Zeile %4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 could not take %2: column %3 held %2, in row %4</source>
        <translation>%1 konnte die %2 nicht aufnehmen: Spalte %3 enthielt die %2, in Zeile %4</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot take %2: %3 holds %2 already, in row %4, column %5</source>
        <translation>%1 kann die %2 nicht aufnehmen: %3 enthält die %2 schon, in Zeile %4, Spalte %5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 could not take %2: %3 held %2, in row %4, column %5</source>
        <translation>%1 konnte die %2 nicht aufnehmen: %3 enthielt die %2, in Zeile %4, Spalte %5</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 cannot take %2: %3 has no place for %2 outside row %4, so its %2 goes in row %4, not here (pointing)</source>
        <translation>%1 kann die %2 nicht aufnehmen: %3 hat außerhalb von Zeile %4 keinen Platz für die %2, also kommt seine %2 in Zeile %4, nicht hierher (Pointing)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 could not take %2: %3 had no place for %2 outside row %4, so its %2 had to go in row %4, not here (pointing)</source>
        <translation>%1 konnte die %2 nicht aufnehmen: %3 hatte außerhalb von Zeile %4 keinen Platz für die %2, also musste seine %2 in Zeile %4, nicht hierher (Pointing)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 cannot take %2: %3 has no place for %2 outside column %4, so its %2 goes in column %4, not here (pointing)</source>
        <translation>%1 kann die %2 nicht aufnehmen: %3 hat außerhalb von Spalte %4 keinen Platz für die %2, also kommt seine %2 in Spalte %4, nicht hierher (Pointing)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 could not take %2: %3 had no place for %2 outside column %4, so its %2 had to go in column %4, not here (pointing)</source>
        <translation>%1 konnte die %2 nicht aufnehmen: %3 hatte außerhalb von Spalte %4 keinen Platz für die %2, also musste seine %2 in Spalte %4, nicht hierher (Pointing)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 could not take %2: in row %3, columns %4 and %5 both had only %6 left, so one of them had to take %2 (naked pair)</source>
        <translation>%1 konnte die %2 nicht aufnehmen: In Zeile %3 blieben den Spalten %4 und %5 nur noch %6, also musste eine von beiden die %2 nehmen (nacktes Paar)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 could not take %2: in column %3, rows %4 and %5 both had only %6 left, so one of them had to take %2 (naked pair)</source>
        <translation>%1 konnte die %2 nicht aufnehmen: In Spalte %3 blieben den Zeilen %4 und %5 nur noch %6, also musste eine von beiden die %2 nehmen (nacktes Paar)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 cannot take %2, for a reason no longer kept</source>
        <translation>%1 kann die %2 nicht aufnehmen, aus einem Grund, der nicht mehr bekannt ist</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1. No longer so: %2</source>
        <translation>%1. Das gilt nicht mehr: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 holds %2 now</source>
        <translation>%1 enthält jetzt die %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is empty now, nothing ruled out</source>
        <translation>%1 ist jetzt leer, nichts ausgeschlossen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has no digit possible now</source>
        <translation>In %1 ist jetzt keine Ziffer möglich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 has %2 possible now</source>
        <translation>In %1 ist jetzt noch möglich: %2</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
</context>
<context>
    <name>CHelpDlg</name>
    <message>
        <location filename="../ui/help_dlg.cpp" line="+22"/>
        <source>This program can help to solve Zifrel puzzles. In version 1.00, it cannot handle the most difficult or extreme puzzles. If there is sufficient interest</source>
        <extracomment>The window shows this sentence in two parts, one under the other: it goes on in &quot;in this program, I will consider...&quot;.</extracomment>
        <translation>Dieses Programm kann beim Lösen von Zifrel-Rätseln helfen. In Version 1.00 kommt es mit den schwierigsten oder extremen Rätseln nicht zurecht. Wenn genügend Interesse</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>in this program, I will consider adding the ability to generate puzzles of specified difficulty and also adding more advanced solving abilities.</source>
        <extracomment>The end of the sentence &quot;... If there is sufficient interest&quot;.</extracomment>
        <translation>an diesem Programm besteht, werde ich erwägen, Rätsel einer gewählten Schwierigkeit erzeugen zu lassen und weitere Lösungstechniken hinzuzufügen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Zifrel cells - you can click on a cell and enter a number. Be careful not to click and move or you might not select the entire cell. Use the arrow keys to navigate between cells.</source>
        <translation>Zifrel-Zellen - Sie können eine Zelle anklicken und eine Zahl eingeben. Bewegen Sie die Maus beim Klicken nicht, sonst wählen Sie womöglich nicht die ganze Zelle aus. Mit den Pfeiltasten wechseln Sie zwischen den Zellen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help - calls up this help dialog</source>
        <translation>Hilfe - ruft diese Hilfe auf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear - clears all the cells.</source>
        <translation>Leeren - leert alle Zellen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset - resets the game back to the last Set status.</source>
        <translation>Zurück - setzt das Spiel auf den zuletzt gemerkten Stand zurück.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Set - sets the current game status into memory for later recall by the Reset button.</source>
        <translation>Merken - merkt sich den jetzigen Spielstand, den die Schaltfläche Zurück später wiederherstellt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Load - recalls a game status saved by the Save button to a disk file.</source>
        <translation>Laden - holt einen Spielstand zurück, den die Schaltfläche Sichern in einer Datei gesichert hat.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save - saves a game status to a disk file for later recall by the Load button.</source>
        <translation>Sichern - sichert einen Spielstand in einer Datei, den die Schaltfläche Laden später zurückholt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solve - attempts to solve the entire puzzle with a single button press.</source>
        <translation>Lösen - versucht, das ganze Rätsel mit einem einzigen Tastendruck zu lösen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pass - runs through all cells to update the currently known possible remaining values for each cell.</source>
        <translation>Runde - geht alle Zellen durch und aktualisiert für jede Zelle die bisher bekannten noch möglichen Werte.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cell - runs one cell at a time to update thee currently known possible remaining values for that cell.</source>
        <translation>Zelle - bearbeitet jeweils eine Zelle und aktualisiert die bisher bekannten noch möglichen Werte dieser Zelle.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Start - sets the current cell back to the upper lefthand cell for processing by the Cell button.</source>
        <translation>Start - setzt die aktuelle Zelle für die Schaltfläche Zelle zurück nach oben links.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This version can also make puzzles, of four levels. What it adds, each also in the menus above the board:</source>
        <translation>Diese Version kann auch Rätsel erzeugen, in vier Stufen. Was sie hinzufügt, jeweils auch in den Menüs über dem Spielfeld:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>New Puzzle (Ctrl+N) - a puzzle with one solution, of the level chosen last; Ctrl+1 to Ctrl+4 choose level 1 to 4.</source>
        <translation>Neues Rätsel (Strg+N) - ein Rätsel mit genau einer Lösung, in der zuletzt gewählten Stufe; Strg+1 bis Strg+4 wählen Stufe 1 bis 4.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Check Puzzle (Ctrl+K) - tells whether the board has no solution, one or more, and the level at which Zifrel&apos;s rules finish it.</source>
        <translation>Rätsel prüfen (Strg+K) - sagt, ob das Spielfeld keine, eine oder mehr Lösungen hat, und auf welcher Stufe Zifrels Regeln es lösen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hint (Ctrl+H) - points at the cell to look at next; pressed again, it tells the digit and why.</source>
        <translation>Tipp (Strg+H) - zeigt die Zelle, die Sie sich als Nächstes ansehen sollten; noch einmal gedrückt, nennt er die Ziffer und den Grund.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Explanations (Shift+F1, or rest the pointer on a cell) - why a cell holds its digit, or why its other digits went.</source>
        <translation>Erklärungen (Umschalt+F1, oder den Mauszeiger auf einer Zelle ruhen lassen) - warum eine Zelle ihre Ziffer hat oder warum ihre anderen Ziffern wegfielen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Undo (Ctrl+Z), Redo (Ctrl+Y) - step through every change to the board; Copy and Paste Puzzle: Ctrl+Shift+C and Ctrl+Shift+V.</source>
        <translation>Rückgängig (Strg+Z), Wiederholen (Strg+Y) - gehen jede Änderung am Spielfeld durch; Rätsel kopieren und einfügen: Strg+Umschalt+C und Strg+Umschalt+V.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Larger, Smaller, Normal Size (Ctrl+Plus, Ctrl+Minus, Ctrl+0) - scale the board, as resizing the window does; the size is kept.</source>
        <translation>Größer, Kleiner, Normalgröße (Strg+Plus, Strg+Minus, Strg+0) - ändern die Größe des Spielfelds wie das Ziehen am Fenster; die Größe bleibt erhalten.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Print (Ctrl+P) - prints the board as shown, pencil marks if asked; Print New Puzzles (Ctrl+Shift+P) adds their solutions.</source>
        <translation>Drucken (Strg+P) - druckt das Spielfeld wie gezeigt, auf Wunsch mit Bleistiftnotizen; Neue Rätsel drucken (Strg+Umschalt+P) fügt ihre Lösungen hinzu.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keys (Ctrl+?) - lists every key. F1 opens this help.</source>
        <translation>Tasten (Strg+?) - listet alle Tasten auf. F1 öffnet diese Hilfe.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Keys</source>
        <translation>&amp;Tasten</translation>
    </message>
</context>
<context>
    <name>CHintGuide</name>
    <message>
        <location filename="../ui/hint_guide.cpp" line="+16"/>
        <source>Hint: row %1, column %2</source>
        <extracomment>The title over a hint&apos;s explanation of the cell in row %1, column %2.</extracomment>
        <translation>Tipp: Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
</context>
<context>
    <name>CKeysDlg</name>
    <message>
        <location filename="../ui/keys_dlg.cpp" line="+22"/>
        <source>Arrow keys</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move between the cells, wrapping around within the row or column</source>
        <translation>Zwischen den Zellen wechseln, innerhalb der Zeile oder Spalte ringsum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 to 9</source>
        <translation>1 bis 9</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fill the focused cell with that digit</source>
        <translation>Die fokussierte Zelle mit dieser Ziffer füllen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Empty the focused cell</source>
        <translation>Die fokussierte Zelle leeren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Umschalt+Tab</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move through the cells, then the buttons</source>
        <translation>Durch die Zellen gehen, dann durch die Schaltflächen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Space, Enter</source>
        <translation>Leertaste, Eingabetaste</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Press the focused button</source>
        <translation>Die fokussierte Schaltfläche drücken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shift+F1</source>
        <translation>Umschalt+F1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Explain the focused cell</source>
        <translation>Die fokussierte Zelle erklären</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+C, Ctrl+V</source>
        <translation>Strg+C, Strg+V</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In a cell: copy its text; paste a whole puzzle, or other text into the cell</source>
        <translation>In einer Zelle: ihren Text kopieren; ein ganzes Rätsel einfügen oder anderen Text in die Zelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt+S</source>
        <translation>Alt+L</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solve: sweep until a sweep changes nothing</source>
        <translation>Lösen: Runde um Runde, bis eine Runde nichts mehr ändert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt+P</source>
        <translation>Alt+R</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pass: one sweep over all cells</source>
        <translation>Runde: einmal über alle Zellen gehen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt+C</source>
        <translation>Alt+Z</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cell: work on the next cell</source>
        <translation>Zelle: die nächste Zelle bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt+A</source>
        <translation>Alt+T</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start: the next Cell works on the top left cell</source>
        <translation>Start: Der nächste Druck auf Zelle bearbeitet die Zelle oben links</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt+T</source>
        <translation>Alt+M</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Set: keep the board in memory</source>
        <translation>Merken: das Spielfeld im Gedächtnis behalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt+R</source>
        <translation>Alt+U</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reset: bring back the board kept by Set</source>
        <translation>Zurück: das mit Merken behaltene Spielfeld zurückholen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt+E</source>
        <translation>Alt+E</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Clear: empty every cell</source>
        <translation>Leeren: jede Zelle leeren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt+V</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save: write the board to Zifrel.zfr</source>
        <translation>Sichern: das Spielfeld in Zifrel.zfr schreiben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt+L</source>
        <translation>Alt+D</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Load: read the board from Zifrel.zfr</source>
        <translation>Laden: das Spielfeld aus Zifrel.zfr lesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt+H</source>
        <translation>Alt+H</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help: one line on each button</source>
        <translation>Hilfe: eine Zeile zu jeder Schaltfläche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+N</source>
        <translation>Strg+N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Puzzle of the level chosen last (level 1 at first)</source>
        <translation>Neues Rätsel der zuletzt gewählten Stufe (anfangs Stufe 1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+1, Ctrl+2, Ctrl+3, Ctrl+4</source>
        <translation>Strg+1, Strg+2, Strg+3, Strg+4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Puzzle of level 1 (Singles), 2 (Box and Line), 3 (Pairs) or 4 (Beyond the Rules)</source>
        <translation>Neues Rätsel der Stufe 1 (Einer), 2 (Block und Linie), 3 (Paare) oder 4 (Jenseits der Regeln)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ctrl+K</source>
        <translation>Strg+K</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check Puzzle: its solutions, and the level at which Zifrel&apos;s rules finish it</source>
        <translation>Rätsel prüfen: seine Lösungen, und auf welcher Stufe Zifrels Regeln es lösen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+H</source>
        <translation>Strg+H</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hint: where to look next; pressed again, the digit and why</source>
        <translation>Tipp: wohin Sie als Nächstes sehen; noch einmal gedrückt, die Ziffer und der Grund</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+J</source>
        <translation>Strg+J</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Go to the hinted cell, giving the hint first if none shows</source>
        <translation>Zur Zelle des Tipps gehen, zuerst mit Tipp, wenn keiner zu sehen ist</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+P</source>
        <translation>Strg+P</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Print the board as shown</source>
        <translation>Das Spielfeld wie gezeigt drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Shift+P</source>
        <translation>Strg+Umschalt+P</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print new puzzles of a level, with their solutions on a last page</source>
        <translation>Neue Rätsel einer Stufe drucken, mit ihren Lösungen auf einer letzten Seite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Q</source>
        <translation>Strg+Q</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit, asking first about digits not saved</source>
        <translation>Beenden, mit einer Frage zuvor nach nicht gesicherten Ziffern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Z</source>
        <translation>Strg+Z</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Undo the last change to the board</source>
        <translation>Die letzte Änderung am Spielfeld rückgängig machen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Shift+Z, Ctrl+Y</source>
        <translation>Strg+Umschalt+Z, Strg+Y</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Redo it</source>
        <translation>Sie wiederholen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Shift+C</source>
        <translation>Strg+Umschalt+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy Puzzle: the board as one line of 81 cells</source>
        <translation>Rätsel kopieren: das Spielfeld als eine Zeile aus 81 Zellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Shift+V</source>
        <translation>Strg+Umschalt+V</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Paste Puzzle</source>
        <translation>Rätsel einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl++, Ctrl+=</source>
        <translation>Strg++, Strg+=</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Larger: enlarge the board a step</source>
        <translation>Größer: das Spielfeld um eine Stufe vergrößern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+-</source>
        <translation>Strg+-</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Smaller: shrink the board a step</source>
        <translation>Kleiner: das Spielfeld um eine Stufe verkleinern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+0</source>
        <translation>Strg+0</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Normal Size</source>
        <translation>Normalgröße</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+?</source>
        <translation>Strg+?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>This list of keys</source>
        <translation>Diese Liste der Tasten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open the menu bar</source>
        <translation>Die Menüleiste öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt+G, Alt+D, Alt+I</source>
        <translation>Alt+P, Alt+B, Alt+A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open the Game, Edit or View menu</source>
        <translation>Das Menü Spiel, Bearbeiten oder Ansicht öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shift+F10, Menu</source>
        <translation>Umschalt+F10, Menütaste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open the window menu (Alt+Space too, where the desktop leaves it to Zifrel)</source>
        <translation>Das Fenstermenü öffnen (auch Alt+Leertaste, wo die Arbeitsfläche sie Zifrel überlässt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close a hint, an explanation or a message; with none open, close the window</source>
        <translation>Einen Tipp, eine Erklärung oder eine Meldung schließen; ist keine offen, das Fenster schließen</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+1"/>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What it does</source>
        <translation>Was sie bewirkt</translation>
    </message>
</context>
<context>
    <name>CSolvedNews</name>
    <message>
        <location filename="../ui/solved_news.cpp" line="+48"/>
        <source>Solved in 1 second.</source>
        <translation>Gelöst in 1 Sekunde.</translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>Solved in %n seconds.</source>
        <translation>
            <numerusform>Gelöst in %n Sekunde.</numerusform>
            <numerusform>Gelöst in %n Sekunden.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solved in 1 minute.</source>
        <translation>Gelöst in 1 Minute.</translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>Solved in %n minutes.</source>
        <translation>
            <numerusform>Gelöst in %n Minute.</numerusform>
            <numerusform>Gelöst in %n Minuten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Solved in %n hours.</source>
        <translation>
            <numerusform>Gelöst in %n Stunde.</numerusform>
            <numerusform>Gelöst in %n Stunden.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+17"/>
        <source>1 of the puzzle&apos;s givens was typed over, so this is not the puzzle&apos;s solution.</source>
        <extracomment>Follows &quot;Solved in ...&quot;: digits the puzzle came with were replaced by others.</extracomment>
        <translation>Eine Vorgabe des Rätsels wurde überschrieben, also ist dies nicht die Lösung des Rätsels.</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n of the puzzle&apos;s givens were typed over, so this is not the puzzle&apos;s solution.</source>
        <translation>
            <numerusform>%n Vorgabe des Rätsels wurde überschrieben, also ist dies nicht die Lösung des Rätsels.</numerusform>
            <numerusform>%n Vorgaben des Rätsels wurden überschrieben, also ist dies nicht die Lösung des Rätsels.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The board is the only solution of the puzzle&apos;s givens.</source>
        <translation>Das Spielfeld ist die einzige Lösung der Vorgaben des Rätsels.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The puzzle&apos;s givens have more than one solution, and this is one of them.</source>
        <translation>Die Vorgaben des Rätsels haben mehr als eine Lösung, und dies ist eine davon.</translation>
    </message>
</context>
</TS>
