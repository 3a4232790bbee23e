#include "imaging/picture.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(PictureError::Kind)

namespace {

// A 3 x 2 GIF, every pixel the first colour (red) of its global colour table.
const QByteArray RedGif = QByteArray::fromHex(
    "474946383961"     // GIF89a
    "03000200800000"   // 3 x 2, two-colour global table
    "ff0000000000"     // red, black
    "2c0000000003000200" "00"
    "02" "0404081028" "00"
    "3b");

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.write(image);
    return bytes;
}

// Noise compresses badly, so most of the file is scan data after the header.
QImage noise(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, random.generate());
    }
    return image;
}

QImage filled(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// A valid JPEG whose frame header claims another size; its scan data is far
// too short for that size, so only the header is worth anything.
QByteArray withFrameSize(QByteArray jpeg, int width, int height)
{
    const int sof = jpeg.indexOf("\xFF\xC0");
    Q_ASSERT(sof > 0);
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xFF);
    return jpeg;
}

} // namespace

class TestPicture : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private Q_SLOTS:
    void sizesOfRealPictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QColor>("firstPixel");
        QTest::newRow("gif") << "red.gif" << RedGif << QSize(3, 2) << QColor(Qt::red);
        QTest::newRow("jpeg") << "blue.jpg" << encoded(filled(37, 23, Qt::blue), "jpeg") << QSize(37, 23)
                              << QColor(Qt::blue);
        QTest::newRow("gray jpeg") << "gray.jpg"
                                   << encoded(filled(9, 4, Qt::gray).convertToFormat(QImage::Format_Grayscale8),
                                              "jpeg")
                                   << QSize(9, 4) << QColor(Qt::gray);
        QTest::newRow("bmp") << "green.bmp" << encoded(filled(41, 17, Qt::green), "bmp") << QSize(41, 17)
                             << QColor(Qt::green);
        // The content decides, not the extension.
        QTest::newRow("gif named .jpg") << "really-gif.jpg" << RedGif << QSize(3, 2) << QColor(Qt::red);
    }
    void sizesOfRealPictures()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        QFETCH(QColor, firstPixel);
        const QString path = write(name, bytes);

        PictureError error;
        const std::optional<QSize> header = pictureSize(path, &error);
        QVERIFY2(header.has_value(), qPrintable(error.detail));
        QCOMPARE(*header, size);

        const QImage image = loadPicture(path, &error);
        QVERIFY2(!image.isNull(), qPrintable(error.detail));
        QCOMPARE(image.size(), size);
        const QColor pixel = image.pixelColor(0, 0);
        // JPEG is lossy; a few steps off is still the colour that was written.
        QVERIFY2(qAbs(pixel.red() - firstPixel.red()) <= 8 && qAbs(pixel.green() - firstPixel.green()) <= 8
                     && qAbs(pixel.blue() - firstPixel.blue()) <= 8,
                 qPrintable(pixel.name()));
    }

    void badInput_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("headerSize"); // invalid: the size cannot be read either
        QTest::addColumn<PictureError::Kind>("loadError");
        using Kind = PictureError::Kind;

        const QByteArray jpeg = encoded(noise(64, 64), "jpeg");
        QTest::newRow("truncated jpeg, header intact")
            << "cut.jpg" << jpeg.left(jpeg.size() / 2) << QSize(64, 64) << Kind::Incomplete;
        QTest::newRow("truncated jpeg header") << "stub.jpg" << jpeg.left(12) << QSize() << Kind::Damaged;
        QTest::newRow("png renamed .jpg") << "png.jpg" << encoded(filled(5, 5, Qt::red), "png") << QSize()
                                          << Kind::NotAPicture;
        QTest::newRow("empty file") << "empty.jpg" << QByteArray() << QSize() << Kind::Empty;
        QTest::newRow("huge jpeg") << "huge.jpg" << withFrameSize(jpeg, 20000, 20000) << QSize(20000, 20000)
                                   << Kind::TooLarge;
        QTest::newRow("truncated gif") << "cut.gif" << RedGif.left(8) << QSize() << Kind::Damaged;
        const QByteArray bmp = encoded(filled(8, 8, Qt::red), "bmp");
        QTest::newRow("bmp without pixels") << "cut.bmp" << bmp.left(60) << QSize(8, 8) << Kind::Incomplete;
    }
    void badInput()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, headerSize);
        QFETCH(PictureError::Kind, loadError);
        const QString path = write(name, bytes);

        QElapsedTimer clock;
        clock.start();
        PictureError error;
        const std::optional<QSize> size = pictureSize(path, &error);
        QVERIFY2(clock.elapsed() < 1000, "the size must come from the header alone");
        if (headerSize.isValid()) {
            QVERIFY2(size.has_value(), qPrintable(error.detail));
            QCOMPARE(*size, headerSize);
        } else {
            QVERIFY(!size.has_value());
            QVERIFY(error.kind != PictureError::Kind::None);
        }

        error = PictureError();
        const QImage image = loadPicture(path, &error);
        QVERIFY(image.isNull());
        QCOMPARE(error.kind, loadError);
    }

    void missingFileAndFolder()
    {
        PictureError error;
        QVERIFY(!pictureSize(dir.filePath(QStringLiteral("gone.jpg")), &error));
        QCOMPARE(error.kind, PictureError::Kind::NotFound);
        QVERIFY(loadPicture(dir.path(), &error).isNull());
        QCOMPARE(error.kind, PictureError::Kind::IsDirectory);
        // Callers that do not want the reason need not ask for it.
        QVERIFY(!pictureSize(dir.path()));
    }
};

QTEST_GUILESS_MAIN(TestPicture)
#include "tst_picture.moc"
