#include "mimesourcefactory.h"
#include "qmake_image_collection.h"

#include <QImage>
#include <QMimeData>
#include <QPixmap>
#include <QScopeGuard>
#include <QtTest>

namespace {

QImage imageOf(const QString& name)
{
    const QMimeData* source = MimeSourceFactory::defaultFactory()->data(name);
    return source ? qvariant_cast<QImage>(source->imageData()) : QImage();
}

QImage filled(const QColor& color)
{
    QImage image(2, 2, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

} // namespace

class TestImages : public QObject
{
    Q_OBJECT

private slots:
    // Must run first: nothing in this program calls qInitImages_Velkaro before it, so only the
    // static registration object, kept by the link, can have registered the collection.
    void collectionRegisteredBeforeMain()
    {
        QVERIFY(MimeSourceFactory::defaultFactory()->data(QStringLiteral("Velkaro.png")));
    }

    void everyIconDecodesToItsSourcePicture_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("alpha");
        QTest::newRow("program") << "Velkaro.png" << 32 << false;
        QTest::newRow("clear") << "clear-16x16.png" << 16 << true;
        QTest::newRow("open") << "open-18x18.png" << 18 << true;
        QTest::newRow("save") << "save-18x18.png" << 18 << true;
        QTest::newRow("split 22") << "split-22x22.png" << 22 << true;
        QTest::newRow("rebuild 22") << "rebuild-22x22.png" << 22 << true;
        QTest::newRow("exit 22") << "exit-22x22.png" << 22 << true;
        QTest::newRow("exit 16") << "exit-16x16.png" << 16 << true;
        QTest::newRow("info") << "info-16x16.png" << 16 << true;
        QTest::newRow("rebuild 16") << "rebuild-16x16.png" << 16 << true;
        QTest::newRow("split 16") << "split-16x16.png" << 16 << true;
        QTest::newRow("contents") << "contents-16x16.png" << 16 << true;
    }

    void everyIconDecodesToItsSourcePicture()
    {
        QFETCH(QString, name);
        QFETCH(int, size);
        QFETCH(bool, alpha);

        const QImage image = imageOf(name);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(image.hasAlphaChannel(), alpha);

        // Channel order, row order and alpha all survive the trip through the table.
        const QImage source(QFINDTESTDATA(QStringLiteral("../../ui/images/") + name));
        QVERIFY(!source.isNull());
        QCOMPARE(image.convertToFormat(QImage::Format_ARGB32),
            source.convertToFormat(QImage::Format_ARGB32));

        int transparent = 0;
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y) {
            // Raw words, not pixel(): pixel() reports opaque for an RGB32 image whatever it holds.
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                transparent += qAlpha(row[x]) == 0;
                opaque += qAlpha(row[x]) == 255;
            }
        }
        if (alpha) {
            QVERIFY(transparent > 0);
            QVERIFY(opaque > 0);
        } else {
            QCOMPARE(opaque, size * size);
        }

        const QPixmap pixmap = pixmapFromMimeSource(name);
        QCOMPARE(pixmap.size(), QSize(size, size));
    }

    void unknownNamesGiveNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("null") << QString();
        QTest::newRow("empty") << QStringLiteral("");
        QTest::newRow("capital first letter") << QStringLiteral("Open-18x18.png");
        QTest::newRow("all capitals") << QStringLiteral("OPEN-18X18.PNG");
        QTest::newRow("no extension") << QStringLiteral("open-18x18");
        QTest::newRow("trailing blank") << QStringLiteral("open-18x18.png ");
        QTest::newRow("leading blank") << QStringLiteral(" open-18x18.png");
        QTest::newRow("with folder") << QStringLiteral("images/open-18x18.png");
        QTest::newRow("prefix only") << QStringLiteral("open-18x18.pn");
        QTest::newRow("other size") << QStringLiteral("open-16x16.png");
    }

    void unknownNamesGiveNothing()
    {
        QFETCH(QString, name);
        QVERIFY(!MimeSourceFactory::defaultFactory()->data(name));
        QVERIFY(pixmapFromMimeSource(name).isNull());
        // A miss stores nothing that would hide the real image afterwards.
        QVERIFY(!imageOf(QStringLiteral("open-18x18.png")).isNull());
    }

    void repeatedRequestIsServedFromTheStore()
    {
        const QString name = QStringLiteral("save-18x18.png");
        const QMimeData* first = MimeSourceFactory::defaultFactory()->data(name);
        QVERIFY(first);
        const QImage a = qvariant_cast<QImage>(first->imageData());
        const QMimeData* second = MimeSourceFactory::defaultFactory()->data(name);
        QCOMPARE(second, first);
        const QImage b = qvariant_cast<QImage>(second->imageData());
        // The same pixel buffer: a second decompression would have made a new one.
        QCOMPARE(b.cacheKey(), a.cacheKey());
        QCOMPARE(b, a);
    }

    void defaultFactoryAsksAddedFactoriesInOrder()
    {
        const QString probe = QStringLiteral("probe.png");
        const QString open = QStringLiteral("open-18x18.png");
        MimeSourceFactory first;
        MimeSourceFactory second;
        const auto unregister = qScopeGuard([&] {
            MimeSourceFactory::removeFactory(&first);
            MimeSourceFactory::removeFactory(&second);
        });
        first.setImage(probe, filled(Qt::red));
        first.setImage(open, filled(Qt::red));
        second.setImage(probe, filled(Qt::blue));
        second.setImage(QStringLiteral("second.png"), filled(Qt::blue));
        QVERIFY(!MimeSourceFactory::defaultFactory()->data(probe));

        MimeSourceFactory::addFactory(&first);
        MimeSourceFactory::addFactory(&second);
        MimeSourceFactory::addFactory(&first);
        QCOMPARE(imageOf(probe).pixel(0, 0), QColor(Qt::red).rgb());
        QCOMPARE(imageOf(QStringLiteral("second.png")).pixel(0, 0), QColor(Qt::blue).rgb());
        // The collection was added before both.
        QCOMPARE(imageOf(open).size(), QSize(18, 18));
        // A factory other than the default answers from its own store only.
        QVERIFY(!first.data(QStringLiteral("second.png")));

        MimeSourceFactory::removeFactory(&first);
        QCOMPARE(imageOf(probe).pixel(0, 0), QColor(Qt::blue).rgb());
        MimeSourceFactory::removeFactory(&second);
        QVERIFY(!MimeSourceFactory::defaultFactory()->data(probe));
    }

    void replacedImageKeepsItsSource()
    {
        MimeSourceFactory f;
        const QString name = QStringLiteral("x.png");
        f.setImage(name, filled(Qt::red));
        const QMimeData* before = f.data(name);
        QVERIFY(before);
        f.setImage(name, filled(Qt::green));
        QCOMPARE(f.data(name), before);
        QCOMPARE(qvariant_cast<QImage>(before->imageData()).pixel(0, 0), QColor(Qt::green).rgb());
    }

    // Last: it removes and re-adds the collection.
    void initAndCleanupAreIdempotent()
    {
        const QString name = QStringLiteral("info-16x16.png");
        const qint64 decoded = imageOf(name).cacheKey();
        QVERIFY(decoded != 0);

        qInitImages_Velkaro();
        QCOMPARE(imageOf(name).cacheKey(), decoded);

        // One clean-up undoes both registrations: the second one added nothing.
        qCleanupImages_Velkaro();
        QVERIFY(!MimeSourceFactory::defaultFactory()->data(name));
        QVERIFY(pixmapFromMimeSource(name).isNull());
        qCleanupImages_Velkaro();
        QVERIFY(!MimeSourceFactory::defaultFactory()->data(name));

        qInitImages_Velkaro();
        const QImage again = imageOf(name);
        QCOMPARE(again.size(), QSize(16, 16));
        // A fresh store: the image was decoded anew, not kept from before the clean-up.
        QVERIFY(again.cacheKey() != decoded);
    }
};

QTEST_MAIN(TestImages)
#include "tst_images.moc"
