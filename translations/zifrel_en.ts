<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CBoardDlg</name>
    <message numerus="yes">
        <location filename="../ui/board_dlg.cpp" line="+472"/>
        <source>Set: %n digits kept for Reset</source>
        <translation>
            <numerusform>Set: %n digit kept for Reset</numerusform>
            <numerusform>Set: %n digits kept for Reset</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CBoardMessages</name>
    <message numerus="yes">
        <location filename="../ui/board_messages.cpp" line="+128"/>
        <source>%n sweeps</source>
        <extracomment>Part of &quot;Solve: 3 sweeps, 41 cells filled, 12 open&quot;: how often the rules went over the board.</extracomment>
        <translation>
            <numerusform>%n sweep</numerusform>
            <numerusform>%n sweeps</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Solve: %1, %n cells filled, %2 open</source>
        <extracomment>%1 &quot;3 sweeps&quot;, %n the cells filled, %2 the cells still open.</extracomment>
        <translation>
            <numerusform>Solve: %1, %n cell filled, %2 open</numerusform>
            <numerusform>Solve: %1, %n cells filled, %2 open</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n digits</source>
        <extracomment>Part of &quot;Pass: 4 cells filled, 24 digits ruled out, 12 open&quot;.</extracomment>
        <translation>
            <numerusform>%n digit</numerusform>
            <numerusform>%n digits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Pass: %n cells filled, %1 ruled out, %2 open</source>
        <extracomment>%n the cells filled, %1 &quot;24 digits&quot;, %2 the cells still open.</extracomment>
        <translation>
            <numerusform>Pass: %n cell filled, %1 ruled out, %2 open</numerusform>
            <numerusform>Pass: %n cells filled, %1 ruled out, %2 open</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>Reset: %n cells filled, %1 open</source>
        <extracomment>%n the cells that hold a digit, %1 the cells still open.</extracomment>
        <translation>
            <numerusform>Reset: %n cell filled, %1 open</numerusform>
            <numerusform>Reset: %n cells filled, %1 open</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Paste: %n cells filled, %1 open</source>
        <extracomment>%n the cells that hold a digit, %1 the cells still open.</extracomment>
        <translation>
            <numerusform>Paste: %n cell filled, %1 open</numerusform>
            <numerusform>Paste: %n cells filled, %1 open</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Drop: %n cells filled, %1 open</source>
        <extracomment>%n the cells that hold a digit, %1 the cells still open.</extracomment>
        <translation>
            <numerusform>Drop: %n cell filled, %1 open</numerusform>
            <numerusform>Drop: %n cells filled, %1 open</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Loaded %1: %n cells filled, %2 open</source>
        <extracomment>%1 the file&apos;s name, %n the cells that hold a digit, %2 the cells still open.</extracomment>
        <translation>
            <numerusform>Loaded %1: %n cell filled, %2 open</numerusform>
            <numerusform>Loaded %1: %n cells filled, %2 open</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>New puzzle, %1: %n cells filled, %2 open</source>
        <extracomment>%1 the level, as &quot;level 2, Box and Line (pointing)&quot;; %n the cells that hold a digit, %2 the cells still open.</extracomment>
        <translation>
            <numerusform>New puzzle, %1: %n cell filled, %2 open</numerusform>
            <numerusform>New puzzle, %1: %n cells filled, %2 open</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+124"/>
        <source>All %n of your entries agree with the puzzle&apos;s solution</source>
        <translation>
            <numerusform>Your %n entry agrees with the puzzle&apos;s solution</numerusform>
            <numerusform>All %n of your entries agree with the puzzle&apos;s solution</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>1 of your %n entries differs from the puzzle&apos;s solution: Check Puzzle again (Ctrl+K) outlines it</source>
        <translation>
            <numerusform>Your %n entry differs from the puzzle&apos;s solution: Check Puzzle again (Ctrl+K) outlines it</numerusform>
            <numerusform>1 of your %n entries differs from the puzzle&apos;s solution: Check Puzzle again (Ctrl+K) outlines it</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%1 of your %n entries differ from the puzzle&apos;s solution: Check Puzzle again (Ctrl+K) outlines them</source>
        <extracomment>%1 how many entries differ, %n how many there are.</extracomment>
        <translation>
            <numerusform>%1 of your %n entry differ from the puzzle&apos;s solution: Check Puzzle again (Ctrl+K) outlines them</numerusform>
            <numerusform>%1 of your %n entries differ from the puzzle&apos;s solution: Check Puzzle again (Ctrl+K) outlines them</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+46"/>
        <source>%n Passes fill it</source>
        <translation>
            <numerusform>%n Pass fills it</numerusform>
            <numerusform>%n Passes fill it</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CSolvedNews</name>
    <message numerus="yes">
        <location filename="../ui/solved_news.cpp" line="+48"/>
        <source>Solved in %n seconds.</source>
        <translation>
            <numerusform>Solved in %n second.</numerusform>
            <numerusform>Solved in %n seconds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Solved in %n minutes.</source>
        <translation>
            <numerusform>Solved in %n minute.</numerusform>
            <numerusform>Solved in %n minutes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Solved in %n hours.</source>
        <translation>
            <numerusform>Solved in %n hour.</numerusform>
            <numerusform>Solved in %n hours.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%n of the puzzle&apos;s givens were typed over, so this is not the puzzle&apos;s solution.</source>
        <translation>
            <numerusform>%n of the puzzle&apos;s givens was typed over, so this is not the puzzle&apos;s solution.</numerusform>
            <numerusform>%n of the puzzle&apos;s givens were typed over, so this is not the puzzle&apos;s solution.</numerusform>
        </translation>
    </message>
</context>
</TS>
