// The libjpeg decoder: the real logo, and inputs that must give nothing without a crash.

#include "JpegImage.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtTest>

using plumcrest::dialogs::DecodeJpeg;
using plumcrest::dialogs::LoadJpeg;

namespace {

QByteArray Resource(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kLogo = QStringLiteral(":/dialogs/logo.jpg");

} // namespace

class JpegImageTest : public QObject {
    Q_OBJECT

private slots:
    void decodes_the_logo_as_a_colour_banner() {
        const auto logo = LoadJpeg(kLogo);
        QVERIFY(logo.has_value());
        QCOMPARE(logo->size(), QSize(420, 60));
        int coloured = 0;
        for (int y = 0; y < logo->height(); ++y)
            for (int x = 0; x < logo->width(); ++x) {
                const QColor c = logo->pixelColor(x, y);
                coloured += std::max({c.red(), c.green(), c.blue()}) -
                                std::min({c.red(), c.green(), c.blue()}) >
                            40;
            }
        QVERIFY2(coloured > logo->width() * logo->height() / 2, "logo decoded without colour");
    }

    // Qt's own JPEG reader (also libjpeg) serves as an independent oracle for the pixels.
    void logo_pixels_match_an_independent_decoder() {
        const QByteArray bytes = Resource(kLogo);
        QBuffer buffer;
        buffer.setData(bytes);
        QImageReader reader(&buffer, "jpeg");
        const QImage expected = reader.read();
        if (expected.isNull())
            QSKIP("Qt's JPEG image plugin is not installed");
        const auto ours = DecodeJpeg(bytes);
        QVERIFY(ours.has_value());
        const QImage a = ours->convertToFormat(QImage::Format_RGB32);
        const QImage b = expected.convertToFormat(QImage::Format_RGB32);
        int worst = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y);
                const QRgb q = b.pixel(x, y);
                worst = std::max({worst, std::abs(qRed(p) - qRed(q)),
                                  std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
            }
        QVERIFY2(worst <= 2,
                 qPrintable(QStringLiteral("largest channel difference %1").arg(worst)));
    }

    void bad_input_gives_nothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray logo = Resource(kLogo);
        QVERIFY(logo.size() > 2000);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("start-of-image marker only") << logo.left(2);
        QTest::newRow("cut inside the headers") << logo.left(300);
        QTest::newRow("cut inside the picture data") << logo.left(logo.size() / 2);
        QTest::newRow("cut before end-of-image marker") << logo.left(logo.size() - 2);
        QTest::newRow("PNG picture") << Resource(QStringLiteral(":/dialogs/about_icon.png"));
        QTest::newRow("plain text") << QByteArray("This is not a picture at all.\n");
        QByteArray scrambled = logo;
        for (qsizetype i = 600; i < scrambled.size() - 2; i += 7)
            scrambled[i] = static_cast<char>(0xFF);
        QTest::newRow("corrupt picture data") << scrambled;
    }
    void bad_input_gives_nothing() {
        QFETCH(QByteArray, bytes);
        QVERIFY(!DecodeJpeg(bytes).has_value());
    }

    void missing_file_gives_nothing() {
        QVERIFY(!LoadJpeg(QStringLiteral("/nonexistent/folder/logo.jpg")).has_value());
    }
};

QTEST_GUILESS_MAIN(JpegImageTest)
#include "JpegImageTest.moc"
