#pragma once

#include "app/frmmain.h"
#include "controls/image.h"
#include "controls/lcd99.h"
#include "controls/mgcheckbox.h"
#include "game/cueplayer.h"

#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <vector>

// Plays the main window as a player would: real clicks on the switches and the books.
class RecordingCuePlayer : public CuePlayer
{
public:
    void play(Cue cue) override { cues.push_back(cue); }
    std::vector<Cue> cues;
};

namespace Play {

inline void click(TMGCheckbox *toggle, QPoint at)
{
    QTest::mouseClick(toggle, Qt::LeftButton, {}, at);
}

inline void go(TfrmMain &form)
{
    click(form.chkGO, QPoint(60, 20));
}
inline void stop(TfrmMain &form)
{
    click(form.chkGO, QPoint(60, 60));
}
inline void hintsOn(TfrmMain &form)
{
    click(form.chkHints, QPoint(55, 30));
}
inline void hintsOff(TfrmMain &form)
{
    click(form.chkHints, QPoint(20, 30));
}
inline void newTestament(TfrmMain &form)
{
    click(form.chkTestament, QPoint(55, 30));
}
inline void oldTestament(TfrmMain &form)
{
    click(form.chkTestament, QPoint(20, 30));
}

inline void clickBook(TImage *book)
{
    QTest::mouseClick(book, Qt::LeftButton, {}, QPoint(60, 10));
}

inline const QList<TImage *> &books(const TfrmMain &form)
{
    return form.chosenTestament() == Testament::New ? form.NTBookList : form.OTBookList;
}

inline const QList<TImage *> &shelves(const TfrmMain &form)
{
    return form.chosenTestament() == Testament::New ? form.NTShelfList : form.OTShelfList;
}

inline TImage *wanted(const TfrmMain &form)
{
    return books(form)[form.WantedIndex()];
}

// Any book in the pile but the wanted one.
inline TImage *wrongBook(const TfrmMain &form)
{
    for (TImage *book : books(form)) {
        if (book->isVisible() && book != wanted(form))
            return book;
    }
    return nullptr;
}

inline int score(const TfrmMain &form)
{
    return form.lcdScore->Value().toInt();
}
inline int value(const TfrmMain &form)
{
    return form.lcdValue->Value().toInt();
}
inline QString hint(const TfrmMain &form)
{
    return form.stbHints->currentMessage();
}

inline int visibleCount(const QList<TImage *> &pictures)
{
    return int(std::count_if(pictures.begin(), pictures.end(), [](const TImage *p) { return p->isVisible(); }));
}

} // namespace Play
