// The About dialog and its two embedded images.

#include "about.h"
#include "about_images.h"
#include "formmain.h"
#include "formmain_fixture.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <iterator>

namespace {

// What an About dialog looked like while it was up.
struct SeenDialog
{
    QPointer<About> dialog;
    bool previousGone = true;
    QString title;
    QString objectName;
    QWidget* parent = nullptr;
    bool modal = false;
    QList<QSize> iconSizes;
    QSize logoSize;
    QFrame::Shape frameShape = QFrame::NoFrame;
    QFrame::Shadow frameShadow = QFrame::Plain;
    int lineWidth = 0;
    Qt::Alignment alignment;
    bool scaled = true;
    QLayout::SizeConstraint constraint = QLayout::SetDefaultConstraint;
    QSize size;
    QSize sizeAfterResize;
    QSize minimumSize;
    QSize maximumSize;
};

// Notes what each About dialog looks like, tries to resize it as a user would, and closes it.
class DialogWatcher : public ModalAnswerer<About>
{
public:
    QList<SeenDialog> seen;

private:
    void answer(About* dialog) override
    {
        SeenDialog s;
        s.dialog = dialog;
        s.previousGone = seen.isEmpty() || seen.last().dialog.isNull();
        s.title = dialog->windowTitle();
        s.objectName = dialog->objectName();
        s.parent = dialog->parentWidget();
        s.modal = dialog->isModal();
        s.iconSizes = dialog->windowIcon().availableSizes();
        s.logoSize = dialog->pixLogo->pixmap().size();
        s.frameShape = dialog->pixLogo->frameShape();
        s.frameShadow = dialog->pixLogo->frameShadow();
        s.lineWidth = dialog->pixLogo->lineWidth();
        s.alignment = dialog->pixLogo->alignment();
        s.scaled = dialog->pixLogo->hasScaledContents();
        s.constraint = dialog->layout()->sizeConstraint();
        s.size = dialog->size();
        s.minimumSize = dialog->minimumSize();
        s.maximumSize = dialog->maximumSize();
        dialog->resize(dialog->width() + 120, dialog->height() + 90);
        s.sizeAfterResize = dialog->size();
        seen.append(s);
        dialog->reject();
    }
};

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void iconIsASixteenPixelPngWithAlpha();
    void logoIsAnXpmOfExactly1596Colours();
    void aboutShowsAFreshFixedDialogEachTime();
    void dialogNamesItselfUnlessGivenAName();
    void logoIsSharpOnADenseScreen();
};

void TestAbout::iconIsASixteenPixelPngWithAlpha()
{
    QCOMPARE(sizeof(image0_data), std::size_t(543));
    const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(image0_data), 8), signature);
    // IHDR: 8 bits a channel, colour type 6 (RGB with alpha).
    QCOMPARE(int(image0_data[24]), 8);
    QCOMPARE(int(image0_data[25]), 6);

    QImage icon;
    QVERIFY(icon.loadFromData(image0_data, sizeof(image0_data), "PNG"));
    QCOMPARE(icon.size(), QSize(16, 16));
    QVERIFY(icon.hasAlphaChannel());
    // The alpha channel is really used: clear corners around an opaque middle.
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(8, 8)), 255);
}

void TestAbout::logoIsAnXpmOfExactly1596Colours()
{
    constexpr int width = 300, height = 250, colours = 1596;
    QCOMPARE(std::size(image1_data), std::size_t(1 + colours + height));
    QCOMPARE(QByteArray(image1_data[0]), QByteArray("300 250 1596 2"));

    QSet<QByteArray> codes;
    QSet<QByteArray> values;
    for (int i = 1; i <= colours; ++i) {
        const QByteArray line(image1_data[i]);
        QVERIFY2(line.size() == 12 && line.mid(2, 4) == " c #", line.constData());
        codes.insert(line.left(2));
        values.insert(line.mid(6).toLower());
    }
    QCOMPARE(codes.size(), colours);
    QCOMPARE(values.size(), colours);
    for (int y = 0; y < height; ++y) {
        const QByteArray row(image1_data[1 + colours + y]);
        QCOMPARE(row.size(), 2 * width);
    }

    const QImage logo = QPixmap(image1_data).toImage();
    QCOMPARE(logo.size(), QSize(width, height));
    QSet<QRgb> used;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            used.insert(logo.pixel(x, y));
    QCOMPARE(used.size(), colours);
}

void TestAbout::aboutShowsAFreshFixedDialogEachTime()
{
    FormMain window;
    DialogWatcher watcher;
    const QList<SeenDialog>& seen = watcher.seen;

    window.helpAbout->trigger();
    QVERIFY(seen.size() == 1);
    QVERIFY2(seen.first().dialog.isNull(), "the dialog outlives about()");
    window.helpAbout->trigger();
    QCOMPARE(seen.size(), 2);
    QVERIFY2(seen.last().dialog.isNull(), "the dialog outlives about()");
    QVERIFY(seen.last().previousGone);

    for (const SeenDialog& s : seen) {
        QCOMPARE(s.title, QStringLiteral("Ostrevan Software"));
        QCOMPARE(s.objectName, QStringLiteral("About"));
        QCOMPARE(s.parent, &window);
        QVERIFY(s.modal);
        QCOMPARE(s.iconSizes, QList<QSize> {QSize(16, 16)});
        QCOMPARE(s.logoSize, QSize(300, 250));
        QCOMPARE(s.frameShape, QFrame::Panel);
        QCOMPARE(s.frameShadow, QFrame::Raised);
        QCOMPARE(s.lineWidth, 1);
        QCOMPARE(s.alignment, Qt::AlignCenter);
        QVERIFY(!s.scaled);
        QCOMPARE(s.constraint, QLayout::SetFixedSize);
        // The whole logo shows inside its one-pixel frame, and the user cannot resize the dialog.
        QVERIFY(s.size.width() >= 302 && s.size.height() >= 252);
        QCOMPARE(s.minimumSize, s.maximumSize);
        QCOMPARE(s.sizeAfterResize, s.size);
    }
}

void TestAbout::dialogNamesItselfUnlessGivenAName()
{
    const About unnamed;
    QCOMPARE(unnamed.objectName(), QStringLiteral("About"));
    QVERIFY(!unnamed.isModal());
    const About named(nullptr, "credits", true);
    QCOMPARE(named.objectName(), QStringLiteral("credits"));
    QVERIFY(named.isModal());
    QCOMPARE(named.layout()->objectName(), QStringLiteral("AboutLayout"));
    QCOMPARE(named.pixLogo->objectName(), QStringLiteral("pixLogo"));
    QCOMPARE(named.pixLogo->parentWidget(), &named);
}

// At twice the density the logo is the same drawing with twice the pixels, shown at the same size.
void TestAbout::logoIsSharpOnADenseScreen()
{
    const About dialog;
    const QImage plain = dialog.logoFor(1).toImage().convertToFormat(QImage::Format_RGB32);
    const QPixmap sharp = dialog.logoFor(2);
    QCOMPARE(plain.size(), QSize(300, 250));
    QCOMPARE(sharp.size(), QSize(600, 500));
    QCOMPARE(sharp.deviceIndependentSize(), QSizeF(300, 250));

    const QImage reduced
        = sharp.toImage()
              .scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
              .convertToFormat(QImage::Format_RGB32);
    qint64 difference = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            const QRgb a = plain.pixel(x, y), b = reduced.pixel(x, y);
            difference += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b))
                + qAbs(qBlue(a) - qBlue(b));
        }
    }
    // Edges blur a little in the reduction; another picture differs by far more.
    QVERIFY2(difference / (3 * 300 * 250) < 8, qPrintable(QString::number(difference)));
}

WINDOW_TEST_MAIN(TestAbout)
#include "tst_about.moc"
