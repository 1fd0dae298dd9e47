// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <QBasicTimer>
#include <QLabel>

#include <functional>

class CPopup;

// A short message by the board window: it opens below the window (above it
// where the screen ends) and goes as a pop-up goes (see CPopup): at the next
// key press, click or command, or after a few seconds. It never takes the
// focus. The toolkit tells screen readers nothing when a window of the
// tooltip kind appears, so the window has each message announced too (see
// CAnnouncer).
class CNotice : public QLabel {
    Q_OBJECT

public:
    explicit CNotice(QWidget* board);
    void Show(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Place();

    QWidget* board_;
    CPopup* popup_;
};

// Says one short sentence to screen readers without showing anything or
// moving the focus: what a command changed, a message. Through the
// toolkit's own announcement where it has one; elsewhere through an
// invisible child of the window that screen readers see as a notification
// of the application itself (so that they name no window before it), which
// appears to them again with each sentence, as screen readers speak a
// notification when it appears. Nothing is made or sent while no screen
// reader runs (see CScreenReader).
class CAnnouncer : public QWidget {
    Q_OBJECT

public:
    explicit CAnnouncer(QWidget* window);
    // Announces the sentence that sentence() makes. It is made only when an
    // assistive technology listens, or when Said() asks for it: most
    // desktops run no screen reader, and no command should wait for words
    // nobody hears.
    void Announce(std::function<QString()> sentence);
    // Announces that a job is under way, unless another sentence comes
    // within a moment: a job that ends at once, as most do, is told once,
    // by what it found, and not as two sentences a screen reader would
    // read both as the second.
    void AnnounceUnderWay(const QString& sentence);
    // The last sentence announced.
    QString Said() const;

    // Gives notices and the announcer the notification role.
    static void Install();

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    mutable std::function<QString()> unsaid_;
    mutable QString said_;
    QBasicTimer underWay_;
    QString underWaySentence_;
};
