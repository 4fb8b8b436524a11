#include "app/frmmain.h"
#include "app/splash.h"
#include "controls/image.h"
#include "controls/lcd99.h"
#include "controls/mgcheckbox.h"
#include "filehelpers.h"
#include "scores/frmcongrats.h"
#include "scores/frmscores.h"
#include "settings/settingsstore.h"
#include "uniformblocks.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

// The windows on a screen of pixel ratio 2: the book names, the displays' digits, the splash and the score boards
// are drawn for the screen's pixels, not blown up from the ordinary size.
class TestHiDpi : public QObject
{
    Q_OBJECT

private:
    static UniformBlocks::Share measured(const QImage &image, const QList<QRect> &areas, const char *what)
    {
        UniformBlocks::Share share;
        for (const QRect &area : areas) {
            const UniformBlocks::Share part = UniformBlocks::of(image, area);
            share.detailed += part.detailed;
            share.uniform += part.uniform;
        }
        qInfo("%s: %d of %d detailed blocks uniform (%.0f %%)", what, share.uniform, share.detailed,
              100 * share.value());
        return share;
    }

    // Fewer than 60 % of the detailed blocks are uniform: a blown-up picture has all of them uniform, text drawn
    // for the size about 40 %.
    static void checkDrawnForTheRatio(const QImage &image, const QList<QRect> &areas, const char *what)
    {
        const UniformBlocks::Share share = measured(image, areas, what);
        QVERIFY2(share.detailed > 100, what);
        QVERIFY2(share.value() < 0.6, what);
    }

    static QRect inPixels(const QRect &logical) { return QRect(logical.topLeft() * 2, logical.size() * 2); }

private slots:
    void theMainWindowsBooksAndDisplays()
    {
        TfrmMain form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(form.chkGO, Qt::LeftButton, {}, QPoint(60, 20));
        form.timValue->stop();
        form.lcdScore->setValue(QStringLiteral("12345"));
        form.lcdValue->setValue(QStringLiteral("480"));
        const QImage image = form.grab().toImage();
        QCOMPARE(image.size(), form.size() * 2);

        QList<QRect> spines;
        for (const TImage *book : form.OTBookList)
            spines.append(inPixels(book->geometry()));
        for (int i = 0; i < 10; ++i)
            spines.append(inPixels(form.OTShelfList[i]->geometry()));
        const QList<QRect> displays { inPixels(form.lcdScore->geometry()), inPixels(form.lcdValue->geometry()) };
        checkDrawnForTheRatio(image, spines + displays, "spines and displays");
        measured(image, spines, "spines");
        // Crisp straight edges land on the 2 x 2 grid wherever a segment starts; only its far edges and slanted
        // tips fall inside blocks, so the digits alone stay well above the lettering's share, but below a blow-up.
        QVERIFY(measured(image, displays, "displays").value() < 0.8);
        checkDrawnForTheRatio(image, { inPixels(form.chkGO->geometry()) }, "switch");
    }

    void theSplash()
    {
        TSplash splash;
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        const QImage image = splash.grab().toImage();
        checkDrawnForTheRatio(image, { image.rect() }, "splash");
    }

    void aHighScoreBoard()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Tomelor.ini"));
        store(path, "[OT Scores]\n1=9870\n2=5400\n3=321\n[OT Users]\n1=ABC\n2=XYZ\n3=MNO\n");
        SettingsStore settings(path);
        TfrmCongrats congrats;
        TfrmScores scores(settings, &congrats);
        scores.FormShow();
        scores.show();
        QVERIFY(QTest::qWaitForWindowExposed(&scores));
        const QImage image = scores.grab().toImage();
        checkDrawnForTheRatio(image, { inPixels(scores.Image1->geometry()) }, "high-score board");
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
